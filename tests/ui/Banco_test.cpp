// The bench's input reaches the plan picture at the pixels of the plan points, as floats.
#include "ui/Banco.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWheelEvent>

#include "ui/CtrlVid.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Visto {
    QEvent::Type Tipo;
    QPointF Pos;
    Qt::MouseButton Pulsante;
    Qt::MouseButtons Tenuti;
    int Delta;
    int Tasto;
};

class Registro : public QObject {
public:
    std::vector<Visto> Eventi;
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove: {
                auto* m = static_cast<QMouseEvent*>(e);
                Eventi.push_back({e->type(), m->position(), m->button(), m->buttons(), 0, 0});
                break;
            }
            case QEvent::Wheel: {
                auto* w = static_cast<QWheelEvent*>(e);
                Eventi.push_back({e->type(), w->position(), Qt::NoButton, {}, w->angleDelta().y(), 0});
                break;
            }
            case QEvent::KeyPress:
                Eventi.push_back({e->type(), {}, Qt::NoButton, {}, 0, static_cast<QKeyEvent*>(e)->key()});
                break;
            default: break;
        }
        return false;
    }
};

}  // namespace

TEST(Banco, InputAiPuntiDellaPianta) {
    StatoProcesso stato;
    CtrlVid v;
    v.resize(400, 300);
    v.show();
    Vista.FinestraVista = {0, 300, 0, 400};
    Vista.Scala = 0.8f;
    Vista.AltezzaVideo = 300;
    Registro r;
    v.installEventFilter(&r);

    Premi(&v, 100.5f, 50.25f);
    Muovi(&v, 110, 60, Qt::LeftButton);
    Rilascia(&v, 110, 60);
    DoppioClic(&v, 20, 30, Qt::LeftButton);
    Rotella(&v, 10, 10, -120);
    Tasto(&v, Qt::Key_Escape);

    const QPointF p0(100.5f * 0.8f, 300 - 50.25f * 0.8f);
    ASSERT_EQ(r.Eventi.size(), 9u);
    EXPECT_EQ(r.Eventi[0].Tipo, QEvent::MouseButtonPress);
    EXPECT_DOUBLE_EQ(r.Eventi[0].Pos.x(), p0.x()) << "not rounded to a pixel";
    EXPECT_DOUBLE_EQ(r.Eventi[0].Pos.y(), p0.y());
    EXPECT_EQ(r.Eventi[1].Tipo, QEvent::MouseMove);
    EXPECT_EQ(r.Eventi[1].Tenuti, Qt::LeftButton);
    EXPECT_EQ(r.Eventi[2].Tipo, QEvent::MouseButtonRelease);
    EXPECT_EQ(r.Eventi[2].Tenuti, Qt::NoButton);
    const QEvent::Type doppio[4] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.Eventi[3 + i].Tipo, doppio[i]) << i;
        EXPECT_NEAR(r.Eventi[3 + i].Pos.x(), 16, 0.5);
        EXPECT_NEAR(r.Eventi[3 + i].Pos.y(), 276, 0.5);
    }
    EXPECT_EQ(r.Eventi[7].Tipo, QEvent::Wheel);
    EXPECT_EQ(r.Eventi[7].Delta, -120);
    EXPECT_EQ(r.Eventi[8].Tasto, Qt::Key_Escape);
}

TEST(Banco, ConfrontoDiImmagini) {
    QImage a(10, 10, QImage::Format_RGB32), b(10, 10, QImage::Format_RGB32);
    a.fill(Qt::black);
    b.fill(Qt::black);
    b.setPixel(0, 0, qRgb(5, 0, 0));
    b.setPixel(1, 0, qRgb(50, 0, 0));
    EXPECT_DOUBLE_EQ(QuotaDiversi(a, b, 8), 0.01);
    EXPECT_DOUBLE_EQ(QuotaDiversi(a, b, 0), 0.02);
    EXPECT_DOUBLE_EQ(QuotaDiversi(a, QImage(5, 5, QImage::Format_RGB32)), 1.0);
}
