// Schematic outline of a steel column's library profile, on the screen or into the DXF.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Draws the profile of column type `tipo` (zero-based) at (X, Y), turned counter-clockwise by
// `angolo` degrees, on layer 3 with line style 0 through the output `uscita`. A type that is
// not a library section (kind 1 or 2), or that has no record, draws nothing.
void DisSezPilastro(const ArchivioPilastri& a, int tipo, float angolo, float X, float Y, int uscita);
// The same with the archive of the project in memory.
void DisSezPilastro(int tipo, float angolo, float X, float Y, int uscita);

}  // namespace vilmor
