// A plan redrawn on the real plan picture, offscreen, with its section below it: the section's
// concrete and the dots of the bars that cross it where the transform puts them.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>

#include "base/Piattaforma.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "ui/CtrlVid.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;


TEST(DisSezioniQt, SezioneSottoLaPianta) {
    GlobaliProva stato;
    CtrlVid vid;
    SinkVideo sink;
    ImpostaDefault();
    vid.resize(800, 600);
    vid.show();
    Piatt.Ctrl_Vid = &vid;
    Piatt.SinkVideo = &sink;
    ImpostaColori();

    // Slab 500 x 300, thickness 25, cover 3, directions 0 and 90 degrees, every diffuse layer
    // 10 mm at 20 cm, one direction-1 section along y = 150.
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, 300}, {500, 300}, {500, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, 500, 300};
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 3;
    m.Progetto.AngoloDir2 = static_cast<float>(M_PI / 2);
    CalcolaDirezioni(m);
    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = 10;
    d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 20;
    Sezione s;
    s.X1 = -10, s.Y1 = 150, s.X2 = 510, s.Y2 = 150;
    m.SezQuote.Sezioni = {s};
    m.SezQuote.UltimaSezione = 0;

    SettaLimiti(m, Vista);
    Vista.PiantaCorrente = 0;
    Vista.CodiceVista = 0;
    Vista.ModoComando = 0;
    // The plan and the section below it.
    Vista.FinestraVista = {-520, 0, -500, 0};
    Vista.Scala = 0.65f;
    Vista.AltezzaVideo = 600;
    Ridisegna(m, 0);
    const QImage img = vid.Immagine();

    const float yMin = Vista.EstensioneCorrente[1];
    const float sopra = yMin - 240, sotto = yMin - 265;
    const QColor calcestruzzo = ColoreLayer(23), croci = ColoreLayer(8);
    ASSERT_NE(calcestruzzo, croci);
    ASSERT_NE(croci, ColoreLayer(10));
    for (float x = 14; x < 490; x += 40) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(Vicino(img, X(x), Y(sopra), calcestruzzo));
        EXPECT_TRUE(Vicino(img, X(x), Y(sotto), calcestruzzo));
        EXPECT_FALSE(Vicino(img, X(x), Y((sopra + sotto) / 2), calcestruzzo));
    }
    // The bars of direction 2 that cross the section, in both faces.
    for (float x = 4; x < 490; x += 60) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(Vicino(img, X(x), Y(sopra - 3.4f), croci));
        EXPECT_TRUE(Vicino(img, X(x), Y(sotto + 3.4f), croci));
        // Between two dots there is no cross.
        EXPECT_FALSE(Vicino(img, X(x + 10), Y(sopra - 3.4f), croci));
    }
}
