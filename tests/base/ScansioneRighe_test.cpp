#include "base/ScansioneRighe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace vilmor;

namespace {

using Anello = std::vector<Punto>;
using Ruolo = ScansioneRighe::Ruolo;

Anello Rett(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}}; }

std::vector<Tratto> Tratti(const ScansioneRighe& s, double y) {
    std::vector<Tratto> t;
    s.Tratti(y, t);
    return t;
}

void Uguali(const std::vector<Tratto>& a, const std::vector<std::pair<double, double>>& b, double tol = 1e-9) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].X0, b[i].first, tol) << i;
        EXPECT_NEAR(a[i].X1, b[i].second, tol) << i;
    }
}

}  // namespace

TEST(ScansioneRighe, ForoDivideLaRiga) {
    ScansioneRighe s;
    s.AggiungiAnello(Rett(0, 0, 400, 300), -1, Ruolo::Pieno);
    s.AggiungiAnello(Rett(100, 100, 200, 200), -1, Ruolo::Vuoto);
    Uguali(Tratti(s, 150), {{0, 100}, {200, 400}});
    Uguali(Tratti(s, 50), {{0, 400}});
    EXPECT_TRUE(Tratti(s, 300).empty());  // the top side: nothing strictly above it
    EXPECT_TRUE(Tratti(s, -1).empty());
    Uguali(Tratti(s, 0), {{0, 400}});
    std::vector<double> x;
    s.Incroci(150, x);
    EXPECT_EQ(x, (std::vector<double>{0, 100, 200, 400}));
}

// A line through a vertex lays what the line just above it lays, within a tenth: a boundary
// that passes through the vertex counts once, one that only touches it twice or not at all.
TEST(ScansioneRighe, RigaPerUnVertice) {
    ScansioneRighe s;
    // Outline with a notch whose bottom vertex (150, 264) touches the line y = 264 from above,
    // and a pass-through vertex (300, 144) on the right side.
    s.AggiungiAnello({{3, 3}, {3, 290}, {100, 290}, {150, 264}, {200, 290}, {397, 290}, {397, 164}, {300, 144},
                      {397, 124}, {397, 3}},
                     -1, Ruolo::Pieno);
    // A diamond opening with vertices on the lines 124, 144 and 164.
    s.AggiungiAnello({{150, 124}, {120, 144}, {150, 164}, {180, 144}}, -1, Ruolo::Vuoto);
    for (double y : {124.0, 144.0, 164.0, 264.0, 3.0}) {
        std::vector<Tratto> a = Tratti(s, y), b = Tratti(s, y + 0.01);
        ASSERT_EQ(a.size(), b.size()) << "y " << y;
        for (size_t i = 0; i < a.size(); ++i) {
            EXPECT_NEAR(a[i].X0, b[i].X0, 0.1) << "y " << y << " tratto " << i;
            EXPECT_NEAR(a[i].X1, b[i].X1, 0.1) << "y " << y << " tratto " << i;
        }
    }
    Uguali(Tratti(s, 144), {{3, 120}, {180, 300}});
    Uguali(Tratti(s, 124), {{3, 150}, {150, 397}});
    Uguali(Tratti(s, 164), {{3, 397}});
    Uguali(Tratti(s, 264), {{3, 150}, {150, 397}});
}

// Every line crosses each ring an even number of times, also through vertices.
TEST(ScansioneRighe, ConteggioSemprePari) {
    ScansioneRighe s;
    s.AggiungiAnello({{0, 0}, {0, 10}, {5, 20}, {10, 10}, {15, 20}, {20, 10}, {20, 0}, {10, 10}}, -1, Ruolo::Pieno);
    std::vector<double> x;
    for (double y = -1; y <= 21; y += 0.5) {
        s.Incroci(y, x);
        EXPECT_EQ(x.size() % 2, 0u) << "y " << y;
        EXPECT_TRUE(std::is_sorted(x.begin(), x.end()));
    }
}

// The two edges of a slit joining a hole to the outline cancel: a line across the slit is not cut.
TEST(ScansioneRighe, FessuraNonTagliaLeBarre) {
    Anello w = {{0, 0}, {0, 200}, {400, 200}, {400, 0}};
    Anello foro = {{100, 50}, {200, 50}, {200, 150}, {100, 150}};
    w.insert(w.end(), foro.begin(), foro.end());
    w.push_back(foro.front());
    w.push_back({400, 0});
    ScansioneRighe s;
    s.AggiungiAnello(w);
    Uguali(Tratti(s, 20), {{0, 400}});
    Uguali(Tratti(s, 100), {{0, 100}, {200, 400}});
    Uguali(Tratti(s, 180), {{0, 400}});
}

// Openings that overlap each other or the outline leave no bar inside an opening or outside the slab.
TEST(ScansioneRighe, ForiSovrappostiOFuoriContorno) {
    ScansioneRighe s;
    s.AggiungiAnello(Rett(0, 0, 100, 100), -1, Ruolo::Pieno);
    s.AggiungiAnello(Rett(20, 40, 50, 60), -1, Ruolo::Vuoto);
    s.AggiungiAnello(Rett(40, 40, 70, 60), -1, Ruolo::Vuoto);
    s.AggiungiAnello(Rett(90, 40, 120, 60), -1, Ruolo::Vuoto);
    Uguali(Tratti(s, 50), {{0, 20}, {70, 90}});
}

TEST(ScansioneRighe, PettineDiSessantaDenti) {
    Anello c = {{0, 0}, {0, 200}};
    for (int i = 0; i < 60; ++i) {
        float x = 20.0f * i;
        if (i > 0) c.push_back({x, 200});
        c.push_back({x + 10, 200});
        c.push_back({x + 10, 100});
        c.push_back({x + 20, 100});
    }
    c.push_back({1200, 0});
    ScansioneRighe s;
    s.AggiungiAnello(c);
    std::vector<Tratto> t = Tratti(s, 150);
    ASSERT_EQ(t.size(), 60u);
    for (int i = 0; i < 60; ++i) {
        EXPECT_DOUBLE_EQ(t[i].X0, 20.0 * i);
        EXPECT_DOUBLE_EQ(t[i].X1, 20.0 * i + 10);
    }
    Uguali(Tratti(s, 50), {{0, 1200}});
}

TEST(ScansioneRighe, AnelliDegeneriENumeriNonValidi) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ScansioneRighe s;
    s.AggiungiAnello({}, -1);
    s.AggiungiAnello({{5, 5}}, -1);
    s.AggiungiAnello({{0, 0}, {0, 10}, {nan, nan}, {10, 10}, {10, 0}}, -1);
    std::vector<double> x;
    s.Incroci(5, x);
    EXPECT_EQ(x.size() % 2, 0u);
    s.Incroci(std::nan(""), x);
    EXPECT_TRUE(x.empty());
    // A closing copy of the first point adds nothing; only the first n points are read.
    ScansioneRighe a, b;
    a.AggiungiAnello({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    b.AggiungiAnello({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {99, 99}, {7, 7}}, 4);
    Uguali(Tratti(a, 5), {{0, 10}});
    Uguali(Tratti(b, 5), {{0, 10}});
}

TEST(ScansioneRighe, NumeroRighe) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Caso {
        double y0, passo, fine;
        bool stretto;
        int64_t atteso;
    } casi[] = {
        {0, 20, 100, true, 5},      // 0 .. 80
        {0, 20, 100, false, 6},     // 0 .. 100
        {4, 20, 297, true, 15},
        {10, 20, 5, true, 0},
        {0, 0, 100, true, -1},
        {0, -5, 100, false, -1},
        {0, std::nan(""), 100, true, -1},
        {0, inf, 100, true, -1},
        {0, 20, std::nan(""), true, -1},
        {0, 1e-6, 100, true, -1},   // more lines than any slab can carry
        {1, 1e-300, 1, false, -1},  // steps below the rounding of the start: no endless count
    };
    for (const Caso& c : casi)
        EXPECT_EQ(NumeroRighe(c.y0, c.passo, c.fine, c.stretto), c.atteso) << c.y0 << " " << c.passo << " " << c.fine;
    // Lines are placed from the first, never accumulated.
    EXPECT_EQ(RigaScansione(0.5, 0.1, 30), 0.5 + 30 * 0.1);
}

// The lines of a row that lie in an interval, clamped to the row.
TEST(ScansioneRighe, IntervalloRighe) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Caso {
        double y0, passo;
        int64_t righe;
        double lo, hi;
        int64_t prima, oltre;
    } casi[] = {
        {0, 10, 100, 25, 55, 3, 6},  // lines 30 .. 50
        {0, 10, 100, 30, 50, 3, 6},  // on the lines themselves
        {0, 10, 100, -50, 5, 0, 1},
        {0, 10, 100, 985, 2000, 99, 100},
        {-1e6, 1, 2000000, 0, 900, 1000000, 1000901},
        {0.1, 0.1, 1000, 0.3, 0.7, 2, 6},  // 0.1 + 6 x 0.1 lies just above 0.7
        {0, 10, 100, -inf, inf, 0, 100},
        {0, 10, 100, 50, 40, 0, 0},  // empty
        {0, 10, 100, std::nan(""), 40, 0, 0},
        {0, 10, 100, 2000, 3000, 100, 100},  // beyond the row
        {0, 10, 100, -3000, -2000, 0, 0},
        {0, 0, 100, 0, 50, 0, 0},
        {0, 10, 0, 0, 50, 0, 0},
    };
    for (const Caso& c : casi) {
        int64_t prima = -7, oltre = -7;
        IntervalloRighe(c.y0, c.passo, c.righe, c.lo, c.hi, prima, oltre);
        EXPECT_EQ(prima, c.prima) << c.y0 << " " << c.passo << " " << c.lo << " " << c.hi;
        EXPECT_EQ(oltre, c.oltre) << c.y0 << " " << c.passo << " " << c.lo << " " << c.hi;
        // Exactly the lines inside the interval (a spacing of 0 has no lines).
        for (int64_t k = 0; c.passo > 0 && k < c.righe; ++k) {
            const double y = RigaScansione(c.y0, c.passo, k);
            EXPECT_EQ(y >= c.lo && y <= c.hi, k >= prima && k < oltre) << k;
        }
    }
}
