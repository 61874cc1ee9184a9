// The check of a selection quadrilateral before the zone dialog: how much steel is missing at
// the analysis nodes inside, the presets of a new zone from that demand, and the zone outline.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

inline constexpr char MsgSelezioneSenzaNodi[] = "La selezione deve contenere almeno un nodo";
inline constexpr char MsgSelezioneNonValida[] =
    "La selezione non individua correttamente la zona da armare.\nOperazione annullata.";

// The demand inside the selection of e.ZonaCorrente, as the check below sets it:
// RichiestaMaxSel and RichiestaMediaSel from the residuals stored in m. Returns the nodes inside.
int RichiestaSelezione(const Modello& m, EditZone& e, const StatoVista& v);

// The demand inside the selection of e.ZonaCorrente and the diameter and spacings a new zone of
// its kind gets from it, as the check below presets them.
void PreimpostaNuovaZona(const Modello& m, EditZone& e, const StatoVista& v);

// Checks the selection of e.ZonaCorrente. Sets RichiestaMaxSel (largest balance of the nodes
// inside in the layer of the map on view, never below 0) and RichiestaMediaSel (their mean, 0
// with none inside); below command mode 200 gives the zone the kind and direction of the zone
// command under way (`TipoNuovaZona`, `DirezioneNuovaZona`), never the view's; with ZonaNuova
// -1 presets diameter and spacings by the zone's kind (0 keeps them); then
// builds the zone outline into ContornoZonaCorr. -1 accepted; 0 refused after a message (no
// node inside, the selection split by the outline, or no outline at all), the stored zones
// untouched.
int VerificaSelezione(Modello& m, EditZone& e, const StatoVista& v, int ZonaNuova);
int VerificaSelezione(int ZonaNuova);

}  // namespace vilmor
