#include "design/TagliaFasce.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace vilmor;

namespace {

using Livelli = std::array<double, 21>;

struct Uscita {
    int32_t n = -7;
    std::array<int32_t, 21> fascia, nv;
    std::array<double, 100> x, y;
    Uscita() {
        fascia.fill(-7);
        nv.fill(-7);
        x.fill(-7);
        y.fill(-7);
    }
    bool Intatta() const {
        auto tutti = [](const auto& a) { return std::all_of(a.begin(), a.end(), [](auto v) { return v == -7; }); };
        return tutti(fascia) && tutti(nv) && tutti(x) && tutti(y);
    }
};

Uscita Taglia(const Livelli& l, std::array<double, 3> X, std::array<double, 3> Y, std::array<double, 3> Z,
              int32_t numLivelli = 11) {
    Uscita u;
    _cltria(l, numLivelli, X, Y, Z, u.n, u.fascia, u.nv, u.x, u.y);
    return u;
}

Livelli Uniformi(double da, double a) {
    Livelli l{};
    for (int i = 0; i <= 10; ++i) l[static_cast<size_t>(i)] = da + (a - da) * i / 10;
    return l;
}

// Share of a triangle's area where the linear value is below t, from the sorted corner values
// alone: the region below t is a triangle similar to a corner's, or its complement is.
double F(double t, double f0, double f1, double f2) {
    if (f0 == f2) return t > f0 ? 1 : 0;
    if (t <= f0) return 0;
    if (t >= f2) return 1;
    if (t <= f1) return (t - f0) * (t - f0) / ((f1 - f0) * (f2 - f0));
    return 1 - (f2 - t) * (f2 - t) / ((f2 - f0) * (f2 - f1));
}

// Every property a caller relies on, against band areas worked out on their own.
void Verifica(const Livelli& l, std::array<double, 3> X, std::array<double, 3> Y, std::array<double, 3> Z,
              const std::string& caso) {
    SCOPED_TRACE(caso);
    const Uscita u = Taglia(l, X, Y, Z);
    const double D = (X[1] - X[0]) * (Y[2] - Y[0]) - (Y[1] - Y[0]) * (X[2] - X[0]);
    const double A = std::fabs(D) / 2;
    const double R = std::max({std::hypot(X[1] - X[0], Y[1] - Y[0]), std::hypot(X[2] - X[0], Y[2] - Y[0]),
                               std::hypot(X[2] - X[1], Y[2] - Y[1])});
    std::array<double, 3> f = Z;
    std::sort(f.begin(), f.end());
    const double ampiezza = std::max(f[2] - f[0], 1.0);
    ASSERT_GE(u.n, 1);
    ASSERT_LE(u.n, 12);
    std::array<double, 12> aree{};
    double totale = 0;
    for (int p = 0; p < u.n; ++p) {
        const int b = u.fascia[static_cast<size_t>(p)], nv = u.nv[static_cast<size_t>(p)];
        ASSERT_GE(b, 0);
        ASSERT_LE(b, 11);
        ASSERT_GE(nv, 3);
        ASSERT_LE(nv, 5);
        auto vx = [&](int v) { return u.x[static_cast<size_t>(p + 20 * ((v + nv) % nv))]; };
        auto vy = [&](int v) { return u.y[static_cast<size_t>(p + 20 * ((v + nv) % nv))]; };
        double a2 = 0;
        for (int v = 1; v + 1 < nv; ++v)
            a2 += (vx(v) - vx(0)) * (vy(v + 1) - vy(0)) - (vx(v + 1) - vx(0)) * (vy(v) - vy(0));
        EXPECT_LT(a2, 0) << "clockwise, piece " << p;
        aree[static_cast<size_t>(b)] += -a2 / 2;
        totale += -a2 / 2;
        const double lo = b == 0 ? -INFINITY : l[static_cast<size_t>(b - 1)];
        const double hi = b == 11 ? INFINITY : l[static_cast<size_t>(b)];
        for (int v = 0; v < nv; ++v) {
            // Convex and clockwise: every corner turns right.
            const double svolta =
                (vx(v) - vx(v - 1)) * (vy(v + 1) - vy(v)) - (vy(v) - vy(v - 1)) * (vx(v + 1) - vx(v));
            EXPECT_LE(svolta, 1e-12 * R * R) << "piece " << p << " vertex " << v;
            // The value at the vertex, from its place in the triangle.
            const double l1 = ((vx(v) - X[0]) * (Y[2] - Y[0]) - (vy(v) - Y[0]) * (X[2] - X[0])) / D;
            const double l2 = ((X[1] - X[0]) * (vy(v) - Y[0]) - (Y[1] - Y[0]) * (vx(v) - X[0])) / D;
            const double z = Z[0] + l1 * (Z[1] - Z[0]) + l2 * (Z[2] - Z[0]);
            EXPECT_GE(z, lo - 1e-7 * ampiezza) << "piece " << p << " band " << b;
            EXPECT_LE(z, hi + 1e-7 * ampiezza) << "piece " << p << " band " << b;
            EXPECT_GE(l1, -1e-9);
            EXPECT_GE(l2, -1e-9);
            EXPECT_LE(l1 + l2, 1 + 1e-9);
        }
    }
    for (int b = 0; b <= 11; ++b) {
        const double lo = b == 0 ? -INFINITY : l[static_cast<size_t>(b - 1)];
        const double hi = b == 11 ? INFINITY : l[static_cast<size_t>(b)];
        const double atteso = A * (F(hi, f[0], f[1], f[2]) - F(lo, f[0], f[1], f[2]));
        EXPECT_NEAR(aree[static_cast<size_t>(b)], atteso, 1e-9 * A) << "band " << b;
    }
    EXPECT_NEAR(totale, A, 1e-9 * A);
}

}  // namespace

TEST(TagliaFasce, AreeDelleFasceSuTriangoliACaso) {
    std::mt19937_64 g(20240611);
    std::uniform_real_distribution<double> coord(-800, 800), unit(0, 1);
    for (int i = 0; i < 3000; ++i) {
        const int genere = i % 6;
        std::array<double, 3> X, Y, Z;
        for (size_t k = 0; k < 3; ++k) X[k] = coord(g), Y[k] = coord(g);
        const double da = -500 + 1000 * unit(g), passo = 1 + 300 * unit(g);
        Livelli l = Uniformi(da, da + 10 * passo);
        if (genere == 4) {
            // Rising levels, not evenly spaced, two of them equal.
            for (size_t k = 1; k <= 10; ++k) l[k] = l[k - 1] + passo * 2 * unit(g);
            l[6] = l[5];
        }
        for (size_t k = 0; k < 3; ++k) Z[k] = da - 3 * passo + 16 * passo * unit(g);
        if (genere == 1) {
            // Values on levels.
            for (size_t k = 0; k < 3; ++k) Z[k] = l[static_cast<size_t>(g() % 11)];
        } else if (genere == 2) {
            // Nearly collinear: the third corner a hundred-thousandth of the side off the line of
            // the first two.
            const double t = unit(g), h = 1e-5 * (0.5 + unit(g));
            const double dx = X[1] - X[0], dy = Y[1] - Y[0];
            X[2] = X[0] + t * dx - h * dy;
            Y[2] = Y[0] + t * dy + h * dx;
        } else if (genere == 3) {
            Z[1] = Z[0];  // two equal values, the side between them along a band or a level
            if (i % 12 == 3) Z[0] = Z[1] = l[static_cast<size_t>(g() % 11)];
        } else if (genere == 5) {
            // Values beyond the levels on both sides.
            Z = {l[0] - 5 * passo, l[10] + 5 * passo, l[static_cast<size_t>(g() % 11)]};
        }
        Verifica(l, X, Y, Z, "caso " + std::to_string(i) + " genere " + std::to_string(genere));
        if (HasFatalFailure()) return;
    }
}

TEST(TagliaFasce, CasiLimite) {
    const Livelli l = Uniformi(0, 10);
    // Three equal values: one piece, the triangle, clockwise, in the band above the level.
    Uscita u = Taglia(l, {0, 0, 100}, {0, 100, 0}, {5, 5, 5});
    ASSERT_EQ(u.n, 1);
    EXPECT_EQ(u.fascia[0], 6);
    ASSERT_EQ(u.nv[0], 3);
    EXPECT_EQ((std::vector<double>{u.x[0], u.y[0], u.x[20], u.y[20], u.x[40], u.y[40]}),
              (std::vector<double>{0, 0, 0, 100, 100, 0}));
    // Counter-clockwise input gives the same triangle clockwise.
    u = Taglia(l, {0, 100, 0}, {0, 0, 100}, {5, 5, 5});
    ASSERT_EQ(u.n, 1);
    EXPECT_EQ((std::vector<double>{u.x[0], u.y[0], u.x[20], u.y[20], u.x[40], u.y[40]}),
              (std::vector<double>{0, 0, 0, 100, 100, 0}));
    // The ends of the scale: below level 0 band 0, on level 10 and above it band 11.
    for (auto [z, fascia] : {std::pair{-1.0, 0}, {0.0, 1}, {9.99, 10}, {10.0, 11}, {50.0, 11}}) {
        u = Taglia(l, {0, 0, 100}, {0, 100, 0}, {z, z, z});
        ASSERT_EQ(u.n, 1);
        EXPECT_EQ(u.fascia[0], fascia) << z;
    }
    // A level through a corner leaves no empty piece there.
    Verifica(l, {0, 0, 100}, {0, 100, 0}, {3, 5, 7}, "corners on levels");
    u = Taglia(l, {0, 0, 100}, {0, 100, 0}, {3, 5, 7});
    EXPECT_EQ(u.n, 4);

    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = INFINITY;
    Livelli cadenti = Uniformi(10, 0);
    Livelli buco = l;
    buco[4] = nan;
    struct Nullo {
        const char* nome;
        Livelli l;
        std::array<double, 3> X, Y, Z;
        int32_t numLivelli;
    } nulli[] = {
        {"collineari", l, {0, 1, 2}, {0, 1, 2}, {0, 5, 10}, 11},
        {"coincidenti", l, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}, 11},
        {"valore NaN", l, {0, 0, 100}, {0, 100, 0}, {0, nan, 10}, 11},
        {"valore infinito", l, {0, 0, 100}, {0, 100, 0}, {0, inf, 10}, 11},
        {"vertice NaN", l, {0, nan, 100}, {0, 100, 0}, {0, 5, 10}, 11},
        {"livelli cadenti", cadenti, {0, 0, 100}, {0, 100, 0}, {0, 5, 10}, 11},
        {"livello NaN", buco, {0, 0, 100}, {0, 100, 0}, {0, 5, 10}, 11},
        {"dieci livelli", l, {0, 0, 100}, {0, 100, 0}, {0, 5, 10}, 10},
        {"ventuno livelli", l, {0, 0, 100}, {0, 100, 0}, {0, 5, 10}, 21},
    };
    for (const auto& c : nulli) {
        u = Taglia(c.l, c.X, c.Y, c.Z, c.numLivelli);
        EXPECT_EQ(u.n, 0) << c.nome;
        EXPECT_TRUE(u.Intatta()) << c.nome;
    }
}

// Two triangles on either side of one side cut it at the same points, so their pieces meet
// without a gap whichever way each walks the side.
TEST(TagliaFasce, TriangoliVicini) {
    const Livelli l = Uniformi(0.3, 9.7);
    const std::array<double, 3> Z1 = {0.1, 13.7, 4.9}, Z2 = {13.7, 0.1, 8.8};
    const Uscita a = Taglia(l, {0.3, 377.1, 51.9}, {0.7, 212.9, 298.3}, Z1);
    const Uscita b = Taglia(l, {377.1, 0.3, 301.7}, {212.9, 0.7, -90.1}, Z2);
    auto sulLato = [](const Uscita& u) {
        std::set<std::pair<double, double>> s;
        for (int p = 0; p < u.n; ++p)
            for (int v = 0; v < u.nv[static_cast<size_t>(p)]; ++v) {
                const double x = u.x[static_cast<size_t>(p + 20 * v)], y = u.y[static_cast<size_t>(p + 20 * v)];
                // On the shared side from (0.3, 0.7) to (377.1, 212.9).
                const double c = (x - 0.3) * (212.9 - 0.7) - (y - 0.7) * (377.1 - 0.3);
                if (std::fabs(c) < 1e-6) s.insert({x, y});
            }
        return s;
    };
    const auto sa = sulLato(a), sb = sulLato(b);
    EXPECT_EQ(sa.size(), 13u);  // the two ends and the eleven levels
    EXPECT_EQ(sa, sb);
}
