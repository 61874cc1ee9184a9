// The verification file: the steel the design provides at every analysis node, for the
// analysis program. Written with every save, never read back.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// "set" + the slab number in four digits + ".SET" in the working folder; "" when the number
// does not fit.
std::string NomeFileVerifica(int numero, const Modello& m);
bool SalvaSet(int numero, const Modello& m);

}  // namespace vilmor
