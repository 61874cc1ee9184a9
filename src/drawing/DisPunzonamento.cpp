#include "drawing/DisPunzonamento.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "design/PerimetriPunzonamento.h"
#include "model/Impostazioni.h"

namespace vilmor {
namespace {

constexpr double DuePi = 6.28318530717959;
constexpr float LunghezzaRaggio = 100;
constexpr float RaggioPiolo = 2;
constexpr int LayerPioli = 6, LayerListelli = 8, LayerPilastri = 14, LayerTesti = 1;

// The studs and rail lengths of the slab, cm and mm.
struct Misure {
    float s;       // stud spacing, cm
    float d1;      // first stud from the face, mm
    float L;       // stud length, mm
};

Misure MisureSoletta(const DatiProgetto& p) {
    const float e = p.Spessore - p.Copriferro;
    return {ArrotondaGiuMezzo(0.75f * e), ArrotondaGiuMezzo(0.4f * e) * 10,
            ArrotondaMezzo(p.Spessore - 2 * p.Copriferro) * 10};
}

void Testo(float X, float Y, const std::string& t, int layer, int uscita) {
    DisTesto(X, Y, t, 1, layer, 0, 1, 0, uscita);
}

struct Gruppo {
    double a0, passo;
    int n;
    int D;
};

// One group of rails from the record's outline, then its texts at the anchor: the record's name
// as the quantities report gives it ("" for none), the description and the total.
void DisegnaGruppo(const Punzonamento& r, const std::string& nome, float xn, float yn, const Gruppo& g,
                   const Misure& mis, float mx, float my, float OffsetX, float OffsetY, int uscita) {
    const int p = r.PioliListello;
    if (p <= 0) return;  // no stud: nothing to lay nor to describe
    const int nv = std::min({r.NumVertici, static_cast<int>(r.VertX.size()), static_cast<int>(r.VertY.size())});
    for (int k = 0; k < g.n; ++k) {
        const double a = g.a0 + k * g.passo;
        const float xe = xn + static_cast<float>(LunghezzaRaggio * std::cos(a));
        const float ye = yn + static_cast<float>(LunghezzaRaggio * std::sin(a));
        for (int j = 0; j < nv; ++j) {
            const size_t i0 = static_cast<size_t>(j == 0 ? nv - 1 : j - 1), i1 = static_cast<size_t>(j);
            float xs = 0, ys = 0, xj, yj;
            int codice = IntParallele;
            IntersezioneSegmenti(xn, yn, xe, ye, r.VertX[i0], r.VertY[i0], r.VertX[i1], r.VertY[i1], xs, ys, codice,
                                 xj, yj);
            if (codice != IntIncrocio && codice != IntEstremoSuSegmento) continue;
            float xp = xs, yp = ys;
            for (int i = 0; i < p; ++i) {
                PuntoADistanza(xs, ys, xe, ye, xp, yp, static_cast<float>(i) * mis.s);
                DisCerchio(xp + OffsetX, yp + OffsetY, RaggioPiolo, LayerPioli, 0, uscita);
            }
            DisLinea(xs + OffsetX, ys + OffsetY, xp + OffsetX, yp + OffsetY, LayerListelli, 0, uscita);
            break;
        }
    }

    const float X = mx + OffsetX, Y = my + OffsetY;
    if (!nome.empty()) Testo(X, Y, nome, LayerPilastri, uscita);
    std::string t = std::to_string(g.n) + " x " + SegnoDiametro + std::to_string(g.D) + "-" + FormatNum(mis.L, 0) +
                    " / " + std::to_string(p) + "(" + FormatNum(mis.d1, 0) + "+" + FormatNum(mis.s * 10, 0);
    if (p > 2) t += "x" + std::to_string(p - 1);
    Testo(X, Y - 30, t + ")", LayerTesti, uscita);
    const float totale = AreaBarra(g.D) * static_cast<float>(p) * static_cast<float>(g.n);
    Testo(X, Y - 60, "As tot.= " + FormatNum(totale, 1) + " cmq", LayerTesti, uscita);
}

}  // namespace

double AmpiezzaTratto(double aI, double aF) {
    double ampiezza = aI - aF;
    if (ampiezza < 0) ampiezza += DuePi;
    return ampiezza;
}

void DisPunzonamento(Modello& m, float OffsetX, float OffsetY, int uscita) {
    const Misure mis = MisureSoletta(m.Progetto);
    const GeometriaSoletta& g = m.Soletta;
    const ModelloAnalisi& a = m.Analisi;
    const int numPilastri = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    const int numRecord = std::min(a.NumPunzonamenti, static_cast<int>(a.Punzonamenti.size()));
    std::vector<Punto> perimetro, ridotto;

    for (int k = 0; k < numRecord; ++k) {
        const Punzonamento& r = a.Punzonamenti[static_cast<size_t>(k)];
        const Pilastro* c = r.IndicePilastro >= 0 && r.IndicePilastro < numPilastri
                                ? &g.Pilastri[static_cast<size_t>(r.IndicePilastro)]
                                : nullptr;
        if (r.StatoPunz < 0) {
            if (c) Testo(c->XMax + 10 + OffsetX, c->YMax + OffsetY, "Arm. punz. N.C.", LayerTesti, uscita);
            if (uscita == 0 && Vista.AvvisoPunzMostrato == 0) {
                Avviso("Esistono armature a punzonamento non calcolabili per mancata verifica 6.52 NTC.");
                Vista.AvvisoPunzMostrato = -1;
            }
            continue;
        }
        if (r.StatoPunz < 2 || r.TipoPunz != 0) continue;

        // A perimeter with nothing inside the slab has its texts at the record's own position.
        float mx = r.X, my = r.Y;
        PerimetroRidottoRecord(m, k, perimetro, ridotto, mx, my);
        float xn = r.X, yn = r.Y;
        const Nodo* nodo = r.IndiceNodo >= 0 && r.IndiceNodo < std::min(a.NumNodi, static_cast<int>(a.Nodi.size()))
                               ? &a.Nodi[static_cast<size_t>(r.IndiceNodo)]
                               : nullptr;
        if (nodo) xn = nodo->X, yn = nodo->Y;
        // A column's record by the column, a node's by the node's number ("N19"), as the
        // schedule of the quantities report lists them.
        std::string nome;
        if (c) nome = "P" + std::to_string(c->Numero);
        else if (r.IndicePilastro == -1 && nodo) nome = "N" + std::to_string(nodo->Numero);

        const int tratti = std::min({r.NumTratti, static_cast<int>(r.TrattoIniz.size()),
                                     static_cast<int>(r.TrattoFine.size())});
        if (r.NumTratti > 0) {
            for (int t = 0; t < tratti; ++t) {
                const Punto& pi = r.TrattoIniz[static_cast<size_t>(t)];
                const Punto& pf = r.TrattoFine[static_cast<size_t>(t)];
                const double aF = AngoloRadianti(xn, yn, pf.X, pf.Y);
                const double ampiezza = AmpiezzaTratto(AngoloRadianti(xn, yn, pi.X, pi.Y), aF);
                const int nl = static_cast<int>(std::nearbyint(r.NumListelli * ampiezza / 6.283185));
                if (nl <= 1 || r.PioliListello <= 0) continue;
                const int D = DiametroDaArea(r.AreaTotPioli / static_cast<float>(nl * r.PioliListello), Imp.DiamPioli);
                DisegnaGruppo(r, nome, xn, yn, {aF, ampiezza / (nl - 1), nl, D}, mis, mx, my, OffsetX, OffsetY,
                              uscita);
            }
        } else if (r.NumListelli > 0) {
            const int D = DiametroDaArea(r.AreaPiolo, Imp.DiamPioli);
            DisegnaGruppo(r, nome, xn, yn, {0, DuePi / r.NumListelli, r.NumListelli, D}, mis, mx, my, OffsetX,
                          OffsetY, uscita);
        }
    }
}

}  // namespace vilmor
