#include "app/DialogoPropQuote.h"

#include "app/Undo.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

Quota* Scelta() {
    SezioniQuote& sq = M.SezQuote;
    const int i = Quotatura.QuotaSelezionata;
    if (i < 0 || i > sq.UltimaQuota || static_cast<size_t>(i) >= sq.Quote.size()) return nullptr;
    return &sq.Quote[static_cast<size_t>(i)];
}

}  // namespace

void DialogoPropQuote::Apri() {
    const std::string lato = M.Progetto.MagliaUnica != 0 ? "" : " lato inf.";
    switch (Vista.PiantaCorrente) {
        case 0: Didascalia = "Pianta armatura diffusa lato sup."; break;
        case 1: Didascalia = "Pianta armatura diffusa" + lato; break;
        case 2: Didascalia = "Pianta armatura integrativa lato sup."; break;
        case 3: Didascalia = "Pianta armatura integrativa" + lato; break;
        default: Didascalia.clear(); break;
    }
    const Quota* q = Scelta();
    Opzione = q && q->Pianta == -1 ? 1 : 0;
}

void DialogoPropQuote::Ok() {
    if (!Scelta()) return;
    const int pianta = Opzione == 0 ? Vista.PiantaCorrente : -1;
    if (Scelta()->Pianta == pianta) return;  // nothing changes: no step to undo
    SalvaStatoUndo();
    Scelta()->Pianta = pianta;
}

}  // namespace vilmor
