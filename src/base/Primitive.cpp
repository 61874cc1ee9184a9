#include "base/Primitive.h"

#include "base/Piattaforma.h"

namespace vilmor {
namespace {
SinkDisegno* Destinazione(int uscita) {
    if (uscita == -1) return nullptr;
    return uscita == 0 ? Piatt.SinkVideo : Piatt.SinkDxf;
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

void DisQuotaEntita(const EntitaQuota& q, int uscita) {
    if (auto* s = Destinazione(uscita)) s->Quota(q);
}

}  // namespace vilmor
