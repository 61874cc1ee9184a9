#include "app/PannelloDiffusa.h"

#include <string>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "model/definizioni.h"

namespace vilmor {

void PanelDiff() {
    PannelloProprieta* p = Piatt.PropertyGrid1;
    if (!p) return;
    const MagliaDiffusa& d = M.Diffusa;
    auto diam = [](int v) { return std::to_string(v); };
    auto passo = [](float v) { return FormatNum(v, 1); };

    p->Pulisci();
    const int diffusa = p->AggiungiCategoria("Armatura diffusa");
    p->Espandi(diffusa);
    if (M.Progetto.MagliaUnica != 0) {
        // One central mesh: the lower face's values under the lower face's identifiers.
        p->AggiungiVoce(diffusa, "Diam. dir. 1", diam(d.DiamDiffInf1), IdDiamDiffInf1);
        p->AggiungiVoce(diffusa, "Passo dir. 1", passo(d.PassoDiffInf1), IdPassoDiffInf1);
        p->AggiungiVoce(diffusa, "Diam. dir. 2", diam(d.DiamDiffInf2), IdDiamDiffInf2);
        p->AggiungiVoce(diffusa, "Passo dir. 2", passo(d.PassoDiffInf2), IdPassoDiffInf2);
        return;
    }
    p->AggiungiVoce(diffusa, "Diam. dir. 1 sup.", diam(d.DiamDiffSup1), IdDiamDiffSup1);
    p->AggiungiVoce(diffusa, "Passo dir. 1 sup.", passo(d.PassoDiffSup1), IdPassoDiffSup1);
    p->AggiungiVoce(diffusa, "Diam. dir. 2 sup.", diam(d.DiamDiffSup2), IdDiamDiffSup2);
    p->AggiungiVoce(diffusa, "Passo dir. 2 sup.", passo(d.PassoDiffSup2), IdPassoDiffSup2);
    p->AggiungiVoce(diffusa, "Diam. dir. 1 inf.", diam(d.DiamDiffInf1), IdDiamDiffInf1);
    p->AggiungiVoce(diffusa, "Passo dir. 1 inf.", passo(d.PassoDiffInf1), IdPassoDiffInf1);
    p->AggiungiVoce(diffusa, "Diam. dir. 2 inf.", diam(d.DiamDiffInf2), IdDiamDiffInf2);
    p->AggiungiVoce(diffusa, "Passo dir. 2 inf.", passo(d.PassoDiffInf2), IdPassoDiffInf2);

    const int cavalletti = p->AggiungiCategoria("Armatura diffusa a taglio (cavalletti)");
    p->Espandi(cavalletti);
    p->AggiungiVoce(cavalletti, "Diam. ( 0 = nessuna )", diam(d.DiamCavalletti), IdDiamCavalletti);
    p->AggiungiVoce(cavalletti, "Passo dir. 1", passo(d.PassoCavalletti1), IdPassoCavalletti1);
    p->AggiungiVoce(cavalletti, "Passo dir. 2", passo(d.PassoCavalletti2), IdPassoCavalletti2);
}

}  // namespace vilmor
