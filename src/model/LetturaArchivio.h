// The column archive "ARCHIMPA.AI0" that the structural drawing program writes beside a slab
// file: column types, coded texts, footings and two tables of numbers.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

inline constexpr const char* NomeFileArchivio = "ARCHIMPA.AI0";
// The drawing program's web and mail addresses, named by the version messages.
inline constexpr const char* SitoProduttore = "www.meranto.example";
inline constexpr const char* PostaProduttore = "info@meranto.example";

// Reads the archive of the folder of the slab file `percorsoSoletta` into `archivio`.
// ErroreOperazione: 0 read; -1 missing, refused or malformed (already reported), and then
// `archivio` holds 20 empty types and 21 empty cross-sections, never a partly read table.
void LeggiArchivio(const std::string& percorsoSoletta, ArchivioPilastri& archivio);
void LeggiArchivio(const std::string& percorsoSoletta, Modello& m);

}  // namespace vilmor
