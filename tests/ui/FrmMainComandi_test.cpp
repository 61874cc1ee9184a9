// Commands run through the real menu entries and toolbar buttons of the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

#include "app/BarreComandi.h"
#include "model/definizioni.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

using Finestra = FinestraProva;

}  // namespace

TEST(FrmMainComandi, PulsantiEVoci) {
    Finestra w;
    CartellaTemp dir;
    const std::string a = CopiaCampione(dir.Percorso(), "A.QVR");
    const std::string b = CopiaCampione(dir.Percorso(), "B.QVR");
    w.Avvia(a);
    FrmMain& f = *w.f;
    ASSERT_EQ(M.Progetto.PercorsoSoletta, a);

    // "Copia armatura" from its button, in the arrangement view where it is enabled: mode,
    // prompt, the repeat remembered.
    w.Clic(115);
    Vista.ModoInfo = -1;
    w.Clic(128);
    EXPECT_EQ(Vista.ModoComando, 430);
    EXPECT_EQ(Vista.ModoInfo, 0);
    EXPECT_EQ(Vista.UltimoComando, IdDaOffset(128));
    EXPECT_EQ(f.Label1()->text(), "Seleziona l'armatura da copiare");
    // "Zoom" clears it.
    w.Clic(107);
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(Vista.UltimoComando, 0);

    // "&Apri" from the menu, with a half-finished operation: the new slab starts idle.
    w.Clic(130);
    Vista.NodoSelezionato = 5;
    Vista.ElementoEvidenziato = 3;
    Vista.MostraManiglie = 1;
    f.OpzioneLato(1)->setChecked(true);
    f.OpzioneDirezione(1)->setChecked(true);
    w.dialoghi.Scelte.push_back(b);
    QAction* apri = w.Voce("&Apri");
    ASSERT_NE(apri, nullptr);
    apri->trigger();
    EXPECT_EQ(M.Progetto.PercorsoSoletta, b);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(Vista.NodoSelezionato, -1);
    EXPECT_EQ(Vista.ElementoEvidenziato, -1);
    EXPECT_EQ(Vista.MostraManiglie, 0);
    EXPECT_EQ(f.Label1()->text(), "");
    EXPECT_TRUE(f.OpzioneLato(0)->isChecked());
    EXPECT_TRUE(f.OpzioneDirezione(0)->isChecked());
    EXPECT_EQ(Vista.UltimoComando, IdDaOffset(130)) << "a file command keeps the repeat";
    EXPECT_TRUE(w.msg.Visti.empty());
}

TEST(FrmMainComandi, PannelloInformazioni) {
    Finestra w;
    CartellaTemp dir;
    w.Avvia(CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    w.Clic(115);
    w.Clic(132);
    EXPECT_EQ(Vista.ModoInfo, -1);
    const QString testo = f.RichTextBox1()->toPlainText();
    EXPECT_EQ(testo.trimmed().toStdString(), "Clicca sui nodi per ottenere le informazioni di progetto");
    QTextCursor c(f.RichTextBox1()->document());
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(Qt::black));
    w.Clic(132);
    EXPECT_EQ(Vista.ModoInfo, 0);
}
