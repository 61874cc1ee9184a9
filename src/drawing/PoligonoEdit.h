// The outline under edit drawn over the plan while the outline editor is open: numbered vertex
// squares, dotted sides, the dot grid and the point typed in the editor.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The grid points in the plan window: whole centimetres x0 … x1 by `PassoGrigliaX`, y0 … y1 by
// `PassoGrigliaY` (the window's ends rounded to whole cm, then cut to a step towards zero).
struct GrigliaVista {
    long long X0 = 0, X1 = 0, Y0 = 0, Y1 = 0;
    int PassoX = 1, PassoY = 1;
};
GrigliaVista GrigliaInVista();

// Vertex i of the outline under edit (0 … `UbOrdineVertici`), and whether every vertex of the
// order names a point of the pool.
const Punto& VerticeEdit(int i);
bool ContornoEditCoerente();

// The dot grid in dark grey, drawn only when its dots lie at least 4 pixels apart.
void DisegnaGriglia();
// The outline of `EditSez` with the grid when it is on, and the typed point with its lines to
// the selected vertex's neighbours.
void DisegnaPoligEdit(const Modello& m);

}  // namespace vilmor
