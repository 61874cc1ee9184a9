#include "app/ComandoProgettoDiffusa.h"

#include "app/PannelloDiffusa.h"
#include "design/ProgettoDiffusa.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {

bool ProgettaDiffusa() {
    if (!ProgettaDiffusa(M, Imp)) return false;
    PanelDiff();
    return true;
}

}  // namespace vilmor
