// The preview of a zone being laid out between two picked points, straight on the plan picture
// in pixels (never into DXF): the parallelogram with sides along the two bar directions, dotted
// in the caller's colour, and for a face zone its bars lengthened by one anchorage at each end,
// solid red, with the bar length and the strip width its dialog will show for that selection
// (design/FigureZona.h).
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Corners in picture pixels; `colore` a palette colour. Reads `Edit.ZonaCorrente` (kind,
// diameter and bar direction); leaves the picture's foreground colour white. Nothing
// is drawn when the two directions are parallel.
void DisRettArmatura(const Modello& m, float X1, float Y1, float X2, float Y2, int colore);
void DisRettArmatura(float X1, float Y1, float X2, float Y2, int colore);

}  // namespace vilmor
