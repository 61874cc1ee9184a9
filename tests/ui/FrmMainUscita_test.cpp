// Closing the main window: the question, the save, and a save that failed keeping it open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <filesystem>

#include "app/BarreComandi.h"
#include "app/Undo.h"
#include "base/FileTesto.h"
#include "model/FileRecenti.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

TEST(FrmMainUscita, ChiusuraEsci) {
    enum class Modo { Chiusura, Esci };
    struct Caso {
        Modo Come;
        RispostaMsg Risposta;
        bool Guasto;
        bool Chiusa;
    };
    for (const Caso& c : {Caso{Modo::Chiusura, RispostaMsg::No, false, true},
                          Caso{Modo::Chiusura, RispostaMsg::Si, false, true},
                          Caso{Modo::Chiusura, RispostaMsg::Si, true, false}, Caso{Modo::Esci, RispostaMsg::No, false, true},
                          Caso{Modo::Esci, RispostaMsg::Si, true, false}}) {
        SCOPED_TRACE(std::to_string(int(c.Come)) + " " + std::to_string(int(c.Risposta)) + " " +
                     std::to_string(c.Guasto));
        StatoProcesso stato;
        ConfigProva config;
        CartellaTemp dir;
        const std::string sol = CopiaCampione(dir.Percorso());
        MessaggiRegistrati msg;
        DialoghiRegistrati dialoghi;
        FrmMain f(sol, nullptr, ServiziFinestra{&msg, &dialoghi});
        f.Avvia();
        QCoreApplication::processEvents();
        QTest::qWait(10);
        ASSERT_EQ(M.Progetto.PercorsoSoletta, sol);
        ASSERT_TRUE(SalvaStatoUndo());
        ASSERT_TRUE(SalvaStatoUndo());

        msg.Risposte = {c.Risposta};
        if (c.Guasto) Piatt.GuastoScritturaProva = [](const std::string& p) { return p.ends_with(".QV0"); };
        if (c.Come == Modo::Chiusura) f.close();
        else f.Azioni(Comandi.IdEsci).value(0)->trigger();
        Piatt.GuastoScritturaProva = nullptr;

        ASSERT_FALSE(msg.Visti.empty());
        EXPECT_EQ(msg.Visti[0].Testo, "Vuoi salvare prima di uscire?");
        EXPECT_EQ(f.isVisible(), !c.Chiusa);
        EXPECT_EQ(fs::exists(dir / "SOL1.QV0"), c.Risposta == RispostaMsg::Si && !c.Guasto);
        EXPECT_EQ(fs::exists(CartellaUndo() + "/UNSOL1.TMP"), !c.Chiusa) << "snapshots go only with the window";
        EXPECT_EQ(fs::exists(FileRecenti()), c.Chiusa);
        if (!c.Chiusa) {
            ASSERT_EQ(msg.Visti.size(), 2u);
            EXPECT_NE(msg.Visti[1].Testo.find("SOL1.QV0"), std::string::npos);
            PulisciUndo();
        }
    }
}

// The exit question of the real message box, with an edit made: three buttons; Escape, "Annulla"
// and the box's close button keep the window open with nothing saved and the undo history in
// place; "No" quits without saving, "Sì" quits after saving.
TEST(FrmMainUscita, DomandaConAnnulla) {
    enum class Gesto { Esc, Annulla, Chiusura, No, Si };
    struct Caso {
        const char* nome;
        Gesto gesto;
        bool chiusa, salvata;
    };
    const Caso casi[] = {
        {"Esc", Gesto::Esc, false, false},         {"Annulla", Gesto::Annulla, false, false},
        {"chiusura", Gesto::Chiusura, false, false}, {"No", Gesto::No, true, false},
        {"Si", Gesto::Si, true, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoProcesso stato;
        ConfigProva config;
        CartellaTemp dir;
        const std::string sol = CopiaCampione(dir.Percorso());
        DialoghiRegistrati dialoghi;
        FrmMain f(sol, nullptr, ServiziFinestra{nullptr, &dialoghi});
        f.Avvia();
        QCoreApplication::processEvents();
        QTest::qWait(10);
        ASSERT_EQ(M.Progetto.PercorsoSoletta, sol);
        ASSERT_TRUE(SalvaStatoUndo());
        M.Diffusa.PassoDiffSup1 = 21;
        const std::string istantanea = CartellaUndo() + "/" + NomeFileUndo(0);
        ASSERT_TRUE(fs::exists(istantanea));

        QStringList pulsanti;
        QString testo;
        bool fatto = false;
        QuandoAperto<QMessageBox>(
            [&](QMessageBox& box) {
                testo = box.text();
                for (QAbstractButton* b : box.buttons()) pulsanti << b->text();
                switch (c.gesto) {
                    case Gesto::Esc: QTest::keyClick(&box, Qt::Key_Escape); break;
                    case Gesto::Annulla: box.button(QMessageBox::Cancel)->click(); break;
                    case Gesto::Chiusura: box.close(); break;
                    case Gesto::No: box.button(QMessageBox::No)->click(); break;
                    case Gesto::Si: box.button(QMessageBox::Yes)->click(); break;
                }
            },
            &fatto);
        f.close();
        ASSERT_TRUE(fatto);
        EXPECT_EQ(testo, QStringLiteral("Vuoi salvare prima di uscire?"));
        pulsanti.sort();
        EXPECT_EQ(pulsanti, (QStringList{QStringLiteral("Annulla"), QStringLiteral("No"), QString::fromUtf8("S\xC3\xAC")}));
        EXPECT_EQ(f.isVisible(), !c.chiusa);
        EXPECT_EQ(fs::exists(dir / "SOL1.QV0"), c.salvata);
        EXPECT_EQ(fs::exists(istantanea), !c.chiusa) << "the undo history goes only with the window";
        if (!c.chiusa) {
            EXPECT_EQ(Undo.UndoUltimo, 1);
            EXPECT_EQ(M.Diffusa.PassoDiffSup1, 21) << "the edit is still there";
            EXPECT_FALSE(fs::exists(FileRecenti())) << "the recent list is written only at the exit";
            PulisciUndo();
        }
    }
}
