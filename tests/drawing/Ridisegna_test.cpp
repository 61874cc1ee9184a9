#include "drawing/Ridisegna.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "drawing/DisGeometria.h"
#include "drawing/VociDisegno.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A 1000 x 500 slab from x0, with nothing else unless a test adds it.
Modello Soletta(float x0 = 200) {
    Modello m;
    m.Soletta.Contorno = {{x0, 0}, {x0, 500}, {x0 + 1000, 500}, {x0 + 1000, 0}, {x0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {x0, 0, x0 + 1000, 500};
    return m;
}

Pilastro Poligono(int numero, std::vector<float> vx, std::vector<float> vy, int tratteggio = 0) {
    Pilastro c;
    c.Numero = numero;
    c.NumVertici = static_cast<int>(vx.size());
    c.VX = std::move(vx);
    c.VY = std::move(vy);
    c.Tratteggio = tratteggio;
    return c;
}

struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Banco() {
        ImpostaDefault();
        ImpostaColori();
        // The limits of the slab of Soletta(): room for the title blocks at the left.
        Vista.LimitiPianta = {-280, -90, 1280, 570};
        Vista.LarghezzaPianta = 1560;
        Vista.AltezzaPianta = 660;
        Vista.PiantaCorrente = 0;
        Vista.CodiceVista = 0;
        Vista.ModoComando = 0;
        Vista.Scala = 1;
        p.Video.Chiamate.clear();
    }
    static std::vector<Entita> Su(const std::vector<Entita>& e, const std::string& tipo, int layer) {
        std::vector<Entita> r;
        for (const auto& x : e) {
            const size_t i = x.Tipo == "Testo" ? 3 : (x.Tipo == "Quota" ? 0 : (x.Tipo == "Cerchio" ? 3 : 4));
            if (x.Tipo == tipo && (layer < 0 || x.Num[i] == layer)) r.push_back(x);
        }
        return r;
    }
};

std::vector<std::pair<float, float>> Scarti(const std::vector<Entita>& contorno, float x0) {
    std::vector<std::pair<float, float>> r;
    for (size_t i = 0; i + 3 < contorno.size(); i += 4)
        r.push_back({static_cast<float>(contorno[i].Num[0]) - x0, static_cast<float>(contorno[i].Num[1])});
    return r;
}

}  // namespace

TEST(Ridisegna, TavolaDxfESchermo) {
    struct Caso {
        int uscita, scalaDxf50, magliaUnica;
        float m, k;
        int viste;
    } casi[] = {{1, 1, 0, 200, 1, 5}, {1, 0, 0, 200, 2.8f, 5}, {0, 1, 0, 0, 1, 5}, {1, 1, -1, 200, 1, 2}};
    for (const auto& c : casi) {
        Banco b;
        Modello m = Soletta();
        m.Progetto.MagliaUnica = c.magliaUnica;
        Imp.ScalaDxf50 = c.scalaDxf50;
        Vista.PiantaCorrente = 5;
        Ridisegna(m, c.uscita);
        auto& e = c.uscita == 0 ? b.p.SinkVideo.Entita_ : b.p.SinkDxf.Entita_;
        const float P = 150 * c.k + 1560, R = -(660 + 150);
        std::vector<std::pair<float, float>> attesi = {{-c.m, 0}, {-c.m, R}, {P - c.m, 0}, {P - c.m, R}, {2 * P - c.m, 0}};
        if (c.magliaUnica) attesi = {{-c.m, 0}, {P - c.m, 0}};
        auto s = Scarti(Banco::Su(e, "Linea", 5), 200);
        ASSERT_EQ(s.size(), attesi.size()) << c.uscita << c.scalaDxf50;
        for (size_t i = 0; i < s.size(); ++i) {
            EXPECT_NEAR(s[i].first, attesi[i].first, 1e-3) << i;
            EXPECT_NEAR(s[i].second, attesi[i].second, 1e-3) << i;
        }
    }
}

TEST(Ridisegna, NienteSenzaSolettaONellaVistaMappaInDxf) {
    for (auto [pianta, slab] : {std::pair{9999, true}, {0, false}}) {
        Banco b;
        Modello m = slab ? Soletta() : Modello{};
        Vista.PiantaCorrente = pianta;
        Ridisegna(m, 1);
        EXPECT_TRUE(b.p.SinkDxf.Entita_.empty());
    }
    // No picture: a screen pass draws nothing.
    Banco b;
    Piatt.Ctrl_Vid = nullptr;
    Modello m = Soletta();
    Ridisegna(m, 0);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
}

TEST(Ridisegna, LoSchermoRiprendeLeSueImpostazioni) {
    Banco b;
    Modello m = Soletta();
    Strati.VisLayerDxf.fill(0);
    Strati.VisLayerVideo.fill(1);
    Imp.ScalaDxf50 = 0;
    Ridisegna(m, 1);
    EXPECT_EQ(Strati.VisLayerCorr, Strati.VisLayerDxf);
    EXPECT_EQ(Vista.Scala50Corrente, 0);
    Ridisegna(m, 0);
    EXPECT_EQ(Strati.VisLayerCorr, Strati.VisLayerVideo);
    EXPECT_EQ(Vista.Scala50Corrente, 1);
    // The persistent drawing is on for the pass and off after it.
    auto d = b.p.Video.Di("DisegnoPersistente");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].Num[0], 1);
    EXPECT_EQ(d[1].Num[0], 0);

    struct Caso {
        int pianta, mappa;
        bool frame1;
    } casi[] = {{9999, 2, true}, {9999, 10, true}, {9999, 4, false}, {9999, 9, false}, {0, 2, false}};
    for (const auto& c : casi) {
        Vista.PiantaCorrente = c.pianta;
        Vista.TipoMappa = c.mappa;
        Ridisegna(m, 0);
        EXPECT_EQ(b.p.Finestra.Frame1Visibile, c.frame1) << c.pianta << " " << c.mappa;
    }
}

TEST(Ridisegna, QuoteETracceDelleSezioni) {
    Banco b;
    Modello m = Soletta();
    Quota ovunque{10, 20, 110, 20, "", -1, 10, 0, 110, 0};
    Quota solo3{10, 40, 60, 40, "", 3, 10, 30, 60, 30};
    m.SezQuote.Quote = {ovunque, solo3};
    m.SezQuote.UltimaQuota = 1;
    Vista.PiantaCorrente = 5;
    Ridisegna(m, 1);
    auto q = Banco::Su(b.p.SinkDxf.Entita_, "Quota", -1);
    // The line's first end of each: every view has the one of every plan, view 3 the other.
    std::vector<std::pair<double, double>> punti, attesi;
    for (auto& x : q) punti.push_back({x.Num[6], x.Num[7]});
    const double P = 1710, R = -810, mx = 200;
    for (auto [dx, dy] : {std::pair{-mx, 0.0}, {-mx, R}, {P - mx, 0.0}, {P - mx, R}, {2 * P - mx, 0.0}})
        attesi.push_back({10 + dx, 20 + dy});
    attesi.push_back({10 + P - mx, 40 + R});
    std::sort(punti.begin(), punti.end());
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(punti, attesi);

    // A trace: five lines, the middle one dashed, and the name twice.
    for (int direzione : {0, 1}) {
        Banco b2;
        Modello s = Soletta();
        Sezione z{100, 100, 100, 400, 80, 90, 90, 100, 100, 400, 90, 410, direzione};
        s.SezQuote.Sezioni = {z};
        s.SezQuote.UltimaSezione = 0;
        Ridisegna(s, 0);
        auto l = Banco::Su(b2.p.SinkVideo.Entita_, "Linea", 11);
        ASSERT_EQ(l.size(), 5u);
        EXPECT_EQ(l[0].Num, (std::vector<double>{80, 90, 90, 100, 11, 0}));
        EXPECT_EQ(l[2].Num, (std::vector<double>{100, 100, 100, 400, 11, 1}));
        EXPECT_EQ(l[4].Num, (std::vector<double>{100, 400, 90, 410, 11, 0}));
        auto t = Banco::Su(b2.p.SinkVideo.Entita_, "Testo", 11);
        ASSERT_EQ(t.size(), 2u);
        EXPECT_EQ(t[0].Testo, "1");
        EXPECT_EQ(t[0].Num[0], 90);
        EXPECT_EQ(t[0].Num[1], 90);
        EXPECT_EQ(t[1].Num[0], direzione == 0 ? 90 : 110);
        EXPECT_EQ(t[1].Num[1], direzione == 0 ? 410 : 390);
    }
}

namespace {
int tratteggi = 0;
void ContaTratteggio(const std::vector<Punto>& punti, float passo, float angolo, int incrociato, int layer, int,
                     int) {
    EXPECT_EQ(punti.size(), 5u);
    EXPECT_EQ(punti.front().X, punti.back().X);
    EXPECT_EQ(passo, 5);
    EXPECT_EQ(angolo, 45);
    EXPECT_EQ(incrociato, -1);
    EXPECT_EQ(layer, 22);
    ++tratteggi;
}
}  // namespace

TEST(DisGeometria, StratiEPilastri) {
    Modello m = Soletta();
    auto& g = m.Soletta;
    g.Pilastri = {Poligono(1, {300, 340, 340, 300}, {100, 100, 140, 140}, 1), Poligono(2, {20}, {0}),
                  Poligono(3, {500, 540, 520}, {100, 100, 140})};
    g.Pilastri[1].X = 600, g.Pilastri[1].Y = 300;
    g.NumPilastri = 3;
    g.Setti = {{250, 50, 250, 450, 0}};
    g.NumSetti = 1;
    tratteggi = 0;
    auto tratteggioPrima = TratteggioDxf;
    TratteggioDxf = ContaTratteggio;

    struct Caso {
        int pianta, nascosto;
        int lineePilastri, contorno;
        std::vector<std::string> etichette;
        int tratteggi;
    } casi[] = {
        {0, -1, 7, 4, {"P1", "P2", "P3"}, 1},
        {0, 5, 7, 4, {"P1", "P2", "P3"}, 1},  // the outline ignores its layer
        {0, 2, 0, 4, {"P1", "P2", "P3"}, 1},  // labels and hatching keep their own layers
        {0, 22, 7, 4, {"P1", "P2", "P3"}, 0},
        {4, -1, 7, 4, {}, 1},
        {-1, -1, 7, 4, {}, 1},
    };
    for (const auto& c : casi) {
        Banco b;
        Strati.VisLayerCorr.fill(1);
        if (c.nascosto >= 0) Strati.VisLayerCorr[static_cast<size_t>(c.nascosto)] = 0;
        tratteggi = 0;
        DisGeometria(m, 0, 0, c.pianta, 0);
        auto& e = b.p.SinkVideo.Entita_;
        EXPECT_EQ(Banco::Su(e, "Linea", 2).size(), static_cast<size_t>(c.lineePilastri)) << c.pianta << c.nascosto;
        EXPECT_EQ(Banco::Su(e, "Linea", 5).size(), static_cast<size_t>(c.contorno));
        EXPECT_EQ(Banco::Su(e, "Cerchio", 2).size(), c.nascosto == 2 ? 0u : 1u);
        std::vector<std::string> et;
        for (auto& t : Banco::Su(e, "Testo", 14)) et.push_back(t.Testo);
        EXPECT_EQ(et, c.etichette) << c.pianta << " " << c.nascosto;
        EXPECT_EQ(tratteggi, c.tratteggi);
        // The wall is dashed with the second pattern.
        auto s = Banco::Su(e, "Linea", 4);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].Num[5], 3);
    }
    // Labels: beside the polygon's right and bottom, beside the circle.
    Banco b;
    Strati.VisLayerCorr.fill(1);
    DisGeometria(m, 0, 0, 0, 0);
    auto t = Banco::Su(b.p.SinkVideo.Entita_, "Testo", 14);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].Num[0], 350);
    EXPECT_EQ(t[0].Num[1], 100);
    EXPECT_EQ(t[0].Num[5], 0);
    EXPECT_EQ(t[1].Num[0], 630);
    EXPECT_EQ(t[1].Num[1], 300);
    EXPECT_EQ(t[1].Num[5], 1);
    TratteggioDxf = tratteggioPrima;
}

TEST(DisGeometria, ZoneNelleVisteMappa) {
    Modello m = Soletta();
    auto zona = [](int tipo, float x) {
        Zona z;
        z.Tipo = tipo;
        z.UltVertice = 3;
        z.XMarca = x, z.YMarca = 50;
        return z;
    };
    m.Zone.Zone = {zona(0, 300), zona(2, 500), zona(3, 700), zona(1, 900)};
    m.Zone.UltimaZona = 3;
    for (int z = 0; z < 4; ++z) {
        const float x = 250 + 200 * z;
        m.Zone.VerticiZone[static_cast<size_t>(z)] = {{x, 10}, {x, 90}, {x + 100, 90}, {x + 100, 10}};
    }
    struct Caso {
        int codice;
        std::vector<std::string> numeri;
    } casi[] = {{12, {"2", "3"}}, {13, {"2", "3"}}, {2, {"1", "2"}}, {0, {}}};
    for (const auto& c : casi) {
        Banco b;
        Strati.VisLayerCorr.fill(1);
        Vista.CodiceVista = c.codice;
        Vista.TipoZonaAttivo = 0;
        Vista.DirezioneAttiva = 0;
        DisGeometria(m, 0, 0, -1, 0);
        std::vector<std::string> numeri;
        for (auto& t : Banco::Su(b.p.SinkVideo.Entita_, "Testo", 1)) numeri.push_back(t.Testo);
        EXPECT_EQ(numeri, c.numeri) << c.codice;
        // Each outline closed: four dotted edges in palette colour 13.
        int bordi = 0;
        for (auto& v : b.p.Video.Di("Linea")) bordi += v.Num[4] == ColorePalette(13) && v.Num[5] == 1;
        EXPECT_EQ(bordi, 4 * static_cast<int>(c.numeri.size())) << c.codice;
        // Never into DXF.
        DisGeometria(m, 0, 0, -1, 1);
        EXPECT_TRUE(Banco::Su(b.p.SinkDxf.Entita_, "Testo", 1).empty());
    }
}

TEST(Ridisegna, Maniglie) {
    for (int bianco : {0, 1}) {
        Banco b;
        Imp.SfondoBianco = bianco;
        Modello m = Soletta();
        Vista.ModoComando = 200;
        Vista.FinestraVista = {0, 0, 0, 0};
        Vista.AltezzaVideo = 600;
        Edit.ZonaCorrente.Angoli = {Punto{100, 100}, Punto{100, 300}, Punto{300, 300}, Punto{300, 100}};
        Ridisegna(m, 0);
        const int colore = bianco ? 4 : 13;
        auto r = b.p.Video.Di("RettangoloPieno");
        ASSERT_EQ(r.size(), 5u);
        EXPECT_EQ(r[0].Num, (std::vector<double>{97, 497, 103, 503, double(colore)}));
        EXPECT_EQ(r[4].Num, (std::vector<double>{197, 397, 203, 403, double(colore)}));
        auto l = b.p.Video.Di("LineaPalette");
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0].Num, (std::vector<double>{200, 388, 200, 412, 15}));
        EXPECT_EQ(l[1].Num, (std::vector<double>{188, 400, 212, 400, 15}));
        auto q = b.p.Video.Di("Rettangolo");
        ASSERT_EQ(q.size(), 1u);
        EXPECT_EQ(q[0].Num, (std::vector<double>{196, 396, 204, 404, double(ColorePalette(15))}));
        // Mode 200 draws them at every redraw; the one-time switch is cleared.
        Vista.MostraManiglie = 1;
        Vista.ModoComando = 0;
        Ridisegna(m, 0);
        EXPECT_EQ(Vista.MostraManiglie, 0);
        EXPECT_EQ(b.p.Video.Di("RettangoloPieno").size(), 10u);
        Ridisegna(m, 0);
        EXPECT_EQ(b.p.Video.Di("RettangoloPieno").size(), 10u);
        // A corner that is not a number shows no grips.
        Edit.ZonaCorrente.Angoli[1].X = std::nanf("");
        Ridisegna(m, 0);
        EXPECT_EQ(b.p.Video.Di("RettangoloPieno").size(), 10u);
    }
}
