// The slab load: a slab file with its archive, design-data file, punching outlines and
// reinforcement file into one complete model, or a refusal that leaves the destination as it
// was.
#pragma once

#include <memory>
#include <string>

#include "base/Piattaforma.h"
#include "model/definizioni.h"

namespace vilmor {

// Builds a fresh model and moves it into `dest` only when the load goes through; then the
// single-mesh rule (shown on `finestra`'s side-choice hooks when there is one: the main
// window when `dest` is the open project, none for another slab) and the coverage warning.
// Status in ErroreOperazione (0 also for an empty or "Anonimo" path, which loads nothing),
// and returned.
int CaricaSoletta(const std::string& percorso, int domanda, Modello& dest, FinestraPrincipale* finestra);
// The same into the open project, shown on the main window.
int CaricaSoletta(const std::string& percorso, int domanda);

// The headless part of opening a project, into `dest`: the load, then every figure derived
// from it (the diffuse areas, the node statistics, the residuals and the bar layout), so that a
// slab loaded for a list (the DXF export, the report of listed slabs) is what the open project
// would be. Status as CaricaSoletta.
int CaricaSolettaProgetto(const std::string& percorso, int domanda, Modello& dest, FinestraPrincipale* finestra);
// The same into the open project, with the question allowed, shown on the main window.
int CaricaSolettaProgetto(const std::string& percorso);

// The slab file `percorso` of a list: the model `aperto` itself when that is its slab (nothing
// is read again and its unsaved edits are in, as on the screen), else the slab loaded into
// `caricato` by the project's sequence with no question. nullptr when it does not load (the
// load has said why).
Modello* SolettaElencata(const std::string& percorso, Modello* aperto, std::unique_ptr<Modello>& caricato);

// The warning text of the coverage check ("" when every layer covers enough nodes).
std::string TestoCopertura(const Modello& m);

}  // namespace vilmor
