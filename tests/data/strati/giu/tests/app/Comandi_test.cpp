// A test of the app layer.
#include "app/Comandi.h"
#include "support/Registrazioni.h"
