#include "model/LetturaArchivio.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/ServerSezioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Fissaggio = std::string(VILMOR_DATI_PROVA) + "/archivio/v7";

// Lines joined by CR LF, as archive files come.
std::string Righe(const std::vector<std::string>& righe) {
    std::string s;
    for (const auto& r : righe) s += r + "\r\n";
    return s;
}

// Lets the address space of this process grow by `margine` bytes at most.
void LimitaMemoria(size_t margine) {
    size_t pagine = 0;
    std::ifstream("/proc/self/statm") >> pagine;
    rlimit r{};
    r.rlim_cur = r.rlim_max = pagine * static_cast<size_t>(::sysconf(_SC_PAGESIZE)) + margine;
    ::setrlimit(RLIMIT_AS, &r);
}

// An archive body with no footings: the layout of every version reads it alike.
std::string CorpoSemplice() {
    return Righe({"TIPI", "1", "0 1 30 30 0 0 0 0", "TESTI", "0", "PLINTI", "0", "C", "0", "Q", "0"});
}

// The project in memory must come out of every read untouched.
class Archivio : public ::testing::Test {
protected:
    void SetUp() override {
        salvato_ = M.Archivio;
        M.Archivio = ArchivioPilastri{};
        M.Archivio.NumTipiPilastro = 1;
        M.Archivio.TipoSezPilastro = {7, 0};
        ErroreOperazione = 0;
    }
    void TearDown() override {
        EXPECT_EQ(M.Archivio.NumTipiPilastro, 1);
        EXPECT_EQ(M.Archivio.TipoSezPilastro, (std::vector<int>{7, 0}));
        M.Archivio = salvato_;
    }
    // Writes the archive in a temporary folder and reads it as the archive of a slab there.
    ArchivioPilastri LeggiTesto(const std::string& byte, const std::string& nome = "ARCHIMPA.AI0") {
        ScriviTutto(cartella / nome, byte);
        ArchivioPilastri a;
        LeggiArchivio(cartella / "SOL.QVR", a);
        return a;
    }
    static void AttesoFallimento(const ArchivioPilastri& a) {
        EXPECT_EQ(ErroreOperazione, -1);
        EXPECT_EQ(a.NumTipiPilastro, 20);
        ASSERT_EQ(a.TipoSezPilastro.size(), 21u);
        ASSERT_EQ(a.FormaPilastro.size(), 21u);
        ASSERT_EQ(a.DimPilastro.size(), 21u);
        ASSERT_EQ(a.SezioniPilastro.size(), 21u);
        for (int t = 0; t <= 20; ++t) {
            EXPECT_EQ(a.TipoSezPilastro[t], 0);
            EXPECT_EQ(a.FormaPilastro[t], 0);
            for (float v : a.DimPilastro[t]) EXPECT_EQ(v, 0);
            EXPECT_EQ(a.SezioniPilastro[t].Dim0, 0);
            EXPECT_EQ(a.SezioniPilastro[t].Nome, "");
        }
        EXPECT_EQ(a.NumSezioniPilastro, 0);
        EXPECT_EQ(a.NumVociArchivio, 0);
        EXPECT_TRUE(a.VociArchivio.empty());
        EXPECT_TRUE(a.PlintiArchivio.empty());
    }

    PiattaformaProva p;
    CartellaTemp cartella;

private:
    ArchivioPilastri salvato_;
};

}  // namespace

TEST_F(Archivio, Versione7Completa) {
    ArchivioPilastri a;
    LeggiArchivio(Fissaggio + "/SOL1.QVR", a);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());

    ASSERT_EQ(a.NumTipiPilastro, 3);
    ASSERT_EQ(a.TipoSezPilastro.size(), 4u);
    EXPECT_EQ(a.TipoSezPilastro, (std::vector<int>{0, 1, -1, 0}));
    EXPECT_EQ(a.FormaPilastro, (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(a.DimPilastro[0], (std::array<float, 6>{30, 50, 0, 0, 0, 0}));
    EXPECT_EQ(a.DimPilastro[1], (std::array<float, 6>{220, 0, 0, 0, 0, 0}));
    EXPECT_EQ(a.DimPilastro[2], (std::array<float, 6>{}));
    EXPECT_EQ(a.DimPilastro[3], (std::array<float, 6>{}));
    EXPECT_EQ(a.NumSezioniPilastro, 1);
    EXPECT_EQ(a.SezioniPilastro[0].Nome, "IPE 220");
    EXPECT_EQ(IndiceSezionePilastro(a, 1), 0);
    EXPECT_EQ(IndiceSezionePilastro(a, 0), -1);

    ASSERT_EQ(a.NumVociArchivio, 2);
    ASSERT_EQ(a.VociArchivio.size(), 3u);
    EXPECT_EQ(a.VociArchivio[0].Codice, 5);
    EXPECT_EQ(a.VociArchivio[0].Testo, "primo testo");
    EXPECT_EQ(a.VociArchivio[1].Codice, 7);
    EXPECT_EQ(a.VociArchivio[1].Testo, "secondo, con virgola");

    ASSERT_EQ(a.NumPlintiArchivio, 2);
    ASSERT_EQ(a.PlintiArchivio.size(), 3u);
    const PlintoArchivio& p1 = a.PlintiArchivio[0];
    EXPECT_EQ(p1.Indice, 11);
    EXPECT_EQ(p1.Tipo, 0);
    EXPECT_EQ(p1.Valori, (std::array<float, 12>{0, 100, 120, 10, 12, 20, 22, 30, 32, 40, 0, 0}));
    const PlintoArchivio& p2 = a.PlintiArchivio[1];
    EXPECT_EQ(p2.Indice, 12);
    EXPECT_EQ(p2.Tipo, 4);
    EXPECT_EQ(p2.Valori, (std::array<float, 12>{}));

    ASSERT_EQ(a.NumCinquineArchivio, 1);
    EXPECT_EQ(a.CinquineArchivio[0], (std::array<float, 5>{1, 2, 3, 4, 5}));
    ASSERT_EQ(a.NumQuaterneArchivio, 1);
    EXPECT_EQ(a.QuaterneArchivio[0], (std::array<float, 4>{1, 2, 3, 4}));
}

TEST_F(Archivio, Intestazioni) {
    const std::string indirizzi = std::string("\nDownload: ") + SitoProduttore + "\nPer informazioni: " + PostaProduttore;
    const std::string recente =
        "File dati incompatibile!\nAggiornare MERANTO DISEGNO CARPENTERIE ad una versione pi\xC3\xB9 recente." +
        indirizzi;
    const std::string vecchia =
        "Meranto Disegno Impalcati \xC3\xA8 utilizzabile con\nOrtavis v.132 o superiore." + indirizzi;
    struct {
        std::string riga;
        std::string messaggio;  // empty: read
    } casi[] = {
        {"", ""},
        {"  ", ""},
        {"ARCHIMPA 2", ""},
        {"ARCHIMPA 7", ""},
        {"archimpa   5  commento", ""},
        {"ARCHIMPA 8", recente},
        {"ARCHIMPA 12", recente},
        {"ARCHIMPA 1", vecchia},
        {"ARCHIMPA 0", vecchia},
        {"ARCHIMPA", vecchia},
        {"ABC", vecchia},
        {"ABCDEFG", vecchia},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE("intestazione '" + c.riga + "'");
        p.Msg.Visti.clear();
        ArchivioPilastri a = LeggiTesto(c.riga + "\r\n" + CorpoSemplice());
        if (c.messaggio.empty()) {
            EXPECT_EQ(ErroreOperazione, 0);
            EXPECT_TRUE(p.Msg.Visti.empty());
            EXPECT_EQ(a.NumTipiPilastro, 1);
            EXPECT_EQ(a.DimPilastro[0][1], 30);
        } else {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, c.messaggio);
            EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            AttesoFallimento(a);
        }
    }
}

TEST_F(Archivio, Mancante) {
    ArchivioPilastri a;
    a.NumTipiPilastro = 3;
    LeggiArchivio(cartella / "SOL.QVR", a);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "File archivio 'ARCHIMPA.AI0' non trovato.");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    AttesoFallimento(a);
}

TEST_F(Archivio, NomeInMinuscolo) {
    ArchivioPilastri a = LeggiTesto("ARCHIMPA 7\r\n" + CorpoSemplice(), "archimpa.ai0");
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(a.NumTipiPilastro, 1);
}

// A malformed archive is refused with the shared message naming the file and the line.
TEST_F(Archivio, Malformato) {
    std::string intero = LeggiTutto(Fissaggio + "/ARCHIMPA.AI0");
    std::string tagliato = intero.substr(0, intero.find("30 32 /d"));
    auto sostituito = [&](const std::string& da, const std::string& a) {
        std::string s = intero;
        s.replace(s.find(da), da.size(), a);
        return s;
    };
    struct {
        const char* nome;
        std::string byte;
        std::string causa;
    } casi[] = {
        {"tagliato nei plinti", tagliato, "Fine del file inattesa (riga 19)."},
        {"testo al posto di un numero", sostituito("10 12 /b", "10 x /b"), "Valore numerico non valido (riga 17)."},
        {"tipi negativi", sostituito("PILASTRI\r\n3", "PILASTRI\r\n-3"), "Conteggio non valido (riga 3)."},
        {"plinti negativi", sostituito("PLINTI\r\n2", "PLINTI\r\n-2"), "Conteggio non valido (riga 12)."},
        {"cinquine assurde", sostituito("CINQUINE\r\n1", "CINQUINE\r\n900000"), "Conteggio non valido (riga 26)."},
        {"vuoto", "", "Fine del file inattesa (riga 1)."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        p.Msg.Visti.clear();
        ArchivioPilastri a = LeggiTesto(c.byte);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + (cartella / "ARCHIMPA.AI0") + "\n" + c.causa);
        AttesoFallimento(a);
    }
}

TEST_F(Archivio, TipiEConteggi) {
    // Kind -1 takes one item, kind 3 two; the library types get records 0 and 1.
    ArchivioPilastri a = LeggiTesto(Righe({"ARCHIMPA 7", "TIPI", "5", "-1", "3 4", "1 3 200", "2 11 240 10",
                                           "0 2 40 40 0 0 0 0", "TESTI", "-2", "PLINTI", "0", "C", "0", "Q", "0"}));
    ASSERT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(a.TipoSezPilastro, (std::vector<int>{-1, 3, 1, 2, 0, 0}));
    EXPECT_EQ(a.FormaPilastro, (std::vector<int>{0, 4, 3, 11, 2, 0}));
    EXPECT_EQ(a.DimPilastro[2], (std::array<float, 6>{200, 0, 0, 0, 0, 0}));
    EXPECT_EQ(a.DimPilastro[3], (std::array<float, 6>{240, 10, 1, 0, 0, 0}));
    EXPECT_EQ(a.DimPilastro[4], (std::array<float, 6>{40, 40, 0, 0, 0, 0}));
    EXPECT_EQ(a.NumSezioniPilastro, 2);
    EXPECT_EQ(a.SezioniPilastro[0].Nome, "HEB 200");
    EXPECT_EQ(a.SezioniPilastro[1].Nome, "2 HEB 240");
    EXPECT_EQ(a.SezioniPilastro.size(), 6u);
    // A negative count of coded texts lists none.
    EXPECT_EQ(a.NumVociArchivio, -2);
    EXPECT_EQ(a.VociArchivio.size(), 1u);

    ArchivioPilastri vuoto = LeggiTesto(Righe({"ARCHIMPA 7", "TIPI", "0", "TESTI", "0", "PLINTI", "0", "C", "0",
                                               "Q", "0"}));
    ASSERT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(vuoto.NumTipiPilastro, 0);
    EXPECT_EQ(vuoto.TipoSezPilastro.size(), 1u);
    EXPECT_EQ(vuoto.FormaPilastro.size(), 1u);
    EXPECT_EQ(vuoto.DimPilastro.size(), 1u);
    EXPECT_EQ(vuoto.SezioniPilastro.size(), 1u);
    EXPECT_EQ(vuoto.VociArchivio.size(), 1u);
    EXPECT_EQ(vuoto.PlintiArchivio.size(), 1u);
    EXPECT_EQ(vuoto.CinquineArchivio.size(), 1u);
    EXPECT_EQ(vuoto.QuaterneArchivio.size(), 1u);
}

// A table's count is bounded by the least text one of its records takes: a count that blanks
// pad out to two bytes a record is refused at its own line before anything is sized, while a
// file whose every record takes that least text is read.
TEST_F(Archivio, ConteggiETestoMinimo) {
    const std::string tipi = "TIPI\r\n0\r\n", testi = "TESTI\r\n0\r\n", plinti = "PLINTI\r\n0\r\n";
    const std::string cinquine = "C\r\n0\r\n";
    auto spazi = [](size_t n) { return std::string(n, ' '); };
    struct {
        const char* nome;
        std::string byte;
        int riga;
    } troppi[] = {
        {"tipi", "ARCHIMPA 7\r\nTIPI\r\n100\r\n" + spazi(250), 3},
        {"testi", "ARCHIMPA 7\r\n" + tipi + "TESTI\r\n100\r\n" + spazi(250), 5},
        {"plinti senza indice", "ARCHIMPA 3\r\n" + tipi + testi + "PLINTI\r\n100\r\n" + spazi(450), 7},
        {"plinti con indice", "ARCHIMPA 7\r\n" + tipi + testi + "PLINTI\r\n100\r\n" + spazi(850), 7},
        {"cinquine", "ARCHIMPA 7\r\n" + tipi + testi + plinti + "C\r\n100\r\n" + spazi(950), 9},
        {"quaterne", "ARCHIMPA 7\r\n" + tipi + testi + plinti + cinquine + "Q\r\n100\r\n" + spazi(650), 11},
    };
    for (const auto& c : troppi) {
        SCOPED_TRACE(c.nome);
        p.Msg.Visti.clear();
        ArchivioPilastri a = LeggiTesto(c.byte);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + (cartella / "ARCHIMPA.AI0") +
                                            "\nConteggio non valido (riga " + std::to_string(c.riga) + ").");
        AttesoFallimento(a);
    }

    // LF line ends, no value more than it must be; the last table ends the file.
    // Kinds 11 and -1 take no values; from version 5 on a kind above 2 takes eight more lines.
    struct {
        const char* nome;
        std::string byte;
        float tipo;
    } minimi[] = {
        {"senza indice", "ARCHIMPA 3\nT\n2\n-1\n-1\nX\n2\n0,\n0\n\nP\n2\n\n11\n\n\n-1,\nC\n1\n0,0,0,0,0\nQ\n1\n0,0,0,0", 11},
        {"con indice", "ARCHIMPA 7\nT\n2\n-1\n-1\nX\n2\n0,\n0\n\nP\n2\n\n0,0,\n-2\n\n\n0,0,\n-1,\nC\n1\n0,0,0,0,0\nQ\n1\n0,0,0,0", -2},
    };
    for (const auto& c : minimi) {
        SCOPED_TRACE(c.nome);
        p.Msg.Visti.clear();
        ArchivioPilastri a = LeggiTesto(c.byte);
        ASSERT_EQ(ErroreOperazione, 0) << (p.Msg.Visti.empty() ? "" : p.Msg.Visti[0].Testo);
        EXPECT_EQ(a.TipoSezPilastro, (std::vector<int>{-1, -1, 0}));
        ASSERT_EQ(a.NumVociArchivio, 2);
        EXPECT_EQ(a.VociArchivio[1].Codice, 0);
        ASSERT_EQ(a.NumPlintiArchivio, 2);
        EXPECT_EQ(a.PlintiArchivio[0].Tipo, c.tipo);
        EXPECT_EQ(a.PlintiArchivio[1].Tipo, -1);
        EXPECT_EQ(a.NumCinquineArchivio, 1);
        EXPECT_EQ(a.NumQuaterneArchivio, 1);
    }
}

#if !defined(__SANITIZE_ADDRESS__)
// In a child process whose address space may grow by 64 MB at most: a count of a million types
// followed by blanks is refused without sizing any table, and a million real types, whose
// tables do not fit, are the refusal "Memoria insufficiente", never an abort.
TEST_F(Archivio, MemoriaLimitata) {
    const int n = 1000000;
    std::string record;
    for (int i = 0; i < n; ++i) record += "-1\r\n";
    const std::string coda = "TESTI\r\n0\r\nPLINTI\r\n0\r\nC\r\n0\r\nQ\r\n0\r\n";
    struct {
        const char* nome;
        std::string byte;
        const char* causa;
    } casi[] = {
        {"spazi", "ARCHIMPA 7\r\nTIPI\r\n" + std::to_string(n) + "\r\n" + std::string(3 * n + 10, ' '),
         "Fine del file inattesa \\(riga 4\\)"},
        {"tipi veri", "ARCHIMPA 7\r\nTIPI\r\n" + std::to_string(n) + "\r\n" + record + coda,
         "Memoria insufficiente \\(riga [0-9]+\\)"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ScriviTutto(cartella / "ARCHIMPA.AI0", c.byte);
        EXPECT_EXIT(
            {
                LimitaMemoria(64 << 20);
                ArchivioPilastri a;
                LeggiArchivio(cartella / "SOL.QVR", a);
                std::fputs(p.Msg.Visti.empty() ? "nessun messaggio" : p.Msg.Visti[0].Testo.c_str(), stderr);
                std::_Exit(a.NumTipiPilastro == 20 && ErroreOperazione == -1 ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), c.causa);
    }
}
#endif

// The footing layouts by kind and version; the tables after them prove the alignment.
TEST_F(Archivio, PlintiPerTipoEVersione) {
    const std::vector<std::string> coda = {"C", "1", "1,2,3,4,5", "Q", "1", "6 7 8 9"};
    auto conCoda = [&](std::vector<std::string> r) {
        r.insert(r.end(), coda.begin(), coda.end());
        return Righe(r);
    };
    // Version 0: no index lines, no trailing lines.
    {
        ArchivioPilastri a = LeggiTesto(conCoda({"", "TIPI", "0", "TESTI", "0", "PLINTI", "1", "/ plinto 1", "4 /tipo",
                                                 "1 2 /a", "3 4 /b", "9 9 /x", "8"}));
        ASSERT_EQ(ErroreOperazione, 0);
        EXPECT_EQ(a.PlintiArchivio[0].Indice, 0);
        EXPECT_EQ(a.PlintiArchivio[0].Valori, (std::array<float, 12>{0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(a.CinquineArchivio[0], (std::array<float, 5>{1, 2, 3, 4, 5}));
        EXPECT_EQ(a.QuaterneArchivio[0], (std::array<float, 4>{6, 7, 8, 9}));
    }
    // Version 6: kind 2 takes V10, V11 before V7, V8; kind 7 V6, V7 and V5 last, then eight
    // lines; a footing ended at the marker is followed directly by the next index.
    {
        std::vector<std::string> r = {"ARCHIMPA 6", "TIPI", "0", "TESTI", "0", "PLINTI", "4",
                                      "/ plinto 1", "0 21", "/", "2", "/", "1 2", "/", "3 4", "/", "5 6", "/",
                                      "10 11", "/", "7 8", "/", "0 0", "/", "9",
                                      "/ plinto 2", "0 22", "/", "7", "/", "1 2", "/", "3 4", "/", "6 7", "/",
                                      "0 0", "/", "0 5"};
        for (int i = 0; i < 8; ++i) r.push_back("riga " + std::to_string(i));
        r.insert(r.end(), {"/ plinto 3", "0 23", "/", "5", " /Indice plinto - zoppo  ", "0 24", "/", "3", "/",
                           "1 2", "/", "0 0", "/", "0"});
        for (int i = 0; i < 8; ++i) r.push_back("coda " + std::to_string(i));
        ArchivioPilastri a = LeggiTesto(conCoda(r));
        ASSERT_EQ(ErroreOperazione, 0) << (p.Msg.Visti.empty() ? "" : p.Msg.Visti[0].Testo);
        ASSERT_EQ(a.NumPlintiArchivio, 4);
        EXPECT_EQ(a.PlintiArchivio[0].Indice, 21);
        EXPECT_EQ(a.PlintiArchivio[0].Valori, (std::array<float, 12>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        EXPECT_EQ(a.PlintiArchivio[1].Indice, 22);
        EXPECT_EQ(a.PlintiArchivio[1].Valori, (std::array<float, 12>{0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0}));
        EXPECT_EQ(a.PlintiArchivio[2].Indice, 23);
        EXPECT_EQ(a.PlintiArchivio[2].Tipo, 5);
        EXPECT_EQ(a.PlintiArchivio[2].Valori, (std::array<float, 12>{}));
        EXPECT_EQ(a.PlintiArchivio[3].Indice, 24);
        EXPECT_EQ(a.PlintiArchivio[3].Valori, (std::array<float, 12>{0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(a.CinquineArchivio[0], (std::array<float, 5>{1, 2, 3, 4, 5}));
        EXPECT_EQ(a.QuaterneArchivio[0], (std::array<float, 4>{6, 7, 8, 9}));
    }
}

// The sample slab's steel columns resolve through the program's own profile table.
TEST_F(Archivio, EsempioSolaio1) {
    ArchivioPilastri a;
    LeggiArchivio(std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR", a);
    ASSERT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
    ASSERT_GE(a.NumTipiPilastro, 2);
    ASSERT_EQ(a.NumSezioniPilastro, 2);
    EXPECT_EQ(a.SezioniPilastro[IndiceSezionePilastro(a, 0)].Nome, "HEB 200");
    EXPECT_FLOAT_EQ(a.SezioniPilastro[IndiceSezionePilastro(a, 0)].Dim0, 20);
    EXPECT_EQ(a.SezioniPilastro[IndiceSezionePilastro(a, 1)].Nome, "HEB 240");
    EXPECT_FLOAT_EQ(a.SezioniPilastro[IndiceSezionePilastro(a, 1)].Dim1, 24);
}

TEST_F(Archivio, ModelloDiDestinazione) {
    Modello m;
    LeggiArchivio(Fissaggio + "/SOL1.QVR", m);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(m.Archivio.NumTipiPilastro, 3);
}
