#include "design/FerriSezione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "support/GlobaliProva.h"

using namespace vilmor;

namespace {

// B450C, C25/30, default settings: anchorage of d 10 is 52 (lap 104), of d 16 83 (lap 166).
struct Materiali450 {
    prova::GlobaliProva globali;
    Materiali450() {
        Imp = Impostazioni{};
        SettaAcciaio(4);
        SettaCls(4);
    }
};

// Thickness 28, cover 3, direction-1 diffuse diameters 10: hooks of 28 - 6 - 2 = 20.
ParametriFerriSez Parametri() {
    ParametriFerriSez p;
    p.Spessore = 28;
    p.Copriferro = 3;
    p.DiamDiffSup1 = p.DiamDiffInf1 = 10;
    return p;
}

}  // namespace

TEST(FerriSezione, Misure) {
    Materiali450 mat;
    struct Caso {
        float X1, X2;
        int d, ganci;  // ganci: 0 none, 3 both
        float lungMax;
        int atteso;
        bool saltato;
    } casi[] = {
        {0, 0.89f, 10, 0, 600, 0, false},
        {0, 0.9f, 10, 0, 600, 1, false},
        {0, 300, 10, 3, 600, 340, false},    // one bar with two 20 cm hooks
        {0, 1000, 10, 0, 600, 1104, false},  // 600 + 504, lapped by 104
        {0, 620, 10, 0, 600, 724, false},    // 560 + 164: the first bar ends 40 cm early
        {0, 300, 16, 0, 50, 0, true},        // a lap of 166 cannot be made with 50 cm bars
        {0, 300, 10, 0, 0, 0, true},
        {50, 20, 10, 3, 600, 0, false},      // ends the wrong way round
    };
    for (const Caso& c : casi) {
        ParametriFerriSez p = Parametri();
        p.LungMaxFerri = c.lungMax;
        bool saltato = !c.saltato;
        int gi = c.ganci & 1, gf = (c.ganci >> 1) & 1;
        EXPECT_EQ(MisuraFerriSez(p, 0, 0, c.X1, c.X2, c.d, gi, gf, &saltato), c.atteso) << c.X2 << " d " << c.d;
        EXPECT_EQ(saltato, c.saltato) << c.X2;
        FerriSezione f = DividiFerriSez(p, 0, 0, 0, c.X1, c.X2, c.d, gi, gf);
        EXPECT_EQ(f.Totale, c.atteso);
        EXPECT_EQ(f.Saltato, c.saltato);
        EXPECT_EQ(f.Saltato, !f.Motivo.empty());
        int somma = 0;
        for (const BarraSezione& b : f.Barre) {
            int s = 0;
            for (const SegmentoFerro& g : b.Segmenti) s += g.Lunghezza;
            EXPECT_EQ(b.Lunghezza, s);
            somma += b.Lunghezza;
        }
        EXPECT_EQ(somma, f.Totale);
    }
}

TEST(FerriSezione, BarreDiUnTrattoDiviso) {
    Materiali450 mat;
    ParametriFerriSez p = Parametri();
    // 1000 cm, no hooks: 0 - 600 at Y, then from 600 - 104 to the end, 20 cm lower.
    FerriSezione f = DividiFerriSez(p, 0, 0, 50, 0, 1000, 10, 0, 0);
    ASSERT_EQ(f.Barre.size(), 2u);
    EXPECT_EQ(f.Barre[0].Forma, FormaBarra::Intera);
    EXPECT_FLOAT_EQ(f.Barre[0].XS, 0);
    EXPECT_FLOAT_EQ(f.Barre[0].XE, 600);
    EXPECT_FLOAT_EQ(f.Barre[0].Y, 50);
    EXPECT_EQ(f.Barre[0].Lunghezza, 600);
    EXPECT_EQ(f.Barre[1].Forma, FormaBarra::Ultima);
    EXPECT_FLOAT_EQ(f.Barre[1].XS, 496);
    EXPECT_FLOAT_EQ(f.Barre[1].XE, 1000);
    EXPECT_FLOAT_EQ(f.Barre[1].Y, 30);
    EXPECT_EQ(f.Barre[1].Lunghezza, 504);

    // 620 cm: the first bar stops 40 cm early; the last starts one lap before its end, once.
    f = DividiFerriSez(p, 0, 0, 50, 0, 620, 10, 0, 0);
    ASSERT_EQ(f.Barre.size(), 2u);
    EXPECT_EQ(f.Barre[0].Forma, FormaBarra::Accorciata);
    EXPECT_FLOAT_EQ(f.Barre[0].XE, 560);
    EXPECT_FLOAT_EQ(f.Barre[0].YEtichetta, 52);
    EXPECT_EQ(f.Barre[1].Forma, FormaBarra::Ultima);
    EXPECT_FLOAT_EQ(f.Barre[1].XS, 456);
    EXPECT_FLOAT_EQ(f.Barre[1].Y, 30);

    // On the 1:100 sheet the staggered bars lie twice as far apart.
    p.Scala50Corrente = 0;
    f = DividiFerriSez(p, 0, 0, 50, 0, 1000, 10, 0, 0);
    ASSERT_EQ(f.Barre.size(), 2u);
    EXPECT_FLOAT_EQ(f.Barre[1].Y, 10);
}

TEST(FerriSezione, GanciEMagliaUnica) {
    Materiali450 mat;
    ParametriFerriSez p = Parametri();
    // Upper face: hooks downwards, start hook length written above, end hook below.
    FerriSezione f = DividiFerriSez(p, 0, 0, 50, 0, 300, 10, 1, 1);
    ASSERT_EQ(f.Barre.size(), 1u);
    const auto& s = f.Barre[0].Segmenti;
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].Genere, GenereSegmento::Gancio);
    EXPECT_FLOAT_EQ(s[0].Y2, 30);
    EXPECT_EQ(s[0].Sopra, 1);
    EXPECT_EQ(s[1].Genere, GenereSegmento::Barra);
    EXPECT_EQ(s[2].Sopra, 0);
    EXPECT_EQ(f.Barre[0].Forma, FormaBarra::Unica);
    // Lower face: upwards.
    f = DividiFerriSez(p, 0, 1, 50, 0, 300, 10, 1, 1);
    EXPECT_FLOAT_EQ(f.Barre[0].Segmenti[0].Y2, 70);

    // A zone bar's hook is no longer than its anchorage: thickness 80 gives 72, d 10 keeps 52.
    p.Spessore = 80;
    EXPECT_EQ(MisuraFerriSez(p, 3, 0, 0, 300, 10, 1, 1), 300 + 2 * 52);
    EXPECT_EQ(MisuraFerriSez(p, 0, 0, 0, 300, 10, 1, 1), 300 + 2 * 72);

    // Single mesh with bent anchorages: a 5 cm rise and a return of A / 2 - 5 towards the
    // inside of the bar, whatever the face.
    p = Parametri();
    p.MagliaUnica = 1;
    p.PiegaAncoraggio = 1;
    for (int tipo : {0, 1}) {
        f = DividiFerriSez(p, 0, tipo, 0, 100, 400, 10, 1, 1);
        ASSERT_EQ(f.Barre.size(), 1u);
        const auto& g = f.Barre[0].Segmenti;
        ASSERT_EQ(g.size(), 5u);
        EXPECT_FLOAT_EQ(g[1].X2, 100 + 26 - 5) << tipo;
        EXPECT_FLOAT_EQ(g[4].X2, 400 - 26 + 5) << tipo;
        EXPECT_EQ(f.Totale, 300 + 2 * (5 + 21)) << tipo;
    }
    // Without bent anchorages nothing is drawn for the hooks, though they count in the division.
    p.PiegaAncoraggio = 0;
    f = DividiFerriSez(p, 0, 0, 0, 0, 520, 10, 1, 1);  // 520 + 2 x 52 > 600 - 104: divided
    EXPECT_EQ(f.Barre.size(), 2u);
    for (const BarraSezione& b : f.Barre)
        for (const SegmentoFerro& g : b.Segmenti) EXPECT_EQ(g.Genere, GenereSegmento::Barra);
}

// The division always ends: with bars just long enough for the lap, with a huge or non-number run.
TEST(FerriSezione, SempreFinito) {
    Materiali450 mat;
    ParametriFerriSez p = Parametri();
    p.LungMaxFerri = 104 + 80;  // the shortest bar that still divides a d 10 run
    FerriSezione f = DividiFerriSez(p, 0, 0, 0, 0, 3000, 10, 0, 0);
    EXPECT_FALSE(f.Saltato);
    for (const BarraSezione& b : f.Barre) EXPECT_LE(b.Lunghezza, 184);
    p.LungMaxFerri = 104 + 79;
    EXPECT_TRUE(DividiFerriSez(p, 0, 0, 0, 0, 3000, 10, 0, 0).Saltato);
    // The lap must also be shorter than the first bar's allowance after its hook.
    p.LungMaxFerri = 200;
    p.Spessore = 200;  // hooks of 192
    EXPECT_TRUE(DividiFerriSez(p, 0, 0, 0, 0, 3000, 10, 1, 0).Saltato);

    p = Parametri();
    EXPECT_TRUE(DividiFerriSez(p, 0, 0, 0, 0, 1e9f, 10, 0, 0).Saltato);
    EXPECT_EQ(MisuraFerriSez(p, 0, 0, 0, std::numeric_limits<float>::quiet_NaN(), 10, 0, 0), 0);
    p.LungMaxFerri = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(MisuraFerriSez(p, 0, 0, 0, 1000, 10, 0, 0), 0);
}

// Lengths add up in 64 bits: a bar whose pieces together pass the int range keeps the largest
// length, never a wrapped negative one.
TEST(FerriSezione, SommeOltreGliInteri) {
    Materiali450 mat;
    struct {
        const char* nome;
        float spessore, lungMax, campata;
        int ganci;
    } casi[] = {
        {"ganci di altezza assurda", -2147483648.0f, 600, 500, 1},
        {"barra lunghissima con ganci", 28, 1e30f, 3e9f, 1},
        {"ogni pezzo negli interi, la somma oltre", 2000, 1e30f, 2147483000.0f, 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ParametriFerriSez p = Parametri();
        p.Spessore = c.spessore;
        p.LungMaxFerri = c.lungMax;
        FerriSezione f = DividiFerriSez(p, 0, 0, 0, 0, c.campata, 10, c.ganci, c.ganci);
        ASSERT_FALSE(f.Saltato);
        EXPECT_EQ(f.Totale, std::numeric_limits<int>::max());
        for (const BarraSezione& b : f.Barre) EXPECT_EQ(b.Lunghezza, std::numeric_limits<int>::max());
        EXPECT_EQ(MisuraFerriSez(p, 0, 0, 0, c.campata, 10, c.ganci, c.ganci), std::numeric_limits<int>::max());
    }
}

// No piece is longer than the longest bar, whatever the run and the hooks.
TEST(FerriSezione, NessunPezzoOltreIlMassimo) {
    Materiali450 mat;
    ParametriFerriSez p = Parametri();
    for (float lungMax : {300.0f, 600.0f, 1200.0f})
        for (float campata = 1; campata < 3000; campata += 7.3f)
            for (int ganci = 0; ganci < 4; ++ganci) {
                p.LungMaxFerri = lungMax;
                FerriSezione f = DividiFerriSez(p, 0, 0, 0, 0, campata, 10, ganci & 1, ganci >> 1);
                ASSERT_FALSE(f.Saltato);
                for (const BarraSezione& b : f.Barre)
                    EXPECT_LE(b.Lunghezza, lungMax + 1) << lungMax << " " << campata << " " << ganci;
            }
}
