// The figures of a strip of face bars as its dialog shows them and stores them: the bar length
// (the side along the bars plus both anchorages, down to a multiple of 5 cm) and the width
// across the bars in whole spacings. The rubber band of a zone being drawn shows the same.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// W and the spacing: n the whole spacings in W; a remainder above a quarter of the spacing
// gives n + 1 spacings, a smaller one n spacings plus 1 cm. A width that is already whole
// spacings, or whole spacings plus 1 cm, stays as it is, so that a width rounded once comes back
// unchanged. No spacing above 0: W unchanged.
float ArrotondaLarghezza(float W, float passo);

struct FigureStriscia {
    int Ancoraggio = 0;  // cm, of the zone's diameter
    float L = 0;         // bar length
    float W = 0;         // width across the bars, rounded to the zone's spacing (1 cm at least)
};

// The figures of face zone z from its selection corners and its bar direction.
FigureStriscia FigureDiStriscia(const DatiProgetto& pr, const Zona& z);

}  // namespace vilmor
