#include "design/AreeCordolo.h"

#include <algorithm>
#include <cmath>

#include "base/Geometria.h"

namespace vilmor {

AreeCordolo CalcolaAreeCordolo(const DatiProgetto& pr, const Zona& z) {
    AreeCordolo a;
    a.Bracci = std::max(z.NumBracci, 2);
    const float bracci = static_cast<float>(a.Bracci);
    // A spacing or strip of no size (from a file) gives no area, never inf or NaN.
    if (z.Passo > 0 && z.Passo2 + z.Copriferro > 0)
        a.Staffe = AreaBarra(z.Diametro) * (100 / z.Passo) * bracci * 100 / (z.Passo2 + z.Copriferro);
    const float passoCorrenti = 2 * z.Copriferro / bracci + z.Passo2;
    if (passoCorrenti > 0 && std::isfinite(passoCorrenti)) {
        const float Ac = AreaBarra(z.Diametro2) * 100 / passoCorrenti;
        a.Ferri = Ac;
        a.Dir1 = std::fabs(Ac * static_cast<float>(std::cos(static_cast<double>(z.Angolo - pr.AngoloDir1))));
        a.Dir2 = std::fabs(
            Ac * static_cast<float>(std::cos(static_cast<double>(z.Angolo - (pr.AngoloDir2 + pr.AngoloDir1)))));
    }
    return a;
}

}  // namespace vilmor
