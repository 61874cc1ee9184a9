// A grid of square cells over plan positions, so that the import merge finds the stored
// records near a point without scanning the whole table. Each cell lists its records in index
// order; the search and the upkeep are in FusioneNodi.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vilmor {

struct IndiceGriglia {
    // One cell in use: its key and its first and last record; Primo -1 marks a free slot.
    struct Cella {
        uint64_t Chiave = 0;
        int Primo = -1;
        int Ultimo = -1;
    };
    std::vector<Cella> Celle;     // open addressing, a power of two in size (or empty)
    int CelleUsate = 0;
    std::vector<int> Successivo;  // next record of the same cell, -1 after the last
    int Conteggio = 0;            // records 0 .. Conteggio - 1 are listed

    void Svuota() {
        Celle.clear();
        CelleUsate = 0;
        Successivo.clear();
        Conteggio = 0;
    }
};

}  // namespace vilmor
