#include "model/FileImpostazioni.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <locale>
#include <optional>
#include <sstream>
#include <vector>

#include "base/FileTesto.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"
#include "support/ValoriFile.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// SHA-256 of a byte string, as lowercase hex.
std::string Sha256(const std::string& dati) {
    static const uint32_t k[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
        0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
        0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
        0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
        0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
        0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
        0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
        0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};
    uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                     0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    auto rotr = [](uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };
    std::string m = dati;
    const uint64_t bit = static_cast<uint64_t>(dati.size()) * 8;
    m.push_back(static_cast<char>(0x80));
    while (m.size() % 64 != 56) m.push_back(0);
    for (int i = 7; i >= 0; --i) m.push_back(static_cast<char>(bit >> (8 * i)));
    for (size_t blocco = 0; blocco < m.size(); blocco += 64) {
        uint32_t w[64];
        for (int i = 0; i < 16; ++i) {
            w[i] = 0;
            for (int j = 0; j < 4; ++j) w[i] = (w[i] << 8) | static_cast<unsigned char>(m[blocco + 4 * i + j]);
        }
        for (int i = 16; i < 64; ++i) {
            uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
        for (int i = 0; i < 64; ++i) {
            uint32_t t1 = hh + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + k[i] + w[i];
            uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            hh = g; g = f; f = e; e = d + t1; d = c; c = b; b = a; a = t1 + t2;
        }
        h[0] += a; h[1] += b; h[2] += c; h[3] += d; h[4] += e; h[5] += f; h[6] += g; h[7] += hh;
    }
    std::string r;
    char buf[9];
    for (uint32_t x : h) {
        std::snprintf(buf, sizeof buf, "%08x", x);
        r += buf;
    }
    return r;
}

std::vector<std::string> RigheCrLf(const std::string& t) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < t.size()) {
        size_t f = t.find("\r\n", i);
        if (f == std::string::npos) {
            r.push_back(t.substr(i));
            break;
        }
        r.push_back(t.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

std::string UnisciCrLf(const std::vector<std::string>& righe, size_t n) {
    std::string t;
    for (size_t i = 0; i < n && i < righe.size(); ++i) t += righe[i] + "\r\n";
    return t;
}

// Settings folder at a fresh XDG_CONFIG_HOME; every global the file touches restored after.
class FileImpostazioniTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) xdgVecchio_ = v;
        ::setenv("XDG_CONFIG_HOME", xdg_.Percorso().c_str(), 1);
        ImpostaCartelle();
        Imp.SfondoBianco = 0;
        Edit.DescrizioneCompleta = 0;
        ImpostaDefault();
        ImpostaColori();
    }
    void TearDown() override {
        Piatt.GuastoScritturaProva = nullptr;
        if (xdgVecchio_) ::setenv("XDG_CONFIG_HOME", xdgVecchio_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        Imp = imp_;
        Mat = mat_;
        Strati = strati_;
        Vista = vista_;
        Edit.DescrizioneCompleta = descrizione_;
        M.Progetto = progetto_;
        Dir = dir_;
    }
    // The bytes the present settings write.
    std::string ByteSalvati() {
        EXPECT_TRUE(SalvaIni());
        return LeggiTutto(FileImpostazioni());
    }

    PiattaformaProva p_;
    CartellaTemp xdg_;
    std::optional<std::string> xdgVecchio_;
    Impostazioni imp_ = Imp;
    Materiali mat_ = Mat;
    StratiDisegno strati_ = Strati;
    StatoVista vista_ = Vista;
    int descrizione_ = Edit.DescrizioneCompleta;
    DatiProgetto progetto_ = M.Progetto;
    Cartelle dir_ = Dir;
};

const char* const ShaDefault = "ac28bc19fb1bdbb58a1b4f546596428f9e2839b7745113456cdcffd860672d35";

}  // namespace

TEST_F(FileImpostazioniTest, FileDeiDefault) {
    ASSERT_FALSE(std::filesystem::exists(Dir.CartellaImpostazioni));
    ASSERT_TRUE(SalvaIni());
    EXPECT_EQ(FileImpostazioni(), xdg_.Percorso() + "/vilmor/Vilmor.ini");
    const std::string byte = LeggiTutto(FileImpostazioni());
    EXPECT_EQ(byte.size(), 1245u);
    EXPECT_EQ(Sha256(byte), ShaDefault);
    const auto righe = RigheCrLf(byte);
    ASSERT_EQ(righe.size(), 99u);
    EXPECT_EQ(UnisciCrLf(righe, 99), byte);  // every line ends in CR LF
    EXPECT_EQ(righe[0], " 7 ");
    EXPECT_EQ(righe[1], "ARM_INTEGR1");
    EXPECT_EQ(righe[2], " 1 ");
    EXPECT_EQ(righe[3], " 255 ");
    EXPECT_EQ(righe[73], "PERIM_PILASTRI_SUP");
    EXPECT_EQ(righe[74], " 2 ");
    EXPECT_EQ(righe[75], " 16711935 ");
    for (int i = 76; i < 85; ++i) EXPECT_EQ(righe[i], " 1 ") << i + 1;
    const std::vector<std::string> coda = {
        " 28            28            6             6 ",
        " 50            50            5             5 ",
        " 0             60 ",
        "50.000        50.000",
        " 12           30.000         14            8             12 ",
        "30.000        20.000        30.000        30.000",
        " 4             4             20            104          600",
        " 1             0             0             0 ",
        "10.000        1.000",
        " 18           15.000         2 ",
        " 1            0.00000       0.00000",
        " 0 ",
        " 0 ",
        " 0 ",
    };
    for (size_t i = 0; i < coda.size(); ++i) EXPECT_EQ(righe[85 + i], coda[i]) << 86 + i;

    // The same bytes whatever the locale.
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    std::filesystem::remove(FileImpostazioni());
    const bool ok = SalvaIni();
    const bool letto = LeggiIni();
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    EXPECT_TRUE(ok);
    EXPECT_TRUE(letto);
    EXPECT_EQ(Sha256(LeggiTutto(FileImpostazioni())), ShaDefault);
    EXPECT_EQ(Imp.ScalaUnita, 10.0f);
    EXPECT_TRUE(p_.Msg.Visti.empty());
}

TEST_F(FileImpostazioniTest, RiletturaConArrotondamenti) {
    StratiDisegno& s = Strati;
    s.NomiLayer[5] = "A, B  C";
    s.NomiLayer[7] = " STRATO";
    s.NomiLayer[8] = "QUOTE\r\nBIS";  // a line break would shift every line after it
    s.AciLayer[3] = 0;
    s.AciLayer[9] = 250;
    s.ColoriLayer[4] = 0x123456;
    s.OsnapQuote = {0, 1, 0, 1, 1, 0, 0, 1, 0};
    Imp.DiamMaxSup = 30, Imp.DiamMaxInf = 26, Imp.DiamMinSup = 8, Imp.DiamMinInf = 10;
    Imp.PassoMaxSup = 40, Imp.PassoMaxInf = 35, Imp.PassoMinSup = 7, Imp.PassoMinInf = 9;
    Imp.ProgettaPasso = 1, Imp.CoperturaMin = 75;
    Imp.PassoCavalletti1Def = 33.33339f, Imp.PassoCavalletti2Def = 12.5f;
    Imp.DiamCavallettiDef = 0, Imp.LargStaffaCordolo = 25.0004f, Imp.DiamReggistaffeCordolo = 16;
    Imp.DiamStaffeCordolo = 10, Imp.DiamPioli = 14;
    Imp.PassoMaxPioli = 27.1237f, Imp.PassoStaffeCordolo = 15, Imp.PassoMaxIntegrativa = 22.5f;
    Mat.IndiceCls = 2, Mat.IndiceAcciaio = 1;
    Imp.AncoraggioMin = 25, Imp.AncoraggioMax = 90, Imp.LungMaxFerri = 599.6f;
    Imp.DecimaliQuote = 2, Imp.QuoteInMetri = 1;
    Vista.CodiceVista = 3, Vista.PiantaCorrente = 2;
    Imp.ScalaUnita = 5, Imp.ScalaMm = 2;
    Imp.ParamRiserva1 = 20, Imp.ParamRiserva2 = 1.23456f, Imp.ParamRiserva3 = 4;
    Imp.ModoTolleranza = 0, Imp.TolleranzaPerc = 1.234567f, Imp.TolleranzaFissa = 0.000004f;
    Edit.DescrizioneCompleta = 1;
    Imp.PassoBasePioli = 1;
    Imp.IconeGrandi = 1;
    const StratiDisegno scritti = Strati;
    SettaCls(2);
    const std::string cls = Mat.ClsCorrente.Nome;
    SettaAcciaio(1);
    const std::string acciaio = Mat.AcciaioCorrente.Nome;
    ASSERT_TRUE(SalvaIni());
    EXPECT_EQ(RigheCrLf(LeggiTutto(FileImpostazioni()))[91], " 2             1             25            90           600");

    ImpostaDefault();
    ImpostaColori();
    ASSERT_EQ(Mat.ClsCorrente.Nome, "C25/30");
    ASSERT_TRUE(LeggiIni());
    EXPECT_TRUE(p_.Msg.Visti.empty());
    for (int i = 0; i < NumLayer; ++i) {
        EXPECT_EQ(s.NomiLayer[i], i == 8 ? "QUOTE  BIS" : scritti.NomiLayer[i]) << i;
        EXPECT_EQ(s.AciLayer[i], i == 3 ? 7 : scritti.AciLayer[i]) << i;
        EXPECT_EQ(s.ColoriLayer[i], scritti.ColoriLayer[i]) << i;
    }
    EXPECT_EQ(s.OsnapQuote, scritti.OsnapQuote);
    EXPECT_EQ(Imp.DiamMaxSup, 30);
    EXPECT_EQ(Imp.DiamMaxInf, 26);
    EXPECT_EQ(Imp.DiamMinSup, 8);
    EXPECT_EQ(Imp.DiamMinInf, 10);
    EXPECT_EQ(Imp.PassoMaxSup, 40);
    EXPECT_EQ(Imp.PassoMaxInf, 35);
    EXPECT_EQ(Imp.PassoMinSup, 7);
    EXPECT_EQ(Imp.PassoMinInf, 9);
    EXPECT_EQ(Imp.ProgettaPasso, 1);
    EXPECT_EQ(Imp.CoperturaMin, 75);
    EXPECT_EQ(Imp.PassoCavalletti1Def, 33.333f);
    EXPECT_EQ(Imp.PassoCavalletti2Def, 12.5f);
    EXPECT_EQ(Imp.DiamCavallettiDef, 0);
    EXPECT_EQ(Imp.LargStaffaCordolo, 25.0f);
    EXPECT_EQ(Imp.DiamReggistaffeCordolo, 16);
    EXPECT_EQ(Imp.DiamStaffeCordolo, 10);
    EXPECT_EQ(Imp.DiamPioli, 14);
    EXPECT_EQ(Imp.PassoMaxPioli, 27.124f);
    EXPECT_EQ(Imp.PassoStaffeCordolo, 15.0f);
    EXPECT_EQ(Imp.PassoMaxIntegrativa, 22.5f);
    EXPECT_EQ(Mat.IndiceCls, 2);
    EXPECT_EQ(Mat.IndiceAcciaio, 1);
    EXPECT_EQ(Mat.ClsCorrente.Nome, cls);
    EXPECT_EQ(Mat.AcciaioCorrente.Nome, acciaio);
    EXPECT_EQ(Imp.AncoraggioMin, 25);
    EXPECT_EQ(Imp.AncoraggioMax, 90);
    EXPECT_EQ(Imp.LungMaxFerri, 600.0f);
    EXPECT_EQ(Imp.DecimaliQuote, 2);
    EXPECT_EQ(Imp.QuoteInMetri, 1);
    EXPECT_EQ(Vista.CodiceVista, 3);
    EXPECT_EQ(Vista.PiantaCorrente, 2);
    EXPECT_EQ(Imp.ScalaUnita, 5.0f);
    EXPECT_EQ(Imp.ScalaMm, 2.0f);
    EXPECT_EQ(Imp.UnitaPerCm, 0.25f);
    EXPECT_EQ(Imp.ParamRiserva1, 20);
    EXPECT_EQ(Imp.ParamRiserva2, 1.235f);
    EXPECT_EQ(Imp.ParamRiserva3, 4);
    EXPECT_EQ(Imp.ModoTolleranza, 0);
    EXPECT_EQ(Imp.TolleranzaPerc, 1.23457f);
    EXPECT_EQ(Imp.TolleranzaFissa, 0.0f);
    EXPECT_EQ(Edit.DescrizioneCompleta, 1);
    EXPECT_EQ(Imp.PassoBasePioli, 1);
    EXPECT_EQ(Imp.IconeGrandi, 1);
}

// Files of the older versions are the version 7 file cut after its last group.
TEST_F(FileImpostazioniTest, Versioni) {
    Imp.ScalaUnita = 5, Imp.ScalaMm = 2;
    Imp.ParamRiserva1 = 20;
    Imp.ModoTolleranza = 0;
    Edit.DescrizioneCompleta = 1;
    Imp.PassoBasePioli = 1;
    Imp.IconeGrandi = 1;
    Imp.DiamMaxSup = 30;
    const auto righe = RigheCrLf(ByteSalvati());
    ASSERT_EQ(righe.size(), 99u);
    Edit.DescrizioneCompleta = 0;

    struct Caso {
        int versione;
        size_t righe;
        float scalaUnita, unitaPerCm;
        int riserva1, modo, descrizione, passoBase;
    } casi[] = {
        {1, 93, 10, 1, 18, 1, 0, 0},  {1, 99, 10, 1, 18, 1, 0, 0},   {2, 94, 5, 0.25f, 18, 1, 0, 0},
        {4, 96, 5, 0.25f, 20, 0, 0, 0}, {6, 98, 5, 0.25f, 20, 0, 1, 1}, {7, 99, 5, 0.25f, 20, 0, 1, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << "versione " << c.versione << ", righe " << c.righe);
        std::vector<std::string> r = righe;
        r[0] = " " + std::to_string(c.versione) + " ";
        ScriviTutto(FileImpostazioni(), UnisciCrLf(r, c.righe));
        Edit.DescrizioneCompleta = 0;
        EXPECT_TRUE(LeggiIni());
        EXPECT_EQ(Imp.DiamMaxSup, 30);
        EXPECT_EQ(Imp.ScalaUnita, c.scalaUnita);
        EXPECT_EQ(Imp.UnitaPerCm, c.unitaPerCm);
        EXPECT_EQ(Imp.ParamRiserva1, c.riserva1);
        EXPECT_EQ(Imp.ModoTolleranza, c.modo);
        EXPECT_EQ(Edit.DescrizioneCompleta, c.descrizione);
        EXPECT_EQ(Imp.PassoBasePioli, c.passoBase);
        EXPECT_EQ(Imp.IconeGrandi, c.versione == 7 ? 1 : 0);
    }

    // A newer version is ignored silently: the defaults stay.
    std::vector<std::string> r = righe;
    r[0] = " 8 ";
    ScriviTutto(FileImpostazioni(), UnisciCrLf(r, 99));
    EXPECT_TRUE(LeggiIni());
    EXPECT_EQ(Imp.DiamMaxSup, 28);
    EXPECT_EQ(Imp.IconeGrandi, 0);
    EXPECT_TRUE(p_.Msg.Visti.empty());
}

// A malformed file is refused with the file and the line, and every default stays.
TEST_F(FileImpostazioniTest, FileMalformato) {
    const std::string defaultByte = ByteSalvati();
    Imp.DiamMaxSup = 30;
    Imp.ScalaUnita = 5;
    Imp.IconeGrandi = 1;
    Strati.NomiLayer[0] = "ALTRO";
    Vista.CodiceVista = 2;
    const auto righe = RigheCrLf(ByteSalvati());
    ASSERT_EQ(righe.size(), 99u);

    struct Caso {
        std::string byte;
        int riga;
    };
    std::vector<Caso> casi;
    // Cut inside every group: after each whole line, and inside the last line's values.
    for (size_t n = 0; n < 99; ++n) casi.push_back({UnisciCrLf(righe, n), static_cast<int>(n) + 1});
    casi.push_back({UnisciCrLf(righe, 85) + " 28            28", 86});
    for (auto [riga, testo] : {std::pair{92, " 4             abc           20            104          600"},
                               std::pair{94, "10.000        abc"},
                               std::pair{3, " 1.5 "},
                               std::pair{1, "sette"}}) {
        std::vector<std::string> r = righe;
        r[riga - 1] = testo;
        casi.push_back({UnisciCrLf(r, 99), riga});
    }
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.byte.size() > 60 ? c.byte.substr(c.byte.size() - 60) : c.byte);
        ScriviTutto(FileImpostazioni(), c.byte);
        p_.Msg.Visti.clear();
        Vista.CodiceVista = 2;
        EXPECT_FALSE(LeggiIni());
        ASSERT_EQ(p_.Msg.Visti.size(), 1u);
        const MessaggioVisto& m = p_.Msg.Visti[0];
        EXPECT_EQ(m.Titolo, "Attenzione!");
        EXPECT_EQ(m.Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(m.Testo.rfind("File non leggibile:\n" + FileImpostazioni() + "\n", 0), 0u) << m.Testo;
        EXPECT_NE(m.Testo.find("(riga " + std::to_string(c.riga) + ")."), std::string::npos) << m.Testo;
        EXPECT_EQ(Imp.UnitaPerCm, 1.0f);
        EXPECT_EQ(ByteSalvati(), defaultByte);
    }
}

TEST_F(FileImpostazioniTest, GuastoInScrittura) {
    Imp.DiamMaxSup = 30;
    const std::string vecchio = ByteSalvati();
    Imp.DiamMaxSup = 22;
    Strati.NomiLayer[1] = "NUOVO";
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    EXPECT_FALSE(SalvaIni());
    Piatt.GuastoScritturaProva = nullptr;
    ASSERT_EQ(p_.Msg.Visti.size(), 1u);
    EXPECT_EQ(p_.Msg.Visti[0].Testo.rfind("Impossibile scrivere il file:\n" + FileImpostazioni(), 0), 0u);
    EXPECT_EQ(LeggiTutto(FileImpostazioni()), vecchio);
    EXPECT_EQ(Imp.DiamMaxSup, 22);
    EXPECT_EQ(Strati.NomiLayer[1], "NUOVO");
    const auto resto = std::filesystem::directory_iterator(Dir.CartellaImpostazioni);
    EXPECT_EQ(std::distance(begin(resto), end(resto)), 1);  // no temporary file left
}

// After a failed load the file is read over the settings only: the open project's mesh, view
// choices and side options stay.
TEST_F(FileImpostazioniTest, SoloImpostazioni) {
    Imp.DiamMaxSup = 30;
    Vista.CodiceVista = 1;
    Vista.PiantaCorrente = 1;
    ASSERT_TRUE(SalvaIni());
    Imp.DiamMaxSup = 12;  // changed and not saved
    Imp.LungMaxFerri = 400;
    M.Progetto.MagliaUnica = -1;
    M.Progetto.PiegaAncoraggio = 1;
    Vista.LatoScelto = 1, Vista.DirezioneScelta = 1, Vista.VistaScelta = 2;
    Vista.CodiceVista = 4, Vista.PiantaCorrente = 3;
    p_.Finestra.LatiVisibili = false;
    p_.Finestra.MagliaUnicaVisibile = true;

    EXPECT_TRUE(LeggiIni(AmbitoIni::SoloImpostazioni));
    EXPECT_EQ(Imp.DiamMaxSup, 30);
    EXPECT_EQ(Imp.LungMaxFerri, 600.0f);
    EXPECT_EQ(M.Progetto.MagliaUnica, -1);
    EXPECT_EQ(M.Progetto.PiegaAncoraggio, 1);
    EXPECT_EQ(Vista.LatoScelto, 1);
    EXPECT_EQ(Vista.DirezioneScelta, 1);
    EXPECT_EQ(Vista.VistaScelta, 2);
    EXPECT_EQ(Vista.CodiceVista, 4);
    EXPECT_EQ(Vista.PiantaCorrente, 3);
    EXPECT_FALSE(p_.Finestra.LatiVisibili);
    EXPECT_TRUE(p_.Finestra.MagliaUnicaVisibile);

    // At start-up everything is reset and the view comes from the file.
    EXPECT_TRUE(LeggiIni());
    EXPECT_EQ(M.Progetto.MagliaUnica, 0);
    EXPECT_EQ(Vista.LatoScelto, 0);
    EXPECT_EQ(Vista.CodiceVista, 1);
    EXPECT_EQ(Vista.PiantaCorrente, 1);
    EXPECT_TRUE(p_.Finestra.LatiVisibili);
    EXPECT_FALSE(p_.Finestra.MagliaUnicaVisibile);
}

// A material index outside its table keeps the default material and index, and is named.
TEST_F(FileImpostazioniTest, IndiciMaterialiFuoriTabella) {
    const std::string cls = Mat.ClsCorrente.Nome, acciaio = Mat.AcciaioCorrente.Nome;
    auto righe = RigheCrLf(ByteSalvati());
    struct Caso {
        const char* riga;
        int cls, acciaio;
        const char* chiavi;
    } casi[] = {
        {" 11            -1            20            104          600", 4, 4, "IndiceCls, IndiceAcciaio"},
        {" 10            5             20            104          600", 10, 4, "IndiceAcciaio"},
        {" -1            0             20            104          600", 4, 0, "IndiceCls"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.riga);
        righe[91] = c.riga;
        ScriviTutto(FileImpostazioni(), UnisciCrLf(righe, 99));
        p_.Msg.Visti.clear();
        EXPECT_TRUE(LeggiIni());
        ASSERT_EQ(p_.Msg.Visti.size(), 1u);
        EXPECT_EQ(p_.Msg.Visti[0].Testo,
                  std::string("Impostazioni non valide, ripristinati i valori predefiniti: ") + c.chiavi + ".");
        EXPECT_EQ(Mat.IndiceCls, c.cls);
        EXPECT_EQ(Mat.IndiceAcciaio, c.acciaio);
        const std::string clsAtteso = Mat.ClsCorrente.Nome, acciaioAtteso = Mat.AcciaioCorrente.Nome;
        SettaCls(c.cls);
        SettaAcciaio(c.acciaio);
        EXPECT_EQ(clsAtteso, Mat.ClsCorrente.Nome);
        EXPECT_EQ(acciaioAtteso, Mat.AcciaioCorrente.Nome);
    }
}

namespace {
// The file's line r (1-based) with its value k (0-based) replaced by `valore`.
void Sostituisci(std::vector<std::string>& righe, int r, int k, const std::string& valore) {
    SostituisciValore(righe[static_cast<size_t>(r - 1)], k, valore);
}
}  // namespace

// A number outside its setting's range takes its default: one message names every key reset,
// in file order, and the file stays as it was until the settings are saved.
TEST_F(FileImpostazioniTest, ValoriFuoriIntervallo) {
    const std::string predefiniti = ByteSalvati();
    const auto righe = RigheCrLf(predefiniti);
    ASSERT_EQ(righe.size(), 99u);
    auto aci = [](int layer) { return 3 + 3 * layer; };
    struct Valore {
        int riga, k;
        const char* testo;
    };
    struct Caso {
        std::vector<Valore> valori;
        const char* chiavi;  // nullptr: every value is taken
    };
    const Caso casi[] = {
        {{{aci(3), 0, "-2147483648"}, {aci(5), 0, "300"}, {94, 0, "1e38"}}, "AciLayer(3), AciLayer(5), ScalaUnita"},
        {{{aci(0), 0, "256"}, {aci(24), 0, "-5"}, {aci(7) + 1, 0, "16777216"}, {aci(9) + 1, 0, "-1"}},
         "AciLayer(0), ColoriLayer(7), ColoriLayer(9), AciLayer(24)"},
        {{{77, 0, "2"}, {85, 0, "-1"}}, "OsnapQuote(0), OsnapQuote(8)"},
        {{{86, 0, "101"}, {86, 3, "0"}, {87, 1, "0"}, {87, 2, "1001"}, {88, 1, "101"}},
         "DiamMaxSup, DiamMinInf, PassoMaxInf, PassoMinSup, CoperturaMin"},
        // A minimum above its maximum, also once the maximum has taken its default: both go back.
        {{{86, 0, "101"}, {86, 2, "30"}, {87, 3, "60"}}, "DiamMaxSup, DiamMinSup, PassoMaxInf, PassoMinInf"},
        {{{89, 0, "0.001"}, {89, 1, "-50"}, {90, 0, "2147483647"}, {90, 1, "0"}, {90, 2, "0"}, {90, 3, "101"},
          {90, 4, "-12"}},
         "PassoCavalletti1Def, PassoCavalletti2Def, DiamCavallettiDef, LargStaffaCordolo, DiamReggistaffeCordolo, "
         "DiamStaffeCordolo, DiamPioli"},
        {{{91, 0, "0.5"}, {91, 1, "1e30"}, {91, 3, "-1"}, {92, 2, "-1"}, {92, 3, "1001"}, {92, 4, "0"}},
         "PassoMaxPioli, PassoStaffeCordolo, PassoMaxIntegrativa, AncoraggioMin, AncoraggioMax, LungMaxFerri"},
        {{{93, 0, "3"}, {93, 1, "2"}, {93, 2, "18"}, {93, 3, "6"}, {94, 1, "0"}},
         "DecimaliQuote, QuoteInMetri, CodiceVista, PiantaCorrente, ScalaMm"},
        {{{96, 1, "100.1"}, {96, 2, "-0.5"}, {98, 0, "2"}, {99, 0, "7"}},
         "TolleranzaPerc, TolleranzaFissa, PassoBasePioli, IconeGrandi"},
        // The ends of the ranges.
        {{{aci(1), 0, "1"}, {aci(2), 0, "255"}, {aci(3) + 1, 0, "16777215"}, {86, 0, "100"}, {87, 0, "1000"},
          {88, 1, "0"}, {89, 0, "0"}, {89, 1, "1"}, {90, 0, "0"}, {92, 4, "1"}, {93, 0, "0"}, {93, 2, "17"},
          {93, 3, "9999"}, {94, 0, "10000"}, {94, 1, "0.001"}, {96, 1, "100"}, {96, 2, "1000"}},
         nullptr},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.chiavi ? c.chiavi : "estremi");
        std::vector<std::string> r = righe;
        for (const Valore& v : c.valori) Sostituisci(r, v.riga, v.k, v.testo);
        const std::string file = UnisciCrLf(r, 99);
        ScriviTutto(FileImpostazioni(), file);
        p_.Msg.Visti.clear();
        EXPECT_TRUE(LeggiIni());
        if (!c.chiavi) {
            EXPECT_TRUE(p_.Msg.Visti.empty()) << p_.Msg.Visti[0].Testo;
            continue;
        }
        ASSERT_EQ(p_.Msg.Visti.size(), 1u);
        EXPECT_EQ(p_.Msg.Visti[0].Testo,
                  std::string("Impostazioni non valide, ripristinati i valori predefiniti: ") + c.chiavi + ".");
        EXPECT_EQ(p_.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(p_.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(Imp.UnitaPerCm, 1.0f);
        EXPECT_EQ(LeggiTutto(FileImpostazioni()), file) << "rewritten only by saving the settings";
        EXPECT_EQ(ByteSalvati(), predefiniti);
    }

    // The switches read as on whenever they are not 0 are taken as 1, and saved so.
    {
        std::vector<std::string> r = righe;
        Sostituisci(r, 88, 0, "2");   // ProgettaPasso
        Sostituisci(r, 96, 0, "-1");  // ModoTolleranza
        Sostituisci(r, 97, 0, "7");   // DescrizioneCompleta
        ScriviTutto(FileImpostazioni(), UnisciCrLf(r, 99));
        p_.Msg.Visti.clear();
        EXPECT_TRUE(LeggiIni());
        EXPECT_TRUE(p_.Msg.Visti.empty());
        EXPECT_EQ(Imp.ProgettaPasso, 1);
        EXPECT_EQ(Imp.ModoTolleranza, 1);
        EXPECT_EQ(Edit.DescrizioneCompleta, 1);
        const auto salvate = RigheCrLf(ByteSalvati());
        EXPECT_EQ(salvate[87].substr(0, 3), " 1 ");
        EXPECT_EQ(salvate[95].substr(0, 3), " 1 ");
        EXPECT_EQ(salvate[96], " 1 ");
    }

    // Over an open project the view's keys are not the file's to set, nor to report.
    std::vector<std::string> r = righe;
    Sostituisci(r, 93, 2, "18");
    Sostituisci(r, aci(3), 0, "0");  // 0 stands for 7
    ScriviTutto(FileImpostazioni(), UnisciCrLf(r, 99));
    p_.Msg.Visti.clear();
    EXPECT_TRUE(LeggiIni(AmbitoIni::SoloImpostazioni));
    EXPECT_TRUE(p_.Msg.Visti.empty());
    EXPECT_EQ(Strati.AciLayer[3], 7);
}
