#include "drawing/DisegnoZone.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "base/ScansioneRighe.h"
#include "base/Testo1252.h"
#include "design/DirezioniZona.h"
#include "design/PioliZona.h"
#include "design/StaffeCordolo.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

// Layers of the drawing-layer table.
constexpr int LayerIntegr2 = 1;      // "ARM_INTEGR2": curb stirrups and ticks
constexpr int LayerPilastriAcc = 3;  // "PILASTRI_ACCIAIO": curb sides
constexpr int LayerTaglio = 6;       // "ARM_TAGLIO": stud circles
constexpr int LayerQuote = 8;        // "QUOTE": stud outline and crosses
constexpr int LayerPos = 9;          // "POS_INTEGRATIVA": position mark
constexpr int LayerTestoQuote = 18;  // "TESTO_QUOTE": number and label
constexpr int ColoreBarreMappa = 8;  // dark grey of the 16-colour palette

// Edge lines look for their crossings half a centimetre inside.
double RigaIncroci(double y, double ymin, double ymax) {
    if (std::fabs(y - ymin) < 0.1) return y + 0.5;
    if (std::fabs(y - ymax) < 0.1) return y - 0.5;
    return y;
}

// Vertices of zone z's outline that really exist.
int NumVertici(const ZoneArmatura& za, int z) {
    const Zona& zona = za.Zone[static_cast<size_t>(z)];
    return std::max(0, std::min(zona.UltVertice + 1, static_cast<int>(za.VerticiZone[static_cast<size_t>(z)].size())));
}

int UltimaValida(const ZoneArmatura& za) {
    return std::min({za.UltimaZona, static_cast<int>(za.Zone.size()) - 1, static_cast<int>(za.VerticiZone.size()) - 1});
}

int Pixel(float v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(static_cast<double>(std::nearbyint(v)), -1.0e9, 1.0e9));
}

int PioliZona(const Modello& m, int z, float ox, float oy, int uscita) {
    const DatiProgetto& pr = m.Progetto;
    const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
    const std::vector<Punto>& V = m.Zone.VerticiZone[static_cast<size_t>(z)];
    const int n = NumVertici(m.Zone, z);
    const int dir = zona.Direzione == 0 ? 0 : 1;

    for (int k = 0; k < n; ++k) {
        const Punto& a = V[k];
        const Punto& b = V[k + 1 < n ? k + 1 : 0];
        DisLinea(a.X + ox, a.Y + oy, b.X + ox, b.Y + oy, LayerQuote, 1, uscita);
    }

    auto linea = [&](float xa, float ya, float xb, float yb) {
        const Punto a = RuotaDirArmaturaInv(pr, dir, xa, ya);
        const Punto b = RuotaDirArmaturaInv(pr, dir, xb, yb);
        DisLinea(a.X, a.Y, b.X, b.Y, LayerQuote, 0, uscita);
    };
    const std::vector<Punto> pioli = PioliInFrame(pr, zona, V, n, ox, oy);
    for (const Punto& q : pioli) {
        linea(q.X - 4, q.Y, q.X + 4, q.Y);
        linea(q.X, q.Y - 4, q.X, q.Y + 4);
        const Punto centro = RuotaDirArmaturaInv(pr, dir, q.X, q.Y);
        DisCerchio(centro.X, centro.Y, 2, LayerTaglio, 0, uscita);
    }

    const float xr = zona.XRif + ox, yr = zona.YRif + oy;
    DisCerchio(xr, yr, 14, LayerPos, 0, uscita);
    DisTesto(xr, yr, std::to_string(z + 1), 3, LayerTestoQuote, 1, 1, 0, uscita);
    const std::string etichetta = " " + std::to_string(pioli.size()) + " pioli " + SegnoDiametro +
                                  std::to_string(zona.Diametro) + "/" + FormatNumVar(zona.Passo, 1) + "x" +
                                  FormatNumVar(zona.Passo2, 1);
    DisTesto(xr + 18, yr, etichetta, 0, LayerTestoQuote, 0, 1, 0, uscita);
    return static_cast<int>(pioli.size());
}

void CordoloZona(const Modello& m, int z, float ox, float oy, int uscita) {
    const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
    const std::vector<Punto>& V = m.Zone.VerticiZone[static_cast<size_t>(z)];
    if (NumVertici(m.Zone, z) < 4) return;  // no strip to draw
    Punto W[4];
    for (int k = 0; k < 4; ++k) W[k] = {V[k].X + ox, V[k].Y + oy};

    DisLinea(W[0].X, W[0].Y, W[3].X, W[3].Y, LayerPilastriAcc, 0, uscita);
    DisLinea(W[1].X, W[1].Y, W[2].X, W[2].Y, LayerPilastriAcc, 0, uscita);
    if (zona.NumBracci > 2) {
        for (float f : {0.66f, 0.33f}) {
            DisLinea(W[0].X - (W[0].X - W[1].X) * f, W[0].Y - (W[0].Y - W[1].Y) * f, W[3].X - (W[3].X - W[2].X) * f,
                     W[3].Y - (W[3].Y - W[2].Y) * f, LayerPilastriAcc, 0, uscita);
        }
    }

    // The curb's own frame, turned by its angle.
    const double ang = zona.Angolo;
    const double c = ScattaCosSeno(std::cos(ang)), s = ScattaCosSeno(std::sin(ang));
    const double ci = ScattaCosSeno(std::cos(2 * 3.14159265358979 - ang)), si = ScattaCosSeno(std::sin(2 * 3.14159265358979 - ang));
    auto inFrame = [&](double X, double Y) {
        return Punto{static_cast<float>(c * X + s * Y), static_cast<float>(c * Y - s * X)};
    };
    auto inPianta = [&](double x, double y) {
        return Punto{static_cast<float>(ci * x + si * y + ox), static_cast<float>(ci * y - si * x + oy)};
    };
    auto linea = [&](double xa, double ya, double xb, double yb) {
        const Punto a = inPianta(xa, ya), b = inPianta(xb, yb);
        DisLinea(a.X, a.Y, b.X, b.Y, LayerIntegr2, 0, uscita);
    };

    const Punto b1 = inFrame(zona.XBarra1, zona.YBarra1);
    const Punto b2 = inFrame(zona.XBarra2, zona.YBarra2);
    for (const Punto& b : {b1, b2}) linea(b.X - 3, b.Y - 3, b.X + 3, b.Y + 3);

    // The stirrups the report charges, `Passo` apart and centred along the strip; with more than
    // two legs the two stirrups of a position, each across two thirds of the width from either side.
    const int posizioni = PosizioniStaffe(m.Zone, z);
    if (posizioni > 0) {
        const double passo = zona.Passo;
        double xmin = 0, xmax = 0;
        for (int k = 0; k < 4; ++k) {
            const double x = inFrame(V[k].X, V[k].Y).X;
            if (k == 0 || x < xmin) xmin = x;
            if (k == 0 || x > xmax) xmax = x;
        }
        const double x0 = xmin + 0.5 * ((xmax - xmin) - (posizioni - 1) * passo);
        const double y2 = b2.Y, y1 = b1.Y;
        for (int k = 0; k < posizioni; ++k) {
            const double x = RigaScansione(x0, passo, k);
            if (StaffePerPosizione(zona) == 1) {
                linea(x, y2, x, y1);
            } else {
                linea(x, y2, x, y2 + (y1 - y2) * 0.66);
                linea(x, y2 + (y1 - y2) * 0.33, x, y1);
            }
        }
    }

    if (Disegno.FerroIntCordolo) Disegno.FerroIntCordolo(m, ox, oy, z, "", "", uscita);
    else DisFerroInt(m, ox, oy, z, "", "", uscita);
}

}  // namespace

void DisegnaPioli(const Modello& m, float offsetX, float offsetY, int uscita) {
    const ZoneArmatura& za = m.Zone;
    const int ultima = UltimaValida(za);
    for (int z = 0; z <= ultima; ++z)
        if (za.Zone[static_cast<size_t>(z)].Tipo == 3) PioliZona(m, z, offsetX, offsetY, uscita);
}

void DisegnaPioli(float offsetX, float offsetY, int uscita) { DisegnaPioli(M, offsetX, offsetY, uscita); }

int ContaPioli(const Modello& m, int z) { return NumeroPioli(m, z); }

void DisegnaCordoli(const Modello& m, float offsetX, float offsetY, int uscita) {
    const int ultima = UltimaValida(m.Zone);
    for (int z = 0; z <= ultima; ++z) {
        if (m.Zone.Zone[static_cast<size_t>(z)].Tipo != 2) continue;
        CordoloZona(m, z, offsetX, offsetY, uscita);
    }
}

void DisegnaCordoli(float offsetX, float offsetY, int uscita) { DisegnaCordoli(M, offsetX, offsetY, uscita); }

void DisegnaFerriZona(const Modello& m, int n, int direzione, int kind) {
    const ZoneArmatura& za = m.Zone;
    if (n < 0 || n > UltimaValida(za)) return;
    const Zona& zona = za.Zone[static_cast<size_t>(n)];
    if (zona.Tipo != kind || zona.Direzione != direzione) return;
    SuperficieVideo* video = Piatt.Ctrl_Vid;
    if (!video) return;

    // The lines of the zone's bar layout: the outline and the stored extents in the bar frame.
    const DatiProgetto& pr = m.Progetto;
    const int dir = zona.Direzione == 0 ? 0 : 1;
    const std::vector<Punto>& V = za.VerticiZone[static_cast<size_t>(n)];
    const int nv = NumVertici(za, n);
    std::vector<Punto> P(static_cast<size_t>(nv));
    for (int k = 0; k < nv; ++k) P[k] = RuotaDirArmatura(pr, dir, V[k].X, V[k].Y);
    const Punto lo = dir == 0 ? RuotaDirArmatura(pr, dir, zona.XMin1, zona.YMin1)
                              : RuotaDirArmatura(pr, dir, zona.XMin2, zona.YMin2);
    const Punto hi = dir == 0 ? RuotaDirArmatura(pr, dir, zona.XMax1, zona.YMax1)
                              : RuotaDirArmatura(pr, dir, zona.XMax2, zona.YMax2);
    const float ymin = lo.Y, ymax = hi.Y;
    const float passo = zona.Passo;
    const int64_t righe = NumeroRighe(ymin, passo, static_cast<double>(ymax) + 0.01, false);
    if (righe <= 0) return;

    ScansioneRighe scan;
    scan.AggiungiAnello(P, nv, ScansioneRighe::Ruolo::Pieno);
    std::vector<Tratto> tratti;
    for (int64_t k = 0; k < righe; ++k) {
        const float y = static_cast<float>(RigaScansione(ymin, passo, k));
        scan.Tratti(RigaIncroci(y, ymin, ymax), tratti);
        for (const Tratto& t : tratti) {
            const Punto a = RuotaDirArmaturaInv(pr, dir, static_cast<float>(t.X0), y);
            const Punto b = RuotaDirArmaturaInv(pr, dir, static_cast<float>(t.X1), y);
            video->LineaPalette(Pixel(XSchermo(a.X)), Pixel(YSchermo(a.Y)), Pixel(XSchermo(b.X)), Pixel(YSchermo(b.Y)),
                                ColoreBarreMappa);
        }
    }
}

void DisegnaFerriZona(int n, int direzione, int kind) { DisegnaFerriZona(M, n, direzione, kind); }

}  // namespace vilmor
