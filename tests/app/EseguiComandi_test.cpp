#include "app/EseguiComandi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <filesystem>

#include "app/BarreComandi.h"
#include "app/CaricaProgetto.h"
#include "app/DialogoProgettoDiffusa.h"
#include "app/DoppioClicZona.h"
#include "app/MouseVideo.h"
#include "app/PannelloDiffusa.h"
#include "app/SceltaVista.h"
#include "app/Undo.h"
#include "design/ArchivioZone.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "base/Formati.h"
#include "model/Estensioni.h"
#include "model/FileArmature.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "report/Mod_RTF.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "app/ProgettoProva.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;


TEST_F(EseguiProva, ComandiRipetibili) {
    const std::string zona =
        "Premi il pulsante sinistro del mouse per inserire il primo vertice e rilascialo per completare la "
        "selezione della zona da armare.";
    const std::string pilastri =
        "Individua le zone dei pilastri dove inserire una nuova armatura aggiuntiva con un rettangolo di "
        "selezione che li comprende.";
    const std::string pali =
        "Individua le zone dei pali dove inserire una nuova armatura aggiuntiva con un rettangolo di "
        "selezione che li comprende.";
    const std::string copia = "Seleziona l'armatura da copiare";
    const std::string sposta = "Seleziona e trascina nella nuova posizione l'armatura da spostare";
    const std::string uguale = "(prima)";
    const IdentificatoriComandi& c = Comandi;
    struct Caso {
        int32_t Id;
        int Modo;  // -1: unchanged
        bool SpegneInfo;
        bool AzzeraEvidenziato;
        std::string Prompt;
    };
    const Caso casi[] = {
        {c.IdInsIntegrativa, 32, true, false, zona},    {c.IdArmPilastri, 490, true, false, pilastri},
        {c.IdArmPali, 492, true, false, pali},           {c.IdCordoli, 42, true, false, uguale},
        {c.IdArmTaglio, 52, true, false, uguale},        {c.IdQuotaOrizz, 2000, false, false, uguale},
        {c.IdQuotaVert, 3000, false, false, uguale},     {c.IdQuotaAllin, 4000, false, false, uguale},
        {c.IdQuotaContinua, 5000, false, false, uguale}, {c.IdCancellaQuota, 6000, false, true, uguale},
        {c.IdSpostaQuota, 7000, false, true, uguale},    {c.IdVisQuota, 7005, false, true, uguale},
        {c.IdRiferimento, 300, false, true, uguale},     {c.IdTrascina, 4, false, false, uguale},
        {c.IdPerimetro, -1, false, false, uguale},       {c.IdSezione1, 400, false, false, uguale},
        {c.IdSezione2, 403, false, false, uguale},       {c.IdCancellaSez, 408, false, true, uguale},
        {c.IdSpostaSez, 410, false, true, uguale},       {c.IdCopia, 430, true, true, copia},
        {c.IdCopiaLato, 450, true, true, copia},         {c.IdSposta, 440, true, true, sposta},
        {c.IdCancellaArm, 420, true, true, uguale},
    };
    ASSERT_EQ(std::size(casi), 23u);
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Id);
        Vista.ModoComando = 77;
        Vista.ModoPrecedente = 0;
        Vista.ModoInfo = -1;
        Vista.ElementoEvidenziato = 9;
        Vista.UltimoComando = 0;
        Vista.TipoZonaAttivo = 1;
        Vista.RettTrascina = RettangoloTrascina{5, 6, 7, 8};
        Vista.RettFocus = RECT{1, 2, 3, 4};
        M.Zone.DiamIntegrativa = 18;
        M.SezQuote.UltimaQuota = 0;
        M.SezQuote.Quote.assign(1, Quota{});
        Quotatura.QuotaSelezionata = 0;
        Edit.ZonaCorrente = Zona{};
        p.Finestra.Prompt = uguale;

        CommandBars_Execute(k.Id);

        EXPECT_EQ(Vista.UltimoComando, k.Id);
        EXPECT_EQ(Vista.ModoComando, k.Modo < 0 ? 77 : k.Modo);
        EXPECT_EQ(Vista.ModoInfo, k.SpegneInfo ? 0 : -1);
        EXPECT_EQ(Vista.ElementoEvidenziato, k.AzzeraEvidenziato ? -1 : 9);
        EXPECT_EQ(p.Finestra.Prompt, k.Prompt);
        if (k.Id == c.IdInsIntegrativa) {
            EXPECT_EQ(Edit.ZonaCorrente.Diametro, 18);
            EXPECT_EQ(Edit.ZonaCorrente.Tipo, 1);
        }
        if (k.Id == c.IdArmTaglio) {
            EXPECT_EQ(Edit.ZonaCorrente.Diametro, Imp.DiamPioli);
            EXPECT_EQ(Edit.ZonaCorrente.Tipo, 3);
        }
        // A zone command keeps its own kind; the view's face stays the view's.
        EXPECT_EQ(Vista.TipoZonaAttivo, 1);
        if (k.Id == c.IdInsIntegrativa || k.Id == c.IdCordoli || k.Id == c.IdArmTaglio) {
            EXPECT_EQ(Edit.TipoNuovaZona, k.Id == c.IdCordoli ? 2 : k.Id == c.IdArmTaglio ? 3 : 1);
        }
        if (k.Id == c.IdArmPilastri || k.Id == c.IdArmPali) {
            EXPECT_EQ(Vista.RettTrascina.X0, -1);
            EXPECT_EQ(Vista.RettTrascina.X1 + Vista.RettTrascina.Y0 + Vista.RettTrascina.Y1, 0);
            EXPECT_EQ(Vista.RettFocus.left + Vista.RettFocus.top + Vista.RettFocus.right + Vista.RettFocus.bottom, 0);
        } else {
            EXPECT_EQ(Vista.RettTrascina.X0, 5);
        }
        EXPECT_EQ(Vista.ModoPrecedente, k.Id == c.IdTrascina ? 77 : 0);
        EXPECT_EQ(Quotatura.QuotaSelezionata, k.Id == c.IdQuotaContinua ? -1 : 0);
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(EseguiProva, RegoleDiRipetizione) {
    // A direct command clears the command the right button repeats; a file command keeps it.
    CommandBars_Execute(Comandi.IdCopia);
    CommandBars_Execute(Comandi.IdZoom);
    EXPECT_EQ(Vista.UltimoComando, 0);
    EXPECT_EQ(Vista.ModoComando, 2);
    EXPECT_EQ(Vista.ModoInfo, 0);

    ASSERT_EQ(CaricaProgetto(a), 0);
    CommandBars_Execute(Comandi.IdSposta);
    CommandBars_Execute(Comandi.IdSalva);
    EXPECT_EQ(Vista.UltimoComando, Comandi.IdSposta);
    EXPECT_TRUE(fs::exists(dir / "A/SOL1.QV0")) << "saved without a question";
    EXPECT_TRUE(p.Msg.Visti.empty());

    // An identifier no control carries: only the repeat is gone.
    const std::string modello = dump::StampaModello(M);
    const int ridisegni = Ridisegni();
    const std::string prompt = p.Finestra.Prompt;
    for (int32_t id : {int32_t{9999}, IdDaOffset(124), IdDaOffset(126)}) {
        CommandBars_Execute(Comandi.IdSposta);
        CommandBars_Execute(id);
        EXPECT_EQ(Vista.UltimoComando, 0) << id;
        EXPECT_EQ(Vista.ModoComando, 440);
    }
    EXPECT_EQ(dump::StampaModello(M), modello);
    EXPECT_EQ(Ridisegni(), ridisegni);
    EXPECT_EQ(p.Finestra.Prompt, prompt);
}

TEST_F(EseguiProva, QuotaturaContinuaSenzaQuote) {
    Vista.ModoComando = 430;
    CommandBars_Execute(Comandi.IdQuotaContinua);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Non sono presenti quote a cui agganciarsi");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(Vista.ModoComando, 430);
    EXPECT_EQ(Vista.UltimoComando, Comandi.IdQuotaContinua) << "the right button shows it again";
}

TEST_F(EseguiProva, QuotaturaAutomatica) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    M.SezQuote = SezioniQuote{};
    const int u0 = Undo.UndoCorrente;
    CommandBars_Execute(Comandi.IdQuotaAuto);
    EXPECT_TRUE(p.Msg.Visti.empty()) << "no dimensions: no question";
    const int automatiche = M.SezQuote.UltimaQuota;
    ASSERT_GE(automatiche, 0);
    EXPECT_EQ(Undo.UndoCorrente, u0 + 1);

    // With dimensions: No keeps them, the snapshot stays; Yes replaces them.
    M.SezQuote.Quote.resize(static_cast<size_t>(++M.SezQuote.UltimaQuota) + 1);
    M.SezQuote.Quote.back() = Quota{1, 2, 3, 4, "a mano", 2, 5, 6, 7, 8};
    const std::string prima = dump::StampaModello(M);
    p.Msg.Risposte.push_back(RispostaMsg::No);
    CommandBars_Execute(Comandi.IdQuotaAuto);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "La quotatura automatica annuller\xC3\xA0 le quote esistenti.\nProcedere?");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Nessuna);
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
    EXPECT_EQ(p.Msg.Visti[0].Predefinita, RispostaMsg::No);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(Undo.UndoCorrente, u0 + 1) << "nothing replaced: no step";
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    CommandBars_Execute(Comandi.IdQuotaAuto);
    EXPECT_EQ(M.SezQuote.UltimaQuota, automatiche);
}

TEST_F(EseguiProva, Importazione) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    const int zone = M.Zone.UltimaZona;

    // Cancelled: no message, nothing imported.
    p.Msg.Visti.clear();
    CommandBars_Execute(Comandi.IdImportaArmature);
    ASSERT_EQ(p.Dialoghi.Richieste.size(), 1u);
    EXPECT_EQ(p.Dialoghi.Richieste[0].Titolo, "Importa armature");
    EXPECT_EQ(p.Dialoghi.Richieste[0].Filtro, "File dati (*.QV0)|*.QV0");
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(M.Zone.UltimaZona, zone);

    // Another slab's file with two zones that fit: appended, the totals and the plan follow.
    Modello altro = M;
    altro.Zone = ZoneArmatura{};
    AggiungiZona(altro, 0, 150, 220, 350, 380);
    AggiungiZona(altro, 1, 750, 50, 1050, 150);
    ASSERT_TRUE(ScriviArmature(dir / "ALTRA.QV0", altro));
    const int ridisegni = Ridisegni();
    const int u = Undo.UndoCorrente;
    p.Dialoghi.Scelte.push_back(dir / "ALTRA.QV0");
    CommandBars_Execute(Comandi.IdImportaArmature);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Importazione armature");
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Trovate  2 armature integrative.\n 2 importate.");
    EXPECT_EQ(M.Zone.UltimaZona, zone + 2);
    EXPECT_EQ(Ridisegni(), ridisegni + 1);
    EXPECT_GT(M.Zone.Zone[static_cast<size_t>(zone + 1)].LungTotale, 0) << "bar layout of the new zones";
    EXPECT_EQ(Undo.UndoCorrente, u + 1) << "the import is one undo step";
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.Zone.UltimaZona, zone);
}

// A file whose zones all miss the slab still brings its bend flag: a change, so one step and the
// plan redrawn; the same flag and no zone change nothing.
TEST_F(EseguiProva, ImportazioneDellaSolaPiega) {
    struct Caso {
        const char* nome;
        int piega;
        bool cambia;
    };
    const Caso casi[] = {{"piega diversa", 1, true}, {"piega uguale", 0, false}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        M = Modello{};
        PulisciUndo();
        ASSERT_EQ(CaricaProgetto(a), 0);
        ASSERT_EQ(M.Progetto.PiegaAncoraggio, 0);
        const int zone = M.Zone.UltimaZona;
        Modello altro = M;
        altro.Zone = ZoneArmatura{};
        AggiungiZona(altro, 0, 5000, 5000, 5200, 5200);  // off the slab: not imported
        altro.Progetto.PiegaAncoraggio = c.piega;
        ASSERT_TRUE(ScriviArmature(dir / "PIEGA.QV0", altro));
        const int ridisegni = Ridisegni();
        const int u = Undo.UndoUltimo;
        p.Dialoghi.Scelte.push_back(dir / "PIEGA.QV0");
        CommandBars_Execute(Comandi.IdImportaArmature);
        EXPECT_EQ(M.Zone.UltimaZona, zone);
        EXPECT_EQ(M.Progetto.PiegaAncoraggio, c.piega);
        EXPECT_EQ(Undo.UndoUltimo, u + (c.cambia ? 1 : 0));
        EXPECT_EQ(Ridisegni(), ridisegni + (c.cambia ? 1 : 0));
        EXPECT_EQ(ProgettoModificato(), c.cambia);
    }
}

TEST_F(EseguiProva, StatoPulitoDopoOgniSostituzione) {
    struct Caso {
        const char* Nome;
        std::function<void(EseguiProva&)> Prepara;
        std::function<int32_t()> Id;
    };
    const Caso casi[] = {
        {"apri",
         [](EseguiProva& t) {
             t.p.Dialoghi.Scelte.push_back(t.b);
             t.p.Msg.Risposte.push_back(RispostaMsg::No);  // the unsaved change is not kept
         },
         [] { return Comandi.IdApri; }},
        {"recente", [](EseguiProva& t) { t.p.Msg.Risposte.push_back(RispostaMsg::No); },
         [] { return int32_t{IdRecente0 + 1}; }},
        {"annulla", [](EseguiProva&) {}, [] { return Comandi.IdAnnulla; }},
        {"ripeti",
         [](EseguiProva&) {
             CommandBars_Execute(Comandi.IdAnnulla);
         },
         [] { return Comandi.IdRipeti; }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Nome);
        ASSERT_NO_FATAL_FAILURE(ApriBPoiA());
        ASSERT_TRUE(SalvaStatoUndo());
        AggiungiZona(M, 0, 150, 220, 350, 380);
        k.Prepara(*this);
        StatoSporco();
        const int u = Undo.UndoCorrente;
        CommandBars_Execute(k.Id());
        const bool storia = std::string(k.Nome) == "annulla" || std::string(k.Nome) == "ripeti";
        AttesoPulito(!storia);
        if (storia)
            EXPECT_NE(Undo.UndoCorrente, u);
        else
            EXPECT_EQ(M.Progetto.PercorsoSoletta, b);
    }
}

TEST_F(EseguiProva, AperturaAnnullataOFallitaNonToccaLoStato) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    ScriviTutto(dir / "B/ROTTA.QVR", "non una soletta\r\n");
    // Cancelled open, failed open, an undo with nothing to undo.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        if (i == 1) p.Dialoghi.Scelte.push_back(dir / "B/ROTTA.QVR");
        StatoSporco();
        CommandBars_Execute(i < 2 ? Comandi.IdApri : Comandi.IdAnnulla);
        AttesoSporco();
        EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
    }
}

// An open that does not happen (the dialog or the question cancelled, a file that cannot be
// read, a recent file gone) leaves the plan as the user set it: view, side, direction and zoom.
TEST_F(EseguiProva, AperturaMancataLasciaVistaEZoom) {
    ScriviTutto(dir / "B/ROTTA.QVR", "non una soletta\r\n");
    struct Caso {
        const char* nome;
        std::function<void(EseguiProva&)> prepara;
        bool recente;
    };
    const Caso casi[] = {
        {"apri, dialogo annullato", [](EseguiProva&) {}, false},
        {"apri, Annulla alla domanda",
         [](EseguiProva& t) {
             t.p.Dialoghi.Scelte.push_back(t.b);
             t.p.Msg.Risposte = {RispostaMsg::Annulla};
         },
         false},
        {"apri, soletta illeggibile",
         [](EseguiProva& t) {
             t.p.Dialoghi.Scelte.push_back(t.dir / "B/ROTTA.QVR");
             t.p.Msg.Risposte = {RispostaMsg::No};
         },
         false},
        {"recente, Annulla alla domanda", [](EseguiProva& t) { t.p.Msg.Risposte = {RispostaMsg::Annulla}; }, true},
        {"recente sparito", [](EseguiProva& t) { Recenti.ElencoRecenti[1] = t.dir / "B/SPARITA.QVR"; }, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ASSERT_NO_FATAL_FAILURE(ApriBPoiA());
        // An unsaved change, then a map of the lower side in direction 2, zoomed in.
        PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
        ScegliVista(4);
        Option1_Click(1);
        Option2_Click(1);
        const float intera = Vista.Scala;
        CommandBars_Execute(Comandi.IdAvvicina);
        ASSERT_GT(Vista.Scala, intera);
        c.prepara(*this);
        const StatoVista prima = Vista;
        const int lato = p.Finestra.Lato, direzione = p.Finestra.Direzione;
        ASSERT_EQ(prima.VistaScelta, 4);
        ASSERT_EQ(prima.LatoScelto, 1);
        ASSERT_EQ(prima.DirezioneScelta, 1);

        CommandBars_Execute(c.recente ? int32_t{IdRecente0 + 1} : Comandi.IdApri);
        EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
        EXPECT_TRUE(ProgettoModificato());
        EXPECT_EQ(Vista.VistaScelta, prima.VistaScelta);
        EXPECT_EQ(Vista.LatoScelto, prima.LatoScelto);
        EXPECT_EQ(Vista.DirezioneScelta, prima.DirezioneScelta);
        EXPECT_EQ(Vista.CodiceVista, prima.CodiceVista);
        EXPECT_EQ(Vista.PiantaCorrente, prima.PiantaCorrente);
        EXPECT_EQ(Vista.FinestraVista, prima.FinestraVista);
        EXPECT_EQ(Vista.Scala, prima.Scala);
        EXPECT_EQ(p.Finestra.Lato, lato);
        EXPECT_EQ(p.Finestra.Direzione, direzione);
    }
}

TEST_F(EseguiProva, LatoEDirezioneDopoLApertura) {
    ScriviTutto(dir / "U.QVR", SolettaMagliaUnica());
    fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
    for (int32_t id : {Comandi.IdApri, int32_t{IdRecente0}}) {
        SCOPED_TRACE(id);
        if (id == Comandi.IdApri) p.Dialoghi.Scelte.push_back(dir / "U.QVR");
        else Recenti.ElencoRecenti[0] = dir / "U.QVR", Recenti.NumRecenti = 1;
        p.Finestra.Lato = -1;
        p.Finestra.Direzione = -1;
        CommandBars_Execute(id);
        ASSERT_EQ(M.Progetto.MagliaUnica, -1);
        EXPECT_EQ(p.Finestra.Lato, 1) << "\"Lato -\": the upper plan of a single mesh is empty";
        EXPECT_EQ(p.Finestra.Direzione, 0);
    }
    p.Dialoghi.Scelte.push_back(a);
    CommandBars_Execute(Comandi.IdApri);
    ASSERT_EQ(M.Progetto.MagliaUnica, 0);
    EXPECT_EQ(p.Finestra.Lato, 0);
}

TEST_F(EseguiProva, DopoLEsportazioneDxfLeModificheRestano) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    ASSERT_TRUE(SalvaStatoUndo());
    AggiungiZona(M, 0, 150, 220, 350, 380);
    const std::string cartella = M.Progetto.CartellaLavoro;
    const StatoUndo undo = Undo;
    // The export makes the slab file unreadable while its dialog is up: it is not read again.
    p.Finestra.EsportazioneDxf = [&] { ScriviTutto(a, "non una soletta\r\n"); };
    const int ridisegni = Ridisegni();
    p.Finestra.Lato = -1;
    CommandBars_Execute(IdGeneraDxf);
    EXPECT_EQ(p.Finestra.EsportazioniDxf, 1);
    EXPECT_EQ(M.Zone.UltimaZona, 0) << "the unsaved zone is still there";
    EXPECT_GT(M.Zone.Zone[0].LungTotale, 0);
    EXPECT_EQ(M.Soletta.NumVertContorno, 6);
    EXPECT_EQ(M.Progetto.CartellaLavoro, cartella);
    EXPECT_EQ(Undo.UndoCorrente, undo.UndoCorrente);
    EXPECT_EQ(Undo.UndoUltimo, undo.UndoUltimo);
    EXPECT_EQ(Ridisegni(), ridisegni + 1);
    EXPECT_EQ(p.Finestra.Lato, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());

    // No slab: only the dialog.
    M = Modello{};
    const int r = Ridisegni();
    CommandBars_Execute(IdGeneraDxf);
    EXPECT_EQ(p.Finestra.EsportazioniDxf, 2);
    EXPECT_EQ(Ridisegni(), r);
}

TEST_F(EseguiProva, ModoInformazioni) {
    Vista.TipoMappa = 0;
    Vista.ElementoEvidenziato = 4;
    CommandBars_Execute(Comandi.IdInfoNodi);
    EXPECT_EQ(Vista.ModoInfo, -1);
    EXPECT_EQ(p.Finestra.InfoRtf,
              InizioRTF() + TestoNero("Clicca sui nodi per ottenere le informazioni di progetto", 20, 0, 0) + FineRTF());
    EXPECT_EQ(Vista.ElementoEvidenziato, -1);
    EXPECT_TRUE(p.Finestra.Frame1Visibile);
    EXPECT_EQ(Vista.UltimoComando, 0);

    p.Finestra.InfoRtf.clear();
    p.Finestra.Frame1Visibile = false;
    Vista.TipoMappa = 7;
    CommandBars_Execute(Comandi.IdInfoNodi);
    EXPECT_EQ(Vista.ModoInfo, 0);
    EXPECT_EQ(p.Finestra.InfoRtf, "");
    EXPECT_FALSE(p.Finestra.Frame1Visibile) << "map types 5 .. 9 leave the range box";
}

TEST_F(EseguiProva, VisteSenzaSoletta) {
    const StatoVista prima = Vista;
    for (int k : {115, 116, 117, 118, 119, 120}) CommandBars_Execute(IdDaOffset(k));
    EXPECT_EQ(Vista.VistaScelta, prima.VistaScelta);
    EXPECT_EQ(Vista.CodiceVista, prima.CodiceVista);
    EXPECT_EQ(Vista.PiantaCorrente, prima.PiantaCorrente);
    EXPECT_EQ(Vista.FinestraVista, prima.FinestraVista);
    EXPECT_EQ(Ridisegni(), 0);
    EXPECT_TRUE(p.Video.Chiamate.empty());
}

// "Ottimizza armatura flessionale diffusa": "Progetta" is one undoable step; "Annulla" keeps
// the criteria edited and designs nothing.
TEST_F(EseguiProva, ProgettoDellaMagliaDiffusa) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    M.Diffusa.DiamDiffSup1 = 40;  // beyond the criteria: any design changes it
    const MagliaDiffusa prima = M.Diffusa;
    const StatoUndo undo = Undo;
    PannelloRegistrato griglia;
    bool annulla = true;
    p.Finestra.CopioneProg = [&] {
        DialogoProgettoDiffusa d(griglia);
        d.Apri();
        d.DopoModifica(IdProgCopertura, "80");
        if (annulla) d.Annulla();
        else d.Progetta();
    };
    const int ridisegni = Ridisegni();
    CommandBars_Execute(Comandi.IdOttimizzaDiffusa);
    EXPECT_EQ(p.Finestra.AperteProg, 1);
    EXPECT_EQ(Imp.CoperturaMin, 80) << "an accepted edit stays after Annulla";
    EXPECT_EQ(M.Diffusa.DiamDiffSup1, prima.DiamDiffSup1);
    EXPECT_EQ(Undo.UndoUltimo, undo.UndoUltimo) << "no snapshot";
    EXPECT_EQ(Ridisegni(), ridisegni + 1);

    annulla = false;
    CommandBars_Execute(Comandi.IdOttimizzaDiffusa);
    EXPECT_EQ(Undo.UndoUltimo, undo.UndoUltimo + 1) << "one snapshot";
    EXPECT_LE(M.Diffusa.DiamDiffSup1, 28) << "the mesh was designed within the criteria";
    bool inPannello = false;
    for (const VoceVista& v : p.Pannello.Voci)
        if (v.Id == IdDiamDiffSup1) inPannello = v.Valore == std::to_string(M.Diffusa.DiamDiffSup1);
    EXPECT_TRUE(inPannello) << "the main panel shows the new mesh";
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.Diffusa.DiamDiffSup1, 40) << "undo brings the old mesh back";
}

// A double click opens the zone under the last press: a confirmed integrative dialog stores the
// edit, a cancelled one nothing; a curb goes to its own dialog; empty space does nothing.
TEST_F(EseguiProva, DoppioClicSullaZona) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 0, 150, 220, 350, 380);
    AggiungiZona(M, 2, 400, 220, 500, 380);
    M.Zone.Zone[0].XMarca = 250, M.Zone.Zone[0].YMarca = 300;
    M.Zone.Zone[1].XMarca = 450, M.Zone.Zone[1].YMarca = 300;
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0;
    Vista.ModoInfo = -1;
    auto clic = [](float x, float y) {
        Vista.XClic = XSchermo(x);
        Vista.YClic = YSchermo(y);
    };

    // Empty space: nothing at all.
    clic(900, 900);
    const int ridisegni = Ridisegni();
    Picture1_DblClick();
    EXPECT_EQ(Ridisegni(), ridisegni);
    EXPECT_EQ(p.Finestra.AperteAggiuntiva + p.Finestra.AperteCordoli, 0);

    struct Caso {
        bool conferma;
        int diametro;
    };
    for (const Caso& c : {Caso{false, 16}, Caso{true, 20}}) {
        clic(252, 301);
        p.Finestra.CopioneAggiuntiva = [&] {
            EXPECT_EQ(Vista.ModoComando, 34);
            EXPECT_EQ(Vista.ModoInfo, 0);
            EXPECT_EQ(Edit.ZonaSelezionata, 0);
            Edit.ZonaCorrente.Diametro = 20;
            ErroreOperazione = c.conferma ? 0 : -1;
            Edit.ZonaConfermata = c.conferma ? -1 : 0;
        };
        Picture1_DblClick();
        EXPECT_EQ(M.Zone.Zone[0].Diametro, c.diametro) << c.conferma;
        EXPECT_NE(p.Finestra.InfoRtf.find("Aree armatura"), std::string::npos);
    }
    EXPECT_EQ(p.Finestra.AperteAggiuntiva, 2);

    clic(450, 300);
    const Zona cordolo = M.Zone.Zone[1];
    ErroreOperazione = 0;
    Edit.ZonaConfermata = -1;  // left over: the curb is not stored a second time
    Picture1_DblClick();
    EXPECT_EQ(p.Finestra.AperteCordoli, 1);
    EXPECT_EQ(M.Zone.UltimaZona, 1);
    EXPECT_EQ(M.Zone.Zone[1].UltVertice, cordolo.UltVertice);
    EXPECT_EQ(Vista.ModoComando, 0) << "the plan is live again after the dialog";

    // In an integrative view the pick takes the curb's kind for the dialog only.
    Vista.CodiceVista = 14, Vista.TipoZonaAttivo = 0;
    M.Zone.Zone[1].XRif = 450, M.Zone.Zone[1].YRif = 300;
    int tipoNelDialogo = -1;
    p.Finestra.CopioneCordoli = [&] { tipoNelDialogo = Vista.TipoZonaAttivo; };
    Picture1_DblClick();
    EXPECT_EQ(tipoNelDialogo, 2);
    EXPECT_EQ(Vista.TipoZonaAttivo, 0);
}

// Deleting a zone by its mark: asked first, one undo step on Yes; either answer ends the command.
TEST_F(EseguiProva, CancellaZonaColMouse) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 0, 150, 220, 350, 380);
    AggiungiZona(M, 0, 400, 220, 500, 380);
    M.Zone.Zone[1].XMarca = 450, M.Zone.Zone[1].YMarca = 300;
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0;
    const int ultimo = Undo.UndoUltimo;
    for (RispostaMsg r : {RispostaMsg::No, RispostaMsg::Si}) {
        CommandBars_Execute(Comandi.IdCancellaArm);
        ASSERT_EQ(Vista.ModoComando, Modo::EliminaZona);
        Ctrl_Vid_MouseDown(1, XSchermo(900), YSchermo(900));
        EXPECT_EQ(Vista.ModoComando, Modo::EliminaZona) << "a miss waits";
        p.Msg.Risposte = {r};
        Ctrl_Vid_MouseDown(1, XSchermo(451), YSchermo(299));
        EXPECT_EQ(Vista.ModoComando, Modo::Idle);
        ASSERT_FALSE(p.Msg.Visti.empty());
        EXPECT_EQ(p.Msg.Visti.back().Testo, "Vuoi cancellare la pos. n. 2 ?");
        EXPECT_EQ(p.Msg.Visti.back().Icona, IconaMsg::Domanda);
    }
    EXPECT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_EQ(Undo.UndoUltimo, ultimo + 1);
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.Zone.UltimaZona, 1);
}

// A zone's label dragged by its reference point follows the cursor; the release ends it.
TEST_F(EseguiProva, SpostaEtichettaColMouse) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 0, 150, 220, 350, 380);
    Vista.CodiceVista = 14, Vista.TipoZonaAttivo = 0;
    CommandBars_Execute(Comandi.IdRiferimento);
    Ctrl_Vid_MouseDown(1, XSchermo(150), YSchermo(220));
    ASSERT_EQ(Vista.ModoComando, Modo::SpostaRifLibero);
    Ctrl_Vid_MouseMove(0, XSchermo(200), YSchermo(260));
    EXPECT_NEAR(M.Zone.Zone[0].XRif, 200, 0.5);
    EXPECT_NEAR(M.Zone.Zone[0].YRif, 260, 0.5);
    Ctrl_Vid_MouseUp(1, XSchermo(200), YSchermo(260));
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.Zone.Zone[0].XRif, 150) << "one undo step";
}

// The window of the zones around columns: too small is ignored, a valid one runs the dialog.
TEST_F(EseguiProva, FinestraZonePilastri) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    Vista.CodiceVista = 6;
    CommandBars_Execute(Comandi.IdArmPilastri);
    ASSERT_EQ(Vista.ModoComando, Modo::ZonePilastri);
    Picture1_MouseDown(1, 10, 10);
    EXPECT_EQ(Vista.ModoComando, Modo::ZonePilastri2);
    Picture1_MouseMove(1, 15, 15);
    Picture1_MouseDown(1, 20, 20);
    EXPECT_EQ(Vista.ModoComando, Modo::ZonePilastri2) << "under 11 pixels: ignored";
    Picture1_MouseDown(1, 10, 10);
    Picture1_MouseDown(1, 700, 500);
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    EXPECT_EQ(Vista.RettTrascina.X0, -1);
}

// A new integrative zone drawn as a rectangle: too small is refused; a confirmed dialog stores it.
TEST_F(EseguiProva, NuovaZonaPerRettangolo) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0, Vista.TipoMappa = 5;
    auto rettangolo = [](float x0, float y0, float x1, float y1) {
        CommandBars_Execute(Comandi.IdInsIntegrativa);
        Picture1_MouseDown(1, XSchermo(x0), YSchermo(y0));
        Picture1_MouseMove(1, XSchermo(x1), YSchermo(y1));
        Picture1_MouseUp(1, XSchermo(x1), YSchermo(y1));
    };
    rettangolo(150, 200, 170, 400);
    ASSERT_FALSE(p.Msg.Visti.empty());
    EXPECT_EQ(p.Msg.Visti.back().Testo, "Rettangolo troppo piccolo, input non valido.");
    EXPECT_EQ(Vista.ModoComando, Modo::NuovaIntegrativa) << "the command waits for a new first corner";
    EXPECT_EQ(M.Zone.UltimaZona, -1);

    p.Finestra.CopioneAggiuntiva = [] {
        ErroreOperazione = 0;
        Edit.ZonaConfermata = -1;
        Vista.ModoComando = 0;
    };
    rettangolo(150, 200, 450, 500);
    EXPECT_EQ(p.Finestra.AperteAggiuntiva, 1);
    EXPECT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_EQ(M.Zone.Zone[0].Tipo, 0);
    EXPECT_NEAR(M.Zone.Zone[0].XMax - M.Zone.Zone[0].XMin, 300, 1);
}

// A copy picked by its mark follows the cursor, and the right button concludes it through the
// zone dialog: one more zone, moved by the drag.
TEST_F(EseguiProva, CopiaZonaTrascinata) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 0, 150, 220, 350, 380);
    M.Zone.Zone[0].XMarca = 250, M.Zone.Zone[0].YMarca = 300;
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0, Vista.TipoMappa = 5;
    p.Finestra.CopioneAggiuntiva = [] {
        ErroreOperazione = 0;
        Edit.ZonaConfermata = -1;
        Vista.ModoComando = 0;
    };
    CommandBars_Execute(Comandi.IdCopia);
    Picture1_MouseDown(1, XSchermo(250), YSchermo(300));
    ASSERT_EQ(Vista.ModoComando, Modo::CentroZona);
    EXPECT_EQ(Edit.ZonaSelezionata, 1);
    Picture1_MouseMove(1, XSchermo(450), YSchermo(300));
    Picture1_MouseUp(1, XSchermo(450), YSchermo(300));
    EXPECT_EQ(Vista.ModoComando, Modo::EditZona);
    EXPECT_EQ(p.Finestra.Prompt, "Premi il pulsante destro del mouse o Enter per concludere la modifica.");
    Picture1_MouseDown(2, XSchermo(450), YSchermo(300));
    ASSERT_EQ(M.Zone.UltimaZona, 1);
    const float a0 = M.Zone.Zone[0].XMin, a1 = M.Zone.Zone[1].XMin;
    EXPECT_NEAR(std::min(a0, a1), 150, 2) << "the original stays";
    EXPECT_NEAR(std::max(a0, a1), 350, 2) << "the copy moved by the drag";
}

// Directions at 30° and 120°: the rectangle's zone has its sides along the bars.
TEST_F(EseguiProva, ZonaLungoDirezioniOblique) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    // Direction 2 is given from direction 1: 30° + 90°.
    M.Progetto.AngoloDir1Gradi = 30, M.Progetto.AngoloDir2Gradi = 90;
    M.Progetto.AngoloDir1 = GradiRadianti(30), M.Progetto.AngoloDir2 = GradiRadianti(90);
    CalcolaDirezioni(M);
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0, Vista.TipoMappa = 5;
    p.Finestra.CopioneAggiuntiva = [] {
        ErroreOperazione = 0;
        Edit.ZonaConfermata = -1;
        Vista.ModoComando = 0;
    };
    CommandBars_Execute(Comandi.IdInsIntegrativa);
    Picture1_MouseDown(1, XSchermo(200), YSchermo(200));
    Picture1_MouseMove(1, XSchermo(450), YSchermo(500));
    Picture1_MouseUp(1, XSchermo(450), YSchermo(500));
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    const auto& c = M.Zone.Zone[0].Angoli;
    for (size_t k = 0; k < 4; ++k) {
        const Punto& p0 = c[k];
        const Punto& p1 = c[(k + 1) % 4];
        const double ang = std::fmod(std::atan2(p1.Y - p0.Y, p1.X - p0.X) * 180 / M_PI + 360, 180);
        // Corners are stored rounded, so a short side may turn by a few tenths of a degree.
        EXPECT_TRUE(std::abs(ang - 30) < 0.5 || std::abs(ang - 120) < 0.5) << k << " " << ang;
    }
}

// Grips of the zone being edited: a corner dragged keeps the opposite one, the centre moves the
// whole rectangle; undo during the edit leaves a clean state and a right click then stores
// nothing.
TEST_F(EseguiProva, ManiglieEAnnullaDuranteLaModifica) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 0, 150, 220, 350, 380);
    M.Zone.Zone[0].XMarca = 250, M.Zone.Zone[0].YMarca = 300;
    // An earlier step for the undo to take back: the move picked below is no step yet.
    ASSERT_TRUE(SalvaStatoUndo());
    M.Zone.Zone[0].Diametro = 20;
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0, Vista.TipoMappa = 5;
    CommandBars_Execute(Comandi.IdSposta);
    Picture1_MouseDown(1, XSchermo(250), YSchermo(300));
    Picture1_MouseUp(1, XSchermo(250), YSchermo(300));
    ASSERT_EQ(Vista.ModoComando, Modo::EditZona);
    auto trascina = [](Punto da, Punto a) {
        Picture1_MouseDown(1, XSchermo(da.X), YSchermo(da.Y));
        Picture1_MouseMove(1, XSchermo(a.X), YSchermo(a.Y));
        Picture1_MouseUp(1, XSchermo(a.X), YSchermo(a.Y));
    };
    const auto prima = Edit.ZonaCorrente.Angoli;
    const Punto nuovo{prima[0].X - 40, prima[0].Y + 30};
    trascina(prima[0], nuovo);
    ASSERT_EQ(Vista.ModoComando, Modo::EditZona);
    const auto dopo = Edit.ZonaCorrente.Angoli;
    EXPECT_NEAR(dopo[2].X, prima[2].X, 1);
    EXPECT_NEAR(dopo[2].Y, prima[2].Y, 1);
    EXPECT_NEAR(dopo[0].X, nuovo.X, 1);
    EXPECT_NEAR(dopo[0].Y, nuovo.Y, 1);

    const Punto centro{(dopo[0].X + dopo[2].X) / 2, (dopo[0].Y + dopo[2].Y) / 2};
    trascina(centro, {centro.X + 50, centro.Y - 20});
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(Edit.ZonaCorrente.Angoli[k].X, dopo[k].X + 50, 1) << k;
        EXPECT_NEAR(Edit.ZonaCorrente.Angoli[k].Y, dopo[k].Y - 20, 1) << k;
    }

    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    const std::string annullato = dump::StampaModello(M);
    Picture1_MouseDown(2, XSchermo(300), YSchermo(300));
    EXPECT_EQ(dump::StampaModello(M), annullato) << "the right click stores nothing";
    EXPECT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_NEAR(M.Zone.Zone[0].XMin, 150, 1) << "the zone as it was before the move";
    EXPECT_EQ(M.Zone.Zone[0].Diametro, 16) << "the earlier step taken back";
}

// A curb on a side of the outline opens the curb dialog; a press off every side ends the command.
TEST_F(EseguiProva, CordoloSulLato) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    Vista.CodiceVista = 6;
    CommandBars_Execute(Comandi.IdCordoli);
    ASSERT_EQ(Vista.ModoComando, Modo::Cordoli);
    const Punto p0 = M.Soletta.Contorno[0], p1 = M.Soletta.Contorno[1];
    Picture1_MouseDown(1, XSchermo((p0.X + p1.X) / 2), YSchermo((p0.Y + p1.Y) / 2));
    EXPECT_EQ(p.Finestra.AperteCordoli, 1);
    EXPECT_EQ(Edit.ZonaCorrente.Tipo, 2);
    EXPECT_EQ(Edit.ZonaCorrente.Passo2, Imp.LargStaffaCordolo);
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    CommandBars_Execute(Comandi.IdCordoli);
    Picture1_MouseDown(1, XSchermo(600), YSchermo(450));
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    EXPECT_EQ(p.Finestra.AperteCordoli, 1);
}

// The refusals at the start of a zone operation: a full table, a curb picked for a copy.
TEST_F(EseguiProva, ZoneRifiutateAllInizio) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    AggiungiZona(M, 2, 150, 220, 350, 380);
    M.Zone.Zone[0].XMarca = 250, M.Zone.Zone[0].YMarca = 300;
    Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0;
    const int ultimo = Undo.UndoUltimo;
    for (int32_t id : {Comandi.IdCopia, Comandi.IdSposta, Comandi.IdCopiaLato}) {
        CommandBars_Execute(id);
        const int modo = Vista.ModoComando;
        Picture1_MouseDown(1, XSchermo(250), YSchermo(300));
        EXPECT_EQ(Vista.ModoComando, modo) << "a curb is not picked by " << id;
    }
    EXPECT_EQ(Undo.UndoUltimo, ultimo);
    // Nor is it marked by the copy's hover, while the delete marks it.
    for (auto [id, marcato] : {std::pair{Comandi.IdCopia, -1}, std::pair{Comandi.IdCancellaArm, 0}}) {
        CommandBars_Execute(id);
        Vista.ElementoEvidenziato = -1;
        Picture1_MouseMove(0, XSchermo(250), YSchermo(300));
        EXPECT_EQ(Vista.ElementoEvidenziato, marcato) << id;
        Vista.ModoComando = Modo::Idle;
    }

    M.Zone.Zone.resize(MaxZone, M.Zone.Zone[0]);
    M.Zone.UltimaZona = MaxZone - 1;
    CommandBars_Execute(Comandi.IdInsIntegrativa);
    Picture1_MouseDown(1, XSchermo(100), YSchermo(100));
    ASSERT_FALSE(p.Msg.Visti.empty());
    EXPECT_EQ(p.Msg.Visti.back().Testo, MsgLimiteZone);
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    EXPECT_EQ(Undo.UndoUltimo, ultimo);
}
