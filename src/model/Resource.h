// Program defaults, screen colours and command identifiers.
#pragma once

#include <array>
#include <cstdint>

#include "model/Impostazioni.h"

namespace vilmor {

inline constexpr int NumComandi = 47;

// One command of the menu and toolbar: its identifier is n x 1000 + `K`.
struct VoceComando {
    int K;
    int32_t IdentificatoriComandi::*Id;
    const char* Nome;    // name of the identifier global
    const char* Titolo;  // caption of the command; "" when it has no menu or toolbar entry
};
const std::array<VoceComando, NumComandi>& TabellaComandi();

// Every setting, the layer table and the current materials back to the program defaults;
// the side options of the main window shown and the single-mesh label hidden. Also resets the
// view choices and the project's `MagliaUnica` and `PiegaAncoraggio`.
void ImpostaDefault();
// The part of `ImpostaDefault` that touches the settings only (layer names, ACI colours, DXF
// visibility, every value of `Imp` but the background, the materials): what the settings file
// is read over when the open project and its view must stay as they are.
void ImpostaDefaultImpostazioni();
// Screen colours of the background chosen by `Imp.SfondoBianco`: the eight named colours, the
// layers' screen colours and visibility, the dimension snaps, the plan picture's background
// and foreground.
void ImpostaColori();
// n = 1 + `IconeGrandi`; any value other than 1 or 2 counts as 1.
void SettaIdComandi(int n);

// Background and foreground of the plan picture for the present `Imp.SfondoBianco`.
int32_t ColoreSfondoVideo();
int32_t ColorePrimoPianoVideo();

}  // namespace vilmor
