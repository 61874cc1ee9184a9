// The legend panel outside the colour maps: the two bar directions as strokes and the diffuse
// mesh of the face in view, with its area per metre. The map views draw their own legend there.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Clears the panel `Piatt.Picture2` and draws the legend of m for `Vista.CodiceVista`: the upper
// mesh for view 0, the lower (or single) mesh for any other. Nothing without a panel.
void DisLegenda(const Modello& m);

}  // namespace vilmor
