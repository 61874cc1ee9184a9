#include "design/Selezione.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/Poligoni.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

constexpr float TolLato = 4;
constexpr float TolPunto = 6;   // nodes and grips
constexpr float TolMarca = 10;  // zone marks and label points
constexpr float TolLinea = 6;   // representative lines and cut lines

// The open square of half side n pixels around the plan point (x, y).
bool InQuadrato(float px, float py, float x, float y, float n) {
    const float sx = XSchermo(x), sy = YSchermo(y);
    return sx - n < px && px < sx + n && sy - n < py && py < sy + n;
}

// Last usable index of a table whose count or last index may run ahead of its storage.
int Ultimo(int ultimo, size_t dimensione) {
    return std::min(ultimo, static_cast<int>(dimensione) - 1);
}

}  // namespace

int VicinoSegmento(float px, float py, float x1, float y1, float x2, float y2, float tol) {
    const float dx = x2 - x1, dy = y2 - y1;
    float sx1 = XSchermo(x1), sy1 = YSchermo(y1);
    float sx2 = XSchermo(x2), sy2 = YSchermo(y2);

    if (px < std::min(sx1, sx2) - tol || px > std::max(sx1, sx2) + tol) return 0;
    if (py < std::min(sy1, sy2) - tol || py > std::max(sy1, sy2) + tol) return 0;

    if (std::fabs(dx) <= 0.001f || std::fabs(dy) <= 0.001f) {
        if (sy1 > sy2) std::swap(sy1, sy2);
        if (sx1 > sx2) std::swap(sx1, sx2);
        if (std::fabs(dx) <= 0.001f) return (std::fabs(px - sx1) < tol && sy1 < py && py < sy2) ? -1 : 0;
        return (std::fabs(py - sy1) < tol && sx1 < px && px < sx2) ? -1 : 0;
    }

    // The picture's y runs down, so the line's picture slope is -m; the smaller
    // axis-parallel distance is taken, not the perpendicular one.
    const float m = dy / dx;
    const float dv = std::fabs(py - sy1 + m * (px - sx1));
    const float dh = std::fabs(sx1 - px + (sy1 - py) / m);
    return std::min(dv, dh) < tol ? -1 : 0;
}

int TrovaLato(const Modello& m, float px, float py) {
    const GeometriaSoletta& g = m.Soletta;
    // Contorno holds NumVertContorno + 1 points, the last repeating the first.
    const int lati = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()) - 1);
    for (int i = 0; i < lati; ++i) {
        const Punto& a = g.Contorno[static_cast<size_t>(i)];
        const Punto& b = g.Contorno[static_cast<size_t>(i) + 1];
        if (VicinoSegmento(px, py, a.X, a.Y, b.X, b.Y, TolLato)) {
            Vista.LatoEvidenziato = -1;
            return i;
        }
    }
    const int fori = std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()),
                               static_cast<int>(g.InizioForo.size())});
    for (int j = 0; j < fori; ++j) {
        const int n = g.NumVertForo[static_cast<size_t>(j)];
        // An opening whose vertices run past the store is skipped rather than read out of bounds.
        if (n <= 0 || g.InizioForo[static_cast<size_t>(j)] < 0 ||
            static_cast<size_t>(g.InizioForo[static_cast<size_t>(j)]) + static_cast<size_t>(n) >
                std::min(g.XFori.size(), g.YFori.size()))
            continue;
        for (int k = 0; k < n; ++k) {
            const int k2 = (k + 1 < n) ? k + 1 : 0;  // openings are stored without a repeated vertex
            if (VicinoSegmento(px, py, PoliX(g, j, k), PoliY(g, j, k), PoliX(g, j, k2), PoliY(g, j, k2),
                               TolLato)) {
                Vista.LatoEvidenziato = j;
                return k;
            }
        }
    }
    return -1;
}

int TrovaLato(float px, float py) { return TrovaLato(M, px, py); }

int TrovaVerticeZona(const EditZone& e, float px, float py) {
    const auto& a = e.ZonaCorrente.Angoli;
    for (int k = 0; k < 4; ++k)
        if (InQuadrato(px, py, a[static_cast<size_t>(k)].X, a[static_cast<size_t>(k)].Y, TolPunto)) return k;
    if (InQuadrato(px, py, (a[0].X + a[2].X) / 2, (a[0].Y + a[2].Y) / 2, TolPunto)) return 4;
    return -1;
}

int TrovaVerticeZona(float px, float py) { return TrovaVerticeZona(Edit, px, py); }

int TrovaNodo(const Modello& m, float px, float py) {
    const ModelloAnalisi& a = m.Analisi;
    const int ultimo = Ultimo(a.NumNodi - 1, a.Nodi.size());
    for (int k = 0; k <= ultimo; ++k) {
        const Nodo& n = a.Nodi[static_cast<size_t>(k)];
        if (InQuadrato(px, py, n.X, n.Y, TolPunto)) return k;
    }
    return -1;
}

int TrovaNodo(float px, float py) { return TrovaNodo(M, px, py); }

int TrovaZona(const Modello& m, float px, float py) {
    const int codice = Vista.CodiceVista;
    // The diffuse views, the shear and punching view and the sheet show no zone to pick.
    if (codice < 2 || codice >= 16) return -1;
    const ZoneArmatura& z = m.Zone;
    const int ultima = Ultimo(z.UltimaZona, z.Zone.size());
    // The view's choices read once: the hover runs this at every move of the mouse.
    const int tipo = Vista.TipoZonaAttivo, direzione = Vista.DirezioneAttiva;
    const Zona* zone = z.Zone.data();
    if (codice == 12 || codice == 13) {
        for (int i = 0; i <= ultima; ++i) {
            const Zona& zona = zone[i];
            if ((zona.Tipo == 2 || zona.Tipo == 3) && InQuadrato(px, py, zona.XMarca, zona.YMarca, TolMarca))
                return i;
        }
    } else if (codice == 14 || codice == 15) {
        for (int i = 0; i <= ultima; ++i) {
            const Zona& zona = zone[i];
            if (zona.Tipo == tipo && InQuadrato(px, py, zona.XRif, zona.YRif, TolMarca)) return i;
        }
    } else {
        for (int i = 0; i <= ultima; ++i) {
            const Zona& zona = zone[i];
            const bool candidata = (zona.Tipo == tipo && zona.Direzione == direzione) || zona.Tipo == 2;
            if (candidata && InQuadrato(px, py, zona.XMarca, zona.YMarca, TolMarca)) return i;
        }
    }
    return -1;
}

int TrovaZona(float px, float py) { return TrovaZona(M, px, py); }

int TrovaZonaLato(const Modello& m, float px, float py) {
    const ZoneArmatura& z = m.Zone;
    const int ultima = Ultimo(z.UltimaZona, z.Zone.size());
    for (int i = 0; i <= ultima; ++i) {
        const Zona& zona = z.Zone[static_cast<size_t>(i)];
        const bool candidata = Vista.CodiceVista == 16 ? (zona.Tipo == 2 || zona.Tipo == 3)
                                                       : (zona.Tipo == Vista.TipoZonaAttivo || zona.Tipo == 2);
        if (candidata && InQuadrato(px, py, zona.XRif, zona.YRif, TolMarca)) return i;
    }
    return -1;
}

int TrovaZonaLato(float px, float py) { return TrovaZonaLato(M, px, py); }

int TrovaZonaBordo(const Modello& m, float px, float py) {
    const ZoneArmatura& z = m.Zone;
    const int ultima = Ultimo(z.UltimaZona, z.Zone.size());
    for (int i = 0; i <= ultima; ++i) {
        const Zona& zona = z.Zone[static_cast<size_t>(i)];
        const bool candidata = Vista.CodiceVista == 16 ? zona.Tipo == 2 : zona.Tipo == Vista.TipoZonaAttivo;
        if (candidata && VicinoSegmento(px, py, zona.XBarra1, zona.YBarra1, zona.XBarra2, zona.YBarra2, TolLinea))
            return i;
    }
    return -1;
}

int TrovaZonaBordo(float px, float py) { return TrovaZonaBordo(M, px, py); }

int TrovaSezione(const Modello& m, float px, float py) {
    const SezioniQuote& s = m.SezQuote;
    const int ultima = Ultimo(s.UltimaSezione, s.Sezioni.size());
    for (int i = 0; i <= ultima; ++i) {
        const Sezione& sz = s.Sezioni[static_cast<size_t>(i)];
        if (VicinoSegmento(px, py, sz.X1, sz.Y1, sz.X2, sz.Y2, TolLinea)) return i;
    }
    return -1;
}

int TrovaSezione(float px, float py) { return TrovaSezione(M, px, py); }

}  // namespace vilmor
