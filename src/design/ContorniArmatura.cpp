#include "design/ContorniArmatura.h"

#include <algorithm>

#include "base/Geometria.h"
#include "design/DirezioniZona.h"
#include "model/Poligoni.h"

namespace vilmor {

namespace {

// The offset of vertex V between its predecessor P and successor S: where the side P-V and
// the side V-S, each moved by s to the right of travel, meet.
Punto VerticeSpostato(Punto P, Punto V, Punto S, float s) {
    float a1x, a1y, a2x, a2y, b1x, b1y, b2x, b2y;
    ParallelaSegmento(P.X, P.Y, V.X, V.Y, a1x, a1y, a2x, a2y, -s);
    ParallelaSegmento(V.X, V.Y, S.X, S.Y, b1x, b1y, b2x, b2y, -s);
    float xi = V.X, yi = V.Y;
    if (IncontroRette(a1x, a1y, a2x, a2y, b1x, b1y, b2x, b2y, xi, yi)) return {xi, yi};
    // Parallel (or nearly parallel) sides (a vertex in the middle of a straight side, or a side doubling back):
    // the vertex moves by s across the side before it, or across the side after it when the
    // side before has no length.
    bool aNulla = P.X == V.X && P.Y == V.Y;
    bool bNulla = V.X == S.X && V.Y == S.Y;
    if (!aNulla) return {a2x, a2y};
    if (!bNulla) return {b1x, b1y};
    return V;
}

// The slab outline (Contorno 0 .. NumVertContorno, the last repeating the first) moved inwards
// by s, in the same layout, clockwise.
std::vector<Punto> ContornoInterno(const GeometriaSoletta& g, float s) {
    int n = std::clamp(g.NumVertContorno, 0, static_cast<int>(g.Contorno.size()));
    std::vector<Punto> ris(static_cast<size_t>(std::max(g.NumVertContorno, 0)) + 1);
    if (n < 1) return ris;
    std::vector<Punto> anello(g.Contorno.begin(), g.Contorno.begin() + n);
    std::vector<Punto> off = AnelloAllargato(anello, -s);
    for (size_t i = 1; i < ris.size(); ++i) ris[i] = off[i % static_cast<size_t>(n)];
    ris[0] = ris.back();
    if (!OrarioPunti(ris)) InvertiPunti(ris);
    return ris;
}

}  // namespace

std::vector<Punto> AnelloSpostato(const std::vector<Punto>& anello, float s) {
    size_t n = anello.size();
    std::vector<Punto> ris(n);
    for (size_t i = 0; i < n; ++i)
        ris[i] = VerticeSpostato(anello[(i + n - 1) % n], anello[i], anello[(i + 1) % n], s);
    return ris;
}

std::vector<Punto> AnelloAllargato(const std::vector<Punto>& anello, float s) {
    if (anello.empty()) return {};
    std::vector<Punto> chiuso = anello;
    chiuso.push_back(anello.front());
    // Outwards is to the left of travel on a clockwise ring, to the right on the other.
    return AnelloSpostato(anello, OrarioPunti(chiuso) ? -s : s);
}

void CalcolaContornoArmatura(Modello& m) {
    const GeometriaSoletta& g = m.Soletta;
    ContorniLavoro& c = m.Contorni;
    float cop = m.Progetto.Copriferro;

    c.ContornoArmatura = ContornoInterno(g, cop);
    c.UltVertContornoArm = static_cast<int>(c.ContornoArmatura.size()) - 1;

    // Openings grow by the cover whatever the order their vertices were stored in.
    if (g.NumFori > 0) {
        int fori = std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()), static_cast<int>(g.InizioForo.size())});
        int mx = 0;
        for (int f = 0; f < fori; ++f) mx = std::max(mx, g.NumVertForo[f]);
        c.ContornoForiArm.assign(static_cast<size_t>(g.NumFori), std::vector<Punto>(static_cast<size_t>(mx) + 1));
        for (int f = 0; f < fori; ++f) {
            int nv = g.NumVertForo[f];
            if (nv < 1) continue;
            std::vector<Punto> anello(static_cast<size_t>(nv));
            for (int j = 0; j < nv; ++j) anello[static_cast<size_t>(j)] = {PoliX(g, f, j), PoliY(g, f, j)};
            std::vector<Punto> riga = AnelloAllargato(anello, cop);
            riga.push_back(riga.front());
            if (!OrarioPunti(riga)) InvertiPunti(riga);
            std::copy(riga.begin(), riga.end(), c.ContornoForiArm[static_cast<size_t>(f)].begin());
        }
    }

    // Boxes of the working outline in the two bar frames (the closing copy is not read).
    for (int dir = 0; dir < 2; ++dir) {
        std::array<float, 4>& lim = dir == 0 ? c.LimitiArmDir1 : c.LimitiArmDir2;
        Punto r = RuotaDirArmatura(m.Progetto, dir, c.ContornoArmatura[0].X, c.ContornoArmatura[0].Y);
        lim = {r.X, r.Y, r.X, r.Y};
        for (int k = 1; k < c.UltVertContornoArm; ++k) {
            const Punto& v = c.ContornoArmatura[static_cast<size_t>(k)];
            r = RuotaDirArmatura(m.Progetto, dir, v.X, v.Y);
            lim[0] = std::min(lim[0], r.X), lim[1] = std::min(lim[1], r.Y);
            lim[2] = std::max(lim[2], r.X), lim[3] = std::max(lim[3], r.Y);
        }
    }
}

void CalcolaPerimetroEsterno(Modello& m) {
    ContorniLavoro& c = m.Contorni;
    c.PerimetroEsterno = ContornoInterno(m.Soletta, 15.0f);
    c.UltVertPerimetroEst = static_cast<int>(c.PerimetroEsterno.size()) - 1;
}

void ContornoElementi(Modello& m, int p, float d) {
    ModelloAnalisi& a = m.Analisi;
    if (p < 0 || p >= static_cast<int>(a.Punzonamenti.size())) return;
    Punzonamento& rec = a.Punzonamenti[static_cast<size_t>(p)];
    int ip = rec.IndicePilastro;
    if (ip < 0 || ip >= static_cast<int>(m.Soletta.Pilastri.size())) return;
    const Pilastro& col = m.Soletta.Pilastri[static_cast<size_t>(ip)];
    int nv = std::min({col.NumVertici, static_cast<int>(col.VX.size()), static_cast<int>(col.VY.size())});
    if (nv < 3) return;  // not a polygon column

    std::vector<Punto> anello(static_cast<size_t>(nv));
    for (size_t j = 0; j < anello.size(); ++j) anello[j] = {col.VX[j], col.VY[j]};
    std::vector<Punto> off = AnelloAllargato(anello, d);
    rec.NumVertici = nv;
    rec.VertX.resize(off.size());
    rec.VertY.resize(off.size());
    for (size_t j = 0; j < off.size(); ++j) rec.VertX[j] = off[j].X, rec.VertY[j] = off[j].Y;
}

}  // namespace vilmor
