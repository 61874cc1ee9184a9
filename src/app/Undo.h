// Undo and redo on whole-model snapshots: each a reinforcement file "UNSOL<n>.TMP" in the
// working folder, within a window of at most 21 numbers.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

std::string NomeFileUndo(int numero, const std::string& prefisso = "UNSOL");
bool SalvaStatoFile(const std::string& nome);
bool CaricaStatoFile(const std::string& nome);

// Records the present state before a change; false when the snapshot could not be written
// (the window does not move; the change may go on).
bool SalvaStatoUndo();
void AnnullaOperazione();
void RipristinaOperazione();
void PulisciUndo();

inline bool UndoPossibile() { return Undo.UndoCorrente > Undo.UndoPrimo; }
inline bool RedoPossibile() { return Undo.UndoCorrente < Undo.UndoUltimo; }

}  // namespace vilmor
