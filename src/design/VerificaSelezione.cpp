#include "design/VerificaSelezione.h"

#include <algorithm>

#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ContornoZona.h"
#include "design/PassoFerri.h"
#include "design/PuntoInPoligono.h"
#include "model/Impostazioni.h"
#include "model/IntervalliFile.h"

namespace vilmor {

namespace {

// Command modes from here on edit, copy or move an existing zone: it keeps its kind and direction.
constexpr int ModoZonaEsistente = 200;
// The missing-steel maps come from this map kind on, one per layer.
constexpr int PrimaMappaResidui = 5;

void Preimposta(const Modello& m, EditZone& e, int tipo) {
    Zona& z = e.ZonaCorrente;
    const MagliaDiffusa& d = m.Diffusa;
    if (tipo == 3) {
        // Studs: a square grid for the demand, else the base spacing of the diffuse mesh.
        z.Direzione = 0;
        z.Passo2 = Imp.PassoBasePioli == 0 ? d.PassoDiffSup1 : d.PassoDiffSup2;
        z.Diametro = Imp.DiamPioli;
        if (e.RichiestaMaxSel > 0) {
            z.Passo = PassoPioli(z.Diametro, e.RichiestaMaxSel);
            z.Passo2 = z.Passo;
        } else if (Imp.PassoBasePioli == 0) {
            // Twice the widest mesh the panel takes is still a spacing the files take.
            z.Passo2 = std::min(2 * d.PassoDiffSup2, LimitePianta);
            z.Passo = std::min(2 * d.PassoDiffSup1, LimitePianta);
        } else {
            z.Passo = d.PassoDiffSup1;
        }
    } else if (tipo != 4) {
        // Punching (4) presets nothing; faces and curbs get integrative bars.
        z.Diametro = m.Zone.DiamIntegrativa;
        z.Passo = e.RichiestaMaxSel > 0 ? PassoFerri(z.Diametro, e.RichiestaMaxSel) : Imp.PassoMaxIntegrativa;
    }
}

}  // namespace

int RichiestaSelezione(const Modello& m, EditZone& e, const StatoVista& v) {
    // Demand of the nodes inside, in the layer of the missing-steel map on view (0 in any other view).
    const ModelloAnalisi& a = m.Analisi;
    const int strato = v.TipoMappa - PrimaMappaResidui;
    const int nodi = std::min(a.NumNodi, static_cast<int>(a.Nodi.size()));
    e.RichiestaMaxSel = 0;
    double somma = 0;
    int dentro = 0;
    const QuadrilateroPronto selezione(e.ZonaCorrente);
    for (int i = 0; i < nodi; ++i) {
        float r = BilancioNodo(m, strato, i);
        if (!selezione.Contiene(a.Nodi[i].X, a.Nodi[i].Y)) continue;
        ++dentro;
        if (r > e.RichiestaMaxSel) e.RichiestaMaxSel = r;
        somma += r;
    }
    e.RichiestaMediaSel = dentro > 0 ? static_cast<float>(somma / dentro) : 0.0f;
    return dentro;
}

void PreimpostaNuovaZona(const Modello& m, EditZone& e, const StatoVista& v) {
    RichiestaSelezione(m, e, v);
    Preimposta(m, e, e.ZonaCorrente.Tipo);
}

int VerificaSelezione(Modello& m, EditZone& e, const StatoVista& v, int ZonaNuova) {
    const int dentro = RichiestaSelezione(m, e, v);
    const int nodi = std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size()));

    if (v.ModoComando < ModoZonaEsistente) {
        e.ZonaCorrente.Tipo = e.TipoNuovaZona;
        e.ZonaCorrente.Direzione = e.DirezioneNuovaZona;
    }
    if (ZonaNuova != 0) Preimposta(m, e, e.ZonaCorrente.Tipo);

    // A slab without nodes has no node to ask for; otherwise one must lie inside.
    if (dentro == 0 && nodi > 0) {
        Avviso(MsgSelezioneSenzaNodi);
        return 0;
    }
    EsitoContorno esito = EsitoContorno::Ottenuto;
    if (ContornoZona(m, e, &esito) != 0) return -1;
    if (esito == EsitoContorno::PiuParti) {
        AvvisoZonaDivisa();
    } else {
        MostraMessaggio(MsgSelezioneNonValida, IconaMsg::Esclamazione, PulsantiMsg::Ok, "Errore!");
    }
    return 0;
}

int VerificaSelezione(int ZonaNuova) { return VerificaSelezione(M, Edit, Vista, ZonaNuova); }

}  // namespace vilmor
