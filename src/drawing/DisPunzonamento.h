// The punching view: for every column (or node) with computed radial reinforcement the stud
// rails over the part of its control perimeter inside the slab, the studs, the record's name as
// the quantities report lists it ("P1" for column 1, "N19" for node number 19), the rail
// description and the total stud area; the columns whose reinforcement cannot be computed get a mark and,
// once per loaded project, a warning on the screen.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The view shifted by (OffsetX, OffsetY) cm, through the primitives with output selector
// `uscita` (0 the screen, which alone shows the warning).
void DisPunzonamento(Modello& m, float OffsetX, float OffsetY, int uscita);

// The angle of a stretch seen from the node: from the direction aF of its last vertex
// counter-clockwise to the direction aI of its first (radians, in [0, 2 pi)).
double AmpiezzaTratto(double aI, double aF);

}  // namespace vilmor
