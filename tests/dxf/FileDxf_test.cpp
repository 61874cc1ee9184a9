#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <map>
#include <locale>
#include <sstream>

#include "dxf/BlocchiFissiDxf.h"
#include "dxf/IntestazioneDxf.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/TabelleDxf.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The export of a drawing pass that drew nothing, with the default layers at k = 1.
class EsportazioneVuota : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        byte_ = new std::string(Esporta(StratiDefault(), 1.0f));
        voci_ = new std::vector<Voce>(Voci(*byte_));
    }
    static void TearDownTestSuite() {
        delete byte_;
        delete voci_;
    }
    static const std::string& Byte() { return *byte_; }
    static const std::vector<Voce>& V() { return *voci_; }

private:
    static std::string* byte_;
    static std::vector<Voce>* voci_;
};
std::string* EsportazioneVuota::byte_ = nullptr;
std::vector<Voce>* EsportazioneVuota::voci_ = nullptr;

std::vector<std::string> HandleDi(const std::vector<std::vector<Voce>>& rec) {
    std::vector<std::string> r;
    for (auto& x : rec) r.push_back(Handle(x));
    return r;
}

}  // namespace

TEST_F(EsportazioneVuota, SezioniNellOrdine) {
    std::vector<std::string> sezioni;
    for (size_t i = 0; i + 1 < V().size(); ++i)
        if (V()[i] == Voce{"  0", "SECTION"}) sezioni.push_back(V()[i + 1].Valore);
    EXPECT_EQ(sezioni, (std::vector<std::string>{"HEADER", "CLASSES", "TABLES", "BLOCKS",
                                                 "ENTITIES", "OBJECTS"}));
    EXPECT_EQ(V().back(), (Voce{"  0", "EOF"}));
    EXPECT_TRUE(Byte().ends_with("EOF\r\n"));
    EXPECT_TRUE(SezioneDi(V(), "ENTITIES").empty());
}

TEST_F(EsportazioneVuota, HandleDeiRecordNellOrdineDiScrittura) {
    auto tabelle = SezioneDi(V(), "TABLES");
    EXPECT_EQ(HandleDi(RecordDi(tabelle, "LTYPE")), Serie(0x20, 0x24));
    EXPECT_EQ(HandleDi(RecordDi(tabelle, "LAYER")), Serie(0x25, 0x3F));
    EXPECT_EQ(HandleDi(RecordDi(tabelle, "APPID")), Serie(0x40, 0x48));
    EXPECT_EQ(HandleDi(RecordDi(tabelle, "DIMSTYLE")), Serie(0x49, 0x4E));
    auto testaDim = RecordDi(tabelle, "TABLE", "DIMSTYLE");
    ASSERT_EQ(testaDim.size(), 1u);
    EXPECT_EQ(Valore(testaDim[0], "340"), "49");
    EXPECT_EQ(Valore(RecordDi(tabelle, "DIMSTYLE", "SC50").at(0), "105"), "49");

    EXPECT_EQ(HandleDi(Record(SezioneDi(V(), "BLOCKS"))), Serie(0x4F, 0x5C));

    // The root dictionary names H1 .. H19 by their keys.
    auto radice = RecordDi(SezioneDi(V(), "OBJECTS"), "DICTIONARY").at(0);
    ASSERT_EQ(Handle(radice), "C");
    std::map<std::string, std::string> voce;
    for (size_t i = 0; i + 1 < radice.size(); ++i)
        if (radice[i].Codice == "  3") voce[radice[i].Valore] = radice[i + 1].Valore;
    EXPECT_EQ(voce["ACAD_GROUP"], "5D");
    EXPECT_EQ(voce["ACAD_LAYOUT"], "5E");
    EXPECT_EQ(voce["DimOffsetDictionary"], "66");
    EXPECT_EQ(voce["DWGPROPS"], "6F");
    auto oggetti = HandleDi(Record(SezioneDi(V(), "OBJECTS")));
    std::vector<std::string> attesi = Serie(0x5D, 0x6F);
    attesi.insert(attesi.end(), {"C", "1A", "1C", "F"});
    std::sort(oggetti.begin(), oggetti.end());
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(oggetti, attesi);

    auto testa = SezioneDi(V(), "HEADER");
    auto seme = std::find(testa.begin(), testa.end(), Voce{"  9", "$HANDSEED"});
    ASSERT_NE(seme, testa.end());
    EXPECT_EQ(*(seme + 1), (Voce{"  5", "70"}));
}

TEST_F(EsportazioneVuota, IntestazioneConLeSueLarghezze) {
    auto testa = SezioneDi(V(), "HEADER");
    int variabili = 0;
    for (const Voce& v : testa) variabili += v.Codice == "  9";
    EXPECT_EQ(variabili, 199);
    struct {
        const char* nome;
        std::vector<Voce> valori;
    } casi[] = {
        {"$ACADVER", {{"  1", "AC1015"}}},
        {"$TEXTSTYLE", {{"7", "STANDARD"}}},
        {"$DIMTXSTY", {{"7", "STANDARD"}}},
        {"$ANGBASE", {{"50", "0.0"}}},
        {"$CECOLOR", {{" 62", "256"}}},
        {"$DIMZIN", {{" 70", "8"}}},
        {"$DIMALTD", {{" 70", "  2"}}},
        {"$DIMLWD", {{" 70", "    -2"}}},
        {"$CELWEIGHT", {{"370", "    -1"}}},
        {"$DIMPOST", {{"  1", ""}}},
        {"$TDINDWG", {{" 40", "0.0162000810"}}},
        // A drawing of nothing: the A3 sheet is its extents and its limits.
        {"$LIMMAX", {{" 10", "420"}, {" 20", "297"}}},
        {"$PLIMMAX", {{" 10", "420.0"}, {" 20", "297.0"}}},
        {"$EXTMIN", {{" 10", "0"}, {" 20", "0"}, {" 30", "0.0"}}},
        {"$EXTMAX", {{" 10", "420"}, {" 20", "297"}, {" 30", "0.0"}}},
        {"$OLESTARTUP", {{"290", "     0"}}},
    };
    for (const auto& k : casi) {
        auto it = std::find(testa.begin(), testa.end(), Voce{"  9", k.nome});
        ASSERT_NE(it, testa.end()) << k.nome;
        std::vector<Voce> valori(it + 1, std::min(it + 1 + k.valori.size(), testa.end()));
        EXPECT_EQ(valori, k.valori) << k.nome;
    }
}

TEST_F(EsportazioneVuota, ClassiConLaDescrizioneDiDimAssoc) {
    auto classi = RecordDi(SezioneDi(V(), "CLASSES"), "CLASS");
    ASSERT_EQ(classi.size(), 12u);
    EXPECT_EQ(Valore(classi[7], "  1"), "DIMASSOC");
    EXPECT_EQ(Valore(classi[7], "  3"),
              "\"AcDbDimAssoc|Product Desc:     AcDim ARX App For Dimension|Company:          "
              "Autodesk, Inc.|WEB Address:      \"");
    EXPECT_EQ(Valore(classi[9], " 90"), "    33921");
    EXPECT_EQ(Valore(classi[0], "281"), "     0");
}

TEST(TabelleDxf, RecordDeiLayer) {
    struct Caso {
        int indice;  // program layer renamed "Defpoints", -1 none
        int conDefpoints;
    } casi[] = {{-1, 1}, {5, 2}};
    for (const Caso& k : casi) {
        StratiDisegno s = StratiDefault();
        if (k.indice >= 0) s.NomiLayer[k.indice] = "Defpoints";
        auto layer = RecordDi(SezioneDi(Voci(Esporta(s, 1.0f)), "TABLES"), "LAYER");
        ASSERT_EQ(layer.size(), 27u);
        int con290 = 0;
        for (auto& rec : layer) {
            const bool defpoints = Valore(rec, "  2") == "Defpoints";
            EXPECT_EQ(Valore(rec, " 290"), defpoints ? "     0" : "?") << Valore(rec, "  2");
            con290 += defpoints;
            EXPECT_EQ(Valore(rec, "370"), "    -3");
            EXPECT_EQ(Valore(rec, "390"), "F");
            EXPECT_EQ(Valore(rec, "  6"), "Continuous");
        }
        EXPECT_EQ(con290, k.conDefpoints);
        EXPECT_EQ(Valore(layer[26], "  2"), s.NomiLayer[24]);
        EXPECT_EQ(Valore(layer[26], " 62"), "     2");
        EXPECT_EQ(Valore(layer[0], " 62"), "     7");
    }
    StratiDisegno s = StratiDefault();
    EXPECT_EQ(s.NomiLayer[24], "PERIM_PILASTRI_SUP");
    auto testa = RecordDi(SezioneDi(Voci(Esporta(s, 1.0f)), "TABLES"), "TABLE", "LAYER").at(0);
    EXPECT_EQ(Valore(testa, " 70"), "    28");
}

TEST(TabelleDxf, StiliDiQuotaSecondoLeUnita) {
    struct {
        float k;
        const char *stile, *c41, *c140, *c144, *c147;
    } casi[] = {
        {1.0f, "SC50", "1.0000", "20.00000000", "0.50000000", "5.00000000"},
        {1.0f, "Ferri100", "1.0000", "20.00000000", "1.00000000", "5.00000000"},
        {10.0f, "SC50", "10.0000", "200.00000000", "0.05000000", "50.00000000"},
        {10.0f, "Ferri25", "10.0000", "200.00000000", "0.02500000", "50.00000000"},
    };
    for (const auto& k : casi) {
        auto tabelle = SezioneDi(Voci(Esporta(StratiDefault(), k.k)), "TABLES");
        auto rec = RecordDi(tabelle, "DIMSTYLE", k.stile).at(0);
        EXPECT_EQ(Valore(rec, " 41"), k.c41) << k.stile << " " << k.k;
        EXPECT_EQ(Valore(rec, "140"), k.c140) << k.stile << " " << k.k;
        EXPECT_EQ(Valore(rec, "144"), k.c144) << k.stile << " " << k.k;
        EXPECT_EQ(Valore(rec, "147"), k.c147) << k.stile << " " << k.k;
    }
    auto tabelle = SezioneDi(Voci(Esporta(StratiDefault(), 1.0f)), "TABLES");
    auto sc = RecordDi(tabelle, "DIMSTYLE", "SC100").at(0);
    auto ferri = RecordDi(tabelle, "DIMSTYLE", "Ferri100").at(0);
    EXPECT_EQ(Valore(sc, "341"), "1D");
    EXPECT_EQ(Valore(ferri, "342"), "1F");
    EXPECT_EQ(Valore(sc, " 77"), "     1");
    EXPECT_EQ(Valore(ferri, "281"), "     1");
    EXPECT_EQ(Valore(ferri, "271"), "     0");
}

TEST(TabelleDxf, RecordDeiBlocchi) {
    struct {
        int x, d;
        std::vector<std::string> nomi;
        const char* conteggio;
    } casi[] = {
        {0, 0, {"*Model_Space", "*Paper_Space", "_FRECCIAMERANTO", "_NOFRECCIA", "_None"},
         "     6"},
        {3, 2,
         {"*Model_Space", "*Paper_Space", "_FRECCIAMERANTO", "_NOFRECCIA", "_None", "*X0", "*X1",
          "*X2", "*D0", "*D1"},
         "    11"},
    };
    for (const auto& k : casi) {
        ContestoDxf c;
        InizializzaDxf(c);
        for (int i = 0; i < k.x; ++i) {
            NomeBloccoTratteggio(c);
            c.HandleBlocchiX.push_back("X" + std::to_string(i));
        }
        for (int i = 0; i < k.d; ++i) {
            NomeBloccoQuota(c);
            c.HandleBlocchiD.push_back("D" + std::to_string(i));
        }
        std::ostringstream os;
        c.Sezione = &os;
        BlockRecordDxf(c);
        auto voci = Voci(os.str());
        EXPECT_EQ(Valore(voci, "70"), k.conteggio);
        std::vector<std::string> nomi;
        for (auto& rec : RecordDi(voci, "BLOCK_RECORD")) nomi.push_back(Valore(rec, "  2"));
        EXPECT_EQ(nomi, k.nomi);
        auto rec = RecordDi(voci, "BLOCK_RECORD");
        EXPECT_EQ(Valore(rec[0], "340"), "1A");
        EXPECT_EQ(Valore(rec[1], "340"), "1C");
        EXPECT_EQ(Handle(rec.back()), k.d ? "D1" : "1F");
    }
}

TEST(BlocchiFissiDxf, ContenutoEHandle) {
    ContestoDxf c;
    InizializzaDxf(c);
    std::ostringstream os;
    c.Sezione = &os;
    BlocchiFissiDxf(c, "0");
    auto rec = Record(Voci(os.str()));
    ASSERT_EQ(rec.size(), 10u);
    // Five, three and two handles, each record owned by its block's record.
    const char* owner[] = {"1D", "1D", "1D", "1D", "1D", "1E", "1E", "1E", "1F", "1F"};
    for (size_t i = 0; i < rec.size(); ++i) {
        EXPECT_EQ(Handle(rec[i]), Serie(0x20, 0x29)[i]);
        EXPECT_EQ(Valore(rec[i], "330"), owner[i]) << i;
    }
    std::vector<Voce> linea(rec[1].begin() + 7, rec[1].end());
    EXPECT_EQ(linea, (std::vector<Voce>{{" 10", "0.00000000"}, {" 20", "15.00000000"},
                                        {" 30", "0.0"}, {" 11", "0.00000000"},
                                        {" 21", "-15.00000000"}, {" 31", "0.0"}}));
    EXPECT_EQ(Valore(rec[1], " 62"), "     0");
    EXPECT_EQ(Valore(rec[3], " 40"), "1.50000000");
    EXPECT_EQ(Valore(rec[0], "  1"), "_FRECCIAMERANTO");
    EXPECT_EQ(Valore(rec[8], "  2"), "_None");
    EXPECT_EQ(Valore(rec[8], "  1"), "");
}

TEST(SezioniDxf, FlussiDelPassaggioCopiatiNelleLoroSezioni) {
    const std::string entita = "  0\r\nPOINT\r\n  8\r\n0\r\n 10\r\n1.0\r\n 20\r\n2.0\r\n";
    const std::string blocchi = "  0\r\nBLOCK\r\n  8\r\n0\r\n";
    auto voci = Voci(Esporta(StratiDefault(), 1.0f, 0, entita, blocchi));
    EXPECT_EQ(SezioneDi(voci, "ENTITIES"), Voci(entita));
    auto b = SezioneDi(voci, "BLOCKS");
    std::vector<Voce> coda(b.end() - 2, b.end());
    EXPECT_EQ(coda, Voci(blocchi));
}

TEST(SezioniDxf, UnFlussoGuastoNonPassaPerRiuscito) {
    ContestoDxf c;
    InizializzaDxf(c);
    std::stringstream corpo, file;
    file.setstate(std::ios::badbit);
    EXPECT_FALSE(AssemblaDxf2000(c, NumLayer, StratiDefault(), 1.0f, corpo, file));
    std::stringstream corpo2, file2;
    InizializzaDxf(c);
    EXPECT_TRUE(AssemblaDxf2000(c, NumLayer, StratiDefault(), 1.0f, corpo2, file2));
}

TEST(SezioniDxf, IlTestoNonSegueIlDisegno) {
    const std::string vuota = Esporta(StratiDefault(), 1.0f);
    EXPECT_EQ(Esporta(StratiDefault(), 1.0f), vuota) << "two empty exports";

    // The header follows neither the handles the pass took, but for the seed, nor the units, but
    // for the dimension sizes of its style.
    auto testaA = SezioneDi(Voci(vuota), "HEADER");
    auto testaB = SezioneDi(Voci(Esporta(StratiDefault(), 10.0f, 10)), "HEADER");
    const std::map<std::string, std::pair<std::string, std::string>> unita = {
        {"$DIMASZ", {"1.0", "10.0000"}},
        {"$DIMTXT", {"20.0", "200.00000000"}},
        {"$DIMLFAC", {"0.5", "0.05000000"}},
        {"$DIMGAP", {"5.0", "50.00000000"}},
    };
    ASSERT_EQ(testaA.size(), testaB.size());
    for (size_t i = 0; i < testaA.size(); ++i) {
        const std::string variabile = i > 0 ? testaA[i - 1].Valore : "";
        if (variabile == "$HANDSEED") {
            EXPECT_EQ(testaA[i].Valore, "70");
            EXPECT_EQ(testaB[i].Valore, "7A");
        } else if (unita.count(variabile)) {
            EXPECT_EQ(testaA[i].Valore, unita.at(variabile).first) << variabile;
            EXPECT_EQ(testaB[i].Valore, unita.at(variabile).second) << variabile;
        } else {
            EXPECT_EQ(testaA[i], testaB[i]) << i;
        }
    }

    // Objects of a pass that took ten handles: only H1 .. H19 move, all by ten.
    auto ogA = SezioneDi(Voci(vuota), "OBJECTS");
    auto ogB = SezioneDi(Voci(Esporta(StratiDefault(), 1.0f, 10)), "OBJECTS");
    ASSERT_EQ(ogA.size(), ogB.size());
    int diverse = 0;
    for (size_t i = 0; i < ogA.size(); ++i) {
        EXPECT_EQ(ogA[i].Codice, ogB[i].Codice);
        if (ogA[i].Valore == ogB[i].Valore) continue;
        ++diverse;
        int a = std::stoi(ogA[i].Valore, nullptr, 16);
        EXPECT_TRUE(a >= 0x5D && a <= 0x6F) << ogA[i].Valore;
        EXPECT_EQ(std::stoi(ogB[i].Valore, nullptr, 16), a + 10);
    }
    EXPECT_GT(diverse, 19);
}

// The header's extents are those of the entities written, blocks followed into; the limits
// enclose them and the initial view frames them.
TEST(SezioniDxf, EstensioniDelleEntitaScritte) {
    ContestoDxf c;
    InizializzaDxf(c);
    std::stringstream e, b, corpo, file;
    c.Entita = &e;
    c.Blocchi = &b;
    LineaDxf(c, -40, 10, 100, 50, "A", 0);
    CerchioDxf(c, 200, 0, 10, "A", 0);
    // A text of 2 characters, 10 high, left and bottom aligned: 17.8 wide in its font, wholly
    // above its point, 12.5 up to its capitals over the descenders.
    TestoDxf(c, "A", "P1", 150, 60, 10, 0, 0, 1);
#ifdef NDEBUG
    // Nothing of a record that is not written (a debug build stops at such a record instead).
    LineaDxf(c, 1e30f * 1e30f, 0, 0, 0, "A", 0);
#endif
    EXPECT_FLOAT_EQ(c.Estensione.XMin, -40);
    EXPECT_FLOAT_EQ(c.Estensione.YMin, -10);
    EXPECT_FLOAT_EQ(c.Estensione.XMax, 210);
    EXPECT_FLOAT_EQ(c.Estensione.YMax, 72.5);
    AssemblaDxf2000(c, NumLayer, StratiDefault(), 1.0f, corpo, file);
    const auto voci = Voci(file.str());
    auto testa = SezioneDi(voci, "HEADER");
    auto valori = [&](const char* nome, size_t n) {
        auto it = std::find(testa.begin(), testa.end(), Voce{"  9", nome});
        std::vector<double> r;
        for (size_t i = 1; it != testa.end() && i <= n; ++i) r.push_back(std::stod((it + i)->Valore));
        return r;
    };
    EXPECT_EQ(valori("$EXTMIN", 3), (std::vector<double>{-40, -10, 0}));
    EXPECT_EQ(valori("$EXTMAX", 3), (std::vector<double>{210, 72.5, 0}));
    // A margin of 5 % of the larger side.
    EXPECT_EQ(valori("$LIMMIN", 2), (std::vector<double>{-52.5, -22.5}));
    EXPECT_EQ(valori("$LIMMAX", 2), (std::vector<double>{222.5, 85}));
    auto vista = RecordDi(SezioneDi(voci, "TABLES"), "VPORT", "*Active");
    ASSERT_EQ(vista.size(), 1u);
    EXPECT_EQ(Valore(vista[0], " 12"), "85");
    EXPECT_EQ(Valore(vista[0], " 22"), "31.25");
    // As wide as the extents in a view of aspect 1.4915, with the margins.
    EXPECT_NEAR(std::stod(Valore(vista[0], " 40")), 250 / 1.491463414634146 + 25, 1e-3);
}

TEST(SezioniDxf, StessiByteConLaVirgolaDecimale) {
    const std::string c = Esporta(StratiDefault(), 10.0f, 3);
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    const std::string it = Esporta(StratiDefault(), 10.0f, 3);
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    EXPECT_EQ(it, c);
}
