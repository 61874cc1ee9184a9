#include "drawing/VociDisegno.h"

namespace vilmor {

void DisLegenda(const Modello&) {}
void DisTitoloVista(const Modello&, float, float, int, int) {}
void DisRettArmatura(float, float, float, float, int) {}
void DisegnaPoligEdit(const Modello&) {}

}  // namespace vilmor
