// Linear dimensions of a DXF 2000 drawing: a DIMENSION entity in the entity stream and the
// anonymous block "*D" n that draws it (dimension line, arrow inserts, the measure as MTEXT,
// three definition points) in the block stream.
#pragma once

#include <string>

#include "base/Primitive.h"
#include "dxf/ContestoDxf.h"

namespace vilmor {

// The dimension of `q` (plan centimetres, placed with DxfX/DxfY) between its line's ends,
// measuring its two points; lines on `layerQuota`, the measure on `layerTesto`. A measure that
// rounds below 0.0001, a divisor not above 0 or a point that is not a number writes nothing
// and takes no block name and no handle. An empty layer name is a layer the pass does not
// draw: without `layerQuota` the measure alone is written, the MTEXT the block would hold; without
// `layerTesto` the dimension has no text and its entity suppresses the measure.
//
// The measure, its text and their place are those PosaQuota gives: the line's length over the
// divisor, rounded to the decimals, halves to even; the ends left to right (bottom to top when
// vertical), the measured points with them. Equal offsets of the two measured points from the
// ends give an aligned dimension; any other gives a rotated one, which carries its angle so that
// readers measure it along the line. The measured points are written at the line's ends, so
// that a reader drawing the dimension again from its points draws no extension line, as the
// screen and the block draw none.
void QuotaDxf(ContestoDxf& c, const std::string& layerQuota, const std::string& layerTesto,
              const EntitaQuota& q);

}  // namespace vilmor
