// Large blocks of memory on large pages, where the system offers them. Loading a big slab
// writes tens of MB of fresh memory (the file's bytes, the node and element tables), and where
// every first touch of a 4 KiB page is a fault of its own that costs more than the reading.
#pragma once

#include <cstddef>

namespace vilmor {

// Asks for large pages over the whole 2 MiB stretches of [inizio, inizio + byte), before they
// are first written; a block too small to hold one, or a system without them, is left as it is.
// Only advice: the memory stays the caller's, its contents and its release unchanged.
void PagineGrandi(const void* inizio, size_t byte);

}  // namespace vilmor
