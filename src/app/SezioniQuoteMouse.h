// The section and dimension modes of the plan: sections placed, moved and deleted; horizontal,
// vertical and aligned dimensions by two snapped points and a third click; chained, deleted and
// moved dimensions and their visibility. Each change is one undo step.
#pragma once

namespace vilmor {

// The mouse of those modes (picture pixels); false when the mode is not one of them.
bool PremiSezioniQuote(int Button, float X, float Y);
bool MuoviSezioniQuote(int Button, float X, float Y);
bool RilasciaSezioniQuote(int Button, float X, float Y);

// One more dimension of the chain from dimension `Quotatura.QuotaSelezionata` to the snapped
// point (plan cm): along its line from its nearer end to the foot of the point, measured from
// the chain's first point. The chain goes on from the new dimension; a point that adds nothing
// leaves it where it was.
void AggiungiQuotaCatena(float x, float y);

}  // namespace vilmor
