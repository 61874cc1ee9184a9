#include "design/OrdinaSezioni.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "design/DirezioniZona.h"

namespace vilmor {

namespace {

// Exchange sort: each entry against every later one, swapped at once on a strictly greater key.
template <class Chiave>
void Ordina(std::vector<Sezione>& v, Chiave chiave) {
    for (size_t i = 0; i < v.size(); ++i)
        for (size_t k = i + 1; k < v.size(); ++k)
            if (chiave(v[i]) > chiave(v[k])) Scambia(v[i], v[k]);
}

}  // namespace

void OrdinaSezioni(Modello& m) {
    SezioniQuote& sq = m.SezQuote;
    const int n = std::min(sq.UltimaSezione + 1, static_cast<int>(sq.Sezioni.size()));
    if (n < 2) return;
    std::vector<Sezione> dir1, dir2;
    for (int i = 0; i < n; ++i) {
        const Sezione& s = sq.Sezioni[static_cast<size_t>(i)];
        (s.Direzione == 0 ? dir1 : dir2).push_back(s);
    }
    Ordina(dir1, [](const Sezione& s) { return s.Y2; });
    Ordina(dir2, [](const Sezione& s) { return s.X2; });
    std::copy(dir1.begin(), dir1.end(), sq.Sezioni.begin());
    std::copy(dir2.begin(), dir2.end(), sq.Sezioni.begin() + static_cast<std::ptrdiff_t>(dir1.size()));
}

void OrdinaSezioni() { OrdinaSezioni(M); }

}  // namespace vilmor
