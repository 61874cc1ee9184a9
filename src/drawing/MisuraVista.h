// The measuring output: what the plan picture would cover, as a box in plan centimetres, from
// the very drawing pass of the screen with its primitives measured instead of drawn.
#pragma once

#include <string>

#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "model/definizioni.h"

namespace vilmor {

// Each primitive grows the box by what the screen covers with it: lines, circles, and texts
// placed as the screen places them, as wide as the picture's font writes them (`Misura`, or
// every character as wide as the mean width without one).
class SinkMisura : public SinkDisegno {
public:
    explicit SinkMisura(const SuperficieVideo* misura = nullptr) : misura_(misura) {}
    Ingombro Box;
    void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) override;
    void Cerchio(float X, float Y, float raggio, int layer, int stile) override;
    void Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
               float angolo) override;

private:
    const SuperficieVideo* misura_;
};

// What the plan picture shows of m in the current view (plan views with their title blocks,
// dimensions, section traces, the sections below, the sheet), measured by the screen's drawing
// pass; the outline alone under a colour map and while the outline is edited, with the vertices
// under edit. Nothing is drawn, the picture and the project keep what they had. Empty without
// an outline.
Ingombro MisuraVista(Modello& m);

}  // namespace vilmor
