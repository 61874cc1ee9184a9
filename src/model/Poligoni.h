// Orientation of plan rings and the store of the openings' vertices.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Clockwise in the y-up frame; sums the sides of the list as stored (no closing side added).
// A zero sum, or fewer than three points, counts as clockwise.
bool OrarioPunti(const std::vector<Punto>& lista);
// As above, but the side back to element 0 is included and a zero sum is not clockwise.
bool OrarioVertici(const std::vector<Vertice>& lista);
void InvertiPunti(std::vector<Punto>& lista);
void InvertiVertici(std::vector<Vertice>& lista);

// Vertex k of opening p; k must lie in 0 .. NumVertForo(p) - 1.
float PoliX(const GeometriaSoletta& g, int p, int k);
float PoliY(const GeometriaSoletta& g, int p, int k);
inline float PoliX(int p, int k) { return PoliX(M.Soletta, p, k); }
inline float PoliY(int p, int k) { return PoliY(M.Soletta, p, k); }
// Appends a vertex to opening p (k = 0 opens it at the store's current end). The reader sets
// NumVertForo(p) to the opening's vertex count once all its vertices are in.
void AggiungiVerticePoli(GeometriaSoletta& g, int p, int k, float x, float y);
// Opens opening p with no vertex yet: its start is the store's current end.
void IniziaForo(GeometriaSoletta& g, int p);

}  // namespace vilmor
