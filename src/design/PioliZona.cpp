#include "design/PioliZona.h"

#include <algorithm>
#include <cmath>

#include "base/ScansioneRighe.h"
#include "design/DirezioniZona.h"

namespace vilmor {

namespace {

// A count of whole spacings in a length, with room for the rounding of the values.
int64_t SpaziInteri(double lunghezza, double passo) {
    double q = std::floor(lunghezza / passo + 1e-6);
    if (!(q >= 0)) return 0;
    return static_cast<int64_t>(std::min(q, static_cast<double>(MaxRigheScansione)));
}

// Edge lines look for their crossings half a centimetre inside.
double RigaIncroci(double y, double ymin, double ymax) {
    if (std::fabs(y - ymin) < 0.1) return y + 0.5;
    if (std::fabs(y - ymax) < 0.1) return y - 0.5;
    return y;
}

int UltimaValida(const ZoneArmatura& za) {
    return std::min({za.UltimaZona, static_cast<int>(za.Zone.size()) - 1, static_cast<int>(za.VerticiZone.size()) - 1});
}

}  // namespace

std::vector<Punto> PioliInFrame(const DatiProgetto& pr, const Zona& zona, const std::vector<Punto>& V, int n,
                                float ox, float oy) {
    std::vector<Punto> pioli;
    n = std::max(0, std::min(n, static_cast<int>(V.size())));
    const double passo = zona.Passo, passo2 = zona.Passo2;
    const bool passiValidi = passo > 0 && std::isfinite(passo) && passo2 > 0 && std::isfinite(passo2);
    if (n < 3 || !passiValidi) return pioli;

    // The outline in the frame of the bar direction; its box there gives the rows.
    const int dir = zona.Direzione == 0 ? 0 : 1;
    std::vector<Punto> P(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) P[k] = RuotaDirArmatura(pr, dir, V[k].X + ox, V[k].Y + oy);
    double ymin = P[0].Y, ymax = P[0].Y, xmin = P[0].X, xmax = P[0].X;
    for (const Punto& p : P) {
        ymin = std::min<double>(ymin, p.Y), ymax = std::max<double>(ymax, p.Y);
        xmin = std::min<double>(xmin, p.X), xmax = std::max<double>(xmax, p.X);
    }
    const double H = ymax - ymin;
    const double y0 = ymin + (H - passo2 * static_cast<double>(SpaziInteri(H, passo2))) * 0.5;
    int64_t righe = NumeroRighe(y0, passo2, ymax + 0.01, false);
    // A grid too dense to be a stud layout (bad data) gets no studs, as a bad spacing does.
    const double perRiga = (xmax - xmin) / passo + 2;
    if (righe > 0 && !(static_cast<double>(righe) * perRiga <= static_cast<double>(MaxRigheScansione))) return pioli;

    ScansioneRighe scan;
    scan.AggiungiAnello(P, n, ScansioneRighe::Ruolo::Pieno);
    std::vector<Tratto> tratti;
    for (int64_t r = 0; r < righe; ++r) {
        const double y = RigaScansione(y0, passo2, r);
        scan.Tratti(RigaIncroci(y, ymin, ymax), tratti);
        for (const Tratto& t : tratti) {
            const double W = t.X1 - t.X0;
            const double x0 = t.X0 + (W - passo * static_cast<double>(SpaziInteri(W, passo))) * 0.5;
            const int64_t colonne = NumeroRighe(x0, passo, t.X1 + 0.01, false);
            for (int64_t c = 0; c < colonne; ++c)
                pioli.push_back({static_cast<float>(RigaScansione(x0, passo, c)), static_cast<float>(y)});
        }
    }
    return pioli;
}

int NumeroPioli(const Modello& m, int z) {
    if (z < 0 || z > UltimaValida(m.Zone)) return 0;
    const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
    const std::vector<Punto>& V = m.Zone.VerticiZone[static_cast<size_t>(z)];
    return static_cast<int>(PioliInFrame(m.Progetto, zona, V, zona.UltVertice + 1).size());
}

void ContaPioliZone(Modello& m) {
    const int ultima = UltimaValida(m.Zone);
    for (int z = 0; z <= ultima; ++z) {
        Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
        if (zona.Tipo == 3) zona.NumBracci = NumeroPioli(m, z);
    }
}

}  // namespace vilmor
