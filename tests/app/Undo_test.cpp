#include "app/Undo.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileTesto.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

// A slab in a temporary folder; each change moves vertex 1 of the outline.
struct UndoProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    void SetUp() override {
        M = Modello{};
        M.Progetto.NumeroSoletta = 3;
        M.Progetto.CartellaLavoro = dir.Percorso();
        M.Soletta.Contorno = {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}};
        M.Soletta.NumVertContorno = 4;
        Undo = StatoUndo{};
    }
    void TearDown() override { PulisciUndo(); }
    void Cambia(float y) {
        SalvaStatoUndo();
        M.Soletta.Contorno[1].Y = y;
    }
    std::vector<int> Indici() const { return {Undo.UndoPrimo, Undo.UndoCorrente, Undo.UndoUltimo}; }
    bool C(int n) const { return fs::exists(dir / NomeFileUndo(n)); }
};

}  // namespace

TEST_F(UndoProva, FinestraPassoPasso) {
    Cambia(200);
    EXPECT_EQ(Indici(), (std::vector<int>{0, 1, 1}));
    EXPECT_TRUE(C(0));
    AnnullaOperazione();
    EXPECT_EQ(Indici(), (std::vector<int>{0, 0, 1}));
    EXPECT_TRUE(C(1));
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 100);
    EXPECT_FALSE(M.Contorni.ContornoArmatura.empty()) << "the working outline follows the restored outline";
    RipristinaOperazione();
    EXPECT_EQ(Indici(), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 200);

    // A change after an undo drops the redo states.
    AnnullaOperazione();
    Cambia(300);
    EXPECT_EQ(Indici(), (std::vector<int>{0, 1, 1}));
    EXPECT_FALSE(C(2));
    AnnullaOperazione();
    AnnullaOperazione();  // at the oldest: nothing
    EXPECT_EQ(Indici(), (std::vector<int>{0, 0, 1}));
    RipristinaOperazione();
    RipristinaOperazione();  // at the newest: nothing
    EXPECT_EQ(Indici(), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 300);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(UndoProva, VentunoPassi) {
    for (int i = 1; i <= 21; ++i) Cambia(100.0f + i);
    EXPECT_EQ(Indici(), (std::vector<int>{1, 21, 21}));
    EXPECT_FALSE(C(0));
    for (int n = 1; n <= 20; ++n) EXPECT_TRUE(C(n)) << n;
    Cambia(500);
    EXPECT_FALSE(C(1));
    EXPECT_EQ(Indici(), (std::vector<int>{2, 22, 22}));
    for (int i = 0; i < 25; ++i) AnnullaOperazione();
    EXPECT_EQ(Undo.UndoCorrente, 2);
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 102);
}

TEST_F(UndoProva, SnapshotMancanteENonScrivibile) {
    Cambia(200);
    fs::remove(dir / NomeFileUndo(0));
    AnnullaOperazione();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Impossibile annullare l'operazione:\n" + (dir / "UNSOL0.TMP") + "\nfile non trovato.");
    EXPECT_EQ(Undo.UndoCorrente, 1);
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 200);

    // A snapshot that cannot be written leaves the window where it was; one message only.
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    auto prima = Indici();
    EXPECT_FALSE(SalvaStatoUndo());
    EXPECT_FALSE(SalvaStatoUndo());
    Piatt.GuastoScritturaProva = nullptr;
    EXPECT_EQ(Indici(), prima);
    EXPECT_EQ(p.Msg.Visti.size(), 2u);
}

TEST_F(UndoProva, SnapshotIllegibile) {
    Cambia(200);
    ScriviTutto(dir / NomeFileUndo(0), " 7 \r\ntroncato\r\n");
    M.Progetto.FileArmatureNonLetto = "/d/S.QV0";
    AnnullaOperazione();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo.rfind("File non leggibile:", 0), 0u);
    EXPECT_EQ(Undo.UndoCorrente, 1);
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 200);
    EXPECT_EQ(M.Progetto.FileArmatureNonLetto, "/d/S.QV0") << "a snapshot is not the slab's own file";
}

TEST_F(UndoProva, PulisciNellaCartellaDeiSnapshot) {
    Cambia(200);
    Cambia(300);
    CartellaTemp altra;
    M.Progetto.CartellaLavoro = altra.Percorso();
    PulisciUndo();
    EXPECT_FALSE(C(0));
    EXPECT_FALSE(C(1));
    EXPECT_EQ(Indici(), (std::vector<int>{0, 0, 0}));
}
