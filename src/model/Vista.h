// Plan (cm, y up) to picture (pixels, y down from the top-left corner) and back, through the
// window shown (`FinestraVista`), the scale and the picture height. The conversions read
// `Vista` at every call, so a new window or scale applies at once; they run for every drawn
// point and stay plain arithmetic.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

inline float XSchermo(float x) { return (x - Vista.FinestraVista[2]) * Vista.Scala; }

inline float YSchermo(float y) {
    return (Vista.FinestraVista[0] - y) * Vista.Scala + Vista.AltezzaVideo;
}

// Before a window is set the scale may be 0: the picture then maps to the window's corner
// rather than to infinity.
inline float XDaSchermo(float x) {
    if (!(Vista.Scala > 0)) return Vista.FinestraVista[2];
    return Vista.FinestraVista[2] + x / Vista.Scala;
}

inline float YDaSchermo(float y) {
    if (!(Vista.Scala > 0)) return Vista.FinestraVista[0];
    return Vista.FinestraVista[0] + (Vista.AltezzaVideo - y) / Vista.Scala;
}

// Widens the zoom rectangle `Vista.RettTrascina` (sorted, X0 < X1 and Y0 < Y1) about its
// centre to the proportion of the plan picture. Nothing changes for a flat rectangle or a
// picture without width or height.
void ZoomRettangolo();

// The zone rectangle of the grips on the picture: corners 0 and 2 of the zone, and their midpoint.
inline void SelezioneSuAngoli(const Zona& z, RettangoloSelezione& r) {
    r.X1 = XSchermo(z.Angoli[0].X);
    r.Y1 = YSchermo(z.Angoli[0].Y);
    r.X2 = XSchermo(z.Angoli[2].X);
    r.Y2 = YSchermo(z.Angoli[2].Y);
    r.XC = (r.X1 + r.X2) / 2;
    r.YC = (r.Y1 + r.Y2) / 2;
}

}  // namespace vilmor
