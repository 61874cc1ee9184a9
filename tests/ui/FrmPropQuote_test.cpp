// The dimension visibility dialog offscreen: the options clicked, "Ok", "&Annulla", Escape and
// the close box.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/Undo.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "ui/FrmPropQuote.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(FrmPropQuote, OpzioniEPulsanti) {
    GlobaliProva g;
    PiattaformaProva p;
    CartellaTemp dir;
    M = Modello{};
    M.Progetto.CartellaLavoro = dir.Percorso();  // the snapshot of "Ok" goes there
    M.SezQuote.Quote.resize(2);
    M.SezQuote.UltimaQuota = 1;
    M.SezQuote.Quote[1].Pianta = -1;
    Quotatura.QuotaSelezionata = 1;
    Vista.PiantaCorrente = 1;
    M.Progetto.MagliaUnica = 1;
    for (int modo = 0; modo < 3; ++modo) {
        FrmPropQuote f;
        f.show();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Quota attiva nel contesto:"));
        EXPECT_EQ(f.Option1(0)->text(), QStringLiteral("Pianta armatura diffusa"));
        EXPECT_TRUE(f.Option1(1)->isChecked());
        QTest::mouseClick(f.Option1(0), Qt::LeftButton);
        if (modo == 0) QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        else if (modo == 1) QTest::keyClick(&f, Qt::Key_Escape);
        else f.close();
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(M.SezQuote.Quote[1].Pianta, -1) << modo;
    }
    FrmPropQuote f;
    f.show();
    QTest::mouseClick(f.Option1(0), Qt::LeftButton);
    QTest::mouseClick(f.Command1(1), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(M.SezQuote.Quote[1].Pianta, 1);
    PulisciUndo();
}
