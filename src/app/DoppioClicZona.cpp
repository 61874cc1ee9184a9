#include "app/DoppioClicZona.h"

#include <algorithm>

#include "app/InfoArmature.h"
#include "app/MouseVideo.h"
#include "base/Piattaforma.h"
#include "design/ArchivioZone.h"
#include "design/BarreZone.h"
#include "design/ContornoZona.h"
#include "design/Residui.h"
#include "design/Selezione.h"
#include "design/SelezioneZona.h"
#include "design/VerificaSelezione.h"
#include "drawing/Ridisegna.h"
#include "model/definizioni.h"

namespace vilmor {

void Picture1_DblClick() {
    StatoVista& v = Vista;
    int i;
    // In the integrative views the pick takes the zone's face and direction for the dialog; the
    // view gets its own back afterwards.
    const int tipo = v.TipoZonaAttivo, direzione = v.DirezioneAttiva;
    const bool rif = v.CodiceVista > 13;
    if (!rif) {
        i = TrovaZona(v.XClic, v.YClic);
    } else {
        i = TrovaZonaLato(v.XClic, v.YClic);
        if (i >= 0 && i < static_cast<int>(M.Zone.Zone.size())) {
            v.TipoZonaAttivo = M.Zone.Zone[static_cast<size_t>(i)].Tipo;
            v.DirezioneAttiva = M.Zone.Zone[static_cast<size_t>(i)].Direzione;
        }
    }
    if (i < 0 || i > M.Zone.UltimaZona || i >= static_cast<int>(M.Zone.Zone.size())) return;

    v.ModoInfo = 0;
    v.ModoComando = 34;
    // The dialog's balances show the nodes as if the zone were absent.
    DetraiArmatureNodi(i, M);
    EditZone& e = Edit;
    e.ZonaSelezionata = i;
    e.ZonaCorrente = M.Zone.Zone[static_cast<size_t>(i)];
    e.UltVertZonaCorr = e.ZonaCorrente.UltVertice;
    e.ContornoZonaCorr.assign(static_cast<size_t>(std::max(0, e.UltVertZonaCorr + 1)), Punto{});
    const Zona& z = e.ZonaCorrente;
    ImpostaSelezioneDir(z.Angoli[0].X, z.Angoli[0].Y, z.Angoli[2].X, z.Angoli[2].Y);
    // The dialog's demand is that of this selection now, not one left by an earlier command.
    RichiestaSelezione(M, e, v);
    Ridisegna(0);

    const bool cordolo = e.ZonaCorrente.Tipo == 2;
    if (Piatt.Finestra) {
        if (cordolo) Piatt.Finestra->MostraFrmCordoli();
        else Piatt.Finestra->MostraFrmAggiuntiva();
    }
    if (rif) v.TipoZonaAttivo = tipo, v.DirezioneAttiva = direzione;
    InfoArm();
    // A curb is stored by its own dialog with the outline it built; storing it again here could
    // only put back an outline that was not rebuilt.
    if (!cordolo && ErroreOperazione == 0 && ContornoZona() != 0 && e.ZonaConfermata == -1) MemorizzaZonaConUndo();
    // Mode 34 only marks the zone while its dialog is up.
    if (v.ModoComando == 34) v.ModoComando = 0;
    AggiornaDopoZona();
}

}  // namespace vilmor
