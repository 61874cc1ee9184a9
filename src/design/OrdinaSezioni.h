// The standing order of the sections, which is their numbering on the plan and below it: every
// section of direction 1 first, then those of direction 2, each group ascending across its cut.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Reorders the sections of m: direction 1 (Direzione 0) on the Y2 of their cut lines, then every
// other direction on X2. Whole records move; the count does not change. Equal keys follow the
// exchange sort the numbering has always come from: an exchange with a third section may swap
// them.
void OrdinaSezioni(Modello& m);
void OrdinaSezioni();

}  // namespace vilmor
