// Column-type tables of the archive "ARCHIMPA.AI0" beside the slab file.
#pragma once

namespace vilmor {

struct ArchivioPilastri {
};

}  // namespace vilmor
