// The outline editing mode: the pool, the vertex pick, the grid snap against the plain scan,
// and the plan click.
#include "app/EditPerimetro.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/PoligonoEdit.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct EditProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    void SetUp() override {
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 600, 0, 800};
        Vista.AltezzaVideo = 600;
        EditSez = {};
    }
    // The outline under edit from plan points.
    void Contorno(const std::vector<Punto>& punti) {
        EditSez.OrdineVertici.clear();
        for (const Punto& q : punti) EditSez.OrdineVertici.push_back(RegistraVertice(q.X, q.Y));
        EditSez.UbOrdineVertici = static_cast<int>(punti.size()) - 1;
    }
};

// The grid snap as a plain scan of every grid point in view.
struct Colpo {
    bool Trovato = false;
    float X = 0, Y = 0;
};
Colpo Scansione(float x, float y) {
    const GrigliaVista g = GrigliaInVista();
    for (long long gx = g.X0; gx <= g.X1; gx += g.PassoX)
        for (long long gy = g.Y0; gy <= g.Y1; gy += g.PassoY) {
            const float px = XSchermo(static_cast<float>(gx)), py = YSchermo(static_cast<float>(gy));
            if (std::fabs(x - px) < 4 && std::fabs(y - py) < 4) return {true, px, py};
        }
    return {};
}

}  // namespace

TEST_F(EditProva, PoolEScelta) {
    EXPECT_EQ(RegistraVertice(0, 0), 0);
    EXPECT_EQ(RegistraVertice(0.00009f, 0), 0);
    EXPECT_EQ(RegistraVertice(0.0001f, 0), 1);
    EXPECT_EQ(RegistraVertice(0, 0.0001f), 2);
    EXPECT_EQ(EditSez.NumVerticiPool, 3);

    EditSez = {};
    Contorno({{100, 100}, {102, 100}, {300, 100}});
    const float x = XSchermo(300), y = YSchermo(100);
    EXPECT_EQ(CercaVertice(x + 3.9f, y - 3.9f), 2);
    EXPECT_EQ(CercaVertice(x + 4, y), -1);
    EXPECT_EQ(CercaVertice(x, y - 4), -1);
    EXPECT_EQ(CercaVertice(XSchermo(101), YSchermo(100)), 0) << "the earlier vertex wins";
}

TEST_F(EditProva, AgganciaGrigliaComeLaScansione) {
    struct Finestra {
        float xmin, xmax, ymin, ymax, scala;
    };
    const Finestra finestre[] = {{-15, 37, -8, 41, 10},  {0, 800, 0, 600, 1},        {-333.3f, 466.7f, 10, 610, 1.25f},
                                 {0, 1500, 0, 900, 0.5f}, {1234.5f, 1300, -50, -10, 12.3f}, {-500, 0, 0, 300, 1.6f}};
    int colpi = 0, mancati = 0;
    for (const Finestra& f : finestre)
        for (int passo : {1, 3, 10, 500}) {
            Vista.FinestraVista = {f.ymin, f.ymax, f.xmin, f.xmax};
            Vista.Scala = f.scala;
            Imp.PassoGrigliaX = passo;
            Imp.PassoGrigliaY = passo == 3 ? 10 : passo;
            const GrigliaVista g = GrigliaInVista();
            std::vector<std::pair<float, float>> cursori;
            for (int k = 0; k < 40; ++k) cursori.push_back({7.3f * k - 20, 5.1f * k - 10});
            // Exactly 4 px and just inside of a grid point in view.
            const float gx = XSchermo(static_cast<float>(g.X0 + g.PassoX)), gy = YSchermo(static_cast<float>(g.Y0 + g.PassoY));
            cursori.insert(cursori.end(), {{gx + 4, gy}, {gx, gy - 4}, {gx - 3.99f, gy + 3.99f}, {gx + 3.999f, gy}});
            for (auto [x, y] : cursori) {
                const Colpo atteso = Scansione(x, y);
                AgganciaGriglia(x, y, 1);
                ASSERT_EQ(Vista.StatoAggancio == 1, atteso.Trovato)
                    << f.xmin << " " << f.scala << " passo " << passo << " @ " << x << "," << y;
                if (!atteso.Trovato) {
                    EXPECT_EQ(Vista.StatoAggancio, 0);
                    ++mancati;
                    continue;
                }
                ++colpi;
                EXPECT_EQ(Vista.XAggancio, atteso.X);
                EXPECT_EQ(Vista.YAggancio, atteso.Y);
            }
        }
    EXPECT_GT(colpi, 100);
    EXPECT_GT(mancati, 50);
}

TEST_F(EditProva, AgganciaGrigliaSegnaESbaglia) {
    Imp.PassoGrigliaX = Imp.PassoGrigliaY = 10;
    AgganciaGriglia(XSchermo(20) + 1.5f, YSchermo(30) - 0.5f, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
    EXPECT_EQ(Vista.XAggancio, XSchermo(20));
    EXPECT_EQ(Vista.YAggancio, YSchermo(30));

    p.Video.Chiamate.clear();
    AgganciaGriglia(XSchermo(20) + 1.5f, YSchermo(30), 0);
    EXPECT_EQ(Vista.StatoAggancio, -1);
    std::vector<std::string> ops;
    for (const auto& c : p.Video.Chiamate) ops.push_back(c.Op);
    EXPECT_EQ(ops, (std::vector<std::string>{"DisegnoPersistente", "Pulisci", "SpessorePenna", "SpessorePenna",
                                             "Rettangolo", "SpessorePenna"}));
    const auto r = p.Video.Di("Rettangolo").at(0).Num;
    EXPECT_EQ(r, (std::vector<double>{XSchermo(20) - 2, YSchermo(30) - 2, XSchermo(20) + 2, YSchermo(30) + 2,
                                      double(Rgb(255, 0, 255))}));
    EXPECT_EQ(p.Video.Di("SpessorePenna").back().Num[0], 1);

    AgganciaGriglia(XSchermo(25), YSchermo(30), 1);
    EXPECT_EQ(Vista.StatoAggancio, 0);
}

TEST_F(EditProva, ClicSulPiano) {
    Contorno({{100, 100}, {100, 400}, {600, 400}, {600, 100}});
    ClickPoligEdit(1, XSchermo(100), YSchermo(400));
    EXPECT_TRUE(p.Polig.Selezionati.empty()) << "editor closed";

    Vista.EditPerimetro = 1;
    ClickPoligEdit(1, XSchermo(100) + 2, YSchermo(400));
    EXPECT_EQ(EditSez.VerticeSelez, 1);
    EXPECT_EQ(p.Polig.Selezionati, std::vector<int>{1});

    // Both snaps off: the point under the cursor, one decimal, light red, and a redraw.
    Vista.Scala = 2;
    p.SinkVideo.Entita_.clear();
    p.Video.Chiamate.clear();
    ClickPoligEdit(1, XSchermo(250.26f), YSchermo(180.44f));
    EXPECT_EQ(p.Polig.Testi[0], "250.3");
    EXPECT_EQ(p.Polig.Testi[1], "180.4");
    EXPECT_EQ(p.Polig.Colori[0], Rgb(255, 0, 0));
    EXPECT_EQ(p.Polig.Colori[1], Rgb(255, 0, 0));

    // Grid on: a grid point within reach is proposed, none within reach changes nothing.
    EditSez.GrigliaAttiva = 1;
    Imp.PassoGrigliaX = Imp.PassoGrigliaY = 10;
    ClickPoligEdit(1, XSchermo(320) + 3, YSchermo(210) - 3);
    EXPECT_EQ(p.Polig.Testi[0], "320.0");
    EXPECT_EQ(p.Polig.Testi[1], "210.0");
    ClickPoligEdit(1, XSchermo(325), YSchermo(215));
    EXPECT_EQ(p.Polig.Testi[0], "320.0");
    EXPECT_EQ(p.Polig.Testi[1], "210.0");
}
