#include "model/ModuloDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/Testo1252.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const char* const MsgDrive = "Drive o percorso non trovato.";

std::string MsgAccesso(const std::string& percorso) {
    return "Il programma sta cercando di operare su una cartella per la quale l'utente non dispone di "
           "autorizzazione.\n" +
           percorso + "\nOperazione annullata!\nContattare l'amministratore di rete.";
}

// Sets or clears an environment variable for the life of the object.
class Ambiente {
public:
    Ambiente(const char* nome, std::optional<std::string> valore) : nome_(nome) {
        if (const char* v = std::getenv(nome)) vecchio_ = v;
        if (valore) ::setenv(nome, valore->c_str(), 1);
        else ::unsetenv(nome);
    }
    ~Ambiente() {
        if (vecchio_) ::setenv(nome_, vecchio_->c_str(), 1);
        else ::unsetenv(nome_);
    }

private:
    const char* nome_;
    std::optional<std::string> vecchio_;
};

// Folders, the working directory and the status restored after each test.
class ModuloDirTest : public ::testing::Test {
protected:
    void TearDown() override {
        Dir = vecchieCartelle_;
        ErroreOperazione = 0;
        std::error_code ec;
        fs::current_path(vecchiaCorrente_, ec);
    }
    // A key store in a fresh settings folder holding `righe` (UTF-8, written as Windows-1252).
    void ScriviChiavi(const std::string& righe) {
        Dir.CartellaImpostazioni = impostazioni_.Percorso();
        ScriviTutto(impostazioni_ / FileChiavi, AWindows1252(righe));
    }
    CartellaTemp impostazioni_;
    Cartelle vecchieCartelle_ = Dir;
    fs::path vecchiaCorrente_ = fs::current_path();
};

}  // namespace

TEST_F(ModuloDirTest, ImpostaCartelle) {
    CartellaTemp x, h;
    const std::string programma = fs::canonical("/proc/self/exe").parent_path().string();
    struct Caso {
        std::optional<std::string> xdg, home;
        std::string atteso;  // "" = the program folder
    } casi[] = {
        {x.Percorso(), h.Percorso(), x.Percorso() + "/vilmor"},
        {x.Percorso() + "/", h.Percorso(), x.Percorso() + "/vilmor"},
        {std::nullopt, h.Percorso(), h.Percorso() + "/.config/vilmor"},
        {"", h.Percorso() + "//", h.Percorso() + "/.config/vilmor"},
        {"relativa/cfg", h.Percorso(), h.Percorso() + "/.config/vilmor"},
        {std::nullopt, std::nullopt, ""},
        {"relativa", "", ""},
    };
    for (const auto& c : casi) {
        Ambiente a("XDG_CONFIG_HOME", c.xdg), b("HOME", c.home);
        ImpostaCartelle();
        SCOPED_TRACE(c.xdg.value_or("<unset>") + " " + c.home.value_or("<unset>"));
        EXPECT_EQ(Dir.CartellaProgramma, programma);
        EXPECT_EQ(Dir.CartellaImpostazioni, c.atteso.empty() ? programma : c.atteso);
    }
    // Nothing is created until something is written there.
    EXPECT_FALSE(fs::exists(x / "vilmor"));
    EXPECT_FALSE(fs::exists(h / ".config"));
    ASSERT_NE(programma.back(), '/');

    Ambiente a("XDG_CONFIG_HOME", x.Percorso());
    ImpostaCartelle();
    EXPECT_TRUE(CreaCartellaImpostazioni());
    EXPECT_TRUE(fs::is_directory(x / "vilmor"));
}

TEST_F(ModuloDirTest, EsisteFile) {
    CartellaTemp t;
    ScriviTutto(t / "f.txt", "x");
    ScriviTutto(t / ".nascosto", "x");
    fs::create_directory(t / "cartella");
    fs::create_symlink(t / "f.txt", t / "collegamento");
    fs::create_symlink(t / "manca", t / "rotto");
    struct Caso {
        std::string percorso;
        bool esiste;
        int stato;
        const char* messaggio;
    } casi[] = {
        {t / "f.txt", true, 0, nullptr},
        {t / ".nascosto", true, 0, nullptr},
        {t / "collegamento", true, 0, nullptr},
        {t / "cartella", false, 0, nullptr},
        {t / "manca.QVR", false, 0, nullptr},
        {t / "rotto", false, 0, nullptr},
        {t / "*.txt", false, 0, nullptr},
        {"", false, 0, nullptr},
        {t / "f.txt/b.QVR", false, -1, MsgDrive},
        {t.Percorso() + "/" + std::string(5000, 'a'), false, -1, MsgDrive},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.percorso.substr(0, 200));
        PiattaformaProva p;
        ErroreOperazione = 7;
        EXPECT_EQ(EsisteFile(c.percorso), c.esiste);
        EXPECT_EQ(ErroreOperazione, c.stato);
        if (c.messaggio) {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, c.messaggio);
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        } else {
            EXPECT_TRUE(p.Msg.Visti.empty());
        }
    }
}

TEST_F(ModuloDirTest, EsisteFileCartellaSenzaPermessi) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores the permissions";
    CartellaTemp t;
    fs::create_directory(t / "chiusa");
    ScriviTutto(t / "chiusa/b.QVR", "x");
    ::chmod((t / "chiusa").c_str(), 0);
    PiattaformaProva p;
    const std::string percorso = t / "chiusa/b.QVR";
    EXPECT_FALSE(EsisteFile(percorso));
    EXPECT_EQ(ErroreOperazione, -1);
    ::chmod((t / "chiusa").c_str(), 0700);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, MsgAccesso(percorso));
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
}

TEST_F(ModuloDirTest, ErroriDelFileSystem) {
    struct Caso {
        std::errc errore;
        int stato;
        std::string messaggio;  // "" none
    } casi[] = {
        {std::errc::no_such_file_or_directory, 0, ""},
        {std::errc::not_a_directory, -1, MsgDrive},
        {std::errc::filename_too_long, -1, MsgDrive},
        {std::errc::too_many_symbolic_link_levels, -1, MsgDrive},
        {std::errc::permission_denied, -1, MsgAccesso("/x/y.QVR")},
        {std::errc::operation_not_permitted, -1, MsgAccesso("/x/y.QVR")},
        {std::errc::io_error, -1, ""},
    };
    for (const auto& c : casi) {
        PiattaformaProva p;
        const std::error_code ec = std::make_error_code(c.errore);
        SCOPED_TRACE(ec.message());
        EXPECT_EQ(SegnalaErroreFile("/x/y.QVR", ec), c.stato);
        if (c.messaggio.empty()) {
            EXPECT_TRUE(p.Msg.Visti.empty());
        } else {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, c.messaggio);
        }
    }
}

TEST_F(ModuloDirTest, CartellaDaPercorso) {
    CartellaTemp corrente, t;
    fs::current_path(corrente.Percorso());
    Dir.CartellaImpostazioni = impostazioni_.Percorso();  // no key store there
    EXPECT_EQ(CartellaDaPercorso("/a/b.QVR"), "/a");
    EXPECT_EQ(CartellaDaPercorso("/a/c/b.QVR"), "/a/c");
    EXPECT_EQ(CartellaDaPercorso("/b.QVR"), "/");
    EXPECT_EQ(CartellaDaPercorso("lavori\\b.QVR"), "lavori");
    EXPECT_EQ(CartellaDaPercorso("b.QVR"), fs::current_path().string());

    fs::create_directories(t / "BRIDGE_data/disegni");
    ScriviChiavi(std::string(ChiaveRecentiAnalisi) + "\\File1=" + (t / "BRIDGE.qkd") + "\n");
    EXPECT_EQ(CartellaDaPercorso("b.QVR"), t / "BRIDGE_data/disegni");
    EXPECT_EQ(CartellaDaPercorso("/a/b.QVR"), "/a");
}

TEST_F(ModuloDirTest, CartellaDisegniAnalisi) {
    CartellaTemp t, h;
    Ambiente home("HOME", h.Percorso());
    fs::create_directories(t / "BRIDGE_data/disegni");
    fs::create_directories(t / "più/PONTE_data/disegni");
    const std::string chiave = ChiaveRecentiAnalisi;
    const std::string disegni = t / "BRIDGE_data/disegni";
    struct Caso {
        std::string righe;
        std::string atteso;
    } casi[] = {
        {chiave + "\\File1=" + (t / "BRIDGE.qkd") + "\r\n", disegni},
        {"SOFTWARE\\KELVARA\\OSMIK\\RECENT FILE LIST\\file1=" + (t / "BRIDGE.QKD"), disegni},
        {chiave + "\\File1=" + (t / "più\\PONTE.QKD") + "\n", t / "più/PONTE_data/disegni"},
        {chiave + "\\File1=" + (t / "ALTRO.QKD") + "\n", h.Percorso()},
        {chiave + "\\File1=" + (t / "BRIDGE.txt") + "\n", h.Percorso()},
        {chiave + "\\File1=\n", h.Percorso()},
        {chiave + "\\File2=" + (t / "BRIDGE.qkd") + "\n", h.Percorso()},
        {chiave + "\\File1=/nessuna.QKD\n" + chiave + "\\File1=" + (t / "BRIDGE.qkd") + "\n", disegni},
        {"Software\\Altro\\File1=" + (t / "BRIDGE.qkd") + "\n", ""},
        {"riga senza uguale\n\n", ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.righe);
        ScriviChiavi(c.righe);
        EXPECT_EQ(CartellaDisegniAnalisi(), c.atteso);
    }
    fs::remove(impostazioni_ / FileChiavi);
    EXPECT_EQ(CartellaDisegniAnalisi(), "");
    Dir.CartellaImpostazioni.clear();
    EXPECT_EQ(CartellaDisegniAnalisi(), "");
}

TEST_F(ModuloDirTest, CartellaUtente) {
    CartellaTemp h;
    {
        Ambiente home("HOME", h.Percorso() + "/");
        EXPECT_EQ(CartellaUtente(), h.Percorso());
    }
    Ambiente home("HOME", "relativa");
    const std::string u = CartellaUtente();
    ASSERT_FALSE(u.empty());
    EXPECT_EQ(u.front(), '/');
}

TEST_F(ModuloDirTest, TrovaFileCompagno) {
    CartellaTemp t;
    ScriviTutto(t / "ARCHIMPA.AI0", "x");
    ScriviTutto(t / "sol1.qv0", "x");
    ScriviTutto(t / "Più.QV0", "x");
    fs::create_directory(t / "CARTELLA.QV0");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "ARCHIMPA.AI0"), t / "ARCHIMPA.AI0");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "archimpa.ai0"), t / "ARCHIMPA.AI0");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "SOL1.QV0"), t / "sol1.qv0");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "PIÙ.QV0"), t / "Più.QV0");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "cartella.qv0"), "");
    EXPECT_EQ(TrovaFileCompagno(t.Percorso(), "manca.qv0"), "");
    EXPECT_EQ(TrovaFileCompagno(t / "manca", "ARCHIMPA.AI0"), "");
}
