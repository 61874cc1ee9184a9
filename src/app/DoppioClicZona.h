// A double click on the plan opens the zone under the last press for editing: the curb dialog
// for a curb, the integrative zone dialog for face bars and shear studs.
#pragma once

namespace vilmor {

// Picks at the last press (`XClic`, `YClic`), in any command mode. No zone there: nothing.
void Picture1_DblClick();

}  // namespace vilmor
