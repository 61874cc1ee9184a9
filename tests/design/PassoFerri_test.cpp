#include "design/PassoFerri.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

struct CasoPasso {
    int d;
    float richiesta;
    float atteso;
};

TEST(PassoFerri, TabellaDeiPassi) {
    const CasoPasso casi[] = {
        {12, 15, 7.5f},   // A = 7.54: half centimetres
        {12, 30, 3.5f},   // A = 3.77
        {12, 10, 11},     // A = 11.31: whole centimetres
        {12, 8, 14},      // A = 14.14
        {12, 5, 20},      // A = 22.62: steps of 5 cm
        {12, 0.5f, 100},  // A = 226.2: capped at a metre
        {12, 1, 100},     // A = 113.1: above the maximum setting
        {8, 2, 25},       // A = 25.13
        {12, 0, 30},      // no demand: the maximum setting
        {12, -3, 30},
        {16, 10, 20},     // A = 20.11
        {10, 7, 11},      // A = 11.22
        {8, 12, 4.0f},    // A = 4.19
        {20, 12, 25},     // A = 26.18
        {12, 25, 4.5f},   // A = 4.52
        {14, 5, 30},      // A = 30.79
        {8, 120, 0.5f},   // A = 0.42 would round to 0: the finest step instead
        {12, 226, 0.5f},  // A = 0.50
        {12, 1e6f, 0.5f},
        {0, 10, 30},      // no bar: nothing to lay out closer
    };
    for (const auto& c : casi) {
        EXPECT_FLOAT_EQ(PassoFerri(c.d, c.richiesta, 30), c.atteso) << "d " << c.d << " richiesta " << c.richiesta;
    }
}

TEST(PassoFerri, ValoriDiConfineRestanoEsatti) {
    // A of exactly 10 or 15 is kept as it is (neither band takes it).
    float r10 = 100 * 1.1309733f / 10;   // d 12: A = 10
    float a = PassoFerri(12, r10, 30);
    EXPECT_NEAR(a, 10.0f, 1e-4f);
    EXPECT_GE(PassoFerri(12, std::numeric_limits<float>::quiet_NaN(), 30), 30.0f);
}

TEST(PassoFerri, UsaIlMassimoDelleImpostazioni) {
    float prima = Imp.PassoMaxIntegrativa;
    Imp.PassoMaxIntegrativa = 25;
    EXPECT_FLOAT_EQ(PassoFerri(12, 0), 25.0f);
    EXPECT_FLOAT_EQ(PassoFerri(12, 1), 100.0f);  // the setting does not cap a real demand
    Imp.PassoMaxIntegrativa = prima;
}

TEST(PassoPioli, TabellaDeiPassi) {
    const CasoPasso casi[] = {
        {12, 20, 23},          // 100 / s = 23.78
        {12, 10, 30},          // 33.63, cut to the maximum
        {12, 0, 30},
        {12, 2000, 2},         // 2.38
        {12, 5000, 1},         // 1.50
        {12, 20000, 1},        // 0.75, raised to the minimum
        {12, 28.274334f, 19},  // exactly 20: one less, so the grid provides more than asked
        {10, 50, 12},          // 12.53
        {14, 30, 22},          // 22.65
        {16, 100, 14},         // 14.18
        {10, 78.539816f, 9},   // exactly 10
        {0, 20, 30},           // no stud: nothing to divide by
        {-12, 20, 30},
        {12, -5, 30},          // no root of a negative demand
    };
    for (const auto& c : casi) {
        float p = PassoPioli(c.d, c.richiesta, 30);
        EXPECT_FLOAT_EQ(p, c.atteso) << "d " << c.d << " richiesta " << c.richiesta;
        EXPECT_TRUE(std::isfinite(p));
    }
    EXPECT_FLOAT_EQ(PassoPioli(12, std::numeric_limits<float>::quiet_NaN(), 30), 30.0f);
}

TEST(PassoPioli, UsaIlMassimoDelleImpostazioni) {
    float prima = Imp.PassoMaxPioli;
    Imp.PassoMaxPioli = 20;
    EXPECT_FLOAT_EQ(PassoPioli(12, 10), 20.0f);
    EXPECT_FLOAT_EQ(PassoPioli(0, 10), 20.0f);
    Imp.PassoMaxPioli = prima;
}

}  // namespace
}  // namespace vilmor
