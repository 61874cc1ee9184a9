#include "app/DialogoAggiuntiva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/Undo.h"
#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Testo1252.h"
#include "design/Ancoraggio.h"
#include "design/ContornoZona.h"
#include "design/SoletteBarre.h"
#include "design/VerificaSelezione.h"
#include "model/Vista.h"
#include "support/Registrazioni.h"
#include "support/TestoRTF.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello Soletta1000x600 = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}};
const std::string Diam = SegnoDiametro;

int Ridisegni = 0;
void RidisegnaProva(int) { ++Ridisegni; }

class FrmAggiuntivaLogica : public ::testing::Test {
protected:
    AmbienteBarre amb;
    PiattaformaProva pp;
    CartellaTemp cartella;
    int infoMostrate = 0;

    FrmAggiuntivaLogica() {
        M = SolettaProva(Soletta1000x600);
        M.Progetto.CartellaLavoro = cartella.Percorso();
        Undo = StatoUndo{};
        // 1000 x 600 cm at 0.5 px/cm in a picture 300 px high.
        Vista.FinestraVista = {0, 600, 0, 1000};
        Vista.Scala = 0.5f;
        Vista.AltezzaVideo = 300;
        Vista.ModoComando = 0;
        Vista.DirezioneAttiva = 0;
        Vista.MostraManiglie = 0;
        Edit.ZonaSelezionata = 0;
        Edit.RichiestaMaxSel = Edit.RichiestaMediaSel = 0;
        Edit.EntrambiLati = 0;
        Edit.MantieniRiferimento = 0;
        Edit.ZonaConfermata = 0;
        Edit.ZonaCorrente = Zona{};
        Edit.ZonaCorrente.Diametro = 12;
        Edit.ZonaCorrente.Passo = 20;
        Angoli(180, 100);
        Ridisegni = 0;
        Disegno.Ridisegna = RidisegnaProva;
        ErroreOperazione = 0;
    }
    // The selection a mouse mode leaves: along direction 1 (x) `lungo`, across it `traverso`,
    // centred on (xc, yc), corners clockwise from the top left.
    static void Angoli(float lungo, float traverso, float xc = 500, float yc = 300) {
        const float x0 = xc - lungo / 2, x1 = xc + lungo / 2, y0 = yc - traverso / 2, y1 = yc + traverso / 2;
        Edit.ZonaCorrente.Angoli = {Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}, Punto{x0, y0}};
    }
    // A dialog opened on the zone as it stands, counting its information boxes.
    std::unique_ptr<DialogoAggiuntiva> Apri() {
        auto d = std::make_unique<DialogoAggiuntiva>(pp.Pannello);
        d->MostraInfo = [this](const std::string&) { ++infoMostrate; };
        d->Apri();
        return d;
    }
};

bool StessoPunto(const Punto& p, float x, float y) { return std::fabs(p.X - x) < 1e-3 && std::fabs(p.Y - y) < 1e-3; }

bool HaAngolo(const Zona& z, float x, float y) {
    for (const Punto& p : z.Angoli)
        if (StessoPunto(p, x, y)) return true;
    return false;
}

}  // namespace

// Opening a face zone: bar length from the side along the bars and both anchorages (down to
// 5 cm), width across them rounded to whole spacings (a width already whole spacings stays),
// spacing at least 1 cm, centre between corners 0 and 2. The zone's own bar direction counts,
// not the view's.
TEST_F(FrmAggiuntivaLogica, Apertura) {
    Imp.AncoraggioMin = Imp.AncoraggioMax = 50;  // bars of 8 mm anchor 40 cm
    struct Caso {
        const char* nome;
        float lungo, traverso, passo;
        int direzione;
        float L, W, passoAtteso;
        int ferri;
    } casi[] = {
        {"100 su passo 20", 180, 100, 20, 0, 260, 100, 20, 6},
        {"resto 6 sopra un quarto", 180, 106, 20, 0, 260, 120, 20, 7},
        {"resto 4", 180, 104, 20, 0, 260, 101, 20, 6},
        {"lato 187", 187, 100, 20, 0, 265, 100, 20, 6},
        {"passo 0.5", 180, 100, 0.5f, 0, 260, 100, 1, 101},
        {"barre in direzione 2", 180, 100, 20, 1, 180, 180, 20, 10},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Edit.ZonaCorrente.Diametro = 8;
        Edit.ZonaCorrente.Passo = c.passo;
        Edit.ZonaCorrente.Direzione = c.direzione;
        Vista.DirezioneAttiva = 1 - c.direzione;
        Angoli(c.lungo, c.traverso, 430, 250);
        Edit.ZonaConfermata = -1;
        Edit.EntrambiLati = 1;
        auto d = Apri();
        EXPECT_EQ(d->Ancoraggio, 40);
        EXPECT_FLOAT_EQ(d->L, c.L);
        EXPECT_FLOAT_EQ(d->W, c.W);
        EXPECT_FLOAT_EQ(Edit.ZonaCorrente.Passo, c.passoAtteso);
        EXPECT_EQ(d->NumFerri, c.ferri);
        EXPECT_FLOAT_EQ(d->XC, 430);
        EXPECT_FLOAT_EQ(d->YC, 250);
        EXPECT_EQ(Edit.ZonaConfermata, 0);
        EXPECT_EQ(Edit.EntrambiLati, 0);
        EXPECT_EQ(ErroreOperazione, -1);  // a close box from now on cancels
        EXPECT_EQ(pp.Pannello.Voce(IdAggLunghezza)->Valore, FormatNum(c.L, 1));
        EXPECT_EQ(pp.Pannello.Voce(IdAggLarghezza)->Valore, FormatNum(c.W, 1));
        EXPECT_EQ(pp.Pannello.Voce(IdAggXCentro)->Valore, "430.0");
        EXPECT_EQ(pp.Pannello.Voce(IdAggYCentro)->Valore, "250.0");
        EXPECT_EQ(infoMostrate, 1);
        infoMostrate = 0;
    }
    EXPECT_TRUE(pp.Msg.Visti.empty());
    EXPECT_EQ(Undo.UndoCorrente, 0);
}

// Which items the panel shows, and the caption.
TEST_F(FrmAggiuntivaLogica, VociEDidascalia) {
    const std::vector<std::string> faccia = {"Diametro [mm]",
                                             "Passo dir. 1 [cm]",
                                             "Coordinata X centro [cm]",
                                             "Coordinata Y centro [cm]",
                                             "Lunghezza ferri [cm]",
                                             "Larghezza tratto [cm]"};
    std::vector<std::string> conEntrambi = faccia;
    conEntrambi.push_back("Disponi su entrambi i lati");
    struct Caso {
        const char* nome;
        std::function<void()> prepara;
        std::vector<std::string> voci;
        const char* titolo;
    } casi[] = {
        {"nuova zona", [] {}, conEntrambi, "Armatura integrativa"},
        {"zona esistente",
         [] {
             AggiungiZona(M, {{0, 100}, {100, 100}, {100, 0}, {0, 0}}, 0, 0, 12, 20);
             Edit.ZonaSelezionata = 0;
         },
         faccia, "Armatura integrativa"},
        {"maglia unica", [] { M.Progetto.MagliaUnica = -1; }, faccia, "Armatura integrativa"},
        {"copia sul lato opposto", [] { Vista.ModoComando = 450; }, faccia, "Copia armatura sul lato opposto"},
        {"pioli",
         [] {
             Edit.ZonaCorrente.Tipo = 3;
             Edit.ZonaCorrente.Passo2 = 25;
         },
         {"Diametro [mm]", "Passo dir. 1 [cm]", "Passo dir. 2 [cm]"}, "Armatura integrativa"},
    };
    const Modello modello = M;
    const EditZone edit = Edit;
    const StatoVista vista = Vista;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        M = modello, Edit = edit, Vista = vista;
        c.prepara();
        auto d = Apri();
        EXPECT_EQ(pp.Pannello.Titoli(), c.voci);
        EXPECT_EQ(d->Titolo(), c.titolo);
        EXPECT_EQ(pp.Pannello.Categorie, std::vector<std::string>{"Dati armatura"});
        EXPECT_EQ(pp.Pannello.Espanse, std::vector<int>{0});
        EXPECT_DOUBLE_EQ(pp.Pannello.Divisore, 0.6);
        EXPECT_EQ(d->DisposizionePioli(), Edit.ZonaCorrente.Tipo == 3);
    }
    M = modello, Edit = edit, Vista = vista;
    auto d = Apri();
    const VoceVista* v = pp.Pannello.Voce(IdAggEntrambiLati);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Genere, GenereVoce::Casella);
    EXPECT_EQ(v->Valore, "0");
    EXPECT_EQ(pp.Pannello.Voce(IdAggDiametro)->Valore, " 12");
    EXPECT_EQ(pp.Pannello.Voce(IdAggPasso)->Valore, "20");
    // A tick asks for both faces; the panel rebuilt afterwards shows it ticked.
    pp.Pannello.Cambia(IdAggEntrambiLati, 1);
    EXPECT_EQ(Edit.EntrambiLati, 1);
    d->RicalcolaPasso();
    EXPECT_EQ(pp.Pannello.Voce(IdAggEntrambiLati)->Valore, "1");
    pp.Pannello.Cambia(IdAggEntrambiLati, 0);
    EXPECT_EQ(Edit.EntrambiLati, 0);
}

// Every edit by its id: accepted values are stored and shown as stored, refused ones put back
// without a message; the information box follows every edit; an accepted diameter shows the
// grips and redraws.
TEST_F(FrmAggiuntivaLogica, ModificheDellaGriglia) {
    // Ø12 anchors 62 cm: L = 10 x R((124 + 180) / 10) = 300; W 100. A refused value is told
    // with the item's name and the values it takes.
    const std::string rifiuto = "\nValore non accettato.";
    const std::string diametro = "\"Diametro [mm]\" accetta valori da 6 a 100." + rifiuto;
    const std::string passo = "\"Passo dir. 1 [cm]\" accetta valori da 4 a 200." + rifiuto;
    struct Caso {
        int32_t id;
        const char* testo;
        const char* mostrato;
        bool accettato;
        std::function<bool(const DialogoAggiuntiva&)> valore;
        std::string messaggio = {};
    } casi[] = {
        {IdAggDiametro, "6", " 6", true, [](auto&) { return Edit.ZonaCorrente.Diametro == 6; }},
        {IdAggDiametro, "5.9", " 12", false, nullptr, diametro},
        {IdAggDiametro, "12,5", " 12", true, [](auto&) { return Edit.ZonaCorrente.Diametro == 12; }},
        {IdAggDiametro, "13.5", " 14", true, [](auto&) { return Edit.ZonaCorrente.Diametro == 14; }},
        {IdAggDiametro, "40000", " 12", false, nullptr, diametro},
        {IdAggPasso, "4", "4", true, [](auto&) { return Edit.ZonaCorrente.Passo == 4; }},
        {IdAggPasso, "200", "200", true, [](auto&) { return Edit.ZonaCorrente.Passo == 200; }},
        {IdAggPasso, "3.9", "20", false, nullptr, passo},
        {IdAggPasso, "200.5", "20", false, nullptr, passo},
        {IdAggXCentro, "abc", "500.0", false, nullptr,
         "\"Coordinata X centro [cm]\" accetta valori da -10000000 a 10000000." + rifiuto},
        {IdAggXCentro, "-1250,5", "-1250.5", true, [](auto& d) { return d.XC == -1250.5f; }},
        {IdAggYCentro, "", "300.0", false, nullptr,
         "\"Coordinata Y centro [cm]\" accetta valori da -10000000 a 10000000." + rifiuto},
        // No longer than both anchorages.
        {IdAggLunghezza, "124", "300.0", false, nullptr,
         "\"Lunghezza ferri [cm]\" deve superare il doppio dell'ancoraggio (124 cm)." + rifiuto},
        {IdAggLunghezza, "125", "125.0", true, [](auto& d) { return d.L == 125; }},
        {IdAggLarghezza, "19.9", "100.0", false, nullptr,  // below the spacing
         "\"Larghezza tratto [cm]\" accetta valori non inferiori a 20." + rifiuto},
        {IdAggLarghezza, "20", "20.0", true, [](auto& d) { return d.W == 20; }},
        // A width typed is kept in whole spacings, as "Ok" stores it.
        {IdAggLarghezza, "130", "140.0", true, [](auto& d) { return d.W == 140; }},
    };
    const EditZone edit = Edit;
    const StatoVista vista = Vista;
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.id) + " \"" + c.testo + "\"");
        Edit = edit, Vista = vista;
        pp.Msg.Visti.clear();
        auto d = Apri();
        ASSERT_FLOAT_EQ(d->L, 300);
        const Zona prima = Edit.ZonaCorrente;
        const float L = d->L, W = d->W, XC = d->XC, YC = d->YC;
        infoMostrate = 0;
        Ridisegni = 0;
        EXPECT_EQ(pp.Pannello.Modifica(c.id, c.testo), c.mostrato);
        EXPECT_EQ(infoMostrate, 1);
        if (c.accettato) {
            EXPECT_TRUE(pp.Msg.Visti.empty());
        } else {
            ASSERT_EQ(pp.Msg.Visti.size(), 1u);
            EXPECT_EQ(pp.Msg.Visti[0].Testo, c.messaggio);
            EXPECT_EQ(pp.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(pp.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        }
        EXPECT_EQ(M.Zone.UltimaZona, -1);
        if (c.accettato) EXPECT_TRUE(c.valore(*d));
        else {
            EXPECT_EQ(Edit.ZonaCorrente.Diametro, prima.Diametro);
            EXPECT_EQ(Edit.ZonaCorrente.Passo, prima.Passo);
            EXPECT_EQ(Edit.ZonaCorrente.Passo2, prima.Passo2);
            for (int k = 0; k < 4; ++k) EXPECT_TRUE(StessoPunto(Edit.ZonaCorrente.Angoli[k], prima.Angoli[k].X, prima.Angoli[k].Y));
            EXPECT_EQ(d->L, L);
            EXPECT_EQ(d->W, W);
            EXPECT_EQ(d->XC, XC);
            EXPECT_EQ(d->YC, YC);
        }
        const bool diametro = c.id == IdAggDiametro && c.accettato;
        EXPECT_EQ(Vista.MostraManiglie, diametro ? 1 : 0);
        EXPECT_EQ(Ridisegni, diametro ? 1 : 0);
        if (diametro) {
            // The grips: corners 0 and 2 on the picture, and their midpoint.
            const RettangoloSelezione& r = Vista.RettSelezione;
            EXPECT_FLOAT_EQ(r.X1, XSchermo(410));
            EXPECT_FLOAT_EQ(r.Y1, YSchermo(350));
            EXPECT_FLOAT_EQ(r.X2, XSchermo(590));
            EXPECT_FLOAT_EQ(r.Y2, YSchermo(250));
            EXPECT_FLOAT_EQ(r.XC, (r.X1 + r.X2) / 2);
            EXPECT_FLOAT_EQ(r.YC, (r.Y1 + r.Y2) / 2);
        }
    }
    // The information follows an accepted spacing, and so does the width "Ok" will store: 100 cm
    // holds 4 spacings of 25 cm exactly.
    Edit = edit;
    auto d = Apri();
    pp.Pannello.Modifica(IdAggPasso, "25");
    EXPECT_NE(d->TestoInfo().find(Diam + " 12/25 "), std::string::npos);
    pp.Pannello.Modifica(IdAggPasso, "30");
    EXPECT_EQ(pp.Pannello.Voce(IdAggLarghezza)->Valore, "120.0");  // 3 spacings and 10 cm over a quarter
    EXPECT_FLOAT_EQ(d->W, 120);
}

TEST_F(FrmAggiuntivaLogica, InformazioniZonaDiBarre) {
    auto d = Apri();
    d->L = 260;
    d->W = 101;
    Edit.RichiestaMaxSel = 7;
    Edit.RichiestaMediaSel = 3;
    d->infoAA();
    const std::vector<std::string> righe = {
        " Info area:",
        " Armatura n. 1, lato sup., dir.1",
        " " + Diam + " 12/20   (5.65 cmq/m)   6 barre L =  260 cm",
        " Richiesta max: 7.0 cmq/m  (Mancano: 1.3 cmq/m)",
        " Richiesta media: 3.0 cmq/m  (In eccesso: 2.65 cmq/m)",
        "",
        "",
    };
    EXPECT_EQ(RigheRTF(d->TestoInfo()), righe);
    const auto tratti = TrattiRTF(d->TestoInfo());
    const auto mancano = TrattoCon(tratti, "Mancano: 1.3");
    ASSERT_TRUE(mancano);
    EXPECT_EQ(mancano->Colore, 1);
    EXPECT_TRUE(mancano->Grassetto);
    EXPECT_EQ(TrattoCon(tratti, " Info area:")->Colore, 0);
    EXPECT_EQ(d->TestoInfo().rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(d->TestoInfo().find("\\fs16"), std::string::npos);
    EXPECT_EQ(d->TestoInfo().find("\\fs2"), std::string::npos);

    // Provided exactly as required: nothing in excess, "Mancano: 0.0" in red.
    Edit.RichiestaMaxSel = AreaBarra(12) * 100 / 20;
    d->infoAA();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[3], " Richiesta max: 5.7 cmq/m  (Mancano: 0.0 cmq/m)");
    ASSERT_TRUE(TrattoCon(TrattiRTF(d->TestoInfo()), "Mancano: 0.0"));
    EXPECT_EQ(TrattoCon(TrattiRTF(d->TestoInfo()), "Mancano: 0.0")->Colore, 1);

    // A strip narrower than the spacing.
    d->W = 19;
    d->infoAA();
    EXPECT_EQ(d->NumFerri, 1);
    EXPECT_EQ(RigheRTF(d->TestoInfo())[2], " " + Diam + " 12/20   (5.65 cmq/m)  Errore: passo > larghezza!");
    const auto errore = TrattoCon(TrattiRTF(d->TestoInfo()), "Errore: passo > larghezza!");
    ASSERT_TRUE(errore);
    EXPECT_EQ(errore->Colore, 1);
    EXPECT_FALSE(errore->Grassetto);

    // One central mesh names no face; a lower-face zone in direction 2 at index 2.
    M.Progetto.MagliaUnica = -1;
    d->infoAA();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[1], " Armatura n. 1, dir.1");
    M.Progetto.MagliaUnica = 0;
    Edit.ZonaCorrente.Tipo = 1;
    Edit.ZonaCorrente.Direzione = 1;
    Edit.ZonaSelezionata = 2;
    d->infoAA();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[1], " Armatura n. 3, lato inf., dir.2");
}

TEST_F(FrmAggiuntivaLogica, InformazioniPioli) {
    Edit.ZonaCorrente.Tipo = 3;
    Edit.ZonaCorrente.Passo2 = 25;
    Edit.RichiestaMaxSel = 30;
    Edit.RichiestaMediaSel = 12.5f;
    auto d = Apri();
    const std::vector<std::string> righe = {
        " Info area:",
        " Pioli " + Diam + " 12 passo 25 x20",
        " Area = 22.62 cmq/mq",
        " Richiesta max: 30.0 cmq/mq",
        " Richiesta media: 12.5 cmq/mq",
        " Mancano per richiesta max: 7.4 cmq/mq",
        "",
    };
    EXPECT_EQ(RigheRTF(d->TestoInfo()), righe);
    const auto mancano = TrattoCon(TrattiRTF(d->TestoInfo()), " Mancano per richiesta max: 7.4");
    ASSERT_TRUE(mancano);
    EXPECT_EQ(mancano->Colore, 1);
    EXPECT_TRUE(mancano->Grassetto);
    Edit.RichiestaMaxSel = 20;
    d->infoAA();
    EXPECT_EQ(RigheRTF(d->TestoInfo())[5], " In eccesso per richiesta max: 2.62 cmq/mq");

    // A spacing of 0 from a file: no area to show or compare, no infinity.
    Edit.ZonaCorrente.Passo2 = 0;
    d->infoAA();
    const std::vector<std::string> senzaArea = {
        " Info area:", " Pioli " + Diam + " 12 passo 0 x20", " Richiesta max: 20.0 cmq/mq",
        " Richiesta media: 12.5 cmq/mq", "", "",
    };
    EXPECT_EQ(RigheRTF(d->TestoInfo()), senzaArea);
}

// "Ok" on a strip of a single bar: the message, the zone not confirmed, the dialog kept with the
// width to correct.
TEST_F(FrmAggiuntivaLogica, OkConUnaSolaBarra) {
    auto d = Apri();
    pp.Pannello.Modifica(IdAggLarghezza, "20");
    pp.Pannello.Modifica(IdAggPasso, "100");
    ASSERT_EQ(d->NumFerri, 1);
    Vista.ModoComando = 100;
    EXPECT_FALSE(d->Ok());
    ASSERT_EQ(pp.Msg.Visti.size(), 1u);
    EXPECT_EQ(pp.Msg.Visti[0].Testo, "La larghezza del tratto di armatura integrativa è minore del passo!");
    EXPECT_EQ(pp.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(pp.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(d->VoceRifiutata, IdAggLarghezza);
    EXPECT_EQ(Edit.ZonaConfermata, 0);
    EXPECT_EQ(ErroreOperazione, -1) << "still open: closing it cancels";
    EXPECT_EQ(Vista.ModoComando, 100);
    EXPECT_EQ(Undo.UndoCorrente, 0) << "the dialog changes no stored zone: no step";
    EXPECT_EQ(M.Zone.UltimaZona, -1);
}

// "Ok" rebuilds the selection from the centre, the bars less both anchorages and the width,
// and the outline from it.
TEST_F(FrmAggiuntivaLogica, OkRicostruisceLaSelezione) {
    Edit.ZonaCorrente.Diametro = 8;
    Edit.ZonaCorrente.Passo = 15;
    Angoli(100, 60, 480, 310);
    auto d = Apri();
    ASSERT_EQ(d->Ancoraggio, 42);
    pp.Pannello.Modifica(IdAggLunghezza, "260");
    pp.Pannello.Modifica(IdAggLarghezza, "76");
    pp.Pannello.Modifica(IdAggXCentro, "500");
    pp.Pannello.Modifica(IdAggYCentro, "300");
    d->Ok();
    EXPECT_TRUE(pp.Msg.Visti.empty());
    EXPECT_EQ(Edit.ZonaConfermata, -1);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(Undo.UndoCorrente, 0) << "the caller's store takes the step";
    const Zona& z = Edit.ZonaCorrente;
    EXPECT_TRUE(HaAngolo(z, 412, 262));
    EXPECT_TRUE(HaAngolo(z, 588, 338));
    EXPECT_TRUE(StessoPunto(z.Angoli[0], 412, 338));  // clockwise from the top left
    EXPECT_TRUE(StessoPunto(z.Angoli[1], 588, 338));
    // The outline: the selection grown by the anchorage along the bars.
    ASSERT_EQ(Edit.UltVertZonaCorr, 3);
    float xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
    for (int i = 0; i <= 3; ++i) {
        xmin = std::min(xmin, Edit.ContornoZonaCorr[i].X), xmax = std::max(xmax, Edit.ContornoZonaCorr[i].X);
        ymin = std::min(ymin, Edit.ContornoZonaCorr[i].Y), ymax = std::max(ymax, Edit.ContornoZonaCorr[i].Y);
    }
    EXPECT_FLOAT_EQ(xmin, 370);
    EXPECT_FLOAT_EQ(xmax, 630);
    EXPECT_FLOAT_EQ(ymin, 262);
    EXPECT_FLOAT_EQ(ymax, 338);
    EXPECT_EQ(M.Zone.UltimaZona, -1);  // the caller stores it
}

// A diameter changed in the dialog brings its own anchorage: the bars keep the length typed.
TEST_F(FrmAggiuntivaLogica, IlDiametroPortaIlSuoAncoraggio) {
    auto d = Apri();
    pp.Pannello.Modifica(IdAggDiametro, "16");
    ASSERT_EQ(d->Ancoraggio, CalcAncoraggio(16));
    pp.Pannello.Modifica(IdAggLunghezza, "400");
    d->Ok();
    ASSERT_EQ(Edit.ZonaConfermata, -1);
    const float lungo = Edit.ZonaCorrente.Angoli[1].X - Edit.ZonaCorrente.Angoli[0].X;
    EXPECT_FLOAT_EQ(lungo, 400 - 2 * CalcAncoraggio(16));
}

// Where no outline results, "Ok" refuses the zone with a message that asks for the values to be
// corrected; the zone under edit stays as it was, the dialog open on the centre.
TEST_F(FrmAggiuntivaLogica, OkSenzaContorno) {
    const std::string fuori = MsgZonaDialogo(EsitoContorno::NienteInComune);
    struct Caso {
        const char* nome;
        std::function<void(DialogoAggiuntiva&)> prepara;
        std::string messaggio;
        int32_t voce;
    } casi[] = {
        {"centro fuori dalla soletta", [this](auto&) { pp.Pannello.Modifica(IdAggXCentro, "5000"); }, fuori,
         IdAggXCentro},
        {"centro lontanissimo", [this](auto&) { pp.Pannello.Modifica(IdAggXCentro, "-9999999"); }, fuori,
         IdAggXCentro},
        {"direzioni parallele", [](auto&) { M.Progetto.AngoloDir2 = 0; }, MsgZonaDialogo(EsitoContorno::Degenere),
         -1},
        {"divisa da un foro",
         [](auto&) { M = SolettaProva(Soletta1000x600, {{{480, 100}, {480, 500}, {520, 500}, {520, 100}}}); },
         MsgZonaDialogo(EsitoContorno::PiuParti), IdAggXCentro},
    };
    const EditZone edit = Edit;
    const Modello modello = M;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        M = modello, Edit = edit;
        Undo = StatoUndo{};
        pp.Msg.Visti.clear();
        auto d = Apri();
        c.prepara(*d);
        M.Progetto.CartellaLavoro = cartella.Percorso();
        const Zona prima = Edit.ZonaCorrente;
        EXPECT_FALSE(d->Ok());
        ASSERT_EQ(pp.Msg.Visti.size(), 1u);
        EXPECT_EQ(pp.Msg.Visti[0].Testo, c.messaggio);
        EXPECT_EQ(pp.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(pp.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(d->VoceRifiutata, c.voce);
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(StessoPunto(Edit.ZonaCorrente.Angoli[k], prima.Angoli[k].X, prima.Angoli[k].Y)) << k;
        EXPECT_EQ(Edit.ZonaConfermata, 0);
        EXPECT_EQ(ErroreOperazione, -1);
        EXPECT_EQ(Undo.UndoCorrente, 0);
        EXPECT_EQ(M.Zone.UltimaZona, -1);
        for (const Punto& p : Edit.ZonaCorrente.Angoli) EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    }
}

TEST_F(FrmAggiuntivaLogica, RicalcolaPasso) {
    Edit.RichiestaMaxSel = 10;
    auto d = Apri();
    d->RicalcolaPasso();
    EXPECT_FLOAT_EQ(Edit.ZonaCorrente.Passo, 11);
    EXPECT_EQ(pp.Pannello.Voce(IdAggPasso)->Valore, "11");
    EXPECT_NE(d->TestoInfo().find("12/11 "), std::string::npos);

    Edit.ZonaCorrente.Tipo = 3;
    Edit.RichiestaMaxSel = 20;
    d->RicalcolaPasso();
    EXPECT_FLOAT_EQ(Edit.ZonaCorrente.Passo, 23);
    EXPECT_FLOAT_EQ(Edit.ZonaCorrente.Passo2, 23);
    EXPECT_EQ(pp.Pannello.Voce(IdAggPasso2)->Valore, "23");
    EXPECT_EQ(Undo.UndoCorrente, 0);
}

TEST_F(FrmAggiuntivaLogica, ModificaPerimetroEAnnulla) {
    {
        auto d = Apri();
        d->ModificaPerimetro();
        EXPECT_EQ(Vista.ModoComando, 200);
        EXPECT_EQ(Edit.MantieniRiferimento, -1);
        EXPECT_EQ(pp.Finestra.Prompt,
                  "Trascina i vertici o trasla la selezione, poi premi il pulsante destro del mouse o Enter per "
                  "concludere la modifica.");
        EXPECT_EQ(ErroreOperazione, -1);
        EXPECT_EQ(Edit.ZonaConfermata, 0);
        EXPECT_FLOAT_EQ(Vista.RettSelezione.X1, XSchermo(410));
        EXPECT_FLOAT_EQ(Vista.RettSelezione.Y2, YSchermo(250));
    }
    for (int modo : {0, 100, 450}) {
        Vista.ModoComando = modo;
        auto d = Apri();
        ErroreOperazione = 0;
        d->Annulla();
        EXPECT_EQ(Vista.ModoComando, 0);
        EXPECT_EQ(ErroreOperazione, -1);
        EXPECT_EQ(Edit.ZonaConfermata, 0);
    }
    EXPECT_EQ(Undo.UndoCorrente, 0);
    EXPECT_TRUE(pp.Msg.Visti.empty());
}

// The dialog goes through the main window, whose script acts as the user; the handlers leave
// the panel with the dialog.
TEST_F(FrmAggiuntivaLogica, AttraversoLaFinestra) {
    pp.Finestra.CopioneAggiuntiva = [this] {
        DialogoAggiuntiva d(pp.Pannello);
        d.Apri();
        EXPECT_TRUE(pp.Pannello.DopoModifica != nullptr);
        pp.Pannello.Modifica(IdAggDiametro, "14");
        d.Ok();
    };
    ApriFrmAggiuntiva();
    EXPECT_EQ(pp.Finestra.AperteAggiuntiva, 1);
    EXPECT_EQ(Edit.ZonaCorrente.Diametro, 14);
    EXPECT_EQ(Edit.ZonaConfermata, -1);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(pp.Pannello.DopoModifica == nullptr);
    EXPECT_TRUE(pp.Pannello.ValoreCambiato == nullptr);

    // No window: as cancelled.
    Piatt.Finestra = nullptr;
    ApriFrmAggiuntiva();
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(Edit.ZonaConfermata, 0);
}

TEST(LarghezzaTratto, ArrotondataAiPassi) {
    const struct {
        float W, passo, atteso;
    } casi[] = {
        {106, 20, 120}, {104, 20, 101}, {105, 20, 101}, {105.1f, 20, 120},
        {10, 20, 20},  // no whole spacing, but more than a quarter of one: two bars
        {4, 20, 1},    // a single bar
        // Whole spacings, or whole spacings and 1 cm, stay: rounded once, a width is kept.
        {100, 20, 100}, {101, 20, 101}, {120, 20, 120}, {100, 12.5f, 100}, {88.5f, 12.5f, 88.5f},
        // Spacings counted in the real width: 384.4 holds 31 spacings of 12.4, not 32.
        {384.4f, 12.4f, 384.4f}, {380, 12.4f, 384.4f},
    };
    for (const auto& c : casi) {
        EXPECT_FLOAT_EQ(ArrotondaLarghezza(c.W, c.passo), c.atteso) << c.W << " " << c.passo;
        // Once rounded, a width comes back unchanged.
        const float w = ArrotondaLarghezza(c.W, c.passo);
        EXPECT_FLOAT_EQ(ArrotondaLarghezza(w, c.passo), w) << c.W << " " << c.passo;
    }
    EXPECT_FLOAT_EQ(ArrotondaLarghezza(50, 0), 50);  // no spacing: unchanged
}
