#include "drawing/TagliaSezione.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "base/Geometria.h"
#include "design/DirezioniZona.h"
#include "model/Poligoni.h"

namespace vilmor {

namespace {

// A vertex this close to the cut line (cm) lies on it.
constexpr double SulTaglio = 0.01;

// Side of (x, y) against the cut line: +1 left, -1 right, 0 on it.
int Lato(const Sezione& sz, double L, float x, float y) {
    const double dx = static_cast<double>(sz.X2) - sz.X1, dy = static_cast<double>(sz.Y2) - sz.Y1;
    const double d = (dx * (static_cast<double>(y) - sz.Y1) - dy * (static_cast<double>(x) - sz.X1)) / L;
    if (std::fabs(d) <= SulTaglio) return 0;
    return d > 0 ? 1 : -1;
}

// Whether the foot of (x, y) on the cut line falls within the cut line's ends.
bool DentroTaglio(const Sezione& sz, double L, float x, float y) {
    const double dx = static_cast<double>(sz.X2) - sz.X1, dy = static_cast<double>(sz.Y2) - sz.Y1;
    const double t = (dx * (static_cast<double>(x) - sz.X1) + dy * (static_cast<double>(y) - sz.Y1)) / L;
    return t >= -SulTaglio && t <= L + SulTaglio;
}

// The crossings of the cut line with one closed ring of nv vertices (the vertex after the last
// is the first), appended in the order of the ring's edges.
template <class Vertice>
void TagliaAnello(const Sezione& sz, int nv, Vertice vertice, std::vector<Punto>& lavoro) {
    if (nv < 2) return;
    const double L = std::hypot(static_cast<double>(sz.X2) - sz.X1, static_cast<double>(sz.Y2) - sz.Y1);
    if (!(L > 0)) return;
    std::vector<Punto> v(static_cast<size_t>(nv));
    std::vector<int> lato(static_cast<size_t>(nv));
    bool fuori = false;
    for (int k = 0; k < nv; ++k) {
        v[k] = vertice(k);
        lato[k] = Lato(sz, L, v[k].X, v[k].Y);
        fuori = fuori || lato[k] != 0;
    }
    if (!fuori) return;  // the whole ring lies on the line: it crosses nothing
    auto dopo = [nv](int k) { return k + 1 < nv ? k + 1 : 0; };
    for (int k = 0; k < nv; ++k) {
        const Punto& a = v[k];
        const Punto& b = v[dopo(k)];
        const int prima = lato[k == 0 ? nv - 1 : k - 1];
        if (lato[k] == 0 && prima != 0) {
            // First vertex of a run on the line: the ring crosses when it leaves the run on the
            // side opposite to the one it came from.
            int j = dopo(k);
            while (lato[j] == 0) j = dopo(j);
            if (prima * lato[j] < 0 && DentroTaglio(sz, L, a.X, a.Y)) lavoro.push_back(a);
        }
        if (lato[k] * lato[dopo(k)] < 0) {
            float xi = 0, yi = 0, xj = 0, yj = 0;
            int codice = IntParallele;
            Intersezione(sz.X1, sz.Y1, sz.X2, sz.Y2, a.X, a.Y, b.X, b.Y, xi, yi, codice, xj, yj);
            // Near an edge end or a line end the kernel names that end, yet the edge crosses.
            const bool incontro = codice == IntIncrocio || codice == IntInP1 || codice == IntInP2 ||
                                  codice == IntInP3 || codice == IntInP4;
            if (incontro && DentroTaglio(sz, L, xi, yi)) lavoro.push_back({xi, yi});
        }
    }
}

// The work points into the frame of the section's direction, X sorted by exchange: the Y values
// stay in the order the points were found.
void OrdinaNelTaglio(const Modello& m, const Sezione& sz, const std::vector<Punto>& lavoro,
                     std::vector<Punto>& Punti) {
    Punti.resize(lavoro.size());
    for (size_t i = 0; i < lavoro.size(); ++i)
        Punti[i] = RuotaDirArmatura(m.Progetto, sz.Direzione, lavoro[i].X, lavoro[i].Y);
    for (size_t i = 0; i < Punti.size(); ++i)
        for (size_t j = i; j < Punti.size(); ++j)
            if (Punti[i].X > Punti[j].X) Scambia(Punti[i].X, Punti[j].X);
}

const Sezione* SezioneDi(const Modello& m, int s) {
    const auto& sq = m.SezQuote;
    if (s < 0 || s > sq.UltimaSezione || s >= static_cast<int>(sq.Sezioni.size())) return nullptr;
    return &sq.Sezioni[static_cast<size_t>(s)];
}

}  // namespace

int TagliaSezione(const Modello& m, int s, std::vector<Punto>& Punti, float& XMin) {
    const Sezione* sz = SezioneDi(m, s);
    std::vector<Punto> lavoro;
    if (sz) {
        const GeometriaSoletta& g = m.Soletta;
        const int nc = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
        TagliaAnello(*sz, nc, [&](int k) { return g.Contorno[static_cast<size_t>(k)]; }, lavoro);
        const int nf =
            std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()), static_cast<int>(g.InizioForo.size())});
        for (int f = 0; f < nf; ++f) {
            const size_t inizio = static_cast<size_t>(g.InizioForo[f]);
            const int nv = g.NumVertForo[f];
            if (g.InizioForo[f] < 0 || nv < 0) continue;
            if (inizio + static_cast<size_t>(nv) > std::min(g.XFori.size(), g.YFori.size())) continue;
            TagliaAnello(*sz, nv, [&](int k) { return Punto{PoliX(g, f, k), PoliY(g, f, k)}; }, lavoro);
        }
    }
    Punti.clear();
    if (lavoro.empty()) return -1;
    OrdinaNelTaglio(m, *sz, lavoro, Punti);
    XMin = Punti[0].X;
    return static_cast<int>(Punti.size()) - 1;
}

int TagliaZoneSez(const Modello& m, int s, int z, std::vector<Punto>& Punti) {
    const Sezione* sz = SezioneDi(m, s);
    const ZoneArmatura& zo = m.Zone;
    if (!sz || z < 0 || z > zo.UltimaZona || z >= static_cast<int>(zo.Zone.size()) ||
        z >= static_cast<int>(zo.VerticiZone.size()))
        return -1;
    const std::vector<Punto>& anello = zo.VerticiZone[static_cast<size_t>(z)];
    const int nv = std::min(zo.Zone[static_cast<size_t>(z)].UltVertice + 1, static_cast<int>(anello.size()));
    std::vector<Punto> lavoro;
    TagliaAnello(*sz, nv, [&](int k) { return anello[static_cast<size_t>(k)]; }, lavoro);
    if (lavoro.empty()) return -1;
    OrdinaNelTaglio(m, *sz, lavoro, Punti);
    return static_cast<int>(Punti.size()) - 1;
}

}  // namespace vilmor
