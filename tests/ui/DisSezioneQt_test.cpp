// One section drawn on the real plan picture, offscreen: the concrete and the bars in their
// layers' colours where the transform puts them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>
#include <vector>

#include "base/Piattaforma.h"
#include "drawing/DisSezione.h"
#include "drawing/SinkVideo.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "ui/CtrlVid.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;


TEST(DisSezioneQt, CalcestruzzoEBarreNeiLoroColori) {
    GlobaliProva stato;
    CtrlVid vid;
    SinkVideo sink;
    ImpostaDefault();
    Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
    vid.resize(700, 300);
    vid.show();
    Piatt.Ctrl_Vid = &vid;
    Piatt.SinkVideo = &sink;
    ImpostaColori();
    Vista.FinestraVista = {-150, 0, -50, 0};
    Vista.Scala = 1;
    Vista.AltezzaVideo = 300;
    Vista.Scala50Corrente = 1;

    Modello m;
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 3;
    m.Diffusa.DiamCavalletti = 12;
    m.Diffusa.PassoCavalletti1 = m.Diffusa.PassoCavalletti2 = 50;
    m.SezQuote.Sezioni.assign(1, Sezione{});
    m.SezQuote.UltimaSezione = 0;
    vid.Pulisci();
    vid.DisegnoPersistente(true);
    DisSezione(m, 0, std::vector<Punto>{{0, 0}, {500, 0}}, 1, 0, 0, 0);
    const QImage img = vid.Immagine();

    const QColor calcestruzzo = ColoreLayer(23), ferri = ColoreLayer(10);
    ASSERT_NE(calcestruzzo, ferri);
    // Along the rows, between the chairs (at 45, 55, 95, 105, ...).
    for (float x = 25; x < 500; x += 50) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(Vicino(img, X(x), Y(0), calcestruzzo));
        EXPECT_TRUE(Vicino(img, X(x), Y(-25), calcestruzzo));
        EXPECT_TRUE(Vicino(img, X(x), Y(-4.4f), ferri));
        EXPECT_TRUE(Vicino(img, X(x), Y(-20.6f), ferri));
        // Between the bars, away from the chairs, the picture is empty.
        EXPECT_FALSE(Vicino(img, X(x), Y(-12.5f), ferri));
    }
    // The concrete's ends down the whole thickness.
    for (float y = -22; y < -2; y += 4) {
        EXPECT_TRUE(Vicino(img, X(0), Y(y), calcestruzzo)) << y;
        EXPECT_TRUE(Vicino(img, X(500), Y(y), calcestruzzo)) << y;
    }
}
