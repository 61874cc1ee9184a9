// The drawers that the redraw driver calls by entry.
#pragma once

#include <vector>

#include "base/Punto.h"
#include "drawing/DisMappeColori.h"
#include "drawing/DisPunzonamento.h"
#include "drawing/PoligonoEdit.h"
#include "model/definizioni.h"

namespace vilmor {

// The hatching of a closed point list (cm): parallel lines `passo` apart at `angolo` degrees,
// and a second family at angolo + 90 when `incrociato` is -1. The DXF hatching fills it.
inline void (*TratteggioDxf)(const std::vector<Punto>& punti, float passo, float angolo, int incrociato, int layer,
                             int stile, int uscita) = nullptr;

}  // namespace vilmor
