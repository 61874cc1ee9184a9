#include "app/PannelloDiffusa.h"

#include <optional>
#include <string>

#include "app/InfoArmature.h"
#include "app/Undo.h"
#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "design/DirezioniZona.h"
#include "design/Residui.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/IntervalliFile.h"
#include "model/Statistiche.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

std::string TestoDiametro(int v) { return std::to_string(v); }
std::string TestoPasso(float v) { return FormatNum(v, 1); }

struct VoceMaglia {
    int32_t Id;
    int MagliaDiffusa::*Diametro;
    float MagliaDiffusa::*Passo;
    float Minimo;
    bool Avviso;  // the base mesh: a change is warned of
};

// What the reinforcement file would refuse is refused here too.
constexpr float MassimoDi(const VoceMaglia& v) {
    return v.Diametro ? static_cast<float>(DiamMassimoFile) : LimitePianta;
}

constexpr VoceMaglia VociMaglia[] = {
    {IdDiamDiffSup1, &MagliaDiffusa::DiamDiffSup1, nullptr, 2, true},
    {IdPassoDiffSup1, nullptr, &MagliaDiffusa::PassoDiffSup1, 2, true},
    {IdDiamDiffSup2, &MagliaDiffusa::DiamDiffSup2, nullptr, 2, true},
    {IdPassoDiffSup2, nullptr, &MagliaDiffusa::PassoDiffSup2, 2, true},
    {IdDiamDiffInf1, &MagliaDiffusa::DiamDiffInf1, nullptr, 2, true},
    {IdPassoDiffInf1, nullptr, &MagliaDiffusa::PassoDiffInf1, 2, true},
    {IdDiamDiffInf2, &MagliaDiffusa::DiamDiffInf2, nullptr, 2, true},
    {IdPassoDiffInf2, nullptr, &MagliaDiffusa::PassoDiffInf2, 2, true},
    {IdDiamCavalletti, &MagliaDiffusa::DiamCavalletti, nullptr, 0, false},
    {IdPassoCavalletti1, nullptr, &MagliaDiffusa::PassoCavalletti1, 5, false},
    {IdPassoCavalletti2, nullptr, &MagliaDiffusa::PassoCavalletti2, 5, false},
};

// Bars, plan and the node on display follow the mesh.
void AggiornaDopoMaglia() {
    CalcolaArmature();
    Ridisegna(0);
    const StatoVista& v = Vista;
    if (v.ModoInfo != 0 && v.NodoSelezionato >= 0 && v.NodoSelezionato < M.Analisi.NumNodi)
        InfoNodo(v.NodoSelezionato);
}

}  // namespace

std::string PropertyGrid1_AfterEdit(int32_t id, const std::string& testo) {
    MagliaDiffusa& d = M.Diffusa;
    const VoceMaglia* voce = nullptr;
    for (const VoceMaglia& x : VociMaglia)
        if (x.Id == id) voce = &x;
    if (!voce) {
        AggiornaDopoMaglia();
        return testo;
    }
    bool accettato = false;
    FotoModello prima = FotografaModello();
    if (voce->Diametro) {
        int& campo = d.*(voce->Diametro);
        // The warning compares the value typed, before it is rounded to a whole diameter.
        const std::optional<float> letto = ValoreGriglia(testo, voce->Minimo, MassimoDi(*voce));
        if (const std::optional<int> v = InteroGriglia(testo, voce->Minimo, MassimoDi(*voce))) {
            if (voce->Avviso && *letto != static_cast<float>(campo)) AvvisoMagliaBase();
            campo = *v;
            accettato = true;
        }
    } else {
        float& campo = d.*(voce->Passo);
        if (const std::optional<float> v = ValoreGriglia(testo, voce->Minimo, MassimoDi(*voce))) {
            if (voce->Avviso && *v != campo) AvvisoMagliaBase();
            campo = *v;
            accettato = true;
        }
    }
    if (!accettato) {
        const std::string campo = Piatt.PropertyGrid1 ? Piatt.PropertyGrid1->TitoloVoce(id) : std::string();
        RifiutaVoce(MsgFuoriIntervallo(campo, testo, voce->Minimo, MassimoDi(*voce)));
    }
    if (accettato) {
        // A stored value is one undo step (none when it equals the one before).
        RegistraModifica(prima);
        CalcAreeDiffuse(M);
        DetraiArmatureNodi(-1, M);
        ZoomEstensione();
    }
    AggiornaDopoMaglia();
    return voce->Diametro ? TestoDiametro(d.*(voce->Diametro)) : TestoPasso(d.*(voce->Passo));
}

void PanelDiff() {
    PannelloProprieta* p = Piatt.PropertyGrid1;
    if (!p) return;
    const MagliaDiffusa& d = M.Diffusa;
    auto diam = TestoDiametro;
    auto passo = TestoPasso;

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
