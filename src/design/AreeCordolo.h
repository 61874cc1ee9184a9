// The steel of a curb, computed in this one place for its dialog and for the information panel:
// the stirrups, their legs per metre spread over the curb width plus its cover (cm2/m2), and
// the longitudinal bars, as many on each face as the stirrups have legs, spaced at twice the
// cover over the legs plus the width, projected on the two bar directions (cm2/m).
#pragma once

#include <optional>

#include "model/definizioni.h"

namespace vilmor {

struct AreeCordolo {
    int Bracci = 2;                 // the legs counted: a stored curb with fewer counts two
    std::optional<float> Staffe;    // none for a spacing or a width plus cover not above 0
    std::optional<float> Ferri;     // the bars' area per metre, before projection
    float Dir1 = 0, Dir2 = 0;       // the bars' share in direction 1 and 2 (0 without bars)
};

AreeCordolo CalcolaAreeCordolo(const DatiProgetto& pr, const Zona& z);

}  // namespace vilmor
