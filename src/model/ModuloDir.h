// Folders of the program and of the user's settings, the file test every file command uses,
// the folder part of a path, the analysis program's drawings folder and the look-up of
// companion files. Paths keep their real case; "/" separates, and so does a "\" met in a
// path read from a file.
#pragma once

#include <optional>
#include <string>
#include <system_error>

#include "model/definizioni.h"

namespace vilmor {

// Program folder from the running executable; settings folder $XDG_CONFIG_HOME/vilmor, else
// $HOME/.config/vilmor (relative values ignored), else the program folder. Nothing is created.
void ImpostaCartelle();
// Creates the settings folder when missing, before the first file is written there.
bool CreaCartellaImpostazioni();

// True when an ordinary file (or a link to one) of that name exists. Sets `ErroreOperazione`:
// 0, or -1 after a file-system error, which it reports ("Drive o percorso non trovato." or the
// access message). A missing file or folder is no error.
bool EsisteFile(const std::string& percorso);
// The message and status of a file-system error met by the file test: 0 for a missing name,
// -1 (with the drive or access message where one applies) for every other error.
int SegnalaErroreFile(const std::string& percorso, std::error_code ec);

// The folder part of a path, never ending in "/" ("/" itself for a file at the root); a path
// without a folder gives the analysis program's drawings folder, else the current folder.
std::string CartellaDaPercorso(const std::string& percorso);
// The drawings folder of the analysis program's last project: "" when the key store holds
// no recent-file list; the user's home folder when the entry is missing, names no ".QKD"
// project or its drawings folder does not exist.
std::string CartellaDisegniAnalisi();

// A file of the folder by exact name, else by a case-insensitive match; "" when none.
std::string TrovaFileCompagno(const std::string& cartella, const std::string& nome);

// ---- The key store: read-only stand-in for the registry look-ups ----
// A Windows-1252 text file in the settings folder, one value a line:
//   key "\" value name "=" text    e.g. Software\Kelvara\osmik\Recent File List\File1=/a/b.QKD
// Keys and value names compare without regard to case; the last line of a value wins.
inline constexpr const char* FileChiavi = "Registro.txt";
inline constexpr const char* ChiaveRecentiAnalisi = "Software\\Kelvara\\osmik\\Recent File List";

struct ValoreChiave {
    bool ChiavePresente = false;       // some value of the key is in the store
    std::optional<std::string> Testo;  // the value asked for (UTF-8)
};
ValoreChiave LeggiChiave(const std::string& chiave, const std::string& nome);

// The user's home folder ($HOME when absolute, else the account's folder, else "/").
std::string CartellaUtente();

}  // namespace vilmor
