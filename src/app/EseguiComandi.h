// The commands of the main window's menus and toolbar, by identifier: the file commands, the
// drawing commands that enter a mouse mode (which the right button may repeat) and the direct
// ones (undo, view, zoom, information mode, automatic dimensioning). Identifiers are compared
// with `Comandi` and the fixed 502 .. 507, never with captions.
#pragma once

#include <cstdint>

namespace vilmor {

// Runs a file command and returns true, or returns false for any other identifier. Leaves
// `UltimoComando` as it was.
bool SottoGruppoMenuFile(int32_t Id);

// Starts a repeatable drawing command: `UltimoComando` = Id, true. Any other identifier
// clears `UltimoComando` and returns false.
bool ComandiRipetibili(int32_t Id);

// The commands that are neither: undo and redo, zoom, views, dialogs, information mode,
// automatic dimensioning. An identifier that matches none does nothing.
void ComandoDiretto(int32_t Id);

// The window's idle state after the model in memory was replaced: no command mode, no
// selection, no highlight, no grips or rubber band, no transient drawing, an empty prompt.
// The information mode and the last repeatable command stay.
void AzzeraStatoInterazione();

// After the DXF export dialog: the derived data, panel, extents, bar layout and plan of the
// project in memory brought up to date (the export works on its own model, so nothing is read
// back from the files and unsaved edits stay). Nothing while no slab is loaded.
void AggiornaDopoEsportazione();

// After any handled event: when the model moved since the panels were last built (a change,
// an undo or redo, a load), the property panel and the information panel are rebuilt from it
// (the node on display when the information mode shows one, else the summary).
void AggiornaPannelli();

// Toggles the information mode: on, the panel asks for a node; off, it shows the summary.
void ComandoInfoNodi();

}  // namespace vilmor
