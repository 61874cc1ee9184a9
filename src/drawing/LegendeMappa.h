// The legends of the colour maps on the legend panel `Picture2`: the map's title, its ten
// colour bands with their values, the node markers of the missing-steel maps, the bar direction
// and the face; for the punching map its title, scale and the two column samples.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// Superiore and inferiore are the ends of the range, at the top of band 9 and the bottom of
// band 0; direzione 0 or 1 the bar direction (any other: none); lato 0 upper face, 1 lower
// face, 2 or more no face. The node markers show on the missing-steel maps (`Vista.TipoMappa`
// 5 .. 9). Nothing is drawn without a panel.
void LegendaMappa(const Modello& m, float superiore, float inferiore, const std::string& titolo, int direzione,
                  int lato);
// Added to the legend of a missing-steel map whose node markers crowd: only the nodes that fall
// short are marked.
void LegendaNodiDiradati();
// Note the order: the lower end first. An upper end of -9999999 (no punching record read)
// leaves out the scale.
void LegendaPunz(float inferiore, float superiore, const std::string& titolo);
// The segment parallel to (X1, Y1)-(X2, Y2) at distance D: on its left in a y-up frame when
// Lato is not 0, on its right when it is. A segment shorter than 1e-6 leaves the outputs as
// they are.
void ScostaSegmento(float X1, float Y1, float X2, float Y2, float& OX1, float& OY1, float& OX2, float& OY2, float D,
                    int Lato);

}  // namespace vilmor
