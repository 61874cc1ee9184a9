#include "app/PannelloAggMulti.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct AggMultiProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    PannelloRegistrato griglia;
    void SetUp() override {
        M = Modello{};
        M.Zone.DiamIntegrativa = 12;
    }
};

}  // namespace

TEST_F(AggMultiProva, AperturaEDirezioni) {
    AggMulti.NumFerriMulti1 = 9;
    Edit.LatoMulti = 0;
    PannelloAggMulti d(griglia);
    d.Apri();
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(AggMulti.NumFerriMulti1, 6) << "every opening starts from the defaults";
    EXPECT_EQ(AggMulti.DiamMulti2, 12);
    EXPECT_EQ(griglia.Categorie, (std::vector<std::string>{"Modalità di applicazione", "Armatura direzione 1",
                                                            "Armatura direzione 2"}));
    EXPECT_EQ(griglia.Divisore, 0.6);
    d.DopoModifica(IdMultiNum2, "4");
    d.ValoreCambiato(IdMultiDir2, 0);
    EXPECT_EQ(griglia.Categorie.size(), 2u);
    d.ValoreCambiato(IdMultiDir2, 1);
    ASSERT_EQ(griglia.Categorie.size(), 3u);
    bool visto = false;
    for (const VoceVista& v : griglia.Voci) visto = visto || (v.Id == IdMultiNum2 && v.Valore == "4");
    EXPECT_TRUE(visto) << "the last values come back";
    d.ValoreCambiato(IdMultiLato, 1);
    EXPECT_EQ(Edit.LatoMulti, 1);

    M.Progetto.MagliaUnica = -1;
    Edit.LatoMulti = 0;
    d.Apri();
    EXPECT_EQ(Edit.LatoMulti, 1);
    for (const VoceVista& v : griglia.Voci) EXPECT_NE(v.Id, IdMultiLato);
}

TEST_F(AggMultiProva, Valori) {
    struct Caso {
        int32_t id;
        const char* testo;
        const char* mostrato;
    };
    const Caso casi[] = {
        {IdMultiLung1, "96", "96"}, {IdMultiLung1, "95", "240"}, {IdMultiNum1, "2", "2"},
        {IdMultiNum1, "1.5", "6"},  {IdMultiNum1, "2.5", "2"},   {IdMultiPasso2, "0.5", "10"},
        {IdMultiPasso2, "7,5", "7.5"}, {IdMultiDiam2, "3", "12"}, {IdMultiDiam2, "abc", "12"},
        {IdMultiDiam2, "101", "12"}, {IdMultiPasso1, "1e30", "10"},
    };
    for (const Caso& c : casi) {
        PannelloAggMulti d(griglia);
        d.Apri();
        EXPECT_EQ(d.DopoModifica(c.id, c.testo), c.mostrato) << c.id << " " << c.testo;
    }
    PannelloAggMulti d(griglia);
    d.Apri();
    d.DopoModifica(IdMultiDiam1, "16");
    EXPECT_EQ(d.DopoModifica(IdMultiLung1, "127"), "240");
    EXPECT_EQ(d.DopoModifica(IdMultiLung1, "128"), "128");
}

TEST_F(AggMultiProva, Pulsanti) {
    PannelloAggMulti d(griglia);
    d.Apri();
    d.Ok();
    EXPECT_EQ(ErroreOperazione, 0);
    d.ValoreCambiato(IdMultiDir1, 0);
    d.ValoreCambiato(IdMultiDir2, 0);
    d.Ok();
    EXPECT_EQ(ErroreOperazione, -1) << "nothing to lay counts as a cancel";
    d.Apri();
    d.Annulla();
    EXPECT_EQ(ErroreOperazione, -1);
}

// A value refused is told: the message names the item and the values it takes.
TEST_F(AggMultiProva, RifiutoDetto) {
    PannelloAggMulti d(griglia);
    d.Apri();
    d.DopoModifica(IdMultiDiam1, "16");
    const struct {
        int32_t id;
        const char* testo;
        const char* messaggio;
    } casi[] = {
        {IdMultiDiam2, "3", "\"Diametro [mm]\" accetta valori da 4 a 100."},
        {IdMultiNum1, "1", "\"Numero di ferri\" accetta valori non inferiori a 2."},
        {IdMultiPasso2, "0.5", "\"Passo [cm]\" accetta valori non inferiori a 1."},
        // Eight diameters of the bars typed before.
        {IdMultiLung1, "127", "\"Lunghezza ferri [cm]\" accetta valori non inferiori a 128."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        p.Msg.Visti.clear();
        d.DopoModifica(c.id, c.testo);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, std::string(c.messaggio) + "\nValore non accettato.");
    }
    p.Msg.Visti.clear();
    d.DopoModifica(IdMultiLung1, "128");
    EXPECT_TRUE(p.Msg.Visti.empty());
}
