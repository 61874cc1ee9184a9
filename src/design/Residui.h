// The residual requirement of every analysis node: required steel less what the diffuse
// mesh, the chairs and every zone provide there. Positive means steel is missing.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Recomputes from scratch; zone `Escludi` (>= 0) does not count, -1 counts every zone.
void DetraiArmatureNodi(int Escludi, Modello& m);
inline void DetraiArmatureNodi(int Escludi = -1) { DetraiArmatureNodi(Escludi, M); }

}  // namespace vilmor
