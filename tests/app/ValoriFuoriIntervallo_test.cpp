// Numbers no engineer could mean, each in a small file of its own (tests/data/valori): the file
// is refused with its name and line, and the open project and every file stay as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/CaricaProgetto.h"
#include "app/Undo.h"
#include "model/FileArmature.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Valori = std::string(VILMOR_DATI_PROVA) + "/valori";

std::map<std::string, std::string> FileDellaCartella(const std::string& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::directory_iterator(cartella)) r[e.path().filename().string()] = LeggiTutto(e.path().string());
    return r;
}

// The open project as everything the program shows of it and saves from it.
std::string Progetto() {
    return dump::StampaModello(M) + TestoArmature(M) + M.Progetto.PercorsoSoletta + "|" + M.Progetto.CartellaLavoro;
}

struct ValoriProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    void SetUp() override {
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        for (const auto& e : fs::directory_iterator(Valori)) fs::copy_file(e.path(), dir / e.path().filename().string());
        // The slab copied just now no longer matches the reinforcement's time stamp: keep it.
        p.Msg.Risposte = {RispostaMsg::Si};
        ASSERT_EQ(CaricaProgetto(dir / "BASE.QVR"), 0);
        ASSERT_EQ(M.Zone.UltimaZona, 0);
        ASSERT_EQ(M.Diffusa.DiamCavalletti, 12);
        p.Msg.Visti.clear();
    }
    void TearDown() override { PulisciUndo(); }
};

}  // namespace

TEST_F(ValoriProva, RifiutatiConFileERiga) {
    struct Caso {
        const char* File;
        int Riga;
        const char* Cosa;
    };
    const Caso casi[] = {
        {"CAVDIAM.QV0", 8, "chair diameter 2147483647 mm"},
        {"CAVPASSO.QV0", 8, "chair step 1e-30 cm"},
        {"ZONADIR.QV0", 20, "zone direction 2147483647"},
        {"ZONAXY.QV0", 10, "zone coordinate 1e38"},
        {"CONTORNO.QV0", 40, "edited-outline vertex -3.4e38"},
        {"PILASTRO.QVR", 13, "column coordinate 3.4e38"},
    };
    const std::string progetto = Progetto();
    const auto file = FileDellaCartella(dir.Percorso());
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        p.Msg.Visti.clear();
        const std::string percorso = dir / c.File;
        if (fs::path(percorso).extension() == ".QVR") {
            EXPECT_NE(CaricaProgetto(percorso), 0);
        } else {
            // What the open slab's own load, an undo or an import read with.
            EXPECT_EQ(LeggiArmature(percorso, 1, M), EsitoArmature::Ignorato);
        }
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + percorso + "\nValore fuori intervallo (riga " +
                                            std::to_string(c.Riga) + ").");
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(Progetto(), progetto);
        EXPECT_EQ(FileDellaCartella(dir.Percorso()), file);
    }
}
