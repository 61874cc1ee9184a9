#include "model/Poligoni.h"

#include <algorithm>
#include <cassert>

namespace vilmor {

namespace {
template <class P> float Somma(const std::vector<P>& l, bool chiudi) {
    float s = 0;
    size_t n = l.size();
    size_t lati = chiudi ? n : (n == 0 ? 0 : n - 1);
    for (size_t i = 0; i < lati; ++i) {
        const auto& a = l[i];
        const auto& b = l[(i + 1) % n];
        // Each term in 8 bytes (float products of plan coordinates lose digits), summed in 4.
        double termine = (static_cast<double>(a.Y) * b.X - static_cast<double>(b.Y) * a.X) / 2;
        s = static_cast<float>(s + termine);
    }
    return s;
}
}  // namespace

bool OrarioPunti(const std::vector<Punto>& lista) {
    if (lista.size() < 3) return true;
    return Somma(lista, false) >= 0;
}

bool OrarioVertici(const std::vector<Vertice>& lista) {
    if (lista.empty()) return false;
    return Somma(lista, true) > 0;
}

void InvertiPunti(std::vector<Punto>& lista) { std::reverse(lista.begin(), lista.end()); }
void InvertiVertici(std::vector<Vertice>& lista) { std::reverse(lista.begin(), lista.end()); }

float PoliX(const GeometriaSoletta& g, int p, int k) {
    assert(p >= 0 && p < static_cast<int>(g.InizioForo.size()));
    assert(k >= 0 && k < g.NumVertForo[p]);
    return g.XFori[static_cast<size_t>(g.InizioForo[p] + k)];
}

float PoliY(const GeometriaSoletta& g, int p, int k) {
    assert(p >= 0 && p < static_cast<int>(g.InizioForo.size()));
    assert(k >= 0 && k < g.NumVertForo[p]);
    return g.YFori[static_cast<size_t>(g.InizioForo[p] + k)];
}

void IniziaForo(GeometriaSoletta& g, int p) {
    if (static_cast<int>(g.InizioForo.size()) <= p) g.InizioForo.resize(static_cast<size_t>(p) + 1, 0);
    if (static_cast<int>(g.NumVertForo.size()) <= p) g.NumVertForo.resize(static_cast<size_t>(p) + 1, 0);
    // Every opening, empty or not, starts at the store's current end.
    g.InizioForo[p] = static_cast<int>(g.XFori.size());
    g.NumVertForo[p] = 0;
}

void AggiungiVerticePoli(GeometriaSoletta& g, int p, int k, float x, float y) {
    if (k == 0) IniziaForo(g, p);
    else {
        assert(p >= 0 && p < static_cast<int>(g.NumVertForo.size()) && p < static_cast<int>(g.InizioForo.size()));
        g.NumVertForo[p] += 1;
    }
    size_t m = static_cast<size_t>(g.InizioForo[p] + g.NumVertForo[p]);
    g.XFori.resize(m + 1);
    g.YFori.resize(m + 1);
    g.XFori[m] = x;
    g.YFori[m] = y;
}

}  // namespace vilmor
