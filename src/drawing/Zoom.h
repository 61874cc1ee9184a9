// The plan window shown in the picture: stepwise zoom, previous view, zoom to the extents,
// the fitting of the extents to the picture's proportions, the scale, the pan step, and the
// entry into the zoom-window and pan modes. None of them redraws: the caller does.
//
// They work on `Vista` and read the picture's size from `Piatt.Ctrl_Vid` (pixels). With no
// picture, or one without width or height, there is no scale to fit: every zoom leaves the
// window, the previous window and the scale as they are.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// Mode 2: the zoom rectangle, no anchor yet.
void AvviaZoomFinestra();
// Mode 4: pan with the left button.
void AvviaPan();

// 5 % of the window's width and height off or on each side.
void ZoomRiduci();
void ZoomIngrandisci();
// Exchanges the window with the previous one.
void ZoomPrecedente();
// To the extents, keeping the current window as the previous one.
void ZoomTutto();
// To everything the current view of m draws on the plan (measured by its drawing pass), with a
// free band of `MargineEstensione` pixels on every side; with nothing drawn, to the extents
// `EstensioneCorrente`, fitted to the picture. Only the window and the scale change.
inline constexpr int MargineEstensione = 20;
void ZoomEstensione(Modello& m);
// The open project.
void ZoomEstensione();
// Widens the window across the extents so that they fill the picture along one axis and stay
// centred along the other.
void CentraVista();

// Pixels per centimetre that fit the box (X1, Y1)-(X2, Y2) in the picture; 1 for a box with
// no width or no height, 0 with no picture.
float CalcScala(float X1, float Y1, float X2, float Y2);

// Moves the window so that the drawing follows a drag of (dx, dy) pixels (x right, y down);
// the scale and the previous window stay. False, and nothing moves, while there is no scale.
bool PanVista(int dx, int dy);

}  // namespace vilmor
