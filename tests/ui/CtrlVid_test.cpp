#include "ui/CtrlVid.h"

#include <gtest/gtest.h>

#include "ui/FrmMain.h"

using namespace vilmor;

TEST(CtrlVid, LineaPersistenteEPulizia) {
    CtrlVid v;
    v.resize(200, 100);
    v.ColoreSfondo(0);
    const QImage prima = v.Immagine().copy();
    v.DisegnoPersistente(true);
    v.Linea(10, 50, 190, 50, ColorePalette(15), false);
    EXPECT_NE(v.Immagine(), prima);
    EXPECT_EQ(v.Immagine().pixelColor(100, 50), QColor(255, 255, 255));
    v.Pulisci();
    EXPECT_EQ(v.Immagine(), prima);
}

TEST(CtrlVid, DisegnoDuraturoVisibileDopoUnoVolatile) {
    CtrlVid v;
    v.resize(200, 100);
    v.ColoreSfondo(0);
    v.DisegnoPersistente(false);
    v.Linea(10, 20, 190, 20, ColorePalette(14), false);
    v.DisegnoPersistente(true);
    v.Linea(10, 60, 190, 60, ColorePalette(12), false);
    EXPECT_EQ(v.Mostrata().pixelColor(100, 60), QColor(255, 0, 0));
    EXPECT_EQ(v.Mostrata().pixelColor(100, 20), QColor(255, 255, 0));
    EXPECT_EQ(v.Immagine().pixelColor(100, 20), QColor(0, 0, 0)) << "the volatile line is not lasting";
}

TEST(FrmMain, RigaDiComando) {
    FrmMain f("\"/dati/sol.qvr\"");
    EXPECT_EQ(f.PercorsoRigaComando(), "/dati/sol.qvr");
    EXPECT_NE(f.PianoVideo(), nullptr);
    EXPECT_EQ(Piatt.Ctrl_Vid, f.PianoVideo());
}
