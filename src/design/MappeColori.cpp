#include "design/MappeColori.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "design/LegendeMappa.h"
#include "design/TagliaFasce.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

enum class Genere { Richiesta, Punzonamento, Carenza, Eccedenza };

Genere GenereDi(int tipo) {
    if (tipo <= 3) return Genere::Richiesta;
    if (tipo == 4) return Genere::Punzonamento;
    return tipo <= 9 ? Genere::Carenza : Genere::Eccedenza;
}

struct VoceMappa {
    const char* Titolo;
    int Strato;
    int Direzione;  // the active direction the map sets
    int Lato;       // the active face the map sets
};

constexpr std::array<VoceMappa, 15> Mappe{{
    {"Area richiesta [cmq/m]", 0, 0, 0},
    {"Area richiesta [cmq/m]", 1, 0, 1},
    {"Area richiesta [cmq/m]", 2, 1, 0},
    {"Area richiesta [cmq/m]", 3, 1, 1},
    {"Area armatura punzonamento [cmq]", -1, 2, 2},
    {"Carenza di armatura [cmq/m]", 0, 0, 0},
    {"Carenza di armatura [cmq/m]", 1, 0, 1},
    {"Carenza di armatura [cmq/m]", 2, 1, 0},
    {"Carenza di armatura [cmq/m]", 3, 1, 1},
    {"Carenza area taglio [cmq/mq]", 4, 0, 2},
    {"Eccedenza di armatura [cmq/m]", 0, 0, 0},
    {"Eccedenza di armatura [cmq/m]", 1, 0, 1},
    {"Eccedenza di armatura [cmq/m]", 2, 1, 0},
    {"Eccedenza di armatura [cmq/m]", 3, 1, 1},
    {"Eccedenza di armatura taglio [cmq/mq]", 4, 2, 2},
}};

// Satisfied, within the tolerance or not verified, from the node's balance and requirement.
int32_t ColoreNodo(float b, float r) {
    if (b < 0.009f) return Rgb(88, 88, 88);
    const bool tollerato = Imp.ModoTolleranza == 0
                               ? Imp.TolleranzaPerc > 0 && b - Imp.TolleranzaPerc * r / 100 <= 0
                               : Imp.TolleranzaFissa > 0 && b - Imp.TolleranzaFissa <= 0;
    return tollerato ? ColorePalette(7) : ColorePalette(12);
}

// True when a quadrilateral must be split along 1-3: its reflex corner is 1 or 3.
bool Diagonale13(const std::array<Punto, 4>& c) {
    auto croce = [](const Punto& o, const Punto& a, const Punto& b) {
        return (static_cast<double>(a.X) - o.X) * (static_cast<double>(b.Y) - o.Y) -
               (static_cast<double>(a.Y) - o.Y) * (static_cast<double>(b.X) - o.X);
    };
    const double area = croce(c[0], c[1], c[2]) + croce(c[0], c[2], c[3]);
    if (area == 0) return false;
    for (size_t k = 0; k < 4; ++k) {
        const double svolta = croce(c[(k + 3) % 4], c[k], c[(k + 1) % 4]);
        if (svolta * area < 0) return k % 2 == 1;
    }
    return false;
}

struct VerticeMappa {
    double X, Y;
    float V;
};

// One painting of a map: its kind, layer and range, and the scratch it reuses for every
// triangle.
struct Passata {
    const Modello& m;
    SuperficieVideo* video;
    Genere genere;
    int strato;
    float L = 0, U = 0;
    int nodi = 0;
    std::vector<float> grezzi;         // the raw value of every node
    std::vector<Punto> PuntiPoligono;  // picture vertices of the polygon being filled
    int32_t colore = -1;               // the picture's foreground, once set
    std::array<double, 3> X{}, Y{}, Z{};
    int32_t numPoligoni = 0;
    std::array<int32_t, 21> fascia{}, numVertici{};
    std::array<double, 100> XP{}, YP{};

    Passata(const Modello& mod, Genere g, int s) : m(mod), video(Piatt.Ctrl_Vid), genere(g), strato(s) {
        nodi = std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size()));
        grezzi.resize(static_cast<size_t>(std::max(nodi, 0)));
        for (int i = 0; i < nodi; ++i)
            grezzi[static_cast<size_t>(i)] =
                genere == Genere::Richiesta ? RichiestaNodo(m, strato, i) : BilancioNodo(m, strato, i);
        PuntiPoligono.reserve(MaxVerticiFascia);
    }

    // The map's value of a raw value: the missing steel keeps what is positive, the excess
    // turns what is negative into its size.
    float Valore(float v) const {
        if (genere == Genere::Carenza) return v < 0 ? 0.0f : v;
        if (genere == Genere::Eccedenza) return v > 0 ? 0.0f : -v;
        return v;
    }

    // Pixels rounded half to even.
    void Pixel(double x, double y) {
        PuntiPoligono.push_back({std::nearbyint(XSchermo(static_cast<float>(x))),
                                 std::nearbyint(YSchermo(static_cast<float>(y)))});
    }

    // The piece in its band's colour, which the foreground follows. The pieces of neighbouring
    // triangles share their vertices, so they tile the mesh and no mesh line shows.
    void Riempi(int32_t c) {
        if (!video) return;
        if (c != colore) {
            video->ColorePrimoPiano(c);
            colore = c;
        }
        video->PoligonoPieno(PuntiPoligono, c);
    }

    void Fasce(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) {
        X = {a.X, b.X, c.X};
        Y = {a.Y, b.Y, c.Y};
        Z = {static_cast<double>(a.V) * 100, static_cast<double>(b.V) * 100, static_cast<double>(c.V) * 100};
        _cltria(Mappa.LivelliMappa, NumLivelliMappa, X, Y, Z, numPoligoni, fascia, numVertici, XP, YP);
        for (size_t p = 0; p < static_cast<size_t>(numPoligoni); ++p) {
            PuntiPoligono.clear();
            for (size_t v = 0; v < static_cast<size_t>(numVertici[p]); ++v) Pixel(XP[p + 20 * v], YP[p + 20 * v]);
            Riempi(ColoreFascia(fascia[p] - 1));
        }
    }

    // The triangle cut to the part of it whose values lie in the range, then banded. The
    // missing steel lies in its range by construction.
    void Triangolo(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) {
        if (genere == Genere::Carenza) return Fasce(a, b, c);
        const VerticeMappa* t[3] = {&a, &b, &c};
        int sotto = 0, sopra = 0;
        for (const VerticeMappa* v : t) {
            sotto += v->V < L;
            sopra += v->V > U;
        }
        if (sotto == 3 || sopra == 3) return;
        if (sotto == 0 && sopra == 0) return Fasce(a, b, c);
        std::array<VerticeMappa, 9> q;
        size_t n = 0;
        for (int k = 0; k < 3; ++k) {
            const VerticeMappa& s = *t[k];
            const VerticeMappa& e = *t[(k + 1) % 3];
            if (s.V >= L && s.V <= U) q[n++] = s;
            const float lung = static_cast<float>(std::hypot(e.X - s.X, e.Y - s.Y));
            auto incrocio = [&](float limite) {
                if (!((s.V < limite && limite < e.V) || (e.V < limite && limite < s.V))) return;
                // Worked out from the same end whichever triangle walks the edge, so that
                // neighbours meet at one point.
                const bool rovescio = std::tie(e.X, e.Y) < std::tie(s.X, s.Y);
                const VerticeMappa& a = rovescio ? e : s;
                const VerticeMappa& z = rovescio ? s : e;
                const float d = IndiceFascia(z.V, a.V, limite, lung);
                q[n++] = {ValoreLivello(a.X, z.X, lung, d), ValoreLivello(a.Y, z.Y, lung, d), limite};
            };
            // In their order from the start of the edge.
            if (s.V > e.V) {
                incrocio(U);
                incrocio(L);
            } else {
                incrocio(L);
                incrocio(U);
            }
        }
        if (n < 3) return;
        for (size_t i = 2; i + 1 < n; ++i) Fasce(q[0], q[i], q[i + 1]);
        Fasce(q[0], q[1], q[2]);
    }

    // A whole triangle in one colour.
    void Piatto(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) {
        PuntiPoligono.clear();
        for (const VerticeMappa* v : {&a, &b, &c}) Pixel(v->X, v->Y);
        Riempi(ColoreFascia(0));
    }

    // A triangle as it is; a quadrilateral as four triangles about the crossing of its
    // diagonals, or as two along its inner diagonal when they do not cross.
    void DipingiElemento(const Elemento& e, bool piatto) {
        const int quanti = e.Triangolo == 1 ? 3 : 4;
        std::array<VerticeMappa, 4> c{};
        std::array<Punto, 4> pos{};
        std::array<float, 4> r{};
        for (size_t k = 0; k < static_cast<size_t>(quanti); ++k) {
            const int i = e.NodoIdx[k];
            if (i < 0 || i >= nodi) return;
            const Nodo& n = m.Analisi.Nodi[static_cast<size_t>(i)];
            pos[k] = {n.X, n.Y};
            r[k] = grezzi[static_cast<size_t>(i)];
            c[k] = {n.X, n.Y, Valore(r[k])};
        }
        auto dipingi = [&](const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& d) {
            if (piatto) Piatto(a, b, d);
            else Triangolo(a, b, d);
        };
        if (quanti == 3) return dipingi(c[0], c[1], c[2]);
        if (!piatto) {
            float xc = 0, yc = 0, xj = 0, yj = 0;
            int codice = IntParallele;
            Intersezione(pos[0].X, pos[0].Y, pos[2].X, pos[2].Y, pos[1].X, pos[1].Y, pos[3].X, pos[3].Y, xc, yc,
                         codice, xj, yj);
            if (codice >= IntIncrocio && codice <= IntInP4) {
                // The centre takes the mean of the raw values, then the map's transform.
                const VerticeMappa centro{xc, yc, Valore((r[0] + r[1] + r[2] + r[3]) / 4)};
                for (size_t k = 0; k < 4; ++k) Triangolo(c[k], c[(k + 1) % 4], centro);
                return;
            }
        }
        if (Diagonale13(pos)) {
            dipingi(c[1], c[2], c[3]);
            dipingi(c[1], c[3], c[0]);
        } else {
            dipingi(c[0], c[1], c[2]);
            dipingi(c[0], c[2], c[3]);
        }
    }

    void Maglia(bool piatto) {
        const int elementi = std::min(m.Analisi.NumElementi, static_cast<int>(m.Analisi.Elementi.size()));
        for (int e = 0; e < elementi; ++e) DipingiElemento(m.Analisi.Elementi[static_cast<size_t>(e)], piatto);
    }

    void Marcatori() {
        if (!video) return;
        for (int i = 0; i < nodi; ++i) {
            const Nodo& n = m.Analisi.Nodi[static_cast<size_t>(i)];
            const int x = static_cast<int>(std::nearbyint(XSchermo(n.X)));
            const int y = static_cast<int>(std::nearbyint(YSchermo(n.Y)));
            if (genere == Genere::Carenza)
                video->RettangoloPienoRgb(x - 1, y - 1, x + 2, y + 2,
                                          ColoreNodo(grezzi[static_cast<size_t>(i)], RichiestaNodo(m, strato, i)));
            else
                video->Rettangolo(x, y, x + 1, y + 1, 0);
        }
    }
};

}  // namespace

float IndiceFascia(float a, float b, float v, float n) {
    if (a == b) return n + 1;
    return (v - b) * n / (a - b);
}

float ValoreLivello(double a, double b, float n, float k) {
    return static_cast<float>(a + (b - a) * static_cast<double>(k) / static_cast<double>(n));
}

void LimitiEccedenza(const Modello& m, int strato, float& inferiore, float& superiore) {
    const int nodi = std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size()));
    inferiore = superiore = 0;
    if (nodi <= 0) return;
    inferiore = superiore = BilancioNodo(m, strato, 0);
    for (int i = 1; i < nodi; ++i) {
        const float b = BilancioNodo(m, strato, i);
        if (b < inferiore) inferiore = b;
        if (b > superiore) superiore = b;
    }
    if (inferiore > 0) inferiore = 0;
    if (superiore > 0) superiore = 0;
    const float minimo = -superiore, massimo = -inferiore;
    inferiore = minimo;
    superiore = massimo;
}

void DisegnaMappaColori(Modello& m) {
    const int tipo = Vista.TipoMappa;
    if (tipo < 0 || tipo >= static_cast<int>(Mappe.size())) return;
    const VoceMappa& voce = Mappe[static_cast<size_t>(tipo)];
    Vista.DirezioneAttiva = voce.Direzione;
    Vista.TipoZonaAttivo = voce.Lato;
    const Genere genere = GenereDi(tipo);
    if (genere == Genere::Punzonamento) {
        if (DisegnaMappaPunz) DisegnaMappaPunz(m, Mappa.ScalaMin, Mappa.ScalaMax, voce.Titolo, 0);
        return;
    }

    Passata p(m, genere, voce.Strato);
    float L = Mappa.ScalaMin, U = Mappa.ScalaMax;
    if (genere == Genere::Carenza) {
        // The range of the missing steel over the nodes; 0 .. 0 without nodes.
        L = U = p.nodi > 0 ? p.grezzi[0] : 0.0f;
        for (float b : p.grezzi) {
            L = std::min(L, b);
            U = std::max(U, b);
        }
        L = std::max(L, 0.0f);
        U = std::max(U, 0.0f);
    }
    p.L = L;
    p.U = U;

    if (std::fabs(L) <= 0.009f && std::fabs(U) <= 0.009f) {
        // Nothing to tell apart: the whole mesh in the colour of band 0.
        LegendaMappa(m, U, L, voce.Titolo, voce.Direzione, voce.Lato);
        p.Maglia(true);
    } else {
        for (int i = 0; i < 10; ++i) {
            const float livello = L + (U - L) * static_cast<float>(i) / 10;
            Mappa.LivelliMappa[static_cast<size_t>(i)] = static_cast<double>(livello) * 100;
        }
        Mappa.LivelliMappa[10] = static_cast<double>(U) * 100;
        LegendaMappa(m, U, L, voce.Titolo, voce.Direzione, voce.Lato);
        // A range that falls has no bands to paint; legend and markers still show.
        if (!(U < L)) p.Maglia(false);
    }
    p.Marcatori();
}

}  // namespace vilmor
