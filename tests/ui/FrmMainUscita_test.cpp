// Closing the main window: the question, the save, and a save that failed keeping it open.
#include <gtest/gtest.h>

#include <QAction>
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
