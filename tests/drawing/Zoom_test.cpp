#include "drawing/Zoom.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;

namespace {

using Finestra = std::array<float, 4>;  // YMin, YMax, XMin, XMax

// The view state and the recording picture (800 x 600) for one test.
struct VistaProva {
    StatoVista vecchia = Vista;
    prova::PiattaformaProva piatt;
    VistaProva() {
        Vista = StatoVista{};
        Vista.AltezzaVideo = 600;
    }
    ~VistaProva() { Vista = vecchia; }
};

void AttesaFinestra(const Finestra& atteso, const Finestra& visto, const char* cosa) {
    for (size_t i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(visto[i], atteso[i]) << cosa << " [" << i << "]";
}

}  // namespace

TEST(Zoom, EstensioneAdattataAllaFigura) {
    struct Caso {
        std::array<float, 4> estensione;  // XMin, YMin, XMax, YMax
        int L, H;
        float scala;
        Finestra finestra;
    };
    const Caso casi[] = {
        // Wider than the picture: the full width, 750 cm of height centred.
        {{0, 0, 1000, 500}, 800, 600, 0.8f, {-125, 625, 0, 1000}},
        // Taller: 600 / 600 is smaller than 800 / 400; 800 cm of width centred.
        {{0, 0, 400, 600}, 800, 600, 1.0f, {0, 600, -200, 600}},
        // Exactly the picture's proportion: the extents as they are.
        {{-800, 100, 800, 1300}, 800, 600, 0.5f, {100, 1300, -800, 800}},
        // No height: scale 1 and the window left on the extents.
        {{0, 200, 1000, 200}, 800, 600, 1.0f, {200, 200, 0, 1000}},
        // No width: scale 1, the picture's width in cm about the centre.
        {{300, 0, 300, 500}, 800, 600, 1.0f, {0, 500, -100, 700}},
    };
    for (const Caso& c : casi) {
        VistaProva v;
        v.piatt.Video.L = c.L;
        v.piatt.Video.H = c.H;
        Vista.EstensioneCorrente = c.estensione;
        const Finestra prima = {1, 2, 3, 4};
        Vista.FinestraPrecedente = prima;
        ZoomEstensione();
        EXPECT_FLOAT_EQ(Vista.Scala, c.scala) << c.estensione[2];
        AttesaFinestra(c.finestra, Vista.FinestraVista, "finestra");
        AttesaFinestra(prima, Vista.FinestraPrecedente, "precedente intatta");
    }
}

TEST(Zoom, CalcScala) {
    VistaProva v;
    struct Caso {
        float x1, y1, x2, y2, scala;
    };
    const Caso casi[] = {
        {0, 0, 0, 500, 1.0f},      // no width
        {0, 7, 1000, 7, 1.0f},     // no height
        {0, 0, 1000, 500, 0.8f},   // the width decides
        {0, 0, 400, 600, 1.0f},    // the height decides
        {0, 0, 1600, 1200, 0.5f},  // a tie
        {-50, -25, 1050, 525, 800.0f / 1100.0f},
    };
    for (const Caso& c : casi) EXPECT_FLOAT_EQ(CalcScala(c.x1, c.y1, c.x2, c.y2), c.scala) << c.x2 << " " << c.y2;
    // No picture: nothing to fit, but a box without area is still 1.
    Piatt.Ctrl_Vid = nullptr;
    EXPECT_FLOAT_EQ(CalcScala(0, 0, 1000, 500), 0.0f);
    EXPECT_FLOAT_EQ(CalcScala(0, 0, 0, 500), 1.0f);
}

TEST(Zoom, RiduciIngrandisciPrecedente) {
    VistaProva v;
    const Finestra inizio = {0, 500, 0, 1000};
    Vista.FinestraVista = inizio;
    Vista.Scala = 0.8f;

    ZoomRiduci();
    AttesaFinestra({-25, 525, -50, 1050}, Vista.FinestraVista, "riduci");
    AttesaFinestra(inizio, Vista.FinestraPrecedente, "precedente dopo riduci");
    EXPECT_FLOAT_EQ(Vista.Scala, 800.0f / 1100.0f);

    // 5 % of the wider window: 0.99 of the start, not the start.
    const Finestra ridotta = Vista.FinestraVista;
    ZoomIngrandisci();
    AttesaFinestra({2.5f, 497.5f, 5, 995}, Vista.FinestraVista, "ingrandisci");
    EXPECT_FLOAT_EQ(Vista.FinestraVista[3] - Vista.FinestraVista[2], 990);
    AttesaFinestra(ridotta, Vista.FinestraPrecedente, "precedente dopo ingrandisci");
    EXPECT_FLOAT_EQ(Vista.Scala, 800.0f / 990.0f);

    // Back and forth between the last two windows, with their scales.
    const Finestra ingrandita = Vista.FinestraVista;
    ZoomPrecedente();
    AttesaFinestra(ridotta, Vista.FinestraVista, "precedente 1");
    AttesaFinestra(ingrandita, Vista.FinestraPrecedente, "scambio 1");
    EXPECT_FLOAT_EQ(Vista.Scala, 800.0f / 1100.0f);
    ZoomPrecedente();
    AttesaFinestra(ingrandita, Vista.FinestraVista, "precedente 2");
    AttesaFinestra(ridotta, Vista.FinestraPrecedente, "scambio 2");
    EXPECT_FLOAT_EQ(Vista.Scala, 800.0f / 990.0f);
}

TEST(Zoom, IngrandisciSiFermaA3Millimetri) {
    struct Caso {
        float xMax;
        bool stringe;
    };
    for (const Caso& c : {Caso{0.3f, false}, Caso{0.2f, false}, Caso{0.31f, true}}) {
        VistaProva v;
        const Finestra f = {0, 0.2f, 0, c.xMax};
        const Finestra vecchia = {7, 8, 9, 10};
        Vista.FinestraVista = f;
        Vista.FinestraPrecedente = vecchia;
        Vista.Scala = 2000;
        ZoomIngrandisci();
        AttesaFinestra(f, Vista.FinestraPrecedente, "precedente sempre");
        if (c.stringe) {
            EXPECT_FLOAT_EQ(Vista.FinestraVista[2], c.xMax * 0.05f) << c.xMax;
            EXPECT_NE(Vista.Scala, 2000) << c.xMax;
        } else {
            AttesaFinestra(f, Vista.FinestraVista, "finestra ferma");
            EXPECT_FLOAT_EQ(Vista.Scala, 2000) << c.xMax;
        }
    }
}

TEST(Zoom, PrecedentePrimaDiOgniZoom) {
    VistaProva v;
    Vista.EstensioneCorrente = {0, 0, 1000, 500};
    ZoomEstensione();
    const Finestra estesa = Vista.FinestraVista;
    // The previous window is still the initial all-zero one: the exchange brings it in.
    ZoomPrecedente();
    AttesaFinestra({0, 0, 0, 0}, Vista.FinestraVista, "finestra nulla");
    EXPECT_FLOAT_EQ(Vista.Scala, 1.0f);
    ZoomPrecedente();
    AttesaFinestra(estesa, Vista.FinestraVista, "di nuovo estesa");
    EXPECT_FLOAT_EQ(Vista.Scala, 0.8f);
}

TEST(Zoom, TuttoTieneLaFinestraComePrecedente) {
    VistaProva v;
    Vista.EstensioneCorrente = {0, 0, 1000, 500};
    const Finestra lasciata = {40, 90, 100, 200};
    Vista.FinestraVista = lasciata;
    Vista.FinestraPrecedente = {1, 2, 3, 4};
    ZoomTutto();
    AttesaFinestra({-125, 625, 0, 1000}, Vista.FinestraVista, "estensione");
    AttesaFinestra(lasciata, Vista.FinestraPrecedente, "precedente");
    EXPECT_FLOAT_EQ(Vista.Scala, 0.8f);
    ZoomPrecedente();
    AttesaFinestra(lasciata, Vista.FinestraVista, "ritorno");
}

TEST(Zoom, ModiFinestraEPan) {
    VistaProva v;
    Vista.ModoComando = 200;
    Vista.RettTrascina = {5, 6, 7, 8};
    Vista.RettFocus = {1, 2, 3, 4};
    AvviaZoomFinestra();
    EXPECT_EQ(Vista.ModoPrecedente, 200);
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(Vista.RettTrascina.X0, -1);
    EXPECT_EQ(Vista.RettTrascina.X1, 0);
    EXPECT_EQ(Vista.RettTrascina.Y0, 0);
    EXPECT_EQ(Vista.RettTrascina.Y1, 0);
    EXPECT_EQ(Vista.RettFocus.left, 0);
    EXPECT_EQ(Vista.RettFocus.top, 0);
    EXPECT_EQ(Vista.RettFocus.right, 0);
    EXPECT_EQ(Vista.RettFocus.bottom, 0);

    Vista.ModoComando = 200;
    AvviaPan();
    EXPECT_EQ(Vista.ModoPrecedente, 200);
    EXPECT_EQ(Vista.ModoComando, 4);
}

TEST(Zoom, SenzaFiguraNienteCambia) {
    struct Figura {
        bool installata;
        int L, H;
    };
    using Routine = void (*)();
    const std::pair<const char*, Routine> routine[] = {
        {"ZoomRiduci", ZoomRiduci},         {"ZoomIngrandisci", ZoomIngrandisci},
        {"ZoomPrecedente", ZoomPrecedente}, {"ZoomTutto", ZoomTutto},
        {"ZoomEstensione", ZoomEstensione}, {"CentraVista", CentraVista},
    };
    for (const Figura& fig : {Figura{false, 800, 600}, Figura{true, 800, 0}, Figura{true, 0, 600}}) {
        for (const auto& [nome, zoom] : routine) {
            VistaProva v;
            Vista.EstensioneCorrente = {0, 0, 1000, 500};
            const Finestra f = {-125, 625, 0, 1000}, p = {0, 500, 0, 1000};
            Vista.FinestraVista = f;
            Vista.FinestraPrecedente = p;
            Vista.Scala = 0.8f;
            v.piatt.Video.L = fig.L;
            v.piatt.Video.H = fig.H;
            if (!fig.installata) Piatt.Ctrl_Vid = nullptr;
            zoom();
            AttesaFinestra(f, Vista.FinestraVista, nome);
            AttesaFinestra(p, Vista.FinestraPrecedente, nome);
            EXPECT_FLOAT_EQ(Vista.Scala, 0.8f) << nome << " " << fig.L << "x" << fig.H;

            // The next zoom on a real picture works as usual.
            Piatt.Ctrl_Vid = &v.piatt.Video;
            v.piatt.Video.L = 800;
            v.piatt.Video.H = 600;
            Vista.FinestraVista = {};
            ZoomEstensione();
            EXPECT_FLOAT_EQ(Vista.Scala, 0.8f) << nome;
            AttesaFinestra(f, Vista.FinestraVista, "di nuovo");
        }
    }
}

TEST(Zoom, Pan) {
    VistaProva v;
    const Finestra p = {1, 2, 3, 4};
    Vista.FinestraVista = {-125, 625, 0, 1000};
    Vista.FinestraPrecedente = p;
    Vista.Scala = 0.8f;
    // The drawing follows the cursor: 80 px right and 40 px up.
    EXPECT_TRUE(PanVista(80, -40));
    AttesaFinestra({-175, 575, -100, 900}, Vista.FinestraVista, "pan");
    AttesaFinestra(p, Vista.FinestraPrecedente, "precedente");
    EXPECT_FLOAT_EQ(Vista.Scala, 0.8f);

    // No scale yet: nothing to divide by, nothing moves.
    for (float scala : {0.0f, -0.5f, std::nanf("")}) {
        const Finestra f = Vista.FinestraVista;
        Vista.Scala = scala;
        EXPECT_FALSE(PanVista(80, -40)) << scala;
        AttesaFinestra(f, Vista.FinestraVista, "ferma");
    }
}
