// The object snap on small fixtures: the candidates' order and their switches, the bar ends of
// the zones, and the snap protocol.
#include "app/AgganciaOggetti.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/Estensioni.h"
#include "model/Poligoni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct OggettiProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    Modello m;
    void SetUp() override {
        ImpostaDefault();
        Strati.OsnapQuote.fill(1);
        Strati.VisLayerVideo.fill(1);
        Strati.VisLayerCorr.fill(1);
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 600, 0, 800};
        Vista.AltezzaVideo = 600;
        Vista.CodiceVista = 0;
        m.Progetto.AngoloDir1 = 0, m.Progetto.AngoloDir2 = 1.5707964f;
        CalcolaDirezioni(m);
        GeometriaSoletta& s = m.Soletta;
        s.Contorno = {{0, 0}, {0, 500}, {700, 500}, {700, 0}, {0, 0}};
        s.NumVertContorno = 4;
        s.Travi = {{100, 100, 300, 100, 1}};
        s.NumTravi = 1;
        Pilastro poligono;  // a square 20 x 20 about (303, 103)
        poligono.NumVertici = 4, poligono.X = 303, poligono.Y = 103;
        poligono.VX = {293, 313, 313, 293}, poligono.VY = {93, 93, 113, 113};
        Pilastro triangolo;
        triangolo.NumVertici = 3, triangolo.X = 500, triangolo.Y = 300;
        triangolo.VX = {490, 510, 500}, triangolo.VY = {290, 290, 310};
        Pilastro archivio;
        archivio.NumVertici = 0, archivio.X = 600, archivio.Y = 400;
        s.Pilastri = {poligono, triangolo, archivio};
        s.NumPilastri = 3;
        s.Pali = {{200, 300, 30}};
        s.NumPali = 1;
        s.Setti = {{50, 50, 50, 250, 1}};
        s.NumSetti = 1;
        for (int k = 0; k < 4; ++k) AggiungiVerticePoli(s, 0, k, k == 1 || k == 2 ? 460.0f : 400.0f, k >= 2 ? 60.0f : 20.0f);
        s.NumVertForo[0] = 4;
        s.NumFori = 1;
    }
    // A zone of kind `tipo` with bars along x every `passo` over box x0..x1, y0..y1.
    void Zona_(int tipo, float x0, float y0, float x1, float y1, float passo) {
        Zona z;
        z.Tipo = tipo, z.Direzione = 0, z.Passo = passo, z.UltVertice = 3;
        z.XMin1 = x0, z.YMin1 = y0, z.XMax1 = x1, z.YMax1 = y1;
        ZoneArmatura& za = m.Zone;
        ++za.UltimaZona;
        za.Zone.push_back(z);
        za.VerticiZone[static_cast<size_t>(za.UltimaZona)] = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
    }
    std::vector<std::pair<float, float>> Punti(int senzaZone = 0) const {
        std::vector<std::pair<float, float>> r;
        for (const auto& c : CandidatiAggancio(m, senzaZone)) r.push_back({c.X, c.Y});
        return r;
    }
    bool Offerto(float x, float y, int senzaZone = 0) const {
        for (auto [a, b] : Punti(senzaZone))
            if (std::abs(a - x) < 0.01f && std::abs(b - y) < 0.01f) return true;
        return false;
    }
};

}  // namespace

TEST_F(OggettiProva, OrdineEForme) {
    const auto c = CandidatiAggancio(m, 0);
    ASSERT_GE(c.size(), 8u);
    // Beam ends, the polygon column's centre (circle) and vertices, the triangle's centre and
    // three vertices, the archive column's centre.
    EXPECT_EQ(std::make_pair(c[0].X, c[0].Y), std::make_pair(100.0f, 100.0f));
    EXPECT_EQ(std::make_pair(c[1].X, c[1].Y), std::make_pair(300.0f, 100.0f));
    EXPECT_TRUE(c[2].Cerchio);
    EXPECT_EQ(std::make_pair(c[2].X, c[2].Y), std::make_pair(303.0f, 103.0f));
    EXPECT_FALSE(c[3].Cerchio);
    EXPECT_TRUE(Offerto(510, 290)) << "a triangle's vertex";
    EXPECT_TRUE(Offerto(230, 300) && Offerto(200, 270)) << "pile quadrants";
    EXPECT_TRUE(Offerto(50, 250) && Offerto(700, 500) && Offerto(460, 60));

    // The beam end wins over the nearer column centre and vertex.
    AgganciaOggetti(m, XSchermo(302), YSchermo(102), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
    EXPECT_EQ(Vista.XAggancio, XSchermo(300));
    EXPECT_EQ(Vista.YAggancio, YSchermo(100));
    // 3.9 pixels both ways hooks, 4 in either does not.
    AgganciaOggetti(m, XSchermo(50) + 3.9f, YSchermo(250) - 3.9f, 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
    AgganciaOggetti(m, XSchermo(50) + 4, YSchermo(250), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 0);

    // Hover: the centre's circle, the state as it was; then the pen back to 1.
    m.Soletta.NumTravi = 0;
    Vista.StatoAggancio = 7;
    p.Video.Chiamate.clear();
    AgganciaOggetti(m, XSchermo(304), YSchermo(104), 0, 0);
    EXPECT_EQ(Vista.StatoAggancio, 7);
    const auto cerchi = p.Video.Di("Cerchio");
    ASSERT_EQ(cerchi.size(), 1u);
    EXPECT_EQ(cerchi[0].Num, (std::vector<double>{XSchermo(303), YSchermo(103), 6, double(Rgb(255, 0, 255)), 0}));
    EXPECT_EQ(p.Video.Di("SpessorePenna").back().Num[0], 1);
    p.Video.Chiamate.clear();
    AgganciaOggetti(m, XSchermo(313), YSchermo(113), 0, 0);
    ASSERT_EQ(p.Video.Di("Rettangolo").size(), 1u);
    EXPECT_EQ(p.Video.Di("Rettangolo")[0].Num, (std::vector<double>{307, 481, 319, 493, double(Rgb(255, 0, 255))}));
}

TEST_F(OggettiProva, InterruttoriEStrati) {
    struct Caso {
        int switch_, layer;
        bool corrente;  // the layer's visibility of the last pass, else the screen setting
        float x, y;
    };
    const Caso casi[] = {{7, 7, false, 100, 100}, {2, 2, true, 313, 113}, {3, 3, false, 600, 400},
                         {4, 4, false, 50, 250},  {5, 5, false, 700, 500}, {5, 5, false, 460, 60}};
    for (const Caso& c : casi) {
        EXPECT_TRUE(Offerto(c.x, c.y)) << c.switch_;
        Strati.OsnapQuote[static_cast<size_t>(c.switch_)] = 0;
        EXPECT_FALSE(Offerto(c.x, c.y)) << c.switch_;
        Strati.OsnapQuote[static_cast<size_t>(c.switch_)] = 1;
        (c.corrente ? Strati.VisLayerCorr : Strati.VisLayerVideo)[static_cast<size_t>(c.layer)] = 0;
        EXPECT_FALSE(Offerto(c.x, c.y)) << "layer " << c.layer;
        (c.corrente ? Strati.VisLayerCorr : Strati.VisLayerVideo)[static_cast<size_t>(c.layer)] = 1;
    }
    // Piles follow layer 16 of the last pass, whatever the switches.
    Strati.OsnapQuote.fill(0);
    EXPECT_TRUE(Offerto(200, 300));
    Strati.VisLayerCorr[16] = 0;
    EXPECT_FALSE(Offerto(200, 300));
}

TEST_F(OggettiProva, EstremiDelleBarreEVerticiDeiPioli) {
    Zona_(0, 100, 200, 200, 260, 20);   // upper face: rows at 200, 220, 240, 260
    Zona_(1, 300, 200, 400, 260, 20);   // lower face
    Zona_(2, 500, 100, 600, 140, 20);   // curb
    Zona_(3, 550, 300, 650, 350, 25);   // studs
    Zona_(0, 100, 400, 150, 450, 0);    // no spacing: skipped
    Vista.CodiceVista = 14;
    for (float b : {200.0f, 220.0f, 240.0f, 260.0f}) {
        EXPECT_TRUE(Offerto(100, b)) << b;
        EXPECT_TRUE(Offerto(200, b)) << b;
    }
    EXPECT_FALSE(Offerto(300, 200)) << "a lower-face zone in the upper view";
    EXPECT_FALSE(Offerto(100, 200, 1)) << "zones left out";
    EXPECT_FALSE(Offerto(500, 100));
    Vista.CodiceVista = 15;
    EXPECT_TRUE(Offerto(400, 260));
    EXPECT_FALSE(Offerto(100, 200));
    Vista.CodiceVista = 6;
    EXPECT_TRUE(Offerto(500, 100) && Offerto(600, 140)) << "curb bars";
    EXPECT_TRUE(Offerto(550, 300) && Offerto(650, 350)) << "stud zone vertices";
    EXPECT_FALSE(Offerto(100, 200));
    Strati.OsnapQuote[0] = 0;
    EXPECT_FALSE(Offerto(500, 100));
}

// The cached candidates follow every change of the model and of the switches.
TEST_F(OggettiProva, CacheSegueIlModello) {
    AgganciaOggetti(m, XSchermo(100), YSchermo(100), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
    m.Soletta.Travi[0].X1 = 120;
    AgganciaOggetti(m, XSchermo(100), YSchermo(100), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 0);
    AgganciaOggetti(m, XSchermo(120), YSchermo(100), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
    Strati.OsnapQuote[7] = 0;
    AgganciaOggetti(m, XSchermo(120), YSchermo(100), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 0);
    Modello altro = m;
    altro.Soletta.Travi[0].X1 = 140;
    Strati.OsnapQuote[7] = 1;
    AgganciaOggetti(altro, XSchermo(140), YSchermo(100), 0, 1);
    EXPECT_EQ(Vista.StatoAggancio, 1);
}
