#include "design/PerimetriPunzonamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "design/ContorniArmatura.h"
#include "design/ContorniPunzonamento.h"
#include "model/FileDatiProgetto.h"
#include "model/LetturaSoletta.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using vilmor::prova::PiattaformaProva;

namespace {

// A slab with the given outline (clockwise, y up) and its outer perimeter.
Modello Soletta(std::vector<Punto> contorno) {
    Modello m;
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 5;
    m.Soletta.NumVertContorno = static_cast<int>(contorno.size());
    contorno.push_back(contorno[0]);
    m.Soletta.Contorno = contorno;
    CalcolaPerimetroEsterno(m);
    return m;
}

Modello Rettangolare() { return Soletta({{0, 0}, {0, 600}, {1000, 600}, {1000, 0}}); }

int NodoConRecord(Modello& m, float x, float y, int tipo = 1) {
    Nodo n;
    n.X = x, n.Y = y;
    m.Analisi.Nodi.push_back(n);
    Punzonamento r;
    r.IndiceNodo = m.Analisi.NumNodi++;
    r.TipoPunz = tipo;
    m.Analisi.Punzonamenti.push_back(r);
    return m.Analisi.NumPunzonamenti++;
}

void AttesiPunti(const std::vector<Punto>& v, const std::vector<Punto>& atteso) {
    ASSERT_EQ(v.size(), atteso.size());
    for (size_t i = 0; i < v.size(); ++i) {
        EXPECT_NEAR(v[i].X, atteso[i].X, 1e-3) << i;
        EXPECT_NEAR(v[i].Y, atteso[i].Y, 1e-3) << i;
    }
}

float Dist(Punto a, Punto b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

}  // namespace

TEST(PerimetroRett, SpigoliSmussatiAttornoAlNodo) {
    Modello m;
    NodoConRecord(m, 200, 100);
    std::vector<Punto> p;
    PerimetroRett(m, 30, -1, 0, p);
    AttesiPunti(p, {{155, 115}, {185, 145}, {215, 145}, {245, 115}, {245, 85}, {215, 55}, {185, 55}, {155, 85}});
}

TEST(PerimetroCirc, ArchiCentratiSugliSpigoliDelQuadrato) {
    Modello m;
    NodoConRecord(m, 200, 100);
    std::vector<Punto> p;
    PerimetroCirc(m, 30, -1, 0, p);
    ASSERT_EQ(p.size(), 20u);
    const Punto centri[4] = {{185, 115}, {215, 115}, {215, 85}, {185, 85}};
    for (size_t i = 0; i < 20; ++i) EXPECT_NEAR(Dist(p[i], centri[i / 5]), 30.0f, 1e-3) << i;
    EXPECT_NEAR(p[0].X, 155, 1e-4);
    EXPECT_NEAR(p[0].Y, 115, 1e-4);
    EXPECT_NEAR(p[2].X, 185 - 21.2132f, 1e-3);  // 45 degrees
    EXPECT_NEAR(p[4].X, 185, 1e-4);
    EXPECT_NEAR(p[4].Y, 145, 1e-4);
    EXPECT_NEAR(p[19].X, 155, 1e-4);
    EXPECT_NEAR(p[19].Y, 85, 1e-4);
}

TEST(PerimetroRett, ScatolaDelPilastroSecondoLaForma) {
    Modello m;
    m.Archivio.TipoSezPilastro = {1, 0};
    m.Archivio.FormaPilastro = {0, 0};
    m.Archivio.DimPilastro = {{220, 0, 0, 0, 0, 0}, {}};
    m.Archivio.SezioniPilastro.resize(2);
    m.Archivio.SezioniPilastro[0].Dim0 = 30;
    m.Archivio.SezioniPilastro[0].Dim1 = 50;
    m.Archivio.NumSezioniPilastro = 1;
    Pilastro tondo;  // round, radius 20: the stored box is the centre alone
    tondo.NumVertici = 1;
    tondo.X = 100, tondo.Y = 100;
    tondo.VX = {20, 0, 0, 0, 0};
    tondo.XMin = tondo.XMax = 100, tondo.YMin = tondo.YMax = 100;
    Pilastro sezione;  // the 30 x 50 section turned by 90 degrees; stored box +-15
    sezione.NumVertici = 0;
    sezione.Tipo = 1;
    sezione.Angolo = 90;
    sezione.X = 300, sezione.Y = 100;
    sezione.XMin = 285, sezione.XMax = 315, sezione.YMin = 85, sezione.YMax = 115;
    Pilastro poligono;
    poligono.NumVertici = 4;
    poligono.XMin = 480, poligono.XMax = 520, poligono.YMin = 70, poligono.YMax = 130;
    m.Soletta.Pilastri = {tondo, sezione, poligono};
    m.Soletta.NumPilastri = 3;

    std::vector<Punto> p;
    PerimetroRett(m, 10, 0, -1, p);
    EXPECT_NEAR(p[0].X, 70, 1e-4);  // (X - 30, Y + 20): outside the column
    EXPECT_NEAR(p[0].Y, 120, 1e-4);
    EXPECT_NEAR(p[3].X, 130, 1e-4);
    PerimetroRett(m, 10, 1, -1, p);
    AttesiPunti(p, {{275, 125}, {285, 135}, {315, 135}, {325, 125}, {325, 75}, {315, 65}, {285, 65}, {275, 75}});
    PerimetroRett(m, 10, 2, -1, p);
    EXPECT_NEAR(p[0].X, 470, 1e-4);
    EXPECT_NEAR(p[0].Y, 130, 1e-4);
    EXPECT_NEAR(p[5].Y, 60, 1e-4);
}

TEST(VerificaPerimetro, UnTrattoPressoIlBordo) {
    Modello m = Rettangolare();
    int j = NodoConRecord(m, 500, 20);
    std::vector<Punto> p;
    PerimetroRett(m, 30, -1, 0, p);
    VerificaPerimetro(m, p, 7, j);
    const Punzonamento& r = m.Analisi.Punzonamenti[0];
    ASSERT_EQ(r.NumTratti, 1);
    EXPECT_NEAR(r.TrattoIniz[0].X, 455, 1e-4);
    EXPECT_NEAR(r.TrattoIniz[0].Y, 35, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].X, 545, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].Y, 35, 1e-4);
    EXPECT_NEAR(p[0].X, 455, 1e-4);  // already starting on the stretch: not turned

    // The rounded perimeter has the same stretch ends.
    PerimetroCirc(m, 30, -1, 0, p);
    VerificaPerimetro(m, p, 19, j);
    ASSERT_EQ(r.NumTratti, 1);
    EXPECT_NEAR(r.TrattoIniz[0].X, 455, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].X, 545, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].Y, 35, 1e-4);
}

TEST(VerificaPerimetro, IlPoligonoRuotaSulPrimoVerticeDelTratto) {
    Modello m = Rettangolare();
    int j = NodoConRecord(m, 20, 300);
    std::vector<Punto> p;
    PerimetroRett(m, 30, -1, 0, p);
    VerificaPerimetro(m, p, 7, j);
    const Punzonamento& r = m.Analisi.Punzonamenti[0];
    ASSERT_EQ(r.NumTratti, 1);
    AttesiPunti(p, {{35, 345}, {65, 315}, {65, 285}, {35, 255}, {5, 255}, {-25, 285}, {-25, 315}, {5, 345}});
    EXPECT_NEAR(r.TrattoIniz[0].X, 35, 1e-4);
    EXPECT_NEAR(r.TrattoIniz[0].Y, 345, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].X, 35, 1e-4);
    EXPECT_NEAR(r.TrattoFine[0].Y, 255, 1e-4);
}

TEST(VerificaPerimetro, TuttoDentroOTuttoFuori) {
    Modello m = Rettangolare();
    int dentro = NodoConRecord(m, 500, 300);
    int fuori = NodoConRecord(m, 1500, 300);
    std::vector<Punto> p;
    PerimetroCirc(m, 30, -1, 0, p);
    std::vector<Punto> prima = p;
    VerificaPerimetro(m, p, 19, dentro);
    EXPECT_EQ(m.Analisi.Punzonamenti[0].NumTratti, 0);
    AttesiPunti(p, prima);
    PerimetroRett(m, 30, -1, 1, p);
    VerificaPerimetro(m, p, 7, fuori);
    EXPECT_EQ(m.Analisi.Punzonamenti[1].NumTratti, 0);
    EXPECT_EQ(m.Analisi.Punzonamenti[1].TrattoIniz.size(), 3u);
}

TEST(VerificaPerimetro, QuattroTrattiTuttiTenuti) {
    // An outer perimeter in the shape of a pinwheel about (500, 300): it holds the vertices
    // 0, 2, 4 and 6 of the cut-corner perimeter and leaves out 1, 3, 5 and 7.
    Modello m;
    std::vector<Punto> girandola = {{470, 270}, {470, 310}, {450, 310}, {450, 320}, {470, 320}, {470, 330},
                                    {510, 330}, {510, 350}, {520, 350}, {520, 330}, {530, 330}, {530, 290},
                                    {550, 290}, {550, 280}, {530, 280}, {530, 270}, {490, 270}, {490, 250},
                                    {480, 250}, {480, 270}};
    m.Contorni.PerimetroEsterno = girandola;
    m.Contorni.PerimetroEsterno.push_back(girandola[0]);
    m.Contorni.UltVertPerimetroEst = static_cast<int>(girandola.size());
    int j = NodoConRecord(m, 500, 300);
    std::vector<Punto> p;
    PerimetroRett(m, 30, -1, 0, p);
    VerificaPerimetro(m, p, 7, j);
    const Punzonamento& r = m.Analisi.Punzonamenti[0];
    ASSERT_EQ(r.NumTratti, 4);
    ASSERT_GE(r.TrattoIniz.size(), 4u);
    for (int t = 0; t < 4; ++t) {
        // Each stretch is the single vertex 2t.
        EXPECT_NEAR(r.TrattoIniz[static_cast<size_t>(t)].X, p[static_cast<size_t>(2 * t)].X, 1e-4) << t;
        EXPECT_NEAR(r.TrattoIniz[static_cast<size_t>(t)].Y, p[static_cast<size_t>(2 * t)].Y, 1e-4) << t;
        EXPECT_NEAR(r.TrattoFine[static_cast<size_t>(t)].X, p[static_cast<size_t>(2 * t)].X, 1e-4) << t;
        EXPECT_NEAR(r.TrattoFine[static_cast<size_t>(t)].Y, p[static_cast<size_t>(2 * t)].Y, 1e-4) << t;
    }
}

// The perimeter cut to the slab, as a ring from the perimeter's vertex 0; the count is the
// ring's and the previous result is replaced.
TEST(RiduciPerimetro, Casi) {
    const std::vector<Punto> rettangolo = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}};
    enum Forma { Smussato, Arrotondato };
    struct Caso {
        const char* nome;
        std::vector<Punto> contorno;
        float x, y, distanza;
        Forma forma;
        std::vector<Punto> atteso;
        bool tuttoIlPerimetro = false;  // the whole perimeter stays
    } casi[] = {
        {"pilastro presso un bordo dritto", rettangolo, 500, 20, 30, Smussato,
         {{455, 35}, {485, 65}, {515, 65}, {545, 35}, {545, 5}, {540, 0}, {460, 0}, {455, 5}}},
        // Vertices that coincide are stored once; after such a duplicate the perimeter still
        // leaves the slab where it crosses the edge.
        {"distanza nulla", rettangolo, 5, 300, 0, Smussato, {{0, 315}, {20, 315}, {20, 285}, {0, 285}}},
        // A far edge nearly parallel to the perimeter's sides adds no point of its own.
        {"bordo lontano quasi parallelo", {{0, 0}, {0, 600}, {1000, 605.2f}, {1000, 0}}, 5, 300, 0, Smussato,
         {{0, 315}, {20, 315}, {20, 285}, {0, 285}}},
        {"tutto dentro, arrotondato", rettangolo, 500, 300, 30, Arrotondato, {}, true},
        {"tutto dentro, smussato", rettangolo, 500, 300, 30, Smussato, {}, true},
        // Box -5 .. 25 grown by 30: the crossing with the left edge, the two perimeter vertices
        // inside the slab, the crossing with the bottom edge and the slab's corner after it.
        {"spigolo convesso dentro il perimetro", rettangolo, 10, 10, 30, Smussato,
         {{0, 55}, {25, 55}, {55, 25}, {55, 0}, {0, 0}}},
        {"soletta tutta dentro il perimetro", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 5, 5, 30, Arrotondato, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = Soletta(c.contorno);
        NodoConRecord(m, c.x, c.y);
        std::vector<Punto> p, ridotto = {{1, 1}};
        int n = -1;
        if (c.forma == Smussato) PerimetroRett(m, c.distanza, -1, 0, p);
        else PerimetroCirc(m, c.distanza, -1, 0, p);
        RiduciPerimetro(m, p, static_cast<int>(p.size()) - 1, ridotto, n);
        const std::vector<Punto>& atteso = c.tuttoIlPerimetro ? p : c.atteso;
        EXPECT_EQ(n, static_cast<int>(atteso.size()));
        AttesiPunti(ridotto, atteso);
    }
}

TEST(RiduciPerimetro, LaFormaGlobaleNonToccaIlContornoDellaZona) {
    Modello salvato = std::move(M);
    M = Rettangolare();
    NodoConRecord(M, 500, 20);
    Edit.ContornoZonaCorr = {{1, 2}, {3, 4}, {5, 6}};
    Edit.UltVertZonaCorr = 2;
    PerimetroRett(30, -1, 0);
    VerificaPerimetro(7, 0);
    RiduciPerimetro(7);
    EXPECT_EQ(M.Analisi.Punzonamenti[0].NumTratti, 1);
    EXPECT_EQ(Edit.NumVertPerimetroRidotto, 8);
    AttesiPunti(Edit.PerimetroRidotto,
                {{455, 35}, {485, 65}, {515, 65}, {545, 35}, {545, 5}, {540, 0}, {460, 0}, {455, 5}});
    AttesiPunti(Edit.ContornoZonaCorr, {{1, 2}, {3, 4}, {5, 6}});
    EXPECT_EQ(Edit.UltVertZonaCorr, 2);
    M = std::move(salvato);
    Edit = EditZone{};
}

TEST(PuntoInPoligonoPunti, QuadratoConVerticeRipetuto) {
    std::vector<Punto> q = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
    struct Caso {
        float x, y;
        bool dentro;
    } casi[] = {{5, 5, true}, {15, 5, false}, {-1, 5, false}, {5, 10.5f, false}, {9.9f, 0.1f, true}};
    for (const Caso& c : casi) EXPECT_EQ(PuntoInPoligonoPunti(q, c.x, c.y, 0, 0, 10), c.dentro) << c.x << " " << c.y;
    // A ray through a vertex counts once: a diamond with the point level with its side vertices.
    std::vector<Punto> rombo = {{0, 5}, {5, 10}, {10, 5}, {5, 0}};
    EXPECT_TRUE(PuntoInPoligonoPunti(rombo, 5, 5, 0, 5, 5));
    EXPECT_FALSE(PuntoInPoligonoPunti(rombo, 12, 5, 0, 5, 5));
}

TEST(PerimetriPunzonamento, SolettaConFileDatiDiProgetto) {
    PiattaformaProva p;
    Modello m;
    ASSERT_TRUE(LeggiSoletta(std::string(VILMOR_DATI_PROVA) + "/datiprogetto/SOLDP.QVR", m));
    EXPECT_EQ(m.Progetto.PercorsoDatiProgetto, std::string(VILMOR_DATI_PROVA) + "/datiprogetto/SOLDP.DAT");
    CalcolaPerimetroEsterno(m);
    ASSERT_TRUE(LeggiDatiProgetto(m));
    VerificaPerimetriPunzonamento(m);
    CalcContorniPunz(m);
    EXPECT_TRUE(p.Msg.Visti.empty());

    const ModelloAnalisi& a = m.Analisi;
    EXPECT_EQ(a.NumElementi, 4);
    EXPECT_EQ(a.NumNodi, 16);
    ASSERT_EQ(a.NumPunzonamenti, 4);
    EXPECT_EQ(m.Progetto.Copriferro, 5.0f);
    // Round column, polygon column, a node near the bottom edge, the archive-typed column.
    const int pilastro[4] = {0, 1, -1, 2};
    const int vertici[4] = {8, 4, 4, 4};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(a.Punzonamenti[static_cast<size_t>(j)].IndicePilastro, pilastro[j]) << j;
        EXPECT_EQ(a.Punzonamenti[static_cast<size_t>(j)].NumVertici, vertici[j]) << j;
    }
    // d = (25 - 5) x 1.5 = 30: the node record's perimeter leaves the outer perimeter below.
    const Punzonamento& r = a.Punzonamenti[2];
    EXPECT_EQ(r.X, 500.0f);
    EXPECT_EQ(r.Y, 20.0f);
    ASSERT_EQ(r.NumTratti, 1);
    EXPECT_NEAR(r.TrattoIniz[0].X, 455, 1e-3);
    EXPECT_NEAR(r.TrattoIniz[0].Y, 35, 1e-3);
    EXPECT_NEAR(r.TrattoFine[0].X, 545, 1e-3);
    EXPECT_NEAR(r.TrattoFine[0].Y, 35, 1e-3);
    EXPECT_EQ(a.Punzonamenti[0].NumTratti, 0);
    // Outlines grown by (25 - 5) x 0.4 = 8: the node square has half-side 28.
    EXPECT_FLOAT_EQ(r.VertX[0], 528.0f);
    EXPECT_FLOAT_EQ(r.VertY[0], 48.0f);
    EXPECT_FLOAT_EQ(a.Punzonamenti[0].VertY[0], 300.0f + 28.0f);  // round: 8 + radius 20
    EXPECT_EQ(a.Punzonamenti[3].StatoPunz, -1);
}
