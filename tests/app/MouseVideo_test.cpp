#include "app/MouseVideo.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/Evidenzia.h"
#include "drawing/Zoom.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A 1000 x 500 cm window on an 800 x 400 picture: 0.8 px per cm.
class MouseVideo : public ::testing::Test {
protected:
    GlobaliProva globali;
    PiattaformaProva piatt;
    void SetUp() override {
        piatt.Video.L = 800;
        piatt.Video.H = 400;
        Vista.AltezzaVideo = 400;
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = CalcScala(0, 0, 1000, 500);
        Vista.ModoComando = 0;
        Vista.ModoInfo = 0;
        Vista.UltimoComando = 0;
        Vista.RettTrascina = RettangoloTrascina{};
        Vista.RettFocus = RECT{};
        Comandi.IdTrascina = 1010;
        Comandi.IdCopia = 1011;
    }
    int Conta(const std::string& nome) const {
        int n = 0;
        for (const auto& c : piatt.Video.Chiamate) n += c.Op == nome;
        return n;
    }
    void Clic(int b, float x, float y) {
        Picture1_MouseDown(b, x, y);
        Picture1_MouseUp(b, x, y);
    }
    void Trascina(int b, float x0, float y0, float x1, float y1) {
        Picture1_MouseDown(b, x0, y0);
        Picture1_MouseMove(b, x1, y1);
        Picture1_MouseUp(b, x1, y1);
    }
};

void AttesaFinestra(const std::array<float, 4>& f, float ymin, float ymax, float xmin, float xmax) {
    EXPECT_NEAR(f[0], ymin, 1e-3);
    EXPECT_NEAR(f[1], ymax, 1e-3);
    EXPECT_NEAR(f[2], xmin, 1e-3);
    EXPECT_NEAR(f[3], xmax, 1e-3);
}

TEST_F(MouseVideo, StoresTheClickOnlyForLeftAndMiddle) {
    Picture1_MouseDown(1, 10, 20);
    EXPECT_EQ(Vista.XClic, 10);
    Picture1_MouseUp(1, 10, 20);
    Picture1_MouseDown(4, 30, 40);
    EXPECT_EQ(Vista.YClic, 40);
    Picture1_MouseUp(4, 30, 40);
    Picture1_MouseDown(2, 50, 60);
    EXPECT_EQ(Vista.XClic, 30);
}

TEST_F(MouseVideo, RightPressRepeatsTheLastCommand) {
    Clic(2, 100, 100);
    EXPECT_EQ(Vista.ModoComando, 0);

    Vista.UltimoComando = Comandi.IdCopia;
    Clic(2, 100, 100);
    EXPECT_EQ(Vista.ModoComando, 430);

    // The right release must not end the pan the right press has just started.
    Vista.ModoComando = 0;
    Vista.UltimoComando = Comandi.IdTrascina;
    Clic(2, 100, 100);
    EXPECT_EQ(Vista.ModoComando, 4);
    Trascina(1, 100, 100, 140, 100);
    EXPECT_EQ(Vista.ModoComando, 0);

    // In zone editing the right press concludes the zone instead: an empty selection is too small.
    Vista.ModoComando = 200;
    Edit.ZonaCorrente = Zona{};
    Clic(2, 100, 100);
    ASSERT_FALSE(piatt.Msg.Visti.empty());
    EXPECT_EQ(piatt.Msg.Visti.back().Testo, "Rettangolo troppo piccolo, input non valido.");
    EXPECT_EQ(Vista.ModoComando, 0);
}

TEST_F(MouseVideo, ZoomWindowNeedsElevenPixelsEachWay) {
    AvviaZoomFinestra();
    Clic(1, 100, 100);
    EXPECT_EQ(Vista.ModoComando, 3);
    Picture1_MouseMove(0, 300, 110);
    Clic(1, 300, 110);
    EXPECT_EQ(Vista.ModoComando, 3);
    AttesaFinestra(Vista.FinestraVista, 0, 500, 0, 1000);

    Clic(1, 100, 100);  // still mode 3: a new second corner, the anchor sorted above
    EXPECT_EQ(Vista.ModoComando, 3);
    Vista.RettTrascina = RettangoloTrascina{100, 0, 100, 0};
    Clic(1, 300, 111);
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(Vista.RettTrascina.X0, -1);
    EXPECT_NE(Vista.FinestraVista[3], 1000.0f);
}

TEST_F(MouseVideo, ZoomWindowEitherDirectionFitsThePicture) {
    std::array<float, 4> attesa{};
    for (bool rovescio : {false, true}) {
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = 0.8f;
        AvviaZoomFinestra();
        // A 100 x 100 px square about (400, 200) on a 2:1 picture.
        if (rovescio) {
            Clic(1, 450, 250);
            Picture1_MouseMove(0, 350, 150);
            Clic(1, 350, 150);
        } else {
            Clic(1, 350, 150);
            Picture1_MouseMove(0, 450, 250);
            Clic(1, 450, 250);
        }
        const auto& f = Vista.FinestraVista;
        EXPECT_NEAR((f[3] - f[2]) / (f[1] - f[0]), 2.0, 1e-3);
        EXPECT_NEAR((f[2] + f[3]) / 2, 500, 1e-3);
        EXPECT_NEAR((f[0] + f[1]) / 2, 250, 1e-3);
        AttesaFinestra(Vista.FinestraPrecedente, 0, 500, 0, 1000);
        if (rovescio) {
            AttesaFinestra(f, attesa[0], attesa[1], attesa[2], attesa[3]);
        } else {
            attesa = f;
        }
    }
    // The focus rectangle is drawn and erased at the same places.
    EXPECT_EQ(Conta("RettangoloFocus") % 2, 0);
    EXPECT_EQ(Vista.RettFocus.right, 0);
}

TEST_F(MouseVideo, PanBetweenWindowAndPreviousViewKeepsTheStoredView) {
    AvviaZoomFinestra();
    Clic(1, 350, 150);
    Clic(1, 450, 250);
    const auto zoom = Vista.FinestraVista;
    Trascina(4, 400, 200, 420, 200);
    EXPECT_EQ(Vista.ModoComando, 2);
    AttesaFinestra(Vista.FinestraPrecedente, 0, 500, 0, 1000);
    EXPECT_LT(Vista.FinestraVista[2], zoom[2]);
    ZoomPrecedente();
    AttesaFinestra(Vista.FinestraVista, 0, 500, 0, 1000);
}

TEST_F(MouseVideo, MiddleDragDuringAWindowStartsTheWindowAgain) {
    AvviaZoomFinestra();
    Clic(1, 100, 100);
    Picture1_MouseMove(0, 200, 200);
    Trascina(4, 300, 300, 310, 300);
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(Vista.RettTrascina.X0, -1);
    EXPECT_EQ(Vista.RettFocus.right, 0);
    const auto prima = Vista.FinestraVista;
    Clic(1, 350, 150);
    Clic(1, 450, 250);
    const auto& f = Vista.FinestraVista;
    EXPECT_NEAR((f[2] + f[3]) / 2, (prima[2] + prima[3]) / 2, 1e-2);
    EXPECT_NEAR(f[3] - f[2], (prima[3] - prima[2]) / 4, 1e-2);
}

TEST_F(MouseVideo, PanFollowsTheCursorAndReturns) {
    AvviaPan();
    Trascina(1, 100, 100, 180, 140);  // 80 px right, 40 down = 100 cm left, 50 up
    AttesaFinestra(Vista.FinestraVista, 50, 550, -100, 900);
    EXPECT_EQ(Vista.ModoComando, 0);

    // A move with left and middle held pans nothing.
    AvviaPan();
    Picture1_MouseDown(1, 100, 100);
    Picture1_MouseMove(5, 200, 100);
    AttesaFinestra(Vista.FinestraVista, 50, 550, -100, 900);
    Picture1_MouseUp(1, 200, 100);

    for (int modo : {0, 2, 33, 200}) {
        Vista.ModoComando = modo;
        Trascina(4, 100, 100, 120, 100);
        EXPECT_EQ(Vista.ModoComando, modo);
    }
}

TEST_F(MouseVideo, PanInZoneEditingKeepsTheGripsOnTheZone) {
    Edit.ZonaCorrente.Angoli = {Punto{100, 200}, Punto{300, 200}, Punto{300, 100}, Punto{100, 100}};
    Vista.ModoComando = 200;
    Trascina(4, 100, 100, 180, 100);
    const auto& s = Vista.RettSelezione;
    EXPECT_NEAR(s.X1, XSchermo(100), 1e-3);
    EXPECT_NEAR(s.Y1, YSchermo(200), 1e-3);
    EXPECT_NEAR(s.X2, XSchermo(300), 1e-3);
    EXPECT_NEAR(s.XC, (s.X1 + s.X2) / 2, 1e-3);
    EXPECT_NEAR(s.X1, 160, 1e-3);
}

struct CasoRuota {
    std::array<float, 4> finestra;
    int delta;
    std::array<float, 4> attesa;
};

TEST_F(MouseVideo, WheelZoomsAboutTheCursor) {
    const CasoRuota casi[] = {
        {{0, 500, 0, 1000}, 120, {12.5f, 462.5f, 25, 925}},
        {{0, 500, 0, 1000}, -120, {-12.5f, 537.5f, -25, 1075}},
        {{0, 5, 0, 5}, 120, {0, 5, 0, 5}},               // too close already
        {{0, 500, 300, 300}, 120, {0, 500, 300, 300}},   // no span: nothing
        {{0, 1e8f, 0, 2e7f}, -120, {0, 1e8f, 0, 2e7f}},  // far enough out
    };
    for (const auto& c : casi) {
        Vista.FinestraVista = c.finestra;
        Vista.FinestraPrecedente = {};
        Vista.XCursore = c.finestra[2] + (c.finestra[3] - c.finestra[2]) / 4;
        Vista.YCursore = c.finestra[0] + (c.finestra[1] - c.finestra[0]) / 4;
        MouseWheel(c.delta);
        AttesaFinestra(Vista.FinestraVista, c.attesa[0], c.attesa[1], c.attesa[2], c.attesa[3]);
        AttesaFinestra(Vista.FinestraPrecedente, c.finestra[0], c.finestra[1], c.finestra[2], c.finestra[3]);
    }
    Vista.FinestraVista = {0, 500, 0, 1000};
    Vista.XCursore = 250, Vista.YCursore = 125;
    MouseWheel(120);
    EXPECT_NEAR(Vista.Scala, CalcScala(25, 12.5f, 925, 462.5f), 1e-6);
}

TEST_F(MouseVideo, WheelInZoneEditingMovesTheGrips) {
    Edit.ZonaCorrente.Angoli = {Punto{100, 200}, Punto{300, 200}, Punto{300, 100}, Punto{100, 100}};
    Vista.ModoComando = 200;
    Vista.XCursore = 250, Vista.YCursore = 125;
    MouseWheel(120);
    EXPECT_NEAR(Vista.RettSelezione.X2, XSchermo(100), 1e-3);
    EXPECT_NEAR(Vista.RettSelezione.Y2, YSchermo(200), 1e-3);
    EXPECT_NEAR(Vista.RettSelezione.X1, XSchermo(300), 1e-3);
}

TEST_F(MouseVideo, InformationModePicksANode) {
    ModelloAnalisi& a = M.Analisi;
    a.Nodi.assign(13, Nodo{});
    a.NumNodi = 13;
    for (auto& n : a.Nodi) n.X = 900, n.Y = 400;
    a.Nodi[12].X = 500, a.Nodi[12].Y = 250;  // pixel (400, 200)
    a.Nodi[12].Numero = 77;
    std::string& pannello = piatt.Finestra.InfoRtf;
    Vista.ModoInfo = 1;
    Vista.ModoComando = 430;
    Clic(1, 405.9f, 200);
    EXPECT_EQ(Vista.NodoSelezionato, 12);
    EXPECT_NE(pannello.find(" Area ferri nel nodo:  77"), std::string::npos);
    EXPECT_EQ(Vista.ModoComando, 430);
    pannello = "prima";
    Clic(1, 406.5f, 200);
    EXPECT_EQ(Vista.NodoSelezionato, -1);
    EXPECT_EQ(pannello, "prima");
    Trascina(4, 100, 100, 120, 100);
    EXPECT_EQ(Vista.ModoComando, 430);
    EXPECT_NE(Vista.FinestraVista[2], 0.0f);
}

TEST_F(MouseVideo, NodeHoverClearsOnlyWhenTheObjectChanges) {
    M.Analisi.Nodi.assign(6, Nodo{});
    M.Analisi.NumNodi = 6;
    for (auto& n : M.Analisi.Nodi) n.X = 900, n.Y = 400;
    M.Analisi.Nodi[5].X = 500.4f, M.Analisi.Nodi[5].Y = 250;  // pixel (400.32, 200)
    Vista.ElementoEvidenziato = -1;
    Vista.ModoInfo = 1;
    Picture1_MouseMove(0, 401, 200);
    Picture1_MouseMove(0, 600, 300);
    Picture1_MouseMove(0, 650, 300);
    Picture1_MouseMove(0, 400, 201);
    EXPECT_EQ(Conta("Pulisci"), 2);  // each move over empty space clears again
    EXPECT_EQ(Conta("Rettangolo"), 2);
    EXPECT_EQ(Vista.ElementoEvidenziato, 5);
    const auto& c = piatt.Video.Chiamate;
    for (size_t k = 0; k < c.size(); ++k) {
        if (c[k].Op != "Rettangolo") continue;
        EXPECT_EQ(c[k].Num, (std::vector<double>{397, 197, 403, 203, double(Rgb(255, 0, 255))}));
        ASSERT_GE(k, 1u);
        EXPECT_EQ(c[k - 1].Op, "SpessorePenna");
        EXPECT_EQ(c[k - 1].Num[0], 2);
        ASSERT_LT(k + 1, c.size());
        EXPECT_EQ(c[k + 1].Op, "SpessorePenna");
        EXPECT_EQ(c[k + 1].Num[0], 1);
    }

    // With the information mode off a move marks nothing.
    piatt.Video.Chiamate.clear();
    Vista.ModoInfo = 0;
    Picture1_MouseMove(0, 400, 200);
    EXPECT_TRUE(piatt.Video.Chiamate.empty());
}

TEST_F(MouseVideo, ZoneMarksFollowTheView) {
    Zona z;
    z.Tipo = 2;
    z.XMarca = 500, z.YMarca = 250;  // pixel (400, 200)
    z.XRif = 250, z.YRif = 125;      // pixel (200, 300)
    M.Zone.Zone = {z};
    M.Zone.UltimaZona = 0;
    Vista.TipoZonaAttivo = 2;
    Vista.ModoComando = 420;
    struct Caso {
        int codice;
        float x, y, raggio;
    };
    for (const Caso c : {Caso{13, 400, 200, 16}, Caso{14, 200, 300, 11.2f}}) {
        piatt.Video.Chiamate.clear();
        Vista.CodiceVista = c.codice;
        Vista.ElementoEvidenziato = -1;
        Picture1_MouseMove(0, c.x + 2, c.y - 2);
        ASSERT_EQ(Conta("Cerchio"), 1) << c.codice;
        for (const auto& k : piatt.Video.Chiamate) {
            if (k.Op != "Cerchio") continue;
            EXPECT_NEAR(k.Num[0], c.x, 1e-3);
            EXPECT_NEAR(k.Num[1], c.y, 1e-3);
            EXPECT_NEAR(k.Num[2], c.raggio, 1e-3);
        }
        EXPECT_EQ(piatt.Video.Chiamate.back().Op, "SpessorePenna");
        EXPECT_EQ(piatt.Video.Chiamate.back().Num[0], 1);
    }
}

TEST_F(MouseVideo, ReferencePointMoveNeverMarksAStudBar) {
    Zona z;
    z.XBarra1 = 100, z.YBarra1 = 100, z.XBarra2 = 400, z.YBarra2 = 100;
    z.XRif = 900, z.YRif = 450;
    M.Zone.Zone = {z};
    M.Zone.UltimaZona = 0;
    Vista.ModoComando = 300;
    for (int tipo : {0, 3}) {
        piatt.Video.Chiamate.clear();
        M.Zone.Zone[0].Tipo = tipo;
        Vista.TipoZonaAttivo = tipo;
        Vista.ElementoEvidenziato = -1;
        Picture1_MouseMove(0, XSchermo(250), YSchermo(100));
        EXPECT_EQ(Conta("Linea"), tipo == 3 ? 0 : 1) << tipo;
    }
}

TEST_F(MouseVideo, LastVertexOfAnOpeningMarksTheClosingSide) {
    GeometriaSoletta& g = M.Soletta;
    g.NumFori = 1;
    g.NumVertForo = {4};
    g.InizioForo = {0};
    g.XFori = {400, 600, 600, 400};
    g.YFori = {200, 200, 300, 300};
    Vista.ModoComando = 42;
    Vista.ElementoEvidenziato = -1;
    Picture1_MouseMove(0, XSchermo(400) + 1, YSchermo(250));
    ASSERT_EQ(Conta("Linea"), 1);
    for (const auto& k : piatt.Video.Chiamate) {
        if (k.Op != "Linea") continue;
        EXPECT_EQ(k.Num[0], XSchermo(400));
        EXPECT_EQ(k.Num[1], YSchermo(300));
        EXPECT_EQ(k.Num[3], YSchermo(200));
    }
    EXPECT_EQ(Vista.ElementoEvidenziato, 3);
    EXPECT_EQ(piatt.Video.Chiamate.back().Num[0], 1);
}

}  // namespace
