// Entries of the drawing subsystem that the project model calls after a load, an undo or a
// change of the diffuse mesh. The drawing code installs them; until then nothing is drawn.
#pragma once

namespace vilmor {

struct ServiziDisegno {
    void (*ZoomEstensione)() = nullptr;
    void (*Ridisegna)(int uscita) = nullptr;
};
inline ServiziDisegno Disegno;

// One-time warning of the punching view: shown only while 0.
inline int AvvisoPunzMostrato = 0;

}  // namespace vilmor
