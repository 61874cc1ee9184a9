// The outline editor offscreen, opened by its command in the real main window and driven as a
// user does: its list, boxes, toggles and buttons, and clicks on the plan at plan points.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/BarreComandi.h"
#include "app/Undo.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "tools/StampaModello.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"
#include "ui/FrmPolig.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Editor : FinestraProva {
    GlobaliProva g;
    CartellaTemp dir;
    std::string a;
    Editor() {
        a = CopiaCampione(dir.Percorso(), "A.QVR");
        Avvia(a);
    }
    FrmPolig* Apri() {
        QAction* voce = f->Azioni(Comandi.IdPerimetro).value(0);
        EXPECT_NE(voce, nullptr);
        if (voce) voce->trigger();
        return f->EditorPerimetro();
    }
    QColor Testo(QLineEdit* e) const { return e->palette().color(QPalette::Text); }
};

}  // namespace

TEST(FrmPolig, AperturaPianoEClic) {
    Editor w;
    QApplication::setActiveWindow(w.f.get());
    Vista.ModoComando = 2;
    FrmPolig* e = w.Apri();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(e->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(e->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_NE(QApplication::activeWindow(), e);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Modifica perimetro"));
    EXPECT_EQ(Vista.EditPerimetro, 1);
    EXPECT_EQ(Vista.ModoComando, 0);
    ASSERT_EQ(e->List1()->count(), 6);
    EXPECT_EQ(e->List1()->item(0)->text(), QStringLiteral("  1 - X = 0.0    Y = 0.0"));
    EXPECT_EQ(e->List1()->currentRow(), 0);
    EXPECT_EQ(e->Label2(2)->text(), QStringLiteral("Vertice  1:"));
    EXPECT_EQ(w.Testo(e->Text1(0)), QColor(0, 0, 0));
    // The command again brings the same window up; zone and section commands are off.
    EXPECT_EQ(w.Apri(), e);
    for (int32_t id : {Comandi.IdInsIntegrativa, Comandi.IdSezione1, Comandi.IdQuotaOrizz})
        for (QAction* x : w.f->Azioni(id)) EXPECT_FALSE(x->isEnabled()) << id;

    // The plan: light red squares on the vertices, the selected one yellow.
    const QImage piano = w.f->PianoVideo()->Immagine();
    SalvaPng(piano, "frmpolig");
    // Corners of the squares away from the sides drawn over their centres.
    EXPECT_EQ(piano.pixelColor(X(0) - 2, Y(0) + 2), QColor(255, 255, 0));
    EXPECT_EQ(piano.pixelColor(X(1200) + 2, Y(600) - 2), QColor(255, 0, 0));

    // A click on a vertex selects it; elsewhere the point goes into the boxes in light red.
    CtrlVid* v = w.f->PianoVideo();
    Premi(v, 900, 900);
    EXPECT_EQ(e->List1()->currentRow(), 2);
    EXPECT_EQ(e->Text1(1)->text(), QStringLiteral("900.0"));
    Premi(v, 500.3f, 300.2f);
    EXPECT_EQ(w.Testo(e->Text1(0)), QColor(255, 0, 0));
    EXPECT_NEAR(e->Text1(0)->text().toFloat(), 500.3f, 1.0f);
    // "Osnap" on: a click beside the beam's end takes the end.
    QTest::mouseClick(e->Check1(1), Qt::LeftButton);
    EXPECT_EQ(EditSez.OsnapAttivo, 1);
    Premi(v, 930 + 1 / Vista.Scala, 585 + 1 / Vista.Scala);
    EXPECT_EQ(e->Text1(0)->text(), QStringLiteral("930.0"));
    EXPECT_EQ(e->Text1(1)->text(), QStringLiteral("585.0"));
    QTest::mouseClick(e->Check1(1), Qt::LeftButton);

    // "Assegna coordinate al vertice" with a box typed by hand, then "Assegna perimetro".
    e->List1()->setCurrentRow(0);
    e->List1()->setCurrentRow(2);
    e->Text1(1)->selectAll();
    QTest::keyClicks(e->Text1(1), QStringLiteral("800"));
    QTest::mouseClick(e->Command1(2), Qt::LeftButton);
    EXPECT_EQ(e->List1()->item(2)->text(), QStringLiteral("  3 - X = 900.0    Y = 800.0"));
    const int ultimo = Undo.UndoUltimo;
    QTest::mouseClick(e->Command1(3), Qt::LeftButton);
    EXPECT_TRUE(AttendiFinche([&] { return w.f->EditorPerimetro() == nullptr; }));
    EXPECT_EQ(Vista.EditPerimetro, 0);
    EXPECT_EQ(M.Soletta.Contorno[2].Y, 800);
    EXPECT_EQ(Undo.UndoUltimo, ultimo + 1);
}

// "Annulla", the close box, undo and opening another slab each close the editor and leave the
// outline as it was; the edits are dropped.
TEST(FrmPolig, AnnullaChiusuraEStatoPulito) {
    Editor w;
    const std::string b = CopiaCampione(w.dir.Percorso(), "B.QVR");
    for (int modo = 0; modo < 4; ++modo) {
        SCOPED_TRACE(modo);
        if (modo == 2) {
            // Something to undo: a snapshot, then an edit.
            SalvaStatoUndo();
            M.Progetto.Spessore += 1;
        }
        FrmPolig* e = w.Apri();
        ASSERT_NE(e, nullptr);
        e->List1()->setCurrentRow(1);
        e->Text1(0)->setText(QStringLiteral("50"));
        QTest::mouseClick(e->Command1(2), Qt::LeftButton);
        ASSERT_EQ(e->List1()->item(1)->text(), QStringLiteral("  2 - X = 50.0    Y = 900.0"));
        if (modo == 0) {
            QTest::mouseClick(e->Command1(4), Qt::LeftButton);
        } else if (modo == 1) {
            e->close();
        } else if (modo == 2) {
            w.f->Azioni(Comandi.IdAnnulla).value(0)->trigger();
        } else {
            w.dialoghi.Scelte.push_back(b);
            w.f->Azioni(Comandi.IdApri).value(0)->trigger();
            EXPECT_EQ(M.Progetto.PercorsoSoletta, b);
        }
        EXPECT_TRUE(AttendiFinche([&] { return w.f->EditorPerimetro() == nullptr; }));
        EXPECT_EQ(Vista.EditPerimetro, 0);
        EXPECT_EQ(M.Soletta.Contorno[1].X, 0);
        EXPECT_EQ(M.Soletta.NumVertContorno, 6);
    }
}

// At the window's default size the editor opens beside the plan, where it hides no vertex of the
// outline it edits, and whole on the screen.
TEST(FrmPoligPosto, NonCopreIlPerimetro) {
    Editor w;
    FrmPolig* e = w.Apri();
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(e));
    QApplication::processEvents();
    const QRect editor = e->frameGeometry();
    const CtrlVid* piano = w.f->PianoVideo();
    ASSERT_EQ(M.Soletta.NumVertContorno, 6);
    for (int i = 0; i < M.Soletta.NumVertContorno; ++i) {
        const Punto& v = M.Soletta.Contorno[static_cast<size_t>(i)];
        // The vertex's numbered square, a few pixels about it.
        const QRect quadrato(piano->mapToGlobal(QPoint(X(v.X), Y(v.Y))) - QPoint(4, 4), QSize(9, 9));
        EXPECT_FALSE(editor.intersects(quadrato)) << "vertice " << i + 1;
    }
    EXPECT_TRUE(e->screen()->availableGeometry().contains(editor));
}
