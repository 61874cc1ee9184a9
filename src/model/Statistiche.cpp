#include "model/Statistiche.h"

#include <algorithm>

#include "base/Geometria.h"

namespace vilmor {

float AreaStrato(int diametro, float passo) {
    if (!(passo > 0)) return 0;
    return static_cast<float>(static_cast<double>(AreaBarra(diametro)) * 100.0 / passo);
}

void CalcStatNodi(Modello& m) {
    ModelloAnalisi& a = m.Analisi;
    const int n = std::min(a.NumNodi, static_cast<int>(a.Nodi.size()));
    if (n <= 0) return;
    auto valori = [](const Nodo& x) {
        return std::array<float, 5>{x.RichSup1, x.RichSup2, x.RichInf1, x.RichInf2, x.RichTaglio1 + x.RichTaglio2};
    };
    auto primo = valori(a.Nodi[0]);
    for (size_t k = 0; k < 5; ++k) a.MaxRichiesta[k] = a.MinRichiesta[k] = primo[k];
    std::array<double, 4> somma{};
    for (int i = 0; i < n; ++i) {
        auto v = valori(a.Nodi[static_cast<size_t>(i)]);
        for (size_t k = 0; k < 5; ++k) {
            if (a.MaxRichiesta[k] < v[k]) a.MaxRichiesta[k] = v[k];
            if (a.MinRichiesta[k] > v[k]) a.MinRichiesta[k] = v[k];
        }
        for (size_t k = 0; k < 4; ++k) somma[k] += v[k];
    }
    for (size_t k = 0; k < 4; ++k) a.MediaRichiesta[k] = static_cast<float>(somma[k] / n);
}

void CalcAreeDiffuse(Modello& m) {
    MagliaDiffusa& d = m.Diffusa;
    d.AreaDiffSup1 = AreaStrato(d.DiamDiffSup1, d.PassoDiffSup1);
    d.AreaDiffInf1 = AreaStrato(d.DiamDiffInf1, d.PassoDiffInf1);
    d.AreaDiffSup2 = AreaStrato(d.DiamDiffSup2, d.PassoDiffSup2);
    d.AreaDiffInf2 = AreaStrato(d.DiamDiffInf2, d.PassoDiffInf2);
    if (d.PassoCavalletti1 > 0 && d.PassoCavalletti2 > 0 && d.DiamCavalletti != 0) {
        // Two legs per chair, 100/s1 x 100/s2 chairs per square metre; each factor a 4-byte real.
        float f1 = static_cast<float>(100.0 / d.PassoCavalletti1);
        float f2 = 2 * AreaBarra(d.DiamCavalletti);
        float f3 = static_cast<float>(100.0 / d.PassoCavalletti2);
        d.AreaCavalletti = static_cast<float>(static_cast<double>(f1) * f2 * f3);
    } else {
        d.AreaCavalletti = 0;
    }
}

}  // namespace vilmor
