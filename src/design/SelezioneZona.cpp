#include "design/SelezioneZona.h"

#include <cmath>

#include "base/Geometria.h"
#include "design/DirezioniZona.h"

namespace vilmor {

void LimitiSelezione(Zona& z) {
    z.XMin = z.XMax = z.Angoli[0].X;
    z.YMin = z.YMax = z.Angoli[0].Y;
    for (int k = 1; k < 4; ++k) {
        const Punto& p = z.Angoli[static_cast<size_t>(k)];
        if (z.XMin > p.X) z.XMin = p.X;
        if (z.XMax < p.X) z.XMax = p.X;
        if (z.YMin > p.Y) z.YMin = p.Y;
        if (z.YMax < p.Y) z.YMax = p.Y;
    }
}

void LimitiSelezione() { LimitiSelezione(Edit.ZonaCorrente); }

namespace {

// Where the line through A along (ca, sa) meets the line through B along (cb, sb). Parallel
// (or within half a degree of parallel) directions have no meeting point: A stands for it, and
// the quadrilateral is left without area.
Punto Incontro(float Ax, float Ay, double ca, double sa, float Bx, float By, double cb, double sb) {
    Punto p{Ax, Ay};
    IncontroRette(Ax, Ay, static_cast<float>(Ax + 100 * ca), static_cast<float>(Ay + 100 * sa), Bx, By,
                  static_cast<float>(Bx + 100 * cb), static_cast<float>(By + 100 * sb), p.X, p.Y);
    return p;
}

Punto Arrotonda(Punto p) { return {std::nearbyint(p.X), std::nearbyint(p.Y)}; }

}  // namespace

void ImpostaSelezioneDir(const DatiProgetto& pr, Zona& z, float x1, float y1, float x2, float y2, bool interi) {
    Punto P0{x1, y1}, P2{x2, y2};
    Punto P1 = Incontro(x1, y1, pr.CosDir1, pr.SinDir1, x2, y2, pr.CosDir2, pr.SinDir2);
    Punto P3 = Incontro(x1, y1, pr.CosDir2, pr.SinDir2, x2, y2, pr.CosDir1, pr.SinDir1);
    switch (QuadranteSegmento(x1, y1, x2, y2)) {
        case 0: z.Angoli = {P0, P1, P2, P3}; break;
        case 1: z.Angoli = {P1, P0, P3, P2}; break;
        case 2: z.Angoli = {P2, P3, P0, P1}; break;
        default: z.Angoli = {P3, P2, P1, P0}; break;
    }
    if (interi)
        for (Punto& p : z.Angoli) p = Arrotonda(p);
    LimitiSelezione(z);
}

void ImpostaSelezioneDir(float x1, float y1, float x2, float y2) {
    ImpostaSelezioneDir(M.Progetto, Edit.ZonaCorrente, x1, y1, x2, y2);
}

}  // namespace vilmor
