// The zone commands on the sample slab, driven as the user drives them: each keeps its own kind
// through refusals, redraws and view changes; redrawing a view changes nothing a command reads;
// the rubber band shows the figures the dialog then shows and stores; the stud sequence; the
// column-zone prompt ends with its command.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "app/BarreComandi.h"
#include "app/DialogoAggiuntiva.h"
#include "app/DialogoCordoli.h"
#include "app/EseguiComandi.h"
#include "app/InfoArmature.h"
#include "app/MouseProva.h"
#include "app/MouseVideo.h"
#include "app/ProgettoProva.h"
#include "app/SceltaVista.h"
#include "app/ZonePilastri.h"
#include "base/Formati.h"
#include "design/PioliZona.h"
#include "model/FileArmature.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

void Vista3(int vista, int lato, int dir) {
    Vista.VistaScelta = vista;
    Option1_Click(lato);
    Option2_Click(dir);
}

// Every map drawn: each side and direction of the arrangement, requirement and excess views.
void OgniMappa() {
    for (int vista : {3, 4, 5})
        for (int lato : {0, 1, 2})
            for (int dir : {0, 1}) Vista3(vista, lato, dir);
}

// The multiple-insertion dialog confirmed with one direction on the face given.
class Multi : public DialogoAggMulti {
public:
    int Lato = 0;
    void Mostra() override {
        AggMulti = DatiAggMulti{};
        AggMulti.ApplicaDirMulti = {true, false};
        Edit.LatoMulti = Lato;
        ErroreOperazione = 0;
    }
};

struct ZoneProva : EseguiProva {
    PannelloRegistrato griglia;
    Multi multi;
    // The kind of dialog each zone dialog opened on, in order: "A" integrative (with its items),
    // "C" curb.
    std::vector<std::string> dialoghi;
    void Prepara() {
        M = Modello{};
        PulisciUndo();
        ASSERT_EQ(CaricaProgetto(a), 0);
        ImpostaColori();
        Piatt.FrmAggMulti = &multi;
        p.Finestra.CopioneAggiuntiva = [this] {
            DialogoAggiuntiva d(griglia);
            d.Apri();
            std::string voci = "A";
            for (const std::string& t : griglia.Titoli()) voci += "|" + t;
            dialoghi.push_back(voci);
            d.Ok();
        };
        p.Finestra.CopioneCordoli = [this] {
            DialogoCordoli d(griglia);
            d.Apri();
            dialoghi.push_back("C");
            d.Ok();
        };
    }
    void TearDown() override {
        Piatt.FrmAggMulti = nullptr;
        EseguiProva::TearDown();
    }
};

}  // namespace

// Each zone command, in each view where it is available: a refusal, every map drawn, its view
// again, then a valid placement give a zone of the command's own kind, through that kind's
// dialog.
TEST_F(ZoneProva, OgniComandoTieneIlSuoTipo) {
    enum Genere { Rettangolo, Cordolo, Pilastri };
    struct Caso {
        int32_t comando;
        int vista, lato, dir;
        Genere genere;
        int tipo, direzione;  // of the zones made
        const char* dialogo;  // the first item list seen ("" for none)
    };
    const IdentificatoriComandi& c = Comandi;
    const std::string faccia = "A|Diametro [mm]|Passo dir. 1 [cm]|Coordinata X centro [cm]";
    const std::string pioli = "A|Diametro [mm]|Passo dir. 1 [cm]|Passo dir. 2 [cm]";
    const std::vector<Caso> casi = {
        {c.IdInsIntegrativa, 3, 0, 0, Rettangolo, 0, 0, faccia.c_str()},
        {c.IdInsIntegrativa, 3, 0, 1, Rettangolo, 0, 1, faccia.c_str()},
        {c.IdInsIntegrativa, 3, 1, 0, Rettangolo, 1, 0, faccia.c_str()},
        {c.IdInsIntegrativa, 3, 1, 1, Rettangolo, 1, 1, faccia.c_str()},
        {c.IdArmTaglio, 3, 2, 0, Rettangolo, 3, 0, pioli.c_str()},
        {c.IdCordoli, 3, 0, 0, Cordolo, 2, 0, "C"},
        {c.IdCordoli, 3, 1, 1, Cordolo, 2, 0, "C"},
        {c.IdCordoli, 3, 2, 0, Cordolo, 2, 0, "C"},
        {c.IdArmPilastri, 3, 0, 1, Pilastri, 1, 0, ""},
        {c.IdArmPilastri, 4, 1, 0, Pilastri, 0, 0, ""},
        {c.IdArmPilastri, 5, 2, 0, Pilastri, 1, 0, ""},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(std::to_string(k.comando) + " in " + std::to_string(k.vista) + "/" + std::to_string(k.lato) + "/" +
                     std::to_string(k.dir));
        Prepara();
        dialoghi.clear();
        multi.Lato = k.tipo;
        Vista3(k.vista, k.lato, k.dir);
        ASSERT_EQ(CommandBars_Update(k.comando).Abilitato.value_or(false), true) << "available in this view";
        CommandBars_Execute(k.comando);
        p.Msg.Visti.clear();
        // Refused: a rectangle too small, a click on no side, a window with no column.
        switch (k.genere) {
            case Rettangolo: Trascina(150, 200, 160, 400); break;
            case Cordolo: Premi(450, 450); break;
            case Pilastri:
                Premi(100, 100);
                Premi(300, 300);
                break;
        }
        if (k.genere != Cordolo) {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
        }
        OgniMappa();
        Vista3(k.vista, k.lato, k.dir);
        // The command again where the refusal ended it: the right button repeats it.
        if (Vista.ModoComando == Modo::Idle) Picture1_MouseDown(2, 0, 0);
        switch (k.genere) {
            case Rettangolo: Trascina(450, 200, 750, 500); break;
            case Cordolo: Premi(0, 450); break;
            case Pilastri:
                Premi(500, 350);
                Premi(700, 550);
                break;
        }
        ASSERT_GE(M.Zone.UltimaZona, 0) << "a zone was made";
        for (int i = 0; i <= M.Zone.UltimaZona; ++i) {
            EXPECT_EQ(M.Zone.Zone[i].Tipo, k.tipo) << i;
            if (k.tipo < 2) {
                EXPECT_EQ(M.Zone.Zone[i].Direzione, k.direzione) << i;
            }
        }
        if (*k.dialogo) {
            ASSERT_EQ(dialoghi.size(), 1u);
            EXPECT_EQ(dialoghi[0].rfind(k.dialogo, 0), 0u) << dialoghi[0];
        }
    }
}

// Drawing any view again changes nothing that a command reads: the view's state, the zone
// being edited and the command's, the map range, the model (a stud zone's count among it).
TEST_F(ZoneProva, RidisegnareNonCambiaNiente) {
    Prepara();
    CommandBars_Execute(Comandi.IdArmTaglio);
    Edit.ZonaCorrente.Tipo = 3, Edit.ZonaCorrente.Direzione = 1;
    // A stud zone whose stored count is not yet the drawn one.
    Vista3(3, 2, 0);
    Trascina(450, 200, 750, 500);
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    M.Zone.Zone[0].NumBracci = 0;
    auto stato = [] {
        const StatoVista& v = Vista;
        std::string s;
        for (int x : {v.TipoZonaAttivo, v.DirezioneAttiva, v.CodiceVista, v.TipoMappa, v.PiantaCorrente, v.ModoComando,
                      v.ModoInfo, v.LatoEvidenziato, v.NodoSelezionato, Edit.TipoNuovaZona, Edit.DirezioneNuovaZona,
                      Edit.ZonaCorrente.Tipo, Edit.ZonaCorrente.Direzione, Edit.ZonaSelezionata})
            s += std::to_string(x) + " ";
        s += FormatNum(Mappa.ScalaMin, 4) + " " + FormatNum(Mappa.ScalaMax, 4) + "\n";
        return s + dump::StampaModello(M);
    };
    for (int vista = 0; vista <= 5; ++vista)
        for (int lato : {0, 1, 2})
            for (int dir : {0, 1}) {
                SCOPED_TRACE(std::to_string(vista) + "/" + std::to_string(lato) + "/" + std::to_string(dir));
                Vista3(vista, lato, dir);
                CommandBars_Execute(Comandi.IdArmTaglio);
                Edit.ZonaCorrente.Tipo = 3, Edit.ZonaCorrente.Direzione = 1;
                const std::string prima = stato();
                Ridisegna(0);
                Ridisegna(0);
                EXPECT_EQ(stato(), prima);
            }
}

// The rubber band shows the bar length and the width the dialog then shows, and "Ok" stores
// exactly those, with the centre shown.
TEST_F(ZoneProva, ElasticoDialogoEZonaDiconoLoStesso) {
    Prepara();
    DialogoAggiuntiva* aperto = nullptr;
    float L = 0, W = 0, XC = 0, YC = 0;
    int ancoraggio = 0;
    p.Finestra.CopioneAggiuntiva = [&] {
        DialogoAggiuntiva d(griglia);
        aperto = &d;
        d.Apri();
        L = d.L, W = d.W, XC = d.XC, YC = d.YC, ancoraggio = d.Ancoraggio;
        EXPECT_EQ(griglia.Voce(IdAggXCentro)->Valore, FormatNum(XC, 1));
        EXPECT_EQ(griglia.Voce(IdAggLarghezza)->Valore, FormatNum(W, 1));
        EXPECT_TRUE(d.Ok());
    };
    Vista3(3, 0, 0);
    CommandBars_Execute(Comandi.IdInsIntegrativa);
    // A width that is no whole number of spacings, and a centre on a half centimetre.
    Premi(451, 203);
    Muovi(750, 497);
    std::vector<std::string> testi;
    for (const auto& t : p.Video.Di("TestoRuotato")) testi.push_back(t.Testo);
    Rilascia(750, 497);
    ASSERT_NE(aperto, nullptr);
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    ASSERT_GE(testi.size(), 2u);
    // Bars along direction 1: the side along x shows the bar length, the side along y the width.
    EXPECT_EQ(testi[testi.size() - 2], FormatNumVar(L, 1));
    EXPECT_EQ(testi[testi.size() - 1], FormatNumVar(W, 1));
    // 294 cm across, in whole spacings of 20 cm: the band shows 300, not its own side.
    EXPECT_FLOAT_EQ(W, 300);
    const Zona& z = M.Zone.Zone[0];
    EXPECT_FLOAT_EQ((z.Angoli[0].X + z.Angoli[2].X) / 2, XC);
    EXPECT_FLOAT_EQ((z.Angoli[0].Y + z.Angoli[2].Y) / 2, YC);
    EXPECT_FLOAT_EQ(z.XMax - z.XMin + 2 * static_cast<float>(ancoraggio), L);
    EXPECT_FLOAT_EQ(z.YMax - z.YMin, W);
}

// "Inserisci armatura a taglio" in the shear view: a selection without nodes refused, then a
// valid one: the stud dialog, a zone of kind 3 with its count, stored so in the file.
TEST_F(ZoneProva, SequenzaDeiPioli) {
    Prepara();
    std::string voci;
    p.Finestra.CopioneAggiuntiva = [&] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        for (const std::string& t : griglia.Titoli()) voci += t + "|";
        d.Ok();
    };
    Vista3(3, 2, 0);
    CommandBars_Execute(Comandi.IdArmTaglio);
    Trascina(1150, 720, 1190, 780);  // in the notch: no node
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "La selezione deve contenere almeno un nodo");
    Trascina(450, 200, 750, 500);
    EXPECT_EQ(voci, "Diametro [mm]|Passo dir. 1 [cm]|Passo dir. 2 [cm]|");
    EXPECT_EQ(p.Finestra.AperteCordoli, 0);
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    const Zona& z = M.Zone.Zone[0];
    EXPECT_EQ(z.Tipo, 3);
    EXPECT_GT(z.NumBracci, 0);
    EXPECT_EQ(z.NumBracci, NumeroPioli(M, 0)) << "the count is the zone's own from the start";
    EXPECT_NE(TestoInfoArm(M).find(" Pos. 1:\\tab 1 "), std::string::npos);
    // Saved: kind 3 and the count on the zone's line.
    const std::string testo = TestoArmature(M);
    EXPECT_TRUE(std::regex_search(testo, std::regex("\r\n 3 +" + std::to_string(z.NumBracci) + " ")));
}

// A new curb made right after a stud zone takes none of its record: its legs are those of a curb
// made first.
TEST_F(ZoneProva, CordoloNuovoDopoIPioli) {
    auto cordolo = [&] {
        Vista3(3, 0, 0);
        CommandBars_Execute(Comandi.IdCordoli);
        Premi(0, 450);
        EXPECT_EQ(p.Finestra.AperteCordoli, 1);
        p.Finestra.AperteCordoli = 0;
        return M.Zone.Zone.at(static_cast<size_t>(M.Zone.UltimaZona));
    };
    Prepara();
    const Zona primo = cordolo();
    ASSERT_EQ(primo.Tipo, 2);
    Prepara();
    Vista3(3, 2, 0);
    CommandBars_Execute(Comandi.IdArmTaglio);
    Trascina(450, 200, 750, 500);
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    ASSERT_NE(M.Zone.Zone[0].NumBracci, primo.NumBracci) << "a stud count unlike a curb's legs";
    const Zona dopo = cordolo();
    ASSERT_EQ(M.Zone.UltimaZona, 1);
    EXPECT_EQ(dopo.Tipo, 2);
    EXPECT_EQ(dopo.NumBracci, primo.NumBracci);
    EXPECT_EQ(dopo.Passo, primo.Passo);
    EXPECT_EQ(dopo.Diametro, primo.Diametro);
}

// The column-zone command's prompt goes when the command ends.
TEST_F(ZoneProva, PromptDeiPilastri) {
    Prepara();
    Vista3(3, 0, 0);
    CommandBars_Execute(Comandi.IdArmPilastri);
    EXPECT_NE(p.Finestra.Prompt, "");
    Premi(500, 350);
    Premi(700, 550);
    ASSERT_GE(M.Zone.UltimaZona, 0);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(p.Finestra.Prompt, "");
}
