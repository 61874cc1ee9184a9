#include "drawing/DisGeometria.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "drawing/DisegnoZone.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/SezionePilastro.h"
#include "drawing/VociDisegno.h"
#include "model/Poligoni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

void Etichetta(const Pilastro& c, float x, float y, int Pianta, int vert, int uscita) {
    if (!LayerVisibile(14) || Pianta < 0 || Pianta > 3) return;
    DisTesto(x, y, "P" + std::to_string(c.Numero), 1, 14, 0, vert, 0, uscita);
}

void ContorniZone(const Modello& m) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    const ZoneArmatura& za = m.Zone;
    if (v) v->ColorePrimoPiano(ColorePalette(14));
    const int ultima = std::min(za.UltimaZona, static_cast<int>(za.Zone.size()) - 1);
    const bool soloCordoliPioli = Vista.CodiceVista == 12 || Vista.CodiceVista == 13;
    for (int z = 0; z <= ultima; ++z) {
        const Zona& zona = za.Zone[static_cast<size_t>(z)];
        if (soloCordoliPioli) {
            if (zona.Tipo != 2 && zona.Tipo != 3) continue;
        } else {
            const bool attiva = zona.Tipo == Vista.TipoZonaAttivo && zona.Direzione == Vista.DirezioneAttiva;
            if (!attiva && zona.Tipo != 2) continue;
            DisegnaFerriZona(m, z, Vista.DirezioneAttiva, Vista.TipoZonaAttivo);
        }
        const std::vector<Punto>& V = za.VerticiZone[static_cast<size_t>(z)];
        const int n = std::min(zona.UltVertice + 1, static_cast<int>(V.size()));
        if (v && n > 0) {
            for (int k = 0; k < n; ++k) {
                const Punto& a = V[static_cast<size_t>(k)];
                const Punto& b = V[static_cast<size_t>((k + 1) % n)];
                v->Linea(XSchermo(a.X), YSchermo(a.Y), XSchermo(b.X), YSchermo(b.Y), ColorePalette(13), true);
            }
        }
        const int stile = (Vista.ModoComando == 34 && z == Edit.ZonaSelezionata) ? 4 : 0;
        DisCerchio(zona.XMarca, zona.YMarca, 20, 2, stile, 0);
        DisTesto(zona.XMarca, zona.YMarca, std::to_string(z + 1), 2, 1, 1, 1, 0, 0);
    }
}

}  // namespace

void DisSetti(const Modello& m, float X, float Y, int uscita) {
    if (!LayerVisibile(4)) return;
    const GeometriaSoletta& g = m.Soletta;
    const int n = std::min(g.NumSetti, static_cast<int>(g.Setti.size()));
    for (int i = 0; i < n; ++i) {
        const Segmento& s = g.Setti[static_cast<size_t>(i)];
        DisLinea(s.X1 + X, s.Y1 + Y, s.X2 + X, s.Y2 + Y, 4, 3, uscita);
    }
}

void DisTravi(const Modello& m, float X, float Y, int uscita) {
    if (!LayerVisibile(7)) return;
    const GeometriaSoletta& g = m.Soletta;
    const int n = std::min(g.NumTravi, static_cast<int>(g.Travi.size()));
    for (int i = 0; i < n; ++i) {
        const Segmento& s = g.Travi[static_cast<size_t>(i)];
        DisLinea(s.X1 + X, s.Y1 + Y, s.X2 + X, s.Y2 + Y, 7, 3, uscita);
    }
}

void DisPali(const Modello& m, float X, float Y, int uscita) {
    if (!LayerVisibile(2)) return;
    const GeometriaSoletta& g = m.Soletta;
    const int n = std::min(g.NumPali, static_cast<int>(g.Pali.size()));
    for (int i = 0; i < n; ++i) {
        const Palo& p = g.Pali[static_cast<size_t>(i)];
        DisCerchio(p.X + X, p.Y + Y, p.Raggio, 2, 1, uscita);
    }
}

void DisPilastri(const Modello& m, float X, float Y, int Pianta, int uscita) {
    const GeometriaSoletta& g = m.Soletta;
    const int num = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    for (int p = 0; p < num; ++p) {
        const Pilastro& c = g.Pilastri[static_cast<size_t>(p)];
        const int n = std::min(c.NumVertici, static_cast<int>(std::min(c.VX.size(), c.VY.size())));
        if (c.NumVertici >= 3) {
            // A polygon, whatever its vertex count from 3 on: its outline, hatch and label each
            // on its own layer.
            if (n < 3) continue;
            std::vector<Punto> chiuso;
            chiuso.reserve(static_cast<size_t>(n) + 1);
            float xMax = -1e12f, yMin = 1e12f;
            for (int k = 0; k < n; ++k) {
                const Punto q{c.VX[static_cast<size_t>(k)] + X, c.VY[static_cast<size_t>(k)] + Y};
                chiuso.push_back(q);
                xMax = std::max(xMax, q.X);
                yMin = std::min(yMin, q.Y);
                const Punto& a = k == 0 ? Punto{c.VX[static_cast<size_t>(n - 1)] + X, c.VY[static_cast<size_t>(n - 1)] + Y}
                                        : chiuso[static_cast<size_t>(k - 1)];
                if (LayerVisibile(2)) DisLinea(a.X, a.Y, q.X, q.Y, 2, 1, uscita);
            }
            chiuso.push_back(chiuso.front());
            if (c.Tratteggio != 0 && LayerVisibile(22) && TratteggioDxf) TratteggioDxf(chiuso, 5, 45, -1, 22, 0, uscita);
            Etichetta(c, xMax + 10, yMin, Pianta, 0, uscita);
        } else if (c.NumVertici >= 1) {
            if (n < 1) continue;
            const float r = c.VX[0];
            if (LayerVisibile(2)) DisCerchio(c.X + X, c.Y + Y, r, 2, 1, uscita);
            Etichetta(c, c.X + X + r + 10, c.Y + Y, Pianta, 1, uscita);
        } else {
            if (LayerVisibile(3)) DisSezPilastro(m.Archivio, c.Tipo - 1, 360 - c.Angolo, c.X + X, c.Y + Y, uscita);
        }
    }
}

void DisGeometria(const Modello& m, float X, float Y, int Pianta, int uscita) {
    DisSetti(m, X, Y, uscita);
    DisPilastri(m, X, Y, Pianta, uscita);
    DisPali(m, X, Y, uscita);
    DisTravi(m, X, Y, uscita);
    const GeometriaSoletta& g = m.Soletta;
    const int nc = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    for (int i = 0; i < nc; ++i) {
        const Punto& a = g.Contorno[static_cast<size_t>(i)];
        const Punto& b = g.Contorno[static_cast<size_t>(i + 1 < nc ? i + 1 : 0)];
        DisLinea(a.X + X, a.Y + Y, b.X + X, b.Y + Y, 5, 0, uscita);
    }
    for (int f = 0; f < g.NumFori && f < static_cast<int>(g.NumVertForo.size()); ++f) {
        const int n = g.NumVertForo[static_cast<size_t>(f)];
        for (int k = 0; k < n; ++k) {
            const int j = k + 1 < n ? k + 1 : 0;
            DisLinea(PoliX(g, f, k) + X, PoliY(g, f, k) + Y, PoliX(g, f, j) + X, PoliY(g, f, j) + Y, 5, 0, uscita);
        }
    }
    if (uscita == 0 && Vista.CodiceVista >= 2 && Vista.CodiceVista <= 13 && m.Zone.UltimaZona > -1) ContorniZone(m);
}

}  // namespace vilmor
