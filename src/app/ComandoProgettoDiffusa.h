// The design of the diffuse mesh on the project in memory, as the design dialog's button runs it.
#pragma once

namespace vilmor {

// Designs the four diffuse layers of `M` with the settings `Imp`, renews the diffuse areas, every
// node's residuals and the diffuse panel. A refused run (no nodes, criteria that cannot end the
// search) changes nothing and returns false.
bool ProgettaDiffusa();

}  // namespace vilmor
