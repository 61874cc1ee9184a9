// A copy of a text file with one of its values changed, for the readers' tests.
#pragma once

#include <algorithm>
#include <string>

namespace vilmor::prova {

// Value k (0-based) of a line replaced by `valore`; values are separated by blanks and commas.
inline void SostituisciValore(std::string& riga, int k, const std::string& valore) {
    size_t a = 0;
    for (int i = 0;; ++i) {
        a = riga.find_first_not_of(" ,", a);
        const size_t b = std::min(riga.find_first_of(" ,", a), riga.size());
        if (i == k) {
            riga.replace(a, b - a, valore);
            return;
        }
        a = b;
    }
}

// The file with value k of line r (1-based) replaced by `valore`; lines end in CR LF or LF.
inline std::string ConValore(const std::string& file, int r, int k, const std::string& valore) {
    size_t inizio = 0;
    for (int i = 1; i < r; ++i) inizio = file.find('\n', inizio) + 1;
    const size_t fine = std::min(file.find_first_of("\r\n", inizio), file.size());
    std::string riga = file.substr(inizio, fine - inizio);
    SostituisciValore(riga, k, valore);
    return file.substr(0, inizio) + riga + file.substr(fine);
}

}  // namespace vilmor::prova
