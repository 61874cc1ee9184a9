// The main window's caption, which names the open slab file.
#pragma once

#include <string>

namespace vilmor {

// The file-name part of a path ("/" or "\" separate), or "Anonimo" for an empty path.
std::string NomeFile(const std::string& percorso);
// "MERANTO Solette C.A. -  [ " + the file name in upper case + " ]"; "Anonimo" for an empty
// or "Anonimo" path.
std::string TestoTitolo(const std::string& percorso);
// Sets the caption from `M.Progetto.PercorsoSoletta`.
void AggiornaTitolo();

}  // namespace vilmor
