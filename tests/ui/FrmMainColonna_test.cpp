// The side column of the main window: the options, the view buttons, the range box, the
// information panel and the commands' availability, through the real widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidgetItem>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QApplication>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>
#include <QToolBar>

#include "app/BarreComandi.h"
#include "app/DialogoImpostazioni.h"
#include "app/DialogoProgettoDiffusa.h"
#include "base/Formati.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/Form2.h"
#include "ui/FrmAggMulti.h"
#include "ui/FrmMain.h"
#include "ui/FrmProg.h"
#include "ui/PannelloQt.h"
#include "ui/LegendaQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The shared window, opened on a copy of the sample slab or on nothing.
struct Finestra : FinestraProva {
    CartellaTemp dir;
    ~Finestra() { f.reset(); }  // before its folder goes
    void Avvia(bool soletta = true) {
        FinestraProva::Avvia(soletta ? CopiaCampione(dir.Percorso()) : std::string());
    }
};

}  // namespace

TEST(FrmMainColonna, MappaDaOpzioniEPulsanti) {
    Finestra w;
    w.Avvia();
    FrmMain& f = *w.f;
    ASSERT_GT(M.Soletta.NumVertContorno, 0);
    EXPECT_TRUE(f.RichTextBox1()->toPlainText().contains(" Armatura diffusa:")) << "the summary after the load";

    QTest::mouseClick(f.OpzioneLato(1), Qt::LeftButton);
    QTest::mouseClick(f.OpzioneDirezione(1), Qt::LeftButton);
    EXPECT_EQ(Vista.LatoScelto, 1);
    EXPECT_EQ(Vista.DirezioneScelta, 1);
    w.Clic(116);  // "Mappa armatura da calcolo"
    QCoreApplication::processEvents();
    EXPECT_EQ(Vista.CodiceVista, 5);
    EXPECT_EQ(Vista.TipoMappa, 3);
    EXPECT_TRUE(w.Selezionato(116));
    EXPECT_FALSE(w.Selezionato(118));
    ASSERT_TRUE(f.Frame1()->isVisible());
    EXPECT_EQ(f.Text1(0)->text().toStdString(), FormatNum(M.Analisi.MaxRichiesta[3], 2));
    EXPECT_EQ(f.Text1(1)->text().toStdString(), FormatNum(M.Analisi.MinRichiesta[3], 2));

    // The map covers the slab: its middle is not background.
    const QImage piano = f.PianoVideo()->Immagine();
    SalvaPng(piano, "colonna_mappa");
    const auto& e = Vista.EstensionePianta;
    const QColor sfondo = CtrlVid::Colore(ColoreSfondoVideo());
    int diversi = 0;
    for (int i = 1; i < 10; ++i)
        for (int j = 1; j < 10; ++j) {
            const float x = e[0] + (e[2] - e[0]) * static_cast<float>(i) / 10;
            const float y = e[1] + (e[3] - e[1]) * static_cast<float>(j) / 10;
            const QPoint q(static_cast<int>(XSchermo(x)), static_cast<int>(YSchermo(y)));
            if (piano.rect().contains(q) && piano.pixelColor(q) != sfondo) ++diversi;
        }
    EXPECT_GT(diversi, 40);
    // The legend panel holds the scale.
    const QImage legenda = f.Picture2()->grab().toImage();
    const QColor fondo = legenda.pixelColor(1, 1);
    int segni = 0;
    for (int y = 0; y < legenda.height(); y += 2)
        for (int x = 0; x < legenda.width(); x += 2)
            if (legenda.pixelColor(x, y) != fondo) ++segni;
    EXPECT_GT(segni, 50);

    // "Taglio" disables the directions; the range box follows the shear map.
    QTest::mouseClick(f.OpzioneLato(2), Qt::LeftButton);
    EXPECT_FALSE(f.OpzioneDirezione(0)->isEnabled());
    EXPECT_EQ(Vista.CodiceVista, 10);
    QTest::mouseClick(f.OpzioneLato(0), Qt::LeftButton);
    EXPECT_TRUE(f.OpzioneDirezione(0)->isEnabled());

    // The range typed and applied with Enter in a box, then with the button.
    f.Text1(0)->setText(QStringLiteral("3,5"));
    f.Text1(1)->setText(QStringLiteral("abc"));
    const float minimo = Mappa.ScalaMin;
    QTest::keyClick(f.Text1(0), Qt::Key_Return);
    EXPECT_EQ(Mappa.ScalaMax, 3.5f);
    EXPECT_EQ(Mappa.ScalaMin, minimo);
    EXPECT_EQ(f.Text1(1)->text().toStdString(), FormatNum(minimo, 2));
    f.Text1(0)->setText(QStringLiteral("0.5"));
    f.Text1(1)->setText(QStringLiteral("1"));
    QTest::mouseClick(f.Command1(1), Qt::LeftButton);
    EXPECT_EQ(Mappa.ScalaMin, 1.0f);
    EXPECT_EQ(f.Text1(0)->text(), QStringLiteral("3.50")) << "a maximum below the minimum is refused";
    QTest::mouseClick(f.Command1(0), Qt::LeftButton);
    EXPECT_EQ(Mappa.ScalaMax, M.Analisi.MaxRichiesta[1]);
    // Enter in the plan applies the boxes too.
    f.Text1(0)->setText(QStringLiteral("9"));
    QTest::mousePress(f.PianoVideo(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.PianoVideo(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(f.PianoVideo(), Qt::Key_Return);
    EXPECT_EQ(Mappa.ScalaMax, 9.0f);

    w.Clic(118);  // "Visualizza armatura diffusa"
    EXPECT_FALSE(f.Frame1()->isVisible());
    EXPECT_EQ(Vista.CodiceVista, 0);
}

TEST(FrmMainColonna, DisponibilitaDeiComandi) {
    Finestra w;
    w.Avvia(false);
    EXPECT_FALSE(w.Abilitato(105)) << "undo";
    EXPECT_FALSE(w.Abilitato(121)) << "no slab: no integrative zone";
    EXPECT_FALSE(w.Abilitato(134)) << "no slab: no section";
    EXPECT_TRUE(w.Abilitato(100));
    w.f.reset();

    Finestra s;
    s.Avvia();
    EXPECT_FALSE(s.Abilitato(105));
    EXPECT_FALSE(s.Abilitato(106));
    EXPECT_FALSE(s.Abilitato(128)) << "copy is off in the diffuse view";
    EXPECT_TRUE(s.Abilitato(134));
    EXPECT_TRUE(s.Abilitato(139)) << "dimensions on plan 0";
    s.Clic(115);  // "Disponi armature integrative"
    EXPECT_TRUE(s.Abilitato(128));
    EXPECT_TRUE(s.Abilitato(121));
    EXPECT_TRUE(s.Abilitato(125)) << "curbs for a slab with two meshes";
    s.Clic(132);  // information mode on: shown as selected
    EXPECT_TRUE(s.Selezionato(132));
    s.Clic(120);  // the sheet: the information mode goes
    EXPECT_FALSE(s.Abilitato(132));
    EXPECT_EQ(Vista.ModoInfo, 0);
    EXPECT_FALSE(s.Abilitato(139));
    EXPECT_TRUE(s.Selezionato(120));
    EXPECT_FALSE(s.Selezionato(115));
}

TEST(FrmMainColonna, InfoNodoConSeparatoreRegionale) {
    Finestra w;
    w.Avvia();
    FrmMain& f = *w.f;
    w.Clic(115);
    w.Clic(132);
    ASSERT_NE(Vista.ModoInfo, 0);
    Vista.SeparatoreDecimale = ',';
    const Nodo& n = M.Analisi.Nodi[0];
    QTest::mousePress(f.PianoVideo(), Qt::LeftButton, {}, PixelPiano(n.X, n.Y).toPoint());
    QTest::mouseRelease(f.PianoVideo(), Qt::LeftButton, {}, PixelPiano(n.X, n.Y).toPoint());
    ASSERT_EQ(Vista.NodoSelezionato, 0);
    const QString testo = f.RichTextBox1()->toPlainText();
    EXPECT_TRUE(testo.contains(QStringLiteral(" Area ferri nel nodo: ") + QString::fromStdString(Str(n.Numero))));
    EXPECT_TRUE(testo.contains(QStringLiteral(" - progetto:"))) << testo.toStdString();
    EXPECT_TRUE(testo.contains(QStringLiteral(",")));
}

// The wheel over the information panel scrolls the panel; the plan keeps its view.
TEST(FrmMainColonna, RotellaSulPannelloLoScorre) {
    Finestra w;
    w.Avvia();
    FrmMain& f = *w.f;
    std::string lungo = "{\\rtf1\\ansi ";
    for (int i = 0; i < 200; ++i) lungo += "riga " + std::to_string(i) + "\\par ";
    f.MostraInfoRtf(lungo + "}");
    QCoreApplication::processEvents();
    QTextEdit* t = f.RichTextBox1();
    ASSERT_GT(t->verticalScrollBar()->maximum(), 0);
    const auto vista = Vista.FinestraVista;
    const QPointF c = t->viewport()->rect().center();
    QWheelEvent e(c, t->viewport()->mapToGlobal(c), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(t->viewport(), &e);
    QCoreApplication::processEvents();
    EXPECT_GT(t->verticalScrollBar()->value(), 0);
    EXPECT_EQ(Vista.FinestraVista, vista);
}

// "Ottimizza armatura flessionale diffusa": the warning, then the dialog; a criterion typed in
// its panel stays after Escape; "Progetta" designs the mesh as one undoable step.
TEST(FrmMainColonna, DialogoDiProgettoDellaMaglia) {
    Finestra w;
    w.Avvia();
    M.Diffusa.DiamDiffSup1 = 40;
    const int ultimo = Undo.UndoUltimo;
    bool visto = false;
    SuModale([&](QWidget* d) {
        auto* f = qobject_cast<FrmProg*>(d);
        ASSERT_NE(f, nullptr);
        visto = true;
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Progetto amatura diffusa"));
        EXPECT_TRUE(f->Label1()->text().startsWith(QStringLiteral("Nota: in caso di modifica")));
        EXPECT_TRUE(f->Command1(0)->isEnabled());
        PannelloQt* p = f->PropertyGrid1();
        QTreeWidgetItem* v = p->Voce(IdProgCopertura);
        ASSERT_NE(v, nullptr);
        p->editItem(v, PannelloQt::ColonnaValore);
        QLineEdit* e = nullptr;
        for (QLineEdit* x : p->findChildren<QLineEdit*>())
            if (x->isVisible()) e = x;
        ASSERT_NE(e, nullptr);
        e->setText(QStringLiteral("37,4"));
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(e, &invio);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_EQ(v->text(PannelloQt::ColonnaValore), QStringLiteral(" 37"));
        QTest::keyClick(f, Qt::Key_Escape);
    });
    w.Clic(114);
    EXPECT_TRUE(visto);
    ASSERT_EQ(w.msg.Visti.size(), 1u) << "the base-mesh warning";
    EXPECT_EQ(Imp.CoperturaMin, 37);
    EXPECT_EQ(M.Diffusa.DiamDiffSup1, 40) << "Escape designs nothing";
    EXPECT_EQ(Undo.UndoUltimo, ultimo);

    SuModale([](QWidget* d) { QTest::mouseClick(qobject_cast<FrmProg*>(d)->Command1(0), Qt::LeftButton); });
    w.Clic(114);
    EXPECT_LE(M.Diffusa.DiamDiffSup1, 28);
    EXPECT_EQ(Undo.UndoUltimo, ultimo + 1);
    EXPECT_TRUE(w.Abilitato(105)) << "undo is offered";
}

// A double click on a zone's mark in the arrangement view opens its dialog; Escape leaves the
// zone as it was.
TEST(FrmMainColonna, DoppioClicApreLaZona) {
    Finestra w;
    w.Avvia();
    w.Clic(115);  // "Disponi armature integrative": face 0, direction 1
    Zona z;
    z.Tipo = 0, z.Direzione = 0, z.Diametro = 16, z.Passo = 15;
    z.Angoli = {Punto{150, 380}, Punto{350, 380}, Punto{350, 220}, Punto{150, 220}};
    z.XMin = 150, z.YMin = 220, z.XMax = 350, z.YMax = 380;
    z.XMarca = 250, z.YMarca = 300;
    z.UltVertice = 3;
    M.Zone.Zone = {z};
    M.Zone.UltimaZona = 0;
    M.Zone.VerticiZone[0] = {z.Angoli.begin(), z.Angoli.end()};
    bool aperto = false;
    SuModale([&](QWidget* d) {
        aperto = d->windowTitle().contains(QStringLiteral("rmatura"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    DoppioClic(w.f->PianoVideo(), 250, 300);
    EXPECT_TRUE(aperto);
    EXPECT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_EQ(M.Zone.Zone[0].Diametro, 16);
    EXPECT_EQ(Vista.ModoInfo, 0);
}

// "Impostazioni": a grid edit in force at once, a swatch coloured from the colour dialog and
// applied by "&Ok" with the white background; the close box puts the snapshot back.
TEST(FrmMainColonna, DialogoImpostazioni) {
    Finestra w;
    w.Avvia();
    w.dialoghi.ColoriScelti = {0x00FF00};
    SuModale([&](QWidget* d) {
        auto* f = qobject_cast<Form2*>(d);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Impostazioni"));
        PannelloQt* p = f->PropertyGrid1();
        p->editItem(p->Voce(IdImpGrigliaX), PannelloQt::ColonnaValore);
        QLineEdit* e = nullptr;
        for (QLineEdit* x : p->findChildren<QLineEdit*>())
            if (x->isVisible()) e = x;
        ASSERT_NE(e, nullptr);
        e->setText(QStringLiteral("7.5"));
        QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(e, &invio);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        EXPECT_EQ(Imp.PassoGrigliaX, 8) << "in force before Ok";
        QTest::mouseClick(f->Label8(5), Qt::LeftButton);
        const QImage img = f->grab().toImage();
        const QPoint c = f->Label8(5)->mapTo(f, f->Label8(5)->rect().center());
        EXPECT_EQ(img.pixelColor(c), QColor(0, 255, 0));
        QTest::mouseClick(f->Option5(1), Qt::LeftButton);
        QTest::mouseClick(f->Command(1), Qt::LeftButton);
    });
    CommandBars_Execute(IdDaOffset(113));
    EXPECT_EQ(Strati.ColoriLayer[5], 0x00FF00);
    EXPECT_EQ(Imp.SfondoBianco, 1);
    const QImage piano = w.f->PianoVideo()->Immagine();
    SalvaPng(piano, "impostazioni_sfondo_bianco");
    EXPECT_EQ(piano.pixelColor(2, 2), QColor(255, 255, 255));

    // The close box after an edit of "L Min.": the opening value comes back.
    SuModale([&](QWidget* d) {
        auto* f = qobject_cast<Form2*>(d);
        f->Logica().DopoModifica(IdImpAncMin, "40");
        EXPECT_EQ(Imp.AncoraggioMin, 40);
        f->close();
    });
    const int prima = Imp.AncoraggioMin;
    CommandBars_Execute(IdDaOffset(113));
    EXPECT_EQ(Imp.AncoraggioMin, prima);
}

// A window over the columns with the real multiple-insertion dialog: "Ok" lays their zones as
// one undo step; the close box lays nothing.
TEST(FrmMainColonna, ZoneAttornoAiPilastri) {
    Finestra w;
    w.Avvia();
    w.Clic(115);
    ASSERT_GT(M.Soletta.NumPilastri, 0);
    const auto& e = M.Soletta.LimitiContorno;  // the window just around the slab
    auto finestra = [&] {
        w.Clic(122);  // "Armatura pilastri"
        Premi(w.f->PianoVideo(), e[0] - 10, e[3] + 10);
        Rilascia(w.f->PianoVideo(), e[0] - 10, e[3] + 10);
        Premi(w.f->PianoVideo(), e[2] + 10, e[1] - 10);
        Rilascia(w.f->PianoVideo(), e[2] + 10, e[1] - 10);
    };
    const int ultimo = Undo.UndoUltimo;
    SuModale([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Inserimento multiplo armature aggiuntive"));
        d->close();
    });
    finestra();
    EXPECT_EQ(M.Zone.UltimaZona, -1);
    EXPECT_EQ(Undo.UndoUltimo, ultimo);
    SuModale([](QWidget* d) { QTest::mouseClick(qobject_cast<FrmAggMulti*>(d)->Command1(1), Qt::LeftButton); });
    finestra();
    EXPECT_GE(M.Zone.UltimaZona, 0);
    EXPECT_EQ(Undo.UndoUltimo, ultimo + 1);
    EXPECT_EQ(Vista.ModoComando, 0);
}
