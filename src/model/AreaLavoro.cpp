#include "model/AreaLavoro.h"

#include <algorithm>
#include <cmath>

namespace vilmor {

namespace {

float Bordo(double v) { return static_cast<float>(std::clamp(v, -double(LimitePianta), double(LimitePianta))); }

// The extent grown by its larger side and by `oltre`, edges rounded outwards.
AreaPianta Cresciuta(const Ingombro& e, double oltre) {
    AreaPianta a;
    if (e.Vuoto) return a;
    const double d = std::max(double(e.XMax) - e.XMin, double(e.YMax) - e.YMin) + oltre;
    a.XMin = Bordo(std::floor(e.XMin - d));
    a.YMin = Bordo(std::floor(e.YMin - d));
    a.XMax = Bordo(std::ceil(e.XMax + d));
    a.YMax = Bordo(std::ceil(e.YMax + d));
    return a;
}

}  // namespace

Ingombro EstensioneSoletta(const GeometriaSoletta& g) {
    Ingombro e;
    const int n = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    for (int i = 0; i < n; ++i) e.Aggiungi(g.Contorno[static_cast<size_t>(i)].X, g.Contorno[static_cast<size_t>(i)].Y);
    for (size_t i = 0; i < std::min(g.XFori.size(), g.YFori.size()); ++i) e.Aggiungi(g.XFori[i], g.YFori[i]);
    for (int i = 0; i < std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size())); ++i) {
        const Pilastro& p = g.Pilastri[static_cast<size_t>(i)];
        // A round column's box is its centre: its radius is the first outline value.
        const float r = (p.NumVertici == 1 || p.NumVertici == 2) && !p.VX.empty() ? p.VX[0] : 0;
        e.Aggiungi(p.XMin - r, p.YMin - r);
        e.Aggiungi(p.XMax + r, p.YMax + r);
    }
    for (const auto* lista : {&g.Setti, &g.Travi}) {
        const int num = lista == &g.Setti ? g.NumSetti : g.NumTravi;
        for (int i = 0; i < std::min(num, static_cast<int>(lista->size())); ++i) {
            const Segmento& s = (*lista)[static_cast<size_t>(i)];
            e.Aggiungi(s.X1, s.Y1);
            e.Aggiungi(s.X2, s.Y2);
        }
    }
    for (int i = 0; i < std::min(g.NumPali, static_cast<int>(g.Pali.size())); ++i) {
        const Palo& p = g.Pali[static_cast<size_t>(i)];
        e.AggiungiIntorno(p.X, p.Y, p.Raggio);
    }
    return e;
}

float AreaPianta::LatoMaggiore() const { return std::max(XMax - XMin, YMax - YMin); }

Punto AreaPianta::Limita(float x, float y) const {
    if (Contiene(x, y)) return {x, y};
    // A coordinate that is no number stays where the box is.
    const float cx = std::isnan(x) ? XMin : std::clamp(x, XMin, XMax);
    const float cy = std::isnan(y) ? YMin : std::clamp(y, YMin, YMax);
    return {cx, cy};
}

AreaPianta AreaContorno(const GeometriaSoletta& g) { return Cresciuta(g.EstensioneFile, 0); }

AreaPianta AreaLavoro(const GeometriaSoletta& g) { return Cresciuta(g.EstensioneFile, MargineDisegno); }

float LarghezzaMassimaCordolo(const GeometriaSoletta& g) {
    return std::min(AreaContorno(g).LatoMaggiore(), LimitePianta);
}

bool ZonaNellArea(const GeometriaSoletta& g, const Zona& z, const std::vector<Punto>& vertici) {
    const AreaPianta a = AreaLavoro(g);
    bool dentro = a.Contiene(z.XMin, z.YMin) && a.Contiene(z.XMax, z.YMax) && a.Contiene(z.XBarra1, z.YBarra1) &&
                  a.Contiene(z.XBarra2, z.YBarra2) && a.Contiene(z.XRif, z.YRif) && a.Contiene(z.XMarca, z.YMarca) &&
                  a.Contiene(z.XMin1, z.YMin1) && a.Contiene(z.XMax1, z.YMax1) && a.Contiene(z.XMin2, z.YMin2) &&
                  a.Contiene(z.XMax2, z.YMax2);
    for (const Punto& p : z.Angoli) dentro = dentro && a.Contiene(p.X, p.Y);
    const size_t n = std::min(vertici.size(), static_cast<size_t>(std::max(z.UltVertice + 1, 0)));
    for (size_t k = 0; k < n && dentro; ++k) dentro = a.Contiene(vertici[k].X, vertici[k].Y);
    if (z.Tipo == 2 && !(z.Passo2 <= LarghezzaMassimaCordolo(g))) return false;
    return dentro;
}

bool QuotaNellArea(const GeometriaSoletta& g, const Quota& q) {
    const AreaPianta a = AreaLavoro(g);
    return a.Contiene(q.X1, q.Y1) && a.Contiene(q.X2, q.Y2) && a.Contiene(q.XP1, q.YP1) && a.Contiene(q.XP2, q.YP2);
}

bool ContornoNellArea(const GeometriaSoletta& g, const std::vector<Punto>& anello) {
    const AreaPianta a = AreaContorno(g);
    return std::all_of(anello.begin(), anello.end(), [&a](const Punto& p) { return a.Contiene(p.X, p.Y); });
}

}  // namespace vilmor
