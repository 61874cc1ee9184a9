#include "app/DialogoProgettoDiffusa.h"

#include <array>

#include "app/ComandoProgettoDiffusa.h"
#include "app/Undo.h"
#include "app/ValoriGriglia.h"
#include "base/Piattaforma.h"
#include "base/Formati.h"
#include "design/DirezioniZona.h"
#include "design/ProgettoDiffusa.h"
#include "model/FileImpostazioni.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

// The integer criteria: id, setting, smallest and largest value accepted.
struct Criterio {
    int32_t Id;
    int Impostazioni::*Campo;
    float Minimo, Massimo;
};

const std::array<Criterio, 9> Criteri = {{
    {IdProgDiamMaxSup, &Impostazioni::DiamMaxSup, 4, DiamMassimoFile},
    {IdProgDiamMinSup, &Impostazioni::DiamMinSup, 4, DiamMassimoFile},
    {IdProgDiamMaxInf, &Impostazioni::DiamMaxInf, 4, DiamMassimoFile},
    {IdProgDiamMinInf, &Impostazioni::DiamMinInf, 4, DiamMassimoFile},
    {IdProgPassoMaxSup, &Impostazioni::PassoMaxSup, 2, PassoMassimoProgetto},
    {IdProgPassoMinSup, &Impostazioni::PassoMinSup, 2, PassoMassimoProgetto},
    {IdProgPassoMaxInf, &Impostazioni::PassoMaxInf, 2, PassoMassimoProgetto},
    {IdProgPassoMinInf, &Impostazioni::PassoMinInf, 2, PassoMassimoProgetto},
    {IdProgCopertura, &Impostazioni::CoperturaMin, 1, 100},
}};

const Criterio* CriterioDi(int32_t id) {
    for (const Criterio& c : Criteri)
        if (c.Id == id) return &c;
    return nullptr;
}

constexpr float IncrementiPasso[5] = {0.5f, 1, 2, 5, 10};

// The limits that go in pairs, with the captions the grid shows (the lower face's without
// suffix on a slab with one central mesh).
struct Coppia {
    int32_t Minimo, Massimo;
    const char *TitoloMinimo, *TitoloMassimo;
    bool Inferiore;
};
constexpr Coppia Coppie[] = {
    {IdProgDiamMinSup, IdProgDiamMaxSup, "Diam. minimo sup.", "Diam. massimo sup.", false},
    {IdProgDiamMinInf, IdProgDiamMaxInf, "Diam. minimo", "Diam. massimo", true},
    {IdProgPassoMinSup, IdProgPassoMaxSup, "Passo minimo sup.", "Passo massimo sup.", false},
    {IdProgPassoMinInf, IdProgPassoMaxInf, "Passo minimo", "Passo massimo", true},
};

}  // namespace

DialogoProgettoDiffusa::DialogoProgettoDiffusa(PannelloProprieta& griglia) : griglia_(griglia) {
    griglia_.DopoModifica = [this](int32_t id, const std::string& testo) { return DopoModifica(id, testo); };
    griglia_.ValoreCambiato = [this](int32_t id, int valore) { ValoreCambiato(id, valore); };
}

DialogoProgettoDiffusa::~DialogoProgettoDiffusa() {
    griglia_.DopoModifica = nullptr;
    griglia_.ValoreCambiato = nullptr;
}

void DialogoProgettoDiffusa::Apri() {
    AvvisoMagliaBase();
    Panne();
}

bool DialogoProgettoDiffusa::ProgettaAbilitato() const { return M.Soletta.NumVertContorno != 0; }

void DialogoProgettoDiffusa::Panne() {
    const Impostazioni& i = Imp;
    const bool unica = M.Progetto.MagliaUnica != 0;
    const std::string s = unica ? "" : " inf.";
    griglia_.Pulisci();
    const int c = griglia_.AggiungiCategoria("Parametri di progettazione");
    griglia_.Espandi(c);
    auto voce = [&](const std::string& titolo, int valore, int32_t id) {
        griglia_.AggiungiVoce(c, titolo, Str(valore), id);
    };
    if (!unica) {
        voce("Diam. massimo sup.", i.DiamMaxSup, IdProgDiamMaxSup);
        voce("Diam. minimo sup.", i.DiamMinSup, IdProgDiamMinSup);
    }
    voce("Diam. massimo" + s, i.DiamMaxInf, IdProgDiamMaxInf);
    voce("Diam. minimo" + s, i.DiamMinInf, IdProgDiamMinInf);
    if (!unica) {
        voce("Passo massimo sup.", i.PassoMaxSup, IdProgPassoMaxSup);
        voce("Passo minimo sup.", i.PassoMinSup, IdProgPassoMinSup);
    }
    voce("Passo massimo" + s, i.PassoMaxInf, IdProgPassoMaxInf);
    voce("Passo minimo" + s, i.PassoMinInf, IdProgPassoMinInf);
    griglia_.AggiungiLista(c, "Progetta variando il", {{"Diametro", 0}, {"Passo", 1}}, i.ProgettaPasso,
                           IdProgVariando);
    if (i.ProgettaPasso != 0)
        griglia_.AggiungiLista(c, "Incremento passo",
                               {{"0.5 cm", 0}, {"1 cm", 1}, {"2 cm", 2}, {"5 cm", 3}, {"10 cm", 4}},
                               i.SceltaIncrPasso, IdProgIncrPasso);
    else
        griglia_.AggiungiLista(c, "Incremento diametro", {{"1 mm", 0}, {"2 mm", 1}}, i.SceltaIncrDiam,
                               IdProgIncrDiam);
    voce("Copertura min. nodi (%)", i.CoperturaMin, IdProgCopertura);
}

std::string DialogoProgettoDiffusa::ValoreAttuale(int32_t id) const {
    const Criterio* c = CriterioDi(id);
    return c ? Str(Imp.*(c->Campo)) : std::string();
}

std::string DialogoProgettoDiffusa::DopoModifica(int32_t id, const std::string& testo) {
    const Criterio* c = CriterioDi(id);
    if (!c) return testo;
    const std::optional<int> v = InteroVoce(griglia_, id, testo, c->Minimo, c->Massimo);
    if (!v) return ValoreAttuale(id);
    // A minimum above its maximum leaves no mesh to design: refused with the pair named.
    for (const Coppia& k : Coppie) {
        if (id != k.Minimo && id != k.Massimo) continue;
        const int minimo = id == k.Minimo ? *v : Imp.*(CriterioDi(k.Minimo)->Campo);
        const int massimo = id == k.Massimo ? *v : Imp.*(CriterioDi(k.Massimo)->Campo);
        if (minimo <= massimo) break;
        const std::string s = k.Inferiore && M.Progetto.MagliaUnica == 0 ? " inf." : "";
        Avviso(CoppiaCriteri(k.TitoloMinimo + s, k.TitoloMassimo + s) + "\nValore non accettato.");
        return ValoreAttuale(id);
    }
    Imp.*(c->Campo) = *v;
    return ValoreAttuale(id);
}

void DialogoProgettoDiffusa::ValoreCambiato(int32_t id, int valore) {
    Impostazioni& i = Imp;
    if (id == IdProgVariando) {
        i.ProgettaPasso = valore;
        Panne();
    } else if (id == IdProgIncrPasso && valore >= 0 && valore <= 4) {
        i.SceltaIncrPasso = valore;
        i.IncrPasso = IncrementiPasso[valore];
    } else if (id == IdProgIncrDiam) {
        i.SceltaIncrDiam = valore;
        i.IncrDiametro = valore == 0 ? 1 : 2;
    }
}

void DialogoProgettoDiffusa::Progetta() {
    if (!ProgettaAbilitato()) return;
    // One undo step when the design changed the mesh; a refused design changes nothing.
    FotoModello prima = FotografaModello();
    ProgettaDiffusa();
    RegistraModifica(prima);
}

}  // namespace vilmor
