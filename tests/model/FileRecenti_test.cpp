#include "model/FileRecenti.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/FileTesto.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

ListaRecenti Lista(const std::vector<std::string>& voci) {
    ListaRecenti l;
    for (size_t i = 0; i < voci.size(); ++i) l.ElencoRecenti[i] = voci[i];
    l.NumRecenti = static_cast<int>(voci.size());
    return l;
}

std::vector<std::string> Voci(const ListaRecenti& l) {
    return {l.ElencoRecenti.begin(), l.ElencoRecenti.begin() + l.NumRecenti};
}

// The list and the settings folder (a fresh temporary one, not created yet) restored after.
class FileRecentiTest : public ::testing::Test {
protected:
    void SetUp() override { Dir.CartellaImpostazioni = tmp_ / "vilmor"; }
    void TearDown() override {
        Piatt.GuastoScritturaProva = nullptr;
        Recenti = vecchia_;
        Dir = dir_;
        ErroreOperazione = 0;
    }
    PiattaformaProva p_;
    CartellaTemp tmp_;
    ListaRecenti vecchia_ = Recenti;
    Cartelle dir_ = Dir;
};

}  // namespace

TEST_F(FileRecentiTest, AggiornaRecenti) {
    const std::vector<std::string> quattro = {"/d/A.QVR", "/d/B.QVR", "/d/C.QVR", "/d/D.QVR"};
    struct Caso {
        std::vector<std::string> prima;
        std::string percorso;
        std::vector<std::string> dopo;
    } casi[] = {
        {{}, "/d/A.QVR", {"/d/A.QVR"}},
        {{"/c/a/X.QVR", "/Y.QVR", "/Z.QVR"}, "/c/a/x.qvr", {"/c/a/X.QVR", "/Y.QVR", "/Z.QVR"}},
        {{"/A.QVR", "/B.QVR"}, "/E.QVR", {"/E.QVR", "/A.QVR", "/B.QVR"}},
        {quattro, "/d/E.QVR", {"/d/E.QVR", "/d/A.QVR", "/d/B.QVR", "/d/C.QVR"}},
        {quattro, "/d/C.QVR", {"/d/C.QVR", "/d/A.QVR", "/d/B.QVR", "/d/D.QVR"}},
        {quattro, "/d/d.qvr", {"/d/d.qvr", "/d/A.QVR", "/d/B.QVR", "/d/C.QVR"}},
        {{"/B.QVR", "/d/più.QVR"}, "/D/PIÙ.qvr", {"/D/PIÙ.qvr", "/B.QVR"}},
        {{"/A.QVR"}, "/d/€ prova.QVR", {"/d/€ prova.QVR", "/A.QVR"}},
        // Never entered: the untitled name, the empty text, what the list file cannot hold.
        {quattro, "Anonimo", quattro},
        {quattro, "", quattro},
        {{}, "Anonimo", {}},
        {quattro, "/d/\"x\".QVR", quattro},
        {quattro, "/d/a\nb.QVR", quattro},
        {quattro, "/d/Łódź.QVR", quattro},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.percorso);
        Recenti = Lista(c.prima);
        AggiornaRecenti(c.percorso);
        EXPECT_EQ(Voci(Recenti), c.dopo);
    }
}

TEST_F(FileRecentiTest, SalvaERilegge) {
    Recenti = Lista({"/d/Solai/più.QVR", "/d/B.QVR", "/c/a, b/C.QVR"});
    ASSERT_TRUE(SalvaMEM());
    EXPECT_EQ(FileRecenti(), tmp_ / "vilmor/Vilmor.MEM");
    EXPECT_EQ(LeggiTutto(FileRecenti()), "3\r\n\"/d/Solai/pi\xF9.QVR\"\r\n\"/d/B.QVR\"\r\n\"/c/a, b/C.QVR\"\r\n");
    Recenti = ListaRecenti{};
    LeggiMEM();
    EXPECT_EQ(Voci(Recenti), (std::vector<std::string>{"/d/Solai/più.QVR", "/d/B.QVR", "/c/a, b/C.QVR"}));
    EXPECT_TRUE(p_.Msg.Visti.empty());

    // An empty list writes nothing: the file keeps the list of the last run.
    const std::string prima = LeggiTutto(FileRecenti());
    Recenti = ListaRecenti{};
    EXPECT_TRUE(SalvaMEM());
    EXPECT_EQ(LeggiTutto(FileRecenti()), prima);
}

TEST_F(FileRecentiTest, ListaVuotaNonCreaIlFile) {
    Recenti = ListaRecenti{};
    EXPECT_TRUE(SalvaMEM());
    EXPECT_FALSE(std::filesystem::exists(FileRecenti()));
    // No file: the list stays as it is and nothing is shown.
    Recenti = Lista({"/A.QVR"});
    LeggiMEM();
    EXPECT_EQ(Voci(Recenti), std::vector<std::string>{"/A.QVR"});
    EXPECT_TRUE(p_.Msg.Visti.empty());
}

TEST_F(FileRecentiTest, LetturaFile) {
    std::filesystem::create_directories(Dir.CartellaImpostazioni);
    struct Caso {
        std::string byte;
        std::vector<std::string> attese;
        bool errore;
    } casi[] = {
        {"2\r\n\"/a/X.QVR\"\r\n\"/b/Y.QVR\"\r\n", {"/a/X.QVR", "/b/Y.QVR"}, false},
        {"2\n\"/a/X.QVR\"\n\"/b/Y.QVR\"", {"/a/X.QVR", "/b/Y.QVR"}, false},
        {" 1 \r\n  \"/a/X.QVR\" \r\n\"/altro\"\r\n", {"/a/X.QVR"}, false},
        {"0\r\n", {}, false},
        {"5\r\n\"/1\"\r\n\"/2\"\r\n\"/3\"\r\n\"/4\"\r\n\"/5\"\r\n", {}, true},
        {"-1\r\n", {}, true},
        {"3\r\n\"/a/X.QVR\"\r\n\"/b/Y.QVR\"\r\n", {}, true},
        {"1\r\n/a/X.QVR\r\n", {}, true},
        {"1\r\n\"/a/X.QVR\r\n", {}, true},
        {"1\r\n\"\"\r\n", {}, true},
        {"1\r\n\"/a/\"X\".QVR\"\r\n", {}, true},
        {"due\r\n\"/a\"\r\n\"/b\"\r\n", {}, true},
        {"", {}, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.byte);
        ScriviTutto(FileRecenti(), c.byte);
        Recenti = Lista({"/prima.QVR"});
        p_.Msg.Visti.clear();
        LeggiMEM();
        EXPECT_EQ(Voci(Recenti), c.attese);
        if (c.errore) {
            ASSERT_EQ(p_.Msg.Visti.size(), 1u);
            EXPECT_EQ(p_.Msg.Visti[0].Testo, "Errore di caricamento del file: " + FileRecenti());
            EXPECT_EQ(p_.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(p_.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(Recenti.ElencoRecenti[0], "");
        } else {
            EXPECT_TRUE(p_.Msg.Visti.empty());
        }
    }
}

TEST_F(FileRecentiTest, GuastoInScrittura) {
    Recenti = Lista({"/A.QVR"});
    ASSERT_TRUE(SalvaMEM());
    Recenti = Lista({"/B.QVR", "/A.QVR"});
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    EXPECT_FALSE(SalvaMEM());
    Piatt.GuastoScritturaProva = nullptr;
    ASSERT_EQ(p_.Msg.Visti.size(), 1u);
    EXPECT_EQ(p_.Msg.Visti[0].Testo.rfind("Impossibile scrivere il file:\n" + FileRecenti(), 0), 0u);
    EXPECT_EQ(LeggiTutto(FileRecenti()), "1\r\n\"/A.QVR\"\r\n");
    EXPECT_EQ(Recenti.NumRecenti, 2);
}
