#include "design/VerificaSelezione.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "design/ContornoZona.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "support/Registrazioni.h"

namespace vilmor {
namespace {

// Settings and materials of a test; the previous ones come back afterwards.
struct ImpostazioniProva {
    Impostazioni vecchieImp = Imp;
    Materiali vecchiMat = Mat;
    ImpostazioniProva() {
        Imp = Impostazioni{};
        SettaAcciaio(4);
        SettaCls(4);
    }
    ~ImpostazioniProva() {
        Imp = vecchieImp;
        Mat = vecchiMat;
    }
};

using Anello = std::vector<Punto>;

// A slab with the given working outline (clockwise) and nodes with their upper direction-1 and
// shear residuals.
struct NodoProva {
    float x, y, resSup1, resTaglio;
};
Modello Soletta(const Anello& contorno, const std::vector<NodoProva>& nodi) {
    Modello m;
    m.Progetto.AngoloDir1 = 0;
    m.Progetto.AngoloDir2 = 1.5707963f;
    m.Progetto.AngoloDir2Gradi = 90;
    CalcolaDirezioni(m);
    m.Contorni.ContornoArmatura = contorno;
    m.Contorni.ContornoArmatura.push_back(contorno.front());
    m.Contorni.UltVertContornoArm = static_cast<int>(contorno.size());
    for (const auto& n : nodi) {
        Nodo x;
        x.X = n.x, x.Y = n.y, x.ResSup1 = n.resSup1, x.ResTaglio = n.resTaglio;
        m.Analisi.Nodi.push_back(x);
    }
    m.Analisi.NumNodi = static_cast<int>(nodi.size());
    m.Diffusa.PassoDiffSup1 = 20;
    m.Diffusa.PassoDiffSup2 = 25;
    m.Zone.DiamIntegrativa = 14;
    return m;
}

Anello Rettangolo(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}}; }

// The selection x0..x1, y0..y1 in the corner order of a new zone.
void Seleziona(EditZone& e, float x0, float y0, float x1, float y1) {
    e.ZonaCorrente.Angoli = {Punto{x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}};
    e.ZonaCorrente.XMin = x0, e.ZonaCorrente.YMin = y0, e.ZonaCorrente.XMax = x1, e.ZonaCorrente.YMax = y1;
}

// Three nodes near the lower-left corner of a 1000 x 500 slab, one far away.
Modello SolettaBase() {
    return Soletta(Rettangolo(0, 0, 1000, 500), {{100, 100, 3, 1},
                                                 {150, 120, -2, 200},
                                                 {120, 150, 20, 4},
                                                 {900, 400, 50, 50}});
}

StatoVista VistaMappa(int tipoMappa, int tipoZona, int direzione = 0, int modo = 0) {
    StatoVista v;
    v.TipoMappa = tipoMappa;
    v.TipoZonaAttivo = tipoZona;
    v.DirezioneAttiva = direzione;
    v.ModoComando = modo;
    return v;
}

TEST(VerificaSelezione, RichiestaMassimaEMedia) {
    ImpostazioniProva ip;
    prova::PiattaformaProva p;
    struct Caso {
        int tipoMappa;
        float max, media;
    } casi[] = {
        {5, 20, 7},                  // upper direction 1: the missing-steel map of that layer
        {9, 200, 68.333336f},        // shear
        {6, 0, 0},                   // lower direction 1: nothing missing
        {0, 0, 0},                   // not a missing-steel map: no demand
        {2, 0, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tipoMappa);
        Modello m = SolettaBase();
        EditZone e;
        Seleziona(e, 50, 50, 200, 200);
        EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(c.tipoMappa, 3), -1), -1);
        EXPECT_FLOAT_EQ(e.RichiestaMaxSel, c.max);
        EXPECT_FLOAT_EQ(e.RichiestaMediaSel, c.media);
    }
    // Every node inside in excess: the largest stays 0, the mean goes negative.
    Modello m = SolettaBase();
    for (auto& n : m.Analisi.Nodi) n.ResSup1 = -4;
    EditZone e;
    Seleziona(e, 50, 50, 200, 200);
    EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(5, 0), -1), -1);
    EXPECT_FLOAT_EQ(e.RichiestaMaxSel, 0);
    EXPECT_FLOAT_EQ(e.RichiestaMediaSel, -4);
    EXPECT_EQ(e.ZonaCorrente.Passo, 30.0f);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(VerificaSelezione, ValoriProposti) {
    ImpostazioniProva ip;
    prova::PiattaformaProva p;
    struct Caso {
        const char* nome;
        int tipoMappa, tipoZona, direzione, basePioli, zonaNuova;
        int diametro;
        float passo, passo2;
        int direzioneAttesa;
    } casi[] = {
        // Studs: a square grid from the demand, else twice the diffuse spacings, or (base 1) the
        // base spacings themselves.
        {"pioli con richiesta", 5, 3, 1, 0, -1, 12, 23, 23, 0},
        {"pioli senza richiesta", 0, 3, 1, 0, -1, 12, 40, 50, 0},
        {"pioli senza richiesta, base 1", 0, 3, 1, 1, -1, 12, 20, 25, 0},
        {"pioli con richiesta, base 1", 5, 3, 0, 1, -1, 12, 23, 23, 0},
        // Faces and curbs: integrative bars.
        {"faccia con richiesta", 5, 0, 1, 0, -1, 14, 7.5f, 99, 1},
        {"faccia senza richiesta", 0, 1, 0, 0, -1, 14, 27, 99, 0},
        {"cordolo", 5, 2, 0, 0, -1, 14, 7.5f, 99, 0},
        // Punching presets nothing; an edited zone keeps its bar data.
        {"punzonamento", 5, 4, 0, 0, -1, 99, 77, 99, 0},
        {"zona modificata", 5, 0, 1, 0, 0, 99, 77, 99, 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        Imp.PassoBasePioli = c.basePioli;
        Imp.PassoMaxIntegrativa = 27;
        Modello m = SolettaBase();
        EditZone e;
        Seleziona(e, 50, 50, 200, 200);
        e.ZonaCorrente.Diametro = 99, e.ZonaCorrente.Passo = 77, e.ZonaCorrente.Passo2 = 99;
        // The kind and direction are the zone command's, whatever face the view shows.
        e.TipoNuovaZona = c.tipoZona, e.DirezioneNuovaZona = c.direzione;
        EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(c.tipoMappa, 1 - c.tipoZona % 2, 1 - c.direzione), c.zonaNuova), -1);
        EXPECT_EQ(e.ZonaCorrente.Tipo, c.tipoZona);
        EXPECT_EQ(e.ZonaCorrente.Diametro, c.diametro);
        EXPECT_FLOAT_EQ(e.ZonaCorrente.Passo, c.passo);
        EXPECT_FLOAT_EQ(e.ZonaCorrente.Passo2, c.passo2);
        EXPECT_EQ(e.ZonaCorrente.Direzione, c.direzioneAttesa);
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(VerificaSelezione, ZonaEsistenteTieneTipoEDirezione) {
    ImpostazioniProva ip;
    prova::PiattaformaProva p;
    for (int modo : {200, 202, 450}) {
        Modello m = SolettaBase();
        EditZone e;
        Seleziona(e, 50, 50, 200, 200);
        e.ZonaCorrente.Tipo = 1, e.ZonaCorrente.Direzione = 1, e.ZonaCorrente.Diametro = 16;
        EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(5, 0, 0, modo), 0), -1) << modo;
        EXPECT_EQ(e.ZonaCorrente.Tipo, 1) << modo;
        EXPECT_EQ(e.ZonaCorrente.Direzione, 1) << modo;
    }
    Modello m = SolettaBase();
    EditZone e;
    Seleziona(e, 50, 50, 200, 200);
    e.ZonaCorrente.Tipo = 1, e.ZonaCorrente.Direzione = 1;
    EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(5, 0, 0, 199), 0), -1);
    EXPECT_EQ(e.ZonaCorrente.Tipo, 0);
    EXPECT_EQ(e.ZonaCorrente.Direzione, 0);
}

TEST(VerificaSelezione, IlContornoEQuelloDellaSelezioneNonLaSoletta) {
    ImpostazioniProva ip;
    prova::PiattaformaProva p;
    // Every node of the slab inside a small selection: the zone is that selection, clipped.
    Modello m = Soletta(Rettangolo(0, 0, 1000, 500), {{100, 100, 3, 1}, {150, 120, 1, 1}});
    EditZone e;
    e.TipoNuovaZona = 3;
    Seleziona(e, 50, 50, 200, 200);
    ASSERT_EQ(VerificaSelezione(m, e, VistaMappa(5, 3), -1), -1);
    ASSERT_EQ(e.UltVertZonaCorr, 3);
    for (int k = 0; k <= 3; ++k) {
        EXPECT_GE(e.ContornoZonaCorr[k].X, 50) << k;
        EXPECT_LE(e.ContornoZonaCorr[k].X, 200) << k;
        EXPECT_GE(e.ContornoZonaCorr[k].Y, 50) << k;
        EXPECT_LE(e.ContornoZonaCorr[k].Y, 200) << k;
    }
    // A face zone grows by the anchorage along its bars, still well short of the whole slab.
    EditZone f;
    Seleziona(f, 300, 50, 400, 200);
    m.Analisi.Nodi[0].X = 350;
    m.Analisi.Nodi[1].X = 360;
    ASSERT_EQ(VerificaSelezione(m, f, VistaMappa(5, 0), -1), -1);
    ASSERT_EQ(f.UltVertZonaCorr, 3);
    for (int k = 0; k <= 3; ++k) {
        EXPECT_LT(f.ContornoZonaCorr[k].X, 800) << k;
        EXPECT_GT(f.ContornoZonaCorr[k].X, 0) << k;
    }
    // A slab without nodes: no node to ask for, and still the selection's own outline.
    Modello vuota = Soletta(Rettangolo(0, 0, 1000, 500), {});
    EditZone g;
    g.TipoNuovaZona = 3;
    Seleziona(g, 50, 50, 200, 200);
    ASSERT_EQ(VerificaSelezione(vuota, g, VistaMappa(5, 3), -1), -1);
    EXPECT_EQ(g.UltVertZonaCorr, 3);
    EXPECT_FLOAT_EQ(g.RichiestaMaxSel, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(VerificaSelezione, Rifiuti) {
    ImpostazioniProva ip;
    struct Caso {
        const char* nome;
        Anello contorno;
        std::array<float, 4> sel;
        std::string testo, titolo;
    } casi[] = {
        {"nessun nodo", Rettangolo(0, 0, 1000, 500), {400, 50, 600, 200}, MsgSelezioneSenzaNodi, "Attenzione!"},
        {"fuori dalla soletta", Rettangolo(0, 0, 1000, 500), {1100, 50, 1300, 200},
         "La selezione non individua correttamente la zona da armare.\nOperazione annullata.", "Errore!"},
        {"divisa in due",
         {{0, 0}, {0, 500}, {200, 500}, {200, 100}, {800, 100}, {800, 500}, {1000, 500}, {1000, 0}},
         {100, 200, 900, 400}, MsgZonaDivisa, "Attenzione!"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        prova::PiattaformaProva p;
        Modello m = Soletta(c.contorno, {{150, 300, 5, 0}, {1200, 100, 7, 0}});
        m.Zone.Zone.resize(1);
        m.Zone.UltimaZona = 0;
        m.Zone.VerticiZone[0] = {{1, 1}, {2, 2}};
        EditZone e;
        Seleziona(e, c.sel[0], c.sel[1], c.sel[2], c.sel[3]);
        e.ContornoZonaCorr = {{9, 9}};
        e.UltVertZonaCorr = 0;
        EXPECT_EQ(VerificaSelezione(m, e, VistaMappa(5, 3), -1), 0);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, c.testo);
        EXPECT_EQ(p.Msg.Visti[0].Titolo, c.titolo);
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::Ok);
        // Nothing stored, the outline of the current zone left alone.
        EXPECT_EQ(m.Zone.UltimaZona, 0);
        EXPECT_EQ(m.Zone.VerticiZone[0].size(), 2u);
        EXPECT_EQ(e.UltVertZonaCorr, 0);
        ASSERT_EQ(e.ContornoZonaCorr.size(), 1u);
        EXPECT_EQ(e.ContornoZonaCorr[0].X, 9.0f);
    }
}

}  // namespace
}  // namespace vilmor
