#include "app/ComandiQuote.h"

#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "model/definizioni.h"

namespace vilmor {

bool ComandoQuotaturaAutomatica() {
    SezioniQuote& sq = M.SezQuote;
    if (sq.UltimaQuota > -1) {
        // Enter must not delete the engineer's own dimensions: No is the default.
        const RispostaMsg r = MostraMessaggio("La quotatura automatica annuller\xC3\xA0 le quote esistenti.\nProcedere?",
                                              IconaMsg::Nessuna, PulsantiMsg::SiNo, "Attenzione!", RispostaMsg::No);
        if (r != RispostaMsg::Si) return false;
    }
    FotoModello prima = FotografaModello();
    sq.UltimaQuota = -1;
    sq.Quote.clear();
    QuotaturaAutomatica(M);
    RegistraModifica(prima);
    Ridisegna(M, 0);
    return true;
}

}  // namespace vilmor
