#include "app/ComandiFile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "app/AvvioProgramma.h"
#include "app/Undo.h"
#include "base/FileTesto.h"
#include "base/Testi.h"
#include "model/FileArmature.h"
#include "model/FileRecenti.h"
#include "model/FileVerifica.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Titolo.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

// Records whether each dialog was asked as an open or a save dialog.
class DialoghiConModo : public DialoghiFile {
public:
    struct Domanda {
        bool Salva;
        RichiestaFile R;
    };
    std::vector<Domanda> Domande;
    std::deque<std::optional<std::string>> Scelte;
    std::optional<std::string> Apri(const RichiestaFile& r) override { return Prossima(false, r); }
    std::optional<std::string> Salva(const RichiestaFile& r) override { return Prossima(true, r); }

private:
    std::optional<std::string> Prossima(bool salva, const RichiestaFile& r) {
        Domande.push_back({salva, r});
        if (Scelte.empty()) return std::nullopt;
        auto s = Scelte.front();
        Scelte.pop_front();
        return s;
    }
};

// Every file under a folder with its bytes.
std::map<std::string, std::string> Contenuto(const std::string& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        if (e.is_regular_file()) r[e.path().string()] = LeggiTutto(e.path().string());
    return r;
}

struct ComandiProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    DialoghiConModo dialoghi;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    fs::path cwd = fs::current_path();
    void SetUp() override {
        Piatt.Dialoghi = &dialoghi;
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        Slab("A", "SOL1.QVR");
    }
    void TearDown() override {
        fs::current_path(cwd);
        PulisciUndo();
    }
    // A copy of the sample slab, with its archive, under another folder and name.
    std::string Slab(const std::string& cartella, const std::string& nome) {
        fs::create_directories(dir / cartella);
        fs::copy_file(Campione + "/SOL1.QVR", dir / (cartella + "/" + nome), fs::copy_options::overwrite_existing);
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / (cartella + "/ARCHIMPA.AI0"),
                      fs::copy_options::overwrite_existing);
        return dir / (cartella + "/" + nome);
    }
    void Apri(const std::string& percorso) {
        dialoghi.Scelte.push_back(percorso);
        ASSERT_EQ(ApriFile("QVR"), 0);
        dialoghi.Domande.clear();
        p.Msg.Visti.clear();
    }
};

}  // namespace

TEST_F(ComandiProva, ApriConIlDialogo) {
    Apri(dir / "A/SOL1.QVR");
    const std::string sol12 = Slab("C", "Sol12.qvr");
    dialoghi.Scelte.push_back(sol12);
    ASSERT_EQ(ApriFile("QVR"), 0);

    ASSERT_EQ(dialoghi.Domande.size(), 1u);
    const auto& d = dialoghi.Domande[0];
    EXPECT_FALSE(d.Salva) << "an open dialog: existing files only";
    EXPECT_EQ(d.R.Cartella, dir / "A");
    EXPECT_EQ(d.R.Titolo, "Apri");
    EXPECT_EQ(d.R.Filtro, "File dati (*.QVR)|*.QVR");
    EXPECT_EQ(d.R.NomeIniziale, "*.QVR");
    EXPECT_EQ(d.R.Estensione, "QVR");

    EXPECT_EQ(M.Progetto.PercorsoSoletta, sol12) << "the real case is kept";
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "C");
    EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ SOL12.QVR ]");
    EXPECT_EQ(Recenti.ElencoRecenti[0], sol12);
    EXPECT_EQ(Recenti.ElencoRecenti[1], dir / "A/SOL1.QVR");
    EXPECT_EQ(fs::current_path(), cwd) << "only a recent file makes its folder current";
}

TEST_F(ComandiProva, ApriAnnullatoOFallitoLasciaIlProgetto) {
    Apri(dir / "A/SOL1.QVR");
    M.Diffusa.PassoDiffSup1 = 33;  // an unsaved edit
    const std::string prima = dump::StampaModello(M);
    const std::string titolo = p.Finestra.Titolo;

    fs::create_directories(dir / "B");
    fs::copy_file(Campione + "/SOL1.QVR", dir / "B/SENZAARCHIVIO.QVR");
    fs::copy_file(std::string(VILMOR_DATI_PROVA) + "/soletta/V5.QVR", dir / "B/V5.QVR");
    struct Caso {
        std::optional<std::string> Scelta;
        bool Annullato;
    };
    for (const auto& c : {Caso{std::nullopt, true}, Caso{std::string("*.QVR"), true},
                          Caso{dir / "B/SENZAARCHIVIO.QVR", false}, Caso{dir / "B/V5.QVR", false}}) {
        SCOPED_TRACE(c.Scelta.value_or("annullato"));
        dialoghi.Scelte.push_back(c.Scelta);
        const int stato = ApriFile("QVR");
        if (c.Annullato) {
            EXPECT_EQ(stato, -1);
            EXPECT_EQ(ErroreOperazione, -1);
        } else {
            EXPECT_NE(stato, 0);
        }
        EXPECT_EQ(dump::StampaModello(M), prima);
        EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");
        EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "A");
        EXPECT_EQ(p.Finestra.Titolo, titolo);
        EXPECT_EQ(Recenti.NumRecenti, 1);
    }
}

TEST_F(ComandiProva, RecentiMancantiTolti) {
    Apri(dir / "A/SOL1.QVR");
    const std::string prima = dump::StampaModello(M);
    const std::string a = Slab("R", "A.QVR"), b = Slab("R", "B.QVR"), c = dir / "R/C.QVR", d = Slab("R", "D.QVR");
    Recenti.NumRecenti = 4;
    Recenti.ElencoRecenti = {a, b, c, d};

    EXPECT_EQ(ApriRecente(2), -1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, c + " non trovato!");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Errore caricamento");
    EXPECT_EQ(Recenti.NumRecenti, 3);
    EXPECT_EQ(Recenti.ElencoRecenti, (std::array<std::string, 4>{a, b, d, ""}));
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");

    // A single entry that has gone empties the list; the file on disk keeps it.
    Recenti.NumRecenti = 1;
    Recenti.ElencoRecenti = {c, "", "", ""};
    ASSERT_TRUE(SalvaMEM());
    const std::string mem = LeggiTutto(FileRecenti());
    EXPECT_EQ(ApriRecente(0), -1);
    EXPECT_EQ(Recenti.NumRecenti, 0);
    EXPECT_EQ(Recenti.ElencoRecenti[0], "");
    EXPECT_TRUE(SalvaMEM());
    EXPECT_EQ(LeggiTutto(FileRecenti()), mem);

    // An index without an entry does nothing.
    p.Msg.Visti.clear();
    EXPECT_EQ(ApriRecente(0), -1);
    EXPECT_EQ(ApriRecente(-1), -1);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(ComandiProva, RecenteEsistenteApertoInCima) {
    const std::string a = dir / "A/SOL1.QVR", b = Slab("B", "Sol2.QVR");
    Recenti.NumRecenti = 2;
    Recenti.ElencoRecenti = {a, b, "", ""};
    ASSERT_EQ(ApriRecente(1), 0);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, b);
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "B");
    EXPECT_EQ(fs::current_path(), fs::path(dir / "B"));
    EXPECT_EQ(Recenti.ElencoRecenti[0], b);
    EXPECT_EQ(Recenti.ElencoRecenti[1], a);
    EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ SOL2.QVR ]");

    // One whose load fails: nothing changes, not even the current folder.
    fs::current_path(cwd);
    const std::string prima = dump::StampaModello(M);
    fs::remove(dir / "A/ARCHIMPA.AI0");
    EXPECT_NE(ApriRecente(1), 0);
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(fs::current_path(), cwd);
}

TEST_F(ComandiProva, SenzaSolettaNienteDaSalvare) {
    for (std::string percorso : {"", "Anonimo"}) {
        for (int comando : {0, 1}) {
            p.Msg.Visti.clear();
            M.Progetto.PercorsoSoletta = percorso;
            const auto prima = Contenuto(dir.Percorso());
            EXPECT_EQ(comando == 0 ? Salva() : SalvaConNome(), -1);
            EXPECT_EQ(ErroreOperazione, -1);
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, "Nessuna soletta aperta: non c'\xC3\xA8 nulla da salvare.");
            EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_TRUE(dialoghi.Domande.empty());
            EXPECT_EQ(Contenuto(dir.Percorso()), prima);
        }
    }
}

TEST_F(ComandiProva, SalvaConNomeSuUnAltroFile) {
    Apri(dir / "A/SOL1.QVR");
    const std::string slab = LeggiTutto(dir / "A/SOL1.QVR");
    const std::string recenti = "1\r\n\"" + (dir / "A/SOL1.QVR") + "\"\r\n";
    fs::create_directories(dir / "B");

    struct Caso {
        std::string Nome;
        bool Esiste;
    };
    for (const auto& c : {Caso{"ALTRA.QVR", true}, Caso{"NUOVA.QVR", false}}) {
        SCOPED_TRACE(c.Nome);
        M.Progetto.PercorsoSoletta = dir / "A/SOL1.QVR";
        const std::string n = dir / ("B/" + c.Nome);
        if (c.Esiste) ScriviTutto(n, "un'altra soletta\r\n");
        dialoghi.Domande.clear();
        p.Msg.Visti.clear();
        fs::remove(FileRecenti());
        dialoghi.Scelte.push_back(n);
        if (c.Esiste) p.Msg.Risposte.push_back(RispostaMsg::Si);
        ASSERT_EQ(SalvaConNome(), 0);

        ASSERT_EQ(dialoghi.Domande.size(), 1u);
        const auto& d = dialoghi.Domande[0];
        EXPECT_TRUE(d.Salva);
        EXPECT_EQ(d.R.Titolo, "Salva");
        EXPECT_EQ(d.R.Filtro, "File Dati (*.QVR)|*.QVR");
        EXPECT_EQ(d.R.NomeIniziale, dir / "A/SOL1.QVR");
        EXPECT_EQ(d.R.Estensione, "QVR");
        if (c.Esiste) {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, "File gi\xC3\xA0 presente, vuoi sostituirlo?");
            EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Nessuna);
            EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Salva");
        } else {
            EXPECT_TRUE(p.Msg.Visti.empty());
        }
        EXPECT_EQ(LeggiTutto(n), slab);
        EXPECT_TRUE(fs::exists(NomeFileArmature(n)));
        EXPECT_FALSE(fs::exists(dir / "A/SOL1.QV0"));
        EXPECT_TRUE(fs::exists(dir / "A/set0001.SET")) << "the verification file stays in the working folder";
        EXPECT_EQ(M.Progetto.PercorsoSoletta, n);
        EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "A");
        EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ " + MaiuscoloUtf8(c.Nome) + " ]");
        EXPECT_EQ(Recenti.NumRecenti, 1) << "the new name is not entered in the list";
        EXPECT_EQ(LeggiTutto(FileRecenti()), recenti);
        fs::remove(dir / "A/set0001.SET");
    }
    std::set<std::string> nomi;
    for (const auto& e : fs::directory_iterator(dir / "B")) nomi.insert(e.path().filename().string());
    EXPECT_EQ(nomi, (std::set<std::string>{"ALTRA.QVR", "ALTRA.QV0", "NUOVA.QVR", "NUOVA.QV0"}));
}

TEST_F(ComandiProva, SalvaConNomeRifiutatoONonRiuscito) {
    Apri(dir / "A/SOL1.QVR");
    fs::create_directories(dir / "B");
    ScriviTutto(dir / "B/ALTRA.QVR", "un'altra soletta\r\n");
    const std::string titolo = p.Finestra.Titolo;

    struct Caso {
        std::string Nome;
        bool Annulla, No, Guasto;
    };
    const std::vector<Caso> casi = {{"ALTRA.QVR", true, false, false},
                                    {"ALTRA.QVR", false, true, false},
                                    {"ALTRA.QVR", false, false, true},
                                    {"NUOVA.QVR", false, false, true}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Nome + (c.Annulla ? " annulla" : c.No ? " no" : " guasto"));
        p.Msg.Visti.clear();
        const std::string n = dir / ("B/" + c.Nome);
        const auto prima = Contenuto(dir.Percorso());
        dialoghi.Scelte.push_back(c.Annulla ? std::nullopt : std::optional<std::string>(n));
        if (fs::exists(n) && !c.Annulla) p.Msg.Risposte.push_back(c.No ? RispostaMsg::No : RispostaMsg::Si);
        if (c.Guasto) Piatt.GuastoScritturaProva = [&](const std::string& q) { return q == n; };
        EXPECT_EQ(SalvaConNome(), -1);
        Piatt.GuastoScritturaProva = nullptr;
        EXPECT_EQ(ErroreOperazione, -1);
        EXPECT_EQ(Contenuto(dir.Percorso()), prima) << "nothing written, no temporary file left";
        EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");
        EXPECT_EQ(p.Finestra.Titolo, titolo);
        if (c.Guasto) {
            ASSERT_FALSE(p.Msg.Visti.empty());
            EXPECT_EQ(p.Msg.Visti.back().Testo,
                      "Impossibile copiare il file:\n" + (dir / "A/SOL1.QVR") + "\nin\n" + n);
            EXPECT_EQ(p.Msg.Visti.back().Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(p.Msg.Visti.back().Titolo, "Attenzione!");
        }
    }
}

TEST_F(ComandiProva, SalvaConNomeSulFileAperto) {
    Apri(dir / "A/SOL1.QVR");
    const std::string slab = LeggiTutto(dir / "A/SOL1.QVR");
    fs::create_symlink(dir / "A/SOL1.QVR", dir / "LINK.QVR");
    for (std::string n : {dir / "A/SOL1.QVR", dir / "A/../A/SOL1.QVR", dir / "LINK.QVR"}) {
        SCOPED_TRACE(n);
        fs::remove(dir / "A/SOL1.QV0");
        dialoghi.Scelte.push_back(n);
        ASSERT_EQ(SalvaConNome(), 0);
        EXPECT_TRUE(p.Msg.Visti.empty()) << "no question";
        EXPECT_EQ(LeggiTutto(dir / "A/SOL1.QVR"), slab);
        EXPECT_TRUE(fs::is_symlink(dir / "LINK.QVR"));
        EXPECT_TRUE(fs::exists(dir / "A/SOL1.QV0"));
        EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");
    }
}

TEST_F(ComandiProva, SalvaScriveArmatureVerificaERecenti) {
    Apri(dir / "A/SOL1.QVR");
    ASSERT_EQ(Salva(), 0);
    EXPECT_TRUE(dialoghi.Domande.empty());
    EXPECT_TRUE(fs::exists(dir / "A/SOL1.QV0"));
    EXPECT_TRUE(fs::exists(dir / "A/set0001.SET"));
    EXPECT_EQ(LeggiTutto(FileRecenti()), "1\r\n\"" + (dir / "A/SOL1.QVR") + "\"\r\n");
}

// Root saving a user's project leaves the files the user's: owner, group and mode as they were.
TEST_F(ComandiProva, DaRootIFileDellUtenteRestanoSuoi) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    Apri(dir / "A/SOL1.QVR");
    ASSERT_EQ(Salva(), 0);
    const uid_t utente = 4242;
    const gid_t gruppo = 4343;
    const std::string file[] = {dir / "A/SOL1.QV0", dir / "A/set0001.SET"};
    ino_t prima[2] = {};
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(::chown(file[i].c_str(), utente, gruppo), 0);
        ASSERT_EQ(::chmod(file[i].c_str(), 0600), 0);
        struct stat st {};
        ASSERT_EQ(::stat(file[i].c_str(), &st), 0);
        prima[i] = st.st_ino;
    }
    ASSERT_EQ(Salva(), 0);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(file[i]);
        struct stat st {};
        ASSERT_EQ(::stat(file[i].c_str(), &st), 0);
        EXPECT_NE(st.st_ino, prima[i]) << "replaced by a new file";
        EXPECT_EQ(st.st_uid, utente);
        EXPECT_EQ(st.st_gid, gruppo);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
    }
}

TEST_F(ComandiProva, SalvaChiedePrimaDiSostituireUnFileNonLetto) {
    // A reinforcement file of a newer version: reported at load, kept until the user says so.
    const std::string qv0 = dir / "A/SOL1.QV0";
    ScriviTutto(qv0, " 8 \r\nqualcosa di nuovo\r\n");
    dialoghi.Scelte.push_back(dir / "A/SOL1.QVR");
    ASSERT_EQ(ApriFile("QVR"), 0);
    fs::remove(FileRecenti());
    const auto prima = Contenuto(dir.Percorso());

    p.Msg.Visti.clear();
    p.Msg.Risposte.push_back(RispostaMsg::No);
    EXPECT_EQ(Salva(), -1);
    EXPECT_EQ(ErroreOperazione, -1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
    EXPECT_NE(p.Msg.Visti[0].Testo.find(qv0), std::string::npos);
    EXPECT_EQ(Contenuto(dir.Percorso()), prima);

    // No message box to ask: nothing is replaced unasked.
    Piatt.Msg = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Salva(), -1);
    const std::string err = testing::internal::GetCapturedStderr();
    Piatt.Msg = &p.Msg;
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_NE(err.find("[Attenzione!] Il file delle armature\n" + qv0), std::string::npos) << err;
    EXPECT_EQ(Contenuto(dir.Percorso()), prima);

    p.Msg.Risposte.push_back(RispostaMsg::Si);
    EXPECT_EQ(Salva(), 0);
    EXPECT_NE(LeggiTutto(qv0).substr(0, 3), " 8 ");
}

namespace {

// Runs `scrivi` in another process, as another program on the same slab would.
void DaUnAltroProgramma(const std::function<void()>& scrivi) {
    std::fflush(nullptr);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        scrivi();
        ::_exit(0);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
}

std::string DomandaAltroProgramma(const std::string& qv0) {
    return "Il file " + qv0 + " \xC3\xA8 stato modificato da un altro programma dopo l'apertura. Sostituirlo?";
}

}  // namespace

// Two programs on one slab: a save asks before it replaces a reinforcement file whose bytes
// are not those this program last read or wrote there; "No" writes nothing.
TEST_F(ComandiProva, SalvaChiedePrimaDiSostituireIlLavoroDiUnAltroProgramma) {
    const std::string slab = dir / "A/SOL1.QVR", qv0 = dir / "A/SOL1.QV0";
    auto altraVersione = [](std::string b) {
        b[b.find_first_of("0123456789")] ^= 1;  // one digit, the size stays
        return b;
    };
    struct Caso {
        const char* Nome;
        bool LettoAllApertura;  // else the slab had no reinforcement file when opened
        std::function<void()> Altro;
        bool Chiede;
    };
    const Caso casi[] = {
        {"riscritto", true, [&] { ScriviTutto(qv0, altraVersione(LeggiTutto(qv0))); }, true},
        {"stessa dimensione e stessa ora",
         true,
         [&] {
             struct stat st {};
             ::stat(qv0.c_str(), &st);
             ScriviTutto(qv0, altraVersione(LeggiTutto(qv0)));
             const struct timespec t[2] = {st.st_atim, st.st_mtim};
             ::utimensat(AT_FDCWD, qv0.c_str(), t, 0);
         },
         true},
        {"creato dopo l'apertura", false, [&] { ScriviTutto(qv0, " 7 \r\naltro\r\n"); }, true},
        {"riscritto uguale", true, [&] { ScriviFileAtomico(qv0, LeggiTutto(qv0)); }, false},
        {"solo toccato", true, [&] { ::utimensat(AT_FDCWD, qv0.c_str(), nullptr, 0); }, false},
        {"rimosso", true, [&] { fs::remove(qv0); }, false},
        {"nulla", true, [] {}, false},
        {"nulla, senza file", false, [] {}, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Nome);
        fs::remove(qv0);
        if (c.LettoAllApertura) {
            Apri(slab);
            ASSERT_EQ(Salva(), 0);
        }
        Apri(slab);
        DaUnAltroProgramma(c.Altro);
        M.Diffusa.PassoDiffSup1 = 33;
        if (!c.Chiede) {
            EXPECT_EQ(Salva(), 0);
            EXPECT_TRUE(p.Msg.Visti.empty());
            EXPECT_EQ(LeggiTutto(qv0), TestoArmature(M));
            continue;
        }
        const auto prima = Contenuto(dir.Percorso());
        p.Msg.Risposte.push_back(RispostaMsg::No);
        EXPECT_EQ(Salva(), -1);
        EXPECT_EQ(ErroreOperazione, -1);
        ASSERT_EQ(p.Msg.Visti.size(), 1u) << "no second message";
        EXPECT_EQ(p.Msg.Visti[0].Testo, DomandaAltroProgramma(qv0));
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(p.Msg.Visti[0].Predefinita, RispostaMsg::No);
        EXPECT_TRUE(Contenuto(dir.Percorso()) == prima) << "the other program's file and the rest as they were";

        p.Msg.Visti.clear();
        p.Msg.Risposte.push_back(RispostaMsg::Si);
        EXPECT_EQ(Salva(), 0);
        EXPECT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(LeggiTutto(qv0), TestoArmature(M));
        // The file is now this program's own: the next save asks nothing.
        p.Msg.Visti.clear();
        M.Diffusa.PassoDiffSup1 = 34;
        EXPECT_EQ(Salva(), 0);
        EXPECT_TRUE(p.Msg.Visti.empty());
    }
}

// Every way to the save asks the same, and "No" keeps the open project and the other's file:
// save as onto the open slab, the save before another slab is opened, the save at exit.
TEST_F(ComandiProva, OgniSalvataggioChiedeSeUnAltroProgrammaHaScritto) {
    const std::string slab = dir / "A/SOL1.QVR", qv0 = dir / "A/SOL1.QV0";
    const std::string altra = Slab("B", "SOL2.QVR");
    struct Via {
        const char* Nome;
        std::vector<RispostaMsg> Prima;  // the answers to the questions before it
        std::function<bool()> Salva;
    };
    const Via vie[] = {
        {"salva con nome sul file aperto", {},
         [&] {
             dialoghi.Scelte.push_back(slab);
             return SalvaConNome() == 0;
         }},
        {"salva prima di aprire", {RispostaMsg::Si},
         [&] {
             dialoghi.Scelte.push_back(altra);
             return ApriFile("QVR") == 0;
         }},
        {"salva all'uscita", {RispostaMsg::Si}, [] { return ChiusuraProgramma(); }},
    };
    for (const Via& v : vie) {
        SCOPED_TRACE(v.Nome);
        fs::remove(qv0);
        Apri(slab);
        ASSERT_TRUE(SalvaStatoUndo());
        M.Diffusa.PassoDiffSup1 = 33;
        DaUnAltroProgramma([&] { ScriviTutto(qv0, " 7 \r\naltro\r\n"); });
        const std::string modello = dump::StampaModello(M);
        const auto prima = Contenuto(dir.Percorso());
        for (RispostaMsg r : v.Prima) p.Msg.Risposte.push_back(r);
        p.Msg.Risposte.push_back(RispostaMsg::No);
        EXPECT_FALSE(v.Salva());
        ASSERT_EQ(p.Msg.Visti.size(), v.Prima.size() + 1);
        EXPECT_EQ(p.Msg.Visti.back().Testo, DomandaAltroProgramma(qv0));
        EXPECT_TRUE(Contenuto(dir.Percorso()) == prima) << "nothing written";
        EXPECT_EQ(M.Progetto.PercorsoSoletta, slab);
        EXPECT_EQ(dump::StampaModello(M), modello);
        EXPECT_TRUE(ProgettoModificato()) << "the edits still count as unsaved";
        PulisciUndo();
    }
}

TEST(CopiaFileSicura, ModoECollegamentoDellaDestinazione) {
    struct Caso {
        const char* Nome;
        int Esistente;      // mode of a file already at the target, -1 for none
        bool Collegamento;  // the target is a link to that file in another folder
        mode_t Umask;
        unsigned Atteso;
    };
    const Caso casi[] = {
        {"nuovo file: modo dell'origine", -1, false, 022, 0640},
        {"nuovo file: meno la umask", -1, false, 077, 0600},
        {"file sostituito: il suo modo", 0660, false, 022, 0660},
        {"collegamento: resta tale", 0660, true, 022, 0660},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Nome);
        PiattaformaProva p;
        CartellaTemp dir;
        fs::create_directories(dir / "A");
        fs::create_directories(dir / "B");
        const std::string origine = dir / "A/SOL1.QVR";
        ScriviTutto(origine, "la soletta\r\n");
        ASSERT_EQ(::chmod(origine.c_str(), 0640), 0);
        const std::string dest = dir / "A/COPIA.QVR";
        const std::string finale = c.Collegamento ? dir / "B/VERA.QVR" : dest;
        if (c.Esistente >= 0) {
            ScriviTutto(finale, "vecchia");
            ASSERT_EQ(::chmod(finale.c_str(), static_cast<mode_t>(c.Esistente)), 0);
        }
        if (c.Collegamento) fs::create_symlink("../B/VERA.QVR", dest);
        const mode_t vecchiaUmask = ::umask(c.Umask);
        const bool ok = CopiaFileSicura(origine, dest);
        ::umask(vecchiaUmask);
        ASSERT_TRUE(ok);
        EXPECT_EQ(fs::is_symlink(dest), c.Collegamento);
        EXPECT_EQ(LeggiTutto(finale), "la soletta\r\n");
        struct stat so {}, sd {};
        ASSERT_EQ(::stat(origine.c_str(), &so), 0);
        ASSERT_EQ(::stat(finale.c_str(), &sd), 0);
        EXPECT_EQ(sd.st_mode & 07777, c.Atteso);
        EXPECT_EQ(sd.st_mtim.tv_sec, so.st_mtim.tv_sec) << "the copy keeps the slab's time of last change";
        EXPECT_EQ(sd.st_mtim.tv_nsec, so.st_mtim.tv_nsec);
        // The source, the copy and, read through it, the link.
        EXPECT_EQ(Contenuto(dir.Percorso()).size(), c.Collegamento ? 3u : 2u) << "no temporary file left";
        EXPECT_TRUE(p.Msg.Visti.empty());
    }
}

TEST_F(ComandiProva, ImportaDalDialogo) {
    Apri(dir / "A/SOL1.QVR");
    EXPECT_EQ(ComandoImporta(), -1) << "cancelled";
    EXPECT_EQ(ErroreOperazione, -1);
    ASSERT_EQ(dialoghi.Domande.size(), 1u);
    const auto& d = dialoghi.Domande[0];
    EXPECT_FALSE(d.Salva);
    EXPECT_EQ(d.R.Cartella, dir / "A");
    EXPECT_EQ(d.R.Titolo, "Importa armature");
    EXPECT_EQ(d.R.Filtro, "File dati (*.QV0)|*.QV0");
    EXPECT_EQ(d.R.NomeIniziale, "*.QV0");
    EXPECT_EQ(d.R.Estensione, "QV0");
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(M.Zone.UltimaZona, -1);

    dialoghi.Scelte.push_back(std::string(VILMOR_DATI_PROVA) + "/dump/SOL1.QV0");
    EXPECT_EQ(ComandoImporta(), 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Trovate  1 armature integrative.\n 1 importate.");
    EXPECT_EQ(M.Zone.UltimaZona, 0);
}
