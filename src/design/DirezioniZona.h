// Rotations into and out of the frames of the two bar directions, and the helpers for the
// four corners of a zone's selection quadrilateral.
#pragma once

#include <utility>

#include "model/definizioni.h"

namespace vilmor {

// The point in the frame of bar direction dir (0 direction 1, any other value direction 2),
// where that direction is the x axis. The frames are those of the given project.
Punto RuotaDirArmatura(const DatiProgetto& pr, int dir, float X, float Y);
// A point of the frame of bar direction dir back in the plan frame.
Punto RuotaDirArmaturaInv(const DatiProgetto& pr, int dir, float X, float Y);
// The same on the project in memory, with the result in Xr, Yr (which may be X, Y themselves).
void RuotaDirArmatura(int dir, float X, float Y, float& Xr, float& Yr);
void RuotaDirArmaturaInv(int dir, float X, float Y, float& Xr, float& Yr);

// 3 below 90 degrees, 2 from 90 to below 180, 1 from 180 to below 270, 0 from 270.
int QuadranteSegmento(float X1, float Y1, float X2, float Y2);

// Puts the corners of the zone clockwise (y up): a counter-clockwise set swaps corners 1 and 3.
void OrdinaZonaOraria(Zona& z);
// The same on the zone being edited.
void OrdinaZonaOraria();

// Two opposite corners of the parallelogram centred on (X0, Y0) with half-extents L1 and L2
// along the bar directions (dir = 0) or across them (dir != 0), rounded to 0.1 cm. When the
// bar directions are parallel there is no such figure: both corners are the centre.
void RettangoloRuotato(const DatiProgetto& pr, int dir, float L1, float L2, float X0, float Y0, float& C1x,
                       float& C1y, float& C2x, float& C2y);
void RettangoloRuotato(int dir, float L1, float L2, float X0, float Y0, float& C1x, float& C1y, float& C2x,
                       float& C2y);

template <class T> void Scambia(T& a, T& b) { std::swap(a, b); }

// The warning shown when a base-mesh diameter or spacing is changed.
void AvvisoMagliaBase();

}  // namespace vilmor
