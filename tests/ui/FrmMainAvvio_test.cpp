// The main window as the program starts it: command line, settings, window rectangle, column.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidgetItem>
#include <cmath>
#include <filesystem>

#include "app/AvvioProgramma.h"
#include "drawing/MisuraVista.h"
#include "model/FileImpostazioni.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "model/Vista.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The window built and started as `main` does, with the recorders for messages and dialogs.
struct Avvio {
    MessaggiRegistrati msg;
    DialoghiRegistrati dialoghi;
    std::unique_ptr<FrmMain> f;
    explicit Avvio(const std::string& percorso = {}) {
        const char* argv[] = {"vilmor", percorso.c_str()};
        f = std::make_unique<FrmMain>(RigaComando(percorso.empty() ? 1 : 2, argv), nullptr,
                                      ServiziFinestra{&msg, &dialoghi});
        f->Avvia();
        // The command line's slab opens from the event loop, once the window is shown.
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
};



}  // namespace

TEST(FrmMainAvvio, CampioneComeDaMain) {
    StatoProcesso stato;
    ConfigProva config;
    CartellaTemp dir;
    const std::string sol = CopiaCampione(dir.Percorso());
    Avvio a(sol);
    FrmMain& f = *a.f;

    EXPECT_TRUE(a.msg.Visti.empty()) << a.msg.Visti[0].Testo;
    EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ SOL1.QVR ]");
    EXPECT_EQ(M.Progetto.PercorsoSoletta, sol);
    // 200 twips less than the 1600 x 1000 screen each way, centred.
    const QRect telaio = f.frameGeometry();
    EXPECT_NEAR(telaio.width(), 1587, 2);
    EXPECT_NEAR(telaio.height(), 987, 2);
    EXPECT_NEAR(telaio.x(), 7, 2);
    EXPECT_NEAR(telaio.y(), 7, 2);
    ASSERT_GT(f.Pannello()->topLevelItemCount(), 0);
    EXPECT_EQ(f.Pannello()->topLevelItem(0)->text(0), "Armatura diffusa");
    EXPECT_TRUE(f.OpzioneLato(0)->isChecked());
    EXPECT_TRUE(f.OpzioneDirezione(0)->isChecked());

    SalvaPng(f.grab().toImage(), "avvio_finestra");
    const QImage img = f.PianoVideo()->Mostrata();
    SalvaPng(img, "avvio_campione");
    if (!Disegno.ZoomEstensione) GTEST_SKIP() << "the view on the extents is not installed";
    // Every vertex of the outline in the outline's colour.
    const auto& g = M.Soletta;
    for (int i = 0; i < g.NumVertContorno; ++i) {
        const int x = static_cast<int>(std::lround(XSchermo(g.Contorno[i].X)));
        const int y = static_cast<int>(std::lround(YSchermo(g.Contorno[i].Y)));
        EXPECT_TRUE(Vicino(img, x, y, ColoreLayer(5))) << i << ": " << x << "," << y;
    }
    // Everything drawn centred in the picture, 20 pixels from its edges along one side and at
    // least that along the other.
    const Ingombro b = MisuraVista(M);
    ASSERT_FALSE(b.Vuoto);
    const double x0 = XSchermo(b.XMin), x1 = XSchermo(b.XMax), y0 = YSchermo(b.YMax), y1 = YSchermo(b.YMin);
    EXPECT_LE(std::abs((x0 + x1) - img.width()), 2) << x0 << "-" << x1 << " of " << img.width();
    EXPECT_LE(std::abs((y0 + y1) - img.height()), 2) << y0 << "-" << y1 << " of " << img.height();
    EXPECT_GE(std::min(x0, y0), 19.5) << x0 << ", " << y0;
    EXPECT_TRUE(std::abs(x0 - 20) <= 1 || std::abs(y0 - 20) <= 1) << x0 << ", " << y0;
}

TEST(FrmMainAvvio, SenzaArgomento) {
    StatoProcesso stato;
    ConfigProva config;
    M = Modello{};
    Avvio a;
    EXPECT_EQ(a.f->windowTitle().toStdString(), "MERANTO Solette C.A. -  [ Anonimo ]");
    EXPECT_TRUE(a.msg.Visti.empty());
    EXPECT_EQ(M.Soletta.NumVertContorno, 0);
    EXPECT_EQ(a.f->PercorsoRigaComando(), "");
}

TEST(FrmMainAvvio, ImpostazioniDelFileDopoIColori) {
    StatoProcesso stato;
    ConfigProva config;
    ImpostaCartelle();
    ImpostaDefault();
    ImpostaColori();
    Strati.ColoriLayer[5] = Rgb(10, 20, 30);
    Strati.OsnapQuote[3] = 0;
    ASSERT_TRUE(SalvaIni());
    Strati = StratiDisegno{};
    Avvio a;
    EXPECT_EQ(Strati.ColoriLayer[5], Rgb(10, 20, 30));
    EXPECT_EQ(Strati.OsnapQuote[3], 0);
    EXPECT_EQ(Strati.OsnapQuote[4], 1);
}

TEST(FrmMainAvvio, RettangoloDalleChiaviDellUtente) {
    struct Caso {
        std::vector<std::string> Chiavi;
        QRect Telaio;  // width 0: the least height is checked instead
    };
    for (const Caso& c :
         {Caso{{}, QRect(7, 7, 1587, 987)},
          Caso{{"Vilmor\\Settings\\MainWidth=15000", "Vilmor\\Settings\\MainHeight=12000",
                "Vilmor\\Settings\\MainLeft=1500", "Vilmor\\Settings\\MainTop=750"},
               QRect(100, 50, 1000, 800)},
          Caso{{"Vilmor\\Settings\\MainWidth=abc", "Vilmor\\Settings\\MainHeight=abc"}, QRect(7, 7, 1587, 987)},
          Caso{{"Vilmor\\Settings\\MainWidth=15000", "Vilmor\\Settings\\MainHeight=9000"}, QRect(7, 7, 1000, 0)}}) {
        SCOPED_TRACE(c.Chiavi.empty() ? "" : c.Chiavi[0]);
        StatoProcesso stato;
        ConfigProva config;
        for (const auto& k : c.Chiavi) config.Chiave(k);
        Avvio a;
        const QRect t = a.f->frameGeometry();
        EXPECT_NEAR(t.x(), c.Telaio.x(), 2);
        EXPECT_NEAR(t.y(), c.Telaio.y(), 2);
        EXPECT_NEAR(t.width(), c.Telaio.width(), 2);
        if (c.Telaio.height() > 0) {
            EXPECT_NEAR(t.height(), c.Telaio.height(), 2);
        } else {
            // 600 pixels leave the property panel less than its least height: the window
            // stops at the height that gives it that.
            EXPECT_GT(t.height(), 600);
            EXPECT_EQ(a.f->Pannello()->height(), 27);
        }
        EXPECT_FALSE(std::filesystem::exists(config.Cartella() + "/Vilmor.ini"));
    }
}

TEST(FrmMainAvvio, ColonnaEPiantaANuoveMisure) {
    StatoProcesso stato;
    ConfigProva config;
    Avvio a;
    FrmMain& f = *a.f;
    f.resize(1280, 800);
    QTest::qWait(20);
    const QWidget* client = f.centralWidget();
    const int w = client->width(), h = client->height();
    // The column at least 253 pixels wide, or as wide as its widest text; the legend at least
    // 201 high, or as high as its texts.
    const int W = f.Frame2()->width(), hP = f.Picture2()->height();
    EXPECT_GE(W, 253);
    EXPECT_GE(hP, 201);
    struct Atteso {
        const QWidget* Pannello;
        int Top, Altezza;
    };
    const int hPannello = h - 73 - hP - 261 - 53;
    EXPECT_GE(hPannello, 27);
    for (const Atteso& x : {Atteso{f.Frame2(), 0, 73}, Atteso{f.Picture2(), 73, hP},
                            Atteso{f.RichTextBox1(), 73 + hP, 261}, Atteso{f.Pannello(), 73 + hP + 261, hPannello},
                            Atteso{f.Label1(), 73 + hP + 261 + hPannello, 53}}) {
        EXPECT_EQ(x.Pannello->geometry(), QRect(w - W, x.Top, W, x.Altezza)) << x.Pannello->metaObject()->className();
    }
    EXPECT_EQ(f.PianoVideo()->geometry(), QRect(0, 0, w - W, h));
    // The range box in the legend, hidden until a colour map is drawn: at least its 113 x 77
    // pixels, its boxes and buttons at least 49 x 21 and all of one size.
    EXPECT_EQ(f.Frame1()->parentWidget(), f.Picture2());
    const QRect r = f.Frame1()->geometry();
    EXPECT_EQ(r.topLeft(), QPoint(128, 24));
    EXPECT_GE(r.width(), 113);
    EXPECT_GE(r.height(), 77);
    EXPECT_LE(r.right(), W - 1) << "inside the legend";
    EXPECT_TRUE(f.Frame1()->isHidden());
    const QSize box = f.Text1(0)->size();
    EXPECT_GE(box.width(), 49);
    EXPECT_GE(box.height(), 21);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f.Text1(i)->size(), box);
        EXPECT_EQ(f.Command1(i)->size(), box);
    }
    EXPECT_EQ(f.Command1(0)->text(), "Default");
    EXPECT_EQ(f.Command1(1)->text(), "Range");
    EXPECT_EQ(f.OpzioneDirezione(1)->text(), "Direzione 2");

    // A resize draws nothing: what is on the plan stays.
    SuperficieVideo* v = f.PianoVideo();
    v->DisegnoPersistente(true);
    v->Linea(10, 10, 200, 10, Rgb(255, 0, 0), false);
    f.resize(1100, 700);
    QTest::qWait(20);
    EXPECT_EQ(f.PianoVideo()->width(), f.centralWidget()->width() - W);
    EXPECT_EQ(f.PianoVideo()->Mostrata().pixelColor(100, 10), QColor(255, 0, 0));
    // The prompt line.
    Piatt.Finestra->ImpostaPrompt("Selezionare il primo punto");
    EXPECT_EQ(f.Label1()->text(), "Selezionare il primo punto");
}
