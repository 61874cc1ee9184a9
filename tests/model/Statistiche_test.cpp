#include "model/Statistiche.h"

#include <gtest/gtest.h>

using namespace vilmor;

TEST(CalcAreeDiffuse, Casi) {
    struct {
        const char* nome;
        MagliaDiffusa d;
        float sup1, sup2, inf1, inf2, cavalletti;
    } casi[] = {
        {"strati e cavalletti",
         {.DiamDiffSup1 = 12, .DiamDiffSup2 = 16, .DiamDiffInf1 = 12, .DiamDiffInf2 = 16,
          .PassoDiffSup1 = 20, .PassoDiffSup2 = 15, .PassoDiffInf1 = 20, .PassoDiffInf2 = 15,
          .DiamCavalletti = 12, .PassoCavalletti1 = 50, .PassoCavalletti2 = 50},
         5.654867f, 13.40413f, 5.654867f, 13.40413f, 9.047787f},
        {"cavalletti senza diametro",
         {.DiamDiffSup1 = 12, .DiamDiffSup2 = 12, .DiamDiffInf1 = 12, .DiamDiffInf2 = 12,
          .PassoDiffSup1 = 20, .PassoDiffSup2 = 20, .PassoDiffInf1 = 20, .PassoDiffInf2 = 20,
          .DiamCavalletti = 0, .PassoCavalletti1 = 50, .PassoCavalletti2 = 50},
         5.654867f, 5.654867f, 5.654867f, 5.654867f, 0},
        // A layer without spacing provides nothing; the others and the chairs are computed.
        {"passo superiore nullo",
         {.DiamDiffSup1 = 12, .DiamDiffSup2 = 16, .DiamDiffInf1 = 12, .DiamDiffInf2 = 16,
          .PassoDiffSup1 = 20, .PassoDiffSup2 = 0, .PassoDiffInf1 = 20, .PassoDiffInf2 = 15,
          .DiamCavalletti = 12, .PassoCavalletti1 = 50, .PassoCavalletti2 = 50},
         5.654867f, 0, 5.654867f, 13.40413f, 9.047787f},
        {"passi inferiori negativi",
         {.DiamDiffSup1 = 12, .DiamDiffSup2 = 16, .DiamDiffInf1 = 12, .DiamDiffInf2 = 16,
          .PassoDiffSup1 = 20, .PassoDiffSup2 = 15, .PassoDiffInf1 = -5, .PassoDiffInf2 = 0,
          .DiamCavalletti = 12, .PassoCavalletti1 = 0, .PassoCavalletti2 = 50},
         5.654867f, 13.40413f, 0, 0, 0},
    };
    for (auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m;
        m.Diffusa = c.d;
        // Stale values of another slab must not survive.
        m.Diffusa.AreaDiffSup2 = m.Diffusa.AreaDiffInf1 = m.Diffusa.AreaCavalletti = 99;
        CalcAreeDiffuse(m);
        EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup1, c.sup1);
        EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup2, c.sup2);
        EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffInf1, c.inf1);
        EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffInf2, c.inf2);
        EXPECT_FLOAT_EQ(m.Diffusa.AreaCavalletti, c.cavalletti);
    }
}

namespace {
Nodo N(float s1, float s2, float i1, float i2, float t1, float t2) {
    Nodo n;
    n.RichSup1 = s1;
    n.RichSup2 = s2;
    n.RichInf1 = i1;
    n.RichInf2 = i2;
    n.RichTaglio1 = t1;
    n.RichTaglio2 = t2;
    return n;
}
}  // namespace

TEST(CalcStatNodi, Casi) {
    Modello m;
    m.Analisi.Nodi = {N(1, 2, 3, 4, 2.0f, -0.5f), N(3, 0, 1, 8, 0.5f, 0.5f), Nodo{}};
    m.Analisi.NumNodi = 2;
    m.Analisi.MaxRichiesta[5] = 7;
    m.Analisi.MinRichiesta[5] = -7;
    CalcStatNodi(m);
    const auto& a = m.Analisi;
    EXPECT_EQ(a.MaxRichiesta, (std::array<float, 6>{3, 2, 3, 8, 1.5f, 7}));
    EXPECT_EQ(a.MinRichiesta, (std::array<float, 6>{1, 0, 1, 4, 1.0f, -7}));
    EXPECT_EQ(a.MediaRichiesta, (std::array<float, 4>{2, 1, 2, 6}));

    // One node: every maximum equals every minimum.
    m.Analisi.NumNodi = 1;
    CalcStatNodi(m);
    EXPECT_EQ(a.MaxRichiesta, (std::array<float, 6>{1, 2, 3, 4, 1.5f, 7}));
    EXPECT_EQ(a.MinRichiesta, (std::array<float, 6>{1, 2, 3, 4, 1.5f, -7}));

    // No node: nothing changes.
    m.Analisi.NumNodi = 0;
    m.Analisi.Nodi.clear();
    CalcStatNodi(m);
    EXPECT_EQ(a.MaxRichiesta[0], 1);
}
