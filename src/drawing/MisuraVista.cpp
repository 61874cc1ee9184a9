#include "drawing/MisuraVista.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "drawing/DisGeometria.h"
#include "drawing/PoligonoEdit.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

// Texts are placed at this many pixels per cm: every offset of the screen's placement grows
// with the scale, so the box in cm is the same at any scale, and the font is large enough here
// to measure well.
constexpr float ScalaMisura = 4;
// A line of text is taller than the font's pixel height by its descent and leading.
constexpr float RigaTesto = 1.2f;

bool LayerDisegnato(int layer) { return layer >= -2 && layer < NumLayer; }

}  // namespace

void SinkMisura::Linea(float X1, float Y1, float X2, float Y2, int layer, int) {
    if (!LayerDisegnato(layer)) return;
    Box.Aggiungi(X1, Y1);
    Box.Aggiungi(X2, Y2);
}

void SinkMisura::Cerchio(float X, float Y, float raggio, int layer, int) {
    if (layer < 0 || layer >= NumLayer) return;
    const float r = std::fabs(raggio);
    Box.Aggiungi(X - r, Y - r);
    Box.Aggiungi(X + r, Y + r);
}

void SinkMisura::Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
                       float angolo) {
    if (layer < 0 || layer >= NumLayer || testo.empty()) return;
    const PosaTesto p = PosaTestoVideo(0, 0, ScalaMisura, testo, tipo, oriz, vert, angolo);
    const auto intero = [](float v) { return static_cast<int>(std::nearbyint(v)); };
    float w = 0;
    if (misura_) w = misura_->LarghezzaTesto(intero(p.Altezza), intero(p.Larghezza), testo);
    else w = SuperficieVideo::LarghezzaTestoStimata(intero(p.Larghezza), testo);
    const float h = p.Altezza * RigaTesto;
    // The cell turns about its top-left corner, counter-clockwise on the screen (y down).
    const double a = GradiRadianti(angolo);
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    for (const float u : {0.0f, w})
        for (const float v : {0.0f, h}) {
            const float px = p.X + u * c + v * s, py = p.Y - u * s + v * c;
            Box.Aggiungi(X + px / ScalaMisura, Y - py / ScalaMisura);
        }
}

Ingombro MisuraVista(Modello& m) {
    SinkMisura misura(Piatt.Ctrl_Vid);
    if (m.Soletta.NumVertContorno <= 0) return misura.Box;

    // The screen's pass with its output measured: the picture is out of reach meanwhile, so the
    // few drawers that write on it directly leave it as it is.
    struct Scambio {
        SinkDisegno* sink = Piatt.SinkVideo;
        SuperficieVideo* video = Piatt.Ctrl_Vid;
        std::array<int, NumLayer> visibili = Strati.VisLayerCorr;
        int scala50 = Vista.Scala50Corrente;
        ~Scambio() {
            Piatt.SinkVideo = sink;
            Piatt.Ctrl_Vid = video;
            Strati.VisLayerCorr = visibili;
            Vista.Scala50Corrente = scala50;
        }
    } scambio;
    Piatt.SinkVideo = &misura;
    Piatt.Ctrl_Vid = nullptr;
    Strati.VisLayerCorr = Strati.VisLayerVideo;
    Vista.Scala50Corrente = 1;

    if (Vista.EditPerimetro == 0) {
        DisPiano(m, 0);
    } else {
        DisGeometria(m, 0, 0, -1, 0);
        if (ContornoEditCoerente())
            for (int i = 0; i <= EditSez.UbOrdineVertici; ++i) misura.Box.Aggiungi(VerticeEdit(i).X, VerticeEdit(i).Y);
    }
    return misura.Box;
}

}  // namespace vilmor
