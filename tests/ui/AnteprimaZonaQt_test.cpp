// The zone preview on the real plan picture and the legend panel of the diffuse views,
// offscreen: what a user sees.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>

#include "base/Piattaforma.h"
#include "design/Ancoraggio.h"
#include "drawing/LegendaDiffusa.h"
#include "drawing/RettArmatura.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "ui/CtrlVid.h"
#include "ui/LegendaQt.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {


// Plan (x, y) cm at pixel (x, 600 - y).
struct Schermo : SchermoProva {
    Modello m;
    Schermo() : SchermoProva(800, 600) {
        m.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        m.Soletta.NumVertContorno = 4;
        m.Soletta.LimitiContorno = {0, 0, 1000, 500};
        m.Progetto.AngoloDir2 = 1.5707964f;
        m.Progetto.AngoloDir2Gradi = 90;
        CalcolaDirezioni(m);
        m.Diffusa.DiamDiffSup1 = m.Diffusa.DiamDiffSup2 = 12;
        m.Diffusa.PassoDiffSup1 = m.Diffusa.PassoDiffSup2 = 20;
    }
};

const QColor Rosso(255, 0, 0), Verde(0, 128, 0), Magenta(255, 0, 255);

}  // namespace

TEST(AnteprimaZonaQt, LegendaDirezioni) {
    Schermo s;
    DisLegenda(s.m);
    auto controlla = [](const QImage& img) {
        // Direction 1: five horizontal strokes about (75, 80) px, 110 twips (7.3 px) apart.
        for (float y : {65.3f, 72.7f, 80.0f, 87.3f, 94.7f})
            for (int x : {58, 75, 92}) EXPECT_TRUE(Vicino(img, x, static_cast<int>(std::lround(y)), Rosso)) << x << "," << y;
        // Direction 2: five vertical strokes about (175, 80) px.
        for (float x : {160.3f, 167.7f, 175.0f, 182.3f, 189.7f})
            for (int y : {63, 80, 97}) EXPECT_TRUE(Vicino(img, static_cast<int>(std::lround(x)), y, Verde)) << x << "," << y;
        // Between the strokes the panel stays clear.
        EXPECT_FALSE(Vicino(img, 75, 120, Rosso));
    };
    controlla(s.legenda.Mostrata());
    controlla(s.legenda.grab().toImage());
}

TEST(AnteprimaZonaQt, TransitoriaEPersistente) {
    Schermo s;
    Edit.ZonaCorrente = Zona{};
    Edit.ZonaCorrente.Tipo = 0;
    Edit.ZonaCorrente.Diametro = 12;
    const float e = static_cast<float>(CalcAncoraggio(12));
    ASSERT_GT(e, 20);
    // The zone's corners in plan cm at the pixels of the selection rectangle.
    Edit.ZonaCorrente.Angoli = {Punto{100, 400}, Punto{300, 400}, Punto{300, 500}, Punto{100, 500}};
    Vista.RettSelezione = {100, 200, 300, 100, 200, 150};
    Vista.ModoComando = 200;
    Ridisegna(s.m, 0);
    const QImage img = s.vid.Immagine();
    const int a = static_cast<int>(std::lround(e));
    // The outline lengthened by the anchorage at each end, beyond the rectangle.
    EXPECT_TRUE(Vicino(img, 100 - a / 2, 200, Rosso));
    EXPECT_TRUE(Vicino(img, 300 + a / 2, 100, Rosso));
    EXPECT_TRUE(Vicino(img, 100 - a, 150, Rosso));
    EXPECT_TRUE(Vicino(img, 300 + a, 150, Rosso));
    // The grips over it.
    EXPECT_EQ(img.pixelColor(100, 200), Magenta);
    EXPECT_EQ(img.pixelColor(300, 100), Magenta);

    // A preview drawn from the mouse with lasting drawing off goes with the next clearing.
    s.vid.DisegnoPersistente(false);
    DisRettArmatura(s.m, 500, 80, 700, 20, 14);  // above the slab
    EXPECT_TRUE(Vicino(s.vid.Mostrata(), 500 - a / 2, 80, Rosso));
    EXPECT_FALSE(Vicino(img, 500 - a / 2, 80, Rosso));
    s.vid.Pulisci();
    EXPECT_FALSE(Vicino(s.vid.Mostrata(), 500 - a / 2, 80, Rosso));
    EXPECT_EQ(s.vid.Mostrata(), img);
}
