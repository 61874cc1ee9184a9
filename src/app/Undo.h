// Undo and redo on whole-model snapshots: each a reinforcement file "UNSOL<n>.TMP" in the
// program's own snapshot folder, within a window of at most 21 numbers.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// The snapshot folder of this process: "vilmor-undo-PID-XXXXXX" under the system's temporary
// folder, private to the user (0700), made at the first snapshot and removed with all it holds
// when the process ends. Never the project folder, and never shared by two programs open on the
// same slab. "" when it cannot be made.
std::string CartellaUndo();
// At start: removes this user's snapshot folders whose program no longer runs (one killed
// before its end); those of running programs stay.
void PulisciCartelleUndoOrfane();

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
