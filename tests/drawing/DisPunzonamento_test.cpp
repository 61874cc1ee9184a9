#include "drawing/DisPunzonamento.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/Geometria.h"
#include "base/Testo1252.h"
#include "design/SolettaPunzonamento.h"
#include "drawing/MappaPunzonamento.h"
#include "model/Impostazioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Banco() { FinestraIntera(); }
    static std::vector<Entita> Di(const SinkRegistrato& s, const std::string& tipo, int layer = -1) {
        std::vector<Entita> r;
        for (const auto& e : s.Entita_)
            if (e.Tipo == tipo && (layer < 0 || e.Num[e.Tipo == "Linea" ? 4 : 3] == layer)) r.push_back(e);
        return r;
    }
    std::vector<Entita> Di(const std::string& tipo, int layer = -1) const { return Di(p.SinkVideo, tipo, layer); }
};

double Gradi(const Entita& linea, float xn, float yn) {
    double a = std::atan2(linea.Num[1] - yn, linea.Num[0] - xn) * 180 / 3.14159265358979;
    return a < -1e-6 ? a + 360 : a;
}

// The record at the bottom edge: node number 223 at (500, 20), d 30, one stretch (455, 35) ..
// (545, 35).
Modello Bordo() {
    Modello m = SolettaPunz();
    AggiungiRecord(m, 500, 20, 2, 12);
    m.Analisi.Nodi[0].Numero = 223;
    Completa(m);
    return m;
}

}  // namespace

TEST(DisPunzonamento, TrattoSulBordoGuardaNellaSoletta) {
    Banco b;
    Modello m = Bordo();
    const Punzonamento& r = m.Analisi.Punzonamenti[0];
    ASSERT_EQ(r.NumTratti, 1);
    EXPECT_NEAR(r.TrattoIniz[0].X, 455, 1e-3);
    EXPECT_NEAR(r.TrattoIniz[0].Y, 35, 1e-3);
    EXPECT_NEAR(r.TrattoFine[0].X, 545, 1e-3);
    EXPECT_NEAR(r.TrattoFine[0].Y, 35, 1e-3);

    DisPunzonamento(m, 0, 0, 0);
    auto listelli = b.Di("Linea", 8);
    ASSERT_EQ(listelli.size(), 3u);
    const double attesi[] = {18.435, 90, 161.565};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(Gradi(listelli[i], 500, 20), attesi[i], 1e-2) << i;
        EXPECT_GT(listelli[i].Num[3], listelli[i].Num[1]);  // into the slab
        EXPECT_EQ(listelli[i].Num[5], 0);
    }
    EXPECT_NEAR(listelli[1].Num[0], 500, 1e-3);
    EXPECT_NEAR(listelli[1].Num[1], 48, 1e-3);
    EXPECT_NEAR(listelli[1].Num[2], 500, 1e-3);
    EXPECT_NEAR(listelli[1].Num[3], 93, 1e-3);

    auto pioli = b.Di("Cerchio", 6);
    ASSERT_EQ(pioli.size(), 12u);
    for (int i = 0; i < 4; ++i) {
        const auto& c = pioli[static_cast<size_t>(4 + i)];
        EXPECT_NEAR(c.Num[0], 500, 1e-3);
        EXPECT_NEAR(c.Num[1], 48 + 15 * i, 1e-3);
        EXPECT_EQ(c.Num[2], 2);
    }

    // No column: the node's number names the record, as in the quantities report.
    auto testi = b.Di("Testo");
    ASSERT_EQ(testi.size(), 3u);
    EXPECT_EQ(testi[0].Testo, "N223");
    EXPECT_EQ(testi[0].Num, (std::vector<double>{545, 65, 1, 14, 0, 1, 0}));
    EXPECT_EQ(testi[1].Testo, std::string("3 x ") + SegnoDiametro + "12-150 / 4(80+150x3)");
    EXPECT_EQ(testi[1].Num, (std::vector<double>{545, 35, 1, 1, 0, 1, 0}));
    EXPECT_EQ(testi[2].Testo, "As tot.= 13.6 cmq");
    EXPECT_EQ(testi[2].Num, (std::vector<double>{545, 5, 1, 1, 0, 1, 0}));
}

TEST(DisPunzonamento, AmpiezzaDelTratto) {
    struct Caso {
        double aI, aF, ampiezza;
    } casi[] = {
        {2.82, 0.32, 2.5},                   // the stretch above the node
        {0.5, 5.5, 0.5 - 5.5 + 6.28318530717959},  // through direction 0
        {1, 1, 0},
    };
    for (const auto& c : casi) EXPECT_NEAR(AmpiezzaTratto(c.aI, c.aF), c.ampiezza, 1e-12);
}

TEST(DisPunzonamento, GiroInteroAlCentro) {
    struct Caso {
        const char* nome;
        int pilastro;  // -1 none, else a round column of radius 20 at the node
        int pioli;
        int tipo;
        bool trattoCorto;
        size_t listelli;
        std::string descrizione;
        std::string totale;
    };
    const std::string d = SegnoDiametro;
    const Caso casi[] = {
        {"nodo", -1, 4, 0, false, 8, "8 x " + d + "14-150 / 4(80+150x3)", "As tot.= 49.3 cmq"},
        {"pilastro", 0, 4, 0, false, 8, "8 x " + d + "14-150 / 4(80+150x3)", "As tot.= 49.3 cmq"},
        {"due pioli", -1, 2, 0, false, 8, "8 x " + d + "14-150 / 2(80+150)", "As tot.= 24.6 cmq"},
        {"nessun piolo", -1, 0, 0, false, 0, "", ""},
        {"tagli a spigolo", -1, 4, 1, false, 0, "", ""},
        {"tratto corto", -1, 4, 0, true, 0, "", ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        Modello m = SolettaPunz();
        if (c.pilastro >= 0) AggiungiPilastro(m, 9, 500, 300, {20});
        Punzonamento& r = AggiungiRecord(m, 500, 300, 2, 12, c.pilastro);
        r.PioliListello = c.pioli;
        r.TipoPunz = c.tipo;
        r.AreaPiolo = 1.5f;
        m.Analisi.Nodi[0].Numero = 19;
        Completa(m);
        ASSERT_EQ(m.Analisi.Punzonamenti[0].NumTratti, 0);
        if (c.trattoCorto) {
            // 0.18 of the turn: 8 x 0.18 = 1.44 rounds to one rail.
            Punzonamento& t = m.Analisi.Punzonamenti[0];
            t.NumTratti = 1;
            const double aI = 0.18 * 6.28318530717959;
            t.TrattoIniz[0] = {500 + 50 * static_cast<float>(std::cos(aI)), 300 + 50 * static_cast<float>(std::sin(aI))};
            t.TrattoFine[0] = {550, 300};
        }
        DisPunzonamento(m, 0, 0, 0);
        auto listelli = b.Di("Linea", 8);
        ASSERT_EQ(listelli.size(), c.listelli);
        for (size_t i = 0; i < listelli.size(); ++i) EXPECT_NEAR(Gradi(listelli[i], 500, 300), 45.0 * i, 1e-3);
        EXPECT_EQ(b.Di("Cerchio", 6).size(), c.listelli * static_cast<size_t>(c.pioli));
        auto testi = b.Di("Testo");
        if (c.descrizione.empty()) {
            EXPECT_TRUE(testi.empty());
            continue;
        }
        // The studs of DiametroDaArea(1.5) = 14, whatever the total.
        // The record's name, the column's or else the node's number, 30 cm above the description.
        ASSERT_EQ(testi.size(), 3u);
        EXPECT_EQ(testi[0].Testo, c.pilastro >= 0 ? "P9" : "N19");
        if (c.pilastro >= 0) {
            EXPECT_EQ(testi[0].Num[0], 550);
            EXPECT_EQ(testi[0].Num[1], 350);
        }
        EXPECT_EQ(testi[0].Num[0], testi[1].Num[0]);
        EXPECT_EQ(testi[0].Num[1], testi[1].Num[1] + 30);
        EXPECT_EQ(testi[0].Num[3], 14);
        EXPECT_EQ(testi[testi.size() - 2].Testo, c.descrizione);
        EXPECT_EQ(testi.back().Testo, c.totale);
    }
}

TEST(DisPunzonamento, AvvisoUnaVoltaPerProgetto) {
    Banco b;
    Modello m = SolettaPunz();
    AggiungiPilastro(m, 3, 300, 300, {20});
    AggiungiRecord(m, 300, 300, -1, 0, 0);
    Completa(m);
    for (int volta = 0; volta < 3; ++volta) DisPunzonamento(m, 0, 0, 0);
    auto marchi = b.Di("Testo");
    ASSERT_EQ(marchi.size(), 3u);
    for (const auto& t : marchi) {
        EXPECT_EQ(t.Testo, "Arm. punz. N.C.");
        EXPECT_EQ(t.Num, (std::vector<double>{330, 320, 1, 1, 0, 1, 0}));
    }
    ASSERT_EQ(b.p.Msg.Visti.size(), 1u);
    EXPECT_EQ(b.p.Msg.Visti[0].Testo,
              "Esistono armature a punzonamento non calcolabili per mancata verifica 6.52 NTC.");
    EXPECT_EQ(b.p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(b.p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(Vista.AvvisoPunzMostrato, -1);

    // A new project clears the flag: one more message.
    Vista.AvvisoPunzMostrato = 0;
    DisPunzonamento(m, 0, 0, 0);
    EXPECT_EQ(b.p.Msg.Visti.size(), 2u);

    // The DXF pass writes the mark, shows nothing and leaves the flag, shifted by its offset.
    Vista.AvvisoPunzMostrato = 0;
    DisPunzonamento(m, 1000, -50, 1);
    EXPECT_EQ(b.p.Msg.Visti.size(), 2u);
    EXPECT_EQ(Vista.AvvisoPunzMostrato, 0);
    auto dxf = Banco::Di(b.p.SinkDxf, "Testo");
    ASSERT_EQ(dxf.size(), 1u);
    EXPECT_EQ(dxf[0].Num[0], 1330);
    EXPECT_EQ(dxf[0].Num[1], 270);
}

TEST(DisPunzonamento, SenzaPilastroSoloAvviso) {
    Banco b;
    Modello m = SolettaPunz();
    AggiungiRecord(m, 300, 300, -1, 0);
    Completa(m);
    DisPunzonamento(m, 0, 0, 0);
    EXPECT_TRUE(b.p.SinkVideo.Entita_.empty());
    EXPECT_EQ(b.p.Msg.Visti.size(), 1u);
}

TEST(DisPunzonamento, ScostamentoSuOgniElemento) {
    Banco b;
    Modello m = Bordo();
    DisPunzonamento(m, 0, 0, 0);
    const auto base = b.p.SinkVideo.Entita_;
    b.p.SinkVideo.Entita_.clear();
    DisPunzonamento(m, 200, -100, 0);
    const auto spostati = b.p.SinkVideo.Entita_;
    ASSERT_EQ(spostati.size(), base.size());
    for (size_t i = 0; i < base.size(); ++i) {
        EXPECT_NEAR(spostati[i].Num[0], base[i].Num[0] + 200, 1e-3) << i;
        EXPECT_NEAR(spostati[i].Num[1], base[i].Num[1] - 100, 1e-3) << i;
        if (base[i].Tipo == "Linea") {
            EXPECT_NEAR(spostati[i].Num[2], base[i].Num[2] + 200, 1e-3) << i;
            EXPECT_NEAR(spostati[i].Num[3], base[i].Num[3] - 100, 1e-3) << i;
        }
    }
}

TEST(DisPunzonamento, ContornoZonaIntatto) {
    Banco b;
    Modello m = Bordo();
    AggiungiPilastro(m, 1, 500, 300, {20});
    AggiungiRecord(m, 500, 300, 2, 11, 0);
    Completa(m);
    Edit.ContornoZonaCorr = {{1, 2}, {3, 4}, {5, 6}};
    Edit.UltVertZonaCorr = 2;
    const auto prima = Edit.ContornoZonaCorr;
    DisPunzonamento(m, 0, 0, 0);
    DisegnaMappaPunzonamento(m, 2, 20, "T", 0);
    ASSERT_EQ(Edit.ContornoZonaCorr.size(), prima.size());
    for (size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(Edit.ContornoZonaCorr[i].X, prima[i].X);
        EXPECT_EQ(Edit.ContornoZonaCorr[i].Y, prima[i].Y);
    }
    EXPECT_EQ(Edit.UltVertZonaCorr, 2);
}
