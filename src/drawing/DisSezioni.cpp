#include "drawing/DisSezioni.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "base/Formati.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "drawing/DisFerriSezione.h"
#include "drawing/DisSezione.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/TagliaSezione.h"

namespace vilmor {

namespace {

constexpr int LayerQuote = 8;
constexpr int LayerArmaturaSez = 10;
constexpr int LayerTestoFerri = 19;
constexpr float RaggioPunto = 0.6f;
constexpr float Nessuno = -9999999999.0f;

void Richiamo(float X1, float Y1, float X2, float Y2, int uscita) { DisLinea(X1, Y1, X2, Y2, LayerQuote, 0, uscita); }

// Dots from x every p while they stay within xe, the first one always. A spacing lost in the
// coordinate's precision ends the row too. Returns the x of the last dot.
float FilaPunti(float x, float xe, float y, float p, int uscita) {
    while (true) {
        DisSegnoNodo(x, y, RaggioPunto, uscita);
        const float q = x + p;
        if (!(q > x) || !(q <= xe)) return x;
        x = q;
    }
}

// The spacing along the section of bars laid `passo` apart across their own direction, which
// meets the section at the angle whose sine is given; 0 when it cannot be drawn (a spacing that
// is not positive, parallel directions).
float PassoLungoSezione(float passo, double seno) {
    const double p = static_cast<double>(passo) / seno;
    return std::isfinite(p) && p > 0 ? static_cast<float>(p) : 0.0f;
}

// One row of diffuse bars across a piece from xs to xe: on the multiples of the spacing (shifted
// by g) so that the rows of every section of a direction line up, with a dot at xs when the
// first multiple falls short of it. A spacing that rounds to 0 has no multiples: no row.
void FilaDiffusa(float xs, float xe, float y, float p, float g, int uscita) {
    if (!(p > 0)) return;
    const double passoIntero = std::nearbyint(static_cast<double>(p));
    if (passoIntero == 0) return;
    const double q = std::trunc(std::nearbyint(static_cast<double>(xs)) / passoIntero);
    float x = p * static_cast<float>(q) + g;
    if (x < xs) {
        DisSegnoNodo(xs, y, RaggioPunto, uscita);
        x = xs + p;
    }
    FilaPunti(x, xe, y, p, uscita);
}

// What one section needs to place its zones.
struct SezioneInCorso {
    const Modello& m;
    int d;  // 0 direction 1, 1 direction 2
    const std::vector<Punto>& P;
    int n;
    float Xs, Y, Ybot, c;
    double seno;
    int uscita;
};

// A face zone running along the section: each of its pieces as a bar detail, hooked at an end
// that reaches the slab's edge at the cover.
void ZonaLungo(const SezioneInCorso& S, int z, const Zona& zn, const std::vector<Punto>& Q, int mq, float Z1,
               float Z2) {
    for (int i = 0; i + 1 <= mq; i += 2) {
        const float qa = Q[static_cast<size_t>(i)].X, qb = Q[static_cast<size_t>(i + 1)].X;
        int gancioIniz = 0, gancioFine = 0;
        for (int j = 0; j + 1 <= S.n; j += 2) {
            if (std::fabs(S.P[static_cast<size_t>(j)].X + S.c - qa) < 0.001f) gancioIniz = 1;
            if (std::fabs(S.P[static_cast<size_t>(j + 1)].X - S.c - qb) < 0.001f) gancioFine = 1;
        }
        DisFerriSez(S.m, z + 1, zn.Tipo, zn.Tipo == 0 ? Z1 : Z2, S.Xs + qa, S.Xs + qb, zn.Diametro, zn.Passo,
                    gancioIniz, gancioFine, S.uscita);
    }
}

// A curb cut by the section, from its first piece: the stirrup detail, the two legs in the
// section, the corner bars (and the inner ones of a four-leg curb) with their leaders, one label.
void Cordolo(const SezioneInCorso& S, int z, const Zona& zn, const std::vector<Punto>& Q, int mq, float Z1) {
    if (mq < 1) return;  // met in one point: no piece to draw
    const float x0 = S.Xs + S.c + Q[0].X, x1 = S.Xs + S.c + Q[1].X;
    DisStaffeSez(S.m, z + 1, Z1, x0, x1, zn.Diametro, zn.Passo, zn.Passo2, zn.NumBracci, S.uscita);
    const float scarto = S.d == 0 ? 0.0f : 2.0f;
    const float yS = S.Y - S.c - scarto, yI = S.Ybot + S.c + scarto;
    const float xL = x0 + 2, xR = x1 - 2;
    DisLinea(xL, yS, xL, yI, LayerArmaturaSez, 1, S.uscita);
    DisLinea(xR, yS, xR, yI, LayerArmaturaSez, 1, S.uscita);
    const float H = yS - yI - 4;
    auto barre = [&](float x) {
        DisSegnoNodo(x, yS - 2, RaggioPunto, S.uscita);
        DisSegnoNodo(x, yI + 2, RaggioPunto, S.uscita);
        Richiamo(x - 30, yS + 30, x, yS - 2, S.uscita);
        Richiamo(x - 30 - H, yS + 30, x, yI + 2, S.uscita);
    };
    barre(xL);
    barre(xR);
    Richiamo(xR - 30, yS + 30, xL - 50 - H, yS + 30, S.uscita);
    const std::string testo = std::string(zn.NumBracci == 2 ? "2+2 " : "4+4 ") + SegnoDiametro +
                              std::to_string(zn.Diametro2) + "  (" + std::to_string(z + 1) + ")";
    DisTesto(xL - 50 - H, yS + 29, testo, 0, LayerTestoFerri, 0, 0, 0, S.uscita);
    if (zn.NumBracci != 2) {
        const float w = Q[1].X - Q[0].X;
        barre(x0 + 0.66f * w);
        barre(x0 + 0.33f * w);
    }
}

// A face zone across the section: its bars as dots on each piece, with a leader to the first,
// one along the row and the label beyond its start.
void ZonaAttraverso(const SezioneInCorso& S, int z, const Zona& zn, const std::vector<Punto>& Q, int mq) {
    const float p = PassoLungoSezione(zn.Passo, S.seno);
    if (p == 0) return;
    const bool unica = S.m.Progetto.MagliaUnica != 0;
    const float medio = (S.Y + S.Ybot) / 2;
    float yU, yL;
    if (S.d != 0) {
        yU = S.Y - S.c - 1.4f;
        yL = unica ? medio - 2 : S.Ybot + S.c + 1.4f;
    } else {
        yU = S.Y - S.c - 0.4f;
        yL = unica ? medio + 2 : S.Ybot + S.c + 0.4f;
    }
    const std::string testo = std::string("1") + SegnoDiametro + std::to_string(zn.Diametro) + "/" +
                              FormatNumVar(zn.Passo, 1) + "  (" + std::to_string(z + 1) + ")";
    const bool sopra = zn.Tipo == 0;
    const float y = sopra ? yU : yL;
    const float yRichiamo = sopra ? yU + 12 : S.Ybot - 5;
    for (int i = 0; i + 1 <= mq; i += 2) {
        const float xf = S.Xs + Q[static_cast<size_t>(i)].X + 1;
        const float xe = S.Xs + Q[static_cast<size_t>(i + 1)].X;
        Richiamo(xf - 12, yRichiamo, xf, y, S.uscita);
        const float ultimo = FilaPunti(xf, xe, y, p, S.uscita);
        Richiamo(ultimo - 12, yRichiamo, xf - 88, yRichiamo, S.uscita);
        if (sopra) DisTesto(xf - 88, yU + 13, testo, 0, LayerTestoFerri, 0, 0, 0, S.uscita);
        else DisTesto(xf - 88, S.Ybot - 6, testo, 0, LayerTestoFerri, 0, 2, 0, S.uscita);
    }
}

}  // namespace

void DisSezioni(Modello& m, float X0, float Y0, int uscita) {
    const SezioniQuote& sq = m.SezQuote;
    const int ns = std::min(sq.UltimaSezione + 1, static_cast<int>(sq.Sezioni.size()));
    if (ns <= 0) return;
    const float k = uscita != 0 && Vista.Scala50Corrente == 0 ? 2.0f : 1.0f;
    const float Sp = m.Progetto.Spessore, c = m.Progetto.Copriferro;
    const bool unica = m.Progetto.MagliaUnica != 0;
    const MagliaDiffusa& dm = m.Diffusa;
    const double seno = std::sin(static_cast<double>(m.Progetto.AngoloDir2));
    auto direzione = [&](int s) { return sq.Sezioni[static_cast<size_t>(s)].Direzione != 0 ? 1 : 0; };

    // The cut of every section; the largest first point of each direction and of all.
    std::vector<std::vector<Punto>> tagli(static_cast<size_t>(ns));
    std::vector<int> ultimi(static_cast<size_t>(ns), -1);
    float Mx[2] = {Nessuno, Nessuno}, G = Nessuno;
    for (int s = 0; s < ns; ++s) {
        float XMin = 0;
        ultimi[static_cast<size_t>(s)] = TagliaSezione(m, s, tagli[static_cast<size_t>(s)], XMin);
        if (ultimi[static_cast<size_t>(s)] < 0) continue;
        Mx[direzione(s)] = std::max(Mx[direzione(s)], XMin);
        G = std::max(G, XMin);
    }

    const ZoneArmatura& zo = m.Zone;
    const int nz = std::min(zo.UltimaZona + 1, static_cast<int>(zo.Zone.size()));
    std::vector<Punto> Q;
    float Y = Y0 - 140 * k;
    bool barreZone = false;
    for (int s = 0; s < ns; ++s) {
        const int d = direzione(s);
        const std::vector<Punto>& P = tagli[static_cast<size_t>(s)];
        const int n = ultimi[static_cast<size_t>(s)];
        if (s > 0) Y -= (barreZone ? 5 * Sp + 255 : 3 * Sp + 195) * k;
        barreZone = false;
        // A section that meets no concrete keeps its place and draws nothing.
        if (n < 0) continue;
        const float Xs = X0 - Mx[d] - G;
        DisSezione(m, s, P, n, Xs, Y, uscita);

        const float Ybot = Y - Sp;
        const float Z1 = Ybot - (2 * Sp + 50) * k;
        const float Z2 = unica ? Z1 : Z1 - (2 * (Sp - c) + 5) * k;
        const SezioneInCorso S{m, d, P, n, Xs, Y, Ybot, c, seno, uscita};

        for (int z = 0; z < nz; ++z) {
            const Zona& zn = zo.Zone[static_cast<size_t>(z)];
            const int mq = TagliaZoneSez(m, s, z, Q);
            if (mq < 0) continue;
            const bool lungo = zn.Tipo == 2 || (zn.Direzione != 0 ? 1 : 0) == d;
            const bool faccia = zn.Tipo == 0 || zn.Tipo == 1;
            if (lungo) {
                barreZone = true;
                if (faccia) ZonaLungo(S, z, zn, Q, mq, Z1, Z2);
                else if (zn.Tipo == 2) Cordolo(S, z, zn, Q, mq, Z1);
            } else if (faccia) {
                ZonaAttraverso(S, z, zn, Q, mq);
            }
        }

        // The diffuse meshes along the section, as bar details below it.
        const float D1 = Ybot - 50;
        const float D2 = barreZone ? Z2 - (Sp - 3) * k : D1 - (2 * Sp + 3) * k;
        const float D0 = D1 - 0.2f * Sp;
        const int diamSup = d == 0 ? dm.DiamDiffSup1 : dm.DiamDiffSup2;
        const int diamInf = d == 0 ? dm.DiamDiffInf1 : dm.DiamDiffInf2;
        const float passoSup = d == 0 ? dm.PassoDiffSup1 : dm.PassoDiffSup2;
        const float passoInf = d == 0 ? dm.PassoDiffInf1 : dm.PassoDiffInf2;
        for (int j = 0; j + 1 <= n; j += 2) {
            const float xa = Xs + P[static_cast<size_t>(j)].X + c, xb = Xs + P[static_cast<size_t>(j + 1)].X - c;
            if (unica) {
                DisFerriSez(m, 0, 1, D0, xa, xb, diamInf, passoInf, 1, 1, uscita);
            } else {
                DisFerriSez(m, 0, 0, D1, xa, xb, diamSup, passoSup, 1, 1, uscita);
                DisFerriSez(m, 0, 1, D2, xa, xb, diamInf, passoInf, 1, 1, uscita);
            }
        }

        // The diffuse meshes across it, as dots: the bars of the other direction.
        const float medio = (Y + Ybot) / 2;
        float yU, yL;
        int dSup, dInf;
        float pSup, pInf;
        if (d != 0) {
            yU = Y - c - 1.4f;
            yL = unica ? medio + 0.6f : Ybot + c + 1.4f;
            dSup = dm.DiamDiffSup1, dInf = dm.DiamDiffInf1;
            pSup = dm.PassoDiffSup1, pInf = dm.PassoDiffInf1;
        } else {
            yU = Y - c - 0.4f;
            yL = unica ? medio - 0.4f : Ybot + c + 0.4f;
            dSup = dm.DiamDiffSup2, dInf = dm.DiamDiffInf2;
            pSup = dm.PassoDiffSup2, pInf = dm.PassoDiffInf2;
        }
        const float pS = PassoLungoSezione(pSup, seno), pI = PassoLungoSezione(pInf, seno);
        const float g = static_cast<float>(std::max(dSup, dInf)) / 10;
        for (int j = 0; j + 1 <= n; j += 2) {
            const float xs = Xs + P[static_cast<size_t>(j)].X + g + c, xe = Xs + P[static_cast<size_t>(j + 1)].X - c;
            if (!unica) FilaDiffusa(xs, xe, yU, pS, g, uscita);
            FilaDiffusa(xs, xe, yL, pI, g, uscita);
        }
    }
}

}  // namespace vilmor
