#include "app/DialogoAggiuntiva.h"

#include <algorithm>
#include <cmath>

#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Testo1252.h"
#include "design/Ancoraggio.h"
#include "design/ArchivioZone.h"
#include "design/ContornoZona.h"
#include "design/DirezioniZona.h"
#include "design/FigureZona.h"
#include "design/PassoFerri.h"
#include "design/SelezioneZona.h"
#include "design/VerificaSelezione.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "report/Mod_RTF.h"

namespace vilmor {

namespace {

constexpr int Dim = 16;  // every run of the information box, half-points

bool ZonaFaccia(const Zona& z) { return z.Tipo < 2; }

// Int(W / passo) + 1 as a count that stays an int whatever the width.
int ContaFerri(float W, float passo) {
    const double q = static_cast<double>(W / passo);
    if (!(passo > 0) || !std::isfinite(q)) return 0;
    return static_cast<int>(std::clamp(std::floor(q) + 1, -2.0e9, 2.0e9));
}

}  // namespace

std::string MsgLunghezzaAncoraggi(const std::string& campo, int ancoraggio) {
    return "\"" + campo + "\" deve superare il doppio dell'ancoraggio (" + std::to_string(2 * ancoraggio) +
           " cm).\nValore non accettato.";
}

DialogoAggiuntiva::DialogoAggiuntiva(PannelloProprieta& griglia, Modello& m) : griglia_(griglia), m_(m) {
    griglia_.DopoModifica = [this](int32_t id, const std::string& testo) { return DopoModifica(id, testo); };
    griglia_.ValoreCambiato = [this](int32_t id, int valore) { ValoreCambiato(id, valore); };
}

DialogoAggiuntiva::DialogoAggiuntiva(PannelloProprieta& griglia) : DialogoAggiuntiva(griglia, M) {}

DialogoAggiuntiva::~DialogoAggiuntiva() {
    griglia_.DopoModifica = nullptr;
    griglia_.ValoreCambiato = nullptr;
}

void DialogoAggiuntiva::Apri() {
    titolo_ = Vista.ModoComando == 450 ? "Copia armatura sul lato opposto" : "Armatura integrativa";
    Edit.ZonaConfermata = 0;
    Edit.EntrambiLati = 0;
    Zona& z = Edit.ZonaCorrente;
    if (ZonaFaccia(z)) {
        if (!(z.Passo >= 1)) z.Passo = 1;
        // The figures the rubber band showed, from the same computation.
        const FigureStriscia f = FigureDiStriscia(m_.Progetto, z);
        Ancoraggio = f.Ancoraggio;
        L = f.L;
        W = f.W;
        XC = (z.Angoli[0].X + z.Angoli[2].X) / 2;
        YC = (z.Angoli[0].Y + z.Angoli[2].Y) / 2;
    }
    PanelAgg();
    infoAA();
    // From here until "Ok" the dialog counts as cancelled, whatever closes it.
    ErroreOperazione = -1;
}

void DialogoAggiuntiva::PanelAgg() {
    const Zona& z = Edit.ZonaCorrente;
    griglia_.Pulisci();
    griglia_.PosizioneDivisore(0.6);
    const int c = griglia_.AggiungiCategoria("Dati armatura");
    griglia_.Espandi(c);
    griglia_.AggiungiVoce(c, "Diametro [mm]", ValoreAttuale(IdAggDiametro), IdAggDiametro);
    griglia_.AggiungiVoce(c, "Passo dir. 1 [cm]", ValoreAttuale(IdAggPasso), IdAggPasso);
    if (z.Tipo >= 3) griglia_.AggiungiVoce(c, "Passo dir. 2 [cm]", ValoreAttuale(IdAggPasso2), IdAggPasso2);
    if (!ZonaFaccia(z)) return;
    griglia_.AggiungiVoce(c, "Coordinata X centro [cm]", ValoreAttuale(IdAggXCentro), IdAggXCentro);
    griglia_.AggiungiVoce(c, "Coordinata Y centro [cm]", ValoreAttuale(IdAggYCentro), IdAggYCentro);
    griglia_.AggiungiVoce(c, "Lunghezza ferri [cm]", ValoreAttuale(IdAggLunghezza), IdAggLunghezza);
    griglia_.AggiungiVoce(c, "Larghezza tratto [cm]", ValoreAttuale(IdAggLarghezza), IdAggLarghezza);
    // Both faces only for a new zone of a slab with two meshes, and not while copying one.
    if (m_.Progetto.MagliaUnica == 0 && Edit.ZonaSelezionata > m_.Zone.UltimaZona && Vista.ModoComando != 450)
        griglia_.AggiungiCasella(c, "Disponi su entrambi i lati", Edit.EntrambiLati != 0, IdAggEntrambiLati);
}

std::string DialogoAggiuntiva::ValoreAttuale(int32_t id) const {
    const Zona& z = Edit.ZonaCorrente;
    switch (id) {
        case IdAggDiametro: return Str(z.Diametro);
        case IdAggPasso: return FormatNumVar(z.Passo, 1);
        case IdAggPasso2: return FormatNumVar(z.Passo2, 1);
        case IdAggXCentro: return FormatNum(XC, 1);
        case IdAggYCentro: return FormatNum(YC, 1);
        case IdAggLunghezza: return FormatNum(L, 1);
        case IdAggLarghezza: return FormatNum(W, 1);
        default: return {};
    }
}

void DialogoAggiuntiva::infoAA() {
    const Zona& z = Edit.ZonaCorrente;
    const std::string diam = std::string(" ") + SegnoDiametro + Str(z.Diametro);
    const float richMax = Edit.RichiestaMaxSel, richMedia = Edit.RichiestaMediaSel;
    std::string t = InizioRTF() + TestoNero(" Info area:\\par ", Dim, 0, 0);
    if (ZonaFaccia(z)) {
        const std::string F = m_.Progetto.MagliaUnica != 0 ? "" : z.Tipo == 0 ? "lato sup., " : "lato inf., ";
        const std::string D = z.Direzione == 0 ? "dir.1" : "dir.2";
        t += TestoNero(" Armatura n." + Str(Edit.ZonaSelezionata + 1) + ", " + F + D, Dim, 0, 0) + "\\par ";
        const float A = z.Passo > 0 ? AreaBarra(z.Diametro) * 100 / z.Passo : 0;
        t += diam + "/" + FormatNumVar(z.Passo, 1) + "   (" + FormatNum(A, 2) + " cmq/m)  ";
        NumFerri = ContaFerri(W, z.Passo);
        if (NumFerri < 2)
            t += TestoRosso("Errore: passo > larghezza!", Dim, 0, 0) + TestoNero("\\par ", Dim, 0, 0);
        else
            t += Str(NumFerri) + " barre L = " + Str(L) + " cm\\par ";
        float d = A - richMax;
        t += " Richiesta max: " + FormatNum(richMax, 1) + " cmq/m  (";
        if (d <= 0)
            t += TestoRosso("Mancano: " + FormatNum(-d, 1), Dim, 0, 1) + " cmq/m)" + TestoNero("\\par ", Dim, 0, 0);
        else
            t += "In eccesso: " + FormatNum(d, 2) + " cmq/m)\\par ";
        d = A - richMedia;
        t += " Richiesta media: " + FormatNum(richMedia, 1) + " cmq/m  (";
        if (d <= 0)
            t += TestoRosso("Mancano: " + FormatNum(-d, 1), Dim, 0, 1) + " cmq/m)\\par ";
        else
            t += "In eccesso: " + FormatNum(d, 2) + " cmq/m)\\par ";
    } else {
        t += " Pioli" + diam + " passo " + FormatNumVar(z.Passo2, 1) + " x" + FormatNumVar(z.Passo, 1) + "\\par ";
        // A spacing of 0 from a file gives no area to show or compare.
        const bool area = z.Passo > 0 && z.Passo2 > 0;
        const float A = area ? AreaBarra(z.Diametro) * (100 / z.Passo2) * (100 / z.Passo) : 0;
        if (area) t += " Area = " + FormatNum(A, 2) + " cmq/mq\\par ";
        t += " Richiesta max: " + FormatNum(richMax, 1) + " cmq/mq\\par ";
        t += " Richiesta media: " + FormatNum(richMedia, 1) + " cmq/mq\\par ";
        if (area) {
            const float d = A - richMax;
            if (d <= 0)
                t += TestoRosso(" Mancano per richiesta max: " + FormatNum(-d, 1), Dim, 0, 1) + " cmq/mq";
            else
                t += " In eccesso per richiesta max: " + FormatNum(d, 2) + " cmq/mq";
        }
    }
    t += FineRTF();
    info_ = t;
    if (MostraInfo) MostraInfo(info_);
}

void DialogoAggiuntiva::Maniglie() { SelezioneSuAngoli(Edit.ZonaCorrente, Vista.RettSelezione); }

std::string DialogoAggiuntiva::DopoModifica(int32_t id, const std::string& testo) {
    Zona& z = Edit.ZonaCorrente;
    switch (id) {
        case IdAggDiametro:
            if (auto v = InteroVoce(griglia_, id, testo, 6, DiamMassimoFile)) {
                z.Diametro = *v;
                // The bar length typed stays the length of the bars: the anchorage follows the
                // diameter, since the outline grows by the new one.
                if (ZonaFaccia(z)) Ancoraggio = CalcAncoraggio(z.Diametro);
                Maniglie();
                Vista.MostraManiglie = 1;
                if (Disegno.Ridisegna) Disegno.Ridisegna(0);
            }
            break;
        case IdAggPasso:
            if (auto v = ValoreVoce(griglia_, id, testo, 4, 200)) {
                z.Passo = *v;
                // The width "Ok" will store, shown now: whole spacings of the new spacing.
                if (ZonaFaccia(z)) {
                    W = ArrotondaLarghezza(W, z.Passo);
                    griglia_.ImpostaValore(IdAggLarghezza, ValoreAttuale(IdAggLarghezza));
                }
            }
            break;
        case IdAggPasso2:
            if (auto v = ValoreVoce(griglia_, id, testo, 4, 200)) z.Passo2 = *v;
            break;
        case IdAggXCentro:
            if (auto v = ValoreVoce(griglia_, id, testo, -SenzaLimite)) XC = *v;
            break;
        case IdAggYCentro:
            if (auto v = ValoreVoce(griglia_, id, testo, -SenzaLimite)) YC = *v;
            break;
        case IdAggLunghezza:
            // Longer than both anchorages, or the strip would have no length.
            if (auto v = ValoreVoce(griglia_, id, testo, z.Passo)) {
                if (*v > 2 * static_cast<float>(Ancoraggio)) L = *v;
                else RifiutaVoce(MsgLunghezzaAncoraggi(griglia_.TitoloVoce(id), Ancoraggio));
            }
            break;
        case IdAggLarghezza:
            if (auto v = ValoreVoce(griglia_, id, testo, z.Passo)) W = ArrotondaLarghezza(*v, z.Passo);
            break;
        default: break;
    }
    infoAA();
    return ValoreAttuale(id);
}

void DialogoAggiuntiva::ValoreCambiato(int32_t id, int valore) {
    if (id == IdAggEntrambiLati) Edit.EntrambiLati = valore != 0 ? 1 : 0;
}

void DialogoAggiuntiva::RicalcolaPasso() {
    Zona& z = Edit.ZonaCorrente;
    if (z.Tipo == 3) {
        z.Passo = PassoPioli(z.Diametro, Edit.RichiestaMaxSel);
        z.Passo2 = z.Passo;
    } else {
        z.Passo = PassoFerri(z.Diametro, Edit.RichiestaMaxSel);
        if (ZonaFaccia(z)) W = ArrotondaLarghezza(W, z.Passo);
    }
    PanelAgg();
    infoAA();
}

void DialogoAggiuntiva::ModificaPerimetro() {
    Maniglie();
    Vista.ModoComando = 200;
    Edit.MantieniRiferimento = -1;
    if (Piatt.Finestra) Piatt.Finestra->ImpostaPrompt(PromptModificaPerimetro);
}

void DialogoAggiuntiva::Annulla() {
    Vista.ModoComando = 0;
    ErroreOperazione = -1;
}

bool DialogoAggiuntiva::Ok() {
    // Only the zone under edit changes here, and only when it is accepted; whoever stores it
    // takes the undo snapshot. A refusal leaves the dialog as the user left it.
    VoceRifiutata = -1;
    Zona& z = Edit.ZonaCorrente;
    auto rifiuta = [&](int32_t voce) {
        VoceRifiutata = voce;
        Edit.ZonaConfermata = 0;
        return false;
    };
    if (ZonaFaccia(z)) {
        if (NumFerri < 2) {
            Avviso(MsgLarghezzaMinorePasso);
            return rifiuta(IdAggLarghezza);
        }
        // The copy on the other face needs its own row of the table.
        const bool nuova = Edit.ZonaSelezionata > m_.Zone.UltimaZona;
        if (Edit.EntrambiLati != 0 && !SpazioZone(m_.Zone, (nuova ? 1 : 0) + 1)) {
            AvvisoLimiteZone();
            return rifiuta(IdAggEntrambiLati);
        }
        // The width along the direction-2 side; parallel bar directions have none.
        const double seno = std::sin(static_cast<double>(m_.Progetto.AngoloDir2));
        const float largo = static_cast<float>(W / seno);
        if (!(std::fabs(seno) > 1e-6) || !std::isfinite(largo)) {
            Avviso(MsgZonaDialogo(EsitoContorno::Degenere));
            return rifiuta(-1);
        }
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        RettangoloRuotato(m_.Progetto, z.Direzione, (L - 2 * static_cast<float>(Ancoraggio)) / 2, largo / 2, XC, YC,
                          x1, y1, x2, y2);
        // The corners as the values shown give them, not moved to whole centimetres: the zone
        // stores the centre and width the dialog shows.
        const Zona prima = z;
        ImpostaSelezioneDir(m_.Progetto, z, x1, y1, x2, y2, false);
        OrdinaZonaOraria(z);
        EsitoContorno esito = EsitoContorno::Ottenuto;
        if (ContornoZona(m_, Edit, &esito) == 0) {
            z = prima;
            Avviso(MsgZonaDialogo(esito));
            return rifiuta(IdAggXCentro);
        }
    }
    Edit.ZonaConfermata = -1;
    Vista.ModoComando = 0;
    ErroreOperazione = 0;
    return true;
}

std::string MsgZonaDialogo(EsitoContorno esito) {
    const char* come = esito == EsitoContorno::PiuParti ? "risulta divisa in pi\xC3\xB9 parti separate dal contorno della soletta"
                       : esito == EsitoContorno::Degenere ? "non ha area"
                                                          : "cade fuori dalla soletta";
    return std::string("La zona definita da centro, lunghezza e larghezza ") + come +
           ".\nCorreggere i valori o annullare.";
}

void ApriFrmAggiuntiva() {
    if (Piatt.Finestra) {
        Piatt.Finestra->MostraFrmAggiuntiva();
        return;
    }
    ErroreOperazione = -1;
    Edit.ZonaConfermata = 0;
}

}  // namespace vilmor
