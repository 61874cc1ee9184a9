// Derived values of the analysis model: the range of every requirement over the nodes, and the
// steel that the diffuse mesh and the chairs provide.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// MaxRichiesta and MinRichiesta 0 .. 4 (RichSup1, RichSup2, RichInf1, RichInf2, shear sum) and
// MediaRichiesta of the four faces. Entry 5 (punching studs) is left alone. No node: nothing.
void CalcStatNodi(Modello& m);
inline void CalcStatNodi() { CalcStatNodi(M); }

// Steel per metre of a layer of bars; a spacing that is not positive gives nothing.
float AreaStrato(int diametro, float passo);

// AreaDiffSup1 .. AreaDiffInf2 (cm2/m) and AreaCavalletti (cm2/m2). A layer whose spacing is
// not positive provides nothing; chairs need both spacings positive and a diameter.
void CalcAreeDiffuse(Modello& m);
inline void CalcAreeDiffuse() { CalcAreeDiffuse(M); }

}  // namespace vilmor
