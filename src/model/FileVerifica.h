// The verification file: the steel the design provides at every analysis node, for the
// analysis program. Written with every save, never read back.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// "set" + the slab number in four digits + ".SET" in the working folder; "" when the number
// does not fit.
std::string NomeFileVerifica(int numero, const Modello& m);
// The file's bytes for the model's nodes.
std::string TestoVerifica(const Modello& m);
// Writes the file; false (after the message) when the number gives no name or the write failed.
bool SalvaSet(int numero, const Modello& m);

}  // namespace vilmor
