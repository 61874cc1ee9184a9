#include "design/Residui.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "base/Geometria.h"
#include "design/PuntoInPoligono.h"

using namespace vilmor;

namespace {

Zona Rettangolo(int tipo, float x0, float y0, float x1, float y1) {
    Zona z;
    z.Tipo = tipo;
    z.XMin = x0, z.YMin = y0, z.XMax = x1, z.YMax = y1;
    z.Angoli = {Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}, Punto{x0, y0}};
    return z;
}

// One node at (50, 50) requiring 10 on every face and 5 + 5 of shear; diffuse Ø12/20 on the
// upper face in direction 1 only.
Modello ModelloNodo() {
    Modello m;
    Nodo n;
    n.X = 50, n.Y = 50;
    n.RichSup1 = n.RichSup2 = n.RichInf1 = n.RichInf2 = 10;
    n.RichTaglio1 = n.RichTaglio2 = 5;
    m.Analisi.Nodi = {n};
    m.Analisi.NumNodi = 1;
    m.Diffusa.AreaDiffSup1 = AreaBarra(12) * 100 / 20;
    return m;
}

void Aggiungi(Modello& m, const Zona& z) {
    m.Zone.Zone.push_back(z);
    m.Zone.UltimaZona = static_cast<int>(m.Zone.Zone.size()) - 1;
}

}  // namespace

TEST(DetraiArmatureNodi, ZoneDiFaccia) {
    Zona z16 = Rettangolo(0, 0, 0, 100, 100);
    z16.Diametro = 16, z16.Passo = 20, z16.Direzione = 0;
    struct {
        int zone, escludi;
        float atteso;
    } casi[] = {{0, -1, 4.345133f}, {1, -1, -5.70796f}, {2, -1, -15.76106f},
                {2, 0, -5.70796f},  {2, 1, -5.70796f},  {2, 5, -15.76106f}};
    for (const auto& c : casi) {
        Modello m = ModelloNodo();
        for (int i = 0; i < c.zone; ++i) Aggiungi(m, z16);
        DetraiArmatureNodi(c.escludi, m);
        EXPECT_NEAR(m.Analisi.Nodi[0].ResSup1, c.atteso, 1e-4) << c.zone << " " << c.escludi;
        EXPECT_EQ(m.Analisi.Nodi[0].ResTaglio, 10) << "a face zone never changes the shear";
        EXPECT_EQ(m.Analisi.Nodi[0].ResSup2, 10);
        // Running twice gives the same residuals.
        float prima = m.Analisi.Nodi[0].ResSup1;
        DetraiArmatureNodi(c.escludi, m);
        EXPECT_EQ(m.Analisi.Nodi[0].ResSup1, prima);
    }
    // Direction 2 of the lower face, and a node outside.
    Modello m = ModelloNodo();
    Zona inf = z16;
    inf.Tipo = 1, inf.Direzione = 1;
    Aggiungi(m, inf);
    Aggiungi(m, Rettangolo(0, 200, 200, 300, 300));
    m.Zone.Zone[1].Diametro = 16, m.Zone.Zone[1].Passo = 20;
    DetraiArmatureNodi(-1, m);
    EXPECT_NEAR(m.Analisi.Nodi[0].ResInf2, 10 - 10.053096f, 1e-4);
    EXPECT_EQ(m.Analisi.Nodi[0].ResInf1, 10);
    EXPECT_NEAR(m.Analisi.Nodi[0].ResSup1, 4.345133f, 1e-5);
}

TEST(DetraiArmatureNodi, CordoloEPioli) {
    Modello m = ModelloNodo();
    m.Diffusa.AreaDiffSup1 = 0;
    m.Progetto.AngoloDir1 = 0.3f;
    m.Progetto.AngoloDir2 = 1.5707964f;
    Zona c = Rettangolo(2, 0, 0, 100, 100);
    c.Diametro = 8, c.NumBracci = 2, c.Passo = 20, c.Passo2 = 30, c.Copriferro = 3, c.Diametro2 = 14;
    c.Angolo = m.Progetto.AngoloDir1;
    Aggiungi(m, c);
    DetraiArmatureNodi(-1, m);
    const Nodo& n = m.Analisi.Nodi[0];
    EXPECT_NEAR(10 - n.ResSup1, 5.13127, 1e-4);
    EXPECT_NEAR(10 - n.ResInf1, 5.13127, 1e-4);
    EXPECT_LT(std::fabs(10 - n.ResSup2), 1e-5);
    EXPECT_LT(std::fabs(10 - n.ResInf2), 1e-5);
    EXPECT_NEAR(10 - n.ResTaglio, 15.23196, 1e-4);

    Modello p = ModelloNodo();
    Zona s = Rettangolo(3, 0, 0, 100, 100);
    s.Diametro = 10, s.Passo = 20, s.Passo2 = 25;
    Aggiungi(p, s);
    DetraiArmatureNodi(-1, p);
    EXPECT_NEAR(p.Analisi.Nodi[0].ResTaglio, 10 - AreaBarra(10) * 5 * 4, 1e-4);
    EXPECT_NEAR(p.Analisi.Nodi[0].ResSup1, 4.345133f, 1e-5);
    EXPECT_EQ(p.Analisi.Nodi[0].ResInf1, 10);
}

TEST(DetraiArmatureNodi, DivisoriNulliNonDannoInfinitiNeNaN) {
    Modello m = ModelloNodo();
    Zona f = Rettangolo(0, 0, 0, 100, 100);
    f.Diametro = 12;  // spacing 0
    Aggiungi(m, f);
    Zona s = Rettangolo(3, 0, 0, 100, 100);
    s.Diametro = 10, s.Passo = 20;  // Passo2 0
    Aggiungi(m, s);
    Zona c = Rettangolo(2, 0, 0, 100, 100);
    c.Diametro = 8, c.Diametro2 = 14, c.NumBracci = 1, c.Passo = 20, c.Passo2 = -3, c.Copriferro = 3;
    Aggiungi(m, c);
    Zona c2 = c;
    c2.Passo = 0, c2.NumBracci = 0, c2.Passo2 = 0;
    Aggiungi(m, c2);
    DetraiArmatureNodi(-1, m);
    const Nodo& n = m.Analisi.Nodi[0];
    for (float v : {n.ResSup1, n.ResSup2, n.ResInf1, n.ResInf2, n.ResTaglio}) EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(n.ResSup1, 4.345133f, 1e-5);
    EXPECT_EQ(n.ResTaglio, 10);
}

TEST(DetraiArmatureNodi, SenzaZoneSoloDiffusaECavalletti) {
    Modello m = ModelloNodo();
    m.Diffusa.AreaCavalletti = 2.5f;
    m.Diffusa.AreaDiffInf2 = 3;
    DetraiArmatureNodi(-1, m);
    EXPECT_EQ(m.Analisi.Nodi[0].ResTaglio, 7.5f);
    EXPECT_EQ(m.Analisi.Nodi[0].ResInf2, 7);
}

namespace {

// Nodes on a jittered 40 x 30 grid 10 cm apart, some exactly on the zones' edges, and zones
// straight and turned, overlapping, beyond the nodes and of no size: the residuals must be
// those of every node tested against every zone in the zones' order.
Modello ModelloSparso() {
    Modello m;
    unsigned s = 12345;
    auto caso = [&s] {
        s = s * 1103515245u + 12345u;
        return static_cast<float>((s >> 8) % 1000) / 1000.0f;
    };
    for (int j = 0; j < 30; ++j)
        for (int i = 0; i < 40; ++i) {
            Nodo n;
            n.X = i * 10.0f + (i % 3 == 0 ? 0 : caso() * 6 - 3);
            n.Y = j * 10.0f + (j % 4 == 0 ? 0 : caso() * 6 - 3);
            n.RichSup1 = n.RichSup2 = n.RichInf1 = n.RichInf2 = 10;
            n.RichTaglio1 = n.RichTaglio2 = 5;
            m.Analisi.Nodi.push_back(n);
        }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
    for (int k = 0; k < 40; ++k) {
        const float x = caso() * 450 - 30, y = caso() * 330 - 30, w = k % 7 == 0 ? 0 : caso() * 150, h = caso() * 120;
        Zona z = Rettangolo(k % 4, x, y, x + w, y + h);
        if (k % 3 == 1) {
            // Turned about its first corner.
            const float c = 0.8f, s2 = 0.6f;
            for (auto& a : z.Angoli) {
                const float dx = a.X - x, dy = a.Y - y;
                a = Punto{x + c * dx - s2 * dy, y + s2 * dx + c * dy};
            }
        }
        if (k == 5) z = Rettangolo(0, 30, 0, 120, 90);  // edges through the rows and columns of nodes
        z.Diametro = 10 + k % 3 * 2, z.Diametro2 = 8, z.Passo = 15 + k % 5, z.Passo2 = 20, z.NumBracci = 2;
        z.Direzione = k % 2;
        z.Angolo = 0.3f * static_cast<float>(k);
        Aggiungi(m, z);
    }
    m.Diffusa.AreaDiffSup1 = 1.5f;
    return m;
}

std::vector<std::array<float, 5>> Residui(const Modello& m) {
    std::vector<std::array<float, 5>> r;
    for (const Nodo& q : m.Analisi.Nodi) r.push_back({q.ResSup1, q.ResSup2, q.ResInf1, q.ResInf2, q.ResTaglio});
    return r;
}

// The residuals node by node: the diffuse mesh, then each zone in turn that holds the node, by
// what it takes from a lone node needing nothing.
std::vector<std::array<float, 5>> Attesi(const Modello& m, int escludi) {
    Modello senza = m;
    senza.Zone.Zone.clear();
    senza.Zone.UltimaZona = -1;
    DetraiArmatureNodi(-1, senza);
    auto r = Residui(senza);
    Modello uno;
    uno.Progetto = m.Progetto;
    uno.Analisi.Nodi.resize(1);
    uno.Analisi.NumNodi = 1;
    uno.Zone.UltimaZona = 0;
    for (size_t i = 0; i < r.size(); ++i)
        for (int k = 0; k <= m.Zone.UltimaZona; ++k) {
            const Nodo& q = m.Analisi.Nodi[i];
            if (k == escludi || !NodoInZona(m, k, q.X, q.Y)) continue;
            uno.Analisi.Nodi[0] = Nodo{};
            uno.Analisi.Nodi[0].X = q.X, uno.Analisi.Nodi[0].Y = q.Y;
            uno.Zone.Zone = {m.Zone.Zone[static_cast<size_t>(k)]};
            DetraiArmatureNodi(-1, uno);
            const auto d = Residui(uno)[0];
            for (size_t v = 0; v < 5; ++v) r[i][v] -= -d[v];
        }
    return r;
}

}  // namespace

TEST(DetraiArmatureNodi, OgniNodoInOgniSuaZona) {
    for (int escludi : {-1, 5, 17}) {
        SCOPED_TRACE(escludi);
        Modello m = ModelloSparso();
        const auto attesi = Attesi(m, escludi);
        DetraiArmatureNodi(escludi, m);
        EXPECT_EQ(Residui(m), attesi);
        // Again on the same nodes, and after they moved: each time the zones where they are.
        DetraiArmatureNodi(escludi, m);
        EXPECT_EQ(Residui(m), attesi);
        for (auto& n : m.Analisi.Nodi) n.X = 400 - n.X;
        const auto spostati = Attesi(m, escludi);
        DetraiArmatureNodi(escludi, m);
        EXPECT_EQ(Residui(m), spostati);
    }
}
