// Additional bars over many columns or piles at once: the elements inside a window drawn on the
// plan get, for every ticked bar direction, a face zone of bars centred on them, with the
// length, number, spacing and diameter chosen once in the multiple-insertion dialog.
#pragma once

#include <string>

#include "base/Piattaforma.h"
#include "model/definizioni.h"

namespace vilmor {

// The multiple-insertion dialog, installed in `Piatt.FrmAggMulti`. One modal call: it fills
// `AggMulti`, `Edit.LatoMulti` and `ErroreOperazione` (0 confirmed with at least one direction
// ticked, -1 cancelled).
class DialogoAggMulti {
public:
    virtual ~DialogoAggMulti() = default;
    virtual void Mostra() = 0;
};

// Texts of the refusals.
inline constexpr char MsgNessunPilastro[] = "Non sono stati individuati pilastri nella zona selezionata";
inline constexpr char MsgNessunPalo[] = "Non sono stati individuati pali nella zona selezionata";
// "La lunghezza dei ferri in direzione <k> (<L> cm) deve superare il doppio dell'ancoraggio
// (<2A> cm).\nOperazione annullata."
// Bar data the dialog would not accept (at least 2 bars, spacing 1 cm, diameter 4 mm).
std::string MsgDatiMulti(int direzione);
std::string MsgLunghezzaMulti(int direzione, float lunghezza, int ancoraggio);
// The same without its last line: the dialog that refuses it stays open to be corrected.
std::string MsgLunghezzaCorta(int direzione, float lunghezza, int ancoraggio);
// "Pilastri senza armatura aggiuntiva: <n>." (piles: "Pali ...") and the reason on a second line.
std::string MsgSenzaZona(int kind, int n);

// Window (x1, y1) lower left, (x2, y2) upper right, plan cm; kind 0 columns, any other value
// piles. Elements strictly inside the window, each at least 80 cm (in x or in y) from one
// already taken, are marked on the plan picture and get their zones after the dialog: one undo
// snapshot before the first zone, the residuals of every node renewed at the end.
//
// Nothing changes (no snapshot) when no element is found, the dialog is cancelled, a ticked
// length is not longer than twice its anchorage, or the zone table cannot take every zone asked
// for. An element whose zone falls outside the slab or into several pieces gets no zone there;
// one message at the end gives how many elements lack a zone.
void InserisciZonePilastri(float x1, float y1, float x2, float y2, int kind);

}  // namespace vilmor
