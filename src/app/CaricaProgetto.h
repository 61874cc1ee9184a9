// Opening a project: waiting text, load, derived data, caption, recent list, panel, extents,
// bar layout and redraw. A failed open leaves the open project as it was.
#pragma once

#include <string>

namespace vilmor {

// Opens the slab file `percorso`. The path, the working folder and the model change together,
// on success only. Returns the load's own status (0 ok); ErroreOperazione is 0 afterwards.
int CaricaProgetto(const std::string& percorso);

}  // namespace vilmor
