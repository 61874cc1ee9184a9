#include "app/MouseVideo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "app/AgganciaOggetti.h"
#include "app/EditPerimetro.h"
#include "app/EseguiComandi.h"
#include "app/Evidenzia.h"
#include "app/SezioniQuoteMouse.h"
#include "app/InfoArmature.h"
#include "app/Undo.h"
#include "app/ZonePilastri.h"
#include "base/Piattaforma.h"
#include "design/ArchivioZone.h"
#include "design/ContornoZona.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "design/Selezione.h"
#include "design/SpostaRiferimento.h"
#include "design/SelezioneZona.h"
#include "design/VerificaSelezione.h"
#include "drawing/RettArmatura.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/AreaLavoro.h"
#include "model/Vista.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

void (*PanMossaAgganciata)(int, int) = nullptr;
void (*PanFineAgganciata)() = nullptr;

// Whole pixels, an exact half to the even neighbour.
int32_t Pixel(float v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool FinestraAperta(int modo) {
    return modo == Modo::ZoomSecondoAngolo || modo == Modo::ZonePilastri2 || modo == Modo::ZonePali2;
}

void Ridisegna0() { Ridisegna(0); }

// The focus rectangle is exclusive-or: drawing it again erases it.
void DisegnaFocus() {
    if (!Piatt.Ctrl_Vid) return;
    const RECT& r = Vista.RettFocus;
    Piatt.Ctrl_Vid->RettangoloFocus(r.left, r.top, r.right, r.bottom);
}

void PrimoAngolo(float X, float Y) {
    if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->ColorePrimoPiano(ColorePalette(Imp.SfondoBianco == 0 ? 15 : 0));
    RettangoloTrascina& t = Vista.RettTrascina;
    t.X0 = Pixel(X);
    t.Y0 = Pixel(Y);
    if (t.X1 != 0 || t.Y1 != 0) DisegnaFocus();
    Vista.RettFocus = RECT{};
    t.X1 = 0;
    t.Y1 = 0;
    Vista.ModoPrecedente = Vista.ModoComando;
    Vista.ModoComando += 1;
}

void SegueFocus(float X, float Y) {
    RettangoloTrascina& t = Vista.RettTrascina;
    if (t.X0 < 0) return;
    if (t.X1 != 0 || t.Y1 != 0) DisegnaFocus();
    t.X1 = Pixel(X);
    t.Y1 = Pixel(Y);
    RECT& r = Vista.RettFocus;
    r.left = t.X0;
    r.top = t.Y0;
    r.right = t.X1;
    r.bottom = t.Y1;
    if (t.Y1 < t.Y0) std::swap(r.top, r.bottom);
    if (t.X1 < t.X0) std::swap(r.left, r.right);
    DisegnaFocus();
}

// The second corner; false while the window is under 11 pixels either way.
bool SecondoAngolo() {
    RettangoloTrascina& t = Vista.RettTrascina;
    if (t.X0 < 0) return false;
    if (t.X1 != 0 || t.Y1 != 0) DisegnaFocus();
    Vista.RettFocus = RECT{};
    t.X1 = Pixel(Vista.XClic);
    t.Y1 = Pixel(Vista.YClic);
    if (t.X1 < t.X0) std::swap(t.X0, t.X1);
    if (t.Y1 < t.Y0) std::swap(t.Y0, t.Y1);
    return t.Y1 - t.Y0 >= 11 && t.X1 - t.X0 >= 11;
}

void ZoomFinestra() {
    ZoomRettangolo();
    const RettangoloTrascina& t = Vista.RettTrascina;
    const float ymin = YDaSchermo(static_cast<float>(t.Y1));
    const float ymax = YDaSchermo(static_cast<float>(t.Y0));
    const float xmin = XDaSchermo(static_cast<float>(t.X0));
    const float xmax = XDaSchermo(static_cast<float>(t.X1));
    Vista.FinestraPrecedente = Vista.FinestraVista;
    Vista.FinestraVista = {ymin, ymax, xmin, xmax};
    Vista.Scala = CalcScala(xmin, ymin, xmax, ymax);
    Vista.ModoComando = Modo::ZoomFinestra;
    Vista.RettTrascina.X0 = -1;
    Ridisegna0();
}

// The window of the zones around columns (kind 0) or piles (1): their dialog, then idle.
void ZoneSuFinestra(int kind) {
    const RettangoloTrascina& t = Vista.RettTrascina;
    InserisciZonePilastri(XDaSchermo(static_cast<float>(t.X0)), YDaSchermo(static_cast<float>(t.Y1)),
                          XDaSchermo(static_cast<float>(t.X1)), YDaSchermo(static_cast<float>(t.Y0)), kind);
    // The new zones' bars are laid out at once, as after any other zone.
    CalcolaArmature();
    Vista.ModoComando = Modo::Idle;
    Vista.RettTrascina.X0 = -1;
    // The command is over: its prompt goes with it.
    if (Piatt.Finestra) Piatt.Finestra->ImpostaPrompt("");
    Ridisegna0();
}

// The zone under the press, deleted once the user confirms; either answer ends the command.
void EliminaZonaSotto(float X, float Y) {
    const int z = TrovaZona(X, Y);
    if (z < 0) return;
    if (MostraMessaggio("Vuoi cancellare la pos. n. " + std::to_string(z + 1) + " ?", IconaMsg::Domanda,
                        PulsantiMsg::SiNo, "Attenzione!") == RispostaMsg::Si) {
        SalvaStatoUndo();
        CancellaZona(z);
    }
    Vista.ModoComando = Modo::Idle;
    AggiornaDopoZona();
}

// The model when a label was taken: its drag writes the model as it goes, one undo step when it
// moved anything.
FotoModello PrimaEtichetta;

// A zone's label taken by its reference point (it then follows the cursor freely) or by the
// zone's edge (its representative line then slides along the bars).
void PrendiRiferimento(float X, float Y) {
    int z = TrovaZonaLato(X, Y);
    if (z >= 0) {
        IniziaModifica(PrimaEtichetta);
        Vista.ModoComando = Modo::SpostaRifLibero;
        Edit.ZonaSelezionata = z;
        return;
    }
    z = TrovaZonaBordo(X, Y);
    if (z < 0) return;
    IniziaModifica(PrimaEtichetta);
    Vista.ModoComando = Modo::SpostaRifDir;
    Edit.ZonaSelezionata = z;
    SpostaRiferimentoZona(X, Y);
}

void MuoviRiferimento(float X, float Y) {
    const int z = Edit.ZonaSelezionata;
    if (z < 0 || z > M.Zone.UltimaZona || z >= static_cast<int>(M.Zone.Zone.size())) return;
    ProseguiModifica(PrimaEtichetta);
    if (Vista.ModoComando == Modo::SpostaRifLibero) {
        // The label stops where work may stand on the slab.
        Zona& zona = M.Zone.Zone[static_cast<size_t>(z)];
        const Punto p = AreaLavoro(M.Soletta).Limita(XDaSchermo(X), YDaSchermo(Y));
        zona.XRif = p.X;
        zona.YRif = p.Y;
    } else {
        SpostaRiferimentoZona(X, Y);
    }
    Ridisegna0();
}

// ---- Zones laid out and edited on the plan ----

constexpr char MsgRettangoloPiccolo[] = "Rettangolo troppo piccolo, input non valido.";
constexpr char PromptConcludi[] = "Premi il pulsante destro del mouse o Enter per concludere la modifica.";

void Prompt(const char* testo) {
    if (Piatt.Finestra) Piatt.Finestra->ImpostaPrompt(testo);
}

void SelezioneDaRettangolo();

// The transient drawing cleared for the next rubber band. A new zone being drawn gets its
// command's kind and the bar data its dialog will propose for the selection, so that the band
// shows the figures the dialog then shows.
void RettangoloElastico() {
    PulisciTransitorio();
    const int modo = Vista.ModoComando;
    EditZone& e = Edit;
    if (modo == Modo::RettIntegrativa || modo == Modo::RettTaglio) {
        e.ZonaCorrente.Tipo = e.TipoNuovaZona;
        e.ZonaCorrente.Direzione = e.DirezioneNuovaZona;
        if (e.ZonaCorrente.Tipo < 2) {
            SelezioneDaRettangolo();
            PreimpostaNuovaZona(M, e, Vista);
        }
    }
    const RettangoloSelezione& r = Vista.RettSelezione;
    DisRettArmatura(r.X1, r.Y1, r.X2, r.Y2, 14);
}

// The selection of the zone being edited from the two corners of the rubber band.
void SelezioneDaRettangolo() {
    const RettangoloSelezione& r = Vista.RettSelezione;
    ImpostaSelezioneDir(XDaSchermo(r.X1), YDaSchermo(r.Y1), XDaSchermo(r.X2), YDaSchermo(r.Y2));
}

// Too small a selection is refused; the command goes on in mode `poi`.
bool SelezioneTroppoPiccola(int poi) {
    const Zona& z = Edit.ZonaCorrente;
    if (z.XMax - z.XMin > 20 && z.YMax - z.YMin > 20) return false;
    Avviso(MsgRettangoloPiccolo);
    Vista.ModoComando = poi;
    Edit.MantieniRiferimento = 0;
    return true;
}

// An operation that adds a zone to a full table is refused at its start, before any snapshot
// or dialog.
bool TabellaPiena() {
    if (SpazioZone(M.Zone, 1)) return false;
    AvvisoLimiteZone();
    Vista.ModoComando = Modo::Idle;
    return true;
}

// A confirmed zone stored at `ZonaSelezionata`, with its copy on the other face when the dialog
// asked for both: one undo step.
void MemorizzaConfermata() {
    EditZone& e = Edit;
    e.LatoMulti = e.ZonaCorrente.Tipo == 0 ? 1 : 0;
    MemorizzaZonaConUndo(true);
}

void FineZona() {
    CalcolaArmature();
    Ridisegna0();
}

void MostraAggiuntiva() {
    if (Piatt.Finestra) Piatt.Finestra->MostraFrmAggiuntiva();
}

void RilascioRettangolo(float X, float Y) {
    Prompt("");
    Vista.RettSelezione.X2 = X;
    Vista.RettSelezione.Y2 = Y;
    SelezioneDaRettangolo();
    // A refused rectangle is forgotten: the command waits for a new first corner.
    const int primoAngolo = Vista.ModoComando - 1;
    if (!SelezioneTroppoPiccola(primoAngolo)) {
        const bool accettata = VerificaSelezione(-1) != 0;
        if (accettata) {
            Edit.ZonaSelezionata = M.Zone.UltimaZona + 1;
            MostraAggiuntiva();
            if (Edit.ZonaConfermata == -1) MemorizzaConfermata();
        } else {
            Vista.ModoComando = primoAngolo;
            Edit.MantieniRiferimento = 0;
        }
        DetraiArmatureNodi(-1, M);
    }
    FineZona();
}

// A curb on the side under the press: a new one, or the one already there after a question.
void CordoloSulLato(float X, float Y) {
    const int lato = TrovaLato(X, Y);
    if (lato < 0) {
        Vista.ModoComando = Modo::Idle;
        return;
    }
    // A new curb starts from a clean record: nothing of the zone edited before (its legs, its
    // stud count) carries over.
    Zona& z = Edit.ZonaCorrente;
    z = Zona{};
    z.LatoCordolo = lato;
    z.PoligonoCordolo = Vista.LatoEvidenziato;
    z.Diametro = Imp.DiamStaffeCordolo;
    z.Diametro2 = Imp.DiamReggistaffeCordolo;
    z.Passo = Imp.PassoStaffeCordolo;
    z.Tipo = 2;
    z.Passo2 = Imp.LargStaffaCordolo;
    z.Copriferro = Imp.CopriferroCordolo;
    const int c = CercaCordolo();
    if (c < 0) {
        if (TabellaPiena()) return;
        Edit.MantieniRiferimento = -1;
        Edit.ZonaSelezionata = M.Zone.UltimaZona + 1;
        if (Piatt.Finestra) Piatt.Finestra->MostraFrmCordoli();
    } else if (MostraMessaggio("Il lato ha già un cordolo. Vuoi modificarlo?", IconaMsg::Nessuna, PulsantiMsg::SiNo,
                               "Attenzione!") == RispostaMsg::Si) {
        Edit.MantieniRiferimento = 0;
        Edit.ZonaSelezionata = c;
        DetraiArmatureNodi(c, M);
        Edit.ZonaCorrente = M.Zone.Zone[static_cast<size_t>(c)];
        if (Piatt.Finestra) Piatt.Finestra->MostraFrmCordoli();
        DetraiArmatureNodi(-1, M);
    }
    Ridisegna0();
    Vista.ModoComando = Modo::Idle;
}

// A grip of the zone being edited: a corner (its opposite stays) or the centre (the whole
// rectangle follows).
void PrendiManiglia(float X, float Y) {
    const int g = TrovaVerticeZona(X, Y);
    if (g < 0) return;
    const Zona& z = Edit.ZonaCorrente;
    RettangoloSelezione& r = Vista.RettSelezione;
    if (g == 4) {
        SelezioneSuAngoli(z, r);
        Vista.ModoComando = Modo::CentroZona;
    } else {
        const int j = g + 2 < 4 ? g + 2 : g - 2;
        r.X1 = XSchermo(z.Angoli[static_cast<size_t>(j)].X);
        r.Y1 = YSchermo(z.Angoli[static_cast<size_t>(j)].Y);
        Vista.ModoComando = Modo::AngoloZona;
    }
    Ridisegna0();
}

void TrascinaCentro(float X, float Y) {
    PulisciTransitorio();
    RettangoloSelezione& r = Vista.RettSelezione;
    const float dx = X - r.XC, dy = Y - r.YC;
    r.X1 += dx, r.X2 += dx;
    r.Y1 += dy, r.Y2 += dy;
    r.XC = (r.X1 + r.X2) / 2;
    r.YC = (r.Y1 + r.Y2) / 2;
    DisRettArmatura(r.X1, r.Y1, r.X2, r.Y2, 14);
}

void RilascioManiglia(float X, float Y) {
    if (Vista.ModoComando == Modo::AngoloZona) {
        Vista.RettSelezione.X2 = X;
        Vista.RettSelezione.Y2 = Y;
    }
    SelezioneDaRettangolo();
    Prompt(PromptConcludi);
    Vista.ModoComando = Modo::EditZona;
    Ridisegna0();
}

// Copy, move or copy to the other face of the zone under the press.
void PrendiZona(float X, float Y) {
    const int z = TrovaZona(X, Y);
    if (z < 0) return;
    const int modo = Vista.ModoComando;
    // A curb is never copied or moved as a rectangle, and only face zones change face.
    const int tipo = M.Zone.Zone[static_cast<size_t>(z)].Tipo;
    if (tipo == 2 || (modo == Modo::CopiaZonaFaccia && tipo == 3)) return;
    if (modo != Modo::SpostaZona && TabellaPiena()) return;
    // The model changes only when the dialog confirms: the store takes the undo snapshot.
    EditZone& e = Edit;
    e.ZonaCorrente = M.Zone.Zone[static_cast<size_t>(z)];
    e.ZonaConfermata = 0;
    SelezioneSuAngoli(e.ZonaCorrente, Vista.RettSelezione);
    if (modo == Modo::CopiaZonaFaccia) {
        e.ZonaCorrente.Tipo = e.ZonaCorrente.Tipo == 0 ? 1 : 0;
        e.ZonaSelezionata = M.Zone.UltimaZona + 1;
        const Zona& c = e.ZonaCorrente;
        ImpostaSelezioneDir(c.Angoli[0].X, c.Angoli[0].Y, c.Angoli[2].X, c.Angoli[2].Y);
        const RettangoloSelezione& r = Vista.RettSelezione;
        DisRettArmatura(r.X1, r.Y1, r.X2, r.Y2, 14);
        e.MantieniRiferimento = -1;
        ChiudiPoliAgg();
        if (Vista.ModoComando != Modo::EditZona) Vista.ModoComando = Modo::Idle;
        return;
    }
    Prompt("Trasla la selezione tenendo premuto il pulasnte sinistro, rilascia nella nuova posizione.");
    e.MantieniRiferimento = -1;
    Vista.ModoComando = Modo::CentroZona;
    e.ZonaSelezionata = modo == Modo::SpostaZona ? z : M.Zone.UltimaZona + 1;
}

// The grips of the zone being edited follow the view.
void SelezioneSuZona() { SelezioneSuAngoli(Edit.ZonaCorrente, Vista.RettSelezione); }

void MossaPan(int Button, float X, float Y) {
    if (Button != 1 && Button != 4) return;
    RettangoloTrascina& t = Vista.RettTrascina;
    t.X1 = Pixel(X);
    t.Y1 = Pixel(Y);
    const int dx = t.X1 - t.X0, dy = t.Y1 - t.Y0;
    t.X0 = t.X1;
    t.Y0 = t.Y1;
    if (PanMossaAgganciata) {
        PanMossaAgganciata(dx, dy);
        return;
    }
    PanVista(dx, dy);
    Ridisegna0();
}

void FinePan() {
    int nuovo = Modo::Idle;
    if (Vista.ModoComando == Modo::PanTemporaneo) {
        nuovo = Vista.ModoPrecedente;
        // A window half drawn when the pan began starts again: its anchor is gone.
        if (FinestraAperta(nuovo)) {
            nuovo -= 1;
            Vista.RettTrascina = RettangoloTrascina{};
            Vista.RettFocus = RECT{};
        }
    }
    Vista.ModoComando = nuovo;
    if (nuovo == Modo::EditZona) {
        SelezioneSuZona();
    }
    if (PanFineAgganciata) {
        PanFineAgganciata();
        return;
    }
    Ridisegna0();
}

}  // namespace

bool MemorizzaZonaConUndo(bool altraFaccia) {
    // A store refused (it says why) or one that puts back the zone as it was takes no step.
    FotoModello prima = FotografaModello();
    const bool memorizzata = MemorizzaZona();
    if (memorizzata && altraFaccia) DuplicaZonaFaccia();
    RegistraModifica(prima);
    return memorizzata;
}

void AggiornaDopoZona() {
    DetraiArmatureNodi(-1, M);
    CalcolaArmature();
    Ridisegna(0);
}

void ChiudiPoliAgg() {
    Prompt("");
    if (!SelezioneTroppoPiccola(Modo::Idle)) {
        // A stored zone reshaped or moved is weighed without its own bars, as its double click
        // weighs it; a copy or a new zone against the model as it is.
        const int ultima = std::min(M.Zone.UltimaZona, static_cast<int>(M.Zone.Zone.size()) - 1);
        if (Edit.ZonaSelezionata >= 0 && Edit.ZonaSelezionata <= ultima) DetraiArmatureNodi(Edit.ZonaSelezionata, M);
        bool ok = VerificaSelezione(0) != 0;
        if (ok) {
            MostraAggiuntiva();
            if (ErroreOperazione == 0) ok = ContornoZona() != 0;
        }
        if (ok && Edit.ZonaConfermata == -1) MemorizzaConfermata();
        DetraiArmatureNodi(-1, M);
    }
    FineZona();
}

// The snaps of a move while the outline editor is open: the grid first, then the objects.
static void SnapEditor(int Button, float X, float Y) {
    Vista.StatoAggancio = 0;
    if (EditSez.GrigliaAttiva != 0) AgganciaGriglia(X, Y, Button);
    if (EditSez.OsnapAttivo == 0 || Vista.StatoAggancio != 0) return;
    AgganciaOggetti(X, Y, 1, Button);
}

void ImpostaPan(void (*mossa)(int dx, int dy), void (*fine)()) {
    PanMossaAgganciata = mossa;
    PanFineAgganciata = fine;
}

void Picture1_MouseDown(int Button, float X, float Y) {
    if (Button == 2) {
        if (Vista.ModoComando == Modo::EditZona) ChiudiPoliAgg();
        else if (Vista.UltimoComando != 0) ComandiRipetibili(Vista.UltimoComando);
        return;
    }
    Vista.XClic = X;
    Vista.YClic = Y;
    Ctrl_Vid_MouseDown(Button, X, Y);
}

void Picture1_MouseMove(int Button, float X, float Y) {
    Vista.XCursore = XDaSchermo(X);
    Vista.YCursore = YDaSchermo(Y);
    Ctrl_Vid_MouseMove(Button, X, Y);
}

void Picture1_MouseUp(int Button, float X, float Y) {
    if (Button == 2) return;
    Ctrl_Vid_MouseUp(Button, X, Y);
}

void Ctrl_Vid_MouseDown(int Button, float X, float Y) {
    if (Button == 4) {
        Vista.ModoPrecedente = Vista.ModoComando;
        Vista.RettTrascina.X0 = Pixel(X);
        Vista.RettTrascina.Y0 = Pixel(Y);
        Vista.ModoComando = Modo::PanTemporaneo;
        return;
    }
    if (Vista.ModoInfo != 0) {
        Vista.NodoSelezionato = TrovaNodo(X, Y);
        if (Vista.NodoSelezionato >= 0) InfoNodo(Vista.NodoSelezionato);
        return;
    }
    if (PremiSezioniQuote(Button, X, Y)) return;
    switch (Vista.ModoComando) {
        case Modo::ZoomFinestra:
            if (Button == 1) PrimoAngolo(X, Y);
            break;
        case Modo::ZoomSecondoAngolo:
            if (Button == 1 && SecondoAngolo()) ZoomFinestra();
            break;
        case Modo::Pan:
            if (Button == 1) {
                Vista.RettTrascina.X0 = Pixel(X);
                Vista.RettTrascina.Y0 = Pixel(Y);
            }
            break;
        case Modo::ZonePilastri:
        case Modo::ZonePali:
            if (Button == 1) PrimoAngolo(X, Y);
            break;
        case Modo::ZonePilastri2:
        case Modo::ZonePali2:
            if (Button == 1 && SecondoAngolo()) ZoneSuFinestra(Vista.ModoComando == Modo::ZonePilastri2 ? 0 : 1);
            break;
        case Modo::EliminaZona:
            if (Button == 1) EliminaZonaSotto(X, Y);
            break;
        case Modo::NuovaIntegrativa:
        case Modo::NuovaTaglio:
            if (Button == 1 && !TabellaPiena()) {
                Vista.RettSelezione.X1 = X;
                Vista.RettSelezione.Y1 = Y;
                Edit.MantieniRiferimento = -1;
                Vista.ModoComando += 1;
            }
            break;
        case Modo::Cordoli:
            if (Button == 1) CordoloSulLato(X, Y);
            break;
        case Modo::EditZona:
            if (Button == 1) PrendiManiglia(X, Y);
            break;
        case Modo::CopiaZona:
        case Modo::SpostaZona:
        case Modo::CopiaZonaFaccia:
            if (Button == 1) PrendiZona(X, Y);
            break;
        case Modo::SpostaRif:
            if (Button == 1) PrendiRiferimento(X, Y);
            break;
        case Modo::Idle:
            ClickPoligEdit(Button, X, Y);
            break;
        default:
            break;
    }
}

void Ctrl_Vid_MouseMove(int Button, float X, float Y) {
    if (MuoviSezioniQuote(Button, X, Y)) return;
    switch (Vista.ModoComando) {
        case Modo::ZoomSecondoAngolo:
        case Modo::ZonePilastri2:
        case Modo::ZonePali2:
            SegueFocus(X, Y);
            return;
        case Modo::SpostaRifLibero:
        case Modo::SpostaRifDir:
            MuoviRiferimento(X, Y);
            return;
        case Modo::RettIntegrativa:
        case Modo::RettTaglio:
        case Modo::AngoloZona:
            if (Button == 1) {
                Vista.RettSelezione.X2 = X;
                Vista.RettSelezione.Y2 = Y;
                RettangoloElastico();
            }
            return;
        case Modo::CentroZona:
            if (Button == 1) TrascinaCentro(X, Y);
            return;
        case Modo::Pan:
        case Modo::PanTemporaneo:
            MossaPan(Button, X, Y);
            return;
        case Modo::Cordoli:
            EvidenziaLato(X, Y);
            return;
        case Modo::SpostaRif:
            EvidenziaPos(X, Y);
            return;
        case Modo::EliminaSez:
        case Modo::SpostaSez:
            EvidenziaSez(X, Y);
            return;
        case Modo::EliminaZona:
            EvidenziaCerchio(X, Y);
            return;
        case Modo::CopiaZona:
            EvidenziaCerchio(X, Y, false);
            return;
        case Modo::EliminaQuota:
        case Modo::SpostaQuota:
        case Modo::VisibilitaQuota:
            EvidenziaQuota(X, Y);
            return;
        case Modo::Idle:
            // The outline editor has its own snaps instead of the information mark.
            if (Vista.EditPerimetro != 0) {
                SnapEditor(Button, X, Y);
                return;
            }
            break;
        default:
            break;
    }
    if (Vista.ModoInfo != 0) EvidenziaNodo(X, Y);
}

void Ctrl_Vid_MouseUp(int Button, float X, float Y) {
    if (RilasciaSezioniQuote(Button, X, Y)) return;
    switch (Vista.ModoComando) {
        case Modo::Pan:
        case Modo::PanTemporaneo:
            FinePan();
            break;
        case Modo::SpostaRifLibero:
        case Modo::SpostaRifDir:
            RegistraModifica(PrimaEtichetta);
            Vista.ModoComando = Modo::Idle;
            break;
        case Modo::RettIntegrativa:
        case Modo::RettTaglio:
            RilascioRettangolo(X, Y);
            break;
        case Modo::AngoloZona:
        case Modo::CentroZona:
            RilascioManiglia(X, Y);
            break;
        default:
            break;
    }
}

void MouseWheel(int Delta) {
    std::array<float, 4>& f = Vista.FinestraVista;
    Vista.FinestraPrecedente = f;
    const float lx = f[3] - f[2], ly = f[1] - f[0];
    // No span, no relative position of the cursor.
    if (!(lx > 0) || !(ly > 0)) return;
    const float dx = lx * 0.1f, dy = ly * 0.1f;
    const float fx = (Vista.XCursore - f[2]) / lx;
    const float fy = (Vista.YCursore - f[0]) / ly;
    if (Delta < 0) {
        if (lx > 1e7f) return;
        f[2] -= dx * fx;
        f[3] += (1 - fx) * dx;
        f[0] -= dy * fy;
        f[1] += (1 - fy) * dy;
    } else {
        if (!(lx > 5.0f)) return;
        f[2] += dx * fx;
        f[3] -= (1 - fx) * dx;
        f[0] += dy * fy;
        f[1] -= (1 - fy) * dy;
    }
    Vista.Scala = CalcScala(f[2], f[0], f[3], f[1]);
    if (Vista.ModoComando == Modo::EditZona) {
        const Zona& z = Edit.ZonaCorrente;
        RettangoloSelezione& s = Vista.RettSelezione;
        s.X2 = XSchermo(z.Angoli[0].X);
        s.Y2 = YSchermo(z.Angoli[0].Y);
        s.X1 = XSchermo(z.Angoli[2].X);
        s.Y1 = YSchermo(z.Angoli[2].Y);
        s.XC = (s.X1 + s.X2) / 2;
        s.YC = (s.Y1 + s.Y2) / 2;
    }
    Ridisegna0();
}

void RuotaAccumulata(int& resto, int delta) {
    resto += delta;
    while (resto >= 120) {
        resto -= 120;
        MouseWheel(120);
    }
    while (resto <= -120) {
        resto += 120;
        MouseWheel(-120);
    }
}

}  // namespace vilmor
