#include "app/EseguiComandi.h"

#include <string>

#include "app/BarreComandi.h"
#include "app/ComandiFile.h"
#include "app/ComandiQuote.h"
#include "app/InfoArmature.h"
#include "app/PannelloDiffusa.h"
#include "app/RelazioneComputo.h"
#include "app/SceltaVista.h"
#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/Estensioni.h"
#include "model/FileRecenti.h"
#include "model/Statistiche.h"
#include "model/Titolo.h"
#include "model/definizioni.h"
#include "report/Mod_RTF.h"

namespace vilmor {

namespace {

constexpr char PromptZona[] =
    "Premi il pulsante sinistro del mouse per inserire il primo vertice e rilascialo per completare la "
    "selezione della zona da armare.";
constexpr char PromptPilastri[] =
    "Individua le zone dei pilastri dove inserire una nuova armatura aggiuntiva con un rettangolo di "
    "selezione che li comprende.";
constexpr char PromptPali[] =
    "Individua le zone dei pali dove inserire una nuova armatura aggiuntiva con un rettangolo di "
    "selezione che li comprende.";
constexpr char PromptCopia[] = "Seleziona l'armatura da copiare";
constexpr char PromptSposta[] = "Seleziona e trascina nella nuova posizione l'armatura da spostare";

bool SolettaCaricata() { return M.Soletta.NumVertContorno > 0; }

void Prompt(const std::string& testo) {
    if (Piatt.Finestra) Piatt.Finestra->ImpostaPrompt(testo);
}

// An open cancelled or failed keeps the project, and with it the plan as the user left it.
void Apri() {
    if (ApriFile("QVR") != 0) return;
    AzzeraStatoInterazione();
    ZoomTutto();
    CalcolaArmature();
    LatoEDirezione();
}

void Recente(int k) {
    if (ApriRecente(k) != 0) return;
    AzzeraStatoInterazione();
    LatoEDirezione();
}

// The import adds zones and takes the file's bend flag: one undo step, then the bar totals and
// the plan follow whatever it changed.
void Importa() {
    FotoModello stato = FotografaModello();
    if (ComandoImporta() != 0) return;
    if (!RegistraModifica(stato)) return;
    CalcolaArmature();
    Ridisegna(0);
}

void GeneraDxf() {
    if (Piatt.Finestra) Piatt.Finestra->MostraEsportazioneDxf();
    AggiornaDopoEsportazione();
}

// Undo and redo replace the model only when the history moves (a drag going on becomes a step
// first, then that step is undone: the snapshot number comes back where it was).
void Storia(void (*passo)()) {
    const unsigned prima = Undo.Versione;
    passo();
    if (Undo.Versione != prima) AzzeraStatoInterazione();
}

void EntraModo(int modo, bool spegniInfo, bool azzeraEvidenziato) {
    Vista.ModoComando = modo;
    if (spegniInfo) Vista.ModoInfo = 0;
    if (azzeraEvidenziato) Vista.ElementoEvidenziato = -1;
}

// A zone command's own kind and direction: the zones it makes get them whatever the view shows
// meanwhile. The view's active face stays the view's.
void NuovaZona(int tipo, int direzione) {
    Edit.TipoNuovaZona = tipo;
    Edit.DirezioneNuovaZona = direzione;
    Edit.ZonaCorrente.Tipo = tipo;
    Edit.ZonaCorrente.Direzione = direzione;
}

void ZonaPilastri(int modo, const char* prompt) {
    EntraModo(modo, true, false);
    Vista.RettTrascina = RettangoloTrascina{-1, 0, 0, 0};
    Vista.RettFocus = RECT{};
    Prompt(prompt);
}

}  // namespace

bool SottoGruppoMenuFile(int32_t Id) {
    const IdentificatoriComandi& c = Comandi;
    if (Id == c.IdComputo) {
        ComandoComputo();
        return true;
    }
    if (Id == IdGeneraDxf) {
        GeneraDxf();
        return true;
    }
    if (Id == c.IdApri) {
        Apri();
        return true;
    }
    if (Id == c.IdSalva) {
        Salva();
        return true;
    }
    if (Id == c.IdImportaArmature) {
        Importa();
        return true;
    }
    if (Id >= IdRecente0 && Id < IdRecente0 + MaxRecenti) {
        Recente(Id - IdRecente0);
        return true;
    }
    if (Id == c.IdEsci) {
        // The exit sequence runs as the window closes, whichever way it is closed.
        if (Piatt.Finestra) Piatt.Finestra->Chiudi();
        return true;
    }
    if (Id == IdInformazioni) {
        if (Piatt.Finestra) Piatt.Finestra->MostraInformazioni();
        return true;
    }
    return false;
}

bool ComandiRipetibili(int32_t Id) {
    const IdentificatoriComandi& c = Comandi;
    StatoVista& v = Vista;
    if (Id == 0) {
        v.UltimoComando = 0;
        return false;
    }
    v.UltimoComando = Id;
    if (Id == c.IdInsIntegrativa) {
        EntraModo(32, true, false);
        // The face and direction of the view now are the command's until it ends.
        NuovaZona(v.TipoZonaAttivo, v.DirezioneAttiva);
        Edit.ZonaCorrente.Diametro = M.Zone.DiamIntegrativa;
        Prompt(PromptZona);
        return true;
    } else if (Id == c.IdArmPilastri) {
        ZonaPilastri(490, PromptPilastri);
        return true;
    } else if (Id == c.IdArmPali) {
        ZonaPilastri(492, PromptPali);
        return true;
    } else if (Id == c.IdCordoli) {
        EntraModo(42, true, false);
        NuovaZona(2, 0);
        return true;
    } else if (Id == c.IdArmTaglio) {
        EntraModo(52, true, false);
        NuovaZona(3, 0);
        Edit.ZonaCorrente.Diametro = Imp.DiamPioli;
        return true;
    } else if (Id == c.IdQuotaOrizz) {
        EntraModo(2000, false, false);
        return true;
    } else if (Id == c.IdQuotaVert) {
        EntraModo(3000, false, false);
        return true;
    } else if (Id == c.IdQuotaAllin) {
        EntraModo(4000, false, false);
        return true;
    } else if (Id == c.IdQuotaContinua) {
        // Still an accepted command: the right button shows the message again.
        if (M.SezQuote.UltimaQuota < 0) {
            Avviso("Non sono presenti quote a cui agganciarsi");
            return true;
        }
        EntraModo(5000, false, false);
        Quotatura.QuotaSelezionata = -1;
        return true;
    } else if (Id == c.IdCancellaQuota) {
        EntraModo(6000, false, true);
        return true;
    } else if (Id == c.IdSpostaQuota) {
        EntraModo(7000, false, true);
        return true;
    } else if (Id == c.IdVisQuota) {
        EntraModo(7005, false, true);
        return true;
    } else if (Id == c.IdRiferimento) {
        EntraModo(300, false, true);
        return true;
    } else if (Id == c.IdTrascina) {
        AvviaPan();
        return true;
    } else if (Id == c.IdPerimetro) {
        if (Piatt.Finestra) Piatt.Finestra->MostraFrmPolig();
        return true;
    } else if (Id == c.IdSezione1) {
        EntraModo(400, false, false);
        return true;
    } else if (Id == c.IdSezione2) {
        EntraModo(403, false, false);
        return true;
    } else if (Id == c.IdCancellaSez) {
        EntraModo(408, false, true);
        return true;
    } else if (Id == c.IdSpostaSez) {
        EntraModo(410, false, true);
        return true;
    } else if (Id == c.IdCopia) {
        EntraModo(430, true, true);
        Prompt(PromptCopia);
        return true;
    } else if (Id == c.IdCopiaLato) {
        EntraModo(450, true, true);
        Prompt(PromptCopia);
        return true;
    } else if (Id == c.IdSposta) {
        EntraModo(440, true, true);
        Prompt(PromptSposta);
        return true;
    } else if (Id == c.IdCancellaArm) {
        EntraModo(420, true, true);
        return true;
    }
    v.UltimoComando = 0;
    return false;
}

void ComandoDiretto(int32_t Id) {
    const IdentificatoriComandi& c = Comandi;
    if (Id == 0) return;
    if (Id == c.IdAnnulla) {
        Storia(AnnullaOperazione);
    } else if (Id == c.IdRipeti) {
        Storia(RipristinaOperazione);
    } else if (Id == c.IdZoom) {
        Vista.ModoInfo = 0;
        AvviaZoomFinestra();
    } else if (Id == c.IdAllontana) {
        ZoomRiduci();
        Ridisegna(0);
    } else if (Id == c.IdAvvicina) {
        ZoomIngrandisci();
        Ridisegna(0);
    } else if (Id == c.IdVistaPrecedente) {
        ZoomPrecedente();
        Ridisegna(0);
    } else if (Id == c.IdVistaTotale) {
        ZoomTutto();
        Ridisegna(0);
    } else if (Id == c.IdQuotaAuto) {
        ComandoQuotaturaAutomatica();
    } else if (Id == c.IdInfoNodi) {
        ComandoInfoNodi();
    } else if (Id == c.IdImpostazioni) {
        if (Piatt.Finestra) Piatt.Finestra->MostraForm2();
        Ridisegna(0);
    } else if (Id == c.IdOttimizzaDiffusa) {
        if (Piatt.Finestra) Piatt.Finestra->MostraFrmProg();
        PanelDiff();
        CalcolaArmature();
        Ridisegna(0);
    } else if (Id == c.IdVisDiffusa) {
        ScegliVista(0);
    } else if (Id == c.IdVisIntegrativa) {
        ScegliVista(1);
    } else if (Id == c.IdVisTavola) {
        ScegliVista(2);
    } else if (Id == c.IdDisponiIntegrative) {
        ScegliVista(3);
    } else if (Id == c.IdMappaCalcolo) {
        ScegliVista(4);
    } else if (Id == c.IdEccedenza) {
        ScegliVista(5);
    }
}

void AzzeraStatoInterazione() {
    // The outline editor's points belong to the outline it opened on.
    if (Piatt.Finestra) Piatt.Finestra->ChiudiFrmPolig();
    StatoVista& v = Vista;
    v.ModoComando = 0;
    v.ModoPrecedente = 0;
    v.NodoSelezionato = -1;
    v.ElementoEvidenziato = -1;
    Quotatura.QuotaSelezionata = -1;
    v.MostraManiglie = 0;
    v.RettTrascina.X0 = -1;
    v.RettFocus = RECT{};
    PulisciTransitorio();
    Prompt("");
}

void AggiornaDopoEsportazione() {
    if (!SolettaCaricata()) return;
    AggiornaTitolo();
    CalcAreeDiffuse(M);
    if (M.Analisi.NumNodi > 0) {
        CalcStatNodi(M);
        DetraiArmatureNodi(-1, M);
        AggiornaRecenti(M.Progetto.PercorsoSoletta);
    }
    PanelDiff();
    SettaLimiti();
    if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->PuntatoreAttesa(false);
    ZoomEstensione();
    CalcolaArmature();
    LatoEDirezione();
}

void AggiornaPannelli() {
    if (Undo.VersionePannelli == Undo.Versione) return;
    Undo.VersionePannelli = Undo.Versione;
    // No slab, no mesh to show: the panel stays empty as at the start.
    if (SolettaCaricata()) PanelDiff();
    else if (Piatt.PropertyGrid1) Piatt.PropertyGrid1->Pulisci();
    const StatoVista& v = Vista;
    if (v.ModoInfo == 0) InfoArm();
    else if (v.NodoSelezionato >= 0 && v.NodoSelezionato < M.Analisi.NumNodi) InfoNodo(v.NodoSelezionato);
}

void ComandoInfoNodi() {
    StatoVista& v = Vista;
    v.ModoInfo = v.ModoInfo ? 0 : -1;
    if (v.ModoInfo != 0) {
        if (Piatt.Finestra)
            Piatt.Finestra->MostraInfoRtf(InizioRTF() +
                                          TestoNero("Clicca sui nodi per ottenere le informazioni di progetto", 20, 0, 0) +
                                          FineRTF());
        v.ElementoEvidenziato = -1;
    } else {
        InfoArm();
    }
    if ((v.TipoMappa < 5 || v.TipoMappa > 9) && Piatt.Finestra) Piatt.Finestra->MostraFrame1(true);
}

}  // namespace vilmor
