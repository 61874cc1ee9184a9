#include "base/GrigliaPunti.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace vilmor;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

struct Scatola {
    float xmin, ymin, xmax, ymax;
    bool Contiene(const Punto& p) const { return p.X >= xmin && p.X <= xmax && p.Y >= ymin && p.Y <= ymax; }
};

}  // namespace

// Every point in the box is given, and no point twice, whatever the set: spread, flat one way,
// all in one place, with positions that are no finite number; and boxes inside, across the
// edge, beyond the points, of no size and with edges no finite number.
TEST(GrigliaPunti, OgniPuntoDellaScatolaUnaVolta) {
    std::vector<Punto> sparsi;
    for (int i = 0; i < 500; ++i) sparsi.push_back({static_cast<float>((i * 37) % 101) * 1.7f, static_cast<float>((i * 53) % 89) * 2.3f});
    std::vector<Punto> riga, colonna, fermi(50, Punto{3, 4});
    for (int i = 0; i < 100; ++i) riga.push_back({i * 0.5f, 7}), colonna.push_back({-2, i * 3.0f});
    std::vector<Punto> guasti = sparsi;
    guasti[3] = {NaN, 10}, guasti[7] = {10, Inf}, guasti[11] = {-Inf, NaN};
    const std::vector<std::vector<Punto>> insiemi = {sparsi, riga, colonna, fermi, guasti, {}};
    const std::vector<Scatola> scatole = {{10, 10, 60, 40},   {-5, -5, 5, 5},       {150, 180, 400, 400},
                                          {3, 4, 3, 4},       {0, 7, 49.5f, 7},     {-1000, -1000, 1000, 1000},
                                          {300, 300, 200, 200}, {NaN, 0, 10, 10},   {0, -Inf, 10, Inf}};
    for (size_t s = 0; s < insiemi.size(); ++s) {
        const auto& punti = insiemi[s];
        GrigliaPunti g;
        g.Costruisci(static_cast<int>(punti.size()), [&](int i) { return punti[static_cast<size_t>(i)]; });
        for (size_t b = 0; b < scatole.size(); ++b) {
            SCOPED_TRACE(testing::Message() << "insieme " << s << " scatola " << b);
            const Scatola& q = scatole[b];
            std::vector<int> volte(punti.size(), 0);
            g.PerOgniVicino(q.xmin, q.ymin, q.xmax, q.ymax, [&](int i) { ++volte[static_cast<size_t>(i)]; });
            const bool tutti = !(std::isfinite(q.xmin) && std::isfinite(q.ymin) && std::isfinite(q.xmax) && std::isfinite(q.ymax));
            for (size_t i = 0; i < punti.size(); ++i) {
                const bool finito = std::isfinite(punti[i].X) && std::isfinite(punti[i].Y);
                EXPECT_LE(volte[i], 1) << i;
                if (tutti || !finito || q.Contiene(punti[i])) {
                    EXPECT_EQ(volte[i], 1) << i;
                }
            }
        }
    }
}
