#include "drawing/DisSezioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/Testo1252.h"
#include "drawing/DisFerriSezione.h"
#include "drawing/DisSezione.h"
#include "drawing/Ridisegna.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string D = SegnoDiametro;
using Anello = std::vector<Punto>;

// Slab 500 x 300 at the origin, thickness 25, cover 3, directions 0 and 90 degrees, every diffuse
// layer 10 mm at 20 cm, no chairs, one direction-1 section along y = 150; default settings and
// materials (bars at most 600 long), the recording sinks, the 1:50 style.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Modello m;
    explicit Banco(float x0 = 0) {
        ImpostaDefault();
        Vista.Scala50Corrente = 1;
        m.Progetto.Spessore = 25;
        m.Progetto.Copriferro = 3;
        Direzioni(90);
        m.Soletta.Contorno = {{x0, 0}, {x0, 300}, {x0 + 500, 300}, {x0 + 500, 0}, {x0, 0}};
        m.Soletta.NumVertContorno = 4;
        m.Soletta.LimitiContorno = {x0, 0, x0 + 500, 300};
        MagliaDiffusa& d = m.Diffusa;
        d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = 10;
        d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 20;
        Sezione(x0 - 10, 150, x0 + 510, 150, 0);
    }
    void Direzioni(float gradi2) {
        m.Progetto.AngoloDir1 = 0;
        m.Progetto.AngoloDir2 = static_cast<float>(gradi2 * M_PI / 180);
        CalcolaDirezioni(m);
    }
    void Sezione(float X1, float Y1, float X2, float Y2, int direzione) {
        vilmor::Sezione s;
        s.X1 = X1, s.Y1 = Y1, s.X2 = X2, s.Y2 = Y2;
        s.Direzione = direzione;
        m.SezQuote.Sezioni.push_back(s);
        m.SezQuote.UltimaSezione = static_cast<int>(m.SezQuote.Sezioni.size()) - 1;
    }
    // Zone z (the zones before it stay empty: no outline, no cut).
    vilmor::Zona& Zona(int z, int tipo, int direzione, const Anello& contorno) {
        ZoneArmatura& zo = m.Zone;
        if (static_cast<int>(zo.Zone.size()) <= z) zo.Zone.resize(static_cast<size_t>(z) + 1);
        zo.UltimaZona = std::max(zo.UltimaZona, z);
        vilmor::Zona& zn = zo.Zone[static_cast<size_t>(z)];
        zn.Tipo = tipo;
        zn.Direzione = direzione;
        zn.Diametro = 12;
        zn.Passo = 20;
        zo.VerticiZone[static_cast<size_t>(z)] = contorno;
        zn.UltVertice = static_cast<int>(contorno.size()) - 1;
        return zn;
    }
    vilmor::Zona& Cordolo(int z, int bracci, const Anello& contorno) {
        vilmor::Zona& zn = Zona(z, 2, 0, contorno);
        zn.Diametro = 8, zn.Passo = 20, zn.Diametro2 = 14, zn.Passo2 = 30, zn.NumBracci = bracci;
        return zn;
    }
};

Anello Rett(float xa, float ya, float xb, float yb) { return {{xa, ya}, {xa, yb}, {xb, yb}, {xb, ya}}; }

bool Uguali(const Entita& a, const Entita& b) {
    if (a.Tipo != b.Tipo || a.Testo != b.Testo || a.Num.size() != b.Num.size()) return false;
    for (size_t i = 0; i < a.Num.size(); ++i)
        if (std::fabs(a.Num[i] - b.Num[i]) > 1e-3) return false;
    return true;
}

// Whether the entities of `parte` appear in `tutto` one after the other, in the same order.
bool Contiene(const std::vector<Entita>& tutto, const std::vector<Entita>& parte) {
    if (parte.empty()) return true;
    for (size_t i = 0; i + parte.size() <= tutto.size(); ++i) {
        size_t j = 0;
        while (j < parte.size() && Uguali(tutto[i + j], parte[j])) ++j;
        if (j == parte.size()) return true;
    }
    return false;
}

// What one call of a drawer sends to the screen sink, on its own.
std::vector<Entita> Da(const std::function<void()>& disegna) {
    GlobaliProva stato;
    PiattaformaProva p;
    disegna();
    return p.SinkVideo.Entita_;
}

// The dots (their circles of 0.6 on layer 20) at height y, in drawing order.
std::vector<float> Punti(const std::vector<Entita>& e, float y) {
    std::vector<float> r;
    for (const Entita& x : e)
        if (x.Tipo == "Cerchio" && x.Num[3] == 20 && std::fabs(x.Num[2] - 0.6) < 1e-6 && std::fabs(x.Num[1] - y) < 1e-3)
            r.push_back(static_cast<float>(x.Num[0]));
    return r;
}

std::vector<float> Serie(float da, float passo, int n) {
    std::vector<float> r;
    for (int i = 0; i < n; ++i) r.push_back(da + passo * static_cast<float>(i));
    return r;
}

void AttesiX(std::vector<float> visti, std::vector<float> attesi) {
    std::sort(visti.begin(), visti.end());
    std::sort(attesi.begin(), attesi.end());
    ASSERT_EQ(visti.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) EXPECT_NEAR(visti[i], attesi[i], 2e-3) << i;
}

const Entita* Testo(const std::vector<Entita>& e, const std::string& t) {
    for (const Entita& x : e)
        if (x.Tipo == "Testo" && x.Testo == t) return &x;
    return nullptr;
}

Entita Linea(float X1, float Y1, float X2, float Y2, int layer, int stile = 0) {
    return {"Linea", {X1, Y1, X2, Y2, double(layer), double(stile)}, {}};
}

// The heights of the sections' upper faces, from their titles (90 above, 180 in the 1:100 style).
std::vector<float> Altezze(const std::vector<Entita>& e, float k) {
    std::vector<float> r;
    for (const Entita& x : e)
        if (x.Tipo == "Testo" && x.Num[3] == 12) r.push_back(static_cast<float>(x.Num[1]) - 90 * k);
    return r;
}

}  // namespace

// One section with nothing crossing it: the concrete, the two diffuse details below it and the
// bars of the other direction as dots on the multiples of their spacing.
TEST(DisSezioni, UnaSezione) {
    Banco b;
    DisSezioni(b.m, 0, 0, 0);
    const auto& e = b.p.SinkVideo.Entita_;
    const Modello& m = b.m;
    const std::vector<Punto> P = {{0, 150}, {500, 150}};
    EXPECT_TRUE(Contiene(e, Da([&] { DisSezione(m, 0, P, 1, 0, -140, 0); })));
    EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(m, 0, 0, -215, 3, 497, 10, 20, 1, 1, 0); })));
    EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(m, 0, 1, -268, 3, 497, 10, 20, 1, 1, 0); })));
    // One bar each, hooks of 17 down from the upper one and up from the lower one.
    const Entita* sup = Testo(e, "1" + D + "10/20 L=528");
    ASSERT_NE(sup, nullptr);
    EXPECT_FLOAT_EQ(sup->Num[0], 250);
    EXPECT_FLOAT_EQ(sup->Num[1], -213.5f);
    EXPECT_TRUE(Contiene(e, {Linea(3, -215, 3, -232, 10)}));
    EXPECT_TRUE(Contiene(e, {Linea(497, -215, 497, -232, 10)}));
    EXPECT_TRUE(Contiene(e, {Linea(3, -268, 3, -251, 10)}));
    EXPECT_TRUE(Contiene(e, {Linea(497, -268, 497, -251, 10)}));
    AttesiX(Punti(e, -143.4f), Serie(4, 20, 25));
    AttesiX(Punti(e, -161.6f), Serie(4, 20, 25));
    // Nothing else is a dot.
    int cerchi = 0;
    for (const Entita& x : e) cerchi += x.Tipo == "Cerchio" && x.Num[3] == 20;
    EXPECT_EQ(cerchi, 50);
}

// Each section below the previous one: a larger step after a section with zone bars along it
// (a stud zone too, and a curb met in one point), both doubled in a DXF pass at 1:100. A section
// that meets no concrete keeps its place.
TEST(DisSezioni, PassoTraLeSezioni) {
    struct Caso {
        const char* nome;
        int uscita, scala50;
        std::function<void(Banco&)> prepara;
        std::vector<float> altezze;
    } casi[] = {
        {"nessuna zona", 0, 1, [](Banco&) {}, {-140, -410}},
        {"zona di faccia lungo la prima", 0, 1, [](Banco& b) { b.Zona(0, 0, 0, Rett(3, 120, 250, 200)); },
         {-140, -520}},
        {"zona di pioli lungo la prima", 0, 1, [](Banco& b) { b.Zona(0, 3, 0, Rett(3, 120, 250, 200)); },
         {-140, -520}},
        {"cordolo incontrato in un punto: la sezione finisce dentro", 0, 1,
         [](Banco& b) { b.Cordolo(0, 2, Rett(480, 120, 600, 200)); }, {-140, -520}},
        {"zona attraverso: passo piccolo", 0, 1, [](Banco& b) { b.Zona(0, 0, 1, Rett(100, 120, 300, 200)); },
         {-140, -410}},
        {"DXF a 1:100", 1, 0, [](Banco&) {}, {-280, -820}},
        {"DXF a 1:100 con una zona lungo", 1, 0, [](Banco& b) { b.Zona(0, 0, 0, Rett(3, 120, 250, 200)); },
         {-280, -1040}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Sezione(-10, 100, 510, 100, 0);
        c.prepara(b);
        Vista.Scala50Corrente = c.scala50;
        DisSezioni(b.m, 0, 0, c.uscita);
        const auto& e = (c.uscita == 0 ? b.p.SinkVideo : b.p.SinkDxf).Entita_;
        AttesiX(Altezze(e, c.scala50 != 0 ? 1.0f : 2.0f), c.altezze);
    }
    // The first section outside the slab: the second alone, one step down.
    Banco b;
    b.m.SezQuote.Sezioni[0].Y1 = b.m.SezQuote.Sezioni[0].Y2 = 400;
    b.Sezione(-10, 100, 510, 100, 0);
    DisSezioni(b.m, 0, 0, 0);
    const auto& e = b.p.SinkVideo.Entita_;
    AttesiX(Altezze(e, 1), {-410});
    EXPECT_TRUE(Contiene(e, Da([&] { DisSezione(b.m, 1, {{0, 100}, {500, 100}}, 1, 0, -410, 0); })));
}

// A face zone across the section: its bars as dots from 1 cm inside the zone, a leader to the
// first, one along the row and the label beyond it; the spacing along the section grows as the
// bars lean.
TEST(DisSezioni, ZonaAttraverso) {
    struct Caso {
        const char* nome;
        int tipo;
        float gradi2;
        float y, yRichiamo, yTesto;
        int vert;
        std::vector<float> punti;
    } casi[] = {
        {"faccia superiore", 0, 90, -143.4f, -131.4f, -130.4f, 0, Serie(101, 20, 10)},
        {"faccia superiore, direzione 2 a 60 gradi", 0, 60, -143.4f, -131.4f, -130.4f, 0, Serie(101, 23.094011f, 9)},
        {"faccia inferiore", 1, 90, -161.6f, -170, -171, 2, Serie(101, 20, 10)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Direzioni(c.gradi2);
        b.Zona(0, c.tipo, 1, Rett(100, 50, 300, 250));
        DisSezioni(b.m, 0, 0, 0);
        const auto& e = b.p.SinkVideo.Entita_;
        // The zone's dots are those between its two leaders.
        size_t inizio = e.size(), fine = e.size();
        for (size_t i = 0; i < e.size(); ++i)
            if (Uguali(e[i], Linea(89, c.yRichiamo, 101, c.y, 8))) inizio = i;
        const float ultimo = c.punti.back();
        for (size_t i = 0; i < e.size(); ++i)
            if (Uguali(e[i], Linea(ultimo - 12, c.yRichiamo, 13, c.yRichiamo, 8))) fine = i;
        ASSERT_LT(inizio, fine);
        const std::vector<Entita> tra(e.begin() + static_cast<long>(inizio), e.begin() + static_cast<long>(fine));
        const std::vector<float> punti = Punti(tra, c.y);
        ASSERT_EQ(punti.size(), c.punti.size());
        for (size_t i = 0; i < punti.size(); ++i) EXPECT_NEAR(punti[i], c.punti[i], 2e-3) << i;
        const Entita* t = Testo(e, "1" + D + "12/20  (1)");
        ASSERT_NE(t, nullptr);
        EXPECT_FLOAT_EQ(t->Num[0], 13);
        EXPECT_FLOAT_EQ(t->Num[1], c.yTesto);
        // Kind 0, layer 19, left, level.
        EXPECT_EQ(t->Num[2], 0);
        EXPECT_EQ(t->Num[3], 19);
        EXPECT_EQ(t->Num[4], 0);
        EXPECT_EQ(t->Num[5], c.vert);
        EXPECT_EQ(t->Num[6], 0);
        // The lower diffuse detail stays where no zone runs along.
        EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(b.m, 0, 1, -268, 3, 497, 10, 20, 1, 1, 0); })));
    }
}

// A face zone along the section: its pieces as bar details below it, hooked where the zone
// reaches the slab's edge at the cover; the lower diffuse detail moves below the zone details.
TEST(DisSezioni, ZonaLungo) {
    struct Caso {
        const char* nome;
        int tipo;
        Anello contorno;
        float y, x1, x2;
        int gancioIniz, gancioFine;
        std::string etichetta;
    } casi[] = {
        {"superiore dal bordo sinistro", 0, Rett(3, 100, 250, 200), -265, 3, 250, 1, 0, "1" + D + "12/20 L=264 (1)"},
        {"inferiore fino al bordo destro", 1, Rett(250, 100, 497, 200), -314, 250, 497, 0, 1,
         "1" + D + "12/20 L=264 (1)"},
        {"inferiore all'interno", 1, Rett(100, 100, 250, 200), -314, 100, 250, 0, 0, "1" + D + "12/20 L=150 (1)"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.Zona(0, c.tipo, 0, c.contorno);
        DisSezioni(b.m, 0, 0, 0);
        const auto& e = b.p.SinkVideo.Entita_;
        EXPECT_TRUE(Contiene(
            e, Da([&] { DisFerriSez(b.m, 1, c.tipo, c.y, c.x1, c.x2, 12, 20, c.gancioIniz, c.gancioFine, 0); })));
        const Entita* t = Testo(e, c.etichetta);
        ASSERT_NE(t, nullptr);
        EXPECT_FLOAT_EQ(t->Num[1], c.y + 1.5f);
        EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(b.m, 0, 1, -336, 3, 497, 10, 20, 1, 1, 0); })));
    }
    // The start hook of 17 down from the upper zone bar.
    Banco b;
    b.Zona(0, 0, 0, Rett(3, 100, 250, 200));
    DisSezioni(b.m, 0, 0, 0);
    EXPECT_TRUE(Contiene(b.p.SinkVideo.Entita_, {Linea(3, -265, 3, -282, 10)}));
    EXPECT_FALSE(Contiene(b.p.SinkVideo.Entita_, {Linea(250, -265, 250, -282, 10)}));
}

// A curb cut by the section: its stirrup below, two dotted legs inset from the piece moved by the
// cover, the corner bars with their leaders and one label; four legs add two inner bars.
TEST(DisSezioni, Cordolo) {
    struct Caso {
        int bracci;
        std::string etichetta;
        std::vector<float> barre;
    } casi[] = {
        {2, "2+2 " + D + "14  (3)", {205, 231}},
        {4, "4+4 " + D + "14  (3)", {205, 231, 222.8f, 212.9f}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.bracci);
        Banco b;
        b.Cordolo(2, c.bracci, Rett(200, 100, 230, 200));
        DisSezioni(b.m, 0, 0, 0);
        const auto& e = b.p.SinkVideo.Entita_;
        EXPECT_TRUE(Contiene(e, Da([&] { DisStaffeSez(b.m, 3, -265, 203, 233, 8, 20, 30, c.bracci, 0); })));
        EXPECT_TRUE(Contiene(e, {Linea(205, -143, 205, -162, 10, 1), Linea(231, -143, 231, -162, 10, 1)}));
        std::vector<float> sopra, sotto;
        for (float x : Punti(e, -145)) sopra.push_back(x);
        for (float x : Punti(e, -160)) sotto.push_back(x);
        AttesiX(sopra, c.barre);
        AttesiX(sotto, c.barre);
        // The leaders of the first corner bar (H = 15) and the one along to the label.
        EXPECT_TRUE(Contiene(e, {Linea(175, -113, 205, -145, 8), Linea(160, -113, 205, -160, 8)}));
        EXPECT_TRUE(Contiene(e, {Linea(201, -113, 140, -113, 8)}));
        const Entita* t = Testo(e, c.etichetta);
        ASSERT_NE(t, nullptr);
        EXPECT_FLOAT_EQ(t->Num[0], 140);
        EXPECT_FLOAT_EQ(t->Num[1], -114);
        EXPECT_EQ(t->Num[3], 19);
        EXPECT_EQ(t->Num[4], 0);
        EXPECT_EQ(t->Num[5], 0);
        // Zone bars along: the lower diffuse detail below them.
        EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(b.m, 0, 1, -336, 3, 497, 10, 20, 1, 1, 0); })));
    }
}

// A stud zone along the section draws nothing of its own: as many entities as without it, the
// lower diffuse detail lower down.
TEST(DisSezioni, PioliNonDisegnati) {
    Banco senza;
    DisSezioni(senza.m, 0, 0, 0);
    Banco b;
    b.Zona(0, 3, 0, Rett(3, 100, 250, 200));
    DisSezioni(b.m, 0, 0, 0);
    const auto& e = b.p.SinkVideo.Entita_;
    EXPECT_EQ(e.size(), senza.p.SinkVideo.Entita_.size());
    EXPECT_TRUE(Contiene(e, Da([&] { DisFerriSez(b.m, 0, 1, -336, 3, 497, 10, 20, 1, 1, 0); })));
    for (const Entita& x : e) EXPECT_EQ(x.Testo.find("(1)"), std::string::npos) << x.Testo;
}

// The single central mesh: one detail as a lower-face run, one row of dots at mid-thickness.
TEST(DisSezioni, MagliaUnica) {
    Banco b;
    b.m.Progetto.MagliaUnica = 1;
    DisSezioni(b.m, 0, 0, 0);
    const auto& e = b.p.SinkVideo.Entita_;
    const auto dettaglio = Da([&] { DisFerriSez(b.m, 0, 1, -220, 3, 497, 10, 20, 1, 1, 0); });
    EXPECT_TRUE(Contiene(e, dettaglio));
    // Its bar labels are the only ones.
    auto etichette = [](const std::vector<Entita>& v) {
        int n = 0;
        for (const Entita& x : v) n += x.Tipo == "Testo" && x.Testo.find("L=") != std::string::npos;
        return n;
    };
    EXPECT_GT(etichette(dettaglio), 0);
    EXPECT_EQ(etichette(e), etichette(dettaglio));
    std::map<double, int> righe;
    for (const Entita& x : e)
        if (x.Tipo == "Cerchio" && x.Num[3] == 20) ++righe[std::round(x.Num[1] * 100) / 100];
    ASSERT_EQ(righe.size(), 1u);
    EXPECT_NEAR(righe.begin()->first, -152.9, 1e-3);
    EXPECT_EQ(righe.begin()->second, 25);
}

// The sections of each direction start where the cut that begins furthest along the section
// would: a direction-1 section from x 200 and a direction-2 one from y 0 both begin at X0 - 200.
TEST(DisSezioni, InizioDelleSezioni) {
    Banco b(200);
    b.Sezione(400, -10, 400, 310, 1);
    DisSezioni(b.m, 50, 0, 0);
    int titoli = 0;
    for (const Entita& x : b.p.SinkVideo.Entita_)
        if (x.Tipo == "Testo" && x.Num[3] == 12) {
            ++titoli;
            EXPECT_FLOAT_EQ(x.Num[0], -150) << x.Testo;
        }
    EXPECT_EQ(titoli, 2);
}

// Data that cannot be drawn leaves out what it concerns; the call returns and the rest is drawn.
TEST(DisSezioni, DatiErrati) {
    const std::vector<float> fila = Serie(4, 20, 25);
    struct Caso {
        const char* nome;
        std::function<void(Banco&)> prepara;
        std::vector<float> sopra, sotto;  // the dots at -143.4 and -161.6
        std::string etichetta;            // a label still drawn
    } casi[] = {
        {"zona attraverso a passo 0", [](Banco& b) { b.Zona(0, 0, 1, Rett(100, 50, 300, 250)).Passo = 0; }, fila,
         fila, "1" + D + "10/20 L=528"},
        {"zona attraverso a passo negativo", [](Banco& b) { b.Zona(0, 1, 1, Rett(100, 50, 300, 250)).Passo = -20; },
         fila, fila, "1" + D + "10/20 L=528"},
        {"passo diffuso 0", [](Banco& b) { b.m.Diffusa.PassoDiffSup2 = 0; }, {}, fila, "1" + D + "10/20 L=528"},
        {"passo diffuso 0.3", [](Banco& b) { b.m.Diffusa.PassoDiffInf2 = 0.3f; }, fila, {},
         "1" + D + "10/20 L=528"},
        {"direzioni parallele",
         [](Banco& b) {
             b.Direzioni(0);
             b.Zona(0, 0, 1, Rett(100, 50, 300, 250));
         },
         {}, {}, "1" + D + "10/20 L=528"},
        {"cordolo toccato in un angolo", [](Banco& b) { b.Cordolo(0, 4, {{250, 150}, {240, 170}, {260, 170}}); },
         fila, fila, "1" + D + "10/20 L=528"},
        {"zona lungo a passo 0", [](Banco& b) { b.Zona(0, 0, 0, Rett(3, 100, 250, 200)).Passo = 0; }, fila, fila,
         "1" + D + "12/0 L=264 (1)"},
        {"cordolo incontrato in un punto", [](Banco& b) { b.Cordolo(0, 2, Rett(480, 120, 600, 200)); }, fila, fila,
         "1" + D + "10/20 L=528"},
        {"sezione di direzione 2 nel dato",
         [](Banco& b) {
             b.m.SezQuote.Sezioni.clear();
             b.Sezione(250, -10, 250, 310, 2);
         },
         {}, {}, "1" + D + "10/20 L=328"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        c.prepara(b);
        DisSezioni(b.m, 0, 0, 0);
        const auto& e = b.p.SinkVideo.Entita_;
        AttesiX(Punti(e, -143.4f), c.sopra);
        AttesiX(Punti(e, -161.6f), c.sotto);
        EXPECT_NE(Testo(e, "Sezione  1 - 1"), nullptr);
        EXPECT_NE(Testo(e, c.etichetta), nullptr);
        // No stirrup detail: no curb is cut into a piece.
        for (const Entita& x : e) EXPECT_NE(x.Testo.rfind("St.", 0), 0u) << x.Testo;
    }
    // Read as direction 2: its bars in the outer layer, the dots of direction 1 in the inner one.
    Banco b;
    b.m.SezQuote.Sezioni.clear();
    b.Sezione(250, -10, 250, 310, 2);
    DisSezioni(b.m, 0, 0, 0);
    const auto& e = b.p.SinkVideo.Entita_;
    AttesiX(Punti(e, -144.4f), Serie(4, 20, 15));
    AttesiX(Punti(e, -160.6f), Serie(4, 20, 15));
    EXPECT_TRUE(Contiene(e, Da([&] { DisSezione(b.m, 0, {{0, 250}, {300, 250}}, 1, 0, -140, 0); })));
}

// The DXF pass at 1:50 sends the same entities, in the same order, as the screen.
TEST(DisSezioni, DxfComeSchermo) {
    Banco b;
    EsportaDxf.FormatoR12 = 1;
    b.Sezione(-10, 100, 510, 100, 0);
    b.Sezione(250, -10, 250, 310, 1);
    b.Zona(0, 0, 1, Rett(100, 50, 300, 250));
    b.Zona(1, 1, 0, Rett(3, 120, 497, 200));
    b.Cordolo(2, 4, Rett(200, 40, 230, 280));
    DisSezioni(b.m, 0, 0, 0);
    DisSezioni(b.m, 0, 0, 1);
    const auto& v = b.p.SinkVideo.Entita_;
    const auto& x = b.p.SinkDxf.Entita_;
    ASSERT_GT(v.size(), 100u);
    ASSERT_EQ(v.size(), x.size());
    for (size_t i = 0; i < v.size(); ++i) ASSERT_TRUE(Uguali(v[i], x[i])) << i;
}

// The redraw driver draws the sections under a single plan and in the sheet's section column.
TEST(DisSezioni, PostoNelRidisegno) {
    struct Caso {
        const char* nome;
        int pianta, magliaUnica;
        float x, y;
    } casi[] = {
        {"sotto la pianta", 0, 0, 0, -123 - 100 - 140 + 90},
        {"nella tavola", 5, 0, 2 * (150 + 1060), -150 - 140 + 90},
        {"nella tavola a maglia unica", 5, 1, 2 * (150 + 1060), -140 + 90},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        ImpostaColori();
        b.m.Progetto.MagliaUnica = c.magliaUnica;
        Vista.PiantaCorrente = c.pianta;
        Vista.CodiceVista = 0;
        Vista.ModoComando = 0;
        // The plan's limits as the slab gives them: room for the title blocks at the left.
        Vista.LimitiPianta = {-480, -90, 580, 370};
        Vista.LarghezzaPianta = 1060;
        Vista.AltezzaPianta = 460;
        Vista.EstensioneCorrente = {0, -123, 500, 300};
        Ridisegna(b.m, 0);
        const Entita* t = Testo(b.p.SinkVideo.Entita_, "Sezione  1 - 1");
        ASSERT_NE(t, nullptr);
        EXPECT_FLOAT_EQ(t->Num[0], c.x);
        EXPECT_FLOAT_EQ(t->Num[1], c.y);
    }
}
