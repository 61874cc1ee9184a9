#include "base/FileTesto.h"
#include "base/Formati.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <locale>
#include <map>
#include <random>
#include <vector>

#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {
// Runs a sequence of reads, one letter each: I integer, S real, T text, R line.
std::vector<std::string> Leggi(const std::string& byte, const std::string& sequenza) {
    LettoreTesto l(byte);
    std::vector<std::string> r;
    for (char c : sequenza) {
        switch (c) {
            case 'I': r.push_back(std::to_string(l.LeggiI())); break;
            case 'S': r.push_back(FormatNum(l.LeggiS(), 3)); break;
            case 'T': r.push_back(l.LeggiT()); break;
            case 'R': r.push_back(l.LeggiRiga()); break;
        }
    }
    return r;
}
using V = std::vector<std::string>;
}  // namespace

TEST(LettoreTesto, Tabella) {
    struct {
        std::string byte, seq;
        V atteso;
    } casi[] = {
        {"1,2 3\n4", "IIII", {"1", "2", "3", "4"}},
        {"1,2 3\r\n4\r\n", "IIII", {"1", "2", "3", "4"}},
        {"\"a, b\",c\r\n", "TT", {"a, b", "c"}},
        {" 7 \r\nDATI\r\n", "IR", {"7", "DATI"}},
        {" 7 \nDATI\n", "IR", {"7", "DATI"}},
        {"12 /nota\r\n", "IR", {"12", "/nota"}},
        {"12.0 1E2 -3\r\n", "III", {"12", "100", "-3"}},
        {"2.5\t-1.25e1\r\n", "SS", {"2.500", "-12.500"}},
        {"testo con spazi   ,x\r\n", "TT", {"testo con spazi", "x"}},
        {"\"non chiuso\r\naltro\r\n", "TR", {"non chiuso", "altro"}},
        {"\r\n\r\n  5\r\n", "I", {"5"}},
    };
    for (const auto& c : casi) EXPECT_EQ(Leggi(c.byte, c.seq), c.atteso) << c.byte;
}

TEST(LettoreTesto, Windows1252) {
    EXPECT_EQ(Leggi("Citt\xE8\r\n", "R"), V{"Citt\xC3\xA8"});
    ScrittoreTesto s;
    s.Testo("Citt\xC3\xA8 \xC3\x98" "12");
    EXPECT_EQ(s.Byte(), "Citt\xE8 \xD8" "12\r\n");
    // Unassigned bytes come back as themselves.
    LettoreTesto l("\x81\x8D\x8F\x90\x9D\r\n");
    ScrittoreTesto s2;
    s2.Testo(l.LeggiRiga());
    EXPECT_EQ(s2.Byte(), "\x81\x8D\x8F\x90\x9D\r\n");
}

TEST(LettoreTesto, Guasti) {
    struct {
        std::string byte, seq;
        CausaLettura causa;
        int riga;
    } casi[] = {
        {"1\r\n12abc\r\n", "II", CausaLettura::NumeroNonValido, 2},
        {"nan\r\n", "S", CausaLettura::NumeroNonValido, 1},
        {"inf\r\n", "S", CausaLettura::NumeroNonValido, 1},
        {"1\r\n2\r\n1e999\r\n", "IIS", CausaLettura::NumeroNonValido, 3},
        {"1e39\r\n", "S", CausaLettura::NumeroNonValido, 1},
        {"3,,4\r\n", "III", CausaLettura::NumeroNonValido, 1},
        {"2.5\r\n", "I", CausaLettura::NumeroNonValido, 1},
        {"1 2\r\n", "III", CausaLettura::FineFile, 2},
        {"", "R", CausaLettura::FineFile, 1},
        {"1\r\n\r\n\r\n2.5\r\n", "II", CausaLettura::NumeroNonValido, 4},
        {"1\r\n\r\n1e39\r\n", "IS", CausaLettura::NumeroNonValido, 3},
        {"", "T", CausaLettura::FineFile, 1},
    };
    for (const auto& c : casi) {
        try {
            Leggi(c.byte, c.seq);
            ADD_FAILURE() << "nessun errore per " << c.byte;
        } catch (const ErroreLettura& e) {
            EXPECT_EQ(e.Causa, c.causa) << c.byte;
            EXPECT_EQ(e.Riga, c.riga) << c.byte;
        }
    }
}

TEST(LettoreTesto, ConteggioControllato) {
    LettoreTesto ok("3\r\n1 2 3\r\n");
    EXPECT_EQ(ok.LeggiConteggio(), 3);
    for (std::string byte : {"-1\r\n", "1000000\r\n1 2\r\n"}) {
        LettoreTesto l(byte);
        try {
            l.LeggiConteggio();
            ADD_FAILURE() << byte;
        } catch (const ErroreLettura& e) {
            EXPECT_EQ(e.Causa, CausaLettura::ConteggioNonValido);
            EXPECT_EQ(e.Riga, 1);
        }
    }
    // The checks report the line of the value they check, not the one after it.
    LettoreTesto c("\r\n\r\n-1\r\n2\r\n");
    try {
        c.LeggiConteggio();
        ADD_FAILURE();
    } catch (const ErroreLettura& e) {
        EXPECT_EQ(e.Riga, 3);
    }
    LettoreTesto l("5\r\n");
    EXPECT_EQ(l.LeggiI(), 5);
    try {
        l.ControllaIndice(5, 5);
        ADD_FAILURE();
    } catch (const ErroreLettura& e) {
        EXPECT_EQ(e.Causa, CausaLettura::IndiceFuoriIntervallo);
        EXPECT_EQ(e.Riga, 1);
    }
    EXPECT_NO_THROW(l.ControllaIndice(-1, 5, true));
}

TEST(LettoreTesto, MessaggioDiRifiuto) {
    PiattaformaProva p;
    SegnalaErroreLettura("/x/SOL.QVR", ErroreLettura(CausaLettura::FineFile, 7));
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n/x/SOL.QVR\nFine del file inattesa (riga 7).");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
}

TEST(ScrittoreTesto, ZoneDiStampa) {
    ScrittoreTesto s;
    s.Intero(7);
    s.FineRiga();
    s.Numero(100, 3);
    s.Numero(50, 3);
    s.FineRiga();
    s.Numero(-1234567.0f, 5);
    s.Intero(-1);
    s.FineRiga();
    s.Intero(-1);
    s.Intero(2);
    s.FineRiga();
    EXPECT_EQ(s.Byte(), " 7 \r\n"
                        "100.000       50.000\r\n"
                        "-1234567.00000              -1 \r\n"
                        "-1             2 \r\n");
}

TEST(ScrittoreTesto, RiletturaIdentica) {
    ScrittoreTesto s;
    s.Intero(4);
    s.Numero(12.5f, 3);
    s.Numero(-0.125f, 2);
    s.FineRiga();
    s.Testo("Solaio \"tipo\", piano 1");
    LettoreTesto l(s.Byte());
    EXPECT_EQ(l.LeggiI(), 4);
    EXPECT_EQ(l.LeggiS(), 12.5f);
    EXPECT_EQ(l.LeggiS(), -0.13f);
    EXPECT_EQ(l.LeggiRiga(), "Solaio \"tipo\", piano 1");
}

TEST(ScrittoreTesto, LocaleItaliano) {
    std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr);
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    ScrittoreTesto s;
    s.Numero(100, 3);
    s.Numero(1234.5f, 1);
    s.FineRiga();
    LettoreTesto l(s.Byte());
    float a = l.LeggiS(), b = l.LeggiS();
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    EXPECT_EQ(s.Byte(), "100.000       1234.5\r\n");
    EXPECT_EQ(a, 100.0f);
    EXPECT_EQ(b, 1234.5f);
}

namespace {

namespace fs = std::filesystem;

// Every name under a folder (links not followed), with the bytes of the regular files.
std::map<std::string, std::string> Albero(const std::string& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(cartella)) {
        const std::string n = e.path().string();
        r[n] = e.is_symlink() ? "-> " + fs::read_symlink(e.path()).string()
               : e.is_regular_file() ? LeggiTutto(n) : "";
    }
    return r;
}

unsigned Modo(const std::string& percorso) {
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0) return ~0u;
    return st.st_mode & 07777;
}

struct ConUmask {
    mode_t vecchia;
    explicit ConUmask(mode_t m) : vecchia(::umask(m)) {}
    ~ConUmask() { ::umask(vecchia); }
};

}  // namespace

TEST(ScriviFileAtomico, ModoDelFile) {
    struct Caso {
        int Esistente;  // the target's mode, -1 for a new file
        mode_t Umask;
        unsigned Atteso;
    };
    const Caso casi[] = {{0660, 022, 0660}, {0600, 0, 0600},   {0644, 077, 0644}, {02754, 022, 02754},
                         {-1, 022, 0644},   {-1, 077, 0600},   {-1, 0, 0666}};
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << std::oct << "modo " << c.Esistente << " umask " << c.Umask);
        PiattaformaProva p;
        CartellaTemp dir;
        const std::string f = dir / "SOL.QV0";
        if (c.Esistente >= 0) {
            ScriviTutto(f, "vecchio");
            ASSERT_EQ(::chmod(f.c_str(), static_cast<mode_t>(c.Esistente)), 0);
        }
        ConUmask u(c.Umask);
        ASSERT_TRUE(ScriviFileAtomico(f, "nuovo"));
        EXPECT_EQ(LeggiTutto(f), "nuovo");
        EXPECT_EQ(Modo(f), c.Atteso);
    }
}

TEST(ScriviFileAtomico, GruppoDelFile) {
    // A group other than the process's that the process may give: any as root, else one of
    // its own supplementary groups.
    gid_t altro = ::getegid() + 1;
    if (::geteuid() != 0) {
        gid_t gruppi[256];
        const int n = ::getgroups(256, gruppi);
        altro = ::getegid();
        for (int i = 0; i < n; ++i)
            if (gruppi[i] != ::getegid()) altro = gruppi[i];
        if (altro == ::getegid()) GTEST_SKIP() << "nessun altro gruppo disponibile";
    }
    PiattaformaProva p;
    CartellaTemp dir;
    const std::string f = dir / "SOL.QV0";
    ScriviTutto(f, "vecchio");
    ASSERT_EQ(::chown(f.c_str(), static_cast<uid_t>(-1), altro), 0);
    ASSERT_EQ(::chmod(f.c_str(), 0660), 0);
    ASSERT_TRUE(ScriviFileAtomico(f, "nuovo"));
    struct stat st {};
    ASSERT_EQ(::stat(f.c_str(), &st), 0);
    EXPECT_EQ(st.st_gid, altro);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
}

TEST(ScriviFileAtomico, CollegamentoRestaCollegamento) {
    struct Caso {
        const char* Nome;
        std::vector<std::pair<std::string, std::string>> Collegamenti;  // link -> its text ("@" the folder)
        std::string Finale;
        bool Esiste;
    };
    const std::vector<Caso> casi = {
        {"nella stessa cartella", {{"a/SOL.QV0", "vero.QV0"}}, "a/vero.QV0", true},
        {"percorso assoluto", {{"a/SOL.QV0", "@/b/vero.QV0"}}, "b/vero.QV0", true},
        {"percorso relativo in un'altra cartella", {{"a/SOL.QV0", "../b/vero.QV0"}}, "b/vero.QV0", true},
        {"catena", {{"a/SOL.QV0", "../b/L2"}, {"b/L2", "vero.QV0"}}, "b/vero.QV0", true},
        {"destinazione mancante", {{"a/SOL.QV0", "../b/nuovo.QV0"}}, "b/nuovo.QV0", false},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Nome);
        PiattaformaProva p;
        CartellaTemp dir;
        fs::create_directories(dir / "a");
        fs::create_directories(dir / "b");
        const std::string finale = dir / c.Finale;
        if (c.Esiste) {
            ScriviTutto(finale, "vecchio");
            ASSERT_EQ(::chmod(finale.c_str(), 0660), 0);
        }
        for (auto [l, t] : c.Collegamenti) {
            if (t[0] == '@') t = dir.Percorso() + t.substr(1);
            fs::create_symlink(t, dir / l);
        }
        auto atteso = Albero(dir.Percorso());
        atteso[finale] = "nuovo";

        ASSERT_TRUE(ScriviFileAtomico(dir / "a/SOL.QV0", "nuovo"));
        EXPECT_EQ(Albero(dir.Percorso()), atteso) << "links kept, new bytes in the target, no temporary file";
        if (c.Esiste) {
            EXPECT_EQ(Modo(finale), 0660u);
        }
    }
}

TEST(ScriviFileAtomico, GuastoLasciaIlVecchioFile) {
    for (bool collegamento : {false, true}) {
        SCOPED_TRACE(collegamento ? "collegamento" : "file");
        PiattaformaProva p;
        CartellaTemp dir;
        const std::string f = dir / "SOL.QV0";
        ScriviTutto(dir / "vero.QV0", "vecchio\r\n");
        if (collegamento) fs::create_symlink("vero.QV0", f);
        else fs::rename(dir / "vero.QV0", f);
        const auto prima = Albero(dir.Percorso());
        Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
        ScrittoreTesto s;
        s.Testo("nuovo");
        bool ok = s.Salva(f);
        Piatt.GuastoScritturaProva = nullptr;
        EXPECT_FALSE(ok);
        EXPECT_EQ(Albero(dir.Percorso()), prima) << "old bytes kept, no temporary file left";
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo,
                  "Impossibile scrivere il file:\n" + f + "\nIl file esistente non \xC3\xA8 stato modificato.");

        EXPECT_TRUE(s.Salva(f));
        EXPECT_EQ(LeggiTutto(f), "nuovo\r\n");
        EXPECT_EQ(fs::is_symlink(f), collegamento);
    }
}

TEST(FileInSostituzione, NienteCambiaPrimaDellaConferma) {
    CartellaTemp dir;
    ScriviTutto(dir / "A.QV0", "vecchio A");
    const auto prima = Albero(dir.Percorso());
    {
        FileInSostituzione a, b;
        ASSERT_TRUE(a.Apri(dir / "A.QV0"));
        ASSERT_TRUE(b.Apri(dir / "B.SET"));
        ASSERT_TRUE(a.Scrivi("nuovo A") && a.Chiudi());
        ASSERT_TRUE(b.Scrivi("nuovo B") && b.Chiudi());
        EXPECT_EQ(LeggiTutto(dir / "A.QV0"), "vecchio A");
        EXPECT_FALSE(fs::exists(dir / "B.SET"));
    }
    EXPECT_EQ(Albero(dir.Percorso()), prima) << "dropped unconfirmed: temporary files removed";

    FileInSostituzione a, b;
    ASSERT_TRUE(a.Apri(dir / "A.QV0") && a.Scrivi("nuovo A") && a.Chiudi());
    ASSERT_TRUE(b.Apri(dir / "B.SET") && b.Scrivi("nuovo B"));
    EXPECT_TRUE(a.Conferma());
    EXPECT_TRUE(b.Conferma());
    EXPECT_EQ(Albero(dir.Percorso()),
              (std::map<std::string, std::string>{{dir / "A.QV0", "nuovo A"}, {dir / "B.SET", "nuovo B"}}));
}

TEST(FileInSostituzione, OgniChiamataHaIlSuoFileTemporaneo) {
    CartellaTemp dir;
    const std::string f = dir / "SOL.QV0";
    FileInSostituzione a, b;
    ASSERT_TRUE(a.Apri(f));
    ASSERT_TRUE(b.Apri(f)) << "a second writer of the same file in this process";
    ASSERT_TRUE(a.Scrivi("primo"));
    ASSERT_TRUE(b.Scrivi("secondo"));
    EXPECT_TRUE(a.Conferma());
    EXPECT_EQ(LeggiTutto(f), "primo");
    EXPECT_TRUE(b.Conferma());
    EXPECT_EQ(Albero(dir.Percorso()), (std::map<std::string, std::string>{{f, "secondo"}}));
}

TEST(ScriviFileAtomico, CartellaInesistente) {
    PiattaformaProva p;
    EXPECT_FALSE(ScriviFileAtomico("/nessuna/cartella/qui/SOL.QV0", "x"));
    EXPECT_EQ(p.Msg.Visti.size(), 1u);
}

// Every decimal the files hold reads as from_chars reads it, to the last bit, whether the
// quick reading of plain decimals takes it or not; and what from_chars refuses is refused.
TEST(LettoreTesto, NumeriComeFromChars) {
    std::mt19937 gen(1252);
    auto cifre = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + gen() % 10);
        return s;
    };
    std::vector<std::string> gettoni;
    for (int k = 0; k < 20000; ++k) {
        std::string t = std::vector<std::string>{"", "-", "+"}[gen() % 3];
        const int intere = static_cast<int>(gen() % 11), decimali = static_cast<int>(gen() % 11);
        t += cifre(intere);
        if (decimali > 0 || gen() % 4 == 0) t += "." + cifre(decimali);
        if (intere + decimali == 0) t += "0";
        if (gen() % 8 == 0) t += std::vector<std::string>{"e-3", "E2", "D1", "d-2"}[gen() % 4];
        gettoni.push_back(t);
    }
    for (const char* t : {"0", "-0", "-0.0", "007", ".5", "5.", "999999999999999", "9999999999999999",
                          "0.1", "0.000000000000001", "123456789012345.6", "+-1", "4503599627370497"})
        gettoni.push_back(t);
    std::string byte;
    for (size_t i = 0; i < gettoni.size(); ++i) byte += gettoni[i] + (i % 3 == 2 ? "\r\n" : i % 3 ? " , " : ",");
    LettoreTesto l(byte);
    for (const std::string& t : gettoni) {
        std::string c = t;
        for (char& x : c)
            if (x == 'D' || x == 'd') x = 'E';
        const char* p = c.data() + (c[0] == '+' ? 1 : 0);
        double atteso = 0;
        std::from_chars(p, c.data() + c.size(), atteso);
        const double letto = l.LeggiD();
        ASSERT_EQ(std::memcmp(&letto, &atteso, sizeof letto), 0) << t << " " << letto << " " << atteso;
    }
    for (const char* t : {"1.2.3", ".", "-", "+", "1e", "0x10", "1.5e", "--1", "++1", "1-", "5.5.", "e5"}) {
        LettoreTesto r(t);
        EXPECT_THROW(r.LeggiD(), ErroreLettura) << t;
    }
}
