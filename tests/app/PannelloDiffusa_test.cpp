#include "app/PannelloDiffusa.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "base/Geometria.h"
#include "design/Residui.h"
#include "model/Statistiche.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

using Riga = std::tuple<int, std::string, std::string, int32_t>;

// The panel's items as (category, title, value, id).
std::vector<Riga> Righe(const PannelloRegistrato& p) {
    std::vector<Riga> r;
    for (const VoceVista& v : p.Voci) r.emplace_back(v.Categoria, v.Titolo, v.Valore, v.Id);
    return r;
}

class PannelloDiffusaTest : public ::testing::Test {
protected:
    void SetUp() override {
        MagliaDiffusa& d = M.Diffusa;
        d.DiamDiffSup1 = 12, d.PassoDiffSup1 = 20;
        d.DiamDiffSup2 = 10, d.PassoDiffSup2 = 12.5f;
        d.DiamDiffInf1 = 14, d.PassoDiffInf1 = 7.25f;
        d.DiamDiffInf2 = 16, d.PassoDiffInf2 = 33.34f;
        d.DiamCavalletti = 0, d.PassoCavalletti1 = 50, d.PassoCavalletti2 = 40.06f;
        M.Progetto.MagliaUnica = 0;
    }
    void TearDown() override {
        M.Diffusa = diffusa_;
        M.Progetto = progetto_;
    }
    PiattaformaProva p_;
    MagliaDiffusa diffusa_ = M.Diffusa;
    DatiProgetto progetto_ = M.Progetto;
};

const std::vector<Riga> DueMaglie = {
    {0, "Diam. dir. 1 sup.", "12", 1},   {0, "Passo dir. 1 sup.", "20.0", 2},
    {0, "Diam. dir. 2 sup.", "10", 3},   {0, "Passo dir. 2 sup.", "12.5", 4},
    {0, "Diam. dir. 1 inf.", "14", 5},   {0, "Passo dir. 1 inf.", "7.3", 6},
    {0, "Diam. dir. 2 inf.", "16", 7},   {0, "Passo dir. 2 inf.", "33.3", 8},
    {1, "Diam. ( 0 = nessuna )", "0", 10}, {1, "Passo dir. 1", "50.0", 11},
    {1, "Passo dir. 2", "40.1", 12},
};

}  // namespace

TEST_F(PannelloDiffusaTest, DueMaglie) {
    PanelDiff();
    EXPECT_EQ(p_.Pannello.Categorie,
              (std::vector<std::string>{"Armatura diffusa", "Armatura diffusa a taglio (cavalletti)"}));
    EXPECT_EQ(p_.Pannello.Espanse, (std::vector<int>{0, 1}));
    EXPECT_EQ(Righe(p_.Pannello), DueMaglie);
}

TEST_F(PannelloDiffusaTest, MagliaUnica) {
    M.Progetto.MagliaUnica = -1;
    PanelDiff();
    EXPECT_EQ(p_.Pannello.Categorie, std::vector<std::string>{"Armatura diffusa"});
    EXPECT_EQ(p_.Pannello.Espanse, std::vector<int>{0});
    const std::vector<Riga> attese = {
        {0, "Diam. dir. 1", "14", 5},
        {0, "Passo dir. 1", "7.3", 6},
        {0, "Diam. dir. 2", "16", 7},
        {0, "Passo dir. 2", "33.3", 8},
    };
    EXPECT_EQ(Righe(p_.Pannello), attese);
}

// The panel is emptied first: running it again, or for the other mesh kind, leaves no rest.
TEST_F(PannelloDiffusaTest, Ricostruzione) {
    PanelDiff();
    PanelDiff();
    EXPECT_EQ(p_.Pannello.Categorie.size(), 2u);
    EXPECT_EQ(p_.Pannello.Espanse, (std::vector<int>{0, 1}));
    EXPECT_EQ(Righe(p_.Pannello), DueMaglie);
    M.Progetto.MagliaUnica = 1;
    PanelDiff();
    EXPECT_EQ(p_.Pannello.Categorie.size(), 1u);
    EXPECT_EQ(p_.Pannello.Voci.size(), 4u);
    M.Progetto.MagliaUnica = 0;
    PanelDiff();
    EXPECT_EQ(Righe(p_.Pannello), DueMaglie);
}

namespace {

// A two-mesh slab: one node inside a 10 x 5 m outline, a 800 x 400 picture.
class ModificaPannello : public ::testing::Test {
protected:
    GlobaliProva globali;
    PiattaformaProva p;
    void SetUp() override {
        p.Video.L = 800;
        p.Video.H = 400;
        Vista.AltezzaVideo = 400;
        GeometriaSoletta& g = M.Soletta;
        g.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
        g.NumVertContorno = 4;
        Vista.EstensioneCorrente = Vista.EstensionePianta = {0, 0, 1000, 500};
        M.Analisi.Nodi.assign(6, Nodo{});
        M.Analisi.NumNodi = 6;
        for (auto& n : M.Analisi.Nodi) n.X = 500, n.Y = 250, n.RichSup1 = 10;
        MagliaDiffusa& d = M.Diffusa;
        d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = 12;
        d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 20;
        d.DiamCavalletti = 8, d.PassoCavalletti1 = d.PassoCavalletti2 = 40;
        CalcAreeDiffuse(M);
        DetraiArmatureNodi(-1, M);
        Vista.FinestraVista = {100, 200, 300, 400};  // anywhere but the extents
    }
};

}  // namespace

TEST_F(ModificaPannello, TabellaDelleModifiche) {
    struct Caso {
        int32_t id;
        const char* testo;
        bool accettato;
        const char* mostrato;  // the text the item keeps
        bool avviso;
    };
    const Caso casi[] = {
        {IdDiamDiffSup1, "2", true, "2", true},         {IdDiamDiffSup1, "1.9", false, "12", false},
        {IdDiamDiffSup1, "12,5", true, "12", true},     {IdDiamDiffSup1, "13.5", true, "14", true},
        {IdDiamDiffSup1, "40000", false, "12", false},  {IdDiamDiffSup1, "12", true, "12", false},
        {IdPassoDiffSup1, "2", true, "2.0", true},      {IdPassoDiffSup1, "abc", false, "20.0", false},
        {IdDiamDiffInf2, "16", true, "16", true},       {IdPassoDiffInf2, "1.99", false, "20.0", false},
        {IdDiamCavalletti, "0", true, "0", false},      {IdDiamCavalletti, "abc", false, "8", false},
        {IdPassoCavalletti1, "4.9", false, "40.0", false}, {IdPassoCavalletti2, "5", true, "5.0", false},
        // Beyond what the reinforcement file takes back.
        {IdDiamDiffSup1, "101", false, "12", false},    {IdDiamCavalletti, "2147483647", false, "8", false},
        {IdDiamCavalletti, "100", true, "100", false},  {IdPassoCavalletti1, "1e30", false, "40.0", false},
        {IdPassoDiffSup1, "10000001", false, "20.0", false},
    };
    // "Passo dir. 1 inf." accepts 2 cm or more.
    SetUp();
    PanelDiff();
    p.Msg.Visti.clear();
    PropertyGrid1_AfterEdit(IdPassoDiffInf1, "1.5");
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "\"Passo dir. 1 inf.\" accetta valori non inferiori a 2.\nValore non accettato.");
    for (const Caso& c : casi) {
        SetUp();
        PanelDiff();
        const MagliaDiffusa prima = M.Diffusa;
        const float residuo = M.Analisi.Nodi[0].ResSup1;
        p.Msg.Visti.clear();
        const std::string caso = std::to_string(c.id) + " " + c.testo;
        EXPECT_EQ(PropertyGrid1_AfterEdit(c.id, c.testo), c.mostrato) << caso;
        // A value put back is told, with the item's name.
        ASSERT_EQ(p.Msg.Visti.size(), (c.avviso ? 1u : 0u) + (c.accettato ? 0u : 1u)) << caso;
        if (!c.accettato) {
            const std::string campo = "\"" + p.Pannello.Voce(c.id)->Titolo + "\" accetta valori ";
            EXPECT_EQ(p.Msg.Visti.back().Testo.rfind(campo, 0), 0u) << caso << ": " << p.Msg.Visti.back().Testo;
        }
        if (c.avviso) {
            EXPECT_NE(p.Msg.Visti[0].Testo.find("attulmente non permette"), std::string::npos);
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        }
        const bool fitta = Vista.FinestraVista != std::array<float, 4>{100, 200, 300, 400};
        EXPECT_EQ(fitta, c.accettato) << caso << ": an accepted edit fits the view to the extents";
        if (!c.accettato) {
            EXPECT_EQ(M.Diffusa.DiamDiffSup1, prima.DiamDiffSup1) << caso;
            EXPECT_EQ(M.Diffusa.PassoCavalletti1, prima.PassoCavalletti1) << caso;
            EXPECT_EQ(M.Analisi.Nodi[0].ResSup1, residuo) << caso;
        }
    }
}

TEST_F(ModificaPannello, AreeEResiduiSeguono) {
    M.Diffusa.DiamDiffSup1 = 10;
    CalcAreeDiffuse(M);
    DetraiArmatureNodi(-1, M);
    const float prima = M.Analisi.Nodi[0].ResSup1;
    PropertyGrid1_AfterEdit(IdDiamDiffSup1, "12");
    EXPECT_NEAR(M.Diffusa.AreaDiffSup1, 5.654867f, 1e-5);
    EXPECT_NEAR(prima - M.Analisi.Nodi[0].ResSup1, 5.654867f - AreaBarra(10) * 5, 1e-4);
}

TEST_F(ModificaPannello, IlNodoMostratoSiAggiorna) {
    Vista.ModoInfo = -1;
    Vista.NodoSelezionato = 5;
    M.Analisi.Nodi[5].Numero = 55;
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "25");
    EXPECT_NE(p.Finestra.InfoRtf.find("nodo:  55"), std::string::npos);
    p.Finestra.InfoRtf = "x";
    Vista.NodoSelezionato = 6;  // beyond the nodes: nothing is read
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "26");
    EXPECT_EQ(p.Finestra.InfoRtf, "x");
    Vista.ModoInfo = 0;
    Vista.NodoSelezionato = 5;
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "27");
    EXPECT_EQ(p.Finestra.InfoRtf, "x");
}
