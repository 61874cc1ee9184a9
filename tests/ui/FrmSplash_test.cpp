// The about box from its menu entry: size, place, label, and the two ways it closes.
#include "ui/FrmSplash.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/BarreComandi.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(FrmSplash, MostrataDalMenuEChiusa) {
    StatoProcesso stato;
    ConfigProva config;
    MessaggiRegistrati msg;
    FrmMain f({}, nullptr, ServiziFinestra{&msg, nullptr});
    f.Avvia();
    QCoreApplication::processEvents();
    QAction* informazioni = f.Azioni(IdInformazioni).value(0);
    ASSERT_NE(informazioni, nullptr);

    // The timer's end closes it.
    bool vista = false;
    SuModale([&](QWidget* w) {
        auto* s = qobject_cast<FrmSplash*>(w);
        ASSERT_NE(s, nullptr);
        vista = true;
        EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(s->size(), QSize(455, 265));
        // Centred on the 1600 x 1000 screen.
        EXPECT_EQ(s->frameGeometry().topLeft(), QPoint((1600 - 455) / 2, (1000 - 265) / 2));
        EXPECT_EQ(s->Label1()->text(), "build 2024.04.0015");
        EXPECT_EQ(s->Label1()->pos(), QPoint(20, 17));
        EXPECT_EQ(s->Label1()->font().family(), "Arial");
        SalvaPng(s->grab().toImage(), "informazioni");
        QTimer* t = s->Timer1();
        EXPECT_TRUE(t->isActive());
        EXPECT_TRUE(t->isSingleShot());
        EXPECT_EQ(t->interval(), 3000);
        QMetaObject::invokeMethod(t, "timeout");
        EXPECT_FALSE(s->isVisible());
    });
    informazioni->trigger();
    EXPECT_TRUE(vista);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // So does a click on the label, with a fresh timer.
    vista = false;
    SuModale([&](QWidget* w) {
        auto* s = qobject_cast<FrmSplash*>(w);
        ASSERT_NE(s, nullptr);
        vista = true;
        EXPECT_TRUE(s->Timer1()->isActive());
        QTest::mouseClick(s->Label1(), Qt::LeftButton);
        EXPECT_FALSE(s->isVisible());
    });
    informazioni->trigger();
    EXPECT_TRUE(vista);
    EXPECT_TRUE(msg.Visti.empty());
}
