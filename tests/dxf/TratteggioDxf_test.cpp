// Hatching of column outlines: the pieces against an independent clipping of the scan lines,
// the screen output, the DXF 2000 and R12 blocks as records, and real readers placing them.
#include "dxf/TratteggioDxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "base/Formati.h"
#include "drawing/DisGeometria.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/SinkDxf.h"
#include "drawing/SinkVideo.h"
#include "drawing/VociDisegno.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/FileDxf2000.h"
#include "dxf/LettoriProva.h"
#include "dxf/ScrittoriDxf.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// ---- An independent hatch: outlines as unions of rectangles, each scan line clipped ----

struct Rettangolo {
    double X0, Y0, X1, Y1;
};

struct Segmento2 {
    double X1, Y1, X2, Y2;
    double Lunghezza() const { return std::hypot(X2 - X1, Y2 - Y1); }
};

// The pieces of the lines at `gradi` (degrees), `passo` apart from the lowest vertex across
// them, inside the union of the rectangles. The rectangles are closed, but a level line
// (gradi 0) keeps the half-open rule of the plan's scan lines: a rectangle holds [Y0, Y1).
// `righe` receives the number of lines.
std::vector<Segmento2> Riferimento(const std::vector<Rettangolo>& r, const std::vector<Punto>& vertici, double gradi,
                                   double passo, int& righe) {
    const double t = gradi * M_PI / 180, c = std::cos(t), s = std::sin(t);
    double lo = INFINITY, hi = -INFINITY;
    for (const Punto& p : vertici) {
        const double y = p.Y * c - p.X * s;
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    std::vector<Segmento2> out;
    righe = 0;
    for (int k = 0; lo + k * passo < hi - 1e-9; ++k, ++righe) {
        const double q = lo + k * passo;
        // Points of the line: u (cos t, sin t) + q (-sin t, cos t).
        std::vector<std::pair<double, double>> iv;
        for (const Rettangolo& R : r) {
            double a = -INFINITY, b = INFINITY;
            bool vuoto = false;
            auto taglia = [&](double p0, double d, double m0, double m1, bool semiaperto) {
                if (std::fabs(d) < 1e-12) {
                    if (p0 < m0 || (semiaperto ? p0 >= m1 : p0 > m1)) vuoto = true;
                    return;
                }
                double u0 = (m0 - p0) / d, u1 = (m1 - p0) / d;
                if (u0 > u1) std::swap(u0, u1);
                a = std::max(a, u0);
                b = std::min(b, u1);
            };
            taglia(-q * s, c, R.X0, R.X1, false);
            taglia(q * c, s, R.Y0, R.Y1, true);
            if (!vuoto && a <= b) iv.push_back({a, b});
        }
        std::sort(iv.begin(), iv.end());
        std::vector<std::pair<double, double>> uniti;
        for (auto& x : iv) {
            if (!uniti.empty() && x.first <= uniti.back().second + 1e-9) uniti.back().second = std::max(uniti.back().second, x.second);
            else uniti.push_back(x);
        }
        for (auto& [a, b] : uniti)
            if (b - a > 0.01)
                out.push_back({a * c - q * s, a * s + q * c, b * c - q * s, b * s + q * c});
    }
    return out;
}

double Totale(const std::vector<PezzoTratteggio>& p) {
    double t = 0;
    for (const auto& x : p) t += std::hypot(x.X2 - x.X1, x.Y2 - x.Y1);
    return t;
}

// The same segments, in the same order, within 1e-3 cm.
void Uguali(const std::vector<PezzoTratteggio>& p, const std::vector<Segmento2>& r) {
    ASSERT_EQ(p.size(), r.size());
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(p[i].X1, r[i].X1, 1e-3) << i;
        EXPECT_NEAR(p[i].Y1, r[i].Y1, 1e-3) << i;
        EXPECT_NEAR(p[i].X2, r[i].X2, 1e-3) << i;
        EXPECT_NEAR(p[i].Y2, r[i].Y2, 1e-3) << i;
    }
}

const std::vector<Punto> Quadrato = {{0, 0}, {30, 0}, {30, 30}, {0, 30}};
const std::vector<Rettangolo> QuadratoR = {{0, 0, 30, 30}};
// An L: the notch [20, 60] x [20, 60] is outside.
const std::vector<Punto> Elle = {{0, 0}, {60, 0}, {60, 20}, {20, 20}, {20, 60}, {0, 60}};
const std::vector<Rettangolo> ElleR = {{0, 0, 60, 20}, {0, 0, 20, 60}};

// A comb of 60 teeth 5 cm wide on a base 10 cm high: a level line through the teeth crosses
// its outline 120 times.
std::vector<Punto> Pettine() {
    std::vector<Punto> p = {{0, 0}, {595, 0}};
    for (int i = 59; i >= 0; --i) {
        const float x = 10.0f * i;
        p.push_back({x + 5, 50});
        p.push_back({x, 50});
        if (i > 0) {
            p.push_back({x, 10});
            p.push_back({x - 5, 10});
        }
    }
    return p;
}

std::vector<Rettangolo> PettineR() {
    std::vector<Rettangolo> r = {{0, 0, 595, 10}};
    for (int i = 0; i < 60; ++i) r.push_back({10.0 * i, 10, 10.0 * i + 5, 50});
    return r;
}

// The drawers' hatch entry for the life of a test.
struct TratteggioDiProva {
    TratteggioDiProva() { InstallaTratteggioDxf(); }
    ~TratteggioDiProva() { TratteggioDxf = nullptr; }
};

}  // namespace

TEST(LineeTratteggio, ComeUnTaglioIndipendenteDelleRighe) {
    const struct Caso {
        const char* nome;
        std::vector<Punto> poligono;
        std::vector<Rettangolo> rettangoli;
        double gradi, passo;
        int righe;
        size_t pezzi;
        double totale;
    } casi[] = {
        // 42.43 cm across: lines 0, 5, ... 40 from the lowest corner; the first only touches it.
        {"square at 45", Quadrato, QuadratoR, 45, 5, 9, 8, 179.41},
        {"square at 135", Quadrato, QuadratoR, 135, 5, 9, 8, 179.41},
        {"L at 135", Elle, ElleR, 135, 5, 12, 0, -1},
        {"comb, level lines", Pettine(), PettineR(), 0, 7, 8, 2 + 6 * 60, 2990},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        int righe = 0;
        const auto atteso = Riferimento(k.rettangoli, k.poligono, k.gradi, k.passo, righe);
        EXPECT_EQ(righe, k.righe);
        std::vector<PezzoTratteggio> pezzi;
        ASSERT_TRUE(LineeTratteggio(k.poligono, GradiRadianti(static_cast<float>(k.gradi)),
                                    static_cast<float>(k.passo), pezzi));
        Uguali(pezzi, atteso);
        if (k.pezzi) {
            EXPECT_EQ(pezzi.size(), k.pezzi);
        }
        if (k.totale > 0) {
            EXPECT_NEAR(Totale(pezzi), k.totale, 0.01);
        }
        // Every piece runs along the hatch direction.
        for (const auto& p : pezzi) {
            const double a = std::atan2(p.Y2 - p.Y1, p.X2 - p.X1) * 180 / M_PI;
            const double d = std::fmod(a - k.gradi + 720, 180);
            EXPECT_LT(std::min(d, 180 - d), 1e-3);
        }
    }
}

TEST(LineeTratteggio, LIntervalloFuoriDallaElleRestaVuoto) {
    std::vector<PezzoTratteggio> pezzi;
    ASSERT_TRUE(LineeTratteggio(Elle, GradiRadianti(135), 5, pezzi));
    int doppie = 0;
    for (size_t i = 0; i + 1 < pezzi.size(); ++i) {
        // Two pieces of one line: the gap between them crosses the notch.
        const auto& a = pezzi[i];
        const auto& b = pezzi[i + 1];
        if (std::fabs((a.X1 + a.Y1) - (b.X1 + b.Y1)) > 1e-3) continue;
        ++doppie;
        const float xm = (a.X2 + b.X1) / 2, ym = (a.Y2 + b.Y1) / 2;
        EXPECT_TRUE(xm > 20 && ym > 20) << "the gap's midpoint lies in the notch";
    }
    EXPECT_GT(doppie, 0);
    for (const auto& p : pezzi) {
        const float xm = (p.X1 + p.X2) / 2, ym = (p.Y1 + p.Y2) / 2;
        EXPECT_FALSE(xm > 20.001f && ym > 20.001f) << "a piece crosses the notch";
    }
}

TEST(LineeTratteggio, IlPrimoVerticeRipetutoNonCambiaNulla) {
    for (const auto& poligono : {Quadrato, Elle, Pettine()}) {
        auto chiuso = poligono;
        chiuso.push_back(poligono.front());
        for (float gradi : {0.0f, 45.0f, 135.0f, 17.5f}) {
            std::vector<PezzoTratteggio> a, b;
            ASSERT_TRUE(PezziTratteggio(poligono, 5, gradi, -1, a));
            ASSERT_TRUE(PezziTratteggio(chiuso, 5, gradi, -1, b));
            ASSERT_EQ(a.size(), b.size()) << gradi;
            for (size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].X1, b[i].X1);
                EXPECT_EQ(a[i].Y1, b[i].Y1);
                EXPECT_EQ(a[i].X2, b[i].X2);
                EXPECT_EQ(a[i].Y2, b[i].Y2);
            }
        }
    }
}

TEST(LineeTratteggio, IncrociatoAggiungeLeRigheA90Gradi) {
    std::vector<PezzoTratteggio> a, b, tutti;
    ASSERT_TRUE(LineeTratteggio(Quadrato, GradiRadianti(45), 5, a));
    ASSERT_TRUE(LineeTratteggio(Quadrato, GradiRadianti(135), 5, b));
    ASSERT_TRUE(PezziTratteggio(Quadrato, 5, 45, -1, tutti));
    ASSERT_EQ(tutti.size(), a.size() + b.size());
    EXPECT_EQ(tutti.back().X1, b.back().X1);
    ASSERT_TRUE(PezziTratteggio(Quadrato, 5, 45, 0, tutti));
    EXPECT_EQ(tutti.size(), a.size());
    // 315 + 90 turns past 360 and back to 45.
    ASSERT_TRUE(PezziTratteggio(Quadrato, 5, 315, -1, tutti));
    EXPECT_EQ(tutti.size(), 16u);
}

TEST(LineeTratteggio, PassoNonPositivoNonDisegnaNulla) {
    GlobaliProva stato;
    PiattaformaProva p;
    ImpostaDefault();
    Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
    std::stringstream e, b;
    ContestoDxf c;
    InizializzaDxf(c);
    c.Entita = &e;
    c.Blocchi = &b;
    for (float passo : {0.0f, -5.0f, std::nanf(""), INFINITY, 1e-7f}) {
        SCOPED_TRACE(passo);
        std::vector<PezzoTratteggio> pezzi;
        EXPECT_FALSE(PezziTratteggio(Pettine(), passo, 45, -1, pezzi));
        EXPECT_TRUE(pezzi.empty());
        TratteggioPoligono(Quadrato, passo, 45, -1, 22, 0, 0);
        TratteggioBloccoDxf(c, false, Quadrato, passo, 45, -1, "TRATTEGGI", 0);
        TratteggioBloccoDxf(c, true, Quadrato, passo, 45, -1, "TRATTEGGI", 0);
    }
    EXPECT_TRUE(p.SinkVideo.Entita_.empty());
    EXPECT_TRUE(e.str().empty());
    EXPECT_TRUE(b.str().empty());
    EXPECT_EQ(NomeBloccoTratteggio(c), "*X0");
    EXPECT_EQ(NuovoHandle(c), "20");
}

TEST(BaricentroTratteggio, AreaOrientamentoENessunaArea) {
    auto inverso = Elle;
    std::reverse(inverso.begin(), inverso.end());
    auto chiuso = Elle;
    chiuso.push_back(Elle.front());
    // The L: 60 x 20 centred at (30, 10) and 20 x 40 centred at (10, 40).
    const double ax = (1200.0 * 30 + 800.0 * 10) / 2000, ay = (1200.0 * 10 + 800.0 * 40) / 2000;
    for (const auto& p : {Elle, inverso, chiuso}) {
        const Punto g = BaricentroTratteggio(p);
        EXPECT_NEAR(g.X, ax, 1e-4);
        EXPECT_NEAR(g.Y, ay, 1e-4);
    }
    const Punto z = BaricentroTratteggio({{10, 10}, {20, 20}, {30, 30}});
    EXPECT_EQ(z.X, 0);
    EXPECT_EQ(z.Y, 0);
}

TEST(TratteggioPoligono, SulloSchermoColoreELineaDelLayer) {
    for (int stile : {0, 1, 2, 3}) {
        SCOPED_TRACE(stile);
        GlobaliProva stato;
        PiattaformaProva p;
        ImpostaDefault();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        ImpostaColori();
        std::vector<PezzoTratteggio> attesi;
        ASSERT_TRUE(PezziTratteggio(Elle, 5, 45, -1, attesi));
        // The recording sink receives each piece with the layer and the style code.
        TratteggioPoligono(Elle, 5, 45, -1, 22, stile, 0);
        const auto& e = p.SinkVideo.Entita_;
        ASSERT_EQ(e.size(), attesi.size());
        for (size_t i = 0; i < e.size(); ++i) {
            EXPECT_EQ(e[i].Tipo, "Linea");
            EXPECT_EQ(e[i].Num, (std::vector<double>{attesi[i].X1, attesi[i].Y1, attesi[i].X2, attesi[i].Y2, 22,
                                                     double(stile)}));
        }
        // The plan picture draws them in the layer's colour, dotted for styles 1 and 3.
        SinkVideo video;
        Piatt.SinkVideo = &video;
        TratteggioPoligono(Elle, 5, 45, -1, 22, stile, 0);
        const auto linee = p.Video.Di("Linea");
        ASSERT_EQ(linee.size(), attesi.size());
        for (const auto& l : linee) {
            EXPECT_EQ(l.Num[4], Strati.ColoriLayer[22]);
            EXPECT_EQ(l.Num[5], stile == 1 || stile == 3 ? 1 : 0);
        }
        // Measuring draws nothing.
        p.Video.Chiamate.clear();
        TratteggioPoligono(Elle, 5, 45, -1, 22, stile, -1);
        EXPECT_TRUE(p.Video.Chiamate.empty());
    }
}

TEST(TratteggioPoligono, UnAltroSinkDxfRiceveLeLineeInPianta) {
    GlobaliProva stato;
    PiattaformaProva p;
    ImpostaDefault();
    Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
    std::vector<PezzoTratteggio> attesi;
    ASSERT_TRUE(PezziTratteggio(Quadrato, 5, 45, -1, attesi));
    TratteggioPoligono(Quadrato, 5, 45, -1, 22, 3, 1);
    const auto& e = p.SinkDxf.Entita_;
    ASSERT_EQ(e.size(), attesi.size());
    for (size_t i = 0; i < e.size(); ++i)
        EXPECT_EQ(e[i].Num, (std::vector<double>{attesi[i].X1, attesi[i].Y1, attesi[i].X2, attesi[i].Y2, 22, 3}));
}

namespace {

// The drawing state of a DXF pass at 1:50 (F = 2) with the slab shifted, on string streams
// behind the DXF sink.
struct BancoDxf {
    GlobaliProva stato;
    PiattaformaProva p;
    ContestoDxf c;
    std::stringstream e, b;
    ScrittoreDxf scrittore;
    SinkDxf sink;
    explicit BancoDxf(bool r12) : scrittore(c, r12), sink(&scrittore) {
        ImpostaDefault();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        Imp.UnitaPerCm = 1;
        Imp.FattoreDxf = 2;
        EsportaDxf.OffsetDxfX = 100;
        EsportaDxf.OffsetDxfY = 50;
        EsportaDxf.FormatoR12 = r12;
        InizializzaDxf(c);
        c.Entita = &e;
        c.Blocchi = &b;
        Piatt.SinkDxf = &sink;
    }
};

std::string F8(float v) { return FormatNum(v, 8); }

}  // namespace

TEST(TratteggioPoligono, BloccoEInserimentoInDxf2000) {
    BancoDxf d(false);
    // Level lines 10 cm apart across a 30 x 30 square: y = 0, 10, 20; centroid (15, 15).
    TratteggioPoligono(Quadrato, 10, 0, 0, 22, 0, 1);
    TratteggioPoligono(Elle, 5, 45, -1, 22, 1, 1);
    const auto blocchi = Record(Voci(d.b.str()));
    // Block record 20, BLOCK 21, LINEs 22 to 24, ENDBLK 25, INSERT 26; the next block's record 27.
    ASSERT_EQ(d.c.HandleBlocchiX, (std::vector<std::string>{"20", "27"}));
    std::vector<Voce> atteso = {
        {"  0", "BLOCK"}, {"  5", "21"}, {"330", "20"}, {"100", "AcDbEntity"}, {"  8", "TRATTEGGI"},
        {"100", "AcDbBlockBegin"}, {"  2", "*X0"}, {" 70", "     0"}, {" 10", "0.0"}, {" 20", "0.0"},
        {" 30", "0.0"}, {"  3", "*X0"}, {"  1", ""}};
    EXPECT_EQ(blocchi[0], atteso);
    for (int i = 0; i < 3; ++i) {
        const float y = (10.0f * i - 15) * 2;
        atteso = {{"  0", "LINE"}, {"  5", Serie(0x22 + i, 0x22 + i)[0]}, {"330", "20"}, {"100", "AcDbEntity"},
                  {"  8", "TRATTEGGI"}, {"100", "AcDbLine"}, {" 10", F8(-30)}, {" 20", F8(y)}, {" 30", "0.0"},
                  {" 11", F8(30)}, {" 21", F8(y)}, {" 31", "0.0"}};
        EXPECT_EQ(blocchi[static_cast<size_t>(1 + i)], atteso);
    }
    EXPECT_EQ(blocchi[4], (std::vector<Voce>{{"  0", "ENDBLK"}, {"  5", "25"}, {"330", "20"},
                                             {"100", "AcDbEntity"}, {"  8", "0"}, {"100", "AcDbBlockEnd"}}));
    // The second block, flags 0 as well, its lines dashed by the style.
    const auto x1 = RecordDi(Voci(d.b.str()), "BLOCK", "*X1");
    ASSERT_EQ(x1.size(), 1u);
    EXPECT_EQ(Valore(x1[0], " 70"), "     0");
    EXPECT_EQ(Valore(x1[0], "330"), "27");
    for (const auto& l : RecordDi(Voci(d.b.str()), "LINE"))
        EXPECT_EQ(Valore(l, "  6"), Valore(l, "330") == "27" ? "DASHED" : "?");

    const auto inserti = Record(Voci(d.e.str()));
    ASSERT_EQ(inserti.size(), 2u);
    EXPECT_EQ(inserti[0], (std::vector<Voce>{{"0", "INSERT"}, {"  5", "26"},
                                             {"330", "19"}, {"100", "AcDbEntity"}, {"  8", "TRATTEGGI"},
                                             {" 62", "     0"}, {"100", "AcDbBlockReference"}, {"  2", "*X0"},
                                             {" 10", F8(230)}, {" 20", F8(130)}, {" 30", "0.0"}}));
    const Punto g = BaricentroTratteggio(Elle);
    EXPECT_EQ(Valore(inserti[1], "  2"), "*X1");
    EXPECT_EQ(Valore(inserti[1], " 10"), F8(DxfX(g.X)));
    EXPECT_EQ(Valore(inserti[1], " 20"), F8(DxfY(g.Y)));
    EXPECT_TRUE(d.p.SinkDxf.Entita_.empty()) << "nothing through the plain lines";
}

TEST(TratteggioPoligono, BloccoEInserimentoInR12) {
    BancoDxf d(true);
    TratteggioPoligono(Quadrato, 10, 0, 0, 22, 2, 1);
    std::vector<Voce> atteso = {{"  0", "BLOCK"}, {"  8", "0"}, {"  2", "*X0"}, {" 70", "     1"},
                                {" 10", "0.0"},   {" 20", "0.0"}, {" 30", "0.0"}, {"  3", "*X0"}};
    for (int i = 0; i < 3; ++i) {
        const float y = (10.0f * i - 15) * 2;
        atteso.insert(atteso.end(), {{"  0", "LINE"}, {"  8", "TRATTEGGI"}, {"  6", "Continuous"}, {" 10", F8(-30)},
                                     {" 20", F8(y)}, {" 30", "0.0"}, {" 11", F8(30)}, {" 21", F8(y)}, {" 31", "0.0"}});
    }
    atteso.push_back({"  0", "ENDBLK"});
    EXPECT_EQ(Voci(d.b.str()), atteso);
    EXPECT_EQ(Voci(d.e.str()), (std::vector<Voce>{{"0", "INSERT"}, {"  8", "TRATTEGGI"}, {" 62", "     0"},
                                                  {"  2", "*X0"}, {" 10", F8(230)}, {" 20", F8(130)}, {" 30", "0.0"}}));
    EXPECT_EQ(NuovoHandle(d.c), "20") << "no handle taken";
    EXPECT_TRUE(d.c.HandleBlocchiX.empty());
    EXPECT_EQ(NomeBloccoTratteggio(d.c), "*X1");
}

TEST(LineaDxf12, ColoreDelBloccoSenzaSpessore) {
    std::stringstream e, b;
    ContestoDxf c;
    InizializzaDxf(c);
    c.Blocchi = &b;
    LineaDxf12(c, 1, 2, 3, 4.5f, 0, 1, "QUOTE");
    EXPECT_EQ(Voci(b.str()), (std::vector<Voce>{{"  0", "LINE"}, {"  8", "QUOTE"}, {" 62", "     0"},
                                                {" 10", "1.00000000"}, {" 20", "2.00000000"}, {" 30", "0.0"},
                                                {" 11", "3.00000000"}, {" 21", "4.50000000"}, {" 31", "0.0"}}));
}

namespace {

// Two hatched columns, a 40 x 30 rectangle turned by 30 degrees and an L, and one plain
// column between them.
Modello PilastriTratteggiati() {
    Modello m;
    auto poligono = [](int n, std::vector<float> x, std::vector<float> y, int tratteggio) {
        Pilastro c;
        c.Numero = n;
        c.Tratteggio = tratteggio;
        c.NumVertici = static_cast<int>(x.size());
        c.VX = std::move(x);
        c.VY = std::move(y);
        return c;
    };
    m.Soletta.Pilastri = {poligono(1, {290.18f, 324.82f, 309.82f, 275.18f}, {97.01f, 117.01f, 142.99f, 122.99f}, 1),
                          poligono(2, {500, 540, 540, 500}, {100, 100, 140, 140}, 0),
                          poligono(3, {700, 760, 760, 720, 720, 700}, {300, 300, 320, 320, 360, 360}, 1)};
    m.Soletta.NumPilastri = 3;
    return m;
}

// The hatch lines of a screen record, one list per column: the runs of lines on layer 22.
std::vector<std::vector<std::vector<double>>> TratteggiDelloSchermo(const std::vector<Entita>& e) {
    std::vector<std::vector<std::vector<double>>> r;
    bool dentro = false;
    for (const auto& x : e) {
        const bool tratteggio = x.Tipo == "Linea" && x.Num[4] == 22;
        if (tratteggio && !dentro) r.emplace_back();
        if (tratteggio) r.back().push_back({x.Num[0], x.Num[1], x.Num[2], x.Num[3]});
        dentro = tratteggio;
    }
    return r;
}

}  // namespace

TEST(TratteggioPoligono, ILettoriTrovanoLeLineeDelloSchermo) {
    CartellaTemp t;
    GlobaliProva stato;
    PiattaformaProva p;
    TratteggioDiProva entrata;
    ImpostaDefault();
    ImpostaColori();
    Strati.VisLayerCorr.fill(1);
    EsportaDxf.OffsetDxfX = 1500;
    EsportaDxf.OffsetDxfY = 250;
    const Modello m = PilastriTratteggiati();
    DisPilastri(m, 10, -20, -1, 0);
    const auto schermo = TratteggiDelloSchermo(p.SinkVideo.Entita_);
    ASSERT_EQ(schermo.size(), 2u);
    EXPECT_GT(schermo[0].size(), 10u);
    EXPECT_GT(schermo[1].size(), 20u);

    ASSERT_TRUE(SalvaDxf2000(t / "pilastri.dxf", [&] { DisPilastri(m, 10, -20, -1, 1); }));
    EXPECT_TRUE(p.Msg.Visti.empty());
    const auto voci = Voci(LeggiTutto(t / "pilastri.dxf"));
    const auto inserti = RecordDi(SezioneDi(voci, "ENTITIES"), "INSERT");
    ASSERT_EQ(inserti.size(), 2u);
    for (const auto& i : inserti) EXPECT_EQ(Valore(i, "  8"), Strati.NomiLayer[22]);
    EXPECT_EQ(RecordDi(SezioneDi(voci, "BLOCKS"), "BLOCK", "*X0").size(), 1u);
    EXPECT_EQ(RecordDi(SezioneDi(voci, "BLOCKS"), "BLOCK", "*X1").size(), 1u);

    std::string j = "{\"offset\":[1500,250],\"F\":" + JsonNumero(Imp.FattoreDxf) +
                    ",\"layer\":" + Json(Strati.NomiLayer[22]) + ",\"pezzi\":[";
    for (size_t i = 0; i < schermo.size(); ++i) {
        j += i ? ",[" : "[";
        for (size_t k = 0; k < schermo[i].size(); ++k) {
            j += k ? ",[" : "[";
            for (size_t n = 0; n < 4; ++n) j += (n ? "," : "") + JsonNumero(schermo[i][k][n]);
            j += "]";
        }
        j += "]";
    }
    std::string voce = VoceElenco(t / "pilastri.dxf", Strati, Imp.UnitaPerCm);
    voce.pop_back();
    voce += ",\"tratteggi\":" + j + "]}}";
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t, {voce}, rapporto), 0) << rapporto;

    if (std::filesystem::exists("/usr/bin/librecad") && std::filesystem::exists("/usr/bin/pdftoppm")) {
        std::string errore;
        const long scuri = PixelScuriLibreCad(t, t / "pilastri.dxf", errore);
        ASSERT_GE(scuri, 0) << errore;
        EXPECT_GT(scuri, 200) << "the page is blank";
    }
}

TEST(TratteggioPoligono, LEsportazioneTratteggiaAncheSenzaFinestra) {
    CartellaTemp t;
    GlobaliProva stato;
    PiattaformaProva p;
    ImpostaDefault();
    Strati.VisLayerCorr.fill(1);
    ASSERT_EQ(TratteggioDxf, nullptr);
    const Modello m = PilastriTratteggiati();
    ASSERT_TRUE(SalvaDxf2000(t / "a.dxf", [&] { DisPilastri(m, 0, 0, -1, 1); }));
    EXPECT_EQ(RecordDi(SezioneDi(Voci(LeggiTutto(t / "a.dxf")), "ENTITIES"), "INSERT").size(), 2u);
    EXPECT_EQ(TratteggioDxf, nullptr) << "the pass leaves the entry as it found it";
    // An entry already installed stays, and is the one the pass calls.
    int chiamate = 0;
    static int* conta = nullptr;
    conta = &chiamate;
    TratteggioDxf = [](const std::vector<Punto>&, float, float, int, int, int, int) { ++*conta; };
    ASSERT_TRUE(SalvaDxf2000(t / "b.dxf", [&] { DisPilastri(m, 0, 0, -1, 1); }));
    EXPECT_EQ(chiamate, 2);
    EXPECT_TRUE(RecordDi(SezioneDi(Voci(LeggiTutto(t / "b.dxf")), "ENTITIES"), "INSERT").empty());
    TratteggioDxf = nullptr;
}
