#include "drawing/DisFerriSezione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Testo1252.h"
#include "design/Ancoraggio.h"
#include "design/FerriSezione.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string D = SegnoDiametro;

struct Seg {
    float X1, Y1, X2, Y2;
};
struct Etichetta {
    std::string Testo;
    float X, Y;
};

// Thickness 28, cover 3, direction-1 diffuse diameters 10 (hooks of 20), default settings and
// materials, the recording sinks, the 1:50 style.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Modello m;
    Banco() {
        ImpostaDefault();
        Vista.Scala50Corrente = 1;
        m.Progetto.Spessore = 28;
        m.Progetto.Copriferro = 3;
        m.Diffusa.DiamDiffSup1 = m.Diffusa.DiamDiffInf1 = 10;
    }
    std::vector<Seg> Linee(const SinkRegistrato& s, int layer) const {
        std::vector<Seg> r;
        for (const Entita& e : s.Entita_)
            if (e.Tipo == "Linea" && e.Num[4] == layer)
                r.push_back({float(e.Num[0]), float(e.Num[1]), float(e.Num[2]), float(e.Num[3])});
        return r;
    }
    // Texts on layer 19: the bars' labels (they hold "L="), or the segment lengths.
    std::vector<Entita> Testi(const SinkRegistrato& s, bool etichette) const {
        std::vector<Entita> r;
        for (const Entita& e : s.Entita_)
            if (e.Tipo == "Testo" && e.Num[3] == 19 && (e.Testo.find("L=") != std::string::npos) == etichette)
                r.push_back(e);
        return r;
    }
};

void AttesiLinee(const std::vector<Seg>& visti, const std::vector<Seg>& attesi) {
    ASSERT_EQ(visti.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(visti[i].X1, attesi[i].X1, 1e-3);
        EXPECT_NEAR(visti[i].Y1, attesi[i].Y1, 1e-3);
        EXPECT_NEAR(visti[i].X2, attesi[i].X2, 1e-3);
        EXPECT_NEAR(visti[i].Y2, attesi[i].Y2, 1e-3);
    }
}

}  // namespace

TEST(DisFerriSez, BarreEtichette) {
    const float Y = 100;
    struct Caso {
        const char* nome;
        int Pos, Tipo;
        float X2;
        int ganci;
        int scala50;
        std::vector<Seg> linee;
        std::vector<Etichetta> etichette;
    } casi[] = {
        {"una barra con due ganci, faccia superiore", 0, 0, 300, 1, 1,
         {{0, Y, 0, Y - 20}, {0, Y, 300, Y}, {300, Y, 300, Y - 20}},
         {{"1" + D + "10/20 L=340", 150, Y + 1.5f}}},
        {"faccia inferiore: ganci in su", 0, 1, 300, 1, 1,
         {{0, Y, 0, Y + 20}, {0, Y, 300, Y}, {300, Y, 300, Y + 20}},
         {{"1" + D + "10/20 L=340", 150, Y + 1.5f}}},
        {"posizione 3", 3, 0, 300, 1, 1,
         {{0, Y, 0, Y - 20}, {0, Y, 300, Y}, {300, Y, 300, Y - 20}},
         {{"1" + D + "10/20 L=340 (3)", 150, Y + 1.5f}}},
        {"1000 cm: una barra intera e l'ultima", 0, 0, 1000, 0, 1,
         {{0, Y, 600, Y}, {496, Y - 20, 1000, Y - 20}},
         {{"1" + D + " 10/20 L= 600", 300, Y + 1.5f}, {"1" + D + "10/20 L= 504", 748, Y - 20 + 1.5f}}},
        {"620 cm: la prima accorciata di 40", 0, 0, 620, 0, 1,
         {{0, Y, 560, Y}, {456, Y - 20, 620, Y - 20}},
         {{"1" + D + "10/20 L= 560", 280, Y + 2.0f}, {"1" + D + "10/20 L= 164", 538, Y - 20 + 1.5f}}},
        {"1:100: barre sfalsate di 40", 0, 0, 1000, 0, 0,
         {{0, Y, 600, Y}, {496, Y - 40, 1000, Y - 40}},
         {{"1" + D + " 10/20 L= 600", 300, Y + 1.5f}, {"1" + D + "10/20 L= 504", 748, Y - 40 + 1.5f}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Vista.Scala50Corrente = c.scala50;
        EXPECT_EQ(DisFerriSez(b.m, c.Pos, c.Tipo, Y, 0, c.X2, 10, 20, c.ganci, c.ganci, 0), 0);
        AttesiLinee(b.Linee(b.p.SinkVideo, 10), c.linee);
        const auto testi = b.Testi(b.p.SinkVideo, true);
        ASSERT_EQ(testi.size(), c.etichette.size());
        for (size_t i = 0; i < testi.size(); ++i) {
            EXPECT_EQ(testi[i].Testo, c.etichette[i].Testo);
            EXPECT_NEAR(testi[i].Num[0], c.etichette[i].X, 1e-3);
            EXPECT_NEAR(testi[i].Num[1], c.etichette[i].Y, 1e-3);
            // Kind 0, centred, bottom, level.
            EXPECT_EQ(testi[i].Num[2], 0);
            EXPECT_EQ(testi[i].Num[4], 1);
            EXPECT_EQ(testi[i].Num[5], 0);
            EXPECT_EQ(testi[i].Num[6], 0);
        }
        // Every segment carries its length on layer 19.
        EXPECT_EQ(b.Testi(b.p.SinkVideo, false).size(), c.linee.size());
        EXPECT_TRUE(b.p.SinkDxf.Entita_.empty());
    }
}

TEST(DisFerriSez, LunghezzeDeiSegmenti) {
    Banco b;
    DisFerriSez(b.m, 0, 0, 100, 0, 300, 10, 20, 1, 1, 0);
    // The start hook's length above it, the bar's and the end hook's below.
    const auto testi = b.Testi(b.p.SinkVideo, false);
    ASSERT_EQ(testi.size(), 3u);
    const struct {
        const char* testo;
        double x, y, vert;
    } attesi[] = {{"20", 0, 90, 0}, {"300", 150, 100, 2}, {"20", 300, 90, 2}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(testi[i].Testo, attesi[i].testo);
        EXPECT_NEAR(testi[i].Num[0], attesi[i].x, 1e-3);
        EXPECT_NEAR(testi[i].Num[1], attesi[i].y, 1e-3);
        EXPECT_EQ(testi[i].Num[5], attesi[i].vert);
    }
    // The DXF pass draws the same bars into the DXF output.
    DisFerriSez(b.m, 0, 0, 100, 0, 300, 10, 20, 1, 1, 1);
    AttesiLinee(b.Linee(b.p.SinkDxf, 10), b.Linee(b.p.SinkVideo, 10));
}

// What is drawn is what the totals count: the labels of a run add up to its measure, and a run
// that cannot be divided (or spans under 0.9 cm) draws nothing.
TEST(DisFerriSez, DisegnoEMisuraConcordano) {
    Banco b;
    ASSERT_EQ(CalcAncoraggio(10), 52);
    for (float X2 : {0.89f, 0.9f, 150.0f, 537.0f, 620.0f, 1000.0f, 1333.3f, 2471.0f})
        for (int ganci = 0; ganci < 4; ++ganci)
            for (int tipo : {0, 1}) {
                SCOPED_TRACE(std::to_string(X2) + " " + std::to_string(ganci) + " " + std::to_string(tipo));
                b.p.SinkVideo.Entita_.clear();
                DisFerriSez(b.m, 2, tipo, 0, 0, X2, 10, 20, ganci & 1, ganci >> 1, 0);
                int somma = 0;
                for (const Entita& e : b.Testi(b.p.SinkVideo, true)) {
                    const size_t l = e.Testo.find("L=") + 2;
                    somma += std::stoi(e.Testo.substr(l));
                }
                const int misura = DisFerriSez(b.m, 2, tipo, 0, 0, X2, 10, 20, ganci & 1, ganci >> 1, -1);
                EXPECT_EQ(somma, misura);
                EXPECT_EQ(misura, MisuraFerriSez(ParametriFerriSezione(b.m), 2, tipo, 0, X2, 10, ganci & 1, ganci >> 1));
                EXPECT_EQ(b.p.SinkVideo.Entita_.empty(), misura == 0);
            }
    // A lap of 166 cm cannot be made with bars of 50.
    Imp.LungMaxFerri = 50;
    b.p.SinkVideo.Entita_.clear();
    DisFerriSez(b.m, 0, 0, 0, 0, 300, 16, 20, 0, 0, 0);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
    EXPECT_EQ(DisFerriSez(b.m, 0, 0, 0, 0, 300, 16, 20, 0, 0, -1), 0);
}

// Measuring draws nothing anywhere.
TEST(DisFerriSez, Misura) {
    Banco b;
    EXPECT_EQ(DisFerriSez(b.m, 0, 0, 0, 0, 1000, 10, 20, 0, 0, -1), 1104);
    EXPECT_EQ(DisFerriSez(b.m, 0, 0, 0, 0, 300, 10, 20, 1, 1, -1), 340);
    EXPECT_EQ(DisFerriSez(b.m, 0, 0, 0, 0, 300, 10, 20, 1, 1, 0), 0) << "a drawing pass measures nothing";
    b.p.SinkVideo.Entita_.clear();
    Imp.LungMaxFerri = 50;
    EXPECT_EQ(DisFerriSez(b.m, 0, 0, 0, 0, 300, 16, 20, 0, 0, -1), 0);
    DisStaffeSez(b.m, 1, 0, 100, 140, 8, 20, 30, 2, -1);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
    EXPECT_TRUE(b.p.SinkDxf.Entita_.empty());
}

// The form without a model measures with the open project's thickness and cover.
TEST(DisFerriSez, MisuraSulProgetto) {
    Banco b;
    M = b.m;
    int n = DisFerriSez(3, 0, 25, 0, 500, 12, 20, 1, 1, -1);
    EXPECT_EQ(n, DisFerriSez(M, 3, 0, 25, 0, 500, 12, 20, 1, 1, -1));
    EXPECT_GE(n, 500);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
    EXPECT_TRUE(b.p.SinkDxf.Entita_.empty());
}

TEST(DisStaffeSez, DueEQuattroBracci) {
    const float Y = 100;
    const float h = 8 / 1.41f;
    // A link from xa to xb, top at yl, height 20: top, bottom, left leg, right leg, two hooks.
    auto staffa = [&](float xa, float xb, float yl) {
        return std::vector<Seg>{{xa, yl, xb, yl},
                                {xa, yl - 20, xb, yl - 20},
                                {xa, yl, xa, yl - 20},
                                {xb, yl, xb, yl - 20},
                                {xa + 1.5f, yl, xa + 1.5f + h, yl - h},
                                {xa, yl - 1.5f, xa + h, yl - 1.5f - h}};
    };
    struct Caso {
        const char* nome;
        int bracci;
        std::vector<Seg> linee;
        float xEtichette;
    } casi[] = {
        {"due bracci", 2, staffa(105, 135, Y), 142},
        {"quattro bracci: due staffe sfalsate", 4, {}, 134.7f + 7},
    };
    auto& quattro = casi[1].linee;
    for (const Seg& s : staffa(105, 124.8f, Y + 8)) quattro.push_back(s);
    for (const Seg& s : staffa(114.9f, 134.7f, Y - 8)) quattro.push_back(s);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        DisStaffeSez(b.m, 3, Y, 100, 140, 8, 20, 30, c.bracci, 0);
        AttesiLinee(b.Linee(b.p.SinkVideo, 10), c.linee);
        // Bottom, left leg and second hook lengths on layer 1: 30 (or 20 wide), 20, 8.
        std::vector<std::string> lunghezze, etichette;
        std::vector<Entita> testi19;
        for (const Entita& e : b.p.SinkVideo.Entita_) {
            if (e.Tipo != "Testo") continue;
            if (e.Num[3] == 1) lunghezze.push_back(e.Testo);
            if (e.Num[3] == 19) testi19.push_back(e);
        }
        if (c.bracci == 2) EXPECT_EQ(lunghezze, (std::vector<std::string>{"30", "20", "8"}));
        else EXPECT_EQ(lunghezze, (std::vector<std::string>{"20", "20", "8", "20", "20", "8"}));
        ASSERT_EQ(testi19.size(), 2u);
        EXPECT_EQ(testi19[0].Testo, "St." + D + "8/20");
        EXPECT_EQ(testi19[1].Testo, c.bracci == 2 ? "L= 116  (3)" : "L= 96  (3)");
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_NEAR(testi19[i].Num[0], c.xEtichette, 1e-3);
            EXPECT_NEAR(testi19[i].Num[1], i == 0 ? Y + 3 : Y - 10, 1e-3);
            EXPECT_EQ(testi19[i].Num[2], 0);  // kind 0, left, top
            EXPECT_EQ(testi19[i].Num[4], 0);
            EXPECT_EQ(testi19[i].Num[5], 2);
        }
    }
}
