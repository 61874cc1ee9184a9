// The plan picture hands its mouse to the engine: buttons, positions, drags, the focus
// rectangle on the shown image and the wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "app/MouseVideo.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "ui/CtrlVid.h"

using namespace vilmor;

namespace {

class ScenaMouse : public ::testing::Test {
protected:
    void SetUp() override {
        v.Installa();
        ImpostaDefault();
        ImpostaColori();
        Piatt.SinkVideo = &sink;
        Disegno.Ridisegna = [](int uscita) { Ridisegna(uscita); };
        M = Modello{};
        M.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        M.Soletta.NumVertContorno = 4;
        M.Soletta.LimitiContorno = {0, 0, 1000, 500};
        v.resize(800, 400);
        v.show();
        Vista.AltezzaVideo = 400;
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = CalcScala(0, 0, 1000, 500);
        Vista.ModoComando = 0;
        Vista.ModoInfo = 0;
        Vista.UltimoComando = 0;
        Ridisegna(0);
    }
    void TearDown() override {
        Piatt = piatt_;
        Disegno = disegno_;
        Vista = vista_;
        M = m_;
        Imp = imp_;
        Strati = strati_;
    }
    void Ruota(int delta) {
        QWheelEvent e(QPointF(200, 100), v.mapToGlobal(QPointF(200, 100)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &e);
    }

    Piattaforma piatt_ = Piatt;
    ServiziDisegno disegno_ = Disegno;
    StatoVista vista_ = Vista;
    Modello m_ = M;
    Impostazioni imp_ = Imp;
    StratiDisegno strati_ = Strati;
    SinkVideo sink;
    CtrlVid v;
};

TEST_F(ScenaMouse, PressesReachTheEngine) {
    QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_EQ(Vista.XClic, 30);
    EXPECT_EQ(Vista.YClic, 40);
    QTest::mousePress(&v, Qt::RightButton, Qt::NoModifier, QPoint(60, 70));
    QTest::mouseRelease(&v, Qt::RightButton, Qt::NoModifier, QPoint(60, 70));
    EXPECT_EQ(Vista.XClic, 30);
    // The second press of a double click is not a press.
    QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, QPoint(90, 90));
    QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, QPoint(90, 90));
    QMouseEvent d(QEvent::MouseButtonDblClick, QPointF(95, 95), v.mapToGlobal(QPointF(95, 95)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &d);
    EXPECT_EQ(Vista.XClic, 90);
}

TEST_F(ScenaMouse, MiddleDragPansAndComesBack) {
    Vista.ModoComando = 2;
    QTest::mousePress(&v, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent m(QEvent::MouseMove, QPointF(180, 100), v.mapToGlobal(QPointF(180, 100)), Qt::NoButton,
                  Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &m);
    QTest::mouseRelease(&v, Qt::MiddleButton, Qt::NoModifier, QPoint(180, 100));
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_NEAR(Vista.FinestraVista[2], -100, 1e-3);
}

TEST_F(ScenaMouse, FocusRectangleIsShownAndErased) {
    AvviaZoomFinestra();
    const QImage prima = v.Mostrata().copy();
    QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent m(QEvent::MouseMove, QPointF(300, 200), v.mapToGlobal(QPointF(300, 200)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &m);
    EXPECT_NE(v.Mostrata(), prima);
    EXPECT_EQ(Vista.RettFocus.right, 300);
    QTest::mousePress(&v, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QTest::mouseRelease(&v, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(v.Mostrata(), v.Immagine());
}

TEST_F(ScenaMouse, WheelStepsAreWholeNotches) {
    Vista.XCursore = 250, Vista.YCursore = 125;
    for (int k = 0; k < 3; ++k) Ruota(30);
    EXPECT_NEAR(Vista.FinestraVista[2], 0, 1e-3);
    Ruota(30);
    EXPECT_NEAR(Vista.FinestraVista[2], 25, 1e-3);
    EXPECT_NEAR(Vista.FinestraVista[3], 925, 1e-3);
}

TEST_F(ScenaMouse, InformationHoverMarksTheNodeInMagenta) {
    M.Analisi.Nodi.assign(1, Nodo{});
    M.Analisi.NumNodi = 1;
    M.Analisi.Nodi[0].X = 500, M.Analisi.Nodi[0].Y = 250;  // pixel (400, 200)
    Vista.ElementoEvidenziato = -1;
    QMouseEvent m(QEvent::MouseMove, QPointF(402, 199), v.mapToGlobal(QPointF(402, 199)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &m);
    EXPECT_EQ(v.Mostrata(), v.Immagine());

    Vista.ModoInfo = 1;
    QApplication::sendEvent(&v, &m);
    const QImage img = v.Mostrata();
    const QColor magenta(255, 0, 255);
    bool trovato = false;
    for (int x = 396; x <= 399; ++x) trovato = trovato || img.pixelColor(x, 200) == magenta;
    EXPECT_TRUE(trovato);
    EXPECT_NE(img.pixelColor(400, 200), magenta);
}

}  // namespace
