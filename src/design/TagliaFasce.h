// The band clipper of the colour maps: a triangle, over which a value varies linearly between
// its three corner values, cut along the levels of a map into the pieces where the value lies
// in one band.
#pragma once

#include <array>
#include <cstdint>

namespace vilmor {

inline constexpr int NumLivelliMappa = 11;
// The caller's output arrays hold 20 pieces of at most 5 vertices; eleven levels make at most
// twelve pieces.
inline constexpr int MaxPoligoniFascia = 20;
inline constexpr int MaxVerticiFascia = 5;

// In: the levels 0 .. NumLivelli - 1, rising (equal neighbours allowed); NumLivelli, which must
// be 11; the corners' X, Y and values. Out: NumPoligoni pieces; piece p lies in band
// FasciaPoligono[p] and has NumVerticiPoligono[p] vertices (3 .. 5), clockwise in the plan
// frame, vertex v at XPoligoni[p + 20 v], YPoligoni[p + 20 v].
// Band 0 lies below level 0, band k (1 .. 10) from level k - 1 up to level k, band 11 from
// level 10 up: a value on a level belongs to the band above it. The pieces cover the triangle
// without overlapping, and a piece without area (a level through a corner) is not written.
// Three equal values give one piece, the triangle. A triangle without area, a value, corner
// or level that is not a finite number, falling levels or another level count give no piece:
// NumPoligoni 0 and nothing else written.
void _cltria(const std::array<double, 21>& Livelli, int32_t NumLivelli, const std::array<double, 3>& XVertici,
             const std::array<double, 3>& YVertici, const std::array<double, 3>& ZVertici, int32_t& NumPoligoni,
             std::array<int32_t, 21>& FasciaPoligono, std::array<int32_t, 21>& NumVerticiPoligono,
             std::array<double, 100>& XPoligoni, std::array<double, 100>& YPoligoni);

}  // namespace vilmor
