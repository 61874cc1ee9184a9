#include "drawing/QuotaturaAutomatica.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drawing/Quote.h"

namespace vilmor {
namespace {

// Which side a chain serves: H along x on a line y = L, V along y on a line x = L; `alto`: the
// line lies towards larger coordinates, so a larger across coordinate is nearer to it.
struct Lato {
    bool orizz;
    bool alto;
    float Lungo(const Vertice& v) const { return orizz ? v.X : v.Y; }
    float Traverso(const Vertice& v) const { return orizz ? v.Y : v.X; }
    float& Traverso(Vertice& v) const { return orizz ? v.Y : v.X; }
    bool PiuVicino(float a, float b) const { return alto ? a > b : a < b; }
};

constexpr int Quotato = 0, Nascosto = 1;

void Catena(Modello& m, const std::vector<Vertice>& punti, float L, int n, Lato lato) {
    n = std::min(n, static_cast<int>(punti.size()));
    // One kept point per along coordinate, as near the line as the nearest of its group.
    std::vector<Vertice> K;
    for (int i = 0; i < n; ++i) {
        const Vertice& p = punti[static_cast<size_t>(i)];
        if (!lato.PiuVicino(L, lato.Traverso(p))) continue;  // on the line or beyond it
        if (K.empty() || std::fabs(lato.Lungo(K.back()) - lato.Lungo(p)) >= 0.001f) {
            K.push_back({p.X, p.Y, Quotato});
        } else if (lato.PiuVicino(lato.Traverso(p), lato.Traverso(K.back()))) {
            lato.Traverso(K.back()) = lato.Traverso(p);
        }
    }
    const int k = static_cast<int>(K.size());
    if (k < 2) return;

    // A point with a nearer one before and after it cannot be seen from the line. The first is
    // always seen; of four or more points the last two are never tested.
    float rif = lato.Traverso(K[0]);
    int j = 1;
    do {
        Vertice& v = K[static_cast<size_t>(j)];
        if (lato.PiuVicino(rif, lato.Traverso(v))) {
            for (int h = j + 1; h < k; ++h)
                if (lato.PiuVicino(lato.Traverso(K[static_cast<size_t>(h)]), lato.Traverso(v))) {
                    v.Segno = Nascosto;
                    break;
                }
        } else {
            rif = lato.Traverso(v);
        }
        ++j;
    } while (j < k - 2);

    int prec = 0;
    for (int i = 1; i < k; ++i) {
        const Vertice& b = K[static_cast<size_t>(i)];
        if (b.Segno != Quotato) continue;
        const Vertice& a = K[static_cast<size_t>(prec)];
        Quotatura.XQuota1 = a.X, Quotatura.YQuota1 = a.Y;
        Quotatura.XQuota2 = b.X, Quotatura.YQuota2 = b.Y;
        if (lato.orizz) AggiungiQuota(m, a.X, L, b.X, L, -1);
        else AggiungiQuota(m, L, a.Y, L, b.Y, -1);
        prec = i;
    }
}

// Exchange sort on x (or y): equal keys never change places.
void Ordina(std::vector<Vertice>& v, bool suX) {
    auto chiave = [suX](const Vertice& p) { return suX ? p.X : p.Y; };
    for (size_t i = 0; i < v.size(); ++i) {
        float c = chiave(v[i]);
        for (size_t k = i + 1; k < v.size(); ++k)
            if (chiave(v[k]) < c) {
                std::swap(v[i], v[k]);
                c = chiave(v[i]);
            }
    }
}

// The column centres in column order; a centre is left out only while every centre taken so
// far shares its x (or y).
std::vector<Vertice> CentriPilastri(const GeometriaSoletta& g, bool suX) {
    std::vector<Vertice> lista;
    const int n = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    for (int i = 0; i < n; ++i) {
        const Pilastro& c = g.Pilastri[static_cast<size_t>(i)];
        const float v = suX ? c.X : c.Y;
        const bool uguali = !lista.empty() && std::all_of(lista.begin(), lista.end(), [&](const Vertice& w) {
            return std::fabs(v - (suX ? w.X : w.Y)) <= 0.0001f;
        });
        if (!uguali) lista.push_back({c.X, c.Y, 0});
    }
    return lista;
}

}  // namespace

void QuotaCatenaH1(Modello& m, const std::vector<Vertice>& punti, float L, int n) {
    Catena(m, punti, L, n, {true, true});
}
void QuotaCatenaH2(Modello& m, const std::vector<Vertice>& punti, float L, int n) {
    Catena(m, punti, L, n, {true, false});
}
void QuotaCatenaV1(Modello& m, const std::vector<Vertice>& punti, float L, int n) {
    Catena(m, punti, L, n, {false, true});
}
void QuotaCatenaV2(Modello& m, const std::vector<Vertice>& punti, float L, int n) {
    Catena(m, punti, L, n, {false, false});
}

void QuotaturaAutomatica(Modello& m) {
    const GeometriaSoletta& g = m.Soletta;
    const float XMin = g.LimitiContorno[0], YMin = g.LimitiContorno[1];
    const float XMax = g.LimitiContorno[2], YMax = g.LimitiContorno[3];
    float D = 60;

    if (g.NumPilastri >= 1) {
        std::vector<Vertice> lista = CentriPilastri(g, true);
        int n = static_cast<int>(lista.size());
        if (n >= 2) {
            Ordina(lista, true);
            QuotaCatenaH1(m, lista, YMax + 60, n);
            QuotaCatenaH2(m, lista, YMin - 60, n);
        }
        lista = CentriPilastri(g, false);
        n = static_cast<int>(lista.size());
        if (n >= 2) {
            Ordina(lista, false);
            QuotaCatenaV2(m, lista, XMin - 60, n);
            QuotaCatenaV1(m, lista, XMax + 60, n);
            D = 90;
        }
    }

    // The outline with its closing repeat, which merges with its first vertex.
    const int n = std::min(g.NumVertContorno + 1, static_cast<int>(g.Contorno.size()));
    if (n < 1) return;
    std::vector<Vertice> lista;
    for (int i = 0; i < n; ++i) lista.push_back({g.Contorno[static_cast<size_t>(i)].X, g.Contorno[static_cast<size_t>(i)].Y, 0});
    Ordina(lista, true);
    QuotaCatenaH1(m, lista, YMax + D, n);
    QuotaCatenaH2(m, lista, YMin - D, n);
    Ordina(lista, false);
    QuotaCatenaV2(m, lista, XMin - D, n);
    QuotaCatenaV1(m, lista, XMax + D, n);
}

}  // namespace vilmor
