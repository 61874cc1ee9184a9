#include "design/MappeColori.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "design/AccessoriNodi.h"
#include "design/TagliaFasce.h"

namespace vilmor {
namespace {

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

}  // namespace

const VoceMappa* VoceMappaDi(int tipo) {
    if (tipo < 0 || tipo >= static_cast<int>(Mappe.size())) return nullptr;
    return &Mappe[static_cast<size_t>(tipo)];
}

GenereMappa GenereMappaDi(int tipo) {
    if (tipo <= 3) return GenereMappa::Richiesta;
    if (tipo == 4) return GenereMappa::Punzonamento;
    return tipo <= 9 ? GenereMappa::Carenza : GenereMappa::Eccedenza;
}

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

int FasciaPunzonamento(float area, float inferiore, float superiore) {
    const float ampiezza = superiore - inferiore;
    if (!(std::fabs(ampiezza) > 0.0001f)) return 9;
    const float t = (area - inferiore) / ampiezza * 9;
    return static_cast<int>(std::nearbyint(9 - ArrotondaPari(t, 1)));
}

void CalcolaLivelli(float L, float U, std::array<double, 21>& livelli) {
    for (int i = 0; i < 10; ++i) {
        const float livello = L + (U - L) * static_cast<float>(i) / 10;
        livelli[static_cast<size_t>(i)] = static_cast<double>(livello) * 100;
    }
    livelli[10] = static_cast<double>(U) * 100;
}

FasceMappa::FasceMappa(const Modello& m, GenereMappa genere, int strato) : m_(m), genere_(genere), strato_(strato) {
    nodi_ = std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size()));
    grezzi_.resize(static_cast<size_t>(std::max(nodi_, 0)));
    for (int i = 0; i < nodi_; ++i)
        grezzi_[static_cast<size_t>(i)] =
            genere == GenereMappa::Richiesta ? RichiestaNodo(m, strato, i) : BilancioNodo(m, strato, i);
}

void FasceMappa::LimitiCarenza(float& L, float& U) const {
    L = U = nodi_ > 0 ? grezzi_[0] : 0.0f;
    for (float b : grezzi_) {
        L = std::min(L, b);
        U = std::max(U, b);
    }
    L = std::max(L, 0.0f);
    U = std::max(U, 0.0f);
}

float FasceMappa::Valore(float v) const {
    if (genere_ == GenereMappa::Carenza) return v < 0 ? 0.0f : v;
    if (genere_ == GenereMappa::Eccedenza) return v > 0 ? 0.0f : -v;
    return v;
}

void FasceMappa::Fasce(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c, bool intero) {
    X_ = {a.X, b.X, c.X};
    Y_ = {a.Y, b.Y, c.Y};
    Z_ = {static_cast<double>(a.V) * 100, static_cast<double>(b.V) * 100, static_cast<double>(c.V) * 100};
    PezziFascia& p = pezzi_;
    _cltria(*livelli_, NumLivelliMappa, X_, Y_, Z_, p.Num, p.Fascia, p.NumVertici, p.X, p.Y);
    uscita_->Pezzi(p, intero);
}

// The triangle cut to the part of it whose values lie in the range, then banded. The missing
// steel lies in its range by construction.
void FasceMappa::Triangolo(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) {
    if (genere_ == GenereMappa::Carenza) {
        if (uscita_->Triangolo(a, b, c, *livelli_, -INFINITY, INFINITY)) return;
        return Fasce(a, b, c, true);
    }
    const VerticeMappa* t[3] = {&a, &b, &c};
    int sotto = 0, sopra = 0;
    for (const VerticeMappa* v : t) {
        sotto += v->V < L_;
        sopra += v->V > U_;
    }
    if (sotto == 3 || sopra == 3) return;
    if (uscita_->Triangolo(a, b, c, *livelli_, L_, U_)) return;
    if (sotto == 0 && sopra == 0) return Fasce(a, b, c, true);
    std::array<VerticeMappa, 9> q;
    size_t n = 0;
    for (int k = 0; k < 3; ++k) {
        const VerticeMappa& s = *t[k];
        const VerticeMappa& e = *t[(k + 1) % 3];
        if (s.V >= L_ && s.V <= U_) q[n++] = s;
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
            incrocio(U_);
            incrocio(L_);
        } else {
            incrocio(L_);
            incrocio(U_);
        }
    }
    if (n < 3) return;
    for (size_t i = 2; i + 1 < n; ++i) Fasce(q[0], q[i], q[i + 1], false);
    Fasce(q[0], q[1], q[2], false);
}

// A triangle as it is; a quadrilateral as four triangles about the crossing of its diagonals,
// or as two along its inner diagonal when they do not cross.
void FasceMappa::Elemento(const vilmor::Elemento& e, bool piatto) {
    const int quanti = e.Triangolo == 1 ? 3 : 4;
    std::array<VerticeMappa, 4> c{};
    std::array<Punto, 4> pos{};
    std::array<float, 4> r{};
    for (size_t k = 0; k < static_cast<size_t>(quanti); ++k) {
        const int i = e.NodoIdx[k];
        if (i < 0 || i >= nodi_) return;
        const Nodo& n = m_.Analisi.Nodi[static_cast<size_t>(i)];
        pos[k] = {n.X, n.Y};
        r[k] = grezzi_[static_cast<size_t>(i)];
        c[k] = {n.X, n.Y, Valore(r[k])};
    }
    auto dipingi = [&](const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& d) {
        if (piatto) uscita_->Intero(a, b, d);
        else Triangolo(a, b, d);
    };
    if (quanti == 3) return dipingi(c[0], c[1], c[2]);
    if (!piatto) {
        float xc = 0, yc = 0, xj = 0, yj = 0;
        int codice = IntParallele;
        Intersezione(pos[0].X, pos[0].Y, pos[2].X, pos[2].Y, pos[1].X, pos[1].Y, pos[3].X, pos[3].Y, xc, yc, codice,
                     xj, yj);
        if (codice >= IntIncrocio && codice <= IntInP4) {
            // The centre takes the mean of the raw values, then the map's transform.
            const VerticeMappa centro{xc, yc, Valore((r[0] + r[1] + r[2] + r[3]) / 4)};
            uscita_->Ventaglio(c, centro);
            for (size_t k = 0; k < 4; ++k) Triangolo(c[k], c[(k + 1) % 4], centro);
            uscita_->FineVentaglio();
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

void FasceMappa::Maglia(bool piatto, const std::array<double, 21>& livelli, UscitaFasce& uscita) {
    livelli_ = &livelli;
    uscita_ = &uscita;
    const int elementi = std::min(m_.Analisi.NumElementi, static_cast<int>(m_.Analisi.Elementi.size()));
    for (int e = 0; e < elementi; ++e) Elemento(m_.Analisi.Elementi[static_cast<size_t>(e)], piatto);
    uscita.Fine();
    livelli_ = nullptr;
    uscita_ = nullptr;
}

}  // namespace vilmor
