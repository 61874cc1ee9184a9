#include "base/LarghezzeFont.h"

#include <cmath>
#include <string>

#include "base/Testo1252.h"

namespace vilmor {

double LarghezzaTesto(std::string_view utf8, double altezza) {
    long unita = 0;
    for (const char c : AWindows1252(utf8)) unita += FontTesti.Avanzamenti[static_cast<unsigned char>(c)];
    return static_cast<double>(unita) * std::fabs(altezza) / FontTesti.AltezzaMaiuscole;
}

std::array<Punto, 4> RiquadroTesto(float x, float y, std::string_view utf8, float altezza, float angolo, int oriz,
                                   int vert) {
    const double h = std::fabs(altezza), w = LarghezzaTesto(utf8, h);
    const double x0 = oriz == 1 ? -w / 2 : oriz == 2 ? -w : 0;
    // Baseline: descenders below the point; bottom: the descenders' foot on it, the capitals
    // above; middle and top as their names say.
    double y0 = -0.25 * h, y1 = h;
    if (vert == 1) y0 = 0, y1 = 1.25 * h;
    else if (vert == 2) y0 = -0.6 * h, y1 = 0.6 * h;
    else if (vert == 3) y0 = -1.25 * h, y1 = 0;
    const double a = static_cast<double>(angolo) * 3.14159265358979323846 / 180;
    const double co = std::cos(a), se = std::sin(a);
    std::array<Punto, 4> r;
    int i = 0;
    for (const double u : {x0, x0 + w})
        for (const double v : {y0, y1})
            r[static_cast<size_t>(i++)] = {static_cast<float>(x + u * co - v * se),
                                           static_cast<float>(y + u * se + v * co)};
    return r;
}

}  // namespace vilmor
