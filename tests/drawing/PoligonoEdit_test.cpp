// The outline under edit on the recording picture: squares, numbers, dotted sides, the typed
// point and its lines, and the dot grid.
#include "drawing/PoligonoEdit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct PoligonoProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    Modello m;
    void SetUp() override {
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 600, 0, 800};
        Vista.AltezzaVideo = 600;
        EditSez = {};
        EditSez.PoolVertici = {{100, 100}, {100, 400}, {600, 400}, {600, 100}};
        EditSez.NumVerticiPool = 4;
        EditSez.OrdineVertici = {0, 1, 2, 3};
        EditSez.UbOrdineVertici = 3;
    }
    std::vector<std::vector<double>> Linee(int32_t colore, bool punteggiata) const {
        std::vector<std::vector<double>> r;
        for (const auto& c : p.Video.Di("Linea"))
            if (c.Num[4] == colore && (c.Num[5] != 0) == punteggiata) r.push_back({c.Num[0], c.Num[1], c.Num[2], c.Num[3]});
        return r;
    }
};

const int32_t Giallo = Rgb(255, 255, 0), Rosso = Rgb(255, 0, 0), GrigioChiaro = Rgb(192, 192, 192);

}  // namespace

TEST_F(PoligonoProva, QuadratiNumeriELati) {
    EditSez.VerticeSelez = 2;
    p.Polig.Testi = {"600", "100"};  // the typed point on vertex 3: no lines
    DisegnaPoligEdit(m);
    const auto quadrati = p.Video.Di("RettangoloPienoRgb");
    ASSERT_EQ(quadrati.size(), 5u);
    EXPECT_EQ(quadrati[0].Num, (std::vector<double>{98, 498, 102, 502, double(Rosso)}));
    EXPECT_EQ(quadrati[2].Num, (std::vector<double>{598, 198, 602, 202, double(Giallo)}));
    EXPECT_EQ(quadrati[4].Num[4], Giallo) << "the typed point";
    const auto numeri = p.Video.Di("TestoRuotato");
    ASSERT_EQ(numeri.size(), 4u);
    EXPECT_EQ(numeri[0].Testo, " 1");
    EXPECT_EQ(numeri[3].Testo, " 4");
    EXPECT_EQ(numeri[1].Num, (std::vector<double>{100, 200, 24, 10, 0}));
    const auto lati = Linee(GrigioChiaro, true);
    ASSERT_EQ(lati.size(), 4u);
    EXPECT_EQ(lati[3], (std::vector<double>{600, 500, 100, 500})) << "the closing side";
    EXPECT_TRUE(Linee(Giallo, true).empty()) << "same pixel column as the selected vertex";
}

TEST_F(PoligonoProva, LineeDalPuntoDigitato) {
    struct Caso {
        int sel;
        std::set<std::vector<double>> attese;
    };
    // The typed point (300, 250) is at pixel (300, 350).
    const Caso casi[] = {{3, {{300, 350, 100, 500}, {300, 350, 600, 200}}},  // last: to 0 and to 2
                         {0, {{300, 350, 100, 200}, {300, 350, 500 + 100, 500}}},  // 0: to 1 and to the last
                         {1, {{300, 350, 600, 200}, {300, 350, 100, 500}}}};
    for (const Caso& c : casi) {
        p.Video.Chiamate.clear();
        EditSez.VerticeSelez = c.sel;
        p.Polig.Testi = {"300", "250"};
        DisegnaPoligEdit(m);
        const auto l = Linee(Giallo, true);
        EXPECT_EQ(std::set<std::vector<double>>(l.begin(), l.end()), c.attese) << c.sel;
    }
    // Same pixel row as the selected vertex: no lines. A box without a number counts as 0.
    p.Video.Chiamate.clear();
    EditSez.VerticeSelez = 1;
    p.Polig.Testi = {"350", "400"};
    DisegnaPoligEdit(m);
    EXPECT_TRUE(Linee(Giallo, true).empty());
    p.Video.Chiamate.clear();
    p.Polig.Testi = {"abc", ""};
    DisegnaPoligEdit(m);
    EXPECT_EQ(p.Video.Di("RettangoloPienoRgb").back().Num, (std::vector<double>{-2, 598, 2, 602, double(Giallo)}));
}

TEST_F(PoligonoProva, Griglia) {
    Vista.FinestraVista = {-8, 41, -15, 37};
    Vista.Scala = 10;
    Imp.PassoGrigliaX = Imp.PassoGrigliaY = 10;
    EditSez.GrigliaAttiva = 1;
    DisegnaPoligEdit(m);
    std::set<double> colonne, righe;
    for (const auto& l : Linee(Rgb(128, 128, 128), false)) {
        colonne.insert(std::round(XDaSchermo(static_cast<float>(l[0]))));
        righe.insert(std::round(YDaSchermo(static_cast<float>(l[1]))));
        EXPECT_EQ(l[2], l[0] + 1);
        EXPECT_EQ(l[3], l[1]);
    }
    EXPECT_EQ(colonne, (std::set<double>{-10, 0, 10, 20, 30}));
    EXPECT_EQ(righe, (std::set<double>{0, 10, 20, 30, 40}));

    // Dots closer than 4 pixels are not drawn.
    p.Video.Chiamate.clear();
    Vista.Scala = 0.39f;
    DisegnaGriglia();
    EXPECT_TRUE(p.Video.Di("Linea").empty());
}
