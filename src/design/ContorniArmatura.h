// Working outlines: the slab outline and the openings moved by the cover, on which bars end,
// the outer perimeter 15 cm inside the slab, and the punching outline of a polygon column.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// The ring (distinct vertices, no closing copy) with every side moved by s to the right of its
// direction of travel (negative s: to the left); vertex i of the result is the offset of vertex i.
// Where two consecutive sides are parallel the vertex moves by s across the side before it.
std::vector<Punto> AnelloSpostato(const std::vector<Punto>& anello, float s);
// The ring grown outwards by s (shrunk for a negative s), whatever its orientation.
std::vector<Punto> AnelloAllargato(const std::vector<Punto>& anello, float s);

// ContornoArmatura (the slab outline moved inwards by Copriferro, clockwise, element 0 repeating
// the last), ContornoForiArm (each opening grown by Copriferro, clockwise, closed) and the boxes
// LimitiArmDir1, LimitiArmDir2 of the working outline in the two bar frames.
void CalcolaContornoArmatura(Modello& m);
// PerimetroEsterno: the slab outline moved 15 cm inwards, clockwise, element 0 repeating the last.
void CalcolaPerimetroEsterno(Modello& m);
// The punching outline of record p whose column is a polygon: the column outline grown by d,
// in the column's vertex order, no closing vertex. Nothing for a record without such a column.
void ContornoElementi(Modello& m, int p, float d);

}  // namespace vilmor
