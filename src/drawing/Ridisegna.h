// The one entry that draws the whole current picture of a slab: on the plan picture
// (uscita 0) or, with any other selector, into the DXF output through the same primitives.
#pragma once

#include "base/Geometria.h"
#include "model/definizioni.h"

namespace vilmor {

// The picture of model m by the view codes of `Vista` (PiantaCorrente, CodiceVista, TipoMappa).
// Every layer is drawn only while its switch of the pass is on (VisLayerVideo on the screen,
// VisLayerDxf in DXF, copied into VisLayerCorr): the outputs leave out the rest.
void Ridisegna(Modello& m, int uscita);
// The open project.
void Ridisegna(int uscita);

// What the plan shows of m by the view codes, through the primitives of `uscita`: the views and
// the sections of the current entry, or on the screen the outline under a colour map. Not what
// the screen alone draws (clearing, colour map, legend panel, grips). The sheet's panels stand
// clear of one another as its DXF drawing at the pass's scale draws them, measured first; the
// screen's sheet takes the places of the 1:50 drawing.
void DisPiano(Modello& m, int uscita);

// One plan view moved by (X, Y) cm: structure, dimensions, section traces, title block.
void DisVista(Modello& m, float X, float Y, int Pianta, int uscita);
// What Ridisegna(m, 1) would write of the current view, in plan cm with no offset, measured as
// the DXF at the export's scale draws it (every layer on): where a sheet reaches.
Ingombro MisuraDisegnoDxf(Modello& m);

// The dimensions of plan Pianta (and those of every plan), moved by (X, Y): lines on layer 8,
// texts on layer 18, each while its layer is drawn.
void DisQuote(const Modello& m, float X, float Y, int Pianta, int uscita);
// The traces and names of every section, moved by (X, Y).
void DisTracceSez(const Modello& m, float X, float Y, int uscita);

}  // namespace vilmor
