#include "drawing/Quote.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <string>

#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A 1000 x 500 picture showing the plan window (0, 0)-(1000, 500) at one pixel per cm: plan
// y = 500 - picture y. Plan 2 in view, one decimal, centimetres.
struct Banco {
    GlobaliProva stato;
    EditQuote quotatura = Quotatura;
    PiattaformaProva p;
    Modello m;
    Banco() {
        ImpostaDefaultImpostazioni();
        ImpostaColori();
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = 1;
        Vista.AltezzaVideo = 500;
        Vista.PiantaCorrente = 2;
        Vista.CodiceVista = 0;
        Vista.ModoComando = 0;
        Vista.EditPerimetro = 0;
        Quotatura = EditQuote{};
        m.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        m.Soletta.NumVertContorno = 4;
        m.Soletta.LimitiContorno = {0, 0, 1000, 500};
        p.Video.Chiamate.clear();
    }
    ~Banco() { Quotatura = quotatura; }
    void Metti(float x1, float y1, float x2, float y2, int pianta = -1) {
        SezioniQuote& sq = m.SezQuote;
        ++sq.UltimaQuota;
        sq.Quote.resize(static_cast<size_t>(sq.UltimaQuota) + 1);
        Quota& q = sq.Quote.back();
        q = Quota{};
        q.X1 = x1, q.Y1 = y1, q.X2 = x2, q.Y2 = y2, q.Pianta = pianta, q.Testo = "x";
    }
    // The two picked points of the insert modes, picture pixels: plan (100, 100) and (300, 150).
    void Scelti(float x1 = 100, float y1 = 400, float x2 = 300, float y2 = 350) {
        Quotatura.XQuota1 = x1, Quotatura.YQuota1 = y1, Quotatura.XQuota2 = x2, Quotatura.YQuota2 = y2;
    }
    int Ridisegni() const { return static_cast<int>(p.Video.Di("Pulisci").size()); }
    const Quota& Q(int i) const { return m.SezQuote.Quote[static_cast<size_t>(i)]; }
};

void Estremi(const Quota& q, float x1, float y1, float x2, float y2, float tol = 0.01f) {
    EXPECT_NEAR(q.X1, x1, tol);
    EXPECT_NEAR(q.Y1, y1, tol);
    EXPECT_NEAR(q.X2, x2, tol);
    EXPECT_NEAR(q.Y2, y2, tol);
}

}  // namespace

TEST(Quote, AggiungiQuotaTestoELunghezzaMinima) {
    struct Caso {
        float lung;
        int decimali, metri;
        const char* testo;  // nullptr: not appended
    } casi[] = {
        {437.4f, 1, 0, "437.4"}, {437.4f, 2, 1, "4.37"}, {437.4f, 0, 0, "437"}, {437.4f, 3, 0, ""},
        {437.4f, -1, 0, ""},     {12.25f, 1, 0, "12.3"},  {0.009f, 1, 0, nullptr}, {0.0091f, 1, 0, "0.0"},
        {0, 1, 0, nullptr},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.lung) + " " + std::to_string(c.decimali) + " " + std::to_string(c.metri));
        Banco b;
        b.Metti(1, 2, 3, 4, 3);
        Imp.DecimaliQuote = c.decimali;
        Imp.QuoteInMetri = c.metri;
        Quotatura.XQuota1 = 10, Quotatura.YQuota1 = 20, Quotatura.XQuota2 = 30, Quotatura.YQuota2 = 40;
        AggiungiQuota(b.m, 50, 60, 50 + c.lung, 60, 7);
        Estremi(b.Q(0), 1, 2, 3, 4, 0);
        EXPECT_EQ(b.Q(0).Pianta, 3);
        if (!c.testo) {
            EXPECT_EQ(b.m.SezQuote.UltimaQuota, 0);
            EXPECT_EQ(b.m.SezQuote.Quote.size(), 1u);
            continue;
        }
        ASSERT_EQ(b.m.SezQuote.UltimaQuota, 1);
        ASSERT_EQ(b.m.SezQuote.Quote.size(), 2u);
        const Quota& q = b.Q(1);
        Estremi(q, 50, 60, 50 + c.lung, 60, 0);
        EXPECT_EQ(q.XP1, 10);
        EXPECT_EQ(q.YP1, 20);
        EXPECT_EQ(q.XP2, 30);
        EXPECT_EQ(q.YP2, 40);
        EXPECT_EQ(q.Testo, c.testo);
        EXPECT_EQ(q.Pianta, 7);
    }
}

TEST(Quote, TestoQuotaSenzaLocale) {
    Banco b;
    Imp.DecimaliQuote = 2;
    Imp.QuoteInMetri = 1;
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    const std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    AggiungiQuota(b.m, 0, 0, 437.4f, 0, -1);
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    ASSERT_EQ(b.m.SezQuote.UltimaQuota, 0);
    EXPECT_EQ(b.Q(0).Testo, "4.37");
}

TEST(Quote, TrovaQuota) {
    struct Caso {
        const char* nome;
        std::vector<std::array<float, 5>> quote;  // ends and plan
        float x, y;
        int atteso;
    } casi[] = {
        {"6.9 pixel sopra la linea", {{100, 100, 300, 100, -1}}, 200, 393.1f, 0},
        {"7 pixel sopra la linea", {{100, 100, 300, 100, -1}}, 200, 393, -1},
        {"6.9 pixel sotto, pianta corrente", {{100, 100, 300, 100, 2}}, 200, 406.9f, 0},
        {"altra pianta", {{100, 100, 300, 100, 3}}, 200, 400, -1},
        {"altra pianta, poi una visibile", {{100, 100, 300, 100, 3}, {100, 102, 300, 102, -1}}, 200, 400, 1},
        {"due linee sovrapposte", {{100, 100, 300, 100, -1}, {50, 100, 350, 100, 2}}, 200, 400, 0},
        {"oltre l'estremo", {{100, 100, 300, 100, -1}}, 310, 400, -1},
        {"linea obliqua", {{100, 100, 300, 300, -1}}, 200, 305, 0},
        {"nessuna quota", {}, 200, 400, -1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        for (const auto& q : c.quote) b.Metti(q[0], q[1], q[2], q[3], static_cast<int>(q[4]));
        EXPECT_EQ(TrovaQuota(b.m, c.x, c.y), c.atteso);
    }
}

TEST(Quote, AgganciaEstremo) {
    struct Caso {
        const char* nome;
        int pianta;
        float x, y;
        bool preso;
        float xq, yq;
    } casi[] = {
        {"vicino al primo estremo", -1, 103, 302, true, 100, 200},
        {"a pari distanza: il secondo", -1, 200, 300, true, 300, 200},
        {"vicino al secondo estremo", 2, 290, 298, true, 300, 200},
        {"quota di un'altra pianta", 3, 103, 302, true, 100, 200},
        {"nessuna linea vicina: il cursore", -1, 200, 250, false, 200, 250},
        {"oltre l'estremo: il cursore", -1, 99, 300, false, 99, 200},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Metti(100, 200, 300, 200, c.pianta);
        float xq = -1, yq = -1;
        EXPECT_EQ(AgganciaEstremoQuota(b.m, c.x, c.y, xq, yq), c.preso);
        EXPECT_FLOAT_EQ(xq, c.xq);
        EXPECT_FLOAT_EQ(yq, c.yq);
    }
    // Of two lines under the cursor the lower index gives the end.
    Banco b;
    b.Metti(100, 200, 300, 200);
    b.Metti(50, 200, 260, 200);
    float xq = 0, yq = 0;
    EXPECT_TRUE(AgganciaEstremoQuota(b.m, 250, 300, xq, yq));
    EXPECT_EQ(xq, 300);
}

TEST(Quote, AngoloQuota) {
    struct Caso {
        float x1, y1, x2, y2, c, s;
    } casi[] = {
        {100, 400, 300, 350, 0.970143f, -0.242536f},  // rising to the right on the plan
        {100, 400, 300, 400, 1, 0},
        {100, 400, 100.001f, 300, std::cos(1.5707964f), 1},  // x within 0.001: vertical
        {100, 400, 100, 300, std::cos(1.5707964f), 1},
        {100, 400, 200, 600, 0.447214f, 0.894427f},    // atan 1.107: kept
        {100, 400, 200, 200, -0.447214f, 0.894427f},   // atan -1.107: half a turn added
        {300, 350, 100, 400, 0.970143f, -0.242536f},   // the order of the points does not matter
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.x2) + ", " + std::to_string(c.y2));
        float co = 0, si = 0;
        AngoloQuota(c.x1, c.y1, c.x2, c.y2, co, si);
        EXPECT_NEAR(co, c.c, 1e-6);
        EXPECT_NEAR(si, c.s, 1e-6);
    }
}

TEST(Quote, InserisciQuota) {
    struct Caso {
        int modo;
        float x1, y1, x2, y2;
        const char* testo;
    } casi[] = {
        {2002, 100, 200, 300, 200, "200.0"},
        {3002, 200, 100, 200, 150, "50.0"},
        {4002, 82.353f, 170.588f, 282.353f, 220.588f, "206.2"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.modo);
        Banco b;
        b.Scelti();
        Vista.ModoComando = c.modo;
        InserisciQuota(b.m, 200, 300);
        ASSERT_EQ(b.m.SezQuote.UltimaQuota, 0);
        const Quota& q = b.Q(0);
        Estremi(q, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(q.Testo, c.testo);
        EXPECT_FLOAT_EQ(q.XP1, 100);
        EXPECT_FLOAT_EQ(q.YP1, 100);
        EXPECT_FLOAT_EQ(q.XP2, 300);
        EXPECT_FLOAT_EQ(q.YP2, 150);
        EXPECT_EQ(q.Pianta, 2);
        EXPECT_EQ(Vista.ModoComando, 0);
        EXPECT_EQ(b.Ridisegni(), 1);
        // The redraw is of the model the dimension went into.
        auto presso = [](double a, double b, double c, double d) { return std::hypot(a - c, b - d) < 0.01; };
        bool disegnata = false;
        for (const auto& e : b.p.SinkVideo.Entita_) {
            if (e.Tipo != "Linea" || e.Num[4] != 8) continue;
            disegnata |= (presso(e.Num[0], e.Num[1], q.X1, q.Y1) && presso(e.Num[2], e.Num[3], q.X2, q.Y2)) ||
                         (presso(e.Num[0], e.Num[1], q.X2, q.Y2) && presso(e.Num[2], e.Num[3], q.X1, q.Y1));
        }
        EXPECT_TRUE(disegnata);
        if (c.modo == 4002) {
            EXPECT_NEAR(Quotatura.CosQuota, 0.970143f, 1e-6);
            EXPECT_NEAR(Quotatura.SinQuota, -0.242536f, 1e-6);
        }
    }
}

TEST(Quote, InserisciQuotaSenzaQuota) {
    struct Caso {
        const char* nome;
        int modo;
        float x1, y1, x2, y2;
    } casi[] = {
        {"altro modo", 7001, 100, 400, 300, 350},
        {"orizzontale su punti della stessa x", 2002, 100, 400, 100, 350},
        {"verticale su punti della stessa y", 3002, 100, 400, 300, 400},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Scelti(c.x1, c.y1, c.x2, c.y2);
        Vista.ModoComando = c.modo;
        InserisciQuota(b.m, 200, 300);
        EXPECT_EQ(b.m.SezQuote.UltimaQuota, -1);
        EXPECT_EQ(Vista.ModoComando, 0);
        EXPECT_EQ(b.Ridisegni(), 1);
    }
}

TEST(Quote, InserisciQuotaAgganciataOVerticale) {
    {
        // The third click snaps to the first end of the stored line: the new line runs at its y.
        Banco b;
        b.Metti(100, 200, 300, 200, 3);
        b.Scelti();
        Vista.ModoComando = 2002;
        InserisciQuota(b.m, 103, 302);
        ASSERT_EQ(b.m.SezQuote.UltimaQuota, 1);
        Estremi(b.Q(1), 100, 200, 300, 200, 0);
    }
    {
        // Picked x within 0.001 pixel: the aligned dimension is vertical, through the click.
        Banco b;
        b.Scelti(100, 400, 100.001f, 300);
        Vista.ModoComando = 4002;
        InserisciQuota(b.m, 200, 300);
        ASSERT_EQ(b.m.SezQuote.UltimaQuota, 0);
        Estremi(b.Q(0), 200, 100, 200, 200);
        EXPECT_EQ(b.Q(0).Testo, "100.0");
    }
}

TEST(Quote, SpostaQuota) {
    Banco b;
    b.Scelti();
    Vista.ModoComando = 4002;
    InserisciQuota(b.m, 200, 300);
    ASSERT_EQ(b.m.SezQuote.UltimaQuota, 0);
    const Quota prima = b.Q(0);
    b.p.Video.Chiamate.clear();

    // The main window selects the line: its ends in picture pixels.
    Quotatura.QuotaSelezionata = 0;
    Quotatura.XQuota1 = XSchermo(prima.X1), Quotatura.YQuota1 = YSchermo(prima.Y1);
    Quotatura.XQuota2 = XSchermo(prima.X2), Quotatura.YQuota2 = YSchermo(prima.Y2);
    Vista.ModoComando = 7001;
    SpostaQuota(b.m, 200, 250);
    const Quota& q = b.Q(0);
    const float dx1 = q.X1 - prima.X1, dy1 = q.Y1 - prima.Y1;
    EXPECT_NEAR(q.X2 - prima.X2, dx1, 0.01);
    EXPECT_NEAR(q.Y2 - prima.Y2, dy1, 0.01);
    EXPECT_GT(std::hypot(dx1, dy1), 40.0f);
    // Normal to the line, and the line passes through the click (plan (200, 250)).
    const float lx = prima.X2 - prima.X1, ly = prima.Y2 - prima.Y1;
    EXPECT_NEAR((dx1 * lx + dy1 * ly) / std::hypot(lx, ly), 0, 0.01);
    EXPECT_NEAR(((200 - q.X1) * ly - (250 - q.Y1) * lx) / std::hypot(lx, ly), 0, 0.01);
    EXPECT_NEAR(Distanza(q.X1, q.Y1, q.X2, q.Y2), Distanza(prima.X1, prima.Y1, prima.X2, prima.Y2), 0.01);
    EXPECT_EQ(q.XP1, prima.XP1);
    EXPECT_EQ(q.YP1, prima.YP1);
    EXPECT_EQ(q.XP2, prima.XP2);
    EXPECT_EQ(q.YP2, prima.YP2);
    EXPECT_EQ(q.Testo, prima.Testo);
    EXPECT_EQ(q.Pianta, prima.Pianta);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(b.Ridisegni(), 1);
}

TEST(Quote, SpostaQuotaSelezioneFuoriElenco) {
    Banco b;
    b.Metti(100, 200, 300, 200);
    for (int i : {-1, 1}) {
        Quotatura.QuotaSelezionata = i;
        Vista.ModoComando = 7001;
        SpostaQuota(b.m, 200, 250);
        Estremi(b.Q(0), 100, 200, 300, 200, 0);
        EXPECT_EQ(Vista.ModoComando, 0);
    }
    EXPECT_EQ(b.Ridisegni(), 2);
}

TEST(Quote, EvidQuotaCursore) {
    {
        Banco b;
        b.Metti(100, 200, 300, 200);
        EvidQuotaCursore(b.m, 103, 302);
        const auto& v = b.p.Video.Chiamate;
        ASSERT_EQ(v.size(), 3u);
        EXPECT_EQ(v[0].Op, "SpessorePenna");
        EXPECT_EQ(v[0].Num, std::vector<double>{3});
        EXPECT_EQ(v[1].Op, "Rettangolo");
        EXPECT_EQ(v[1].Num, (std::vector<double>{94, 294, 106, 306, double(ColorePalette(14))}));
        EXPECT_EQ(v[2].Op, "SpessorePenna");
        EXPECT_EQ(v[2].Num, std::vector<double>{1});
    }
    {
        Banco b;
        b.Metti(100, 200, 300, 200);
        EvidQuotaCursore(b.m, 200, 250);  // no line near
        EvidQuotaCursore(b.m, 99, 300);   // past the end
        EXPECT_TRUE(b.p.Video.Chiamate.empty());
    }
    {
        Banco b;
        EvidQuotaCursore(b.m, 103, 302);
        EXPECT_TRUE(b.p.Video.Chiamate.empty());
    }
}
