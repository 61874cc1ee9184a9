// A triangle with whole-pixel corners filled straight into a 32-bit picture, pixel by pixel:
// its pixels are the ones an aliased fill of the screen library paints for it, so triangles
// that share their sides tile the picture without gap or overlap, and a colour map painted so
// meets, pixel for pixel, what is painted of it as polygons.
//
// A pixel is painted when its centre lies inside the triangle; a centre on a side counts for
// the triangle on the side's left on the screen, not for the one on its right. Where a side
// crosses a row of centres is worked out as the library does: a slope of 16 binary places,
// cut toward 0, from the side's upper end. No row of centres passes through a corner.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace vilmor {

// Corners beyond this many pixels from the origin are left to the library's own fill.
inline constexpr int LimiteTriangoloPixel = 1 << 14;

// Calls riga(y, x0, x1) for each row y of the picture (0 .. altezza - 1) the triangle paints,
// with the pixels x0 .. x1 (both in, within 0 .. larghezza - 1) it paints there; rows from
// the top. Nothing for a triangle without area. Corners within LimiteTriangoloPixel.
template <class Riga>
void RigheTriangolo(const std::array<int, 3>& xs, const std::array<int, 3>& ys, int larghezza, int altezza,
                    Riga&& riga) {
    // Corners from the top.
    std::array<size_t, 3> o{0, 1, 2};
    if (ys[o[1]] < ys[o[0]]) std::swap(o[0], o[1]);
    if (ys[o[2]] < ys[o[1]]) std::swap(o[1], o[2]);
    if (ys[o[1]] < ys[o[0]]) std::swap(o[0], o[1]);
    const int64_t x0 = xs[o[0]], y0 = ys[o[0]], x1 = xs[o[1]], y1 = ys[o[1]], x2 = xs[o[2]], y2 = ys[o[2]];
    // The middle corner right of the long side, or left of it.
    const int64_t croce = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
    if (croce == 0 || y2 <= 0 || y0 >= altezza) return;

    // A side from its upper end (xa, ya) down to yb: its x at the centre of row y, 16 binary
    // places, is xa + (pendenza (2 (y - ya) + 1)) / 2 rounded down.
    struct Lato {
        int64_t Xa = 0, Ya = 0, Pendenza = 0;
        void Da(int64_t xa, int64_t ya, int64_t xb, int64_t yb) {
            Xa = xa * 65536;
            Ya = ya;
            Pendenza = yb > ya ? (xb - xa) * 65536 / (yb - ya) : 0;
        }
        int64_t X(int64_t y) const { return Xa + ((Pendenza * (2 * (y - Ya) + 1)) >> 1); }
    };
    Lato lungo, corto;
    lungo.Da(x0, y0, x2, y2);
    const bool cortoADestra = croce > 0;
    auto righe = [&](int64_t da, int64_t a) {
        da = std::max<int64_t>(da, 0);
        a = std::min<int64_t>(a, altezza);
        for (int64_t y = da; y < a; ++y) {
            const int64_t xl = cortoADestra ? lungo.X(y) : corto.X(y);
            const int64_t xr = cortoADestra ? corto.X(y) : lungo.X(y);
            // Centres strictly right of the left side, at or left of the right one.
            const int64_t primo = std::max<int64_t>(((xl - 32768) >> 16) + 1, 0);
            const int64_t ultimo = std::min<int64_t>((xr - 32768) >> 16, larghezza - 1);
            if (primo <= ultimo) riga(static_cast<int>(y), static_cast<int>(primo), static_cast<int>(ultimo));
        }
    };
    corto.Da(x0, y0, x1, y1);
    righe(y0, y1);
    corto.Da(x1, y1, x2, y2);
    righe(y1, y2);
}

// A triangle of a colour map in pixels: the map's value at each corner, the eleven levels,
// rising, that part the values into twelve bands (below level 0, between two levels, above
// level 10: a value on a level belongs to the band above it), each band's colour, and the
// values painted, Minimo .. Massimo, both in.
struct TriangoloFasce {
    std::array<int, 3> X{}, Y{};
    std::array<double, 3> Valori{};
    const double* Livelli = nullptr;
    double Minimo = -INFINITY, Massimo = INFINITY;
};

// The triangle painted into rows of 32-bit pixels, `passo` pixels apart, each pixel in the
// colour (of `colori`, one per band) of the value interpolated linearly over the triangle at
// its centre.
inline void DipingiTriangoloFasce(const TriangoloFasce& t, const std::array<uint32_t, 12>& colori, uint32_t* pixel,
                                  ptrdiff_t passo, int larghezza, int altezza) {
    const double* l = t.Livelli;
    auto fascia = [l](double v) { return static_cast<int>(std::upper_bound(l, l + 11, v) - l); };
    const auto [vmin, vmax] = std::minmax({t.Valori[0], t.Valori[1], t.Valori[2]});
    if (vmax < t.Minimo || vmin > t.Massimo) return;
    const bool taglio = vmin < t.Minimo || vmax > t.Massimo;
    const int prima = fascia(vmin);
    if (!taglio && prima == fascia(vmax)) {
        // In one band, as most triangles of a map are.
        const uint32_t c = colori[static_cast<size_t>(prima)];
        RigheTriangolo(t.X, t.Y, larghezza, altezza, [&](int y, int x0, int x1) {
            uint32_t* r = pixel + passo * y;
            std::fill(r + x0, r + x1 + 1, c);
        });
        return;
    }
    // The value's slope across and down the picture.
    const double ax = t.X[0], ay = t.Y[0], va = t.Valori[0];
    const double bx = t.X[1] - ax, by = t.Y[1] - ay, bv = t.Valori[1] - va;
    const double cx = t.X[2] - ax, cy = t.Y[2] - ay, cv = t.Valori[2] - va;
    const double d = bx * cy - cx * by;
    if (d == 0) return;
    const double dx = (bv * cy - cv * by) / d, dy = (bx * cv - cx * bv) / d;
    RigheTriangolo(t.X, t.Y, larghezza, altezza, [&](int y, int x0, int x1) {
        uint32_t* r = pixel + passo * y;
        const double inizio = va + dx * (x0 + 0.5 - ax) + dy * (y + 0.5 - ay);
        int f = fascia(std::clamp(inizio, vmin, vmax));
        for (int x = x0; x <= x1; ++x) {
            const double v = std::clamp(inizio + dx * (x - x0), vmin, vmax);
            if (taglio && !(v >= t.Minimo && v <= t.Massimo)) continue;
            while (f > 0 && v < l[f - 1]) --f;
            while (f < 11 && v >= l[f]) ++f;
            r[x] = colori[static_cast<size_t>(f)];
        }
    });
}

}  // namespace vilmor
