// The drawing primitives. Every drawer of the plan and the sections calls these with plan
// coordinates in centimetres and an output selector: 0 the plan picture, -1 measure only
// (nothing is drawn), any other value the DXF output. Behind them one sink per output, installed
// in `Piatt.SinkVideo` and `Piatt.SinkDxf`.
#pragma once

#include <string>

namespace vilmor {

class SinkDisegno {
public:
    virtual ~SinkDisegno() = default;
    virtual void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) = 0;
    virtual void Cerchio(float X, float Y, float raggio, int layer, int stile) = 0;
    virtual void Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz,
                       int vert, float angolo) = 0;
};

void DisLinea(float X1, float Y1, float X2, float Y2, int layer, int stile, int uscita);
void DisCerchio(float X, float Y, float raggio, int layer, int stile, int uscita);
void DisTesto(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
              float angolo, int uscita);

}  // namespace vilmor
