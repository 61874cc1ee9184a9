// The colour picker offscreen, driven with the mouse as a user does: the cells, the frames
// grabbed from the colour area, the labels, the previews and the three ways out.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/SelettoreColore.h"
#include "dxf/ColoriACI.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "ui/FormSelettoreColore.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

QPoint Centro(int cella) {
    const CellaSelettore& k = CelleSelettore()[static_cast<size_t>(cella)];
    return {(k.Left + k.Right) / 2, (k.Top + k.Bottom) / 2};
}

int CellaDi(int indice) {
    for (int c = 0; c < NumCelleACI; ++c)
        if (CelleSelettore()[static_cast<size_t>(c)].Indice == indice) return c;
    return -1;
}

QColor Pixel(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

}  // namespace

TEST(FormSelettoreColore, SceltaConIlMouse) {
    GlobaliProva g;
    EsportaDxf.ColoreACIScelto = 0;
    Form_Selettore_Colore f;
    f.show();
    QWidget* area = f.Picture1();
    const int sette = CellaDi(7);
    EXPECT_EQ(f.Stato().Selezionata(), sette);
    EXPECT_EQ(f.Label1()->text(), "id colore =  7");
    const Cornice rossa = CorniceCella(sette);
    EXPECT_EQ(Pixel(area, rossa.X1, rossa.Y1), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(area, rossa.X2, rossa.Y2), QColor(255, 0, 0));

    // A gap beside cell 0 changes nothing.
    QTest::mouseMove(area, {27, 15});
    QTest::mouseClick(area, Qt::LeftButton, {}, {27, 15});
    EXPECT_EQ(f.Stato().Selezionata(), sette);
    EXPECT_EQ(f.Stato().Evidenziata(), -1);

    // Over the selected cell: its index, no blue frame.
    QTest::mouseMove(area, Centro(sette));
    EXPECT_EQ(f.Indice_Colore()->text(), "Indice colore: 7");
    EXPECT_EQ(f.Stato().Evidenziata(), -1);
    EXPECT_EQ(Pixel(area, rossa.X1, rossa.Y1), QColor(255, 0, 0));
    // Over another: the blue frame.
    QTest::mouseMove(area, Centro(0));
    EXPECT_EQ(f.Indice_Colore()->text(), "Indice colore: 18");
    const Cornice blu = CorniceCella(0);
    EXPECT_EQ(Pixel(area, blu.X1 + 1, blu.Y1 + 1), QColor(0, 0, 255));

    // Any button's release on cell 249 selects 250, shown as black.
    QTest::mouseClick(area, Qt::RightButton, {}, Centro(249));
    EXPECT_EQ(f.Stato().Selezionata(), 249);
    EXPECT_EQ(f.Label1()->text(), "id colore =  250");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.Label2(i)->text().endsWith(" = 0")) << f.Label2(i)->text().toStdString();
    EXPECT_EQ(Pixel(f.Pict_Sel(0), 40, 40), QColor(0, 0, 0));
    EXPECT_EQ(Pixel(f.Pict_Sel(1), 40, 40), QColor(255, 255, 255));
    EXPECT_EQ(Pixel(area, rossa.X1, rossa.Y1), area->palette().color(QPalette::Window));
    const Cornice nuova = CorniceCella(249);
    EXPECT_EQ(Pixel(area, nuova.X1, nuova.Y1), QColor(255, 0, 0));

    QTest::mouseClick(f.Command1(0), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(EsportaDxf.ColoreACIScelto, 250);
}

TEST(FormSelettoreColore, AnnullaEChiusura) {
    GlobaliProva g;
    {
        EsportaDxf.ColoreACIScelto = 0;
        Form_Selettore_Colore f;
        f.show();
        QTest::mouseClick(f.Picture1(), Qt::LeftButton, {}, Centro(10));
        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        EXPECT_EQ(EsportaDxf.ColoreACIScelto, 7);
    }
    for (bool escape : {false, true}) {
        EsportaDxf.ColoreACIScelto = 33;
        Form_Selettore_Colore f;
        f.show();
        QTest::mouseClick(f.Picture1(), Qt::LeftButton, {}, Centro(10));
        if (escape) QTest::keyClick(&f, Qt::Key_Escape);
        else f.close();
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(EsportaDxf.ColoreACIScelto, 33);
    }
}
