#include "model/Estensioni.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vilmor;

namespace {
Modello ConContorno(float larghezza, float altezza) {
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, altezza}, {larghezza, altezza}, {larghezza, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    return m;
}
using Q = std::array<float, 4>;
}  // namespace

TEST(SettaLimiti, Casi) {
    struct {
        const char* nome;
        Modello m;
        Q limiti;
        float larghezza, altezza, tavola;
        Q estTavola;
    } casi[] = {
        {"largo", ConContorno(1000, 500), {-480, -90, 1080, 570}, 1560, 660, 5710, {-480, -900, 5230, 570}},
        {"senza contorno", Modello{}, {-480, -90, 80, 70}, 560, 160, 2.0f * 560 + 200 + 1.5f * 560 + 50,
         {-480, -400, -480 + 2.0f * 560 + 200 + 1.5f * 560 + 50, 70}},
    };
    for (auto& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoVista v;
        SettaLimiti(c.m, v);
        EXPECT_EQ(v.LimitiPianta, c.limiti);
        EXPECT_EQ(v.EstensionePianta, c.limiti);
        EXPECT_EQ(v.EstensioneCorrente, c.limiti);
        EXPECT_EQ(v.LarghezzaPianta, c.larghezza);
        EXPECT_EQ(v.AltezzaPianta, c.altezza);
        EXPECT_FLOAT_EQ(v.LarghezzaTavola, c.tavola);
        for (size_t i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(v.EstensioneTavola[i], c.estTavola[i]) << i;
        // A second call gives the same extents: nothing accumulates.
        SettaLimiti(c.m, v);
        EXPECT_EQ(v.LimitiPianta, c.limiti);
    }
}

TEST(SettaLimiti, StrisciaSezioni) {
    StatoVista v;
    Modello alto = ConContorno(500, 1000);
    alto.SezQuote.UltimaSezione = 0;
    SettaLimiti(alto, v);
    EXPECT_FLOAT_EQ(v.LarghezzaTavola, 4922);
    // Without a section the wide strip stays.
    alto.SezQuote.UltimaSezione = -1;
    SettaLimiti(alto, v);
    EXPECT_FLOAT_EQ(v.LarghezzaTavola, 2 * 1060 + 200 + 1.5f * 1060 + 50);
    // One mesh: a single row on the sheet.
    Modello unica = ConContorno(1000, 500);
    unica.Progetto.MagliaUnica = -1;
    SettaLimiti(unica, v);
    EXPECT_EQ(v.EstensioneTavola, (Q{-480, -90, 5230, 570}));
}

TEST(CalcolaDirezioni, Casi) {
    Modello m;
    m.Progetto.AngoloDir1 = 0;
    m.Progetto.AngoloDir2 = static_cast<float>(M_PI / 2);
    CalcolaDirezioni(m);
    const DatiProgetto& p = m.Progetto;
    EXPECT_EQ(p.CosDir1, 1);
    EXPECT_EQ(p.SinDir1, 0);
    EXPECT_EQ(p.CosDir2, 0);
    EXPECT_EQ(p.SinDir2, 1);
    EXPECT_EQ(p.CosInvDir1, 1);
    EXPECT_EQ(p.SinInvDir1, 0);
    EXPECT_EQ(p.CosInvDir2, 0);
    // Near -1 nothing snaps: the value stays as computed.
    EXPECT_NEAR(p.SinInvDir2, -1, 1e-12);
    EXPECT_NE(p.SinInvDir2, -1.0);

    m.Progetto.AngoloDir1 = static_cast<float>(M_PI);
    m.Progetto.AngoloDir2 = 0;
    CalcolaDirezioni(m);
    EXPECT_NEAR(p.CosDir1, -1, 1e-12);
    EXPECT_NE(p.CosDir1, -1.0);
    EXPECT_EQ(p.SinDir1, 0);
}
