// The colours of the ten bands of the colour maps, the punching map and their legends, from
// dark blue to dark red.
#pragma once

#include <cstdint>

namespace vilmor {

// RGB of band index c: 0 .. 9 paint the values between level c and level c + 1; -1 and 10,
// below the first and above the last level, repeat 0 and 9; any other index is black.
int32_t ColoreFascia(int indice);

}  // namespace vilmor
