// Includes of its own layer and below.
#pragma once
#include "base/Punto.h"
#include "design/Zona.h"
#include "model/definizioni.h"
