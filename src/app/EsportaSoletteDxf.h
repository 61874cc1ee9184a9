// The export of listed slab files into one DXF drawing, 2000 or R12 by `EsportaDxf.FormatoR12`:
// each slab's sheet side by side along x, in the order of the list. Each slab loads into a
// model of its own by the project's load sequence, one at a time, except the open project's
// slab, which is drawn from the model held (as the screen shows it, nothing read again); the
// open project, the view and the DXF offset are as before afterwards. A model in memory can be
// exported the same way, as it stands.
#pragma once

#include <string>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Writes `percorso` from the slabs `nomi` (whole file names) of the folder `cartella`, the slab
// of `aperto` (the open project, or none) drawn from that model. Layer 24 first takes layer 2's
// name + "_SUP", colour and switch; unfit layer names, an empty list or a list of which no slab
// loads are refused with a message and write nothing. A failure while writing shows its
// message and leaves an older target as it was. True when the file was written.
bool EsportaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella,
                       const std::string& percorso, Modello* aperto = nullptr);

// The sheet of the model `m` as it stands (unsaved edits included, nothing read from its files)
// written into `percorso`, as one slab of the listed export: the same layers and checks, the
// same messages. A model without outline is refused with a message. True when written.
bool EsportaModelloDxf(Modello& m, const std::string& percorso);

// The export command of the "Disegno DXF" window: the same checks, then the save dialog at
// `cartella` proposing the last target (cancelled, no name or "*.DXF": nothing happens; an
// existing file is replaced only after the question), then the export into the chosen file,
// the open project's slab drawn from the model in memory. Nothing is asked before the list and
// the layer names are accepted.
bool NewSalvaDXF(const std::vector<std::string>& nomi, const std::string& cartella);

// The message of a failed write by its errno: a busy file, a refused access, anything else
// naming the file.
std::string MessaggioErroreDxf(const std::string& percorso, int errore);

// The drawing pass alone, into whatever DXF sink is installed: returns the number of slabs
// drawn. `OffsetDxfX` grows by each drawn sheet's width + 200, or more where a sheet would come
// nearer than 200 cm to what the one before draws, and is restored at the end, as are the view
// and the layer switches of the screen's last pass.
int DisegnaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella, Modello* aperto = nullptr);
// The same for the one model `m`: 1 when drawn, 0 for a model without outline.
int DisegnaModelloDxf(Modello& m);

}  // namespace vilmor
