// A file the user made read-only is never replaced by any writer of the program: the write
// fails with a message naming it, and the file stays byte for byte with its mode.
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/ComandiFile.h"
#include "app/EsportaSoletteDxf.h"
#include "base/FileTesto.h"
#include "model/FileArmature.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "report/Mod_RTF.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

// Gives the folder and everything in it to `utente`.
void Cedi(const std::string& cartella, uid_t utente, gid_t gruppo) {
    ASSERT_EQ(::chown(cartella.c_str(), utente, gruppo), 0);
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        ASSERT_EQ(::lchown(e.path().c_str(), utente, gruppo), 0) << e.path();
}

// Runs `prova` as a user who is not root, for whom a file's permission bits hold. Under root the
// folder passes to "nobody" and `prova` runs in a child process that has become "nobody"; its
// failures are reported there and its exit status says whether there were any.
void ComeUtenteNormale(const std::string& cartella, const std::function<void()>& prova) {
    if (::geteuid() != 0) {
        prova();
        return;
    }
    const passwd* nessuno = ::getpwnam("nobody");
    if (!nessuno) GTEST_SKIP() << "eseguito come root e senza l'utente \"nobody\" a cui cedere i file";
    const uid_t utente = nessuno->pw_uid;
    const gid_t gruppo = nessuno->pw_gid;
    Cedi(cartella, utente, gruppo);
    std::fflush(nullptr);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gruppo) != 0 || ::setuid(utente) != 0) ::_exit(2);
        prova();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0) << "2: the child could not become \"nobody\"; 1: its checks failed (above)";
}

}  // namespace

TEST(FileSolaLettura, NessunoScrittoreLoSostituisce) {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    ImpostaDefault();
    Piatt.PauseAttive = false;
    const std::string campione = std::string(VILMOR_ESEMPI) + "/solaio1";
    for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"}) fs::copy_file(campione + "/" + f, dir / f);
    // A second slab, whose reinforcement file is not the read-only one of the first.
    fs::copy_file(campione + "/SOL1.QVR", dir / "SOL2.QVR");
    fs::create_directories(dir / "config");
    Dir.CartellaImpostazioni = dir / "config";
    const std::string slab = dir / "SOL1.QVR";

    Modello m, m2;
    m.Progetto.NumeroSoletta = 1;
    m.Progetto.CartellaLavoro = dir.Percorso();
    m2.Progetto.NumeroSoletta = 2;
    m2.Progetto.CartellaLavoro = dir.Percorso();
    struct Scrittore {
        const char* Nome;
        std::string Bersaglio;
        std::function<bool()> Scrivi;
    };
    const Scrittore scrittori[] = {
        {"armature", dir / "SOL1.QV0", [&] { return SalvaArmature(slab, m); }},
        {"verifica", dir / "set0002.SET", [&] { return SalvaArmature(dir / "SOL2.QVR", m2); }},
        {"DXF 2000", dir / "T.dxf",
         [&] {
             EsportaDxf.FormatoR12 = 0;
             return EsportaSoletteDxf({"SOL2.QVR"}, dir.Percorso(), dir / "T.dxf");
         }},
        {"DXF R12", dir / "T12.dxf",
         [&] {
             EsportaDxf.FormatoR12 = 1;
             return EsportaSoletteDxf({"SOL2.QVR"}, dir.Percorso(), dir / "T12.dxf");
         }},
        {"computo", dir / "C.rtf", [&] { return SalvaRTF(dir / "C.rtf", "{\\rtf1 }"); }},
        {"impostazioni", dir / "config/Vilmor.ini", [] { return SalvaIni(); }},
        {"recenti", dir / "config/Vilmor.MEM",
         [&] {
             Recenti.NumRecenti = 1;
             Recenti.ElencoRecenti[0] = slab;
             return SalvaMEM();
         }},
        {"copia della soletta", dir / "COPIA.QVR", [&] { return CopiaFileSicura(slab, dir / "COPIA.QVR"); }},
    };
    for (const Scrittore& s : scrittori) {
        ScriviTutto(s.Bersaglio, std::string("vecchio ") + s.Nome);
        ASSERT_EQ(::chmod(s.Bersaglio.c_str(), 0444), 0);
    }

    ComeUtenteNormale(dir.Percorso(), [&] {
        for (const Scrittore& s : scrittori) {
            SCOPED_TRACE(s.Nome);
            p.Msg.Visti.clear();
            const auto prima = fs::directory_iterator(dir.Percorso());
            const size_t quanti = static_cast<size_t>(std::distance(begin(prima), end(prima)));
            EXPECT_FALSE(s.Scrivi());
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, "Il file " + s.Bersaglio + " è di sola lettura: non è stato sostituito.");
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(LeggiTutto(s.Bersaglio), std::string("vecchio ") + s.Nome);
            struct stat st {};
            ASSERT_EQ(::stat(s.Bersaglio.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0444u);
            const auto dopo = fs::directory_iterator(dir.Percorso());
            EXPECT_EQ(static_cast<size_t>(std::distance(begin(dopo), end(dopo))), quanti) << "nothing left behind";
        }
        // The same file writable again is replaced.
        ASSERT_EQ(::chmod((dir / "C.rtf").c_str(), 0644), 0);
        p.Msg.Visti.clear();
        EXPECT_TRUE(SalvaRTF(dir / "C.rtf", "{\\rtf1 }"));
        EXPECT_TRUE(p.Msg.Visti.empty());
    });
}
