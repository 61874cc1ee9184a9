// The drawing primitives. Every drawer of the plan and the sections calls these with plan
// coordinates in centimetres and an output selector: 0 the plan picture, -1 measure only
// (nothing is drawn), any other value the DXF output. Behind them one sink per output, installed
// in `Piatt.SinkVideo` and `Piatt.SinkDxf`.
#pragma once

#include <string>

namespace vilmor {

// A linear dimension entity of the DXF 2000 form: layers by index, points in plan centimetres.
// The value is the dimension line's length divided by `Divisore`, rounded to `Decimali`.
struct EntitaQuota {
    int LayerQuota = 0, LayerTesto = 0;
    int Decimali = 1;
    float AltezzaTesto = 0;
    float Fattore = 1;
    int Tipo = 0;  // 0 with arrow heads, 1 without
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;      // the dimension line
    float XP1 = 0, YP1 = 0, XP2 = 0, YP2 = 0;  // the measured points
    float FattoreCoordinate = 1;
    int Divisore = 1;
    std::string Stile;
};

class SinkDisegno {
public:
    virtual ~SinkDisegno() = default;
    virtual void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) = 0;
    virtual void Cerchio(float X, float Y, float raggio, int layer, int stile) = 0;
    virtual void Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz,
                       int vert, float angolo) = 0;
    // Only the DXF output has dimension entities; the screen draws its dimensions from lines.
    virtual void Quota(const EntitaQuota&) {}
};

void DisLinea(float X1, float Y1, float X2, float Y2, int layer, int stile, int uscita);
void DisCerchio(float X, float Y, float raggio, int layer, int stile, int uscita);
void DisTesto(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
              float angolo, int uscita);
void DisQuotaEntita(const EntitaQuota& q, int uscita);

}  // namespace vilmor
