#include "drawing/SezionePilastro.h"

#include <cmath>
#include <initializer_list>

#include "base/Formati.h"
#include "base/Primitive.h"

namespace vilmor {

namespace {

constexpr int LayerPilastriAcciaio = 3;
constexpr int StileContinuo = 0;

struct Pt {
    double x, y;
};

// Local points turned by the angle and moved to the section's position.
struct Posa {
    double s, c, X, Y;
    int uscita;

    void Segmento(Pt p, Pt q) const {
        DisLinea(static_cast<float>(c * p.x - s * p.y + X), static_cast<float>(s * p.x + c * p.y + Y),
                 static_cast<float>(c * q.x - s * q.y + X), static_cast<float>(s * q.x + c * q.y + Y),
                 LayerPilastriAcciaio, StileContinuo, uscita);
    }
    void Polilinea(std::initializer_list<Pt> pts) const {
        const Pt* prec = nullptr;
        for (const Pt& p : pts) {
            if (prec) Segmento(*prec, p);
            prec = &p;
        }
    }
    // Web and the two flanges of an I or H profile centred at x = w.
    void ProfiloI(double w, double b, double h) const {
        Segmento({w, h}, {w, -h});
        Segmento({w + b, h}, {w - b, h});
        Segmento({w + b, -h}, {w - b, -h});
    }
    void Cerchio(double r) const {
        DisCerchio(static_cast<float>(X), static_cast<float>(Y), static_cast<float>(r), LayerPilastriAcciaio,
                   StileContinuo, uscita);
    }
};

}  // namespace

void DisSezPilastro(const ArchivioPilastri& a, int tipo, float angolo, float X, float Y, int uscita) {
    int k = IndiceSezionePilastro(a, tipo);
    if (k < 0) return;
    const SezionePilastro& sez = a.SezioniPilastro[k];
    const double b = sez.Dim1 / 2.0, h = sez.Dim0 / 2.0;
    const double e1 = sez.EccBaricentro1, e2 = sez.EccBaricentro2;
    const double ang = GradiRadianti(angolo);
    const Posa P{std::sin(ang), std::cos(ang), X, Y, uscita};
    const int forma = a.FormaPilastro[tipo];

    if (a.TipoSezPilastro[tipo] == 1) {
        switch (forma) {
            case 1: case 2: case 3: case 4: case 5:  // I and H profiles
                P.ProfiloI(0, b, h);
                break;
            case 6: case 7:  // angles, heel at (-e1, e2)
                P.Polilinea({{-e1, e2 - 2 * h}, {-e1, e2}, {2 * b - e1, e2}});
                break;
            case 8:  // channel, web at x = e1
                P.Polilinea({{e1 - 2 * b, -h}, {e1, -h}, {e1, h}, {e1 - 2 * b, h}});
                break;
            case 9:  // square hollow section
                P.Polilinea({{-h, -h}, {h, -h}, {h, h}, {-h, h}, {-h, -h}});
                break;
            case 10:  // circular hollow section
                P.Cerchio(h);
                break;
            default: break;
        }
        return;
    }

    // Composite: d is half the archive spacing (mm) in centimetres.
    const double d = a.DimPilastro[tipo][1] / 20.0;
    switch (forma) {
        case 1: case 3: case 4:  // two angles back to back, horizontal legs on top
            P.Polilinea({{-d, e2 - 2 * h}, {-d, e2}, {-d - 2 * b, e2}});
            P.Polilinea({{d, e2 - 2 * h}, {d, e2}, {d + 2 * b, e2}});
            break;
        case 2:  // two angles corner to corner
            P.Polilinea({{-d, d + 2 * h}, {-d, d}, {-d - 2 * b, d}});
            P.Polilinea({{d, -d - 2 * h}, {d, -d}, {d + 2 * b, -d}});
            break;
        case 5:  // four angles, legs outward
            P.Polilinea({{-d, d + 2 * h}, {-d, d}, {-d - 2 * b, d}});
            P.Polilinea({{d, d + 2 * h}, {d, d}, {d + 2 * b, d}});
            P.Polilinea({{d, -d - 2 * h}, {d, -d}, {d + 2 * b, -d}});
            P.Polilinea({{-d, -d - 2 * h}, {-d, -d}, {-d - 2 * b, -d}});
            break;
        case 6:  // four angles, legs inward
            P.Polilinea({{2 * b - d, d}, {-d, d}, {-d, d - 2 * h}});
            P.Polilinea({{d - 2 * b, d}, {d, d}, {d, d - 2 * h}});
            P.Polilinea({{2 * b - d, -d}, {-d, -d}, {-d, 2 * h - d}});
            P.Polilinea({{d - 2 * b, -d}, {d, -d}, {d, 2 * h - d}});
            break;
        case 7:  // two channels, flanges facing each other
            P.Polilinea({{2 * b - d, h}, {-d, h}, {-d, -h}, {2 * b - d, -h}});
            P.Polilinea({{d - 2 * b, h}, {d, h}, {d, -h}, {d - 2 * b, -h}});
            break;
        case 8:  // two channels back to back
            P.Polilinea({{-d - 2 * b, h}, {-d, h}, {-d, -h}, {-d - 2 * b, -h}});
            P.Polilinea({{d + 2 * b, h}, {d, h}, {d, -h}, {d + 2 * b, -h}});
            break;
        case 9: case 10: case 11: case 12: case 13: {  // two I or H profiles side by side
            const double w = d - b;
            P.ProfiloI(w, b, h);
            P.ProfiloI(-w, b, h);
            break;
        }
        case 14: case 15: case 16: case 17:
            P.Cerchio(b);
            break;
        default: break;
    }
}

void DisSezPilastro(int tipo, float angolo, float X, float Y, int uscita) {
    DisSezPilastro(M.Archivio, tipo, angolo, X, Y, uscita);
}

}  // namespace vilmor
