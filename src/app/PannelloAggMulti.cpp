#include "app/PannelloAggMulti.h"

#include <optional>

#include "app/ValoriGriglia.h"
#include "app/ZonePilastri.h"
#include "design/Ancoraggio.h"
#include "base/Formati.h"
#include "model/definizioni.h"

namespace vilmor {

PannelloAggMulti::PannelloAggMulti(PannelloProprieta& griglia) : griglia_(griglia) {
    griglia_.DopoModifica = [this](int32_t id, const std::string& testo) { return DopoModifica(id, testo); };
    griglia_.ValoreCambiato = [this](int32_t id, int valore) { ValoreCambiato(id, valore); };
}

PannelloAggMulti::~PannelloAggMulti() {
    griglia_.DopoModifica = nullptr;
    griglia_.ValoreCambiato = nullptr;
}

void PannelloAggMulti::Apri() {
    ErroreOperazione = 0;
    DatiAggMulti& d = AggMulti;
    d = DatiAggMulti{};
    d.DiamMulti1 = d.DiamMulti2 = M.Zone.DiamIntegrativa;
    if (M.Progetto.MagliaUnica != 0) Edit.LatoMulti = 1;
    PanelAggMu();
}

std::string PannelloAggMulti::ValoreAttuale(int32_t id) const {
    const DatiAggMulti& d = AggMulti;
    switch (id) {
        case IdMultiDiam1: return std::to_string(d.DiamMulti1);
        case IdMultiNum1: return std::to_string(d.NumFerriMulti1);
        case IdMultiPasso1: return FormatNumVar(d.PassoMulti1, 1);
        case IdMultiLung1: return FormatNumVar(d.LungMulti1, 1);
        case IdMultiDiam2: return std::to_string(d.DiamMulti2);
        case IdMultiNum2: return std::to_string(d.NumFerriMulti2);
        case IdMultiPasso2: return FormatNumVar(d.PassoMulti2, 1);
        case IdMultiLung2: return FormatNumVar(d.LungMulti2, 1);
        default: return {};
    }
}

void PannelloAggMulti::PanelAggMu() {
    PannelloProprieta& g = griglia_;
    const DatiAggMulti& d = AggMulti;
    g.Pulisci();
    g.PosizioneDivisore(0.6);
    const int modo = g.AggiungiCategoria("Modalità di applicazione");
    g.Espandi(modo);
    g.AggiungiCasella(modo, "Armature in direzione 1", d.ApplicaDirMulti[0], IdMultiDir1);
    g.AggiungiCasella(modo, "Armature in direzione 2", d.ApplicaDirMulti[1], IdMultiDir2);
    if (M.Progetto.MagliaUnica == 0)
        g.AggiungiLista(modo, "Applica al lato:", {{"Lato +", 0}, {"Lato -", 1}}, Edit.LatoMulti, IdMultiLato);
    const int32_t base[2] = {IdMultiDiam1, IdMultiDiam2};
    const char* titoli[2] = {"Armatura direzione 1", "Armatura direzione 2"};
    for (int k = 0; k < 2; ++k) {
        if (!d.ApplicaDirMulti[static_cast<size_t>(k)]) continue;
        const int c = g.AggiungiCategoria(titoli[k]);
        g.Espandi(c);
        const int32_t i = base[k];
        g.AggiungiVoce(c, "Diametro [mm]", ValoreAttuale(i), i);
        g.AggiungiVoce(c, "Numero di ferri", ValoreAttuale(i + 1), i + 1);
        g.AggiungiVoce(c, "Passo [cm]", ValoreAttuale(i + 2), i + 2);
        g.AggiungiVoce(c, "Lunghezza ferri [cm]", ValoreAttuale(i + 3), i + 3);
    }
}

std::string PannelloAggMulti::DopoModifica(int32_t id, const std::string& testo) {
    DatiAggMulti& d = AggMulti;
    const bool dir2 = id >= IdMultiDiam2;
    int& diam = dir2 ? d.DiamMulti2 : d.DiamMulti1;
    int& num = dir2 ? d.NumFerriMulti2 : d.NumFerriMulti1;
    float& passo = dir2 ? d.PassoMulti2 : d.PassoMulti1;
    float& lung = dir2 ? d.LungMulti2 : d.LungMulti1;
    switch (dir2 ? id - 10 : id) {
        case IdMultiDiam1:
            if (auto v = InteroVoce(griglia_, id, testo, 4, DiamMassimoFile)) diam = *v;
            break;
        case IdMultiNum1:
            if (auto v = InteroVoce(griglia_, id, testo, 2)) num = *v;
            break;
        case IdMultiPasso1:
            if (auto v = ValoreVoce(griglia_, id, testo, 1)) passo = *v;
            break;
        case IdMultiLung1:
            if (auto v = ValoreVoce(griglia_, id, testo, 8.0f * static_cast<float>(diam))) lung = *v;
            break;
        default: return testo;
    }
    return ValoreAttuale(id);
}

void PannelloAggMulti::ValoreCambiato(int32_t id, int valore) {
    DatiAggMulti& d = AggMulti;
    if (id == IdMultiDir1 || id == IdMultiDir2) {
        d.ApplicaDirMulti[id == IdMultiDir1 ? 0 : 1] = valore != 0;
        PanelAggMu();
    } else if (id == IdMultiLato) {
        Edit.LatoMulti = valore;
    }
}

bool PannelloAggMulti::Ok() {
    VoceRifiutata = -1;
    const DatiAggMulti& d = AggMulti;
    if (!d.ApplicaDirMulti[0] && !d.ApplicaDirMulti[1]) {
        ErroreOperazione = -1;
        return true;
    }
    // A bar not longer than its two anchorages would turn the zone inside out.
    for (int dir = 0; dir <= 1; ++dir) {
        if (!d.ApplicaDirMulti[static_cast<size_t>(dir)]) continue;
        const int diam = dir == 0 ? d.DiamMulti1 : d.DiamMulti2;
        const float lung = dir == 0 ? d.LungMulti1 : d.LungMulti2;
        const int A = CalcAncoraggio(diam);
        if (lung > static_cast<float>(2 * A)) continue;
        Avviso(MsgLunghezzaCorta(dir + 1, lung, A));
        VoceRifiutata = dir == 0 ? IdMultiLung1 : IdMultiLung2;
        return false;
    }
    return true;
}

void PannelloAggMulti::Annulla() { ErroreOperazione = -1; }

}  // namespace vilmor
