#include "model/ModMateriali.h"

#include <gtest/gtest.h>

#include "model/Impostazioni.h"
#include "model/definizioni.h"
#include "model/Resource.h"

using namespace vilmor;

namespace {

class ModMaterialiTest : public ::testing::Test {
protected:
    void TearDown() override {
        Mat = vecchi_;
        Imp = vecchie_;
        Strati = strati_;
        Vista = vista_;
        M.Progetto = progetto_;
    }
    Materiali vecchi_ = Mat;
    Impostazioni vecchie_ = Imp;
    StratiDisegno strati_ = Strati;
    StatoVista vista_ = Vista;
    DatiProgetto progetto_ = M.Progetto;
};

}  // namespace

TEST_F(ModMaterialiTest, DopoIDefault) {
    Mat = Materiali{};
    ImpostaDefault();
    EXPECT_EQ(Mat.IndiceAcciaio, 4);
    EXPECT_EQ(Mat.IndiceCls, 4);
    const Acciaio& a = Mat.AcciaioCorrente;
    EXPECT_EQ(a.Nome, "B450C");
    EXPECT_EQ(a.Fyk, 4500);
    EXPECT_EQ(a.Ftk, 5400);
    EXPECT_EQ(a.AderenzaMigliorata, -1);
    EXPECT_EQ(a.E, 2060000);
    EXPECT_EQ(a.Densita, 7850);
    const Calcestruzzo& c = Mat.ClsCorrente;
    EXPECT_EQ(c.Nome, "C25/30");
    EXPECT_EQ(c.ClassiEsposizione, "XC2, XF3");
    EXPECT_EQ(c.Rck, 300);
    EXPECT_EQ(c.FckNominale, 250);
    EXPECT_EQ(c.Fck, 249);
    EXPECT_DOUBLE_EQ(c.Fctm, 25.6);
    EXPECT_EQ(c.Ecm, 314470);
    EXPECT_EQ(c.EcmCalcolo, 314470);
    EXPECT_EQ(c.G, 140388);
    EXPECT_EQ(c.Poisson, 0.12);
    EXPECT_EQ(c.Densita, 2500);
    EXPECT_EQ(Mat.NomiAcciai[0], "FeB 22k");
    EXPECT_EQ(Mat.NomiAcciai[4], "B450C");
    EXPECT_EQ(Mat.NomiAcciai[5], "");
    EXPECT_EQ(Mat.NomiCls[0], "C8/10");
    EXPECT_EQ(Mat.NomiCls[10], "C45/55");
    EXPECT_EQ(Mat.NomiCls[11], "");
}

TEST_F(ModMaterialiTest, ClassiDiCalcestruzzo) {
    // Fck = 0.83 Rck meets exact halves, taken to the even neighbour.
    struct Caso {
        int indice;
        const char* nome;
        double fck, fctm, ecm, g;
    } casi[] = {
        {0, "C8/10", 83, 0, 0, 0},
        {1, "C12/15", 124, 0, 0, 0},
        {3, "C20/25", 208, 0, 0, 0},
        {5, "C28/35", 290, 0, 0, 0},
        {8, "C35/45", 374, 0, 0, 0},
        {10, "C45/55", 456, 38.3, 364060, 162527},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.indice);
        SettaCls(k.indice);
        const Calcestruzzo& c = Mat.ClsCorrente;
        EXPECT_EQ(c.Nome, k.nome);
        EXPECT_EQ(c.Fck, k.fck);
        if (k.ecm != 0) {
            EXPECT_DOUBLE_EQ(c.Fctm, k.fctm);
            EXPECT_EQ(c.Ecm, k.ecm);
            EXPECT_EQ(c.G, k.g);
        }
    }
    // An index outside the table keeps the class and derives again.
    SettaCls(3);
    Mat.ClsCorrente.Fck = 0;
    SettaCls(11);
    EXPECT_EQ(Mat.ClsCorrente.Nome, "C20/25");
    EXPECT_EQ(Mat.ClsCorrente.Fck, 208);
}

TEST_F(ModMaterialiTest, ElenchiLascianoLUltimo) {
    ImpostaDefault();
    ElencoCls();
    EXPECT_EQ(Mat.ClsCorrente.Nome, "C45/55");
    EXPECT_EQ(Mat.ClsCorrente.Fck, 456);
    ElencoAcciai();
    EXPECT_EQ(Mat.AcciaioCorrente.Nome, "B450C");
}

TEST_F(ModMaterialiTest, AcciaioFuoriTabella) {
    SettaAcciaio(1);
    Mat.AcciaioCorrente.E = 0;
    Mat.AcciaioCorrente.Poisson = 0;
    SettaAcciaio(7);
    const Acciaio& a = Mat.AcciaioCorrente;
    EXPECT_EQ(a.Nome, "FeB 32k");
    EXPECT_EQ(a.TensAmmissibile, 1600);
    EXPECT_EQ(a.AderenzaMigliorata, 0);
    EXPECT_EQ(a.Fyk, 3150);
    EXPECT_EQ(a.Allungamento, 0.23);
    EXPECT_EQ(a.E, 2060000);
    EXPECT_EQ(a.G, 793100);
    EXPECT_EQ(a.Poisson, 0.3);
    EXPECT_EQ(a.Dilatazione, 1.2e-05);
    SettaAcciaio(-1);
    EXPECT_EQ(Mat.AcciaioCorrente.Nome, "FeB 32k");
}
