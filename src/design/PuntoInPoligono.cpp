#include "design/PuntoInPoligono.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/Poligoni.h"

namespace vilmor {

namespace {

// A side passing within this distance of the tested point carries it: it is not counted.
constexpr double TolleranzaLato = 0.01;
// The quick test of a side's line against that distance leans to the generous side, so that
// SulLato alone decides.
constexpr double SogliaRetta = TolleranzaLato * TolleranzaLato * (1 + 1e-9);

bool SulLato(double px, double py, float ax, float ay, float bx, float by) {
    // Cheap rejection first: most sides are nowhere near the point.
    if (px < std::min(ax, bx) - TolleranzaLato || px > std::max(ax, bx) + TolleranzaLato ||
        py < std::min(ay, by) - TolleranzaLato || py > std::max(ay, by) + TolleranzaLato)
        return false;
    double ux = static_cast<double>(bx) - ax, uy = static_cast<double>(by) - ay;
    double vx = px - ax, vy = py - ay;
    double l2 = ux * ux + uy * uy;
    double t = l2 > 0 ? std::clamp((ux * vx + uy * vy) / l2, 0.0, 1.0) : 0.0;
    double ex = vx - t * ux, ey = vy - t * uy;
    return ex * ex + ey * ey < TolleranzaLato * TolleranzaLato;
}

// The ray from P through the far point R. Each vertex is placed once against the ray's line
// (above, or not above), and a side counts when its ends fall on different sides of that line
// and it meets the ray beyond P: a vertex on the line is thus taken as lying below it,
// consistently for both of its sides.
struct Raggio {
    double px, py, dx, dy;
    Raggio(float Px, float Py, float Rx, float Ry)
        : px(Px), py(Py), dx(static_cast<double>(Rx) - Px), dy(static_cast<double>(Ry) - Py) {}
    // Positive above the ray's line.
    double Lato(float x, float y) const { return dx * (y - py) - dy * (x - px); }
    // Twice the area of P, A, B: its sign tells on which side of P the side A-B meets the ray's
    // line, its size how far P lies from the side's line.
    double Area(float ax, float ay, float bx, float by) const {
        return (ax - px) * (by - py) - (ay - py) * (bx - px);
    }
    // A side whose ends lie on different sides of the ray's line (va, vb), with q = Area: true
    // when it meets the ray beyond P and P does not lie on it.
    bool Attraversa(float ax, float ay, float bx, float by, double va, double vb, double q) const {
        const double lx = static_cast<double>(bx) - ax, ly = static_cast<double>(by) - ay;
        if (q * q <= SogliaRetta * (lx * lx + ly * ly) && SulLato(px, py, ax, ay, bx, by)) return false;
        return q != 0 && (q > 0) == (vb - va > 0);
    }
};

// Even-odd count along the ray for a ring of n vertices given by vert(i).
template <class F> bool DentroAnello(int n, F vert, const Raggio& r) {
    if (n < 3) return false;
    Punto a = vert(n - 1);
    double va = r.Lato(a.X, a.Y);
    bool dentro = false;
    for (int i = 0; i < n; ++i) {
        const Punto b = vert(i);
        const double vb = r.Lato(b.X, b.Y);
        if ((va > 0) != (vb > 0) && r.Attraversa(a.X, a.Y, b.X, b.Y, va, vb, r.Area(a.X, a.Y, b.X, b.Y)))
            dentro = !dentro;
        a = b, va = vb;
    }
    return dentro;
}

// A point farther than this from every side lies inside or outside whatever the ray: the
// count along any ray gives what the far point's gives.
constexpr double MargineRapido = TolleranzaLato + 1e-6;
constexpr double SogliaRapida = MargineRapido * MargineRapido;

// The quick count for most points: along the horizontal ray towards the left, the vertices
// placed against a band of MargineRapido about the ray's line. 1 inside, 0 outside; -1 when
// the point may lie near a side (a vertex in the band, or a side crossing the line close to
// the point), which the count towards the far point must decide.
template <class F> int ContaRapido(int n, F vert, float Px, float Py) {
    if (n < 3) return 0;
    const double px = Px, py = Py;
    // The band's edges as 4-byte numbers, moved outwards by more than their rounding, so that
    // the vertices are placed with 4-byte comparisons and the band only grows.
    const double sotto = py - MargineRapido, sopra = py + MargineRapido;
    const float basso = static_cast<float>(sotto - std::fabs(sotto) * 2.5e-7);
    const float alto = static_cast<float>(sopra + std::fabs(sopra) * 2.5e-7);
    // 0 below the band, 1 in it, 2 above it.
    auto fascia = [=](float y) { return (y >= basso) + (y > alto); };
    Punto a = vert(n - 1);
    int fa = fascia(a.Y);
    bool dentro = false;
    for (int i = 0; i < n; ++i) {
        const Punto b = vert(i);
        const int fb = fascia(b.Y);
        // Few sides cross the line: the walk over the others stays one straight run.
        if (fa != fb || fa == 1) [[unlikely]] {
            if ((fa | fb) & 1) return -1;
            // One end above the band and one below: where does the side cross the line?
            const double q = (a.X - px) * (b.Y - py) - (a.Y - py) * (b.X - px);
            const double lx = static_cast<double>(b.X) - a.X, ly = static_cast<double>(b.Y) - a.Y;
            if (q * q <= SogliaRapida * (lx * lx + ly * ly)) return -1;
            if ((q > 0) == (fa == 2)) dentro = !dentro;  // left of the point
        }
        a = b, fa = fb;
    }
    return dentro;
}

struct Scatola {
    float XMin = 1e9f, YMin = 1e9f, XMax = -1e9f, YMax = -1e9f;
    void Aggiungi(float x, float y) {
        XMin = std::min(XMin, x), XMax = std::max(XMax, x);
        YMin = std::min(YMin, y), YMax = std::max(YMax, y);
    }
    bool Fuori(float x, float y) const { return x < XMin || x > XMax || y < YMin || y > YMax; }
};

bool DentroQuadrilatero(const Zona& z, float Px, float Py) {
    const auto& c = z.Angoli;
    // Outside the corners' box there is nothing to count.
    if (Px < std::min(std::min(c[0].X, c[1].X), std::min(c[2].X, c[3].X)) ||
        Px > std::max(std::max(c[0].X, c[1].X), std::max(c[2].X, c[3].X)) ||
        Py < std::min(std::min(c[0].Y, c[1].Y), std::min(c[2].Y, c[3].Y)) ||
        Py > std::max(std::max(c[0].Y, c[1].Y), std::max(c[2].Y, c[3].Y)))
        return false;
    auto angolo = [&c](int i) { return c[static_cast<size_t>(i)]; };
    const int rapido = ContaRapido(4, angolo, Px, Py);
    if (rapido >= 0) return rapido == 1;
    return DentroAnello(4, angolo,
                        Raggio(Px, Py, static_cast<float>(z.XMin - 37.749),
                               static_cast<float>((static_cast<double>(z.YMin) + z.YMax) / 2 - 7.3347)));
}

// The box of an outline and the far point of its tests, taken from the box.
struct Preparato {
    Scatola Box;
    float Rx = 0, Ry = 0;
};

template <class F> Preparato Prepara(int n, F vert, double ox, double oy) {
    Preparato r;
    for (int i = 0; i < n; ++i) {
        Punto v = vert(i);
        r.Box.Aggiungi(v.X, v.Y);
    }
    r.Rx = static_cast<float>(r.Box.XMin - ox);
    r.Ry = static_cast<float>((static_cast<double>(r.Box.YMin) + r.Box.YMax) / 2 - oy);
    return r;
}

template <class F> bool DentroPreparato(int n, F vert, const Preparato& s, float Px, float Py) {
    if (n < 3) return false;
    if (s.Box.Fuori(Px, Py)) return false;
    const int rapido = ContaRapido(n, vert, Px, Py);
    if (rapido >= 0) return rapido == 1;
    return DentroAnello(n, vert, Raggio(Px, Py, s.Rx, s.Ry));
}

// The far point of the outline tests, taken from the outline's own box.
template <class F> bool DentroContorno(int n, F vert, float Px, float Py, double ox, double oy) {
    if (n < 3) return false;
    return DentroPreparato(n, vert, Prepara(n, vert, ox, oy), Px, Py);
}

// The far points' offsets from the box of the outer perimeter and of the slab's outlines.
constexpr double OxPerimetro = 37.749, OyPerimetro = 7.3347;
constexpr double OxContorno = 7.7497, OyContorno = 0.3347;

// Number of vertices of outline p (without the closing copy), 0 when there is no such outline.
int VerticiContorno(const Modello& m, int p) {
    const GeometriaSoletta& g = m.Soletta;
    if (p < 0) return std::clamp(g.NumVertContorno, 0, static_cast<int>(g.Contorno.size()));
    if (p >= g.NumFori || p >= static_cast<int>(g.NumVertForo.size()) || p >= static_cast<int>(g.InizioForo.size()))
        return 0;
    return std::max(g.NumVertForo[p], 0);
}

Punto VerticeDi(const Modello& m, int p, int i) {
    if (p < 0) return m.Soletta.Contorno[static_cast<size_t>(i)];
    return {PoliX(m.Soletta, p, i), PoliY(m.Soletta, p, i)};
}

}  // namespace

bool PuntoInSelezione(const EditZone& e, float Px, float Py) { return DentroQuadrilatero(e.ZonaCorrente, Px, Py); }
bool PuntoInSelezione(float Px, float Py) { return PuntoInSelezione(Edit, Px, Py); }

bool NodoInZona(const Modello& m, int k, float Px, float Py) {
    if (k < 0 || k >= static_cast<int>(m.Zone.Zone.size())) return false;
    return DentroQuadrilatero(m.Zone.Zone[static_cast<size_t>(k)], Px, Py);
}
bool NodoInZona(int k, float Px, float Py) { return NodoInZona(M, k, Px, Py); }

QuadrilateroPronto::QuadrilateroPronto(const Zona& z) : z_(&z) {
    const auto& c = z.Angoli;
    // Convex, with every corner turning the same way: then each side's line parts the plane
    // into the side of the inside and the other.
    double svolta[4];
    for (size_t k = 0; k < 4; ++k) {
        const Punto &a = c[(k + 3) % 4], &b = c[k], &d = c[(k + 1) % 4];
        svolta[k] = (static_cast<double>(b.X) - a.X) * (static_cast<double>(d.Y) - b.Y) -
                    (static_cast<double>(b.Y) - a.Y) * (static_cast<double>(d.X) - b.X);
    }
    const bool antiorario = svolta[0] > 0 && svolta[1] > 0 && svolta[2] > 0 && svolta[3] > 0;
    convesso_ = antiorario || (svolta[0] < 0 && svolta[1] < 0 && svolta[2] < 0 && svolta[3] < 0);
    for (size_t k = 0; convesso_ && k < 4; ++k) {
        // The unit normal of side k - 1 -> k pointing inside, and the line's offset along it.
        const Punto &a = c[(k + 3) % 4], &b = c[k];
        const double ex = static_cast<double>(b.X) - a.X, ey = static_cast<double>(b.Y) - a.Y;
        const double l = std::hypot(ex, ey) * (antiorario ? 1 : -1);
        nx_[k] = -ey / l;
        ny_[k] = ex / l;
        d_[k] = nx_[k] * a.X + ny_[k] * a.Y;
    }
}

bool QuadrilateroPronto::Contiene(float Px, float Py) const {
    if (convesso_) {
        // The least distance inside any side's line: a point farther than MargineRapido from
        // every side is inside or outside whatever the ray.
        const double px = Px, py = Py;
        const double d0 = nx_[0] * px + ny_[0] * py - d_[0], d1 = nx_[1] * px + ny_[1] * py - d_[1];
        const double d2 = nx_[2] * px + ny_[2] * py - d_[2], d3 = nx_[3] * px + ny_[3] * py - d_[3];
        const double minima = std::min(std::min(d0, d1), std::min(d2, d3));
        if (std::fabs(minima) > MargineRapido) return minima > 0;
    }
    return DentroQuadrilatero(*z_, Px, Py);
}

bool PuntoInPerimetro(const Modello& m, float Px, float Py) {
    const ContorniLavoro& c = m.Contorni;
    // The last element repeats the first and is not read.
    int n = std::min(c.UltVertPerimetroEst, static_cast<int>(c.PerimetroEsterno.size()));
    return DentroContorno(
        n, [&](int i) { return c.PerimetroEsterno[static_cast<size_t>(i)]; }, Px, Py, OxPerimetro, OyPerimetro);
}
bool PuntoInPerimetro(float Px, float Py) { return PuntoInPerimetro(M, Px, Py); }

bool PuntoInContorno(const Modello& m, float Px, float Py, int p) {
    int n = VerticiContorno(m, p);
    if (p < 0)
        return DentroContorno(
            n, [&](int i) { return m.Soletta.Contorno[static_cast<size_t>(i)]; }, Px, Py, OxContorno, OyContorno);
    const GeometriaSoletta& g = m.Soletta;
    return DentroContorno(
        n, [&](int i) { return Punto{PoliX(g, p, i), PoliY(g, p, i)}; }, Px, Py, OxContorno, OyContorno);
}
bool PuntoInContorno(float Px, float Py, int p) { return PuntoInContorno(M, Px, Py, p); }

ContornoPronto::ContornoPronto(std::vector<Punto> vertici, double ox, double oy) : V_(std::move(vertici)) {
    const Punto* v = V_.data();
    const Preparato s = Prepara(static_cast<int>(V_.size()), [v](int i) { return v[i]; }, ox, oy);
    XMin_ = s.Box.XMin, YMin_ = s.Box.YMin, XMax_ = s.Box.XMax, YMax_ = s.Box.YMax;
    Rx_ = s.Rx, Ry_ = s.Ry;
}

ContornoPronto ContornoPronto::Perimetro(const Modello& m) {
    const ContorniLavoro& c = m.Contorni;
    const int n = std::max(0, std::min(c.UltVertPerimetroEst, static_cast<int>(c.PerimetroEsterno.size())));
    return ContornoPronto({c.PerimetroEsterno.begin(), c.PerimetroEsterno.begin() + n}, OxPerimetro, OyPerimetro);
}

ContornoPronto ContornoPronto::Contorno(const Modello& m, int p) {
    const int n = VerticiContorno(m, p);
    std::vector<Punto> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) v[static_cast<size_t>(i)] = VerticeDi(m, p, i);
    return ContornoPronto(std::move(v), OxContorno, OyContorno);
}

bool ContornoPronto::Contiene(float Px, float Py) const {
    Preparato s;
    s.Box.XMin = XMin_, s.Box.YMin = YMin_, s.Box.XMax = XMax_, s.Box.YMax = YMax_;
    s.Rx = Rx_, s.Ry = Ry_;
    const Punto* v = V_.data();
    return DentroPreparato(static_cast<int>(V_.size()), [v](int i) { return v[i]; }, s, Px, Py);
}

PoligonoPronto::PoligonoPronto(const std::vector<Vertice>& V) : V_(&V) {
    Scatola s;
    for (const Vertice& v : V) s.Aggiungi(v.X, v.Y);
    XMin_ = s.XMin, YMin_ = s.YMin, XMax_ = s.XMax, YMax_ = s.YMax;
    Rx_ = static_cast<float>(s.XMin - 37.7497);
    Ry_ = static_cast<float>((static_cast<double>(s.YMin) + s.YMax) / 2 - 0.3347);
}

bool PoligonoPronto::Contiene(float Px, float Py) const {
    if (Px < XMin_ || Px > XMax_ || Py < YMin_ || Py > YMax_) return false;
    const Vertice* v = V_->data();
    auto vertice = [v](int i) { return Punto{v[i].X, v[i].Y}; };
    const int n = static_cast<int>(V_->size());
    const int rapido = ContaRapido(n, vertice, Px, Py);
    if (rapido >= 0) return rapido == 1;
    return DentroAnello(n, vertice, Raggio(Px, Py, Rx_, Ry_));
}

bool PuntoInPoligono(const std::vector<Vertice>& V, float Px, float Py) { return PoligonoPronto(V).Contiene(Px, Py); }

bool PuntoInAnelloPunti(const std::vector<Punto>& V, float Px, float Py, float Rx, float Ry) {
    return DentroAnello(
        static_cast<int>(V.size()), [&](int i) { return V[static_cast<size_t>(i)]; }, Raggio(Px, Py, Rx, Ry));
}

void VerticeContorno(const Modello& m, int k, int p, float& X, float& Y) {
    int n = VerticiContorno(m, p);
    if (n <= 0) return;
    Punto v = VerticeDi(m, p, ((k - 1) % n + n) % n);
    X = v.X, Y = v.Y;
}
void VerticeContorno(int k, int p, float& X, float& Y) { VerticeContorno(M, k, p, X, Y); }

void VerticeAdiacente(const Modello& m, int k, int p, float& X, float& Y) {
    int n = VerticiContorno(m, p);
    if (n <= 0) return;
    Punto v = VerticeDi(m, p, ((k + 1) % n + n) % n);
    X = v.X, Y = v.Y;
}
void VerticeAdiacente(int k, int p, float& X, float& Y) { VerticeAdiacente(M, k, p, X, Y); }

void RimuoviVertice(int k, std::vector<Vertice>& V) {
    if (V.size() <= 1 || k < 0 || k >= static_cast<int>(V.size())) return;
    V.erase(V.begin() + k);
}

void InserisciVertice(int k, std::vector<Vertice>& V, const Vertice& v) {
    if (k < 0 || k >= static_cast<int>(V.size())) return;
    Vertice copia = v;  // v may be an element of V
    for (size_t i = V.size() - 1; i > static_cast<size_t>(k); --i) V[i] = V[i - 1];
    V[static_cast<size_t>(k)] = copia;
}

}  // namespace vilmor
