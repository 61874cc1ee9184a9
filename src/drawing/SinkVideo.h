// The plan picture as a drawing sink: plan centimetres through the screen transform, colours
// and pens by layer, texts placed and sized as the plan's font shows them.
#pragma once

#include <string>

#include "base/Primitive.h"

namespace vilmor {

class SinkVideo : public SinkDisegno {
public:
    // Layers 0..24 whose switch is on in the pass (LayerVisibile); on lines also the
    // pseudo-layers -1 (palette 11) and -2 (palette 14), always drawn.
    void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) override;
    // A style above 3 marks the highlighted circle, drawn in ColoreGiallo.
    void Cerchio(float X, float Y, float raggio, int layer, int stile) override;
    void Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
               float angolo) override;
};

// The estimated width of a text in characters, as the screen placement counts it.
float CaratteriStimati(const std::string& testo);

// Where the screen writes a text whose anchor falls on pixel (xs, ys) at `scala` pixels per cm:
// the top-left corner of its cell (before the turn by the angle, about that corner), the font's
// height and its mean character width, in pixels.
struct PosaTesto {
    float X = 0, Y = 0, Altezza = 0, Larghezza = 0;
};
PosaTesto PosaTestoVideo(float xs, float ys, float scala, const std::string& testo, int tipo, int oriz, int vert,
                         float angolo);

}  // namespace vilmor
