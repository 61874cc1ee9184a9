#include "drawing/DisegnoZone.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/Testo1252.h"
#include "design/BarreZone.h"
#include "design/DirezioniZona.h"
#include "design/StaffeCordolo.h"
#include "design/SoletteBarre.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello ZonaLPioli = {{400, 400}, {497, 400}, {497, 247}, {700, 247}, {700, 100}, {400, 100}};

Anello Quadrato(float x0, float y0, float lato) {
    return {{x0, y0 + lato}, {x0 + lato, y0 + lato}, {x0 + lato, y0}, {x0, y0}};
}

int AggiungiGrezza(Modello& m, const Zona& zona, const Anello& contorno) {
    int z = ++m.Zone.UltimaZona;
    m.Zone.Zone.resize(static_cast<size_t>(z) + 1);
    m.Zone.Zone[z] = zona;
    m.Zone.Zone[z].UltVertice = static_cast<int>(contorno.size()) - 1;
    m.Zone.VerticiZone[z] = contorno;
    return z;
}

Zona Pioli(float passo, float passo2, int dir = 0, float angolo = 0) {
    Zona z;
    z.Tipo = 3;
    z.Direzione = dir;
    z.Diametro = 12;
    z.Passo = passo;
    z.Passo2 = passo2;
    z.Angolo = angolo;
    z.XRif = 50, z.YRif = 60;
    return z;
}

// Inside the ring or on one of its sides.
bool Dentro(const Anello& a, float x, float y) {
    bool dentro = false;
    const size_t n = a.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double dx = a[i].X - a[j].X, dy = a[i].Y - a[j].Y;
        const double t = ((x - a[j].X) * dx + (y - a[j].Y) * dy) / (dx * dx + dy * dy);
        const double ex = a[j].X + t * dx - x, ey = a[j].Y + t * dy - y;
        if (t > -1e-6 && t < 1 + 1e-6 && ex * ex + ey * ey < 1e-4) return true;
        if ((a[i].Y > y) != (a[j].Y > y) && x < (a[j].X - a[i].X) * (y - a[i].Y) / (a[j].Y - a[i].Y) + a[i].X)
            dentro = !dentro;
    }
    return dentro;
}

std::vector<Entita> Filtra(const SinkRegistrato& s, const std::string& tipo, int layer, int stile = -1) {
    std::vector<Entita> r;
    for (const Entita& e : s.Entita_) {
        if (e.Tipo != tipo) continue;
        const size_t iLayer = tipo == "Testo" ? 3 : tipo == "Linea" ? 4 : 3;
        if (static_cast<int>(e.Num[iLayer]) != layer) continue;
        if (stile >= 0 && static_cast<int>(e.Num[iLayer + 1]) != stile) continue;
        r.push_back(e);
    }
    return r;
}

class DisegnoZone : public ::testing::Test {
protected:
    AmbienteBarre amb;
    PiattaformaProva pp;
};

TEST_F(DisegnoZone, ConteggioPioli) {
    struct Caso {
        const char* nome;
        Anello contorno;
        Zona zona;
        float angolo1;  // direction 1 of the slab, degrees
        int pioli;
    };
    // A 110 x 110 square laid along a direction at 30 degrees.
    Anello ruotato;
    {
        Modello r = SolettaProva(Rettangolo400x300, {}, 10, 20, 30);
        for (const Punto& p : Quadrato(0, 0, 110)) ruotato.push_back(RuotaDirArmaturaInv(r.Progetto, 0, p.X + 100, p.Y));
    }
    const Caso casi[] = {
        {"110 x 110 a 20/20", Quadrato(100, 100, 110), Pioli(20, 20), 0, 36},
        {"100 x 100 a 20/20, righe sui bordi", Quadrato(100, 100, 100), Pioli(20, 20), 0, 36},
        {"110 x 110 a 12.5/12.5", Quadrato(100, 100, 110), Pioli(12.5f, 12.5f), 0, 81},
        {"a L", ZonaLPioli, Pioli(20, 20), 0, 168},
        {"a L con angolo proprio", ZonaLPioli, Pioli(20, 20, 0, 0.5f), 0, 168},
        {"a L in direzione 2", ZonaLPioli, Pioli(20, 20, 1), 0, 168},
        {"passi diversi", Quadrato(100, 100, 100), Pioli(20, 25), 0, 30},
        {"direzione 1 a 30 gradi", ruotato, Pioli(20, 20), 30, 36},
        {"passo nullo", Quadrato(100, 100, 110), Pioli(0, 20), 0, 0},
        {"passo trasversale negativo", Quadrato(100, 100, 110), Pioli(20, -5), 0, 0},
        {"passo non numerico", Quadrato(100, 100, 110), Pioli(std::nanf(""), 20), 0, 0},
        {"griglia troppo fitta", Quadrato(100, 100, 110), Pioli(0.01f, 0.01f), 0, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.SinkVideo.Entita_.clear();
        Modello m = SolettaProva(Rettangolo400x300, {}, 10, 20, c.angolo1);
        int z = AggiungiGrezza(m, c.zona, c.contorno);
        m.Zone.Zone[z].NumBracci = 99;
        DisegnaPioli(m, 0, 0, 0);
        EXPECT_EQ(m.Zone.Zone[z].NumBracci, 99) << "drawing writes nothing in the model";
        // The count the layout pass stores is the count drawn.
        CalcolaArmature(m);
        EXPECT_EQ(m.Zone.Zone[z].NumBracci, c.pioli);

        // Every stud: a circle of 2 cm and a cross of two 8 cm lines; all inside the outline.
        auto cerchi = Filtra(pp.SinkVideo, "Cerchio", 6, 0);
        ASSERT_EQ(static_cast<int>(cerchi.size()), c.pioli);
        EXPECT_EQ(static_cast<int>(Filtra(pp.SinkVideo, "Linea", 8, 0).size()), 2 * c.pioli);
        for (const Entita& e : cerchi) {
            EXPECT_EQ(e.Num[2], 2);
            EXPECT_TRUE(Dentro(c.contorno, static_cast<float>(e.Num[0]), static_cast<float>(e.Num[1])))
                << e.Num[0] << "," << e.Num[1];
        }
        // Outline, mark, number and label whatever the count.
        EXPECT_EQ(Filtra(pp.SinkVideo, "Linea", 8, 1).size(), c.contorno.size());
        EXPECT_EQ(Filtra(pp.SinkVideo, "Cerchio", 9, 0).size(), 1u);
        auto testi = Filtra(pp.SinkVideo, "Testo", 18);
        ASSERT_EQ(testi.size(), 2u);
        EXPECT_EQ(testi[1].Testo.substr(0, 1 + std::to_string(c.pioli).size() + 7), " " + std::to_string(c.pioli) + " pioli ");
    }
}

TEST_F(DisegnoZone, PioliEtichetteEUscita) {
    Modello m = SolettaProva(Rettangolo400x300);
    AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 20);  // not a stud zone
    int z = AggiungiGrezza(m, Pioli(20, 20), Quadrato(100, 100, 110));

    // Into DXF, shifted: everything, the broken outline too; nothing on the screen.
    DisegnaPioli(m, 1000, -50, 1);
    EXPECT_TRUE(pp.SinkVideo.Entita_.empty());
    auto testi = Filtra(pp.SinkDxf, "Testo", 18);
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[0].Testo, "2");
    EXPECT_EQ(testi[0].Num, (std::vector<double>{1050, 10, 3, 18, 1, 1, 0}));
    EXPECT_EQ(testi[1].Testo, std::string(" 36 pioli ") + SegnoDiametro + "12/20x20");
    EXPECT_EQ(testi[1].Num, (std::vector<double>{1068, 10, 0, 18, 0, 1, 0}));
    auto marca = Filtra(pp.SinkDxf, "Cerchio", 9, 0);
    ASSERT_EQ(marca.size(), 1u);
    EXPECT_EQ(marca[0].Num[0], 1050);
    EXPECT_EQ(marca[0].Num[2], 14);
    auto contorno = Filtra(pp.SinkDxf, "Linea", 8, 1);
    ASSERT_EQ(contorno.size(), 4u);
    EXPECT_EQ(contorno[3].Num, (std::vector<double>{1100, 50, 1100, 160, 8, 1}));  // the closing side
    // First stud: 5 cm spare on both sides, its cross centred on it.
    auto croci = Filtra(pp.SinkDxf, "Linea", 8, 0);
    ASSERT_EQ(croci.size(), 72u);
    EXPECT_EQ(croci[0].Num, (std::vector<double>{1101, 55, 1109, 55, 8, 0}));
    EXPECT_EQ(croci[1].Num, (std::vector<double>{1105, 51, 1105, 59, 8, 0}));

    // Counting only: nothing drawn, the count as drawn.
    pp.SinkDxf.Entita_.clear();
    DisegnaPioli(m, 0, 0, -1);
    EXPECT_TRUE(pp.SinkVideo.Entita_.empty() && pp.SinkDxf.Entita_.empty());
    EXPECT_EQ(ContaPioli(m, z), 36);

    // 15 mm studs at 20 by 25 with a fractional spacing in the label.
    m.Zone.Zone[z].Diametro = 15;
    m.Zone.Zone[z].Passo2 = 22.5f;
    DisegnaPioli(m, 0, 0, 0);
    testi = Filtra(pp.SinkVideo, "Testo", 18);
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[1].Testo, std::string(" ") + std::to_string(ContaPioli(m, z)) + " pioli " +
                                  SegnoDiametro + "15/20x22.5");
}

struct ChiamataFerroInt {
    const Modello* m;
    float ox, oy;
    int zona;
    std::string e1, e2;
    int uscita;
};
std::vector<ChiamataFerroInt> FerriIntVisti;
void RegistraFerroInt(const Modello& m, float ox, float oy, int z, const std::string& e1, const std::string& e2,
                      int u) {
    FerriIntVisti.push_back({&m, ox, oy, z, e1, e2, u});
}

class Cordoli : public DisegnoZone {
protected:
    decltype(Disegno.FerroIntCordolo) vecchio = Disegno.FerroIntCordolo;
    Cordoli() {
        Disegno.FerroIntCordolo = RegistraFerroInt;
        FerriIntVisti.clear();
    }
    ~Cordoli() override { Disegno.FerroIntCordolo = vecchio; }

    // A strip along x from 0 to lung, 30 cm wide, bar across it at x = 10.
    static Zona Cordolo(float passo, int bracci) {
        Zona z;
        z.Tipo = 2;
        z.Passo = passo;
        z.Passo2 = 30;
        z.NumBracci = bracci;
        z.XBarra1 = 10, z.YBarra1 = 0, z.XBarra2 = 10, z.YBarra2 = 30;
        return z;
    }
    static Anello Striscia(float lung) { return {{0, 30}, {0, 0}, {lung, 0}, {lung, 30}}; }
};

TEST_F(Cordoli, LatiStaffeEFerro) {
    // Int(L / Passo) positions (one at least), Passo apart and centred along the strip; two
    // stirrups a position, from either side across two thirds of the width, with more than two legs.
    struct Caso {
        const char* nome;
        float lung, passo;
        int bracci;
        int interne, posizioni;
        double primo;  // x of the first position
    };
    const Caso casi[] = {
        {"due bracci", 200, 20, 2, 0, 10, 10},
        {"tre bracci", 200, 20, 3, 2, 10, 10},
        {"resto diviso fra le due estremità", 210, 20, 2, 0, 10, 15},
        {"più corto di due passi", 30, 20, 4, 2, 1, 15},
        {"più corto del passo", 15, 20, 2, 0, 1, 7.5},
        {"passo nullo", 200, 0, 2, 0, 0, 0},
        {"passo negativo", 200, -20, 2, 0, 0, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        pp.SinkVideo.Entita_.clear();
        FerriIntVisti.clear();
        Modello m = SolettaProva(Rettangolo400x300);
        int z = AggiungiGrezza(m, Cordolo(c.passo, c.bracci), Striscia(c.lung));
        DisegnaCordoli(m, 0, 0, 0);
        auto lati = Filtra(pp.SinkVideo, "Linea", 3, 0);
        ASSERT_EQ(static_cast<int>(lati.size()), 2 + c.interne);
        EXPECT_EQ(lati[0].Num, (std::vector<double>{0, 30, c.lung, 30, 3, 0}));
        EXPECT_EQ(lati[1].Num, (std::vector<double>{0, 0, c.lung, 0, 3, 0}));
        if (c.interne) {
            EXPECT_NEAR(lati[2].Num[1], 30 - 30 * 0.66, 1e-4);
            EXPECT_NEAR(lati[3].Num[1], 30 - 30 * 0.33, 1e-4);
        }
        // Two ticks, then the stirrups across the strip, as many as the report charges.
        auto l1 = Filtra(pp.SinkVideo, "Linea", 1, 0);
        const int perPosizione = c.bracci > 2 ? 2 : 1;
        ASSERT_EQ(static_cast<int>(l1.size()), 2 + c.posizioni * perPosizione);
        EXPECT_EQ(l1[0].Num, (std::vector<double>{7, -3, 13, 3, 1, 0}));
        EXPECT_EQ(l1[1].Num, (std::vector<double>{7, 27, 13, 33, 1, 0}));
        EXPECT_EQ(PosizioniStaffe(m.Zone, z) * perPosizione, c.posizioni * perPosizione);
        for (int k = 0; k < c.posizioni; ++k) {
            const double x = c.primo + c.passo * k;
            const auto& a = l1[static_cast<size_t>(2 + perPosizione * k)].Num;
            EXPECT_NEAR(a[0], x, 1e-4);
            EXPECT_NEAR(a[2], x, 1e-4);
            if (perPosizione == 1) {
                EXPECT_EQ(a[1], 30);
                EXPECT_EQ(a[3], 0);
                continue;
            }
            const auto& b = l1[static_cast<size_t>(3 + perPosizione * k)].Num;
            EXPECT_NEAR(b[0], x, 1e-4);
            EXPECT_NEAR(a[1], 30, 1e-4);
            EXPECT_NEAR(a[3], 30 - 30 * 0.66, 1e-4);
            EXPECT_NEAR(b[1], 30 - 30 * 0.33, 1e-4);
            EXPECT_NEAR(b[3], 0, 1e-4);
        }
        ASSERT_EQ(FerriIntVisti.size(), 1u);
        EXPECT_EQ(FerriIntVisti[0].m, &m) << "the bar of the model being drawn";
        EXPECT_EQ(FerriIntVisti[0].zona, z);
        EXPECT_EQ(FerriIntVisti[0].e1, "");
        EXPECT_EQ(FerriIntVisti[0].e2, "");
        EXPECT_EQ(FerriIntVisti[0].uscita, 0);
    }
}

TEST_F(Cordoli, TelaioProprioEOffset) {
    Modello m = SolettaProva(Rettangolo400x300);
    AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 0, 0, 12, 20);
    // The same strip standing along y: its own angle 90 degrees.
    Zona c = Cordolo(20, 2);
    c.Angolo = static_cast<float>(3.14159265358979 / 2);
    c.XBarra1 = 0, c.YBarra1 = 10, c.XBarra2 = 30, c.YBarra2 = 10;
    int z = AggiungiGrezza(m, c, {{0, 0}, {30, 0}, {30, 200}, {0, 200}});
    DisegnaCordoli(m, 100, 1000, 1);
    EXPECT_TRUE(pp.SinkVideo.Entita_.empty());
    auto l1 = Filtra(pp.SinkDxf, "Linea", 1, 0);
    ASSERT_EQ(l1.size(), 12u);
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        // Stirrups across the strip, horizontal in plan, shifted by the offsets.
        EXPECT_NEAR(l1[2 + k].Num[1], 1010 + 20 * k, 1e-3);
        EXPECT_NEAR(l1[2 + k].Num[3], 1010 + 20 * k, 1e-3);
        EXPECT_NEAR(std::fabs(l1[2 + k].Num[0] - l1[2 + k].Num[2]), 30, 1e-3);
        EXPECT_NEAR(std::min(l1[2 + k].Num[0], l1[2 + k].Num[2]), 100, 1e-3);
    }
    ASSERT_EQ(FerriIntVisti.size(), 1u);
    EXPECT_EQ(FerriIntVisti[0].zona, z);
    EXPECT_EQ(FerriIntVisti[0].ox, 100);
    EXPECT_EQ(FerriIntVisti[0].oy, 1000);
    EXPECT_EQ(FerriIntVisti[0].uscita, 1);
}

TEST_F(DisegnoZone, FerriSullaMappa) {
    Modello m = SolettaProva(SolettaL);
    const int a = AggiungiZona(m, {{38, 450}, {497, 450}, {497, 247}, {962, 247}, {962, 100}, {38, 100}}, 0, 0, 12, 20);
    const int b = AggiungiZona(m, {{100, 497}, {497, 497}, {497, 247}, {900, 247}, {900, 38}, {100, 38}}, 1, 1, 12, 20);
    const int r = AggiungiZona(m, {{38, 200}, {362, 200}, {362, 100}, {38, 100}}, 1, 0, 12, 20);
    Vista.FinestraVista = {0, 500, 0, 1000};
    Vista.Scala = 1;
    Vista.AltezzaVideo = 500;

    auto linee = [&] {
        std::vector<ChiamataVideo> v;
        for (const auto& c : pp.Video.Chiamate) {
            EXPECT_EQ(c.Op, "LineaPalette");
            if (c.Op == "LineaPalette") v.push_back(c);
        }
        return v;
    };
    struct Caso {
        int zona, direzione, kind;
        int linee;
    };
    const Caso casi[] = {
        {a, 0, 0, FerriZona(m, a, 0, 0, -1, 0).NumBarre},
        {b, 1, 1, FerriZona(m, b, 0, 0, -1, 0).NumBarre},
        {r, 0, 1, 6},
        {a, 1, 0, 0},   // another direction
        {a, 0, 1, 0},   // another face
        {b, 0, 1, 0},
        {-1, 0, 0, 0},  // no such zone
        {7, 0, 0, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.zona << " " << c.direzione << " " << c.kind);
        pp.Video.Chiamate.clear();
        DisegnaFerriZona(m, c.zona, c.direzione, c.kind);
        auto v = linee();
        EXPECT_EQ(static_cast<int>(v.size()), c.linee);
        for (const auto& l : v) EXPECT_EQ(l.Num[4], 8);
    }
    EXPECT_EQ(FerriZona(m, a, 0, 0, -1, 0).NumBarre, 18);
    EXPECT_EQ(FerriZona(m, b, 0, 0, -1, 0).NumBarre, 41);
    // The bars of the rectangle: on its edges and every 20 cm, picture y down.
    pp.Video.Chiamate.clear();
    DisegnaFerriZona(m, r, 0, 1);
    auto v = linee();
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[0].Num, (std::vector<double>{38, 400, 362, 400, 8}));
    EXPECT_EQ(v[5].Num, (std::vector<double>{38, 300, 362, 300, 8}));
    // Only the picture.
    EXPECT_TRUE(pp.SinkVideo.Entita_.empty() && pp.SinkDxf.Entita_.empty());
}

}  // namespace
