// The design-data file that the analysis program writes beside a slab file whose results are
// not inline (versions 1 to 3): the design header of the slab and the analysis mesh, corner by
// corner, merged into nodes and punching records; each punching record is then attached to its
// column and gets the effective stretches of its control perimeter.
#pragma once

#include <string>
#include <string_view>

#include "model/definizioni.h"

namespace vilmor {

// Highest version this reader knows.
inline constexpr int VersioneDatiProgettoMax = 3;

// Reads m.Progetto.PercorsoDatiProgetto into m, the model being loaded. The slab file must have
// been read into m already (origin, thickness, columns), with the column archive and the outer
// perimeter (CalcolaPerimetroEsterno); the stretches are measured against that perimeter.
//
// On success: the analysis model (Nodi, Elementi, Punzonamenti with their counts, entry 5 of
// MinRichiesta and MaxRichiesta) is replaced, Copriferro, the four diffuse diameters and
// spacings, the two directions and DiamIntegrativa are set; returns true, ErroreOperazione 0.
// The punching outlines (CalcContorniPunz), the diffuse areas and the node statistics are the
// caller's. A refused file (newer version, unreadable or malformed) has had its message shown;
// returns false, ErroreOperazione 1, and m is exactly as it was.
bool LeggiDatiProgetto(Modello& m);
// The same from `trovato`, the file as the load has already found it on disk (TrovaDatiProgetto);
// messages name PercorsoDatiProgetto.
bool LeggiDatiProgetto(Modello& m, const std::string& trovato);
// The same from the file's bytes already in memory, read where they lie; `percorso` names the
// file in messages.
bool LeggiDatiProgettoDaByte(std::string_view byte, const std::string& percorso, Modello& m);

// The design-data file as it lies on disk: the path itself when it names a file, else a file of
// its folder whose name matches regardless of case; "" when there is none.
std::string TrovaDatiProgetto(const std::string& percorso);

}  // namespace vilmor
