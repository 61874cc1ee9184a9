#include "design/SpostaRiferimento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/Vista.h"

using namespace vilmor;

namespace {

constexpr double Pi = 3.14159265358979;

// Plan x = picture x / 2, plan y = (500 - picture y) / 2.
struct VistaProva {
    StatoVista vecchia = Vista;
    VistaProva() {
        Vista.FinestraVista = {0, 250, 0, 500};
        Vista.Scala = 2;
        Vista.AltezzaVideo = 500;
    }
    ~VistaProva() { Vista = vecchia; }
};

float PxDa(float x) { return XSchermo(x); }
float PyDa(float y) { return YSchermo(y); }

void Direzioni(DatiProgetto& p, double a1, double a2) {
    p.CosDir1 = std::cos(a1), p.SinDir1 = std::sin(a1);
    p.CosDir2 = std::cos(a2), p.SinDir2 = std::sin(a2);
}

// One zone at index 1 (index 0 is a bystander): box (100, 50)-(300, 150) for both directions,
// line across the direction-1 bars at x = 200, label 10 cm right and 50 cm above its first end.
Modello UnaZona(int tipo, int direzione) {
    Modello m;
    Direzioni(m.Progetto, 0, Pi / 2);
    m.Progetto.CosDir2 = 0, m.Progetto.SinDir2 = 1;
    Zona z;
    z.Tipo = tipo;
    z.Direzione = direzione;
    z.XMin1 = 100, z.YMin1 = 50, z.XMax1 = 300, z.YMax1 = 150;
    z.XMin2 = 100, z.YMin2 = 50, z.XMax2 = 300, z.YMax2 = 150;
    z.XBarra1 = 200, z.YBarra1 = 50, z.XBarra2 = 200, z.YBarra2 = 150;
    z.XRif = 210, z.YRif = 100;
    m.Zone.Zone = {Zona{}, z};
    m.Zone.UltimaZona = 1;
    return m;
}

std::string Descrivi(const Zona& z) {
    return "(" + std::to_string(z.XBarra1) + ", " + std::to_string(z.YBarra1) + ")-(" + std::to_string(z.XBarra2) +
           ", " + std::to_string(z.YBarra2) + ") rif (" + std::to_string(z.XRif) + ", " + std::to_string(z.YRif) + ")";
}

}  // namespace

TEST(SpostaRiferimento, AssiDelPiano) {
    VistaProva v;
    struct Caso {
        int tipo, direzione;
        float x, y;                       // the cursor, plan cm
        float xb1, yb1, xb2, yb2, xr, yr;  // expected line and label
        const char* cosa;
    };
    const Caso casi[] = {
        {0, 0, 250, 100, 250, 50, 250, 150, 260, 100, "face, bars along x: slides to the cursor's x"},
        {0, 0, 250, 240, 250, 50, 250, 150, 260, 100, "face: across the bars nothing more changes"},
        {1, 0, 200, 0, 200, 50, 200, 150, 210, 100, "lower face: a cross drag leaves the line"},
        {0, 0, 480, 100, 480, 50, 480, 150, 490, 100, "face: beyond the zone, ends on the box lines"},
        {0, 0, -40, 20, -40, 50, -40, 150, -30, 100, "face: before the zone"},
        {0, 1, 250, 120, 100, 120, 300, 120, 110, 170, "face, bars along y: the roles swap"},
        {3, 1, 0, 20, 100, 20, 300, 20, 110, 70, "studs as a face zone"},
        {2, 1, 250, 120, 250, 50, 250, 150, 260, 100, "curb, direction 1: bars along x"},
        {2, 0, 250, 120, 100, 120, 300, 120, 110, 170, "curb, direction 0: bars along y"},
    };
    for (const Caso& c : casi) {
        Modello m = UnaZona(c.tipo, c.direzione);
        const Zona prima = m.Zone.Zone[1];
        SpostaRiferimentoZona(m, 1, PxDa(c.x), PyDa(c.y));
        const Zona& z = m.Zone.Zone[1];
        const float e = 1e-3f;
        EXPECT_NEAR(z.XBarra1, c.xb1, e) << c.cosa << " " << Descrivi(z);
        EXPECT_NEAR(z.YBarra1, c.yb1, e) << c.cosa << " " << Descrivi(z);
        EXPECT_NEAR(z.XBarra2, c.xb2, e) << c.cosa << " " << Descrivi(z);
        EXPECT_NEAR(z.YBarra2, c.yb2, e) << c.cosa << " " << Descrivi(z);
        EXPECT_NEAR(z.XRif, c.xr, e) << c.cosa << " " << Descrivi(z);
        EXPECT_NEAR(z.YRif, c.yr, e) << c.cosa << " " << Descrivi(z);
        // Nothing else of the zone moves.
        EXPECT_EQ(z.XMin1, prima.XMin1);
        EXPECT_EQ(z.XMarca, prima.XMarca);
        EXPECT_EQ(m.Zone.Zone[0].XBarra1, 0);
    }
}

TEST(SpostaRiferimento, DirezioniRuotate) {
    VistaProva v;
    // Bars at 30 and 100 degrees: the frame need not be square.
    const double a1 = 30 * Pi / 180, a2 = 100 * Pi / 180;
    for (int direzione : {0, 1}) {
        Modello m = UnaZona(0, direzione);
        Direzioni(m.Progetto, a1, a2);
        Zona& z = m.Zone.Zone[1];
        z.XMin1 = 120, z.YMin1 = 40, z.XMax1 = 90, z.YMax1 = 160;
        z.XMin2 = 80, z.YMin2 = 90, z.XMax2 = 260, z.YMax2 = 60;
        const double u[2] = {direzione == 0 ? std::cos(a1) : std::cos(a2), direzione == 0 ? std::sin(a1) : std::sin(a2)};
        const double w[2] = {direzione == 0 ? std::cos(a2) : std::cos(a1), direzione == 0 ? std::sin(a2) : std::sin(a1)};
        const float cMin[2] = {direzione == 0 ? z.XMin1 : z.XMin2, direzione == 0 ? z.YMin1 : z.YMin2};
        const float cMax[2] = {direzione == 0 ? z.XMax1 : z.XMax2, direzione == 0 ? z.YMax1 : z.YMax2};
        auto vettore = [](const double d[2], double x, double y) { return d[0] * y - d[1] * x; };

        const float ox = z.XBarra1 - z.XRif, oy = z.YBarra1 - z.YRif;
        const float cursori[][2] = {{150, 100}, {400, -80}, {-200, 230}, {10, 10}, {150, 100}};
        for (const auto& c : cursori) {
            const float x = XDaSchermo(PxDa(c[0])), y = YDaSchermo(PyDa(c[1]));
            SpostaRiferimentoZona(m, 1, PxDa(c[0]), PyDa(c[1]));
            const std::string cosa = "direzione " + std::to_string(direzione) + " " + Descrivi(z);
            // Each end on its bar-parallel box line, both on the cross line through the cursor.
            EXPECT_NEAR(vettore(u, z.XBarra1 - cMin[0], z.YBarra1 - cMin[1]), 0, 1e-3) << cosa;
            EXPECT_NEAR(vettore(u, z.XBarra2 - cMax[0], z.YBarra2 - cMax[1]), 0, 1e-3) << cosa;
            EXPECT_NEAR(vettore(w, z.XBarra1 - x, z.YBarra1 - y), 0, 1e-3) << cosa;
            EXPECT_NEAR(vettore(w, z.XBarra2 - x, z.YBarra2 - y), 0, 1e-3) << cosa;
            // The label follows the first end rigidly.
            EXPECT_NEAR(z.XBarra1 - z.XRif, ox, 1e-3) << cosa;
            EXPECT_NEAR(z.YBarra1 - z.YRif, oy, 1e-3) << cosa;
        }
    }
}

TEST(SpostaRiferimento, NienteDaSpostare) {
    VistaProva v;
    // An index outside the table, or bar directions that never meet.
    for (int indice : {-1, 2, 7}) {
        Modello m = UnaZona(0, 0);
        SpostaRiferimentoZona(m, indice, PxDa(250), PyDa(100));
        EXPECT_EQ(m.Zone.Zone[1].XBarra1, 200);
        EXPECT_EQ(m.Zone.Zone[1].XRif, 210);
    }
    Modello m = UnaZona(0, 0);
    Direzioni(m.Progetto, 0, 0);
    SpostaRiferimentoZona(m, 1, PxDa(250), PyDa(100));
    EXPECT_EQ(m.Zone.Zone[1].XBarra1, 200);
    EXPECT_EQ(m.Zone.Zone[1].YBarra2, 150);
    EXPECT_EQ(m.Zone.Zone[1].XRif, 210);
}

TEST(SpostaRiferimento, ZonaSelezionata) {
    VistaProva v;
    Modello vecchio = M;
    const int selezionata = Edit.ZonaSelezionata;
    M = UnaZona(0, 0);
    Edit.ZonaSelezionata = 1;
    SpostaRiferimentoZona(PxDa(260), PyDa(10));
    EXPECT_NEAR(M.Zone.Zone[1].XBarra1, 260, 1e-3);
    EXPECT_NEAR(M.Zone.Zone[1].XRif, 270, 1e-3);
    EXPECT_EQ(M.Zone.Zone[0].XBarra1, 0);
    M = vecchio;
    Edit.ZonaSelezionata = selezionata;
}

// The line slides no further than work may stand on the slab: its slab file's extent (0, 0) -
// (300, 200) grown by its larger side and the drawing margin, x from -500 to 800; the label,
// 10 cm right of the line, reaches that edge first.
TEST(SpostaRiferimento, EntroLAreaDellaSoletta) {
    VistaProva v;
    Modello m = UnaZona(0, 0);
    m.Soletta.EstensioneFile.Aggiungi(0, 0);
    m.Soletta.EstensioneFile.Aggiungi(300, 200);
    const struct {
        float x;
        float atteso;  // the line's x after the drag
    } casi[] = {{790, 790}, {791, 790}, {5000, 790}, {-500, -500}, {-501, -500}, {250, 250}};
    for (const auto& c : casi) {
        SpostaRiferimentoZona(m, 1, PxDa(c.x), PyDa(100));
        const Zona& z = m.Zone.Zone[1];
        EXPECT_NEAR(z.XBarra1, c.atteso, 1e-3) << c.x << " " << Descrivi(z);
        EXPECT_NEAR(z.XBarra2, c.atteso, 1e-3) << c.x;
        EXPECT_NEAR(z.XRif, c.atteso + 10, 1e-3) << c.x;
    }
}
