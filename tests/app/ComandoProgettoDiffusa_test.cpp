#include "app/ComandoProgettoDiffusa.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/PannelloDiffusa.h"
#include "design/Residui.h"
#include "model/FileImpostazioni.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Statistiche.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The project in memory: ten nodes needing 1 .. 10 on the upper face in direction 1, every layer
// at 10 mm / 20 cm; the settings at their defaults in a fresh settings folder.
class ComandoProgettoDiffusaTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) xdgVecchio_ = v;
        ::setenv("XDG_CONFIG_HOME", xdg_.Percorso().c_str(), 1);
        ImpostaCartelle();
        Imp = Impostazioni{};
        M = Modello{};
        for (int i = 0; i < 10; ++i) {
            Nodo q;
            q.RichSup1 = static_cast<float>(i + 1);
            M.Analisi.Nodi.push_back(q);
        }
        M.Analisi.NumNodi = 10;
        MagliaDiffusa& d = M.Diffusa;
        d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = 10;
        d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 20;
        CalcAreeDiffuse(M);
        DetraiArmatureNodi(-1, M);
    }
    void TearDown() override {
        if (xdgVecchio_) ::setenv("XDG_CONFIG_HOME", xdgVecchio_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        Dir = dir_;
        Imp = imp_;
        Mat = mat_;
        Strati = strati_;
        M = std::move(m_);
    }
    // The run must be refused with `messaggio`, leaving the model and the panel as they were.
    void AttendiRifiuto(const std::string& messaggio) {
        const Modello prima = M;
        EXPECT_FALSE(ProgettaDiffusa());
        ASSERT_EQ(p_.Msg.Visti.size(), 1u);
        EXPECT_EQ(p_.Msg.Visti[0].Testo, messaggio);
        EXPECT_EQ(p_.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p_.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_TRUE(p_.Pannello.Voci.empty()) << "the panel is not rebuilt";
        EXPECT_EQ(M.Diffusa.DiamDiffSup1, prima.Diffusa.DiamDiffSup1);
        EXPECT_EQ(M.Diffusa.DiamDiffInf1, prima.Diffusa.DiamDiffInf1);
        EXPECT_EQ(M.Diffusa.AreaDiffSup1, prima.Diffusa.AreaDiffSup1);
        for (size_t i = 0; i < M.Analisi.Nodi.size(); ++i)
            EXPECT_EQ(M.Analisi.Nodi[i].ResSup1, prima.Analisi.Nodi[i].ResSup1);
    }

    PiattaformaProva p_;
    CartellaTemp xdg_;
    std::optional<std::string> xdgVecchio_;
    Cartelle dir_ = Dir;
    Impostazioni imp_ = Imp;
    Materiali mat_ = Mat;
    StratiDisegno strati_ = Strati;
    Modello m_ = M;
};

std::string Valore(const PannelloRegistrato& p, int32_t id) {
    for (const VoceVista& v : p.Voci)
        if (v.Id == id) return v.Valore;
    return "?";
}

}  // namespace

TEST_F(ComandoProgettoDiffusaTest, PannelloRinnovato) {
    ASSERT_TRUE(ProgettaDiffusa());
    EXPECT_TRUE(p_.Msg.Visti.empty());
    EXPECT_EQ(M.Diffusa.DiamDiffSup1, 14);
    EXPECT_FLOAT_EQ(M.Diffusa.AreaDiffSup1, 7.696902f);
    EXPECT_EQ(M.Analisi.Nodi[9].ResSup1, 10 - M.Diffusa.AreaDiffSup1);
    EXPECT_EQ(Valore(p_.Pannello, IdDiamDiffSup1), "14");
    EXPECT_EQ(Valore(p_.Pannello, IdPassoDiffSup1), "20.0");
    EXPECT_EQ(Valore(p_.Pannello, IdDiamDiffInf2), "8");  // nothing needed: the first pair tried
}

TEST_F(ComandoProgettoDiffusaTest, SenzaNodi) {
    M.Analisi.NumNodi = 0;
    M.Analisi.Nodi.clear();
    AttendiRifiuto("La soletta non contiene nodi di calcolo.\nProgetto dell'armatura diffusa non eseguito.");
}

// A minimum spacing of 0 from the settings file takes its default there; one held in memory is
// refused by the design itself.
TEST_F(ComandoProgettoDiffusaTest, PassoMinimoNulloDalFileImpostazioni) {
    Imp.PassoMinInf = 0;
    ASSERT_TRUE(SalvaIni());
    ImpostaDefaultImpostazioni();
    ASSERT_TRUE(LeggiIni(AmbitoIni::SoloImpostazioni));
    EXPECT_EQ(Imp.PassoMinInf, 5);
    ASSERT_EQ(p_.Msg.Visti.size(), 1u);
    EXPECT_EQ(p_.Msg.Visti[0].Testo, "Impostazioni non valide, ripristinati i valori predefiniti: PassoMinInf.");
    p_.Msg.Visti.clear();
    Imp.PassoMinInf = 0;
    AttendiRifiuto(
        "Criteri di progetto non validi: incrementi e passi minimi devono essere maggiori di zero.\n"
        "Progetto dell'armatura diffusa non eseguito.");
}
