#include "drawing/SezionePilastro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// One column type of the given kind and shape code with one cross-section record.
ArchivioPilastri UnTipo(int tipo, int forma, float dim0, float dim1, float e1 = 0, float e2 = 0,
                        float passo = 0) {
    ArchivioPilastri a;
    a.NumTipiPilastro = 1;
    a.TipoSezPilastro = {tipo, 0};
    a.FormaPilastro = {forma, 0};
    a.DimPilastro = {{200, passo, 0, 0, 0, 0}, {}};
    a.SezioniPilastro.resize(2);
    a.SezioniPilastro[0].Dim0 = dim0;
    a.SezioniPilastro[0].Dim1 = dim1;
    a.SezioniPilastro[0].EccBaricentro1 = e1;
    a.SezioniPilastro[0].EccBaricentro2 = e2;
    a.NumSezioniPilastro = 1;
    return a;
}

struct Seg {
    double x1, y1, x2, y2;
};

void AttesiSegmenti(const std::vector<Entita>& e, const std::vector<Seg>& attesi) {
    ASSERT_EQ(e.size(), attesi.size());
    for (size_t i = 0; i < e.size(); ++i) {
        SCOPED_TRACE("segmento " + std::to_string(i));
        ASSERT_EQ(e[i].Tipo, "Linea");
        EXPECT_NEAR(e[i].Num[0], attesi[i].x1, 1e-4);
        EXPECT_NEAR(e[i].Num[1], attesi[i].y1, 1e-4);
        EXPECT_NEAR(e[i].Num[2], attesi[i].x2, 1e-4);
        EXPECT_NEAR(e[i].Num[3], attesi[i].y2, 1e-4);
    }
}

}  // namespace

TEST(DisSezPilastro, ProfiloIGirato) {
    PiattaformaProva p;
    ArchivioPilastri a = UnTipo(1, 1, 30, 15);
    DisSezPilastro(a, 0, 0, 100, 200, 0);
    AttesiSegmenti(p.SinkVideo.Entita_, {{100, 215, 100, 185}, {107.5, 215, 92.5, 215}, {107.5, 185, 92.5, 185}});

    p.SinkVideo.Entita_.clear();
    DisSezPilastro(a, 0, 90, 100, 200, 0);
    ASSERT_EQ(p.SinkVideo.Entita_.size(), 3u);
    AttesiSegmenti({p.SinkVideo.Entita_[0]}, {{85, 200, 115, 200}});
}

TEST(DisSezPilastro, AngolareECanale) {
    PiattaformaProva p;
    // Angle 10 x 6 cm with the centroid 1.5 from the vertical leg, 3 from the horizontal.
    DisSezPilastro(UnTipo(1, 7, 10, 6, 1.5f, 3), 0, 0, 0, 0, 0);
    AttesiSegmenti(p.SinkVideo.Entita_, {{-1.5, -7, -1.5, 3}, {-1.5, 3, 4.5, 3}});
    p.SinkVideo.Entita_.clear();
    // Channel 20 x 7.5 with its web 2 from the centroid.
    DisSezPilastro(UnTipo(1, 8, 20, 7.5f, 2, 10), 0, 0, 0, 0, 0);
    AttesiSegmenti(p.SinkVideo.Entita_, {{-5.5, -10, 2, -10}, {2, -10, 2, 10}, {2, 10, -5.5, 10}});
}

TEST(DisSezPilastro, PartiPerCodice) {
    struct {
        int tipo, forma;
        size_t linee;
        double raggio;  // 0: no circle
    } casi[] = {
        {1, 1, 3, 0},  {1, 3, 3, 0},  {1, 5, 3, 0},  {1, 6, 2, 0},  {1, 7, 2, 0},  {1, 8, 3, 0},
        {1, 9, 4, 0},  {1, 10, 0, 15}, {1, 11, 0, 0}, {1, 0, 0, 0},
        {2, 1, 4, 0},  {2, 2, 4, 0},  {2, 3, 4, 0},  {2, 4, 4, 0},  {2, 5, 8, 0},  {2, 6, 8, 0},
        {2, 7, 6, 0},  {2, 8, 6, 0},  {2, 9, 6, 0},  {2, 13, 6, 0}, {2, 14, 0, 7.5}, {2, 17, 0, 7.5},
        {2, 18, 0, 0},
        // Not a library section: no outline.
        {0, 1, 0, 0},  {-1, 1, 0, 0}, {3, 1, 0, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE("tipo " + std::to_string(c.tipo) + " forma " + std::to_string(c.forma));
        PiattaformaProva p;
        DisSezPilastro(UnTipo(c.tipo, c.forma, 30, 15, 2, 3, 100), 0, 37, 50, 60, 1);
        EXPECT_TRUE(p.SinkVideo.Entita_.empty());
        size_t linee = 0, cerchi = 0;
        for (const auto& e : p.SinkDxf.Entita_) {
            EXPECT_EQ(e.Num[e.Num.size() - 2], 3) << "layer";
            EXPECT_EQ(e.Num[e.Num.size() - 1], 0) << "stile";
            if (e.Tipo == "Linea") ++linee;
            if (e.Tipo == "Cerchio") {
                ++cerchi;
                // Centred on the position, whatever the angle.
                EXPECT_NEAR(e.Num[0], 50, 1e-4);
                EXPECT_NEAR(e.Num[1], 60, 1e-4);
                EXPECT_NEAR(e.Num[2], c.raggio, 1e-4);
            }
        }
        EXPECT_EQ(linee, c.linee);
        EXPECT_EQ(cerchi, c.raggio > 0 ? 1u : 0u);
    }
}

TEST(DisSezPilastro, Composte) {
    PiattaformaProva p;
    // Spacing 10 mm: the vertical legs 1 cm apart.
    DisSezPilastro(UnTipo(2, 1, 10, 8, 2.3f, 2, 10), 0, 0, 0, 0, 0);
    AttesiSegmenti(p.SinkVideo.Entita_,
                   {{-0.5, -8, -0.5, 2}, {-0.5, 2, -8.5, 2}, {0.5, -8, 0.5, 2}, {0.5, 2, 8.5, 2}});
    p.SinkVideo.Entita_.clear();
    // Two I profiles 15 wide, spacing 400 mm: webs at x = +-12.5.
    DisSezPilastro(UnTipo(2, 11, 30, 15, 0, 0, 400), 0, 0, 0, 0, 0);
    ASSERT_EQ(p.SinkVideo.Entita_.size(), 6u);
    AttesiSegmenti({p.SinkVideo.Entita_[0], p.SinkVideo.Entita_[3]}, {{12.5, 15, 12.5, -15}, {-12.5, 15, -12.5, -15}});
}

TEST(DisSezPilastro, IndiciFuoriTabella) {
    PiattaformaProva p;
    ArchivioPilastri a = UnTipo(1, 1, 30, 15);
    DisSezPilastro(a, -1, 0, 0, 0, 0);
    DisSezPilastro(a, 1, 0, 0, 0, 0);  // the zero entry after the last type
    DisSezPilastro(a, 5, 0, 0, 0, 0);
    a.DimPilastro[0][2] = 1;  // no such record
    DisSezPilastro(a, 0, 0, 0, 0, 0);
    a.DimPilastro[0][2] = -1;
    DisSezPilastro(a, 0, 0, 0, 0, 0);
    EXPECT_TRUE(p.SinkVideo.Entita_.empty());
}

TEST(DisSezPilastro, Selettore) {
    PiattaformaProva p;
    ArchivioPilastri a = UnTipo(1, 1, 30, 15);
    DisSezPilastro(a, 0, 0, 0, 0, -1);
    EXPECT_TRUE(p.SinkVideo.Entita_.empty());
    EXPECT_TRUE(p.SinkDxf.Entita_.empty());
    DisSezPilastro(a, 0, 0, 0, 0, 2);
    EXPECT_TRUE(p.SinkVideo.Entita_.empty());
    EXPECT_EQ(p.SinkDxf.Entita_.size(), 3u);
    DisSezPilastro(a, 0, 0, 0, 0, 0);
    EXPECT_EQ(p.SinkVideo.Entita_.size(), 3u);

    // The project's own archive.
    ArchivioPilastri salvato = M.Archivio;
    M.Archivio = a;
    p.SinkVideo.Entita_.clear();
    DisSezPilastro(0, 0, 0, 0, 0);
    EXPECT_EQ(p.SinkVideo.Entita_.size(), 3u);
    M.Archivio = salvato;
}
