#include <gtest/gtest.h>

#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <locale>

#include "design/BarreZone.h"
#include "design/SoletteBarre.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"
#include "report/SolettaComputo.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string IntestDiffusa =
    "\\intbl\\nowidctlpar  Lato\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot.(cm)\\cell  Peso (kg)\\cell\\row ";
const std::string IntestDiffusaUnica =
    "\\intbl\\nowidctlpar  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row ";
const std::string IntestIntegr =
    "\\intbl\\nowidctlpar  Pos.\\cell  Lato\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row ";
const std::string IntestIntegrUnica =
    "\\intbl\\nowidctlpar  Pos.\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row ";

std::string Celle(std::initializer_list<int> bordi) {
    std::string s = "\\fs18 " + InizioRiga();
    for (int b : bordi) s += BordoCella(b);
    return s;
}

std::string Testo(const Modello& m) {
    StatoRelazione r;
    ScriviComputo(r, m);
    return r.TestoRtf;
}

}  // namespace

TEST(ComputoSoletta, EsempioCompleto) {
    const Modello m = SolettaSette();
    StatoRelazione r;
    r.TestoRtf = "prima";
    r.PesoSoletta = 77;
    r.PesoTotale = 100;
    r.VolumeTotale = 2;
    ScriviComputo(r, m);
    const std::string& t = r.TestoRtf;
    ContieneInOrdine(t, {
        "prima" + TestoNero("Soletta in c.a. n. 7", 24, 0, 1) + "\\par " + TestoNero("Armatura diffusa:", 20, 0, 0) +
            "\\par " + Celle({1050, 2100, 3400, 4700, 6000, 7300}) + IntestDiffusa,
        "\\intbl  sup.\\cell  1\\cell  " + D(12) + "\\cell  20.0\\cell  31500.0\\cell  279.7\\cell\\row ",
        "\\intbl  sup.\\cell  2\\cell  " + D(12) + "\\cell  20.0\\cell  30300.0\\cell  269.0\\cell\\row ",
        "\\intbl  inf.\\cell  1\\cell  " + D(14) + "\\cell  20.0\\cell  31500.0\\cell  380.7\\cell\\row ",
        "\\intbl  inf.\\cell  2\\cell  " + D(12) + "\\cell  20.0\\cell  30300.0\\cell  269.0\\cell\\row \\pard\\fs20 ",
        "\\par Armatura integrativa:\\par " + Celle({700, 1400, 2100, 3400, 4700, 6000, 7300}) + IntestIntegr,
        "\\intbl  2\\cell  sup.\\cell   1\\cell  " + D(16) + "\\cell  20\\cell  4800.0\\cell  75.8\\cell\\row ",
        "\\intbl  4\\cell  sup.\\cell   2\\cell  " + D(12) + "\\cell  25\\cell  2000.0\\cell  17.8\\cell\\row ",
        "\\intbl  1\\cell  inf.\\cell   2\\cell  " + D(14) + "\\cell  22.5\\cell  3600.0\\cell  43.5\\cell\\row \\pard\\fs20 ",
        "\\par Cordoli, ferri correnti:\\par ",
        "\\intbl  3\\cell  2+2\\cell  " + D(14) + "\\cell  500.0\\cell  2000.0\\cell  24.2\\cell\\row \\pard\\fs20 ",
        "\\par Cordoli, staffe:\\par ",
        "\\intbl  3\\cell  25\\cell  St. " + D(8) + "\\cell  108.0\\cell  2700.0\\cell  10.7\\cell\\row \\pard\\fs20 ",
        "\\par Distanziatori " + std::string(SegnoDiametro) +
            "12, L = 98.0 cm\\par 1/50 dir.1,  1/50 dir.2\\par Superficie soletta = 58.0 mq\\par Peso totale "
            "distanziatori = 201.9 kg\\par ",
        "\\par Peso totale dei ferri = 1572.0 kg\\par Volume calcestruzzo = 14.5 mc\\par Incidenza = 108.4 kg/mc\\par ",
    });
    EXPECT_TRUE(t.ends_with("Incidenza = 108.4 kg/mc\\par "));
    // No stud or punching schedule without stud zones and punching records.
    EXPECT_EQ(t.find("Armatura a taglio"), std::string::npos);
    EXPECT_EQ(t.find("Armatura a punzonamento"), std::string::npos);
    // Every row, header and data, closes its last cell.
    EXPECT_EQ(Occorrenze(t, "\\row "), Occorrenze(t, "\\cell\\row "));
    EXPECT_EQ(Occorrenze(t, "\\row "), 5 + 4 + 2 + 2);

    EXPECT_NEAR(r.PesoSoletta, 1572.0f, 0.05f);
    EXPECT_FLOAT_EQ(r.PesoTotale, 100 + r.PesoSoletta);
    EXPECT_FLOAT_EQ(r.VolumeTotale, 2 + 14.5f);

    const ComputoSoletta c = CalcolaComputo(m);
    EXPECT_FLOAT_EQ(c.Superficie, 58);
    EXPECT_FLOAT_EQ(c.Volume, 14.5f);
    EXPECT_EQ(c.Cavalletti.Lunghezza, 98);
    EXPECT_EQ(c.PesoSoletta, r.PesoSoletta);
    EXPECT_NEAR(c.Incidenza, c.PesoSoletta / 14.5f, 1e-4);
    ASSERT_EQ(c.Integrative.size(), 3u);
    EXPECT_EQ(c.Integrative[0].Zona, 1);
    EXPECT_EQ(c.Integrative[1].Zona, 3);
    EXPECT_EQ(c.Integrative[2].Zona, 0);
}

// What each kind of slab lists: the tables present, their rows and the chairs.
TEST(ComputoSoletta, TabellePerGenereDiSoletta) {
    struct Caso {
        const char* nome;
        std::function<void(Modello&)> prepara;
        std::vector<std::string> inOrdine;
        std::vector<std::string> assenti;
    };
    const auto senzaZone = [](Modello& m) {
        m.Zone.UltimaZona = -1;
        m.Zone.Zone.clear();
    };
    const Caso casi[] = {
        {"senza zone: diffusa, poi subito distanziatori e totali", senzaZone,
         {IntestDiffusa, "\\pard\\fs20 \\par Distanziatori "},
         {"Armatura integrativa", "Cordoli", "Armatura a taglio", "Armatura a punzonamento"}},
        {"maglia unica: righe 1 e 2 degli strati inferiori, niente distanziatori",
         [&](Modello& m) {
             senzaZone(m);
             m.Progetto.MagliaUnica = -1;
         },
         {Celle({1400, 2700, 4000, 5300, 6600}) + IntestDiffusaUnica,
          "\\intbl  1\\cell  " + D(14) + "\\cell  20.0\\cell  31500.0\\cell  380.7\\cell\\row ",
          "\\intbl  2\\cell  " + D(12) + "\\cell  20.0\\cell  30300.0\\cell  269.0\\cell\\row \\pard\\fs20 ",
          "\\par Peso totale dei ferri = 649.7 kg\\par "},
         {"sup.", "Distanziatori", "Superficie soletta"}},
        {"maglia unica: una zona superiore dà intestazione senza righe",
         [&](Modello& m) {
             senzaZone(m);
             m.Progetto.MagliaUnica = -1;
             AggiungiZonaComputo(m, ZonaFerri(0, 0, 16, 20, 4800), Rettangolo(0, 0, 100, 100));
         },
         {"\\par Armatura integrativa:\\par " + Celle({700, 1400, 2700, 4000, 5300, 6600}) + IntestIntegrUnica +
          "\\pard\\fs20 "},
         {"\\intbl  1\\cell   "}},
        {"maglia unica: passo con un decimale",
         [&](Modello& m) {
             senzaZone(m);
             m.Progetto.MagliaUnica = -1;
             AggiungiZonaComputo(m, ZonaFerri(0, 0, 16, 20, 4800), Rettangolo(0, 0, 100, 100));
             AggiungiZonaComputo(m, ZonaFerri(1, 1, 14, 20, 3600), Rettangolo(0, 0, 100, 100));
             AggiungiZonaComputo(m, ZonaFerri(1, 0, 14, 22.5f, 3600), Rettangolo(0, 0, 100, 100));
         },
         {IntestIntegrUnica, "\\intbl  2\\cell   2\\cell  " + D(14) + "\\cell  20.0\\cell  3600.0\\cell  43.5\\cell\\row ",
          "\\intbl  3\\cell   1\\cell  " + D(14) + "\\cell  22.5\\cell  3600.0\\cell  43.5\\cell\\row \\pard\\fs20 "},
         {"\\intbl  1\\cell   "}},
        {"due maglie: zone superiori prima, in ordine di zona",
         [&](Modello& m) {
             senzaZone(m);
             const Zona zone[6] = {ZonaFerri(0, 0, 12, 20, 1000), ZonaFerri(2, 0, 0, 0, 0), ZonaFerri(2, 0, 0, 0, 0),
                                   ZonaFerri(1, 0, 12, 20, 1000), ZonaFerri(2, 0, 0, 0, 0), ZonaFerri(0, 1, 12, 22.5f, 1000)};
             for (const Zona& z : zone) AggiungiZonaComputo(m, z, StrisciaCordolo(100));
         },
         {IntestIntegr, "\\intbl  1\\cell  sup.\\cell   1\\cell  " + D(12) + "\\cell  20\\cell ",
          "\\intbl  6\\cell  sup.\\cell   2\\cell  " + D(12) + "\\cell  22.5\\cell ",
          "\\intbl  4\\cell  inf.\\cell   1\\cell  " + D(12) + "\\cell  20\\cell ", "\\pard\\fs20 \\par Cordoli"},
         {}},
        {"distanziatori di 8 mm: piede 16, testa 12",
         [&](Modello& m) {
             senzaZone(m);
             m.Diffusa.DiamCavalletti = 8;
         },
         // 2 x 16 + 12 + 2 x 16
         {"\\par Distanziatori " + std::string(SegnoDiametro) + "8, L = 76.0 cm\\par "},
         {}},
        {"distanziatori di 6 mm: piede e testa minimi",
         [&](Modello& m) {
             senzaZone(m);
             m.Diffusa.DiamCavalletti = 6;
             m.Diffusa.PassoCavalletti2 = 62.5f;
         },
         // 2 x 15 + 10 + 2 x 16
         {"\\par Distanziatori " + std::string(SegnoDiametro) + "6, L = 72.0 cm\\par 1/50 dir.1,  1/62.5 dir.2\\par "},
         {}},
        {"senza distanziatori", [&](Modello& m) { m.Diffusa.DiamCavalletti = 0; }, {"Peso totale dei ferri"},
         {"Distanziatori", "Superficie soletta"}},
        {"passo dei distanziatori nullo", [&](Modello& m) { m.Diffusa.PassoCavalletti1 = 0; },
         {"Peso totale dei ferri"}, {"Distanziatori"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = SolettaSette();
        c.prepara(m);
        const std::string t = Testo(m);
        ContieneInOrdine(t, c.inOrdine);
        for (const std::string& a : c.assenti) EXPECT_EQ(t.find(a), std::string::npos) << a;
        EXPECT_EQ(Occorrenze(t, "\\row "), Occorrenze(t, "\\cell\\row "));
    }
}

// A slab without a volume has no incidence; no figure reads "inf" or "nan".
TEST(ComputoSoletta, VolumeNulloSenzaIncidenza) {
    struct Caso {
        const char* nome;
        float spessore, copriferro;
        const char* volume;
    };
    const Caso casi[] = {
        {"spessore nullo", 0, 3, "Volume calcestruzzo = 0.0 mc\\par "},
        {"spessore negativo", -10, 3, "Volume calcestruzzo = -5.8 mc\\par "},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = SolettaSette();
        m.Progetto.Spessore = c.spessore;
        m.Progetto.Copriferro = c.copriferro;
        StatoRelazione r;
        ScriviComputo(r, m);
        EXPECT_TRUE(r.TestoRtf.ends_with(c.volume)) << r.TestoRtf.substr(r.TestoRtf.size() - 80);
        EXPECT_EQ(r.TestoRtf.find("Incidenza"), std::string::npos);
        EXPECT_EQ(r.TestoRtf.find("inf "), std::string::npos);
        EXPECT_EQ(r.TestoRtf.find("nan"), std::string::npos);
        // Heights inside a slab thinner than its covers count as 0: chairs of feet and top only,
        // stirrups of width and hooks only, and no weight below 0.
        EXPECT_NE(r.TestoRtf.find(", L = 66.0 cm\\par "), std::string::npos);
        EXPECT_NE(r.TestoRtf.find("St. " + D(8) + "\\cell  76.0\\cell "), std::string::npos);
        EXPECT_GT(r.PesoSoletta, 0);
    }
    // No outline at all.
    Modello m;
    const std::string t = Testo(m);
    EXPECT_NE(t.find("Peso totale dei ferri = 0.0 kg\\par Volume calcestruzzo = 0.0 mc\\par "), std::string::npos);
    EXPECT_EQ(t.find("Incidenza"), std::string::npos);
}

TEST(ComputoSoletta, UgualeSottoLocaleItaliano) {
    Modello m = SolettaSette();
    const std::string atteso = Testo(m);
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    const std::string visto = Testo(m);
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    EXPECT_EQ(visto, atteso);
}

// The report lays the bars out again on the model it is handed, and only there.
TEST(ComputoSoletta, CopuRTFSulModelloRicevuto) {
    AmbienteBarre amb;
    Modello vecchio = M;
    M = SolettaProva(SolettaL, {}, 12, 25);
    AggiungiZona(M, Rettangolo(100, 100, 200, 100), 0, 0, 14, 20);
    const std::string prima = dump::StampaModello(M);

    Modello altro = SolettaProva(Rettangolo400x300, {}, 10, 20);
    altro.Progetto.NumeroSoletta = 3;
    altro.Diffusa.DiamCavalletti = 12;
    altro.Diffusa.PassoCavalletti1 = altro.Diffusa.PassoCavalletti2 = 50;
    AggiungiZona(altro, Rettangolo(50, 50, 100, 100), 1, 1, 16, 20);
    altro.Diffusa.LungDiffSup1 = 1;  // stale: the layout renews it
    altro.Zone.Zone[0].LungTotale = 1;
    Modello atteso = altro;
    CalcolaArmature(atteso);

    StatoRelazione r;
    CopuRTF(r, altro);
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(dump::StampaModello(altro), dump::StampaModello(atteso));
    EXPECT_GT(altro.Diffusa.LungDiffSup1, 1000);
    StatoRelazione r2;
    ScriviComputo(r2, atteso);
    EXPECT_EQ(r.TestoRtf, r2.TestoRtf);
    EXPECT_NE(r.TestoRtf.find("Soletta in c.a. n. 3"), std::string::npos);
    EXPECT_NE(r.TestoRtf.find("\\intbl  1\\cell  inf.\\cell   2\\cell  " + D(16) + "\\cell  20\\cell  " +
                              FormatNum(altro.Zone.Zone[0].LungTotale, 1)),
              std::string::npos);
    M = vecchio;
}

// LibreOffice opens a whole report with every table, every row and every column.
TEST(ComputoSoletta, LibreOfficeLeggeOgniTabella) {
    if (!std::filesystem::exists("/usr/bin/python3")) GTEST_SKIP() << "manca /usr/bin/python3";
    Modello m = SolettaSette();
    Zona pioli;
    pioli.Tipo = 3;
    pioli.Diametro = 12;
    pioli.Passo = 20;
    pioli.Passo2 = 25;
    AggiungiZonaComputo(m, pioli, Rettangolo(100, 100, 200, 100));
    m.Soletta.Pilastri.resize(1);
    m.Soletta.Pilastri[0].Numero = 3;
    m.Soletta.NumPilastri = 1;
    Punzonamento p;
    p.StatoPunz = 2;
    p.IndicePilastro = 0;
    p.NumListelli = 8;
    p.PioliListello = 3;
    p.AreaPiolo = 1.13f;
    m.Analisi.Punzonamenti = {p};
    m.Analisi.NumPunzonamenti = 1;
    StatoRelazione r;
    r.TestoRtf = InizioRTF() + TabCentro(2.0f);
    for (float t : {5.0f, 7.5f, 10.5f, 13.0f, 15.0f, 17.0f}) r.TestoRtf += TabDestra(t);
    ScriviComputo(r, m);
    r.TestoRtf += FineRTF();

    const std::string d = std::string(SegnoDiametro) + " ";
    const std::string celle =
        "Lato\tDir.\tDiam.(mm)\tPasso (cm)\tL.tot.(cm)\tPeso (kg)\n"
        "sup.\t1\t" + d + "12\t20.0\t31500.0\t279.7\nsup.\t2\t" + d + "12\t20.0\t30300.0\t269.0\n"
        "inf.\t1\t" + d + "14\t20.0\t31500.0\t380.7\ninf.\t2\t" + d + "12\t20.0\t30300.0\t269.0\n\n"
        "Pos.\tLato\tDir.\tDiam.(mm)\tPasso (cm)\tL.tot. (cm)\tPeso (kg)\n"
        "2\tsup.\t1\t" + d + "16\t20\t4800.0\t75.8\n4\tsup.\t2\t" + d + "12\t25\t2000.0\t17.8\n"
        "1\tinf.\t2\t" + d + "14\t22.5\t3600.0\t43.5\n\n"
        "Pos.\tNum.\tDiam.(mm)\tLungh.(cm)\tL.tot. (cm)\tPeso (kg)\n3\t2+2\t" + d + "14\t500.0\t2000.0\t24.2\n\n"
        "Pos.\tNum.\tDiam.(mm)\tLungh.St (cm)\tL.tot. (cm)\tPeso (kg)\n3\t25\tSt. " + d + "8\t108.0\t2700.0\t10.7\n\n"
        "Pos.\tNum.pioli\tDiam.(mm)\tPasso (cm)\tPeso (kg)\n5\t55\t" + d + "12\t20 x 25\t9.3\n\n"
        "Pilastro\tNum.listelli\tPioli x listello\tDiam.(mm)\tPeso (kg)\nP3\t8\t3\t" + d + "12\t4.0\n";
    CartellaTemp t;
    ScriviTutto(t / "computo.rtf", ByteRTF(r.TestoRtf));
    ScriviTutto(t / "celle.tsv", celle);
    const std::string script = (std::filesystem::path(__FILE__).parent_path() / "computo_libreoffice.py").string();
    const std::string comando =
        "/usr/bin/python3 '" + script + "' '" + t.Percorso() + "' > '" + (t / "uscita.txt") + "' 2>&1";
    const int stato = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(stato)) << comando;
    const int uscita = WEXITSTATUS(stato);
    if (uscita == 77) GTEST_SKIP() << LeggiTutto(t / "uscita.txt");
    EXPECT_EQ(uscita, 0) << LeggiTutto(t / "uscita.txt");
}
