// The quantities report of the report window: its document, for the project in memory or for
// a list of slab files, its save as RTF, and the "Computo" command that opens the window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// The report of slab files: each name of `elenco` (a whole file name) in `cartella` is loaded
// into a model of its own, as the program opens a project, with its own messages, archive and
// design data, except the slab of `aperto` (the open project, or none), reported from that model
// as it stands; one that loads is reported and followed by a paragraph mark, one that does not
// is left out. With two or more names the summary of the slabs reported follows. The project
// in memory is never replaced, and ErroreOperazione is as it was.
std::string DocumentoSoletteElencate(const std::string& cartella, const std::vector<std::string>& elenco,
                                     Modello* aperto = nullptr);

// The document the report window shows: with `Elenco.ComputoMultiplo` 0 the report of the
// project in memory (its bars laid out again), otherwise the report of the first
// `Elenco.NumFileDxf` names of `Elenco.ElencoFileDxf` in `cartella`, the open project's slab
// among them reported from memory. ErroreOperazione is as it was.
std::string DocumentoFinestraComputo(const std::string& cartella);

// "Salva computo": the save dialog proposes `Elenco.PercorsoComputo` ("ComputoSoletta.rtf" when
// it was empty) in its own folder, else in the open slab's; a file that exists is replaced only
// after the question; the document's bytes (Windows-1252) replace the file as every save does.
// The name chosen is not remembered. 0 saved; -1 cancelled, declined or failed (the failure
// reported naming the file), also left in ErroreOperazione.
int SalvaComputo(std::string_view documento);

// The "Computo" command: with a slab open, the report of the project in memory
// (`Elenco.ComputoMultiplo` 0) in the main window's report window. -1 with no slab open.
int ComandoComputo();

}  // namespace vilmor
