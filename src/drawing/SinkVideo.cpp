#include "drawing/SinkVideo.h"

#include <cmath>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "base/Testo1252.h"
#include "drawing/PrimitiveDisegno.h"
#include "model/Vista.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

// A layer of the table that the pass draws.
bool LayerReale(int layer) { return LayerVisibile(layer); }

int Intero(float v) { return static_cast<int>(std::nearbyint(v)); }

// A value that rounds to a pixel the picture can take (a far-off or broken point cannot).
bool Pixel(float v) { return std::isfinite(v) && std::fabs(v) < 1e9f; }

size_t PuntiCodice(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

float CaratteriStimati(const std::string& t) {
    auto ha = [&](const char* x) { return t.find(x) != std::string::npos; };
    float n = static_cast<float>(PuntiCodice(t));
    for (const char* x : {".", " ", ","})
        if (ha(x)) n -= 0.8f;
    if (ha("tt")) n -= 1.0f;
    else if (ha("t")) n -= 0.6f;
    if (ha("ff")) n -= 1.0f;
    else if (ha("f")) n -= 0.6f;
    if (ha("/")) n -= 0.6f;
    if (ha("m")) n += 0.4f;
    if (ha(SegnoDiametro)) n += 0.5f;
    if (ha("i")) n -= 0.6f;
    if (ha("r")) n -= 0.6f;
    return n;
}

void SinkVideo::Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    int32_t colore;
    bool punteggiata = false;
    if (layer == -1) colore = ColorePalette(11);
    else if (layer == -2) colore = ColorePalette(14);
    else if (LayerReale(layer)) {
        colore = Strati.ColoriLayer[static_cast<size_t>(layer)];
        punteggiata = stile == 1 || stile == 3;
    } else
        return;
    v->Linea(XSchermo(X1), YSchermo(Y1), XSchermo(X2), YSchermo(Y2), colore, punteggiata);
}

void SinkVideo::Cerchio(float X, float Y, float raggio, int layer, int stile) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v || !LayerReale(layer)) return;
    const int32_t colore = stile > 3 ? Strati.ColoreGiallo : Strati.ColoriLayer[static_cast<size_t>(layer)];
    v->Cerchio(XSchermo(X), YSchermo(Y), Vista.Scala * raggio, colore, stile == 1 || stile == 3);
}

PosaTesto PosaTestoVideo(float xs, float ys0, float scala, const std::string& testo, int tipo, int oriz, int vert,
                         float angolo) {
    const float h = AltezzaTesto(tipo, 0);
    const float A = GradiRadianti(angolo);
    const float s = static_cast<float>(std::sin(A)), c = static_cast<float>(std::cos(A));
    const float hp = scala * h * 0.9f;
    const float wu = hp * 0.38f;
    float dy = 0;
    if (oriz != 0) {
        const float W = (scala * 1.38f + wu) * CaratteriStimati(testo);
        if (oriz == 1) {
            xs -= c * W / 2;
            dy = s * W / 2;
        } else {
            xs -= c * W;
            dy = s * W;
        }
    }
    float ys = ys0 + dy;
    if (vert == 0) {
        xs -= 1.05f * hp * s;
        ys -= c * hp;
    } else if (vert == 1) {
        xs -= 0.55f * hp * s;
        ys -= 0.5f * c * hp;
    }
    return {xs, ys, hp, wu};
}

void SinkVideo::Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
                      float angolo) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v || !LayerReale(layer)) return;
    const PosaTesto p = PosaTestoVideo(XSchermo(X), YSchermo(Y), Vista.Scala, testo, tipo, oriz, vert, angolo);
    if (p.Larghezza <= 1.0f) return;
    if (!Pixel(p.X) || !Pixel(p.Y) || !Pixel(p.Altezza) || !Pixel(angolo)) return;
    v->ColorePrimoPiano(Strati.ColoriLayer[static_cast<size_t>(layer)]);
    v->TestoRuotato(Intero(p.X), Intero(p.Y), Intero(p.Altezza), Intero(p.Larghezza), Intero(angolo), testo);
}

}  // namespace vilmor
