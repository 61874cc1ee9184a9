// The dimension commands of the main window that need no mouse.
#pragma once

namespace vilmor {

// "Quotatura automatica" on the open project: an undo snapshot first; with dimensions present
// the user is asked whether to replace them (No changes nothing more); then the list is
// emptied, the slab dimensioned and the screen redrawn. True when the slab was dimensioned.
bool ComandoQuotaturaAutomatica();

}  // namespace vilmor
