// The stirrups of a curb (kind 2): one count for the plan, the DXF and the quantities report.
//
// A curb of length L with stirrups at `Passo` holds Int(L / `Passo`) positions, and one at least:
// 100 / `Passo` positions a metre is what the curb dialog's stirrup area and the residual shear
// take. The positions lie `Passo` apart, centred along the strip, so that no end of the curb is
// left a spacing or more without a stirrup. With more than two legs each position holds two
// stirrups, each about two thirds of the width, one from either side.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The curb's length along its side: its outline runs from corner 0 to corner 3 on the line at
// the cover from the side. A damaged outline of fewer than four corners has no length.
float LunghezzaCordolo(const ZoneArmatura& za, int z);

// The stirrup positions of curb z: 0 without a positive spacing, without length, or for a count
// beyond any real curb.
int PosizioniStaffe(const ZoneArmatura& za, int z);

// Stirrups at each position: 2 with more than two legs, else 1.
inline int StaffePerPosizione(const Zona& zona) { return zona.NumBracci > 2 ? 2 : 1; }

}  // namespace vilmor
