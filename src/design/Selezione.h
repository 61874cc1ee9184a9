// What lies under the cursor. Every test is made in picture pixels, so the tolerances look
// the same at every zoom; each search scans its table from index 0 and returns the first
// object that passes (the zone table's sort order settles overlaps), or -1 for none.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// -1 when the cursor is near the segment (plan cm) within tol pixels, else 0. Within the
// segment's box widened by tol (bounds included); an axis-parallel segment needs the cursor
// strictly between its ends, an oblique one takes the smaller of the vertical and the
// horizontal pixel distance to its line.
int VicinoSegmento(float px, float py, float x1, float y1, float x2, float y2, float tol);

// A side of the slab outline, then of the openings (4 pixels): the index of its first vertex.
// On a hit `Vista.LatoEvidenziato` becomes -1 (the outline) or the opening's index; a miss
// leaves it as it was.
int TrovaLato(const Modello& m, float px, float py);
int TrovaLato(float px, float py);

// A grip of the zone being edited: 0 to 3 its corners, 4 its centre (6 pixels).
int TrovaVerticeZona(const EditZone& e, float px, float py);
int TrovaVerticeZona(float px, float py);

// An analysis node (6 pixels).
int TrovaNodo(const Modello& m, float px, float py);
int TrovaNodo(float px, float py);

// A zone by its mark, or by its label point in the integrative views (10 pixels); the
// candidates depend on `Vista.CodiceVista`, none in the diffuse, shear, punching and sheet views.
int TrovaZona(const Modello& m, float px, float py);
int TrovaZona(float px, float py);

// A zone by its label point (10 pixels).
int TrovaZonaLato(const Modello& m, float px, float py);
int TrovaZonaLato(float px, float py);

// A zone by its representative line (6 pixels).
int TrovaZonaBordo(const Modello& m, float px, float py);
int TrovaZonaBordo(float px, float py);

// A section by its cut line (6 pixels).
int TrovaSezione(const Modello& m, float px, float py);
int TrovaSezione(float px, float py);

}  // namespace vilmor
