#include "design/FerriSezione.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "base/Geometria.h"
#include "design/Ancoraggio.h"
#include "model/Impostazioni.h"

namespace vilmor {

namespace {

// Longest run (cm) that is divided into bars: beyond it a 4-byte remainder no longer moves by
// one bar's length.
constexpr float RunMassimo = 1.0e7f;

// A length as the drawing writes it: whole centimetres, halves to even.
int Arrotonda(float d) {
    double n = std::nearbyint(static_cast<double>(d));
    if (!(n < static_cast<double>(INT_MAX))) return n > 0 ? INT_MAX : 0;
    return static_cast<int>(n);
}

// A sum of lengths as the int fields hold it: beyond their range it stays at the largest.
int Saturato(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 0, INT_MAX)); }

// Collects the segments of the bar being built; with no output it only adds up. Lengths are
// summed in 64 bits: two hooks of a huge height must not wrap the bar's length round.
class Costruttore {
public:
    explicit Costruttore(FerriSezione* out) : out_(out) {}

    void Segmento(float X1, float Y1, float X2, float Y2, int sopra, GenereSegmento g) {
        int n = Arrotonda(Distanza(X1, Y1, X2, Y2));
        B_ += n;
        if (out_) corrente_.Segmenti.push_back({X1, Y1, X2, Y2, n, sopra, g});
    }

    void Chiudi(FormaBarra forma, float xs, float xe, float y, float yEtichetta) {
        totale_ += B_;
        if (out_) {
            corrente_.Forma = forma;
            corrente_.XS = xs;
            corrente_.XE = xe;
            corrente_.Y = y;
            corrente_.YEtichetta = yEtichetta;
            corrente_.Lunghezza = Saturato(B_);
            out_->Barre.push_back(std::move(corrente_));
            corrente_ = BarraSezione{};
        }
        B_ = 0;
    }

    int Totale() const { return Saturato(totale_); }

private:
    FerriSezione* out_;
    BarraSezione corrente_;
    int64_t B_ = 0;
    int64_t totale_ = 0;
};

// A hook at the bar end (x, y); G is signed (downwards for the upper face).
void Gancio(Costruttore& c, const ParametriFerriSez& p, float x, float y, float G, bool inizio) {
    const int sopra = inizio ? 1 : 0;
    if (!p.MagliaUnica) {
        c.Segmento(x, y, x, y + G, sopra, GenereSegmento::Gancio);
    } else if (p.PiegaAncoraggio) {
        // A short rise, then the return along the bar, always towards its inside.
        const float g = std::fabs(G);
        c.Segmento(x, y, x, y + 5, sopra, GenereSegmento::Gancio);
        const float xr = inizio ? x + g / 2 - 5 : x - g / 2 + 5;
        c.Segmento(x, y + 5, xr, y + 5, 1, GenereSegmento::Gancio);
    }
}

int Percorri(const ParametriFerriSez& p, int Pos, int Tipo, float Y, float X1, float X2, int Diametro,
             int GancioIniz, int GancioFine, FerriSezione* out, bool* saltato) {
    if (saltato) *saltato = false;
    const float campata = X2 - X1;
    if (!(campata >= 0.9f)) return 0;

    const int A = CalcAncoraggio(Diametro, Mat.AcciaioCorrente, Mat.ClsCorrente, p.AncoraggioMin, p.AncoraggioMax);
    float G;
    if (p.MagliaUnica) {
        G = static_cast<float>(A);
    } else {
        // The height left between the two diffuse meshes.
        G = p.Spessore - 2 * p.Copriferro - (static_cast<float>(p.DiamDiffInf1) + static_cast<float>(p.DiamDiffSup1)) / 10;
        if (Pos > 0 && G > static_cast<float>(A)) G = static_cast<float>(A);
    }
    const float S = SovrapposizioneFerri(p, Diametro);
    const float HA = GancioIniz ? G : 0;
    const float HB = GancioFine ? G : 0;
    const float L = campata + HA + HB;
    if (Tipo == 0) G = -G;
    const float k = p.Scala50Corrente ? 1.0f : 2.0f;
    const float LMax = p.LungMaxFerri;

    Costruttore c(out);
    if (LMax - HA - HB > L) {
        if (GancioIniz) Gancio(c, p, X1, Y, G, true);
        c.Segmento(X1, Y, X2, Y, 0, GenereSegmento::Barra);
        if (GancioFine) Gancio(c, p, X2, Y, G, false);
        c.Chiudi(FormaBarra::Unica, X1, X2, Y, Y + 1.5f);
        return c.Totale();
    }

    // Each bar must advance the run past its lap, and the bar after a shortened one (at most
    // 40 cm of remainder plus 40 cm taken back plus the lap) must still be deliverable.
    if (!(S < LMax - HA && S + 80 <= LMax && L <= RunMassimo)) {
        if (saltato) *saltato = true;
        if (out) {
            out->Saltato = true;
            out->Motivo = L <= RunMassimo ? "sovrapposizione troppo lunga per la lunghezza massima delle barre"
                                          : "tratto troppo lungo";
        }
        return 0;
    }

    auto quota = [&](int b) { return b % 2 == 0 ? Y : Y - 20 * k; };
    int b = 0;
    float xs = X1;
    float R = L;
    do {
        float yb = quota(b);
        const float Mx = b == 0 ? LMax - HA : LMax;
        const float r = R - Mx;
        if (r > 40) {
            const float xe = std::min(xs + Mx, X2);
            if (b == 0 && GancioIniz) Gancio(c, p, xs, yb, G, true);
            c.Segmento(xs, yb, xe, yb, 0, GenereSegmento::Barra);
            R = R - Mx + S;
            c.Chiudi(FormaBarra::Intera, xs, xe, yb, yb + 1.5f);
            xs = xe - S;
            ++b;
            continue;
        }
        if (r > 0) {
            // Ended 40 cm early so that the last bar is not a stub; the last one starts a lap back.
            const float xe = xs + Mx - 40;
            c.Segmento(xs, yb, xe, yb, 0, GenereSegmento::Barra);
            if (b == 0 && GancioIniz) Gancio(c, p, xs, yb, G, true);
            c.Chiudi(FormaBarra::Accorciata, xs, xe, yb, yb + 2.0f);
            xs = xe - S;
            ++b;
            yb = quota(b);
        } else if (b == 0 && GancioIniz) {
            Gancio(c, p, xs, yb, G, true);
        }
        c.Segmento(xs, yb, X2, yb, 0, GenereSegmento::Barra);
        if (GancioFine) Gancio(c, p, X2, yb, G, false);
        R = 0;
        c.Chiudi(FormaBarra::Ultima, xs, X2, yb, yb + 1.5f);
    } while (R > 0);
    return c.Totale();
}

}  // namespace

ParametriFerriSez ParametriFerriSezione(const Modello& m) {
    ParametriFerriSez p;
    p.MagliaUnica = m.Progetto.MagliaUnica;
    p.PiegaAncoraggio = m.Progetto.PiegaAncoraggio;
    p.Spessore = m.Progetto.Spessore;
    p.Copriferro = m.Progetto.Copriferro;
    p.DiamDiffSup1 = m.Diffusa.DiamDiffSup1;
    p.DiamDiffInf1 = m.Diffusa.DiamDiffInf1;
    p.LungMaxFerri = Imp.LungMaxFerri;
    p.AncoraggioMin = Imp.AncoraggioMin;
    p.AncoraggioMax = Imp.AncoraggioMax;
    p.Scala50Corrente = Vista.Scala50Corrente;
    return p;
}

float SovrapposizioneFerri(const ParametriFerriSez& p, int Diametro) {
    const int A = CalcAncoraggio(Diametro, Mat.AcciaioCorrente, Mat.ClsCorrente, p.AncoraggioMin, p.AncoraggioMax);
    float S = 2.0f * static_cast<float>(A);
    const float basso = static_cast<float>(Diametro) * static_cast<float>(p.AncoraggioMin) / 10;
    const float alto = static_cast<float>(Diametro) * static_cast<float>(p.AncoraggioMax) / 10;
    if (S < basso) S = basso;
    if (S > alto) S = alto;
    return S;
}

FerriSezione DividiFerriSez(const ParametriFerriSez& p, int Pos, int Tipo, float Y, float X1, float X2, int Diametro,
                            int GancioIniz, int GancioFine) {
    FerriSezione f;
    f.Totale = Percorri(p, Pos, Tipo, Y, X1, X2, Diametro, GancioIniz, GancioFine, &f, nullptr);
    return f;
}

int MisuraFerriSez(const ParametriFerriSez& p, int Pos, int Tipo, float X1, float X2, int Diametro, int GancioIniz,
                   int GancioFine, bool* saltato) {
    return Percorri(p, Pos, Tipo, 0, X1, X2, Diametro, GancioIniz, GancioFine, nullptr, saltato);
}

}  // namespace vilmor
