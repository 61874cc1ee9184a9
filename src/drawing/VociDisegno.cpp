#include "drawing/VociDisegno.h"

namespace vilmor {

void DisegnaPoligEdit(const Modello&) {}

}  // namespace vilmor
