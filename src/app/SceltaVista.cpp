#include "app/SceltaVista.h"

#include <string>

#include "app/InfoArmature.h"
#include "app/MouseVideo.h"
#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "design/MappeColori.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

constexpr int PiantaMappe = 9999;

void RangeRichiesta(int voce) {
    Mappa.ScalaMax = M.Analisi.MaxRichiesta[static_cast<size_t>(voce)];
    Mappa.ScalaMin = M.Analisi.MinRichiesta[static_cast<size_t>(voce)];
}

void RangeEccedenza(int strato) { LimitiEccedenza(M, strato, Mappa.ScalaMin, Mappa.ScalaMax); }

// The range of map type `tipo` as a view change sets it; other types keep theirs.
void RangeDefault(int tipo) {
    static constexpr int Voci[5] = {0, 2, 1, 3, 5};
    if (tipo >= 0 && tipo <= 4) RangeRichiesta(Voci[tipo]);
    else if (tipo >= 10 && tipo <= 14) RangeEccedenza(tipo - 10);
}

// Box 0 "Max.", box 1 "Min.".
void MostraRange() {
    if (!Piatt.Finestra) return;
    Piatt.Finestra->ImpostaTestoRange(0, FormatNum(Mappa.ScalaMax, 2));
    Piatt.Finestra->ImpostaTestoRange(1, FormatNum(Mappa.ScalaMin, 2));
}

std::string TestoBox(int i) { return Piatt.Finestra ? Piatt.Finestra->TestoRange(i) : std::string(); }

// Text that is not a number would read as 0: the box gets its end back and the end stays.
bool LeggiBox(int i, float attuale, float& valore) {
    const std::string t = TestoBox(i);
    if (!IniziaConNumero(t)) {
        if (Piatt.Finestra) Piatt.Finestra->ImpostaTestoRange(i, FormatNum(attuale, 2));
        return false;
    }
    valore = ValNumero(t);
    return true;
}

bool SolettaCaricata() { return M.Soletta.NumVertContorno > 0; }

}  // namespace

void Option1_Click(int Index) {
    Vista.LatoScelto = Index;
    if (Piatt.Finestra) {
        Piatt.Finestra->SelezionaLato(Index);
        Piatt.Finestra->AbilitaDirezioni(Index != 2);
    }
    AggiornaVisulalizzazione();
}

void Option2_Click(int Index) {
    Vista.DirezioneScelta = Index;
    if (Piatt.Finestra) Piatt.Finestra->SelezionaDirezione(Index);
    AggiornaVisulalizzazione();
}

void LatoEDirezione() {
    // Both handlers at once: one view update, not two.
    Vista.LatoScelto = M.Progetto.MagliaUnica ? 1 : 0;
    Vista.DirezioneScelta = 0;
    if (Piatt.Finestra) {
        Piatt.Finestra->SelezionaLato(Vista.LatoScelto);
        Piatt.Finestra->AbilitaDirezioni(true);
        Piatt.Finestra->SelezionaDirezione(0);
    }
    AggiornaVisulalizzazione();
}

void AggiornaVisulalizzazione() {
    StatoVista& v = Vista;
    v.EstensioneCorrente = v.VistaScelta == 2 ? v.EstensioneTavola : v.EstensionePianta;
    InfoArm();
    const int lato = v.LatoScelto, dir = v.DirezioneScelta;
    switch (v.VistaScelta) {
    case 0:
        v.CodiceVista = lato == 1 ? 1 : 0;
        v.PiantaCorrente = v.CodiceVista;
        break;
    case 1:
        if (lato == 0) v.CodiceVista = 14, v.PiantaCorrente = 2, v.TipoZonaAttivo = 0;
        else if (lato == 1) v.CodiceVista = 15, v.PiantaCorrente = 3, v.TipoZonaAttivo = 1;
        else v.CodiceVista = 16, v.PiantaCorrente = 4;
        break;
    case 2:
        v.CodiceVista = 17;
        v.PiantaCorrente = 5;
        break;
    case 3:
        // The arrangement keeps the plan drawn before it.
        if (lato == 2) v.CodiceVista = 12, v.TipoMappa = 9;
        else if (lato == 0) v.CodiceVista = dir == 0 ? 6 : 7, v.TipoMappa = dir == 0 ? 5 : 7;
        else v.CodiceVista = dir == 0 ? 8 : 9, v.TipoMappa = dir == 0 ? 6 : 8;
        break;
    case 4:
    case 5: {
        const bool eccesso = v.VistaScelta == 5;
        int strato;  // 0 upper dir 1, 1 lower dir 1, 2 upper dir 2, 3 lower dir 2, 4 shear
        if (lato == 2) v.CodiceVista = 10, strato = 4;
        else v.CodiceVista = 2 + 2 * lato + dir, strato = lato + 2 * dir;
        v.TipoMappa = (eccesso ? 10 : 0) + strato;
        RangeDefault(v.TipoMappa);
        v.PiantaCorrente = PiantaMappe;
        break;
    }
    default:
        return;
    }
    // A map view implies its layer's direction and face: set here, so that redrawing the view
    // changes nothing a command reads.
    const VoceMappa* voce = v.VistaScelta >= 3 ? VoceMappaDi(v.TipoMappa) : nullptr;
    if (voce) v.DirezioneAttiva = voce->Direzione, v.TipoZonaAttivo = voce->Lato;
    ZoomEstensione();
    Ridisegna(0);
    if (v.VistaScelta >= 4) MostraRange();
}

void ScegliVista(int vista) {
    if (!SolettaCaricata()) return;
    Vista.VistaScelta = vista;
    AggiornaVisulalizzazione();
}

void Command1_Click(int Index) {
    if (Index == 0) {
        RangeDefault(Vista.TipoMappa);
        MostraRange();
    } else if (Index == 1) {
        float m = 0;
        if (LeggiBox(1, Mappa.ScalaMin, m)) {
            if (m < 0) {
                if (Piatt.Finestra) Piatt.Finestra->ImpostaTestoRange(1, FormatNum(Mappa.ScalaMin, 2));
            } else {
                Mappa.ScalaMin = m;
            }
        }
        float mx = 0;
        if (LeggiBox(0, Mappa.ScalaMax, mx)) {
            if (mx >= Mappa.ScalaMin) Mappa.ScalaMax = mx;
            else if (Piatt.Finestra) Piatt.Finestra->ImpostaTestoRange(0, FormatNum(Mappa.ScalaMax, 2));
        }
    } else {
        return;
    }
    Ridisegna(0);
}

void TastoInvio() {
    // A zone under edit is concluded first.
    if (Vista.ModoComando == 200) ChiudiPoliAgg();
    if (Vista.TipoMappa >= 5 && Vista.TipoMappa <= 9) return;
    float v = 0;
    if (LeggiBox(0, Mappa.ScalaMax, v)) Mappa.ScalaMax = v;
    if (LeggiBox(1, Mappa.ScalaMin, v)) Mappa.ScalaMin = v;
    Ridisegna(0);
}

StatoComando CommandBars_Update(int32_t Id) {
    const IdentificatoriComandi& c = Comandi;
    StatoVista& v = Vista;
    StatoComando r;
    if (Id == 0) return r;
    const int cv = v.CodiceVista;
    const bool slab = SolettaCaricata();
    const bool editor = v.EditPerimetro != 0;
    const bool unica = M.Progetto.MagliaUnica != 0;
    const bool zone = cv >= 2 && cv <= 13 && !editor && slab;

    const int32_t viste[6] = {c.IdVisDiffusa, c.IdVisIntegrativa, c.IdVisTavola,
                              c.IdDisponiIntegrative, c.IdMappaCalcolo, c.IdEccedenza};
    for (int k = 0; k < 6; ++k)
        if (Id == viste[k]) {
            r.Selezionato = v.VistaScelta == k;
            return r;
        }
    if (Id == c.IdAnnulla) {
        r.Abilitato = Undo.UndoCorrente > Undo.UndoPrimo;
    } else if (Id == c.IdRipeti) {
        r.Abilitato = Undo.UndoCorrente < Undo.UndoUltimo;
    } else if (Id == c.IdCopia || Id == c.IdSposta || Id == c.IdCancellaArm || Id == c.IdArmPilastri ||
               Id == c.IdArmPali) {
        r.Abilitato = zone;
    } else if (Id == c.IdCopiaLato) {
        r.Abilitato = zone && !unica;
    } else if (Id == c.IdInfoNodi) {
        const bool on = zone && cv != 10;
        r.Abilitato = on;
        if (!on) v.ModoInfo = 0;
        r.Selezionato = on && v.ModoInfo != 0;
    } else if (Id == c.IdRiferimento) {
        r.Abilitato = cv >= 14 && cv <= 16 && slab && !editor;
    } else if (Id == c.IdCordoli) {
        r.Abilitato = ((cv >= 6 && cv <= 9) || (cv >= 12 && cv <= 13)) && !editor && slab && !unica;
    } else if (Id == c.IdArmTaglio) {
        r.Abilitato = cv >= 12 && cv <= 13 && !editor && slab && !unica;
    } else if (Id == c.IdInsIntegrativa) {
        // Without a slab there is nothing to place a zone on.
        r.Abilitato = cv >= 6 && cv <= 9 && !editor && slab;
    } else if (Id == c.IdSezione1 || Id == c.IdSezione2 || Id == c.IdCancellaSez || Id == c.IdSpostaSez) {
        r.Abilitato = slab && cv != 17 && !editor;
    } else if (Id == c.IdPerimetro) {
        r.Abilitato = slab && cv <= 15;
        if (!*r.Abilitato) v.EditPerimetro = 0;
    } else if (Id == c.IdQuotaOrizz || Id == c.IdQuotaVert || Id == c.IdQuotaAllin || Id == c.IdCancellaQuota ||
               Id == c.IdQuotaContinua || Id == c.IdSpostaQuota || Id == c.IdVisQuota || Id == c.IdQuotaAuto) {
        r.Abilitato = v.PiantaCorrente <= 4 && cv != 17 && slab && !editor;
    }
    return r;
}

}  // namespace vilmor
