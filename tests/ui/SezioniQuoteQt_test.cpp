// Dimensions placed with the mouse on the real plan picture: the picked points' crosses stay on
// the picture until the next full redraw, and the dimension is stored.
#include <gtest/gtest.h>

#include <QAction>

#include "model/Vista.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(SezioniQuoteQt, CroceDeiPuntiEQuota) {
    GlobaliProva g;
    FinestraProva w;
    CartellaTemp dir;
    w.Avvia(CopiaCampione(dir.Percorso(), "A.QVR"));
    M.SezQuote.UltimaQuota = -1;
    w.f->Azioni(Comandi.IdQuotaOrizz).value(0)->trigger();
    ASSERT_EQ(Vista.ModoComando, 2000);
    CtrlVid* v = w.f->PianoVideo();
    Premi(v, 895.5f, 595.5f);
    Muovi(v, 1100, 452);
    Premi(v, 1185, 451);
    ASSERT_EQ(Vista.ModoComando, 2002);
    // The transient image cleared: the crosses are still there.
    Muovi(v, 1000, 300);
    const QImage img = v->Immagine();
    SalvaPng(img, "quota_croci");
    const QColor magenta(255, 0, 255);
    EXPECT_TRUE(Vicino(img, X(895) + 5, Y(595), magenta));
    EXPECT_TRUE(Vicino(img, X(1185), Y(450) - 5, magenta));
    Premi(v, 1000, 300);
    EXPECT_EQ(Vista.ModoComando, 0);
    ASSERT_EQ(M.SezQuote.UltimaQuota, 0);
    EXPECT_NEAR(M.SezQuote.Quote[0].XP1, 895, 0.01);
    EXPECT_NEAR(M.SezQuote.Quote[0].XP2, 1185, 0.01);
    // The next full redraw takes the crosses away.
    EXPECT_NE(v->Immagine().pixelColor(X(895) + 5, Y(595)), magenta);
}
