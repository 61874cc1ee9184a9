// Sliding a stored zone's representative line (and its label) along the bars while the
// user drags it.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Moves the representative line of zone `zona` so that it crosses the bars at the cursor
// (picture pixels): its ends stay on the two bar-parallel sides of the zone's box, extended
// beyond the zone if need be, and the label point keeps its offset from the line's first end.
// Only the cursor's position along the bars counts. An index outside the table, bar directions
// without a meeting point, or a line or label that would leave AreaLavoro leave the zone as it
// was.
void SpostaRiferimentoZona(Modello& m, int zona, float px, float py);
// The zone `Edit.ZonaSelezionata` of the project in memory.
void SpostaRiferimentoZona(float px, float py);

}  // namespace vilmor
