// The engine benchmarks run with memory reused across iterations (Memoria.h).
#include "Memoria.h"

namespace {
const bool regime = (vilmor::bench::MemoriaRiusata(), true);
}
