// The plan picture with the view window: its height reaches the transform and the extents
// fill it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "base/Primitive.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/Servizi.h"
#include "model/definizioni.h"
#include "ui/CtrlVid.h"

using namespace vilmor;

namespace {

int ridisegni = 0;

// A 640 x 480 picture installed with the screen sink, a slab whose outline is the box
// 0..1000 x 0..500 cm, the default colours and a redraw that counts its calls.
class ScenaPan : public ::testing::Test {
protected:
    void SetUp() override {
        v.Installa();
        ImpostaDefault();
        ImpostaColori();
        Sink.Video = &sink;
        Disegno.Ridisegna = [](int uscita) {
            ++ridisegni;
            Ridisegna(uscita);
        };
        ridisegni = 0;
        M = Modello{};
        M.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        M.Soletta.NumVertContorno = 4;
        M.Soletta.LimitiContorno = {0, 0, 1000, 500};
        Vista.EstensioneCorrente = {0, 0, 1000, 500};
        Vista.FinestraVista = {};
        Vista.FinestraPrecedente = {};
        v.resize(640, 480);
        v.show();
    }
    void TearDown() override {
        Piatt = piatt_;
        Sink = sink_;
        Disegno = disegno_;
        Vista = vista_;
        M = m_;
        Imp = imp_;
        Strati = strati_;
    }

    QColor Fondo() const { return CtrlVid::Colore(ColoreSfondoVideo()); }
    QColor Bordo() const { return CtrlVid::Colore(Strati.ColoriLayer[5]); }

    Piattaforma piatt_ = Piatt;
    SinkAttivi sink_ = Sink;
    ServiziDisegno disegno_ = Disegno;
    StatoVista vista_ = Vista;
    Modello m_ = M;
    Impostazioni imp_ = Imp;
    StratiDisegno strati_ = Strati;
    CtrlVid v;
    SinkVideo sink;
};

// True when a pixel within one of (x, y) has the colour c.
bool Vicino(const QImage& img, int x, int y, const QColor& c) {
    for (int j = y - 1; j <= y + 1; ++j)
        for (int i = x - 1; i <= x + 1; ++i)
            if (img.valid(i, j) && img.pixelColor(i, j) == c) return true;
    return false;
}

}  // namespace

TEST_F(ScenaPan, IlRidimensionamentoDaAltezzaEMisure) {
    EXPECT_EQ(v.Larghezza(), 640);
    EXPECT_EQ(v.Altezza(), 480);
    EXPECT_FLOAT_EQ(Vista.AltezzaVideo, 480);

    // The drawing stays at the top left, the new area takes the background, nothing redraws
    // and the window and scale stay for the next zoom to fit.
    ZoomEstensione();
    Ridisegna(0);
    const QImage prima = v.Mostrata().copy();
    const auto finestra = Vista.FinestraVista;
    const float scala = Vista.Scala;
    ridisegni = 0;
    v.resize(800, 600);
    QApplication::processEvents();
    EXPECT_FLOAT_EQ(Vista.AltezzaVideo, 600);
    EXPECT_EQ(v.Larghezza(), 800);
    const QImage dopo = v.Mostrata();
    ASSERT_EQ(dopo.size(), QSize(800, 600));
    EXPECT_EQ(dopo.copy(0, 0, 640, 480), prima);
    EXPECT_EQ(dopo.pixelColor(700, 500), Fondo());
    EXPECT_EQ(dopo.pixelColor(100, 550), Fondo());
    EXPECT_EQ(ridisegni, 0);
    EXPECT_EQ(Vista.FinestraVista, finestra);
    EXPECT_FLOAT_EQ(Vista.Scala, scala);

    // A picture that is not the installed one leaves the transform alone.
    CtrlVid altra;
    altra.resize(300, 200);
    altra.show();
    QApplication::processEvents();
    EXPECT_FLOAT_EQ(Vista.AltezzaVideo, 600);
}

TEST_F(ScenaPan, EstensioneRiempieLaFigura) {
    ZoomEstensione();
    EXPECT_FLOAT_EQ(Vista.Scala, 0.64f);
    Ridisegna(0);
    const QImage img = v.Mostrata();
    // The lower and upper edges of the outline run across the whole width.
    for (int x = 0; x < 640; ++x) {
        EXPECT_TRUE(Vicino(img, x, 400, Bordo())) << "lato inferiore, colonna " << x;
        EXPECT_TRUE(Vicino(img, x, 80, Bordo())) << "lato superiore, colonna " << x;
    }
    EXPECT_EQ(img.pixelColor(320, 40), Fondo());
    EXPECT_EQ(img.pixelColor(320, 440), Fondo());
}
