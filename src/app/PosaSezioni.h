// Section lines placed by pointing: the provisional line under the cursor, the record built at
// the point clicked, and the records cut again or dropped after the outline changed.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The provisional line through the cursor (picture pixels) along `Vista.DirezioneSezione`,
// reaching the larger plan side both ways, on the transient image in layer 11's colour.
void DisSezTmp(float x, float y);

// Record `Vista.IndiceSezione` of m's sections (the list grown to hold it) built through the
// cursor along `Vista.DirezioneSezione`: from the outermost crossing of the outline to the
// other, each 25 cm beyond, with its end ticks. A line that misses the slab writes nothing,
// shows "la sezione non interseca la soletta." and leaves ErroreOperazione -1. Neither
// `UltimaSezione` nor the plan changes here.
void AssegnaSez(Modello& m, float x, float y);
void AssegnaSez(float x, float y);

// Removes section n of m (the later ones move down); nothing on an empty list or a bad index.
void EliminaSez(Modello& m, int n);
void EliminaSez(int n);

// Every section of m cut again against its outline along its whole line, as a new section
// placed through the middle of its cut line would be: shortened, shifted or lengthened to the
// new edges; those whose line no longer meets the slab are removed. `Vista.IndiceSezione` ends
// one past the last section.
void RicalcolaSezioni(Modello& m);
void RicalcolaSezioni();

}  // namespace vilmor
