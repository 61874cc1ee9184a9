#include "app/CaricaProgetto.h"

#include "app/CaricaSoletta.h"
#include "app/PannelloDiffusa.h"
#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "model/Estensioni.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Statistiche.h"
#include "model/Titolo.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

void TestoAttesa() {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    v->Pulisci();
    v->PuntatoreAttesa(true);
    v->DisegnoPersistente(true);
    v->Pulisci();
    v->ColoreTesto(Imp.SfondoBianco == 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0));
    v->TestoRuotato(20, 40, 18, 7, 0, "Caricamento in corso.");
    v->TestoRuotato(20, 70, 18, 7, 0, "Per file di grosse dimensioni, l'operazione potrebbe durare alcuni minuti.");
    v->TestoRuotato(20, 100, 18, 7, 0, "Attendere prego.");
    v->DisegnoPersistente(false);
}

void PuntatoreNormale() {
    if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->PuntatoreAttesa(false);
}

void Ridisegna() {
    if (Disegno.Ridisegna) Disegno.Ridisegna(0);
    else if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->Pulisci();
}

}  // namespace

int CaricaProgetto(const std::string& percorso) {
    Vista.AvvisoPunzMostrato = 0;
    TestoAttesa();
    int stato = CaricaSolettaProgetto(percorso);
    if (stato != 0) {
        // The settings come back from the defaults and the file; the open project, its
        // undo history and its view stay.
        PuntatoreNormale();
        if (EsisteFile(FileImpostazioni())) LeggiIni(AmbitoIni::SoloImpostazioni);
        else ImpostaDefaultImpostazioni();
        ErroreOperazione = 0;
        Ridisegna();
        return stato;
    }
    PulisciUndo();
    AggiornaTitolo();
    if (M.Analisi.NumNodi > 0) AggiornaRecenti(M.Progetto.PercorsoSoletta);
    PanelDiff();
    SettaLimiti();
    PuntatoreNormale();
    if (Disegno.ZoomEstensione) Disegno.ZoomEstensione();
    Vista.CodiceVista = 0;
    Vista.PiantaCorrente = M.Progetto.MagliaUnica ? 1 : 0;
    Ridisegna();
    return 0;
}

}  // namespace vilmor
