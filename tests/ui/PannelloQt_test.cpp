#include "ui/PannelloQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "app/PannelloDiffusa.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"
#include "ui/TestiInteri.h"

using namespace vilmor;

namespace {

// Two categories, the first with two items, the second with one.
void Riempi(PannelloQt& p, const std::string& valore1 = "12") {
    p.Pulisci();
    const int a = p.AggiungiCategoria("Armatura diffusa");
    p.Espandi(a);
    p.AggiungiVoce(a, "Diam. dir. 1 sup.", valore1, 1);
    p.AggiungiVoce(a, "Passo dir. 1 sup.", "20.0", 2);
    const int b = p.AggiungiCategoria("Armatura diffusa a taglio (cavalletti)");
    p.AggiungiVoce(b, "Passo dir. 1", "50.0", 11);
}

std::string Valore(const PannelloQt& p, int32_t id) {
    QTreeWidgetItem* v = p.Voce(id);
    return v ? v->text(PannelloQt::ColonnaValore).toStdString() : "<nessuna>";
}

// The editor open on the panel, or null.
QLineEdit* EditorAperto(const PannelloQt& p) {
    for (QLineEdit* x : p.findChildren<QLineEdit*>())  // closed editors linger hidden until deleted
        if (x->isVisible()) return x;
    return nullptr;
}

// Edits the value of the item as the user does: opens the editor, types, presses Enter.
void Modifica(PannelloQt& p, int32_t id, const QString& testo) {
    QTreeWidgetItem* v = p.Voce(id);
    ASSERT_NE(v, nullptr);
    p.editItem(v, PannelloQt::ColonnaValore);
    QLineEdit* e = EditorAperto(p);
    ASSERT_NE(e, nullptr);
    e->setText(testo);
    QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(e, &invio);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

TEST(PannelloQt, CategorieEVoci) {
    PannelloQt p;
    Riempi(p);
    Riempi(p);  // emptied first
    ASSERT_EQ(p.topLevelItemCount(), 2);
    QTreeWidgetItem* a = p.topLevelItem(0);
    QTreeWidgetItem* b = p.topLevelItem(1);
    EXPECT_EQ(a->text(0), "Armatura diffusa");
    EXPECT_TRUE(a->isExpanded());
    EXPECT_FALSE(b->isExpanded());
    EXPECT_FALSE(a->flags() & Qt::ItemIsEditable);
    ASSERT_EQ(a->childCount(), 2);
    ASSERT_EQ(b->childCount(), 1);
    EXPECT_EQ(a->child(1)->text(0), "Passo dir. 1 sup.");
    EXPECT_EQ(a->child(1)->text(1), "20.0");
    EXPECT_EQ(a->child(1)->data(0, PannelloQt::RuoloId).toInt(), 2);
    EXPECT_EQ(p.Voce(11), b->child(0));
    EXPECT_EQ(p.Voce(9), nullptr);
    p.ImpostaValore(11, "45.0");
    EXPECT_EQ(Valore(p, 11), "45.0");
    p.Pulisci();
    EXPECT_EQ(p.topLevelItemCount(), 0);
    EXPECT_EQ(p.Voce(1), nullptr);
}

// The edited text goes to the handler with the id; the handler's answer is what the cell keeps.
TEST(PannelloQt, ModificaPassaPerIlGestore) {
    PannelloQt p;
    p.show();
    Riempi(p);
    std::vector<std::pair<int32_t, std::string>> viste;
    p.DopoModifica = [&](int32_t id, const std::string& testo) {
        viste.emplace_back(id, testo);
        return testo == "1" ? std::string("20.0") : testo + " cm";  // refuses 1
    };
    Modifica(p, 2, "25");
    ASSERT_EQ(viste.size(), 1u);
    EXPECT_EQ(viste[0], std::make_pair(int32_t{2}, std::string("25")));
    EXPECT_EQ(Valore(p, 2), "25 cm");
    Modifica(p, 2, "1");
    ASSERT_EQ(viste.size(), 2u);
    EXPECT_EQ(Valore(p, 2), "20.0");
    EXPECT_EQ(Valore(p, 1), "12");
}

// Without a handler an edit would have nowhere to go: no gesture opens an editor. The cells
// follow the handler as it comes and goes, also on items added before.
TEST(PannelloQt, SenzaGestoreSoloLettura) {
    PannelloQt p;
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    Riempi(p);
    QTreeWidgetItem* v = p.Voce(2);
    const QPoint cella = p.visualRect(p.indexFromItem(v, PannelloQt::ColonnaValore)).center();
    const std::vector<std::pair<const char*, std::function<void()>>> gesti = {
        {"clic", [&] { QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, cella); }},
        {"doppio clic", [&] { QTest::mouseDClick(p.viewport(), Qt::LeftButton, {}, cella); }},
        {"F2", [&] { p.setCurrentItem(v, PannelloQt::ColonnaValore), QTest::keyClick(&p, Qt::Key_F2); }},
        {"una cifra", [&] { p.setCurrentItem(v, PannelloQt::ColonnaValore), QTest::keyClick(&p, Qt::Key_5); }},
    };
    for (bool gestore : {false, true, false}) {
        p.DopoModifica = nullptr;
        if (gestore) p.DopoModifica = [](int32_t, const std::string& t) { return t; };
        for (const auto& [nome, gesto] : gesti) {
            SCOPED_TRACE(std::string(nome) + (gestore ? " con gestore" : " senza gestore"));
            p.clearSelection();
            p.setCurrentItem(nullptr);
            gesto();
            EXPECT_EQ(QTest::qWaitFor([&] { return EditorAperto(p) != nullptr; }, gestore ? 1000 : 50), gestore);
            EXPECT_EQ(bool(v->flags() & Qt::ItemIsEditable), gestore);
            if (QLineEdit* e = EditorAperto(p)) QTest::keyClick(e, Qt::Key_Escape);
            QApplication::processEvents();
            EXPECT_EQ(Valore(p, 2), "20.0");
        }
    }
}

// The handler may empty and refill the panel while the edit is being finished.
TEST(PannelloQt, IlGestoreRicostruisceIlPannello) {
    PannelloQt p;
    p.show();
    Riempi(p);
    int chiamate = 0;
    p.DopoModifica = [&](int32_t id, const std::string& testo) {
        ++chiamate;
        Riempi(p, testo);
        return std::string("14");
    };
    Modifica(p, 1, "16");
    EXPECT_EQ(chiamate, 1);
    ASSERT_EQ(p.topLevelItemCount(), 2);
    EXPECT_EQ(Valore(p, 1), "14");
    EXPECT_EQ(Valore(p, 2), "20.0");
    // The rebuilt panel edits as before.
    Modifica(p, 2, "30");
    EXPECT_EQ(chiamate, 2);
    EXPECT_EQ(Valore(p, 2), "14");
}

TEST(PannelloQt, SoloIlValoreSiModifica) {
    PannelloQt p;
    p.show();
    p.DopoModifica = [](int32_t, const std::string& t) { return t; };
    Riempi(p);
    p.editItem(p.Voce(1), PannelloQt::ColonnaTitolo);
    p.editItem(p.topLevelItem(0), PannelloQt::ColonnaValore);
    for (QLineEdit* x : p.findChildren<QLineEdit*>()) EXPECT_FALSE(x->isVisible());
}

namespace {

// A text item, a check box and a list of two choices, as a dialog's panel has them.
void RiempiMisto(PannelloQt& p, bool spuntata = false, int bracci = 2) {
    p.Pulisci();
    const int c = p.AggiungiCategoria("Dati cordolo");
    p.Espandi(c);
    p.AggiungiVoce(c, "Diametro staffe [mm]", " 8", 1);
    p.AggiungiLista(c, "Numero di bracci", {{"2", 2}, {"4", 4}}, bracci, 3);
    p.AggiungiCasella(c, "Disponi su entrambi i lati", spuntata, 14);
}

bool Spuntata(const PannelloQt& p, int32_t id) {
    return p.Voce(id)->data(PannelloQt::ColonnaValore, Qt::CheckStateRole).toInt() == Qt::Checked;
}

QPoint Cella(PannelloQt& p, int32_t id, int colonna = PannelloQt::ColonnaValore) {
    return p.visualRect(p.indexFromItem(p.Voce(id), colonna)).center();
}

QComboBox* ListaAperta(const PannelloQt& p) {
    for (QComboBox* x : p.findChildren<QComboBox*>())
        if (x->isVisible()) return x;
    return nullptr;
}

void Attendi() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

TEST(PannelloQt, CaselleEListe) {
    PannelloQt p;
    RiempiMisto(p, true, 4);
    QTreeWidgetItem* lista = p.Voce(3);
    QTreeWidgetItem* casella = p.Voce(14);
    ASSERT_NE(lista, nullptr);
    ASSERT_NE(casella, nullptr);
    EXPECT_EQ(lista->text(PannelloQt::ColonnaTitolo), "Numero di bracci");
    EXPECT_EQ(lista->text(PannelloQt::ColonnaValore), "4");
    EXPECT_EQ(lista->data(PannelloQt::ColonnaValore, PannelloQt::RuoloDato).toInt(), 4);
    EXPECT_EQ(casella->text(PannelloQt::ColonnaTitolo), "Disponi su entrambi i lati");
    EXPECT_TRUE(Spuntata(p, 14));
    EXPECT_EQ(PannelloQt::GenereDi(lista), PannelloQt::Lista);
    EXPECT_EQ(PannelloQt::GenereDi(casella), PannelloQt::Casella);
    EXPECT_EQ(PannelloQt::GenereDi(p.Voce(1)), PannelloQt::Testo);
    // A value without a choice of its own shows as a number; setting a text leaves a list alone.
    RiempiMisto(p, false, 3);
    EXPECT_EQ(p.Voce(3)->text(PannelloQt::ColonnaValore), "3");
    EXPECT_FALSE(Spuntata(p, 14));
    p.ImpostaValore(3, "x");
    EXPECT_EQ(p.Voce(3)->text(PannelloQt::ColonnaValore), "3");
}

// One value change per click or Space on a check box and per choice in a list, queued; the
// handler may rebuild the panel, and the rebuilt panel goes on working.
TEST(PannelloQt, ValoreCambiatoUnaVoltaERicostruzione) {
    PannelloQt p;
    p.resize(400, 300);
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    RiempiMisto(p);
    std::vector<std::pair<int32_t, int>> visti;
    bool spunta = false;
    int bracci = 2;
    p.ValoreCambiato = [&](int32_t id, int v) {
        visti.emplace_back(id, v);
        if (id == 14) spunta = v != 0;
        if (id == 3) bracci = v;
        RiempiMisto(p, spunta, bracci);  // from inside the handler
    };

    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 14));
    EXPECT_TRUE(Spuntata(p, 14));  // shown at once
    EXPECT_TRUE(visti.empty());    // handed on once the click has been handled
    Attendi();
    ASSERT_EQ(visti.size(), 1u);
    EXPECT_EQ(visti[0], std::make_pair(int32_t{14}, 1));
    EXPECT_TRUE(Spuntata(p, 14));

    // A click on the caption ticks it too; Space on the current item as well.
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 14, PannelloQt::ColonnaTitolo));
    Attendi();
    ASSERT_EQ(visti.size(), 2u);
    EXPECT_EQ(visti[1].second, 0);
    p.setCurrentItem(p.Voce(14));
    QTest::keyClick(&p, Qt::Key_Space);
    Attendi();
    ASSERT_EQ(visti.size(), 3u);
    EXPECT_EQ(visti[2].second, 1);
    EXPECT_TRUE(Spuntata(p, 14));

    // The list: a click opens the choices, one step down chooses "4".
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 3));
    QComboBox* c = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (c = ListaAperta(p)) != nullptr; }, 1000));
    ASSERT_EQ(c->count(), 2);
    EXPECT_EQ(c->itemText(1), "4");
    EXPECT_EQ(c->currentText(), "2");
    QTest::keyClick(c, Qt::Key_Down);
    Attendi();
    ASSERT_EQ(visti.size(), 4u);
    EXPECT_EQ(visti[3], std::make_pair(int32_t{3}, 4));
    EXPECT_EQ(p.Voce(3)->text(PannelloQt::ColonnaValore), "4");
    EXPECT_EQ(ListaAperta(p), nullptr);
    // Choosing the value shown again changes nothing.
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return (c = ListaAperta(p)) != nullptr; }, 1000));
    emit c->activated(c->currentIndex());
    Attendi();
    EXPECT_EQ(visti.size(), 4u);
    // The text item keeps its own handler.
    EXPECT_EQ(Valore(p, 1), " 8");
}

// Without a value handler no gesture ticks a box or opens a list.
TEST(PannelloQt, SenzaGestoreCaselleEListeFerme) {
    PannelloQt p;
    p.resize(400, 300);
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    p.DopoModifica = [](int32_t, const std::string& t) { return t; };  // text edits only
    RiempiMisto(p);
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 14));
    p.setCurrentItem(p.Voce(14));
    QTest::keyClick(&p, Qt::Key_Space);
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 3));
    QTest::mouseDClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 3));
    Attendi();
    EXPECT_FALSE(Spuntata(p, 14));
    EXPECT_EQ(ListaAperta(p), nullptr);
    EXPECT_FALSE(p.Voce(3)->flags() & Qt::ItemIsEditable);
}

// The caption column takes the given share of the width, also after a resize.
TEST(PannelloQt, PosizioneDelDivisore) {
    PannelloQt p;
    p.resize(400, 300);
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    RiempiMisto(p);
    p.PosizioneDivisore(0.6);
    EXPECT_NEAR(p.columnWidth(PannelloQt::ColonnaTitolo), 0.6 * p.viewport()->width(), 1);
    p.resize(600, 300);
    Attendi();
    EXPECT_NEAR(p.columnWidth(PannelloQt::ColonnaTitolo), 0.6 * p.viewport()->width(), 1);
    p.PosizioneDivisore(0.7);
    EXPECT_NEAR(p.columnWidth(PannelloQt::ColonnaTitolo), 0.7 * p.viewport()->width(), 1);
}

// In a dialog, Enter ends the edit of a cell and does not press the default button.
TEST(PannelloQt, InvioNonPremeIlPulsantePredefinito) {
    QDialog d;
    d.resize(400, 300);
    auto* p = new PannelloQt(&d);
    p->setGeometry(0, 0, 400, 250);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &d);
    ok->setGeometry(0, 260, 100, 25);
    ok->setDefault(true);
    int premuto = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++premuto; });
    p->DopoModifica = [](int32_t, const std::string& t) { return t; };
    Riempi(*p);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    Modifica(*p, 2, "25");
    EXPECT_EQ(Valore(*p, 2), "25");
    EXPECT_EQ(premuto, 0);
    // Outside an edit, Enter is the dialog's.
    p->setFocus();
    QTest::keyClick(p, Qt::Key_Return);
    EXPECT_EQ(premuto, 1);
}

// The main window installs its panel as `PropertyGrid1`; the engine fills it.
TEST(PannelloQt, PannelloDellaFinestraPrincipale) {
    std::optional<std::string> xdg;
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) xdg = v;
    prova::CartellaTemp cfg;
    ::setenv("XDG_CONFIG_HOME", cfg.Percorso().c_str(), 1);
    const Cartelle dir = Dir;
    const MagliaDiffusa diffusa = M.Diffusa;
    const DatiProgetto progetto = M.Progetto;
    {
        FrmMain f;
        EXPECT_EQ(Piatt.PropertyGrid1, f.Pannello());
        M.Progetto.MagliaUnica = 0;
        M.Diffusa.DiamDiffInf2 = 16;
        M.Diffusa.PassoDiffInf2 = 20;
        PanelDiff();
        ASSERT_EQ(f.Pannello()->topLevelItemCount(), 2);
        EXPECT_EQ(f.Pannello()->topLevelItem(1)->text(0), "Armatura diffusa a taglio (cavalletti)");
        EXPECT_EQ(Valore(*f.Pannello(), 7), "16");
        EXPECT_EQ(Valore(*f.Pannello(), 8), "20.0");
        // The window's edit handler makes the values editable.
        EXPECT_TRUE(f.Pannello()->Voce(8)->flags() & Qt::ItemIsEditable);
    }
    EXPECT_EQ(Piatt.PropertyGrid1, nullptr);
    M.Diffusa = diffusa;
    M.Progetto = progetto;
    Dir = dir;
    if (xdg) ::setenv("XDG_CONFIG_HOME", xdg->c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

// The mesh edited in the main window's panel: stored, shown, warned of, and the plan redrawn;
// a value below the limit is put back.
TEST(PannelloQt, ModificaDellaMagliaNellaFinestra) {
    prova::CartellaTemp dir;
    prova::FinestraProva w;
    w.Avvia(prova::CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    prova::MessaggiRegistrati& msg = w.msg;
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_GT(M.Soletta.NumVertContorno, 0);
    const int32_t id = M.Progetto.MagliaUnica ? IdPassoDiffInf1 : IdPassoDiffSup1;
    float& passo = M.Progetto.MagliaUnica ? M.Diffusa.PassoDiffInf1 : M.Diffusa.PassoDiffSup1;
    const QImage prima = f.PianoVideo()->Immagine().copy();
    Modifica(*f.Pannello(), id, QStringLiteral("33"));
    EXPECT_EQ(passo, 33.0f);
    EXPECT_EQ(Valore(*f.Pannello(), id), "33.0");
    ASSERT_EQ(msg.Visti.size(), 1u);
    EXPECT_EQ(msg.Visti[0].Titolo, "Attenzione!");
    const QImage dopo = f.PianoVideo()->Immagine();
    prova::SalvaPng(dopo, "pannello_maglia_modificata");
    EXPECT_GT(prova::QuotaDiversi(prima, dopo), 0.0) << "the bars of the new spacing are drawn";
    // Refused: put back, and told with the item's name and the values it takes.
    Modifica(*f.Pannello(), id, QStringLiteral("1,5"));
    EXPECT_EQ(passo, 33.0f);
    EXPECT_EQ(Valore(*f.Pannello(), id), "33.0");
    ASSERT_EQ(msg.Visti.size(), 2u);
    EXPECT_EQ(msg.Visti[1].Testo, "\"" + f.Pannello()->TitoloVoce(id) +
                                      "\" accetta valori non inferiori a 2.\nValore non accettato.");
}

namespace {

// Qt's warnings while an action runs.
std::vector<std::string> avvisi;
void Registra(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo == QtWarningMsg) avvisi.push_back(testo.toStdString());
}
std::vector<std::string> AvvisiDi(const std::function<void()>& azione) {
    avvisi.clear();
    const QtMessageHandler vecchio = qInstallMessageHandler(Registra);
    azione();
    qInstallMessageHandler(vecchio);
    return avvisi;
}

void Clic(PannelloQt& p, int32_t id, int colonna = PannelloQt::ColonnaValore) {
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, Cella(p, id, colonna));
}

}  // namespace

// One click on a value opens its editor at once, whatever was selected or open before; Enter
// stores, Escape puts the value back.
TEST(PannelloQt, UnClicApreIlValore) {
    PannelloQt p;
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    std::vector<std::pair<int32_t, std::string>> viste;
    p.DopoModifica = [&](int32_t id, const std::string& testo) {
        viste.emplace_back(id, testo);
        Riempi(p);  // the engine rebuilds the panel
        return testo;
    };
    Riempi(p);
    auto aperto = [&] { return QTest::qWaitFor([&] { return EditorAperto(p) != nullptr; }, 1000); };
    const auto w = AvvisiDi([&] {
        // A click on the value and a click on the title of a row both open the value.
        for (int colonna : {PannelloQt::ColonnaValore, PannelloQt::ColonnaTitolo}) {
            Clic(p, 2, colonna);
            ASSERT_TRUE(aperto()) << colonna;
            QTest::keyClick(EditorAperto(p), Qt::Key_Escape);
            QApplication::processEvents();
        }
        // Once more on the row already selected: at once, not after a double-click pause.
        Clic(p, 2);
        QApplication::processEvents();
        ASSERT_NE(EditorAperto(p), nullptr);
        EditorAperto(p)->setText(QStringLiteral("17"));
        QTest::keyClick(EditorAperto(p), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(Valore(p, 2), "20.0") << "Escape puts the value back";
        EXPECT_TRUE(viste.empty());

        // From one open editor straight to another row: the first value is stored, the second opens.
        Clic(p, 1);
        ASSERT_TRUE(aperto());
        EditorAperto(p)->setText(QStringLiteral("14"));
        Clic(p, 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return EditorAperto(p) && EditorAperto(p)->text() == "20.0"; }, 1000));
        ASSERT_EQ(viste.size(), 1u);
        EXPECT_EQ(viste[0], std::make_pair(int32_t{1}, std::string("14")));
        EditorAperto(p)->setText(QStringLiteral("25"));
        QTest::keyClick(EditorAperto(p), Qt::Key_Return);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        ASSERT_EQ(viste.size(), 2u);
        EXPECT_EQ(viste[1], std::make_pair(int32_t{2}, std::string("25")));
        EXPECT_EQ(Valore(p, 2), "25");

        // A double click opens it too.
        QTest::mouseDClick(p.viewport(), Qt::LeftButton, {}, Cella(p, 1));
        ASSERT_TRUE(aperto());
        QTest::keyClick(EditorAperto(p), Qt::Key_Escape);
    });
    EXPECT_TRUE(w.empty()) << w.front();
}

// In the main window: one click on "Passo dir. 1 sup." opens it, Enter stores the spacing.
TEST(PannelloQt, UnClicNellaFinestra) {
    prova::CartellaTemp dir;
    prova::FinestraProva w;
    w.Avvia(prova::CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_EQ(M.Progetto.MagliaUnica, 0);
    PannelloQt& p = *f.Pannello();
    ASSERT_EQ(p.Voce(IdPassoDiffSup1)->text(0), "Passo dir. 1 sup.");
    const int passi = Undo.UndoUltimo;
    Clic(p, IdPassoDiffSup1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return EditorAperto(p) != nullptr; }, 1000));
    QLineEdit* e = EditorAperto(p);
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("15"));
    QTest::keyClick(e, Qt::Key_Return);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(M.Diffusa.PassoDiffSup1, 15.0f);
    EXPECT_EQ(Valore(p, IdPassoDiffSup1), "15.0");
    EXPECT_EQ(Undo.UndoUltimo, passi + 1) << "the stored value is one undo step";
}

// In the main window, from one open editor straight to another row: the first value is stored
// (the model moves on and the panel is rebuilt after the event), and the second row's editor is
// open on the rebuilt panel.
TEST(PannelloQt, UnaRigaDopoLAltraNellaFinestra) {
    prova::CartellaTemp dir;
    prova::FinestraProva w;
    w.Avvia(prova::CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    prova::MessaggiRegistrati& msg = w.msg;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_EQ(M.Progetto.MagliaUnica, 0);
    PannelloQt& p = *f.Pannello();
    Clic(p, IdPassoDiffSup1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return EditorAperto(p) != nullptr; }, 1000));
    EditorAperto(p)->selectAll();
    QTest::keyClicks(EditorAperto(p), QStringLiteral("15"));
    msg.Risposte.clear();
    Clic(p, IdPassoDiffSup2);
    // Long enough for the stored value, the rebuilt panel and the editor after it.
    QTest::qWait(200);
    EXPECT_EQ(M.Diffusa.PassoDiffSup1, 15.0f);
    EXPECT_EQ(Valore(p, IdPassoDiffSup1), "15.0");
    QLineEdit* e = EditorAperto(p);
    ASSERT_NE(e, nullptr) << "the second row's editor is open";
    EXPECT_EQ(p.currentItem(), p.Voce(IdPassoDiffSup2));
    EXPECT_EQ(e->text(), QString::fromStdString(Valore(p, IdPassoDiffSup2)));
    QTest::keyClick(e, Qt::Key_Escape);
}

// A dialog laid out by hand grows with its panel until every caption shows whole; its buttons
// keep their places across the panel's width.
TEST(PannelloQt, IlDialogoCresceColPannello) {
    QWidget d;
    d.setFixedSize(216, 150);
    PannelloQt p(&d);
    p.setGeometry(8, 8, 200, 100);
    QPushButton a(QStringLiteral("Ok"), &d), b(QStringLiteral("Annulla"), &d);
    a.setGeometry(8, 116, 98, 25);
    b.setGeometry(110, 116, 98, 25);
    p.PosizioneDivisore(0.6);
    p.Pulisci();
    const int c = p.AggiungiCategoria("Riferimento per armatura a taglio (pioli) e cordoli");
    p.Espandi(c);
    p.AggiungiVoce(c, "Larghezza staffa del cordolo in centimetri", "30.0", 1);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    ASSERT_GT(p.LarghezzaNecessaria(), 200);
    EXPECT_FALSE(prova::TestiTagliati(&d).empty()) << "too narrow to begin with";
    AllargaPerPannello(d, p);
    QApplication::processEvents();
    EXPECT_EQ(p.width(), p.LarghezzaNecessaria());
    EXPECT_EQ(d.width(), 16 + p.width());
    EXPECT_EQ(a.x(), 8);
    EXPECT_EQ(b.x() + b.width(), p.x() + p.width());
    EXPECT_LT(a.x() + a.width(), b.x());
    const auto r = prova::TestiTagliati(&d);
    EXPECT_TRUE(r.empty()) << r.front();
    // Once wide enough it stays.
    AllargaPerPannello(d, p);
    EXPECT_EQ(d.width(), 16 + p.width());
}
