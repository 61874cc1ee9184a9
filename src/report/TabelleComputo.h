// Pieces shared by the schedules of the quantities report: the table frame, the number texts
// and the weight of a set of bars.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Testo1252.h"
#include "model/definizioni.h"
#include "report/Mod_RTF.h"

namespace vilmor::computo {

// Str without its sign blank.
inline std::string Trim(const std::string& s) { return !s.empty() && s[0] == ' ' ? s.substr(1) : s; }
inline std::string TrimStr(int v) { return Trim(Str(v)); }
inline std::string TrimStr(float v) { return Trim(Str(v)); }

// Kg of bars of diameter d (mm) and total length L (cm); 0 for figures that are not numbers.
inline float PesoFerri(int d, double L) {
    const float p = static_cast<float>(static_cast<double>(AreaBarra(d)) * 0.00785 * L);
    return std::isfinite(p) ? p : 0.0f;
}

// A whole number of a real count: floor, 0 for a value that is not a count (not a number, below
// 0 or beyond any real count).
inline int Intero(double v) {
    if (!(v >= 0) || v > 1.0e9) return 0;
    return static_cast<int>(std::floor(v));
}

// A height inside the slab: never below 0, however thin the slab.
inline double NonNegativo(double v) { return v > 0 ? v : 0; }

// The last zone whose record and outline both exist.
inline int UltimaZonaValida(const ZoneArmatura& za) {
    return std::min({za.UltimaZona, static_cast<int>(za.Zone.size()) - 1, static_cast<int>(za.VerticiZone.size()) - 1});
}

// The row definition with the cells' right edges (twips), then the header row.
inline std::string InizioTabella(std::initializer_list<int> bordi, const std::string& intestazione) {
    std::string s = "\\fs18 " + InizioRiga();
    for (int b : bordi) s += BordoCella(b);
    return s + "\\intbl\\nowidctlpar  " + intestazione + "\\cell\\row ";
}

// A row closes its last cell before the row mark, so that every reader keeps the last column.
inline constexpr const char* FineRiga = "\\cell\\row ";
inline constexpr const char* FineTabella = "\\pard\\fs20 ";
inline constexpr const char* Cella = "\\cell  ";

}  // namespace vilmor::computo
