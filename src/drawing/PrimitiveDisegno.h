// The drawing primitives built on the line, circle and text of base/Primitive: text heights,
// the DXF transform, dimensions and bar-length labels, node marks.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Whether the pass under way draws layer `layer` (0..24): its entry in VisLayerCorr.
inline bool LayerVisibile(int layer) {
    return layer >= 0 && layer < NumLayer && Strati.VisLayerCorr[static_cast<size_t>(layer)] != 0;
}

// DXF units of a plan point: (coordinate + the slab's offset) x FattoreDxf.
float DxfX(float X);
float DxfY(float Y);

// Text height of kind 0..3 (20, 25, 42, 22 times the base), 0 for any other kind. The base is
// UnitaPerCm in DXF; on the screen 1 in the 1:50 style and 2 in the 1:100 style.
float AltezzaTesto(int tipo, int uscita);

// A dimension: its line's ends and the two measured points (plan cm), the scale style of the
// pass. DXF 2000 writes a dimension entity; the screen and R12 draw it with QuotaDxf12.
void DisQuotaLin(float X1, float Y1, float X2, float Y2, float XP1, float YP1, float XP2, float YP2, int scala,
                 int uscita);

// The bar line with its length label (above the bar for lato non-zero, below it for 0).
// Returns the length rounded to whole centimetres, halves to even; -1 only measures.
int DisQuotaFerri(float X1, float Y1, float X2, float Y2, int lato, int layerLinea, int layerTesto, int uscita);

// A node mark: a cross of 4 cm on layer 8 and a circle of the given radius on layer 20.
void DisSegnoNodo(float X, float Y, float raggio, int uscita);

// A dimension drawn from lines, end ticks and dots and a centred text: on the screen, and
// into an R12 drawing that has no dimension entities. Nothing for a length below 0.001 cm.
void QuotaDxf12(float X1, float Y1, float X2, float Y2, float altezza, int layerQuota, int layerTesto, int scala,
                int uscita);

}  // namespace vilmor
