#include "drawing/QuotaturaAutomatica.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "model/Impostazioni.h"
#include "support/GlobaliProva.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A dimension as line ends and measured points.
struct Q {
    float x1, y1, x2, y2, xp1, yp1, xp2, yp2;
    bool operator==(const Q&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Q& q) {
    return o << "(" << q.x1 << ", " << q.y1 << ")-(" << q.x2 << ", " << q.y2 << ") da (" << q.xp1 << ", " << q.yp1
             << "), (" << q.xp2 << ", " << q.yp2 << ")";
}

struct Banco {
    GlobaliProva stato;
    EditQuote quotatura = Quotatura;
    Banco() {
        Imp.DecimaliQuote = 1;
        Imp.QuoteInMetri = 0;
    }
    ~Banco() { Quotatura = quotatura; }
};

// The slab outline (closed here by repeating its first vertex) and the column centres.
Modello Soletta(const std::vector<Punto>& contorno, const std::vector<Punto>& pilastri = {}) {
    Modello m;
    auto& g = m.Soletta;
    g.Contorno = contorno;
    g.Contorno.push_back(contorno.front());
    g.NumVertContorno = static_cast<int>(contorno.size());
    g.LimitiContorno = {contorno[0].X, contorno[0].Y, contorno[0].X, contorno[0].Y};
    for (const Punto& p : contorno) {
        g.LimitiContorno[0] = std::min(g.LimitiContorno[0], p.X), g.LimitiContorno[1] = std::min(g.LimitiContorno[1], p.Y);
        g.LimitiContorno[2] = std::max(g.LimitiContorno[2], p.X), g.LimitiContorno[3] = std::max(g.LimitiContorno[3], p.Y);
    }
    for (const Punto& p : pilastri) {
        Pilastro c;
        c.X = p.X, c.Y = p.Y;
        g.Pilastri.push_back(c);
    }
    g.NumPilastri = static_cast<int>(pilastri.size());
    return m;
}

std::vector<Q> Quote(const Modello& m) {
    std::vector<Q> r;
    for (int i = 0; i <= m.SezQuote.UltimaQuota; ++i) {
        const Quota& q = m.SezQuote.Quote[static_cast<size_t>(i)];
        r.push_back({q.X1, q.Y1, q.X2, q.Y2, q.XP1, q.YP1, q.XP2, q.YP2});
    }
    return r;
}

// The dimensions on the line y = L (orizz) or x = L.
std::vector<Q> SullaLinea(const std::vector<Q>& tutte, bool orizz, float L) {
    std::vector<Q> r;
    for (const Q& q : tutte)
        if (orizz ? (q.y1 == L && q.y2 == L) : (q.x1 == L && q.x2 == L)) r.push_back(q);
    return r;
}

const std::vector<Punto> Rettangolo = {{0, 0}, {0, 500}, {800, 500}, {800, 0}};

}  // namespace

TEST(QuotaturaAutomatica, Rettangolo) {
    Banco b;
    Modello m = Soletta(Rettangolo);
    QuotaturaAutomatica(m);
    const std::vector<Q> attese = {
        {0, 560, 800, 560, 0, 500, 800, 500},
        {0, -60, 800, -60, 0, 0, 800, 0},
        {-60, 0, -60, 500, 0, 0, 0, 500},
        {860, 0, 860, 500, 800, 0, 800, 500},
    };
    EXPECT_EQ(Quote(m), attese);
    ASSERT_EQ(m.SezQuote.UltimaQuota, 3);
    const char* testi[] = {"800.0", "800.0", "500.0", "500.0"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.SezQuote.Quote[static_cast<size_t>(i)].Testo, testi[i]);
        EXPECT_EQ(m.SezQuote.Quote[static_cast<size_t>(i)].Pianta, -1);
    }
    // Appended after what the list holds; the text follows the settings of the run.
    Imp.QuoteInMetri = 1;
    Imp.DecimaliQuote = 2;
    QuotaturaAutomatica(m);
    ASSERT_EQ(m.SezQuote.UltimaQuota, 7);
    const std::vector<Q> tutte = Quote(m);
    EXPECT_EQ(std::vector<Q>(tutte.begin() + 4, tutte.end()), attese);
    EXPECT_EQ(m.SezQuote.Quote[4].Testo, "8.00");
    EXPECT_EQ(m.SezQuote.Quote[0].Testo, "800.0");
}

// The chains the cases below pin, each the whole chain on its line, in order.
TEST(QuotaturaAutomatica, Catene) {
    struct Caso {
        const char* nome;
        std::vector<Punto> contorno, pilastri;
        bool orizz;
        float L;
        std::vector<Q> catena;
    } casi[] = {
        {"L: a destra",
         {{0, 0}, {0, 600}, {300, 600}, {300, 300}, {800, 300}, {800, 0}},
         {},
         false,
         860,
         {{860, 0, 860, 300, 800, 0, 800, 300}, {860, 300, 860, 600, 800, 300, 300, 600}}},
        {"L: sopra",
         {{0, 0}, {0, 600}, {300, 600}, {300, 300}, {800, 300}, {800, 0}},
         {},
         true,
         660,
         {{0, 660, 300, 660, 0, 600, 300, 600}, {300, 660, 800, 660, 300, 600, 800, 300}}},
        {"L: sotto, lo spigolo interno nascosto",
         {{0, 0}, {0, 600}, {300, 600}, {300, 300}, {800, 300}, {800, 0}},
         {},
         true,
         -60,
         {{0, -60, 800, -60, 0, 0, 800, 0}}},
        {"tacca a V: la punta nascosta",
         {{0, 0}, {0, 900}, {800, 900}, {800, 700}, {500, 600}, {800, 500}, {800, 0}},
         {},
         false,
         860,
         {{860, 0, 860, 500, 800, 0, 800, 500},
          {860, 500, 860, 700, 800, 500, 800, 700},
          {860, 700, 860, 900, 800, 700, 800, 900}}},
        {"tacca a V: la punta penultima di quattro resta",
         {{0, 0}, {0, 900}, {800, 900}, {500, 800}, {800, 700}, {800, 0}},
         {},
         false,
         860,
         {{860, 0, 860, 700, 800, 0, 800, 700},
          {860, 700, 860, 800, 800, 700, 500, 800},
          {860, 800, 860, 900, 500, 800, 800, 900}}},
        {"pentagono: sopra",
         {{0, 0}, {0, 500}, {600, 500}, {900, 250}, {600, 0}},
         {},
         true,
         560,
         {{0, 560, 600, 560, 0, 500, 600, 500}, {600, 560, 900, 560, 600, 500, 900, 250}}},
        {"tre pilastri, il secondo saltato: sopra",
         Rettangolo,
         {{0, 0}, {0, 500}, {300, 0}},
         true,
         560,
         {{0, 560, 300, 560, 0, 0, 300, 0}}},
        {"tre pilastri, il secondo saltato: a destra",
         Rettangolo,
         {{0, 0}, {0, 500}, {300, 0}},
         false,
         860,
         {{860, 0, 860, 500, 300, 0, 0, 500}}},
        {"tre pilastri tutti raccolti: sopra",
         Rettangolo,
         {{0, 0}, {300, 0}, {0, 500}},
         true,
         560,
         {{0, 560, 300, 560, 0, 500, 300, 0}}},
        {"due vertici a 0.0005 cm: un punto, il piu' alto",
         {{0, 0}, {0, 500}, {400, 400}, {400.0005f, 500}, {800, 500}, {800, 0}},
         {},
         true,
         560,
         {{0, 560, 400, 560, 0, 500, 400, 500}, {400, 560, 800, 560, 400, 500, 800, 500}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Modello m = Soletta(c.contorno, c.pilastri);
        QuotaturaAutomatica(m);
        EXPECT_EQ(SullaLinea(Quote(m), c.orizz, c.L), c.catena);
    }
}

// With columns every dimension is listed: column chains first, then the outline's.
TEST(QuotaturaAutomatica, Pilastri) {
    struct Caso {
        const char* nome;
        std::vector<Punto> pilastri;
        std::vector<Q> quote;
    } casi[] = {
        {"una fila: sopra e sotto, il contorno a 60",
         {{200, 250}, {400, 250}, {600, 250}},
         {{200, 560, 400, 560, 200, 250, 400, 250},
          {400, 560, 600, 560, 400, 250, 600, 250},
          {200, -60, 400, -60, 200, 250, 400, 250},
          {400, -60, 600, -60, 400, 250, 600, 250},
          {0, 560, 800, 560, 0, 500, 800, 500},
          {0, -60, 800, -60, 0, 0, 800, 0},
          {-60, 0, -60, 500, 0, 0, 0, 500},
          {860, 0, 860, 500, 800, 0, 800, 500}}},
        {"un allineamento: a sinistra e a destra, il contorno a 90",
         {{400, 100}, {400, 250}, {400, 400}},
         {{-60, 100, -60, 250, 400, 100, 400, 250},
          {-60, 250, -60, 400, 400, 250, 400, 400},
          {860, 100, 860, 250, 400, 100, 400, 250},
          {860, 250, 860, 400, 400, 250, 400, 400},
          {0, 590, 800, 590, 0, 500, 800, 500},
          {0, -90, 800, -90, 0, 0, 800, 0},
          {-90, 0, -90, 500, 0, 0, 0, 500},
          {890, 0, 890, 500, 800, 0, 800, 500}}},
        {"un pilastro solo: nessuna catena dei pilastri",
         {{400, 250}},
         {{0, 560, 800, 560, 0, 500, 800, 500},
          {0, -60, 800, -60, 0, 0, 800, 0},
          {-60, 0, -60, 500, 0, 0, 0, 500},
          {860, 0, 860, 500, 800, 0, 800, 500}}},
        {"pilastri sovrapposti: sulla stessa x e y",
         {{400, 250}, {400.00005f, 250.00005f}},
         {{0, 560, 800, 560, 0, 500, 800, 500},
          {0, -60, 800, -60, 0, 0, 800, 0},
          {-60, 0, -60, 500, 0, 0, 0, 500},
          {860, 0, 860, 500, 800, 0, 800, 500}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Modello m = Soletta(Rettangolo, c.pilastri);
        QuotaturaAutomatica(m);
        EXPECT_EQ(Quote(m), c.quote);
        for (int i = 0; i <= m.SezQuote.UltimaQuota; ++i) EXPECT_EQ(m.SezQuote.Quote[static_cast<size_t>(i)].Pianta, -1);
    }
}

TEST(QuotaturaAutomatica, CatenaDiretta) {
    Banco b;
    const std::vector<Vertice> punti = {{0, 500}, {100, 200}, {200, 300}, {300, 100}, {400, 50}};
    struct Caso {
        const char* nome;
        void (*catena)(Modello&, const std::vector<Vertice>&, float, int);
        float L;
        int n;
        std::vector<Q> quote;
    } casi[] = {
        {"sulla linea non conta", QuotaCatenaH1, 500, 3, {{100, 500, 200, 500, 100, 200, 200, 300}}},
        {"solo i primi n", QuotaCatenaH1, 600, 2, {{0, 600, 100, 600, 0, 500, 100, 200}}},
        {"n oltre la lista", QuotaCatenaH2, 20, 9,
         {{0, 20, 100, 20, 0, 500, 100, 200},
          {100, 20, 300, 20, 100, 200, 300, 100},
          {300, 20, 400, 20, 300, 100, 400, 50}}},
        {"tutti oltre la linea", QuotaCatenaH2, 600, 5, {}},
        {"un punto solo dal suo lato", QuotaCatenaV1, 50, 5, {}},
        {"nessun punto", QuotaCatenaV2, 0, 0, {}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m;
        c.catena(m, punti, c.L, c.n);
        EXPECT_EQ(Quote(m), c.quote);
    }
}
