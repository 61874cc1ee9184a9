// The wheel over the main window's parts that do not scroll zooms the plan, until unhooked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWheelEvent>

#include "model/Impostazioni.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "ui/FrmMain.h"

using namespace vilmor;

namespace {

void Ruota(QWidget& w, int delta) {
    QWheelEvent e(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

TEST(FrmMainRuota, TheWindowZoomsUntilUnhooked) {
    prova::GlobaliProva globali;
    prova::CartellaTemp cartella;
    prova::AmbienteProva ambiente("XDG_CONFIG_HOME", cartella.Percorso());
    FrmMain f;
    f.Hook();  // a second hook changes nothing
    Vista.FinestraVista = {0, 500, 0, 1000};
    Vista.XCursore = 250, Vista.YCursore = 125;
    Ruota(f, 120);
    EXPECT_NEAR(Vista.FinestraVista[2], 25, 1e-3);
    EXPECT_NEAR(Vista.FinestraVista[3], 925, 1e-3);
    f.Unhook();
    Ruota(f, 120);
    EXPECT_NEAR(Vista.FinestraVista[2], 25, 1e-3);
}

}  // namespace
