#include "design/PassoFerri.h"

#include <cmath>

#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {

float PassoFerri(int d, float richiesta, float PassMax) {
    // No demand (or a NaN), or no bar to provide it.
    if (!(richiesta > 0) || d <= 0) return PassMax;
    // Spacing at which bars of diameter d provide exactly the requirement (kept in 4 bytes).
    float A = static_cast<float>(100.0 * AreaBarra(d) / richiesta);
    float p;
    if (A < 10) p = ArrotondaGiuMezzo(A);
    else if (A > 10 && A < 15) p = std::floor(A);
    else if (A > 15 && A < 100) p = 10 * ArrotondaGiuMezzo(A / 10);
    else if (A > 100) p = 100;
    else p = A;
    // A zero spacing would stall the bar layout: half a centimetre is the finest step.
    return p < 0.5f ? 0.5f : p;
}

float PassoFerri(int d, float richiesta) { return PassoFerri(d, richiesta, Imp.PassoMaxIntegrativa); }

float PassoPioli(int d, float richiesta, float PassMax) {
    // No bar area to divide by, or no demand to take the root of.
    if (d <= 0 || !(richiesta >= 0)) return PassMax;
    // Studs per metre in each direction of the grid.
    float s = static_cast<float>(std::sqrt(static_cast<double>(richiesta) / AreaBarra(d)));
    float p;
    if (s <= 0.01f) {
        p = PassMax;
    } else {
        p = static_cast<float>(100.0 / s);
        float intera = std::floor(p);
        float f = p - intera;
        // A spacing that is whole (or just above) would give exactly the requirement: one less.
        p = f > 0.001f ? intera : intera - 1;
    }
    if (p > PassMax) p = PassMax;
    if (p < 1) p = 1;
    return p;
}

float PassoPioli(int d, float richiesta) { return PassoPioli(d, richiesta, Imp.PassoMaxPioli); }

}  // namespace vilmor
