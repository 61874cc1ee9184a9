// A base file that reaches up into the design layer.
#pragma once
#include "design/Zona.h"
