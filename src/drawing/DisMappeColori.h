// The colour maps of the node results on the plan picture: the pieces of the map's bands
// (design/MappeColori.h) filled in their band's colour, every node marked over the map, and
// the map's legend on the legend panel.
#pragma once

#include <string>

#include "drawing/MappaPunzonamento.h"
#include "model/definizioni.h"

namespace vilmor {

// Paints the map of `Vista.TipoMappa` (0 .. 14) on the plan picture and its legend on the
// legend panel; the active direction and face are the view selection's. Types 0 .. 3 and
// 10 .. 14 take their range from `Mappa.ScalaMin` .. `Mappa.ScalaMax`, the missing-steel types
// 5 .. 9 from the nodes; type 4 hands the whole picture to `DisegnaMappaPunz`.
void DisegnaMappaColori(Modello& m);

// The punching map: range, title, output selector. Nothing is drawn for type 4 while it is null.
inline void (*DisegnaMappaPunz)(Modello& m, float inferiore, float superiore, const std::string& titolo,
                                int uscita) = DisegnaMappaPunzonamento;

}  // namespace vilmor
