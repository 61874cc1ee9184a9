#include "dxf/ScrittoriDxf.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "base/Testo1252.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/TabelleDxf.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A writer context on string streams, with its first handle "20".
struct Flussi {
    ContestoDxf c;
    std::stringstream e, b;
    Flussi() {
        InizializzaDxf(c);
        c.Entita = &e;
        c.Blocchi = &b;
    }
    std::vector<Voce> Entita() const { return Voci(e.str()); }
    std::vector<Voce> Blocchi() const { return Voci(b.str()); }
};

}  // namespace

TEST(NumeroLiberoDxf, CifreMinimeInFormaFissa) {
    const struct {
        float v;
        const char* testo;
    } casi[] = {
        {0.0f, "0"},          {-0.0f, "0"},         {0.5f, "0.5"},      {123.456f, "123.456"},
        {1e7f, "10000000"},   {-2.5e-5f, "-0.000025"}, {-0.75f, "-0.75"}, {100.0f, "100"},
        {1.0f / 3, "0.33333334"}, {16777216.0f, "16777216"}, {3e9f, "3000000000"},
    };
    for (const auto& k : casi) EXPECT_EQ(NumeroLiberoDxf(k.v), k.testo) << k.v;
}

TEST(NumeroLiberoDxf, OgniValoreSiRileggeUguale) {
    std::mt19937 g(7);
    std::uniform_real_distribution<float> mantissa(-1, 1);
    std::uniform_int_distribution<int> esponente(-40, 38);
    std::vector<float> valori = {std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(),
                                 std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min()};
    for (int i = 0; i < 20000; ++i) valori.push_back(std::ldexp(mantissa(g), esponente(g)));
    for (float v : valori) {
        const std::string t = NumeroLiberoDxf(v);
        ASSERT_EQ(t.find_first_of("eE,"), std::string::npos) << t;
        ASSERT_NE(t.find_first_of("0123456789"), std::string::npos) << t;
        if (t.find('.') != std::string::npos) {
            ASSERT_NE(t[t.find('.') - 1], '-') << t;  // a zero before the point
            ASSERT_NE(t.back(), '0') << t;            // no trailing zeros
        }
        float letto = 0;
        auto r = std::from_chars(t.data(), t.data() + t.size(), letto);
        ASSERT_EQ(r.ptr, t.data() + t.size()) << t;
        ASSERT_EQ(letto, v == 0 ? 0.0f : v) << t;
    }
}

TEST(ScrittoriDxf, LineaNelleDueForme) {
    Flussi f;
    LineaDxf(f.c, 0, 0, 100, 50, "QUOTE", 0);
    EXPECT_EQ(f.Entita(), (std::vector<Voce>{{"  0", "LINE"},
                                             {"  5", "20"},
                                             {"330", "19"},
                                             {"100", "AcDbEntity"},
                                             {"  8", "QUOTE"},
                                             {"100", "AcDbLine"},
                                             {" 10", "0"},
                                             {" 20", "0"},
                                             {" 30", "0"},
                                             {" 11", "100"},
                                             {" 21", "50"},
                                             {" 31", "0"}}));
    Flussi r;
    LineaDxf(r.c, 0, 0, 100, 50, "QUOTE", 0, true);
    EXPECT_EQ(r.e.str(), "  0\r\nLINE\r\n  8\r\nQUOTE\r\n 10\r\n0\r\n 20\r\n0\r\n 30\r\n0\r\n"
                         " 11\r\n100\r\n 21\r\n50\r\n 31\r\n0\r\n");
    EXPECT_EQ(NuovoHandle(r.c), "20") << "the R12 form takes no handle";
}

TEST(ScrittoriDxf, TipoDiLineaPerCodiceDiStile) {
    const char* tipi[] = {nullptr, "DASHED", "Continuous", "DASHED2", nullptr};
    for (int stile = 0; stile <= 4; ++stile) {
        for (bool r12 : {false, true}) {
            Flussi f;
            LineaDxf(f.c, 1.5f, -2, 3, 4.25f, "PERIM_SOLETTE", stile, r12);
            CerchioDxf(f.c, -7.5f, 8, 12.5f, "ARM_TAGLIO", stile, r12);
            auto rec = Record(f.Entita());
            ASSERT_EQ(rec.size(), 2u);
            struct Atteso {
                const char* tipo;
                const char* layer;
                const char* sottoclasse;
                std::vector<Voce> coordinate;
            } attesi[] = {
                {"LINE", "PERIM_SOLETTE", "AcDbLine",
                 {{" 10", "1.5"}, {" 20", "-2"}, {" 30", "0"}, {" 11", "3"}, {" 21", "4.25"}, {" 31", "0"}}},
                {"CIRCLE", "ARM_TAGLIO", "AcDbCircle", {{" 10", "-7.5"}, {" 20", "8"}, {" 30", "0"}, {" 40", "12.5"}}},
            };
            for (size_t i = 0; i < 2; ++i) {
                const Atteso& a = attesi[i];
                std::vector<Voce> atteso = {{"  0", a.tipo}};
                if (!r12) atteso.insert(atteso.end(), {{"  5", i == 0 ? "20" : "21"}, {"330", "19"}, {"100", "AcDbEntity"}});
                atteso.push_back({"  8", a.layer});
                if (!r12) atteso.push_back({"100", a.sottoclasse});
                if (tipi[stile]) atteso.push_back({"  6", tipi[stile]});
                atteso.insert(atteso.end(), a.coordinate.begin(), a.coordinate.end());
                EXPECT_EQ(rec[i], atteso) << "stile " << stile << (r12 ? " R12" : " 2000") << " " << a.tipo;
            }
        }
    }
}

TEST(ScrittoriDxf, TestoNelleDueForme) {
    Flussi f;
    TestoDxf(f.c, "TESTO_FERRI", "12 " + std::string(SegnoDiametro) + " 16", 10.5f, -3, 20, 90, 2, 3);
    EXPECT_EQ(f.Entita(), (std::vector<Voce>{{"  0", "TEXT"},
                                             {"  5", "20"},
                                             {"330", "19"},
                                             {"100", "AcDbEntity"},
                                             {"  8", "TESTO_FERRI"},
                                             {"100", "AcDbText"},
                                             {" 10", "10.5"},
                                             {" 20", "-3"},
                                             {" 30", "0.0"},
                                             {" 72", "     2"},
                                             {" 11", "10.5"},
                                             {" 21", "-3"},
                                             {" 31", "0.0"},
                                             {" 40", "20"},
                                             {"  1", "12 \xD8 16"},
                                             {" 50", "90"},
                                             {"100", "AcDbText"},
                                             {" 73", "     3"}}));
    Flussi r;
    TestoDxf(r.c, "TESTO_FERRI", "A", 1, 2, 0.25f, 0, 0, 1, true);
    EXPECT_EQ(r.Entita(), (std::vector<Voce>{{"  0", "TEXT"},
                                             {"  8", "TESTO_FERRI"},
                                             {" 10", "1"},
                                             {" 20", "2"},
                                             {" 30", "0.0"},
                                             {" 72", "     0"},
                                             {" 11", "1"},
                                             {" 21", "2"},
                                             {" 31", "0.0"},
                                             {" 40", "0.25"},
                                             {"  1", "A"},
                                             {" 50", "0"},
                                             {" 73", "     1"}}));
}

TEST(ScrittoriDxf, TestiCheNonSpezzanoLeRighe) {
    const struct {
        std::string dentro, fuori;
    } casi[] = {
        {std::string(SegnoDiametro) + " 12", "\xD8 12"},
        {"a\r\nb", "a  b"},
        {"a\tb\x7F" "c", "a b c"},
        {"a\xC2\x9D" "b", "a b"},                  // a C1 control character
        {"citt\xC3\xA0 \xE2\x82\xAC", "citt\xE0 \x80"},  // 1252 letters stay
        {"\xE4\xB8\xAD", "?"},                     // none in 1252
    };
    for (const auto& k : casi) {
        Flussi f;
        TestoDxf(f.c, "0", k.dentro, 0, 0, 1, 0, 0, 1);
        MTestoDxf(f.c, 0, 0, k.dentro, 0, 1, 1, 5, "0", "2A");
        EXPECT_EQ(Valore(f.Entita(), "  1"), k.fuori) << k.dentro;
        EXPECT_EQ(Valore(f.Blocchi(), "  1"), k.fuori) << k.dentro;
        EXPECT_EQ(Righe(f.e.str()).size(), 36u) << k.dentro;
    }
}

TEST(ScrittoriDxf, IlLayerComeLoScrivonoLeTabelle) {
    for (const std::string nome : {"QUOTE", "PILASTRI_\xC3\x98_citt\xC3\xA0", "A\tB"}) {
        Flussi f;
        std::stringstream tabella;
        f.c.Sezione = &tabella;
        LayerDxf(f.c, nome, 7, "Continuous");
        const std::string scritto = Valore(Voci(tabella.str()), "  2");
        LineaDxf(f.c, 0, 0, 1, 1, nome, 0);
        CerchioDxf(f.c, 0, 0, 1, nome, 0, true);
        TestoDxf(f.c, nome, "t", 0, 0, 1, 0, 0, 1);
        for (const auto& r : Record(f.Entita())) EXPECT_EQ(Valore(r, "  8"), scritto) << r[0].Valore;
        BloccoDxf(f.c, 1, "*D0", nome, "2A");
        LineaBloccoDxf(f.c, 0, 0, 1, 1, 0, 0, nome, "2A");
        MTestoDxf(f.c, 0, 0, "t", 0, 1, 1, 5, nome, "2A");
        for (const auto& r : Record(f.Blocchi())) EXPECT_EQ(Valore(r, "  8"), scritto) << r[0].Valore;
    }
}

TEST(ScrittoriDxf, RecordDeiBlocchi) {
    Flussi f;
    BloccoDxf(f.c, 1, "*D0", "QUOTE", "2A");
    LineaBloccoDxf(f.c, 0, 15, 2.5f, -1, 1, -1, "QUOTE", "2A");
    LineaBloccoDxf(f.c, 0, 0, 1, 1, 0, 0, "TESTO_QUOTE", "2A");
    PuntoDxf(f.c, Punto{3.25f, -4}, "2A");
    MTestoDxf(f.c, 5, 6, "120.5", 90, 20, 1, 8, "TESTO_QUOTE", "2A");
    FineBloccoDxf(f.c, "2A");
    auto rec = Record(f.Blocchi());
    ASSERT_EQ(rec.size(), 6u);
    for (size_t i = 0; i < rec.size(); ++i) {
        ASSERT_GE(rec[i].size(), 4u);
        EXPECT_EQ(rec[i][1], (Voce{"  5", Serie(0x20, 0x25)[i]}));
        EXPECT_EQ(rec[i][2], (Voce{"330", "2A"}));
        EXPECT_EQ(rec[i][3], (Voce{"100", "AcDbEntity"}));
    }
    auto coda = [&](size_t i) { return std::vector<Voce>(rec[i].begin() + 4, rec[i].end()); };
    EXPECT_EQ(rec[0][0].Valore, "BLOCK");
    EXPECT_EQ(coda(0), (std::vector<Voce>{{"  8", "QUOTE"},
                                          {"100", "AcDbBlockBegin"},
                                          {"  2", "*D0"},
                                          {" 70", "     1"},
                                          {" 10", "0.0"},
                                          {" 20", "0.0"},
                                          {" 30", "0.0"},
                                          {"  3", "*D0"},
                                          {"  1", ""}}));
    EXPECT_EQ(coda(1), (std::vector<Voce>{{"  8", "QUOTE"},
                                          {" 62", "     0"},
                                          {"370", "    -2"},
                                          {"100", "AcDbLine"},
                                          {"  6", "DASHED"},
                                          {" 10", "0.00000000"},
                                          {" 20", "15.00000000"},
                                          {" 30", "0.0"},
                                          {" 11", "2.50000000"},
                                          {" 21", "-1.00000000"},
                                          {" 31", "0.0"}}));
    EXPECT_EQ(coda(2), (std::vector<Voce>{{"  8", "TESTO_QUOTE"},
                                          {"100", "AcDbLine"},
                                          {" 10", "0.00000000"},
                                          {" 20", "0.00000000"},
                                          {" 30", "0.0"},
                                          {" 11", "1.00000000"},
                                          {" 21", "1.00000000"},
                                          {" 31", "0.0"}}));
    EXPECT_EQ(rec[3][0].Valore, "POINT");
    EXPECT_EQ(coda(3), (std::vector<Voce>{{"  8", "DEFPOINTS"},
                                          {" 62", "    0"},
                                          {"100", "AcDbPoint"},
                                          {" 10", "3.25000000"},
                                          {" 20", "-4.00000000"},
                                          {" 30", "0.0"}}));
    EXPECT_EQ(rec[4][0].Valore, "MTEXT");
    EXPECT_EQ(coda(4), (std::vector<Voce>{{"  8", "TESTO_QUOTE"},
                                          {" 62", "     0"},
                                          {"100", "AcDbMText"},
                                          {" 10", "5.00000000"},
                                          {" 20", "6.00000000"},
                                          {" 30", "0.0"},
                                          {" 40", "20.00000000"},
                                          {" 41", "0.0"},
                                          {" 50", "90.00000000"},
                                          {" 71", "     8"},
                                          {" 72", "     1"},
                                          {"  1", "120.5"},
                                          {" 73", "     1"},
                                          {" 44", "1.0"},
                                          {"1001", "ACAD"},
                                          {"1000", "MTEXTBEGIN"},
                                          {"1070", "    73"},
                                          {"1070", "     1"},
                                          {"1070", "    44"},
                                          {"1040", "1.0"},
                                          {"1070", "    74"},
                                          {"1070", "     0"},
                                          {"1000", "MTEXTEND"}}));
    EXPECT_EQ(rec[5][0].Valore, "ENDBLK");
    EXPECT_EQ(coda(5), (std::vector<Voce>{{"  8", "0"}, {"100", "AcDbBlockEnd"}}));
    EXPECT_TRUE(f.e.str().empty()) << "block contents go to the block stream only";
}

TEST(ScrittoriDxf, ValoreNonFinitoNonScritto) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Flussi f;
    EXPECT_DEBUG_DEATH(LineaDxf(f.c, 0, nan, 1, 1, "0", 0), "LINE");
    EXPECT_DEBUG_DEATH(CerchioDxf(f.c, 0, 0, inf, "0", 0), "CIRCLE");
    EXPECT_DEBUG_DEATH(TestoDxf(f.c, "0", "t", 0, 0, 1, -inf, 0, 1), "TEXT");
    EXPECT_DEBUG_DEATH(TestoDxf(f.c, "0", "t", 0, 0, nan, 0, 0, 1), "TEXT");
    EXPECT_DEBUG_DEATH(LineaBloccoDxf(f.c, inf, 0, 1, 1, 0, 0, "0", "2A"), "LINE");
    EXPECT_DEBUG_DEATH(PuntoDxf(f.c, Punto{nan, 0}, "2A"), "POINT");
    EXPECT_DEBUG_DEATH(MTestoDxf(f.c, 0, 0, "t", nan, 1, 1, 5, "0", "2A"), "MTEXT");
    EXPECT_EQ(f.e.str(), "");
    EXPECT_EQ(f.b.str(), "");
    EXPECT_EQ(NuovoHandle(f.c), "20") << "no handle taken by a record not written";
}

TEST(ScrittoriDxf, SenzaFlussoNonScriveNulla) {
    ContestoDxf c;
    InizializzaDxf(c);
    LineaDxf(c, 0, 0, 1, 1, "0", 0);
    TestoDxf(c, "0", "t", 0, 0, 1, 0, 0, 1);
    BloccoDxf(c, 1, "*D0", "0", "2A");
    EXPECT_EQ(NuovoHandle(c), "20");
}

// The extents take a text as wide as the font the file names writes it: wide capitals reach
// further than a fixed width per character would, narrow letters less far.
TEST(ScrittoriDxf, IlTestoNelleEstensioniQuantoIlSuoFont) {
    const struct Caso {
        const char* nome;
        const char* testo;
        int oriz;
        float xMin, xMax;
    } casi[] = {
        {"wide capitals, left", "WM", 0, 0, (1933 + 1706) * 10 / 1409.0f},
        {"narrow letters, right", "iiii", 2, -4 * 455 * 10 / 1409.0f, 0},
        {"figures, centred", "900", 1, -1.5f * 1139 * 10 / 1409.0f, 1.5f * 1139 * 10 / 1409.0f},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Flussi f;
        TestoDxf(f.c, "TESTI", k.testo, 0, 0, 10, 0, k.oriz, 1);
        EXPECT_NEAR(f.c.Estensione.XMin, k.xMin, 1e-4);
        EXPECT_NEAR(f.c.Estensione.XMax, k.xMax, 1e-4);
        EXPECT_NEAR(f.c.Estensione.YMax, 12.5f, 1e-4);
    }
}
