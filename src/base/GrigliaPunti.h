// A grid of cells over a fixed set of plan points, built once, so that the points of a box are
// found by visiting only the cells the box covers: the cost of a query grows with the points
// near the box, not with the whole set.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/Punto.h"

namespace vilmor {

class GrigliaPunti {
public:
    // Over points 0 .. n - 1 at punto(i); what was there before goes.
    template <class F> void Costruisci(int n, F punto) {
        Posizioni.resize(static_cast<size_t>(n > 0 ? n : 0));
        for (int i = 0; i < n; ++i) Posizioni[static_cast<size_t>(i)] = punto(i);
        Ordina();
    }
    void Svuota() { *this = GrigliaPunti{}; }

    // Calls f(i) for every point i that may lie in [xmin, xmax] x [ymin, ymax]: every point in
    // the box, each once, and some near it; every point whose position is not a finite number
    // too. A box whose edges are not all finite numbers yields every point.
    template <class F> void PerOgniVicino(float xmin, float ymin, float xmax, float ymax, F f) const {
        const int n = static_cast<int>(Posizioni.size());
        if (!(std::isfinite(xmin) && std::isfinite(ymin) && std::isfinite(xmax) && std::isfinite(ymax))) {
            for (int i = 0; i < n; ++i) f(i);
            return;
        }
        if (xmin <= xmax && ymin <= ymax && colonne_ > 0) {
            const int c0 = Colonna(xmin), c1 = Colonna(xmax);
            const int r0 = Riga(ymin), r1 = Riga(ymax);
            for (int r = r0; r <= r1; ++r) {
                // The cells of one row lie one after another: one run of points.
                const size_t riga = static_cast<size_t>(r) * static_cast<size_t>(colonne_);
                const int da = inizio_[riga + static_cast<size_t>(c0)], a = inizio_[riga + static_cast<size_t>(c1) + 1];
                for (int k = da; k < a; ++k) f(indici_[static_cast<size_t>(k)]);
            }
        }
        for (int i : nonFiniti_) f(i);
    }

    // The positions the grid was built over, by point.
    std::vector<Punto> Posizioni;

private:
    void Ordina();
    int Cella(double v, double origine, int celle) const {
        const double k = std::floor((v - origine) * inverso_);
        if (!(k > 0)) return 0;
        return k >= celle - 1 ? celle - 1 : static_cast<int>(k);
    }
    int Colonna(float x) const { return Cella(x, x0_, colonne_); }
    int Riga(float y) const { return Cella(y, y0_, righe_); }

    double x0_ = 0, y0_ = 0, inverso_ = 0;  // the grid's corner and cells per centimetre
    int colonne_ = 0, righe_ = 0;
    std::vector<int> inizio_;     // cell c's points are indici_[inizio_[c] .. inizio_[c + 1])
    std::vector<int> indici_;     // the points with finite positions, cell by cell, row by row
    std::vector<int> nonFiniti_;  // the points whose position is not a finite number
};

}  // namespace vilmor
