// Every section of the slab drawn one below the other, under a plan view or in the section
// column of the sheet: the concrete with its title and dimensions (DisSezione), the bars that
// cross each section as dots with leaders and labels, the curbs it cuts with their legs and
// corner bars, and below it the bar details of the zones and of the diffuse meshes that run along
// it (DisFerriSez, DisStaffeSez). Every element goes on its layer whatever the layer switches.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// (X0, Y0) the base point: the first section's upper face is drawn 140 below Y0 (280 in a DXF
// pass of the 1:100 style), and the sections of each direction start where that direction's
// cut that begins furthest along the section would. Output 0 the plan picture, 1 DXF.
//
// Data that cannot be drawn is left out and the rest drawn: a row of dots whose spacing is not
// positive (or, for the diffuse meshes, rounds to 0), every row across the section when the two
// bar directions are parallel, a section that meets no concrete (it keeps its place), a curb met
// in one point. A direction other than 0 counts as direction 2.
void DisSezioni(Modello& m, float X0, float Y0, int uscita);

}  // namespace vilmor
