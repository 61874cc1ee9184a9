#include "app/CaricaProgetto.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/Undo.h"
#include "model/FileArmature.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct ProgettoProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    void SetUp() override {
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        fs::create_directories(dir / "A");
        fs::copy_file(Campione + "/SOL1.QVR", dir / "A/SOL1.QVR");
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "A/ARCHIMPA.AI0");
    }
    void TearDown() override { PulisciUndo(); }
    std::vector<std::string> Operazioni() const {
        std::vector<std::string> r;
        for (const auto& c : p.Video.Chiamate) r.push_back(c.Op + (c.Testo.empty() ? "" : ":" + c.Testo));
        return r;
    }
};

}  // namespace

TEST_F(ProgettoProva, SuccessoConTestoDiAttesa) {
    for (int sfondo : {0, 1}) {
        p.Video.Chiamate.clear();
        Imp.SfondoBianco = sfondo;
        ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
        auto op = Operazioni();
        ASSERT_GE(op.size(), 10u);
        std::vector<std::string> inizio(op.begin(), op.begin() + 9);
        EXPECT_EQ(inizio, (std::vector<std::string>{
                              "Pulisci", "PuntatoreAttesa", "DisegnoPersistente", "Pulisci", "ColoreTesto",
                              "TestoRuotato:Caricamento in corso.",
                              "TestoRuotato:Per file di grosse dimensioni, l'operazione potrebbe durare alcuni minuti.",
                              "TestoRuotato:Attendere prego.", "DisegnoPersistente"}));
        EXPECT_EQ(p.Video.Chiamate[4].Num[0], sfondo == 0 ? Rgb(255, 255, 255) : 0);
        EXPECT_EQ(p.Video.Chiamate[5].Num, (std::vector<double>{20, 40, 18, 7, 0}));
        EXPECT_EQ(p.Video.Chiamate[7].Num[1], 100);
        EXPECT_EQ(p.Video.Chiamate[8].Num[0], 0);
        EXPECT_EQ(op[9], "PuntatoreAttesa");
        EXPECT_EQ(p.Video.Chiamate[9].Num[0], 0);
    }
    EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ SOL1.QVR ]");
    ASSERT_EQ(Recenti.NumRecenti, 1);
    EXPECT_EQ(Recenti.ElencoRecenti[0], dir / "A/SOL1.QVR");
    EXPECT_FALSE(p.Pannello.Voci.empty());
    EXPECT_EQ(Vista.CodiceVista, 0);
    EXPECT_EQ(Vista.PiantaCorrente, 0);
    EXPECT_EQ(Undo.UndoUltimo, 0);
}

TEST_F(ProgettoProva, FallimentoLasciaIlProgettoAperto) {
    ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
    SalvaIni();
    ASSERT_TRUE(SalvaStatoUndo());
    M.Diffusa.PassoDiffSup1 = 30;  // an edit of A that undo can take back
    const std::string prima = dump::StampaModello(M);
    const std::string titolo = p.Finestra.Titolo;
    Imp.LungMaxFerri = 1234;  // changed, not saved
    Vista.VistaScelta = 3;

    fs::create_directories(dir / "B");
    fs::copy_file(std::string(VILMOR_DATI_PROVA) + "/soletta/V5.QVR", dir / "B/V5.QVR");
    fs::copy_file(Campione + "/SOL1.QVR", dir / "B/SOL1.QVR");  // no archive beside it
    for (std::string b : {dir / "B/V5.QVR", dir / "B/SOL1.QVR"}) {
        p.Pannello.Voci.clear();
        EXPECT_NE(CaricaProgetto(b), 0);
        EXPECT_EQ(ErroreOperazione, 0);
        EXPECT_EQ(dump::StampaModello(M), prima);
        EXPECT_EQ(p.Finestra.Titolo, titolo);
        EXPECT_EQ(Imp.LungMaxFerri, 600) << "the settings are read again from the file";
        EXPECT_EQ(Vista.VistaScelta, 3) << "the view choices stay";
        EXPECT_EQ(Recenti.NumRecenti, 1);
        EXPECT_EQ(Recenti.ElencoRecenti[0], dir / "A/SOL1.QVR");
        EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");
        Imp.LungMaxFerri = 1234;
    }
    AnnullaOperazione();
    EXPECT_EQ(M.Diffusa.PassoDiffSup1, 20) << "undo still restores A's last change";

    // A save then writes A's files only; B's folder stays as it was.
    const std::string v5 = LeggiTutto(dir / "B/V5.QVR");
    ASSERT_TRUE(SalvaArmature(M.Progetto.PercorsoSoletta, M));
    EXPECT_TRUE(fs::exists(dir / "A/SOL1.QV0"));
    EXPECT_TRUE(fs::exists(dir / "A/set0001.SET"));
    int nB = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir / "B")) ++nB;
    EXPECT_EQ(nB, 2);
    EXPECT_EQ(LeggiTutto(dir / "B/V5.QVR"), v5);
}
