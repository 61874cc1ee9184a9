// The four slab files opened last, most recent first, kept between runs in "Vilmor.MEM".
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// Full path of the list file in `Dir.CartellaImpostazioni`.
std::string FileRecenti();

// Reads the list when the file exists. A malformed file (a count outside 0 .. 4, fewer
// paths than its count, a path not in double quotes) is reported ("Errore di caricamento
// del file: " and the path) and leaves the list empty.
void LeggiMEM();
// Writes the list (count, then one quoted path a line, CR LF, Windows-1252); an empty list
// writes nothing. False when the write failed (reported, the old file kept).
bool SalvaMEM();
// Puts the path at the top of the list. A path the file cannot hold (a double quote, a line
// break, a character without a Windows-1252 form) is not entered.
void AggiornaRecenti(const std::string& percorso);

}  // namespace vilmor
