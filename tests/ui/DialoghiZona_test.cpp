// The zone and curb dialogs offscreen, opened from the main window as the program opens them and
// driven as a user does: cells clicked and typed into, buttons clicked, the close box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <string>

#include "app/DialogoAggiuntiva.h"
#include "app/DialogoCordoli.h"
#include "app/PannelloAggMulti.h"
#include "design/ArchivioZone.h"
#include "design/SoletteBarre.h"
#include "model/Vista.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"
#include "ui/Banco.h"
#include "ui/FrmAggMulti.h"
#include "ui/FrmAggiuntiva.h"
#include "ui/FrmCordoli.h"
#include "ui/FrmMain.h"
#include "ui/PannelloQt.h"
#include "ui/VisoreRTF.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello Soletta1000x600 = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}};

void Attendi() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Types `testo` into the item's cell as a user does: a click on the cell, all selected, the
// keys, Enter.
void Scrivi(PannelloQt& p, int32_t id, const QString& testo) {
    QTreeWidgetItem* v = p.Voce(id);
    ASSERT_NE(v, nullptr) << id;
    p.scrollToItem(v);
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.visualRect(p.indexFromItem(v, PannelloQt::ColonnaValore)).center());
    QLineEdit* e = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QLineEdit* x : p.findChildren<QLineEdit*>())
                if (x->isVisible()) e = x;
            return e != nullptr;
        },
        1000));
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(e, testo);
    QTest::keyClick(e, Qt::Key_Return);
    Attendi();
}

std::string Cella(const PannelloQt& p, int32_t id) {
    QTreeWidgetItem* v = p.Voce(id);
    return v ? v->text(PannelloQt::ColonnaValore).toStdString() : "<nessuna>";
}

// The character format at the start of `testo` in the information box.
QTextCharFormat Formato(VisoreRTF& info, const QString& testo) {
    QTextCursor c = info.document()->find(testo);
    EXPECT_FALSE(c.isNull()) << testo.toStdString();
    c.setPosition(c.selectionStart() + 1);
    return c.charFormat();
}

// Into the tests' screenshot folder, not wherever the tests happen to run.
void SalvaImmagine(QWidget& w, const char* nome) {
    const QImage img = w.grab().toImage();
    EXPECT_FALSE(img.isNull());
    std::string base = nome;
    if (base.size() > 4 && base.substr(base.size() - 4) == ".png") base.resize(base.size() - 4);
    SalvaPng(img, base);
}

// The main window as the program builds it, a slab 1000 x 600 in memory, message boxes
// recorded; every process-wide group comes back afterwards.
class DialoghiZona : public ::testing::Test {
protected:
    AmbienteBarre amb;
    CartellaTemp cartella;
    FrmMain finestra;
    MessaggiRegistrati messaggi;

    DialoghiZona() {
        Piatt.Msg = &messaggi;
        M = SolettaProva(Soletta1000x600);
        M.Progetto.CartellaLavoro = cartella.Percorso();
        Undo = StatoUndo{};
        Vista.FinestraVista = {0, 600, 0, 1000};
        Vista.Scala = 0.5f;
        Vista.AltezzaVideo = 300;
        Vista.ModoComando = 0;
        Vista.DirezioneAttiva = 0;
        Edit = EditZone{};
        finestra.show();
    }
    // A new upper-face zone Ø12/20 along direction 1: 180 x 100 about (500, 300).
    static void ZonaDiBarre() {
        Zona& z = Edit.ZonaCorrente;
        z.Tipo = 0;
        z.Diametro = 12;
        z.Passo = 20;
        z.Angoli = {Punto{410, 350}, Punto{590, 350}, Punto{590, 250}, Punto{410, 250}};
        Edit.ZonaSelezionata = 0;
        Edit.RichiestaMaxSel = 7;
        Edit.RichiestaMediaSel = 3;
    }
    // A curb along the top side: stirrups 8/20 with 2 legs, bars of 14, cover 6, width 30.
    static void Cordolo() {
        Zona& z = Edit.ZonaCorrente;
        z.Tipo = 2;
        z.Diametro = 8;
        z.Passo = 20;
        z.NumBracci = 2;
        z.Diametro2 = 14;
        z.Copriferro = 6;
        z.Passo2 = 30;
        z.LatoCordolo = 1;
        z.PoligonoCordolo = -1;
        Edit.ZonaSelezionata = 0;
    }
};

}  // namespace

TEST_F(DialoghiZona, ZonaDiBarreConfermata) {
    ZonaDiBarre();
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        EXPECT_EQ(d.windowTitle(), "Armatura integrativa");
        EXPECT_EQ(d.Command1()->text(), "Modifica perimetro");
        EXPECT_EQ(d.Command2()->text(), "Ok");
        EXPECT_EQ(d.Command3()->text(), "Annulla");
        EXPECT_EQ(d.Command4()->text(), "Ricalcola passo");
        EXPECT_TRUE(d.Command2()->isDefault());
        PannelloQt& p = *d.PropertyGrid1();
        ASSERT_EQ(p.topLevelItemCount(), 1);
        EXPECT_EQ(p.topLevelItem(0)->text(0), "Dati armatura");
        EXPECT_EQ(p.topLevelItem(0)->childCount(), 7);
        EXPECT_NEAR(p.columnWidth(PannelloQt::ColonnaTitolo), 0.6 * p.viewport()->width(), 1);

        // The runs of the information box: the missing steel red and bold, the rest black.
        VisoreRTF& info = *d.RichTextBox1();
        EXPECT_TRUE(info.document()->toPlainText().contains(QStringLiteral(" Richiesta max: 7.0 cmq/m  (Mancano: 1.3 cmq/m)")));
        const QTextCharFormat mancano = Formato(info, QStringLiteral("Mancano: 1.3"));
        EXPECT_EQ(mancano.foreground().color(), QColor(255, 0, 0));
        EXPECT_GE(mancano.fontWeight(), QFont::Bold);
        const QTextCharFormat media = Formato(info, QStringLiteral("In eccesso: 2.65"));
        EXPECT_EQ(media.foreground().color(), QColor(0, 0, 0));
        EXPECT_LT(media.fontWeight(), QFont::Bold);
        SalvaImmagine(d, "FrmAggiuntiva.png");

        // Refused: put back and told, the dialog stays open (Enter ends the edit only).
        Scrivi(p, IdAggDiametro, "5.9");
        EXPECT_EQ(Cella(p, IdAggDiametro), " 12");
        EXPECT_EQ(Edit.ZonaCorrente.Diametro, 12);
        Scrivi(p, IdAggXCentro, "abc");
        EXPECT_EQ(Cella(p, IdAggXCentro), "500.0");
        ASSERT_EQ(messaggi.Visti.size(), 2u);
        EXPECT_EQ(messaggi.Visti[0].Testo, "\"Diametro [mm]\" accetta valori da 6 a 100.\nValore non accettato.");
        messaggi.Visti.clear();
        EXPECT_TRUE(d.isVisible());
        // Accepted: stored, shown as stored, the information follows.
        Scrivi(p, IdAggPasso, "12,5");
        EXPECT_EQ(Cella(p, IdAggPasso), "12.5");
        EXPECT_TRUE(info.document()->toPlainText().contains(QStringLiteral("12/12.5")));
        Scrivi(p, IdAggDiametro, "13.5");
        EXPECT_EQ(Cella(p, IdAggDiametro), " 14");
        EXPECT_EQ(Edit.ZonaCorrente.Diametro, 14);
        // Both faces: a click ticks the box.
        QTreeWidgetItem* entrambi = p.Voce(IdAggEntrambiLati);
        ASSERT_NE(entrambi, nullptr);
        QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.visualRect(p.indexFromItem(entrambi, 1)).center());
        Attendi();
        EXPECT_EQ(Edit.EntrambiLati, 1);
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
    });
    ApriFrmAggiuntiva();
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(Edit.ZonaConfermata, -1);
    EXPECT_EQ(Edit.EntrambiLati, 1);
    EXPECT_EQ(Undo.UndoCorrente, 0) << "the caller's store takes the step";
    EXPECT_TRUE(messaggi.Visti.empty());
    EXPECT_EQ(Edit.UltVertZonaCorr, 3);
}

// The stud layout: three values, a shorter panel, a taller information box; the close box
// cancels as "Annulla" does.
TEST_F(DialoghiZona, PioliEChiusura) {
    Edit.ZonaCorrente.Tipo = 3;
    Edit.ZonaCorrente.Diametro = 12;
    Edit.ZonaCorrente.Passo = 20;
    Edit.ZonaCorrente.Passo2 = 25;
    Edit.ZonaCorrente.Angoli = {Punto{410, 350}, Punto{590, 350}, Punto{590, 250}, Punto{410, 250}};
    Edit.RichiestaMaxSel = 30;
    Vista.ModoComando = 52;
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        PannelloQt& p = *d.PropertyGrid1();
        ASSERT_EQ(p.topLevelItem(0)->childCount(), 3);
        EXPECT_EQ(p.topLevelItem(0)->child(2)->text(0), "Passo dir. 2 [cm]");
        const QRect g = p.geometry(), i = d.RichTextBox1()->geometry();
        EXPECT_EQ(g.height(), 139);       // 0.66 of 210
        EXPECT_EQ(i.top(), g.bottom() + 1 + 8);
        EXPECT_EQ(i.height(), 170 + 210 - 8 - 139);
        EXPECT_TRUE(d.RichTextBox1()->document()->toPlainText().contains(QStringLiteral(" Area = 22.62 cmq/mq")));
        EXPECT_EQ(Formato(*d.RichTextBox1(), QStringLiteral(" Mancano per")).foreground().color(), QColor(255, 0, 0));
        SalvaImmagine(d, "FrmAggiuntivaPioli.png");
        d.close();
    });
    ApriFrmAggiuntiva();
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(Edit.ZonaConfermata, 0);
    EXPECT_EQ(Undo.UndoCorrente, 0);
}

// The other ways out: "Ok" on a single bar, "Modifica perimetro", Escape, "Annulla".
TEST_F(DialoghiZona, AltriPulsanti) {
    ZonaDiBarre();
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        Scrivi(*d.PropertyGrid1(), IdAggLarghezza, "20");
        Scrivi(*d.PropertyGrid1(), IdAggPasso, "100");
        EXPECT_TRUE(d.RichTextBox1()->document()->toPlainText().contains(QStringLiteral("Errore: passo > larghezza!")));
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
        // Refused: the dialog stays, the width to correct selected.
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.PropertyGrid1()->currentItem(), d.PropertyGrid1()->Voce(IdAggLarghezza));
        QTest::mouseClick(d.Command3(), Qt::LeftButton);
    });
    ApriFrmAggiuntiva();
    ASSERT_EQ(messaggi.Visti.size(), 1u) << messaggi.Visti.back().Testo;
    EXPECT_EQ(messaggi.Visti[0].Testo, MsgLarghezzaMinorePasso);
    EXPECT_EQ(Edit.ZonaConfermata, 0);
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(Undo.UndoCorrente, 0);

    ZonaDiBarre();
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) { QTest::mouseClick(d.Command1(), Qt::LeftButton); });
    ApriFrmAggiuntiva();
    EXPECT_EQ(Vista.ModoComando, 200);
    EXPECT_EQ(Edit.MantieniRiferimento, -1);
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(finestra.Prompt(), PromptModificaPerimetro);

    ZonaDiBarre();
    Edit.RichiestaMaxSel = 10;
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        QTest::mouseClick(d.Command4(), Qt::LeftButton);  // "Ricalcola passo" keeps the dialog open
        EXPECT_EQ(Cella(*d.PropertyGrid1(), IdAggPasso), "11");
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    ApriFrmAggiuntiva();
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(ErroreOperazione, -1);

    Vista.ModoComando = 450;
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        EXPECT_EQ(d.windowTitle(), "Copia armatura sul lato opposto");
        EXPECT_EQ(d.PropertyGrid1()->Voce(IdAggEntrambiLati), nullptr);
        QTest::mouseClick(d.Command3(), Qt::LeftButton);
    });
    ApriFrmAggiuntiva();
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(Undo.UndoCorrente, 0);
}

TEST_F(DialoghiZona, CordoloConfermato) {
    Cordolo();
    QuandoAperto<FrmCordoli>([&](FrmCordoli& d) {
        EXPECT_EQ(d.windowTitle(), "Cordolo perimetrale");
        EXPECT_TRUE(d.Command2()->isDefault());
        PannelloQt& p = *d.PropertyGrid1();
        EXPECT_NEAR(p.columnWidth(PannelloQt::ColonnaTitolo), 0.7 * p.viewport()->width(), 1);
        VisoreRTF& info = *d.RichTextBox1();
        EXPECT_TRUE(info.document()->toPlainText().contains(QStringLiteral(" Area staffe = 13.96 cmq/mq")));
        EXPECT_EQ(Formato(info, QStringLiteral(" In eccesso: 13.96")).foreground().color(), QColor(0, 0, 0));
        SalvaImmagine(d, "FrmCordoli.png");

        Scrivi(p, IdCordPasso, "50.5");
        EXPECT_EQ(Cella(p, IdCordPasso), "20");
        Scrivi(p, IdCordPasso, "3.9");
        EXPECT_EQ(Cella(p, IdCordPasso), "20");
        ASSERT_EQ(messaggi.Visti.size(), 2u);
        EXPECT_EQ(messaggi.Visti[1].Testo, "\"Passo staffe [cm]\" accetta valori da 4 a 50.\nValore non accettato.");
        messaggi.Visti.clear();
        Scrivi(p, IdCordLarghezza, "40");
        EXPECT_EQ(Cella(p, IdCordLarghezza), "40");
        // Four legs from the list.
        QTreeWidgetItem* bracci = p.Voce(IdCordBracci);
        ASSERT_NE(bracci, nullptr);
        QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.visualRect(p.indexFromItem(bracci, 1)).center());
        QComboBox* c = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (QComboBox* x : p.findChildren<QComboBox*>())
                    if (x->isVisible()) c = x;
                return c != nullptr;
            },
            1000));
        QTest::keyClick(c, Qt::Key_Down);
        Attendi();
        EXPECT_EQ(Edit.ZonaCorrente.NumBracci, 4);
        EXPECT_EQ(Cella(p, IdCordBracci), "4");
        EXPECT_TRUE(info.document()->toPlainText().contains(QStringLiteral("( 4 bracci )")));
        EXPECT_TRUE(messaggi.Visti.empty());
        EXPECT_EQ(M.Zone.UltimaZona, -1);
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
    });
    ApriFrmCordoli();
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_EQ(M.Zone.Zone[0].Tipo, 2);
    EXPECT_EQ(M.Zone.Zone[0].NumBracci, 4);
    EXPECT_FLOAT_EQ(M.Zone.Zone[0].Passo2, 40);
    EXPECT_FLOAT_EQ(M.Zone.VerticiZone[0][1].Y, 554);
    EXPECT_EQ(Undo.UndoCorrente, 1);
}

TEST_F(DialoghiZona, CordoloAnnullato) {
    for (const bool chiusura : {false, true}) {
        SCOPED_TRACE(chiusura ? "casella di chiusura" : "Annulla");
        Cordolo();
        QuandoAperto<FrmCordoli>([&](FrmCordoli& d) {
            Scrivi(*d.PropertyGrid1(), IdCordLarghezza, "40");
            if (chiusura) d.close();
            else QTest::mouseClick(d.Command3(), Qt::LeftButton);
        });
        ApriFrmCordoli();
        EXPECT_EQ(M.Zone.UltimaZona, -1);
        EXPECT_EQ(Undo.UndoCorrente, 0);
    }
}

// A refused "Ok" keeps each dialog open with every value as typed, the item to correct
// selected, and the model as it was; a correction then goes through.
TEST_F(DialoghiZona, OkRifiutatoTieneIlDialogo) {
    // The zone dialog on a stored zone: diameter 20, an impossible centre.
    ZonaDiBarre();
    M.Zone.Zone.assign(1, Edit.ZonaCorrente);
    M.Zone.UltimaZona = 0;
    const std::string modello = dump::StampaModello(M);
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        PannelloQt& p = *d.PropertyGrid1();
        Scrivi(p, IdAggDiametro, "20");
        Scrivi(p, IdAggXCentro, "5000");
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
        Attendi();
        EXPECT_TRUE(d.isVisible()) << "refused, the dialog stays";
        ASSERT_EQ(messaggi.Visti.size(), 1u);
        EXPECT_EQ(messaggi.Visti[0].Testo, MsgZonaDialogo(EsitoContorno::NienteInComune));
        EXPECT_EQ(Cella(p, IdAggDiametro), " 20");
        EXPECT_EQ(Cella(p, IdAggXCentro), "5000.0");
        EXPECT_EQ(p.currentItem(), p.Voce(IdAggXCentro)) << "the centre to correct is selected";
        EXPECT_EQ(Edit.ZonaCorrente.Diametro, 20);
        EXPECT_EQ(dump::StampaModello(M), modello) << "nothing stored";
        // Corrected and confirmed: the diameter typed before is there.
        Scrivi(p, IdAggXCentro, "450");
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
    });
    ApriFrmAggiuntiva();
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(Edit.ZonaConfermata, -1);
    EXPECT_EQ(Edit.ZonaCorrente.Diametro, 20);
    EXPECT_FLOAT_EQ((Edit.ZonaCorrente.Angoli[0].X + Edit.ZonaCorrente.Angoli[2].X) / 2, 450);

    // The curb dialog with the table full: told, kept open, nothing stored.
    messaggi.Visti.clear();
    M.Zone.Zone.assign(MaxZone, Zona{});
    M.Zone.UltimaZona = MaxZone - 1;
    Cordolo();
    Edit.ZonaSelezionata = MaxZone;
    const std::string pieno = dump::StampaModello(M);
    QuandoAperto<FrmCordoli>([&](FrmCordoli& d) {
        Scrivi(*d.PropertyGrid1(), IdCordLarghezza, "40");
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
        Attendi();
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(messaggi.Visti.size(), 1u);
        EXPECT_EQ(messaggi.Visti[0].Testo, MsgLimiteZone);
        EXPECT_EQ(Cella(*d.PropertyGrid1(), IdCordLarghezza), "40");
        EXPECT_EQ(dump::StampaModello(M), pieno);
        QTest::mouseClick(d.Command3(), Qt::LeftButton);
    });
    ApriFrmCordoli();
    EXPECT_EQ(M.Zone.UltimaZona, MaxZone - 1);

    // The multiple insertion with bars no longer than their two anchorages.
    messaggi.Visti.clear();
    M.Zone = ZoneArmatura{};
    M.Zone.DiamIntegrativa = 12;
    bool fatto = false;
    QuandoAperto<FrmAggMulti>(
        [&](FrmAggMulti& d) {
            PannelloQt& p = *d.PropertyGrid1();
            Scrivi(p, IdMultiNum1, "8");
            Scrivi(p, IdMultiLung1, "100");
            QTest::mouseClick(d.Command1(1), Qt::LeftButton);
            Attendi();
            EXPECT_TRUE(d.isVisible());
            ASSERT_EQ(messaggi.Visti.size(), 1u);
            EXPECT_EQ(messaggi.Visti[0].Testo.rfind("La lunghezza dei ferri in direzione 1 (100 cm)", 0), 0u);
            EXPECT_EQ(p.currentItem(), p.Voce(IdMultiLung1));
            EXPECT_EQ(Cella(p, IdMultiNum1), "8");
            Scrivi(p, IdMultiLung1, "300");
            QTest::mouseClick(d.Command1(1), Qt::LeftButton);
        },
        &fatto);
    FinestraAggMulti(&finestra).Mostra();
    EXPECT_TRUE(fatto);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(AggMulti.NumFerriMulti1, 8);
    EXPECT_FLOAT_EQ(AggMulti.LungMulti1, 300);
}
