#include "design/Ancoraggio.h"

#include <gtest/gtest.h>

#include "model/Impostazioni.h"
#include "model/ModMateriali.h"

using namespace vilmor;

namespace {

// Default materials (B450C, C25/30) and anchorage bounds; the previous ones come back afterwards.
struct MaterialiProva {
    Materiali vecchiMat = Mat;
    Impostazioni vecchieImp = Imp;
    MaterialiProva() {
        Imp = Impostazioni{};
        SettaAcciaio(4);
        SettaCls(4);
    }
    ~MaterialiProva() {
        Mat = vecchiMat;
        Imp = vecchieImp;
    }
};

}  // namespace

TEST(Ancoraggio, MaterialiDefault) {
    MaterialiProva mp;
    ASSERT_EQ(Mat.AcciaioCorrente.Fyk, 4500);
    ASSERT_NEAR(Mat.ClsCorrente.Fctm, 25.6, 1e-9);
    ASSERT_EQ(Imp.AncoraggioMin, 20);
    ASSERT_EQ(Imp.AncoraggioMax, 104);
    const int casi[][2] = {{8, 42}, {10, 52}, {12, 62}, {16, 83}, {20, 104}, {24, 125}, {32, 166}, {40, 226}};
    for (auto& c : casi) EXPECT_EQ(CalcAncoraggio(c[0]), c[1]) << "d " << c[0];
}

TEST(Ancoraggio, EsempioFctm25) {
    MaterialiProva mp;
    Mat.ClsCorrente.Fctm = 25;
    const int casi[][2] = {{8, 43}, {12, 64}, {20, 106}, {36, 200}, {40, 231}};
    for (auto& c : casi) EXPECT_EQ(CalcAncoraggio(c[0]), c[1]) << "d " << c[0];
    // The current materials are read at every call.
    Mat.ClsCorrente.Fctm = 25.6;
    EXPECT_EQ(CalcAncoraggio(12), 62);
    Mat.ClsCorrente.Fctm = 25;
    EXPECT_EQ(CalcAncoraggio(12), 64);
}

TEST(Ancoraggio, Limiti) {
    MaterialiProva mp;
    Mat.ClsCorrente.Fctm = 25;
    Imp.AncoraggioMax = 40;
    EXPECT_EQ(CalcAncoraggio(20), 80);
    // A bound on a half centimetre goes to the even neighbour: 32.5 -> 32.
    Imp.AncoraggioMax = 104;
    EXPECT_EQ(CalcAncoraggio(5), 27);
    Imp.AncoraggioMin = 65;
    EXPECT_EQ(CalcAncoraggio(5), 32);
    // Crossed bounds: the upper one stands.
    Imp.AncoraggioMin = 120;
    Imp.AncoraggioMax = 30;
    EXPECT_EQ(CalcAncoraggio(12), 36);
    EXPECT_EQ(CalcAncoraggio(20), 60);
}

TEST(Ancoraggio, SenzaAderenza) {
    MaterialiProva mp;
    for (int d : {0, -4}) EXPECT_EQ(CalcAncoraggio(d), 0) << "d " << d;
    Mat.ClsCorrente.Fctm = 0;
    EXPECT_EQ(CalcAncoraggio(0), 0);
    // No bond stress: the basic length is unbounded and the upper bound stands.
    EXPECT_EQ(CalcAncoraggio(12), 125);  // 124.8
    Mat.ClsCorrente.Fctm = 25.6;
    // The bond factor vanishes at 132 mm and turns negative beyond.
    EXPECT_EQ(CalcAncoraggio(132), 1373);  // 1372.8
    EXPECT_EQ(CalcAncoraggio(140), 1456);
    // A negative bound never makes the length negative.
    Imp.AncoraggioMax = -5;
    EXPECT_EQ(CalcAncoraggio(12), 0);
    Mat.ClsCorrente.Fctm = 0;
    EXPECT_EQ(CalcAncoraggio(12), 0);
}
