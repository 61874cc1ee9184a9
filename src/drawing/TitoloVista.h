// The title block at the top-left corner of each plan view, on the screen and in DXF alike: the
// view's title and its legend (bar directions and diffuse mesh, chairs, the integrative zone
// table or the notation of the punching studs).
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Anchor (X, Y) in plan cm; Pianta 0 diffuse upper face, 1 diffuse lower face (or the single
// mesh), 2 and 3 integrative upper and lower face, 4 shear; any other draws nothing. Texts on
// layer 19; the 1:100 style (`Vista.Scala50Corrente` 0) doubles the row spacing.
void DisTitoloVista(const Modello& m, float X, float Y, int Pianta, int uscita);

}  // namespace vilmor
