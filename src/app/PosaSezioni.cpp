#include "app/PosaSezioni.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "design/DirezioniZona.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

struct Linea {
    Punto A, B;  // B - L u and P + L u
};

float Portata() { return Vista.AltezzaPianta > Vista.LarghezzaPianta ? Vista.AltezzaPianta : Vista.LarghezzaPianta; }

// The construction line through plan point (px, py) along direction `dir`, L beyond it both ways.
Linea CostruzionePiano(const DatiProgetto& pr, int dir, float px, float py, float L) {
    const bool d1 = dir == 0;
    const double c = d1 ? pr.CosDir1 : pr.CosDir2, s = d1 ? pr.SinDir1 : pr.SinDir2;
    return {{static_cast<float>(px + L * c), static_cast<float>(py + L * s)},
            {static_cast<float>(px - L * c), static_cast<float>(py - L * s)}};
}

Linea Costruzione(const DatiProgetto& pr, float x, float y) {
    return CostruzionePiano(pr, Vista.DirezioneSezione, XDaSchermo(x), YDaSchermo(y), Portata());
}

// Whether (x, y) lies on segment a-b, within a hundredth of a centimetre along it.
bool SulSegmento(float x, float y, const Punto& a, const Punto& b) {
    const double dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
    const double l = std::hypot(dx, dy);
    if (l <= 0) return std::hypot(double(x) - a.X, double(y) - a.Y) < 0.01;
    const double t = ((double(x) - a.X) * dx + (double(y) - a.Y) * dy) / l;
    return t >= -0.01 && t <= l + 0.01;
}

// Where segment p-q meets the outline of m, side by side. A meeting at a side's end counts as
// well when it lies on p-q, and one at an end of p-q when it lies on the side: a line through
// a vertex is not cut short there.
std::vector<Punto> Incroci(const GeometriaSoletta& g, const Punto& p, const Punto& q) {
    std::vector<Punto> r;
    const int n = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    for (int k = 1; k <= n; ++k) {
        const Punto& a = g.Contorno[static_cast<size_t>(k - 1)];
        const Punto& b = g.Contorno[static_cast<size_t>(k < n ? k : 0)];
        float xi = 0, yi = 0, xj = 0, yj = 0;
        int codice = 0;
        Intersezione(p.X, p.Y, q.X, q.Y, a.X, a.Y, b.X, b.Y, xi, yi, codice, xj, yj);
        bool conta = codice == IntIncrocio;
        if (codice == IntInP3 || codice == IntInP4) conta = SulSegmento(xi, yi, p, q);
        if (codice == IntInP1 || codice == IntInP2) conta = SulSegmento(xi, yi, a, b);
        if (conta) r.push_back({xi, yi});
    }
    return r;
}

// The section record from its crossings, in the frame of its direction: the outermost two,
// 25 cm beyond, with the ticks on the positive side.
void Scrivi(const DatiProgetto& pr, int dir, const std::vector<Punto>& incroci, Sezione& s) {
    Punto inizio{}, fine{};
    bool primo = true;
    for (const Punto& c : incroci) {
        const Punto f = RuotaDirArmatura(pr, dir, c.X, c.Y);
        if (primo || f.X < inizio.X) inizio = f;
        if (primo || f.X > fine.X) fine = f;
        primo = false;
    }
    const float s0 = inizio.X - 25, t0 = inizio.Y, s1 = fine.X + 25, t1 = fine.Y;
    auto piano = [&](float a, float b) { return RuotaDirArmaturaInv(pr, dir, a, b); };
    const Punto p1 = piano(s0, t0), p2 = piano(s1, t1);
    const Punto p3 = piano(s0 - 10, t0 + 30), p4 = piano(s0, t0 + 50);
    const Punto p5 = piano(s1, t1 + 50), p6 = piano(s1 + 10, t1 + 30);
    s.X1 = p1.X, s.Y1 = p1.Y, s.X2 = p2.X, s.Y2 = p2.Y;
    s.X3 = p3.X, s.Y3 = p3.Y, s.X4 = p4.X, s.Y4 = p4.Y;
    s.X5 = p5.X, s.Y5 = p5.Y, s.X6 = p6.X, s.Y6 = p6.Y;
    s.Direzione = dir;
}

}  // namespace

void DisSezTmp(float x, float y) {
    PulisciTransitorio();
    const Linea l = Costruzione(M.Progetto, x, y);
    DisLinea(l.B.X, l.B.Y, l.A.X, l.A.Y, 11, 0, 0);
}

void AssegnaSez(Modello& m, float x, float y) {
    ErroreOperazione = 0;
    const Linea l = Costruzione(m.Progetto, x, y);
    const std::vector<Punto> incroci = Incroci(m.Soletta, l.B, l.A);
    if (incroci.empty()) {
        Avviso("la sezione non interseca la soletta.\nOperazione annullata.");
        ErroreOperazione = -1;
        return;
    }
    const int i = Vista.IndiceSezione;
    if (i < 0) return;
    std::vector<Sezione>& sez = m.SezQuote.Sezioni;
    if (static_cast<size_t>(i) >= sez.size()) sez.resize(static_cast<size_t>(i) + 1);
    Scrivi(m.Progetto, Vista.DirezioneSezione, incroci, sez[static_cast<size_t>(i)]);
}

void AssegnaSez(float x, float y) { AssegnaSez(M, x, y); }

void EliminaSez(Modello& m, int n) {
    SezioniQuote& q = m.SezQuote;
    const int ultima = std::min(q.UltimaSezione, static_cast<int>(q.Sezioni.size()) - 1);
    if (ultima < 0 || n < 0 || n > ultima) return;
    for (int k = n; k < ultima; ++k) q.Sezioni[static_cast<size_t>(k)] = q.Sezioni[static_cast<size_t>(k + 1)];
    q.UltimaSezione = ultima - 1;
}

void EliminaSez(int n) { EliminaSez(M, n); }

void RicalcolaSezioni(Modello& m) {
    SezioniQuote& q = m.SezQuote;
    const GeometriaSoletta& g = m.Soletta;
    const int nv = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    for (int k = 0; k < nv; ++k) {
        const Punto& v = g.Contorno[static_cast<size_t>(k)];
        if (k == 0 || v.X < xmin) xmin = v.X;
        if (k == 0 || v.X > xmax) xmax = v.X;
        if (k == 0 || v.Y < ymin) ymin = v.Y;
        if (k == 0 || v.Y > ymax) ymax = v.Y;
    }
    int& i = Vista.IndiceSezione;
    i = 0;
    while (i <= q.UltimaSezione && i < static_cast<int>(q.Sezioni.size())) {
        Sezione& s = q.Sezioni[static_cast<size_t>(i)];
        // The whole line of the section, not only its stored stretch: cut again exactly as a new
        // section through the middle of its cut line would be, reaching further when that point
        // lies off the new outline's box.
        const float px = (s.X1 + s.X2) / 2, py = (s.Y1 + s.Y2) / 2;
        const float fuori = std::hypot(std::max({xmin - px, 0.0f, px - xmax}), std::max({ymin - py, 0.0f, py - ymax}));
        const Linea l = CostruzionePiano(m.Progetto, s.Direzione, px, py, Portata() + fuori);
        const std::vector<Punto> incroci = Incroci(m.Soletta, l.B, l.A);
        if (incroci.empty()) {
            EliminaSez(m, i);
            continue;
        }
        Vista.DirezioneSezione = s.Direzione;
        Scrivi(m.Progetto, s.Direzione, incroci, s);
        ++i;
    }
}

void RicalcolaSezioni() { RicalcolaSezioni(M); }

}  // namespace vilmor
