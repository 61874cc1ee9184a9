#include <gtest/gtest.h>

#include <memory>

#include "ui/CtrlVid.h"

using namespace vilmor;

TEST(CtrlVidPittore, ChiusaSubitoDopoUnDisegno) {
    // The painter a pass leaves open must end before the picture's image goes.
    auto v = std::make_unique<CtrlVid>();
    v->resize(100, 80);
    v->Linea(0, 0, 99, 79, ColorePalette(15), false);
    v.reset();
    SUCCEED();
}
