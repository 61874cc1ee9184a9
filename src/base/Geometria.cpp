#include "base/Geometria.h"

#include <algorithm>
#include <cmath>

#include "base/NumeriAngoli.h"

namespace vilmor {

namespace {

// Two points are one when they differ by less than 0.01 cm in each coordinate.
bool Presso(float ax, float ay, float bx, float by) {
    return std::fabs(ax - bx) < 0.01f && std::fabs(ay - by) < 0.01f;
}

// Where P stands against the segment A-B: its distance from the line and the position of its
// foot along the segment (cm from A), with the segment's length.
struct Posizione {
    float Scarto;  // perpendicular distance
    double Lungo;  // foot from A along A -> B
    double L;      // |AB|
};

Posizione PosizioneSuSegmento(float XP, float YP, float XA, float YA, float XB, float YB) {
    double ux = static_cast<double>(XB) - XA, uy = static_cast<double>(YB) - YA;
    double vx = static_cast<double>(XP) - XA, vy = static_cast<double>(YP) - YA;
    double L = std::sqrt(ux * ux + uy * uy);
    if (L == 0) return {static_cast<float>(std::sqrt(vx * vx + vy * vy)), 0, 0};
    return {static_cast<float>(std::fabs(ux * vy - uy * vx) / L), (ux * vx + uy * vy) / L, L};
}

// Steps 2 to 4 of the intersection, shared by both entry points; Xj, Yj are already -1.
void IntersezioneLinee(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                       float& Xi, float& Yi, int& codice, float& Xj, float& Yj) {
    double dx1 = static_cast<double>(X2) - X1, dy1 = static_cast<double>(Y2) - Y1;
    double dx2 = static_cast<double>(X4) - X3, dy2 = static_cast<double>(Y4) - Y3;
    double c1 = X1 * dy1 - Y1 * dx1;
    double c2 = X3 * dy2 - Y3 * dx2;
    double det = dx1 * dy2 - dy1 * dx2;
    double nx = c2 * dx1 - c1 * dx2;
    double ny = c2 * dy1 - c1 * dy2;

    if (std::fabs(det) <= 0.01) {
        if (std::fabs(nx) >= 1e-4 || std::fabs(ny) >= 1e-4) {
            codice = IntParallele;
            return;
        }
        // One line: compare the ranges along y for a vertical segment 1, along x otherwise.
        bool verticale = std::fabs(X1 - X2) < 0.001f;
        float a1 = verticale ? Y1 : X1, a2 = verticale ? Y2 : X2;
        float b1 = verticale ? Y3 : X3, b2 = verticale ? Y4 : X4;
        float lo1 = std::min(a1, a2), hi1 = std::max(a1, a2);
        float lo2 = std::min(b1, b2), hi2 = std::max(b1, b2);
        auto dentro = [](float v, float lo, float hi) { return v >= lo && v <= hi; };
        if (dentro(lo2, lo1, hi1) || dentro(hi2, lo1, hi1) || dentro(lo1, lo2, hi2) || dentro(hi1, lo2, hi2)) {
            codice = IntSovrapposte;
        } else {
            codice = IntAllineateDisgiunte;
            Xi = X1;
            Yi = Y1;
        }
        return;
    }

    float xi = static_cast<float>(nx / det), yi = static_cast<float>(ny / det);
    if (Presso(X1, Y1, X3, Y3) || Presso(X1, Y1, X4, Y4)) {
        Xi = X1, Yi = Y1, codice = IntIncrocio;
        return;
    }
    if (Presso(X2, Y2, X4, Y4) || Presso(X2, Y2, X3, Y3)) {
        Xi = X2, Yi = Y2, codice = IntIncrocio;
        return;
    }
    Xi = xi;
    Yi = yi;
    if (Presso(xi, yi, X1, Y1)) codice = IntInP1;
    else if (Presso(xi, yi, X2, Y2)) codice = IntInP2;
    else if (Presso(xi, yi, X3, Y3)) codice = IntInP3;
    else if (Presso(xi, yi, X4, Y4)) codice = IntInP4;
    else if (SegmentiIntersecano(X1, Y1, X2, Y2, X3, Y3, X4, Y4)) codice = IntIncrocio;
    else {
        codice = IntEsterna;
        float d = std::fabs(DirezioneGradi(X3, Y3, X4, Y4) - DirezioneGradi(X1, Y1, X2, Y2));
        if (d > 180) d -= 180;
        if (d >= 0.5f && std::fabs(180 - d) >= 0.5f) return;
        codice = IntQuasiParallele;
        // The nearest pair of ends, the earlier pair winning a tie.
        struct Coppia {
            float ax, ay, bx, by;  // end of segment 1, end of segment 2
        } coppie[4] = {{X1, Y1, X3, Y3}, {X2, Y2, X3, Y3}, {X2, Y2, X4, Y4}, {X1, Y1, X4, Y4}};
        int scelta = 0;
        float migliore = 0;
        for (int k = 0; k < 4; ++k) {
            float dx = coppie[k].ax - coppie[k].bx, dy = coppie[k].ay - coppie[k].by;
            float q = dx * dx + dy * dy;
            if (k == 0 || q < migliore) {
                migliore = q;
                scelta = k;
            }
        }
        const Coppia& c = coppie[scelta];
        if (std::sqrt(migliore) < 2.0f) {
            Xi = (c.ax + c.bx) / 2;
            Yi = (c.ay + c.by) / 2;
        } else {
            Xi = c.ax, Yi = c.ay;
            Xj = c.bx, Yj = c.by;
        }
    }
}

}  // namespace

float Distanza(float X1, float Y1, float X2, float Y2) {
    float dx = X1 - X2, dy = Y1 - Y2;
    return static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

void PuntoADistanza(float X1, float Y1, float X2, float Y2, float& Xr, float& Yr, float D) {
    float L = Distanza(X1, Y1, X2, Y2);
    double f = L == 0 ? 0.0 : static_cast<double>(D) / L;
    Xr = static_cast<float>(X1 + static_cast<double>(X2 - X1) * f);
    Yr = static_cast<float>(Y1 + static_cast<double>(Y2 - Y1) * f);
}

void ProiettaPunto(float X1, float Y1, float X2, float Y2, float Px, float Py, float& Xr, float& Yr) {
    if (Distanza(X1, Y1, X2, Y2) < 1e-4f) {  // no direction to project on
        Xr = X1, Yr = Y1;
        return;
    }
    if (std::fabs(Y2 - Y1) <= 1e-6f) {
        float y = Y2;
        Xr = Px, Yr = y;
        return;
    }
    if (std::fabs(X2 - X1) <= 1e-6f) {
        float x = X2;
        Xr = x, Yr = Py;
        return;
    }
    // The perpendicular through P, 100 cm long, met with the line of the segment.
    double t = std::atan(static_cast<double>(X2 - X1) / static_cast<double>(Y2 - Y1));
    float Qx = static_cast<float>(Px + 100 * std::cos(t));
    float Qy = static_cast<float>(Py - 100 * std::sin(t));
    float xi = X1, yi = Y1, xj, yj;  // a segment too short to give a direction: its first end
    int codice;
    Intersezione(X1, Y1, X2, Y2, Px, Py, Qx, Qy, xi, yi, codice, xj, yj);
    Xr = xi, Yr = yi;
}

void ParallelaSegmento(float X1, float Y1, float X2, float Y2, float& X1p, float& Y1p, float& X2p,
                       float& Y2p, float D) {
    float x1, y1, x2, y2;
    if (std::fabs(Y2 - Y1) < 1e-4f) {
        float d = X1 < X2 ? D : -D;
        x1 = X1, x2 = X2, y1 = Y1 + d, y2 = Y2 + d;
    } else if (std::fabs(X2 - X1) < 1e-4f) {
        float d = Y1 > Y2 ? D : -D;
        y1 = Y1, y2 = Y2, x1 = X1 + d, x2 = X2 + d;
    } else {
        float t = static_cast<float>(std::atan(static_cast<double>(X2 - X1) / static_cast<double>(Y2 - Y1)));
        float c = static_cast<float>(std::cos(t)), s = static_cast<float>(std::sin(t));
        float k = static_cast<float>(((X2 - X1) > 0 ? 1 : -1) * (t > 0 ? 1 : (t < 0 ? -1 : 0)));
        x1 = X1 - k * D * c, x2 = X2 - k * D * c;
        y1 = Y1 + k * D * s, y2 = Y2 + k * D * s;
    }
    X1p = x1, Y1p = y1, X2p = x2, Y2p = y2;
}

int Orientamento(float X0, float Y0, float X1, float Y1, float X2, float Y2) {
    double dx1 = static_cast<double>(X1) - X0, dy1 = static_cast<double>(Y1) - Y0;
    double dx2 = static_cast<double>(X2) - X0, dy2 = static_cast<double>(Y2) - Y0;
    double p = dx1 * dy2, q = dy1 * dx2;
    if (std::fabs(p - q) > 1e-4) return p > q ? 1 : -1;
    if (dx1 * dx2 < 0 || dy1 * dy2 < 0) return -1;
    if (dx2 * dx2 + dy2 * dy2 > dx1 * dx1 + dy1 * dy1) return 1;
    return 0;
}

bool SegmentiIntersecano(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4) {
    return Orientamento(X1, Y1, X2, Y2, X3, Y3) * Orientamento(X1, Y1, X2, Y2, X4, Y4) <= 0 &&
           Orientamento(X3, Y3, X4, Y4, X1, Y1) * Orientamento(X3, Y3, X4, Y4, X2, Y2) <= 0;
}

bool PuntoSuRetta(float XA, float YA, float XB, float YB, float XC, float YC) {
    if (std::fabs(XA - XB) < 1e-4f) return std::fabs(XC - XB) < 1e-4f;
    if (std::fabs(YA - YB) < 1e-4f) return std::fabs(YC - YB) < 1e-4f;
    // Oblique line: the distance from it, not a sum of distances, which admits points
    // centimetres away from a long line.
    return PosizioneSuSegmento(XC, YC, XA, YA, XB, YB).Scarto <= 0.1f;
}

bool PuntoInternoSegmento(float XP, float YP, float XA, float YA, float XB, float YB) {
    Posizione p = PosizioneSuSegmento(XP, YP, XA, YA, XB, YB);
    if (p.Scarto > 0.1f) return false;
    // A foot within 0.01 cm beyond an end is at that end.
    return p.Lungo >= -0.01 && p.Lungo <= p.L + 0.01;
}

bool PuntoSuSegmentoTol(float XP, float YP, float XA, float YA, float XB, float YB) {
    if (Presso(XP, YP, XA, YA) || Presso(XP, YP, XB, YB)) return false;
    Posizione p = PosizioneSuSegmento(XP, YP, XA, YA, XB, YB);
    if (p.L == 0 || p.Scarto > 0.1f) return false;
    return p.Lungo >= 0 && p.Lungo <= p.L;
}

float AreaBarra(int diametro) {
    double r = diametro / 20.0;
    return static_cast<float>(r * r * 3.141592654);
}

int DiametroDaArea(float A, int DiamPioli) {
    if (!(A > 0)) A = 0;  // also a NaN
    float dr = static_cast<float>(20 * std::sqrt(static_cast<double>(A) / 3.14159265358979));
    dr = std::min(dr, 1e6f);  // no bar is a metre thick; keeps the conversion defined
    int d = static_cast<int>(std::nearbyint(dr));
    if (dr - static_cast<float>(d) > 1e-5f) d += 1;
    if (d % 2 != 0) d += 1;
    if (d < 8) d = 8;
    if (d < DiamPioli) d = DiamPioli;
    return d;
}

void Intersezione(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4, float& Xi,
                  float& Yi, int& codice, float& Xj, float& Yj) {
    Xj = -1;
    Yj = -1;
    IntersezioneLinee(X1, Y1, X2, Y2, X3, Y3, X4, Y4, Xi, Yi, codice, Xj, Yj);
}

void IntersezioneSegmenti(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                          float& Xi, float& Yi, int& codice, float& Xj, float& Yj) {
    Xj = -1;
    Yj = -1;
    bool su3 = PuntoSuRetta(X1, Y1, X2, Y2, X3, Y3);
    bool su4 = PuntoSuRetta(X1, Y1, X2, Y2, X4, Y4);
    if (su3 && su4) {
        codice = IntSovrapposte;
        return;
    }
    if (su3 && PuntoInternoSegmento(X3, Y3, X1, Y1, X2, Y2)) {
        Xi = X3, Yi = Y3, codice = IntEstremoSuSegmento;
        return;
    }
    if (su4 && PuntoInternoSegmento(X4, Y4, X1, Y1, X2, Y2)) {
        Xi = X4, Yi = Y4, codice = IntEstremoSuSegmento;
        return;
    }
    IntersezioneLinee(X1, Y1, X2, Y2, X3, Y3, X4, Y4, Xi, Yi, codice, Xj, Yj);
}

bool IncontroRette(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4, float& Xi,
                   float& Yi) {
    float x = Xi, y = Yi, xj = 0, yj = 0;
    int codice = IntParallele;
    Intersezione(X1, Y1, X2, Y2, X3, Y3, X4, Y4, x, y, codice, xj, yj);
    if (codice == IntParallele || codice == IntSovrapposte || codice == IntAllineateDisgiunte ||
        codice == IntQuasiParallele)
        return false;
    Xi = x;
    Yi = y;
    return true;
}

bool TraversoBarre(float Px, float Py, float Vx, float Vy, float Ax, float Ay, float Ux, float Uy, float& Xi,
                   float& Yi) {
    return IncontroRette(Px + 100 * Vx, Py + 100 * Vy, Px - 100 * Vx, Py - 100 * Vy, Ax + 100 * Ux, Ay + 100 * Uy,
                         Ax - 100 * Ux, Ay - 100 * Uy, Xi, Yi);
}

void Ingombro::Aggiungi(float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (Vuoto) {
        XMin = XMax = x;
        YMin = YMax = y;
        Vuoto = false;
        return;
    }
    XMin = std::min(XMin, x);
    XMax = std::max(XMax, x);
    YMin = std::min(YMin, y);
    YMax = std::max(YMax, y);
}

void Ingombro::AggiungiIntorno(float x, float y, float r) {
    r = std::fabs(r);
    Aggiungi(x - r, y - r);
    Aggiungi(x + r, y + r);
}

}  // namespace vilmor
