#include "app/CaricaSoletta.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Geometria.h"
#include "model/FileArmature.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";
const std::string Dati = VILMOR_DATI_PROVA;

void Copia(const std::string& da, const std::string& a) { fs::copy_file(da, a, fs::copy_options::overwrite_existing); }

// A small slab with inline results: a 1000 x 1000 outline and one node per requirement set
// (upper 1, upper 2, lower 1, lower 2). Diffuse mesh: upper Ø12/20 both ways, lower Ø12/25
// both ways.
std::string SolettaInline(const std::vector<std::array<float, 4>>& richieste) {
    std::string s = "4\r\n5\r\n1\r\n0,0\r\n0\r\n0\r\n0\r\n3\r\n20\r\n12\r\n20\r\n12\r\n25\r\n12\r\n25\r\n12\r\n14\r\n0\r\n90\r\n";
    s += std::to_string(richieste.size()) + "\r\n";
    int k = 0;
    for (const auto& r : richieste) {
        char riga[200];
        std::snprintf(riga, sizeof riga, "%d,%d,%d\r\n%.9g,%.9g,%.9g,%.9g\r\n0,0\r\n0,0,0,0\r\n0\r\n", k + 1, 50 + 10 * k, 50,
                      r[0], r[1], r[2], r[3]);
        s += riga;
        ++k;
    }
    s += "0\r\n4\r\n0,0\r\n0,1000\r\n1000,1000\r\n1000,0\r\n-1\r\n-1\r\n-1\r\n-1\r\n-1\r\n25\r\n\"X.DAT\"\r\n";
    return s;
}

struct CaricoProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    void SetUp() override {
        M = Modello{};
        Piatt.PauseAttive = false;
    }
    std::string CopiaCampione(const std::string& sotto = "A") {
        fs::create_directories(dir / sotto);
        Copia(Campione + "/SOL1.QVR", dir / (sotto + "/SOL1.QVR"));
        Copia(Campione + "/ARCHIMPA.AI0", dir / (sotto + "/ARCHIMPA.AI0"));
        return dir / (sotto + "/SOL1.QVR");
    }
};

}  // namespace

TEST_F(CaricoProva, CampioneComeUnUtenteNuovo) {
    std::string a = CopiaCampione();
    ASSERT_EQ(CaricaSolettaProgetto(a), 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "A");
    EXPECT_EQ(M.Soletta.NumVertContorno, 6);
    EXPECT_EQ(M.Soletta.LimitiContorno, (std::array<float, 4>{0, 0, 1200, 900}));
    EXPECT_EQ(M.Analisi.NumNodi, 157);
    EXPECT_EQ(M.Soletta.NumPilastri, 7);
    EXPECT_FALSE(M.Contorni.ContornoArmatura.empty());
    EXPECT_EQ(M.Diffusa.DiamCavalletti, 12);
    EXPECT_TRUE(p.Finestra.LatiVisibili);
    EXPECT_FALSE(p.Finestra.MagliaUnicaVisibile);
    // Residuals of node 0: requirement less the diffuse mesh (Ø10/20, Ø10/25, Ø12/25, Ø10/20)
    // and less the default chairs Ø12/50/50.
    const Nodo& n = M.Analisi.Nodi[0];
    EXPECT_NEAR(n.ResSup1, 2.6 - 3.9269908, 1e-5);
    EXPECT_NEAR(n.ResSup2, 0.65 - 3.1415927, 1e-5);
    EXPECT_NEAR(n.ResInf1, -4.5238934, 1e-5);
    EXPECT_NEAR(n.ResTaglio, -9.0477868, 1e-5);
}

TEST_F(CaricoProva, UnRifiutoLasciaIlProgettoAperto) {
    std::string a = CopiaCampione();
    ASSERT_EQ(CaricaSolettaProgetto(a), 0);
    const std::string prima = dump::StampaModello(M);
    p.Finestra.Lato = 7;

    fs::create_directories(dir / "B");
    Copia(Dati + "/soletta/V5.QVR", dir / "B/V5.QVR");
    Copia(Dati + "/soletta/V2.QVR", dir / "B/V2.QVR");
    Copia(Campione + "/ARCHIMPA.AI0", dir / "B/ARCHIMPA.AI0");
    fs::create_directories(dir / "C");
    Copia(Campione + "/SOL1.QVR", dir / "C/SOL1.QVR");  // no archive
    fs::create_directories(dir / "D");
    Copia(Dati + "/datiprogetto/SOLDP.QVR", dir / "D/SOLDP.QVR");  // no design-data file
    Copia(Dati + "/datiprogetto/ARCHIMPA.AI0", dir / "D/ARCHIMPA.AI0");
    fs::create_directories(dir / "E");
    Copia(Dati + "/datiprogetto/SOLDP.QVR", dir / "E/SOLDP.QVR");
    Copia(Dati + "/datiprogetto/ARCHIMPA.AI0", dir / "E/ARCHIMPA.AI0");
    std::string dat = LeggiTutto(Dati + "/datiprogetto/SOLDP.DAT");
    ScriviTutto(dir / "E/SOLDP.DAT", dat.substr(0, dat.size() * 2 / 3));
    // A thickness of 0; an archive announcing more types than its text can hold.
    CopiaCampione("F");
    std::string sol = LeggiTutto(Campione + "/SOL1.QVR");
    sol.replace(sol.rfind("\r\n25\r\n"), 6, "\r\n0\r\n");
    ScriviTutto(dir / "F/SOL1.QVR", sol);
    CopiaCampione("G");
    ScriviTutto(dir / "G/ARCHIMPA.AI0", "ARCHIVIO5\r\nTipi pilastri\r\n1000\r\n" + std::string(2500, ' '));

    struct {
        std::string percorso;
        int stato;
        std::string messaggio;
    } casi[] = {
        {dir / "B/V5.QVR", 1, "Versione del file non compatibile."},
        {dir / "B/V2.QVR", 1, "File non compatibile con l'attuale versione"},
        {dir / "C/SOL1.QVR", -1, "ARCHIMPA.AI0"},
        {dir / "D/SOLDP.QVR", 1, "File dati di progetto armature:\n" + (dir / "D/SOLDP.DAT") + "\nnon trovato."},
        {dir / "E/SOLDP.QVR", 1, "File non leggibile:"},
        {dir / "F/SOL1.QVR", 1, "File non leggibile:\n" + (dir / "F/SOL1.QVR") + "\nValore fuori intervallo (riga "},
        {dir / "G/SOL1.QVR", -1, "File non leggibile:\n" + (dir / "G/ARCHIMPA.AI0") + "\nConteggio non valido (riga 3)."},
        {dir / "nessuno/X.QVR", 1, "File della soletta:\n" + (dir / "nessuno/X.QVR") + "\nnon trovato."},
        {dir / "A/SOL1.QVR/X.QVR", -1, "Drive o percorso non trovato."},
        {"anonimo", 0, ""},
        {"", 0, ""},
    };
    for (const auto& c : casi) {
        p.Msg.Visti.clear();
        EXPECT_EQ(CaricaSolettaProgetto(c.percorso), c.stato) << c.percorso;
        EXPECT_EQ(ErroreOperazione, c.stato) << c.percorso;
        if (c.messaggio.empty()) {
            EXPECT_TRUE(p.Msg.Visti.empty()) << c.percorso;
        } else {
            ASSERT_EQ(p.Msg.Visti.size(), 1u) << c.percorso;
            EXPECT_NE(p.Msg.Visti[0].Testo.find(c.messaggio), std::string::npos) << p.Msg.Visti[0].Testo;
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        }
        EXPECT_EQ(dump::StampaModello(M), prima) << c.percorso;
        EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
        EXPECT_EQ(p.Finestra.Lato, 7) << "the side choice stays";
    }
}

// A reinforcement file whose outline has two vertices is reported as not read: the slab keeps
// its own outline and a save asks before replacing the file.
TEST_F(CaricoProva, ContornoDiDueVerticiNelFileDelleArmature) {
    std::string a = CopiaCampione();
    std::string qv0 = LeggiTutto(Dati + "/dump/SOL1.QV0");
    const size_t k = qv0.rfind("\r\n 6 \r\n");
    ASSERT_NE(k, std::string::npos);
    qv0 = qv0.substr(0, k) + "\r\n 2 \r\n0.0 0.0\r\n0.0 900.0\r\n0.0 0.0\r\n";
    ScriviTutto(dir / "A/SOL1.QV0", qv0);
    ASSERT_EQ(CaricaSolettaProgetto(a), 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_NE(p.Msg.Visti[0].Testo.find("File non leggibile:\n" + (dir / "A/SOL1.QV0") + "\nConteggio non valido (riga "),
              std::string::npos)
        << p.Msg.Visti[0].Testo;
    EXPECT_EQ(M.Soletta.NumVertContorno, 6);
    EXPECT_EQ(M.Zone.UltimaZona, -1);
    EXPECT_EQ(M.Progetto.FileArmatureNonLetto, dir / "A/SOL1.QV0");
    EXPECT_EQ(LeggiTutto(dir / "A/SOL1.QV0"), qv0);
}

TEST_F(CaricoProva, FileDellaSuaCartellaInQualsiasiMaiuscola) {
    CopiaCampione();
    M.Progetto.PercorsoSoletta = dir / "A/SOL1.QVR";
    fs::create_directories(dir / "altra");
    Copia(Dati + "/datiprogetto/SOLDP.QVR", dir / "altra/soldp.qvr");
    Copia(Dati + "/datiprogetto/ARCHIMPA.AI0", dir / "altra/archimpa.ai0");
    Copia(Dati + "/datiprogetto/SOLDP.DAT", dir / "altra/SolDp.dat");
    ASSERT_EQ(CaricaSolettaProgetto(dir / "altra/soldp.qvr"), 0);
    EXPECT_GT(M.Analisi.NumNodi, 0);
    EXPECT_GT(M.Analisi.NumPunzonamenti, 0);
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "altra");
}

TEST_F(CaricoProva, NessunaEreditaDallaSolettaPrecedente) {
    fs::create_directories(dir / "D");
    Copia(Dati + "/datiprogetto/SOLDP.QVR", dir / "D/SOLDP.QVR");
    Copia(Dati + "/datiprogetto/ARCHIMPA.AI0", dir / "D/ARCHIMPA.AI0");
    Copia(Dati + "/datiprogetto/SOLDP.DAT", dir / "D/SOLDP.DAT");
    ASSERT_EQ(CaricaSolettaProgetto(dir / "D/SOLDP.QVR"), 0);
    ASSERT_GT(M.Analisi.NumPunzonamenti, 0);

    // Results flag -1: no results at all.
    std::string g = LeggiTutto(Dati + "/soletta/GEOMETRIA_V4.QVR");
    auto a = g.find("\r\n", g.find("\r\n") + 2);  // end of line 2
    auto b = g.find("\r\n", a + 2);
    g.replace(a + 2, b - a - 2, "-1");
    fs::create_directories(dir / "G");
    ScriviTutto(dir / "G/G.QVR", g);
    Copia(Campione + "/ARCHIMPA.AI0", dir / "G/ARCHIMPA.AI0");
    p.Msg.Visti.clear();
    ASSERT_EQ(CaricaSolettaProgetto(dir / "G/G.QVR"), 0);
    EXPECT_EQ(M.Analisi.NumNodi, 0);
    EXPECT_EQ(M.Analisi.NumElementi, 0);
    EXPECT_EQ(M.Analisi.NumPunzonamenti, 0);
    EXPECT_EQ(M.Progetto.MagliaUnica, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());

    ASSERT_EQ(CaricaSolettaProgetto(dir / "D/SOLDP.QVR"), 0);
    std::string s = CopiaCampione();
    ASSERT_EQ(CaricaSolettaProgetto(s), 0);
    EXPECT_EQ(M.Analisi.NumPunzonamenti, 0) << "an inline slab has no punching records";
    ASSERT_EQ(M.Soletta.NumPali, 1);
    Copia(Dati + "/soletta/GEOMETRIA_V3.QVR", dir / "G/V3.QVR");
    ASSERT_EQ(CaricaSolettaProgetto(dir / "G/V3.QVR"), 0);
    EXPECT_EQ(M.Soletta.NumPali, 0);
}

TEST_F(CaricoProva, MagliaUnicaECopertura) {
    const float P1 = AreaBarra(12) * 100 / 20, P2 = AreaBarra(12) * 100 / 25;
    auto carica = [&](const std::vector<std::array<float, 4>>& r) {
        ScriviTutto(dir / "S.QVR", SolettaInline(r));
        Copia(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
        p.Msg.Visti.clear();
        p.Finestra = FinestraRegistrata{};
        return CaricaSolettaProgetto(dir / "S.QVR");
    };
    const std::string consiglio = "Si consiglia la riprogettazione dell'armatura diffusa.";

    // Single mesh: node 0 upper requirements 0 and 5e-9; not with 1e-5.
    std::vector<std::array<float, 4>> r(10, std::array<float, 4>{1, 1, 1, 1});
    r[0] = {0, 5e-9f, 1, 1};
    ASSERT_EQ(carica(r), 0);
    EXPECT_EQ(M.Progetto.MagliaUnica, -1);
    EXPECT_EQ(p.Finestra.Lato, 1);
    EXPECT_FALSE(p.Finestra.LatiVisibili);
    EXPECT_TRUE(p.Finestra.MagliaUnicaVisibile);
    r[0] = {0, 1e-5f, 1, 1};
    ASSERT_EQ(carica(r), 0);
    EXPECT_EQ(M.Progetto.MagliaUnica, 0);
    EXPECT_TRUE(p.Finestra.LatiVisibili);
    EXPECT_TRUE(p.Msg.Visti.empty());

    struct {
        int coperti;
        float eccesso;
        bool unica;
        std::string atteso;
    } casi[] = {
        {1, 0, false, "Armatura lato - dir. 1: nodi con armatura ok < 20%\n" + consiglio},
        {2, 0, false, ""},
        {1, 0, true, "Armatura dir. 1: nodi con armatura ok < 20%\n" + consiglio},
    };
    for (const auto& c : casi) {
        std::vector<std::array<float, 4>> q(10, std::array<float, 4>{1, 1, 10, 1});
        for (int i = 0; i < c.coperti; ++i) q[i][2] = 1;
        if (c.unica) q[0][0] = q[0][1] = 0;
        ASSERT_EQ(carica(q), 0);
        if (c.atteso.empty()) {
            EXPECT_TRUE(p.Msg.Visti.empty());
        } else {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_EQ(p.Msg.Visti[0].Testo, c.atteso);
            EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        }
    }
    // Excess of 0.004 is covered, 0.006 is not; several layers in table order.
    std::vector<std::array<float, 4>> q(10, std::array<float, 4>{P1 + 0.004f, P1 + 0.006f, P2 + 0.006f, P2 + 0.004f});
    ASSERT_EQ(carica(q), 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Armatura lato - dir. 1: nodi con armatura ok < 20%\n"
                                    "Armatura lato + dir. 2: nodi con armatura ok < 20%\n" +
                                        consiglio);
}

// Another slab loaded into its own model leaves the open project and the main window alone;
// the side-choice hooks go to the window the caller names.
TEST_F(CaricoProva, AltroModelloLasciaLaFinestra) {
    ASSERT_EQ(CaricaSolettaProgetto(CopiaCampione()), 0);
    const std::string prima = dump::StampaModello(M);
    std::vector<std::array<float, 4>> r(10, std::array<float, 4>{1, 1, 1, 1});
    r[0] = {0, 0, 1, 1};  // a single-mesh slab
    ScriviTutto(dir / "S.QVR", SolettaInline(r));
    Copia(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
    p.Finestra = FinestraRegistrata{};

    Modello altro;
    ASSERT_EQ(CaricaSoletta(dir / "S.QVR", 0, altro, nullptr), 0);
    EXPECT_EQ(altro.Progetto.MagliaUnica, -1);
    EXPECT_EQ(p.Finestra.Lato, -1);
    EXPECT_TRUE(p.Finestra.LatiVisibili);
    EXPECT_FALSE(p.Finestra.MagliaUnicaVisibile);
    EXPECT_EQ(dump::StampaModello(M), prima);

    FinestraRegistrata f;
    ASSERT_EQ(CaricaSoletta(dir / "S.QVR", 0, altro, &f), 0);
    EXPECT_EQ(f.Lato, 1);
    EXPECT_FALSE(f.LatiVisibili);
    EXPECT_TRUE(f.MagliaUnicaVisibile);
    EXPECT_EQ(p.Finestra.Lato, -1);
    EXPECT_EQ(dump::StampaModello(M), prima);
}
