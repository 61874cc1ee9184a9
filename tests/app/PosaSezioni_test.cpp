// Sections placed through a point, and cut again after an outline change.
#include "app/PosaSezioni.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/Estensioni.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct SezioniProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    Modello m;
    void SetUp() override {
        // One picture pixel per centimetre, the plan's origin at the picture's bottom-left.
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 1000, 0, 2000};
        Vista.AltezzaVideo = 1000;
        Vista.LarghezzaPianta = 1000, Vista.AltezzaPianta = 600;
        m.Progetto.AngoloDir1 = 0, m.Progetto.AngoloDir2 = 1.5707964f;
        CalcolaDirezioni(m);
        Contorno({{0, 0}, {0, 600}, {1000, 600}, {1000, 0}});
    }
    void Contorno(std::vector<Punto> c) {
        c.push_back(c.front());
        m.Soletta.Contorno = c;
        m.Soletta.NumVertContorno = static_cast<int>(c.size()) - 1;
    }
    // Places section `indice` through plan point (x, y) along direction `dir`.
    void Posa(int dir, float x, float y, int indice = 0) {
        Vista.DirezioneSezione = dir;
        Vista.IndiceSezione = indice;
        AssegnaSez(m, XSchermo(x), YSchermo(y));
    }
    const Sezione& S(int i = 0) const { return m.SezQuote.Sezioni.at(static_cast<size_t>(i)); }
};

void Vicino(const Sezione& s, std::vector<float> attesi) {
    const float v[] = {s.X1, s.Y1, s.X2, s.Y2, s.X3, s.Y3, s.X4, s.Y4, s.X5, s.Y5, s.X6, s.Y6};
    for (size_t k = 0; k < attesi.size(); ++k) EXPECT_NEAR(v[k], attesi[k], 0.01) << k;
}

}  // namespace

TEST_F(SezioniProva, LungoLeDueDirezioni) {
    Posa(0, 400, 300);
    EXPECT_EQ(ErroreOperazione, 0);
    Vicino(S(), {-25, 300, 1025, 300, -35, 330, -25, 350, 1025, 350, 1035, 330});
    EXPECT_EQ(S().Direzione, 0);
    Posa(1, 400, 300);
    Vicino(S(), {400, -25, 400, 625});
    EXPECT_EQ(S().Direzione, 1);
    // A cursor outside the slab still gives a section when its line (1000 cm each way) crosses
    // the outline.
    Posa(0, 1500, 100);
    Vicino(S(), {975, 100, 1025, 100});
}

TEST_F(SezioniProva, ContornoConcavoPettineEVertice) {
    // A U shape crossed four times: the outermost crossings.
    Contorno({{0, 0}, {0, 600}, {300, 600}, {300, 200}, {700, 200}, {700, 600}, {1000, 600}, {1000, 0}});
    Posa(0, 500, 400);
    Vicino(S(), {-25, 400, 1025, 400});

    // A comb of 30 teeth (the last one's right edge at 590): 60 crossings, the extremes kept.
    std::vector<Punto> pettine{{0, 0}};
    for (int k = 0; k < 30; ++k) {
        const float x = 20.0f * k;
        pettine.insert(pettine.end(), {{x, 600}, {x + 10, 600}, {x + 10, 100}, {x + 20, 100}});
    }
    pettine.push_back({600, 0});
    Contorno(pettine);
    Posa(0, 300, 300);
    Vicino(S(), {-25, 300, 615, 300});

    // A line through an outline vertex is not cut short there.
    Contorno({{0, 0}, {0, 400}, {500, 600}, {1000, 400}, {1000, 0}});
    Posa(1, 500, 300);
    Vicino(S(), {500, -25, 500, 625});
}

TEST_F(SezioniProva, LineaCheNonIncontraEIndiceOltre) {
    Posa(0, 400, 300);
    m.SezQuote.UltimaSezione = 0;
    Posa(0, 400, 900, 0);
    EXPECT_EQ(ErroreOperazione, -1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "la sezione non interseca la soletta.\nOperazione annullata.");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    Vicino(S(), {-25, 300, 1025, 300});

    Posa(1, 200, 100, 1);
    ASSERT_EQ(m.SezQuote.Sezioni.size(), 2u);
    Vicino(S(0), {-25, 300, 1025, 300});
    Vicino(S(1), {200, -25, 200, 625});
    EXPECT_EQ(m.SezQuote.UltimaSezione, 0) << "the caller commits";
}

TEST_F(SezioniProva, RicalcoloEdEliminazione) {
    RicalcolaSezioni(m);
    EXPECT_EQ(m.SezQuote.UltimaSezione, -1);
    EliminaSez(m, 0);
    EXPECT_EQ(m.SezQuote.UltimaSezione, -1);

    Posa(0, 400, 300, 0);
    Posa(0, 400, 500, 1);
    Posa(0, 400, 550, 2);
    Posa(1, 500, 300, 3);
    m.SezQuote.UltimaSezione = 3;
    // Shrunk to 0 … 800 × 0 … 400: the two upper sections miss and go, the others follow.
    Contorno({{0, 0}, {0, 400}, {800, 400}, {800, 0}});
    RicalcolaSezioni(m);
    ASSERT_EQ(m.SezQuote.UltimaSezione, 1);
    Vicino(S(0), {-25, 300, 825, 300, -35, 330, -25, 350, 825, 350, 835, 330});
    Vicino(S(1), {500, -25, 500, 425});
    EXPECT_EQ(S(1).Direzione, 1);
    EXPECT_EQ(Vista.IndiceSezione, 2);

    // Enlarged beyond the stored line: the section follows its whole line to the new edge.
    Contorno({{0, 0}, {0, 600}, {1100, 600}, {1100, 0}});
    m.SezQuote.UltimaSezione = 0;
    RicalcolaSezioni(m);
    Vicino(S(0), {-25, 300, 1125, 300});

    m.SezQuote.UltimaSezione = 1;
    EliminaSez(m, 1);
    EXPECT_EQ(m.SezQuote.UltimaSezione, 0);
    Vicino(S(0), {-25, 300, 1125, 300});
}

// A section across the slab stays across it when an edge moves just past its stored end, and is
// then the section a new placement through the same point gives; a line that misses goes.
TEST_F(SezioniProva, RicalcoloLungoTuttaLaLinea) {
    struct Caso {
        const char* nome;
        std::vector<Punto> contorno;
        int dir;
        float x, y;    // the point the section was placed through
        float xn, yn;  // a point of its line where a new section reaches the new slab
        bool resta;
    } casi[] = {
        {"lato inferiore 0.3 cm oltre", {{0, -25.3f}, {0, 600}, {1000, 600}, {1000, -25.3f}}, 1, 400, 300, 400, 300,
         true},
        {"lato destro 0.3 cm oltre", {{0, 0}, {0, 600}, {1025.3f, 600}, {1025.3f, 0}}, 0, 400, 300, 400, 300, true},
        {"soletta spostata di lato", {{1500, 0}, {1500, 600}, {2500, 600}, {2500, 0}}, 0, 400, 300, 2000, 300, true},
        {"soletta spostata in alto", {{0, 700}, {0, 900}, {1000, 900}, {1000, 700}}, 0, 400, 300, 0, 0, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Contorno({{0, 0}, {0, 600}, {1000, 600}, {1000, 0}});
        Posa(c.dir, c.x, c.y, 0);
        m.SezQuote.UltimaSezione = 0;
        Contorno(c.contorno);
        RicalcolaSezioni(m);
        if (!c.resta) {
            EXPECT_EQ(m.SezQuote.UltimaSezione, -1);
            continue;
        }
        ASSERT_EQ(m.SezQuote.UltimaSezione, 0);
        const Sezione ricalcolata = S(0);
        m.SezQuote.Sezioni.clear();
        Posa(c.dir, c.xn, c.yn, 0);
        ASSERT_EQ(ErroreOperazione, 0);
        const Sezione nuova = S(0);
        const float r[] = {ricalcolata.X1, ricalcolata.Y1, ricalcolata.X2, ricalcolata.Y2, ricalcolata.X3, ricalcolata.Y3,
                           ricalcolata.X4, ricalcolata.Y4, ricalcolata.X5, ricalcolata.Y5, ricalcolata.X6, ricalcolata.Y6};
        const float n[] = {nuova.X1, nuova.Y1, nuova.X2, nuova.Y2, nuova.X3, nuova.Y3,
                           nuova.X4, nuova.Y4, nuova.X5, nuova.Y5, nuova.X6, nuova.Y6};
        for (size_t k = 0; k < 12; ++k) EXPECT_NEAR(r[k], n[k], 1e-3) << k;
        EXPECT_EQ(ricalcolata.Direzione, c.dir);
    }
}

TEST_F(SezioniProva, LineaProvvisoria) {
    M = m;
    Vista.DirezioneSezione = 0;
    DisSezTmp(XSchermo(400), YSchermo(300));
    ASSERT_FALSE(p.Video.Chiamate.empty());
    EXPECT_EQ(p.Video.Chiamate.front().Op, "DisegnoPersistente");
    ASSERT_EQ(p.SinkVideo.Entita_.size(), 1u);
    const auto& l = p.SinkVideo.Entita_[0];
    EXPECT_EQ(l.Num, (std::vector<double>{-600, 300, 1400, 300, 11, 0}));
}
