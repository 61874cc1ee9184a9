// Hover marks of the picking modes: each picks the object under the cursor (picture pixels)
// and draws a transient mark on it. `Vista.ElementoEvidenziato` is the one index marked last
// for all of them; the overlay is cleared only when the object under the cursor changes.
// Pen width is 1 again after each.
#pragma once

namespace vilmor {

// The mark of the zone under (x, y); with `cordoli` false a curb is not marked (the copy
// command refuses it).
void EvidenziaCerchio(float x, float y, bool cordoli = true);
void EvidenziaLato(float x, float y);
void EvidenziaQuota(float x, float y);
void EvidenziaPos(float x, float y);
void EvidenziaSez(float x, float y);
void EvidenziaNodo(float x, float y);

}  // namespace vilmor
