#include "app/DialogoProgettoDiffusa.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Impostazioni.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct DialogoProgettoProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    PannelloRegistrato griglia;
    void SetUp() override {
        Imp = Impostazioni{};
        M = Modello{};
    }
    std::vector<std::string> Titoli() const {
        std::vector<std::string> t;
        for (const VoceVista& v : griglia.Voci) t.push_back(v.Titolo);
        return t;
    }
    std::string Valore(int32_t id) const {
        for (const VoceVista& v : griglia.Voci)
            if (v.Id == id) return v.Valore;
        return "<nessuna>";
    }
};

}  // namespace

TEST_F(DialogoProgettoProva, PannelloPerDueMaglieEPerLaMagliaUnica) {
    DialogoProgettoDiffusa d(griglia);
    d.Apri();
    ASSERT_EQ(p.Msg.Visti.size(), 1u) << "the base-mesh warning comes first";
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_FALSE(d.ProgettaAbilitato()) << "no slab";
    ASSERT_EQ(griglia.Categorie, std::vector<std::string>{"Parametri di progettazione"});
    EXPECT_EQ(Titoli(), (std::vector<std::string>{"Diam. massimo sup.", "Diam. minimo sup.", "Diam. massimo inf.",
                                                  "Diam. minimo inf.", "Passo massimo sup.", "Passo minimo sup.",
                                                  "Passo massimo inf.", "Passo minimo inf.", "Progetta variando il",
                                                  "Incremento diametro", "Copertura min. nodi (%)"}));
    EXPECT_EQ(Valore(IdProgDiamMaxSup), " 28");
    EXPECT_EQ(Valore(IdProgCopertura), " 60");

    // Varying the spacing swaps the increment row at once.
    d.ValoreCambiato(IdProgVariando, 1);
    EXPECT_EQ(Imp.ProgettaPasso, 1);
    EXPECT_EQ(Titoli()[9], "Incremento passo");

    M.Progetto.MagliaUnica = -1;
    M.Soletta.NumVertContorno = 4;
    d.Panne();
    EXPECT_TRUE(d.ProgettaAbilitato());
    EXPECT_EQ(Titoli(), (std::vector<std::string>{"Diam. massimo", "Diam. minimo", "Passo massimo", "Passo minimo",
                                                  "Progetta variando il", "Incremento passo",
                                                  "Copertura min. nodi (%)"}));
}

TEST_F(DialogoProgettoProva, Liste) {
    DialogoProgettoDiffusa d(griglia);
    const float passi[5] = {0.5f, 1, 2, 5, 10};
    for (int k = 0; k < 5; ++k) {
        d.ValoreCambiato(IdProgIncrPasso, k);
        EXPECT_EQ(Imp.SceltaIncrPasso, k);
        EXPECT_EQ(Imp.IncrPasso, passi[k]);
    }
    d.ValoreCambiato(IdProgIncrDiam, 0);
    EXPECT_EQ(Imp.IncrDiametro, 1);
    d.ValoreCambiato(IdProgIncrDiam, 1);
    EXPECT_EQ(Imp.IncrDiametro, 2);
}

TEST_F(DialogoProgettoProva, ValoriNumerici) {
    struct Caso {
        int32_t id;
        const char* testo;
        int atteso;  // the setting afterwards (the old value when put back)
    };
    const Caso casi[] = {
        {IdProgCopertura, "1", 1},       {IdProgCopertura, "100", 100}, {IdProgCopertura, "0", 60},
        {IdProgCopertura, "100.5", 60},  {IdProgCopertura, "abc", 60},  {IdProgCopertura, "37,4", 37},
        {IdProgDiamMinSup, "3.9", 6},    {IdProgDiamMinSup, "4", 4},    {IdProgDiamMaxInf, "40000", 28},
        {IdProgPassoMinInf, "1.9", 5},   {IdProgPassoMinInf, "2", 2},   {IdProgPassoMaxSup, "12.5", 12},
        // Within what the settings file takes back.
        {IdProgDiamMaxSup, "100", 100}, {IdProgDiamMaxSup, "101", 28}, {IdProgPassoMaxInf, "1000", 1000},
        {IdProgPassoMaxInf, "1001", 50},
    };
    for (const Caso& c : casi) {
        Imp = Impostazioni{};
        DialogoProgettoDiffusa d(griglia);
        d.Panne();
        const std::string mostrato = d.DopoModifica(c.id, c.testo);
        const int* campi[] = {nullptr,           &Imp.DiamMaxSup,  &Imp.DiamMinSup,  &Imp.DiamMaxInf,
                              &Imp.DiamMinInf,   &Imp.PassoMaxSup, &Imp.PassoMinSup, &Imp.PassoMaxInf,
                              &Imp.PassoMinInf,  nullptr,          &Imp.CoperturaMin};
        EXPECT_EQ(*campi[c.id], c.atteso) << c.id << " " << c.testo;
        EXPECT_EQ(mostrato, " " + std::to_string(c.atteso)) << c.id << " " << c.testo;
    }
    // Each value put back was told: the eight refused above.
    EXPECT_EQ(p.Msg.Visti.size(), 8u);
    // With the item's name and the values it takes.
    p.Msg.Visti.clear();
    Imp = Impostazioni{};
    DialogoProgettoDiffusa d(griglia);
    d.Panne();
    EXPECT_EQ(d.DopoModifica(IdProgDiamMaxInf, "3"), " 28");
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "\"Diam. massimo inf.\" accetta valori da 4 a 100.\nValore non accettato.");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
}

// A minimum above its maximum (either side edited) is refused with the pair named and the
// criterion kept; a value equal to the other end is accepted.
TEST_F(DialogoProgettoProva, MinimoOltreIlMassimo) {
    struct Caso {
        bool unica;
        int32_t id;
        const char* testo;
        int Impostazioni::*campo;
        int atteso;
        const char* messaggio;  // "" when accepted
    };
    const char* diamSup = "\"Diam. minimo sup.\" non pu\xC3\xB2 superare \"Diam. massimo sup.\".\nValore non accettato.";
    const char* diamInf = "\"Diam. minimo inf.\" non pu\xC3\xB2 superare \"Diam. massimo inf.\".\nValore non accettato.";
    const char* passoSup = "\"Passo minimo sup.\" non pu\xC3\xB2 superare \"Passo massimo sup.\".\nValore non accettato.";
    const char* passoInf = "\"Passo minimo inf.\" non pu\xC3\xB2 superare \"Passo massimo inf.\".\nValore non accettato.";
    const char* diamUnica = "\"Diam. minimo\" non pu\xC3\xB2 superare \"Diam. massimo\".\nValore non accettato.";
    const Caso casi[] = {
        {false, IdProgDiamMinSup, "40", &Impostazioni::DiamMinSup, 6, diamSup},
        {false, IdProgDiamMaxSup, "5", &Impostazioni::DiamMaxSup, 28, diamSup},
        {false, IdProgDiamMinInf, "30", &Impostazioni::DiamMinInf, 6, diamInf},
        {false, IdProgDiamMaxInf, "4", &Impostazioni::DiamMaxInf, 28, diamInf},
        {false, IdProgPassoMinSup, "51", &Impostazioni::PassoMinSup, 5, passoSup},
        {false, IdProgPassoMaxSup, "4", &Impostazioni::PassoMaxSup, 50, passoSup},
        {false, IdProgPassoMinInf, "60", &Impostazioni::PassoMinInf, 5, passoInf},
        {false, IdProgPassoMaxInf, "2", &Impostazioni::PassoMaxInf, 50, passoInf},
        {true, IdProgDiamMinInf, "30", &Impostazioni::DiamMinInf, 6, diamUnica},
        {false, IdProgDiamMinSup, "28", &Impostazioni::DiamMinSup, 28, ""},
        {false, IdProgPassoMaxInf, "5", &Impostazioni::PassoMaxInf, 5, ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.testo) + " " + std::to_string(c.id));
        Imp = Impostazioni{};
        M.Progetto.MagliaUnica = c.unica ? 1 : 0;
        p.Msg.Visti.clear();
        DialogoProgettoDiffusa d(griglia);
        d.Panne();
        const std::string mostrato = d.DopoModifica(c.id, c.testo);
        EXPECT_EQ(Imp.*(c.campo), c.atteso);
        EXPECT_EQ(mostrato, " " + std::to_string(c.atteso));
        if (*c.messaggio == 0) {
            EXPECT_TRUE(p.Msg.Visti.empty());
            continue;
        }
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, c.messaggio);
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    }
}
