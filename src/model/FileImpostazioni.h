// The settings file "Vilmor.ini": layers, dimension snaps, design limits, bar defaults, DXF
// scale, tolerances and icon size, one positional text file in the settings folder.
#pragma once

#include <string>

namespace vilmor {

inline constexpr int VersioneIni = 7;

// Full path of the settings file in `Dir.CartellaImpostazioni`.
std::string FileImpostazioni();

enum class AmbitoIni {
    Tutto,             // start-up: every default, the view choices of the file too
    SoloImpostazioni,  // an open project stays: its view, mesh and side options are not touched
};

// Applies the program defaults, then the file's values. A newer version is ignored silently;
// a file that cannot be opened, is truncated or holds a value that is not a number (or a
// `ScalaMm` that is not above 0) is refused with the shared message, and the defaults stay.
// Returns false when the file was refused.
bool LeggiIni(AmbitoIni ambito = AmbitoIni::Tutto);

// Writes the present settings (version 7), creating the settings folder when missing.
// On failure the message names the file, the old file stays and false is returned.
bool SalvaIni();

}  // namespace vilmor
