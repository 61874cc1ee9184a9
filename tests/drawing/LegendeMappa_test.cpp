#include "drawing/LegendeMappa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "design/ColoreFascia.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Modello m;
    Banco() {
        ImpostaDefault();
        Vista.TwipsPerPixel = 15;
        Vista.TipoMappa = 0;
    }
    const ChiamataVideo* Testo(const std::string& t) const {
        for (const auto& c : p.Legenda.Chiamate)
            if (c.Op == "Testo" && c.Testo == t) return &c;
        return nullptr;
    }
    std::vector<ChiamataVideo> Linee() const { return p.Legenda.Di("Linea"); }
};

std::vector<double> Punto2(double x, double y) { return {x, y}; }

}  // namespace

TEST(LegendaMappa, ScalaDiColori) {
    auto disegna = [] {
        Banco b;
        LegendaMappa(b.m, 10, 0, "Area richiesta [cmq/m]", 0, 0);
        return b.p.Legenda.Chiamate;
    };
    const auto c = disegna();
    auto di = [&](const std::string& op) {
        std::vector<ChiamataVideo> r;
        for (const auto& x : c)
            if (x.Op == op) r.push_back(x);
        return r;
    };
    // Opened, cleared and solid; closed by switching the lasting picture off.
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ(c[0].Op, "DisegnoPersistente");
    EXPECT_EQ(c[0].Num[0], 1);
    EXPECT_EQ(c[1].Op, "Pulisci");
    EXPECT_EQ(c[2].Op, "StileRiempimento");
    EXPECT_EQ(c[2].Num[0], 0);
    EXPECT_EQ(c.back().Op, "DisegnoPersistente");
    EXPECT_EQ(c.back().Num[0], 0);
    EXPECT_EQ(di("ColoreTesto")[0].Num[0], 0);

    const auto testi = di("Testo");
    ASSERT_EQ(testi.size(), 14u);  // title, eleven values, direction, face
    EXPECT_EQ(testi[0].Testo, "Area richiesta [cmq/m]");
    EXPECT_EQ(testi[0].Num, Punto2(105, 30));
    const auto box = di("RettangoloPieno");
    ASSERT_EQ(box.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(box[i].Num, (std::vector<double>{150, 225.0 * i + 360, 975, 225.0 * i + 585, double(ColoreFascia(9 - i))}))
            << i;
        EXPECT_EQ(testi[i + 1].Testo, std::to_string(10 - i) + ".00") << i;
        EXPECT_EQ(testi[i + 1].Num, Punto2(1050, 225.0 * i + 270)) << i;
    }
    EXPECT_EQ(testi[11].Testo, "0.00");
    EXPECT_EQ(testi[11].Num, Punto2(1050, 2505));
    // No node markers on a requirement map.
    for (const auto& t : testi) EXPECT_EQ(t.Testo.find("Nodo"), std::string::npos);

    // The values never follow the regional settings.
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    const auto italiano = disegna();
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    ASSERT_EQ(italiano.size(), c.size());
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(italiano[i].Testo, c[i].Testo) << i;
        EXPECT_EQ(italiano[i].Num, c[i].Num) << i;
    }
}

TEST(LegendaMappa, MappaSoddisfattaEMarcatori) {
    // A range within 0.0001 of zero: one band-0 box and the verdict, no markers even on a
    // missing-steel map; direction and face still drawn.
    {
        Banco b;
        Vista.TipoMappa = 5;
        LegendaMappa(b.m, 0.00005f, -0.00005f, "Carenza di armatura [cmq/m]", 1, 1);
        const auto box = b.p.Legenda.Di("RettangoloPieno");
        ASSERT_EQ(box.size(), 1u);
        EXPECT_EQ(box[0].Num, (std::vector<double>{150, 450, 975, 675, double(ColoreFascia(0))}));
        ASSERT_TRUE(b.Testo("L'armatura soddisfa"));
        EXPECT_EQ(b.Testo("L'armatura soddisfa")->Num, Punto2(120, 780));
        ASSERT_TRUE(b.Testo("la richiesta di progetto."));
        EXPECT_EQ(b.Testo("la richiesta di progetto.")->Num, Punto2(120, 1005));
        EXPECT_FALSE(b.Testo("Nodo OK"));
        EXPECT_EQ(b.Linee().size(), 5u);
        EXPECT_TRUE(b.Testo("Direzione 2"));
        EXPECT_TRUE(b.Testo("Lato inferiore"));
    }
    // The missing-steel maps show the three node markers; the shear map (face 2) no direction
    // and no face.
    for (int tipo : {5, 9}) {
        Banco b;
        Vista.TipoMappa = tipo;
        LegendaMappa(b.m, 3, 0, "Carenza", 0, tipo == 9 ? 2 : 0);
        const auto box = b.p.Legenda.Di("RettangoloPieno");
        ASSERT_EQ(box.size(), 13u);
        const int32_t colori[3] = {Rgb(255, 0, 0), Rgb(192, 192, 192), Rgb(88, 88, 88)};
        const char* testi[3] = {"Nodo N.V.", "Nodo entro tolleranza", "Nodo OK"};
        for (int i = 0; i < 3; ++i) {
            const double y = 630 + 300 * i;
            EXPECT_EQ(box[10 + i].Num, (std::vector<double>{1806, y - 24, 1854, y + 24, double(colori[i])})) << i;
            ASSERT_TRUE(b.Testo(testi[i])) << i;
            EXPECT_EQ(b.Testo(testi[i])->Num, Punto2(1950, 525 + 300 * i)) << i;
        }
        EXPECT_EQ(b.Linee().empty(), tipo == 9);
        EXPECT_EQ(b.Testo("Lato superiore") == nullptr, tipo == 9);
        EXPECT_EQ(b.Testo("Direzione 1") == nullptr, tipo == 9);
    }
}

TEST(LegendaMappa, DirezioneELato) {
    struct Caso {
        int direzione, lato, magliaUnica;
        double cos, sin;
        bool verticale;
        int32_t colore;
        const char* nome;
        const char* faccia;
    } casi[] = {
        {0, 0, 0, 1, 0, false, Rgb(255, 0, 0), "Direzione 1", "Lato superiore"},
        {1, 1, 0, 0, 1, true, Rgb(0, 128, 0), "Direzione 2", "Lato inferiore"},
        {1, 0, -1, 0, 1, true, Rgb(0, 128, 0), "Direzione 2", nullptr},
        {7, 0, 0, 1, 0, false, 0, nullptr, "Lato superiore"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.direzione);
        Banco b;
        b.m.Progetto.MagliaUnica = c.magliaUnica;
        b.m.Progetto.CosDir1 = b.m.Progetto.CosDir2 = c.cos;
        b.m.Progetto.SinDir1 = b.m.Progetto.SinDir2 = c.sin;
        LegendaMappa(b.m, 10, 0, "T", c.direzione, c.lato);
        const auto linee = b.Linee();
        if (!c.nome) {
            EXPECT_TRUE(linee.empty());
        } else {
            // Five strokes 660 twips long, 110 apart, about (2400, 2475).
            ASSERT_EQ(linee.size(), 5u);
            std::vector<double> scarti;
            for (const auto& l : linee) {
                EXPECT_EQ(l.Num[4], c.colore);
                if (c.verticale) {
                    EXPECT_EQ(l.Num[0], l.Num[2]);
                    EXPECT_EQ(std::min(l.Num[1], l.Num[3]), 2145);
                    EXPECT_EQ(std::max(l.Num[1], l.Num[3]), 2805);
                    scarti.push_back(l.Num[0]);
                } else {
                    EXPECT_EQ(l.Num[1], l.Num[3]);
                    EXPECT_EQ(std::min(l.Num[0], l.Num[2]), 2070);
                    EXPECT_EQ(std::max(l.Num[0], l.Num[2]), 2730);
                    scarti.push_back(l.Num[1]);
                }
            }
            std::sort(scarti.begin(), scarti.end());
            const double m = c.verticale ? 2400 : 2475;
            EXPECT_EQ(scarti, (std::vector<double>{m - 220, m - 110, m, m + 110, m + 220}));
            ASSERT_TRUE(b.Testo(c.nome));
            EXPECT_EQ(b.Testo(c.nome)->Num, Punto2(1800, 1575));
            // The pen is back to one pixel after the symbol.
            EXPECT_EQ(b.p.Legenda.Di("SpessoreLinea").back().Num[0], 1);
        }
        if (c.faccia) {
            ASSERT_TRUE(b.Testo(c.faccia));
            EXPECT_EQ(b.Testo(c.faccia)->Num, Punto2(1800, 1800));
        } else {
            EXPECT_FALSE(b.Testo("Lato superiore"));
            EXPECT_FALSE(b.Testo("Lato inferiore"));
        }
    }
}

TEST(LegendaMappa, NessunPannello) {
    Banco b;
    Piatt.Picture2 = nullptr;
    LegendaMappa(b.m, 10, 0, "T", 0, 0);
    LegendaPunz(0, 10, "T");
    EXPECT_TRUE(b.p.Legenda.Chiamate.empty());
}

TEST(LegendaPunz, CampioniEScala) {
    for (int sfondo : {0, 1}) {
        Banco b;
        Imp.SfondoBianco = sfondo;
        LegendaPunz(9999999, -9999999, "Area armatura punzonamento [cmq]");
        const auto box = b.p.Legenda.Di("RettangoloPieno");
        ASSERT_EQ(box.size(), 2u);
        EXPECT_EQ(box[0].Num, (std::vector<double>{2100, 420, 2925, 645, double(sfondo ? Rgb(225, 225, 225) : Rgb(95, 95, 95))}));
        EXPECT_EQ(box[1].Num, (std::vector<double>{2100, 1545, 2925, 1770, double(sfondo ? Rgb(75, 75, 75) : Rgb(250, 250, 250))}));
        const auto bordi = b.p.Legenda.Di("Rettangolo");
        ASSERT_EQ(bordi.size(), 2u);
        EXPECT_EQ(bordi[0].Num, (std::vector<double>{2100, 420, 2925, 645, double(Rgb(255, 0, 255))}));
        EXPECT_EQ(bordi[1].Num, (std::vector<double>{2100, 1545, 2925, 1770, double(Rgb(255, 0, 255))}));
        std::vector<std::string> testi;
        for (const auto& t : b.p.Legenda.Di("Testo")) testi.push_back(t.Testo);
        EXPECT_EQ(testi, (std::vector<std::string>{"Area armatura punzonamento [cmq]", "Armatura", "non richiesta",
                                                   "Armatura", "non calcolabile", "N.V. (6.52)"}));
        EXPECT_EQ(b.p.Legenda.Di("Testo")[5].Num, Punto2(2100, 2355));
        // The foreground of the panel stays as it was.
        EXPECT_TRUE(b.p.Legenda.Di("ColoreTesto").empty());
        EXPECT_EQ(b.p.Legenda.Chiamate.back().Op, "DisegnoPersistente");
    }
    // With a range: values rising downward, lower end at the top.
    Banco b;
    LegendaPunz(2, 12, "P");
    const auto box = b.p.Legenda.Di("RettangoloPieno");
    ASSERT_EQ(box.size(), 12u);
    EXPECT_EQ(box[0].Num[4], ColoreFascia(9));
    const auto testi = b.p.Legenda.Di("Testo");
    EXPECT_EQ(testi[1].Testo, "2.00");
    EXPECT_EQ(testi[10].Testo, "11.00");
    EXPECT_EQ(testi[11].Testo, "12.00");
}

TEST(ScostaSegmento, LatiELunghezzaNulla) {
    float a = 1, b = 2, c = 3, d = 4;
    ScostaSegmento(5, 5, 5, 5, a, b, c, d, 10, -1);
    EXPECT_EQ((std::vector<float>{a, b, c, d}), (std::vector<float>{1, 2, 3, 4}));
    // Along x: True goes to y + D, False to y - D.
    ScostaSegmento(0, 0, 10, 0, a, b, c, d, 2, -1);
    EXPECT_EQ((std::vector<float>{a, b, c, d}), (std::vector<float>{0, 2, 10, 2}));
    ScostaSegmento(0, 0, 10, 0, a, b, c, d, 2, 0);
    EXPECT_EQ((std::vector<float>{a, b, c, d}), (std::vector<float>{0, -2, 10, -2}));
    ScostaSegmento(0, 0, 0, 10, a, b, c, d, 3, 1);
    EXPECT_EQ((std::vector<float>{a, b, c, d}), (std::vector<float>{-3, 0, -3, 10}));
}
