#include "drawing/RettArmatura.h"

#include <array>
#include <cmath>
#include <string>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "design/Ancoraggio.h"
#include "design/FigureZona.h"
#include "design/SelezioneZona.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

int Intero(double v) { return static_cast<int>(ArrotondaPari(v, 0)); }

// A figure of the zone written along side S-T, centred on it.
void TestoLato(SuperficieVideo& v, Punto S, Punto T, float valore) {
    if (valore <= 0.001f) return;
    const std::string testo = FormatNumVar(valore, 1);
    const float sx = XDaSchermo(S.X), sy = YDaSchermo(S.Y);
    const float tx = XDaSchermo(T.X), ty = YDaSchermo(T.Y);
    float gradi = 0, seno = 0, coseno = 0;
    AngoloSenCos(sx, sy, tx, ty, gradi, seno, coseno);
    constexpr double h = 18, w = 18 * 0.38;
    const double t = (w + Vista.Scala * 1.38) * static_cast<double>(testo.size());
    const double mx = (S.X + T.X) / 2.0, my = (S.Y + T.Y) / 2.0;
    const double x = mx - t / 2 * coseno - 1.05 * h * seno;
    const double y = my + t / 2 * seno - h * coseno;
    v.TestoRuotato(Intero(x), Intero(y), Intero(h), Intero(w), Intero(gradi), testo);
}

}  // namespace

void DisRettArmatura(const Modello& m, float X1, float Y1, float X2, float Y2, int colore) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    v->ColorePrimoPiano(ColorePalette(15));

    const float u1x = static_cast<float>(m.Progetto.CosDir1), u1y = static_cast<float>(-m.Progetto.SinDir1);
    const float u2x = static_cast<float>(m.Progetto.CosDir2), u2y = static_cast<float>(-m.Progetto.SinDir2);
    std::array<Punto, 4> A{Punto{X1, Y1}, Punto{}, Punto{X2, Y2}, Punto{}};
    float xj = 0, yj = 0;
    int codice = 0;
    Intersezione(A[0].X, A[0].Y, A[0].X + 100 * u1x, A[0].Y + 100 * u1y, A[2].X, A[2].Y, A[2].X + 100 * u2x,
                 A[2].Y + 100 * u2y, A[1].X, A[1].Y, codice, xj, yj);
    Intersezione(A[0].X, A[0].Y, A[0].X + 100 * u2x, A[0].Y + 100 * u2y, A[2].X, A[2].Y, A[2].X + 100 * u1x,
                 A[2].Y + 100 * u1y, A[3].X, A[3].Y, codice, xj, yj);
    if (codice <= 0) return;

    const Zona& z = Edit.ZonaCorrente;
    if (z.Tipo < 2) {
        // The bar length and the width the zone's dialog will show for this selection.
        Zona sel = z;
        ImpostaSelezioneDir(m.Progetto, sel, XDaSchermo(X1), YDaSchermo(Y1), XDaSchermo(X2), YDaSchermo(Y2));
        const FigureStriscia f = FigureDiStriscia(m.Progetto, sel);
        const float e = static_cast<float>(CalcAncoraggio(z.Diametro)) * Vista.Scala;
        std::array<Punto, 4> B = A;
        auto sposta = [](Punto p, float d, float ux, float uy) { return Punto{p.X + d * ux, p.Y + d * uy}; };
        if (z.Direzione == 0) {
            const float avanti = (A[1].X - A[0].X) * u1x + (A[1].Y - A[0].Y) * u1y;
            const float s = avanti > 0 ? e : -e;
            B[0] = sposta(A[0], -s, u1x, u1y);
            B[3] = sposta(A[3], -s, u1x, u1y);
            B[1] = sposta(A[1], s, u1x, u1y);
            B[2] = sposta(A[2], s, u1x, u1y);
        } else {
            const float avanti = (A[3].X - A[0].X) * u2x + (A[3].Y - A[0].Y) * u2y;
            const float s = avanti < 0 ? -e : e;
            B[0] = sposta(A[0], -s, u2x, u2y);
            B[1] = sposta(A[1], -s, u2x, u2y);
            B[3] = sposta(A[3], s, u2x, u2y);
            B[2] = sposta(A[2], s, u2x, u2y);
        }
        const int32_t rosso = ColorePalette(12);
        v->Linea(B[0].X, B[0].Y, B[1].X, B[1].Y, rosso, false);
        v->Linea(B[2].X, B[2].Y, B[3].X, B[3].Y, rosso, false);
        v->Linea(B[2].X, B[2].Y, B[1].X, B[1].Y, rosso, false);
        v->Linea(B[0].X, B[0].Y, B[3].X, B[3].Y, rosso, false);
        // Side 0-1 runs along direction 1, side 0-3 along direction 2.
        TestoLato(*v, B[0], B[1], z.Direzione == 0 ? f.L : f.W);
        TestoLato(*v, B[0], B[3], z.Direzione == 0 ? f.W : f.L);
    }

    const int32_t c = ColorePalette(colore);
    v->Linea(A[0].X, A[0].Y, A[1].X, A[1].Y, c, true);
    v->Linea(A[2].X, A[2].Y, A[3].X, A[3].Y, c, true);
    v->Linea(A[2].X, A[2].Y, A[1].X, A[1].Y, c, true);
    v->Linea(A[0].X, A[0].Y, A[3].X, A[3].Y, c, true);
}

void DisRettArmatura(float X1, float Y1, float X2, float Y2, int colore) { DisRettArmatura(M, X1, Y1, X2, Y2, colore); }

}  // namespace vilmor
