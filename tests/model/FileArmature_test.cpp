#include "model/FileArmature.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <locale>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

#include "base/FileTesto.h"
#include "model/FileVerifica.h"
#include "support/Registrazioni.h"
#include "support/ValoriFile.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct SenzaPause {
    SenzaPause() { Piatt.PauseAttive = false; }
    ~SenzaPause() { Piatt.PauseAttive = true; }
};

Modello ModelloBase() {
    Modello m;
    m.Progetto.DataSoletta = "12/03/2004 10:15:30";
    m.Progetto.NumeroSoletta = 12;
    m.Progetto.OrigineX = 100;
    m.Progetto.OrigineY = 50;
    auto& f = m.Diffusa;
    f.DiamDiffSup1 = 12, f.DiamDiffInf1 = 12, f.DiamDiffSup2 = 10, f.DiamDiffInf2 = 10;
    f.PassoDiffSup1 = 20, f.PassoDiffInf1 = 20, f.PassoDiffSup2 = 25, f.PassoDiffInf2 = 25;
    f.DiamCavalletti = 12, f.PassoCavalletti1 = 50, f.PassoCavalletti2 = 50;
    m.Soletta.Contorno = {{0, 0}, {0, 300}, {500, 300}, {500, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    return m;
}

Zona ZonaProva(int tipo, int nv) {
    Zona z;
    z.Tipo = tipo;
    z.XMin = 10.5f, z.YMin = 20.25f, z.XMax = 110.125f, z.YMax = 80;
    z.Angoli = {Punto{10.5f, 80}, Punto{110.125f, 80}, Punto{110.125f, 20.25f}, Punto{10.5f, 20.25f}};
    z.XBarra1 = 1, z.YBarra1 = 2, z.XBarra2 = 3, z.YBarra2 = 4;
    z.XRif = 5, z.YRif = 6, z.Passo = 12.5f, z.XMarca = 60, z.YMarca = 50;
    z.XMin1 = 7, z.YMin1 = 8, z.XMax1 = 9, z.YMax1 = 10;
    z.XMin2 = 11, z.YMin2 = 12, z.XMax2 = 13, z.YMax2 = 14;
    z.Diametro = 16, z.Diametro2 = tipo == 2 ? 14 : 0, z.Direzione = 1;
    z.NumBracci = tipo == 2 ? 4 : 0, z.Passo2 = tipo >= 2 ? 30.25f : 0;
    z.UltVertice = nv - 1;
    z.PoligonoCordolo = tipo == 2 ? 0 : -1, z.LatoCordolo = tipo == 2 ? 2 : 0;
    z.Angolo = tipo >= 2 ? 0.7853982f : 0, z.Copriferro = tipo == 2 ? 3 : 0;
    return z;
}

// Every kind of content the file holds: zones of the four kinds (curbs along the outline and
// along an opening), sections, dimensions (one text with a sign outside ASCII) and an edited
// outline. Every real differs from the others, so a value read into a neighbour's place shows;
// some need rounding when written.
Modello ModelloCompleto() {
    Modello m = ModelloBase();
    m.Progetto.PiegaAncoraggio = 1;
    auto& f = m.Diffusa;
    f.DiamDiffSup1 = 14, f.DiamDiffInf1 = 12, f.DiamDiffSup2 = 10, f.DiamDiffInf2 = 8;
    f.PassoDiffSup1 = 17.5f, f.PassoDiffInf1 = 22.25f, f.PassoDiffSup2 = 30.125f, f.PassoDiffInf2 = 12.5f;
    f.DiamCavalletti = 16, f.PassoCavalletti1 = 45.75f, f.PassoCavalletti2 = 60.05f;

    int k = 0;
    auto reale = [&k] {
        ++k;
        return (k % 3 == 0 ? -1.0f : 1.0f) * (3.0625f + 1.4375f * static_cast<float>(k));
    };
    struct {
        int tipo, direzione, poligono, lato, bracci, vertici;
    } zone[] = {{0, 0, -1, 0, 0, 4}, {1, 1, -1, 0, 0, 5}, {2, 0, 0, 2, 4, 6},
                {2, 1, 1, 3, 2, 3}, {3, 1, -1, 0, 6, 7}};
    for (const auto& c : zone) {
        Zona z;
        z.XMin = reale(), z.YMin = reale(), z.XMax = reale(), z.YMax = reale();
        for (auto& a : z.Angoli) a.X = reale(), a.Y = reale();
        z.XBarra1 = reale(), z.YBarra1 = reale(), z.XBarra2 = reale(), z.YBarra2 = reale();
        z.XRif = reale(), z.YRif = reale(), z.Passo = std::abs(reale()), z.XMarca = reale(), z.YMarca = reale();
        z.XMin1 = reale(), z.YMin1 = reale(), z.XMax1 = reale(), z.YMax1 = reale();
        z.XMin2 = reale(), z.YMin2 = reale(), z.XMax2 = reale(), z.YMax2 = reale();
        z.Diametro = 10 + 2 * c.tipo, z.Diametro2 = c.tipo >= 2 ? 8 + c.lato : 0, z.Direzione = c.direzione;
        z.Tipo = c.tipo, z.NumBracci = c.bracci, z.Passo2 = std::abs(reale()) + 0.04f;
        z.UltVertice = c.vertici - 1;
        z.PoligonoCordolo = c.poligono, z.LatoCordolo = c.lato;
        z.Angolo = 0.3926991f * static_cast<float>(c.vertici), z.Copriferro = 2.5f + 0.25f * c.tipo;
        std::vector<Punto> contorno;
        for (int j = 0; j < c.vertici; ++j) contorno.push_back({reale(), reale()});
        m.Zone.VerticiZone[m.Zone.Zone.size()] = contorno;
        m.Zone.Zone.push_back(z);
    }
    m.Zone.UltimaZona = static_cast<int>(m.Zone.Zone.size()) - 1;

    for (int direzione : {0, 1}) {
        Sezione s;
        s.X1 = reale(), s.Y1 = reale(), s.X2 = reale(), s.Y2 = reale();
        s.X3 = reale(), s.Y3 = reale(), s.X4 = reale(), s.Y4 = reale();
        s.X5 = reale(), s.Y5 = reale(), s.X6 = reale(), s.Y6 = reale();
        s.Direzione = direzione;
        m.SezQuote.Sezioni.push_back(s);
    }
    m.SezQuote.UltimaSezione = 1;
    for (auto [pianta, testo] : {std::pair{-1, "L = 250 \xC3\x98" "12"}, std::pair{2, "a, b  c"}, std::pair{0, ""}}) {
        Quota q;
        q.X1 = reale(), q.Y1 = reale(), q.X2 = reale(), q.Y2 = reale();
        q.XP1 = reale(), q.YP1 = reale(), q.XP2 = reale(), q.YP2 = reale();
        q.Pianta = pianta, q.Testo = testo;
        m.SezQuote.Quote.push_back(q);
    }
    m.SezQuote.UltimaQuota = 2;

    m.Soletta.Contorno = {{0, 0}, {0, 300.5f}, {250.25f, 380}, {500, 300.5f}, {500, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 5;
    return m;
}

// The open slab a file is read into: same slab, nothing designed yet, its own outline and a
// stamp of the same minute as the file's.
Modello ModelloAperto() {
    Modello m = ModelloBase();
    m.Progetto.DataSoletta = "12/03/2004 10:15:42";
    m.Diffusa = {};
    return m;
}

std::string SenzaStamp(std::string file) {
    auto a = file.find("\r\n") + 2;
    return file.erase(a, file.find("\r\n", a) + 2 - a);
}

// A version-7 file as version v wrote it: the lines that version did not have are left out.
std::string ComeVersione(const std::string& file7, int v) {
    std::vector<std::string> righe;
    for (size_t a = 0, b; (b = file7.find("\r\n", a)) != std::string::npos; a = b + 2)
        righe.push_back(file7.substr(a, b - a));
    size_t i = 0;
    std::string file = " " + std::to_string(v) + " \r\n";
    auto riga = [&](bool presente) {
        if (presente) file += righe.at(i) + "\r\n";
        ++i;
    };
    auto elenco = [&] {  // a last index line
        int u = std::stoi(righe.at(i));
        riga(true);
        return u;
    };
    ++i;              // H1, the version
    riga(v >= 4);     // H2, the stamp
    riga(true);       // H3, the slab number
    riga(v >= 7);     // H4, the anchorage bend
    for (int k = 0; k < 4; ++k) riga(true);  // H5 .. H8
    for (int z = elenco(); z >= 0; --z) {
        for (int k = 0; k < 11; ++k) riga(true);  // Z1 .. Z11
        std::istringstream z12(righe.at(i));
        int tipo, bracci, ultVertice;
        float passo2;
        z12 >> tipo >> bracci >> passo2 >> ultVertice;
        riga(true);
        riga(v >= 5);  // Z13, the curb's side
        riga(v >= 6);  // Z14, angle and cover
        for (int j = 0; j <= ultVertice; ++j) riga(true);
    }
    for (int s = elenco(); s >= 0; --s)
        for (int k = 0; k < 4; ++k) riga(true);
    for (int q = elenco(); q >= 0; --q) {
        riga(true);
        riga(v >= 2);  // the measured points
        riga(true);
        riga(true);
    }
    while (i < righe.size()) riga(v >= 3);  // the outline
    return file;
}

// What reading a file of version v into `aperto` must give: the fields the version lacks keep
// the defaults, the stamp is the open slab's.
Modello Atteso(Modello m, const Modello& aperto, int v) {
    m.Progetto.DataSoletta = aperto.Progetto.DataSoletta;
    if (v < 7) m.Progetto.PiegaAncoraggio = aperto.Progetto.PiegaAncoraggio;
    for (auto& z : m.Zone.Zone) {
        if (v < 5) z.PoligonoCordolo = -1, z.LatoCordolo = 0;
        if (v < 6) z.Angolo = 0, z.Copriferro = 0;
    }
    if (v < 2)
        for (auto& q : m.SezQuote.Quote) q.XP1 = q.X1, q.YP1 = q.Y1, q.XP2 = q.X2, q.YP2 = q.Y2;
    if (v < 3) m.Soletta = aperto.Soletta;
    return m;
}

}  // namespace

TEST(FileArmature, ModelloVuotoRigaPerRiga) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    ASSERT_TRUE(ScriviArmature(dir / "SOL12.QV0", m));
    EXPECT_EQ(LeggiTutto(dir / "SOL12.QV0"),
              " 7 \r\n"
              "12/03/2004 10:15:30\r\n"
              " 12 \r\n"
              " 0 \r\n"
              "100.000       50.000\r\n"
              " 12            12            10            10 \r\n"
              "20.00         20.00         25.00         25.00\r\n"
              " 12           50.00         50.00\r\n"
              "-1 \r\n"
              "-1 \r\n"
              "-1 \r\n"
              " 4 \r\n"
              "0.0           0.0\r\n"
              "0.0           300.0\r\n"
              "500.0         300.0\r\n"
              "500.0         0.0\r\n"
              "0.0           0.0\r\n");
}

TEST(FileArmature, RigheDiUnaZonaInferiore) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    Zona z = ZonaProva(1, 4);
    z.NumBracci = 0, z.Passo2 = 0, z.PoligonoCordolo = -1, z.LatoCordolo = 0, z.Angolo = 0, z.Copriferro = 0;
    m.Zone.Zone = {z};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    ASSERT_TRUE(ScriviArmature(dir / "a.QV0", m));
    std::string t = LeggiTutto(dir / "a.QV0");
    EXPECT_NE(t.find("\r\n 1             0            0.0            3 \r\n"
                     "-1             0 \r\n"
                     "0.000000      0.00\r\n"),
              std::string::npos);
}

TEST(FileArmature, RiscritturaStessiByte) {
    PiattaformaProva p;
    CartellaTemp dir;
    const Modello m = ModelloCompleto();
    ASSERT_TRUE(ScriviArmature(dir / "s.QV0", m));
    const std::string scritto = LeggiTutto(dir / "s.QV0");

    {
        // The bytes do not depend on the locale.
        std::string salvato = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr);
        std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
        ScriviArmature(dir / "it.QV0", m);
        std::locale::global(vecchio);
        std::setlocale(LC_ALL, salvato.c_str());
    }
    EXPECT_EQ(LeggiTutto(dir / "it.QV0"), scritto);

    Modello r = ModelloAperto();
    ASSERT_EQ(LeggiArmature(dir / "s.QV0", 1, r), EsitoArmature::Letto);
    ASSERT_TRUE(ScriviArmature(dir / "r.QV0", r));
    const std::string riscritto = LeggiTutto(dir / "r.QV0");
    EXPECT_NE(riscritto, scritto) << "the stamp is the open slab's";
    EXPECT_EQ(SenzaStamp(riscritto), SenzaStamp(scritto));
    EXPECT_TRUE(p.Msg.Visti.empty());
}

// A file of an older version is read and written back as version 7: every value it holds
// comes back in the same bytes, and what it lacks takes the reader's defaults.
TEST(FileArmature, VersioniVecchieRiscritteComeVersione7) {
    CartellaTemp dir;
    const Modello m = ModelloCompleto();
    ASSERT_TRUE(ScriviArmature(dir / "7.QV0", m));
    const std::string file7 = LeggiTutto(dir / "7.QV0");
    ASSERT_EQ(ComeVersione(file7, 7), file7);
    for (int v = 1; v <= 6; ++v) {
        PiattaformaProva p;
        const std::string nome = dir / ("v" + std::to_string(v) + ".QV0");
        ScriviTutto(nome, ComeVersione(file7, v));
        Modello r = ModelloAperto();
        ASSERT_EQ(LeggiArmature(nome, 1, r), EsitoArmature::Letto) << "version " << v;
        EXPECT_TRUE(p.Msg.Visti.empty()) << "version " << v;
        ASSERT_TRUE(ScriviArmature(dir / "r.QV0", r));
        ASSERT_TRUE(ScriviArmature(dir / "atteso.QV0", Atteso(m, ModelloAperto(), v)));
        EXPECT_EQ(LeggiTutto(dir / "r.QV0"), LeggiTutto(dir / "atteso.QV0")) << "version " << v;
    }
}

TEST(FileArmature, VersioniVecchie) {
    PiattaformaProva p;
    CartellaTemp dir;
    // Version 1: no stamp, three-line dimensions, no outline section.
    ScriviTutto(dir / "v1.QV0",
                " 1 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n-1 \r\n-1 \r\n 0 \r\n"
                "1 2 3 4\r\n-1 \r\nquota\r\n");
    Modello m = ModelloBase();
    m.Progetto.PiegaAncoraggio = -1;
    ASSERT_EQ(LeggiArmature(dir / "v1.QV0", 1, m), EsitoArmature::Letto);
    EXPECT_EQ(m.Progetto.PiegaAncoraggio, -1);
    ASSERT_EQ(m.SezQuote.UltimaQuota, 0);
    EXPECT_EQ(m.SezQuote.Quote[0].XP1, 1);
    EXPECT_EQ(m.SezQuote.Quote[0].YP2, 4);
    EXPECT_EQ(m.SezQuote.Quote[0].Testo, "quota");
    EXPECT_EQ(m.Soletta.NumVertContorno, 4);
    EXPECT_EQ(m.Soletta.Contorno[2].X, 500);
    EXPECT_EQ(m.Diffusa.DiamDiffInf2, 8);

    // Version 3: no stamp and no question; curbs default to the slab outline.
    std::string v3 = " 3 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n 0 \r\n";
    v3 += "0 0 10 10\r\n0 10\r\n10 10\r\n10 0\r\n0 0\r\n0 0 0 0\r\n0 0\r\n20 5 5\r\n0 0 0 0\r\n0 0 0 0\r\n";
    v3 += " 12 0 0 \r\n 2 4 25.0 2 \r\n0 0\r\n0 10\r\n10 10\r\n-1 \r\n-1 \r\n 3 \r\n0 0\r\n0 9\r\n9 9\r\n0 0\r\n";
    ScriviTutto(dir / "v3.QV0", v3);
    Modello m3 = ModelloBase();
    ASSERT_EQ(LeggiArmature(dir / "v3.QV0", 1, m3), EsitoArmature::Letto);
    ASSERT_EQ(m3.Zone.UltimaZona, 0);
    EXPECT_EQ(m3.Zone.Zone[0].PoligonoCordolo, -1);
    EXPECT_EQ(m3.Zone.Zone[0].LatoCordolo, 0);
    EXPECT_EQ(m3.Zone.Zone[0].Angolo, 0);
    EXPECT_EQ(m3.Zone.VerticiZone[0].size(), 3u);
    EXPECT_EQ(m3.Soletta.NumVertContorno, 3);
    EXPECT_EQ(m3.Soletta.Contorno[3].Y, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, ConteggiEstremiEFileCompatti) {
    CartellaTemp dir;
    const std::string testa = " 1 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n";
    // One compact version-1 zone whose values 30 and 31 (its two diameters) are given.
    auto diametri = [](const std::string& d1, const std::string& d2) {
        std::string z = " 0 \r\n";
        for (int i = 0; i < 29; ++i) z += "0,";
        return z + d1 + "," + d2 + ",0,0,0,0,-1,-1,-1";
    };
    struct {
        std::string coda, attesa;
    } casi[] = {{"-1 \r\n 2147483647 \r\n", "Conteggio non valido (riga 8)."},
                {" 2147483647 \r\n", "Conteggio non valido (riga 7)."},
                {diametri("2147483647", "0"), "Valore fuori intervallo (riga 8)."},
                {diametri("12", "-1"), "Valore fuori intervallo (riga 8)."}};
    for (const auto& c : casi) {
        PiattaformaProva p;
        ScriviTutto(dir / "c.QV0", testa + c.coda);
        Modello m = ModelloBase();
        EXPECT_EQ(LeggiArmature(dir / "c.QV0", 0, m), EsitoArmature::Ignorato);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_NE(p.Msg.Visti[0].Testo.find(c.attesa), std::string::npos) << p.Msg.Visti[0].Testo;
    }
    // A version-1 zone holds 36 values before its outline: a compact file with one is good.
    PiattaformaProva p;
    std::string zona = " 0 \r\n";
    for (int i = 0; i < 35; ++i) zona += "0,";
    zona += "-1,-1,-1";  // UltVertice (no outline), then no sections and no dimensions: 78 bytes
    ScriviTutto(dir / "v1.QV0", testa + zona);
    Modello m = ModelloBase();
    EXPECT_EQ(LeggiArmature(dir / "v1.QV0", 0, m), EsitoArmature::Letto);
    EXPECT_EQ(m.Zone.UltimaZona, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

// A number no engineer could mean is refused at its line; the model takes nothing of the file.
TEST(FileArmature, ValoriFuoriIntervallo) {
    CartellaTemp dir;
    const Modello completo = ModelloCompleto();
    const std::string buono = TestoArmature(completo);
    struct {
        int riga, valore;
        const char* testo;
        bool letto;
    } casi[] = {
        // Chairs: a diameter as the other diameters, steps as the diffuse spacings (0 is none).
        {8, 0, "2147483647", false}, {8, 0, "101", false}, {8, 0, "-1", false}, {8, 0, "100", true},
        {8, 0, "0", true},           {8, 1, "1e-30", false}, {8, 2, "0.001", false}, {8, 1, "-50", false},
        {8, 2, "10000001", false},   {8, 1, "0", true},     {8, 2, "1", true},       {8, 1, "10000000", true},
        {7, 0, "0.5", false},        {7, 3, "-20", false},  {7, 1, "0", true},
        // Enumerations: a zone's direction (any 16-bit value, not 0 for direction 2) and kind,
        // a curb's polygon and side (indexes of 32 bits), its stirrup legs (2 or 4), a section's
        // direction.
        {20, 2, "2147483647", false}, {20, 2, "2", true},     {20, 2, "-1", true},    {20, 2, "32767", true},
        {20, 2, "-32768", true},      {20, 2, "32768", false}, {20, 2, "-32769", false}, {20, 2, "70000", false},
        {21, 0, "4", false},          {21, 0, "-1", false},    {59, 0, "-2", false},   {59, 1, "-1", false},
        {59, 1, "32768", true},       {59, 1, "2147483647", true}, {59, 0, "40000", true},
        {58, 1, "3", false},          {58, 1, "2147483647", false}, {58, 1, "0", false}, {58, 1, "-4", false},
        {58, 1, "2", true},           {109, 0, "2", true},     {109, 0, "-1", true},   {109, 0, "70000", false},
        // The bend switch: any value.
        {4, 0, "-1", true},           {4, 0, "2147483647", true},
        // Plan points within 100 km either way: a zone's box, bar, mark and outline, a section,
        // a dimension's line and measured points, the edited outline.
        {10, 0, "1e38", false},       {10, 3, "-10000001", false}, {10, 1, "-10000000", true},
        {15, 2, "3.4e38", false},     {17, 2, "1e30", false},      {24, 1, "10000001", false},
        {24, 0, "10000000", true},    {106, 3, "-1e20", false},    {115, 0, "1e38", false},
        {116, 3, "-3.4e38", false},   {128, 0, "-3.4e38", false},  {132, 1, "1e38", false},
        // Lengths within 0 .. 100 km: a zone's spacing (0 or from half a centimetre, the step of
        // the spacing proposed from a requirement), a stud zone's second spacing or a curb's
        // width, a curb's cover.
        {17, 0, "-1", false},         {17, 0, "1e38", false},      {21, 2, "-0.5", false},
        {60, 1, "-3", false},         {58, 2, "10000001", false},  {17, 0, "0", true},
        {17, 0, "0.5", true},         {17, 0, "0.49", false},      {21, 2, "0.5", true},
        {21, 2, "0.4", false},        {17, 0, "10000000", true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.riga) + "/" + std::to_string(c.valore) + " " + c.testo);
        PiattaformaProva p;
        const std::string file = ConValore(buono, c.riga, c.valore, c.testo);
        ASSERT_NE(file, buono);
        ScriviTutto(dir / "v.QV0", file);
        Modello m = ModelloAperto();
        const std::string prima = TestoArmature(m);
        const EsitoArmature esito = LeggiArmature(dir / "v.QV0", 0, m);
        if (c.letto) {
            EXPECT_EQ(esito, EsitoArmature::Letto);
            EXPECT_TRUE(p.Msg.Visti.empty());
            continue;
        }
        EXPECT_EQ(esito, EsitoArmature::Ignorato);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + (dir / "v.QV0") + "\nValore fuori intervallo (riga " +
                                            std::to_string(c.riga) + ").");
        EXPECT_EQ(TestoArmature(m), prima);
        EXPECT_EQ(LeggiTutto(dir / "v.QV0"), file);
    }
}

// What the program reads as direction 2 or as a switch turned on whenever it is not 0 comes back
// as 1, kept and written; the least spacing the design proposes comes back as itself.
TEST(FileArmature, DirezioniEPiegaLetteComeUno) {
    PiattaformaProva p;
    CartellaTemp dir;
    const std::string buono = TestoArmature(ModelloCompleto());
    std::string file = ConValore(buono, 20, 2, "2");  // zone 0's direction
    file = ConValore(file, 109, 0, "-7");             // the first section's
    file = ConValore(file, 4, 0, "-1");               // the bend switch
    file = ConValore(file, 17, 0, "0.5");             // zone 0's spacing
    ScriviTutto(dir / "v.QV0", file);
    Modello m = ModelloAperto();
    ASSERT_EQ(LeggiArmature(dir / "v.QV0", 0, m), EsitoArmature::Letto);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(m.Zone.Zone[0].Direzione, 1);
    EXPECT_EQ(m.SezQuote.Sezioni[0].Direzione, 1);
    EXPECT_EQ(m.Progetto.PiegaAncoraggio, 1);
    EXPECT_EQ(m.Zone.Zone[0].Passo, 0.5f);
    auto riga = [](const std::string& t, int r) {
        size_t a = 0;
        for (int i = 1; i < r; ++i) a = t.find("\r\n", a) + 2;
        return t.substr(a, t.find("\r\n", a) - a);
    };
    const std::string scritto = TestoArmature(m);
    EXPECT_EQ(riga(scritto, 4), " 1 ");
    EXPECT_EQ(riga(scritto, 20), riga(ConValore(buono, 20, 2, "1"), 20));
    EXPECT_EQ(riga(scritto, 109), " 1 ");
    EXPECT_EQ(riga(scritto, 17).substr(0, 5), "0.500");
}

TEST(ConfrontaData, Tabella) {
    struct {
        std::string stamp, data;
        bool atteso;
    } casi[] = {
        {"12.03.2004 10.15.30", "12/03/2004 11:15:59", true},
        {"12/03/2004 12:15:00", "12/03/2004 10:15:00", false},
        {"12/03/2004 10:16:00", "12/03/2004 10:15:00", false},
        {"13/03/2004 10:15:00", "12/03/2004 10:15:00", false},
        {"12/03/2004 09:15:10", "12/03/2004 10:15:00", true},
        {"", "12/03/2004 10:15:00", false},
        {"non una data", "12/03/2004 10:15:00", false},
    };
    for (auto c : casi) EXPECT_EQ(ConfrontaData(c.stamp, c.data), c.atteso) << c.stamp;
}

TEST(FileArmature, DomandaSullaSolettaCambiata) {
    CartellaTemp dir;
    Modello m = ModelloBase();
    m.Zone.Zone = {ZonaProva(0, 4)};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    m.Progetto.DataSoletta = "garbage";
    ASSERT_TRUE(ScriviArmature(dir / "s.QV0", m));
    for (auto [risposta, zone] : {std::pair{RispostaMsg::No, -1}, std::pair{RispostaMsg::Si, 0}}) {
        PiattaformaProva p;
        p.Msg.Risposte.push_back(risposta);
        Modello r = ModelloBase();
        LeggiArmature(dir / "s.QV0", 1, r);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File " + (dir / "s.QV0") +
                                            "\nE' stata rilevata la presenza di una precedente armatura.\n"
                                            "L'armatura potrebbe non essere compatibile con l'attuale soletta.\n"
                                            "Vuoi conservarla?");
        EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
        EXPECT_EQ(r.Zone.UltimaZona, zone);
    }
    // Flag 0: no question.
    PiattaformaProva p;
    Modello r = ModelloBase();
    EXPECT_EQ(LeggiArmature(dir / "s.QV0", 0, r), EsitoArmature::Letto);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, FileNonLettiSegnalatiENonSovrascrittiSenzaChiedere) {
    SenzaPause np;
    CartellaTemp dir;
    std::string buono;
    {
        PiattaformaProva p;
        Modello m = ModelloBase();
        ScriviArmature(dir / "b.QV0", m);
        buono = LeggiTutto(dir / "b.QV0");
    }
    std::string altraSoletta = buono;
    altraSoletta.replace(altraSoletta.find(" 12 \r\n"), 6, " 13 \r\n");
    std::string troppeZone = buono.substr(0, buono.find("-1 \r\n")) + " 601 \r\n";
    auto diametri = [&](const std::string& riga) {
        std::string s = buono;
        const std::string vecchia = " 12            12            10            10 \r\n";
        s.replace(s.find(vecchia), vecchia.size(), riga + "\r\n");
        return s;
    };
    // The outline replaces the slab's: one of fewer than three vertices is no outline.
    auto contorno = [&](const std::string& righe) { return buono.substr(0, buono.find(" 4 \r\n")) + righe; };
    struct {
        std::string byte, messaggio;
    } casi[] = {
        {" 8 \r\nqualsiasi\r\n", "\xC3\xA8 di una versione pi\xC3\xB9 recente e non \xC3\xA8 stato letto."},
        {altraSoletta, "appartiene alla soletta 13 e non \xC3\xA8 stato letto."},
        {buono.substr(0, buono.size() / 2), "Fine del file inattesa"},
        {troppeZone, "Conteggio non valido"},
        {diametri(" 12 2147483647 10 10 "), "Valore fuori intervallo (riga 6)."},
        {diametri(" 12 12 10 -1 "), "Valore fuori intervallo (riga 6)."},
        {contorno(" 2 \r\n0.0 0.0\r\n0.0 300.0\r\n0.0 0.0\r\n"), "Conteggio non valido (riga 12)."},
        {contorno(" 0 \r\n0.0 0.0\r\n"), "Conteggio non valido (riga 12)."},
    };
    for (const auto& c : casi) {
        std::string slab = dir / "Sol12.QVR";
        ScriviTutto(slab, "x");
        ScriviTutto(dir / "Sol12.QV0", c.byte);
        Modello m = ModelloBase();
        m.Progetto.CartellaLavoro = dir.Percorso();
        {
            PiattaformaProva p;
            CaricaArmature(slab, 1, m);
            ASSERT_EQ(p.Msg.Visti.size(), 1u) << c.messaggio;
            EXPECT_NE(p.Msg.Visti[0].Testo.find(c.messaggio), std::string::npos) << p.Msg.Visti[0].Testo;
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(m.Zone.UltimaZona, -1);
            EXPECT_EQ(m.Diffusa.DiamDiffInf2, 10);
            EXPECT_EQ(m.Soletta.NumVertContorno, 4);
            EXPECT_EQ(m.Soletta.Contorno[2].X, 500);
        }
        {
            PiattaformaProva p;
            p.Msg.Risposte.push_back(RispostaMsg::No);
            EXPECT_FALSE(SalvaArmature(slab, m));
            EXPECT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_NE(p.Msg.Visti[0].Testo.find("non \xC3\xA8 stato letto all'apertura della soletta.\nVuoi sostituirlo?"),
                      std::string::npos);
            EXPECT_EQ(LeggiTutto(dir / "Sol12.QV0"), c.byte);
            EXPECT_FALSE(std::filesystem::exists(dir / "set0012.SET"));
        }
        {
            PiattaformaProva p;
            p.Msg.Risposte.push_back(RispostaMsg::Si);
            EXPECT_TRUE(SalvaArmature(slab, m));
            EXPECT_NE(LeggiTutto(dir / "Sol12.QV0"), c.byte);
            EXPECT_TRUE(std::filesystem::exists(dir / "set0012.SET"));
            std::filesystem::remove(dir / "set0012.SET");
        }
    }
}

// A slab without outline writes none in its file, and reads it back.
TEST(FileArmature, ContornoVuotoDiUnaSolettaSenzaContorno) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    m.Soletta.Contorno = {{0, 0}};
    m.Soletta.NumVertContorno = 0;
    ASSERT_TRUE(ScriviArmature(dir / "s.QV0", m));
    EXPECT_EQ(LeggiArmature(dir / "s.QV0", 0, m), EsitoArmature::Letto);
    EXPECT_EQ(m.Soletta.NumVertContorno, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, NomeDelFile) {
    EXPECT_EQ(NomeFileArmature("/d/a.QVR.d/Sol12.QVR"), "/d/a.QVR.d/Sol12.QV0");
    EXPECT_EQ(NomeFileArmature("/d/Sol12.qvr"), "/d/Sol12.QV0");
    EXPECT_EQ(NomeFileArmature("/d/Sol12"), "/d/Sol12.QV0");
    CartellaTemp dir;
    ScriviTutto(dir / "SOL12.qv0", "x");
    EXPECT_EQ(TrovaFileArmature(dir / "Sol12.qvr"), dir / "SOL12.qv0");
    EXPECT_EQ(TrovaFileArmature(dir / "Altro.QVR"), dir / "Altro.QV0");
}

TEST(FileArmature, FileInAltreMaiuscoleLettoERiscritto) {
    SenzaPause np;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    m.Progetto.CartellaLavoro = dir.Percorso();
    m.Zone.Zone = {ZonaProva(0, 4)};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    ASSERT_TRUE(ScriviArmature(dir / "SOL12.qv0", m));
    ScriviTutto(dir / "Sol12.qvr", "x");
    Modello r = ModelloBase();
    r.Progetto.CartellaLavoro = dir.Percorso();
    CaricaArmature(dir / "Sol12.qvr", 0, r);
    ASSERT_EQ(r.Zone.UltimaZona, 0);
    r.Zone.UltimaZona = -1;
    ASSERT_TRUE(SalvaArmature(dir / "Sol12.qvr", r));
    EXPECT_FALSE(std::filesystem::exists(dir / "Sol12.QV0"));
    Modello q = ModelloBase();
    ASSERT_EQ(LeggiArmature(dir / "SOL12.qv0", 0, q), EsitoArmature::Letto);
    EXPECT_EQ(q.Zone.UltimaZona, -1) << "saved back into the file found";
}

namespace {
// Every file in a folder with its bytes.
std::map<std::string, std::string> FileDellaCartella(const std::string& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(cartella))
        r[e.path().string()] = LeggiTutto(e.path().string());
    return r;
}
}  // namespace

TEST(FileArmature, GuastoDiScritturaNonToccaIVecchiFile) {
    // Either write failing leaves the old pair as it was: never a new reinforcement file
    // beside an old verification file.
    for (const std::string guasto : {".QV0", ".SET"}) {
        SCOPED_TRACE(guasto);
        SenzaPause np;
        PiattaformaProva p;
        CartellaTemp dir;
        std::string slab = dir / "S.QVR";
        ScriviTutto(slab, "x");
        ScriviTutto(dir / "S.QV0", "vecchio");
        ScriviTutto(dir / "set0012.SET", "vecchia verifica");
        const auto prima = FileDellaCartella(dir.Percorso());
        Modello m = ModelloBase();
        m.Progetto.CartellaLavoro = dir.Percorso();
        Piatt.GuastoScritturaProva = [&](const std::string& f) { return f.ends_with(guasto); };
        bool ok = SalvaArmature(slab, m);
        Piatt.GuastoScritturaProva = nullptr;
        EXPECT_FALSE(ok);
        EXPECT_EQ(FileDellaCartella(dir.Percorso()), prima) << "old files kept, no temporary file left";
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        const std::string fallito = guasto == ".QV0" ? dir / "S.QV0" : dir / "set0012.SET";
        EXPECT_EQ(p.Msg.Visti[0].Testo,
                  "Impossibile scrivere il file:\n" + fallito + "\nIl file esistente non \xC3\xA8 stato modificato.");

        ASSERT_TRUE(SalvaArmature(slab, m));
        EXPECT_EQ(LeggiTutto(dir / "S.QV0"), TestoArmature(m));
        EXPECT_EQ(LeggiTutto(dir / "set0012.SET"), TestoVerifica(m));
        EXPECT_EQ(FileDellaCartella(dir.Percorso()).size(), 3u);
    }
}

TEST(FileVerifica, NomeERighe) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m;
    m.Progetto.CartellaLavoro = dir.Percorso();
    EXPECT_EQ(NomeFileVerifica(7, m), dir / "set0007.SET");
    EXPECT_EQ(NomeFileVerifica(1234, m), dir / "set1234.SET");
    Nodo n;
    n.Numero = 5, n.X = 100.5f, n.Y = 33.25f;
    float a12 = 5.654867f, a10 = 3.141593f;
    n.ResInf1 = -a12, n.ResInf2 = -a10, n.ResSup1 = -a12, n.ResSup2 = -a10;
    m.Analisi.Nodi = {n};
    m.Analisi.NumNodi = 1;
    ASSERT_TRUE(SalvaSet(7, m));
    EXPECT_EQ(LeggiTutto(dir / "set0007.SET"),
              "VERSIONE 1\r\nMERANTO\r\n0             1            /<file solette ca>\r\nVERIFICA\r\n 1 \r\n"
              " 4            100.500000    33.250000     5.654867      3.141593      5.654867      3.141593      "
              "/<ret_armature>\r\n");
    m.Progetto.MagliaUnica = -1;
    ASSERT_TRUE(SalvaSet(7, m));
    EXPECT_NE(LeggiTutto(dir / "set0007.SET").find("3.141593      0.000         0.000         /<ret"), std::string::npos);
    for (int n : {10000, -1}) {
        PiattaformaProva q;
        EXPECT_FALSE(SalvaSet(n, m));
        ASSERT_EQ(q.Msg.Visti.size(), 1u);
        EXPECT_EQ(q.Msg.Visti[0].Testo, "Numero di soletta non valido: il file di verifica non \xC3\xA8 stato scritto.");
    }
}
