// The outline of every punching record, built once per load: the footprint of its column, or
// a 40 cm square about its node, grown on every side by one distance for the whole slab.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The growth of the outlines: (Spessore - Copriferro) x 0.4 as a 4-byte real, rounded down to
// a multiple of 0.5 cm.
float DistanzaContorniPunz(const Modello& m);

// Half-sizes along x (a) and y (b) of the axis-parallel box of an archive-typed column: half
// the width and half the depth of its library section, exchanged when the column is turned by
// about a right angle (45 < Angolo < 135 or 225 < Angolo < 315 degrees); 15 and 15 for a type
// without library section or outside the archive.
void SemiLatiPilastro(const Modello& m, const Pilastro& c, float& a, float& b);

// Punzonamento.NumVertici, VertX, VertY of every record, clockwise: a node record the square of
// half-side d + 20 about its node; an archive-typed column the rectangle of its half-sizes grown
// by d; a round column an octagon of radius d + its radius; a polygon column (kind 3 or more)
// its outline grown by d. A record whose column or node is not in the model gets no outline
// (NumVertici 0). Nothing else of the records changes; no failure path.
void CalcContorniPunz(Modello& m);
inline void CalcContorniPunz() { CalcContorniPunz(M); }

}  // namespace vilmor
