// A section line cut with the slab: the points where the line enters and leaves the concrete
// (the outline and the openings) or one zone, turned into the frame of the section's bar
// direction (X along the section, Y across it) and ordered along the section. Consecutive points
// pair into pieces, (0, 1), (2, 3), ...; an odd last point bounds nothing.
//
// The line crosses a ring where an edge passes from one side of it to the other, and at a vertex
// lying on it (within 0.01 cm) when the ring goes on to the other side there: one point for the
// run of vertices on the line, at its first; none where the ring only touches the line.
#pragma once

#include <vector>

#include "base/Punto.h"
#include "model/definizioni.h"

namespace vilmor {

// Section s of m cut with the outline and the openings. Punti gets the points in ascending X
// (only the X values are sorted: each Y stays where it was found), XMin the first X. Returns the
// last index; -1 when the line meets nothing, with Punti empty and XMin untouched.
int TagliaSezione(const Modello& m, int s, std::vector<Punto>& Punti, float& XMin);

// Section s of m cut with the outline of zone z, in the frame of the section's direction, sorted
// as above. Returns the last index; -1 when the line misses the zone, with Punti left as it was.
int TagliaZoneSez(const Modello& m, int s, int z, std::vector<Punto>& Punti);

}  // namespace vilmor
