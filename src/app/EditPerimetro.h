// The outline editing mode of the plan: the pool of edit points, the vertex pick, the grid snap
// and the snap protocol the object snap follows too, and the plan click while the outline
// editor is open.
#pragma once

#include <cmath>
#include <string>

namespace vilmor {

// The pool index of plan point (x, y): an existing point closer than 0.0001 cm in both
// coordinates, else a new one.
int RegistraVertice(float x, float y);

// The first vertex of the outline under edit within 4 pixels of (x, y) in both directions
// (picture pixels); -1 when none.
int CercaVertice(float x, float y);

// ---- The snap protocol ----
// Every snap first clears the transient image, then tries its candidates in a fixed order
// against a square of 4 pixels about the cursor and takes the first that passes. In commit mode
// (`commit` non-zero) the candidate's picture position goes unrounded into `Vista.XAggancio`,
// `YAggancio` with state 1, nothing drawn; in hover mode a magenta square marks it (state -1).
// A miss leaves state 0.
void InizioAggancio();
inline bool EntroAggancio(float x, float y, float px, float py) {
    return std::fabs(x - px) < 4 && std::fabs(y - py) < 4;
}
void Agganciato(float px, float py, int commit);
// A hover marker in magenta, pen 3: a square of `semilato` pixels each way, or a circle of that
// radius.
void MarcaAggancio(float px, float py, int semilato, bool cerchio);
void NessunAggancio();

// The grid snap: the first grid point in view (x outer, y inner) within reach. Its cost does
// not grow with the number of grid points in view.
void AgganciaGriglia(float x, float y, int commit);

// A press on the plan while the outline editor is open: a vertex within reach is selected in
// the editor's list; otherwise the point under the cursor, or snapped when a snap is on (the
// objects first, zones left out, then the grid), goes
// into the editor's coordinate boxes with one decimal, in light red, and the plan is redrawn.
void ClickPoligEdit(int button, float x, float y);

// The title of the editor's confirmation boxes.
std::string TitoloAttenzione();

}  // namespace vilmor
