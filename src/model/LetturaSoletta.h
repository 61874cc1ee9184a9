// The slab file (".QVR", versions 3 and 4): version, header, inline analysis results, outline,
// openings, columns, walls, upstand beams, piles, thickness and the design-data file name.
//
// Two entries, so that the load can read the column archive between them: the version check,
// then the full read. The full read builds a fresh model aside and moves it into the
// destination only when the whole file is good; a refused file leaves the destination as it
// was. Both set ErroreOperazione: 0, or 1 on any refusal (after its message).
#pragma once

#include <string>
#include <string_view>

#include "base/FileTesto.h"
#include "model/definizioni.h"

namespace vilmor {

// Highest version this reader knows, lowest it accepts.
inline constexpr int VersioneSolettaMax = 4;
inline constexpr int VersioneSolettaMin = 3;

// What the load needs of the header beyond the model.
struct TestataSoletta {
    int Versione = 0;
    // > 0 results inline; 0 results in the design-data file; < 0 no results anywhere.
    int FlagRisultati = 0;
};

// Reads only the version. A version above 4 is refused with its message; an unreadable file
// with the shared refusal. The model is never changed (it is the load's destination).
bool ControllaVersioneSoletta(const std::string& percorso, Modello& m);
// The same on the file's bytes already in memory (the load reads the file once); only the
// first value is read.
bool ControllaVersioneSolettaDaByte(std::string_view byte, const std::string& percorso);

// Reads the whole slab file into a fresh model and, when every value is good, moves it into
// `m`. The fresh model keeps the destination's column archive (read before by the load) and
// its working folder, and takes `percorso` as PercorsoSoletta; everything else is what the
// file gives (a slab never inherits another's results), with the box of what it places
// (EstensioneFile). The diffuse areas and, with nodes, the node statistics are computed after
// inline results. A diffuse spacing below 1 cm stands for 20 cm; a requirement or residual
// beyond RichiestaMassima either way is refused at its line.
bool LeggiSoletta(const std::string& percorso, Modello& m, TestataSoletta* testata = nullptr);
// The same from the file's bytes already in memory, read where they lie; `percorso` names the
// file in messages and gives the folder of the design-data file.
bool LeggiSolettaDaByte(std::string_view byte, const std::string& percorso, Modello& m,
                        TestataSoletta* testata = nullptr);

// Sections 4 and 5: the outline, brought clockwise and closed, and the openings into the
// polygon store; coordinates less the model's origin, to 0.1 cm. Throws ErroreLettura, also
// for an outline of one or two vertices (none is a slab without outline) and for a coordinate
// that lies, less the origin, beyond LimitePianta either way.
void LeggiContorno(LettoreTesto& l, Modello& m);

// A plan coordinate of the geometric sections: (value - origin) as a 4-byte real, rounded to
// 0.1 with halves to the even digit.
float CoordinataPianta(float valore, float origine);

}  // namespace vilmor
