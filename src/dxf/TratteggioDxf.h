// Hatching of a polygon with straight parallel lines: drawn on the screen line by line, and in
// DXF as an anonymous block "*X" n of the lines, relative to the polygon's centroid, placed
// once by an INSERT at the centroid.
#pragma once

#include <string>
#include <vector>

#include "base/Punto.h"
#include "dxf/ContestoDxf.h"

namespace vilmor {

struct PezzoTratteggio {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// One direction of hatch lines, `angolo` radians from the x axis, `passo` cm apart, as pieces
// in plan coordinates added to `pezzi`. The lines start at the polygon's lowest point across
// that direction and go on while below its highest; each keeps the stretches inside the
// polygon (the last vertex may repeat the first) longer than 0.01 cm, so a line that only
// touches a corner draws nothing. False, and nothing added, when the spacing is not a positive
// number or would need more lines than a row may have.
bool LineeTratteggio(const std::vector<Punto>& poligono, float angolo, float passo,
                     std::vector<PezzoTratteggio>& pezzi);

// Every piece of the hatch: the lines at `angolo` degrees and, with `incrociato` -1, those at
// angolo + 90 after them. False when the spacing gives no row.
bool PezziTratteggio(const std::vector<Punto>& poligono, float passo, float angolo, int incrociato,
                     std::vector<PezzoTratteggio>& pezzi);

// The centroid of the polygon's area, whatever its orientation; (0, 0) for no area.
Punto BaricentroTratteggio(const std::vector<Punto>& poligono);

// The hatch written on `c`: its block to the block stream, its INSERT to the entity stream, in
// the DXF 2000 form or, with `r12`, the R12 form. Nothing for a spacing that gives no row.
void TratteggioBloccoDxf(ContestoDxf& c, bool r12, const std::vector<Punto>& poligono, float passo,
                         float angolo, int incrociato, const std::string& layer, int stile);

// The drawers' hatch (layer 0..24, output selector as the primitives take it). On the screen
// each piece is a line of the layer with the style; into a DXF file under way a block;
// through any other DXF sink plain lines. Nothing on a layer the pass does not draw.
void TratteggioPoligono(const std::vector<Punto>& poligono, float passo, float angolo, int incrociato,
                        int layer, int stile, int uscita);

// Makes TratteggioPoligono the hatch the drawers call.
void InstallaTratteggioDxf();

}  // namespace vilmor
