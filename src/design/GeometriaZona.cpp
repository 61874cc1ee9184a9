#include "design/GeometriaZona.h"

#include <algorithm>
#include <cmath>

#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "design/DirezioniZona.h"

namespace vilmor {

namespace {

// Vertices of the current outline that really exist (a short buffer reads as a short outline).
int NumVerticiCorr(const EditZone& e) {
    int n = e.UltVertZonaCorr + 1;
    n = std::min(n, static_cast<int>(e.ContornoZonaCorr.size()));
    return std::max(n, 0);
}

struct Box {
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// Box of the turned outline, starting from vertex 0 (no vertex: the origin).
Box Estremi(const std::vector<Punto>& P, int n) {
    Box b;
    if (n <= 0) return b;
    b.xmin = b.xmax = P[0].X;
    b.ymin = b.ymax = P[0].Y;
    for (int k = 1; k < n; ++k) {
        if (P[k].X < b.xmin) b.xmin = P[k].X;
        if (P[k].Y < b.ymin) b.ymin = P[k].Y;
        if (P[k].X > b.xmax) b.xmax = P[k].X;
        if (P[k].Y > b.ymax) b.ymax = P[k].Y;
    }
    return b;
}

void ImpostaMarca(EditZone& e) {
    Punto c = CentroideContorno(e.ContornoZonaCorr, NumVerticiCorr(e) - 1);
    e.ZonaCorrente.XMarca = c.X;
    e.ZonaCorrente.YMarca = c.Y;
}

}  // namespace

Punto CentroideContorno(const std::vector<Punto>& V, int ult) {
    ult = std::min(ult, static_cast<int>(V.size()) - 1);
    float A = 0, Sx = 0, Sy = 0;
    for (int k = 0; k <= ult; ++k) {
        int j = k == ult ? 0 : k + 1;
        float a = (V[k].Y * V[j].X - V[k].X * V[j].Y) / 2;
        A += a;
        Sx += (V[k].X + V[j].X) * a / 3;
        Sy += (V[k].Y + V[j].Y) * a / 3;
    }
    if (!(std::fabs(A) > 1e-6f)) return {0, 0};
    float x = Sx / A, y = Sy / A;
    return {static_cast<float>(ArrotondaPari(x, 2)), static_cast<float>(ArrotondaPari(y, 2))};
}

void LimitiZonaDir(const DatiProgetto& pr, EditZone& e) {
    const int n = NumVerticiCorr(e);
    Zona& z = e.ZonaCorrente;
    for (int dir = 0; dir <= 1; ++dir) {
        e.PoligonoLavoro.assign(static_cast<size_t>(n), Punto{});
        for (int k = 0; k < n; ++k) {
            const Punto& p = e.ContornoZonaCorr[k];
            e.PoligonoLavoro[k] = RuotaDirArmatura(pr, dir, p.X, p.Y);
        }
        Box b = Estremi(e.PoligonoLavoro, n);
        Punto lo = RuotaDirArmaturaInv(pr, dir, b.xmin, b.ymin);
        Punto hi = RuotaDirArmaturaInv(pr, dir, b.xmax, b.ymax);
        if (dir == 0) {
            z.XMin1 = lo.X, z.YMin1 = lo.Y, z.XMax1 = hi.X, z.YMax1 = hi.Y;
        } else {
            z.XMin2 = lo.X, z.YMin2 = lo.Y, z.XMax2 = hi.X, z.YMax2 = hi.Y;
        }
    }
}

void LimitiZonaDir() { LimitiZonaDir(M.Progetto, Edit); }

void GeometriaZonaRett(const DatiProgetto& pr, EditZone& e) {
    LimitiZonaDir(pr, e);
    ImpostaMarca(e);
    Zona& z = e.ZonaCorrente;
    z.UltVertice = e.UltVertZonaCorr;

    // Bar direction u, cross direction v, the corners on the two bar-side lines and the default
    // base point, taken from the corner of the other direction's box.
    const float d1x = static_cast<float>(pr.CosDir1), d1y = static_cast<float>(pr.SinDir1);
    const float d2x = static_cast<float>(pr.CosDir2), d2y = static_cast<float>(pr.SinDir2);
    float ux, uy, vx, vy;
    Punto c1, c2, B;
    if (z.Direzione == 0) {
        ux = d1x, uy = d1y, vx = d2x, vy = d2y;
        c1 = {z.XMin1, z.YMin1};
        c2 = {z.XMax1, z.YMax1};
        B = {z.XMin2 - 25 * ux, z.YMin2 - 25 * uy};
    } else {
        ux = d2x, uy = d2y, vx = d1x, vy = d1y;
        c1 = {z.XMin2, z.YMin2};
        c2 = {z.XMax2, z.YMax2};
        B = {z.XMin1 + 25 * ux, z.YMin1 + 25 * uy};
    }
    if (e.MantieniRiferimento == 0) B = {z.XBarra1, z.YBarra1};

    // The cross line through B met with the two bar-side lines, all taken as infinite lines.
    TraversoBarre(B.X, B.Y, vx, vy, c1.X, c1.Y, ux, uy, z.XBarra1, z.YBarra1);
    TraversoBarre(B.X, B.Y, vx, vy, c2.X, c2.Y, ux, uy, z.XBarra2, z.YBarra2);

    // Foot point on the line: where the user left the label, or 20 cm beyond the second side.
    float qx, qy;
    if (e.MantieniRiferimento == 0) {
        ProiettaPunto(z.XBarra1, z.YBarra1, z.XBarra2, z.YBarra2, z.XRif, z.YRif, qx, qy);
    } else {
        qx = z.XBarra2 - 20 * uy;
        qy = z.YBarra2 + 20 * ux;
    }

    // The label stands 25 cm to the right of the line's direction at the foot point.
    float x1p, y1p;
    if (std::fabs(qx - z.XBarra1) < 0.001f && std::fabs(qy - z.YBarra1) < 0.001f) {
        ParallelaSegmento(z.XBarra2, z.YBarra2, qx, qy, x1p, y1p, z.XRif, z.YRif, -25);
    } else {
        ParallelaSegmento(z.XBarra1, z.YBarra1, qx, qy, x1p, y1p, z.XRif, z.YRif, -25);
    }
}

void GeometriaZonaRett() { GeometriaZonaRett(M.Progetto, Edit); }

void GeometriaZona(EditZone& e) {
    Zona& z = e.ZonaCorrente;
    const double c = ScattaCosSeno(std::cos(static_cast<double>(z.Angolo)));
    const double s = ScattaCosSeno(std::sin(static_cast<double>(z.Angolo)));
    const double ci = ScattaCosSeno(std::cos(6.28318530717959 - z.Angolo));
    const double si = ScattaCosSeno(std::sin(6.28318530717959 - z.Angolo));

    const int n = NumVerticiCorr(e);
    e.PoligonoLavoro.assign(static_cast<size_t>(n), Punto{});
    for (int k = 0; k < n; ++k) {
        const Punto& p = e.ContornoZonaCorr[k];
        e.PoligonoLavoro[k] = {static_cast<float>(c * p.X + s * p.Y), static_cast<float>(c * p.Y - s * p.X)};
    }
    Box b = Estremi(e.PoligonoLavoro, n);

    float xb, xr, yr;
    if (e.MantieniRiferimento == 0) {
        xb = static_cast<float>(c * z.XBarra1 + s * z.YBarra1);
        xr = static_cast<float>(c * z.XRif + s * z.YRif);
        yr = static_cast<float>(c * z.YRif - s * z.XRif);
    } else {
        xb = (b.xmin + b.xmax) / 2;
        xr = xb + 30;
        yr = b.ymin - 30;
    }

    auto indietro = [&](float x, float y) {
        return Punto{static_cast<float>(ci * x + si * y), static_cast<float>(ci * y - si * x)};
    };
    Punto lo = indietro(b.xmin, b.ymin), hi = indietro(b.xmax, b.ymax);
    z.XMin1 = z.XMin2 = lo.X;
    z.YMin1 = z.YMin2 = lo.Y;
    z.XMax1 = z.XMax2 = hi.X;
    z.YMax1 = z.YMax2 = hi.Y;
    Punto p1 = indietro(xb, b.ymax), p2 = indietro(xb, b.ymin), r = indietro(xr, yr);
    z.XBarra1 = p1.X, z.YBarra1 = p1.Y;
    z.XBarra2 = p2.X, z.YBarra2 = p2.Y;
    z.XRif = r.X, z.YRif = r.Y;

    ImpostaMarca(e);
    z.UltVertice = e.UltVertZonaCorr;
}

void GeometriaZona() { GeometriaZona(Edit); }

}  // namespace vilmor
