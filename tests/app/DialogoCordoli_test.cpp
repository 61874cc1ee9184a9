#include "app/DialogoCordoli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Undo.h"
#include "base/Geometria.h"
#include "base/Testo1252.h"
#include "design/SoletteBarre.h"
#include "support/Registrazioni.h"
#include "support/TestoRTF.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello Soletta1000x600 = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}};
const std::string Diam = SegnoDiametro;

class FrmCordoliLogica : public ::testing::Test {
protected:
    AmbienteBarre amb;
    PiattaformaProva pp;
    CartellaTemp cartella;
    int infoMostrate = 0;

    FrmCordoliLogica() {
        M = SolettaProva(Soletta1000x600);
        M.Progetto.CartellaLavoro = cartella.Percorso();
        Undo = StatoUndo{};
        Edit = EditZone{};
        Edit.ZonaSelezionata = 0;
        // A curb along the top side: stirrups 8/20 with 2 legs, bars of 14, cover 6, width 30.
        Zona& z = Edit.ZonaCorrente;
        z.Tipo = 2;
        z.Diametro = 8;
        z.Passo = 20;
        z.NumBracci = 2;
        z.Diametro2 = 14;
        z.Copriferro = 6;
        z.Passo2 = 30;
        z.LatoCordolo = 1;
        z.PoligonoCordolo = -1;
    }
    std::unique_ptr<DialogoCordoli> Apri() {
        auto d = std::make_unique<DialogoCordoli>(pp.Pannello);
        d->MostraInfo = [this](const std::string&) { ++infoMostrate; };
        d->Apri();
        return d;
    }
    static void Nodo_(float x, float y, float taglio) {
        Nodo q;
        q.X = x, q.Y = y;
        q.RichTaglio1 = taglio;
        q.ResTaglio = taglio;
        M.Analisi.Nodi.push_back(q);
        M.Analisi.NumNodi = static_cast<int>(M.Analisi.Nodi.size());
    }
};

::testing::AssertionResult Striscia(const std::vector<Punto>& atteso) {
    if (Edit.UltVertZonaCorr != 4) return ::testing::AssertionFailure() << "UltVertZonaCorr " << Edit.UltVertZonaCorr;
    auto m = ::testing::AssertionFailure() << "striscia:";
    bool ok = true;
    for (int i = 0; i < 5; ++i) {
        const Punto& p = Edit.ContornoZonaCorr[i];
        m << " (" << p.X << ", " << p.Y << ")";
        ok = ok && std::fabs(p.X - atteso[i].X) < 1e-3 && std::fabs(p.Y - atteso[i].Y) < 1e-3;
    }
    return ok ? ::testing::AssertionSuccess() : m;
}

}  // namespace

// The strip along a side between right-angled corners: a rectangle at the cover from the side
// and from both neighbours, as wide as the curb; the search quadrilateral from 5 cm outside to
// cover plus width plus 5 inside, 5 cm beyond both ends.
TEST_F(FrmCordoliLogica, StrisciaLungoUnLatoDelContorno) {
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{6, 594}, {6, 564}, {994, 564}, {994, 594}, {6, 594}}));
    const Zona& z = Edit.ZonaCorrente;
    const std::vector<std::pair<float, float>> angoli = {{-5, 605}, {-5, 564}, {1005, 564}, {1005, 605}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(z.Angoli[k].X, angoli[k].first, 1e-3) << k;
        EXPECT_NEAR(z.Angoli[k].Y, angoli[k].second, 1e-3) << k;
    }
    EXPECT_FLOAT_EQ(z.XMin, -5);
    EXPECT_FLOAT_EQ(z.XMax, 1005);
    EXPECT_FLOAT_EQ(z.YMin, 564);
    EXPECT_FLOAT_EQ(z.YMax, 605);
    EXPECT_FLOAT_EQ(z.Angolo, 0);
}

// The first and the last side of the outline find their neighbours across its closing vertex.
TEST_F(FrmCordoliLogica, LatiAllaChiusura) {
    Edit.ZonaCorrente.LatoCordolo = 0;  // (0, 0) -> (0, 600)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{6, 6}, {36, 6}, {36, 594}, {6, 594}, {6, 6}}));
    Edit.ZonaCorrente.LatoCordolo = 3;  // (1000, 0) -> (0, 0)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{994, 6}, {994, 36}, {6, 36}, {6, 6}, {994, 6}}));
    // A side that does not exist changes nothing.
    const EditZone prima = Edit;
    for (int k : {-1, 4}) {
        Edit.ZonaCorrente.LatoCordolo = k;
        EXPECT_FALSE(CalcParalle());
        EXPECT_EQ(Edit.ContornoZonaCorr[0].X, prima.ContornoZonaCorr[0].X);
    }
    Edit.ZonaCorrente.LatoCordolo = 0;
    Edit.ZonaCorrente.PoligonoCordolo = 0;  // no opening
    EXPECT_FALSE(CalcParalle());
}

// A vertex on a straight edge: the neighbour lies in line with the side, so the strip starts
// (or ends) abreast of that vertex.
TEST_F(FrmCordoliLogica, VerticeSuUnLatoDiritto) {
    M = SolettaProva({{0, 0}, {0, 600}, {500, 600}, {1000, 600}, {1000, 0}});
    Edit.ZonaCorrente.LatoCordolo = 2;  // (500, 600) -> (1000, 600)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{500, 594}, {500, 564}, {994, 564}, {994, 594}, {500, 594}}));
    Edit.ZonaCorrente.LatoCordolo = 1;  // (0, 600) -> (500, 600)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{6, 594}, {6, 564}, {500, 564}, {500, 594}, {6, 594}}));
    // Nearly in line (a turn of 0.4 degree after a side 100 cm long): abreast of the vertex too,
    // not at the far end of that side.
    M = SolettaProva({{0, 0}, {0, 600}, {400, 600}, {500, 600}, {1000, 603.49f}, {1000, 0}});
    Edit.ZonaCorrente.LatoCordolo = 3;
    ASSERT_TRUE(CalcParalle());
    EXPECT_NEAR(Edit.ContornoZonaCorr[0].X, 500, 0.1);
    EXPECT_NEAR(Edit.ContornoZonaCorr[0].Y, 594, 0.1);
}

// Along an opening the neighbours keep the slab's cover, and a corner beyond them goes 25 cm
// further; an opening stored clockwise gives the same strip, in the slab and not in the hole.
TEST_F(FrmCordoliLogica, StrisciaLungoUnForo) {
    const Anello antiorario = {{400, 200}, {600, 200}, {600, 400}, {400, 400}};
    const Anello orario = {{400, 200}, {400, 400}, {600, 400}, {600, 200}};
    M = SolettaProva(Soletta1000x600, {antiorario, orario});
    Edit.ZonaCorrente.PoligonoCordolo = 0;
    Edit.ZonaCorrente.LatoCordolo = 0;  // (400, 200) -> (600, 200)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{372, 194}, {372, 164}, {628, 164}, {628, 194}, {372, 194}}));
    const auto angoliAntiorario = Edit.ZonaCorrente.Angoli;
    EXPECT_NEAR(angoliAntiorario[0].Y, 205, 1e-3);
    EXPECT_NEAR(angoliAntiorario[1].Y, 164, 1e-3);

    Edit.ZonaCorrente.PoligonoCordolo = 1;
    Edit.ZonaCorrente.LatoCordolo = 3;  // (600, 200) -> (400, 200)
    ASSERT_TRUE(CalcParalle());
    EXPECT_TRUE(Striscia({{372, 194}, {372, 164}, {628, 164}, {628, 194}, {372, 194}}));
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(Edit.ZonaCorrente.Angoli[k].X, angoliAntiorario[k].X, 1e-3);
        EXPECT_NEAR(Edit.ZonaCorrente.Angoli[k].Y, angoliAntiorario[k].Y, 1e-3);
    }
}

// The requirement is the largest shear residual inside the search quadrilateral, never below 0.
TEST_F(FrmCordoliLogica, RichiestaLungoIlLato) {
    Nodo_(500, 590, 3.5f);
    Nodo_(500, 300, 9);     // outside
    Nodo_(200, 570, 1.5f);  // inside, smaller
    ASSERT_TRUE(CalcParalle());
    EXPECT_FLOAT_EQ(Edit.RichiestaMaxSel, 3.5f);
    auto d = Apri();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[4], " Richiesta max: 3.5 cmq/mq");

    for (auto& q : M.Analisi.Nodi) q.ResTaglio = -2;
    ASSERT_TRUE(CalcParalle());
    EXPECT_FLOAT_EQ(Edit.RichiestaMaxSel, 0);
}

TEST_F(FrmCordoliLogica, Informazioni) {
    auto d = Apri();
    EXPECT_EQ(infoMostrate, 1);
    const std::vector<std::string> righe = {
        " Area armature a taglio:",
        " Staffatura n. 1, ",
        " St." + Diam + " 8/20   ( 2 bracci )",
        " Area staffe = 13.96 cmq/mq",
        " Richiesta max: 0.0 cmq/mq",
        " In eccesso: 13.96 cmq/mq",
        "",
        " Contributo ferri correnti:  2 + 2 " + Diam + "14",
        " Area = 4.28 cmq/m (sup. e inf. dir. 1)",
        "",
        "",
    };
    EXPECT_EQ(RigheRTF(d->TestoInfo()), righe);

    // Short of the requirement: red and bold.
    Edit.RichiestaMaxSel = 20;
    d->infoST();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[5], " Mancano: 6.0 cmq/mq");
    const auto mancano = TrattoCon(TrattiRTF(d->TestoInfo()), " Mancano: 6.0");
    ASSERT_TRUE(mancano);
    EXPECT_EQ(mancano->Colore, 1);
    EXPECT_TRUE(mancano->Grassetto);

    // A skew curb gives bars to both directions.
    M = SolettaProva({{0, 0}, {0, 600}, {600, 1200}, {1000, 600}, {1000, 0}});
    Edit.RichiestaMaxSel = 0;
    ASSERT_TRUE(CalcParalle());
    d->infoST();
    const auto skew = RigheRTF(d->TestoInfo());
    ASSERT_EQ(skew.size(), 12u);
    EXPECT_EQ(skew[8], " Area = 3.02 cmq/m (sup. e inf. dir. 1)");
    EXPECT_EQ(skew[9], " Area = 3.02 cmq/m (sup. e inf. dir. 2)");
}

// Values a file may bring: legs below 2 shown and used as 2; no spacing or strip gives no area.
TEST_F(FrmCordoliLogica, ValoriDaUnFile) {
    Edit.ZonaCorrente.NumBracci = 1;
    auto d = Apri();
    EXPECT_EQ(Edit.ZonaCorrente.NumBracci, 2);
    const VoceVista* bracci = pp.Pannello.Voce(IdCordBracci);
    ASSERT_TRUE(bracci);
    EXPECT_EQ(bracci->Valore, "2");
    EXPECT_NE(d->TestoInfo().find("( 2 bracci )"), std::string::npos);
    EXPECT_NE(d->TestoInfo().find("13.96"), std::string::npos);

    Edit.ZonaCorrente.NumBracci = 0;
    Edit.ZonaCorrente.Passo = 0;
    Edit.ZonaCorrente.Copriferro = 0;
    Edit.ZonaCorrente.Passo2 = 0;
    d->infoST();
    const std::string t = d->TestoInfo();
    EXPECT_EQ(t.find("Area staffe"), std::string::npos);
    EXPECT_EQ(t.find("eccesso"), std::string::npos);
    EXPECT_EQ(t.find(" Area ="), std::string::npos);
    EXPECT_EQ(t.find("inf"), std::string::npos);
    EXPECT_EQ(t.find("nan"), std::string::npos);
    EXPECT_NE(t.find("( 2 bracci )"), std::string::npos);
}

TEST_F(FrmCordoliLogica, Pannello) {
    auto d = Apri();
    EXPECT_EQ(pp.Pannello.Categorie, std::vector<std::string>{"Dati cordolo"});
    EXPECT_EQ(pp.Pannello.Espanse, std::vector<int>{0});
    EXPECT_DOUBLE_EQ(pp.Pannello.Divisore, 0.7);
    const std::vector<std::string> titoli = {"Diametro staffe [mm]", "Passo staffe [cm]", "Numero di bracci",
                                             "Copriferro [cm]",      "Diametro correnti [mm]", "Larghezza cordolo [cm]"};
    EXPECT_EQ(pp.Pannello.Titoli(), titoli);
    const std::vector<std::string> valori = {" 8", "20", "2", "6.0", " 14", "30"};
    for (size_t i = 0; i < valori.size(); ++i) {
        EXPECT_EQ(pp.Pannello.Voci[i].Valore, valori[i]) << i;
        EXPECT_EQ(pp.Pannello.Voci[i].Id, static_cast<int32_t>(i + 1));
    }
    const VoceVista& lista = pp.Pannello.Voci[2];
    EXPECT_EQ(lista.Genere, GenereVoce::Lista);
    ASSERT_EQ(lista.Scelte.size(), 2u);
    EXPECT_EQ(lista.Scelte[0].Titolo, "2");
    EXPECT_EQ(lista.Scelte[0].Dato, 2);
    EXPECT_EQ(lista.Scelte[1].Titolo, "4");
    EXPECT_EQ(lista.Scelte[1].Dato, 4);
    // Four legs double the stirrup area.
    infoMostrate = 0;
    pp.Pannello.Cambia(IdCordBracci, 4);
    EXPECT_EQ(Edit.ZonaCorrente.NumBracci, 4);
    EXPECT_EQ(infoMostrate, 1);
    EXPECT_NE(d->TestoInfo().find(" Area staffe = 27.93 cmq/mq"), std::string::npos);
}

// Edits by id: accepted values stored at once, refused ones put back with a message that names the
// item and its values; the strip and the requirement stay those of the opening; the information
// follows every edit.
TEST_F(FrmCordoliLogica, ModificheDellaGriglia) {
    struct Caso {
        int32_t id;
        const char* testo;
        const char* mostrato;
        bool accettato;
    } casi[] = {
        {IdCordDiametro, "6", " 6", true},       {IdCordDiametro, "5.9", " 8", false},
        {IdCordDiametro, "10,5", " 10", true},   {IdCordPasso, "50", "50", true},
        {IdCordPasso, "50.5", "20", false},      {IdCordPasso, "3.9", "20", false},
        {IdCordPasso, "4", "4", true},           {IdCordCopriferro, "2", "2.0", true},
        {IdCordCopriferro, "1.9", "6.0", false}, {IdCordDiametro2, "2", " 2", true},
        {IdCordDiametro2, "1", " 14", false},    {IdCordLarghezza, "10", "10", true},
        {IdCordLarghezza, "9.9", "30", false},   {IdCordLarghezza, "abc", "30", false},
        // Within what the reinforcement file takes back.
        {IdCordDiametro, "101", " 8", false},    {IdCordDiametro2, "100", " 100", true},
        {IdCordLarghezza, "1e30", "30", false},  {IdCordCopriferro, "10000001", "6.0", false},
    };
    // The texts of two refusals in full.
    auto aperto = Apri();
    pp.Msg.Visti.clear();
    pp.Pannello.Modifica(IdCordPasso, "50.5");
    pp.Pannello.Modifica(IdCordLarghezza, "9.9");
    ASSERT_EQ(pp.Msg.Visti.size(), 2u);
    EXPECT_EQ(pp.Msg.Visti[0].Testo, "\"Passo staffe [cm]\" accetta valori da 4 a 50.\nValore non accettato.");
    EXPECT_EQ(pp.Msg.Visti[1].Testo, "\"Larghezza cordolo [cm]\" accetta valori non inferiori a 10.\nValore non accettato.");
    const EditZone edit = Edit;
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.id) + " \"" + c.testo + "\"");
        Edit = edit;
        auto d = Apri();
        const EditZone aperto = Edit;
        infoMostrate = 0;
        pp.Msg.Visti.clear();
        EXPECT_EQ(pp.Pannello.Modifica(c.id, c.testo), c.mostrato);
        EXPECT_EQ(infoMostrate, 1);
        ASSERT_EQ(pp.Msg.Visti.size(), c.accettato ? 0u : 1u);
        if (!c.accettato) {
            const std::string campo = "\"" + pp.Pannello.Voce(c.id)->Titolo + "\" accetta valori ";
            EXPECT_EQ(pp.Msg.Visti[0].Testo.rfind(campo, 0), 0u);
        }
        const Zona &z = Edit.ZonaCorrente, &a = aperto.ZonaCorrente;
        const bool uguale = z.Diametro == a.Diametro && z.Passo == a.Passo && z.Copriferro == a.Copriferro &&
                            z.Diametro2 == a.Diametro2 && z.Passo2 == a.Passo2;
        EXPECT_EQ(uguale, !c.accettato);
        EXPECT_EQ(Edit.ContornoZonaCorr[1].Y, aperto.ContornoZonaCorr[1].Y);
        EXPECT_EQ(Edit.RichiestaMaxSel, aperto.RichiestaMaxSel);
    }
    EXPECT_EQ(M.Zone.UltimaZona, -1);
    EXPECT_EQ(Undo.UndoCorrente, 0);
}

// "Ok" stores the curb with the strip of its final data and renews the residuals; "Annulla"
// stores nothing.
TEST_F(FrmCordoliLogica, OkEAnnulla) {
    Nodo_(500, 590, 3.5f);
    {
        auto d = Apri();
        pp.Pannello.Modifica(IdCordLarghezza, "40");
        d->Annulla();
    }
    EXPECT_EQ(M.Zone.UltimaZona, -1);
    EXPECT_EQ(Undo.UndoCorrente, 0);
    EXPECT_FLOAT_EQ(M.Analisi.Nodi[0].ResTaglio, 3.5f);

    auto d = Apri();
    pp.Pannello.Modifica(IdCordLarghezza, "40");
    d->Ok();
    EXPECT_EQ(Undo.UndoCorrente, 1);
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    const Zona& z = M.Zone.Zone[0];
    EXPECT_EQ(z.Tipo, 2);
    EXPECT_FLOAT_EQ(z.Passo2, 40);
    ASSERT_EQ(M.Zone.VerticiZone[0].size(), 5u);
    EXPECT_FLOAT_EQ(M.Zone.VerticiZone[0][1].Y, 554);  // the strip of the final width
    EXPECT_FLOAT_EQ(z.Angoli[1].Y, 554);                // and its search quadrilateral
    const float t = AreaBarra(8) * (2 * 100.0f / 20) * 100 / 46;
    EXPECT_NEAR(M.Analisi.Nodi[0].ResTaglio, 3.5f - t, 1e-4);
    EXPECT_TRUE(pp.Msg.Visti.empty());
}

// Through the main window: an existing curb edited and confirmed replaces itself.
TEST_F(FrmCordoliLogica, AttraversoLaFinestra) {
    {
        auto d = Apri();
        d->Ok();
    }
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    Edit.ZonaCorrente = M.Zone.Zone[0];
    Edit.ZonaSelezionata = 0;
    pp.Finestra.CopioneCordoli = [this] {
        DialogoCordoli d(pp.Pannello);
        d.Apri();
        pp.Pannello.Modifica(IdCordPasso, "15");
        d.Ok();
    };
    ErroreOperazione = 7;
    ApriFrmCordoli();
    EXPECT_EQ(pp.Finestra.AperteCordoli, 1);
    EXPECT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_FLOAT_EQ(M.Zone.Zone[0].Passo, 15);
    EXPECT_EQ(ErroreOperazione, 7);  // the curb dialog leaves it alone
    EXPECT_TRUE(pp.Pannello.DopoModifica == nullptr);
}
