// The file commands of the main window: open, reopen a recent file, save, save as, and the
// import of another slab's zones. Each returns its status: 0 done; -1 cancelled, declined or
// failed, also left in ErroreOperazione; an open whose load fails returns the load's status
// and leaves ErroreOperazione as the project load does.
#pragma once

#include <string>
#include <vector>

namespace vilmor {

// Refusal of save and save-as while no slab is open.
inline constexpr char MsgNessunaSoletta[] = "Nessuna soletta aperta: non c'\xC3\xA8 nulla da salvare.";

// Before the open project is replaced by another: when it has changes since its last load or
// save, asks "Salvare le modifiche a <file>?" (Yes, No, Cancel; title "Attenzione!"). Yes
// saves as the save command does; true when the caller may go on: no change, No, or Yes with
// the reinforcement saved (whether or not the recent list could be written). Cancel, Escape
// and the question's close box keep everything as it was.
bool ConfermaSostituzioneProgetto();

// The question before a save replaces a file that exists, as the file dialogs ask nothing
// themselves: "File già presente, vuoi sostituirlo?" (Yes/No, title "Salva"). True on Yes.
bool SostituireFile();

// Open dialog for the files of extension `e` (the open command passes "QVR") at the working
// folder, the question on unsaved changes, then the project load of the chosen file. The path
// keeps its real case; path, working folder and model change together, on success only.
int ApriFile(const std::string& e);

// Opens entry k of the recent-files list, after the question on unsaved changes. A file that
// has gone is reported and dropped from the list; after a load the slab's folder becomes the
// current folder of the process.
int ApriRecente(int k);

// Save as: the slab file is copied under the chosen name (asking before replacing another
// file), then the reinforcement is saved beside the copy and the recent list written. The
// open slab file chosen again is kept and only the reinforcement saved. `PercorsoSoletta`
// and the caption change only after the copy went through.
int SalvaConNome(const std::string& titolo = "Salva");

// The save command: the reinforcement and verification files of the open slab, then the
// recent list; save-as for an untitled project.
int Salva();

// The reinforcement and verification files of the open slab written and the project marked
// saved; false when they were not written (a failure reported, or an unread file the user
// would not replace).
bool SalvaArmatureAperte();

// The import command: open dialog for a ".QV0" file at the working folder, then
// ImportaArmature of the chosen file.
int ComandoImporta();

// Copies a file by the same replacement as every save (base/FileTesto.h): a temporary file
// beside the target renamed over it. A target that exists keeps its mode, a link stays a
// link, and a new copy gets the source's permission bits less the umask.
// On failure shows the message naming the files (the access message for a refused access),
// leaves the target as it was, removes the temporary file and returns false.
bool CopiaFileSicura(const std::string& origine, const std::string& destinazione);

}  // namespace vilmor
