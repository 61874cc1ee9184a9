// The punching map: every column in a neutral grey, the columns whose punching reinforcement
// cannot be computed in a contrasting grey with "N.V.", and every computed column's control
// perimeter, clipped to the slab, filled in the band colour of its total stud area
// (FasciaPunzonamento, design/MappeColori.h).
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// Draws the legend, the columns and the perimeters on the plan picture; the texts go through
// the primitives with the output selector `uscita`.
void DisegnaMappaPunzonamento(Modello& m, float inferiore, float superiore, const std::string& titolo, int uscita);

}  // namespace vilmor
