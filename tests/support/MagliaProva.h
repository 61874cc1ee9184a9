// The elements of a mesh built on a grid of nodes, for the maps' tests.
#pragma once

#include "model/definizioni.h"

namespace vilmor::prova {

// The quadrilaterals of a grid of (colonne + 1) x (righe + 1) nodes stored row by row, each
// corner order as the analysis writes it.
inline void ElementiInGriglia(ModelloAnalisi& a, int colonne, int righe) {
    for (int j = 0; j < righe; ++j)
        for (int i = 0; i < colonne; ++i) {
            Elemento e;
            const int n = j * (colonne + 1) + i;
            e.NodoIdx = {n, n + 1, n + colonne + 2, n + colonne + 1};
            a.Elementi.push_back(e);
        }
    a.NumElementi = static_cast<int>(a.Elementi.size());
}

}  // namespace vilmor::prova
