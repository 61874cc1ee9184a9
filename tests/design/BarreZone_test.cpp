#include "design/BarreZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Testo1252.h"
#include "design/SoletteBarre.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello ZonaL = {{38, 450}, {497, 450}, {497, 247}, {962, 247}, {962, 100}, {38, 100}};
const Anello ZonaLDir2 = {{100, 497}, {497, 497}, {497, 247}, {900, 247}, {900, 38}, {100, 38}};

int ContaLinee(const SinkRegistrato& s, int layer) {
    int n = 0;
    for (const Entita& e : s.Entita_)
        if (e.Tipo == "Linea" && e.Num[4] == layer) ++n;
    return n;
}

}  // namespace

TEST(BarreZone, Totali) {
    AmbienteBarre amb;
    Modello m = SolettaProva(SolettaL);
    int a = AggiungiZona(m, ZonaL, 0, 0, 12, 20);
    int b = AggiungiZona(m, ZonaLDir2, 0, 1, 12, 20);
    EsitoZona ea = FerriZona(m, a, 0, 0, -1, 1);
    EXPECT_EQ(ea.NumBarre, 18);
    EXPECT_FLOAT_EQ(ea.LungTotale, 12478);  // 8 bars of 924 (600 + 390 with a lap of 62), 10 of 459
    EXPECT_EQ(ea.Etichetta1, std::string("18") + SegnoDiametro + "12/20");
    EXPECT_EQ(ea.Etichetta2, "L var. min.459, max.600+390");
    EsitoZona eb = FerriZona(m, b, 0, 0, -1, 1);
    EXPECT_EQ(eb.NumBarre, 41);
    EXPECT_FLOAT_EQ(eb.LungTotale, 13569);
    EXPECT_FALSE(ea.Saltata || eb.Saltata);

    CalcolaFerriZone(m, 0, 0, 0, -1);
    EXPECT_FLOAT_EQ(m.Zone.Zone[a].LungTotale, 12478);
    EXPECT_FLOAT_EQ(m.Zone.Zone[b].LungTotale, 13569);

    Modello r = SolettaProva(Rettangolo400x300);
    int z = AggiungiZona(r, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 1, 0, 12, 20);
    CalcolaFerriZone(r, 0, 0, 1, -1);
    EXPECT_FLOAT_EQ(r.Zone.Zone[z].LungTotale, 1944);
    // All bars alike: the length part is short enough to join the first label.
    EsitoZona e = FerriZona(r, z, 0, 0, -1, 1);
    EXPECT_EQ(e.Etichetta1, std::string("6") + SegnoDiametro + "12/20 L=324");
    EXPECT_EQ(e.Etichetta2, "");
    e = FerriZona(r, z, 0, 0, -1, 0);
    EXPECT_EQ(e.Etichetta1, "");
    EXPECT_EQ(e.Etichetta2, "");
}

TEST(BarreZone, PassataDiDisegno) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello m = SolettaProva(SolettaL);
    int a = AggiungiZona(m, ZonaL, 0, 0, 12, 20);
    AggiungiZona(m, ZonaLDir2, 1, 1, 12, 20);
    m.Zone.Zone[a].LungTotale = -1;
    CalcolaFerriZone(m, 0, 0, 0, 0);
    EXPECT_EQ(ContaLinee(pp.SinkVideo, 0), 18);
    EXPECT_EQ(ContaLinee(pp.SinkVideo, 9), 18 + 2);  // ticks, and the zone's leader and bar line
    EXPECT_EQ(ContaLinee(pp.SinkVideo, 1), 0);  // the lower-face zone is not drawn
    EXPECT_EQ(m.Zone.Zone[a].LungTotale, -1);  // a drawing pass stores nothing
    CalcolaFerriZone(m, 0, 0, 1, 1);
    EXPECT_EQ(ContaLinee(pp.SinkDxf, 1), 41);
    EXPECT_EQ(ContaLinee(pp.SinkDxf, 9), 41 + 2);
    // Bars lie on the edge lines, with their ends on the outline; ticks are 6 cm across.
    bool bassa = false, alta = false;
    int tacche = 0;
    for (const Entita& e : pp.SinkVideo.Entita_) {
        if (e.Tipo != "Linea") continue;
        if (e.Num[4] == 0) {
            EXPECT_EQ(e.Num[1], e.Num[3]);
            bassa |= e.Num[1] == 100 && std::min(e.Num[0], e.Num[2]) == 38 && std::max(e.Num[0], e.Num[2]) == 962;
            alta |= e.Num[1] == 440;
        } else if (e.Num[4] == 9) {
            tacche += std::fabs(std::fabs(e.Num[2] - e.Num[0]) - 6) < 1e-3 &&
                      std::fabs(std::fabs(e.Num[3] - e.Num[1]) - 6) < 1e-3;
        }
    }
    EXPECT_EQ(tacche, 18);
    EXPECT_TRUE(bassa && alta);
    // Offsets move everything.
    pp.SinkVideo.Entita_.clear();
    CalcolaFerriZone(m, 100, 200, 0, 0);
    bool spostata = false;
    for (const Entita& e : pp.SinkVideo.Entita_)
        spostata |= e.Tipo == "Linea" && e.Num[4] == 0 && e.Num[1] == 300 && std::min(e.Num[0], e.Num[2]) == 138;
    EXPECT_TRUE(spostata);
}

TEST(BarreZone, DivisioneDelleBarre) {
    struct Caso {
        float L, lungMax;
        int A;
        int n;
        const char* testo;
        float aggiunge;
    } casi[] = {
        {1190, 600, 50, 2, "600+600+90", 1290},
        {600, 600, 50, 0, "600", 600},
        {1300, 600, 50, 2, "600+600+200", 1400},
        {924, 600, 62, 1, "600+390", 986},
        {459.4f, 600, 62, 0, "459", 459.4f},
        {1140, 600, 60, 1, "600+600", 1200},   // exactly two full pieces
        {1141, 600, 60, 2, "600+600+65", 1261},
    };
    for (const Caso& c : casi) {
        int n = NumeroSovrapposizioni(c.L, c.lungMax, c.A);
        EXPECT_EQ(n, c.n) << c.L;
        EXPECT_EQ(TestoLunghezzaBarra(c.L, c.lungMax, c.A), c.testo) << c.L;
        EXPECT_FLOAT_EQ(c.L + n * c.A, c.aggiunge) << c.L;
        // No piece longer than the maximum.
        EXPECT_LE(c.L + n * c.A, (n + 1) * c.lungMax);
    }
    // A bar longer than the maximum cannot be divided when the lap is not shorter than a bar.
    EXPECT_EQ(NumeroSovrapposizioni(700, 600, 600), -1);
    EXPECT_EQ(NumeroSovrapposizioni(700, 0, 50), -1);
    EXPECT_EQ(NumeroSovrapposizioni(700, std::numeric_limits<float>::quiet_NaN(), 50), -1);
    EXPECT_EQ(NumeroSovrapposizioni(0.5f, 0, 50), -1);
    EXPECT_EQ(NumeroSovrapposizioni(0, 0, 50), 0);
    EXPECT_EQ(TestoLunghezzaBarra(700, 600, 600), "700");
}

// A zone whose far edge lies n spacings beyond its near edge has n + 1 bar lines, whatever the
// spacing's binary rounding.
TEST(BarreZone, RigheFinoAlBordo) {
    AmbienteBarre amb;
    Modello m = SolettaProva(SolettaL);  // holds every zone below, up to y 452
    m.Zone.UltimaZona = 0;
    m.Zone.Zone.assign(1, Zona{});
    Zona& z = m.Zone.Zone[0];
    z.Diametro = 12;
    z.UltVertice = 3;
    const float y0 = 13.0f;
    for (int dieci = 10; dieci < 400; ++dieci) {
        const float passo = static_cast<float>(dieci) / 10.0f;
        for (int n = 2; n <= 11; ++n) {
            const float y1 = y0 + static_cast<float>(n) * passo;
            z.Passo = passo;
            z.XMin1 = 0, z.YMin1 = y0, z.XMax1 = 300, z.YMax1 = y1;
            m.Zone.VerticiZone[0] = {{0, y1}, {300, y1}, {300, y0}, {0, y0}};
            EsitoZona e = FerriZona(m, 0, 0, 0, -1, 0);
            ASSERT_EQ(e.NumBarre, n + 1) << "passo " << passo << " n " << n;
            ASSERT_FLOAT_EQ(e.LungTotale, 300.0f * (n + 1));
        }
    }
}

// A zone of 20 km a side over a 4 m x 3 m slab lays its lines only across the slab's extent
// (0 .. 300 in direction 1, 0 .. 400 in direction 2), each as long as the zone is wide: its
// cost follows the slab, not the numbers in the file.
TEST(BarreZone, ZonaAssurdaSoloSullaSoletta) {
    AmbienteBarre amb;
    const float L = 1e6f;
    const Anello enorme = {{-L, L}, {L, L}, {L, -L}, {-L, -L}};
    for (int dir = 0; dir <= 1; ++dir) {
        SCOPED_TRACE(dir);
        Modello m = SolettaProva(Rettangolo400x300);
        int z = AggiungiZona(m, enorme, 0, dir, 12, 10);
        EsitoZona e = FerriZona(m, z, 0, 0, -1, 0);
        EXPECT_FALSE(e.Saltata);
        EXPECT_EQ(e.NumBarre, dir == 0 ? 31 : 41);
        EXPECT_FLOAT_EQ(e.LungMax, 2 * L);
        EXPECT_FLOAT_EQ(e.LungMin, 2 * L);
    }
}

// The two edges of the slit that joins an opening to a zone's outline do not cut its bars.
TEST(BarreZone, ZonaConForo) {
    AmbienteBarre amb;
    Modello m = SolettaProva(SolettaL);
    Anello w = {{0, 0}, {0, 200}, {400, 200}, {400, 0}};
    Anello foro = {{100, 50}, {200, 50}, {200, 150}, {100, 150}};
    w.insert(w.end(), foro.begin(), foro.end());
    w.push_back(foro.front());
    w.push_back({400, 0});
    int z = AggiungiZona(m, w, 0, 0, 10, 20);
    EsitoZona e = FerriZona(m, z, 0, 0, -1, 0);
    EXPECT_EQ(e.NumBarre, 3 + 2 * 5 + 3);
    EXPECT_FLOAT_EQ(e.LungTotale, 6 * 400 + 5 * 300);
}

TEST(BarreZone, PettineDiSessantaDenti) {
    AmbienteBarre amb;
    Modello m = SolettaProva(SolettaL);
    Anello c = {{0, 0}, {0, 200}};
    for (int i = 0; i < 60; ++i) {
        float x = 10.0f * i;
        if (i > 0) c.push_back({x, 200});
        c.push_back({x + 5, 200});
        c.push_back({x + 5, 100});
        c.push_back({x + 10, 100});
    }
    c.push_back({600, 0});
    int z = AggiungiZona(m, c, 0, 0, 10, 20);
    EsitoZona e = FerriZona(m, z, 0, 0, -1, 0);
    // Lines 0 .. 80 cross the base (one bar each), lines 100 .. 200 every tooth.
    EXPECT_EQ(e.NumBarre, 5 + 6 * 60);
}

TEST(BarreZone, ZonaSenzaBarre) {
    AmbienteBarre amb;
    Modello m = SolettaProva(Rettangolo400x300);
    int z = AggiungiZona(m, {{0, 10.3f}, {300, 10.3f}, {300, 10}, {0, 10}}, 0, 0, 12, 20);
    EsitoZona e = FerriZona(m, z, 0, 0, -1, 1);
    EXPECT_EQ(e.NumBarre, 0);
    EXPECT_EQ(e.LungTotale, 0);
    EXPECT_FALSE(e.Saltata);
    EXPECT_EQ(e.Etichetta1, std::string("0") + SegnoDiametro + "12/20");
    EXPECT_EQ(e.Etichetta2, "");
}

// Bad input: those items count 0 and are listed, the others are computed; nothing hangs.
TEST(BarreZone, DatiNonValidi) {
    AmbienteBarre amb;
    Modello m = SolettaProva(SolettaL);
    const float passi[] = {0, -5, std::numeric_limits<float>::quiet_NaN(), 20};
    for (float p : passi) AggiungiZona(m, ZonaL, 0, 0, 12, p);
    m.Diffusa.PassoDiffInf2 = 0;
    for (Zona& z : m.Zone.Zone) z.LungTotale = 55;
    std::vector<ElementoSaltato> s = CalcolaArmature(m);
    for (int z = 0; z < 3; ++z) EXPECT_EQ(m.Zone.Zone[z].LungTotale, 0) << z;
    EXPECT_FLOAT_EQ(m.Zone.Zone[3].LungTotale, 12478);
    EXPECT_EQ(m.Diffusa.LungDiffInf2, 0);
    EXPECT_EQ(m.Diffusa.LungDiffSup2, 20250);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].Genere, GenereSaltato::StratoDiffuso);
    EXPECT_EQ(s[0].Indice, 3);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(s[i].Genere, GenereSaltato::Zona);
        EXPECT_EQ(s[i].Indice, i - 1);
    }
    EXPECT_EQ(DescriviSaltato(s[2]), "Pos. 2: passo non valido (-5): armatura non computata");

    // An extent that is not a number (a damaged file) is listed too.
    Modello r = SolettaProva(Rettangolo400x300);
    int z = AggiungiZona(r, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 20);
    r.Zone.Zone[z].YMax1 = std::numeric_limits<float>::quiet_NaN();
    r.Contorni.LimitiArmDir2[3] = std::numeric_limits<float>::infinity();
    s = CalcolaArmature(r);
    ASSERT_EQ(s.size(), 3u);  // direction 2 of both faces, and the zone
    EXPECT_EQ(s[0].Indice, 2);
    EXPECT_EQ(DescriviSaltato(s[0]), "Armatura diffusa superiore direzione 2: contorno di lavoro non valido: armatura non computata");
    EXPECT_EQ(s[2].Genere, GenereSaltato::Zona);
    EXPECT_EQ(r.Zone.Zone[z].LungTotale, 0);
    EXPECT_EQ(r.Diffusa.LungDiffSup1, 6450);

    // No bar can be divided with a maximum of 0: every zone and layer is listed, nothing is NaN.
    Imp.LungMaxFerri = 0;
    s = CalcolaArmature(m);
    EXPECT_EQ(s.size(), 4u + 4u);
    for (const Zona& z : m.Zone.Zone) EXPECT_EQ(z.LungTotale, 0);
    EXPECT_EQ(m.Diffusa.LungDiffSup1, 0);
    EXPECT_NE(DescriviSaltato(s.back()).find("non suddivisibili"), std::string::npos);
}

TEST(BarreZone, CalcolaArmatureSenzaContorno) {
    AmbienteBarre amb;
    Modello m = SolettaProva(Rettangolo400x300);
    AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 20);
    m.Soletta.NumVertContorno = 0;
    m.Zone.Zone[0].LungTotale = 7;
    m.Diffusa.LungDiffSup1 = 8;
    m.Diffusa.PesoDiffInf2 = 9;
    EXPECT_TRUE(CalcolaArmature(m).empty());
    EXPECT_EQ(m.Zone.Zone[0].LungTotale, 7);
    EXPECT_EQ(m.Diffusa.LungDiffSup1, 8);
    EXPECT_EQ(m.Diffusa.PesoDiffInf2, 9);
}

TEST(BarreZone, FacceIndipendenti) {
    AmbienteBarre amb;
    Modello m = SolettaProva(Rettangolo400x300);
    int sup = AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 20);
    int inf = AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 1, 0, 12, 20);
    int cordolo = AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 2, 0, 12, 20);
    m.Zone.Zone[inf].LungTotale = 3;
    m.Zone.Zone[cordolo].LungTotale = 4;
    CalcolaFerriZone(m, 0, 0, 0, -1);
    EXPECT_FLOAT_EQ(m.Zone.Zone[sup].LungTotale, 1944);
    EXPECT_EQ(m.Zone.Zone[inf].LungTotale, 3);
    CalcolaFerriZone(m, 0, 0, 2, -1);  // selects no zone
    EXPECT_EQ(m.Zone.Zone[cordolo].LungTotale, 4);
}

// The pass on the project in memory leaves its list for the callers and shows no message.
TEST(BarreZone, CalcolaArmatureSulProgetto) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello vecchio = M;
    M = SolettaProva(Rettangolo400x300);
    AggiungiZona(M, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 0);
    CalcolaArmature();
    EXPECT_EQ(M.Diffusa.LungDiffSup1, 6450);
    ASSERT_EQ(M.ElementiSaltati.size(), 1u);
    EXPECT_EQ(M.ElementiSaltati[0].Genere, GenereSaltato::Zona);
    EXPECT_TRUE(pp.Msg.Visti.empty());
    M = vecchio;
    CalcolaArmature();
}
