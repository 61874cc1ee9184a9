#include "base/GrigliaPunti.h"

#include <algorithm>

namespace vilmor {

void GrigliaPunti::Ordina() {
    inizio_.clear();
    indici_.clear();
    nonFiniti_.clear();
    colonne_ = righe_ = 0;
    const int n = static_cast<int>(Posizioni.size());
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    int finiti = 0;
    for (int i = 0; i < n; ++i) {
        const Punto& p = Posizioni[static_cast<size_t>(i)];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            nonFiniti_.push_back(i);
            continue;
        }
        if (finiti++ == 0) {
            xmin = xmax = p.X, ymin = ymax = p.Y;
        } else {
            xmin = std::min<double>(xmin, p.X), xmax = std::max<double>(xmax, p.X);
            ymin = std::min<double>(ymin, p.Y), ymax = std::max<double>(ymax, p.Y);
        }
    }
    if (finiti == 0) return;
    // About one point a cell over the points' box; a box flat one way takes its side from the
    // other, one of no size a single cell.
    const double larghezza = xmax - xmin, altezza = ymax - ymin;
    double lato = 0;
    if (larghezza > 0 && altezza > 0) lato = std::sqrt(larghezza * altezza / finiti);
    else lato = std::max(larghezza, altezza) / finiti;
    if (!(lato > 0)) lato = 1;
    const double massimo = 4.0 * finiti + 16;
    const double colonne = std::min(std::floor(larghezza / lato) + 1, massimo);
    const double righe = std::min(std::floor(altezza / lato) + 1, std::max(1.0, std::floor(massimo / colonne)));
    colonne_ = static_cast<int>(colonne);
    righe_ = static_cast<int>(righe);
    x0_ = xmin, y0_ = ymin;
    inverso_ = 1 / lato;

    // A counting sort of the points by cell, keeping their order within a cell.
    const size_t celle = static_cast<size_t>(colonne_) * static_cast<size_t>(righe_);
    std::vector<int> cella(static_cast<size_t>(n), -1);
    inizio_.assign(celle + 1, 0);
    for (int i = 0; i < n; ++i) {
        const Punto& p = Posizioni[static_cast<size_t>(i)];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
        const int c = Riga(p.Y) * colonne_ + Colonna(p.X);
        cella[static_cast<size_t>(i)] = c;
        ++inizio_[static_cast<size_t>(c) + 1];
    }
    for (size_t c = 0; c < celle; ++c) inizio_[c + 1] += inizio_[c];
    indici_.resize(static_cast<size_t>(finiti));
    std::vector<int> posto(inizio_.begin(), inizio_.end() - 1);
    for (int i = 0; i < n; ++i) {
        const int c = cella[static_cast<size_t>(i)];
        if (c >= 0) indici_[static_cast<size_t>(posto[static_cast<size_t>(c)]++)] = i;
    }
}

}  // namespace vilmor
