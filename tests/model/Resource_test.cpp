#include "model/Resource.h"

#include <gtest/gtest.h>

#include <set>

#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

class ResourceTest : public ::testing::Test {
protected:
    GlobaliProva globali;
};

}  // namespace

TEST_F(ResourceTest, DefaultDelleImpostazioni) {
    Imp.DiamMaxSup = 1;
    Imp.LungMaxFerri = 1;
    Imp.FattoreDxf = 5;
    Imp.IconeGrandi = 1;
    Imp.SfondoBianco = 1;
    Vista.LatoScelto = 2;
    Vista.CodiceVista = 7;
    Vista.PiantaCorrente = 3;
    M.Progetto.MagliaUnica = -1;
    M.Progetto.PiegaAncoraggio = 1;
    ImpostaDefault();
    EXPECT_EQ(Imp.DiamMaxSup, 28);
    EXPECT_EQ(Imp.DiamMinInf, 6);
    EXPECT_EQ(Imp.PassoMaxInf, 50);
    EXPECT_EQ(Imp.CoperturaMin, 60);
    EXPECT_EQ(Imp.IncrPasso, 1.0f);
    EXPECT_EQ(Imp.DiamCavallettiDef, 12);
    EXPECT_EQ(Imp.PassoCavalletti2Def, 50.0f);
    EXPECT_EQ(Imp.DiamReggistaffeCordolo, 14);
    EXPECT_EQ(Imp.CopriferroCordolo, 6.0f);
    EXPECT_EQ(Imp.ParamRiserva2, 15.0f);
    EXPECT_EQ(Imp.AncoraggioMax, 104);
    EXPECT_EQ(Imp.LungMaxFerri, 600.0f);
    EXPECT_EQ(Imp.ModoTolleranza, 1);
    EXPECT_EQ(Imp.ScalaUnita, 10.0f);
    EXPECT_EQ(Imp.UnitaPerCm, 1.0f);
    EXPECT_EQ(Imp.FattoreDxf, 2.0f);
    EXPECT_EQ(Imp.ScalaDxf50, 1);
    EXPECT_EQ(Imp.IconeGrandi, 0);
    EXPECT_EQ(Imp.PassoGrigliaY, 10);
    EXPECT_EQ(Imp.SfondoBianco, 1);  // the background is the user's choice for the run
    EXPECT_EQ(Vista.LatoScelto, 0);
    EXPECT_EQ(Vista.CodiceVista, 0);
    EXPECT_EQ(Vista.PiantaCorrente, 0);
    EXPECT_EQ(M.Progetto.MagliaUnica, 0);
    EXPECT_EQ(M.Progetto.PiegaAncoraggio, 0);
}

TEST_F(ResourceTest, DefaultSoloImpostazioniLascianoProgettoEVista) {
    Imp.AncoraggioMin = 3;
    Vista.LatoScelto = 1;
    Vista.CodiceVista = 7;
    M.Progetto.MagliaUnica = -1;
    M.Progetto.PiegaAncoraggio = 1;
    PiattaformaProva p;
    p.Finestra.LatiVisibili = false;
    p.Finestra.MagliaUnicaVisibile = true;
    ImpostaDefaultImpostazioni();
    EXPECT_EQ(Imp.AncoraggioMin, 20);
    EXPECT_EQ(Mat.ClsCorrente.Nome, "C25/30");
    EXPECT_EQ(Strati.NomiLayer[24], "PERIM_PILASTRI_SUP");
    EXPECT_EQ(Vista.LatoScelto, 1);
    EXPECT_EQ(Vista.CodiceVista, 7);
    EXPECT_EQ(M.Progetto.MagliaUnica, -1);
    EXPECT_EQ(M.Progetto.PiegaAncoraggio, 1);
    EXPECT_FALSE(p.Finestra.LatiVisibili);
    EXPECT_TRUE(p.Finestra.MagliaUnicaVisibile);
}

TEST_F(ResourceTest, TabellaDeiLayer) {
    Strati.NomiLayer[24] = "X";
    Strati.VisLayerDxf.fill(0);
    Strati.VisLayerVideo.fill(0);
    ImpostaDefault();
    struct Caso {
        int i;
        const char* nome;
        int aci;
    } casi[] = {{0, "ARM_INTEGR1", 1},    {2, "PERIM_PILASTRI", 2}, {11, "LINEE_SEZIONI", 3},
                {19, "TESTO_FERRI", 3},   {22, "TRATTEGGI", 9},     {23, "PERIM_SEZIONI", 7},
                {24, "PERIM_PILASTRI_SUP", 2}};
    for (const auto& c : casi) {
        EXPECT_EQ(Strati.NomiLayer[c.i], c.nome);
        EXPECT_EQ(Strati.AciLayer[c.i], c.aci) << c.nome;
    }
    for (int i = 0; i < NumLayer; ++i) EXPECT_EQ(Strati.VisLayerDxf[i], 1) << i;
    // The defaults leave the screen visibility to the colours.
    EXPECT_EQ(Strati.VisLayerVideo[0], 0);
}

TEST_F(ResourceTest, ColoriDelloSchermo) {
    ImpostaDefault();
    struct Caso {
        int sfondo;
        int32_t verde, rosso, blu, contrasto, grigio, giallo, tratteggio, sfondoVideo, primoPiano;
    } casi[] = {
        {0, 65280, 255, 16711680, 16777215, 12632256, 65535, 8421504, 0, 16777215},
        {1, 55040, 215, 8388608, 0, 8421504, 32896, 12632256, 16777215, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.sfondo);
        PiattaformaProva p;
        Imp.SfondoBianco = c.sfondo;
        Strati.VisLayerVideo.fill(0);
        Strati.OsnapQuote.fill(0);
        ImpostaColori();
        EXPECT_EQ(Strati.ColoreVerde, c.verde);
        EXPECT_EQ(Strati.ColoreRosso, c.rosso);
        EXPECT_EQ(Strati.ColoreBlu, c.blu);
        EXPECT_EQ(Strati.ColoreContrasto, c.contrasto);
        EXPECT_EQ(Strati.ColoreGrigio, c.grigio);
        EXPECT_EQ(Strati.ColoreGiallo, c.giallo);
        EXPECT_EQ(Strati.ColoriLayer[22], c.tratteggio);
        EXPECT_EQ(Strati.ColoriLayer[0], c.rosso);
        EXPECT_EQ(Strati.ColoriLayer[1], c.verde);
        EXPECT_EQ(Strati.ColoriLayer[5], c.grigio);
        EXPECT_EQ(Strati.ColoriLayer[11], c.blu);
        EXPECT_EQ(Strati.ColoriLayer[24], Strati.ColoriLayer[2]);
        EXPECT_EQ(Strati.ColoriLayer[2], Strati.ColoreMagenta);
        for (int i = 0; i < 24; ++i) EXPECT_EQ(Strati.VisLayerVideo[i], i == 22 ? 0 : 1) << i;
        EXPECT_EQ(Strati.VisLayerVideo[24], 0);
        for (int v : Strati.OsnapQuote) EXPECT_EQ(v, 1);
        // The plan picture: background, then foreground.
        ASSERT_EQ(p.Video.Chiamate.size(), 2u);
        EXPECT_EQ(p.Video.Chiamate[0].Op, "ColoreSfondo");
        EXPECT_EQ(p.Video.Chiamate[0].Num[0], c.sfondoVideo);
        EXPECT_EQ(p.Video.Chiamate[1].Op, "ColorePrimoPiano");
        EXPECT_EQ(p.Video.Chiamate[1].Num[0], c.primoPiano);
    }
}

TEST_F(ResourceTest, LatiEMagliaUnicaDellaFinestra) {
    PiattaformaProva p;
    p.Finestra.LatiVisibili = false;
    p.Finestra.MagliaUnicaVisibile = true;
    ImpostaDefault();
    EXPECT_TRUE(p.Finestra.LatiVisibili);
    EXPECT_FALSE(p.Finestra.MagliaUnicaVisibile);
    Piatt.Finestra = nullptr;  // no window installed: nothing to do
    ImpostaDefault();
}

TEST_F(ResourceTest, IdentificatoriDeiComandi) {
    struct Caso {
        int n, base;
    } casi[] = {{1, 1000}, {2, 2000}, {0, 1000}, {3, 1000}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.n);
        SettaIdComandi(c.n);
        EXPECT_EQ(Comandi.IdApri, c.base + 100);
        EXPECT_EQ(Comandi.IdEsci, c.base + 103);
        EXPECT_EQ(Comandi.IdAnnulla, c.base + 105);
        EXPECT_EQ(Comandi.IdRete, c.base + 124);
        EXPECT_EQ(Comandi.IdVisQuota, c.base + 145);
        EXPECT_EQ(Comandi.IdComputo, c.base + 147);
        // Every command gets its own identifier in the block: none left unset, none shared.
        std::set<int32_t> visti;
        for (const VoceComando& v : TabellaComandi()) visti.insert(Comandi.*(v.Id));
        EXPECT_EQ(visti.size(), 47u);
        EXPECT_EQ(visti.count(c.base + 104), 0u);
        EXPECT_EQ(*visti.begin(), c.base + 100);
        EXPECT_EQ(*visti.rbegin(), c.base + 147);
    }
    EXPECT_STREQ(TabellaComandi()[44].Titolo, "Visibilità quota");
}
