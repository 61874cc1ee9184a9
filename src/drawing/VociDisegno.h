// Drawers that the redraw driver calls but that draw nothing yet: the punching
// view and the outline editor's drawing.
#pragma once

#include <vector>

#include "base/Punto.h"
#include "design/MappeColori.h"
#include "model/definizioni.h"

namespace vilmor {

void DisPunzonamento(Modello& m, float X, float Y, int uscita);
void DisegnaPoligEdit(const Modello& m);

// The hatching of a closed point list (cm): parallel lines `passo` apart at `angolo` degrees,
// and a second family at angolo + 90 when `incrociato` is -1. The DXF hatching fills it.
inline void (*TratteggioDxf)(const std::vector<Punto>& punti, float passo, float angolo, int incrociato, int layer,
                             int stile, int uscita) = nullptr;

}  // namespace vilmor
