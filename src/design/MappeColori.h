// The colour maps of the node results over the analysis mesh: the steel required, missing and
// in excess per layer and for shear, in ten bands between eleven levels of a range, with every
// node marked over the map.
#pragma once

#include <string>

#include "design/MappaPunzonamento.h"
#include "model/definizioni.h"

namespace vilmor {

// Paints the map of `Vista.TipoMappa` (0 .. 14) on the plan picture and its legend on the
// legend panel, and sets `Vista.DirezioneAttiva` and `Vista.TipoZonaAttivo`. Types 0 .. 3 and
// 10 .. 14 take their range from `Mappa.ScalaMin` .. `Mappa.ScalaMax`, the missing-steel types
// 5 .. 9 from the nodes; type 4 hands the whole picture to `DisegnaMappaPunz`.
void DisegnaMappaColori(Modello& m);

// The punching map: range, title, output selector. Nothing is drawn for type 4 while it is null.
inline void (*DisegnaMappaPunz)(Modello& m, float inferiore, float superiore, const std::string& titolo,
                                int uscita) = DisegnaMappaPunzonamento;

// The default range of an excess map of layer `strato`: the smallest and largest excess over
// the nodes, both at least 0 (0, 0 without nodes).
void LimitiEccedenza(const Modello& m, int strato, float& inferiore, float& superiore);

// Where v lies on a scale that runs from b at 0 to a at n; n + 1, beyond the scale, when a = b.
float IndiceFascia(float a, float b, float v, float n);
// The value at k on a scale that runs from a at 0 to b at n.
float ValoreLivello(double a, double b, float n, float k);

}  // namespace vilmor
