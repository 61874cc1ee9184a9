#include "app/Undo.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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
        SvuotaCartellaUndo();
    }
    void TearDown() override { PulisciUndo(); }
    void Cambia(float y) {
        SalvaStatoUndo();
        M.Soletta.Contorno[1].Y = y;
    }
    std::vector<int> Indici() const { return {Undo.UndoPrimo, Undo.UndoCorrente, Undo.UndoUltimo}; }
    bool C(int n) const { return fs::exists(CartellaUndo() + "/" + NomeFileUndo(n)); }
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
    fs::remove(CartellaUndo() + "/" + NomeFileUndo(0));
    AnnullaOperazione();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo,
              "Impossibile annullare l'operazione:\n" + CartellaUndo() + "/UNSOL0.TMP\nfile non trovato.");
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

// A snapshot whose write failed leaves the one it was to replace as it was, and nothing beside it.
TEST_F(UndoProva, SnapshotNonScrittoNonLasciaResidui) {
    Cambia(200);
    AnnullaOperazione();
    const std::string zero = LeggiTutto(CartellaUndo() + "/" + NomeFileUndo(0));
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    Cambia(300);  // the state now, over snapshot 0
    Piatt.GuastoScritturaProva = nullptr;
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(CartellaUndo())) nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    EXPECT_EQ(nomi, (std::vector<std::string>{".vivo", "UNSOL0.TMP", "UNSOL1.TMP"}));
    EXPECT_EQ(LeggiTutto(CartellaUndo() + "/" + NomeFileUndo(0)), zero);
}

TEST_F(UndoProva, SnapshotIllegibile) {
    Cambia(200);
    ScriviTutto(CartellaUndo() + "/" + NomeFileUndo(0), " 7 \r\ntroncato\r\n");
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

namespace {

std::vector<std::string> Contenuto(const std::string& cartella) {
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(cartella)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

// One byte through a pipe: the two programs take turns.
void Manda(int fd) { ASSERT_EQ(::write(fd, "x", 1), 1); }
void Aspetta(int fd) {
    char c;
    ASSERT_EQ(::read(fd, &c, 1), 1);
}

}  // namespace

// The snapshots live in a folder of the program's own under the temporary folder, private to the
// user, and nothing of them in the project folder.
TEST_F(UndoProva, CartellaPrivataFuoriDalProgetto) {
    ScriviTutto(dir / "SOL3.QVR", "x");
    Cambia(200);
    Cambia(300);
    AnnullaOperazione();
    const std::string c = CartellaUndo();
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(fs::path(c).parent_path(), fs::temp_directory_path());
    EXPECT_EQ(fs::path(c).filename().string().rfind("vilmor-undo-" + std::to_string(::getpid()) + "-", 0), 0u) << c;
    struct stat st {};
    ASSERT_EQ(::stat(c.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(C(0) && C(1) && C(2));
    EXPECT_EQ(Contenuto(dir.Percorso()), std::vector<std::string>{"SOL3.QVR"});
}

// Two programs started on the same slab, taking turns: each undo brings back its own state.
TEST_F(UndoProva, DueProgrammiSullaStessaSoletta) {
    CartellaTemp temporanea;
    AmbienteProva tmpdir("TMPDIR", temporanea.Percorso());
    int versoFiglio[2], versoPadre[2];
    ASSERT_EQ(::pipe(versoFiglio), 0);
    ASSERT_EQ(::pipe(versoPadre), 0);
    std::fflush(nullptr);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // The other program: the same slab and folder, a state of its own.
        M.Soletta.Contorno[1].Y = 900;
        Aspetta(versoFiglio[0]);
        Cambia(950);  // its snapshot 0 holds 900
        Manda(versoPadre[1]);
        Aspetta(versoFiglio[0]);
        AnnullaOperazione();
        const bool proprio = M.Soletta.Contorno[1].Y == 900 && CartellaUndo().find(std::to_string(::getpid())) !=
                                                                   std::string::npos;
        PulisciUndo();
        // Its exit removes its folder: _exit does not run it.
        std::error_code ec;
        fs::remove_all(CartellaUndo(), ec);
        std::fflush(nullptr);
        ::_exit(proprio && !::testing::Test::HasFailure() ? 0 : 1);
    }
    Cambia(200);  // snapshot 0 holds 100
    Manda(versoFiglio[1]);
    Aspetta(versoPadre[0]);
    AnnullaOperazione();
    EXPECT_EQ(M.Soletta.Contorno[1].Y, 100) << "this program's own state, not the other's";
    EXPECT_TRUE(Contenuto(dir.Percorso()).empty()) << "no snapshot in the project folder";
    Manda(versoFiglio[1]);
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0) << "the other program's undo brought back its own state";
    for (int fd : {versoFiglio[0], versoFiglio[1], versoPadre[0], versoPadre[1]}) ::close(fd);
}

// At start the snapshot folders of programs that no longer run go; a running program's stays.
TEST_F(UndoProva, CartelleDiProgrammiFinitiRimosseAllAvvio) {
    CartellaTemp temporanea;
    AmbienteProva tmpdir("TMPDIR", temporanea.Percorso());
    // A program killed after its first snapshot, and one still running.
    auto programma = [&](bool resta, int pronto) {
        const pid_t p = ::fork();
        if (p != 0) return p;
        const bool scritto = SalvaStatoUndo();
        if (!scritto) ::_exit(1);
        if (!resta) ::_exit(0);  // as a kill: nothing of its exit runs
        Manda(pronto);
        ::pause();
        ::_exit(0);
    };
    int pronto[2];
    ASSERT_EQ(::pipe(pronto), 0);
    const pid_t finito = programma(false, pronto[1]);
    int stato = 0;
    ASSERT_EQ(::waitpid(finito, &stato, 0), finito);
    ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    const pid_t vivo = programma(true, pronto[1]);
    Aspetta(pronto[0]);
    ScriviTutto(temporanea / "vilmor-undo-7-abcdef", "non una cartella");
    fs::create_directory(temporanea / "vilmor-undo-x-123456");
    auto nomi = [&] {
        std::vector<std::string> r;
        for (const std::string& n : Contenuto(temporanea.Percorso()))
            r.push_back(n.substr(0, n.find_last_of('-')));
        return r;
    };
    const std::string f = "vilmor-undo-" + std::to_string(finito), v = "vilmor-undo-" + std::to_string(vivo);
    std::vector<std::string> attesi = {f, "vilmor-undo-7", v, "vilmor-undo-x"};
    std::sort(attesi.begin(), attesi.end());
    ASSERT_EQ(nomi(), attesi);

    PulisciCartelleUndoOrfane();
    attesi.erase(std::find(attesi.begin(), attesi.end(), f));
    EXPECT_EQ(nomi(), attesi);

    ::kill(vivo, SIGKILL);
    ASSERT_EQ(::waitpid(vivo, &stato, 0), vivo);
    PulisciCartelleUndoOrfane();
    attesi.erase(std::find(attesi.begin(), attesi.end(), v));
    EXPECT_EQ(nomi(), attesi);
    ::close(pronto[0]);
    ::close(pronto[1]);
}
