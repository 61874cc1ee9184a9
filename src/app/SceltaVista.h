// The side column's choices turned into what the plan shows: the side and direction options,
// the six view commands, the colour-map range box, the Enter key, and which commands are
// enabled or shown as selected in the current state.
#pragma once

#include <cstdint>
#include <optional>

namespace vilmor {

// A click on the side option Index (0 "Lato +", 1 "Lato -", 2 "Taglio"); also the way other
// commands select a side.
void Option1_Click(int Index);
// A click on the direction option Index (0 "Direzione 1", 1 "Direzione 2").
void Option2_Click(int Index);
// The current view, side and direction turned into the drawing codes; fits and redraws.
void AggiornaVisulalizzazione();
// The view commands: view 0 .. 5 chosen, when a slab is loaded.
void ScegliVista(int vista);
// After a load: the side the slab offers ("Lato -" for the single mesh), then direction 1.
void LatoEDirezione();

// The range box: 0 "Default", 1 "Range".
void Command1_Click(int Index);
// The Enter key in the plan or in a range box.
void TastoInvio();

// What a command's control shows: each part only when the rule sets it.
struct StatoComando {
    std::optional<bool> Abilitato;
    std::optional<bool> Selezionato;
};
// The rule for command Id in the current state. Switches the information mode off when its
// command is unavailable, and clears the outline-editor flag when no slab is loaded or the
// view is the integrative shear view or the sheet.
StatoComando CommandBars_Update(int32_t Id);

}  // namespace vilmor
