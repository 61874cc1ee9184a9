#include "model/Vista.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/Registrazioni.h"

using namespace vilmor;

namespace {

// Restores the view state after a test that sets it.
struct VistaProva {
    StatoVista vecchia = Vista;
    ~VistaProva() { Vista = vecchia; }
};

void Finestra(float yMin, float yMax, float xMin, float xMax, float scala, float altezza) {
    Vista.FinestraVista = {yMin, yMax, xMin, xMax};
    Vista.Scala = scala;
    Vista.AltezzaVideo = altezza;
}

}  // namespace

TEST(Vista, Trasformazione) {
    VistaProva salva;
    Finestra(0, 500, 100, 1100, 0.8f, 400);
    EXPECT_FLOAT_EQ(XSchermo(100), 0);
    EXPECT_FLOAT_EQ(XSchermo(600), 400);
    EXPECT_FLOAT_EQ(YSchermo(0), 400);
    EXPECT_FLOAT_EQ(YSchermo(500), 0);
    EXPECT_FLOAT_EQ(XDaSchermo(400), 600);
    EXPECT_FLOAT_EQ(YDaSchermo(400), 0);
    EXPECT_FLOAT_EQ(YDaSchermo(0), 500);
    // Mouse positions come as whole pixels too.
    EXPECT_FLOAT_EQ(XDaSchermo(200), 350);

    // A new window applies at once.
    Finestra(-50, 50, -20, 80, 4, 400);
    EXPECT_FLOAT_EQ(XSchermo(0), 80);
    EXPECT_FLOAT_EQ(YSchermo(0), 200);
}

TEST(Vista, AndataRitorno) {
    VistaProva salva;
    struct Caso {
        float yMin, xMin, scala, altezza;
    };
    const Caso finestre[] = {{0, 100, 0.8f, 400}, {-1234.5f, 5678.25f, 0.0371f, 731}, {250, -300, 3.7f, 1080}};
    const float punti[][2] = {{0, 0}, {100, 500}, {1234.56f, -987.6f}, {-5000, 7500.5f}, {0.01f, 12345.6f}};
    for (const Caso& c : finestre) {
        Finestra(c.yMin, c.yMin + 1000, c.xMin, c.xMin + 2000, c.scala, c.altezza);
        for (const auto& p : punti) {
            const float tolX = 4e-6f * (std::fabs(p[0]) + std::fabs(c.xMin) + 1);
            const float tolY = 4e-6f * (std::fabs(p[1]) + std::fabs(c.yMin) + c.altezza / c.scala + 1);
            EXPECT_NEAR(XDaSchermo(XSchermo(p[0])), p[0], tolX) << p[0] << " scala " << c.scala;
            EXPECT_NEAR(YDaSchermo(YSchermo(p[1])), p[1], tolY) << p[1] << " scala " << c.scala;
        }
    }
}

TEST(Vista, ScalaNullaSenzaInfiniti) {
    VistaProva salva;
    for (float scala : {0.0f, -1.0f}) {
        Finestra(10, 500, 100, 1100, scala, 400);
        EXPECT_FLOAT_EQ(XDaSchermo(250), 100);
        EXPECT_FLOAT_EQ(YDaSchermo(250), 10);
        EXPECT_TRUE(std::isfinite(XSchermo(300)));
        EXPECT_TRUE(std::isfinite(YSchermo(300)));
    }
}

TEST(Vista, ZoomRettangolo) {
    VistaProva salva;
    prova::PiattaformaProva p;
    struct Caso {
        int L, H;
        RettangoloTrascina prima, dopo;
    };
    const Caso casi[] = {
        // wider than the picture: taller about the centre
        {800, 400, {100, 300, 100, 150}, {100, 300, 75, 175}},
        // taller than the picture: wider about the centre
        {800, 400, {100, 150, 0, 200}, {-75, 325, 0, 200}},
        // proportion 1.5: 300 x 100 becomes 200 high
        {600, 400, {0, 300, 100, 200}, {0, 300, 50, 250}},
        // the picture's proportion already
        {800, 600, {20, 420, 30, 330}, {20, 420, 30, 330}},
        // corners at exact halves go to the even pixel: 100.5 and 0.5, 101.5 and 1.5, -14.5 and 25.5
        {800, 400, {0, 200, 40, 61}, {0, 200, 0, 100}},
        {800, 400, {0, 200, 41, 62}, {0, 200, 2, 102}},
        {800, 400, {0, 11, 0, 20}, {-14, 26, 0, 20}},
    };
    for (const Caso& c : casi) {
        p.Video.L = c.L, p.Video.H = c.H;
        Vista.RettTrascina = c.prima;
        ZoomRettangolo();
        const RettangoloTrascina& r = Vista.RettTrascina;
        EXPECT_EQ(r.X0, c.dopo.X0) << c.L << "x" << c.H << " " << c.prima.X0;
        EXPECT_EQ(r.X1, c.dopo.X1) << c.L << "x" << c.H << " " << c.prima.X0;
        EXPECT_EQ(r.Y0, c.dopo.Y0) << c.L << "x" << c.H << " " << c.prima.X0;
        EXPECT_EQ(r.Y1, c.dopo.Y1) << c.L << "x" << c.H << " " << c.prima.X0;
    }
}

TEST(Vista, ZoomRettangoloSenzaProporzione) {
    VistaProva salva;
    prova::PiattaformaProva p;
    const RettangoloTrascina r0{100, 300, 100, 150};
    const int dimensioni[][2] = {{800, 0}, {0, 600}, {0, 0}};
    for (const auto& d : dimensioni) {
        p.Video.L = d[0], p.Video.H = d[1];
        Vista.RettTrascina = r0;
        ZoomRettangolo();
        EXPECT_EQ(Vista.RettTrascina.X0, 100);
        EXPECT_EQ(Vista.RettTrascina.X1, 300);
        EXPECT_EQ(Vista.RettTrascina.Y0, 100);
        EXPECT_EQ(Vista.RettTrascina.Y1, 150);
    }
    // A flat rectangle.
    p.Video.L = 800, p.Video.H = 600;
    Vista.RettTrascina = {100, 300, 120, 120};
    ZoomRettangolo();
    EXPECT_EQ(Vista.RettTrascina.Y0, 120);
    EXPECT_EQ(Vista.RettTrascina.Y1, 120);
    EXPECT_EQ(Vista.RettTrascina.X0, 100);
    EXPECT_EQ(Vista.RettTrascina.X1, 300);
}
