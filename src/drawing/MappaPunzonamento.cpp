#include "drawing/MappaPunzonamento.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "design/ColoreFascia.h"
#include "design/MappeColori.h"
#include "design/PerimetriPunzonamento.h"
#include "drawing/LegendeMappa.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

constexpr float RaggioSenzaVertici = 25;

std::vector<Punto> PixelDi(const std::vector<float>& X, const std::vector<float>& Y, int n) {
    std::vector<Punto> p;
    p.reserve(static_cast<size_t>(n));
    for (size_t j = 0; j < static_cast<size_t>(n); ++j)
        p.push_back({std::nearbyint(XSchermo(X[j])), std::nearbyint(YSchermo(Y[j]))});
    return p;
}

// A column in the given fill colour: round kinds (no vertex, one or two) as a circle outlined
// in the palette colour, the others as their outline polygon outlined in the fill colour.
void DisegnaPilastro(SuperficieVideo& v, const Pilastro& c, int32_t riempimento, int paletteBordo) {
    const int n = std::min({c.NumVertici, static_cast<int>(c.VX.size()), static_cast<int>(c.VY.size())});
    if (c.NumVertici >= 3 && n >= 3) {
        v.PoligonoBordato(PixelDi(c.VX, c.VY, n), riempimento, riempimento);
        return;
    }
    float r = RaggioSenzaVertici;
    if (c.NumVertici > 0) r = c.VX.empty() ? 0.0f : c.VX[0];
    v.CerchioPieno(XSchermo(c.X), YSchermo(c.Y), Vista.Scala * r, riempimento, ColorePalette(paletteBordo));
}

std::string Sigla(const Pilastro& c) { return "P" + std::to_string(c.Numero); }

}  // namespace

void DisegnaMappaPunzonamento(Modello& m, float inferiore, float superiore, const std::string& titolo, int uscita) {
    LegendaPunz(inferiore, superiore, titolo);
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    const bool bianco = Imp.SfondoBianco != 0;
    const int32_t neutro = bianco ? Rgb(235, 235, 235) : Rgb(75, 75, 75);
    const int32_t nonCalcolabile = bianco ? Rgb(75, 75, 75) : Rgb(235, 235, 235);

    const GeometriaSoletta& g = m.Soletta;
    const int numPilastri = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    auto pilastro = [&](int i) -> const Pilastro* {
        return i >= 0 && i < numPilastri ? &g.Pilastri[static_cast<size_t>(i)] : nullptr;
    };
    for (int p = 0; p < numPilastri; ++p) {
        const Pilastro& c = g.Pilastri[static_cast<size_t>(p)];
        if (v) DisegnaPilastro(*v, c, neutro, 8);
        DisTesto(c.X + 30, c.Y, Sigla(c), 1, 14, 0, 1, 0, uscita);
    }

    const ModelloAnalisi& a = m.Analisi;
    const int numRecord = std::min(a.NumPunzonamenti, static_cast<int>(a.Punzonamenti.size()));
    std::vector<Punto> perimetro, ridotto;
    for (int k = 0; k < numRecord; ++k) {
        const Punzonamento& r = a.Punzonamenti[static_cast<size_t>(k)];
        const Pilastro* c = pilastro(r.IndicePilastro);
        if (r.StatoPunz < 0) {
            if (!c) continue;
            if (v) DisegnaPilastro(*v, *c, nonCalcolabile, 15);
            DisTesto(c->X + 30, c->Y - 30, "N.V.", 1, 1, 0, 1, 0, uscita);
            continue;
        }
        if (r.StatoPunz != 2) continue;

        // A perimeter with nothing inside the slab is placed at the record's own position.
        float XM = r.X, YM = r.Y;
        const int n = PerimetroRidottoRecord(m, k, perimetro, ridotto, XM, YM);
        if (v && n > 0) {
            const int32_t colore = ColoreFascia(FasciaPunzonamento(r.AreaTotPioli, inferiore, superiore));
            std::vector<Punto> pixel;
            pixel.reserve(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) {
                const Punto& q = ridotto[static_cast<size_t>(i)];
                pixel.push_back({std::nearbyint(XSchermo(q.X)), std::nearbyint(YSchermo(q.Y))});
            }
            v->PoligonoBordato(pixel, colore, colore);
        }
        if (c) DisTesto(XM + 5, YM, Sigla(*c), 1, 14, 0, 1, 0, uscita);
        DisTesto(XM + 5, YM - 30, FormatNum(r.AreaTotPioli, 2) + " cmq", 1, 1, 0, 1, 0, uscita);
    }
}

}  // namespace vilmor
