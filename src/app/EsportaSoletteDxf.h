// The export of listed slab files into one DXF drawing, 2000 or R12 by `EsportaDxf.FormatoR12`:
// each slab's sheet side by side along x, in the order of the list. Each slab loads into a
// model of its own; the open project, the view and the DXF offset are as before afterwards.
#pragma once

#include <string>
#include <vector>

namespace vilmor {

// Writes `percorso` from the slabs `nomi` (whole file names) of the folder `cartella`. Layer 24
// first takes layer 2's name + "_SUP", colour and switch; unfit layer names, an empty list or a
// list of which no slab loads are refused with a message and write nothing. A failure while
// writing shows its message and leaves an older target as it was. True when the file was
// written.
bool EsportaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella,
                       const std::string& percorso);

// The export command: the same checks, then the save dialog at `cartella` proposing the last
// target (cancelled, no name or "*.DXF": nothing happens; an existing file is replaced only
// after the question), then the export into the chosen file.
bool NewSalvaDXF(const std::vector<std::string>& nomi, const std::string& cartella);

// The message of a failed write by its errno: a busy file, a refused access, anything else
// naming the file.
std::string MessaggioErroreDxf(const std::string& percorso, int errore);

// The drawing pass alone, into whatever DXF sink is installed: returns the number of slabs
// drawn. `OffsetDxfX` grows by each drawn sheet's width + 200 and is restored at the end.
int DisegnaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella);

}  // namespace vilmor
