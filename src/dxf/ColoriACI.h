// The AutoCAD Color Index palette: the screen colour of each layer colour number 1 … 255, and
// the order in which the colour picker shows them. Colours are always chosen by index; there is
// no search back from a screen colour.
#pragma once

#include <cstdint>

namespace vilmor {

struct ColoreRGB {
    int16_t R = 0, G = 0, B = 0;
};

// The palette entry of `indice` (1 … 255) into `colore`; any other index leaves it as it was.
void ColoreACI(int32_t indice, ColoreRGB& colore);

// R + 256 G + 65536 B of `indice`; black outside 1 … 255.
int32_t RgbACI(int32_t indice);

// Picker cell 0 … 254: the index it shows (out) and its colour, also returned. Outside the cells
// the index is 0 and the colour black.
int32_t CellaACI(int32_t cella, int32_t& indice, int32_t& colore);

}  // namespace vilmor
