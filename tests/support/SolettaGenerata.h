// A large slab file generated for the tests and benchmarks: version 4, results in the file, on a
// square grid of nodes 37.5 cm apart, with the small outline of the sample.
#pragma once

#include <string>

#include "tools/StampaModello.h"

namespace vilmor::prova {

// n nodes, `lato` to a row, and n elements whose corners take nodes three apart.
inline std::string SolettaInGriglia(int n, int lato) {
    std::string s;
    s.reserve(static_cast<size_t>(n) * 640);
    auto riga = [&](const std::string& r) { s += r + "\r\n"; };
    riga("4");
    riga("1");
    riga("1");
    riga("1520.5,812.5");
    for (const char* v : {"0", "0", "0", "3", "20", "10", "25", "10", "25", "12", "20", "10", "14", "0", "90"})
        riga(v);
    riga(std::to_string(n));
    for (int i = 0; i < n; ++i) {
        double x = (i % lato) * 37.5, y = (i / lato) * 37.5;
        riga(std::to_string(i + 1) + "," + dump::Num(x) + "," + dump::Num(y));
        riga(dump::Num(2.6 + (i % 97) * 0.01) + "," + dump::Num(0.65 + (i % 13) * 0.01) + ",1.37,0.08");
        riga(dump::Num((i % 7) * 0.05) + ",0");
        riga("-1.33,-2.49,-4.52,-3.93");
        riga("0");
    }
    riga(std::to_string(n));
    for (int e = 0; e < n; ++e) {
        riga(std::to_string(e + 1) + ",0");
        for (int k = 0; k < 4; ++k) {
            int q = (e + k * 3) % n;
            riga(std::to_string(q + 1) + "," + std::to_string(q));
            riga(dump::Num(1.25 + (q % 31) * 0.01) + ",0.4");
            riga("2.96,1.5");
            riga(dump::Num((q % 5) * 0.1) + ",0");
        }
    }
    riga("4");
    for (const char* v : {"1520.5,812.5", "2720.5,812.5", "2720.5,1712.5", "1520.5,1712.5"}) riga(v);
    for (int i = 0; i < 5; ++i) riga("-1");
    riga("25");
    riga("\"SOL.DAT\"");
    return s;
}

}  // namespace vilmor::prova
