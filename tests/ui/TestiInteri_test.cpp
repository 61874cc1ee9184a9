// Nothing the program writes on the screen is cut: the main window at its default size and at
// 1100 x 750, in the views whose legends hold the most text, and every dialog it opens.
#include "ui/TestiInteri.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "model/definizioni.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"
#include "ui/LegendaQt.h"
#include "ui/PannelloQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

std::string Elenco(const std::vector<std::string>& r) {
    std::string t;
    for (const std::string& s : r) t += "\n  " + s;
    return t;
}

void Controlla(FrmMain& f, const std::string& dove) {
    QApplication::processEvents();
    const auto r = TestiTagliati(&f);
    EXPECT_TRUE(r.empty()) << dove << Elenco(r);
}

}  // namespace

TEST(TestiInteri, FinestraPrincipale) {
    FinestraProva w;
    CartellaTemp dir;
    w.Avvia(CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    ASSERT_GT(M.Soletta.NumVertContorno, 0);
    for (const QSize dimensione : {f.size(), QSize(1100, 750)}) {
        if (dimensione != f.size()) {
            f.resize(dimensione);
            ASSERT_TRUE(QTest::qWaitFor([&] { return f.size() == dimensione; }, 2000));
        }
        const std::string d = std::to_string(f.width()) + "x" + std::to_string(f.height());
        w.Clic(118);  // "Visualizza armatura diffusa"
        Controlla(f, d + " armatura diffusa");
        SalvaPng(f.grab().toImage(), "testi_interi_" + d);
        // The property panel shows its rows whole.
        PannelloQt& p = *f.Pannello();
        const QModelIndex ultima = p.model()->index(p.topLevelItemCount() - 1, 0);
        const QModelIndex ultimaVoce = p.model()->index(p.model()->rowCount(ultima) - 1, 0, ultima);
        EXPECT_LE(p.visualRect(ultimaVoce).bottom(), p.viewport()->height()) << d;
        w.Clic(116);  // "Mappa armatura da calcolo": scale and range box
        Controlla(f, d + " mappa");
        w.Clic(115);  // "Disponi armature integrative": the missing-steel markers
        Controlla(f, d + " carenza");
        SalvaPng(f.grab().toImage(), "testi_interi_carenza_" + d);
        QTest::mouseClick(f.OpzioneLato(2), Qt::LeftButton);  // "Taglio"
        w.Clic(116);  // the punching map
        Controlla(f, d + " punzonamento");
        QTest::mouseClick(f.OpzioneLato(0), Qt::LeftButton);
    }
}
