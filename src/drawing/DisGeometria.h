// The structure under the reinforcement in every plan view: walls, columns with their steel
// sections, hatching and labels, piles, upstand beams, the outline and its openings; on the
// screen's map views also the outlines of the zones of the face and direction in view.
// Every point drawn is the stored point moved by (X, Y).
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Pianta: the plan code 0..4, or -1 for no plan (maps, outline editor: no column labels).
void DisGeometria(const Modello& m, float X, float Y, int Pianta, int uscita);
void DisSetti(const Modello& m, float X, float Y, int uscita);
void DisPilastri(const Modello& m, float X, float Y, int Pianta, int uscita);
void DisPali(const Modello& m, float X, float Y, int uscita);
void DisTravi(const Modello& m, float X, float Y, int uscita);

}  // namespace vilmor
