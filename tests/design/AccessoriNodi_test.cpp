#include "design/AccessoriNodi.h"

#include <gtest/gtest.h>

using namespace vilmor;

namespace {
Modello ConUnNodo() {
    Modello m;
    Nodo n;
    n.RichSup1 = 1;
    n.RichSup2 = 2;
    n.RichInf1 = 3;
    n.RichInf2 = 4;
    n.RichTaglio1 = 1.25f;
    n.RichTaglio2 = 2.5f;
    n.ResSup1 = -1;
    n.ResSup2 = -2;
    n.ResInf1 = -3;
    n.ResInf2 = -4;
    n.ResTaglio = -5;
    m.Analisi.Nodi = {n, Nodo{}};
    m.Analisi.NumNodi = 1;
    m.Diffusa = {.DiamDiffSup1 = 10, .DiamDiffSup2 = 12, .DiamDiffInf1 = 14, .DiamDiffInf2 = 16,
                 .PassoDiffSup1 = 20, .PassoDiffSup2 = 25, .PassoDiffInf1 = 30, .PassoDiffInf2 = 35};
    return m;
}
}  // namespace

TEST(AccessoriNodi, StratiDelNodo) {
    const Modello m = ConUnNodo();
    // Strato order: upper 1, lower 1, upper 2, lower 2, shear; the fields are Sup1, Sup2, Inf1, Inf2.
    const float richiesta[] = {1, 3, 2, 4, 3.75f, 0, 0};
    const float bilancio[] = {-1, -3, -2, -4, -5, 0, 0};
    const int strati[] = {0, 1, 2, 3, 4, 5, -1};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(RichiestaNodo(m, strati[k], 0), richiesta[k]) << strati[k];
        EXPECT_EQ(BilancioNodo(m, strati[k], 0), bilancio[k]) << strati[k];
    }
}

TEST(AccessoriNodi, MagliaDiffusa) {
    Modello m = ConUnNodo();
    const float diam[] = {10, 14, 12, 16};
    const float passo[] = {20, 30, 25, 35};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(LeggiDiamDiff(m, s), diam[s]) << s;
        EXPECT_EQ(LeggiPassoDiff(m, s), passo[s]) << s;
        EXPECT_EQ(LeggiPassoDiffVar(m, s), passo[s]) << s;
    }
    for (int s : {4, -1, 7}) {
        EXPECT_EQ(LeggiDiamDiff(m, s), 0);
        EXPECT_EQ(LeggiPassoDiff(m, s), 0);
        EXPECT_FALSE(LeggiPassoDiffVar(m, s).has_value());
        EXPECT_EQ(LeggiPassoDiffVar(m, s).value_or(0), 0);
    }

    SettaDiamDiff(m, 2, 16);
    EXPECT_EQ(m.Diffusa.DiamDiffSup2, 16);
    EXPECT_EQ(LeggiDiamDiff(m, 2), 16.0f);
    EXPECT_EQ(m.Diffusa.DiamDiffSup1, 10);
    EXPECT_EQ(m.Diffusa.DiamDiffInf1, 14);
    EXPECT_EQ(m.Diffusa.DiamDiffInf2, 16);
    SettaPassoDiff(m, 1, 12.5f);
    EXPECT_EQ(m.Diffusa.PassoDiffInf1, 12.5f);

    // Outside 0 .. 3 nothing is written.
    const Modello prima = m;
    SettaPassoDiff(m, 4, 20);
    SettaDiamDiff(m, 4, 20);
    SettaPassoDiff(m, -1, 20);
    EXPECT_EQ(m.Diffusa.PassoDiffSup1, prima.Diffusa.PassoDiffSup1);
    EXPECT_EQ(m.Diffusa.PassoDiffSup2, prima.Diffusa.PassoDiffSup2);
    EXPECT_EQ(m.Diffusa.PassoDiffInf1, prima.Diffusa.PassoDiffInf1);
    EXPECT_EQ(m.Diffusa.PassoDiffInf2, prima.Diffusa.PassoDiffInf2);
    EXPECT_EQ(m.Diffusa.DiamCavalletti, prima.Diffusa.DiamCavalletti);
    EXPECT_EQ(m.Diffusa.PassoCavalletti1, prima.Diffusa.PassoCavalletti1);
}
