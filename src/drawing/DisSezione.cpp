#include "drawing/DisSezione.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "base/Primitive.h"
#include "design/Ancoraggio.h"
#include "drawing/PrimitiveDisegno.h"

namespace vilmor {

namespace {

constexpr int LayerTitoli = 12;
constexpr int LayerFerri = 10;
constexpr int LayerCalcestruzzo = 23;

void Linea(float X1, float Y1, float X2, float Y2, int layer, int uscita) { DisLinea(X1, Y1, X2, Y2, layer, 0, uscita); }

// The chairs of one piece from xa to xb between the bar heights yU and yL: the first one spacing
// in, always; the others while they stand within the piece. Direction 1 draws each as two legs
// 10 cm apart, direction 2 as one.
void Cavalletti(float xa, float xb, float yU, float yL, float passo, bool dueGambe, int uscita) {
    float p = xa + passo;
    while (true) {
        if (dueGambe) {
            Linea(p - 5, yU, p - 5, yL, LayerFerri, uscita);
            Linea(p + 5, yU, p + 5, yL, LayerFerri, uscita);
        } else {
            Linea(p, yU, p, yL, LayerFerri, uscita);
        }
        const float q = p + passo;
        if (!(q > p) || !(q <= xb)) break;  // a spacing lost in the coordinate's precision ends it too
        p = q;
    }
}

}  // namespace

void DisSezione(const Modello& m, int s, const std::vector<Punto>& Punti, int n, float Xs, float Y, int uscita) {
    const SezioniQuote& sq = m.SezQuote;
    if (s < 0 || s > sq.UltimaSezione || s >= static_cast<int>(sq.Sezioni.size())) return;
    n = std::min(n, static_cast<int>(Punti.size()) - 1);
    if (n < 0) return;
    const int direzione = sq.Sezioni[static_cast<size_t>(s)].Direzione;
    const int scala = Vista.Scala50Corrente;
    const float k = scala != 0 ? 1.0f : 2.0f;
    const float c = m.Progetto.Copriferro;
    const float Ybot = Y - m.Progetto.Spessore;
    auto x = [&](int i) { return Xs + Punti[static_cast<size_t>(i)].X; };

    const std::string numero = " " + std::to_string(s + 1);
    DisTesto(x(0), Y + 90 * k, "Sezione " + numero + " -" + numero, 1, LayerTitoli, 0, 2, 0, uscita);

    // Overall dimension only when an opening splits the section; the chain below it then.
    float t = Y + 55 * k;
    if (n > 1) {
        DisQuotaLin(x(0), t, x(n), t, x(0), t, x(n), t, scala, uscita);
        t = Y + 35 * k;
    }
    for (int i = 0; i < n; ++i) DisQuotaLin(x(i), t, x(i + 1), t, x(i), t, x(i + 1), t, scala, uscita);

    // Direction 2 lies in the outer layer of each mesh, direction 1 in the inner one.
    const float yU = direzione != 0 ? Y - c - 0.4f : Y - c - 1.4f;
    const float yL = direzione != 0 ? Ybot + c + 0.4f : Ybot + c + 1.4f;
    const MagliaDiffusa& d = m.Diffusa;
    const bool cavalletti = d.PassoCavalletti1 > 0 && d.PassoCavalletti2 > 0 && d.DiamCavalletti != 0;
    for (int i = 0; i + 1 <= n; i += 2) {
        const float xa = x(i), xb = x(i + 1);
        Linea(xa, Y, xb, Y, LayerCalcestruzzo, uscita);
        Linea(xa, Ybot, xb, Ybot, LayerCalcestruzzo, uscita);
        Linea(xa, Y, xa, Ybot, LayerCalcestruzzo, uscita);
        Linea(xb, Y, xb, Ybot, LayerCalcestruzzo, uscita);
        if (m.Progetto.MagliaUnica) {
            const float ym = (Y + Ybot) / 2 + (direzione != 0 ? -0.8f : 0.8f);
            Linea(xa + c, ym, xb - c, ym, LayerFerri, uscita);
            if (m.Progetto.PiegaAncoraggio) {
                const float A = static_cast<float>(CalcAncoraggio(d.DiamDiffInf2));
                Linea(xa + c, ym, xa + c, ym + 5, LayerFerri, uscita);
                Linea(xa + c, ym + 5, xa + c + A / 2 - 5, ym + 5, LayerFerri, uscita);
                Linea(xb - c, ym, xb - c, ym + 5, LayerFerri, uscita);
                Linea(xb - c, ym + 5, xb - c - A / 2 + 5, ym + 5, LayerFerri, uscita);
            }
            continue;
        }
        Linea(xa + c, yU, xb - c, yU, LayerFerri, uscita);
        Linea(xa + c, yL, xb - c, yL, LayerFerri, uscita);
        Linea(xa + c, yU, xa + c, yL, LayerFerri, uscita);
        Linea(xb - c, yU, xb - c, yL, LayerFerri, uscita);
        if (cavalletti) {
            if (direzione == 0) Cavalletti(xa, xb, yU, yL, d.PassoCavalletti1, true, uscita);
            else Cavalletti(xa, xb, yU, yL, d.PassoCavalletti2, false, uscita);
        }
    }

    const float xq = x(0) - 30;
    DisQuotaLin(xq, Y, xq, Ybot, xq, Y, xq, Ybot, scala, uscita);
}

void DisSezione(int s, const std::vector<Punto>& Punti, int n, float Xs, float Y, int uscita) {
    DisSezione(M, s, Punti, n, Xs, Y, uscita);
}

}  // namespace vilmor
