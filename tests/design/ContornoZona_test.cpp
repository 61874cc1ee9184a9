#include "design/ContornoZona.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "design/Ancoraggio.h"
#include "design/DirezioniZona.h"
#include "design/SelezioneZona.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;

namespace {

constexpr double Pi = 3.14159265358979;
using Anello = std::vector<Punto>;

// Default materials and bounds; the previous ones come back afterwards.
struct MaterialiProva {
    prova::GlobaliProva globali;
    explicit MaterialiProva(double fctm = 0) {
        Imp = Impostazioni{};
        SettaAcciaio(4);
        SettaCls(4);
        if (fctm > 0) Mat.ClsCorrente.Fctm = fctm;
    }
};

// A slab whose working outline and opening rings are given as they are kept: clockwise rings,
// each closed by a copy of its first vertex.
Modello Soletta(const Anello& contorno, const std::vector<Anello>& fori = {}, double a1 = 0, double a2 = 90) {
    Modello m;
    m.Progetto.AngoloDir1 = static_cast<float>(a1 * Pi / 180);
    m.Progetto.AngoloDir2 = static_cast<float>(a2 * Pi / 180);
    m.Progetto.AngoloDir1Gradi = static_cast<float>(a1);
    m.Progetto.AngoloDir2Gradi = static_cast<float>(a2);
    CalcolaDirezioni(m);
    m.Contorni.ContornoArmatura = contorno;
    m.Contorni.ContornoArmatura.push_back(contorno.front());
    m.Contorni.UltVertContornoArm = static_cast<int>(contorno.size());
    m.Soletta.NumFori = static_cast<int>(fori.size());
    for (const Anello& f : fori) {
        m.Soletta.NumVertForo.push_back(static_cast<int>(f.size()));
        Anello r = f;
        r.push_back(f.front());
        m.Contorni.ContornoForiArm.push_back(r);
    }
    return m;
}

Anello Rettangolo(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}}; }

EditZone NuovaZona(int tipo, const std::array<Punto, 4>& angoli, int direzione = 0, int diametro = 12) {
    EditZone e;
    e.ZonaCorrente.Tipo = tipo;
    e.ZonaCorrente.Angoli = angoli;
    e.ZonaCorrente.Direzione = direzione;
    e.ZonaCorrente.Diametro = diametro;
    e.ZonaCorrente.XMin = -1, e.ZonaCorrente.YMin = -1, e.ZonaCorrente.XMax = -1, e.ZonaCorrente.YMax = -1;
    return e;
}

// The outline written by ContornoZona, without the (0, 0) after it.
Anello Uscita(const EditZone& e) {
    EXPECT_EQ(e.ContornoZonaCorr.size(), static_cast<size_t>(e.UltVertZonaCorr) + 2);
    if (e.ContornoZonaCorr.size() < 2) return {};
    const Punto& coda = e.ContornoZonaCorr.back();
    EXPECT_EQ(coda.X, 0);
    EXPECT_EQ(coda.Y, 0);
    return Anello(e.ContornoZonaCorr.begin(), e.ContornoZonaCorr.end() - 1);
}

std::string Testo(const Anello& a) {
    std::ostringstream s;
    for (const Punto& p : a) s << "(" << p.X << "," << p.Y << ")";
    return s.str();
}

bool Vicini(const Punto& a, const Punto& b, float tol) {
    return std::fabs(a.X - b.X) <= tol && std::fabs(a.Y - b.Y) <= tol;
}

// The same ring, started anywhere.
bool UgualeCiclico(const Anello& a, const Anello& b, float tol = 0) {
    if (a.size() != b.size()) return false;
    for (size_t s = 0; s < a.size(); ++s) {
        bool ok = true;
        for (size_t i = 0; i < a.size() && ok; ++i) ok = Vicini(a[(s + i) % a.size()], b[i], tol);
        if (ok) return true;
    }
    return false;
}

struct Caso {
    const char* Nome;
    Anello Contorno;
    std::vector<Anello> Fori;
    int Tipo;
    std::array<Punto, 4> Angoli;
    int Direzione;
    Anello Atteso;  // empty: no outline
};

}  // namespace

// Faces, studs and curbs on plain, L-shaped and pierced slabs, with an anchorage length of 64 cm:
// the exact rings.
TEST(ContornoZona, EsempiDelContorno) {
    MaterialiProva mp(25);
    const Anello base = Rettangolo(0, 0, 1000, 500);
    const Anello elle = {{0, 0}, {0, 500}, {500, 500}, {500, 250}, {1000, 250}, {1000, 0}};
    const std::vector<Caso> casi = {
        {"faccia", base, {}, 0, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}}, 0,
         {{36, 200}, {364, 200}, {364, 100}, {36, 100}}},
        {"faccia direzione 2", base, {}, 1, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}}, 1,
         {{100, 264}, {300, 264}, {300, 36}, {100, 36}}},
        {"pioli", base, {}, 3, {Punto{100, 400}, {400, 400}, {400, 100}, {100, 100}}, 0,
         {{100, 400}, {400, 400}, {400, 100}, {100, 100}}},
        {"cordolo", base, {}, 2, {Punto{100, 400}, {400, 400}, {400, 100}, {100, 100}}, 0,
         {{100, 400}, {400, 400}, {400, 100}, {100, 100}}},
        {"sul bordo destro", base, {}, 3, {Punto{800, 300}, {1200, 300}, {1200, 100}, {800, 100}}, 0,
         {{800, 300}, {1000, 300}, {1000, 100}, {800, 100}}},
        {"faccia al bordo", base, {}, 0, {Punto{800, 300}, {950, 300}, {950, 100}, {800, 100}}, 0,
         {{736, 300}, {1000, 300}, {1000, 100}, {736, 100}}},
        {"fuori", base, {}, 0, {Punto{1100, 300}, {1200, 300}, {1200, 100}, {1100, 100}}, 0, {}},
        {"contiene la soletta", base, {}, 3, {Punto{-100, 600}, {1100, 600}, {1100, -100}, {-100, -100}}, 0,
         {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}}},
        {"elle", elle, {}, 3, {Punto{400, 400}, {700, 400}, {700, 100}, {400, 100}}, 0,
         {{400, 400}, {500, 400}, {500, 250}, {700, 250}, {700, 100}, {400, 100}}},
        {"foro interno", base, {Rettangolo(200, 200, 300, 300)}, 3,
         {Punto{100, 400}, {400, 400}, {400, 100}, {100, 100}}, 0,
         {{100, 400}, {400, 400}, {400, 100}, {100, 100}, {200, 200}, {200, 300}, {300, 300}, {300, 200},
          {200, 200}, {100, 100}}},
        {"foro sul lato destro", base, {Rettangolo(300, 50, 500, 150)}, 3,
         {Punto{10, 200}, {400, 200}, {400, 10}, {10, 10}}, 0,
         {{10, 200}, {400, 200}, {400, 150}, {300, 150}, {300, 50}, {400, 50}, {400, 10}, {10, 10}}},
        {"foro sul lato destro antiorario", base, {{{300, 50}, {500, 50}, {500, 150}, {300, 150}}}, 3,
         {Punto{10, 200}, {400, 200}, {400, 10}, {10, 10}}, 0,
         {{10, 200}, {400, 200}, {400, 150}, {300, 150}, {300, 50}, {400, 50}, {400, 10}, {10, 10}}},
        {"foro sul lato superiore", base, {Rettangolo(100, 150, 200, 300)}, 3,
         {Punto{10, 200}, {400, 200}, {400, 10}, {10, 10}}, 0,
         {{10, 200}, {100, 200}, {100, 150}, {200, 150}, {200, 200}, {400, 200}, {400, 10}, {10, 10}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Nome);
        Modello m = Soletta(c.Contorno, c.Fori);
        EditZone e = NuovaZona(c.Tipo, c.Angoli, c.Direzione);
        m.Progetto.AngoloDir2Gradi = 90;
        // What a refused zone must leave alone.
        e.ContornoZonaCorr = {{1, 2}, {3, 4}, {0, 0}};
        e.UltVertZonaCorr = 1;
        EsitoContorno esito = EsitoContorno::Degenere;
        int r = ContornoZona(m, e, &esito);
        if (c.Atteso.empty()) {
            EXPECT_EQ(r, 0);
            EXPECT_EQ(esito, EsitoContorno::NienteInComune);
            EXPECT_EQ(e.UltVertZonaCorr, 1);
            EXPECT_EQ(Testo(e.ContornoZonaCorr), "(1,2)(3,4)(0,0)");
            continue;
        }
        ASSERT_EQ(r, -1);
        EXPECT_EQ(esito, EsitoContorno::Ottenuto);
        EXPECT_EQ(e.UltVertZonaCorr, static_cast<int>(c.Atteso.size()) - 1);
        EXPECT_EQ(Testo(Uscita(e)), Testo(c.Atteso));
        // The corners never change; a face zone's box follows them.
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(e.ZonaCorrente.Angoli[k].X, c.Angoli[k].X);
            EXPECT_EQ(e.ZonaCorrente.Angoli[k].Y, c.Angoli[k].Y);
        }
        if (c.Tipo < 2) {
            EXPECT_EQ(e.ZonaCorrente.XMin, c.Angoli[0].X);
            EXPECT_EQ(e.ZonaCorrente.YMax, c.Angoli[0].Y);
            EXPECT_EQ(e.ZonaCorrente.XMax, c.Angoli[2].X);
            EXPECT_EQ(e.ZonaCorrente.YMin, c.Angoli[2].Y);
        } else {
            EXPECT_EQ(e.ZonaCorrente.XMin, -1);
        }
    }
}

// Zone corners and sides on the outline's vertices and sides, a zone equal to the outline, and
// the L outline with default materials (anchorage 62 cm): rings compared cyclically.
TEST(ContornoZona, CoincidenzeConIlContorno) {
    MaterialiProva mp;
    const Anello lavoro = Rettangolo(3, 3, 997, 497);
    const Anello elle = {{3, 3}, {3, 497}, {497, 497}, {497, 247}, {997, 247}, {997, 3}};
    const std::vector<Caso> casi = {
        {"angolo sul vertice", lavoro, {}, 3, {Punto{3, 497}, {300, 497}, {300, 300}, {3, 300}}, 0,
         {{3, 497}, {300, 497}, {300, 300}, {3, 300}}},
        {"lato sul lato", lavoro, {}, 3, {Punto{3, 600}, {300, 600}, {300, 300}, {3, 300}}, 0,
         {{3, 497}, {300, 497}, {300, 300}, {3, 300}}},
        {"uguale al contorno", lavoro, {}, 3, {Punto{3, 497}, {997, 497}, {997, 3}, {3, 3}}, 0,
         {{3, 3}, {3, 497}, {997, 497}, {997, 3}}},
        {"vertice vicino a un lato lungo", Rettangolo(0, 0, 1000, 500), {}, 3,
         {Punto{1, 232}, {1009, 232}, {1009, -129}, {1, -129}}, 0, {{1, 232}, {1000, 232}, {1000, 0}, {1, 0}}},
        {"elle, pioli", elle, {}, 3, {Punto{400, 600}, {700, 600}, {700, 100}, {400, 100}}, 0,
         {{700, 247}, {700, 100}, {400, 100}, {400, 497}, {497, 497}, {497, 247}}},
        {"elle, faccia direzione 1", elle, {}, 0, {Punto{100, 450}, {900, 450}, {900, 100}, {100, 100}}, 0,
         {{38, 450}, {497, 450}, {497, 247}, {962, 247}, {962, 100}, {38, 100}}},
        {"elle, faccia direzione 2", elle, {}, 0, {Punto{100, 450}, {900, 450}, {900, 100}, {100, 100}}, 1,
         {{100, 497}, {497, 497}, {497, 247}, {900, 247}, {900, 38}, {100, 38}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Nome);
        Modello m = Soletta(c.Contorno, c.Fori);
        EditZone e = NuovaZona(c.Tipo, c.Angoli, c.Direzione);
        ASSERT_EQ(ContornoZona(m, e), -1);
        Anello a = Uscita(e);
        EXPECT_TRUE(UgualeCiclico(a, c.Atteso)) << Testo(a);
    }
}

// Bars near 180 degrees, counter-clockwise corners, a zone split by a notch, shapeless zones.
TEST(ContornoZona, ComportamentiCorretti) {
    MaterialiProva mp(25);
    {
        SCOPED_TRACE("barre a 179.8 gradi");
        Modello m = Soletta(Rettangolo(0, 0, 1000, 500), {}, 179.8, 90);
        EditZone e = NuovaZona(0, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}});
        ASSERT_EQ(ContornoZona(m, e), -1);
        EXPECT_TRUE(UgualeCiclico(Uscita(e), {{36, 200}, {364, 200}, {364, 100}, {36, 100}})) << Testo(Uscita(e));
    }
    {
        SCOPED_TRACE("angoli antiorari");
        Modello m = Soletta(Rettangolo(-500, -500, 500, 500), {}, 30, 90);
        EditZone e = NuovaZona(0, {Punto{25, -43}, {100, 0}, {75, 43}, {0, 0}});
        ASSERT_EQ(ContornoZona(m, e), -1);
        Anello a = Uscita(e);
        EXPECT_TRUE(UgualeCiclico(a, {{-30.52f, -74.83f}, {-55.52f, -31.83f}, {130.52f, 74.83f}, {155.52f, 31.83f}},
                                  0.01f))
            << Testo(a);
        // The stored corners keep the table's order.
        EXPECT_EQ(e.ZonaCorrente.Angoli[1].X, 100);
        EXPECT_EQ(e.ZonaCorrente.Angoli[3].X, 0);
    }
    {
        SCOPED_TRACE("divisa dalla rientranza");
        Modello m = Soletta({{0, 0}, {0, 500}, {400, 500}, {400, 300}, {600, 300}, {600, 500}, {1000, 500}, {1000, 0}});
        EditZone e = NuovaZona(3, {Punto{300, 450}, {700, 450}, {700, 350}, {300, 350}});
        e.ContornoZonaCorr = {{1, 2}, {0, 0}};
        e.UltVertZonaCorr = 0;
        EsitoContorno esito{};
        EXPECT_EQ(ContornoZona(m, e, &esito), 0);
        EXPECT_EQ(esito, EsitoContorno::PiuParti);
        EXPECT_EQ(Testo(e.ContornoZonaCorr), "(1,2)(0,0)");
        EXPECT_EQ(e.UltVertZonaCorr, 0);
    }
    const std::vector<std::array<Punto, 4>> degeneri = {
        {Punto{100, 200}, {100, 200}, {300, 100}, {100, 100}},  // two coincident corners
        {Punto{100, 200}, {200, 200}, {300, 200}, {400, 200}},  // no area
        {Punto{100, 200}, {300, 100}, {300, 200}, {100, 100}},  // crossed sides
        {Punto{100, 100}, {100, 100}, {100, 100}, {100, 100}},
    };
    for (int tipo : {0, 3}) {
        for (const auto& angoli : degeneri) {
            Modello m = Soletta(Rettangolo(0, 0, 1000, 500));
            EditZone e = NuovaZona(tipo, angoli);
            EsitoContorno esito{};
            EXPECT_EQ(ContornoZona(m, e, &esito), 0);
            EXPECT_EQ(esito, EsitoContorno::Degenere);
            EXPECT_EQ(e.UltVertZonaCorr, -1);
            EXPECT_TRUE(e.ContornoZonaCorr.empty());
        }
    }
    {
        SCOPED_TRACE("zona dentro un foro");
        Modello m = Soletta(Rettangolo(0, 0, 1000, 500), {Rettangolo(100, 100, 400, 400)});
        EditZone e = NuovaZona(3, {Punto{200, 300}, {300, 300}, {300, 200}, {200, 200}});
        EsitoContorno esito{};
        EXPECT_EQ(ContornoZona(m, e, &esito), 0);
        EXPECT_EQ(esito, EsitoContorno::NienteInComune);
    }
    {
        SCOPED_TRACE("senza contorno");
        Modello m;
        EditZone e = NuovaZona(3, {Punto{200, 300}, {300, 300}, {300, 200}, {200, 200}});
        EsitoContorno esito{};
        EXPECT_EQ(ContornoZona(m, e, &esito), 0);
        EXPECT_EQ(esito, EsitoContorno::NienteInComune);
    }
}

// Openings inside the zone: each joined by its slit in opening order; two overlapping openings
// make one hole, written clockwise from its lowest-left vertex in the place of the first.
TEST(ContornoZona, ForiInterni) {
    MaterialiProva mp;
    const Anello base = Rettangolo(0, 0, 1000, 500);
    Anello foroB = {{700, 200}, {700, 300}, {800, 300}, {800, 200}};
    Anello foroA = {{250, 300}, {300, 300}, {300, 200}, {200, 200}, {200, 300}};  // starts mid-side
    Modello m = Soletta(base, {foroB, foroA});
    EditZone e = NuovaZona(3, {Punto{100, 400}, {900, 400}, {900, 100}, {100, 100}});
    ASSERT_EQ(ContornoZona(m, e), -1);
    EXPECT_EQ(Testo(Uscita(e)), Testo({{100, 400}, {900, 400}, {900, 100}, {100, 100},
                                      {700, 200}, {700, 300}, {800, 300}, {800, 200}, {700, 200}, {100, 100},
                                      {250, 300}, {300, 300}, {300, 200}, {200, 200}, {200, 300}, {250, 300}, {100, 100}}));

    Modello m2 = Soletta(base, {foroB, Rettangolo(150, 150, 250, 250), Rettangolo(200, 200, 300, 300)});
    ASSERT_EQ(ContornoZona(m2, e), -1);
    EXPECT_EQ(Testo(Uscita(e)), Testo({{100, 400}, {900, 400}, {900, 100}, {100, 100},
                                      {700, 200}, {700, 300}, {800, 300}, {800, 200}, {700, 200}, {100, 100},
                                      {150, 150}, {150, 250}, {200, 250}, {200, 300}, {300, 300}, {300, 200},
                                      {250, 200}, {250, 150}, {150, 150}, {100, 100}}));
}

TEST(ContornoZona, ZonaCorrenteEMessaggio) {
    MaterialiProva mp(25);
    Modello vecchio = M;
    EditZone vecchia = Edit;
    M = Soletta(Rettangolo(0, 0, 1000, 500));
    Edit = NuovaZona(0, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}});
    EXPECT_EQ(ContornoZona(), -1);
    EXPECT_EQ(Testo(Uscita(Edit)), "(36,200)(364,200)(364,100)(36,100)");
    std::vector<Vertice> v = {{100, 200, -1}, {300, 200, -99}, {300, 100, 3}, {100, 100, 0}};
    EXPECT_TRUE(EstendiSelAncoraggio(v, 10));
    EXPECT_EQ(v[0].X, 90);
    EXPECT_EQ(v[2].X, 310);
    EXPECT_EQ(v[1].Segno, -99);  // the tags stay
    M = vecchio;
    Edit = vecchia;

    prova::PiattaformaProva p;
    AvvisoZonaDivisa();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo,
              "La zona selezionata risulta divisa in più parti separate dal contorno della soletta.\n"
              "Operazione annullata.");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::Ok);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
}

// ---- Property test against an independent reference ----
//
// Reference region = grown quadrilateral ∩ working outline less the openings. Membership is
// tested directly (even-odd on each polygon); the area comes from Sutherland–Hodgman clipping,
// exact here because every clipping polygon (the zone quadrilateral, a rectangular opening) is
// convex. Points are sampled row by row on a 1 cm grid.

namespace {

struct P2 {
    double x, y;
};
using Poli = std::vector<P2>;

double AreaConSegno(const Poli& p) {
    double s = 0;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) s += p[j].x * p[i].y - p[i].x * p[j].y;
    return s / 2;
}

// Clips subj by the convex polygon clip (either orientation).
Poli SutherlandHodgman(const Poli& subj, const Poli& clip) {
    double verso = AreaConSegno(clip) > 0 ? 1 : -1;
    Poli out = subj;
    for (size_t i = 0; i < clip.size() && !out.empty(); ++i) {
        P2 a = clip[i], b = clip[(i + 1) % clip.size()];
        auto dentro = [&](P2 p) { return verso * ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) >= 0; };
        auto taglio = [&](P2 p, P2 q) {
            double dp = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
            double dq = (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
            double t = dp / (dp - dq);
            return P2{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
        };
        Poli in = std::move(out);
        out.clear();
        for (size_t k = 0; k < in.size(); ++k) {
            P2 cur = in[k], prec = in[(k + in.size() - 1) % in.size()];
            if (dentro(cur)) {
                if (!dentro(prec)) out.push_back(taglio(prec, cur));
                out.push_back(cur);
            } else if (dentro(prec)) {
                out.push_back(taglio(prec, cur));
            }
        }
    }
    return out;
}

double AreaSH(const Poli& p) { return p.size() < 3 ? 0 : std::fabs(AreaConSegno(p)); }

// Where the edges of the closed polygon p cross the row y (half-open rule), sorted.
void Attraversamenti(const Poli& p, double y, std::vector<double>& xs) {
    xs.clear();
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const P2 &a = p[j], &b = p[i];
        if ((a.y > y) != (b.y > y)) xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
}

// The x ranges of row y lying within r of an edge of p (a little more near the ends).
void VicinoAiLati(const Poli& p, double y, double r, std::vector<std::pair<double, double>>& fasce) {
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        const P2 &a = p[j], &b = p[i];
        if (y < std::min(a.y, b.y) - r || y > std::max(a.y, b.y) + r) continue;
        double lo = std::min(a.x, b.x) - r, hi = std::max(a.x, b.x) + r;
        double dy = b.y - a.y, dx = b.x - a.x, l = std::hypot(dx, dy);
        if (std::fabs(dy) > 1e-12) {
            double xc = a.x + (y - a.y) * dx / dy, w = r * l / std::fabs(dy);
            lo = std::max(lo, xc - w), hi = std::min(hi, xc + w);
        } else if (std::fabs(y - a.y) > r) {
            continue;
        }
        if (lo <= hi) fasce.push_back({lo, hi});
    }
}

// The outline as ring, list of holes: the slit layout Z0 .. ZU, then per hole H0 .. Hh, H0, ZU.
bool Scomponi(const Anello& w, Poli& anello, std::vector<Poli>& buchi) {
    auto uguali = [](const Punto& a, const Punto& b) { return a.X == b.X && a.Y == b.Y; };
    size_t U = 0;
    while (!uguali(w[U], w.back())) ++U;
    anello.clear();
    buchi.clear();
    for (size_t i = 0; i <= U; ++i) anello.push_back({w[i].X, w[i].Y});
    size_t i = U + 1;
    while (i < w.size()) {
        Poli h;
        size_t inizio = i;
        h.push_back({w[i].X, w[i].Y});
        ++i;
        while (i < w.size() && !uguali(w[i], w[inizio])) h.push_back({w[i].X, w[i].Y}), ++i;
        if (i + 1 >= w.size() || !uguali(w[i + 1], w[U])) return false;
        i += 2;
        buchi.push_back(h);
    }
    return true;
}

struct Riferimento {
    Poli Quad, Contorno;
    std::vector<Poli> Fori;
    double Area = 0;
};

// The reference region (valore true) or the space around it (false) inside a box, sampled in
// rows h apart: each row is cut exactly into intervals, and intervals of neighbouring rows that
// overlap belong to one part. With the box transposed the rows are columns, which see the
// thin horizontal strips that rows pass by.
struct Parti {
    double Y0 = 0, H = 1;
    bool Trasposto = false;
    std::vector<std::vector<std::array<double, 3>>> Righe;  // lo, hi, part
    std::vector<double> Aree;
    std::vector<bool> AlBordo;
    std::vector<P2> Punti;  // a point well inside each part: the middle of its longest interval

    // The part holding (x, y), -1 for none.
    int Di(double x, double y) const {
        if (Trasposto) std::swap(x, y);
        long j = std::lround((y - Y0) / H - 0.5);
        if (j < 0 || j >= static_cast<long>(Righe.size())) return -1;
        for (const auto& iv : Righe[static_cast<size_t>(j)])
            if (x >= iv[0] && x <= iv[1]) return static_cast<int>(iv[2]);
        return -1;
    }
    int Grandi(double minima) const {
        int n = 0;
        for (size_t k = 0; k < Aree.size(); ++k) n += Aree[k] >= minima && !AlBordo[k];
        return n;
    }
};

Parti Scansione(Riferimento r, double x0, double y0, double x1, double y1, double h, bool valore, bool trasposto) {
    if (trasposto) {
        for (Poli* p : {&r.Quad, &r.Contorno})
            for (P2& v : *p) std::swap(v.x, v.y);
        for (Poli& f : r.Fori)
            for (P2& v : f) std::swap(v.x, v.y);
        std::swap(x0, y0), std::swap(x1, y1);
    }
    Parti ps;
    ps.Y0 = y0, ps.H = h, ps.Trasposto = trasposto;
    std::vector<int> padre;
    auto radice = [&](int k) {
        while (padre[static_cast<size_t>(k)] != k) k = padre[static_cast<size_t>(k)] = padre[static_cast<size_t>(padre[static_cast<size_t>(k)])];
        return k;
    };
    std::vector<std::pair<double, int>> eventi;
    std::vector<double> xs;
    int nr = static_cast<int>((y1 - y0) / h) + 1;
    for (int j = 0; j < nr; ++j) {
        double y = y0 + (j + 0.5) * h;
        eventi.clear();
        int nPoli = 2 + static_cast<int>(r.Fori.size());
        for (int k = 0; k < nPoli; ++k) {
            const Poli& p = k == 0 ? r.Quad : (k == 1 ? r.Contorno : r.Fori[static_cast<size_t>(k - 2)]);
            Attraversamenti(p, y, xs);
            for (double x : xs) eventi.push_back({x, k});
        }
        std::sort(eventi.begin(), eventi.end());
        std::vector<char> dentro(static_cast<size_t>(nPoli), 0);
        auto regione = [&] {
            bool d = dentro[0] && dentro[1];
            for (int k = 2; k < nPoli && d; ++k) d = !dentro[static_cast<size_t>(k)];
            return d == valore;
        };
        std::vector<std::array<double, 3>> riga;
        double inizio = x0;
        bool stato = regione();
        auto chiudi = [&](double fine) {
            fine = std::min(fine, x1);
            if (stato && fine > inizio) riga.push_back({inizio, fine, -1});
        };
        for (const auto& [x, k] : eventi) {
            if (x <= x0) {
                dentro[static_cast<size_t>(k)] ^= 1;
                stato = regione();
                continue;
            }
            dentro[static_cast<size_t>(k)] ^= 1;
            bool nuovo = regione();
            if (nuovo != stato) {
                if (stato) chiudi(x);
                else inizio = std::max(x, x0);
                stato = nuovo;
            }
        }
        chiudi(x1);
        for (auto& iv : riga) {
            int id = static_cast<int>(padre.size());
            padre.push_back(id);
            ps.Aree.push_back((iv[1] - iv[0]) * h);
            ps.AlBordo.push_back(j == 0 || j == nr - 1 || iv[0] <= x0 || iv[1] >= x1);
            iv[2] = id;
            if (j > 0)
                for (const auto& su : ps.Righe.back())
                    if (std::max(su[0], iv[0]) < std::min(su[1], iv[1])) {
                        int a = radice(static_cast<int>(su[2])), b = radice(id);
                        if (a != b) padre[static_cast<size_t>(b)] = a;
                    }
        }
        ps.Righe.push_back(std::move(riga));
    }
    // Gather the intervals into their parts.
    std::vector<int> numero(padre.size(), -1);
    std::vector<double> aree, lunghezze;
    std::vector<bool> bordo;
    for (size_t k = 0; k < padre.size(); ++k) {
        int rk = radice(static_cast<int>(k));
        if (numero[static_cast<size_t>(rk)] < 0) {
            numero[static_cast<size_t>(rk)] = static_cast<int>(aree.size());
            aree.push_back(0);
            bordo.push_back(false);
            lunghezze.push_back(-1);
            ps.Punti.push_back({});
        }
        int q = numero[static_cast<size_t>(rk)];
        aree[static_cast<size_t>(q)] += ps.Aree[k];
        bordo[static_cast<size_t>(q)] = bordo[static_cast<size_t>(q)] || ps.AlBordo[k];
    }
    for (size_t j = 0; j < ps.Righe.size(); ++j)
        for (auto& iv : ps.Righe[j]) {
            int q = numero[static_cast<size_t>(radice(static_cast<int>(iv[2])))];
            iv[2] = q;
            if (iv[1] - iv[0] > lunghezze[static_cast<size_t>(q)]) {
                lunghezze[static_cast<size_t>(q)] = iv[1] - iv[0];
                P2 m{(iv[0] + iv[1]) / 2, y0 + (static_cast<double>(j) + 0.5) * h};
                ps.Punti[static_cast<size_t>(q)] = trasposto ? P2{m.y, m.x} : m;
            }
        }
    ps.Aree = aree;
    ps.AlBordo = bordo;
    return ps;
}

// Parts smaller than this (sampled, cm²) are the crumbs that the clipping drops by design.
constexpr double Briciola = 1.2;

// Grown clockwise quadrilateral as the reference sees it: a side more than 1 degree from the bars
// moves outwards by L, each corner is where its two sides' lines meet. False when a side is
// too close to 1 degree for the decision to be certain.
bool CrescitaRiferimento(Poli& q, double barre, double L) {
    if (AreaConSegno(q) > 0) std::swap(q[1], q[3]);
    struct Retta {
        P2 a, b;
    } lati[4];
    for (int i = 0; i < 4; ++i) {
        P2 s = q[static_cast<size_t>((i + 3) % 4)], e = q[static_cast<size_t>(i)];
        double ang = std::atan2(e.y - s.y, e.x - s.x) * 180 / Pi;
        double d = std::fmod(std::fabs(ang - barre), 180.0);
        d = std::min(d, 180 - d);
        if (std::fabs(d - 1) < 0.02) return false;
        lati[i] = {s, e};
        if (d > 1) {
            double l = std::hypot(e.x - s.x, e.y - s.y);
            double nx = -(e.y - s.y) / l * L, ny = (e.x - s.x) / l * L;  // left of travel: outwards
            lati[i] = {{s.x + nx, s.y + ny}, {e.x + nx, e.y + ny}};
        }
    }
    for (int k = 0; k < 4; ++k) {
        const Retta &r1 = lati[k], &r2 = lati[(k + 1) % 4];
        double ux = r1.b.x - r1.a.x, uy = r1.b.y - r1.a.y, vx = r2.b.x - r2.a.x, vy = r2.b.y - r2.a.y;
        double det = ux * vy - uy * vx;
        double t = ((r2.a.x - r1.a.x) * vy - (r2.a.y - r1.a.y) * vx) / det;
        q[static_cast<size_t>(k)] = {r1.a.x + t * ux, r1.a.y + t * uy};
    }
    return true;
}

}  // namespace

TEST(ContornoZona, ProprietaControRiferimento) {
    MaterialiProva mp;
    struct Forma {
        const char* Nome;
        Anello Contorno;
        std::vector<float> Xs, Ys;  // its coordinates, for zones that meet them
    };
    const std::vector<Forma> forme = {
        {"rettangolo", Rettangolo(0, 0, 120, 90), {0, 120}, {0, 90}},
        {"elle", {{0, 0}, {0, 90}, {60, 90}, {60, 45}, {120, 45}, {120, 0}}, {0, 60, 120}, {0, 45, 90}},
        {"U", {{0, 0}, {0, 90}, {40, 90}, {40, 40}, {80, 40}, {80, 90}, {120, 90}, {120, 0}}, {0, 40, 80, 120},
         {0, 40, 90}},
        {"triangolo", {{0, 0}, {60, 90}, {120, 0}}, {0, 60, 120}, {0, 90}},
    };
    std::mt19937 gen(20240610);
    auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    auto n = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };

    int accettati = 0, conBuchi = 0, divisi = 0, nulli = 0, saltati = 0, errori = 0;
    const int perGruppo = 150;
    for (const Forma& forma : forme) {
        for (int conFori = 0; conFori < 2; ++conFori) {
            for (int faccia = 0; faccia < 2; ++faccia) {
                for (int caso = 0; caso < perGruppo; ++caso) {
                    bool intero = caso % 2 == 0;  // whole-cm corners meeting the outline's coordinates
                    bool ruotato = n(0, 2) == 0;
                    double a1 = ruotato ? u(0, 180) : 0, a2 = ruotato ? (n(0, 1) ? 90 : u(60, 120)) : 90;
                    if (intero && ruotato) a1 = std::round(a1), a2 = std::round(a2);
                    // Bars just short of 180 degrees on whole-cm corners: sides at 0 degrees run along them.
                    if (intero && ruotato && n(0, 3) == 0) a1 = 180 - u(0.05, 0.9);
                    Modello m = Soletta(forma.Contorno, {}, a1, a2);
                    EditZone e = NuovaZona(faccia ? n(0, 1) : 3, {}, n(0, 1), n(8, 16));
                    Imp.AncoraggioMax = n(2, 20);

                    auto coord = [&](const std::vector<float>& vals, double lo, double hi) {
                        if (n(0, 3) > 0) return static_cast<double>(vals[static_cast<size_t>(n(0, static_cast<int>(vals.size()) - 1))] +
                                                                    (n(0, 2) == 0 ? n(-15, 15) : 0));
                        return static_cast<double>(n(static_cast<int>(lo), static_cast<int>(hi)));
                    };
                    if (intero) {
                        double x1 = coord(forma.Xs, -20, 140), y1 = coord(forma.Ys, -20, 110);
                        double x2 = coord(forma.Xs, -20, 140), y2 = coord(forma.Ys, -20, 110);
                        if (std::fabs(x1 - x2) < 5 || std::fabs(y1 - y2) < 5) {
                            --caso;
                            continue;
                        }
                        ImpostaSelezioneDir(m.Progetto, e.ZonaCorrente, static_cast<float>(x1), static_cast<float>(y1),
                                            static_cast<float>(x2), static_cast<float>(y2));
                        // Rounding may flatten a thin rotated figure: that is another test.
                        Poli a;
                        for (const Punto& p : e.ZonaCorrente.Angoli) a.push_back({p.X, p.Y});
                        bool corto = false;
                        for (size_t i = 0; i < 4; ++i)
                            corto = corto || std::hypot(a[i].x - a[(i + 1) % 4].x, a[i].y - a[(i + 1) % 4].y) < 2;
                        if (corto || std::fabs(AreaConSegno(a)) < 10) {
                            --caso;
                            continue;
                        }
                    } else {
                        // A parallelogram along the bar directions, corners in either turning sense.
                        double cx = u(-10, 130), cy = u(-10, 100), l1 = u(5, 90), l2 = u(5, 70);
                        double t1 = a1 * Pi / 180, t2 = (a1 + a2) * Pi / 180;
                        P2 e1{std::cos(t1) * l1 / 2, std::sin(t1) * l1 / 2}, e2{std::cos(t2) * l2 / 2, std::sin(t2) * l2 / 2};
                        std::array<Punto, 4> c = {
                            Punto{static_cast<float>(cx - e1.x - e2.x), static_cast<float>(cy - e1.y - e2.y)},
                            Punto{static_cast<float>(cx + e1.x - e2.x), static_cast<float>(cy + e1.y - e2.y)},
                            Punto{static_cast<float>(cx + e1.x + e2.x), static_cast<float>(cy + e1.y + e2.y)},
                            Punto{static_cast<float>(cx - e1.x + e2.x), static_cast<float>(cy - e1.y + e2.y)}};
                        if (n(0, 1)) std::swap(c[1], c[3]);
                        std::rotate(c.begin(), c.begin() + n(0, 3), c.end());
                        e.ZonaCorrente.Angoli = c;
                    }

                    Riferimento rif;
                    for (const Punto& p : e.ZonaCorrente.Angoli) rif.Quad.push_back({p.X, p.Y});
                    if (AreaConSegno(rif.Quad) > 0) std::swap(rif.Quad[1], rif.Quad[3]);
                    if (e.ZonaCorrente.Tipo < 2) {
                        double barre = e.ZonaCorrente.Direzione == 0 ? a1 : a1 + a2;
                        if (!CrescitaRiferimento(rif.Quad, barre, CalcAncoraggio(e.ZonaCorrente.Diametro))) {
                            ++saltati;
                            continue;
                        }
                    }
                    for (const Punto& p : forma.Contorno) rif.Contorno.push_back({p.X, p.Y});

                    // Openings: inside the zone, across one of its sides, across one of its corners;
                    // apart from each other by 2 cm at least.
                    std::vector<Anello> fori;
                    std::vector<std::array<double, 4>> scatole;
                    if (conFori) {
                        int quanti = n(1, 3);
                        for (int k = 0, tentativi = 0; k < quanti && tentativi < 50; ++tentativi) {
                            const Poli& q = rif.Quad;
                            P2 c;
                            int tipo = n(0, 2);
                            if (tipo == 0) {
                                double s = u(0.2, 0.8), t = u(0.2, 0.8);
                                P2 a{q[0].x + s * (q[1].x - q[0].x), q[0].y + s * (q[1].y - q[0].y)};
                                P2 b{q[3].x + s * (q[2].x - q[3].x), q[3].y + s * (q[2].y - q[3].y)};
                                c = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
                            } else if (tipo == 1) {
                                size_t i = static_cast<size_t>(n(0, 3));
                                double s = u(0.1, 0.9);
                                c = {q[i].x + s * (q[(i + 1) % 4].x - q[i].x), q[i].y + s * (q[(i + 1) % 4].y - q[i].y)};
                            } else {
                                c = q[static_cast<size_t>(n(0, 3))];
                            }
                            double w = u(5, 20), h = u(5, 20);
                            std::array<double, 4> s = {c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
                            if (intero)
                                for (double& v : s) v = std::round(v);
                            bool libero = true;
                            for (const auto& o : scatole)
                                libero = libero && (s[2] + 2 <= o[0] || o[2] + 2 <= s[0] || s[3] + 2 <= o[1] || o[3] + 2 <= s[1]);
                            if (!libero) continue;
                            scatole.push_back(s);
                            fori.push_back(Rettangolo(static_cast<float>(s[0]), static_cast<float>(s[1]),
                                                      static_cast<float>(s[2]), static_cast<float>(s[3])));
                            ++k;
                        }
                    }
                    Modello mf = Soletta(forma.Contorno, fori, a1, a2);
                    for (const Anello& f : fori) {
                        Poli p;
                        for (const Punto& v : f) p.push_back({v.X, v.Y});
                        rif.Fori.push_back(p);
                    }
                    rif.Area = AreaSH(SutherlandHodgman(rif.Contorno, rif.Quad));
                    for (const Poli& f : rif.Fori)
                        rif.Area -= AreaSH(SutherlandHodgman(SutherlandHodgman(rif.Contorno, f), rif.Quad));

                    std::ostringstream desc;
                    desc << forma.Nome << " fori " << fori.size() << " tipo " << e.ZonaCorrente.Tipo << " dir "
                         << e.ZonaCorrente.Direzione << " d " << e.ZonaCorrente.Diametro << " max "
                         << Imp.AncoraggioMax << " a1 " << a1 << " a2 " << a2 << " angoli ";
                    for (const Punto& p : e.ZonaCorrente.Angoli) desc << "(" << p.X << "," << p.Y << ")";
                    for (const auto& s : scatole) desc << " foro " << s[0] << "," << s[1] << "," << s[2] << "," << s[3];
                    auto errore = [&](const std::string& cosa) {
                        if (++errori <= 10) ADD_FAILURE() << cosa << "\n  " << desc.str();
                    };

                    EsitoContorno esito{};
                    int r = ContornoZona(mf, e, &esito);
                    double bx0 = 1e9, by0 = 1e9, bx1 = -1e9, by1 = -1e9;
                    for (const P2& p : rif.Quad)
                        bx0 = std::min(bx0, p.x), by0 = std::min(by0, p.y), bx1 = std::max(bx1, p.x), by1 = std::max(by1, p.y);
                    bx0 = std::max(bx0, -1.0), by0 = std::max(by0, -1.0), bx1 = std::min(bx1, 121.0), by1 = std::min(by1, 91.0);
                    // The box of the parts, with a margin that keeps the region off its border.
                    const double X0 = bx0 - 1, Y0 = by0 - 1, X1 = bx1 + 1, Y1 = by1 + 1;

                    if (esito == EsitoContorno::Degenere || (r == 0) != (esito != EsitoContorno::Ottenuto)) {
                        errore("unexpected result");
                        continue;
                    }
                    if (esito == EsitoContorno::NienteInComune) {
                        ++nulli;
                        if (rif.Area > 2) errore("nothing shared, reference area " + std::to_string(rif.Area));
                        continue;
                    }
                    if (esito == EsitoContorno::PiuParti) {
                        ++divisi;
                        // Rows 0.5 cm apart see most splits; rows and columns 0.05 cm apart the thin pieces.
                        auto grandi = [&](double h, bool trasposto) {
                            return Scansione(rif, X0, Y0, X1, Y1, h, true, trasposto).Grandi(0.8);
                        };
                        if (grandi(0.5, false) < 2 && grandi(0.05, false) < 2 && grandi(0.05, true) < 2)
                            errore("refused as several pieces, but the reference is one");
                        continue;
                    }
                    ++accettati;
                    Anello w = Uscita(e);
                    Poli anello;
                    std::vector<Poli> buchi;
                    if (w.size() < 3 || !Scomponi(w, anello, buchi)) {
                        errore("ring layout " + Testo(w));
                        continue;
                    }
                    conBuchi += !buchi.empty();
                    int distinti = 0;
                    for (size_t i = 0; i < anello.size(); ++i) {
                        bool nuovo = true;
                        for (size_t j = 0; j < i; ++j) nuovo = nuovo && (anello[i].x != anello[j].x || anello[i].y != anello[j].y);
                        distinti += nuovo;
                    }
                    if (distinti < 3) errore("fewer than 3 vertices " + Testo(w));
                    if (w.front().X == w.back().X && w.front().Y == w.back().Y) errore("first vertex repeated");
                    if (AreaConSegno(anello) >= 0) errore("ring not clockwise " + Testo(w));
                    double area = std::fabs(AreaConSegno(anello));
                    for (const Poli& h : buchi) area -= std::fabs(AreaConSegno(h));

                    // Even-odd membership of the ring: its ring and holes (the two sides of a slit cancel
                    // out, so they are left out).
                    auto nelAnello = [&](P2 p) {
                        auto dispari = [&](const Poli& v) {
                            bool d = false;
                            for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
                                if ((v[j].y > p.y) != (v[i].y > p.y) &&
                                    p.x < v[j].x + (p.y - v[j].y) * (v[i].x - v[j].x) / (v[i].y - v[j].y))
                                    d = !d;
                            return d;
                        };
                        bool d = dispari(anello);
                        for (const Poli& h : buchi) d = d != dispari(h);
                        return d;
                    };
                    // The parts of the region and of the space around it. The ring may leave out crumbs
                    // of the region, or cover crumbs of the space around it; nothing larger.
                    Parti dentro, fuori;
                    bool analizzate = false;
                    auto analizza = [&](bool trasposto) {
                        dentro = Scansione(rif, X0, Y0, X1, Y1, 0.01, true, trasposto);
                        fuori = Scansione(rif, X0, Y0, X1, Y1, 0.01, false, trasposto);
                        analizzate = !trasposto;
                    };
                    auto spiegata = [&] {
                        double attesa = rif.Area;
                        for (size_t k = 0; k < dentro.Aree.size(); ++k) {
                            if (nelAnello(dentro.Punti[k])) continue;
                            if (dentro.Aree[k] >= Briciola) return false;
                            attesa -= dentro.Aree[k];
                        }
                        for (size_t k = 0; k < fuori.Aree.size(); ++k) {
                            if (fuori.AlBordo[k] || !nelAnello(fuori.Punti[k])) continue;
                            if (fuori.Aree[k] >= Briciola) return false;
                            attesa += fuori.Aree[k];
                        }
                        return std::fabs(area - attesa) <= 1;
                    };
                    if (std::fabs(area - rif.Area) > 1) {
                        analizza(false);
                        bool ok = spiegata();
                        if (!ok) analizza(true), ok = spiegata();
                        if (!ok)
                            errore("area " + std::to_string(area) + " reference " + std::to_string(rif.Area) + " " +
                                   Testo(w));
                    }

                    // The sampled points, row by row: the crossings of every polygon and the bands near
                    // the reference's edges are swept once from left to right.
                    struct Evento {
                        double x;
                        int cosa;  // -2 band ends, -1 band starts, 0 ring or hole, 1 zone, 2 outline, 3 + k opening k
                    };
                    std::vector<Evento> eventi;
                    std::vector<double> xs;
                    std::vector<std::pair<double, double>> fasce;
                    int diversi = 0;
                    for (double y = std::floor(by0) + 0.61; y < by1; y += 1) {
                        eventi.clear();
                        auto aggiungi = [&](const Poli& p, int cosa) {
                            Attraversamenti(p, y, xs);
                            for (double x : xs) eventi.push_back({x, cosa});
                        };
                        aggiungi(anello, 0);
                        for (const Poli& h : buchi) aggiungi(h, 0);
                        aggiungi(rif.Quad, 1);
                        aggiungi(rif.Contorno, 2);
                        for (size_t k = 0; k < rif.Fori.size(); ++k) aggiungi(rif.Fori[k], 3 + static_cast<int>(k));
                        fasce.clear();
                        VicinoAiLati(rif.Quad, y, 0.05, fasce);
                        VicinoAiLati(rif.Contorno, y, 0.05, fasce);
                        for (const Poli& f : rif.Fori) VicinoAiLati(f, y, 0.05, fasce);
                        for (const auto& f : fasce) eventi.push_back({f.first, -1}), eventi.push_back({f.second, -2});
                        std::sort(eventi.begin(), eventi.end(), [](const Evento& a, const Evento& b) { return a.x < b.x; });

                        bool nel = false, inQuad = false, inContorno = false;
                        std::vector<char> inForo(rif.Fori.size(), 0);
                        int fori = 0, vicino = 0;
                        size_t ev = 0;
                        for (double x = std::floor(bx0) + 0.37; x < bx1; x += 1) {
                            for (; ev < eventi.size() && eventi[ev].x < x; ++ev) {
                                int cosa = eventi[ev].cosa;
                                if (cosa == -1) ++vicino;
                                else if (cosa == -2) --vicino;
                                else if (cosa == 0) nel = !nel;
                                else if (cosa == 1) inQuad = !inQuad;
                                else if (cosa == 2) inContorno = !inContorno;
                                else {
                                    char& f = inForo[static_cast<size_t>(cosa - 3)];
                                    f = !f;
                                    fori += f ? 1 : -1;
                                }
                            }
                            if (vicino > 0) continue;
                            bool ref = inQuad && inContorno && fori == 0;
                            if (ref == nel) continue;
                            // A point in a crumb that the clipping dropped.
                            if (!analizzate) analizza(false);
                            const Parti& parti = ref ? dentro : fuori;
                            int k = parti.Di(x, y);
                            if (k >= 0 && parti.Aree[static_cast<size_t>(k)] < Briciola &&
                                !parti.AlBordo[static_cast<size_t>(k)] && nelAnello(parti.Punti[static_cast<size_t>(k)]) == nel)
                                continue;
                            if (++diversi == 1)
                                errore("point (" + std::to_string(x) + "," + std::to_string(y) + ") reference " +
                                       (ref ? "inside" : "outside") + " " + Testo(w));
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(errori, 0);
    // The cases reach every outcome.
    EXPECT_GT(accettati, 1000);
    EXPECT_GT(conBuchi, 30);
    EXPECT_GT(divisi, 30);
    EXPECT_GT(nulli, 10);
    EXPECT_LT(saltati, 50);
    std::cout << "accepted " << accettati << " (with holes " << conBuchi << "), several pieces " << divisi
              << ", nothing shared " << nulli << ", skipped " << saltati << "\n";
}
