// Plan drawing of the shear-stud zones (kind 3), of the curbs (kind 2), and of the bars of one
// face zone over the colour maps. Output 0 draws on the plan picture, 1 writes DXF, -1 only
// counts; the offsets (cm) shift everything drawn.
#pragma once

#include <string>

#include "base/Primitive.h"
#include "design/BarreZone.h"
#include "model/definizioni.h"

namespace vilmor {

// Every stud zone in index order: broken outline (layer 8), each stud of the zone's grid
// (design/PioliZona.h) as a cross (layer 8) with a circle of 2 cm (layer 6), the position mark
// (layer 9), the number and the label " n pioli Ød/p1xp2" (layer 18). Writes nothing in m.
void DisegnaPioli(const Modello& m, float offsetX, float offsetY, int uscita);
void DisegnaPioli(float offsetX, float offsetY, int uscita);
// The studs of zone z as the plan draws them, counted without drawing (0 for no such zone).
int ContaPioli(const Modello& m, int z);

// Every curb in index order: its two long sides and, with more than two legs, two inner lines
// (layer 3); ticks at the ends of the representative bar, one line across the strip for each
// stirrup the report charges (design/StaffeCordolo.h; layer 1, none when `Passo` is not
// positive), and the representative bar with empty labels (DisFerroInt, or
// `Disegno.FerroIntCordolo` when one is installed).
void DisegnaCordoli(const Modello& m, float offsetX, float offsetY, int uscita);
void DisegnaCordoli(float offsetX, float offsetY, int uscita);

// Zone n only, when its `Tipo` is kind and its `Direzione` is direzione: its bars as the bar
// layout places them, as lines in palette colour 8 on the plan picture. Nothing else.
void DisegnaFerriZona(const Modello& m, int n, int direzione, int kind);
void DisegnaFerriZona(int n, int direzione, int kind);

}  // namespace vilmor
