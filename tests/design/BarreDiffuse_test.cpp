#include "design/BarreDiffuse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "design/BarreZone.h"
#include "design/SoletteBarre.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Linea {
    float X1, Y1, X2, Y2;
    int Layer;
};

std::vector<Linea> Linee(const SinkRegistrato& s, int layer = -1) {
    std::vector<Linea> v;
    for (const Entita& e : s.Entita_)
        if (e.Tipo == "Linea" && (layer < 0 || e.Num[4] == layer))
            v.push_back({float(e.Num[0]), float(e.Num[1]), float(e.Num[2]), float(e.Num[3]), int(e.Num[4])});
    return v;
}

std::array<float, 8> Totali(const MagliaDiffusa& d) {
    return {d.LungDiffSup1, d.LungDiffSup2, d.LungDiffInf1, d.LungDiffInf2,
            d.PesoDiffSup1, d.PesoDiffSup2, d.PesoDiffInf1, d.PesoDiffInf2};
}

}  // namespace

TEST(BarreDiffuse, Totali) {
    AmbienteBarre amb;
    struct Caso {
        const char* nome;
        Anello contorno;
        float lung1, peso1, lung2, peso2;
    } casi[] = {
        // 15 runs of 394 + two 18 cm hooks; 20 runs of 294 + 36.
        {"400x300", Rettangolo400x300, 6450, 39.77f, 6600, 40.69f},
        // 13 divided runs of 1134 (600 + 534) and 12 of 530.
        {"L", SolettaL, 21102, 130.10f, 20250, 124.85f},
    };
    for (const Caso& c : casi) {
        Modello m = SolettaProva(c.contorno);
        m.Diffusa.LungDiffInf1 = m.Diffusa.PesoDiffInf2 = -7;
        ComputaDiffusa(m, 0, 0, 0, -1);
        const MagliaDiffusa& d = m.Diffusa;
        EXPECT_EQ(d.LungDiffSup1, c.lung1) << c.nome;
        EXPECT_NEAR(d.PesoDiffSup1, c.peso1, 0.005) << c.nome;
        EXPECT_EQ(d.LungDiffSup2, c.lung2) << c.nome;
        EXPECT_NEAR(d.PesoDiffSup2, c.peso2, 0.005) << c.nome;
        // The upper face's pass leaves the lower face's totals alone.
        EXPECT_EQ(d.LungDiffInf1, -7);
        EXPECT_EQ(d.PesoDiffInf2, -7);
        ComputaDiffusa(m, 0, 0, 1, -1);
        EXPECT_EQ(d.LungDiffInf1, c.lung1) << c.nome;
        EXPECT_EQ(d.LungDiffInf2, c.lung2) << c.nome;
        EXPECT_NEAR(d.PesoDiffInf2, c.peso2, 0.005) << c.nome;
    }
}

TEST(BarreDiffuse, PassataDiDisegno) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300);
    ComputaDiffusa(m, 0, 0, 0, -1);
    const auto prima = Totali(m.Diffusa);

    ComputaDiffusa(m, 0, 0, 0, 0);
    ComputaDiffusa(m, 0, 0, 0, 1);
    EXPECT_EQ(Totali(m.Diffusa), prima);
    for (const SinkRegistrato* s : {&pp.SinkVideo, &pp.SinkDxf}) {
        std::vector<Linea> l20 = Linee(*s, 20), l21 = Linee(*s, 21);
        EXPECT_EQ(Linee(*s).size(), 35u);
        ASSERT_EQ(l20.size(), 15u);
        ASSERT_EQ(l21.size(), 20u);
        // Direction 1 from 1 cm above the working outline's bottom, every 20 cm, side to side.
        for (int k = 0; k < 15; ++k) {
            EXPECT_FLOAT_EQ(l20[k].Y1, 4 + 20.0f * k);
            EXPECT_FLOAT_EQ(l20[k].Y2, 4 + 20.0f * k);
            EXPECT_FLOAT_EQ(std::min(l20[k].X1, l20[k].X2), 3);
            EXPECT_FLOAT_EQ(std::max(l20[k].X1, l20[k].X2), 397);
        }
        for (const Linea& l : l21) {
            EXPECT_FLOAT_EQ(l.X1, l.X2);
            EXPECT_NEAR(std::fabs(l.Y2 - l.Y1), 294, 1e-3);
        }
    }

    // The offsets move the drawing.
    pp.SinkVideo.Entita_.clear();
    ComputaDiffusa(m, 1000, -500, 1, 0);
    std::vector<Linea> l20 = Linee(pp.SinkVideo, 20);
    ASSERT_EQ(l20.size(), 15u);
    EXPECT_FLOAT_EQ(l20[0].Y1, 4 - 500.0f);
    EXPECT_FLOAT_EQ(std::min(l20[0].X1, l20[0].X2), 1003);
}

TEST(BarreDiffuse, ForoDivideLeBarre) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300, {{{100, 100}, {200, 100}, {200, 200}, {100, 200}}});
    ComputaDiffusa(m, 0, 0, 0, 0);
    int divise = 0;
    for (const Linea& l : Linee(pp.SinkVideo, 20)) {
        float a = std::min(l.X1, l.X2), b = std::max(l.X1, l.X2);
        if (l.Y1 > 97 && l.Y1 < 203) {
            ++divise;
            EXPECT_TRUE((a == 3 && b == 97) || (a == 203 && b == 397)) << a << " " << b << " y " << l.Y1;
        } else {
            EXPECT_TRUE(a == 3 && b == 397);
        }
    }
    EXPECT_EQ(divise, 2 * 5);  // the lines 104, 124, ..., 184
    ComputaDiffusa(m, 0, 0, 0, -1);
    // 10 whole runs of 394 + 36 and 5 lines of two runs, 94 + 36 and 194 + 36.
    EXPECT_EQ(m.Diffusa.LungDiffSup1, 10 * 430 + 5 * (130 + 230));
}

// A bar line through a vertex of the working outline or of an opening's lays the bars of the
// line just above it, and never a bar across the opening.
TEST(BarreDiffuse, RigaPerUnVertice) {
    AmbienteBarre amb;
    auto prepara = [](float dy) {
        Modello m = SolettaProva(Rettangolo400x300);
        ContorniLavoro& c = m.Contorni;
        c.ContornoArmatura = {{3, 3},     {3, 290},   {100, 290}, {150, 264}, {200, 290}, {397, 290},
                              {397, 164}, {300, 144}, {397, 124}, {397, 3},   {3, 3}};
        c.UltVertContornoArm = static_cast<int>(c.ContornoArmatura.size()) - 1;
        c.ContornoForiArm = {{{150, 124}, {120, 144}, {150, 164}, {180, 144}, {150, 124}}};
        m.Soletta.NumFori = 1;
        m.Soletta.NumVertForo = {4};
        m.Soletta.InizioForo = {0};
        c.LimitiArmDir1 = {3, 3, 397, 290};
        c.LimitiArmDir2 = {3, -397, 290, -3};
        for (Punto& p : c.ContornoArmatura) p.Y -= dy;
        for (Punto& p : c.ContornoForiArm[0]) p.Y -= dy;
        return m;
    };
    PiattaformaProva pp;
    Modello sulVertice = prepara(0), sopra = prepara(0.01f);
    ComputaDiffusa(sulVertice, 0, 0, 0, 0);
    std::vector<Linea> a = Linee(pp.SinkVideo);
    pp.SinkVideo.Entita_.clear();
    ComputaDiffusa(sopra, 0, 0, 0, 0);
    std::vector<Linea> b = Linee(pp.SinkVideo);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Layer, b[i].Layer);
        EXPECT_NEAR(a[i].X1, b[i].X1, 0.1) << i;
        EXPECT_NEAR(a[i].Y1, b[i].Y1, 0.1) << i;
        EXPECT_NEAR(a[i].X2, b[i].X2, 0.1) << i;
        EXPECT_NEAR(a[i].Y2, b[i].Y2, 0.1) << i;
    }
    // Nothing crosses the diamond: no bar has a point strictly inside it.
    for (const Linea& l : a) {
        if (l.Layer != 20) continue;
        float y = l.Y1, lo = std::min(l.X1, l.X2), hi = std::max(l.X1, l.X2);
        float mezza = 30 - std::fabs(y - 144) * 1.5f;  // half width of the diamond at y
        if (mezza > 0) {
            EXPECT_TRUE(hi <= 150 - mezza + 1e-3f || lo >= 150 + mezza - 1e-3f) << y;
        }
    }
    // The lines through the opening's vertices.
    auto riga = [&](float y) {
        std::vector<std::pair<float, float>> r;
        for (const Linea& l : a)
            if (l.Layer == 20 && l.Y1 == y) r.push_back({std::min(l.X1, l.X2), std::max(l.X1, l.X2)});
        return r;
    };
    EXPECT_EQ(riga(124), (std::vector<std::pair<float, float>>{{3, 150}, {150, 397}}));
    EXPECT_EQ(riga(144), (std::vector<std::pair<float, float>>{{3, 120}, {180, 300}}));
    EXPECT_EQ(riga(164), (std::vector<std::pair<float, float>>{{3, 397}}));
    EXPECT_EQ(riga(264), (std::vector<std::pair<float, float>>{{3, 150}, {150, 397}}));
}

TEST(BarreDiffuse, PettineDiSessantaDenti) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Anello c = {{0, 0}, {0, 200}};
    for (int i = 0; i < 60; ++i) {
        float x = 20.0f * i;
        if (i > 0) c.push_back({x, 200});
        c.push_back({x + 10, 200});
        c.push_back({x + 10, 100});
        c.push_back({x + 20, 100});
    }
    c.push_back({1200, 0});
    Modello m = SolettaProva(c);
    ComputaDiffusa(m, 0, 0, 0, 0);
    int nellaRiga = 0;
    for (const Linea& l : Linee(pp.SinkVideo, 20)) {
        if (l.Y1 != 144) continue;
        ++nellaRiga;
        EXPECT_NEAR(std::fabs(l.X2 - l.X1), 4, 1e-3);
    }
    EXPECT_EQ(nellaRiga, 60);
}

// With a turned bar frame every bar runs along its direction and ends on the working outline.
TEST(BarreDiffuse, DirezioneRuotata) {
    AmbienteBarre amb;
    PiattaformaProva pp;
    Modello m = SolettaProva(Rettangolo400x300, {}, 10, 20, 30);
    ComputaDiffusa(m, 0, 0, 0, 0);
    std::vector<Linea> l = Linee(pp.SinkVideo, 20);
    ASSERT_GT(l.size(), 15u);
    auto sulBordo = [](float x, float y) {
        return std::fabs(x - 3) < 0.01f || std::fabs(x - 397) < 0.01f || std::fabs(y - 3) < 0.01f ||
               std::fabs(y - 297) < 0.01f;
    };
    for (const Linea& s : l) {
        float dx = s.X2 - s.X1, dy = s.Y2 - s.Y1;
        EXPECT_NEAR(std::atan2(dy, dx) * 180 / 3.14159265f, 30, 0.01);
        EXPECT_TRUE(sulBordo(s.X1, s.Y1)) << s.X1 << " " << s.Y1;
        EXPECT_TRUE(sulBordo(s.X2, s.Y2)) << s.X2 << " " << s.Y2;
    }
}

// A spacing that is no positive number leaves that layer at 0 and lists it; the others are computed.
TEST(BarreDiffuse, PassoNonValido) {
    AmbienteBarre amb;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Modello m = SolettaProva(Rettangolo400x300);
    m.Diffusa.PassoDiffSup2 = 0;
    m.Diffusa.PassoDiffInf1 = nan;
    m.Diffusa.PassoDiffInf2 = -5;
    m.Diffusa.LungDiffSup2 = m.Diffusa.PesoDiffSup2 = 99;
    std::vector<ElementoSaltato> s;
    ComputaDiffusa(m, 0, 0, 0, -1, &s);
    ComputaDiffusa(m, 0, 0, 1, -1, &s);
    EXPECT_EQ(m.Diffusa.LungDiffSup1, 6450);
    EXPECT_EQ(m.Diffusa.LungDiffSup2, 0);
    EXPECT_EQ(m.Diffusa.PesoDiffSup2, 0);
    EXPECT_EQ(m.Diffusa.LungDiffInf1, 0);
    EXPECT_EQ(m.Diffusa.LungDiffInf2, 0);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].Genere, GenereSaltato::StratoDiffuso);
    EXPECT_EQ(s[0].Indice, 2);
    EXPECT_EQ(s[1].Indice, 1);
    EXPECT_EQ(s[2].Indice, 3);
    EXPECT_EQ(s[0].Tratti, 0);
    EXPECT_EQ(DescriviSaltato(s[0]), "Armatura diffusa superiore direzione 2: passo non valido (0): armatura non computata");
    // A drawing pass with such a spacing draws that layer's nothing and stops.
    PiattaformaProva pp;
    ComputaDiffusa(m, 0, 0, 0, 0);
    EXPECT_EQ(Linee(pp.SinkVideo, 20).size(), 15u);
    EXPECT_TRUE(Linee(pp.SinkVideo, 21).empty());
}

// Bars that cannot be divided count 0 and are listed; nothing divides by zero.
TEST(BarreDiffuse, LunghezzaMassimaNulla) {
    AmbienteBarre amb;
    Imp.LungMaxFerri = 0;
    Modello m = SolettaProva(Rettangolo400x300);
    std::vector<ElementoSaltato> s;
    ComputaDiffusa(m, 0, 0, 0, -1, &s);
    EXPECT_EQ(m.Diffusa.LungDiffSup1, 0);
    EXPECT_EQ(m.Diffusa.PesoDiffSup2, 0);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].Tratti, 15);
    EXPECT_EQ(s[1].Tratti, 20);
    EXPECT_NE(DescriviSaltato(s[1]).find("20 tratti non suddivisibili"), std::string::npos);

    // Long runs of the L slab with 400 cm bars are divided; only too short bars are refused.
    Imp.LungMaxFerri = 400;
    Modello l = SolettaProva(SolettaL);
    s.clear();
    ComputaDiffusa(l, 0, 0, 0, -1, &s);
    EXPECT_TRUE(s.empty());
    EXPECT_GT(l.Diffusa.LungDiffSup1, 21102);
}
