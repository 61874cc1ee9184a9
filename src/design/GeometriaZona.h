// Values derived from a zone's outline before it is stored: its boxes in the bar frames, the
// centroid that marks it, the representative line drawn across its bars and the point where
// its label is written.
//
// All work on the zone being edited (`ZonaCorrente` with `ContornoZonaCorr`, 0 ..
// `UltVertZonaCorr`) and leave `PoligonoLavoro` holding the outline turned into a frame.
// `MantieniRiferimento` 0 re-fits the representative line and the label point from where they
// are; any other value places them afresh.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Area centroid of the outline (clockwise, y up) in 4-byte arithmetic, rounded to 2 decimals
// with halves to even; (0, 0) for an outline of no area.
Punto CentroideContorno(const std::vector<Punto>& V, int ult);

// The outline's boxes in the frames of the two bar directions: XMin1 .. YMax1, XMin2 .. YMax2
// are two opposite corners of each box, turned back to plan.
void LimitiZonaDir(const DatiProgetto& pr, EditZone& e);
void LimitiZonaDir();

// Every derived value of a face zone (kinds 0 and 1), in the slab's bar frames.
void GeometriaZonaRett(const DatiProgetto& pr, EditZone& e);
void GeometriaZonaRett();

// Every derived value of a curb or stud zone, in the frame of its own angle `Angolo`.
void GeometriaZona(EditZone& e);
void GeometriaZona();

}  // namespace vilmor
