// Numbers no engineer could mean, each in a small file of its own (tests/data/valori): the file
// is refused with its name and line, and the open project and every file stay as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "app/CaricaProgetto.h"
#include "app/EsportaSoletteDxf.h"
#include "app/Undo.h"
#include "model/FileArmature.h"
#include "model/FileImpostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/ValoriFile.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Valori = std::string(VILMOR_DATI_PROVA) + "/valori";

std::map<std::string, std::string> FileDellaCartella(const std::string& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::directory_iterator(cartella)) r[e.path().filename().string()] = LeggiTutto(e.path().string());
    return r;
}

// The open project as everything the program shows of it and saves from it.
std::string Progetto() {
    return dump::StampaModello(M) + TestoArmature(M) + M.Progetto.PercorsoSoletta + "|" + M.Progetto.CartellaLavoro;
}

struct ValoriProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    void SetUp() override {
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        for (const auto& e : fs::directory_iterator(Valori)) fs::copy_file(e.path(), dir / e.path().filename().string());
        // The slab copied just now no longer matches the reinforcement's time stamp: keep it.
        p.Msg.Risposte = {RispostaMsg::Si};
        ASSERT_EQ(CaricaProgetto(dir / "BASE.QVR"), 0);
        ASSERT_EQ(M.Zone.UltimaZona, 0);
        ASSERT_EQ(M.Diffusa.DiamCavalletti, 12);
        p.Msg.Visti.clear();
    }
    void TearDown() override { PulisciUndo(); }
};

}  // namespace

TEST_F(ValoriProva, RifiutatiConFileERiga) {
    struct Caso {
        const char* File;
        int Riga;
        const char* Cosa;
    };
    const Caso casi[] = {
        {"CAVDIAM.QV0", 8, "chair diameter 2147483647 mm"},
        {"CAVPASSO.QV0", 8, "chair step 1e-30 cm"},
        {"ZONADIR.QV0", 20, "zone direction 2147483647"},
        {"ZONAXY.QV0", 10, "zone coordinate 1e38"},
        {"ZONAPASSO.QV0", 17, "zone spacing 0.001 cm"},
        {"ZONAANGOLO.QV0", 23, "zone angle 1e30 rad"},
        {"CONTORNO.QV0", 40, "edited-outline vertex -3.4e38"},
        {"PILASTRO.QVR", 13, "column coordinate 3.4e38"},
    };
    const std::string progetto = Progetto();
    const auto file = FileDellaCartella(dir.Percorso());
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        p.Msg.Visti.clear();
        const std::string percorso = dir / c.File;
        if (fs::path(percorso).extension() == ".QVR") {
            EXPECT_NE(CaricaProgetto(percorso), 0);
        } else {
            // What the open slab's own load, an undo or an import read with.
            EXPECT_EQ(LeggiArmature(percorso, 1, M), EsitoArmature::Ignorato);
        }
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + percorso + "\nValore fuori intervallo (riga " +
                                            std::to_string(c.Riga) + ").");
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(Progetto(), progetto);
        EXPECT_EQ(FileDellaCartella(dir.Percorso()), file);
    }
}

// The slab with its design-data file, one value changed in a copy of the folder each time.
TEST(ValoriDatiProgetto, RifiutatiConFileERiga) {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    ImpostaCartelle();
    ImpostaDefault();
    Piatt.PauseAttive = false;
    const std::string campione = std::string(VILMOR_DATI_PROVA) + "/datiprogetto";
    struct Caso {
        const char* File;
        int Riga;
        const char* Vecchio;
        const char* Nuovo;
        const char* Cosa;
    };
    const Caso casi[] = {
        {"SOLDP.DAT", 5, "5, Copriferro", "-1000000, Copriferro", "cover -1000000 cm"},
        {"SOLDP.DAT", 5, "5, Copriferro", "1e30, Copriferro", "cover 1e30 cm"},
        {"SOLDP.DAT", 15, "20,25,25,20", "1e20,25,25,20", "diffuse spacing 1e20 cm"},
        {"SOLDP.DAT", 12, "0, Angolo dir. 1", "1e30, Angolo dir. 1", "direction angle 1e30 degrees"},
        {"SOLDP.DAT", 18, "6,8,0,2 ;", "6,8,0,32768 ;", "punching state beyond 16 bits"},
        {"SOLDP.DAT", 18, "1.5,10.5,1.13,6", "1e38,10.5,1.13,6", "perimeter coefficient 1e38"},
        {"SOLDP.DAT", 18, "1.5,10.5,1.13,6", "1.5,1e38,1.13,6", "total stud area 1e38"},
        {"SOLDP.DAT", 18, "1.5,10.5,1.13,6", "1.5,10.5,-1e38,6", "stud area -1e38"},
        {"SOLDP.DAT", 18, "1.13,6,8,0,2", "1.13,2147483647,8,0,2", "studs per rail beyond 16 bits"},
        {"SOLDP.DAT", 18, "1.13,6,8,0,2", "1.13,6,70000,0,2", "rails beyond 16 bits"},
        {"SOLDP.DAT", 19, "1.3,0.8,2.7", "1.3,1e38,2.7", "requirement 1e38"},
        {"SOLDP.DAT", 19, "0.3,0.2,0,0", "0.3,-100001,0,0", "shear requirement -100001"},
        {"SOLDP.QVR", 25, "350,550\r\n1,0\r\n", "350,550\r\n1,1e30\r\n", "column angle 1e30 degrees"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        const fs::path cartella = dir / c.Cosa;
        fs::create_directories(cartella);
        for (const char* f : {"SOLDP.QVR", "SOLDP.DAT", "ARCHIMPA.AI0"})
            fs::copy_file(campione + "/" + f, cartella / f);
        const std::string percorso = (cartella / c.File).string();
        std::string testo = LeggiTutto(percorso);
        const size_t i = testo.find(c.Vecchio);
        ASSERT_NE(i, std::string::npos);
        ScriviTutto(percorso, testo.replace(i, std::string(c.Vecchio).size(), c.Nuovo));
        const auto file = FileDellaCartella(cartella.string());
        M = Modello{};
        const std::string vuoto = Progetto();
        p.Msg.Visti.clear();
        EXPECT_NE(CaricaProgetto((cartella / "SOLDP.QVR").string()), 0);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + percorso + "\nValore fuori intervallo (riga " +
                                            std::to_string(c.Riga) + ").");
        EXPECT_EQ(Progetto(), vuoto);
        EXPECT_EQ(FileDellaCartella(cartella.string()), file);
    }
    PulisciUndo();
}

namespace {

struct Sostituzione {
    int Riga, K;
    const char* Valore;
};

}  // namespace

// Values of the analysis files and of the reinforcement file that the program gives a meaning
// to: each is loaded and read with that meaning, without a word.
TEST(ValoriConSignificato, LettiComeIndicato) {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    ImpostaCartelle();
    Piatt.PauseAttive = false;
    const std::string dati = VILMOR_DATI_PROVA;
    // The slab with its design-data file; one with its results inline; the slab whose
    // reinforcement file holds a zone and a section.
    struct Cartella {
        const char* Nome;
        std::vector<std::string> File;
        const char* Soletta;
    };
    const Cartella cartelle[] = {
        {"datiprogetto", {dati + "/datiprogetto/SOLDP.QVR", dati + "/datiprogetto/SOLDP.DAT",
                          dati + "/datiprogetto/ARCHIMPA.AI0"}, "SOLDP.QVR"},
        {"inline", {dati + "/soletta/INLINE.QVR", dati + "/valori/ARCHIMPA.AI0"}, "INLINE.QVR"},
        {"armature", {Valori + "/BASE.QVR", Valori + "/BASE.QV0", Valori + "/ARCHIMPA.AI0"}, "BASE.QVR"},
    };
    struct Caso {
        int Cartella;
        const char* File;
        Sostituzione Valore;
        const char* Cosa;
        std::function<bool()> Letto;
    };
    auto stati = [] {
        std::string r;
        for (const Punzonamento& q : M.Analisi.Punzonamenti) r += std::to_string(q.StatoPunz) + " ";
        return r;
    };
    const Caso casi[] = {
        // Any state but a negative one or 2: no punching reinforcement required.
        {0, "SOLDP.DAT", {18, 17, "3"}, "punching state 3", [&] { return stati() == "1 2 2 -1 "; }},
        {0, "SOLDP.DAT", {18, 17, "32767"}, "punching state 32767", [&] { return stati() == "1 2 2 -1 "; }},
        {0, "SOLDP.DAT", {18, 17, "1"}, "punching state 1", [&] { return stati() == "1 2 2 -1 "; }},
        {0, "SOLDP.DAT", {30, 17, "-32768"}, "punching state -32768",
         [&] { return stati() == "2 2 2 -32768 "; }},
        // A diffuse spacing below 1 cm stands for 20 cm, in the slab file as in the design data.
        {1, "INLINE.QVR", {9, 0, "0.5"}, "inline spacing 0.5", [] { return M.Diffusa.PassoDiffSup1 == 20; }},
        {1, "INLINE.QVR", {11, 0, "-1"}, "inline spacing -1", [] { return M.Diffusa.PassoDiffSup2 == 20; }},
        {1, "INLINE.QVR", {13, 0, "0"}, "inline spacing 0", [] { return M.Diffusa.PassoDiffInf1 == 20; }},
        {1, "INLINE.QVR", {15, 0, "1"}, "inline spacing 1", [] { return M.Diffusa.PassoDiffInf2 == 1; }},
        {0, "SOLDP.DAT", {15, 1, "0.5"}, "design-data spacing 0.5", [] { return M.Diffusa.PassoDiffSup2 == 20; }},
        {1, "INLINE.QVR", {22, 0, "-100000"}, "requirement -100000",
         [] { return M.Analisi.Nodi[0].RichSup1 == -100000; }},
        // A direction is any 16-bit integer: every one but 0 is direction 2, kept as 1.
        {2, "BASE.QV0", {20, 2, "2"}, "zone direction 2", [] { return M.Zone.Zone[0].Direzione == 1; }},
        {2, "BASE.QV0", {20, 2, "-1"}, "zone direction -1", [] { return M.Zone.Zone[0].Direzione == 1; }},
        {2, "BASE.QV0", {32, 0, "2"}, "section direction 2", [] { return M.SezQuote.Sezioni[0].Direzione == 1; }},
        {2, "BASE.QV0", {32, 0, "-1"}, "section direction -1",
         [] { return M.SezQuote.Sezioni[0].Direzione == 1; }},
        // The bend switch: any value but 0 is on.
        {2, "BASE.QV0", {4, 0, "-1"}, "bend -1", [] { return M.Progetto.PiegaAncoraggio == 1; }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        const Cartella& k = cartelle[c.Cartella];
        const fs::path cartella = dir / c.Cosa;
        fs::create_directories(cartella);
        for (const std::string& f : k.File) fs::copy_file(f, cartella / fs::path(f).filename());
        const std::string percorso = (cartella / c.File).string();
        ScriviTutto(percorso, ConValore(LeggiTutto(percorso), c.Valore.Riga, c.Valore.K, c.Valore.Valore));
        M = Modello{};
        ImpostaDefault();
        p.Msg.Visti.clear();
        // The copied slab no longer matches the reinforcement's time stamp: keep it.
        p.Msg.Risposte = {RispostaMsg::Si};
        ASSERT_EQ(CaricaProgetto((cartella / k.Soletta).string()), 0);
        for (const auto& v : p.Msg.Visti) EXPECT_NE(v.Testo.find("precedente armatura"), std::string::npos) << v.Testo;
        EXPECT_TRUE(c.Letto());
        // What the program keeps, it writes: a reinforcement file that reads back the same.
        ASSERT_TRUE(SalvaArmature(M.Progetto.PercorsoSoletta, M));
        const std::string salvato = TestoArmature(M);
        p.Msg.Visti.clear();
        ASSERT_EQ(LeggiArmature(TrovaFileArmature(M.Progetto.PercorsoSoletta), 0, M), EsitoArmature::Letto);
        EXPECT_TRUE(p.Msg.Visti.empty());
        EXPECT_EQ(TestoArmature(M), salvato);
    }
    PulisciUndo();
}

// Work placed on the 1000 x 600 slab of BASE.QVR: within its extent grown by its larger side
// (-1000 .. 2000 by -1000 .. 1600) for the edited outline; 2 m more for everything else, the
// labels, bar lines, curb strips, sections and dimensions drawn around it; a curb no wider than
// 3000. Just inside each is read; just beyond the file is refused at its line, and the open
// project and every file stay as they were.
TEST_F(ValoriProva, PosizioniEntroLAreaDellaSoletta) {
    struct Caso {
        std::vector<Sostituzione> Valori;
        int Riga;  // 0: read
        const char* Cosa;
    };
    const Caso casi[] = {
        {{{24, 0, "2200"}, {25, 1, "-1200"}}, 0, "zone outline vertex at the area's corners"},
        {{{24, 0, "2200.01"}}, 24, "zone outline vertex beyond"},
        {{{11, 1, "-1200.01"}}, 11, "zone corner beyond"},
        {{{18, 2, "2201"}}, 18, "zone frame box beyond"},
        {{{21, 0, "3"}, {27, 1, "1800"}}, 0, "stud zone vertex at the edge"},
        {{{21, 0, "3"}, {27, 1, "1800.1"}}, 27, "stud zone vertex beyond"},
        {{{21, 0, "2"}, {21, 1, "2"}, {26, 0, "-1200"}}, 0, "curb vertex at the edge"},
        {{{21, 0, "2"}, {21, 1, "4"}, {26, 0, "-1200.5"}}, 26, "curb vertex beyond"},
        {{{21, 0, "2"}, {21, 1, "4"}, {21, 2, "3000"}}, 0, "curb 3000 wide"},
        {{{21, 0, "2"}, {21, 1, "4"}, {21, 2, "3000.1"}}, 21, "curb 3000.1 wide"},
        {{{21, 0, "2"}, {21, 1, "3"}}, 21, "curb of 3 legs"},
        {{{21, 0, "2"}, {21, 1, "2147483647"}}, 21, "curb of 2147483647 legs"},
        {{{16, 0, "-1200"}, {16, 1, "1800"}}, 0, "reference point at the corner"},
        {{{16, 1, "1800.5"}}, 16, "reference point beyond"},
        {{{15, 3, "-1201"}}, 15, "bar line beyond"},
        {{{29, 1, "-1200"}, {31, 2, "2200"}}, 0, "section points at the edge"},
        {{{29, 1, "-1200.1"}}, 29, "section end beyond"},
        {{{31, 2, "2200.1"}}, 31, "section tick beyond"},
        {{{34, 1, "1800"}, {35, 2, "-1200"}}, 0, "dimension points at the edge"},
        {{{34, 1, "1800.1"}}, 34, "dimension line beyond"},
        {{{35, 2, "-1200.1"}}, 35, "measured point beyond"},
        {{{40, 1, "1600"}, {41, 0, "2000"}, {42, 1, "-1000"}}, 0, "outline vertices at the edge"},
        {{{40, 1, "1600.1"}}, 40, "outline vertex beyond"},
        {{{39, 0, "-1000.1"}}, 39, "outline vertex beyond, left"},
    };
    const std::string base = LeggiTutto(dir / "BASE.QV0");
    const std::string progetto = Progetto();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        std::string testo = base;
        for (const Sostituzione& v : c.Valori) testo = ConValore(testo, v.Riga, v.K, v.Valore);
        ASSERT_NE(testo, base);
        const std::string percorso = dir / "POSA.QV0";
        ScriviTutto(percorso, testo);
        const auto file = FileDellaCartella(dir.Percorso());
        p.Msg.Visti.clear();
        Modello letto = M;
        const EsitoArmature esito = LeggiArmature(percorso, 0, letto);
        if (c.Riga == 0) {
            EXPECT_EQ(esito, EsitoArmature::Letto);
            EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
            continue;
        }
        EXPECT_EQ(esito, EsitoArmature::Ignorato);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n" + percorso + "\nValore fuori intervallo (riga " +
                                            std::to_string(c.Riga) + ").");
        // The undo reads into the open project itself.
        p.Msg.Visti.clear();
        EXPECT_EQ(LeggiArmature(percorso, 0, M), EsitoArmature::Ignorato);
        EXPECT_EQ(Progetto(), progetto);
        EXPECT_EQ(FileDellaCartella(dir.Percorso()), file);
    }
}

// A settings file whose layer colours are -2147483648 and 300 and whose drawing scale is 1e38:
// those keys take their defaults, one message names them, and the drawing is the one of the
// default settings.
TEST(ImpostazioniFuoriIntervallo, IlDisegnoEQuelloDeiPredefiniti) {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    ImpostaCartelle();
    Piatt.PauseAttive = false;
    const std::string campione = std::string(VILMOR_ESEMPI) + "/solaio1";
    for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"}) fs::copy_file(campione + "/" + f, dir / f);
    for (int r12 : {0, 1}) {
        SCOPED_TRACE(r12);
        ImpostaDefault();
        ImpostaColori();
        EsportaDxf.FormatoR12 = r12;
        ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "predefinite.dxf"));
        ASSERT_TRUE(SalvaIni());
        std::string ini = LeggiTutto(FileImpostazioni());
        auto sostituisci = [&ini](const std::string& vecchio, const std::string& nuovo, size_t dopo = 0) {
            const size_t i = ini.find(vecchio, dopo);
            ASSERT_NE(i, std::string::npos) << vecchio;
            ini.replace(i, vecchio.size(), nuovo);
        };
        // Layers 3 and 5: name line, colour line; the print ratio "10.000  1.000".
        auto colore = [&ini](int layer) {
            size_t i = 0;
            for (int riga = 0; riga < 3 + 3 * layer - 1; ++riga) i = ini.find("\r\n", i) + 2;
            return i;
        };
        sostituisci(" " + std::to_string(Strati.AciLayer[3]) + " ", "-2147483648 ", colore(3));
        sostituisci(" " + std::to_string(Strati.AciLayer[5]) + " ", " 300 ", colore(5));
        sostituisci("10.000        1.000", "1e38          1.000");
        ScriviTutto(FileImpostazioni(), ini);
        p.Msg.Visti.clear();
        ASSERT_TRUE(LeggiIni());
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo,
                  "Impostazioni non valide, ripristinati i valori predefiniti: AciLayer(3), AciLayer(5), ScalaUnita.");
        EsportaDxf.FormatoR12 = r12;
        ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "letto.dxf"));
        EXPECT_EQ(LeggiTutto(dir / "letto.dxf"), LeggiTutto(dir / "predefinite.dxf"));
        EXPECT_EQ(LeggiTutto(FileImpostazioni()), ini);
    }
}
