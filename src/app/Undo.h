// Undo and redo on whole-model snapshots: each a reinforcement file "UNSOL<n>.TMP" in the
// working folder, within a window of at most 21 numbers.
#pragma once

#include <string>

namespace vilmor {

struct StatoUndo {
    int UndoPrimo = 0;     // oldest snapshot kept
    int UndoCorrente = 0;  // state shown now
    int UndoUltimo = 0;    // newest state redo can reach
    // Folder where the window's snapshots were written: deleted there whatever the working
    // folder is later.
    std::string CartellaUndo;
    bool ScritturaSegnalata = false;  // a failed snapshot write is reported once per project
};
inline StatoUndo Undo;

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
