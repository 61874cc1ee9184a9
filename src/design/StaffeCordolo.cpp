#include "design/StaffeCordolo.h"

#include <cmath>

#include "base/Geometria.h"

namespace vilmor {

float LunghezzaCordolo(const ZoneArmatura& za, int z) {
    if (z < 0 || z >= static_cast<int>(za.Zone.size()) || z >= static_cast<int>(za.VerticiZone.size())) return 0;
    const Zona& zona = za.Zone[static_cast<size_t>(z)];
    const std::vector<Punto>& V = za.VerticiZone[static_cast<size_t>(z)];
    if (zona.UltVertice < 3 || V.size() < 4) return 0;
    return Distanza(V[0].X, V[0].Y, V[3].X, V[3].Y);
}

int PosizioniStaffe(const ZoneArmatura& za, int z) {
    if (z < 0 || z >= static_cast<int>(za.Zone.size())) return 0;
    const float passo = za.Zone[static_cast<size_t>(z)].Passo;
    const float L = LunghezzaCordolo(za, z);
    if (!(passo > 0) || !(L > 0)) return 0;
    const double n = std::floor(static_cast<double>(L / passo));  // the quotient of two 4-byte reals
    if (!(n <= 5.0e8)) return 0;  // no real curb; the doubled count still fits
    return n < 1 ? 1 : static_cast<int>(n);
}

}  // namespace vilmor
