// Hatched columns on the real plan picture, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>

#include "drawing/DisGeometria.h"
#include "drawing/VociDisegno.h"
#include "dxf/TratteggioDxf.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(TratteggioQt, LaFinestraPrincipaleTratteggiaIPilastri) {
    CartellaTemp config;
    AmbienteProva xdg("XDG_CONFIG_HOME", config.Percorso());
    GlobaliProva stato;
    const auto prima = TratteggioDxf;
    {
        FrmMain f;
        EXPECT_EQ(TratteggioDxf, &TratteggioPoligono);
        f.resize(1000, 700);
        f.show();
        QApplication::processEvents();
        CtrlVid* v = f.PianoVideo();
        Vista.FinestraVista = {-100, 0, -50, 0};
        Vista.Scala = 2;
        Vista.AltezzaVideo = static_cast<float>(v->height());
        Strati.VisLayerCorr.fill(1);
        Modello m;
        Pilastro c;
        c.Numero = 1;
        c.Tratteggio = 1;
        c.NumVertici = 4;
        c.VX = {0, 40, 40, 0};
        c.VY = {0, 0, 40, 40};
        m.Soletta.Pilastri = {c};
        m.Soletta.NumPilastri = 1;
        v->DisegnoPersistente(true);
        v->Pulisci();
        DisPilastri(m, 0, 0, -1, 0);
        // Inside the column, 80 x 80 pixels from (100, H - 280), the hatch's own colour.
        const QImage& img = v->Immagine();
        const QColor colore = CtrlVid::Colore(Strati.ColoriLayer[22]);
        const int y0 = static_cast<int>(Vista.AltezzaVideo) - 280;
        int visti = 0;
        for (int y = y0 + 5; y < y0 + 75; ++y)
            for (int x = 105; x < 175; ++x) visti += img.pixelColor(x, y) == colore;
        EXPECT_GT(visti, 200);
    }
    TratteggioDxf = prima;
}
