#include "design/DirezioniZona.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/Registrazioni.h"

using namespace vilmor;

namespace {

constexpr double Pi = 3.14159265358979;

// The frames as the slab load sets them, from the two angles in radians.
void Direzioni(DatiProgetto& pr, double a, double b) {
    auto netto = [](double v) { return std::fabs(v) < 1e-5 ? 0.0 : (std::fabs(v - 1) < 1e-5 ? 1.0 : v); };
    pr.AngoloDir1 = static_cast<float>(a);
    pr.AngoloDir2 = static_cast<float>(b);
    pr.CosDir1 = netto(std::cos(a)), pr.SinDir1 = netto(std::sin(a));
    pr.CosDir2 = netto(std::cos(a + b)), pr.SinDir2 = netto(std::sin(a + b));
    pr.CosInvDir1 = netto(std::cos(2 * Pi - a)), pr.SinInvDir1 = netto(std::sin(2 * Pi - a));
    pr.CosInvDir2 = netto(std::cos(2 * Pi - a - b)), pr.SinInvDir2 = netto(std::sin(2 * Pi - a - b));
}

// Restores the project in memory after a test that sets its frames.
struct ProgettoProva {
    DatiProgetto vecchio = M.Progetto;
    ~ProgettoProva() { M.Progetto = vecchio; }
};

}  // namespace

TEST(DirezioniZona, Rotazioni) {
    ProgettoProva salva;
    Direzioni(M.Progetto, 0, Pi / 2);
    float x, y;
    RuotaDirArmatura(0, 3, 4, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    RuotaDirArmatura(1, 3, 4, x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, -3);
    RuotaDirArmaturaInv(1, 4, -3, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    // The outputs may be the inputs.
    x = 3, y = 4;
    RuotaDirArmatura(1, x, y, x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, -3);

    Direzioni(M.Progetto, 30 * Pi / 180, Pi / 2);
    RuotaDirArmatura(0, static_cast<float>(200 * std::cos(Pi / 6)), 100, x, y);
    EXPECT_NEAR(y, 0, 1e-4);
    EXPECT_NEAR(x, 200, 1e-4);

    for (double gradi : {0.0, 30.0, 90.0, 179.8}) {
        for (int dir : {0, 1}) {
            Direzioni(M.Progetto, gradi * Pi / 180, Pi / 3);
            Punto r = RuotaDirArmatura(M.Progetto, dir, 1234.5f, -678.25f);
            Punto b = RuotaDirArmaturaInv(M.Progetto, dir, r.X, r.Y);
            EXPECT_NEAR(b.X, 1234.5f, 1e-3) << gradi << " dir " << dir;
            EXPECT_NEAR(b.Y, -678.25f, 1e-3) << gradi << " dir " << dir;
        }
    }
}

TEST(DirezioniZona, Quadranti) {
    struct {
        float x, y;
        int atteso;
    } casi[] = {{1, 1, 3}, {-1, 1, 2}, {-1, -1, 1}, {1, -1, 0}, {0, 1, 2}, {1, 0, 3}, {-1, 0, 1}, {0, -1, 0}};
    for (const auto& c : casi) EXPECT_EQ(QuadranteSegmento(0, 0, c.x, c.y), c.atteso) << c.x << "," << c.y;
}

TEST(DirezioniZona, OrdineOrario) {
    using A = std::array<Punto, 4>;
    struct {
        A prima, dopo;
    } casi[] = {
        {A{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}}, A{{{0, 0}, {0, 10}, {10, 10}, {10, 0}}}},  // counter-clockwise
        {A{{{0, 0}, {0, 10}, {10, 10}, {10, 0}}}, A{{{0, 0}, {0, 10}, {10, 10}, {10, 0}}}},  // clockwise
        {A{{{0, 0}, {1, 1}, {2, 2}, {3, 3}}}, A{{{0, 0}, {1, 1}, {2, 2}, {3, 3}}}},          // no area
    };
    for (const auto& c : casi) {
        Zona z;
        z.Angoli = c.prima;
        OrdinaZonaOraria(z);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(z.Angoli[i].X, c.dopo[i].X) << i;
            EXPECT_EQ(z.Angoli[i].Y, c.dopo[i].Y) << i;
        }
    }
    Zona vecchia = Edit.ZonaCorrente;
    Edit.ZonaCorrente.Angoli = casi[0].prima;
    OrdinaZonaOraria();
    EXPECT_EQ(Edit.ZonaCorrente.Angoli[1].Y, 10);
    Edit.ZonaCorrente = vecchia;
}

TEST(DirezioniZona, RettangoloRuotato) {
    DatiProgetto pr;
    struct {
        double a, b;
        int dir;
        float L1, L2, c1x, c1y, c2x, c2y;
    } casi[] = {
        {0, Pi / 2, 0, 50, 20, 50, 120, 150, 80},
        {0, Pi / 2, 1, 50, 20, 120, 150, 80, 50},
        {20 * Pi / 180, 60 * Pi / 180, 0, 50, 20, 56.5f, 102.6f, 143.5f, 97.4f},  // O -/+ L1 e1 +/- L2 e2
        {0, Pi / 2, 0, 50, 0, 50, 100, 150, 100},                                 // no width across
        {0, 0, 0, 50, 20, 100, 100, 100, 100},                                    // parallel directions
        {Pi / 4, Pi, 1, 50, 20, 100, 100, 100, 100},
    };
    for (const auto& c : casi) {
        Direzioni(pr, c.a, c.b);
        float c1x = -1, c1y = -1, c2x = -1, c2y = -1;
        RettangoloRuotato(pr, c.dir, c.L1, c.L2, 100, 100, c1x, c1y, c2x, c2y);
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " dir " << c.dir);
        EXPECT_FLOAT_EQ(c1x, c.c1x);
        EXPECT_FLOAT_EQ(c1y, c.c1y);
        EXPECT_FLOAT_EQ(c2x, c.c2x);
        EXPECT_FLOAT_EQ(c2y, c.c2y);
    }
    ProgettoProva salva;
    Direzioni(M.Progetto, 0, Pi / 2);
    float c1x, c1y, c2x, c2y;
    RettangoloRuotato(0, 50, 20, 100, 100, c1x, c1y, c2x, c2y);
    EXPECT_EQ(c1x, 50);
    EXPECT_EQ(c2y, 80);
}

TEST(DirezioniZona, ScambiaEAvviso) {
    float a = 1, b = 2;
    Scambia(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);

    prova::PiattaformaProva p;
    AvvisoMagliaBase();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    const auto& m = p.Msg.Visti[0];
    EXPECT_EQ(m.Testo,
              "La modifica dei diametri o passi della maglia di base attulmente non permette l'aggiornamento dei "
              "dati delle verifiche e della relazione. Pu\xC3\xB2 essere fatta allo scopo di ricercare un'armatura "
              "ottimale, che poi potr\xC3\xA0 essere riprogettata in ORTAVIS modificando i criteri di progetto.");
    EXPECT_EQ(m.Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(m.Pulsanti, PulsantiMsg::Ok);
    EXPECT_EQ(m.Titolo, "Attenzione!");
}
