#include "app/PannelloDiffusa.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/definizioni.h"
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
