#include "app/DialogoImpostazioni.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "app/Undo.h"
#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "drawing/Ridisegna.h"
#include "model/FileImpostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

constexpr char AvvisoIcone[] =
    "Le dimensioni delle icone verranno modificate al prossimo avvio del programma. (salvare le impostazioni).";

// A numeric item: where it is stored, its limits, whether it is a whole number, how it is shown.
struct VoceNumerica {
    int32_t Id;
    int* Intero;
    float* Reale;
    float Minimo, Massimo;
};

std::vector<VoceNumerica> VociNumeriche() {
    Impostazioni& i = Imp;
    constexpr float L = SenzaLimite;
    constexpr float D = DiamMassimoFile;
    return {
        // Upper limits where the settings and reinforcement files set one.
        {IdImpAncMin, &i.AncoraggioMin, nullptr, 20, AncoraggioMassimoFile},
        {IdImpAncMax, &i.AncoraggioMax, nullptr, 0, 200},
        {IdImpDiamInt, &M.Zone.DiamIntegrativa, nullptr, 6, D},
        {IdImpPassoInt, nullptr, &i.PassoMaxIntegrativa, 5, L},
        {IdImpLungMax, nullptr, &i.LungMaxFerri, 300, L},
        {IdImpDiamCav, &i.DiamCavallettiDef, nullptr, 4, D},
        {IdImpPassoCav1, nullptr, &i.PassoCavalletti1Def, 10, L},
        {IdImpPassoCav2, nullptr, &i.PassoCavalletti2Def, 10, L},
        {IdImpCopriferro, nullptr, &i.CopriferroCordolo, 2, 40},
        {IdImpDiamReggi, &i.DiamReggistaffeCordolo, nullptr, 6, D},
        {IdImpDiamStaffe, &i.DiamStaffeCordolo, nullptr, 6, D},
        {IdImpLargStaffa, nullptr, &i.LargStaffaCordolo, 15, 80},
        {IdImpPassoStaffe, nullptr, &i.PassoStaffeCordolo, 5, L},
        {IdImpDiamPioli, &i.DiamPioli, nullptr, 6, D},
        {IdImpPassoPioli, nullptr, &i.PassoMaxPioli, 5, L},
        {IdImpGrigliaX, &i.PassoGrigliaX, nullptr, 1, 500},
        {IdImpGrigliaY, &i.PassoGrigliaY, nullptr, 1, 500},
    };
}

// Ids whose value is shown with one decimal rather than in Str form.
bool ConUnDecimale(int32_t id) {
    return id == IdImpPassoInt || id == IdImpPassoCav1 || id == IdImpPassoCav2 || id == IdImpCopriferro ||
           id == IdImpLargStaffa || id == IdImpPassoStaffe || id == IdImpPassoPioli;
}

void Sfondo() {
    if (Piatt.Ctrl_Vid) {
        Piatt.Ctrl_Vid->ColoreSfondo(ColoreSfondoVideo());
        Piatt.Ctrl_Vid->ColorePrimoPiano(ColorePrimoPianoVideo());
    }
}

}  // namespace

DialogoImpostazioni::DialogoImpostazioni(PannelloProprieta& griglia) : griglia_(griglia) {
    griglia_.DopoModifica = [this](int32_t id, const std::string& testo) { return DopoModifica(id, testo); };
    griglia_.ValoreCambiato = [this](int32_t id, int valore) { ValoreCambiato(id, valore); };
}

DialogoImpostazioni::~DialogoImpostazioni() {
    griglia_.DopoModifica = nullptr;
    griglia_.ValoreCambiato = nullptr;
}

void DialogoImpostazioni::Apri() {
    iconeCliccate_ = false;
    aperto_ = Imp;
    diamIntegrativaAperto_ = M.Zone.DiamIntegrativa;
    piegaAperta_ = M.Progetto.PiegaAncoraggio;
    PannelloSetting();
    AggiornaForm2();
}

std::string DialogoImpostazioni::ValoreAttuale(int32_t id) const {
    for (const VoceNumerica& v : VociNumeriche())
        if (v.Id == id) {
            if (v.Intero) return Str(*v.Intero);
            return ConUnDecimale(id) ? FormatNum(*v.Reale, 1) : Str(*v.Reale);
        }
    return {};
}

void DialogoImpostazioni::PannelloSetting() {
    PannelloProprieta& g = griglia_;
    g.Pulisci();
    auto categoria = [&](const char* titolo) {
        const int c = g.AggiungiCategoria(titolo);
        g.Espandi(c);
        return c;
    };
    auto voce = [&](int c, const char* titolo, int32_t id) { g.AggiungiVoce(c, titolo, ValoreAttuale(id), id); };
    int c = categoria("Lunghezza di sovrapposizione ferri");
    voce(c, "L Min. (in multipli del diam.)", IdImpAncMin);
    voce(c, "L Max. (in multipli del diam.)", IdImpAncMax);
    c = categoria("Riferimento per armatura integrativa");
    voce(c, "Diametro (mm)", IdImpDiamInt);
    voce(c, "Passo massimo (cm)", IdImpPassoInt);
    voce(c, "Lunghezza max ferri (cm)", IdImpLungMax);
    g.AggiungiCasella(c, "Descrizione completa delle posizioni", Edit.DescrizioneCompleta > 0, IdImpDescrizione);
    c = categoria("Armatura diffusa a taglio (cavalletti)");
    voce(c, "Diametro (mm) 0 = nessuna armatura", IdImpDiamCav);
    voce(c, "Passo dir. 1 (cm)", IdImpPassoCav1);
    voce(c, "Passo dir. 2 (cm)", IdImpPassoCav2);
    c = categoria("Riferimento per cordoli");
    voce(c, "Copriferro dal bordo (cm)", IdImpCopriferro);
    voce(c, "Diametro reggistaffa (mm)", IdImpDiamReggi);
    voce(c, "Diametro staffe (mm)", IdImpDiamStaffe);
    voce(c, "Larghezza staffa del cordolo (cm)", IdImpLargStaffa);
    voce(c, "Passo staffe (cm)", IdImpPassoStaffe);
    c = categoria("Riferimento per armatura a taglio (pioli)");
    voce(c, "Diametro (mm)", IdImpDiamPioli);
    voce(c, "Passo max dir. 1 (cm)", IdImpPassoPioli);
    g.AggiungiLista(c, "Passo base uguale al passo dir.", {{"1 superiore", 0}, {"2 superiore", 1}},
                    Imp.PassoBasePioli, IdImpPassoBasePioli);
    c = categoria("Griglia");
    voce(c, "Passo X (cm)", IdImpGrigliaX);
    voce(c, "Passo Y (cm)", IdImpGrigliaY);
    if (M.Progetto.MagliaUnica != 0) {
        c = categoria("Armatura a maglia unica");
        g.AggiungiCasella(c, "Piega ancoraggio estremità", M.Progetto.PiegaAncoraggio > 0, IdImpPiega);
    }
    g.PosizioneDivisore(0.7);
}

void DialogoImpostazioni::AggiornaForm2() {
    ControlliImpostazioni& c = Controlli;
    const StratiDisegno& s = Strati;
    for (int i = 0; i < RigheOsnap; ++i) c.Osnap[static_cast<size_t>(i)] = s.OsnapQuote[static_cast<size_t>(i)];
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        c.Nomi[k] = s.NomiLayer[k];
        c.Colori[k] = s.ColoriLayer[k];
        c.Visibili[k] = s.VisLayerVideo[k];
    }
    // A value other than 0 or 1 from the settings file selects no button of its group.
    auto indice = [](int v) { return v == 0 || v == 1 ? v : -1; };
    c.Sfondo = indice(Imp.SfondoBianco);
    c.Tolleranza = indice(Imp.ModoTolleranza);
    c.TestoPerc = FormatNum(Imp.TolleranzaPerc, 2);
    c.TestoFissa = FormatNum(Imp.TolleranzaFissa, 2);
    // Selecting another icon button is a click of it; the first, at the opening, says nothing.
    const int icone = indice(Imp.IconeGrandi);
    const bool cambia = icone != c.Icone && icone >= 0;
    c.Icone = icone;
    if (MostraControlli) MostraControlli();
    if (cambia) Option2_Click();
}

void DialogoImpostazioni::LeggiF() {
    if (LeggiControlli) LeggiControlli();
    const ControlliImpostazioni& c = Controlli;
    StratiDisegno& s = Strati;
    for (int i = 0; i < RigheOsnap; ++i)
        s.OsnapQuote[static_cast<size_t>(i)] = c.Osnap[static_cast<size_t>(i)] != 0 ? 1 : 0;
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        s.ColoriLayer[k] = c.Colori[k];
        s.VisLayerVideo[k] = c.Visibili[k] != 0 ? 1 : 0;
    }
    if (c.Sfondo >= 0) Imp.SfondoBianco = c.Sfondo;
    if (c.Tolleranza >= 0) Imp.ModoTolleranza = c.Tolleranza;
    // A tolerance outside what the settings file takes keeps the one before.
    if (const float v = ValNumero(c.TestoPerc); TolleranzaPercValida(v)) Imp.TolleranzaPerc = v;
    if (const float v = ValNumero(c.TestoFissa); TolleranzaFissaValida(v)) Imp.TolleranzaFissa = v;
    Imp.IconeGrandi = c.Icone == 0 ? 0 : 1;
}

std::string DialogoImpostazioni::DopoModifica(int32_t id, const std::string& testo) {
    if (id == IdImpDescrizione) {
        Edit.DescrizioneCompleta = ValNumero(testo) != 0 ? 1 : 0;
        return testo;
    }
    if (id == IdImpPiega) {
        M.Progetto.PiegaAncoraggio = ValNumero(testo) != 0 ? 1 : 0;
        return testo;
    }
    for (const VoceNumerica& v : VociNumeriche()) {
        if (v.Id != id) continue;
        if (v.Intero) {
            if (const std::optional<int> n = InteroVoce(griglia_, id, testo, v.Minimo, v.Massimo)) *v.Intero = *n;
        } else if (const std::optional<float> x = ValoreVoce(griglia_, id, testo, v.Minimo, v.Massimo)) {
            *v.Reale = *x;
        }
        return ValoreAttuale(id);
    }
    return testo;
}

void DialogoImpostazioni::ValoreCambiato(int32_t id, int valore) {
    if (id == IdImpPassoBasePioli) Imp.PassoBasePioli = valore;
    else if (id == IdImpDescrizione) Edit.DescrizioneCompleta = valore != 0 ? 1 : 0;
    else if (id == IdImpPiega) M.Progetto.PiegaAncoraggio = valore != 0 ? 1 : 0;
}

void DialogoImpostazioni::Label8_Click(int riga) {
    if (riga < 0 || riga >= RigheLayer || !Piatt.Dialoghi) return;
    if (LeggiControlli) LeggiControlli();
    int32_t& colore = Controlli.Colori[static_cast<size_t>(riga)];
    if (const std::optional<int32_t> scelto = Piatt.Dialoghi->ScegliColore(colore)) {
        colore = *scelto;
        if (MostraControlli) MostraControlli();
    }
}

void DialogoImpostazioni::Option2_Click() {
    if (iconeCliccate_) MostraMessaggio(AvvisoIcone, IconaMsg::Informazione, PulsantiMsg::Ok, "Attenzione!");
    iconeCliccate_ = true;
}

void DialogoImpostazioni::Ok() {
    // The tick box writes the flag as it is clicked: against the flag found at the opening, the
    // change is one undo step.
    const int piega = M.Progetto.PiegaAncoraggio;
    if (piega != piegaAperta_) {
        M.Progetto.PiegaAncoraggio = piegaAperta_;
        FotoModello prima = FotografaModello();
        M.Progetto.PiegaAncoraggio = piega;
        RegistraModifica(prima);
        piegaAperta_ = piega;
    }
    LeggiF();
    Sfondo();
    Ridisegna(0);
}

void DialogoImpostazioni::Annulla() {
    Impostazioni& i = Imp;
    const Impostazioni& a = aperto_;
    i.AncoraggioMin = a.AncoraggioMin, i.AncoraggioMax = a.AncoraggioMax;
    M.Zone.DiamIntegrativa = diamIntegrativaAperto_;
    M.Progetto.PiegaAncoraggio = piegaAperta_;
    i.PassoMaxIntegrativa = a.PassoMaxIntegrativa;
    i.DiamCavallettiDef = a.DiamCavallettiDef;
    i.PassoCavalletti1Def = a.PassoCavalletti1Def, i.PassoCavalletti2Def = a.PassoCavalletti2Def;
    i.DiamStaffeCordolo = a.DiamStaffeCordolo, i.DiamReggistaffeCordolo = a.DiamReggistaffeCordolo;
    i.LargStaffaCordolo = a.LargStaffaCordolo, i.PassoStaffeCordolo = a.PassoStaffeCordolo;
    i.DiamPioli = a.DiamPioli, i.PassoMaxPioli = a.PassoMaxPioli;
    i.LungMaxFerri = a.LungMaxFerri;
    i.ParamRiserva1 = a.ParamRiserva1, i.ParamRiserva2 = a.ParamRiserva2, i.ParamRiserva3 = a.ParamRiserva3;
    i.ModoTolleranza = a.ModoTolleranza, i.TolleranzaPerc = a.TolleranzaPerc, i.TolleranzaFissa = a.TolleranzaFissa;
}

void DialogoImpostazioni::SalvaImpostazioni() {
    LeggiF();
    SalvaIni();
}

void DialogoImpostazioni::ResetImpostazioni() {
    // The settings only: the open slab keeps its mesh kind, view and side options.
    ImpostaDefaultImpostazioni();
    M.Progetto.PiegaAncoraggio = 0;
    ImpostaColori();
    const std::string file = FileImpostazioni();
    if (EsisteFile(file)) std::remove(file.c_str());
    Ridisegna(0);
    PannelloSetting();
    AggiornaForm2();
}

void DialogoImpostazioni::ColoriDefault() {
    if (LeggiControlli) LeggiControlli();
    Imp.SfondoBianco = Controlli.Sfondo == 0 ? 0 : 1;
    ImpostaColori();
    AggiornaForm2();
}

}  // namespace vilmor
