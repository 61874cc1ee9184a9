#include "base/Testi.h"

#include <gtest/gtest.h>

using namespace vilmor;

TEST(Testi, MaiuscoloUtf8) {
    EXPECT_EQ(MaiuscoloUtf8("più àèéìòù ç ñ ß"), "PIÙ ÀÈÉÌÒÙ Ç Ñ ß");
    EXPECT_EQ(MaiuscoloUtf8("ÿ œ š ž ł ĺ ź"), "Ÿ Œ Š Ž Ł Ĺ Ź");
    EXPECT_EQ(MaiuscoloUtf8("x÷y µ €"), "X÷Y µ €");
    EXPECT_EQ(MaiuscoloUtf8(std::string("a\xC3") ), std::string("A\xC3"));  // a cut sequence passes
}

TEST(Testi, RifilatoEMaiuscoloAscii) {
    EXPECT_EQ(Rifilato(" \t a b\t "), "a b");
    EXPECT_EQ(Rifilato(" \t "), "");
    EXPECT_EQ(Rifilato(""), "");
    // Only the ASCII letters: a path keeps its accented letters as they are.
    EXPECT_EQ(MaiuscoloAscii("sol\xC3\xA8.qvr"), "SOL\xC3\xA8.QVR");
}
