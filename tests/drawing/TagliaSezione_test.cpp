#include "drawing/TagliaSezione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/Estensioni.h"
#include "model/Poligoni.h"

using namespace vilmor;

namespace {

using Anello = std::vector<Punto>;

// Direction 1 along plan x, direction 2 along plan y.
Modello Soletta(const Anello& contorno, const std::vector<Anello>& fori = {}) {
    Modello m;
    m.Progetto.AngoloDir1 = 0;
    m.Progetto.AngoloDir2 = static_cast<float>(M_PI / 2);
    CalcolaDirezioni(m);
    m.Soletta.Contorno = contorno;
    m.Soletta.Contorno.push_back(contorno[0]);
    m.Soletta.NumVertContorno = static_cast<int>(contorno.size());
    GeometriaSoletta& g = m.Soletta;
    g.NumFori = static_cast<int>(fori.size());
    g.NumVertForo.assign(fori.size(), 0);
    for (size_t f = 0; f < fori.size(); ++f) {
        IniziaForo(g, static_cast<int>(f));
        for (size_t k = 0; k < fori[f].size(); ++k)
            AggiungiVerticePoli(g, static_cast<int>(f), static_cast<int>(k), fori[f][k].X, fori[f][k].Y);
        g.NumVertForo[f] = static_cast<int>(fori[f].size());
    }
    return m;
}

int AggiungiSezione(Modello& m, float X1, float Y1, float X2, float Y2, int direzione) {
    Sezione s;
    s.X1 = X1, s.Y1 = Y1, s.X2 = X2, s.Y2 = Y2;
    s.Direzione = direzione;
    m.SezQuote.Sezioni.push_back(s);
    return m.SezQuote.UltimaSezione = static_cast<int>(m.SezQuote.Sezioni.size()) - 1;
}

const Anello Rettangolo = {{0, 0}, {0, 300}, {500, 300}, {500, 0}};
const Anello Foro = {{100, 100}, {100, 200}, {200, 200}, {200, 100}};
const Anello Tetto = {{0, 0}, {0, 400}, {500, 600}, {1000, 500}, {1000, 0}};

// A comb of 30 teeth 10 wide, 20 apart, up to y = 100 from a back at y = 20.
Anello Pettine() {
    Anello a = {{0, 0}};
    for (int i = 0; i < 30; ++i) {
        const float x = 20.0f * i;
        a.insert(a.end(), {{x, 100}, {x + 10, 100}, {x + 10, 20}, {x + 20, 20}});
    }
    a.push_back({600, 0});
    return a;
}

std::vector<float> PettineAtteso() {
    std::vector<float> x;
    for (int i = 0; i < 30; ++i) x.insert(x.end(), {20.0f * i, 20.0f * i + 10});
    return x;
}

}  // namespace

TEST(TagliaSezione, PuntiLungoLaSezione) {
    struct Caso {
        const char* nome;
        Anello contorno;
        std::vector<Anello> fori;
        float X1, Y1, X2, Y2;
        int direzione;
        std::vector<float> attesi;  // along-section X, ascending; empty: no point
    } casi[] = {
        {"direzione 1 lungo y = 150", Rettangolo, {}, -50, 150, 550, 150, 0, {0, 500}},
        {"un foro attraverso la linea", Rettangolo, {Foro}, -50, 150, 550, 150, 0, {0, 100, 200, 500}},
        {"direzione 2 lungo x = 250: ordinata per y", Rettangolo, {}, 250, -50, 250, 350, 1, {0, 300}},
        {"per un vertice del contorno che la linea attraversa", Tetto, {}, -50, 400, 1050, 400, 0, {0, 1000}},
        {"un vertice che la linea tocca soltanto", Tetto, {}, -50, 600, 1050, 600, 0, {}},
        {"per due vertici di un foro", Rettangolo, {{{150, 100}, {100, 150}, {150, 200}, {200, 150}}},
         -50, 150, 550, 150, 0, {0, 100, 200, 500}},
        {"lungo un lato del foro: lo tocca soltanto", Rettangolo, {Foro}, -50, 100, 550, 100, 0, {0, 500}},
        {"lungo un lato del contorno che poi scende: una volta, al primo vertice",
         {{0, 0}, {0, 300}, {500, 300}, {500, 150}, {400, 150}, {400, 0}}, {}, -50, 150, 550, 150, 0, {0, 500}},
        {"la linea finisce prima del contorno", Rettangolo, {}, 100, 150, 550, 150, 0, {500}},
        {"sessanta attraversamenti", Pettine(), {}, -50, 50, 650, 50, 0, PettineAtteso()},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = Soletta(c.contorno, c.fori);
        const int s = AggiungiSezione(m, c.X1, c.Y1, c.X2, c.Y2, c.direzione);
        std::vector<Punto> punti(3, Punto{-7, -7});
        float XMin = 12345;
        const int n = TagliaSezione(m, s, punti, XMin);
        EXPECT_EQ(n, static_cast<int>(c.attesi.size()) - 1);
        ASSERT_EQ(punti.size(), c.attesi.size());
        for (size_t i = 0; i < c.attesi.size(); ++i) EXPECT_NEAR(punti[i].X, c.attesi[i], 1e-3) << i;
        EXPECT_EQ(XMin, c.attesi.empty() ? 12345 : punti[0].X);
    }
}

// Only the X values are sorted: each Y stays where its point was found. The outline is walked
// from its top-left corner, so the right edge's crossing comes first.
TEST(TagliaSezione, OrdinaSoltantoLeX) {
    Modello m = Soletta({{0, 300}, {500, 300}, {500, 0}, {0, 0}});
    const int s = AggiungiSezione(m, -50, 100, 550, 200, 0);
    std::vector<Punto> punti;
    float XMin = 0;
    ASSERT_EQ(TagliaSezione(m, s, punti, XMin), 1);
    EXPECT_NEAR(punti[0].X, 0, 1e-3);
    EXPECT_NEAR(punti[0].Y, 100 + 550.0f / 6, 1e-3);  // found at x = 500
    EXPECT_NEAR(punti[1].X, 500, 1e-3);
    EXPECT_NEAR(punti[1].Y, 100 + 50.0f / 6, 1e-3);
}

TEST(TagliaSezione, IndiceFuoriDallaTabella) {
    Modello m = Soletta(Rettangolo);
    std::vector<Punto> punti;
    float XMin = 5;
    EXPECT_EQ(TagliaSezione(m, 0, punti, XMin), -1);
    AggiungiSezione(m, -50, 150, 550, 150, 0);
    EXPECT_EQ(TagliaSezione(m, 1, punti, XMin), -1);
    EXPECT_EQ(TagliaSezione(m, -1, punti, XMin), -1);
    EXPECT_EQ(XMin, 5);
    EXPECT_EQ(TagliaZoneSez(m, 0, 0, punti), -1);
}

TEST(TagliaZoneSez, Casi) {
    struct Caso {
        const char* nome;
        Anello zona;
        int dirSezione, dirZona;
        std::vector<float> attesi;
    } casi[] = {
        {"la linea la manca", {{50, 200}, {50, 250}, {150, 250}, {150, 200}}, 0, 0, {}},
        {"attraversata: entra ed esce", {{50, 100}, {50, 250}, {150, 250}, {150, 100}}, 0, 1, {50, 150}},
        {"nella direzione della sezione, non della zona", {{200, 100}, {200, 250}, {300, 250}, {300, 100}}, 1, 0,
         {100, 250}},
        {"un vertice sulla linea", {{100, 150}, {150, 200}, {200, 150}, {150, 100}}, 0, 0, {100, 200}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = Soletta(Rettangolo);
        const int s = c.dirSezione == 0 ? AggiungiSezione(m, -50, 150, 550, 150, 0)
                                        : AggiungiSezione(m, 250, -50, 250, 350, 1);
        m.Zone.Zone.resize(2);
        m.Zone.UltimaZona = 1;
        m.Zone.Zone[1].Direzione = c.dirZona;
        m.Zone.Zone[1].UltVertice = static_cast<int>(c.zona.size()) - 1;
        m.Zone.VerticiZone[1] = c.zona;
        const std::vector<Punto> prima(2, Punto{-7, -7});
        std::vector<Punto> punti = prima;
        const int n = TagliaZoneSez(m, s, 1, punti);
        EXPECT_EQ(n, static_cast<int>(c.attesi.size()) - 1);
        if (c.attesi.empty()) {
            ASSERT_EQ(punti.size(), prima.size()) << "the caller's list is left as it was";
            EXPECT_EQ(punti[0].X, -7);
            continue;
        }
        ASSERT_EQ(punti.size(), c.attesi.size());
        for (size_t i = 0; i < c.attesi.size(); ++i) EXPECT_NEAR(punti[i].X, c.attesi[i], 1e-3) << i;
    }
}
