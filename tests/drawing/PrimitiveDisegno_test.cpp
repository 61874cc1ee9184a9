#include "drawing/PrimitiveDisegno.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "drawing/SinkDxf.h"
#include "drawing/SinkVideo.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The real sinks behind the primitives, the recording picture and DXF writer behind them.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    SinkVideo video;
    UscitaDxfRegistrata uscita;
    SinkDxf dxf{&uscita};
    Banco() {
        ImpostaDefault();
        ImpostaColori();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        Piatt.SinkVideo = &video;
        Piatt.SinkDxf = &dxf;
        Vista.FinestraVista = {0, 0, 0, 0};
        Vista.Scala = 1;
        Vista.AltezzaVideo = 500;
        Vista.Scala50Corrente = 1;
        p.Video.Chiamate.clear();  // the colours set above
    }
    std::vector<ChiamataVideo> Testi() const { return p.Video.Di("TestoRuotato"); }
};

}  // namespace

TEST(DisTesto, PosizioneSulloSchermo) {
    struct Caso {
        const char* testo;
        int oriz, vert;
        float angolo;
        std::vector<double> atteso;  // x, y, height, width, angle
    } casi[] = {
        // 9 characters, one blank, one slash and the sign: 8.1 wide.
        {"1\xC3\x98" "12/20 x", 1, 1, 0, {67, 391, 18, 7, 0}},
        // Left-justified: the content does not count.
        {"1\xC3\x98" "12/20 x", 0, 1, 0, {100, 391, 18, 7, 0}},
        // Top-aligned at the point.
        {"abc", 0, 2, 0, {100, 400, 18, 7, 0}},
        // Upright text, bottom-aligned: 1.05 hp to the left.
        {"abc", 0, 0, 90, {std::nearbyint(100 - 1.05 * 18), 400, 18, 7, 90}},
    };
    for (const auto& c : casi) {
        Banco b;
        DisTesto(100, 100, c.testo, 0, 5, c.oriz, c.vert, c.angolo, 0);
        auto t = b.Testi();
        ASSERT_EQ(t.size(), 1u) << c.testo;
        EXPECT_EQ(t[0].Num, c.atteso) << c.testo << " " << c.oriz << c.vert;
        EXPECT_EQ(t[0].Testo, c.testo);
        EXPECT_EQ(b.p.Video.Primo, Strati.ColoriLayer[5]);
    }
}

TEST(DisTesto, LarghezzaStimataESoglia) {
    EXPECT_FLOAT_EQ(CaratteriStimati("1\xC3\x98" "12/20 x"), 8.1f);
    EXPECT_FLOAT_EQ(CaratteriStimati("atta"), 3.0f);  // "tt" counts 1.0 less, not 1.6
    EXPECT_FLOAT_EQ(CaratteriStimati("mt"), 1.8f);
    // Kind 0 is too small at 0.1 pixel per cm and drawn at 0.15; -1 never draws.
    // A point that is not finite, or too far for a pixel, writes nothing rather than an
    // undefined integer.
    for (float x : {std::nanf(""), 1e30f}) {
        Banco b;
        DisTesto(x, 0, "x", 0, 5, 0, 0, 0, 0);
        DisTesto(0, 0, "x", 0, 5, 0, 0, x, 0);
        EXPECT_TRUE(b.Testi().empty()) << x;
    }
    for (auto [scala, uscita, chiamate] : {std::tuple{0.1f, 0, 0u}, {0.15f, 0, 1u}, {1.0f, -1, 0u}}) {
        Banco b;
        Vista.Scala = scala;
        DisTesto(0, 0, "x", 0, 5, 0, 0, 0, uscita);
        EXPECT_EQ(b.Testi().size(), chiamate) << scala;
    }
}

TEST(DisLinea, PenneEColoriSulloSchermo) {
    Banco b;
    Strati.ColoriLayer[4] = 1234;
    DisLinea(0, 0, 10, 0, 4, 1, 0);   // dotted
    DisLinea(0, 0, 10, 0, 4, 3, 0);   // dotted
    DisLinea(0, 0, 10, 0, 4, 2, 0);   // solid
    DisLinea(0, 0, 10, 0, -1, 1, 0);  // pseudo-layer: palette 11, never dotted
    DisLinea(0, 0, 10, 0, -2, 3, 0);  // palette 14
    DisLinea(0, 0, 10, 0, 25, 0, 0);  // no such layer: nothing
    DisCerchio(0, 0, 5, -1, 0, 0);    // a pseudo-layer is for lines only
    DisCerchio(0, 0, 5, 4, 4, 0);     // highlighted
    auto l = b.p.Video.Di("Linea");
    ASSERT_EQ(l.size(), 5u);
    const double atteso[5][2] = {{1234, 1}, {1234, 1}, {1234, 0}, {double(ColorePalette(11)), 0},
                                 {double(ColorePalette(14)), 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(l[i].Num[4], atteso[i][0]) << i;
        EXPECT_EQ(l[i].Num[5], atteso[i][1]) << i;
    }
    EXPECT_EQ(l[0].Num[1], 500);  // y 0 at the bottom of the picture
    auto c = b.p.Video.Di("Cerchio");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].Num[3], Strati.ColoreGiallo);
}

TEST(SinkDxf, TrasformazioneLayerEAltezze) {
    Banco b;
    EsportaDxf.OffsetDxfX = 100;
    DisLinea(10, 20, 30, 40, 4, 1, 1);
    DisCerchio(10, 20, 5, 2, 0, 1);
    for (int tipo = 0; tipo < 4; ++tipo) DisTesto(0, 0, "t", tipo, 16, 0, 0, 0, 1);
    DisTesto(0, 0, "t", 0, 16, 1, 2, 0, 1);                // top-aligned: 4 units lower
    DisTesto(0, 0, SegnoDiametro, 0, 16, 0, 0, 0, 1);      // the sign goes as it is
    DisLinea(0, 0, 1, 1, 25, 0, 1);                        // no such layer
    DisLinea(0, 0, 1, 1, -1, 0, 1);                        // pseudo-layers are screen-only
    auto& e = b.uscita.Entita;
    ASSERT_EQ(e.size(), 8u);
    EXPECT_EQ(e[0].Num, (std::vector<double>{220, 40, 260, 80, 1}));
    EXPECT_EQ(e[0].Layer, Strati.NomiLayer[4]);
    EXPECT_EQ(e[1].Num, (std::vector<double>{220, 40, 10, 0}));
    const double altezze[4] = {20, 25, 42, 22};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e[2 + i].Num[2], altezze[i]);
        EXPECT_EQ(e[2 + i].Num[1], 0);
        EXPECT_EQ(e[2 + i].Num[5], 1);  // bottom is 1 in DXF
    }
    EXPECT_EQ(e[6].Num[0], 200);
    EXPECT_EQ(e[6].Num[1], -4);
    EXPECT_EQ(e[6].Num[4], 1);
    EXPECT_EQ(e[6].Num[5], 3);
    EXPECT_EQ(e[7].Testo, SegnoDiametro);
    EXPECT_TRUE(b.p.Video.Chiamate.empty());
}

TEST(DisQuotaFerri, LunghezzeEQuoteDxf) {
    // Rounded length, halves to even; nothing drawn for 0.
    for (auto [x2, n, entita] : {std::tuple{0.4f, 0, 0u}, {2.5f, 2, 2u}, {3.5f, 4, 2u}}) {
        Banco b;
        EXPECT_EQ(DisQuotaFerri(0, 0, x2, 0, 1, 10, 19, 0), n);
        EXPECT_EQ(b.p.Video.Di("Linea").size() + b.Testi().size(), entita) << x2;
    }
    {
        Banco b;
        EXPECT_EQ(DisQuotaFerri(0, 0, 300, 0, 1, 10, 19, -1), 300);  // measured only
        EXPECT_TRUE(b.p.Video.Chiamate.empty());
    }
    // DXF 2000: the points in order, the dimension line 7 (1:50) or 14 (1:100) beside the bar.
    for (auto [scala50, scarto, stile] : {std::tuple{1, 7.0, "Ferri50"}, {0, 14.0, "Ferri100"}}) {
        Banco b;
        Imp.UnitaPerCm = 1;
        Vista.Scala50Corrente = scala50;
        EXPECT_EQ(DisQuotaFerri(100, 5, 0, 5, 1, 10, 19, 1), 100);
        auto& e = b.uscita.Entita;
        ASSERT_EQ(e.size(), 2u);
        EXPECT_EQ(e[0].Tipo, "Linea");
        ASSERT_EQ(e[1].Tipo, "Quota");
        EXPECT_EQ(e[1].Testo, stile);
        EXPECT_EQ(e[1].Layer, Strati.NomiLayer[19] + "|" + Strati.NomiLayer[19]);
        EXPECT_NEAR(e[1].Num[0], 0, 1e-4);
        EXPECT_NEAR(e[1].Num[1], 5 + scarto, 1e-4);
        EXPECT_NEAR(e[1].Num[2], 100, 1e-4);
        EXPECT_EQ(e[1].Num[4], 100);  // the measured points as the caller gave them
        EXPECT_EQ(e[1].Num[8], 1);    // no arrow heads
    }
}

TEST(DisQuotaLin, DxfSchermoER12) {
    for (auto [scala, stile] : {std::pair{1, "SC50"}, {0, "SC100"}}) {
        Banco b;
        DisQuotaLin(0, 0, 100, 0, 0, -10, 100, -10, scala, 1);
        ASSERT_EQ(b.uscita.Entita.size(), 1u);
        EXPECT_EQ(b.uscita.Entita[0].Tipo, "Quota");
        EXPECT_EQ(b.uscita.Entita[0].Layer, Strati.NomiLayer[8] + "|" + Strati.NomiLayer[18]);
        EXPECT_EQ(b.uscita.Entita[0].Testo, stile);
        EXPECT_EQ(b.uscita.Entita[0].Num[8], 0);
    }
    {
        Banco b;
        EsportaDxf.FormatoR12 = 1;
        DisQuotaLin(0, 0, 100, 0, 0, -10, 100, -10, 1, 1);
        // Lines, dots and a text: the R12 form has no dimension entity.
        int linee = 0, cerchi = 0, testi = 0;
        for (auto& e : b.uscita.Entita) {
            linee += e.Tipo == "Linea";
            cerchi += e.Tipo == "Cerchio";
            testi += e.Tipo == "Testo";
            EXPECT_NE(e.Tipo, "Quota");
        }
        EXPECT_EQ(linee, 3);
        EXPECT_EQ(cerchi, 2);
        EXPECT_EQ(testi, 1);
    }
}

TEST(QuotaDxf12, LineeTacchePuntiETesto) {
    // Recorded in plan centimetres.
    PiattaformaProva p;
    QuotaDxf12(300, 10, 100, 10, 20, 8, 18, 1, 0);
    auto& e = p.SinkVideo.Entita_;
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].Num, (std::vector<double>{100, 10, 300, 10, 8, 2}));
    EXPECT_EQ(e[1].Num, (std::vector<double>{100, 2, 100, 18, 8, 2}));
    EXPECT_EQ(e[2].Tipo, "Cerchio");
    EXPECT_FLOAT_EQ(e[2].Num[2], 1.2f);
    EXPECT_EQ(e[3].Num, (std::vector<double>{300, 2, 300, 18, 8, 2}));
    EXPECT_EQ(e[5].Tipo, "Testo");
    EXPECT_EQ(e[5].Testo, "200");
    EXPECT_EQ(e[5].Num[0], 200);
    EXPECT_EQ(e[5].Num[1], 10);

    struct Caso {
        float L;
        const char* testo;
        float y;
    } casi[] = {{15, "15", 17}, {12.04f, "12", 17}, {12.5f, "12.5", 17}, {12.96f, "13", 17}, {40, "40", 10}};
    for (const auto& c : casi) {
        p.SinkVideo.Entita_.clear();
        QuotaDxf12(0, 10, c.L, 10, 20, 8, 18, 1, 0);
        ASSERT_FALSE(e.empty());
        EXPECT_EQ(e.back().Testo, c.testo) << c.L;
        EXPECT_NEAR(e.back().Num[1], c.y, 1e-4) << c.L;  // a short one stands 7 across the line
    }
    p.SinkVideo.Entita_.clear();
    QuotaDxf12(5, 5, 5, 5, 20, 8, 18, 1, 0);
    EXPECT_TRUE(e.empty());
}

TEST(DisSegnoNodo, CroceECerchio) {
    PiattaformaProva p;
    DisSegnoNodo(10, 20, 3, 0);
    auto& e = p.SinkVideo.Entita_;
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].Num, (std::vector<double>{8, 20, 12, 20, 8, 0}));
    EXPECT_EQ(e[1].Num, (std::vector<double>{10, 18, 10, 22, 8, 0}));
    EXPECT_EQ(e[2].Num, (std::vector<double>{10, 20, 3, 20, 0}));
}
