#include "dxf/FileDxf12.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "dxf/ContestoDxf.h"

using namespace vilmor;

// The colour of a LAYER record in the print form, down to the least integer.
TEST(LayerDxf12, ColoreNellaFormaDiStampa) {
    const std::pair<int, const char*> casi[] = {{7, " 7 "}, {0, " 0 "}, {-3, "-3 "}, {INT_MIN, "-2147483648 "},
                                                {INT_MAX, " 2147483647 "}};
    for (const auto& [aci, testo] : casi) {
        ContestoDxf c;
        std::ostringstream os;
        c.Sezione = &os;
        LayerDxf12(c, "QUOTE", aci, "CONTINUOUS");
        EXPECT_EQ(os.str(), std::string("  0\r\nLAYER\r\n  2\r\nQUOTE\r\n 70\r\n 0 \r\n 62\r\n") + testo +
                                "\r\n  6\r\nCONTINUOUS\r\n")
            << aci;
    }
}
