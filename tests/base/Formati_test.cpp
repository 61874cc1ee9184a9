#include "base/Formati.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vilmor;

TEST(FormatNum, Casi) {
    struct {
        float v;
        int n;
        const char* atteso;
    } casi[] = {
        {3.14159f, 2, "3.14"}, {2.5f, 0, "3"},     {-0.75f, 1, "-0.8"}, {0.125f, 2, "0.13"},
        {7, 3, "7.000"},       {1.5f, -1, "2"},    {-0.001f, 2, "0.00"}, {-2.5f, 0, "-3"},
        {0.5f, 0, "1"},        {12.5f, 3, "12.500"}, {-3, 3, "-3.000"},  {9.995f, 2, "9.99"},
        {99.5f, 0, "100"},     {0, 2, "0.00"},     {1234567.0f, 5, "1234567.00000"},
    };
    for (const auto& c : casi) EXPECT_EQ(FormatNum(c.v, c.n), c.atteso) << c.v << " " << c.n;
}

TEST(FormatNumVar, Casi) {
    EXPECT_EQ(FormatNumVar(12.04f, 2), "12");
    EXPECT_EQ(FormatNumVar(11.98f, 2), "11.98");
    EXPECT_EQ(FormatNumVar(-2.02f, 1), "-2.0");
    EXPECT_EQ(FormatNumVar(2.1f, 1), "2");
    EXPECT_EQ(FormatNumVar(1.1f, 1), "1.1");
}

TEST(FormatIntDxf, AllineatoADestra) {
    EXPECT_EQ(FormatIntDxf(-32768), "-32768");
    EXPECT_EQ(FormatIntDxf(7), "     7");
    EXPECT_EQ(FormatIntDxf(-120), "  -120");
}

TEST(ArrotondaTesto, FormaSemplice) {
    EXPECT_EQ(ArrotondaTesto(-0.25f, 2), "-.25");
    EXPECT_EQ(ArrotondaTesto(0.5f, 2), ".5");
    EXPECT_EQ(ArrotondaTesto(12.0f, 2), "12");
    EXPECT_EQ(ArrotondaTesto(2.345f, 1), "2.3");
    EXPECT_EQ(ArrotondaTesto(0.0f, 2), "0");
}

TEST(Str, SegnoEFormaSemplice) {
    const std::pair<float, const char*> casi[] = {
        {12.0f, " 12"},  {0.5f, " .5"},      {-0.5f, "-.5"},          {-2.25f, "-2.25"},
        {22.5f, " 22.5"}, {0.0f, " 0"},      {-0.0f, " 0"},           {1234567.0f, " 1234567"},
        {0.1f, " .1"},   {1.0e7f, " 1E+07"}, {123456789.0f, " 1.234568E+08"},
        {std::nanf(""), " 0"}, {INFINITY, " 0"},
    };
    for (const auto& [v, atteso] : casi) EXPECT_EQ(Str(v), atteso) << v;
    EXPECT_EQ(Str(7), " 7");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(123456789), " 123456789");  // a count stays whole
}

TEST(Angoli, SegmentoEConversioni) {
    EXPECT_FLOAT_EQ(AngoloSegmento(0, 0, 0.0005f, 10), 1.5707964f);
    EXPECT_NEAR(AngoloSegmento(0, 0, -1, 2), std::atan(-2.0) + 3.14159265, 1e-6);
    EXPECT_NEAR(AngoloSegmento(0, 0, 1, -1), -0.785398, 1e-6);
    EXPECT_NEAR(AngoloGradi(0, 0, 1, 1), 45.0, 1e-4);
    EXPECT_EQ(Angolo180(200), 20);
    EXPECT_EQ(Angolo180(180), 0);
    EXPECT_EQ(Angolo90(-100), -10);
    EXPECT_NEAR(GradiRadianti(180), 3.14159265f, 1e-6);
    EXPECT_NEAR(RadiantiGradi(3.14159265f), 180.0f, 1e-4);
}

TEST(RuotaPunto, QuartoDiGiroEsatto) {
    float x, y;
    RuotaPunto(1, 0, x, y, 1.5707964f);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, -1.0f);
    float xi, yi;
    RuotaPunto(3, 4, x, y, 0.3f);
    RuotaPuntoInv(x, y, xi, yi, 0.3f);
    EXPECT_NEAR(xi, 3, 1e-5);
    EXPECT_NEAR(yi, 4, 1e-5);
}
