// The punching map and the punching view on the real pictures, offscreen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "base/Piattaforma.h"
#include "design/ColoreFascia.h"
#include "design/SolettaPunzonamento.h"
#include "drawing/DisMappeColori.h"
#include "drawing/DisPunzonamento.h"
#include "drawing/SinkVideo.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "ui/CtrlVid.h"
#include "ui/LegendaQt.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

QColor Colore(int32_t rgb) { return CtrlVid::Colore(rgb); }

struct Schermo : SchermoProva {
    Schermo() : SchermoProva(1000, 600) {
        FinestraIntera();
    }
};

// The computed record at the bottom edge (area 11), a not-computable round column and a
// neutral one.
Modello Soletta() {
    Modello m = SolettaPunz();
    AggiungiPilastro(m, 1, 300, 300, {20});
    AggiungiPilastro(m, 2, 700, 300, {20});
    AggiungiRecord(m, 500, 20, 2, 11);
    AggiungiRecord(m, 300, 300, -1, 0, 0);
    Completa(m);
    return m;
}

}  // namespace

TEST(PunzonamentoQt, MappaSulPianoELegenda) {
    Schermo s;
    Imp.SfondoBianco = 0;
    Modello m = Soletta();
    Vista.TipoMappa = 4;
    Mappa.ScalaMin = 2;
    Mappa.ScalaMax = 20;
    DisegnaMappaColori(m);

    const QImage img = s.vid.Immagine();
    EXPECT_EQ(img.pixelColor(500, 600 - 40), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(300, 300), QColor(235, 235, 235));
    EXPECT_EQ(img.pixelColor(700, 300), QColor(75, 75, 75));

    // The scale and the two column samples.
    const QImage leg = s.legenda.Mostrata();
    EXPECT_EQ(leg.pixelColor(37, 31), Colore(ColoreFascia(9)));
    EXPECT_EQ(leg.pixelColor(167, 35), QColor(95, 95, 95));
    EXPECT_EQ(leg.pixelColor(167, 110), QColor(250, 250, 250));
}

TEST(PunzonamentoQt, ListelliEPioliNeiColoriDeiLayer) {
    Schermo s;
    Modello m = Soletta();
    Vista.AvvisoPunzMostrato = -1;  // the warning is another test's
    s.vid.Pulisci();
    DisPunzonamento(m, 0, 0, 0);
    ASSERT_NE(Strati.ColoriLayer[8], Strati.ColoriLayer[6]);
    const QImage img = s.vid.Immagine();
    // The 90 degree rail from (500, 48) to (500, 93); its studs of radius 2 at y 48 .. 93.
    EXPECT_EQ(img.pixelColor(500, 600 - 85), Colore(Strati.ColoriLayer[8]));
    EXPECT_EQ(img.pixelColor(502, 600 - 63), Colore(Strati.ColoriLayer[6]));
    EXPECT_EQ(img.pixelColor(498, 600 - 78), Colore(Strati.ColoriLayer[6]));
}
