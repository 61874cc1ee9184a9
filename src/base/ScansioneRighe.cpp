#include "base/ScansioneRighe.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vilmor {

void ScansioneRighe::Svuota() {
    lati_.clear();
    ruoli_.clear();
}

void ScansioneRighe::AggiungiAnello(const std::vector<Punto>& v, int n, Ruolo ruolo) {
    const int tot = static_cast<int>(v.size());
    if (n < 0 || n > tot) n = tot;
    const int anello = static_cast<int>(ruoli_.size());
    ruoli_.push_back(ruolo);
    if (n < 2) return;

    // A vertex that is not a number is passed over, so the ring stays closed.
    std::vector<Punto> punti;
    punti.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const Punto& p = v[static_cast<size_t>(i)];
        if (std::isfinite(p.X) && std::isfinite(p.Y)) punti.push_back(p);
    }
    const size_t np = punti.size();
    if (np < 2) return;

    // Sides with their lower end first; a level side never counts, so it is not kept.
    std::vector<Lato> propri;
    propri.reserve(np);
    for (size_t i = 0; i < np; ++i) {
        const Punto& a = punti[i];
        const Punto& b = punti[i + 1 < np ? i + 1 : 0];
        if (a.Y == b.Y) continue;
        if (a.Y < b.Y) propri.push_back({a.X, a.Y, b.X, b.Y, anello});
        else propri.push_back({b.X, b.Y, a.X, a.Y, anello});
    }

    // Coincident sides cancel in pairs: crossing both changes nothing, and keeping them would
    // cut every line through a slit into two bars.
    auto chiave = [](const Lato& l) { return std::tie(l.Ya, l.Xa, l.Yb, l.Xb); };
    std::sort(propri.begin(), propri.end(), [&](const Lato& p, const Lato& q) { return chiave(p) < chiave(q); });
    for (size_t i = 0; i < propri.size();) {
        size_t j = i + 1;
        while (j < propri.size() && chiave(propri[j]) == chiave(propri[i])) ++j;
        if ((j - i) % 2 == 1) lati_.push_back(propri[i]);
        i = j;
    }
}

void ScansioneRighe::Incroci(double y, std::vector<Incrocio>& out) const {
    out.clear();
    if (!std::isfinite(y)) return;
    for (const Lato& l : lati_) {
        if (l.Ya <= y && y < l.Yb) {
            double x = l.Xa + (y - l.Ya) * (l.Xb - l.Xa) / (l.Yb - l.Ya);
            out.push_back({x, l.Anello});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Incrocio& a, const Incrocio& b) { return a.X != b.X ? a.X < b.X : a.Anello < b.Anello; });
}

void ScansioneRighe::Incroci(double y, std::vector<double>& x) const {
    Incroci(y, lavoro_);
    x.clear();
    for (const Incrocio& c : lavoro_) x.push_back(c.X);
}

void ScansioneRighe::Tratti(double y, std::vector<Tratto>& t) const {
    t.clear();
    Incroci(y, lavoro_);
    if (lavoro_.size() < 2) return;
    dentro_.assign(ruoli_.size(), 0);
    int pieni = 0, vuoti = 0;
    double inizio = 0;
    for (const Incrocio& c : lavoro_) {
        const bool prima = pieni > 0 && vuoti == 0;
        uint8_t& d = dentro_[static_cast<size_t>(c.Anello)];
        d ^= 1;
        int& conta = ruoli_[static_cast<size_t>(c.Anello)] == Ruolo::Pieno ? pieni : vuoti;
        conta += d ? 1 : -1;
        const bool dopo = pieni > 0 && vuoti == 0;
        if (!prima && dopo) {
            inizio = c.X;
        } else if (prima && !dopo && c.X > inizio) {
            t.push_back({inizio, c.X});
        }
    }
}

int64_t NumeroRighe(double y0, double passo, double yFine, bool stretto) {
    if (!(passo > 0) || !std::isfinite(passo) || !std::isfinite(y0) || !std::isfinite(yFine)) return -1;
    auto dentro = [&](int64_t k) {
        double y = RigaScansione(y0, passo, k);
        return stretto ? y < yFine : y <= yFine;
    };
    if (!dentro(0)) return 0;
    double stima = std::floor((yFine - y0) / passo);
    if (!(stima < static_cast<double>(MaxRigheScansione) + 2)) return -1;
    int64_t k = static_cast<int64_t>(stima) + 2;
    // The estimate may be off by one either way; settle it on the lines themselves.
    while (k > 0 && !dentro(k)) --k;
    while (k <= MaxRigheScansione && dentro(k + 1)) ++k;
    int64_t n = k + 1;
    return n > MaxRigheScansione ? -1 : n;
}

void IntervalloRighe(double y0, double passo, int64_t righe, double lo, double hi, int64_t& prima, int64_t& oltre) {
    prima = oltre = 0;
    if (righe <= 0 || !(passo > 0) || !std::isfinite(passo) || !std::isfinite(y0) || !(lo <= hi)) return;
    // The first line above y (at or above it when `incluso`), or righe: estimated, then settled
    // on the lines themselves.
    auto primaSopra = [&](double y, bool incluso) -> int64_t {
        auto sopra = [&](int64_t k) {
            const double r = RigaScansione(y0, passo, k);
            return incluso ? r >= y : r > y;
        };
        const double stima = std::ceil((y - y0) / passo);
        int64_t k = !(stima > 0) ? 0 : stima >= static_cast<double>(righe) ? righe : static_cast<int64_t>(stima);
        while (k > 0 && sopra(k - 1)) --k;
        while (k < righe && !sopra(k)) ++k;
        return k;
    };
    prima = primaSopra(lo, true);
    oltre = std::max(prima, primaSopra(hi, false));
}

}  // namespace vilmor
