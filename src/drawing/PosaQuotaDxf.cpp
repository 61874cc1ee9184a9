#include "drawing/PosaQuotaDxf.h"

#include <cmath>
#include <utility>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "drawing/PrimitiveDisegno.h"
#include "model/Impostazioni.h"

namespace vilmor {

bool PosaQuota(const EntitaQuota& q, PosaQuotaDxf& p) {
    if (q.Divisore <= 0) return false;
    for (float v : {q.X1, q.Y1, q.X2, q.Y2, q.XP1, q.YP1, q.XP2, q.YP2, q.AltezzaTesto, q.Fattore})
        if (!std::isfinite(v)) return false;

    // The measure: `unita` units of 1 / `scala`, halves to even.
    const int decimali = q.Decimali < 0 ? 0 : q.Decimali > 8 ? 8 : q.Decimali;
    const double scala = std::pow(10.0, decimali);
    const double lunghezza = static_cast<double>(Distanza(q.X1, q.Y1, q.X2, q.Y2)) / q.Divisore;
    const double unita = std::nearbyint(lunghezza * scala);
    const float valore = static_cast<float>(unita / scala);
    if (!(valore >= 0.0001f) || !std::isfinite(unita)) return false;
    p.Valore = valore;

    p.Frecce = q.Tipo < 1;
    p.X0 = DxfX(q.X1), p.Y0 = DxfY(q.Y1), p.X1 = DxfX(q.X2), p.Y1 = DxfY(q.Y2);
    p.XP0 = DxfX(q.XP1), p.YP0 = DxfY(q.YP1), p.XP1 = DxfX(q.XP2), p.YP1 = DxfY(q.YP2);
    bool scambia;
    if (std::fabs(p.X1 - p.X0) > 0.001f) {
        scambia = p.X0 > p.X1;
        if (scambia) std::swap(p.X0, p.X1), std::swap(p.Y0, p.Y1);
        p.Angolo = static_cast<float>(std::atan(static_cast<double>(p.Y1 - p.Y0) / (p.X1 - p.X0)));
    } else {
        p.Angolo = 1.5707964f;
        scambia = p.Y0 > p.Y1;
        if (scambia) std::swap(p.X0, p.X1), std::swap(p.Y0, p.Y1);
    }
    if (scambia) std::swap(p.XP0, p.XP1), std::swap(p.YP0, p.YP1);

    // With arrows, decimals only when their figure is not zero, so 250.04 reads "250" and 250.9
    // "250.9": the test is made on the rounded units, where a single-precision fraction of 0.9
    // would fall short. Without arrows the whole centimetres of the length itself, halves to
    // even as the plan labels its bars: rounding the rounded measure again would make 250.46
    // read 251.
    if (!p.Frecce) {
        p.Testo = FormatNum(static_cast<float>(std::nearbyint(lunghezza)), 0);
    } else {
        const double resto = unita - std::floor(unita / scala) * scala;
        p.Testo = resto * 10 >= scala && resto * 10 <= 9 * scala ? FormatNum(valore, decimali) : FormatNum(valore, 0);
    }

    const float xm = (p.X0 + p.X1) / 2, ym = (p.Y0 + p.Y1) / 2;
    p.XT = xm, p.YT = ym;
    if (p.Frecce) {
        const float k = Imp.UnitaPerCm;
        const float seno = static_cast<float>(std::sin(p.Angolo)), coseno = static_cast<float>(std::cos(p.Angolo));
        const float linea = Imp.FattoreDxf * valore * static_cast<float>(q.Divisore);
        const float scostamento = linea < q.AltezzaTesto * static_cast<float>(p.Testo.size()) ? 18 * k : 4 * k;
        p.XT = xm - scostamento * seno, p.YT = ym + scostamento * coseno;
    }
    return true;
}

}  // namespace vilmor
