// HEADER and CLASSES sections of a DXF 2000 file: fixed templates, the same text in every
// file but for the handle seed.
#pragma once

#include "dxf/ContestoDxf.h"

namespace vilmor {

// The HEADER section to the section stream; "$HANDSEED" takes the next handle, so it must be
// written after every other record of the file has taken its own.
void HeaderDxf(ContestoDxf& c);
// The CLASSES section to the section stream.
void ClassiDxf(ContestoDxf& c);

}  // namespace vilmor
