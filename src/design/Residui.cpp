#include "design/Residui.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "base/Geometria.h"
#include "base/GrigliaPunti.h"
#include "design/PuntoInPoligono.h"

namespace vilmor {

namespace {

// What one zone adds: a along its bars (cm2/m), t to the shear (cm2/m2). A spacing or width
// that is not positive makes that term contribute nothing, never inf or NaN.
struct Apporto {
    bool HaA = false, HaT = false;
    float a = 0, t = 0;
};

Apporto ApportoZona(const Zona& z) {
    Apporto r;
    switch (z.Tipo) {
        case 2:
            if (z.Passo > 0 && z.Passo2 + z.Copriferro > 0) {
                r.HaT = true;
                r.t = AreaBarra(z.Diametro) * (static_cast<float>(z.NumBracci) * 100 / z.Passo) * 100 /
                      (z.Passo2 + z.Copriferro);
            }
            if (z.NumBracci > 1 && z.Passo2 > 0) {
                float s = z.Passo2 / static_cast<float>(z.NumBracci - 1);
                r.HaA = true;
                r.a = AreaBarra(z.Diametro2) * 100 / s;
            }
            break;
        case 3:
            if (z.Passo > 0 && z.Passo2 > 0) {
                r.HaT = true;
                r.t = AreaBarra(z.Diametro) * (100 / z.Passo) * (100 / z.Passo2);
            }
            break;
        default:
            if (z.Passo > 0) {
                r.HaA = true;
                r.a = AreaBarra(z.Diametro) * 100 / z.Passo;
            }
            break;
    }
    return r;
}

}  // namespace

void DetraiArmatureNodi(int Escludi, Modello& m) {
    auto& nodi = m.Analisi.Nodi;
    const int n = std::min(m.Analisi.NumNodi, static_cast<int>(nodi.size()));
    const auto& f = m.Diffusa;
    // The grid of the nodes serves as long as it was built over these very positions.
    GrigliaPunti& griglia = m.Analisi.GrigliaNodi;
    const bool misura = static_cast<int>(griglia.Posizioni.size()) == n;
    const Punto* posizioni = griglia.Posizioni.data();
    bool stesse = misura;
    for (int i = 0; i < n; ++i) {
        Nodo& q = nodi[i];
        q.ResSup1 = q.RichSup1 - f.AreaDiffSup1;
        q.ResSup2 = q.RichSup2 - f.AreaDiffSup2;
        q.ResInf1 = q.RichInf1 - f.AreaDiffInf1;
        q.ResInf2 = q.RichInf2 - f.AreaDiffInf2;
        if (misura)
            stesse &= std::bit_cast<uint32_t>(q.X) == std::bit_cast<uint32_t>(posizioni[i].X) &&
                      std::bit_cast<uint32_t>(q.Y) == std::bit_cast<uint32_t>(posizioni[i].Y);
    }
    for (int i = 0; i < n; ++i) {
        Nodo& q = nodi[i];
        q.ResTaglio = (q.RichTaglio2 + q.RichTaglio1) - f.AreaCavalletti;
    }
    if (!stesse) griglia.Costruisci(n, [&nodi](int i) { return Punto{nodi[i].X, nodi[i].Y}; });
    const int ultima = std::min(m.Zone.UltimaZona, static_cast<int>(m.Zone.Zone.size()) - 1);
    for (int k = 0; k <= ultima; ++k) {
        if (k == Escludi) continue;
        const Zona& z = m.Zone.Zone[k];
        const Apporto ap = ApportoZona(z);
        if (!ap.HaA && !ap.HaT) continue;
        float cos1 = 0, cos2 = 0;
        if (z.Tipo == 2) {
            const auto& p = m.Progetto;
            cos1 = static_cast<float>(std::cos(static_cast<double>(z.Angolo) - p.AngoloDir1));
            cos2 = static_cast<float>(std::cos(static_cast<double>(z.Angolo) - (p.AngoloDir1 + p.AngoloDir2)));
        }
        // Only nodes near the quadrilateral can lie in it: the point test counts points within
        // 0.01 cm of a side, so a box grown by 0.1 cm loses none. The grid gives the nodes of
        // that box, each node once, so every node takes its zones in their order.
        float xmin = z.Angoli[0].X, xmax = xmin, ymin = z.Angoli[0].Y, ymax = ymin;
        for (const auto& a : z.Angoli) {
            xmin = std::min(xmin, a.X), xmax = std::max(xmax, a.X);
            ymin = std::min(ymin, a.Y), ymax = std::max(ymax, a.Y);
        }
        xmin -= 0.1f, ymin -= 0.1f, xmax += 0.1f, ymax += 0.1f;
        const QuadrilateroPronto quadrilatero(z);
        griglia.PerOgniVicino(xmin, ymin, xmax, ymax, [&](int i) {
            Nodo& q = nodi[i];
            if (q.X < xmin || q.X > xmax || q.Y < ymin || q.Y > ymax) return;
            if (!quadrilatero.Contiene(q.X, q.Y)) return;
            switch (z.Tipo) {
                case 0:
                    if (!ap.HaA) break;
                    if (z.Direzione == 0) q.ResSup1 -= ap.a;
                    else q.ResSup2 -= ap.a;
                    break;
                case 1:
                    if (!ap.HaA) break;
                    if (z.Direzione == 0) q.ResInf1 -= ap.a;
                    else q.ResInf2 -= ap.a;
                    break;
                case 2:
                    if (ap.HaA) {
                        float a2 = std::fabs(ap.a * cos2), a1 = std::fabs(ap.a * cos1);
                        q.ResInf2 -= a2;
                        q.ResSup2 -= a2;
                        q.ResSup1 -= a1;
                        q.ResInf1 -= a1;
                    }
                    if (ap.HaT) q.ResTaglio -= ap.t;
                    break;
                case 3:
                    if (ap.HaT) q.ResTaglio -= ap.t;
                    break;
                default:
                    break;
            }
        });
    }
}

}  // namespace vilmor
