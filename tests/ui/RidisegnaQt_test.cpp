// The redraw on the real plan picture, offscreen: what a user sees of a slab.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>

#include "app/CaricaProgetto.h"
#include "base/Piattaforma.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Poligoni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {




// A 1000 x 500 slab with a 200 x 100 opening and a wall.
Modello SolettaConForo() {
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, 1000, 500};
    auto& g = m.Soletta;
    g.NumFori = 1;
    g.NumVertForo.assign(1, 0);
    IniziaForo(g, 0);
    const float foro[4][2] = {{400, 200}, {400, 300}, {600, 300}, {600, 200}};
    for (int k = 0; k < 4; ++k) AggiungiVerticePoli(g, 0, k, foro[k][0], foro[k][1]);
    g.NumVertForo[0] = 4;
    m.Soletta.Setti = {{100, 50, 100, 450, 0}};
    m.Soletta.NumSetti = 1;
    return m;
}

struct Schermo {
    GlobaliProva stato;
    Piattaforma vecchia = Piatt;
    CtrlVid vid;
    SinkVideo sink;
    Schermo() {
        ImpostaDefault();
        vid.resize(800, 600);
        vid.show();
        Piatt.Ctrl_Vid = &vid;
        Piatt.SinkVideo = &sink;
        ImpostaColori();
        Vista.FinestraVista = {-100, 0, -50, 0};
        Vista.Scala = 0.7f;
        Vista.AltezzaVideo = 600;
    }
    ~Schermo() {
        Piatt = vecchia;
    }
};

}  // namespace

TEST(RidisegnaQt, ContornoForoESetto) {
    Schermo s;
    Modello m = SolettaConForo();
    Ridisegna(m, 0);
    const QImage img = s.vid.Immagine();
    const QColor nero(0, 0, 0), c5 = ColoreLayer(5);
    // Every edge of the outline and of the opening, sampled along its length.
    auto lato = [&](float x1, float y1, float x2, float y2) {
        for (int i = 0; i <= 20; ++i) {
            const float t = i / 20.0f;
            EXPECT_TRUE(Vicino(img, X(x1 + t * (x2 - x1)), Y(y1 + t * (y2 - y1)), c5)) << x1 << "," << y1 << " " << t;
        }
    };
    lato(0, 0, 0, 500), lato(0, 500, 1000, 500), lato(1000, 500, 1000, 0), lato(1000, 0, 0, 0);
    lato(400, 200, 400, 300), lato(400, 300, 600, 300), lato(600, 300, 600, 200), lato(600, 200, 400, 200);
    // Inside the opening the picture stays black.
    EXPECT_EQ(img.pixelColor(X(500), Y(250)), nero);
    // The wall is dotted: some of its pixels are coloured, some not.
    int pieni = 0, vuoti = 0;
    for (int y = Y(400); y <= Y(100); ++y) (img.pixelColor(X(100), y) == nero ? vuoti : pieni)++;
    EXPECT_GT(pieni, 10);
    EXPECT_GT(vuoti, 10);

    // A transient drawing goes with the next clearing; the lasting one stays whole.
    s.vid.Linea(0, 0, 799, 599, Rgb(255, 0, 0), false);
    EXPECT_NE(s.vid.Mostrata(), img);
    s.vid.Pulisci();
    EXPECT_EQ(s.vid.Mostrata(), img);
    EXPECT_EQ(s.vid.Immagine(), img);
}

TEST(RidisegnaQt, TestoConLarghezzaEForme) {
    Schermo s;
    s.vid.Pulisci();
    s.vid.DisegnoPersistente(true);
    s.vid.ColorePrimoPiano(Rgb(255, 255, 255));
    // A wider character cell gives a wider text.
    auto larghezza = [&](int w) {
        s.vid.Pulisci();
        s.vid.TestoRuotato(10, 10, 30, w, 0, "MMMM");
        const QImage img = s.vid.Immagine();
        int destra = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 400; ++x)
                if (img.pixelColor(x, y) != QColor(0, 0, 0)) destra = std::max(destra, x);
        return destra;
    };
    EXPECT_GT(larghezza(20), larghezza(10) + 20);
    // 7 x 7 pixels for +-3, an outline through both corners, filled shapes with their edge.
    s.vid.Pulisci();
    s.vid.RettangoloPienoRgb(100, 100, 106, 106, Rgb(0, 255, 0));
    s.vid.Rettangolo(200, 200, 208, 208, Rgb(0, 0, 255));
    s.vid.CerchioPieno(300, 300, 10, Rgb(255, 0, 0), Rgb(0, 0, 255));
    const QImage img = s.vid.Immagine();
    EXPECT_EQ(img.pixelColor(100, 100), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(106, 106), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(107, 107), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(208, 204), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(204, 204), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(300, 300), QColor(255, 0, 0));
}

TEST(RidisegnaQt, FinestraPrincipaleApreIlCampione) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(config, nullptr);
    GlobaliProva stato;
    Modello prima = M;
    {
        FrmMain f;
        f.show();
        f.PianoVideo()->resize(800, 600);
        Vista.FinestraVista = {-100, 0, -100, 0};
        Vista.Scala = 0.5f;
        Vista.AltezzaVideo = 600;
        // Nothing answers the questions of the load but the recording boxes.
        MessaggiRegistrati msg;
        Piatt.Msg = &msg;
        ASSERT_EQ(CaricaProgetto(std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR"), 0);
        Ridisegna(0);
        const QImage img = f.PianoVideo()->Immagine();
        const auto& g = M.Soletta;
        ASSERT_GT(g.NumVertContorno, 2);
        for (int i = 0; i < g.NumVertContorno; ++i)
            EXPECT_TRUE(Vicino(img, X(g.Contorno[i].X), Y(g.Contorno[i].Y), ColoreLayer(5))) << i;
        Piatt.Msg = nullptr;
    }
    M = prima;
}
