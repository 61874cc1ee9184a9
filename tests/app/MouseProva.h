// The mouse on the plan picture, in plan centimetres: what the engine's tests press, drag and
// release where the engineer would.
#pragma once

#include "app/MouseVideo.h"
#include "model/Vista.h"

namespace vilmor::prova {

inline void Premi(float x, float y, int b = 1) { Picture1_MouseDown(b, XSchermo(x), YSchermo(y)); }
inline void Muovi(float x, float y, int b = 1) { Picture1_MouseMove(b, XSchermo(x), YSchermo(y)); }
inline void Rilascia(float x, float y, int b = 1) { Picture1_MouseUp(b, XSchermo(x), YSchermo(y)); }
inline void Clic(float x, float y, int b = 1) {
    Premi(x, y, b);
    Rilascia(x, y, b);
}
inline void Trascina(float x0, float y0, float x1, float y1) {
    Premi(x0, y0);
    Muovi(x1, y1);
    Rilascia(x1, y1);
}

}  // namespace vilmor::prova
