#include "dxf/TratteggioDxf.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <istream>
#include <ostream>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "base/ScansioneRighe.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/SinkDxf.h"
#include "drawing/VociDisegno.h"
#include "dxf/ScrittoriDxf.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

bool PassoValido(float passo) { return passo > 0 && std::isfinite(passo); }

// The INSERT that places a hatch block at its centroid: no scale, no rotation.
void InserisciTratteggio(ContestoDxf& c, bool r12, const std::string& nome, const std::string& layer, Punto g) {
    std::ostream& os = *c.Entita;
    CoppiaDxf(os, "0", "INSERT");
    if (!r12) {
        GruppoDxf(os, 5, NuovoHandle(c));
        GruppoDxf(os, 330, c.HandleModelSpace);
        GruppoDxf(os, 100, "AcDbEntity");
    }
    GruppoDxf(os, 8, layer);
    GruppoDxf(os, 62, "     0");
    if (!r12) GruppoDxf(os, 100, "AcDbBlockReference");
    GruppoDxf(os, 2, nome);
    GruppoRealeDxf(os, 10, DxfX(g.X));
    GruppoRealeDxf(os, 20, DxfY(g.Y));
    GruppoDxf(os, 30, "0.0");
}

// The file writer behind the DXF sink installed for the pass, if that is what it is.
ScrittoreDxf* ScrittoreCorrente() {
    auto* sink = dynamic_cast<SinkDxf*>(Piatt.SinkDxf);
    return sink ? dynamic_cast<ScrittoreDxf*>(sink->Uscita) : nullptr;
}

}  // namespace

bool LineeTratteggio(const std::vector<Punto>& poligono, float angolo, float passo,
                     std::vector<PezzoTratteggio>& pezzi) {
    if (!PassoValido(passo)) return false;
    // The polygon turned so that the hatch direction becomes the x axis.
    std::vector<Punto> PoligonoTratteggio(poligono.size());
    double yMin = INFINITY, yMax = -INFINITY;
    for (size_t i = 0; i < poligono.size(); ++i) {
        Punto& r = PoligonoTratteggio[i];
        RuotaPunto(poligono[i].X, poligono[i].Y, r.X, r.Y, angolo);
        if (std::isfinite(r.X) && std::isfinite(r.Y)) {
            yMin = std::min(yMin, static_cast<double>(r.Y));
            yMax = std::max(yMax, static_cast<double>(r.Y));
        }
    }
    if (!(yMin <= yMax)) return true;
    const int64_t righe = NumeroRighe(yMin, passo, yMax, true);
    if (righe < 0) return false;

    ScansioneRighe scansione;
    scansione.AggiungiAnello(PoligonoTratteggio);
    std::vector<Tratto> tratti;
    for (int64_t k = 0; k < righe; ++k) {
        const double y = RigaScansione(yMin, passo, k);
        scansione.Tratti(y, tratti);
        for (const Tratto& t : tratti) {
            if (!(t.X1 - t.X0 > 0.01)) continue;
            PezzoTratteggio p;
            RuotaPuntoInv(static_cast<float>(t.X0), static_cast<float>(y), p.X1, p.Y1, angolo);
            RuotaPuntoInv(static_cast<float>(t.X1), static_cast<float>(y), p.X2, p.Y2, angolo);
            pezzi.push_back(p);
        }
    }
    return true;
}

bool PezziTratteggio(const std::vector<Punto>& poligono, float passo, float angolo, int incrociato,
                     std::vector<PezzoTratteggio>& pezzi) {
    pezzi.clear();
    if (!LineeTratteggio(poligono, GradiRadianti(angolo), passo, pezzi)) return false;
    if (incrociato == -1) LineeTratteggio(poligono, GradiRadianti(Angolo90(angolo)), passo, pezzi);
    return true;
}

Punto BaricentroTratteggio(const std::vector<Punto>& poligono) {
    const size_t n = poligono.size();
    double A = 0, Sx = 0, Sy = 0;
    for (size_t i = 0; i < n; ++i) {
        const Punto& p = poligono[i];
        const Punto& q = poligono[i + 1 < n ? i + 1 : 0];
        const double a = (static_cast<double>(p.Y) * q.X - static_cast<double>(q.Y) * p.X) / 2;
        A += a;
        Sx += (static_cast<double>(p.X) + q.X) * a / 3;
        Sy += (static_cast<double>(p.Y) + q.Y) * a / 3;
    }
    if (!(std::fabs(A) > 1e-6)) return {};
    const Punto g{static_cast<float>(Sx / A), static_cast<float>(Sy / A)};
    return std::isfinite(g.X) && std::isfinite(g.Y) ? g : Punto{};
}

void TratteggioBloccoDxf(ContestoDxf& c, bool r12, const std::vector<Punto>& poligono, float passo,
                         float angolo, int incrociato, const std::string& layer, int stile) {
    if (!c.Entita || !c.Blocchi) return;
    std::vector<PezzoTratteggio> pezzi;
    if (!PezziTratteggio(poligono, passo, angolo, incrociato, pezzi)) return;
    const Punto g = BaricentroTratteggio(poligono);
    const float F = Imp.FattoreDxf;
    const std::string nome = NomeBloccoTratteggio(c);
    std::string record;
    if (r12) {
        BloccoDxf12(c, nome);
    } else {
        record = NuovoHandle(c);
        c.HandleBlocchiX.push_back(record);
        BloccoDxf(c, 0, nome, layer, record);
    }
    // Where a reader puts the lines: the block's, moved to the INSERT's point.
    const float gx = DxfX(g.X), gy = DxfY(g.Y);
    c.Estensione.Aggiungi(gx, gy);
    for (const PezzoTratteggio& p : pezzi) {
        const float x1 = (p.X1 - g.X) * F, y1 = (p.Y1 - g.Y) * F, x2 = (p.X2 - g.X) * F, y2 = (p.Y2 - g.Y) * F;
        c.Estensione.Aggiungi(x1 + gx, y1 + gy);
        c.Estensione.Aggiungi(x2 + gx, y2 + gy);
        if (r12) LineaDxf12(c, x1, y1, x2, y2, stile, 0, layer);
        else LineaBloccoDxf(c, x1, y1, x2, y2, stile, 0, layer, record);
    }
    if (r12) FineBloccoDxf12(c);
    else FineBloccoDxf(c, record);
    InserisciTratteggio(c, r12, nome, layer, g);
}

void TratteggioPoligono(const std::vector<Punto>& poligono, float passo, float angolo, int incrociato,
                        int layer, int stile, int uscita) {
    if (uscita == -1) return;
    if (uscita != 0) {
        if (ScrittoreDxf* w = ScrittoreCorrente()) {
            if (LayerVisibile(layer))
                TratteggioBloccoDxf(w->Contesto(), w->R12(), poligono, passo, angolo, incrociato,
                                    Strati.NomiLayer[static_cast<size_t>(layer)], stile);
            return;
        }
    }
    std::vector<PezzoTratteggio> pezzi;
    PezziTratteggio(poligono, passo, angolo, incrociato, pezzi);
    for (const PezzoTratteggio& p : pezzi) DisLinea(p.X1, p.Y1, p.X2, p.Y2, layer, stile, uscita);
}

void InstallaTratteggioDxf() { TratteggioDxf = &TratteggioPoligono; }

}  // namespace vilmor
