// Where a dimension of the DXF 2000 form stands and what it reads: the writer puts its entity
// and block there, and the measuring of a sheet takes the same place.
#pragma once

#include <string>

#include "base/Primitive.h"

namespace vilmor {

// In DXF units (the points through DxfX, DxfY).
struct PosaQuotaDxf {
    // The dimension line's ends, left to right (bottom to top when vertical), and the measured
    // points with them.
    float X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    float XP0 = 0, YP0 = 0, XP1 = 0, YP1 = 0;
    float Angolo = 0;    // of the line, radians
    bool Frecce = true;  // arrow heads; without them a bar length
    double Valore = 0;   // the measure, rounded to the decimals
    std::string Testo;
    // The text's point: its bottom centre with arrows, beside the line on its left seen from the
    // first end; its middle without arrows, on the line's middle.
    float XT = 0, YT = 0;
};

// The dimension of `q`: its line's length over the divisor, rounded to the decimals (halves to
// even). With arrows the text has decimals only when their figure is not zero; without arrows
// it is the whole centimetres of the length itself. The text stands 4 k off the line, 18 k when
// the line is shorter than the text's height times its characters. False, and nothing to draw,
// for a measure that rounds below 0.0001, a divisor not above 0 or a point that is not a number.
bool PosaQuota(const EntitaQuota& q, PosaQuotaDxf& p);

}  // namespace vilmor
