// Layer names that every CAD reader accepts.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// The first of `numLayer` names of `strati` that a DXF file may not carry, as the message that
// refuses it ("Nome di layer non valido: ..." or "Nome di layer ripetuto: ...", then
// "Operazione annullata!"); empty when every name is fit. A name is non-empty, at most 255
// characters, free of < > / \ " : ; ? * | = , ` and control characters, without a blank at
// either end, not "0" nor "Defpoints" and not equal to another ignoring case; for R12 also at
// most 31 characters of A-Z, digits, $, - and _.
std::string ControllaNomiLayer(const StratiDisegno& strati, int numLayer, bool r12);

}  // namespace vilmor
