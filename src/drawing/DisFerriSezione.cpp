#include "drawing/DisFerriSezione.h"

#include <string>

#include "base/NumeriAngoli.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "design/FerriSezione.h"
#include "drawing/PrimitiveDisegno.h"

namespace vilmor {

namespace {

constexpr int LayerFerri = 10;
constexpr int LayerTestoFerri = 19;
constexpr int LayerQuoteStaffe = 1;

// "1Ød/p L=n": a full bar with a blank before the diameter and the length, a shortened or last
// one before the length only, a single bar with none.
std::string EtichettaBarra(const BarraSezione& b, int Pos, int Diametro, float Passo) {
    const bool spazioDiametro = b.Forma == FormaBarra::Intera;
    const bool spazioLunghezza = b.Forma != FormaBarra::Unica;
    std::string t = std::string("1") + SegnoDiametro + (spazioDiametro ? " " : "") + std::to_string(Diametro) + "/" +
                    FormatoNumero(Passo) + " L=" + (spazioLunghezza ? " " : "") + std::to_string(b.Lunghezza);
    if (Pos > 0) t += " (" + std::to_string(Pos) + ")";
    return t;
}

}  // namespace

int DisFerriSez(const Modello& m, int Pos, int Tipo, float Y, float X1, float X2, int Diametro, float Passo,
                int GancioIniz, int GancioFine, int uscita) {
    const ParametriFerriSez p = ParametriFerriSezione(m);
    if (uscita == -1) return MisuraFerriSez(p, Pos, Tipo, X1, X2, Diametro, GancioIniz, GancioFine);
    // The very bars the totals count: a run the measure leaves at 0 draws nothing.
    const FerriSezione f = DividiFerriSez(p, Pos, Tipo, Y, X1, X2, Diametro, GancioIniz, GancioFine);
    for (const BarraSezione& b : f.Barre) {
        for (const SegmentoFerro& s : b.Segmenti)
            DisQuotaFerri(s.X1, s.Y1, s.X2, s.Y2, s.Sopra, LayerFerri, LayerTestoFerri, uscita);
        DisTesto((b.XS + b.XE) / 2, b.YEtichetta, EtichettaBarra(b, Pos, Diametro, Passo), 0, LayerTestoFerri, 1, 0, 0,
                 uscita);
    }
    return 0;
}

int DisFerriSez(int Pos, int Tipo, float Y, float X1, float X2, int Diametro, float Passo, int GancioIniz,
                int GancioFine, int uscita) {
    return DisFerriSez(M, Pos, Tipo, Y, X1, X2, Diametro, Passo, GancioIniz, GancioFine, uscita);
}

void DisStaffeSez(const Modello& m, int Pos, float Y, float XA, float XB, int Diametro, float Passo,
                  float Larghezza, int NumBracci, int uscita) {
    // The link's height is what the two diffuse meshes leave inside the cover.
    const float H = m.Progetto.Spessore - 2 * m.Progetto.Copriferro -
                    (static_cast<float>(m.Diffusa.DiamDiffSup1) + static_cast<float>(m.Diffusa.DiamDiffInf1)) / 10;
    const float x0 = (XA + XB) / 2 - Larghezza / 2;
    const float h = static_cast<float>(Diametro) / 1.41f;

    // One link from xa to xb with its top at yl; the result is half its developed length (the
    // bottom, one leg and one hook).
    auto staffa = [&](float xa, float xb, float yl) {
        DisLinea(xa, yl, xb, yl, LayerFerri, 0, uscita);
        int q = DisQuotaFerri(xa, yl - H, xb, yl - H, 0, LayerFerri, LayerQuoteStaffe, uscita);
        q += DisQuotaFerri(xa, yl, xa, yl - H, 1, LayerFerri, LayerQuoteStaffe, uscita);
        DisLinea(xb, yl, xb, yl - H, LayerFerri, 0, uscita);
        DisLinea(xa + 1.5f, yl, xa + 1.5f + h, yl - h, LayerFerri, 0, uscita);
        q += DisQuotaFerri(xa, yl - 1.5f, xa + h, yl - 1.5f - h, 1, LayerFerri, LayerQuoteStaffe, uscita);
        return q;
    };

    int Q;
    float x1;
    if (NumBracci == 2) {
        x1 = x0 + Larghezza;
        Q = staffa(x0, x1, Y);
    } else {
        // Four legs: two links, each two thirds of the width, staggered in height so both show.
        staffa(x0, x0 + 0.66f * Larghezza, Y + 8);
        const float xa = x0 + 0.33f * Larghezza;
        x1 = xa + 0.66f * Larghezza;
        Q = staffa(xa, x1, Y - 8);
    }
    Q *= 2;
    const std::string passo = std::string("St.") + SegnoDiametro + std::to_string(Diametro) + "/" + FormatoNumero(Passo);
    DisTesto(x1 + 7, Y + 3, passo, 0, LayerTestoFerri, 0, 2, 0, uscita);
    DisTesto(x1 + 7, Y - 10, "L= " + std::to_string(Q) + "  (" + std::to_string(Pos) + ")", 0, LayerTestoFerri, 0, 2,
             0, uscita);
}

void DisStaffeSez(int Pos, float Y, float XA, float XB, int Diametro, float Passo, float Larghezza, int NumBracci,
                  int uscita) {
    DisStaffeSez(M, Pos, Y, XA, XB, Diametro, Passo, Larghezza, NumBracci, uscita);
}

}  // namespace vilmor
