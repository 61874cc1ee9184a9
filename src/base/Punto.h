#pragma once

namespace vilmor {

// A plan point in centimetres in the slab frame, y up.
struct Punto {
    float X = 0;
    float Y = 0;
};

}  // namespace vilmor
