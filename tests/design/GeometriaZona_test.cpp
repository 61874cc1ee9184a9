#include "design/GeometriaZona.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/Estensioni.h"

namespace vilmor {
namespace {

constexpr double GradiRad = 3.14159265358979 / 180;

// Bar direction 1 at a1 degrees, direction 2 at a1 + 90.
DatiProgetto Frame(double a1) {
    Modello m;
    m.Progetto.AngoloDir1 = static_cast<float>(a1 * GradiRad);
    m.Progetto.AngoloDir2 = static_cast<float>(90 * GradiRad);
    CalcolaDirezioni(m);
    return m.Progetto;
}

void ImpostaContorno(EditZone& e, std::vector<Punto> v) {
    e.ContornoZonaCorr = std::move(v);
    e.ContornoZonaCorr.push_back({0, 0});  // the clipping leaves one spare element
    e.UltVertZonaCorr = static_cast<int>(e.ContornoZonaCorr.size()) - 2;
}

// A clockwise rectangle of the bar frame (s along direction 1, t along direction 2).
std::vector<Punto> Rettangolo(const DatiProgetto& pr, float s0, float t0, float s1, float t1) {
    auto p = [&](float s, float t) {
        return Punto{static_cast<float>(s * pr.CosDir1 + t * pr.CosDir2),
                     static_cast<float>(s * pr.SinDir1 + t * pr.SinDir2)};
    };
    return {p(s0, t0), p(s0, t1), p(s1, t1), p(s1, t0)};
}

void AttesoPunto(float x, float y, Punto atteso, const char* cosa, double tol = 2e-3) {
    EXPECT_NEAR(x, atteso.X, tol) << cosa;
    EXPECT_NEAR(y, atteso.Y, tol) << cosa;
}

TEST(GeometriaZonaRett, EsempioNeiTelaiRuotati) {
    // A 200 x 100 zone with plain bar directions, and the same figure turned with them: the
    // results turn too.
    for (double a1 : {0.0, 30.0, 135.0}) {
        SCOPED_TRACE(a1);
        DatiProgetto pr = Frame(a1);
        auto piano = [&](float s, float t) {
            return Punto{static_cast<float>(s * pr.CosDir1 + t * pr.CosDir2),
                         static_cast<float>(s * pr.SinDir1 + t * pr.SinDir2)};
        };
        for (int dir : {0, 1}) {
            EditZone e;
            ImpostaContorno(e, Rettangolo(pr, 0, 0, 200, 100));
            e.ZonaCorrente.Direzione = dir;
            e.MantieniRiferimento = -1;
            GeometriaZonaRett(pr, e);
            const Zona& z = e.ZonaCorrente;
            AttesoPunto(z.XMin1, z.YMin1, piano(0, 0), "XMin1");
            AttesoPunto(z.XMax1, z.YMax1, piano(200, 100), "XMax1");
            AttesoPunto(z.XMin2, z.YMin2, piano(200, 0), "XMin2");
            AttesoPunto(z.XMax2, z.YMax2, piano(0, 100), "XMax2");
            if (dir == 0) {
                AttesoPunto(z.XBarra1, z.YBarra1, piano(175, 0), "Barra1");
                AttesoPunto(z.XBarra2, z.YBarra2, piano(175, 100), "Barra2");
                AttesoPunto(z.XRif, z.YRif, piano(200, 120), "Rif");
            } else {
                AttesoPunto(z.XBarra1, z.YBarra1, piano(200, 25), "Barra1");
                AttesoPunto(z.XBarra2, z.YBarra2, piano(0, 25), "Barra2");
                AttesoPunto(z.XRif, z.YRif, piano(-20, 50), "Rif");
            }
            AttesoPunto(z.XMarca, z.YMarca, piano(100, 50), "Marca", 0.006);  // kept to hundredths
            EXPECT_EQ(z.UltVertice, 3);
            // The scratch polygon holds the outline in the direction-2 frame.
            ASSERT_EQ(e.PoligonoLavoro.size(), 4u);
            EXPECT_NEAR(e.PoligonoLavoro[2].X, 100, 2e-3);
            EXPECT_NEAR(e.PoligonoLavoro[2].Y, -200, 2e-3);
        }
    }
}

TEST(GeometriaZonaRett, LineaMantenutaSeguendoIlContornoCresciuto) {
    DatiProgetto pr = Frame(0);
    EditZone e;
    ImpostaContorno(e, Rettangolo(pr, 0, 0, 200, 100));
    e.MantieniRiferimento = -1;
    GeometriaZonaRett(pr, e);

    // The outline grows on every side; the line keeps its cross line and reaches the new sides,
    // the label keeps its place along it.
    ImpostaContorno(e, Rettangolo(pr, -40, -50, 250, 150));
    e.MantieniRiferimento = 0;
    GeometriaZonaRett(pr, e);
    const Zona& z = e.ZonaCorrente;
    AttesoPunto(z.XBarra1, z.YBarra1, {175, -50}, "Barra1");
    AttesoPunto(z.XBarra2, z.YBarra2, {175, 150}, "Barra2");
    AttesoPunto(z.XRif, z.YRif, {200, 120}, "Rif");
    AttesoPunto(z.XMarca, z.YMarca, {105, 50}, "Marca");

    // A label dragged onto the line's first end goes to the other side of it.
    e.ZonaCorrente.XRif = 175, e.ZonaCorrente.YRif = -50;
    GeometriaZonaRett(pr, e);
    AttesoPunto(z.XRif, z.YRif, {150, -50}, "Rif sull'estremo");
}

TEST(GeometriaZona, EsempioESpostamentoMantenuto) {
    EditZone e;
    ImpostaContorno(e, {{0, 0}, {0, 100}, {200, 100}, {200, 0}});
    e.ZonaCorrente.Angolo = 0;
    e.MantieniRiferimento = -1;
    GeometriaZona(e);
    const Zona& z = e.ZonaCorrente;
    AttesoPunto(z.XBarra1, z.YBarra1, {100, 100}, "Barra1");
    AttesoPunto(z.XBarra2, z.YBarra2, {100, 0}, "Barra2");
    AttesoPunto(z.XRif, z.YRif, {130, -30}, "Rif");
    AttesoPunto(z.XMin1, z.YMin1, {0, 0}, "Min1");
    AttesoPunto(z.XMax1, z.YMax1, {200, 100}, "Max1");
    AttesoPunto(z.XMin2, z.YMin2, {0, 0}, "Min2");
    AttesoPunto(z.XMax2, z.YMax2, {200, 100}, "Max2");
    AttesoPunto(z.XMarca, z.YMarca, {100, 50}, "Marca");
    EXPECT_EQ(z.UltVertice, 3);

    // Kept: the line stays at its abscissa and stretches to the new outline; the label stays.
    ImpostaContorno(e, {{0, -20}, {0, 140}, {300, 140}, {300, -20}});
    e.MantieniRiferimento = 0;
    GeometriaZona(e);
    AttesoPunto(z.XBarra1, z.YBarra1, {100, 140}, "Barra1 mantenuta");
    AttesoPunto(z.XBarra2, z.YBarra2, {100, -20}, "Barra2 mantenuta");
    AttesoPunto(z.XRif, z.YRif, {130, -30}, "Rif mantenuto");
}

TEST(GeometriaZona, AngoloRettoAgganciato) {
    EditZone e;
    ImpostaContorno(e, {{0, 0}, {0, 100}, {200, 100}, {200, 0}});
    e.ZonaCorrente.Angolo = 1.5707964f;
    e.MantieniRiferimento = -1;
    GeometriaZona(e);
    const Zona& z = e.ZonaCorrente;
    // The snapped cosines leave no trace of the other axis: the values are exact.
    EXPECT_EQ(z.XMin1, 200.0f);
    EXPECT_EQ(z.YMin1, 0.0f);
    EXPECT_EQ(z.XMax1, 0.0f);
    EXPECT_EQ(z.YMax1, 100.0f);
    EXPECT_EQ(z.XBarra1, 0.0f);
    EXPECT_EQ(z.YBarra1, 50.0f);
    EXPECT_EQ(z.XBarra2, 200.0f);
    EXPECT_EQ(z.YBarra2, 50.0f);
    EXPECT_EQ(z.XRif, 230.0f);
    EXPECT_EQ(z.YRif, 80.0f);
    EXPECT_EQ(z.XMin2, z.XMin1);
    EXPECT_EQ(z.YMax2, z.YMax1);
    ASSERT_EQ(e.PoligonoLavoro.size(), 4u);
    EXPECT_EQ(e.PoligonoLavoro[1].X, 100.0f);
    EXPECT_EQ(e.PoligonoLavoro[1].Y, 0.0f);
}

TEST(CentroideContorno, AreaNullaEArrotondamentoPari) {
    // No area: the mark is the origin.
    EXPECT_EQ(CentroideContorno({{10, 10}, {20, 20}, {30, 30}}, 2).X, 0.0f);
    EXPECT_EQ(CentroideContorno({{10, 10}}, 0).Y, 0.0f);
    EXPECT_EQ(CentroideContorno({}, -1).X, 0.0f);
    // Centroid x exactly 0.125: halves go to the even hundredth.
    Punto c = CentroideContorno({{0, 0}, {0, 3}, {0.375f, 0}}, 2);
    EXPECT_FLOAT_EQ(c.X, 0.12f);
    EXPECT_FLOAT_EQ(c.Y, 1.0f);
    // An L shape: the area centroid, not the mean of the vertices.
    Punto l = CentroideContorno({{0, 0}, {0, 200}, {100, 200}, {100, 100}, {200, 100}, {200, 0}}, 5);
    EXPECT_NEAR(l.X, 83.33f, 1e-3);
    EXPECT_NEAR(l.Y, 83.33f, 1e-3);
}

}  // namespace
}  // namespace vilmor
