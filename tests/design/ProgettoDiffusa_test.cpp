#include "design/ProgettoDiffusa.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "design/AccessoriNodi.h"
#include "design/Residui.h"
#include "model/Statistiche.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

using Coppia = std::tuple<int, float, int>;  // diameter, spacing, covered nodes

// n nodes needing r(i) in layer `strato` and nothing elsewhere; every layer at 10 mm / 20 cm;
// areas and residuals as a load leaves them.
Modello Soletta(int n, int strato, const std::function<float(int)>& r) {
    Modello m;
    for (int i = 0; i < n; ++i) {
        Nodo q;
        q.Numero = i + 1;
        q.*TabellaStrati[static_cast<size_t>(strato)].Richiesta = r(i);
        m.Analisi.Nodi.push_back(q);
    }
    m.Analisi.NumNodi = n;
    for (int s = 0; s < 4; ++s) {
        SettaDiamDiff(m, s, 10);
        SettaPassoDiff(m, s, 20);
    }
    CalcAreeDiffuse(m);
    DetraiArmatureNodi(-1, m);
    return m;
}

void Strato(Modello& m, int strato, int d, float s) {
    SettaDiamDiff(m, strato, d);
    SettaPassoDiff(m, strato, s);
    CalcAreeDiffuse(m);
    DetraiArmatureNodi(-1, m);
}

// Runs one layer and gives the pairs it tried.
std::vector<Coppia> Prova(Modello& m, const Impostazioni& imp, int strato, bool* riuscito = nullptr) {
    std::vector<Coppia> provate;
    bool r = OttimizzaStrato(m, imp, strato, [&](const CoppiaProvata& c) {
        EXPECT_EQ(c.Strato, strato);
        provate.emplace_back(c.Diametro, c.Passo, c.Coperti);
    });
    if (riuscito) *riuscito = r;
    return provate;
}

std::pair<int, float> Coppia_(const Modello& m, int strato) {
    return {static_cast<int>(LeggiDiamDiff(m, strato)), LeggiPassoDiff(m, strato)};
}

const std::string Fallito = "\nImpossible raggiungere la percentuale di nodi coperti.\n"
                            "Aumentare il diam. max o diminuire il passo min.";

}  // namespace

// Diameter mode steps the diameter first; the share is reached at the sixth node of ten.
TEST(ProgettaDiffusa, ModoDiametro) {
    PiattaformaProva p;
    Modello m = Soletta(10, 0, [](int i) { return static_cast<float>(i + 1); });
    Impostazioni imp;
    std::vector<Coppia> provate;
    ASSERT_TRUE(ProgettaDiffusa(m, imp, [&](const CoppiaProvata& c) {
        if (c.Strato == 0) provate.emplace_back(c.Diametro, c.Passo, c.Coperti);
    }));
    EXPECT_EQ(provate, (std::vector<Coppia>{{8, 20.f, 2}, {10, 20.f, 3}, {12, 20.f, 5}, {14, 20.f, 6}}));
    EXPECT_EQ(Coppia_(m, 0), std::make_pair(14, 20.f));
    EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup1, 7.696902f);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

// An unreachable requirement: a step past DMax (26 against 25) is no pair of the criteria and is
// not tried, and the first spacing starts one step above DMin; the layer ends on the densest pair.
TEST(ProgettaDiffusa, ModoDiametroIrraggiungibile) {
    PiattaformaProva p;
    Modello m = Soletta(3, 0, [](int) { return 1000.f; });
    Impostazioni imp;
    imp.DiamMaxSup = 25;
    bool riuscito = true;
    auto provate = Prova(m, imp, 0, &riuscito);
    std::vector<Coppia> attese;
    for (int d = 8; d <= 24; d += 2) attese.emplace_back(d, 20.f, 0);
    for (int s = 19; s >= 5; --s)
        for (int d = 6; d <= 24; d += 2) attese.emplace_back(d, static_cast<float>(s), 0);
    EXPECT_EQ(provate, attese);
    EXPECT_FALSE(riuscito);
    EXPECT_EQ(Coppia_(m, 0), std::make_pair(25, 5.f));
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Arm. sup. dir. 1" + Fallito);
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::Ok);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
}

// A failing layer takes its own face's limits and names itself; the others go on as usual.
TEST(ProgettaDiffusa, StratoInferioreNonCoperto) {
    PiattaformaProva p;
    Modello m = Soletta(4, 1, [](int) { return 1000.f; });
    for (auto& q : m.Analisi.Nodi) q.RichSup1 = 2;  // 10/20 gives 3.93: the residual is negative
    DetraiArmatureNodi(-1, m);
    Impostazioni imp;
    imp.DiamMaxSup = 20, imp.PassoMinSup = 10;  // the upper face's limits are not layer 1's
    ASSERT_TRUE(ProgettaDiffusa(m, imp));
    EXPECT_EQ(Coppia_(m, 1), std::make_pair(28, 5.f));
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Arm. inf. dir. 1" + Fallito);
    EXPECT_EQ(Coppia_(m, 0), std::make_pair(8, 20.f));  // 2.51 covers 2.0
    EXPECT_EQ(Coppia_(m, 2), std::make_pair(8, 20.f));  // nothing needed: the first pair
    EXPECT_EQ(Coppia_(m, 3), std::make_pair(8, 20.f));
}

// No share asked: the starting pair, no pair tried, no node counted.
TEST(ProgettaDiffusa, CoperturaZero) {
    struct {
        int modo;
        std::pair<int, float> attesa;
    } casi[] = {{0, {6, 20.f}}, {1, {10, 50.f}}};
    for (const auto& c : casi) {
        PiattaformaProva p;
        Modello m = Soletta(5, 0, [](int i) { return 100.f * static_cast<float>(i); });
        Impostazioni imp;
        imp.CoperturaMin = 0;
        imp.ProgettaPasso = c.modo;
        bool riuscito = false;
        EXPECT_TRUE(Prova(m, imp, 0, &riuscito).empty()) << c.modo;
        EXPECT_TRUE(riuscito);
        EXPECT_EQ(Coppia_(m, 0), c.attesa) << c.modo;
        EXPECT_TRUE(p.Msg.Visti.empty());
    }
}

// Spacing mode: with every residual negative the layer's spacing is preset to 30, which is
// where the spacings start again after the first diameter step; a preset below the minimum
// spacing is taken up to it.
TEST(ProgettaDiffusa, ModoPassoRipartenzaDa30) {
    struct Caso {
        int passoMin;
        float richiesta, passoStrato;  // the layer holds 10 mm at that spacing: more than needed
        std::vector<Coppia> attese;
    };
    std::vector<Coppia> entro;
    for (int s = 49; s >= 20; --s) entro.emplace_back(10, static_cast<float>(s), 0);
    for (int s = 30; s > 28; --s) entro.emplace_back(12, static_cast<float>(s), 0);
    entro.emplace_back(12, 28.f, 4);
    const Caso casi[] = {
        {20, 4.f, 15.f, entro},
        {45, 2.f, 20.f, {{10, 49.f, 0}, {10, 48.f, 0}, {10, 47.f, 0}, {10, 46.f, 0}, {10, 45.f, 0}, {12, 45.f, 4}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.passoMin);
        PiattaformaProva p;
        Modello m = Soletta(6, 0, [&](int) { return c.richiesta; });
        Strato(m, 0, 10, c.passoStrato);
        Impostazioni imp;
        imp.ProgettaPasso = 1;
        imp.PassoMinSup = c.passoMin;
        auto provate = Prova(m, imp, 0);
        EXPECT_EQ(provate, c.attese);
        EXPECT_EQ(Coppia_(m, 0), std::make_pair(std::get<0>(c.attese.back()), std::get<1>(c.attese.back())));
        EXPECT_TRUE(p.Msg.Visti.empty());
    }
}

// A spacing step that would reach 0, or a layer stored at a spacing of 0, below 0 or far above
// the limits: no pair outside the criteria is tried and the pair stored lies within them.
TEST(ProgettaDiffusa, PassiFuoriDaiLimiti) {
    struct {
        int modo;
        float incrPasso;
        float passoStrato;
        float richiesta;
        bool riuscito;
        std::pair<int, float> finale;
    } casi[] = {
        {1, 10, 20, 100, false, {28, 5.f}},  // 50, 40, .. 10, then 0 is not tried
        {0, 1, 0, 0, true, {8, 5.f}},        // the run starts at the minimum spacing
        {0, 1, -3, -5, true, {8, 5.f}},
        {0, 1, 1000, 2, true, {12, 50.f}},   // starts at the maximum 50, not at 1000
        {1, 1, 1000, 2, true, {12, 49.f}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.modo) + " " + std::to_string(c.passoStrato));
        PiattaformaProva p;
        Modello m = Soletta(3, 0, [&](int) { return c.richiesta; });
        Strato(m, 0, 12, c.passoStrato);
        Impostazioni imp;
        imp.ProgettaPasso = c.modo;
        imp.IncrPasso = c.incrPasso;
        bool riuscito = !c.riuscito;
        auto provate = Prova(m, imp, 0, &riuscito);
        for (const auto& [d, s, coperti] : provate) {
            EXPECT_TRUE(d >= imp.DiamMinSup && d <= imp.DiamMaxSup) << d << "/" << s;
            EXPECT_TRUE(s >= imp.PassoMinSup && s <= imp.PassoMaxSup) << d << "/" << s;
        }
        EXPECT_EQ(riuscito, c.riuscito);
        EXPECT_EQ(Coppia_(m, 0), c.finale);
        EXPECT_EQ(p.Msg.Visti.size(), c.riuscito ? 0u : 1u);
    }
}

// Without nodes, or with criteria that could store a spacing of 0 or never end, the run is
// refused before anything changes.
TEST(ProgettaDiffusa, Rifiuti) {
    const std::string criteri =
        "Criteri di progetto non validi: incrementi e passi minimi devono essere maggiori di zero.\n"
        "Progetto dell'armatura diffusa non eseguito.";
    const std::string senzaNodi =
        "La soletta non contiene nodi di calcolo.\nProgetto dell'armatura diffusa non eseguito.";
    const std::string diamRovesciati = "Criteri di progetto non validi: \"Diam. minimo sup.\" non pu\xC3\xB2 superare "
                                       "\"Diam. massimo sup.\".\nProgetto dell'armatura diffusa non eseguito.";
    const std::string passiRovesciati = "Criteri di progetto non validi: \"Passo minimo inf.\" non pu\xC3\xB2 superare "
                                        "\"Passo massimo inf.\".\nProgetto dell'armatura diffusa non eseguito.";
    struct Caso {
        const char* nome;
        std::function<void(Impostazioni&, Modello&)> guasto;
        const std::string& messaggio;
    } casi[] = {
        {"senza nodi", [](Impostazioni&, Modello& m) { m.Analisi.NumNodi = 0; }, senzaNodi},
        {"nodi non allocati", [](Impostazioni&, Modello& m) { m.Analisi.Nodi.clear(); }, senzaNodi},
        {"PassoMinSup 0", [](Impostazioni& i, Modello&) { i.PassoMinSup = 0; }, criteri},
        {"PassoMinInf -2", [](Impostazioni& i, Modello&) { i.PassoMinInf = -2; }, criteri},
        {"IncrDiametro 0", [](Impostazioni& i, Modello&) { i.IncrDiametro = 0; }, criteri},
        {"IncrPasso 0", [](Impostazioni& i, Modello&) { i.IncrPasso = 0; }, criteri},
        {"IncrPasso -1", [](Impostazioni& i, Modello&) { i.IncrPasso = -1; }, criteri},
        {"IncrPasso NaN", [](Impostazioni& i, Modello&) { i.IncrPasso = std::nanf(""); }, criteri},
        // From a settings file: no mesh lies within such limits.
        {"DiamMinSup 40 > DiamMaxSup 28", [](Impostazioni& i, Modello&) { i.DiamMinSup = 40; }, diamRovesciati},
        {"PassoMinInf 60 > PassoMaxInf 50", [](Impostazioni& i, Modello&) { i.PassoMinInf = 60; }, passiRovesciati},
    };
    for (const auto& c : casi) {
        PiattaformaProva p;
        Modello m = Soletta(5, 0, [](int i) { return static_cast<float>(i); });
        Impostazioni imp;
        c.guasto(imp, m);
        const Modello prima = m;
        int coppie = 0;
        EXPECT_FALSE(ProgettaDiffusa(m, imp, [&](const CoppiaProvata&) { ++coppie; })) << c.nome;
        EXPECT_EQ(coppie, 0) << c.nome;
        ASSERT_EQ(p.Msg.Visti.size(), 1u) << c.nome;
        EXPECT_EQ(p.Msg.Visti[0].Testo, c.messaggio) << c.nome;
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(Coppia_(m, 0), Coppia_(prima, 0)) << c.nome;
        EXPECT_EQ(m.Diffusa.AreaDiffSup1, prima.Diffusa.AreaDiffSup1) << c.nome;
        for (size_t i = 0; i < m.Analisi.Nodi.size(); ++i)
            EXPECT_EQ(m.Analisi.Nodi[i].ResSup1, prima.Analisi.Nodi[i].ResSup1) << c.nome;
    }
}

// After a run the areas are those of the new mesh and every residual is the one a fresh
// recomputation with all the zones gives.
TEST(ProgettaDiffusa, AreeEResiduiRinnovati) {
    PiattaformaProva p;
    Modello m = Soletta(20, 0, [](int i) { return 0.5f * static_cast<float>(i); });
    for (int i = 0; i < 20; ++i) {
        Nodo& q = m.Analisi.Nodi[static_cast<size_t>(i)];
        q.X = static_cast<float>(10 * i), q.Y = 5;
        q.RichInf2 = static_cast<float>(i % 7);
        q.RichSup2 = 3;
        q.RichTaglio1 = 1;
    }
    Zona z;
    z.Tipo = 1, z.Direzione = 1, z.Diametro = 12, z.Passo = 25;
    z.XMin = -1, z.YMin = 0, z.XMax = 95, z.YMax = 10;
    z.Angoli = {Punto{-1, 10}, Punto{95, 10}, Punto{95, 0}, Punto{-1, 0}};
    m.Zone.Zone = {z};
    m.Zone.UltimaZona = 0;
    m.Diffusa.DiamCavalletti = 8, m.Diffusa.PassoCavalletti1 = m.Diffusa.PassoCavalletti2 = 40;
    CalcAreeDiffuse(m);
    DetraiArmatureNodi(-1, m);

    Impostazioni imp;
    ASSERT_TRUE(ProgettaDiffusa(m, imp));
    Modello atteso = m;
    CalcAreeDiffuse(atteso);
    DetraiArmatureNodi(-1, atteso);
    const MagliaDiffusa &a = m.Diffusa, &b = atteso.Diffusa;
    EXPECT_EQ(std::tie(a.AreaDiffSup1, a.AreaDiffSup2, a.AreaDiffInf1, a.AreaDiffInf2, a.AreaCavalletti),
              std::tie(b.AreaDiffSup1, b.AreaDiffSup2, b.AreaDiffInf1, b.AreaDiffInf2, b.AreaCavalletti));
    EXPECT_NE(a.AreaDiffSup1, AreaStrato(10, 20));
    for (size_t i = 0; i < m.Analisi.Nodi.size(); ++i) {
        const Nodo &x = m.Analisi.Nodi[i], &y = atteso.Analisi.Nodi[i];
        EXPECT_EQ(std::tie(x.ResSup1, x.ResSup2, x.ResInf1, x.ResInf2, x.ResTaglio),
                  std::tie(y.ResSup1, y.ResSup2, y.ResInf1, y.ResInf2, y.ResTaglio))
            << i;
    }
    EXPECT_LT(m.Analisi.Nodi[6].ResInf2, 6 - a.AreaDiffInf2) << "the zone still counts";
}

// Limits far outside any bar end the search instead of wrapping the diameter or looping on a
// spacing that a step of 1 can no longer lower.
TEST(ProgettaDiffusa, LimitiAssurdi) {
    PiattaformaProva p;
    {
        Modello m = Soletta(2, 0, [](int) { return 1.0e6f; });
        Impostazioni imp;
        imp.DiamMinSup = INT_MAX - 1, imp.DiamMaxSup = INT_MAX;
        EXPECT_TRUE(OttimizzaStrato(m, imp, 0));
        EXPECT_EQ(m.Diffusa.DiamDiffSup1, INT_MAX - 1);
        EXPECT_EQ(m.Diffusa.PassoDiffSup1, 19.f);
    }
    {
        Modello m = Soletta(2, 0, [](int) { return 1.0e6f; });
        Strato(m, 0, 10, 1.0e9f);
        Impostazioni imp;
        imp.DiamMaxSup = 8;
        EXPECT_FALSE(OttimizzaStrato(m, imp, 0));
        EXPECT_EQ(Coppia_(m, 0), std::make_pair(8, 5.f));
    }
}

// The coverage decided from the sorted requirements against a literal pass over every node for
// every pair, on random slabs and settings: ties with the provided area, requirements that are
// not numbers or infinite, negative and zero spacings, both modes, shares beyond 100.
namespace {

struct EsitoLetterale {
    std::vector<Coppia> Coppie;
    std::pair<int, float> Finale;
    bool Riuscito = true;
};

EsitoLetterale Letterale(Modello m, const Impostazioni& imp, int L) {
    EsitoLetterale e;
    const int n = m.Analisi.NumNodi;
    const bool sup = L == 0 || L == 2;
    const int DMax = sup ? imp.DiamMaxSup : imp.DiamMaxInf, DMin = sup ? imp.DiamMinSup : imp.DiamMinInf;
    const float PMax = static_cast<float>(sup ? imp.PassoMaxSup : imp.PassoMaxInf);
    const float PMin = static_cast<float>(sup ? imp.PassoMinSup : imp.PassoMinInf);
    // Starting values from the layer are taken into the limits.
    auto passo = [&](float v) { return std::isfinite(v) ? std::min(std::max(v, PMin), PMax) : PMax; };
    auto diametro = [&](float v) { return std::min(std::max(static_cast<int>(std::nearbyint(v)), DMin), DMax); };
    float B = BilancioNodo(m, L, 0);
    for (int i = 0; i < n; ++i)
        if (BilancioNodo(m, L, i) > B) B = BilancioNodo(m, L, i);
    if (B < 0) {
        if (imp.ProgettaPasso) SettaPassoDiff(m, L, passo(PMax > 30 ? 30 : PMax));
        else SettaDiamDiff(m, L, DMin);
    }
    int d = imp.ProgettaPasso ? diametro(LeggiDiamDiff(m, L)) : DMin;
    float s = imp.ProgettaPasso ? PMax : passo(LeggiPassoDiff(m, L));
    if (imp.CoperturaMin > 0) {
        e.Riuscito = false;
        for (;;) {
            if (!imp.ProgettaPasso) {
                if (d < DMax) d += imp.IncrDiametro;
                else if ((s -= imp.IncrPasso) < PMin) break;
                else d = DMin;
            } else {
                if (s > PMin) s -= imp.IncrPasso;
                else if ((d += imp.IncrDiametro) > DMax) break;
                else s = passo(LeggiPassoDiff(m, L));
            }
            // A step past a limit is no pair of the criteria.
            if (d > DMax || s < PMin) continue;
            const float A = AreaStrato(d, s);
            int coperti = 0;
            for (int i = 0; i < n && s > 0 && !e.Riuscito; ++i) {
                if (RichiestaNodo(m, L, i) - A <= 0) {
                    ++coperti;
                    if (static_cast<double>(coperti) / n * 100 >= imp.CoperturaMin) e.Riuscito = true;
                }
            }
            e.Coppie.emplace_back(d, s, coperti);
            if (e.Riuscito) break;
        }
        if (!e.Riuscito) d = DMax, s = PMin;
    }
    e.Finale = {d, s};
    return e;
}

}  // namespace

TEST(ProgettaDiffusa, CoperturaComeNodoPerNodo) {
    PiattaformaProva p;
    std::mt19937 g(24);
    auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    const float incrementi[] = {0.5f, 1, 2, 5, 10, 0.3f, 3.7f};
    const int coperture[] = {1, 10, 33, 50, 60, 99, 100, 101};
    const float strani[] = {std::nanf(""), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), 0, -1};
    for (int caso = 0; caso < 3000; ++caso) {
        const int n = tra(1, 30);
        const int L = tra(0, 3);
        Modello m = Soletta(n, L, [&](int) {
            switch (tra(0, 3)) {
                case 0: return strani[tra(0, 4)];
                case 1: return AreaStrato(tra(1, 14) * 2, static_cast<float>(tra(3, 30)));  // a tie
                default: return static_cast<float>(tra(0, 400)) / 20;
            }
        });
        Strato(m, L, tra(0, 20), static_cast<float>(tra(-2, 40)) / 2);
        for (auto& q : m.Analisi.Nodi) q.*TabellaStrati[static_cast<size_t>(L)].Residuo = static_cast<float>(tra(-9, 3));
        Impostazioni imp;
        imp.ProgettaPasso = tra(0, 1);
        imp.CoperturaMin = coperture[tra(0, 7)];
        imp.IncrDiametro = tra(1, 3);
        imp.IncrPasso = incrementi[tra(0, 6)];
        imp.DiamMinSup = imp.DiamMinInf = tra(0, 12);
        imp.DiamMaxSup = imp.DiamMaxInf = imp.DiamMinSup + tra(0, 20);
        imp.PassoMinSup = imp.PassoMinInf = tra(1, 10);
        imp.PassoMaxSup = imp.PassoMaxInf = imp.PassoMinSup + tra(0, 35);

        const EsitoLetterale atteso = Letterale(m, imp, L);
        Modello senzaRegistro = m;
        EXPECT_EQ(OttimizzaStrato(senzaRegistro, imp, L), atteso.Riuscito) << "caso " << caso;
        EXPECT_EQ(Coppia_(senzaRegistro, L), atteso.Finale) << "caso " << caso;
        bool riuscito = false;
        const auto provate = Prova(m, imp, L, &riuscito);
        ASSERT_EQ(provate, atteso.Coppie) << "caso " << caso;
        EXPECT_EQ(riuscito, atteso.Riuscito) << "caso " << caso;
        EXPECT_EQ(Coppia_(m, L), atteso.Finale) << "caso " << caso;
    }
}
