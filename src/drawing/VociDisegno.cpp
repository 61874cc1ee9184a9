#include "drawing/VociDisegno.h"

namespace vilmor {

void DisPunzonamento(Modello&, float, float, int) {}
void DisegnaPoligEdit(const Modello&) {}

}  // namespace vilmor
