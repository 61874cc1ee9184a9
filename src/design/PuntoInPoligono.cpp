#include "design/PuntoInPoligono.h"

#include <algorithm>
#include <cmath>

#include "model/Poligoni.h"

namespace vilmor {

namespace {

// A side passing within this distance of the tested point carries it: it is not counted.
constexpr double TolleranzaLato = 0.01;

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

// Even-odd count along the ray from P through R, for a ring of n vertices given by vert(i).
// Each vertex is placed once against the ray's line (above, or not above), and a side counts
// when its ends fall on different sides of that line and it meets the ray beyond P: a vertex
// on the line is thus taken as lying below it, consistently for both of its sides.
template <class F> bool DentroAnello(int n, F vert, float Px, float Py, float Rx, float Ry) {
    if (n < 3) return false;
    const double px = Px, py = Py;
    const double dx = static_cast<double>(Rx) - px, dy = static_cast<double>(Ry) - py;
    const double d2 = dx * dx + dy * dy;
    const double soglia = TolleranzaLato * TolleranzaLato * d2 * d2;
    Punto a = vert(n - 1);
    double va = dx * (a.Y - py) - dy * (a.X - px);
    bool dentro = false;
    for (int i = 0; i < n; ++i) {
        Punto b = vert(i);
        double vb = dx * (b.Y - py) - dy * (b.X - px);
        if ((va > 0) != (vb > 0)) {
            // Where the side meets the ray's line, along the ray: q / (vb - va). q is also
            // |d|² times twice the area of P, A, B, which rules out most sides near P cheaply.
            double ua = dx * (a.X - px) + dy * (a.Y - py);
            double ub = dx * (b.X - px) + dy * (b.Y - py);
            double q = ua * vb - va * ub;
            double lx = static_cast<double>(b.X) - a.X, ly = static_cast<double>(b.Y) - a.Y;
            bool vicino = q * q <= soglia * (lx * lx + ly * ly) && SulLato(px, py, a.X, a.Y, b.X, b.Y);
            if (!vicino && q != 0 && (q > 0) == (vb - va > 0)) dentro = !dentro;
        }
        a = b, va = vb;
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
    // Outside the corners' box there is nothing to count.
    const auto& c = z.Angoli;
    if ((Px < c[0].X && Px < c[1].X && Px < c[2].X && Px < c[3].X) ||
        (Px > c[0].X && Px > c[1].X && Px > c[2].X && Px > c[3].X) ||
        (Py < c[0].Y && Py < c[1].Y && Py < c[2].Y && Py < c[3].Y) ||
        (Py > c[0].Y && Py > c[1].Y && Py > c[2].Y && Py > c[3].Y))
        return false;
    float Rx = static_cast<float>(z.XMin - 37.749);
    float Ry = static_cast<float>((static_cast<double>(z.YMin) + z.YMax) / 2 - 7.3347);
    return DentroAnello(4, [&](int i) { return z.Angoli[static_cast<size_t>(i)]; }, Px, Py, Rx, Ry);
}

// The far point of the outline tests, taken from the outline's own box.
template <class F> bool DentroContorno(int n, F vert, float Px, float Py, double ox, double oy) {
    if (n < 3) return false;
    Scatola s;
    for (int i = 0; i < n; ++i) {
        Punto v = vert(i);
        s.Aggiungi(v.X, v.Y);
    }
    if (s.Fuori(Px, Py)) return false;
    float Rx = static_cast<float>(s.XMin - ox);
    float Ry = static_cast<float>((static_cast<double>(s.YMin) + s.YMax) / 2 - oy);
    return DentroAnello(n, vert, Px, Py, Rx, Ry);
}

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

bool PuntoInPerimetro(const Modello& m, float Px, float Py) {
    const ContorniLavoro& c = m.Contorni;
    // The last element repeats the first and is not read.
    int n = std::min(c.UltVertPerimetroEst, static_cast<int>(c.PerimetroEsterno.size()));
    return DentroContorno(
        n, [&](int i) { return c.PerimetroEsterno[static_cast<size_t>(i)]; }, Px, Py, 37.749, 7.3347);
}
bool PuntoInPerimetro(float Px, float Py) { return PuntoInPerimetro(M, Px, Py); }

bool PuntoInContorno(const Modello& m, float Px, float Py, int p) {
    int n = VerticiContorno(m, p);
    if (p < 0)
        return DentroContorno(
            n, [&](int i) { return m.Soletta.Contorno[static_cast<size_t>(i)]; }, Px, Py, 7.7497, 0.3347);
    const GeometriaSoletta& g = m.Soletta;
    return DentroContorno(
        n, [&](int i) { return Punto{PoliX(g, p, i), PoliY(g, p, i)}; }, Px, Py, 7.7497, 0.3347);
}
bool PuntoInContorno(float Px, float Py, int p) { return PuntoInContorno(M, Px, Py, p); }

bool PuntoInPoligono(const std::vector<Vertice>& V, float Px, float Py) {
    int n = static_cast<int>(V.size());
    if (n == 0) return false;
    Scatola s;
    for (const Vertice& v : V) s.Aggiungi(v.X, v.Y);
    if (s.Fuori(Px, Py)) return false;
    float Rx = static_cast<float>(s.XMin - 37.7497);
    float Ry = static_cast<float>((static_cast<double>(s.YMin) + s.YMax) / 2 - 0.3347);
    return DentroAnello(
        n, [&](int i) { return Punto{V[static_cast<size_t>(i)].X, V[static_cast<size_t>(i)].Y}; }, Px, Py, Rx, Ry);
}

bool PuntoInAnelloPunti(const std::vector<Punto>& V, float Px, float Py, float Rx, float Ry) {
    return DentroAnello(
        static_cast<int>(V.size()), [&](int i) { return V[static_cast<size_t>(i)]; }, Px, Py, Rx, Ry);
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
