#include "drawing/DisMappeColori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "design/MappeColori.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct NodoProva {
    float x, y, valore;
};

// The value stands both as the node's requirement and as its balance on that layer.
void Imposta(Nodo& n, int strato, float v) {
    if (strato == 4) n.RichTaglio1 = v;
    else n.*TabellaStrati[static_cast<size_t>(strato)].Richiesta = v;
    n.*TabellaStrati[static_cast<size_t>(strato)].Residuo = v;
}

Modello Maglia(const std::vector<NodoProva>& nodi, const std::vector<std::vector<int>>& elementi, int strato) {
    Modello m;
    for (const auto& n : nodi) {
        Nodo x;
        x.X = n.x;
        x.Y = n.y;
        if (strato >= 0) Imposta(x, strato, n.valore);
        m.Analisi.Nodi.push_back(x);
    }
    m.Analisi.NumNodi = static_cast<int>(nodi.size());
    for (const auto& e : elementi) {
        Elemento el;
        el.Triangolo = e.size() == 3 ? 1 : 0;
        for (size_t k = 0; k < 4; ++k) el.NodoIdx[k] = e[k % e.size()];
        m.Analisi.Elementi.push_back(el);
    }
    m.Analisi.NumElementi = static_cast<int>(elementi.size());
    return m;
}

struct Poligono {
    int32_t colore;
    std::vector<std::pair<double, double>> pt;
    double Area() const {
        double a = 0;
        for (size_t i = 0; i < pt.size(); ++i) {
            const auto& p = pt[i];
            const auto& q = pt[(i + 1) % pt.size()];
            a += p.first * q.second - q.first * p.second;
        }
        return std::fabs(a) / 2;
    }
    bool Tocca(double x, double y) const { return std::find(pt.begin(), pt.end(), std::pair{x, y}) != pt.end(); }
};

struct ChiamataPunz {
    float inferiore, superiore;
    std::string titolo;
    int uscita;
};
std::vector<ChiamataPunz> chiamatePunz;
void PunzRegistrata(Modello&, float a, float b, const std::string& t, int u) { chiamatePunz.push_back({a, b, t, u}); }

// The picture maps plan (x, y) to pixel (x, -y) times the scale.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    ScalaMappe mappa = Mappa;
    decltype(DisegnaMappaPunz) punz = DisegnaMappaPunz;
    explicit Banco(float scala = 1) {
        ImpostaDefault();
        Vista.Scala = scala;
        Vista.FinestraVista = {0, 0, 0, 0};
        Vista.AltezzaVideo = 0;
        Vista.TwipsPerPixel = 15;
        chiamatePunz.clear();
        DisegnaMappaPunz = PunzRegistrata;
    }
    ~Banco() {
        Mappa = mappa;
        DisegnaMappaPunz = punz;
    }
    // The request map of one quadrilateral on a scale of 0 to 10, as its filled polygons.
    std::vector<Poligono> MappaDiUnQuadrilatero(const std::vector<NodoProva>& nodi) const {
        Vista.TipoMappa = 0;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 10;
        Modello m = Maglia(nodi, {{0, 1, 2, 3}}, 0);
        DisegnaMappaColori(m);
        return Poligoni();
    }
    std::vector<Poligono> Poligoni() const {
        std::vector<Poligono> r;
        for (const auto& c : p.Video.Di("PoligonoPieno")) {
            Poligono q{static_cast<int32_t>(c.Num[0]), {}};
            for (size_t i = 1; i + 1 < c.Num.size(); i += 2) q.pt.push_back({c.Num[i], c.Num[i + 1]});
            r.push_back(q);
        }
        return r;
    }
    std::set<int32_t> Colori() const {
        std::set<int32_t> s;
        for (const auto& q : Poligoni()) s.insert(q.colore);
        return s;
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> r;
        for (const auto& c : p.Legenda.Di("Testo")) r.push_back(c.Testo);
        return r;
    }
};

bool Contiene(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

}  // namespace

TEST(ColoreFascia, Tabella) {
    struct {
        int indice;
        int32_t rgb;
    } casi[] = {{-1, 13107200}, {0, 13107200}, {1, Rgb(0, 40, 255)}, {4, Rgb(0, 255, 0)}, {8, Rgb(255, 0, 0)},
                {9, 200},       {10, 200},     {11, 0},             {-2, 0}};
    for (auto c : casi) EXPECT_EQ(ColoreFascia(c.indice), c.rgb) << c.indice;
}

TEST(MappeColori, TipiDiMappa) {
    struct Caso {
        int tipo;
        const char* titolo;
        int direzione, lato, strato;
    } casi[] = {
        {0, "Area richiesta [cmq/m]", 0, 0, 0},
        {1, "Area richiesta [cmq/m]", 0, 1, 1},
        {2, "Area richiesta [cmq/m]", 1, 0, 2},
        {3, "Area richiesta [cmq/m]", 1, 1, 3},
        {4, "Area armatura punzonamento [cmq]", 2, 2, -1},
        {5, "Carenza di armatura [cmq/m]", 0, 0, 0},
        {6, "Carenza di armatura [cmq/m]", 0, 1, 1},
        {7, "Carenza di armatura [cmq/m]", 1, 0, 2},
        {8, "Carenza di armatura [cmq/m]", 1, 1, 3},
        {9, "Carenza area taglio [cmq/mq]", 0, 2, 4},
        {10, "Eccedenza di armatura [cmq/m]", 0, 0, 0},
        {11, "Eccedenza di armatura [cmq/m]", 0, 1, 1},
        {12, "Eccedenza di armatura [cmq/m]", 1, 0, 2},
        {13, "Eccedenza di armatura [cmq/m]", 1, 1, 3},
        {14, "Eccedenza di armatura taglio [cmq/mq]", 2, 2, 4},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tipo);
        Banco b;
        Mappa.ScalaMin = 1.5f;
        Mappa.ScalaMax = 10;
        Vista.TipoMappa = c.tipo;
        Vista.DirezioneAttiva = Vista.TipoZonaAttivo = -5;
        // Only the map's own layer carries values: read from another layer the map is flat.
        const float s = c.tipo >= 10 ? -1.0f : 1.0f;
        Modello m = Maglia({{0, 0, 2 * s}, {100, 0, 5 * s}, {0, 100, 9 * s}}, {{0, 1, 2}}, c.strato);
        DisegnaMappaColori(m);
        // The direction and face a map implies are the view selection's to set; drawing the map
        // leaves them as they were.
        EXPECT_EQ(VoceMappaDi(c.tipo)->Direzione, c.direzione);
        EXPECT_EQ(VoceMappaDi(c.tipo)->Lato, c.lato);
        EXPECT_EQ(Vista.DirezioneAttiva, -5);
        EXPECT_EQ(Vista.TipoZonaAttivo, -5);
        if (c.tipo == 4) {
            ASSERT_EQ(chiamatePunz.size(), 1u);
            EXPECT_EQ(chiamatePunz[0].inferiore, 1.5f);
            EXPECT_EQ(chiamatePunz[0].superiore, 10.0f);
            EXPECT_EQ(chiamatePunz[0].titolo, c.titolo);
            EXPECT_EQ(chiamatePunz[0].uscita, 0);
            EXPECT_TRUE(b.p.Video.Chiamate.empty());
            EXPECT_TRUE(b.p.Legenda.Chiamate.empty());
            continue;
        }
        EXPECT_TRUE(chiamatePunz.empty());
        auto t = b.p.Legenda.Di("Testo");
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t[0].Testo, c.titolo);
        EXPECT_EQ(t[0].Num, (std::vector<double>{105, 30}));
        EXPECT_GT(b.Colori().size(), 2u);
    }
    // The punching map without its drawer: nothing at all.
    Banco b;
    DisegnaMappaPunz = nullptr;
    Vista.TipoMappa = 4;
    Modello m = Maglia({{0, 0, 1}, {100, 0, 5}, {0, 100, 9}}, {{0, 1, 2}}, 0);
    DisegnaMappaColori(m);
    EXPECT_TRUE(b.p.Video.Chiamate.empty());
    EXPECT_TRUE(b.p.Legenda.Chiamate.empty());
}

TEST(MappeColori, MappaPiatta) {
    // No node lacks steel: the range is 0 .. 0, every element whole in band 0's colour, every
    // node satisfied.
    Banco b;
    Vista.TipoMappa = 5;
    Modello m = Maglia({{0, 0, -1}, {100, 0, 0}, {0, 100, -3}, {200, 0, -2}, {300, 0, -0.5f}, {300, 100, 0}, {200, 100, -7}},
                       {{0, 1, 2}, {3, 4, 5, 6}}, 0);
    DisegnaMappaColori(m);
    const auto poli = b.Poligoni();
    ASSERT_EQ(poli.size(), 3u);
    const std::vector<std::vector<std::pair<double, double>>> attesi = {
        {{0, 0}, {100, 0}, {0, -100}}, {{200, 0}, {300, 0}, {300, -100}}, {{200, 0}, {300, -100}, {200, -100}}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(poli[i].pt, attesi[i]) << i;
        EXPECT_EQ(poli[i].colore, Rgb(0, 0, 200));
    }
    const auto marcatori = b.p.Video.Di("RettangoloPienoRgb");
    ASSERT_EQ(marcatori.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        const Nodo& n = m.Analisi.Nodi[i];
        EXPECT_EQ(marcatori[i].Num, (std::vector<double>{n.X - 1, -n.Y - 1, n.X + 2, -n.Y + 2, double(Rgb(88, 88, 88))}));
    }
    EXPECT_TRUE(Contiene(b.Testi(), "L'armatura soddisfa"));

    // The edge of the flat map, on a requirement map.
    struct {
        float L, U;
        bool piatta;
    } casi[] = {{0, 0.009f, true}, {-0.009f, 0.009f, true}, {0, 0.0091f, false}, {-0.0091f, 0, false}};
    for (auto [L, U, piatta] : casi) {
        SCOPED_TRACE(testing::Message() << L << " " << U);
        Banco c;
        Vista.TipoMappa = 0;
        Mappa.ScalaMin = L;
        Mappa.ScalaMax = U;
        Mappa.LivelliMappa.fill(-1);
        const float d = U - L;
        Modello q = Maglia({{0, 0, L}, {100, 0, L + 0.3f * d}, {100, 100, U}, {0, 100, L + 0.1f * d}}, {{0, 1, 2, 3}}, 0);
        DisegnaMappaColori(q);
        if (piatta) {
            EXPECT_EQ(Mappa.LivelliMappa[0], -1);
            EXPECT_EQ(Mappa.LivelliMappa[10], -1);
            EXPECT_EQ(c.Poligoni().size(), 2u);
            EXPECT_EQ(c.Colori(), std::set<int32_t>{ColoreFascia(0)});
        } else {
            EXPECT_EQ(Mappa.LivelliMappa[0], static_cast<double>(L) * 100);
            EXPECT_EQ(Mappa.LivelliMappa[5], static_cast<double>(L + (U - L) * 5 / 10) * 100);
            EXPECT_EQ(Mappa.LivelliMappa[10], static_cast<double>(U) * 100);
            EXPECT_GE(c.Poligoni().size(), 4u);
        }
    }
}

// The requirement maps show only what lies in their range.
TEST(MappeColori, TaglioAlCampo) {
    // Share of the triangle between 2 and 10, from the sorted corner values.
    auto quota = [](std::array<float, 3> v) {
        std::sort(v.begin(), v.end());
        const double f0 = v[0], f1 = v[1], f2 = v[2];
        auto F = [&](double t) {
            if (t <= f0) return 0.0;
            if (t >= f2) return 1.0;
            if (t <= f1) return (t - f0) * (t - f0) / ((f1 - f0) * (f2 - f0));
            return 1 - (f2 - t) * (f2 - t) / ((f2 - f0) * (f2 - f1));
        };
        return F(10) - F(2);
    };
    const std::array<float, 3> casi[] = {{0, 10, 10}, {12, -2, 5}, {-3, 4, 14}, {3, 9, 5}, {0, 1, 1.5f}, {11, 12, 20}};
    for (const auto& v : casi) {
        SCOPED_TRACE(testing::Message() << v[0] << " " << v[1] << " " << v[2]);
        Banco b(100);
        Vista.TipoMappa = 0;
        Mappa.ScalaMin = 2;
        Mappa.ScalaMax = 10;
        Modello m = Maglia({{0, 0, v[0]}, {100, 0, v[1]}, {0, 100, v[2]}}, {{0, 1, 2}}, 0);
        DisegnaMappaColori(m);
        const auto poli = b.Poligoni();
        const double atteso = 5000 * quota(v);
        if (atteso == 0) {
            EXPECT_TRUE(poli.empty());
            continue;
        }
        double area = 0;
        for (const auto& q : poli) {
            area += q.Area() / 1e4;
            for (auto [px, py] : q.pt) {
                // The value at the vertex lies in the range, within half a pixel.
                const double x = px / 100, y = -py / 100;
                const double z = v[0] + x / 100 * (v[1] - v[0]) + y / 100 * (v[2] - v[0]);
                EXPECT_GE(z, 2 - 0.02);
                EXPECT_LE(z, 10 + 0.02);
            }
        }
        EXPECT_NEAR(area, atteso, 5);
        if (v[0] == 0) {
            // Painted over (20, 0), (100, 0), (0, 100), (0, 20) only.
            for (auto [x, y] : {std::pair{2000.0, 0.0}, {10000.0, 0.0}, {0.0, -10000.0}, {0.0, -2000.0}})
                EXPECT_TRUE(std::any_of(poli.begin(), poli.end(), [&](const Poligono& q) { return q.Tocca(x, y); }))
                    << x << " " << y;
        }
    }
}

TEST(MappeColori, Quadrilateri) {
    // Excess: balances -4, -4, 8, 8 give corners 4, 4, 0, 0, and the centre's mean balance 2,
    // being positive, gives 0 (not the mean 2 of the corners' values).
    {
        Banco b;
        Vista.TipoMappa = 10;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 4;
        Modello m = Maglia({{0, 0, -4}, {100, 0, -4}, {100, 100, 8}, {0, 100, 8}}, {{0, 1, 2, 3}}, 0);
        DisegnaMappaColori(m);
        const auto poli = b.Poligoni();
        auto colori = [&](double x, double y) {
            std::set<int32_t> s;
            for (const auto& q : poli)
                if (q.Tocca(x, y)) s.insert(q.colore);
            return s;
        };
        EXPECT_EQ(colori(50, -50), std::set<int32_t>{ColoreFascia(0)});
        EXPECT_EQ(colori(0, 0), std::set<int32_t>{ColoreFascia(9)});
        EXPECT_EQ(colori(100, 0), std::set<int32_t>{ColoreFascia(9)});
        EXPECT_EQ(colori(100, -100), std::set<int32_t>{ColoreFascia(0)});
    }
    // Diagonals that do not cross: two triangles along the inner diagonal, inside the outline.
    struct Caso {
        const char* nome;
        std::vector<NodoProva> nodi;
        double area;
    } casi[] = {
        {"rientrante in 2", {{0, 0, 5}, {100, 0, 5}, {30, 30, 5}, {0, 100, 5}}, 3000},
        {"rientrante in 3", {{0, 100, 5}, {0, 0, 5}, {100, 0, 5}, {30, 30, 5}}, 3000},
        {"rientrante in 1, orario", {{0, 100, 5}, {30, 30, 5}, {100, 0, 5}, {0, 0, 5}}, 3000},
        {"allineati", {{0, 0, 5}, {100, 0, 5}, {200, 0, 5}, {300, 0, 5}}, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        const auto poli = b.MappaDiUnQuadrilatero(c.nodi);
        double area = 0;
        // Inside the outline: the centre of every piece.
        auto dentro = [&](double x, double y) {
            bool in = false;
            for (size_t i = 0, j = 3; i < 4; j = i++) {
                const double xi = c.nodi[i].x, yi = -c.nodi[i].y, xj = c.nodi[j].x, yj = -c.nodi[j].y;
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
            }
            return in;
        };
        for (const auto& q : poli) {
            area += q.Area();
            double cx = 0, cy = 0;
            for (auto [x, y] : q.pt) cx += x / q.pt.size(), cy += y / q.pt.size();
            EXPECT_TRUE(dentro(cx, cy)) << cx << " " << cy;
        }
        EXPECT_NEAR(area, c.area, 1e-9);
        if (c.area == 0) {
            EXPECT_TRUE(poli.empty());
        }
    }
}

TEST(MappeColori, MarcatoriDeiNodi) {
    struct Caso {
        float b;
        int modo;
        float perc, fissa;
        int32_t colore;
    } casi[] = {
        {0.5f, 0, 5, 0, ColorePalette(7)},     {0.5f, 0, 4, 0, ColorePalette(12)},
        {0.5f, 0, 0, 0, ColorePalette(12)},    {0.0089f, 0, 5, 0, Rgb(88, 88, 88)},
        {0.0089f, 0, 0, 0, Rgb(88, 88, 88)},   {0.5f, 1, 0, 0.5f, ColorePalette(7)},
        {0.5f, 1, 0, 0.4f, ColorePalette(12)}, {0.5f, 1, 5, 0, ColorePalette(12)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.b << " " << c.modo << " " << c.perc << " " << c.fissa);
        Banco b;
        Vista.TipoMappa = 5;
        Imp.ModoTolleranza = c.modo;
        Imp.TolleranzaPerc = c.perc;
        Imp.TolleranzaFissa = c.fissa;
        Modello m = Maglia({{30, 40, 0}}, {}, -1);
        m.Analisi.Nodi[0].RichSup1 = 10;
        m.Analisi.Nodi[0].ResSup1 = c.b;
        DisegnaMappaColori(m);
        const auto r = b.p.Video.Di("RettangoloPienoRgb");
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].Num, (std::vector<double>{29, -41, 32, -38, double(c.colore)}));
    }
    // Other maps: a black dot of 2 x 2 pixels.
    for (int tipo : {0, 3, 10, 14}) {
        Banco b;
        Vista.TipoMappa = tipo;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 1;
        Modello m = Maglia({{30, 40, 0.5f}}, {}, 0);
        DisegnaMappaColori(m);
        const auto r = b.p.Video.Di("Rettangolo");
        ASSERT_EQ(r.size(), 1u) << tipo;
        EXPECT_EQ(r[0].Num, (std::vector<double>{30, -40, 31, -39, 0})) << tipo;
        EXPECT_TRUE(b.p.Video.Di("RettangoloPienoRgb").empty());
    }
    // Pixels rounded half to even.
    Banco b;
    Vista.TipoMappa = 0;
    Modello m = Maglia({{30.5f, 41.5f, 0}, {41.5f, 30.5f, 0}}, {}, 0);
    DisegnaMappaColori(m);
    const auto r = b.p.Video.Di("Rettangolo");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].Num[0], 30);
    EXPECT_EQ(r[0].Num[1], -42);
    EXPECT_EQ(r[1].Num[0], 42);
    EXPECT_EQ(r[1].Num[1], -30);
}

// Markers closer than three marker widths (12 pixels on the missing-steel maps, 6 on the others)
// bury the map: there the missing-steel maps keep the nodes that fall short, one to a square of
// 12 pixels, the others none, and the legend says so. Apart, every node is marked.
TEST(MappeColori, MarcatoriFittiDiradati) {
    constexpr float NV = 2, OK = -1;  // balances: falls short, satisfied
    struct Caso {
        const char* nome;
        int tipo;
        std::vector<NodoProva> nodi;  // x, y at one pixel a centimetre; the balance
        std::vector<double> segnati;  // x of the nodes marked, in order
        bool nota;
    } casi[] = {
        {"carenza, 11 px", 5, {{0, 0, OK}, {11, 0, NV}, {100, 0, OK}}, {11, 100}, true},
        {"carenza, 12 px", 5, {{0, 0, OK}, {12, 0, NV}, {100, 0, OK}}, {0, 12, 100}, false},
        {"carenza, in diagonale", 5, {{0, 0, OK}, {8, 8, OK}}, {}, true},
        {"carenza, uno per quadrato", 5, {{0, 0, NV}, {1, 0, NV}, {2, 0, NV}, {13, 0, NV}, {14, 0, NV}}, {0, 13}, true},
        {"richiesta, 5 px", 0, {{0, 0, 1}, {5, 0, 1}, {50, 0, 1}}, {50}, false},
        {"richiesta, 6 px", 0, {{0, 0, 1}, {6, 0, 1}}, {0, 6}, false},
        {"eccedenza, 3 px", 10, {{0, 0, -1}, {3, 0, -1}}, {}, false},
        {"taglio, 4 px", 9, {{0, 0, NV}, {4, 0, OK}}, {0}, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Vista.TipoMappa = c.tipo;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 5;
        const int strato = c.tipo == 9 ? 4 : 0;
        Modello m = Maglia(c.nodi, {}, strato);
        for (size_t i = 0; i < c.nodi.size(); ++i) {
            Nodo& n = m.Analisi.Nodi[i];
            if (c.tipo == 9) n.RichTaglio1 = 5;
            else n.RichSup1 = 5;
        }
        DisegnaMappaColori(m);
        const bool carenza = c.tipo >= 5 && c.tipo <= 9;
        std::vector<double> segnati;
        for (const auto& r : b.p.Video.Di(carenza ? "RettangoloPienoRgb" : "Rettangolo"))
            segnati.push_back(r.Num[0] + (carenza ? 1 : 0));
        EXPECT_EQ(segnati, c.segnati);
        EXPECT_EQ(Contiene(b.Testi(), "Nodi: solo quelli carenti"), c.nota);
    }
}

TEST(MappeColori, SenzaNodiEConCampoRovesciato) {
    // Without nodes: the legend only.
    for (int tipo : {0, 5, 9, 10}) {
        Banco b;
        Vista.TipoMappa = tipo;
        Modello m;
        DisegnaMappaColori(m);
        EXPECT_TRUE(b.p.Video.Di("PoligonoPieno").empty()) << tipo;
        EXPECT_TRUE(b.p.Video.Di("Rettangolo").empty()) << tipo;
        EXPECT_TRUE(b.p.Video.Di("RettangoloPienoRgb").empty()) << tipo;
        EXPECT_FALSE(b.p.Legenda.Di("Testo").empty()) << tipo;
    }
    // A range that falls: no band, the legend and the markers as usual.
    Banco b;
    Vista.TipoMappa = 0;
    Mappa.ScalaMin = 10;
    Mappa.ScalaMax = 2;
    Modello m = Maglia({{0, 0, 5}, {100, 0, 5}, {100, 100, 5}, {0, 100, 5}}, {{0, 1, 2, 3}}, 0);
    DisegnaMappaColori(m);
    EXPECT_TRUE(b.p.Video.Di("PoligonoPieno").empty());
    EXPECT_EQ(b.p.Video.Di("Rettangolo").size(), 4u);
    EXPECT_EQ(b.p.Legenda.Di("RettangoloPieno").size(), 10u);
    // A node index out of the table paints nothing of its element.
    Banco c;
    Mappa.ScalaMin = 0;
    Mappa.ScalaMax = 10;
    Modello fuori = Maglia({{0, 0, 5}, {100, 0, 5}, {0, 100, 5}}, {{0, 1, 2}, {0, 1, 7}}, 0);
    DisegnaMappaColori(fuori);
    EXPECT_EQ(c.Poligoni().size(), 1u);
}

TEST(MappeColori, LimitiEccedenza) {
    struct {
        std::vector<float> bilanci;
        float inferiore, superiore;
    } casi[] = {
        {{-3, -2, -1, 0, 1, 2}, 0, 3}, {{2, 1, 0, -1, -2, -3}, 0, 3}, {{-5, -4, -3, -2, -1}, 1, 5},
        {{0.5f, 2}, 0, 0},             {{}, 0, 0},
    };
    for (const auto& c : casi) {
        Modello m;
        for (float b : c.bilanci) {
            Nodo n;
            n.ResInf2 = b;
            m.Analisi.Nodi.push_back(n);
        }
        m.Analisi.NumNodi = static_cast<int>(c.bilanci.size());
        float lo = -99, hi = -99;
        LimitiEccedenza(m, 3, lo, hi);
        EXPECT_EQ(lo, c.inferiore) << c.bilanci.size();
        EXPECT_EQ(hi, c.superiore) << c.bilanci.size();
    }
}

TEST(MappeColori, IndiceFasciaEValoreLivello) {
    EXPECT_EQ(IndiceFascia(3, 3, 7, 10), 11);
    EXPECT_EQ(IndiceFascia(10, 0, 2, 100), 20);
    EXPECT_EQ(IndiceFascia(0, 10, 2, 50), 40);
    EXPECT_EQ(ValoreLivello(100, 0, 50, 40), 20);
    EXPECT_EQ(ValoreLivello(-4, 6, 10, 0), -4);
}

// A quadrilateral whose four triangles about its centre lie whole in one band is one polygon,
// its corners in pixels; one whose triangles fold once in pixels, or that a level cuts, keeps
// its triangles.
TEST(MappeColori, QuadrilateroInUnaFascia) {
    struct Caso {
        const char* nome;
        std::vector<NodoProva> nodi;
        size_t poligoni;  // 0: more than the four triangles
    } casi[] = {
        {"una fascia", {{0, 0, 4.5f}, {100, 0, 4.5f}, {100, 100, 4.6f}, {0, 100, 4.7f}}, 1},
        {"due fasce", {{0, 0, 4.5f}, {100, 0, 4.5f}, {100, 100, 5.5f}, {0, 100, 4.7f}}, 6},
        {"ripiegato nei pixel", {{14.464f, 15.185f, 4.5f}, {12.420f, 18.346f, 4.5f}, {11.881f, 16.777f, 4.5f},
                                 {14.671f, 14.075f, 4.5f}}, 4},
        {"tagliato al campo", {{0, 0, 4.5f}, {100, 0, 4.5f}, {100, 100, 4.5f}, {0, 100, 11}}, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        const auto poli = b.MappaDiUnQuadrilatero(c.nodi);
        if (c.poligoni > 0) {
            EXPECT_EQ(poli.size(), c.poligoni);
        } else {
            EXPECT_GT(poli.size(), 4u);  // the triangles, each cut to the range and banded
        }
        if (c.poligoni == 1) {
            ASSERT_EQ(poli[0].pt.size(), 4u);
            for (size_t k = 0; k < 4; ++k)
                EXPECT_EQ(poli[0].pt[k], (std::pair<double, double>{c.nodi[k].x, -c.nodi[k].y}));
            EXPECT_EQ(poli[0].colore, ColoreFascia(4));
        }
    }
}
