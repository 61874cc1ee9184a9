// Anchorage length of a straight bar from the current steel and concrete.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Anchorage length (whole cm) of a bar of diameter d mm, kept between AncMin x d and AncMax x d
// (tenths of cm); 0 for d <= 0. Where no bond can be developed (Fctm of 0, or a bar so thick
// that the bond factor vanishes) the upper bound stands. Never negative.
int CalcAncoraggio(int d, const Acciaio& acciaio, const Calcestruzzo& cls, int AncMin, int AncMax);
// The same with the current materials (`Mat`) and settings (`Imp`); nothing is cached.
int CalcAncoraggio(int d);

}  // namespace vilmor
