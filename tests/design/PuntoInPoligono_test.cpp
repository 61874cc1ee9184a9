#include "design/PuntoInPoligono.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "design/ContorniArmatura.h"
#include "model/Poligoni.h"

using namespace vilmor;

namespace {

std::vector<Vertice> Vertici(std::initializer_list<Punto> pts) {
    std::vector<Vertice> v;
    for (const Punto& p : pts) v.push_back({p.X, p.Y, 0});
    return v;
}

Zona Quadrilatero(std::array<Punto, 4> angoli) {
    Zona z;
    z.Angoli = angoli;
    z.XMin = z.YMin = 1e9f;
    z.XMax = z.YMax = -1e9f;
    for (const Punto& p : angoli) {
        z.XMin = std::min(z.XMin, p.X), z.YMin = std::min(z.YMin, p.Y);
        z.XMax = std::max(z.XMax, p.X), z.YMax = std::max(z.YMax, p.Y);
    }
    return z;
}

// A slab with its outline (closed as the reader leaves it) and openings.
void ImpostaSoletta(Modello& m, const std::vector<Punto>& contorno, const std::vector<std::vector<Punto>>& fori = {}) {
    GeometriaSoletta& g = m.Soletta;
    g.Contorno = contorno;
    g.Contorno.push_back(contorno.front());
    g.NumVertContorno = static_cast<int>(contorno.size());
    g.NumFori = static_cast<int>(fori.size());
    for (int f = 0; f < g.NumFori; ++f) {
        for (int k = 0; k < static_cast<int>(fori[f].size()); ++k) AggiungiVerticePoli(g, f, k, fori[f][k].X, fori[f][k].Y);
        g.NumVertForo[f] = static_cast<int>(fori[f].size());
    }
}

// Plain even-odd test along a horizontal ray, as a reference.
bool PariDispari(const std::vector<Vertice>& V, double px, double py) {
    bool dentro = false;
    for (size_t i = 0, j = V.size() - 1; i < V.size(); j = i++) {
        double xi = V[i].X, yi = V[i].Y, xj = V[j].X, yj = V[j].Y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) dentro = !dentro;
    }
    return dentro;
}

double DistanzaLato(const Vertice& a, const Vertice& b, double px, double py) {
    double ux = b.X - a.X, uy = b.Y - a.Y, vx = px - a.X, vy = py - a.Y;
    double l2 = ux * ux + uy * uy;
    double t = l2 > 0 ? std::clamp((ux * vx + uy * vy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(vx - t * ux, vy - t * uy);
}

}  // namespace

// The square (0,0),(0,10),(10,10),(10,0) through every test that takes a polygon: points on the
// boundary read as the other sides decide.
TEST(PuntoInPoligono, Quadrato) {
    std::array<Punto, 4> angoli{{{0, 0}, {0, 10}, {10, 10}, {10, 0}}};
    Modello m;
    m.Zone.Zone = {Quadrilatero(angoli)};
    m.Zone.UltimaZona = 0;
    EditZone e;
    e.ZonaCorrente = Quadrilatero(angoli);
    auto V = Vertici({angoli[0], angoli[1], angoli[2], angoli[3]});
    Modello s;
    ImpostaSoletta(s, {angoli[0], angoli[1], angoli[2], angoli[3]});

    struct {
        float x, y;
        bool atteso;
    } casi[] = {
        {5, 5, true},    {5, 20, false},  {-3, 5, false}, {0, 5, false},  // left side: outside
        {10, 5, true},                                                     // right side: inside
        {0, 0, false},   {10, 10, true},  {9.9f, 9.9f, true}, {0.1f, 0.1f, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(PuntoInSelezione(e, c.x, c.y), c.atteso);
        EXPECT_EQ(NodoInZona(m, 0, c.x, c.y), c.atteso);
        EXPECT_EQ(PuntoInPoligono(V, c.x, c.y), c.atteso);
        EXPECT_EQ(PuntoInContorno(s, c.x, c.y, -1), c.atteso);
    }
    EXPECT_FALSE(NodoInZona(m, 1, 5, 5));
    EXPECT_FALSE(NodoInZona(m, -1, 5, 5));
    EXPECT_FALSE(PuntoInPoligono({}, 5, 5));
}

// A ray through a vertex counts by the half-open rule: the far point of the vertex-list test
// (37.7497 cm left of the box, 0.3347 cm below its middle) makes this ray pass through the
// vertex (0, 5).
TEST(PuntoInPoligono, RaggioPerUnVertice) {
    auto V = Vertici({{0, 5}, {10, 10}, {10, 0}});
    EXPECT_TRUE(PuntoInPoligono(V, 7.54994f, 5.06694f));
    float Rx = -37.7497f, Ry = 5 - 0.3347f;  // far point of every outline below: x 0 .. 10, y 0 .. 10
    auto oltre = [&](Punto w, float t) { return Punto{w.X + t * (w.X - Rx), w.Y + t * (w.Y - Ry)}; };
    // A notch from the right side: the ray from a point inside the notch leaves it through the
    // notch's tip (4, 5), where the boundary crosses the ray once, and then crosses the left side.
    auto W = Vertici({{0, 0}, {0, 10}, {10, 10}, {10, 6}, {4, 5}, {10, 4}, {10, 0}});
    Punto p = oltre({4, 5}, 0.1f);
    EXPECT_FALSE(PuntoInPoligono(W, p.X, p.Y));
    p = oltre({4, 5}, 0.01f);
    EXPECT_FALSE(PuntoInPoligono(W, p.X, p.Y));
    // A spike from the bottom whose tip (2, 4) the ray only touches.
    auto S = Vertici({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {3, 0}, {2, 4}, {1, 0}});
    p = oltre({2, 4}, 0.1f);
    EXPECT_TRUE(PuntoInPoligono(S, p.X, p.Y));
    EXPECT_FALSE(PuntoInPoligono(S, 2, 2));  // inside the spike
}

// Random polygons, points anywhere and points whose ray runs (almost) through a vertex, against
// a plain even-odd test, on points farther than 0.05 cm from every side.
TEST(PuntoInPoligono, ProprietaControRiferimento) {
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> u01(0, 1);
    int provati = 0;
    for (int prova = 0; prova < 300; ++prova) {
        int n = 3 + static_cast<int>(u01(gen) * 40);
        bool griglia = prova % 3 == 0;  // whole centimetres: collinear vertices, axis-parallel sides
        std::vector<double> ang(static_cast<size_t>(n));
        for (double& a : ang) a = u01(gen) * 6.283185307;
        std::sort(ang.begin(), ang.end());
        std::vector<Vertice> V;
        for (double a : ang) {
            double r = 50 + u01(gen) * 450;
            float x = static_cast<float>(600 + r * std::cos(a)), y = static_cast<float>(400 + r * std::sin(a));
            if (griglia) x = std::round(x / 10) * 10, y = std::round(y / 10) * 10;
            V.push_back({x, y, 0});
        }
        if (prova % 2 == 1) std::reverse(V.begin(), V.end());
        float xmin = 1e9f, ymin = 1e9f, xmax = -1e9f, ymax = -1e9f;
        for (auto& v : V) xmin = std::min(xmin, v.X), ymin = std::min(ymin, v.Y), xmax = std::max(xmax, v.X), ymax = std::max(ymax, v.Y);
        float Rx = static_cast<float>(xmin - 37.7497), Ry = static_cast<float>((static_cast<double>(ymin) + ymax) / 2 - 0.3347);
        for (int k = 0; k < 200; ++k) {
            float px, py;
            if (k % 2 == 0) {
                px = static_cast<float>(xmin - 10 + u01(gen) * (xmax - xmin + 20));
                py = static_cast<float>(ymin - 10 + u01(gen) * (ymax - ymin + 20));
            } else {
                const Vertice& w = V[static_cast<size_t>(gen() % V.size())];
                double t = 0.01 + u01(gen) * 0.5;
                px = static_cast<float>(w.X + t * (w.X - Rx));
                py = static_cast<float>(w.Y + t * (w.Y - Ry));
            }
            double dmin = 1e30;
            for (size_t i = 0; i < V.size(); ++i) dmin = std::min(dmin, DistanzaLato(V[i], V[(i + 1) % V.size()], px, py));
            if (dmin <= 0.05) continue;
            ++provati;
            ASSERT_EQ(PuntoInPoligono(V, px, py), PariDispari(V, px, py)) << "prova " << prova << " punto " << px << "," << py;
        }
    }
    EXPECT_GT(provati, 50000);
}

TEST(PuntoInPoligono, ContorniEFori) {
    Modello m;
    ImpostaSoletta(m, {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}},
                   {{{100, 100}, {200, 100}, {200, 200}, {100, 200}}, {{600, 100}, {600, 200}, {700, 200}, {700, 100}}});
    m.Progetto.Copriferro = 3;
    CalcolaPerimetroEsterno(m);
    // A view box left from another slab must not matter.
    Vista.LimitiPianta = {500, 200, 600, 300};
    struct {
        float x, y;
        int p;
        bool atteso;
    } casi[] = {
        {900, 250, -1, true}, {150, 150, -1, true}, {150, 150, 0, true}, {150, 150, 1, false},
        {650, 150, 1, true},  {650, 150, 0, false}, {1200, 250, -1, false}, {50, 50, 0, false},
        {650, 150, 2, false},  // no such opening
    };
    for (const auto& c : casi) EXPECT_EQ(PuntoInContorno(m, c.x, c.y, c.p), c.atteso) << c.x << "," << c.y << " p " << c.p;
    EXPECT_FALSE(PuntoInPerimetro(m, 10, 250));
    EXPECT_TRUE(PuntoInPerimetro(m, 20, 250));
    EXPECT_TRUE(PuntoInPerimetro(m, 980, 480));
    EXPECT_FALSE(PuntoInPerimetro(m, 990, 480));
    Vista.LimitiPianta = {};

    float x = -1, y = -1;
    VerticeContorno(m, 0, -1, x, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 0);
    VerticeAdiacente(m, 3, -1, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    VerticeAdiacente(m, 1, -1, x, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 500);
    VerticeContorno(m, 0, 1, x, y);
    EXPECT_EQ(x, 700);
    EXPECT_EQ(y, 100);
    VerticeAdiacente(m, 3, 1, x, y);
    EXPECT_EQ(x, 600);
    EXPECT_EQ(y, 100);
    VerticeContorno(m, 2, 0, x, y);
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 100);
    x = y = -7;
    VerticeContorno(m, 0, 5, x, y);  // no such opening: nothing written
    EXPECT_EQ(x, -7);
}

TEST(VerticiTaggati, RimuoviEInserisci) {
    auto lista = [](int n) {
        std::vector<Vertice> v;
        for (int i = 0; i < n; ++i) v.push_back({float(i), float(10 * i), i - 1});
        return v;
    };
    auto xs = [](const std::vector<Vertice>& v) {
        std::vector<float> r;
        for (auto& e : v) r.push_back(e.X);
        return r;
    };
    struct {
        int n, k;
        std::vector<float> atteso;
    } rimuovi[] = {{5, 2, {0, 1, 3, 4}}, {5, 0, {1, 2, 3, 4}}, {5, 4, {0, 1, 2, 3}},
                   {5, 5, {0, 1, 2, 3, 4}}, {5, -1, {0, 1, 2, 3, 4}}, {1, 0, {0}}};
    for (const auto& c : rimuovi) {
        auto v = lista(c.n);
        RimuoviVertice(c.k, v);
        EXPECT_EQ(xs(v), c.atteso) << c.n << " " << c.k;
    }
    auto v = lista(5);
    RimuoviVertice(2, v);
    EXPECT_EQ(v[2].Segno, 2);  // the record moves whole, tag included
    EXPECT_EQ(v[2].Y, 30);

    struct {
        int k;
        std::vector<float> atteso;
    } inserisci[] = {{2, {0, 1, 99, 2, 3}}, {4, {0, 1, 2, 3, 99}}, {0, {99, 0, 1, 2, 3}}, {5, {0, 1, 2, 3, 4}}};
    for (const auto& c : inserisci) {
        auto w = lista(5);  // element 4 stands for the fresh one the caller appended
        InserisciVertice(c.k, w, {99, 990, -99});
        EXPECT_EQ(xs(w), c.atteso) << c.k;
        if (c.k <= 4) {
            EXPECT_EQ(w[static_cast<size_t>(c.k)].Segno, -99);
        }
    }
    auto w = lista(5);
    InserisciVertice(1, w, w[3]);  // v may be an element of the list itself
    EXPECT_EQ(xs(w), (std::vector<float>{0, 3, 1, 2, 3}));
}

// The prepared quadrilateral answers as the single test, also within a hair of a side, where
// the point reads as the other sides decide: convex either way round, concave, crossed, flat.
TEST(PuntoInPoligono, QuadrilateroProntoComeNodoInZona) {
    const std::array<Punto, 4> forme[] = {
        {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}},          // clockwise square
        {{{10, 0}, {10, 10}, {0, 10}, {0, 0}}},          // anticlockwise
        {{{100, 100}, {250, 900}, {1000, 800}, {900, 50}}},  // leaning
        {{{0, 0}, {5, 3}, {10, 0}, {5, 10}}},            // a dart: concave at (5, 3)
        {{{0, 0}, {10, 10}, {10, 0}, {0, 10}}},          // crossed
        {{{0, 0}, {0, 10}, {0, 10}, {10, 0}}},           // two corners in one
    };
    // Across each side and corner: on it, a hair either side of the 0.01 cm, and clear of it.
    const float scarti[] = {0, 0.005f, -0.005f, 0.0099f, -0.0099f, 0.0101f, -0.0101f, 0.5f, -0.5f};
    for (const auto& f : forme) {
        Modello m;
        m.Zone.Zone = {Quadrilatero(f)};
        m.Zone.UltimaZona = 0;
        const QuadrilateroPronto q(m.Zone.Zone[0]);
        int provati = 0;
        for (size_t k = 0; k < 4; ++k) {
            const Punto a = f[k], b = f[(k + 1) % 4];
            const float l = std::max(std::hypot(b.X - a.X, b.Y - a.Y), 1e-3f);
            const float nx = -(b.Y - a.Y) / l, ny = (b.X - a.X) / l;
            for (float t : {0.0f, 0.3f, 0.5f, 1.0f})
                for (float s : scarti) {
                    const float x = a.X + t * (b.X - a.X) + s * nx, y = a.Y + t * (b.Y - a.Y) + s * ny;
                    ++provati;
                    ASSERT_EQ(q.Contiene(x, y), NodoInZona(m, 0, x, y)) << x << "," << y;
                }
        }
        EXPECT_EQ(provati, 4 * 4 * 9);
    }
    // The square's left side reads outside, its right side inside, 0.02 cm in is inside.
    Modello m;
    m.Zone.Zone = {Quadrilatero({{{0, 0}, {0, 10}, {10, 10}, {10, 0}}})};
    const QuadrilateroPronto q(m.Zone.Zone[0]);
    EXPECT_FALSE(q.Contiene(0.005f, 5));
    EXPECT_TRUE(q.Contiene(0.02f, 5));
    EXPECT_TRUE(q.Contiene(9.995f, 5));
    EXPECT_FALSE(q.Contiene(10.005f, 5));
}

// An outline prepared once answers as the test of each point alone: the slab outline, each
// opening, the outer perimeter and outlines too short to hold anything, for points on and about
// every vertex and side.
TEST(PuntoInPoligono, ContornoProntoComePuntoInContorno) {
    Modello m;
    ImpostaSoletta(m, {{0, 0}, {0, 500}, {300, 500}, {300, 320}, {700, 320}, {1000, 500}, {1000, 0}},
                   {{{100, 100}, {200, 100}, {200, 200}, {100, 200}}, {{600, 100}, {600, 200}, {650, 250}, {700, 100}}, {{50, 50}, {60, 60}}});
    m.Progetto.Copriferro = 3;
    CalcolaPerimetroEsterno(m);
    const float scarti[] = {0, 0.005f, -0.005f, 0.0101f, -0.0101f, 3, -3, 15, -15};
    struct Caso {
        const char* nome;
        ContornoPronto pronto;
        std::function<bool(float, float)> solo;
        std::vector<Punto> vertici;
    };
    auto vertici = [&](int p) {
        std::vector<Punto> v;
        float x = 0, y = 0;
        const int n = p < 0 ? m.Soletta.NumVertContorno : m.Soletta.NumVertForo[static_cast<size_t>(p)];
        for (int k = 0; k < n; ++k) VerticeAdiacente(m, k - 1, p, x, y), v.push_back({x, y});
        return v;
    };
    std::vector<Caso> casi = {
        {"contorno", ContornoPronto::Contorno(m, -1), [&](float x, float y) { return PuntoInContorno(m, x, y, -1); }, vertici(-1)},
        {"foro 0", ContornoPronto::Contorno(m, 0), [&](float x, float y) { return PuntoInContorno(m, x, y, 0); }, vertici(0)},
        {"foro 1", ContornoPronto::Contorno(m, 1), [&](float x, float y) { return PuntoInContorno(m, x, y, 1); }, vertici(1)},
        {"foro di due vertici", ContornoPronto::Contorno(m, 2), [&](float x, float y) { return PuntoInContorno(m, x, y, 2); }, vertici(2)},
        {"foro che non c'e'", ContornoPronto::Contorno(m, 7), [&](float x, float y) { return PuntoInContorno(m, x, y, 7); }, vertici(0)},
        {"perimetro", ContornoPronto::Perimetro(m), [&](float x, float y) { return PuntoInPerimetro(m, x, y); },
         {m.Contorni.PerimetroEsterno.begin(), m.Contorni.PerimetroEsterno.begin() + m.Contorni.UltVertPerimetroEst}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        int dentro = 0, provati = 0;
        const size_t n = c.vertici.size();
        for (size_t k = 0; k < n; ++k) {
            const Punto a = c.vertici[k], b = c.vertici[(k + 1) % n];
            const float l = std::max(std::hypot(b.X - a.X, b.Y - a.Y), 1e-3f);
            const float nx = -(b.Y - a.Y) / l, ny = (b.X - a.X) / l;
            for (float t : {0.0f, 0.25f, 0.5f})
                for (float s : scarti)
                    for (float dy : {0.0f, 0.004f}) {
                        const float x = a.X + t * (b.X - a.X) + s * nx, y = a.Y + t * (b.Y - a.Y) + s * ny + dy;
                        ++provati;
                        dentro += c.solo(x, y);
                        ASSERT_EQ(c.pronto.Contiene(x, y), c.solo(x, y)) << x << "," << y;
                    }
        }
        EXPECT_EQ(provati, static_cast<int>(n) * 3 * 9 * 2);
        if (n >= 3 && std::string(c.nome) != "foro che non c'e'") {
            EXPECT_GT(dentro, 0);
        }
    }
}
