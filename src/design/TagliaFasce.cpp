#include "design/TagliaFasce.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace vilmor {
namespace {

// A vertex of a piece: a corner of the triangle (Dove 0 .. 2) or a point where a level crosses
// side Dove - 3, the side from corner Dove - 3 to the next one. A crossing carries its level
// exactly as its value, so a later level never finds a crossing on a level line.
struct Vertice3 {
    double X, Y, Z;
    int Dove;
};

// A convex piece being cut: a triangle cut by one level has at most four vertices, a band of
// it at most five; the room left over is never used.
struct Pezzo {
    std::array<Vertice3, 8> V;
    int N = 0;
    void Aggiungi(const Vertice3& v) {
        if (N < static_cast<int>(V.size())) V[static_cast<size_t>(N++)] = v;
    }
};

struct Triangolo {
    std::array<double, 3> X, Y, Z;
};

// The side of the triangle that the edge a-b of a piece lies on. Only edges whose ends take
// different values are asked, and those lie on a side: an edge along a level has equal values.
int LatoDi(const Vertice3& a, const Vertice3& b) {
    if (a.Dove >= 3) return a.Dove - 3;
    if (b.Dove >= 3) return b.Dove - 3;
    return (a.Dove + 1) % 3 == b.Dove ? a.Dove : b.Dove;
}

// Where the level crosses a side, always worked out from the same end of the side (the lower
// in x, then in y), so that two triangles sharing the side meet at the same point.
Vertice3 Incrocio(const Triangolo& t, int lato, double livello) {
    size_t i = static_cast<size_t>(lato), j = static_cast<size_t>((lato + 1) % 3);
    if (std::tie(t.X[j], t.Y[j]) < std::tie(t.X[i], t.Y[i])) std::swap(i, j);
    const double s = std::clamp((livello - t.Z[i]) / (t.Z[j] - t.Z[i]), 0.0, 1.0);
    return {t.X[i] + s * (t.X[j] - t.X[i]), t.Y[i] + s * (t.Y[j] - t.Y[i]), livello, 3 + lato};
}

// The piece split along a level: the part at or below it and the part at or above it. A vertex
// on the level belongs to both.
void Dividi(const Triangolo& t, const Pezzo& p, double livello, Pezzo& sotto, Pezzo& sopra) {
    sotto.N = sopra.N = 0;
    for (int k = 0; k < p.N; ++k) {
        const Vertice3& a = p.V[static_cast<size_t>(k)];
        const Vertice3& b = p.V[static_cast<size_t>((k + 1) % p.N)];
        if (a.Z <= livello) sotto.Aggiungi(a);
        if (a.Z >= livello) sopra.Aggiungi(a);
        if ((a.Z < livello && b.Z > livello) || (a.Z > livello && b.Z < livello)) {
            const Vertice3 c = Incrocio(t, LatoDi(a, b), livello);
            sotto.Aggiungi(c);
            sopra.Aggiungi(c);
        }
    }
}

struct Uscita {
    int32_t& N;
    std::array<int32_t, 21>& Fascia;
    std::array<int32_t, 21>& NumVertici;
    std::array<double, 100>& X;
    std::array<double, 100>& Y;

    // Writes the piece unless it has no area: repeated points go, and what is left must turn
    // clockwise as the triangle does.
    void Scrivi(const Pezzo& p, int fascia) {
        std::array<Vertice3, 8> q;
        int m = 0;
        for (int k = 0; k < p.N; ++k) {
            const Vertice3& v = p.V[static_cast<size_t>(k)];
            if (m == 0 || v.X != q[static_cast<size_t>(m - 1)].X || v.Y != q[static_cast<size_t>(m - 1)].Y)
                q[static_cast<size_t>(m++)] = v;
        }
        while (m > 1 && q[static_cast<size_t>(m - 1)].X == q[0].X && q[static_cast<size_t>(m - 1)].Y == q[0].Y) --m;
        if (m < 3 || m > MaxVerticiFascia || N >= MaxPoligoniFascia) return;
        double area2 = 0;
        for (int k = 1; k + 1 < m; ++k) {
            const Vertice3& a = q[static_cast<size_t>(k)];
            const Vertice3& b = q[static_cast<size_t>(k + 1)];
            area2 += (a.X - q[0].X) * (b.Y - q[0].Y) - (b.X - q[0].X) * (a.Y - q[0].Y);
        }
        if (!(area2 < 0)) return;
        const size_t p0 = static_cast<size_t>(N);
        Fascia[p0] = fascia;
        NumVertici[p0] = m;
        for (int v = 0; v < m; ++v) {
            X[p0 + 20 * static_cast<size_t>(v)] = q[static_cast<size_t>(v)].X;
            Y[p0 + 20 * static_cast<size_t>(v)] = q[static_cast<size_t>(v)].Y;
        }
        ++N;
    }
};

}  // namespace

void _cltria(const std::array<double, 21>& Livelli, int32_t NumLivelli, const std::array<double, 3>& XVertici,
             const std::array<double, 3>& YVertici, const std::array<double, 3>& ZVertici, int32_t& NumPoligoni,
             std::array<int32_t, 21>& FasciaPoligono, std::array<int32_t, 21>& NumVerticiPoligono,
             std::array<double, 100>& XPoligoni, std::array<double, 100>& YPoligoni) {
    NumPoligoni = 0;
    if (NumLivelli != NumLivelliMappa) return;
    const double* l = Livelli.data();
    for (int k = 0; k < NumLivelliMappa; ++k) {
        if (!std::isfinite(l[k])) return;
        if (k > 0 && l[k] < l[k - 1]) return;
    }
    Triangolo t{XVertici, YVertici, ZVertici};
    for (size_t k = 0; k < 3; ++k)
        if (!std::isfinite(t.X[k]) || !std::isfinite(t.Y[k]) || !std::isfinite(t.Z[k])) return;
    const double doppia = (t.X[1] - t.X[0]) * (t.Y[2] - t.Y[0]) - (t.Y[1] - t.Y[0]) * (t.X[2] - t.X[0]);
    if (doppia == 0 || !std::isfinite(doppia)) return;
    // Clockwise, as every piece will be.
    if (doppia > 0) {
        std::swap(t.X[1], t.X[2]);
        std::swap(t.Y[1], t.Y[2]);
        std::swap(t.Z[1], t.Z[2]);
    }
    const auto [zmin, zmax] = std::minmax({t.Z[0], t.Z[1], t.Z[2]});
    if (!std::isfinite(zmax - zmin)) return;

    // The band of a value: the count of levels at or below it.
    auto fascia = [l](double z) { return static_cast<int>(std::upper_bound(l, l + NumLivelliMappa, z) - l); };
    const int prima = fascia(zmin), ultima = fascia(zmax);

    if (prima == ultima) {
        // Whole in one band, as most triangles of a map are: the triangle itself, clockwise.
        NumPoligoni = 1;
        FasciaPoligono[0] = prima;
        NumVerticiPoligono[0] = 3;
        for (size_t v = 0; v < 3; ++v) {
            XPoligoni[20 * v] = t.X[v];
            YPoligoni[20 * v] = t.Y[v];
        }
        return;
    }
    Uscita u{NumPoligoni, FasciaPoligono, NumVerticiPoligono, XPoligoni, YPoligoni};
    Pezzo a, b, sotto;
    Pezzo* resto = &a;
    Pezzo* sopra = &b;
    for (int k = 0; k < 3; ++k) resto->Aggiungi({t.X[static_cast<size_t>(k)], t.Y[static_cast<size_t>(k)], t.Z[static_cast<size_t>(k)], k});
    // Level by level from the lowest crossing the triangle: what lies below it is one band,
    // the rest goes on.
    for (int k = prima; k < ultima; ++k) {
        Dividi(t, *resto, l[k], sotto, *sopra);
        u.Scrivi(sotto, k);
        std::swap(resto, sopra);
    }
    u.Scrivi(*resto, ultima);
}

}  // namespace vilmor
