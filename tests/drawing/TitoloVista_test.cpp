#include "drawing/TitoloVista.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design/SoletteBarre.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string D = "\xC3\x98";

class TitoloVista : public ::testing::Test {
protected:
    GlobaliProva g;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300, {}, 12, 20);
    TitoloVista() {
        Vista.Scala50Corrente = 1;
        m.Progetto.NumeroSoletta = 12;
        m.Progetto.Spessore = 25;
        m.Progetto.Copriferro = 3;
        MagliaDiffusa& d = m.Diffusa;
        d.DiamDiffInf1 = d.DiamDiffInf2 = 10;
        d.AreaDiffSup1 = d.AreaDiffSup2 = 5.654867f;
        d.AreaDiffInf1 = 3.926991f;
        d.AreaDiffInf2 = 2.5f;
        d.DiamCavalletti = 12;
        d.PassoCavalletti1 = d.PassoCavalletti2 = 50;
    }
    std::vector<Entita> Di(const std::string& tipo, int layer = -1) const {
        std::vector<Entita> r;
        for (const Entita& e : pp.SinkVideo.Entita_) {
            if (e.Tipo != tipo) continue;
            const size_t iLayer = tipo == "Testo" ? 3 : 4;
            if (layer >= 0 && e.Num[iLayer] != layer) continue;
            r.push_back(e);
        }
        return r;
    }
    // The text's entity; fails the test when it is not drawn exactly once.
    Entita Testo(const std::string& t) const {
        std::vector<Entita> r;
        for (const Entita& e : Di("Testo"))
            if (e.Testo == t) r.push_back(e);
        EXPECT_EQ(r.size(), 1u) << t;
        return r.empty() ? Entita{} : r[0];
    }
    void Zona_(int tipo) {
        Zona z;
        z.Tipo = tipo;
        z.Diametro = 12;
        z.Passo = 15;
        m.Zone.Zone.push_back(z);
        m.Zone.UltimaZona = static_cast<int>(m.Zone.Zone.size()) - 1;
    }
};

// x, y, kind, orizz, vert of a text entity.
std::vector<double> Posto(const Entita& e) { return {e.Num[0], e.Num[1], e.Num[2], e.Num[4], e.Num[5]}; }

bool Vicini(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::fabs(a[i] - b[i]) > 1e-3) return false;
    return true;
}

}  // namespace

TEST_F(TitoloVista, DiffusaSuperiore) {
    DisTitoloVista(m, 0, 0, 0, 0);
    for (const Entita& e : Di("Testo")) {
        EXPECT_EQ(e.Num[3], 19) << e.Testo;
        EXPECT_EQ(e.Num[6], 0) << e.Testo;
    }
    EXPECT_EQ(Posto(Testo("Soletta  12")), (std::vector<double>{0, 24, 2, 0, 0}));
    EXPECT_EQ(Posto(Testo("Armatura diffusa lato superiore")), (std::vector<double>{0, 0, 1, 0, 0}));
    EXPECT_EQ(Posto(Testo("dir. 1")), (std::vector<double>{70, -45, 1, 0, 2}));
    EXPECT_EQ(Posto(Testo("dir. 2")), (std::vector<double>{250, -45, 1, 0, 2}));
    const auto barre = Di("Testo");
    std::vector<double> xBarre, xAree;
    for (const Entita& e : barre) {
        if (e.Testo == "1" + D + " 12/ 20") {
            xBarre.push_back(e.Num[0]);
            EXPECT_EQ(e.Num[1], -65);
        }
        if (e.Testo == "5.7 cmq/m") {
            xAree.push_back(e.Num[0]);
            EXPECT_EQ(e.Num[1], -85);
        }
    }
    EXPECT_EQ(xBarre, (std::vector<double>{70, 250}));
    EXPECT_EQ(xAree, (std::vector<double>{70, 250}));

    const auto dir1 = Di("Linea", 20);
    ASSERT_EQ(dir1.size(), 5u);
    std::vector<double> y;
    for (const Entita& e : dir1) {
        EXPECT_NEAR(e.Num[0], 5, 1e-3);
        EXPECT_NEAR(e.Num[2], 55, 1e-3);
        y.push_back(std::round(e.Num[1]));
    }
    EXPECT_EQ(y, (std::vector<double>{-70, -60, -80, -50, -90}));
    const auto dir2 = Di("Linea", 21);
    ASSERT_EQ(dir2.size(), 5u);
    EXPECT_TRUE(Vicini({dir2[0].Num[0], dir2[0].Num[1], dir2[0].Num[2], dir2[0].Num[3]}, {210, -95, 210, -45}));

    EXPECT_EQ(Posto(Testo("Assonometria cavalletti distanziatori " + D + " 12")),
              (std::vector<double>{115, -160, 0, 0, 0}));
    EXPECT_EQ(Posto(Testo("a=24 cm,  b=18cm,  h=17 cm")), (std::vector<double>{115, -180, 0, 0, 0}));
    EXPECT_EQ(Posto(Testo("1/50 dir.1,  1/50 dir.2")), (std::vector<double>{115, -200, 0, 0, 0}));

    const auto schizzo = Di("Linea", 10);
    ASSERT_EQ(schizzo.size(), 9u);
    EXPECT_TRUE(Vicini(schizzo[0].Num, {-10, -235, 28, -211, 10, 0}));
    EXPECT_TRUE(Vicini(schizzo[8].Num, {62, -229, 100, -205, 10, 0}));
    EXPECT_EQ(Posto(Testo("b")), (std::vector<double>{48, -129, 1, 1, 2}));
}

TEST_F(TitoloVista, Cavalletti) {
    struct Caso {
        const char* nome;
        int diam;
        float passo1, passo2;
        const char* misure;  // empty: no sketch
    };
    const Caso casi[] = {
        {"diametro 6: minimi", 6, 50, 50, "a=15 cm,  b=10cm,  h=17 cm"},
        {"diametro 10", 10, 50, 50, "a=20 cm,  b=15cm,  h=17 cm"},
        {"diametro 7: b 10.5 pari", 7, 40, 60.5f, "a=15 cm,  b=10cm,  h=17 cm"},
        {"passo nullo", 12, 0, 50, ""},
        {"secondo passo nullo", 12, 50, 0, ""},
        {"diametro nullo", 0, 50, 50, ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.SinkVideo.Entita_.clear();
        m.Diffusa.DiamCavalletti = c.diam;
        m.Diffusa.PassoCavalletti1 = c.passo1;
        m.Diffusa.PassoCavalletti2 = c.passo2;
        DisTitoloVista(m, 0, 0, 0, 0);
        const bool schizzo = c.misure[0] != 0;
        EXPECT_EQ(Di("Linea", 10).size(), schizzo ? 9u : 0u);
        int testi = 0;
        for (const Entita& e : Di("Testo"))
            if (e.Testo.rfind("a=", 0) == 0) {
                ++testi;
                EXPECT_EQ(e.Testo, c.misure);
            }
        EXPECT_EQ(testi, schizzo ? 1 : 0);
    }
    m.Diffusa.DiamCavalletti = 7;
    m.Diffusa.PassoCavalletti1 = 40;
    m.Diffusa.PassoCavalletti2 = 62.5f;
    pp.SinkVideo.Entita_.clear();
    DisTitoloVista(m, 0, 0, 0, 0);
    Testo("1/40 dir.1,  1/62.5 dir.2");
}

TEST_F(TitoloVista, ScalaCentoRaddoppiaLeRighe) {
    Vista.Scala50Corrente = 0;
    DisTitoloVista(m, 100, 200, 0, 1);
    pp.SinkVideo.Entita_ = pp.SinkDxf.Entita_;
    EXPECT_EQ(Testo("Soletta  12").Num[1], 248);
    EXPECT_EQ(Testo("dir. 1").Num[1], 110);
    EXPECT_EQ(Testo("a=24 cm,  b=18cm,  h=17 cm").Num[1], 200 - 280 - 80);
    // The symbols and the sketch keep their size.
    const auto dir1 = Di("Linea", 20);
    ASSERT_EQ(dir1.size(), 5u);
    EXPECT_TRUE(Vicini(dir1[0].Num, {105, 130, 155, 130, 20, 0}));
    const auto schizzo = Di("Linea", 10);
    ASSERT_EQ(schizzo.size(), 9u);
    EXPECT_TRUE(Vicini(schizzo[0].Num, {90, 200 - 280 - 95, 128, 200 - 280 - 71, 10, 0}));
}

TEST_F(TitoloVista, DiffusaInferiore) {
    DisTitoloVista(m, 0, 0, 1, 0);
    EXPECT_EQ(Posto(Testo("Armatura diffusa lato inferiore")), (std::vector<double>{0, 0, 1, 0, 0}));
    EXPECT_EQ(Di("Testo").size(), 7u);  // title, two directions of three rows: no slab, no chairs
    EXPECT_TRUE(Di("Linea", 10).empty());
    EXPECT_EQ(Testo("3.9 cmq/m").Num[0], 70);

    pp.SinkVideo.Entita_.clear();
    m.Progetto.MagliaUnica = 1;
    DisTitoloVista(m, 0, 0, 1, 0);
    Testo("Armatura diffusa");
}

TEST_F(TitoloVista, TabellaZone) {
    Zona_(0);
    Zona_(1);
    Zona_(0);
    DisTitoloVista(m, 0, 0, 2, 0);
    EXPECT_EQ(Posto(Testo("Armatura integrativa lato superiore")), (std::vector<double>{0, 0, 1, 0, 0}));
    EXPECT_EQ(Posto(Testo("Pos.")), (std::vector<double>{10, -25, 0, 0, 0}));
    EXPECT_EQ(Posto(Testo("Dir.")), (std::vector<double>{63, -25, 0, 0, 0}));
    EXPECT_EQ(Posto(Testo("Diam./Passo")), (std::vector<double>{115, -25, 0, 0, 0}));
    EXPECT_EQ(Posto(Testo("1")), (std::vector<double>{25, -45, 0, 1, 0}));
    EXPECT_EQ(Posto(Testo("3")), (std::vector<double>{25, -65, 0, 1, 0}));
    std::vector<std::vector<double>> righe;
    for (const Entita& e : Di("Testo")) {
        if (e.Testo == " 1") righe.push_back(Posto(e));
        if (e.Testo == D + " 12 /15") righe.push_back(Posto(e));
    }
    EXPECT_EQ(righe, (std::vector<std::vector<double>>{
                         {71, -45, 0, 1, 0}, {115, -45, 0, 0, 0}, {71, -65, 0, 1, 0}, {115, -65, 0, 0, 0}}));
    std::vector<std::vector<double>> regole;
    for (const Entita& e : Di("Linea", 9)) regole.push_back({e.Num[0], e.Num[1], e.Num[2], e.Num[3]});
    EXPECT_EQ(regole, (std::vector<std::vector<double>>{{0, -5, 220, -5},
                                                        {0, -25, 220, -25},
                                                        {0, -25, 220, -25},
                                                        {0, -45, 220, -45},
                                                        {0, -65, 220, -65},
                                                        {0, -5, 0, -65},
                                                        {50, -5, 50, -65},
                                                        {100, -5, 100, -65},
                                                        {220, -5, 220, -65}}));

    pp.SinkVideo.Entita_.clear();
    DisTitoloVista(m, 0, 0, 3, 0);
    Testo("Armatura integrativa lato inferiore");
    EXPECT_EQ(Posto(Testo("2")), (std::vector<double>{25, -45, 0, 1, 0}));
    EXPECT_EQ(Di("Linea", 9).size(), 8u);

    // No zone of the face: the header in its own box.
    pp.SinkVideo.Entita_.clear();
    m.Zone.Zone[1].Tipo = 2;
    DisTitoloVista(m, 0, 0, 3, 0);
    EXPECT_EQ(Di("Testo").size(), 4u);
    regole.clear();
    for (const Entita& e : Di("Linea", 9)) regole.push_back({e.Num[0], e.Num[1], e.Num[2], e.Num[3]});
    EXPECT_EQ(regole.size(), 7u);
    EXPECT_EQ(regole[2], (std::vector<double>{0, -25, 220, -25}));
    EXPECT_EQ(regole[6], (std::vector<double>{220, -5, 220, -25}));

    // No zone at all: the title alone.
    pp.SinkVideo.Entita_.clear();
    m.Zone.UltimaZona = -1;
    DisTitoloVista(m, 0, 0, 2, 0);
    EXPECT_EQ(Di("Testo").size(), 1u);
    EXPECT_TRUE(Di("Linea").empty());

    // 1:100: rows and columns twice as far apart.
    pp.SinkVideo.Entita_.clear();
    m.Zone.UltimaZona = 2;
    Vista.Scala50Corrente = 0;
    DisTitoloVista(m, 0, 0, 2, 0);
    EXPECT_EQ(Posto(Testo("3")), (std::vector<double>{50, -130, 0, 1, 0}));
    EXPECT_EQ(Di("Linea", 9).back().Num, (std::vector<double>{440, -10, 440, -130, 9, 0}));
}

TEST_F(TitoloVista, TaglioEAltre) {
    DisTitoloVista(m, 0, 0, 4, 0);
    const auto testi = Di("Testo");
    ASSERT_EQ(testi.size(), 9u);
    EXPECT_EQ(testi[0].Testo, "Armatura a taglio");
    EXPECT_EQ(testi[0].Num[2], 1);
    const double y[] = {-25, -50, -70, -90, -110, -130, -150, -170};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(testi[static_cast<size_t>(i) + 1].Num[1], y[i]);
        EXPECT_EQ(testi[static_cast<size_t>(i) + 1].Num[2], 0);
    }
    EXPECT_EQ(testi[2].Testo, "N x " + D + "D - L / n (d1+d2)");
    EXPECT_EQ(testi[8].Testo, "d2 - distanza tra i successivi pioli per num. di pioli rimanenti");

    pp.SinkVideo.Entita_.clear();
    m.Progetto.MagliaUnica = 1;
    DisTitoloVista(m, 0, 0, 1, 0);
    Testo("Armatura diffusa");
    for (int pianta : {5, -1, 6}) {
        pp.SinkVideo.Entita_.clear();
        DisTitoloVista(m, 0, 0, pianta, 0);
        EXPECT_TRUE(pp.SinkVideo.Entita_.empty()) << pianta;
    }
}
