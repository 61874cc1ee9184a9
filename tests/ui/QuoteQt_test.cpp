// A dimension placed by hand and the end-snap marker, on the real plan picture offscreen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "base/Piattaforma.h"
#include "drawing/Quote.h"
#include "drawing/SinkVideo.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/UscitaDxfRegistrata.h"
#include "ui/CtrlVid.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A 1000 x 500 picture of the plan window (0, 0)-(1000, 500), one pixel per cm.
struct Schermo {
    GlobaliProva stato;
    EditQuote quotatura = Quotatura;
    Piattaforma vecchia = Piatt;
    CtrlVid vid;
    SinkVideo sink;
    Modello m;
    Schermo() {
        ImpostaDefaultImpostazioni();
        vid.resize(1000, 500);
        vid.show();
        Piatt.Ctrl_Vid = &vid;
        Piatt.SinkVideo = &sink;
        ImpostaColori();
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = 1;
        Vista.AltezzaVideo = 500;
        Vista.PiantaCorrente = 0;
        Vista.CodiceVista = 0;
        Vista.EditPerimetro = 0;
        m.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        m.Soletta.NumVertContorno = 4;
        m.Soletta.LimitiContorno = {0, 0, 1000, 500};
    }
    ~Schermo() {
        Piatt = vecchia;
        Quotatura = quotatura;
    }
};

}  // namespace

TEST(QuoteQt, QuotaInseritaEMarcatore) {
    Schermo s;
    Quotatura.XQuota1 = 100, Quotatura.YQuota1 = 400, Quotatura.XQuota2 = 300, Quotatura.YQuota2 = 350;
    Vista.ModoComando = ModoInsQuotaOrizz;
    InserisciQuota(s.m, 200, 300);
    ASSERT_EQ(s.m.SezQuote.UltimaQuota, 0);

    // The line at plan y 200 (row 300) from column 100 to 300, and a tick of +-8 cm at each end.
    const QImage img = s.vid.Immagine();
    const QColor c8 = CtrlVid::Colore(Strati.ColoriLayer[8]), nero(0, 0, 0);
    for (int x : {110, 130, 150, 250, 270, 290}) EXPECT_EQ(img.pixelColor(x, 300), c8) << x;
    for (int x : {100, 300})
        for (int y : {292, 295, 305, 308}) EXPECT_EQ(img.pixelColor(x, y), c8) << x << ", " << y;
    EXPECT_EQ(img.pixelColor(150, 295), nero);
    EXPECT_EQ(img.pixelColor(100, 288), nero);

    // The marker about the first end: a yellow box from (94, 294) to (106, 306), 3 pixels thick,
    // drawn over what the redraw left and gone at the next clearing of the transient drawing.
    EvidQuotaCursore(s.m, 103, 302);
    const QImage mostrata = s.vid.Mostrata();
    const QColor giallo(255, 255, 0);
    ASSERT_NE(c8, giallo);
    auto gialli = [&](int x0, int y0, int dx, int dy) {
        int n = 0;
        for (int k = -3; k <= 3; ++k) n += mostrata.pixelColor(x0 + k * dx, y0 + k * dy) == giallo;
        return n;
    };
    EXPECT_EQ(gialli(94, 298, 1, 0), 3);   // left side, across it
    EXPECT_EQ(gialli(106, 298, 1, 0), 3);  // right side
    EXPECT_EQ(gialli(98, 294, 0, 1), 3);   // top side
    EXPECT_EQ(gialli(98, 306, 0, 1), 3);   // bottom side
    for (auto [x, y] : {std::pair{94, 294}, {106, 294}, {94, 306}, {106, 306}, {100, 294}, {94, 300}})
        EXPECT_EQ(mostrata.pixelColor(x, y), giallo) << x << ", " << y;
    EXPECT_EQ(mostrata.pixelColor(99, 297), nero);
    EXPECT_EQ(s.vid.Immagine(), img);
    s.vid.Pulisci();
    EXPECT_EQ(s.vid.Mostrata(), img);
}
