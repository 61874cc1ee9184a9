#include "model/FusioneNodi.h"

#include <algorithm>
#include <cmath>

namespace vilmor {

namespace {

// Cells of 0.1 cm whose edges lie halfway between the 0.1 cm steps to which the reader rounds
// the positions: a rounded position is never near an edge, so one cell is searched.
constexpr double LatoCella = 0.1;
constexpr double ScartoCella = 0.05;

int32_t IndiceCella(double v) {
    double k = std::floor((v + ScartoCella) / LatoCella);
    // Beyond any plan coordinate (or not a number): all in one end cell, still searched.
    if (!(k > -2.0e9)) return -2000000000;
    if (k > 2.0e9) return 2000000000;
    return static_cast<int32_t>(k);
}

uint64_t Chiave(int32_t kx, int32_t ky) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(kx)) << 32) | static_cast<uint32_t>(ky);
}

bool Corrisponde(float sx, float sy, float X, float Y, double tol) {
    float dx = std::fabs(sx - X);
    float dy = std::fabs(sy - Y);
    return static_cast<double>(dx) < tol && static_cast<double>(dy) < tol;
}

size_t Mescola(uint64_t k) {
    k ^= k >> 33;
    k *= 0xff51afd7ed558ccdULL;
    k ^= k >> 33;
    return static_cast<size_t>(k);
}

// The cell of that key, or nullptr when no record lies in it.
const IndiceGriglia::Cella* Trova(const IndiceGriglia& g, uint64_t chiave) {
    if (g.Celle.empty()) return nullptr;
    const size_t maschera = g.Celle.size() - 1;
    for (size_t i = Mescola(chiave) & maschera;; i = (i + 1) & maschera) {
        const IndiceGriglia::Cella& c = g.Celle[i];
        if (c.Primo < 0) return nullptr;
        if (c.Chiave == chiave) return &c;
    }
}

// The slot of that key, taken for it when free; the table is kept at most half full.
IndiceGriglia::Cella& Posto(IndiceGriglia& g, uint64_t chiave) {
    if (2 * (static_cast<size_t>(g.CelleUsate) + 1) > g.Celle.size()) {
        std::vector<IndiceGriglia::Cella> vecchie = std::move(g.Celle);
        g.Celle.assign(std::max<size_t>(64, 2 * vecchie.size()), IndiceGriglia::Cella{});
        const size_t m = g.Celle.size() - 1;
        for (const IndiceGriglia::Cella& c : vecchie) {
            if (c.Primo < 0) continue;
            size_t i = Mescola(c.Chiave) & m;
            while (g.Celle[i].Primo >= 0) i = (i + 1) & m;
            g.Celle[i] = c;
        }
    }
    const size_t maschera = g.Celle.size() - 1;
    size_t i = Mescola(chiave) & maschera;
    while (g.Celle[i].Primo >= 0 && g.Celle[i].Chiave != chiave) i = (i + 1) & maschera;
    return g.Celle[i];
}

void Inserisci(IndiceGriglia& g, float X, float Y) {
    int i = g.Conteggio;
    g.Successivo.push_back(-1);
    uint64_t chiave = Chiave(IndiceCella(X), IndiceCella(Y));
    IndiceGriglia::Cella& c = Posto(g, chiave);
    if (c.Primo < 0) {
        c.Chiave = chiave;
        c.Primo = i;
        ++g.CelleUsate;
    } else {
        g.Successivo[static_cast<size_t>(c.Ultimo)] = i;
    }
    c.Ultimo = i;
    ++g.Conteggio;
}

// Brings the index in line with records 0 .. n - 1 of the table: new records are listed, and
// a table that shrank (a new load) is listed afresh.
template <class T> void Allinea(IndiceGriglia& g, const std::vector<T>& tab, int n) {
    if (g.Conteggio > n || static_cast<int>(g.Successivo.size()) != g.Conteggio) g.Svuota();
    if (g.Conteggio == 0 && n > 0) g.Successivo.reserve(static_cast<size_t>(n));
    while (g.Conteggio < n) {
        const T& r = tab[static_cast<size_t>(g.Conteggio)];
        Inserisci(g, r.X, r.Y);
    }
}

// The lowest index whose record matches: every cell the tolerance can reach is searched, each
// in index order up to its first match.
template <class T> int Cerca(const IndiceGriglia& g, const std::vector<T>& tab, float X, float Y, double tol) {
    const double margine = 2 * tol;  // well beyond the rounding of the single-precision test
    int32_t x0 = IndiceCella(X - margine), x1 = IndiceCella(X + margine);
    int32_t y0 = IndiceCella(Y - margine), y1 = IndiceCella(Y + margine);
    int trovato = -1;
    for (int64_t kx = x0; kx <= x1; ++kx) {
        for (int64_t ky = y0; ky <= y1; ++ky) {
            const IndiceGriglia::Cella* c = Trova(g, Chiave(static_cast<int32_t>(kx), static_cast<int32_t>(ky)));
            if (!c) continue;
            for (int i = c->Primo; i >= 0; i = g.Successivo[static_cast<size_t>(i)]) {
                if (trovato >= 0 && i >= trovato) break;
                const T& r = tab[static_cast<size_t>(i)];
                if (Corrisponde(r.X, r.Y, X, Y, tol)) {
                    trovato = i;
                    break;
                }
            }
        }
    }
    return trovato;
}

// A table whose count runs ahead of its array is grown; a negative count is none.
template <class T> void Ripara(std::vector<T>& tab, int& n) {
    if (n < 0) n = 0;
    if (tab.size() < static_cast<size_t>(n)) tab.resize(static_cast<size_t>(n));
}

// Puts the record at index n: over a spare entry left beyond the count, or appended.
template <class T> void Accoda(std::vector<T>& tab, int n, T r) {
    if (tab.size() > static_cast<size_t>(n)) tab[static_cast<size_t>(n)] = std::move(r);
    else tab.push_back(std::move(r));
}

}  // namespace

void AggiungiNodo(ModelloAnalisi& a, float X, float Y, int32_t Numero, float RichSup1, float RichSup2,
                  float RichInf1, float RichInf2, float RichTaglio1, float RichTaglio2, int& Indice) {
    Ripara(a.Nodi, a.NumNodi);
    Allinea(a.IndiceNodi, a.Nodi, a.NumNodi);
    int i = Cerca(a.IndiceNodi, a.Nodi, X, Y, TolleranzaNodo);
    if (i >= 0) {
        Nodo& n = a.Nodi[static_cast<size_t>(i)];
        if (n.RichSup1 < RichSup1) n.RichSup1 = RichSup1;
        if (n.RichSup2 < RichSup2) n.RichSup2 = RichSup2;
        if (n.RichInf1 < RichInf1) n.RichInf1 = RichInf1;
        if (n.RichInf2 < RichInf2) n.RichInf2 = RichInf2;
        // The shear pair goes as a whole: the larger sum wins, a tie keeps the stored pair.
        float s = RichTaglio1 + RichTaglio2;
        float t = n.RichTaglio1 + n.RichTaglio2;
        if (s > t) {
            n.RichTaglio1 = RichTaglio1;
            n.RichTaglio2 = RichTaglio2;
        }
        Indice = i;
        return;
    }
    Nodo n;
    n.Numero = Numero;
    n.X = X;
    n.Y = Y;
    n.RichSup1 = RichSup1;
    n.RichSup2 = RichSup2;
    n.RichInf1 = RichInf1;
    n.RichInf2 = RichInf2;
    n.RichTaglio1 = RichTaglio1;
    n.RichTaglio2 = RichTaglio2;
    Accoda(a.Nodi, a.NumNodi, n);
    Inserisci(a.IndiceNodi, X, Y);
    Indice = a.NumNodi;
    ++a.NumNodi;
}

void AggiungiPunzonamento(ModelloAnalisi& a, float X, float Y, int IndiceNodo, const Punzonamento& p) {
    Ripara(a.Punzonamenti, a.NumPunzonamenti);
    Allinea(a.IndicePunz, a.Punzonamenti, a.NumPunzonamenti);
    int i = Cerca(a.IndicePunz, a.Punzonamenti, X, Y, TolleranzaPunzonamento);
    if (i >= 0) {
        // Only the stud values grow; the rest stays as the first line at this position gave it.
        Punzonamento& r = a.Punzonamenti[static_cast<size_t>(i)];
        if (p.AreaPiolo > r.AreaPiolo) r.AreaPiolo = p.AreaPiolo;
        if (p.PioliListello > r.PioliListello) r.PioliListello = p.PioliListello;
        if (p.NumListelli > r.NumListelli) r.NumListelli = p.NumListelli;
        if (p.TipoPunz > r.TipoPunz) r.TipoPunz = p.TipoPunz;
        return;
    }
    Punzonamento r = p;
    r.X = X;
    r.Y = Y;
    r.IndiceNodo = IndiceNodo;
    Accoda(a.Punzonamenti, a.NumPunzonamenti, std::move(r));
    Inserisci(a.IndicePunz, X, Y);
    ++a.NumPunzonamenti;
}

void RiservaNodi(ModelloAnalisi& a, size_t n) {
    a.Nodi.reserve(n);
    a.IndiceNodi.Successivo.reserve(n);
}

void InvalidaIndiciPosizione(ModelloAnalisi& a) {
    a.IndiceNodi.Svuota();
    a.IndicePunz.Svuota();
}

}  // namespace vilmor
