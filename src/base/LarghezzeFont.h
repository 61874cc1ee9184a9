// Text widths of the font the drawings name ("Arial" in the DXF text style): the program's texts
// measured as a reader draws them, without a font library. Liberation Sans, the metric-compatible
// font Debian ships, has the same advance widths; tools/larghezze_font.py made the table from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/Punto.h"

namespace vilmor {

struct MetricaFont {
    int UnitaEm;           // font units per em
    int AltezzaMaiuscole;  // the capitals' height, font units
    // The advance width of the character of each Windows-1252 byte, font units.
    std::array<uint16_t, 256> Avanzamenti;
};

extern const MetricaFont FontTesti;

// The width of a text whose capitals are `altezza` high, as a DXF text of that height stands:
// the sum of its characters' advance widths. A character without a Windows-1252 form counts
// as the "?" the file writes.
double LarghezzaTesto(std::string_view utf8, double altezza);

// The corners of the box a text covers: its width as above, from its descenders' foot to above
// its capitals. Placed as a DXF TEXT places it at (x, y), turned by `angolo` degrees about that
// point; horizontal 0 left, 1 centre, 2 right; vertical 0 baseline, 1 bottom, 2 middle, 3 top.
std::array<Punto, 4> RiquadroTesto(float x, float y, std::string_view utf8, float altezza, float angolo, int oriz,
                                   int vert);

}  // namespace vilmor
