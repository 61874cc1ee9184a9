// HEADER and CLASSES sections of a DXF 2000 file: templates, the same text in every file but
// for the handle seed, the extents and the limits.
#pragma once

#include "dxf/ContestoDxf.h"

namespace vilmor {

// Width over height of the initial view the files declare.
inline constexpr float AspettoVistaDxf = 1.491463414634146f;

// The HEADER section to the section stream; "$HANDSEED" takes the next handle and the extents
// are those of the entities written, so it must be written after every other record of the
// file. The limits enclose the extents (Inquadratura). The dimension variables ("$DIMSTYLE",
// "$DIMLFAC", "$DIMTXT" ...) are those of the style the drawing's dimensions use
// (`c.StileQuote`) at `unitaPerCm`: readers that draw dimensions again from the header draw
// them as the file's blocks do.
void HeaderDxf(ContestoDxf& c, float unitaPerCm);
// The CLASSES section to the section stream.
void ClassiDxf(ContestoDxf& c);

}  // namespace vilmor
