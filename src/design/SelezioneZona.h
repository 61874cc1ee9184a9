// The selection quadrilateral of a zone: four corners along the two bar directions, and the
// box that follows them.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The box XMin .. YMax of z: the smallest axis-parallel rectangle around its four corners.
void LimitiSelezione(Zona& z);
// The same on the zone being edited.
void LimitiSelezione();

// The corners of z from two opposite corners (x1, y1) and (x2, y2), with sides along the bar
// directions of pr, rounded to whole centimetres (halves to even) and ordered by the direction
// of the diagonal; then the box. With the bar directions along the plan axes the order is
// top-left, top-right, bottom-right, bottom-left; with rotated ones it may run either way.
// `interi` false keeps the corners where they fall (values typed, not picked with the mouse).
void ImpostaSelezioneDir(const DatiProgetto& pr, Zona& z, float x1, float y1, float x2, float y2,
                         bool interi = true);
// The same on the zone being edited, with the bar directions of the project in memory.
void ImpostaSelezioneDir(float x1, float y1, float x2, float y2);

}  // namespace vilmor
