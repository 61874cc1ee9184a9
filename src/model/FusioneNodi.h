// Import merge of the design-data lines: one node per position with the larger requirement,
// one punching record per position with the larger stud values.
//
// Both look a position up through a grid index kept in the model (IndiceNodi, IndicePunz):
// the record found is exactly the one a scan from index 0 would find first, under the same
// strict test on single-precision differences. The index follows appends by itself; whoever
// moves stored positions calls InvalidaIndiciPosizione afterwards.
#pragma once

#include <cstdint>

#include "model/ModelloAnalisi.h"

namespace vilmor {

// A stored record matches when |stored X - X| and |stored Y - Y|, each as a 4-byte real, are
// both below the tolerance (cm).
inline constexpr double TolleranzaNodo = 0.0001;
inline constexpr double TolleranzaPunzonamento = 0.001;

// Finds the first node within TolleranzaNodo of (X, Y): raises each face requirement of it to
// the given one where that is larger, and takes the given shear pair when its sum is larger.
// Otherwise appends a node (residuals 0) at index NumNodi. Indice receives the node's index.
void AggiungiNodo(ModelloAnalisi& a, float X, float Y, int32_t Numero, float RichSup1, float RichSup2,
                  float RichInf1, float RichInf2, float RichTaglio1, float RichTaglio2, int& Indice);

// Finds the first punching record within TolleranzaPunzonamento of (X, Y): raises its
// AreaPiolo, PioliListello, NumListelli and TipoPunz to those of `p` where larger. Otherwise
// appends a copy of `p` at index NumPunzonamenti with X, Y and IndiceNodo set.
void AggiungiPunzonamento(ModelloAnalisi& a, float X, float Y, int IndiceNodo, const Punzonamento& p);

// Forgets both indexes: the next merge rebuilds them from the tables.
void InvalidaIndiciPosizione(ModelloAnalisi& a);

// Room for `n` nodes in all, made at once before a merge appends them one by one.
void RiservaNodi(ModelloAnalisi& a, size_t n);

}  // namespace vilmor
