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

// Ranges of the settings that the dialogs share with the file.
// The two numbers of the DXF print ratio (mm on paper, drawing units).
inline constexpr float ScalaMinima = 0.001f, ScalaMassima = 10000.0f;
inline bool ScalaValida(float v) { return v >= ScalaMinima && v <= ScalaMassima; }
// The widest spacing (cm) the design of the diffuse mesh may try.
inline constexpr int PassoMassimoProgetto = 1000;
// Laps, in bar diameters.
inline constexpr int AncoraggioMassimoFile = 1000;
// Tolerances of the steel provided: a percentage, and cm2/m.
inline bool TolleranzaPercValida(float v) { return v >= 0 && v <= 100; }
inline bool TolleranzaFissaValida(float v) { return v >= 0 && v <= 1000; }

// Applies the program defaults, then the file's values. A newer version is ignored silently;
// a file that cannot be opened, is truncated or holds a value that is not a number is refused
// with the shared message, and the defaults stay: then false. A number outside its setting's
// range (a layer colour of 300, a scale of 1e38) takes its default, and one message names
// every key reset; the file itself stays as it is until the settings are saved.
bool LeggiIni(AmbitoIni ambito = AmbitoIni::Tutto);

// Writes the present settings (version 7), creating the settings folder when missing.
// On failure the message names the file, the old file stays and false is returned.
bool SalvaIni();

}  // namespace vilmor
