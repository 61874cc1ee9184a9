// Where work may stand on a slab: within the extent its slab file gives it, grown on every side
// by its larger side. Beyond that no engineer places anything on this slab: a reinforcement
// file that holds such a point is refused at its line, and the commands store none.
#pragma once

#include <vector>

#include "base/Geometria.h"
#include "model/IntervalliFile.h"
#include "model/definizioni.h"

namespace vilmor {

// The box of what the slab file places: outline, openings, columns, walls, upstand beams and
// piles. Empty for a file that places nothing.
Ingombro EstensioneSoletta(const GeometriaSoletta& g);

// How far (cm) what the program draws around the work may stand beyond it: zone labels and bar
// lines, curb strips past their side's ends, section ends and ticks, automatic dimension chains.
inline constexpr float MargineDisegno = 200;

// A box whose edges are whole centimetres, rounded outwards, so that no number written with
// fewer decimals crosses one; never beyond LimitePianta either way. Without a slab extent it is
// all the files take.
struct AreaPianta {
    float XMin = -LimitePianta, YMin = -LimitePianta, XMax = LimitePianta, YMax = LimitePianta;
    // NaN fails.
    bool X(float x) const { return x >= XMin && x <= XMax; }
    bool Y(float y) const { return y >= YMin && y <= YMax; }
    bool Contiene(float x, float y) const { return X(x) && Y(y); }
    float LatoMaggiore() const;
    // The point itself when inside, else the nearest point of the box.
    Punto Limita(float x, float y) const;
};

// The vertices of the outline as edited: the slab file's extent grown by its larger side.
AreaPianta AreaContorno(const GeometriaSoletta& g);
// Everything else placed on the plan: that, and MargineDisegno more.
AreaPianta AreaLavoro(const GeometriaSoletta& g);
// The widest curb: the larger side of AreaContorno.
float LarghezzaMassimaCordolo(const GeometriaSoletta& g);

// Every point of the zone (box, corners, bar line, reference, mark, frame boxes and its outline
// `vertici`, 0 .. UltVertice) within AreaLavoro, and a curb no wider than the widest.
bool ZonaNellArea(const GeometriaSoletta& g, const Zona& z, const std::vector<Punto>& vertici);
// The dimension line and the measured points.
bool QuotaNellArea(const GeometriaSoletta& g, const Quota& q);
bool ContornoNellArea(const GeometriaSoletta& g, const std::vector<Punto>& anello);

}  // namespace vilmor
