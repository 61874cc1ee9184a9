#include "design/DirezioniZona.h"

#include <cmath>

#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"

namespace vilmor {

namespace {
Punto Ruota(double c, double s, float X, float Y) {
    return {static_cast<float>(X * c + Y * s), static_cast<float>(Y * c - X * s)};
}
}  // namespace

Punto RuotaDirArmatura(const DatiProgetto& pr, int dir, float X, float Y) {
    return dir == 0 ? Ruota(pr.CosDir1, pr.SinDir1, X, Y) : Ruota(pr.CosDir2, pr.SinDir2, X, Y);
}

Punto RuotaDirArmaturaInv(const DatiProgetto& pr, int dir, float X, float Y) {
    return dir == 0 ? Ruota(pr.CosInvDir1, pr.SinInvDir1, X, Y) : Ruota(pr.CosInvDir2, pr.SinInvDir2, X, Y);
}

void RuotaDirArmatura(int dir, float X, float Y, float& Xr, float& Yr) {
    Punto r = RuotaDirArmatura(M.Progetto, dir, X, Y);
    Xr = r.X;
    Yr = r.Y;
}

void RuotaDirArmaturaInv(int dir, float X, float Y, float& Xr, float& Yr) {
    Punto r = RuotaDirArmaturaInv(M.Progetto, dir, X, Y);
    Xr = r.X;
    Yr = r.Y;
}

int QuadranteSegmento(float X1, float Y1, float X2, float Y2) {
    float a = DirezioneGradi(X1, Y1, X2, Y2);
    if (a < 90) return 3;
    if (a < 180) return 2;
    if (a < 270) return 1;
    return 0;
}

void OrdinaZonaOraria(Zona& z) {
    float S = 0;
    for (int i = 0; i < 4; ++i) {
        const Punto& a = z.Angoli[i];
        const Punto& b = z.Angoli[(i + 1) % 4];
        S += (a.Y * b.X - b.Y * a.X) / 2;
    }
    if (S < 0) {
        Scambia(z.Angoli[1].X, z.Angoli[3].X);
        Scambia(z.Angoli[1].Y, z.Angoli[3].Y);
    }
}

void OrdinaZonaOraria() { OrdinaZonaOraria(Edit.ZonaCorrente); }

void RettangoloRuotato(const DatiProgetto& pr, int dir, float L1, float L2, float X0, float Y0, float& C1x,
                       float& C1y, float& C2x, float& C2y) {
    // The points that give the two side directions; a half-extent below 1 cm would leave no
    // direction to intersect, so those points stay at least 1 cm from the centre.
    double l1 = L1 >= 1 ? L1 : 1, l2 = L2 >= 1 ? L2 : 1;
    float P1x, P1y, P2x, P2y;
    if (dir == 0) {
        P1x = static_cast<float>(X0 + l1 * pr.CosDir1), P1y = static_cast<float>(Y0 + l1 * pr.SinDir1);
        P2x = static_cast<float>(X0 + l2 * pr.CosDir2), P2y = static_cast<float>(Y0 + l2 * pr.SinDir2);
    } else {
        P1x = static_cast<float>(X0 + l1 * pr.SinDir1), P1y = static_cast<float>(Y0 - l1 * pr.CosDir1);
        P2x = static_cast<float>(X0 + l2 * pr.SinDir2), P2y = static_cast<float>(Y0 - l2 * pr.CosDir2);
    }
    double seno = std::sin(static_cast<double>(pr.AngoloDir2));
    float d1 = static_cast<float>(ArrotondaPari(L1 * seno, 3));
    float d2 = static_cast<float>(ArrotondaPari(L2 * seno, 3));

    // One corner: the side across e1 moved by d1 meets the side across e2 moved by d2.
    auto angolo = [&](float a, float b, float& Cx, float& Cy) {
        float ax1, ay1, ax2, ay2, bx1, by1, bx2, by2;
        ParallelaSegmento(X0, Y0, P2x, P2y, ax1, ay1, ax2, ay2, a);
        ParallelaSegmento(X0, Y0, P1x, P1y, bx1, by1, bx2, by2, b);
        float xi = X0, yi = Y0;
        if (!IncontroRette(ax1, ay1, ax2, ay2, bx1, by1, bx2, by2, xi, yi)) {
            // Parallel bar directions: no meeting point, a degenerate figure at the centre.
            Cx = X0, Cy = Y0;
            return false;
        }
        Cx = static_cast<float>(ArrotondaPari(xi, 1));
        Cy = static_cast<float>(ArrotondaPari(yi, 1));
        return true;
    };
    float c1x, c1y, c2x, c2y;
    if (!angolo(d1, d2, c1x, c1y) || !angolo(-d1, -d2, c2x, c2y)) c1x = c2x = X0, c1y = c2y = Y0;
    C1x = c1x, C1y = c1y, C2x = c2x, C2y = c2y;
}

void RettangoloRuotato(int dir, float L1, float L2, float X0, float Y0, float& C1x, float& C1y, float& C2x,
                       float& C2y) {
    RettangoloRuotato(M.Progetto, dir, L1, L2, X0, Y0, C1x, C1y, C2x, C2y);
}

void AvvisoMagliaBase() {
    Avviso("La modifica dei diametri o passi della maglia di base attulmente non permette l'aggiornamento "
           "dei dati delle verifiche e della relazione. Può essere fatta allo scopo di ricercare "
           "un'armatura ottimale, che poi potrà essere riprogettata in ORTAVIS modificando i criteri di "
           "progetto.");
}

}  // namespace vilmor
