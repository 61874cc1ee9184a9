#include "drawing/SinkDxf.h"

#include <cmath>
#include <utility>

#include "base/Formati.h"
#include "base/LarghezzeFont.h"
#include "drawing/PosaQuotaDxf.h"
#include "drawing/PrimitiveDisegno.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

// The name of a layer the pass draws; none for a layer switched off or out of the table.
const std::string* NomeLayer(int layer) {
    if (!LayerVisibile(layer)) return nullptr;
    return &Strati.NomiLayer[static_cast<size_t>(layer)];
}

}  // namespace

void MisuraDxf::Prendi(float X, float Y) {
    if (std::isfinite(X) && std::isfinite(Y)) Box.Aggiungi(X, Y);
}

void MisuraDxf::LineaDxf(float X1, float Y1, float X2, float Y2, const std::string&, int) {
    Prendi(X1, Y1);
    Prendi(X2, Y2);
}

void MisuraDxf::CerchioDxf(float X, float Y, float raggio, const std::string&, int) {
    const float r = std::fabs(raggio);
    Prendi(X - r, Y - r);
    Prendi(X + r, Y + r);
}

void MisuraDxf::TestoDxf(const std::string&, const std::string& testo, float X, float Y, float altezza, float angolo,
                         int oriz, int vert) {
    if (!std::isfinite(altezza) || !std::isfinite(angolo)) return;
    Prendi(X, Y);
    for (const Punto& p : RiquadroTesto(X, Y, testo, altezza, angolo, oriz, vert)) Prendi(p.X, p.Y);
}

void MisuraDxf::QuotaDxf(const std::string& layerQuota, const std::string& layerTesto, const EntitaQuota& q) {
    PosaQuotaDxf p;
    if (!PosaQuota(q, p)) return;
    if (!layerTesto.empty()) {
        const float gradi = RadiantiGradi(p.Angolo);
        TestoDxf(layerTesto, p.Testo, p.XT, p.YT, q.AltezzaTesto, gradi, 1, p.Frecce ? 1 : 2);
    }
    if (layerQuota.empty()) return;
    Prendi(p.X0, p.Y0);
    Prendi(p.X1, p.Y1);
    if (p.Frecce) {
        // The arrow block reaches 15 units from its point.
        const float r = 15 * Imp.UnitaPerCm * std::fabs(q.Fattore);
        for (const auto& [x, y] : {std::pair{p.X0, p.Y0}, std::pair{p.X1, p.Y1}}) {
            Prendi(x - r, y - r);
            Prendi(x + r, y + r);
        }
    }
}

void SinkDxf::Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) {
    const std::string* nome = NomeLayer(layer);
    if (!Uscita || !nome) return;
    Uscita->LineaDxf(DxfX(X1), DxfY(Y1), DxfX(X2), DxfY(Y2), *nome, stile);
}

void SinkDxf::Cerchio(float X, float Y, float raggio, int layer, int stile) {
    const std::string* nome = NomeLayer(layer);
    if (!Uscita || !nome) return;
    Uscita->CerchioDxf(DxfX(X), DxfY(Y), Imp.FattoreDxf * raggio, *nome, stile);
}

void SinkDxf::Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
                    float angolo) {
    const std::string* nome = NomeLayer(layer);
    if (!Uscita || !nome) return;
    const float h = AltezzaTesto(tipo, 1);
    const float A = GradiRadianti(angolo);
    const float s = static_cast<float>(std::sin(A)), c = static_cast<float>(std::cos(A));
    float x = DxfX(X), y = DxfY(Y);
    // Top-aligned texts stand 2 cm lower in their own frame.
    if (vert == 2) {
        x += 2 * Imp.FattoreDxf * s;
        y -= 2 * Imp.FattoreDxf * c;
    }
    Uscita->TestoDxf(*nome, testo, x, y, h, angolo, oriz, vert + 1);
}

void SinkDxf::Quota(const EntitaQuota& q) {
    const std::string* a = NomeLayer(q.LayerQuota);
    const std::string* b = NomeLayer(q.LayerTesto);
    if (!Uscita || (!a && !b)) return;
    static const std::string nessuno;
    Uscita->QuotaDxf(a ? *a : nessuno, b ? *b : nessuno, q);
}

}  // namespace vilmor
