// Import of the zones of another slab's reinforcement file: the face and stud zones that
// cover at least one node of the current slab are appended, outlines as stored in the file.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// Reads the whole zone list of the file first; a missing file (reported by the file test), an
// unreadable or malformed one, a version outside 1 .. 7 or a total beyond MaxZone zones is
// refused with its message and changes nothing (-1). Otherwise appends the zones, takes the
// file's anchorage-bend flag (version 7), leaves the last zone read in e's `ZonaCorrente` and
// `ContornoZonaCorr`, reports the counts and recomputes the residuals (0).
int ImportaArmature(const std::string& percorso, Modello& m, EditZone& e);
// The same into the open project and the zone being edited.
int ImportaArmature(const std::string& percorso);

}  // namespace vilmor
