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

// A change that may turn out to change nothing (a placement that can miss, a dialog): the state
// just before it, taken in memory when the model is about to change; RegistraModifica then
// records it as one undo step only when the model differs from it.
struct FotoModello {
    std::string Testo;
    bool Valida = false;
};
FotoModello FotografaModello();
// True when the model changed: its step is taken (or, when the snapshot could not be written,
// the project counts as changed all the same).
bool RegistraModifica(FotoModello& prima);

// A change that writes the model over several events (a drag): its picture stays pending from
// IniziaModifica to RegistraModifica. A step, an undo or a redo that comes in between first
// records the change made so far as a step of its own; ProseguiModifica, before each later
// write, then takes the picture again from the model as that left it.
void IniziaModifica(FotoModello& prima);
void ProseguiModifica(FotoModello& prima);
void AnnullaOperazione();
void RipristinaOperazione();
void PulisciUndo();

// Whether the model differs from the state last loaded or saved: a step taken since then and
// not undone, or a change whose snapshot could not be written.
bool ProgettoModificato();
// The model as it is now is the one on disk (after a load or a save).
void SegnaProgettoSalvato();

inline bool UndoPossibile() { return Undo.UndoCorrente > Undo.UndoPrimo; }
inline bool RedoPossibile() { return Undo.UndoCorrente < Undo.UndoUltimo; }

}  // namespace vilmor
