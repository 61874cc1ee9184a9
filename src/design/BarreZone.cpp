#include "design/BarreZone.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Primitive.h"
#include "base/ScansioneRighe.h"
#include "base/Testo1252.h"
#include "design/Ancoraggio.h"
#include "design/DirezioniZona.h"
#include "design/PioliZona.h"
#include "model/Impostazioni.h"

namespace vilmor {

namespace {

// More pieces than this is no bar layout: the bar counts as one that cannot be divided.
constexpr double MaxPezzi = 100000;

void Etichette(EsitoZona& e, const Zona& zona, int descrizioneCompleta, float lungMax, int A) {
    e.Etichetta1.clear();
    e.Etichetta2.clear();
    if (descrizioneCompleta == 0) return;
    std::string T;
    if (e.NumBarre > 0) {
        if (e.LungMax - e.LungMin > 0.1f)
            T = "L var. min." + TestoLunghezzaBarra(e.LungMin, lungMax, A) + ", max." +
                TestoLunghezzaBarra(e.LungMax, lungMax, A);
        else
            T = "L=" + TestoLunghezzaBarra(e.LungMax, lungMax, A);
    }
    e.Etichetta1 = std::to_string(e.NumBarre) + SegnoDiametro + std::to_string(zona.Diametro) + "/" +
                   FormatNumVar(zona.Passo, 1);
    if (T.empty()) return;  // no bar: no length part
    if (T.size() < 7) e.Etichetta1 += " " + T;
    else e.Etichetta2 = T;
}

// The extent in y, in the frame of direction dir, where the lines of a zone can find bars: that
// of its outline P (the first n points, already in the frame) within that of the slab's outline.
// Empty (basso > alto) when nothing is left; a slab without outline does not narrow it.
void EstensioneUtile(const Modello& m, int dir, const std::vector<Punto>& P, int n, double& basso, double& alto) {
    basso = std::numeric_limits<double>::infinity();
    alto = -basso;
    for (int k = 0; k < n; ++k) {
        const Punto& p = P[static_cast<size_t>(k)];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;  // the scan passes it over too
        basso = std::min(basso, static_cast<double>(p.Y));
        alto = std::max(alto, static_cast<double>(p.Y));
    }
    const GeometriaSoletta& g = m.Soletta;
    const int nc = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    if (nc < 3) return;
    double sb = std::numeric_limits<double>::infinity(), sa = -sb;
    for (int k = 0; k < nc; ++k) {
        const Punto& c = g.Contorno[static_cast<size_t>(k)];
        const double y = RuotaDirArmatura(m.Progetto, dir, c.X, c.Y).Y;
        if (!std::isfinite(y)) continue;
        sb = std::min(sb, y);
        sa = std::max(sa, y);
    }
    basso = std::max(basso, sb);
    alto = std::min(alto, sa);
}

}  // namespace

int NumeroSovrapposizioni(float L, float lungMax, int A) {
    if (L <= lungMax) return 0;
    if (!std::isfinite(L)) return -1;
    if (!(lungMax > static_cast<float>(A)) || !std::isfinite(lungMax)) return -1;
    const double l = L, m = lungMax, a = A;
    const double stima = std::ceil((l - m) / (m - a));
    if (!(stima <= MaxPezzi)) return -1;
    int n = std::max(1, static_cast<int>(stima));
    // Settle the estimate on the inequality itself.
    while (l + n * a > (n + 1) * m) ++n;
    while (n > 1 && l + (n - 1) * a <= n * m) --n;
    return n;
}

std::string TestoLunghezzaBarra(float L, float lungMax, int A) {
    const int n = NumeroSovrapposizioni(L, lungMax, A);
    if (n <= 0) return FormatNum(L, 0);
    const std::string pezzo = FormatNum(lungMax, 0) + "+";
    std::string t;
    t.reserve(pezzo.size() * static_cast<size_t>(n) + 8);
    for (int i = 0; i < n; ++i) t += pezzo;
    const float fn = static_cast<float>(n);
    const float ultimo = (L + fn * static_cast<float>(A) - fn * lungMax) / 10;  // decimetres
    return t + FormatNum(ArrotondaSuMezzo(ultimo) * 10, 0);
}

EsitoZona FerriZona(const Modello& m, int z, float offsetX, float offsetY, int uscita, int descrizioneCompleta) {
    EsitoZona e;
    const ZoneArmatura& za = m.Zone;
    if (z < 0 || z > za.UltimaZona || z >= static_cast<int>(za.Zone.size()) ||
        z >= static_cast<int>(za.VerticiZone.size()))
        return e;
    const Zona& zona = za.Zone[static_cast<size_t>(z)];
    const DatiProgetto& pr = m.Progetto;
    const int dir = zona.Direzione == 0 ? 0 : 1;
    const float lungMax = Imp.LungMaxFerri;
    const int A = CalcAncoraggio(zona.Diametro);

    // The outline and the stored extents of the zone in the frame of its bars.
    const std::vector<Punto>& riga = za.VerticiZone[static_cast<size_t>(z)];
    const int n = std::max(0, std::min(zona.UltVertice + 1, static_cast<int>(riga.size())));
    std::vector<Punto> P(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) P[static_cast<size_t>(k)] = RuotaDirArmatura(pr, dir, riga[k].X, riga[k].Y);
    const Punto lo = dir == 0 ? RuotaDirArmatura(pr, dir, zona.XMin1, zona.YMin1) : RuotaDirArmatura(pr, dir, zona.XMin2, zona.YMin2);
    const Punto hi = dir == 0 ? RuotaDirArmatura(pr, dir, zona.XMax1, zona.YMax1) : RuotaDirArmatura(pr, dir, zona.XMax2, zona.YMax2);
    const float ymin = lo.Y, ymax = hi.Y;

    const float passo = zona.Passo;
    int64_t righe = -1;
    if (!std::isfinite(ymin) || !std::isfinite(ymax)) {
        e.Motivo = "estensione della zona non valida: armatura non computata";
    } else if (!(passo > 0) || !std::isfinite(passo) ||
               (righe = NumeroRighe(ymin, passo, static_cast<double>(ymax) + 0.01, false)) < 0) {
        e.Motivo = "passo non valido (" + TestoValore(passo) + "): armatura non computata";
    }
    if (righe < 0) {
        e.Saltata = true;
        Etichette(e, zona, descrizioneCompleta, lungMax, A);
        return e;
    }

    ScansioneRighe scan;
    scan.AggiungiAnello(P, n, ScansioneRighe::Ruolo::Pieno);
    const Punto b1 = RuotaDirArmatura(pr, dir, zona.XBarra1, zona.YBarra1);
    const Punto b2 = RuotaDirArmatura(pr, dir, zona.XBarra2, zona.YBarra2);
    const int layer = dir;  // 0 "ARM_INTEGR1", 1 "ARM_INTEGR2"

    auto disegna = [&](float xa, float ya, float xb, float yb, int lay) {
        Punto a = RuotaDirArmaturaInv(pr, dir, xa, ya);
        Punto b = RuotaDirArmaturaInv(pr, dir, xb, yb);
        DisLinea(a.X + offsetX, a.Y + offsetY, b.X + offsetX, b.Y + offsetY, lay, 0, uscita);
    };

    // Only the lines that can meet the outline within the slab's extent: the others would find
    // nothing, and a zone of absurd size must cost what the slab costs, not what the file says.
    double basso, alto;
    EstensioneUtile(m, dir, P, n, basso, alto);
    int64_t prima = 0, oltre = 0;
    if (basso <= alto) {
        // The edge lines look half a centimetre inside, and a line is a 4-byte real.
        const double margine = 1 + 1e-6 * std::max(std::fabs(basso), std::fabs(alto));
        IntervalloRighe(ymin, passo, righe, basso - margine, alto + margine, prima, oltre);
    }

    float totale = 0;
    bool nonDivisibile = false;
    std::vector<Tratto> tratti;
    for (int64_t k = prima; k < oltre; ++k) {
        const float y = static_cast<float>(RigaScansione(ymin, passo, k));
        // The edge lines find their crossings half a centimetre inside the zone.
        float yc = y;
        if (std::fabs(y - ymin) < 0.1f) yc = y + 0.5f;
        else if (std::fabs(y - ymax) < 0.1f) yc = y - 0.5f;
        scan.Tratti(yc, tratti);
        if (tratti.empty()) continue;

        if (uscita >= 0 && b1.Y != b2.Y) {
            const float xt = b1.X + (y - b1.Y) * (b2.X - b1.X) / (b2.Y - b1.Y);
            disegna(xt + 3, y + 3, xt - 3, y - 3, 9);
        }
        for (const Tratto& t : tratti) {
            const float x0 = static_cast<float>(t.X0), x1 = static_cast<float>(t.X1);
            Punto a = RuotaDirArmaturaInv(pr, dir, x0, y);
            Punto b = RuotaDirArmaturaInv(pr, dir, x1, y);
            const float L = Distanza(a.X, a.Y, b.X, b.Y);
            ++e.NumBarre;
            e.LungMax = std::max(e.LungMax, L);
            e.LungMin = std::min(e.LungMin, L);
            if (uscita >= 0) disegna(x0, y, x1, y, layer);
            const int laps = NumeroSovrapposizioni(L, lungMax, A);
            if (laps < 0) nonDivisibile = true;
            else totale += L + static_cast<float>(laps) * static_cast<float>(A);
        }
    }

    if (nonDivisibile) {
        e.Saltata = true;
        e.Motivo = "barre più lunghe di " + TestoValore(lungMax) + " cm non suddivisibili con sovrapposizioni di " +
                   std::to_string(A) + " cm: armatura non computata";
    } else {
        e.LungTotale = totale;
    }
    Etichette(e, zona, descrizioneCompleta, lungMax, A);
    return e;
}

void CalcolaFerriZone(Modello& m, float offsetX, float offsetY, int lato, int uscita,
                      std::vector<ElementoSaltato>* saltati) {
    if (lato != 0 && lato != 1) return;
    ZoneArmatura& za = m.Zone;
    const int ultima = std::min(za.UltimaZona, static_cast<int>(za.Zone.size()) - 1);
    for (int z = 0; z <= ultima; ++z) {
        if (za.Zone[static_cast<size_t>(z)].Tipo != lato) continue;
        EsitoZona e = FerriZona(m, z, offsetX, offsetY, uscita, Edit.DescrizioneCompleta);
        if (uscita == -1) {
            za.Zone[static_cast<size_t>(z)].LungTotale = e.LungTotale;
            if (e.Saltata && saltati) saltati->push_back({GenereSaltato::Zona, z, 0, e.Motivo});
        } else if (uscita >= 0) {
            DisFerroInt(m, offsetX, offsetY, z, e.Etichetta1, e.Etichetta2, uscita);
        }
    }
}

void CalcolaFerriZone(float offsetX, float offsetY, int lato, int uscita) {
    CalcolaFerriZone(M, offsetX, offsetY, lato, uscita, nullptr);
}

const std::vector<ElementoSaltato>& CalcolaArmature(Modello& m) {
    std::vector<ElementoSaltato> saltati;
    if (m.Soletta.NumVertContorno > 0) {
        ComputaDiffusa(m, 0, 0, 0, -1, &saltati);
        ComputaDiffusa(m, 0, 0, 1, -1, &saltati);
        CalcolaFerriZone(m, 0, 0, 0, -1, &saltati);
        CalcolaFerriZone(m, 0, 0, 1, -1, &saltati);
    }
    ContaPioliZone(m);
    m.ElementiSaltati = std::move(saltati);
    return m.ElementiSaltati;
}

void CalcolaArmature() { CalcolaArmature(M); }

void DisFerroInt(const Modello& m, float offsetX, float offsetY, int zona, const std::string& etichetta1,
                 const std::string& etichetta2, int uscita) {
    const Zona& z = m.Zone.Zone[static_cast<size_t>(zona)];
    const float e1x = z.XBarra1 + offsetX, e1y = z.YBarra1 + offsetY;
    const float e2x = z.XBarra2 + offsetX, e2y = z.YBarra2 + offsetY;
    const float rx = z.XRif + offsetX, ry = z.YRif + offsetY;
    constexpr float Raggio = 14;

    float px = 0, py = 0, qx = 0, qy = 0;
    ProiettaPunto(e1x, e1y, e2x, e2y, rx, ry, px, py);
    // The leader ends on the circle, beyond the foot when R is nearer the bar than the radius.
    PuntoADistanza(rx, ry, px, py, qx, qy, Raggio);
    DisLinea(px, py, qx, qy, 9, 0, uscita);

    const float L = Distanza(e1x, e1y, e2x, e2y);
    const float d1 = Distanza(e1x, e1y, px, py), d2 = Distanza(e2x, e2y, px, py);
    if (std::fabs(L - d1 - d2) < 0.001f) DisLinea(e1x, e1y, e2x, e2y, 9, 0, uscita);
    else if (d1 > d2) DisLinea(px, py, e1x, e1y, 9, 0, uscita);
    else DisLinea(px, py, e2x, e2y, 9, 0, uscita);

    DisCerchio(rx, ry, Raggio, 9, 0, uscita);
    DisTesto(rx, ry, std::to_string(zona + 1), 3, 18, 1, 1, 0, uscita);

    if (etichetta1.empty()) return;
    const bool destra = qx > e1x || px > e2x;
    const float x = rx + (destra ? 18.0f : -18.0f);
    const int oriz = destra ? 0 : 2;
    if (etichetta2.empty()) {
        DisTesto(x, ry, etichetta1, 0, 18, oriz, 1, 0, uscita);
    } else {
        const float k = Vista.Scala50Corrente != 0 ? 1.0f : 2.8f;
        DisTesto(x, ry + 9 * k, etichetta1, 0, 18, oriz, 1, 0, uscita);
        DisTesto(x, ry - 9 * k, etichetta2, 0, 18, oriz, 1, 0, uscita);
    }
}

}  // namespace vilmor
