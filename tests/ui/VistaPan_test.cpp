// The plan picture with the view window: its height reaches the transform, the extents fill
// it, and a pan moves the picture already drawn before the full redraw.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include "base/Primitive.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "model/definizioni.h"
#include "ui/CtrlVid.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

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
        Piatt.SinkVideo = &sink;
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
        Disegno = disegno_;
        Vista = vista_;
        M = m_;
        Imp = imp_;
        Strati = strati_;
    }

    QColor Fondo() const { return CtrlVid::Colore(ColoreSfondoVideo()); }
    QColor Bordo() const { return CtrlVid::Colore(Strati.ColoriLayer[5]); }

    // Runs the event loop until n redraws have run or the time is up.
    static void AttendiRidisegni(int n, int ms = 3000) {
        QElapsedTimer t;
        t.start();
        while (ridisegni < n && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // Runs the event loop for a while, past the pause of the queued redraw.
    static void Gira(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    Piattaforma piatt_ = Piatt;
    ServiziDisegno disegno_ = Disegno;
    StatoVista vista_ = Vista;
    Modello m_ = M;
    Impostazioni imp_ = Imp;
    StratiDisegno strati_ = Strati;
    CtrlVid v;
    SinkVideo sink;
};

// The picture moved by (dx, dy), the rest in the background colour, drawn by Qt.
QImage Spostata(const QImage& prima, int dx, int dy, const QColor& fondo) {
    QImage r(prima.size(), prima.format());
    r.fill(fondo);
    QPainter p(&r);
    p.drawImage(dx, dy, prima);
    return r;
}

// The outline box filling the 640 x 480 picture across: 0.64 pixels per cm, the 750 cm of
// height centred on it.
void SullaSoletta() {
    Vista.FinestraVista = {-125, 625, 0, 1000};
    Vista.Scala = 0.64f;
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
    // A colour-map view: the outline alone is drawn on the plan.
    Vista.CodiceVista = 2;
    Vista.PiantaCorrente = 9999;
    ZoomEstensione();
    EXPECT_FLOAT_EQ(Vista.Scala, 0.6f) << "600 of the 640 pixels for 1000 cm";
    Ridisegna(0);
    const QImage img = v.Mostrata();
    // The lower and upper edges of the outline run across the width but for 20 pixels each side.
    for (int x = 21; x < 619; ++x) {
        EXPECT_TRUE(Vicino(img, x, 390, Bordo())) << "lato inferiore, colonna " << x;
        EXPECT_TRUE(Vicino(img, x, 90, Bordo())) << "lato superiore, colonna " << x;
    }
    for (int y : {90, 240, 390}) {
        EXPECT_EQ(img.pixelColor(10, y), Fondo()) << y;
        EXPECT_EQ(img.pixelColor(630, y), Fondo()) << y;
    }
    EXPECT_EQ(img.pixelColor(320, 60), Fondo());
    EXPECT_EQ(img.pixelColor(320, 420), Fondo());
}

TEST_F(ScenaPan, PanSpostaIlDisegnoPoiRidisegna) {
    SullaSoletta();
    Ridisegna(0);
    const QImage prima = v.Mostrata().copy();
    ridisegni = 0;

    v.PanMossa(80, -40);
    EXPECT_EQ(v.Mostrata(), Spostata(prima, 80, -40, Fondo()));
    EXPECT_EQ(ridisegni, 0) << "the full redraw waits for the pause";
    EXPECT_TRUE(v.RidisegnoInAttesa());
    EXPECT_FLOAT_EQ(Vista.FinestraVista[2], -125);
    // The uncovered band on the left is background, the lower edge moved up to row 360.
    EXPECT_EQ(v.Mostrata().pixelColor(70, 360), Fondo());
    EXPECT_TRUE(Vicino(v.Mostrata(), 300, 360, Bordo()));

    AttendiRidisegni(1);
    EXPECT_EQ(ridisegni, 1);
    const QImage dopo = v.Mostrata().copy();
    Ridisegna(0);
    EXPECT_EQ(dopo, v.Mostrata()) << "the queued redraw is a full redraw of the moved window";

    // Back the other way: the right edge, beyond the first picture, shows only after the redraw.
    v.PanMossa(-160, 80);
    EXPECT_EQ(v.Mostrata().pixelColor(560, 280), Fondo());
    AttendiRidisegni(2);
    EXPECT_EQ(ridisegni, 2);
    EXPECT_TRUE(Vicino(v.Mostrata(), 560, 280, Bordo())) << "the band is filled in";
}

TEST_F(ScenaPan, DieciMosseUnRidisegno) {
    SullaSoletta();
    Ridisegna(0);
    ridisegni = 0;
    for (int i = 0; i < 10; ++i)
        QMetaObject::invokeMethod(&v, [this] { v.PanMossa(8, -4); }, Qt::QueuedConnection);
    AttendiRidisegni(1);
    Gira(3 * CtrlVid::PausaPan);
    EXPECT_EQ(ridisegni, 1);
    EXPECT_FLOAT_EQ(Vista.FinestraVista[2], -125);
    EXPECT_FLOAT_EQ(Vista.FinestraVista[0], -125 - 62.5f);

    v.PanFine();
    EXPECT_EQ(ridisegni, 2) << "the release redraws";
    EXPECT_FALSE(v.RidisegnoInAttesa());

    // A release before the pause: its redraw replaces the queued one.
    v.PanMossa(5, 5);
    v.PanFine();
    Gira(3 * CtrlVid::PausaPan);
    EXPECT_EQ(ridisegni, 3);
}

TEST_F(ScenaPan, LoSpostamentoSiSommaSulDisegnoCompleto) {
    SullaSoletta();
    Ridisegna(0);
    const QImage prima = v.Mostrata().copy();
    // Moves add up over the last complete drawing: what went out of the picture comes back.
    v.PanMossa(100, 30);
    v.PanMossa(50, -10);
    EXPECT_EQ(v.Mostrata(), Spostata(prima, 150, 20, Fondo()));
    v.PanMossa(-150, -20);
    EXPECT_EQ(v.Mostrata(), prima);
    // Beyond the picture: all background.
    v.PanMossa(5000, 0);
    EXPECT_EQ(v.Mostrata(), Spostata(prima, 5000, 0, Fondo()));
    v.PanMossa(-5000, -5000);
    EXPECT_EQ(v.Mostrata(), Spostata(prima, 0, -5000, Fondo()));
    v.PanFine();

    // A second drag starts from the drawing the release left.
    const QImage rifatta = v.Mostrata().copy();
    v.PanMossa(-30, 12);
    EXPECT_EQ(v.Mostrata(), Spostata(rifatta, -30, 12, Fondo()));
    v.PanFine();
}

TEST_F(ScenaPan, SenzaScalaNienteSiMuove) {
    Ridisegna(0);
    const QImage prima = v.Mostrata().copy();
    Vista.Scala = 0;
    const auto finestra = Vista.FinestraVista;
    v.PanMossa(80, -40);
    EXPECT_EQ(v.Mostrata(), prima);
    EXPECT_EQ(Vista.FinestraVista, finestra);
    EXPECT_FALSE(v.RidisegnoInAttesa());
}
