#include "app/DialogoImpostazioni.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/FileImpostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct DialogoImpostazioniProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir.Percorso()};
    PannelloRegistrato griglia;
    void SetUp() override {
        ImpostaCartelle();
        ImpostaDefault();
        ImpostaColori();
        M.Zone.DiamIntegrativa = 12;
    }
    // The background last given to the plan picture.
    int32_t Sfondo() const {
        int32_t c = -1;
        for (const auto& x : p.Video.Chiamate)
            if (x.Op == "ColoreSfondo") c = static_cast<int32_t>(x.Num[0]);
        return c;
    }
    std::string Valore(int32_t id) const {
        for (const VoceVista& v : griglia.Voci)
            if (v.Id == id) return v.Valore;
        return "<nessuna>";
    }
};

}  // namespace

TEST_F(DialogoImpostazioniProva, Apertura) {
    DialogoImpostazioni d(griglia);
    d.Apri();
    EXPECT_EQ(griglia.Categorie,
              (std::vector<std::string>{"Lunghezza di sovrapposizione ferri", "Riferimento per armatura integrativa",
                                        "Armatura diffusa a taglio (cavalletti)", "Riferimento per cordoli",
                                        "Riferimento per armatura a taglio (pioli)", "Griglia"}));
    EXPECT_EQ(griglia.Espanse.size(), griglia.Categorie.size());
    EXPECT_EQ(griglia.Divisore, 0.7);
    EXPECT_EQ(Valore(IdImpAncMin), " 20");
    EXPECT_EQ(Valore(IdImpPassoInt), "30.0");
    EXPECT_EQ(Valore(IdImpPassoStaffe), "20.0");
    EXPECT_EQ(d.Controlli.Nomi[5], Strati.NomiLayer[5]);
    EXPECT_EQ(d.Controlli.Colori[5], Strati.ColoriLayer[5]);
    EXPECT_EQ(d.Controlli.Icone, Imp.IconeGrandi);
    EXPECT_TRUE(p.Msg.Visti.empty()) << "no notice at the opening";

    M.Progetto.MagliaUnica = -1;
    d.PannelloSetting();
    EXPECT_EQ(griglia.Categorie.back(), "Armatura a maglia unica");
}

TEST_F(DialogoImpostazioniProva, ModificheNelPannello) {
    struct Caso {
        int32_t id;
        const char* testo;
        const char* mostrato;
    };
    const Caso casi[] = {
        {IdImpAncMin, "20", " 20"},          {IdImpAncMin, "19.9", " 20"},      {IdImpAncMin, "40000", " 20"},
        {IdImpAncMax, "200", " 200"},        {IdImpAncMax, "200.5", " 104"},    {IdImpAncMax, "0", " 0"},
        {IdImpAncMax, "abc", " 104"},        {IdImpDiamCav, "0", " 12"},        {IdImpDiamCav, "3.9", " 12"},
        {IdImpDiamCav, "4", " 4"},           {IdImpPassoStaffe, "12,5", "12.5"}, {IdImpCopriferro, "2", "2.0"},
        {IdImpCopriferro, "40", "40.0"},     {IdImpCopriferro, "1.9", "6.0"},   {IdImpCopriferro, "40.5", "6.0"},
        {IdImpLargStaffa, "15", "15.0"},     {IdImpLargStaffa, "80", "80.0"},   {IdImpLargStaffa, "14.9", "30.0"},
        {IdImpLargStaffa, "80.1", "30.0"},   {IdImpGrigliaX, "1", " 1"},        {IdImpGrigliaX, "500", " 500"},
        {IdImpGrigliaX, "0", " 10"},         {IdImpGrigliaX, "501", " 10"},     {IdImpGrigliaX, "7.5", " 8"},
        {IdImpGrigliaX, "6.5", " 6"},        {IdImpDiamInt, "5", " 12"},        {IdImpDiamInt, "16", " 16"},
        // Within what the settings and reinforcement files take back.
        {IdImpAncMin, "1000", " 1000"},      {IdImpAncMin, "1001", " 20"},      {IdImpAncMax, "-1", " 104"},
        {IdImpDiamInt, "101", " 12"},        {IdImpDiamCav, "100", " 100"},     {IdImpDiamPioli, "2147483647", " 12"},
        {IdImpPassoCav1, "1e30", "50.0"},    {IdImpLungMax, "10000001", " 600"},
    };
    for (const Caso& c : casi) {
        ImpostaDefault();
        M.Zone.DiamIntegrativa = 12;
        DialogoImpostazioni d(griglia);
        d.Apri();
        EXPECT_EQ(d.DopoModifica(c.id, c.testo), c.mostrato) << c.id << " " << c.testo;
    }
    // A refusal names the item and the values it takes.
    DialogoImpostazioni d(griglia);
    d.Apri();
    p.Msg.Visti.clear();
    d.DopoModifica(IdImpLargStaffa, "80.1");
    d.DopoModifica(IdImpPassoCav1, "9");
    ASSERT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_EQ(p.Msg.Visti[0].Testo,
              "\"Larghezza staffa del cordolo (cm)\" accetta valori da 15 a 80.\nValore non accettato.");
    EXPECT_EQ(p.Msg.Visti[1].Testo, "\"Passo dir. 1 (cm)\" accetta valori non inferiori a 10.\nValore non accettato.");
    p.Msg.Visti.clear();
    // In force at once.
    d.DopoModifica(IdImpGrigliaX, "25");
    EXPECT_EQ(Imp.PassoGrigliaX, 25);
    d.ValoreCambiato(IdImpPassoBasePioli, 1);
    EXPECT_EQ(Imp.PassoBasePioli, 1);
    d.ValoreCambiato(IdImpDescrizione, 1);
    EXPECT_EQ(Edit.DescrizioneCompleta, 1);
    d.ValoreCambiato(IdImpPiega, 0);
    EXPECT_EQ(M.Progetto.PiegaAncoraggio, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(DialogoImpostazioniProva, AnnullaRimetteLeVentiImpostazioni) {
    DialogoImpostazioni d(griglia);
    d.Apri();
    d.DopoModifica(IdImpAncMin, "30");
    d.DopoModifica(IdImpDiamInt, "20");
    d.DopoModifica(IdImpGrigliaX, "40");
    d.Annulla();
    EXPECT_EQ(Imp.AncoraggioMin, 20);
    EXPECT_EQ(M.Zone.DiamIntegrativa, 12);
    EXPECT_EQ(Imp.PassoGrigliaX, 40) << "the grid step is not in the snapshot";
}

// A tolerance the settings file would not take back keeps the one before.
TEST_F(DialogoImpostazioniProva, TolleranzeFuoriIntervallo) {
    Imp.TolleranzaPerc = 5, Imp.TolleranzaFissa = 0.25f;
    DialogoImpostazioni d(griglia);
    d.Apri();
    d.Controlli.TestoPerc = "100,5";
    d.Controlli.TestoFissa = "-0.5";
    d.Ok();
    EXPECT_EQ(Imp.TolleranzaPerc, 5.0f);
    EXPECT_EQ(Imp.TolleranzaFissa, 0.25f);
    d.Apri();
    d.Controlli.TestoPerc = "100";
    d.Controlli.TestoFissa = "1000";
    d.Ok();
    EXPECT_EQ(Imp.TolleranzaPerc, 100.0f);
    EXPECT_EQ(Imp.TolleranzaFissa, 1000.0f);
}

TEST_F(DialogoImpostazioniProva, CampioneEOk) {
    DialogoImpostazioni d(griglia);
    d.Apri();
    const int32_t prima = Strati.ColoriLayer[5];
    p.Dialoghi.ColoriScelti = {std::nullopt, 0x123456};
    d.Label8_Click(5);
    EXPECT_EQ(d.Controlli.Colori[5], prima) << "no choice";
    d.Label8_Click(5);
    EXPECT_EQ(p.Dialoghi.ColoriIniziali, (std::vector<int32_t>{prima, prima}));
    EXPECT_EQ(d.Controlli.Colori[5], 0x123456);
    EXPECT_EQ(Strati.ColoriLayer[5], prima) << "only Ok applies it";
    d.Controlli.Sfondo = 1;
    d.Controlli.Visibili[3] = 0;
    d.Controlli.TestoFissa = "0,5";
    d.Ok();
    EXPECT_EQ(Strati.ColoriLayer[5], 0x123456);
    EXPECT_EQ(Strati.VisLayerVideo[3], 0);
    EXPECT_EQ(Imp.SfondoBianco, 1);
    EXPECT_EQ(Imp.TolleranzaFissa, 0.5f);
    EXPECT_EQ(Sfondo(), ColoreSfondoVideo());
    EXPECT_FALSE(EsisteFile(FileImpostazioni())) << "Ok writes no file";
}

TEST_F(DialogoImpostazioniProva, SalvaEResetEIcone) {
    DialogoImpostazioni d(griglia);
    d.Apri();
    d.DopoModifica(IdImpAncMin, "33");
    d.SalvaImpostazioni();
    ASSERT_TRUE(EsisteFile(FileImpostazioni()));
    d.Annulla();
    EXPECT_EQ(Imp.AncoraggioMin, 20);
    ASSERT_TRUE(LeggiIni(AmbitoIni::SoloImpostazioni));
    EXPECT_EQ(Imp.AncoraggioMin, 33) << "the file keeps the saved value";

    // A later icon click shows the notice; the reset that changes the icons too.
    d.Controlli.Icone = 1;
    d.Option2_Click();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Informazione);
    Imp.IconeGrandi = 1;
    M.Progetto.MagliaUnica = -1;
    M.Progetto.PiegaAncoraggio = 1;
    Vista.CodiceVista = 15;
    d.ResetImpostazioni();
    EXPECT_FALSE(EsisteFile(FileImpostazioni()));
    EXPECT_EQ(Imp.AncoraggioMin, 20);
    EXPECT_EQ(Imp.IconeGrandi, 0);
    EXPECT_EQ(p.Msg.Visti.size(), 2u) << "the icons changed";
    EXPECT_EQ(M.Progetto.MagliaUnica, -1) << "the open slab keeps its mesh";
    EXPECT_EQ(M.Progetto.PiegaAncoraggio, 0);
    EXPECT_EQ(Vista.CodiceVista, 15);
    d.ResetImpostazioni();  // no file: nothing to delete, no message
    EXPECT_EQ(p.Msg.Visti.size(), 2u);
}

TEST_F(DialogoImpostazioniProva, ColoriDefault) {
    DialogoImpostazioni d(griglia);
    d.Apri();
    d.Controlli.Sfondo = 1;
    d.Controlli.Visibili.fill(0);
    d.ColoriDefault();
    EXPECT_EQ(Imp.SfondoBianco, 1);
    EXPECT_EQ(Sfondo(), ColoreSfondoVideo()) << "the plan recoloured at once";
    EXPECT_EQ(d.Controlli.Colori[0], Strati.ColoriLayer[0]);
    EXPECT_EQ(d.Controlli.Visibili[0], 1);
    EXPECT_EQ(d.Controlli.Visibili[22], 0);
}
