#include "drawing/VociDisegno.h"

namespace vilmor {

void DisPunzonamento(Modello&, float, float, int) {}
void DisTitoloVista(const Modello&, float, float, int, int) {}
void DisegnaPoligEdit(const Modello&) {}

}  // namespace vilmor
