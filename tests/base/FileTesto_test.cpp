#include "base/FileTesto.h"
#include "base/Formati.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>

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

TEST(ScriviFileAtomico, GuastoLasciaIlVecchioFile) {
    PiattaformaProva p;
    CartellaTemp dir;
    std::string f = dir / "SOL.QV0";
    ScriviTutto(f, "vecchio\r\n");
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    ScrittoreTesto s;
    s.Testo("nuovo");
    bool ok = s.Salva(f);
    Piatt.GuastoScritturaProva = nullptr;
    EXPECT_FALSE(ok);
    EXPECT_EQ(LeggiTutto(f), "vecchio\r\n");
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo,
              "Impossibile scrivere il file:\n" + f + "\nIl file esistente non \xC3\xA8 stato modificato.");
    // No temporary file is left behind.
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Percorso())) ++n;
    EXPECT_EQ(n, 1);

    EXPECT_TRUE(s.Salva(f));
    EXPECT_EQ(LeggiTutto(f), "nuovo\r\n");
}

TEST(ScriviFileAtomico, CartellaInesistente) {
    PiattaformaProva p;
    EXPECT_FALSE(ScriviFileAtomico("/nessuna/cartella/qui/SOL.QV0", "x"));
    EXPECT_EQ(p.Msg.Visti.size(), 1u);
}
