#include "design/OrdinaSezioni.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/GlobaliProva.h"

using namespace vilmor;

namespace {

// A section tagged by its X1, with its direction and key (Y2 for direction 1, X2 otherwise).
struct Voce {
    float Tag;
    int Direzione;
    float Chiave;
};

Modello Con(const std::vector<Voce>& voci) {
    Modello m;
    for (const Voce& v : voci) {
        Sezione s;
        s.X1 = v.Tag;
        s.Direzione = v.Direzione;
        (v.Direzione == 0 ? s.Y2 : s.X2) = v.Chiave;
        m.SezQuote.Sezioni.push_back(s);
    }
    m.SezQuote.UltimaSezione = static_cast<int>(voci.size()) - 1;
    return m;
}

std::vector<float> Tag(const Modello& m) {
    std::vector<float> t;
    for (const Sezione& s : m.SezQuote.Sezioni) t.push_back(s.X1);
    return t;
}

}  // namespace

TEST(OrdinaSezioni, Casi) {
    struct Caso {
        const char* nome;
        std::vector<Voce> voci;
        std::vector<float> attesi;  // tags in the new order
    } casi[] = {
        {"direzione 1 prima, ciascuna per posizione", {{1, 1, 300}, {2, 0, 500}, {3, 0, 200}}, {3, 2, 1}},
        // The first 2 trades places with 1, which puts 2' before it.
        {"chiavi uguali 2, 2', 1", {{1, 0, 2}, {2, 0, 2}, {3, 0, 1}}, {3, 2, 1}},
        {"chiavi uguali 1, 2, 2' restano", {{1, 0, 1}, {2, 0, 2}, {3, 0, 2}}, {1, 2, 3}},
        {"una sola", {{1, 1, 300}}, {1}},
        {"nessuna", {}, {}},
        {"tutte in direzione 2, per X2", {{1, 1, 300}, {2, 1, 100}, {3, 1, 200}}, {2, 3, 1}},
        {"una direzione letta da file che non e' ne' 0 ne' 1: col gruppo della direzione 2",
         {{1, 2, 100}, {2, 0, 50}, {3, 1, 50}}, {2, 3, 1}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = Con(c.voci);
        const int ultima = m.SezQuote.UltimaSezione;
        OrdinaSezioni(m);
        EXPECT_EQ(Tag(m), c.attesi);
        EXPECT_EQ(m.SezQuote.UltimaSezione, ultima);
    }
}

// The whole record moves with its key, and the form without a model orders the open project.
TEST(OrdinaSezioni, RecordInteriSulProgetto) {
    prova::GlobaliProva stato;
    M = Con({{1, 0, 500}, {2, 0, 200}});
    M.SezQuote.Sezioni[0].X5 = 7;
    M.SezQuote.Sezioni[1].Y6 = 9;
    OrdinaSezioni();
    EXPECT_EQ(Tag(M), (std::vector<float>{2, 1}));
    EXPECT_EQ(M.SezQuote.Sezioni[0].Y6, 9);
    EXPECT_EQ(M.SezQuote.Sezioni[0].Y2, 200);
    EXPECT_EQ(M.SezQuote.Sezioni[1].X5, 7);
}
