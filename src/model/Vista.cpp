#include "model/Vista.h"

#include <cmath>
#include <cstdlib>

#include "base/Piattaforma.h"

namespace vilmor {

namespace {

// Whole pixels, an exact half to the even neighbour.
int32_t PixelPari(float v) { return static_cast<int32_t>(std::nearbyint(v)); }

}  // namespace

void ZoomRettangolo() {
    if (!Piatt.Ctrl_Vid) return;
    const int larghezza = Piatt.Ctrl_Vid->Larghezza();
    const int altezza = Piatt.Ctrl_Vid->Altezza();
    RettangoloTrascina& r = Vista.RettTrascina;
    const int64_t w = std::llabs(static_cast<int64_t>(r.X1) - r.X0);
    const int64_t h = std::llabs(static_cast<int64_t>(r.Y1) - r.Y0);
    // A minimised picture or a flat rectangle has no proportion to match.
    if (larghezza <= 0 || altezza <= 0 || h == 0) return;

    const float rapporto = static_cast<float>(static_cast<double>(w) / static_cast<double>(h));
    const float a = static_cast<float>(static_cast<double>(larghezza) / altezza);
    if (rapporto > a) {
        const float alto = static_cast<float>(static_cast<double>(w) / a);
        const float sopra = static_cast<float>((static_cast<double>(r.Y0) + r.Y1 + alto) / 2);
        const float sotto = sopra - alto;
        r.Y1 = PixelPari(sopra);
        r.Y0 = PixelPari(sotto);
    } else if (rapporto < a) {
        const float largo = a * static_cast<float>(h);
        const float sinistra = static_cast<float>((static_cast<double>(r.X0) + r.X1 - largo) / 2);
        const float destra = largo + sinistra;
        r.X0 = PixelPari(sinistra);
        r.X1 = PixelPari(destra);
    }
}

}  // namespace vilmor
