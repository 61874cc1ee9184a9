// Dimensions of a DXF 2000 file: the measure and its text, the order of the ends, aligned and
// rotated forms, the block and the entity as records, and real readers measuring them.
#include "dxf/QuoteDxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/SinkDxf.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/FileDxf2000.h"
#include "dxf/LettoriProva.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/TratteggioDxf.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A writer context on string streams at k = 1, 1:50 (F = 2), the slab at the origin.
struct Banco {
    GlobaliProva stato;
    ContestoDxf c;
    std::stringstream e, b;
    Banco() {
        ImpostaDefault();
        Imp.UnitaPerCm = 1;
        Imp.FattoreDxf = 2;
        EsportaDxf.OffsetDxfX = EsportaDxf.OffsetDxfY = 0;
        EsportaDxf.FormatoR12 = 0;
        InizializzaDxf(c);
        c.Entita = &e;
        c.Blocchi = &b;
    }
    std::vector<std::vector<Voce>> Entita() const { return Record(Voci(e.str())); }
    std::vector<std::vector<Voce>> Blocchi() const { return Record(Voci(b.str())); }
    void Quota(const EntitaQuota& q) { QuotaDxf(c, "QUOTE", "TESTO_QUOTE", q); }
};

// A general dimension as the plan passes it: arrows, one decimal, text 20 k.
EntitaQuota Generale(float X1, float Y1, float X2, float Y2, float XP1, float YP1, float XP2, float YP2) {
    EntitaQuota q;
    q.LayerQuota = 8;
    q.LayerTesto = 18;
    q.Decimali = 1;
    q.AltezzaTesto = 20;
    q.Fattore = 1;
    q.Tipo = 0;
    q.X1 = X1, q.Y1 = Y1, q.X2 = X2, q.Y2 = Y2;
    q.XP1 = XP1, q.YP1 = YP1, q.XP2 = XP2, q.YP2 = YP2;
    q.FattoreCoordinate = 2;
    q.Divisore = 1;
    q.Stile = "SC50";
    return q;
}

// Measured points on y = 0, the dimension line 60 cm below them.
EntitaQuota Orizzontale(float x0, float x1) { return Generale(x0, -60, x1, -60, x0, 0, x1, 0); }

EntitaQuota Ferro(float x0, float x1) {
    EntitaQuota q = Orizzontale(x0, x1);
    q.Tipo = 1;
    q.Stile = "Ferri50";
    return q;
}

std::vector<std::vector<Voce>> DiTipo(const std::vector<std::vector<Voce>>& rec, const std::string& tipo) {
    std::vector<std::vector<Voce>> r;
    for (const auto& x : rec)
        if (x[0].Valore == tipo) r.push_back(x);
    return r;
}

double Num(const std::vector<Voce>& rec, const std::string& codice) { return std::stod(Valore(rec, codice)); }

// The items of a record after the one whose code line is `codice`.
std::vector<Voce> Dopo(const std::vector<Voce>& rec, const std::string& codice) {
    for (size_t i = 0; i < rec.size(); ++i)
        if (rec[i].Codice == codice) return {rec.begin() + static_cast<long>(i) + 1, rec.end()};
    return {};
}

}  // namespace

TEST(QuotaDxf, MisuraTestoEPosizioneDelTesto) {
    const struct Caso {
        const char* nome;
        EntitaQuota q;
        const char* testo;
        float distanzaTesto;  // DXF units from the line, left of it
        const char* attacco;
    } casi[] = {
        {"250.04", Orizzontale(0, 250.04f), "250", 4, "     8"},
        {"250.46", Orizzontale(0, 250.46f), "250.5", 4, "     8"},
        {"99.96", Orizzontale(0, 99.96f), "100", 4, "     8"},
        {"250.9 keeps its decimal", Orizzontale(0, 250.9f), "250.9", 4, "     8"},
        {"250.1", Orizzontale(0, 250.1f), "250.1", 4, "     8"},
        {"25.5 is shorter than its text", Orizzontale(0, 25.5f), "25.5", 18, "     8"},
        {"50 is longer than its text", Orizzontale(0, 50), "50", 4, "     8"},
        {"bar length without decimals", Ferro(0, 523.6f), "524", 0, "     5"},
        {"bar length 250.46", Ferro(0, 250.46f), "250", 0, "     5"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Banco b;
        b.Quota(k.q);
        const auto testi = DiTipo(b.Blocchi(), "MTEXT");
        ASSERT_EQ(testi.size(), 1u);
        EXPECT_EQ(Valore(testi[0], "  1"), k.testo);
        EXPECT_EQ(Valore(testi[0], " 71"), k.attacco);
        EXPECT_EQ(Valore(testi[0], "  8"), "TESTO_QUOTE");
        EXPECT_NEAR(Num(testi[0], " 20") - (-120), k.distanzaTesto, 1e-5);
        EXPECT_NEAR(Num(testi[0], " 10"), (k.q.X1 + k.q.X2), 1e-4) << "centred on the line";
        const auto dim = DiTipo(b.Entita(), "DIMENSION");
        ASSERT_EQ(dim.size(), 1u);
        // The entity carries the block's text, and the middle of it: readers that draw the
        // dimension again centre the text there.
        EXPECT_EQ(Valore(dim[0], "  1"), k.testo);
        EXPECT_EQ(Valore(dim[0], " 11"), Valore(testi[0], " 10"));
        EXPECT_NEAR(Num(dim[0], " 21") - Num(testi[0], " 20"), k.q.Tipo == 0 ? 10 : 0, 1e-5);
        // Arrows: the line stops k x m short of each end; none without arrows.
        const auto linee = DiTipo(b.Blocchi(), "LINE");
        const bool frecce = k.q.Tipo == 0;
        ASSERT_EQ(linee.size(), frecce ? 1u : 0u);
        if (frecce) {
            EXPECT_NEAR(Num(linee[0], " 10"), 1, 1e-6);
            EXPECT_NEAR(Num(linee[0], " 11"), 2 * k.q.X2 - 1, 1e-4);
        }
        for (const auto& ins : DiTipo(b.Blocchi(), "INSERT"))
            EXPECT_EQ(Valore(ins, "2"), frecce ? "_FRECCIAMERANTO" : "_None");
    }
}

TEST(QuotaDxf, LaScalaDelleFrecceAccorciaLaLinea) {
    Banco b;
    Imp.UnitaPerCm = 0.5f;
    Imp.FattoreDxf = 1;
    EntitaQuota q = Orizzontale(0, 100);
    q.Fattore = 2.5f;  // s = k m = 1.25
    b.Quota(q);
    const auto linee = DiTipo(b.Blocchi(), "LINE");
    ASSERT_EQ(linee.size(), 1u);
    EXPECT_EQ(Valore(linee[0], " 10"), "1.25000000");
    EXPECT_EQ(Valore(linee[0], " 11"), "98.75000000");
    for (const auto& ins : DiTipo(b.Blocchi(), "INSERT"))
        for (const char* c : {"41", "42", "43"}) EXPECT_EQ(Valore(ins, c), "1.25000000");
    // The text 4 k above the line: 100 units long against "100" of 3 x 20.
    EXPECT_NEAR(Num(DiTipo(b.Blocchi(), "MTEXT")[0], " 20") - (-60), 2, 1e-6);
}

TEST(QuotaDxf, NienteSottoIlPassoDiArrotondamento) {
    EntitaQuota corta = Orizzontale(100, 100.00004f);
    EntitaQuota divisore = Orizzontale(0, 100);
    divisore.Divisore = 0;
    EntitaQuota nan = Orizzontale(0, 100);
    nan.YP2 = std::nanf("");
    for (const EntitaQuota& q : {corta, divisore, nan}) {
        Banco b;
        b.Quota(q);
        EXPECT_TRUE(b.e.str().empty());
        EXPECT_TRUE(b.b.str().empty());
        EXPECT_EQ(NuovoHandle(b.c), "20") << "no handle taken";
        EXPECT_EQ(NomeBloccoQuota(b.c), "*D0") << "no block name taken";
        EXPECT_TRUE(b.c.HandleBlocchiD.empty());
    }
}

TEST(QuotaDxf, BloccoEdEntitaComeRecord) {
    Banco b;
    b.Quota(Orizzontale(0, 50));
    const std::vector<Voce> blocco = {
        {"  0", "BLOCK"}, {"  5", "22"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "QUOTE"},
        {"100", "AcDbBlockBegin"}, {"  2", "*D0"}, {" 70", "     1"}, {" 10", "0.0"}, {" 20", "0.0"},
        {" 30", "0.0"}, {"  3", "*D0"}, {"  1", ""},
        {"  0", "LINE"}, {"  5", "23"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "QUOTE"},
        {" 62", "     0"}, {"370", "    -2"}, {"100", "AcDbLine"}, {" 10", "1.00000000"},
        {" 20", "-120.00000000"}, {" 30", "0.0"}, {" 11", "99.00000000"}, {" 21", "-120.00000000"},
        {" 31", "0.0"},
        {"0", "INSERT"}, {"5", "24"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "QUOTE"}, {"62", "     0"},
        {"370", "    -2"}, {"100", "AcDbBlockReference"}, {"2", "_FRECCIAMERANTO"}, {"10", "0.00000000"},
        {"20", "-120.00000000"}, {"30", "0.0"}, {"41", "1.00000000"}, {"42", "1.00000000"},
        {"43", "1.00000000"}, {"50", "180.00000000"},
        {"0", "INSERT"}, {"5", "25"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "QUOTE"}, {"62", "     0"},
        {"370", "    -2"}, {"100", "AcDbBlockReference"}, {"2", "_FRECCIAMERANTO"}, {"10", "100.00000000"},
        {"20", "-120.00000000"}, {"30", "0.0"}, {"41", "1.00000000"}, {"42", "1.00000000"},
        {"43", "1.00000000"}, {"50", "0.00000000"},
        {"  0", "MTEXT"}, {"  5", "26"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "TESTO_QUOTE"},
        {" 62", "     0"}, {"100", "AcDbMText"}, {" 10", "50.00000000"}, {" 20", "-116.00000000"}, {" 30", "0.0"},
        {" 40", "20.00000000"}, {" 41", "0.0"}, {" 50", "0.00000000"}, {" 71", "     8"}, {" 72", "     1"},
        {"  1", "50"}, {" 73", "     1"}, {" 44", "1.0"}, {"1001", "ACAD"}, {"1000", "MTEXTBEGIN"},
        {"1070", "    73"}, {"1070", "     1"}, {"1070", "    44"}, {"1040", "1.0"}, {"1070", "    74"},
        {"1070", "     0"}, {"1000", "MTEXTEND"},
        {"  0", "POINT"}, {"  5", "27"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "DEFPOINTS"},
        {" 62", "    0"}, {"100", "AcDbPoint"}, {" 10", "0.00000000"}, {" 20", "-120.00000000"}, {" 30", "0.0"},
        {"  0", "POINT"}, {"  5", "28"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "DEFPOINTS"},
        {" 62", "    0"}, {"100", "AcDbPoint"}, {" 10", "100.00000000"}, {" 20", "-120.00000000"}, {" 30", "0.0"},
        {"  0", "POINT"}, {"  5", "29"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "DEFPOINTS"},
        {" 62", "    0"}, {"100", "AcDbPoint"}, {" 10", "100.00000000"}, {" 20", "-120.00000000"}, {" 30", "0.0"},
        {"  0", "ENDBLK"}, {"  5", "2A"}, {"330", "21"}, {"100", "AcDbEntity"}, {"  8", "0"},
        {"100", "AcDbBlockEnd"},
    };
    EXPECT_EQ(Voci(b.b.str()), blocco);
    const std::vector<Voce> entita = {
        {"  0", "DIMENSION"}, {"5", "20"}, {"330", "19"}, {"100", "AcDbEntity"}, {"  8", "QUOTE"},
        {"100", "AcDbDimension"}, {"  2", "*D0"}, {" 10", "100.00000000"}, {" 20", "-120.00000000"},
        {" 30", "0.0"}, {" 11", "50.00000000"}, {" 21", "-106.00000000"}, {" 31", "0.0"}, {" 70", "    33"},
        {" 71", "     5"}, {"  1", "50"}, {"  3", "SC50"}, {"100", "AcDbAlignedDimension"}, {" 13", "0.00000000"},
        {" 23", "-120.00000000"}, {" 33", "0.0"}, {" 14", "100.00000000"}, {" 24", "-120.00000000"}, {" 34", "0.0"},
    };
    EXPECT_EQ(Voci(b.e.str()), entita);
    EXPECT_EQ(b.c.HandleBlocchiD, std::vector<std::string>{"21"});
    EXPECT_TRUE(b.e.str().ends_with("\r\n"));
}

TEST(QuotaDxf, OrdineDegliEstremiEAngoli) {
    const struct Caso {
        const char* nome;
        EntitaQuota q;
        std::vector<Voce> punti;   // " 10", " 13", " 14" of the entity: the measured points at the line's ends
        const char* tipo;          // " 70"
        const char* angolo;        // " 50" of the entity, nullptr for none
        const char* rotazioni[2];  // of the INSERTs at P0' and P1'
        const char* angoloTesto;
    } casi[] = {
        {"right to left", Orizzontale(300, 50),
         {{" 10", "600.00000000"}, {" 13", "100.00000000"}, {" 23", "-120.00000000"}, {" 14", "600.00000000"},
          {" 24", "-120.00000000"}},
         "    33", nullptr, {"180.00000000", "0.00000000"}, "0.00000000"},
        {"vertical, top to bottom", Generale(-60, 100, -60, 0, 0, 100, 0, 0),
         {{" 10", "-120.00000000"}, {" 13", "-120.00000000"}, {" 23", "0.00000000"}, {" 14", "-120.00000000"},
          {" 24", "200.00000000"}},
         "    33", nullptr, {"270.00000000", "90.00000000"}, "90.00000000"},
        {"vertical, points at different offsets", Generale(-60, 0, -60, 100, 0, 0, 30, 100),
         {{" 10", "-120.00000000"}, {" 13", "-120.00000000"}, {" 23", "0.00000000"}, {" 14", "-120.00000000"},
          {" 24", "200.00000000"}},
         "    32", "90.00000000", {"270.00000000", "90.00000000"}, "90.00000000"},
        {"equal offsets on opposite sides", Generale(0, 50, 100, 50, 0, 0, 100, 100),
         {{" 10", "200.00000000"}, {" 13", "0.00000000"}, {" 23", "100.00000000"}, {" 14", "200.00000000"},
          {" 24", "100.00000000"}},
         "    32", "0.00000000", {"180.00000000", "0.00000000"}, "0.00000000"},
        {"slanted, right to left", Generale(276, 282, 76, 132, 300, 250, 100, 100),
         {{" 10", "552.00000000"}, {" 13", "152.00000000"}, {" 23", "264.00000000"}, {" 14", "552.00000000"},
          {" 24", "564.00000000"}},
         "    33", nullptr, {"216.86990356", "36.86989594"}, "36.86989594"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Banco b;
        b.Quota(k.q);
        const auto dim = DiTipo(b.Entita(), "DIMENSION");
        ASSERT_EQ(dim.size(), 1u);
        for (const Voce& v : k.punti) EXPECT_EQ(Valore(dim[0], v.Codice), v.Valore) << v.Codice;
        EXPECT_EQ(Valore(dim[0], " 70"), k.tipo);
        std::vector<Voce> coda = {{" 34", "0.0"}};
        if (k.angolo) coda = {{" 34", "0.0"}, {" 50", k.angolo}, {"100", "AcDbRotatedDimension"}};
        const auto dopo33 = Dopo(dim[0], " 33");
        ASSERT_GE(dopo33.size(), 3u);
        EXPECT_EQ(std::vector<Voce>(dopo33.begin() + 2, dopo33.end()), coda);
        const auto ins = DiTipo(b.Blocchi(), "INSERT");
        ASSERT_EQ(ins.size(), 2u);
        EXPECT_EQ(Valore(ins[0], "50"), k.rotazioni[0]);
        EXPECT_EQ(Valore(ins[1], "50"), k.rotazioni[1]);
        // The INSERT at P0' lies at the lower left end.
        EXPECT_LE(Num(ins[0], "10") + Num(ins[0], "20"), Num(ins[1], "10") + Num(ins[1], "20"));
        const auto testo = DiTipo(b.Blocchi(), "MTEXT")[0];
        EXPECT_EQ(Valore(testo, " 50"), k.angoloTesto);
        // The text's middle, half its height off the line from its foot.
        const double a = Num(testo, " 50") * std::acos(-1.0) / 180;
        EXPECT_NEAR(Num(dim[0], " 11") - Num(testo, " 10"), -10 * std::sin(a), 1e-4);
        EXPECT_NEAR(Num(dim[0], " 21") - Num(testo, " 20"), 10 * std::cos(a), 1e-4);
        // The last definition point is the entity's " 10".
        const auto punti = DiTipo(b.Blocchi(), "POINT");
        ASSERT_EQ(punti.size(), 3u);
        EXPECT_EQ(Valore(punti[2], " 10"), Valore(dim[0], " 10"));
        EXPECT_EQ(Valore(punti[0], " 10"), Valore(dim[0], " 13"));
        EXPECT_EQ(Valore(punti[1], " 10"), Valore(dim[0], " 14"));
    }
}

TEST(QuotaDxf, DueQuoteDopoITratteggiNeiRecordDeiBlocchi) {
    Banco b;
    TratteggioBloccoDxf(b.c, false, {{0, 0}, {30, 0}, {30, 30}, {0, 30}}, 5, 45, -1, "TRATTEGGI", 0);
    b.Quota(Orizzontale(0, 100));
    b.Quota(Generale(-60, 0, -60, 100, 0, 0, 0, 100));
    const auto dim = DiTipo(b.Entita(), "DIMENSION");
    ASSERT_EQ(dim.size(), 2u);
    EXPECT_EQ(Valore(dim[0], "  2"), "*D0");
    EXPECT_EQ(Valore(dim[1], "  2"), "*D1");
    // The entity's handle comes first, then its block record's.
    ASSERT_EQ(b.c.HandleBlocchiD.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(std::stoi(b.c.HandleBlocchiD[i], nullptr, 16), std::stoi(Valore(dim[i], "5"), nullptr, 16) + 1);
        const auto blocchi = RecordDi(Voci(b.b.str()), "BLOCK", "*D" + std::to_string(i));
        ASSERT_EQ(blocchi.size(), 1u);
        EXPECT_EQ(Valore(blocchi[0], "330"), b.c.HandleBlocchiD[i]);
    }
    std::stringstream corpo, file;
    ASSERT_TRUE(AssemblaDxf2000(b.c, NumLayer, StratiDefault(), 1, corpo, file));
    std::vector<std::string> nomi;
    for (const auto& r : RecordDi(SezioneDi(Voci(file.str()), "TABLES"), "BLOCK_RECORD")) nomi.push_back(Valore(r, "  2"));
    EXPECT_EQ(nomi, (std::vector<std::string>{"*Model_Space", "*Paper_Space", "_FRECCIAMERANTO", "_NOFRECCIA", "_None",
                                              "*X0", "*D0", "*D1"}));
}

// A layer the pass does not draw comes as an empty name: without the text's layer the dimension
// keeps its lines and suppresses its measure; without the lines' layer the measure stands alone,
// the same MTEXT in the model space, and no block is made.
TEST(QuotaDxf, UnLayerSpentoTogliSoloLaSuaParte) {
    {
        Banco b;
        b.Quota(Orizzontale(0, 50));
        const auto dim = DiTipo(b.Entita(), "DIMENSION");
        ASSERT_EQ(dim.size(), 1u);
        EXPECT_EQ(Valore(dim[0], "  1"), "50");
        ASSERT_EQ(DiTipo(b.Blocchi(), "MTEXT").size(), 1u);
    }
    {
        Banco b;
        QuotaDxf(b.c, "QUOTE", "", Orizzontale(0, 50));
        const auto dim = DiTipo(b.Entita(), "DIMENSION");
        ASSERT_EQ(dim.size(), 1u);
        EXPECT_EQ(Valore(dim[0], "  1"), " ");
        EXPECT_TRUE(DiTipo(b.Blocchi(), "MTEXT").empty());
        EXPECT_EQ(DiTipo(b.Blocchi(), "LINE").size(), 1u);
        EXPECT_EQ(DiTipo(b.Blocchi(), "INSERT").size(), 2u);
    }
    {
        Banco b;
        Banco completa;
        completa.Quota(Orizzontale(0, 50));
        QuotaDxf(b.c, "", "TESTO_QUOTE", Orizzontale(0, 50));
        EXPECT_TRUE(b.b.str().empty());
        EXPECT_EQ(b.c.NumBlocchiD, 0);
        ASSERT_EQ(b.Entita().size(), 1u);
        auto sola = b.Entita()[0];
        auto nelBlocco = DiTipo(completa.Blocchi(), "MTEXT").at(0);
        EXPECT_EQ(Valore(sola, "330"), "19");
        // The same text, at the same place, on the same layer.
        for (const char* codice : {"  8", " 10", " 20", " 40", " 50", " 71", "  1"})
            EXPECT_EQ(Valore(sola, codice), Valore(nelBlocco, codice)) << codice;
    }
    {
        Banco b;
        QuotaDxf(b.c, "", "", Orizzontale(0, 50));
        EXPECT_TRUE(b.e.str().empty());
        EXPECT_TRUE(b.b.str().empty());
    }
}

TEST(QuotaDxf, LoScrittoreR12NonScriveEntitaQuota) {
    Banco b;
    ScrittoreDxf r12(b.c, true), d2000(b.c);
    r12.QuotaDxf("QUOTE", "TESTO_QUOTE", Orizzontale(0, 100));
    EXPECT_TRUE(b.e.str().empty());
    EXPECT_TRUE(b.b.str().empty());
    d2000.QuotaDxf("QUOTE", "TESTO_QUOTE", Orizzontale(0, 100));
    EXPECT_EQ(DiTipo(b.Entita(), "DIMENSION").size(), 1u);
}

namespace {

// Dimensions of a sheet as the plan draws them, with the texts they must show: general ones
// horizontal (both ways), vertical, slanted, vertical between points at different offsets,
// short and long; bar lengths horizontal, vertical and slanted.
std::vector<std::string> QuoteProva(int scala50, int uscita) {
    DisQuotaLin(0, -60, 250.04f, -60, 0, 0, 250.04f, 0, scala50, uscita);
    DisQuotaLin(750.5f, -60, 500.04f, -60, 750.5f, 0, 500.04f, 0, scala50, uscita);
    DisQuotaLin(-60, 0, -60, 100, 0, 0, 0, 100, scala50, uscita);
    DisQuotaLin(-120, 100, -120, 200, 0, 100, 30, 200, scala50, uscita);
    DisQuotaLin(76, 132, 276, 282, 100, 100, 300, 250, scala50, uscita);
    DisQuotaLin(0, -200, 25.5f, -200, 0, -150, 25.5f, -150, scala50, uscita);
    DisQuotaLin(100, -200, 199.96f, -200, 100, -150, 199.96f, -150, scala50, uscita);
    DisQuotaFerri(0, 400, 523.6f, 400, 1, 1, 9, uscita);
    DisQuotaFerri(700, 400, 700, 100, 0, 1, 9, uscita);
    DisQuotaFerri(800, 100, 1100, 500, 1, 1, 9, uscita);
    return {"250", "250.5", "100", "100", "250", "25.5", "100", "524", "300", "500"};
}

std::string VoceQuote(const std::string& file, const std::vector<std::string>& testi) {
    std::string v = VoceElenco(file, Strati, Imp.UnitaPerCm);
    v.pop_back();
    v += ",\"quote\":[";
    for (size_t i = 0; i < testi.size(); ++i) v += (i ? "," : "") + Json(testi[i]);
    return v + "]}";
}

}  // namespace

TEST(QuotaDxf, ILettoriMisuranoCioCheIlBloccoScrive) {
    CartellaTemp t;
    std::vector<std::string> voci;
    for (int scala50 : {1, 0}) {
        GlobaliProva stato;
        PiattaformaProva p;
        ImpostaDefault();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        Imp.UnitaPerCm = 1;
        Imp.FattoreDxf = scala50 ? 2.0f : 1.0f;
        Vista.Scala50Corrente = scala50;
        EsportaDxf.OffsetDxfX = 1500;
        EsportaDxf.OffsetDxfY = 0;
        EsportaDxf.FormatoR12 = 0;
        const std::string file = t / (scala50 ? "quote50.dxf" : "quote100.dxf");
        std::vector<std::string> testi;
        ASSERT_TRUE(SalvaDxf2000(file, [&] { testi = QuoteProva(scala50, 1); }));
        EXPECT_TRUE(p.Msg.Visti.empty());
        voci.push_back(VoceQuote(file, testi));
    }
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t, voci, rapporto), 0) << rapporto;
}

TEST(QuotaDxf, LibreCadDisegnaLeQuote) {
    if (!std::filesystem::exists("/usr/bin/librecad")) GTEST_SKIP() << "LibreCAD non installato";
    if (!std::filesystem::exists("/usr/bin/pdftoppm")) GTEST_SKIP() << "pdftoppm non installato";
    CartellaTemp t;
    GlobaliProva stato;
    PiattaformaProva p;
    ImpostaDefault();
    Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
    Vista.Scala50Corrente = 1;
    EsportaDxf.OffsetDxfX = 1500;
    ASSERT_TRUE(SalvaDxf2000(t / "quote.dxf", [] { QuoteProva(1, 1); }));
    std::string errore;
    const long scuri = PixelScuriLibreCad(t, t / "quote.dxf", errore);
    ASSERT_GE(scuri, 0) << errore;
    EXPECT_GT(scuri, 500) << "the page is blank";
}

// Readers that draw dimensions again take their settings from the header: it names the style of
// the general dimensions written, else of the bar lengths, else the one the export's scale gives,
// and carries that style's settings at the file's units.
TEST(QuotaDxf, LIntestazioneHaLoStileDelleQuote) {
    const struct Caso {
        const char* nome;
        std::vector<const char*> stili;  // of the dimensions written, in order
        const char* scala;               // the general dimensions' style at the export's scale
        float k;
        const char* stile;
        const char* lfac;
        const char* tad;
        const char* dec;
        const char* blocco;
    } casi[] = {
        {"no dimension at 1:50", {}, "SC50", 1, "SC50", "0.5", "     1", "     1", "_FRECCIAMERANTO"},
        {"no dimension at 1:100", {}, "SC100", 1, "SC100", "1.00000000", "     1", "     1", "_FRECCIAMERANTO"},
        {"bar lengths, then general ones", {"Ferri100", "SC100"}, "SC50", 1, "SC100", "1.00000000", "     1",
         "     1", "_FRECCIAMERANTO"},
        {"general ones, then bar lengths", {"SC100", "Ferri100"}, "SC50", 1, "SC100", "1.00000000", "     1",
         "     1", "_FRECCIAMERANTO"},
        {"bar lengths alone", {"Ferri50"}, "SC50", 1, "Ferri50", "0.5", "     0", "     0", "_None"},
        {"1 mm = 100 units", {"SC50"}, "SC50", 10, "SC50", "0.05000000", "     1", "     1", "_FRECCIAMERANTO"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Banco b;
        b.c.StileQuoteScala = k.scala;
        for (size_t i = 0; i < k.stili.size(); ++i) {
            EntitaQuota q = std::string(k.stili[i]).starts_with("Ferri") ? Ferro(0, 100) : Orizzontale(0, 100);
            q.Stile = k.stili[i];
            b.Quota(q);
        }
        std::stringstream corpo, file;
        ASSERT_TRUE(AssemblaDxf2000(b.c, NumLayer, StratiDefault(), k.k, corpo, file));
        const auto testa = SezioneDi(Voci(file.str()), "HEADER");
        auto valore = [&](const char* nome) {
            const auto it = std::find(testa.begin(), testa.end(), Voce{"  9", nome});
            return it == testa.end() || it + 1 == testa.end() ? std::string("?") : (it + 1)->Valore;
        };
        EXPECT_EQ(valore("$DIMSTYLE"), k.stile);
        EXPECT_EQ(valore("$DIMLFAC"), k.lfac);
        EXPECT_EQ(valore("$DIMTAD"), k.tad);
        EXPECT_EQ(valore("$DIMDEC"), k.dec);
        EXPECT_EQ(valore("$DIMBLK"), k.blocco);
        EXPECT_EQ(valore("$DIMSCALE"), "1.0");
        EXPECT_EQ(std::stod(valore("$DIMTXT")), 20 * k.k);
        EXPECT_EQ(std::stod(valore("$DIMASZ")), k.k);
        EXPECT_EQ(std::stod(valore("$DIMGAP")), 5 * k.k);
        // The style's own record says the same.
        const auto stile = RecordDi(SezioneDi(Voci(file.str()), "TABLES"), "DIMSTYLE", k.stile);
        ASSERT_EQ(stile.size(), 1u);
        EXPECT_EQ(std::stod(Valore(stile[0], "144")), std::stod(valore("$DIMLFAC")));
        EXPECT_EQ(std::stod(Valore(stile[0], "140")), std::stod(valore("$DIMTXT")));
    }
}

// The sheet is laid out by measuring its drawing with the DXF output measured instead of written:
// that measure must be what the file written by the same drawing frames, dimensions with their
// arrows and texts, texts of every alignment and angle, with any layer switched off.
TEST(QuotaDxf, LaMisuraEQuellaDelFileScritto) {
    CartellaTemp t;
    for (int scala50 : {1, 0}) {
        for (int spento : {-1, 8, 18}) {
            SCOPED_TRACE(std::to_string(scala50) + " " + std::to_string(spento));
            GlobaliProva stato;
            PiattaformaProva p;
            ImpostaDefault();
            Strati.VisLayerCorr.fill(1);
            if (spento >= 0) Strati.VisLayerCorr[static_cast<size_t>(spento)] = 0;
            Imp.UnitaPerCm = 1;
            Imp.FattoreDxf = scala50 ? 2.0f : 1.0f;
            Vista.Scala50Corrente = scala50;
            EsportaDxf.OffsetDxfX = 300;
            EsportaDxf.FormatoR12 = 0;
            auto disegno = [&] {
                QuoteProva(scala50, 1);
                DisQuotaLin(-300, 500, -300, 510, -250, 500, -250, 510, scala50, 1);
                DisTesto(-400, 600, "Wide Ø LEGEND", 1, 19, 2, 2, 30, 1);
                DisTesto(-400, -300, "iiii", 0, 19, 1, 0, 0, 1);
                DisCerchio(1300, 600, 25, 2, 0, 1);
            };
            ASSERT_TRUE(SalvaDxf2000(t / "misura.dxf", disegno));
            MisuraDxf misura;
            SinkDxf sink(&misura);
            Piatt.SinkDxf = &sink;
            disegno();
            const auto testa = SezioneDi(Voci(LeggiTutto(t / "misura.dxf")), "HEADER");
            auto valori = [&](const char* nome) {
                const auto it = std::find(testa.begin(), testa.end(), Voce{"  9", nome});
                return std::pair{std::stof((it + 1)->Valore), std::stof((it + 2)->Valore)};
            };
            EXPECT_FLOAT_EQ(misura.Box.XMin, valori("$EXTMIN").first);
            EXPECT_FLOAT_EQ(misura.Box.YMin, valori("$EXTMIN").second);
            EXPECT_FLOAT_EQ(misura.Box.XMax, valori("$EXTMAX").first);
            EXPECT_FLOAT_EQ(misura.Box.YMax, valori("$EXTMAX").second);
        }
    }
}
