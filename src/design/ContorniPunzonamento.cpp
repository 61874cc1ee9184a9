#include "design/ContorniPunzonamento.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "base/NumeriAngoli.h"
#include "design/ContorniArmatura.h"

namespace vilmor {

namespace {

// The octagon of a round column takes this factor, not the square root of one half.
constexpr double FattoreOttagono = 0.707;
// Half-side of the square about a node without column, before the growth.
constexpr float SemiLatoNodo = 20;

void Imposta(Punzonamento& r, std::initializer_list<Punto> v) {
    r.NumVertici = static_cast<int>(v.size());
    r.VertX.clear();
    r.VertY.clear();
    for (const Punto& p : v) {
        r.VertX.push_back(p.X);
        r.VertY.push_back(p.Y);
    }
}

// Vertices clockwise from the upper right corner.
void Rettangolo(Punzonamento& r, float X, float Y, float a, float b) {
    Imposta(r, {{X + a, Y + b}, {X + a, Y - b}, {X - a, Y - b}, {X - a, Y + b}});
}

}  // namespace

float DistanzaContorniPunz(const Modello& m) {
    float altezza = m.Progetto.Spessore - m.Progetto.Copriferro;
    return ArrotondaGiuMezzo(static_cast<float>(static_cast<double>(altezza) * 0.4));
}

void SemiLatiPilastro(const Modello& m, const Pilastro& c, float& a, float& b) {
    a = 15;
    b = 15;
    int s = IndiceSezionePilastro(m.Archivio, c.Tipo - 1);
    if (s >= 0 && s < static_cast<int>(m.Archivio.SezioniPilastro.size())) {
        const SezionePilastro& sez = m.Archivio.SezioniPilastro[static_cast<size_t>(s)];
        a = sez.Dim1 / 2;
        b = sez.Dim0 / 2;
    }
    float A = c.Angolo;
    if ((A > 45 && A < 135) || (A > 225 && A < 315)) std::swap(a, b);
}

void CalcContorniPunz(Modello& m) {
    const float d = DistanzaContorniPunz(m);
    ModelloAnalisi& an = m.Analisi;
    const GeometriaSoletta& g = m.Soletta;
    int n = std::min(an.NumPunzonamenti, static_cast<int>(an.Punzonamenti.size()));
    for (int p = 0; p < n; ++p) {
        Punzonamento& r = an.Punzonamenti[static_cast<size_t>(p)];
        int ip = r.IndicePilastro;
        if (ip < 0) {
            int in = r.IndiceNodo;
            if (in < 0 || in >= an.NumNodi || in >= static_cast<int>(an.Nodi.size())) {
                Imposta(r, {});
                continue;
            }
            const Nodo& nodo = an.Nodi[static_cast<size_t>(in)];
            float h = d + SemiLatoNodo;
            Rettangolo(r, nodo.X, nodo.Y, h, h);
            continue;
        }
        if (ip >= g.NumPilastri || ip >= static_cast<int>(g.Pilastri.size())) {
            Imposta(r, {});
            continue;
        }
        const Pilastro& c = g.Pilastri[static_cast<size_t>(ip)];
        const float X = c.X, Y = c.Y;
        if (c.NumVertici >= 3) {
            Imposta(r, {});  // replaced below when the column has its vertices
            ContornoElementi(m, p, d);
        } else if (c.NumVertici == 0) {
            float a, b;
            SemiLatiPilastro(m, c, a, b);
            Imposta(r, {{X + d + a, Y + d + b}, {X + d + a, Y - d - b}, {X - d - a, Y - d - b}, {X - d - a, Y + d + b}});
        } else if (c.NumVertici > 0) {
            float raggio = c.VX.empty() ? 0.0f : c.VX[0];
            float R = d + raggio;
            double k = FattoreOttagono * R;
            auto v = [&](double dx, double dy) {
                return Punto{static_cast<float>(X + dx), static_cast<float>(Y + dy)};
            };
            Imposta(r, {v(0, R), v(k, k), v(R, 0), v(k, -k), v(0, -R), v(-k, -k), v(-R, 0), v(-k, k)});
        } else {
            Imposta(r, {});
        }
    }
}

}  // namespace vilmor
