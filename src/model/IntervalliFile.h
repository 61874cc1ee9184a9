// The ranges a number read from a file (or from the settings) must lie in. Beyond them a
// number is a fault of the file, not a slab: the reader refuses it at its line rather than
// carry it into a drawing or a report.
#pragma once

#include "base/FileTesto.h"

namespace vilmor {

// How far a plan point may lie from the slab's origin, and the longest length or radius, in
// cm: 100 km.
inline constexpr float LimitePianta = 10'000'000.0f;
// The least spacing of bars or chairs (cm); 0 stands for none.
inline constexpr float PassoMinimoFile = 1.0f;
// The largest index the files' 16-bit fields can hold.
inline constexpr int MassimoIntero16 = 32767;

// NaN fails every test.
inline bool CoordinataValida(float v) { return v >= -LimitePianta && v <= LimitePianta; }
inline bool LunghezzaValida(float v) { return v >= 0 && v <= LimitePianta; }
inline bool PassoValido(float v) { return v == 0 || (v >= PassoMinimoFile && v <= LimitePianta); }

// A value read and refused at its line unless it lies in its range.
inline float LeggiCoordinata(LettoreTesto& l) {
    const float v = l.LeggiS();
    l.ControllaValore(CoordinataValida(v));
    return v;
}
inline float LeggiLunghezza(LettoreTesto& l) {
    const float v = l.LeggiS();
    l.ControllaValore(LunghezzaValida(v));
    return v;
}
inline float LeggiPasso(LettoreTesto& l) {
    const float v = l.LeggiS();
    l.ControllaValore(PassoValido(v));
    return v;
}

}  // namespace vilmor
