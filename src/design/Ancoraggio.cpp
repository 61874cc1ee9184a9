#include "design/Ancoraggio.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/Impostazioni.h"

namespace vilmor {

int CalcAncoraggio(int d, const Acciaio& acciaio, const Calcestruzzo& cls, int AncMin, int AncMax) {
    if (d <= 0) return 0;
    // Every intermediate is a 4-byte real: the lengths in the drawings and files depend on it.
    float fyd = static_cast<float>(acciaio.Fyk / 1.15);
    float eta = d < 32 ? 1.0f : static_cast<float>((132 - d) / 100.0);
    float fctk = static_cast<float>(0.7 * cls.Fctm);
    const double k = 2.25 * static_cast<double>(0.7f);  // 2.25 x 0.7 as the 4-byte product gives it
    float fbd = static_cast<float>(k * eta * fctk / 1.5);

    // Without a positive bond stress the basic length has no bound of its own.
    float lb = std::numeric_limits<float>::infinity();
    if (fbd > 0) {
        float q = static_cast<float>(d * static_cast<double>(fyd) / (40.0 * fbd));
        if (std::isfinite(q)) lb = std::nearbyint(q);
    }
    float m = static_cast<float>(static_cast<double>(static_cast<int64_t>(d) * AncMin) / 10);
    if (m > lb) lb = std::nearbyint(m);
    float mx = static_cast<float>(static_cast<double>(static_cast<int64_t>(d) * AncMax) / 10);
    if (mx < lb) lb = std::nearbyint(mx);

    if (!(lb > 0)) return 0;  // also a NaN from unset materials
    if (lb > 1e9f) return 1000000000;
    return static_cast<int>(lb);
}

int CalcAncoraggio(int d) {
    return CalcAncoraggio(d, Mat.AcciaioCorrente, Mat.ClsCorrente, Imp.AncoraggioMin, Imp.AncoraggioMax);
}

}  // namespace vilmor
