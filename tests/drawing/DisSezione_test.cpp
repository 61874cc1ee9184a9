#include "drawing/DisSezione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Seg {
    float X1, Y1, X2, Y2;
};

// Thickness 25, cover 3, chairs of 12 mm at 50 x 50, one section of direction 1 (or ten, so that
// index 9 exists), default settings and materials, the recording sinks, the 1:50 style.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Modello m;
    Banco(int direzione = 0) {
        ImpostaDefault();
        Vista.Scala50Corrente = 1;
        m.Progetto.Spessore = 25;
        m.Progetto.Copriferro = 3;
        m.Diffusa.DiamCavalletti = 12;
        m.Diffusa.PassoCavalletti1 = m.Diffusa.PassoCavalletti2 = 50;
        m.SezQuote.Sezioni.assign(10, Sezione{});
        for (Sezione& s : m.SezQuote.Sezioni) s.Direzione = direzione;
        m.SezQuote.UltimaSezione = 9;
    }
};

std::vector<Punto> Punti(std::vector<float> x) {
    std::vector<Punto> p;
    for (float v : x) p.push_back({v, 0});
    return p;
}

std::vector<Seg> Linee(const SinkRegistrato& s, int layer) {
    std::vector<Seg> r;
    for (const Entita& e : s.Entita_)
        if (e.Tipo == "Linea" && e.Num[4] == layer)
            r.push_back({float(e.Num[0]), float(e.Num[1]), float(e.Num[2]), float(e.Num[3])});
    return r;
}

// The dimension lines the screen draws: a line on layer 8 followed by its first end tick and end
// dot. Ends ordered left to right, then bottom to top.
std::vector<Seg> QuoteVideo(const SinkRegistrato& s) {
    std::vector<Seg> r;
    const auto& e = s.Entita_;
    for (size_t i = 0; i + 2 < e.size(); ++i)
        if (e[i].Tipo == "Linea" && e[i].Num[4] == 8 && e[i + 1].Tipo == "Linea" && e[i + 2].Tipo == "Cerchio" &&
            e[i + 2].Num[3] == 8)
            r.push_back({float(e[i].Num[0]), float(e[i].Num[1]), float(e[i].Num[2]), float(e[i].Num[3])});
    return r;
}

// The dimension entities of a DXF 2000 pass: their dimension lines.
std::vector<Seg> QuoteDxf(const SinkRegistrato& s) {
    std::vector<Seg> r;
    for (const Entita& e : s.Entita_)
        if (e.Tipo == "Quota") r.push_back({float(e.Num[6]), float(e.Num[7]), float(e.Num[8]), float(e.Num[9])});
    return r;
}

Seg Ordinato(Seg s) {
    if (s.X1 > s.X2 || (s.X1 == s.X2 && s.Y1 > s.Y2)) std::swap(s.X1, s.X2), std::swap(s.Y1, s.Y2);
    return s;
}

void Attesi(const std::vector<Seg>& visti, const std::vector<Seg>& attesi) {
    ASSERT_EQ(visti.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        SCOPED_TRACE(i);
        const Seg v = Ordinato(visti[i]), a = Ordinato(attesi[i]);
        EXPECT_NEAR(v.X1, a.X1, 1e-3);
        EXPECT_NEAR(v.Y1, a.Y1, 1e-3);
        EXPECT_NEAR(v.X2, a.X2, 1e-3);
        EXPECT_NEAR(v.Y2, a.Y2, 1e-3);
    }
}

// The two bars of one piece with their closing ends, inset by the cover.
std::vector<Seg> Barre(float xa, float xb, float yU, float yL) {
    return {{xa + 3, yU, xb - 3, yU}, {xa + 3, yL, xb - 3, yL}, {xa + 3, yU, xa + 3, yL}, {xb - 3, yU, xb - 3, yL}};
}

// Chairs at xa + passo, xa + 2 passo, ...: the first always, the others up to xb.
std::vector<Seg> Cavalletti(float xa, float xb, float passo, float yU, float yL, bool dueGambe) {
    std::vector<Seg> r;
    for (float p = xa + passo;; p += passo) {
        if (dueGambe) r.insert(r.end(), {{p - 5, yU, p - 5, yL}, {p + 5, yU, p + 5, yL}});
        else r.push_back({p, yU, p, yL});
        if (p + passo > xb) break;
    }
    return r;
}

std::vector<Seg> Piu(std::vector<Seg> a, const std::vector<Seg>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

// The title and the dimensions: one chain for one piece; an overall dimension over a chain that
// covers the opening's gap too; offsets doubled in the 1:100 style.
TEST(DisSezione, TitoloEQuote) {
    struct Caso {
        const char* nome;
        int s;
        std::vector<float> x;
        float Xs;
        int uscita, scala50;
        std::string titolo;
        float yTitolo;
        std::vector<Seg> quote;
    } casi[] = {
        {"due punti", 0, {0, 500}, 0, 0, 1, "Sezione  1 - 1", 90, {{0, 55, 500, 55}, {-30, 0, -30, -25}}},
        {"quattro punti: un foro", 0, {0, 100, 200, 500}, 0, 0, 1, "Sezione  1 - 1", 90,
         {{0, 55, 500, 55}, {0, 35, 100, 35}, {100, 35, 200, 35}, {200, 35, 500, 35}, {-30, 0, -30, -25}}},
        {"indice 9", 9, {0, 500}, 0, 0, 1, "Sezione  10 - 10", 90, {{0, 55, 500, 55}, {-30, 0, -30, -25}}},
        {"spostata sul foglio", 0, {0, 500}, 20, 0, 1, "Sezione  1 - 1", 90, {{20, 55, 520, 55}, {-10, 0, -10, -25}}},
        {"DXF a 1:100", 0, {0, 100, 200, 500}, 0, 1, 0, "Sezione  1 - 1", 180,
         {{0, 110, 500, 110}, {0, 70, 100, 70}, {100, 70, 200, 70}, {200, 70, 500, 70}, {-30, 0, -30, -25}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Vista.Scala50Corrente = c.scala50;
        const std::vector<Punto> p = Punti(c.x);
        DisSezione(b.m, c.s, p, static_cast<int>(p.size()) - 1, c.Xs, 0, c.uscita);
        const SinkRegistrato& sink = c.uscita == 0 ? b.p.SinkVideo : b.p.SinkDxf;
        std::vector<Entita> titoli;
        for (const Entita& e : sink.Entita_)
            if (e.Tipo == "Testo" && e.Num[3] == 12) titoli.push_back(e);
        ASSERT_EQ(titoli.size(), 1u);
        EXPECT_EQ(titoli[0].Testo, c.titolo);
        EXPECT_FLOAT_EQ(titoli[0].Num[0], c.Xs + c.x[0]);
        EXPECT_FLOAT_EQ(titoli[0].Num[1], c.yTitolo);
        // Kind 1, left, top, level.
        EXPECT_EQ(titoli[0].Num[2], 1);
        EXPECT_EQ(titoli[0].Num[4], 0);
        EXPECT_EQ(titoli[0].Num[5], 2);
        EXPECT_EQ(titoli[0].Num[6], 0);
        Attesi(c.uscita == 0 ? QuoteVideo(sink) : QuoteDxf(sink), c.quote);
        if (c.uscita != 0) {
            EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
        }
    }
}

// The concrete of every piece on layer 23, the bars and chairs on layer 10.
TEST(DisSezione, CalcestruzzoBarreECavalletti) {
    struct Caso {
        const char* nome;
        int direzione;
        std::vector<float> x;
        std::function<void(Modello&)> prepara;
        std::vector<Seg> calcestruzzo, ferri;
    } casi[] = {
        {"direzione 1: barre interne, cavalletti a due gambe", 0, {0, 500}, [](Modello&) {},
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}},
         Piu(Barre(0, 500, -4.4f, -20.6f), Cavalletti(0, 500, 50, -4.4f, -20.6f, true))},
        {"direzione 2: barre esterne, un tratto per cavalletto col passo 2", 1, {0, 500},
         [](Modello& m) { m.Diffusa.PassoCavalletti2 = 40; },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}},
         Piu(Barre(0, 500, -3.4f, -21.6f), Cavalletti(0, 500, 40, -3.4f, -21.6f, false))},
        {"due pezzi", 0, {0, 100, 200, 500}, [](Modello&) {},
         {{0, 0, 100, 0}, {0, -25, 100, -25}, {0, 0, 0, -25}, {100, 0, 100, -25},
          {200, 0, 500, 0}, {200, -25, 500, -25}, {200, 0, 200, -25}, {500, 0, 500, -25}},
         Piu(Piu(Barre(0, 100, -4.4f, -20.6f), Cavalletti(0, 100, 50, -4.4f, -20.6f, true)),
             Piu(Barre(200, 500, -4.4f, -20.6f), Cavalletti(200, 500, 50, -4.4f, -20.6f, true)))},
        {"un pezzo piu' corto del passo: un cavalletto comunque, oltre la fine", 0, {0, 30}, [](Modello&) {},
         {{0, 0, 30, 0}, {0, -25, 30, -25}, {0, 0, 0, -25}, {30, 0, 30, -25}},
         Piu(Barre(0, 30, -4.4f, -20.6f), {{45, -4.4f, 45, -20.6f}, {55, -4.4f, 55, -20.6f}})},
        {"senza diametro dei cavalletti", 0, {0, 500}, [](Modello& m) { m.Diffusa.DiamCavalletti = 0; },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}}, Barre(0, 500, -4.4f, -20.6f)},
        {"un passo nullo", 0, {0, 500}, [](Modello& m) { m.Diffusa.PassoCavalletti2 = 0; },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}}, Barre(0, 500, -4.4f, -20.6f)},
        {"maglia unica: una barra a meta' spessore", 0, {0, 500}, [](Modello& m) { m.Progetto.MagliaUnica = 1; },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}}, {{3, -11.7f, 497, -11.7f}}},
        {"maglia unica in direzione 2", 1, {0, 500}, [](Modello& m) { m.Progetto.MagliaUnica = 1; },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}}, {{3, -13.3f, 497, -13.3f}}},
        {"maglia unica con ancoraggi piegati", 0, {0, 500},
         [](Modello& m) {
             m.Progetto.MagliaUnica = 1;
             m.Progetto.PiegaAncoraggio = 1;
             m.Diffusa.DiamDiffInf2 = 10;
         },
         {{0, 0, 500, 0}, {0, -25, 500, -25}, {0, 0, 0, -25}, {500, 0, 500, -25}},
         {{3, -11.7f, 497, -11.7f}, {3, -11.7f, 3, -6.7f}, {3, -6.7f, 24, -6.7f},
          {497, -11.7f, 497, -6.7f}, {497, -6.7f, 476, -6.7f}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b(c.direzione);
        c.prepara(b.m);
        const std::vector<Punto> p = Punti(c.x);
        DisSezione(b.m, 0, p, static_cast<int>(p.size()) - 1, 0, 0, 0);
        Attesi(Linee(b.p.SinkVideo, 23), c.calcestruzzo);
        Attesi(Linee(b.p.SinkVideo, 10), c.ferri);
    }
}

// Every section is drawn whatever the layer switches; without a cut point nothing is drawn.
TEST(DisSezione, SenzaInterruttoriESenzaPunti) {
    Banco b;
    Strati.VisLayerCorr.fill(0);
    DisSezione(b.m, 0, Punti({0, 500}), 1, 0, 0, 0);
    EXPECT_EQ(Linee(b.p.SinkVideo, 23).size(), 4u);
    b.p.SinkVideo.Entita_.clear();
    DisSezione(b.m, 0, {}, -1, 0, 0, 0);
    DisSezione(b.m, 0, Punti({0, 500}), -1, 0, 0, 0);
    DisSezione(b.m, 10, Punti({0, 500}), 1, 0, 0, 0);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
    // A last index beyond the list stands for the list's own.
    DisSezione(b.m, 0, Punti({0, 500}), 7, 0, 0, 0);
    EXPECT_EQ(Linee(b.p.SinkVideo, 23).size(), 4u);
}

// Far out on the sheet a chair spacing below the coordinates' precision would not move the next
// chair along: the row ends at the first chair instead of never ending.
TEST(DisSezione, PassoCheNonAvanza) {
    Banco b;
    b.m.Diffusa.PassoCavalletti1 = 0.01f;
    DisSezione(b.m, 0, Punti({0, 500}), 1, 1.0e6f, 0, 0);
    EXPECT_EQ(Linee(b.p.SinkVideo, 10).size(), 4u + 2u);
}
