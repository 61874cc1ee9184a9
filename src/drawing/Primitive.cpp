#include "drawing/Primitive.h"

#include "drawing/FerriSezione.h"

namespace vilmor {
namespace {
SinkDisegno* Destinazione(int uscita) {
    if (uscita == -1) return nullptr;
    return uscita == 0 ? Sink.Video : Sink.Dxf;
}
}  // namespace

void DisLinea(float X1, float Y1, float X2, float Y2, int layer, int stile, int uscita) {
    if (auto* s = Destinazione(uscita)) s->Linea(X1, Y1, X2, Y2, layer, stile);
}

void DisCerchio(float X, float Y, float raggio, int layer, int stile, int uscita) {
    if (auto* s = Destinazione(uscita)) s->Cerchio(X, Y, raggio, layer, stile);
}

void DisTesto(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
              float angolo, int uscita) {
    if (auto* s = Destinazione(uscita)) s->Testo(X, Y, testo, tipo, layer, oriz, vert, angolo);
}

// The geometry of the representative bar arrives with the zone annotation.
void DisFerroInt(float, float, int, const std::string&, const std::string&, int) {}

// The drawing of the bar runs arrives with the section drawing; measuring is complete.
int DisFerriSez(int conteggio, int lato, float, float X1, float X2, int diametro, float,
                int piegaIniz, int piegaFine, int uscita) {
    LungFerroSez = 0;
    if (uscita != -1) return 0;
    LungFerroSez = MisuraFerriSez(ParametriFerriSezione(M), conteggio, lato, X1, X2, diametro, piegaIniz, piegaFine);
    return LungFerroSez;
}

}  // namespace vilmor
