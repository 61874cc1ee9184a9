#include "model/FusioneNodi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace vilmor;

namespace {

int Nodo_(ModelloAnalisi& a, float x, float y, float sup1 = 0, float t1 = 0, float t2 = 0, int32_t numero = 1) {
    int i = -99;
    AggiungiNodo(a, x, y, numero, sup1, 0, 0, 0, t1, t2, i);
    return i;
}

Punzonamento Linea(float areaTot, float areaPiolo, int pioli, int listelli, int tipo, int stato = 2) {
    Punzonamento p;
    p.CoeffPerimetro = 1.5f;
    p.AreaTotPioli = areaTot;
    p.AreaPiolo = areaPiolo;
    p.PioliListello = pioli;
    p.NumListelli = listelli;
    p.TipoPunz = tipo;
    p.StatoPunz = stato;
    return p;
}

// The merge as a scan from index 0 would do it, to compare the indexed one against.
struct Lineare {
    std::vector<Nodo> Nodi;
    int Aggiungi(float x, float y, float s1, float s2, float i1, float i2, float t1, float t2) {
        for (size_t i = 0; i < Nodi.size(); ++i) {
            Nodo& n = Nodi[i];
            float dx = std::fabs(n.X - x), dy = std::fabs(n.Y - y);
            if (static_cast<double>(dx) < 0.0001 && static_cast<double>(dy) < 0.0001) {
                n.RichSup1 = std::max(n.RichSup1, s1);
                n.RichSup2 = std::max(n.RichSup2, s2);
                n.RichInf1 = std::max(n.RichInf1, i1);
                n.RichInf2 = std::max(n.RichInf2, i2);
                if (t1 + t2 > n.RichTaglio1 + n.RichTaglio2) n.RichTaglio1 = t1, n.RichTaglio2 = t2;
                return static_cast<int>(i);
            }
        }
        Nodo n;
        n.X = x, n.Y = y, n.RichSup1 = s1, n.RichSup2 = s2, n.RichInf1 = i1, n.RichInf2 = i2;
        n.RichTaglio1 = t1, n.RichTaglio2 = t2;
        Nodi.push_back(n);
        return static_cast<int>(Nodi.size()) - 1;
    }
};

}  // namespace

TEST(AggiungiNodo, UnaPosizioneUnNodoConLaRichiestaMaggiore) {
    ModelloAnalisi a;
    int i0 = Nodo_(a, 100.0f, 250.0f, 3.0f);
    int i1 = Nodo_(a, 100.0f, 250.0f, 2.5f);
    EXPECT_EQ(i0, 0);
    EXPECT_EQ(i1, 0);
    EXPECT_EQ(a.NumNodi, 1);
    EXPECT_EQ(a.Nodi[0].RichSup1, 3.0f);

    // Every face on its own; numbers and residuals of the stored node stay.
    int i = 0;
    AggiungiNodo(a, 100.0f, 250.0f, 77, 1, 4, 2, 0.5f, 0, 0, i);
    EXPECT_EQ(i, 0);
    const Nodo& n = a.Nodi[0];
    EXPECT_EQ(n.Numero, 1);
    EXPECT_EQ(n.RichSup1, 3.0f);
    EXPECT_EQ(n.RichSup2, 4.0f);
    EXPECT_EQ(n.RichInf1, 2.0f);
    EXPECT_EQ(n.RichInf2, 0.5f);
    EXPECT_EQ(n.ResSup1, 0.0f);
}

TEST(AggiungiNodo, LaCoppiaDiTaglioVaIntera) {
    struct Caso {
        float a1, a2, b1, b2, r1, r2;
    } casi[] = {
        {1.0f, 1.0f, 0.5f, 2.0f, 0.5f, 2.0f},  // larger sum: the new pair
        {1.0f, 1.0f, 2.0f, 0.0f, 1.0f, 1.0f},  // equal sums: the stored pair
        {1.0f, 2.0f, 2.5f, 0.0f, 1.0f, 2.0f},  // smaller sum
    };
    for (const Caso& c : casi) {
        ModelloAnalisi a;
        Nodo_(a, 5, 5, 0, c.a1, c.a2);
        Nodo_(a, 5, 5, 0, c.b1, c.b2);
        EXPECT_EQ(a.Nodi[0].RichTaglio1, c.r1);
        EXPECT_EQ(a.Nodi[0].RichTaglio2, c.r2);
    }
}

TEST(AggiungiNodo, TolleranzaStrettaEPrimoInOrdine) {
    ModelloAnalisi a;
    EXPECT_EQ(Nodo_(a, 10.0f, 20.0f), 0);
    EXPECT_EQ(Nodo_(a, 10.00005f, 20.0f), 0);  // 0.00005 apart: one node
    EXPECT_EQ(Nodo_(a, 10.1f, 20.0f), 1);      // 0.1 apart: two
    EXPECT_EQ(Nodo_(a, 10.0f, 20.1f), 2);
    EXPECT_EQ(a.NumNodi, 3);

    // Stored nodes at x 0 and 0.00015 (apart by more than the tolerance); a line at 0.00008
    // matches both and takes the first.
    ModelloAnalisi b;
    EXPECT_EQ(Nodo_(b, 0.0f, 0.0f), 0);
    EXPECT_EQ(Nodo_(b, 0.00015f, 0.0f), 1);
    EXPECT_EQ(Nodo_(b, 0.00008f, 0.0f), 0);
    // The same across a cell edge of the index: nodes either side of x = 0.05.
    ModelloAnalisi c;
    EXPECT_EQ(Nodo_(c, 0.04997f, 7.0f), 0);
    EXPECT_EQ(Nodo_(c, 0.05012f, 7.0f), 1);
    EXPECT_EQ(Nodo_(c, 0.05004f, 7.0f), 0);
    EXPECT_EQ(Nodo_(c, 0.05008f, 7.0f), 1);  // only the second one is near enough
}

TEST(AggiungiNodo, IndiciOltreSediciBit) {
    ModelloAnalisi a;
    for (int i = 0; i < 40000; ++i) ASSERT_EQ(Nodo_(a, static_cast<float>(i % 200) * 10, static_cast<float>(i / 200) * 10), i);
    EXPECT_EQ(a.NumNodi, 40000);
    EXPECT_EQ(Nodo_(a, 1990.0f, 1990.0f), 39999);
    EXPECT_EQ(Nodo_(a, 0.0f, 1990.0f), 39800);
}

TEST(AggiungiNodo, TabellaGiaPienaOSpostata) {
    // Nodes put in by another reader (with a spare entry beyond the count) are found.
    ModelloAnalisi a;
    a.Nodi.resize(3);
    a.Nodi[0].X = 1, a.Nodi[1].X = 2;
    a.NumNodi = 2;
    EXPECT_EQ(Nodo_(a, 2.0f, 0.0f), 1);
    EXPECT_EQ(Nodo_(a, 3.0f, 0.0f), 2);
    EXPECT_EQ(a.NumNodi, 3);
    EXPECT_EQ(a.Nodi.size(), 3u);

    // Moved positions: after the invalidation the index follows them.
    for (Nodo& n : a.Nodi) n.X += 100;
    InvalidaIndiciPosizione(a);
    EXPECT_EQ(Nodo_(a, 102.0f, 0.0f), 1);
    EXPECT_EQ(Nodo_(a, 2.0f, 0.0f), 3);

    // A table emptied for a new load starts afresh.
    a.Nodi.clear();
    a.NumNodi = 0;
    EXPECT_EQ(Nodo_(a, 102.0f, 0.0f), 0);
}

TEST(AggiungiNodo, ComeLaRicercaLineare) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> pos(0, 60);  // a 0.1 cm grid with many repeats
    std::uniform_real_distribution<float> val(0.0f, 5.0f);
    ModelloAnalisi a;
    Lineare rif;
    for (int k = 0; k < 4000; ++k) {
        // Some positions straddle a step by less than the tolerance.
        float x = static_cast<float>(pos(gen)) / 10.0f + (k % 7 == 0 ? 0.00004f : 0.0f);
        float y = static_cast<float>(pos(gen)) / 10.0f - (k % 11 == 0 ? 0.00003f : 0.0f);
        float v[6];
        for (float& f : v) f = val(gen);
        int i = -1;
        AggiungiNodo(a, x, y, k, v[0], v[1], v[2], v[3], v[4], v[5], i);
        ASSERT_EQ(i, rif.Aggiungi(x, y, v[0], v[1], v[2], v[3], v[4], v[5])) << k;
    }
    ASSERT_EQ(a.NumNodi, static_cast<int>(rif.Nodi.size()));
    for (size_t i = 0; i < rif.Nodi.size(); ++i) {
        const Nodo &n = a.Nodi[i], &r = rif.Nodi[i];
        EXPECT_EQ(n.X, r.X);
        EXPECT_EQ(n.Y, r.Y);
        EXPECT_EQ(n.RichSup1, r.RichSup1);
        EXPECT_EQ(n.RichSup2, r.RichSup2);
        EXPECT_EQ(n.RichInf1, r.RichInf1);
        EXPECT_EQ(n.RichInf2, r.RichInf2);
        EXPECT_EQ(n.RichTaglio1, r.RichTaglio1);
        EXPECT_EQ(n.RichTaglio2, r.RichTaglio2);
    }
}

TEST(AggiungiPunzonamento, PrimaRigaEValoriDeiPioliMaggiori) {
    ModelloAnalisi a;
    AggiungiPunzonamento(a, 300.0f, 200.0f, 4, Linea(12, 1.13f, 6, 8, 0));
    ASSERT_EQ(a.NumPunzonamenti, 1);
    EXPECT_EQ(a.Punzonamenti[0].X, 300.0f);
    EXPECT_EQ(a.Punzonamenti[0].IndiceNodo, 4);
    EXPECT_EQ(a.Punzonamenti[0].StatoPunz, 2);

    // A second line: larger total area alone changes nothing; arrangement 1 over 0 gives 1.
    AggiungiPunzonamento(a, 300.0005f, 200.0f, 9, Linea(20, 1.13f, 6, 8, 1, -1));
    ASSERT_EQ(a.NumPunzonamenti, 1);
    const Punzonamento& p = a.Punzonamenti[0];
    EXPECT_EQ(p.AreaTotPioli, 12.0f);
    EXPECT_EQ(p.TipoPunz, 1);
    EXPECT_EQ(p.StatoPunz, 2);
    EXPECT_EQ(p.IndiceNodo, 4);
    EXPECT_EQ(p.X, 300.0f);

    // Arrangement 0 over 1 stays 1; larger stud values are taken one by one.
    AggiungiPunzonamento(a, 300.0f, 200.0f, 4, Linea(5, 2.01f, 4, 10, 0));
    EXPECT_EQ(p.TipoPunz, 1);
    EXPECT_EQ(p.AreaPiolo, 2.01f);
    EXPECT_EQ(p.PioliListello, 6);
    EXPECT_EQ(p.NumListelli, 10);

    // 0.001 apart: another record.
    AggiungiPunzonamento(a, 300.001f, 200.0f, 5, Linea(5, 1, 1, 1, 0));
    EXPECT_EQ(a.NumPunzonamenti, 2);
    EXPECT_EQ(a.Punzonamenti[1].IndiceNodo, 5);
}
