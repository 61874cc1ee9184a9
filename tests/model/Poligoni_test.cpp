#include "model/Poligoni.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vilmor;

namespace {
std::vector<Punto> P(std::initializer_list<std::pair<float, float>> l) {
    std::vector<Punto> r;
    for (auto [x, y] : l) r.push_back({x, y});
    return r;
}
std::vector<Vertice> V(const std::vector<Punto>& p) {
    std::vector<Vertice> r;
    int segno = 0;
    for (auto q : p) r.push_back({q.X, q.Y, segno--});
    return r;
}
}  // namespace

TEST(Poligoni, Orientamento) {
    struct {
        const char* nome;
        std::vector<Punto> punti;
        bool orarioPunti, orarioVertici;
    } casi[] = {
        {"anello orario", P({{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}}), true, true},
        {"anello antiorario", P({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}), false, false},
        // Open list: only OrarioVertici adds the side back to the first point.
        {"lista aperta oraria", P({{0, 0}, {0, 100}, {100, 100}, {100, 0}}), true, true},
        // Collinear: a zero sum is clockwise for points, not for vertices.
        {"allineati", P({{0, 0}, {50, 50}, {100, 100}, {0, 0}}), true, false},
        {"due punti", P({{0, 0}, {10, 0}}), true, false},
        {"vuota", {}, true, false},
        // Large coordinates: products beyond 4-byte precision still give the right sign.
        {"grande orario", P({{100000.1f, 100000.1f}, {100000.1f, 100000.3f}, {100000.3f, 100000.3f},
                             {100000.3f, 100000.1f}, {100000.1f, 100000.1f}}), true, true},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(OrarioPunti(c.punti), c.orarioPunti) << c.nome;
        EXPECT_EQ(OrarioVertici(V(c.punti)), c.orarioVertici) << c.nome;
    }
}

TEST(Poligoni, Inversione) {
    auto anello = P({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
    InvertiPunti(anello);
    auto atteso = P({{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}});
    ASSERT_EQ(anello.size(), atteso.size());
    for (size_t i = 0; i < atteso.size(); ++i) {
        EXPECT_EQ(anello[i].X, atteso[i].X);
        EXPECT_EQ(anello[i].Y, atteso[i].Y);
    }
    EXPECT_TRUE(OrarioPunti(anello));

    // The tag travels with its point.
    auto v = V(P({{1, 2}, {3, 4}, {5, 6}}));
    InvertiVertici(v);
    EXPECT_EQ(v[0].X, 5);
    EXPECT_EQ(v[0].Segno, -2);
    EXPECT_EQ(v[2].Y, 2);
    EXPECT_EQ(v[2].Segno, 0);
}

TEST(Poligoni, Archivio) {
    GeometriaSoletta g;
    auto foro = [&](int p, std::vector<std::pair<float, float>> vertici) {
        if (static_cast<int>(g.NumVertForo.size()) <= p) g.NumVertForo.resize(static_cast<size_t>(p) + 1);
        IniziaForo(g, p);
        for (size_t k = 0; k < vertici.size(); ++k)
            AggiungiVerticePoli(g, p, static_cast<int>(k), vertici[k].first, vertici[k].second);
        g.NumVertForo[static_cast<size_t>(p)] = static_cast<int>(vertici.size());
    };
    foro(0, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    foro(1, {});  // an empty opening between two others
    foro(2, {{20, 20}, {30, 20}, {25, 30}});
    EXPECT_EQ(g.InizioForo, (std::vector<int>{0, 4, 4}));
    EXPECT_EQ(g.XFori.size(), 7u);
    EXPECT_EQ(g.YFori.size(), 7u);
    EXPECT_EQ(PoliX(g, 2, 0), g.XFori[4]);
    EXPECT_EQ(PoliX(g, 2, 0), 20);
    EXPECT_EQ(PoliY(g, 2, 2), 30);
    // The first opening keeps its vertices.
    EXPECT_EQ(PoliX(g, 0, 3), 0);
    EXPECT_EQ(PoliY(g, 0, 3), 10);
    EXPECT_EQ(PoliX(g, 0, 1), 10);
}
