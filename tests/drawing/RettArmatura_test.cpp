#include "drawing/RettArmatura.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/SoletteBarre.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

class RettArmatura : public ::testing::Test {
protected:
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300);
    RettArmatura() {
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 500, 0, 800};
        Vista.AltezzaVideo = 500;
        Edit.ZonaCorrente = Zona{};
        Edit.ZonaCorrente.Tipo = 0;
        Edit.ZonaCorrente.Diametro = 12;  // anchorage 62 cm
        Edit.ZonaCorrente.Direzione = 0;
        // The view's direction is not the zone's: the zone's counts.
        Vista.DirezioneAttiva = 1;
    }
    std::vector<ChiamataVideo> Linee(bool punteggiate) const {
        std::vector<ChiamataVideo> r;
        for (const auto& c : pp.Video.Di("Linea"))
            if ((c.Num[5] != 0) == punteggiate) r.push_back(c);
        return r;
    }
};

using Segmento4 = std::array<double, 4>;

std::vector<Segmento4> Estremi(const std::vector<ChiamataVideo>& linee) {
    std::vector<Segmento4> r;
    for (const auto& c : linee) r.push_back({c.Num[0], c.Num[1], c.Num[2], c.Num[3]});
    return r;
}

}  // namespace

TEST_F(RettArmatura, ContornoAllungatoETesti) {
    DisRettArmatura(m, 100, 200, 300, 100, 14);
    const auto& ch = pp.Video.Chiamate;
    ASSERT_FALSE(ch.empty());
    EXPECT_EQ(ch.front().Op, "ColorePrimoPiano");
    EXPECT_EQ(ch.front().Num[0], ColorePalette(15));

    const auto rosse = Linee(false);
    ASSERT_EQ(rosse.size(), 4u);
    for (const auto& c : rosse) EXPECT_EQ(c.Num[4], ColorePalette(12));
    EXPECT_EQ(Estremi(rosse), (std::vector<Segmento4>{
                                  {38, 200, 362, 200}, {362, 100, 38, 100}, {362, 100, 362, 200}, {38, 200, 38, 100}}));

    const auto testi = pp.Video.Di("TestoRuotato");
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[0].Testo, "320");
    EXPECT_EQ(testi[0].Num, (std::vector<double>{188, 182, 18, 7, 0}));
    EXPECT_EQ(testi[1].Testo, "100");
    EXPECT_EQ(testi[1].Num, (std::vector<double>{19, 162, 18, 7, 90}));

    const auto punti = Linee(true);
    ASSERT_EQ(punti.size(), 4u);
    for (const auto& c : punti) EXPECT_EQ(c.Num[4], ColorePalette(14));
    EXPECT_EQ(Estremi(punti), (std::vector<Segmento4>{
                                  {100, 200, 300, 200}, {300, 100, 100, 100}, {300, 100, 300, 200}, {100, 200, 100, 100}}));
    // The texts come before the dotted lines, the red lines before the texts.
    std::vector<std::string> ordine;
    for (const auto& c : ch)
        if (c.Op == "Linea" || c.Op == "TestoRuotato") ordine.push_back(c.Op + (c.Op == "Linea" && c.Num[5] ? "." : ""));
    EXPECT_EQ(ordine, (std::vector<std::string>{"Linea", "Linea", "Linea", "Linea", "TestoRuotato", "TestoRuotato",
                                                "Linea.", "Linea.", "Linea.", "Linea."}));
    EXPECT_EQ(pp.Video.PrimoPiano(), ColorePalette(15));
}

TEST_F(RettArmatura, Casi) {
    struct Caso {
        const char* nome;
        int tipo, diametro, direzione;
        float x1, y1, x2, y2;
        std::vector<std::string> testi;
        size_t rosse, punteggiate;
    };
    const std::vector<Caso> casi = {
        {"barre lungo la direzione 2", 0, 12, 1, 100, 200, 300, 100, {"200", "220"}, 4, 4},
        {"faccia inferiore", 1, 12, 0, 300, 100, 100, 200, {"320", "100"}, 4, 4},
        {"angoli uguali", 0, 12, 0, 100, 200, 100, 200, {"120"}, 4, 4},
        {"diametro nullo", 0, 0, 0, 100, 200, 300, 100, {"200", "100"}, 4, 4},
        {"lato troppo corto", 0, 0, 0, 100, 200, 104, 100, {"100"}, 4, 4},
        {"cordolo", 2, 12, 0, 100, 200, 300, 100, {}, 0, 4},
        {"pioli", 3, 12, 0, 100, 200, 300, 100, {}, 0, 4},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.Video.Chiamate.clear();
        Edit.ZonaCorrente.Tipo = c.tipo;
        Edit.ZonaCorrente.Diametro = c.diametro;
        Edit.ZonaCorrente.Direzione = c.direzione;
        DisRettArmatura(m, c.x1, c.y1, c.x2, c.y2, 14);
        std::vector<std::string> testi;
        for (const auto& t : pp.Video.Di("TestoRuotato")) testi.push_back(t.Testo);
        EXPECT_EQ(testi, c.testi);
        EXPECT_EQ(Linee(false).size(), c.rosse);
        EXPECT_EQ(Linee(true).size(), c.punteggiate);
    }
}

TEST_F(RettArmatura, DirezioniParallele) {
    m.Progetto.CosDir2 = m.Progetto.CosDir1;
    m.Progetto.SinDir2 = m.Progetto.SinDir1;
    DisRettArmatura(m, 100, 200, 300, 100, 14);
    EXPECT_TRUE(pp.Video.Di("Linea").empty());
    EXPECT_TRUE(pp.Video.Di("TestoRuotato").empty());
}

TEST_F(RettArmatura, SenzaImmagine) {
    Piatt.Ctrl_Vid = nullptr;
    DisRettArmatura(m, 100, 200, 300, 100, 14);  // nothing to draw on, nothing happens
}
