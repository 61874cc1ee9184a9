#include "design/FigureZona.h"

#include <cmath>

#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "design/Ancoraggio.h"

namespace vilmor {

float ArrotondaLarghezza(float W, float passo) {
    const double w = W, p = passo;
    if (!std::isfinite(w) || !(p > 0) || !std::isfinite(p)) return W;
    // The whole spacings in the real width (not in widths and spacings first rounded to whole
    // centimetres, which for a spacing of 12.4 counts more spacings than the width holds).
    const double n = std::floor(w / p + 1e-4);
    const double r = w - n * p;
    if (std::fabs(r) <= 0.01 || std::fabs(r - 1) <= 0.01) return W;
    if (r > p / 4) return static_cast<float>((n + 1) * p);
    return static_cast<float>(n * p + 1);
}

FigureStriscia FigureDiStriscia(const DatiProgetto& pr, const Zona& z) {
    FigureStriscia f;
    f.Ancoraggio = CalcAncoraggio(z.Diametro);
    const Punto& a0 = z.Angoli[0];
    const float lato01 = Distanza(a0.X, a0.Y, z.Angoli[1].X, z.Angoli[1].Y);
    const float lato03 = Distanza(a0.X, a0.Y, z.Angoli[3].X, z.Angoli[3].Y);
    const bool lungoDir1 = z.Direzione == 0;
    const float lungo = lungoDir1 ? lato01 : lato03, traverso = lungoDir1 ? lato03 : lato01;
    // The side plus both anchorages, rounded down to a multiple of 5 cm.
    f.L = 10 * ArrotondaGiuMezzo((2 * static_cast<float>(f.Ancoraggio) + lungo) / 10);
    const float W = static_cast<float>(traverso * std::sin(static_cast<double>(pr.AngoloDir2)));
    f.W = ArrotondaLarghezza(W, z.Passo >= 1 ? z.Passo : 1);
    return f;
}

}  // namespace vilmor
