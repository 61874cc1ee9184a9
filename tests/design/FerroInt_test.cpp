#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/BarreZone.h"
#include "design/SoletteBarre.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

class FerroInt : public ::testing::Test {
protected:
    GlobaliProva g;
    PiattaformaProva pp;
    Modello m;

    // Zone `indice` (the ones before it are empty) with its bar and reference point.
    void Zona_(int indice, Punto e1, Punto e2, Punto r) {
        m.Zone.Zone.assign(static_cast<size_t>(indice) + 1, Zona{});
        m.Zone.UltimaZona = indice;
        Zona& z = m.Zone.Zone[static_cast<size_t>(indice)];
        z.XBarra1 = e1.X, z.YBarra1 = e1.Y, z.XBarra2 = e2.X, z.YBarra2 = e2.Y;
        z.XRif = r.X, z.YRif = r.Y;
    }
    std::vector<Entita> Di(const SinkRegistrato& s, const std::string& tipo) const {
        std::vector<Entita> r;
        for (const Entita& e : s.Entita_)
            if (e.Tipo == tipo) r.push_back(e);
        return r;
    }
};

void LineaUguale(const Entita& e, float x1, float y1, float x2, float y2, float tol = 1e-3f) {
    EXPECT_NEAR(e.Num[0], x1, tol);
    EXPECT_NEAR(e.Num[1], y1, tol);
    EXPECT_NEAR(e.Num[2], x2, tol);
    EXPECT_NEAR(e.Num[3], y2, tol);
    EXPECT_EQ(e.Num[4], 9);
    EXPECT_EQ(e.Num[5], 0);
}

}  // namespace

TEST_F(FerroInt, CapoBarraCerchioENumero) {
    struct Caso {
        const char* nome;
        Punto e1, e2, r;
        float piede[2], q[2], barra[4];
        float xTesto;
        int oriz;
        float tol;
    };
    const Caso casi[] = {
        {"riferimento sopra la barra", {100, 100}, {300, 100}, {200, 150}, {200, 100}, {200, 136},
         {100, 100, 300, 100}, 218, 0, 1e-3f},
        {"oltre la seconda estremità", {100, 100}, {300, 100}, {400, 150}, {400, 100}, {400, 136},
         {400, 100, 100, 100}, 418, 0, 1e-3f},
        {"prima della prima estremità", {100, 100}, {300, 100}, {50, 150}, {50, 100}, {50, 136},
         {50, 100, 300, 100}, 32, 2, 1e-3f},
        {"barra di lunghezza nulla", {100, 100}, {100, 100}, {150, 150}, {100, 100}, {140.1f, 140.1f},
         {100, 100, 100, 100}, 168, 0, 0.01f},
        {"riferimento più vicino del raggio", {100, 100}, {300, 100}, {200, 105}, {200, 100}, {200, 91},
         {100, 100, 300, 100}, 218, 0, 1e-3f},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.SinkVideo.Entita_.clear();
        Zona_(0, c.e1, c.e2, c.r);
        DisFerroInt(m, 0, 0, 0, "6\xC3\x98" "12/20", "L=245", 0);
        const auto linee = Di(pp.SinkVideo, "Linea");
        ASSERT_EQ(linee.size(), 2u);
        LineaUguale(linee[0], c.piede[0], c.piede[1], c.q[0], c.q[1], c.tol);
        LineaUguale(linee[1], c.barra[0], c.barra[1], c.barra[2], c.barra[3], c.tol);
        const auto cerchi = Di(pp.SinkVideo, "Cerchio");
        ASSERT_EQ(cerchi.size(), 1u);
        EXPECT_EQ(cerchi[0].Num, (std::vector<double>{c.r.X, c.r.Y, 14, 9, 0}));
        const auto testi = Di(pp.SinkVideo, "Testo");
        ASSERT_EQ(testi.size(), 3u);
        EXPECT_EQ(testi[0].Testo, "1");
        EXPECT_EQ(testi[0].Num, (std::vector<double>{c.r.X, c.r.Y, 3, 18, 1, 1, 0}));
        EXPECT_EQ(testi[1].Testo, "6\xC3\x98" "12/20");
        EXPECT_EQ(testi[1].Num, (std::vector<double>{c.xTesto, c.r.Y + 9, 0, 18, double(c.oriz), 1, 0}));
        EXPECT_EQ(testi[2].Testo, "L=245");
        EXPECT_EQ(testi[2].Num, (std::vector<double>{c.xTesto, c.r.Y - 9, 0, 18, double(c.oriz), 1, 0}));
    }
}

TEST_F(FerroInt, EtichetteScalaEOffset) {
    Zona_(600, {100, 100}, {300, 100}, {200, 150});

    // Without a first label there is no description, whatever the second says.
    DisFerroInt(m, 0, 0, 600, "", "L=245", 0);
    auto testi = Di(pp.SinkVideo, "Testo");
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(testi[0].Testo, "601");

    // One label: on the reference point's height.
    pp.SinkVideo.Entita_.clear();
    DisFerroInt(m, 0, 0, 600, "6\xC3\x98" "12/20 L=245", "", 0);
    testi = Di(pp.SinkVideo, "Testo");
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[1].Num[0], 218);
    EXPECT_EQ(testi[1].Num[1], 150);

    // The 1:100 sheet spreads the two lines; the offset moves everything.
    Vista.Scala50Corrente = 0;
    DisFerroInt(m, 1000, -500, 600, "a", "b", 1);
    testi = Di(pp.SinkDxf, "Testo");
    ASSERT_EQ(testi.size(), 3u);
    EXPECT_EQ(testi[0].Num[0], 1200);
    EXPECT_EQ(testi[0].Num[1], -350);
    EXPECT_NEAR(testi[1].Num[0], 1218, 1e-3);
    EXPECT_NEAR(testi[1].Num[1], -350 + 25.2, 1e-3);
    EXPECT_NEAR(testi[2].Num[1], -350 - 25.2, 1e-3);
    EXPECT_TRUE(pp.SinkVideo.Entita_.size() == 5u);  // the screen got nothing more
    const auto linee = Di(pp.SinkDxf, "Linea");
    ASSERT_EQ(linee.size(), 2u);
    LineaUguale(linee[1], 1100, -400, 1300, -400);

    // Measuring draws nothing.
    pp.SinkVideo.Entita_.clear();
    DisFerroInt(m, 0, 0, 600, "a", "b", -1);
    EXPECT_TRUE(pp.SinkVideo.Entita_.empty());
}

TEST(FerroIntLayout, UnaVoltaPerZonaDisegnata) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Edit.DescrizioneCompleta = 1;
    Modello m = SolettaProva(Rettangolo400x300);
    AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 1, 0, 12, 20);
    AggiungiZona(m, {{38, 280}, {362, 280}, {362, 220}, {38, 220}}, 0, 0, 12, 20);
    AggiungiZona(m, {{50, 90}, {150, 90}, {150, 20}, {50, 20}}, 1, 0, 12, 20);
    CalcolaFerriZone(m, 0, 0, 1, 0);
    std::vector<std::string> numeri;
    for (const Entita& e : pp.SinkVideo.Entita_)
        if (e.Tipo == "Testo" && e.Num[2] == 3) numeri.push_back(e.Testo);
    EXPECT_EQ(numeri, (std::vector<std::string>{"1", "3"}));
    // Each zone's first label stands beside its circle.
    int descrizioni = 0;
    for (const Entita& e : pp.SinkVideo.Entita_)
        if (e.Tipo == "Testo" && e.Num[2] == 0 && e.Num[3] == 18) ++descrizioni;
    EXPECT_EQ(descrizioni, 2);
}
