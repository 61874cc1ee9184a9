#include "dxf/ColoriACI.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <tuple>

using namespace vilmor;

namespace {

std::tuple<int, int, int> Rgb(int32_t i) {
    ColoreRGB c;
    ColoreACI(i, c);
    return {c.R, c.G, c.B};
}

// The palette rule written out another way: hue sextants of 60° on a linear ramp.
std::tuple<int, int, int> Regola(int i) {
    const int h = (i - 10) / 10, d = (i - 10) % 10;
    const double v = std::array{255.0, 204.0, 153.0, 127.0, 76.0}[d / 2];
    const double basso = (d & 1) ? v * 0.5 : 0.0;
    auto peso = [&](int picco) {
        const int diff = (15 * h - picco + 360) % 360;
        const int dist = std::min(diff, 360 - diff);
        return std::clamp((120.0 - dist) / 60.0, 0.0, 1.0);
    };
    auto canale = [&](int picco) { return static_cast<int>(basso + (v - basso) * peso(picco)); };
    return {canale(0), canale(120), canale(240)};
}

}  // namespace

TEST(ColoriACI, PaletteDaRegolaERigheFisse) {
    for (int i = 10; i <= 249; ++i) EXPECT_EQ(Rgb(i), Regola(i)) << i;
    const std::array<std::tuple<int, int, int, int>, 21> attesi{{{1, 255, 0, 0},
                                                                 {2, 255, 255, 0},
                                                                 {3, 0, 255, 0},
                                                                 {4, 0, 255, 255},
                                                                 {5, 0, 0, 255},
                                                                 {6, 255, 0, 255},
                                                                 {7, 255, 255, 255},
                                                                 {8, 128, 128, 128},
                                                                 {9, 192, 192, 192},
                                                                 {250, 0, 0, 0},
                                                                 {251, 51, 51, 51},
                                                                 {252, 91, 91, 91},
                                                                 {253, 132, 132, 132},
                                                                 {254, 173, 173, 173},
                                                                 {255, 214, 214, 214},
                                                                 {10, 255, 0, 0},
                                                                 {11, 255, 127, 127},
                                                                 {21, 255, 159, 127},
                                                                 {30, 255, 127, 0},
                                                                 {141, 127, 223, 255},
                                                                 {249, 76, 38, 47}}};
    for (auto [i, r, g, b] : attesi) EXPECT_EQ(Rgb(i), std::make_tuple(r, g, b)) << i;
}

TEST(ColoriACI, FuoriTabella) {
    for (int i : {0, 256, -1}) {
        ColoreRGB c{1, 2, 3};
        ColoreACI(i, c);
        EXPECT_EQ(std::make_tuple(c.R, c.G, c.B), std::make_tuple(1, 2, 3)) << i;
        EXPECT_EQ(RgbACI(i), 0) << i;
    }
    EXPECT_EQ(RgbACI(30), 255 + 256 * 127);
}

TEST(ColoriACI, Celle) {
    const std::array<std::pair<int, int>, 6> attesi{{{0, 18}, {119, 240}, {120, 11}, {239, 249}, {240, 1}, {254, 255}}};
    for (auto [cella, indice] : attesi) {
        int32_t i = -5, colore = -5;
        const int32_t r = CellaACI(cella, i, colore);
        EXPECT_EQ(i, indice) << cella;
        EXPECT_EQ(colore, RgbACI(indice));
        EXPECT_EQ(r, colore);
    }
    int32_t i = 0, colore = 0;
    CellaACI(0, i, colore);
    EXPECT_EQ(colore, 76);
    std::set<int> visti;
    for (int c = 0; c < 255; ++c) visti.insert((CellaACI(c, i, colore), i));
    EXPECT_EQ(visti.size(), 255u);
    EXPECT_EQ(*visti.begin(), 1);
    EXPECT_EQ(*visti.rbegin(), 255);
}
