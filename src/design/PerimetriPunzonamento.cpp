#include "design/PerimetriPunzonamento.h"

#include <algorithm>
#include <cmath>

#include "base/Geometria.h"
#include "design/ContorniPunzonamento.h"
#include "design/PuntoInPoligono.h"

namespace vilmor {

namespace {

// cos 22.5°, cos 45°, sin 22.5°: the inner points of each rounded corner.
constexpr double Cos225 = 0.923879532511287;
constexpr double Cos45 = 0.707106781186548;
constexpr double Sen225 = 0.38268343236509;

// Two points of the reduced perimeter closer than this in x and in y are one.
constexpr float TolleranzaDoppio = 1e-5f;

// Distance of the far point of the ray to the left of the polygon's box.
constexpr double DistanzaRaggio = 1137.74957;

}  // namespace

void ScatolaPerimetro(const Modello& m, int IndicePilastro, int IndiceNodo, float& XMin, float& YMin, float& XMax,
                      float& YMax) {
    const GeometriaSoletta& g = m.Soletta;
    if (IndicePilastro >= 0 && IndicePilastro < g.NumPilastri &&
        IndicePilastro < static_cast<int>(g.Pilastri.size())) {
        const Pilastro& c = g.Pilastri[static_cast<size_t>(IndicePilastro)];
        if (c.NumVertici == 0) {
            float a, b;
            SemiLatiPilastro(m, c, a, b);
            XMin = c.X - a, XMax = c.X + a;
            YMin = c.Y - b, YMax = c.Y + b;
        } else if (c.NumVertici == 1 || c.NumVertici == 2) {
            float r = c.VX.empty() ? 0.0f : std::max(c.VX[0], 0.0f);
            XMin = c.X - r, XMax = c.X + r;
            YMin = c.Y - r, YMax = c.Y + r;
        } else {
            XMin = c.XMin, YMin = c.YMin, XMax = c.XMax, YMax = c.YMax;
        }
        return;
    }
    const ModelloAnalisi& a = m.Analisi;
    float x = 0, y = 0;
    if (IndiceNodo >= 0 && IndiceNodo < a.NumNodi && IndiceNodo < static_cast<int>(a.Nodi.size())) {
        x = a.Nodi[static_cast<size_t>(IndiceNodo)].X;
        y = a.Nodi[static_cast<size_t>(IndiceNodo)].Y;
    }
    XMin = x - SemiLatoNodoPerimetro, XMax = x + SemiLatoNodoPerimetro;
    YMin = y - SemiLatoNodoPerimetro, YMax = y + SemiLatoNodoPerimetro;
}

void PerimetroRett(const Modello& m, float d, int IndicePilastro, int IndiceNodo, std::vector<Punto>& Poligono) {
    float x0, y0, x1, y1;
    ScatolaPerimetro(m, IndicePilastro, IndiceNodo, x0, y0, x1, y1);
    Poligono = {{x0 - d, y1}, {x0, y1 + d}, {x1, y1 + d}, {x1 + d, y1},
                {x1 + d, y0}, {x1, y0 - d}, {x0, y0 - d}, {x0 - d, y0}};
}

void PerimetroCirc(const Modello& m, float d, int IndicePilastro, int IndiceNodo, std::vector<Punto>& Poligono) {
    float x0, y0, x1, y1;
    ScatolaPerimetro(m, IndicePilastro, IndiceNodo, x0, y0, x1, y1);
    const float c1 = static_cast<float>(Cos225 * d);
    const float c2 = static_cast<float>(Cos45 * d);
    const float c3 = static_cast<float>(Sen225 * d);
    Poligono = {{x0 - d, y1},  {x0 - c1, y1 + c3}, {x0 - c2, y1 + c2}, {x0 - c3, y1 + c1}, {x0, y1 + d},
                {x1, y1 + d},  {x1 + c3, y1 + c1}, {x1 + c2, y1 + c2}, {x1 + c1, y1 + c3}, {x1 + d, y1},
                {x1 + d, y0},  {x1 + c1, y0 - c3}, {x1 + c2, y0 - c2}, {x1 + c3, y0 - c1}, {x1, y0 - d},
                {x0, y0 - d},  {x0 - c3, y0 - c1}, {x0 - c2, y0 - c2}, {x0 - c1, y0 - c3}, {x0 - d, y0}};
}

int PerimetroPunzonamento(const Modello& m, int Indice, std::vector<Punto>& Poligono) {
    const ModelloAnalisi& a = m.Analisi;
    if (Indice < 0 || Indice >= a.NumPunzonamenti || Indice >= static_cast<int>(a.Punzonamenti.size())) {
        Poligono.clear();
        return -1;
    }
    const Punzonamento& r = a.Punzonamenti[static_cast<size_t>(Indice)];
    float d = (m.Progetto.Spessore - m.Progetto.Copriferro) * r.CoeffPerimetro;
    if (r.TipoPunz == 0) {
        PerimetroCirc(m, d, r.IndicePilastro, r.IndiceNodo, Poligono);
        return 19;
    }
    PerimetroRett(m, d, r.IndicePilastro, r.IndiceNodo, Poligono);
    return 7;
}

void VerificaPerimetro(Modello& m, std::vector<Punto>& Poligono, int UltimoVertice, int Indice) {
    ModelloAnalisi& a = m.Analisi;
    if (Indice < 0 || Indice >= static_cast<int>(a.Punzonamenti.size())) return;
    Punzonamento& r = a.Punzonamenti[static_cast<size_t>(Indice)];
    r.NumTratti = 0;
    r.TrattoIniz.assign(3, Punto{});
    r.TrattoFine.assign(3, Punto{});
    const int n = std::min(UltimoVertice + 1, static_cast<int>(Poligono.size()));
    if (n <= 0) return;

    std::vector<char> escluso(static_cast<size_t>(n));
    int esclusi = 0;
    const ContornoPronto perimetro = ContornoPronto::Perimetro(m);
    for (int i = 0; i < n; ++i) {
        const Punto& p = Poligono[static_cast<size_t>(i)];
        escluso[static_cast<size_t>(i)] = !perimetro.Contiene(p.X, p.Y);
        esclusi += escluso[static_cast<size_t>(i)];
    }
    if (esclusi == 0) return;  // the whole perimeter is effective
    if (esclusi == n) return;  // none of it

    // Start the ring on the first vertex of a stretch: first effective, last excluded.
    while (!(escluso[static_cast<size_t>(n - 1)] && !escluso[0])) {
        std::rotate(escluso.begin(), escluso.begin() + 1, escluso.end());
        std::rotate(Poligono.begin(), Poligono.begin() + 1, Poligono.begin() + n);
    }

    std::vector<Punto> iniz, fine;
    for (int i = 0; i < n; ++i) {
        int prec = i == 0 ? n - 1 : i - 1;
        bool ePrec = escluso[static_cast<size_t>(prec)], eI = escluso[static_cast<size_t>(i)];
        if (ePrec && !eI) iniz.push_back(Poligono[static_cast<size_t>(i)]);
        else if (!ePrec && eI) fine.push_back(Poligono[static_cast<size_t>(prec)]);
    }
    r.NumTratti = static_cast<int>(iniz.size());
    size_t posti = std::max<size_t>(3, iniz.size());
    iniz.resize(posti);
    fine.resize(posti);
    r.TrattoIniz = std::move(iniz);
    r.TrattoFine = std::move(fine);
}

bool PuntoInPoligonoPunti(const std::vector<Punto>& P, float X, float Y, float XMin, float YA, float YB) {
    float Rx = static_cast<float>(XMin - DistanzaRaggio);
    float Ry = static_cast<float>((static_cast<double>(YA) + YB) / 2);
    return PuntoInAnelloPunti(P, X, Y, Rx, Ry);
}

void RiduciPerimetro(const Modello& m, const std::vector<Punto>& Poligono, int UltimoVertice,
                     std::vector<Punto>& Ridotto, int& NumVertici) {
    Ridotto.clear();
    NumVertici = 0;
    const int n = UltimoVertice + 1;
    const GeometriaSoletta& g = m.Soletta;
    const int nc = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    if (UltimoVertice < 2 || n > static_cast<int>(Poligono.size()) || nc < 3) return;

    const std::vector<Punto> P(Poligono.begin(), Poligono.begin() + n);
    const int iBasso = std::min(UltimoVertice <= 7 ? 5 : 15, n - 1);
    const int iAlto = std::min(UltimoVertice <= 7 ? 1 : 5, n - 1);
    const float xMin = P[0].X, yA = P[static_cast<size_t>(iBasso)].Y, yB = P[static_cast<size_t>(iAlto)].Y;
    auto dentroPerimetro = [&](const Punto& q) { return PuntoInPoligonoPunti(P, q.X, q.Y, xMin, yA, yB); };
    const ContornoPronto soletta = ContornoPronto::Contorno(m, -1);
    auto dentroSoletta = [&](const Punto& q) { return soletta.Contiene(q.X, q.Y); };
    const std::vector<Punto>& C = g.Contorno;
    auto vertice = [&](int k) { return C[static_cast<size_t>(((k % nc) + nc) % nc)]; };

    bool arresto = false;
    // A point already stored is not stored again and stops the walk under way.
    auto aggiungi = [&](Punto q) {
        for (const Punto& s : Ridotto) {
            if (std::fabs(s.X - q.X) < TolleranzaDoppio && std::fabs(s.Y - q.Y) < TolleranzaDoppio) {
                arresto = true;
                return false;
            }
        }
        arresto = false;
        Ridotto.push_back(q);
        return true;
    };
    // Along the outline from vertex k, one way, while its vertices lie inside the perimeter.
    auto cammina = [&](int k, int passo) {
        if (aggiungi(vertice(k))) {
            for (int giri = 1; giri < nc; ++giri) {
                k += passo;
                Punto q = vertice(k);
                if (!dentroPerimetro(q) || !aggiungi(q)) break;
            }
        }
        arresto = true;
    };

    bool precDentro = false;
    for (int i = 0; i < n; ++i) {
        const Punto& pp = P[static_cast<size_t>(i == 0 ? n - 1 : i - 1)];
        const Punto& pi = P[static_cast<size_t>(i)];
        if (i == 0) precDentro = dentroSoletta(pp);
        if (dentroSoletta(pi)) {
            if (!precDentro) {
                // Entering the slab: every true crossing with the outline.
                for (int k = 0; k < nc; ++k) {
                    Punto a = vertice(k - 1), b = vertice(k);
                    float xi = 0, yi = 0, xj, yj;
                    int c = IntParallele;
                    Intersezione(pp.X, pp.Y, pi.X, pi.Y, a.X, a.Y, b.X, b.Y, xi, yi, c, xj, yj);
                    if (c == IntIncrocio) aggiungi({xi, yi});
                }
            }
            precDentro = true;
            aggiungi(pi);
            continue;
        }
        if (precDentro) {
            // Leaving the slab: the crossing, then the outline vertices that it encloses.
            arresto = false;
            for (int k = 0; k < nc && !arresto; ++k) {
                Punto a = vertice(k - 1), b = vertice(k);
                float xi = 0, yi = 0, xj, yj;
                int c = IntParallele;
                Intersezione(pp.X, pp.Y, pi.X, pi.Y, a.X, a.Y, b.X, b.Y, xi, yi, c, xj, yj);
                if (c <= IntEsterna) continue;
                // A point at an end, or of nearly parallel sides, counts only where the two
                // sides really meet.
                if (c != IntIncrocio && !(PuntoInternoSegmento(xi, yi, pp.X, pp.Y, pi.X, pi.Y) &&
                                          PuntoInternoSegmento(xi, yi, a.X, a.Y, b.X, b.Y)))
                    continue;
                aggiungi({xi, yi});
                if (c != IntIncrocio) continue;
                if (dentroPerimetro(b)) cammina(k, +1);
                else if (dentroPerimetro(a)) cammina(k - 1, -1);
            }
        }
        precDentro = false;
    }
    NumVertici = static_cast<int>(Ridotto.size());
}

void PerimetroRett(float d, int IndicePilastro, int IndiceNodo) {
    PerimetroRett(M, d, IndicePilastro, IndiceNodo, Edit.PoligonoLavoro);
}
void PerimetroCirc(float d, int IndicePilastro, int IndiceNodo) {
    PerimetroCirc(M, d, IndicePilastro, IndiceNodo, Edit.PoligonoLavoro);
}
void VerificaPerimetro(int UltimoVertice, int Indice) { VerificaPerimetro(M, Edit.PoligonoLavoro, UltimoVertice, Indice); }
void RiduciPerimetro(int UltimoVertice) {
    RiduciPerimetro(M, Edit.PoligonoLavoro, UltimoVertice, Edit.PerimetroRidotto, Edit.NumVertPerimetroRidotto);
}

void VerificaPerimetriPunzonamento(Modello& m) {
    std::vector<Punto> perimetro;
    for (int j = 0; j < m.Analisi.NumPunzonamenti; ++j) {
        int ultimo = PerimetroPunzonamento(m, j, perimetro);
        VerificaPerimetro(m, perimetro, ultimo, j);
    }
}

int PerimetroRidottoRecord(const Modello& m, int Indice, std::vector<Punto>& Poligono, std::vector<Punto>& Ridotto,
                           float& XM, float& YM) {
    const int ultimo = PerimetroPunzonamento(m, Indice, Poligono);
    int n = 0;
    RiduciPerimetro(m, Poligono, ultimo, Ridotto, n);
    if (Indice >= 0 && Indice < static_cast<int>(m.Analisi.Punzonamenti.size())) {
        const Punzonamento& r = m.Analisi.Punzonamenti[static_cast<size_t>(Indice)];
        XM = r.X, YM = r.Y;
    }
    if (n > 0) {
        XM = Ridotto[0].X, YM = Ridotto[0].Y;
        for (int i = 1; i < n; ++i) {
            XM = std::max(XM, Ridotto[static_cast<size_t>(i)].X);
            YM = std::max(YM, Ridotto[static_cast<size_t>(i)].Y);
        }
    }
    return n;
}

}  // namespace vilmor
