#include "report/Mod_RTF.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <locale>
#include <string>
#include <vector>

#include "base/FileTesto.h"
#include "base/Testo1252.h"
#include "support/DocumentoRTF.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Testa =
    R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fcharset2 Symbol;}{\f3\fswiss\fcharset0 Arial;}}{\colortbl\red0\green0\blue0;\red255\green0\blue0;\red0\green0\blue255;\red126\green126\blue126;\red255\green192\blue0;})";
const std::string Riga =
    R"(\trowd\trgaph10\trbrdrt\brdrs\brdrw10 \trbrdrl\brdrs\brdrw10 \trbrdrb\brdrs\brdrw10 \trbrdrr\brdrs\brdrw10 )";
const std::string Cella =
    R"(\clbrdrl\brdrw5\brdrs\clbrdrt\brdrw5\brdrs\clbrdrr\brdrw5\brdrs\clbrdrb\brdrw5\brdrs \cellx)";

struct Caso {
    const char* nome;
    std::function<std::string()> f;
    std::string atteso;
};

std::vector<Caso> Casi() {
    return {
        {"nero vuoto", [] { return TestoNero("", 20, 0, 0); }, R"(\plain\f3\fs20\cf0\b0 )"},
        {"nero par", [] { return TestoNero("\\par ", 18, 0, 0); }, R"(\plain\f3\fs18\cf0\b0 \par )"},
        {"nero grassetto", [] { return TestoNero("Riepilogo:", 18, 0, 1); }, R"(\plain\f3\fs18\cf0\b Riepilogo:)"},
        {"rosso sottolineato", [] { return TestoRosso("x", 20, 1, 0); }, R"(\plain\f3\fs20\cf1\b0\ul x)"},
        {"blu", [] { return TestoBlu("y", 24, 0, 1); }, R"(\plain\f3\fs24\cf2\b y)"},
        {"grigio", [] { return TestoGrigio("z", 18, -1, -1); }, R"(\plain\f3\fs18\cf3\b\ul z)"},
        {"Ø passa com'è", [] { return TestoNero("Ø 12", 18, 0, 0); }, "\\plain\\f3\\fs18\\cf0\\b0 \xC3\x98 12"},
        {"tab destra", [] { return TabDestra(7.5f); }, R"(\tqr\tx4260)"},
        {"tab centro", [] { return TabCentro(2.0f); }, R"(\tqc\tx1136)"},
        {"tab tutte le altre", [] { return TabDestra(5) + TabDestra(10.5f) + TabDestra(13) + TabDestra(15) + TabDestra(17); },
         R"(\tqr\tx2840\tqr\tx5964\tqr\tx7384\tqr\tx8520\tqr\tx9656)"},
        // A fractional product would put a decimal point into a control word.
        {"tab arrotondata", [] { return TabDestra(1.3f) + TabCentro(0.3f); }, R"(\tqr\tx738\tqc\tx170)"},
        {"tab negativa", [] { return TabCentro(-1.0f); }, R"(\tqc\tx-568)"},
        {"cella", [] { return BordoCella(1050); }, Cella + "1050"},
        {"riga", [] { return InizioRiga(); }, Riga},
        {"testa", [] { return InizioRTF(); }, Testa},
        {"coda", [] { return FineRTF(); }, R"(\par })"},
    };
}

void ControllaCasi() {
    for (const Caso& c : Casi()) EXPECT_EQ(c.f(), c.atteso) << c.nome;
}

}  // namespace

TEST(ModRTF, Costruttori) { ControllaCasi(); }

TEST(ModRTF, CostruttoriSottoLocaleItaliano) {
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    ControllaCasi();
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
}

// Every byte beyond ASCII goes out as its escape, so readers that take only escapes read it too.
TEST(ModRTF, ByteDelFileInWindows1252Escapati) {
    const std::string doc = InizioRTF() + TestoNero(std::string(SegnoDiametro) + " 12 citt\xC3\xA0 \xE2\x82\xAC", 18, 0, 0) +
                            FineRTF();
    const std::string b = ByteRTF(doc);
    EXPECT_NE(b.find("\\'d8 12 citt\\'e0 \\'80\\par }"), std::string::npos) << b;
    for (unsigned char c : b) EXPECT_LT(c, 0x80);
    EXPECT_EQ(b.substr(0, 200), doc.substr(0, 200));

    CartellaTemp t;
    PiattaformaProva p;
    ASSERT_TRUE(SalvaRTF(t / "computo.rtf", doc));
    EXPECT_EQ(LeggiTutto(t / "computo.rtf"), b);
}

TEST(ModRTF, SalvataggioFallitoLasciaIlFileVecchio) {
    CartellaTemp t;
    PiattaformaProva p;
    ScriviTutto(t / "computo.rtf", "vecchio");
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    const bool ok = SalvaRTF(t / "computo.rtf", InizioRTF() + FineRTF());
    Piatt.GuastoScritturaProva = nullptr;
    EXPECT_FALSE(ok);
    EXPECT_EQ(LeggiTutto(t / "computo.rtf"), "vecchio");
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_NE(p.Msg.Visti[0].Testo.find("computo.rtf"), std::string::npos);
}

// Every font a run selects is declared by the head's font table.
TEST(ModRTF, OgniFontUsatoEDichiarato) {
    const std::string doc = DocumentoRTF();
    const size_t inizio = doc.find("{\\fonttbl"), fine = doc.find("}}", inizio);
    ASSERT_NE(inizio, std::string::npos);
    ASSERT_NE(fine, std::string::npos);
    const std::string tabella = doc.substr(inizio, fine - inizio);
    int usati = 0;
    for (size_t i = doc.find("\\f", fine); i != std::string::npos; i = doc.find("\\f", i + 1)) {
        size_t j = i + 2;
        while (j < doc.size() && std::isdigit(static_cast<unsigned char>(doc[j]))) ++j;
        if (j == i + 2) continue;  // another word: \fs, \fonttbl
        ++usati;
        const std::string parola = doc.substr(i, j - i);
        EXPECT_NE(tabella.find("{" + parola + "\\"), std::string::npos) << parola;
    }
    EXPECT_GT(usati, 0);
}

// Office readers open the files: unrtf, and LibreOffice to HTML and PDF.
TEST(ModRTF, LettoriVeri) {
    if (!std::filesystem::exists("/usr/bin/python3")) GTEST_SKIP() << "manca /usr/bin/python3";
    CartellaTemp t;
    ScriviTutto(t / "a.rtf", ByteRTF(InizioRTF() + FineRTF()));
    ScriviTutto(t / "b.rtf", ByteRTF(DocumentoRTF()));
    std::string celle;
    for (const auto& riga : CelleDocumentoRTF()) {
        for (size_t c = 0; c < riga.size(); ++c) celle += (c ? "\t" : "") + riga[c];
        celle += "\n";
    }
    ScriviTutto(t / "celle.tsv", celle);
    const std::string script = (std::filesystem::path(__FILE__).parent_path() / "lettori_rtf.py").string();
    const std::string comando =
        "/usr/bin/python3 '" + script + "' '" + t.Percorso() + "' > '" + (t / "uscita.txt") + "' 2>&1";
    const int stato = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(stato)) << comando;
    const int uscita = WEXITSTATUS(stato);
    if (uscita == 77) GTEST_SKIP() << LeggiTutto(t / "uscita.txt");
    EXPECT_EQ(uscita, 0) << LeggiTutto(t / "uscita.txt");
}
