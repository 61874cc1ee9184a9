#include "app/AgganciaOggetti.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "app/EditPerimetro.h"
#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "base/ScansioneRighe.h"
#include "design/DirezioniZona.h"
#include "model/Poligoni.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

size_t Fino(int n, size_t dimensione) { return static_cast<size_t>(std::clamp<long long>(n, 0, static_cast<long long>(dimensione))); }

bool Acceso(int i) { return Strati.OsnapQuote[static_cast<size_t>(i)] > 0; }
bool Visibile(int layer) { return Strati.VisLayerVideo[static_cast<size_t>(layer)] == 1; }
bool Disegnato(int layer) { return Strati.VisLayerCorr[static_cast<size_t>(layer)] != 0; }

// The bar ends of a face zone or a curb, row by row: each row's crossings with the zone outline
// paired along the bars, offered at the row's own height.
void EstremiBarre(const DatiProgetto& pr, const Zona& z, const std::vector<Punto>& vertici,
                  std::vector<CandidatoAggancio>& out) {
    const int dir = z.Direzione != 0 ? 1 : 0;
    const size_t nv = Fino(z.UltVertice + 1, vertici.size());
    if (nv == 0) return;
    std::vector<Punto> poligono(nv);
    for (size_t k = 0; k < nv; ++k) poligono[k] = RuotaDirArmatura(pr, dir, vertici[k].X, vertici[k].Y);
    const Punto p0 = dir == 0 ? RuotaDirArmatura(pr, 0, z.XMin1, z.YMin1) : RuotaDirArmatura(pr, 1, z.XMin2, z.YMin2);
    const Punto p1 = dir == 0 ? RuotaDirArmatura(pr, 0, z.XMax1, z.YMax1) : RuotaDirArmatura(pr, 1, z.XMax2, z.YMax2);
    const float a0 = p0.X - 1000, a1 = p1.X + 1000, b0 = p0.Y, b1 = p1.Y;
    // Rows placed from b0 afresh; a spacing that gives no row count offers nothing.
    const int64_t n = NumeroRighe(b0, z.Passo, b1, false);
    if (n < 0) return;
    std::vector<float> incroci;
    for (int64_t r = 0; r < std::max<int64_t>(n, 1); ++r) {
        const float b = static_cast<float>(RigaScansione(b0, z.Passo, r));
        float h = b;
        if (std::fabs(b - b0) < 0.1f) h = b + 0.5f;
        else if (std::fabs(b - b1) < 0.1f) h = b - 0.5f;
        incroci.clear();
        for (size_t k = 0; k < nv; ++k) {
            const Punto& u = poligono[k];
            const Punto& v = poligono[k + 1 < nv ? k + 1 : 0];
            float xi = 0, yi = 0, xj = 0, yj = 0;
            int codice = 0;
            Intersezione(a0, h, a1, h, u.X, u.Y, v.X, v.Y, xi, yi, codice, xj, yj);
            if (codice > 1) incroci.push_back(xi);
        }
        std::sort(incroci.begin(), incroci.end());
        for (const float x : incroci) {
            const Punto q = RuotaDirArmaturaInv(pr, dir, x, b);
            out.push_back({q.X, q.Y, false});
        }
    }
}

// The bar ends of each zone, kept while the zone, its outline and the bar frames are those
// they were computed from: rebuilding them row by row on every move of the mouse would cost
// far more than testing them.
struct ChiaveZona {
    std::array<double, 8> Frame{};
    std::array<float, 9> Valori{};
    std::array<int, 3> Interi{};
    bool operator==(const ChiaveZona&) const = default;
};

ChiaveZona ChiaveDi(const DatiProgetto& pr, const Zona& z) {
    ChiaveZona k;
    k.Frame = {pr.CosDir1, pr.SinDir1, pr.CosDir2, pr.SinDir2, pr.CosInvDir1, pr.SinInvDir1, pr.CosInvDir2, pr.SinInvDir2};
    k.Valori = {z.Passo, z.XMin1, z.YMin1, z.XMax1, z.YMax1, z.XMin2, z.YMin2, z.XMax2, z.YMax2};
    k.Interi = {z.Tipo, z.Direzione, z.UltVertice};
    return k;
}

struct VoceCache {
    ChiaveZona Chiave;
    std::vector<Punto> Vertici;
    std::vector<CandidatoAggancio> Estremi;
    bool Valida = false;
};

struct CacheZone {
    const Modello* Da = nullptr;
    std::vector<VoceCache> Voci;
};

const std::vector<CandidatoAggancio>& EstremiInCache(CacheZone& cache, const Modello& m, size_t i, const Zona& z,
                                                      const std::vector<Punto>& vertici) {
    if (cache.Da != &m) {
        cache.Voci.clear();
        cache.Da = &m;
    }
    if (cache.Voci.size() <= i) cache.Voci.resize(i + 1);
    VoceCache& v = cache.Voci[i];
    const ChiaveZona k = ChiaveDi(m.Progetto, z);
    const auto uguali = [](const Punto& a, const Punto& b) { return a.X == b.X && a.Y == b.Y; };
    if (!v.Valida || !(v.Chiave == k) || !std::equal(v.Vertici.begin(), v.Vertici.end(), vertici.begin(), vertici.end(), uguali)) {
        v.Chiave = k;
        v.Vertici = vertici;
        v.Estremi.clear();
        EstremiBarre(m.Progetto, z, vertici, v.Estremi);
        v.Valida = true;
    }
    return v.Estremi;
}

// Walks the candidates in scan order until `prova` takes one (returns true). With a cache the
// zones' bar ends come from it.
template <class F> bool Percorri(const Modello& m, int senzaZone, CacheZone* cache, F&& prova) {
    const GeometriaSoletta& g = m.Soletta;
    if (Acceso(7) && Visibile(7))
        for (size_t i = 0; i < Fino(g.NumTravi, g.Travi.size()); ++i) {
            const Segmento& s = g.Travi[i];
            if (prova(s.X1, s.Y1, false) || prova(s.X2, s.Y2, false)) return true;
        }
    for (size_t i = 0; i < Fino(g.NumPilastri, g.Pilastri.size()); ++i) {
        const Pilastro& p = g.Pilastri[i];
        if (p.NumVertici >= 1) {
            if (!Acceso(2) || !Disegnato(2)) continue;
            if (prova(p.X, p.Y, true)) return true;
            // A triangle (kind 3) has vertices to offer as every polygon does.
            if (p.NumVertici >= 3) {
                const size_t n = std::min({static_cast<size_t>(p.NumVertici), p.VX.size(), p.VY.size()});
                for (size_t k = 0; k < n; ++k)
                    if (prova(p.VX[k], p.VY[k], false)) return true;
            }
        } else if (Acceso(3) && Visibile(3)) {
            if (prova(p.X, p.Y, true)) return true;
        }
    }
    if (Disegnato(16))
        for (size_t i = 0; i < Fino(g.NumPali, g.Pali.size()); ++i) {
            const Palo& p = g.Pali[i];
            if (prova(p.X, p.Y, true) || prova(p.X + p.Raggio, p.Y, false) || prova(p.X - p.Raggio, p.Y, false) ||
                prova(p.X, p.Y + p.Raggio, false) || prova(p.X, p.Y - p.Raggio, false))
                return true;
        }
    if (Acceso(4) && Visibile(4))
        for (size_t i = 0; i < Fino(g.NumSetti, g.Setti.size()); ++i) {
            const Segmento& s = g.Setti[i];
            if (prova(s.X1, s.Y1, false) || prova(s.X2, s.Y2, false)) return true;
        }
    if (Acceso(0) && senzaZone <= 0 && Visibile(0)) {
        const ZoneArmatura& za = m.Zone;
        const int vista = Vista.CodiceVista;
        static const std::vector<Punto> nessuno;
        std::vector<CandidatoAggancio> estremi;
        for (size_t i = 0; i < Fino(za.UltimaZona + 1, za.Zone.size()); ++i) {
            const Zona& z = za.Zone[i];
            const std::vector<Punto>& v = i < za.VerticiZone.size() ? za.VerticiZone[i] : nessuno;
            const bool barre = vista == 14 ? z.Tipo == 0 : vista == 15 ? z.Tipo == 1 : z.Tipo == 2;
            if (barre) {
                const std::vector<CandidatoAggancio>* e = &estremi;
                if (cache) {
                    e = &EstremiInCache(*cache, m, i, z, v);
                } else {
                    estremi.clear();
                    EstremiBarre(m.Progetto, z, v, estremi);
                }
                for (const CandidatoAggancio& c : *e)
                    if (prova(c.X, c.Y, false)) return true;
            } else if (vista != 14 && vista != 15 && z.Tipo == 3) {
                for (size_t k = 0; k < Fino(z.UltVertice + 1, v.size()); ++k)
                    if (prova(v[k].X, v[k].Y, false)) return true;
            }
        }
    }
    if (Acceso(5) && Visibile(5)) {
        for (size_t k = 0; k < Fino(g.NumVertContorno, g.Contorno.size()); ++k)
            if (prova(g.Contorno[k].X, g.Contorno[k].Y, false)) return true;
        for (int f = 0; f < g.NumFori && static_cast<size_t>(f) < g.NumVertForo.size(); ++f)
            for (int k = 0; k < g.NumVertForo[static_cast<size_t>(f)]; ++k)
                if (prova(PoliX(g, f, k), PoliY(g, f, k), false)) return true;
    }
    return false;
}

}  // namespace

std::vector<CandidatoAggancio> CandidatiAggancio(const Modello& m, int senzaZone) {
    std::vector<CandidatoAggancio> c;
    Percorri(m, senzaZone, nullptr, [&](float x, float y, bool cerchio) {
        c.push_back({x, y, cerchio});
        return false;
    });
    return c;
}

void AgganciaOggetti(const Modello& m, float x, float y, int senzaZone, int commit) {
    InizioAggancio();
    static CacheZone cache;
    CandidatoAggancio c;
    float px = 0, py = 0;
    const bool trovato = Percorri(m, senzaZone, &cache, [&](float cx, float cy, bool cerchio) {
        px = XSchermo(cx), py = YSchermo(cy);
        if (!EntroAggancio(x, y, px, py)) return false;
        c = {cx, cy, cerchio};
        return true;
    });
    if (trovato) {
        // Unlike the grid's, a hover mark leaves the state as it was.
        if (commit != 0) {
            Vista.XAggancio = px;
            Vista.YAggancio = py;
            Vista.StatoAggancio = 1;
        } else {
            MarcaAggancio(px, py, 6, c.Cerchio);
        }
        if (SuperficieVideo* v = Piatt.Ctrl_Vid) v->SpessorePenna(1);
        return;
    }
    NessunAggancio();
}

void AgganciaOggetti(float x, float y, int senzaZone, int commit) { AgganciaOggetti(M, x, y, senzaZone, commit); }

}  // namespace vilmor
