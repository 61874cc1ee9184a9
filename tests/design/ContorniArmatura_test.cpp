#include "design/ContorniArmatura.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/Poligoni.h"

using namespace vilmor;

namespace {

using Anello = std::vector<Punto>;

void ImpostaSoletta(Modello& m, const Anello& contorno, const std::vector<Anello>& fori = {}) {
    GeometriaSoletta& g = m.Soletta;
    g.Contorno = contorno;
    g.Contorno.push_back(contorno.front());
    g.NumVertContorno = static_cast<int>(contorno.size());
    g.NumFori = static_cast<int>(fori.size());
    for (int f = 0; f < g.NumFori; ++f) {
        for (int k = 0; k < static_cast<int>(fori[f].size()); ++k) AggiungiVerticePoli(g, f, k, fori[f][k].X, fori[f][k].Y);
        g.NumVertForo[f] = static_cast<int>(fori[f].size());
    }
    m.Progetto.Copriferro = 3;
}

void Uguali(const Anello& a, const Anello& b, float tol = 1e-3f) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].X, b[i].X, tol) << "vertice " << i;
        EXPECT_NEAR(a[i].Y, b[i].Y, tol) << "vertice " << i;
    }
}

void Limiti(const std::array<float, 4>& l, std::array<float, 4> atteso) {
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(l[i], atteso[i], 1e-3) << i;
}

const Anello SolettaL = {{0, 0}, {0, 500}, {500, 500}, {500, 250}, {1000, 250}, {1000, 0}};

}  // namespace

TEST(ContorniArmatura, RettangoloEForoQuadrato) {
    Modello m;
    ImpostaSoletta(m, {{0, 0}, {0, 300}, {400, 300}, {400, 0}}, {{{100, 100}, {200, 100}, {200, 200}, {100, 200}}});
    CalcolaContornoArmatura(m);
    CalcolaPerimetroEsterno(m);
    const ContorniLavoro& c = m.Contorni;
    EXPECT_EQ(c.UltVertContornoArm, 4);
    Uguali(c.ContornoArmatura, {{3, 3}, {3, 297}, {397, 297}, {397, 3}, {3, 3}});
    EXPECT_EQ(c.UltVertPerimetroEst, 4);
    Uguali(c.PerimetroEsterno, {{15, 15}, {15, 285}, {385, 285}, {385, 15}, {15, 15}});
    Limiti(c.LimitiArmDir1, {3, 3, 397, 297});
    ASSERT_EQ(c.ContornoForiArm.size(), 1u);
    Uguali(c.ContornoForiArm[0], {{97, 97}, {97, 203}, {203, 203}, {203, 97}, {97, 97}});
}

TEST(ContorniArmatura, SolettaAElle) {
    Modello m;
    ImpostaSoletta(m, SolettaL);
    m.Progetto.CosDir2 = 0, m.Progetto.SinDir2 = 1;  // direction 2 at 90 degrees
    CalcolaContornoArmatura(m);
    CalcolaPerimetroEsterno(m);
    const ContorniLavoro& c = m.Contorni;
    Uguali(c.ContornoArmatura, {{3, 3}, {3, 497}, {497, 497}, {497, 247}, {997, 247}, {997, 3}, {3, 3}});
    Uguali(c.PerimetroEsterno, {{15, 15}, {15, 485}, {485, 485}, {485, 235}, {985, 235}, {985, 15}, {15, 15}});
    Limiti(c.LimitiArmDir1, {3, 3, 997, 497});
    Limiti(c.LimitiArmDir2, {3, -997, 497, -3});

    // An outline stored counter-clockwise moves inwards all the same, and comes out clockwise.
    Modello a;
    ImpostaSoletta(a, Anello(SolettaL.rbegin(), SolettaL.rend()));
    CalcolaContornoArmatura(a);
    EXPECT_TRUE(OrarioPunti(a.Contorni.ContornoArmatura));
    Limiti(a.Contorni.LimitiArmDir1, {3, 3, 997, 497});

    // No slab loaded: empty outlines, no fault.
    Modello vuoto;
    CalcolaContornoArmatura(vuoto);
    CalcolaPerimetroEsterno(vuoto);
    EXPECT_EQ(vuoto.Contorni.UltVertContornoArm, 0);
    EXPECT_EQ(vuoto.Contorni.UltVertPerimetroEst, 0);
    Limiti(vuoto.Contorni.LimitiArmDir1, {0, 0, 0, 0});
}

// A vertex in the middle of a straight side moves with the side, not to the plan origin.
TEST(ContorniArmatura, VerticeSuUnLatoDiritto) {
    Modello m;
    Anello s = SolettaL;
    s.insert(s.begin() + 1, Punto{0, 150});
    ImpostaSoletta(m, s);
    CalcolaContornoArmatura(m);
    CalcolaPerimetroEsterno(m);
    Uguali(m.Contorni.ContornoArmatura,
           {{3, 3}, {3, 150}, {3, 497}, {497, 497}, {497, 247}, {997, 247}, {997, 3}, {3, 3}});
    Uguali(m.Contorni.PerimetroEsterno,
           {{15, 15}, {15, 150}, {15, 485}, {485, 485}, {485, 235}, {985, 235}, {985, 15}, {15, 15}});
    for (const Punto& p : m.Contorni.ContornoArmatura) EXPECT_FALSE(p.X == 0 && p.Y == 0);
}

// Openings grow by the cover whatever their stored orientation.
TEST(ContorniArmatura, ForiInEntrambiIVersi) {
    const Anello orario = {{100, 100}, {100, 200}, {200, 200}, {200, 100}};
    const Anello antiorario = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
    const Anello atteso = {{97, 97}, {97, 203}, {203, 203}, {203, 97}, {97, 97}};
    const Anello triangolo = {{600, 100}, {700, 100}, {650, 200}};
    Modello m;
    ImpostaSoletta(m, {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}}, {orario, antiorario, triangolo});
    CalcolaContornoArmatura(m);
    const auto& f = m.Contorni.ContornoForiArm;
    ASSERT_EQ(f.size(), 3u);
    Uguali(f[0], atteso);
    Uguali(f[1], atteso);
    // Rows span the largest opening; the triangle's row closes after its third vertex.
    ASSERT_EQ(f[2].size(), 5u);
    EXPECT_TRUE(OrarioPunti(Anello(f[2].begin(), f[2].begin() + 4)));
    EXPECT_EQ(f[2][3].X, f[2][0].X);
    EXPECT_EQ(f[2][3].Y, f[2][0].Y);
    for (int k = 0; k < 3; ++k) EXPECT_LT(f[2][k].Y, 210);
    EXPECT_NEAR(std::min({f[2][0].Y, f[2][1].Y, f[2][2].Y}), 97, 1e-3);

    // Without openings the table is left as it was.
    Modello s;
    ImpostaSoletta(s, {{0, 0}, {0, 300}, {400, 300}, {400, 0}});
    s.Contorni.ContornoForiArm = {{{1, 2}}};
    CalcolaContornoArmatura(s);
    ASSERT_EQ(s.Contorni.ContornoForiArm.size(), 1u);
    EXPECT_EQ(s.Contorni.ContornoForiArm[0][0].Y, 2);
}

TEST(ContorniArmatura, ContornoPilastroPoligonale) {
    auto prova = [](const Anello& col, float d) {
        Modello m;
        Pilastro p;
        p.NumVertici = static_cast<int>(col.size());
        for (const Punto& v : col) p.VX.push_back(v.X), p.VY.push_back(v.Y);
        m.Soletta.Pilastri = {p};
        m.Soletta.NumPilastri = 1;
        Punzonamento r;
        r.IndicePilastro = 0;
        m.Analisi.Punzonamenti = {r};
        m.Analisi.NumPunzonamenti = 1;
        ContornoElementi(m, 0, d);
        const Punzonamento& q = m.Analisi.Punzonamenti[0];
        Anello out;
        for (int j = 0; j < q.NumVertici; ++j) out.push_back({q.VertX[static_cast<size_t>(j)], q.VertY[static_cast<size_t>(j)]});
        return out;
    };
    // A 4-vertex column grows by 8.5 in either orientation, keeping its vertex order.
    Uguali(prova({{0, 0}, {40, 0}, {40, 30}, {0, 30}}, 8.5f), {{-8.5f, -8.5f}, {48.5f, -8.5f}, {48.5f, 38.5f}, {-8.5f, 38.5f}});
    Uguali(prova({{0, 0}, {0, 30}, {40, 30}, {40, 0}}, 8.5f), {{-8.5f, -8.5f}, {-8.5f, 38.5f}, {48.5f, 38.5f}, {48.5f, -8.5f}});
    // A 30-sided column: every side moves out by d, so every vertex lies d / cos(pi / 30) further out.
    Anello col;
    const double pi = 3.14159265358979;
    for (int i = 0; i < 30; ++i)
        col.push_back({static_cast<float>(100 + 30 * std::cos(2 * pi * i / 30)), static_cast<float>(50 + 30 * std::sin(2 * pi * i / 30))});
    Anello out = prova(col, 8.5f);
    ASSERT_EQ(out.size(), 30u);
    double r = 30 + 8.5 / std::cos(pi / 30);
    for (size_t i = 0; i < 30; ++i) {
        EXPECT_NEAR(out[i].X, 100 + r * std::cos(2 * pi * i / 30), 2e-3) << i;
        EXPECT_NEAR(out[i].Y, 50 + r * std::sin(2 * pi * i / 30), 2e-3) << i;
    }
    // A record without a polygon column is left alone.
    Modello m;
    m.Analisi.Punzonamenti.resize(1);
    m.Analisi.Punzonamenti[0].IndicePilastro = 3;
    ContornoElementi(m, 0, 8.5f);
    ContornoElementi(m, 7, 8.5f);
    EXPECT_EQ(m.Analisi.Punzonamenti[0].NumVertici, 0);
}
