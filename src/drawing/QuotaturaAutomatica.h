// The dimensions a slab gets by itself: chains of the column centres, then of the outline
// vertices, along the four sides of the outline's box, each chain measuring the points seen
// from its own side. Appends only, every dimension in every plan (`Pianta` -1).
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Column chains 60 cm beyond the box; outline chains 60 cm beyond it, or 90 when columns are
// dimensioned on the left and right.
void QuotaturaAutomatica(Modello& m);

// One chain on the line y = L (H) or x = L (V) over points 0 .. n - 1, sorted ascending on x
// (H) or y (V). H1 serves the top side, H2 the bottom, V2 the left, V1 the right: each takes the
// points strictly on the slab's side of its line, keeps one point per along coordinate (the
// nearest the line) and leaves out a point with a nearer one on both sides.
void QuotaCatenaH1(Modello& m, const std::vector<Vertice>& punti, float L, int n);
void QuotaCatenaH2(Modello& m, const std::vector<Vertice>& punti, float L, int n);
void QuotaCatenaV1(Modello& m, const std::vector<Vertice>& punti, float L, int n);
void QuotaCatenaV2(Modello& m, const std::vector<Vertice>& punti, float L, int n);

}  // namespace vilmor
