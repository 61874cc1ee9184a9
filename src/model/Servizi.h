// Entries of the drawing subsystem that the project model calls after a load, an undo or a
// change of the diffuse mesh. The drawing code installs them; until then nothing is drawn.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

struct ServiziDisegno {
    void (*ZoomEstensione)() = nullptr;
    void (*Ridisegna)(int uscita) = nullptr;
    // The automatic dimensions of a slab without a reinforcement file.
    void (*QuotaturaAutomatica)(Modello& m) = nullptr;
};
inline ServiziDisegno Disegno;

// One-time warning of the punching view: shown only while 0.
inline int AvvisoPunzMostrato = 0;

}  // namespace vilmor
