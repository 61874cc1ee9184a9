// Drawing extents of a plan view and of the sheet, and the cosines and sines of the two bar
// directions.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// LimitiPianta (the outline's box with the title-block margins), LarghezzaPianta,
// AltezzaPianta, LarghezzaTavola and the three extents. Without an outline the box starts
// from zero, so repeated calls give the same result.
void SettaLimiti(const Modello& m, StatoVista& v);
inline void SettaLimiti() { SettaLimiti(M, Vista); }

// CosDir1 .. SinInvDir2 from AngoloDir1 and AngoloDir2; values within 1e-5 of 0 or 1 snap.
void CalcolaDirezioni(Modello& m);
inline void CalcolaDirezioni() { CalcolaDirezioni(M); }

}  // namespace vilmor
