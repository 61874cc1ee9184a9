// Folders of the program and of the user's settings, the file test every file command uses,
// the folder part of a path and the look-up of companion files.
#pragma once

#include <string>

namespace vilmor {

struct Cartelle {
    std::string CartellaProgramma;
    std::string CartellaImpostazioni;
};
inline Cartelle Dir;

void ImpostaCartelle();
// True when an ordinary file of that name exists; reports a bad path or a refused folder.
bool EsisteFile(const std::string& percorso);
// The folder part of a path ("/" or "\" separate); without one, the analysis program's
// drawings folder or else the current folder.
std::string CartellaDaPercorso(const std::string& percorso);
std::string CartellaDisegniAnalisi();
// A file of the folder by exact name, else by a case-insensitive match; "" when none.
std::string TrovaFileCompagno(const std::string& cartella, const std::string& nome);

}  // namespace vilmor
