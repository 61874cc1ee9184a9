#include "drawing/LegendaDiffusa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "design/SoletteBarre.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

class LegendaDiffusa : public ::testing::Test {
protected:
    GlobaliProva g;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300, {}, 12, 20);
    LegendaDiffusa() {
        Vista.TwipsPerPixel = 15;
        Vista.CodiceVista = 0;
        m.Diffusa.AreaDiffSup1 = m.Diffusa.AreaDiffSup2 = 5.654867f;
        m.Diffusa.DiamDiffInf1 = 10, m.Diffusa.PassoDiffInf1 = 12.5f, m.Diffusa.AreaDiffInf1 = 6.283185f;
        m.Diffusa.DiamDiffInf2 = 8, m.Diffusa.PassoDiffInf2 = 25, m.Diffusa.AreaDiffInf2 = 2.010619f;
    }
    // Text -> position.
    std::map<std::string, std::pair<double, double>> Testi() const {
        std::map<std::string, std::pair<double, double>> r;
        for (const auto& c : pp.Legenda.Di("Testo")) r[c.Testo] = {c.Num[0], c.Num[1]};
        return r;
    }
};

const std::string D = "\xC3\x98";

}  // namespace

TEST_F(LegendaDiffusa, DirezioniEMagliaSuperiore) {
    DisLegenda(m);
    const auto& ch = pp.Legenda.Chiamate;
    ASSERT_GE(ch.size(), 3u);
    EXPECT_EQ(ch[0].Op, "DisegnoPersistente");
    EXPECT_EQ(ch[0].Num[0], 1);
    EXPECT_EQ(ch[1].Op, "Pulisci");
    EXPECT_EQ(ch[2].Op, "SpessoreLinea");
    EXPECT_EQ(ch[2].Num[0], 2);
    EXPECT_EQ(ch[ch.size() - 2].Op, "SpessoreLinea");
    EXPECT_EQ(ch[ch.size() - 2].Num[0], 1);
    EXPECT_EQ(ch.back().Op, "DisegnoPersistente");
    EXPECT_EQ(ch.back().Num[0], 0);

    const auto linee = pp.Legenda.Di("Linea");
    ASSERT_EQ(linee.size(), 10u);
    std::vector<double> y1, x2;
    for (int i = 0; i < 5; ++i) {
        const auto& c = linee[static_cast<size_t>(i)];
        EXPECT_EQ(c.Num[4], ColorePalette(12));
        EXPECT_NEAR(std::min(c.Num[0], c.Num[2]), 795, 1e-3);
        EXPECT_NEAR(std::max(c.Num[0], c.Num[2]), 1455, 1e-3);
        EXPECT_NEAR(c.Num[1], c.Num[3], 1e-3);
        y1.push_back(std::round(c.Num[1]));
    }
    std::sort(y1.begin(), y1.end());
    EXPECT_EQ(y1, (std::vector<double>{980, 1090, 1200, 1310, 1420}));
    for (int i = 5; i < 10; ++i) {
        const auto& c = linee[static_cast<size_t>(i)];
        EXPECT_EQ(c.Num[4], ColorePalette(2));
        EXPECT_NEAR(std::min(c.Num[1], c.Num[3]), 870, 1e-3);
        EXPECT_NEAR(std::max(c.Num[1], c.Num[3]), 1530, 1e-3);
        EXPECT_NEAR(c.Num[0], c.Num[2], 1e-3);
        x2.push_back(std::round(c.Num[0]));
    }
    std::sort(x2.begin(), x2.end());
    EXPECT_EQ(x2, (std::vector<double>{2405, 2515, 2625, 2735, 2845}));

    using P = std::pair<double, double>;
    const std::map<std::string, P> attesi = {
        {"Orientamento delle armature:", {675, 180}},
        {"Direzione 1", {675, 450}},
        {"Direzione 2", {2250, 450}},
        {"Armatura diffusa lato sup:", {675, 1800}},
        {"1" + D + " 12/ 20", {2250, 2100}},  // the two directions alike: the second wins the map
        {"5.7 cmq/m", {2250, 2400}},
    };
    EXPECT_EQ(Testi(), attesi);
    const auto testi = pp.Legenda.Di("Testo");
    ASSERT_EQ(testi.size(), 8u);
    EXPECT_EQ(testi[4].Num, (std::vector<double>{750, 2100}));
    EXPECT_EQ(testi[6].Num, (std::vector<double>{750, 2400}));
}

TEST_F(LegendaDiffusa, FacciaInferioreEMagliaUnica) {
    struct Caso {
        const char* nome;
        int codice, unica;
        const char* titolo;
    };
    const Caso casi[] = {
        {"vista inferiore", 1, 0, "Armatura diffusa lato inf:"},
        {"integrativa superiore", 2, 0, "Armatura diffusa lato inf:"},
        {"taglio", 14, 0, "Armatura diffusa lato inf:"},
        {"maglia unica", 1, 1, "Armatura diffusa:"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.Legenda.Chiamate.clear();
        Vista.CodiceVista = c.codice;
        m.Progetto.MagliaUnica = c.unica;
        DisLegenda(m);
        const auto t = Testi();
        EXPECT_EQ(t.count(c.titolo), 1u);
        EXPECT_EQ(t.at(c.titolo), (std::pair<double, double>{675, 1800}));
        EXPECT_EQ(t.at("1" + D + " 10/ 12.5"), (std::pair<double, double>{750, 2100}));
        EXPECT_EQ(t.at("1" + D + " 8/ 25"), (std::pair<double, double>{2250, 2100}));
        EXPECT_EQ(t.at("6.3 cmq/m"), (std::pair<double, double>{750, 2400}));
        EXPECT_EQ(t.at("2.0 cmq/m"), (std::pair<double, double>{2250, 2400}));
    }
}

TEST_F(LegendaDiffusa, SenzaPannello) {
    Piatt.Picture2 = nullptr;
    DisLegenda(m);
    EXPECT_TRUE(pp.Legenda.Chiamate.empty());
}
