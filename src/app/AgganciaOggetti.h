// The object snap: the cursor hooked to characteristic points of the drawn slab (beam and wall
// ends, column centres and vertices, pile centres and quadrants, outline and opening vertices,
// and for the dimensions the ends of the zones' bars and the vertices of stud zones), by the
// snap protocol of the outline editing mode.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// A point the snap may take, in plan cm, with the shape of its hover marker.
struct CandidatoAggancio {
    float X = 0, Y = 0;
    bool Cerchio = false;
};

// Every candidate of m in scan order, as the settings' switches, the layers' visibility and the
// view select them; `senzaZone` above 0 leaves the reinforcement zones out. A zone whose bar
// rows cannot be laid out (spacing not positive, too many rows) offers no bar ends.
std::vector<CandidatoAggancio> CandidatiAggancio(const Modello& m, int senzaZone);

// The first candidate within 4 pixels of (x, y) in both directions (picture pixels). Commit
// (`commit` non-zero): its unrounded picture position into `Vista.XAggancio`, `YAggancio` and
// state 1. Hover: a magenta circle (centres) or square of 6 pixels marks it and the state
// stays. A miss leaves state 0. The candidates are built again only when what they depend on
// changed.
void AgganciaOggetti(const Modello& m, float x, float y, int senzaZone, int commit);
void AgganciaOggetti(float x, float y, int senzaZone, int commit);

}  // namespace vilmor
