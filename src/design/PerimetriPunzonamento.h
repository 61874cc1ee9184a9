// Punching control perimeters: the closed line at distance d around a column's box (or a
// 30 x 30 cm square about a node without column), with cut corners (8 vertices) or rounded
// corners (20 vertices), clockwise; the stretches of it that lie inside the outer perimeter
// of the slab; and the part of the slab it encloses.
//
// The perimeter is built into a working polygon that the caller passes (the global forms use
// Edit.PoligonoLavoro); the reduced perimeter goes to its own output, never to the outline of
// the zone being edited.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Half side of the box of a record without column (cm).
inline constexpr float SemiLatoNodoPerimetro = 15;

// The box the perimeters grow: the node's position +- 15 without column (IndicePilastro < 0
// or not in the model); otherwise the column's own footprint, axis-parallel: centre +- radius
// for a round column, centre +- the half-sizes of SemiLatiPilastro for an archive-typed one,
// the stored box for a polygon. A node index not in the model counts as the origin.
void ScatolaPerimetro(const Modello& m, int IndicePilastro, int IndiceNodo, float& XMin, float& YMin, float& XMax,
                      float& YMax);

// Cut corners: Poligono becomes 8 vertices, from (XMin - d, YMax) clockwise.
void PerimetroRett(const Modello& m, float d, int IndicePilastro, int IndiceNodo, std::vector<Punto>& Poligono);
// Rounded corners: Poligono becomes 20 vertices, a quarter circle of 5 points at each corner.
void PerimetroCirc(const Modello& m, float d, int IndicePilastro, int IndiceNodo, std::vector<Punto>& Poligono);

// The perimeter of punching record `Indice` as the program draws it: d = CoeffPerimetro x
// (Spessore - Copriferro), rounded corners for TipoPunz 0, cut corners otherwise. Returns the
// last vertex index (19 or 7); -1, with Poligono empty, for an index not in the model.
int PerimetroPunzonamento(const Modello& m, int Indice, std::vector<Punto>& Poligono);

// Stores in record `Indice` the stretches of the perimeter (vertices 0 .. UltimoVertice of
// Poligono) whose vertices lie inside the outer perimeter (Contorni.PerimetroEsterno): NumTratti
// and TrattoIniz, TrattoFine (0 .. NumTratti - 1; every stretch is kept). When some vertices
// are in and some out, Poligono is turned so that it starts with the first vertex of a stretch.
// NumTratti 0: the whole perimeter is effective, or none of it.
void VerificaPerimetro(Modello& m, std::vector<Punto>& Poligono, int UltimoVertice, int Indice);
// The perimeter of record `Indice` (into Poligono) reduced to the slab (into Ridotto; the count
// is returned), with its anchor XM, YM: the largest x and the largest y of the reduced points,
// or the record's own position when no point lies in the slab.
int PerimetroRidottoRecord(const Modello& m, int Indice, std::vector<Punto>& Poligono, std::vector<Punto>& Ridotto,
                           float& XM, float& YM);

// The same for every punching record of the model, once its design data are read.
void VerificaPerimetriPunzonamento(Modello& m);

// The part of the slab inside the perimeter (vertices 0 .. UltimoVertice of Poligono), as a
// closed polygon without repeated vertex: the perimeter's vertices inside the slab, its
// crossings with the slab outline, and the outline vertices inside the perimeter. `Ridotto`
// holds exactly `NumVertici` points (none when the perimeter holds no vertex of the slab).
void RiduciPerimetro(const Modello& m, const std::vector<Punto>& Poligono, int UltimoVertice,
                     std::vector<Punto>& Ridotto, int& NumVertici);

// Even-odd test of (X, Y) against the ring of the points of P (a closing copy adds nothing),
// along the ray towards (XMin - 1137.74957, (YA + YB) / 2): a ray through a vertex counts once.
bool PuntoInPoligonoPunti(const std::vector<Punto>& P, float X, float Y, float XMin, float YA, float YB);

// The same on the globals: M, Edit.PoligonoLavoro, and Edit.PerimetroRidotto with
// Edit.NumVertPerimetroRidotto.
void PerimetroRett(float d, int IndicePilastro, int IndiceNodo);
void PerimetroCirc(float d, int IndicePilastro, int IndiceNodo);
void VerificaPerimetro(int UltimoVertice, int Indice);
void RiduciPerimetro(int UltimoVertice);

}  // namespace vilmor
