// The studs of a stud zone (kind 3): rows across the zone's bar direction at `Passo2`, centred
// in the outline's height, and along each row at `Passo`, centred in each stretch inside the
// outline. One grid for the plan, the count stored with the zone and the schedule.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// The stud centres of a zone with outline V (vertices 0 .. n - 1), shifted by the offsets, in
// the frame of the zone's bar direction (x along it). None when a spacing is not a positive
// number, the outline has fewer than three vertices, or the grid is too dense to be a layout.
std::vector<Punto> PioliInFrame(const DatiProgetto& pr, const Zona& zona, const std::vector<Punto>& V, int n,
                                float offsetX = 0, float offsetY = 0);

// How many studs zone z of m has (0 for no such zone).
int NumeroPioli(const Modello& m, int z);

// Every stud zone of m gets its count in `NumBracci`.
void ContaPioliZone(Modello& m);

}  // namespace vilmor
