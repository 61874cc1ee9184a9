#include "design/SelezioneZona.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/Estensioni.h"

using namespace vilmor;

namespace {

constexpr double Pi = 3.14159265358979;

// Bar directions as the slab load sets them: direction 1 at a1 degrees, direction 2 a2 further.
DatiProgetto Direzioni(double a1, double a2) {
    Modello m;
    m.Progetto.AngoloDir1 = static_cast<float>(a1 * Pi / 180);
    m.Progetto.AngoloDir2 = static_cast<float>(a2 * Pi / 180);
    m.Progetto.AngoloDir1Gradi = static_cast<float>(a1);
    m.Progetto.AngoloDir2Gradi = static_cast<float>(a2);
    CalcolaDirezioni(m);
    return m.Progetto;
}

void Angoli(const Zona& z, const std::array<Punto, 4>& attesi) {
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(z.Angoli[k].X, attesi[k].X) << "corner " << k;
        EXPECT_EQ(z.Angoli[k].Y, attesi[k].Y) << "corner " << k;
    }
}

void Box(const Zona& z, float x0, float y0, float x1, float y1) {
    EXPECT_EQ(z.XMin, x0);
    EXPECT_EQ(z.YMin, y0);
    EXPECT_EQ(z.XMax, x1);
    EXPECT_EQ(z.YMax, y1);
}

}  // namespace

TEST(SelezioneZona, AssiDaOgniDiagonale) {
    DatiProgetto pr = Direzioni(0, 90);
    // Both diagonals, from either end: always top-left, top-right, bottom-right, bottom-left.
    const float casi[][4] = {{300, 100, 100, 200}, {100, 200, 300, 100}, {100, 100, 300, 200}, {300, 200, 100, 100}};
    for (auto& c : casi) {
        Zona z;
        ImpostaSelezioneDir(pr, z, c[0], c[1], c[2], c[3]);
        SCOPED_TRACE(testing::Message() << c[0] << "," << c[1] << " -> " << c[2] << "," << c[3]);
        Angoli(z, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}});
        Box(z, 100, 100, 300, 200);
    }
}

TEST(SelezioneZona, ArrotondamentoEBox) {
    DatiProgetto pr = Direzioni(0, 90);
    const float casi[][4] = {{100.4f, 99.6f, 300.2f, 200.7f}, {300.2f, 200.7f, 100.4f, 99.6f},
                             {100.4f, 200.7f, 300.2f, 99.6f}, {300.2f, 99.6f, 100.4f, 200.7f}};
    for (auto& c : casi) {
        Zona z;
        ImpostaSelezioneDir(pr, z, c[0], c[1], c[2], c[3]);
        Angoli(z, {Punto{100, 201}, {300, 201}, {300, 100}, {100, 100}});
        // The box follows the rounded corners.
        Box(z, 100, 100, 300, 201);
    }
    // Halves go to the even neighbour.
    Zona z;
    ImpostaSelezioneDir(pr, z, 100.5f, 99.5f, 301.5f, 202.5f);
    Angoli(z, {Punto{100, 202}, {302, 202}, {302, 100}, {100, 100}});
}

TEST(SelezioneZona, DirezioniRuotate) {
    DatiProgetto pr = Direzioni(30, 90);
    for (bool inverso : {false, true}) {
        Zona z;
        if (inverso) ImpostaSelezioneDir(pr, z, 100, 0, 0, 0);
        else ImpostaSelezioneDir(pr, z, 0, 0, 100, 0);
        // The table's order stays, counter-clockwise as it is.
        Angoli(z, {Punto{25, -43}, {100, 0}, {75, 43}, {0, 0}});
        Box(z, 0, -43, 100, 43);
    }
}

TEST(SelezioneZona, ZonaCorrenteEParallele) {
    Modello vecchio = M;
    Zona vecchia = Edit.ZonaCorrente;
    M.Progetto = Direzioni(0, 90);
    ImpostaSelezioneDir(300, 100, 100, 200);
    Angoli(Edit.ZonaCorrente, {Punto{100, 200}, {300, 200}, {300, 100}, {100, 100}});
    Edit.ZonaCorrente.Angoli[2] = {350, 50};
    LimitiSelezione();
    Box(Edit.ZonaCorrente, 100, 50, 350, 200);

    // Parallel bar directions give no quadrilateral, and no NaN.
    M.Progetto = Direzioni(0, 0);
    ImpostaSelezioneDir(100, 100, 300, 200);
    for (const Punto& p : Edit.ZonaCorrente.Angoli) EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    M = vecchio;
    Edit.ZonaCorrente = vecchia;
}
