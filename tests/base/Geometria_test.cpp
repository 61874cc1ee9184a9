#include "base/Geometria.h"

#include <gtest/gtest.h>

using namespace vilmor;

namespace {
struct Seg {
    float x1, y1, x2, y2;
};
}  // namespace

TEST(Geometria, ParallelaSegmento) {
    struct {
        Seg s;
        float D;
        Seg atteso;
    } casi[] = {
        {{0, 0, 10, 0}, 5, {0, 5, 10, 5}},
        {{10, 0, 0, 0}, 5, {10, -5, 0, -5}},
        {{0, 0, 0, 10}, 5, {-5, 0, -5, 10}},
        {{0, 10, 0, 0}, 5, {5, 10, 5, 0}},
        {{0, 0, 10, 10}, 5, {-3.5355339f, 3.5355339f, 6.4644661f, 13.535534f}},
        {{10, 10, 0, 0}, 5, {13.535534f, 6.4644661f, 3.5355339f, -3.5355339f}},
        {{0, 0, 10, -10}, 5, {3.5355339f, 3.5355339f, 13.535534f, -6.4644661f}},
        {{0, 0, 10, 10}, -5, {3.5355339f, -3.5355339f, 13.535534f, 6.4644661f}},
        {{3, 3, 3, 3}, 2, {3, 1, 3, 1}},  // no length: the horizontal case, X1 = X2
    };
    for (const auto& c : casi) {
        Seg r;
        ParallelaSegmento(c.s.x1, c.s.y1, c.s.x2, c.s.y2, r.x1, r.y1, r.x2, r.y2, c.D);
        EXPECT_NEAR(r.x1, c.atteso.x1, 1e-4) << c.s.x1 << "," << c.s.y1 << " " << c.s.x2 << "," << c.s.y2;
        EXPECT_NEAR(r.y1, c.atteso.y1, 1e-4);
        EXPECT_NEAR(r.x2, c.atteso.x2, 1e-4);
        EXPECT_NEAR(r.y2, c.atteso.y2, 1e-4);
    }
    // The outputs may be the inputs themselves.
    float a = 0, b = 0, x = 10, y = 10;
    ParallelaSegmento(a, b, x, y, a, b, x, y, 5);
    EXPECT_NEAR(a, -3.5355339f, 1e-4);
    EXPECT_NEAR(y, 13.535534f, 1e-4);
}

TEST(Geometria, DistanzeEProiezioni) {
    EXPECT_FLOAT_EQ(Distanza(0, 0, 3, 4), 5);
    float xr = 9, yr = 9;
    PuntoADistanza(0, 0, 0, 0, xr, yr, 7);
    EXPECT_EQ(xr, 0);
    EXPECT_EQ(yr, 0);
    PuntoADistanza(0, 0, 10, 0, xr, yr, 13);
    EXPECT_FLOAT_EQ(xr, 13);
    PuntoADistanza(2, 2, 5, 6, xr, yr, -5);
    EXPECT_FLOAT_EQ(xr, -1);
    EXPECT_FLOAT_EQ(yr, -2);

    struct {
        Seg s;
        float px, py, xr, yr;
    } casi[] = {
        {{0, 0, 10, 0}, 3, 7, 3, 0},
        {{0, 0, 10, 10}, 3, 7, 5, 5},
        {{0, 0, 0, 10}, 3, 7, 0, 7},
        {{10, 0, 0, 20}, 0, 0, 8, 4},
        {{5, 5, 5.00005f, 5.00005f}, 30, 70, 5, 5},  // too short for a direction: its first end
        {{5, 5, 5, 5}, 30, 70, 5, 5},
        {{5, 5, 5.00005f, 5}, 30, 70, 5, 5},
    };
    for (const auto& c : casi) {
        xr = yr = -999;
        ProiettaPunto(c.s.x1, c.s.y1, c.s.x2, c.s.y2, c.px, c.py, xr, yr);
        EXPECT_NEAR(xr, c.xr, 1e-3) << c.px << "," << c.py;
        EXPECT_NEAR(yr, c.yr, 1e-3) << c.px << "," << c.py;
    }
}

TEST(Geometria, OrientamentoEIncrocio) {
    struct {
        float x0, y0, x1, y1, x2, y2;
        int atteso;
    } ori[] = {{0, 0, 10, 0, 5, 0, 0},   {0, 0, 10, 0, 20, 0, 1}, {0, 0, 10, 0, -5, 0, -1},
               {0, 0, 10, 0, 5, 1, 1},   {0, 0, 10, 0, 5, -1, -1}, {0, 0, 10, 0, 10, 0, 0}};
    for (const auto& c : ori) EXPECT_EQ(Orientamento(c.x0, c.y0, c.x1, c.y1, c.x2, c.y2), c.atteso) << c.x2 << "," << c.y2;

    struct {
        Seg a, b;
        bool atteso;
    } inc[] = {
        {{0, 0, 10, 0}, {10, 0, 10, 5}, true},   // touching end
        {{0, 0, 10, 0}, {11, 0, 20, 0}, false},  // collinear, apart
        {{0, 0, 10, 0}, {5, 0, 15, 0}, true},    // collinear, overlapping
        {{0, 0, 10, 10}, {0, 10, 10, 0}, true},
        {{0, 0, 10, 0}, {5, 1, 5, 5}, false},
    };
    for (const auto& c : inc)
        EXPECT_EQ(SegmentiIntersecano(c.a.x1, c.a.y1, c.a.x2, c.a.y2, c.b.x1, c.b.y1, c.b.x2, c.b.y2), c.atteso)
            << c.b.x1 << "," << c.b.y1;
}

// PuntoSuRetta (line first), PuntoInternoSegmento and PuntoSuSegmentoTol (point first).
TEST(Geometria, PuntoSuRettaESegmento) {
    struct {
        float px, py;
        Seg s;
        bool retta, interno, tol;
    } casi[] = {
        {0.00005f, 50, {0, 0, 0, 10}, true, false, false},  // vertical line, far beyond B
        {5, 0, {0, 0, 10, 0}, true, true, true},
        {10, 0, {0, 0, 10, 0}, true, true, false},
        {0, 0, {0, 0, 10, 0}, true, true, false},  // P = A: on the segment, ends included
        {15, 0, {0, 0, 10, 0}, true, false, false},
        {0.005f, 0, {0, 0, 10, 0}, true, true, false},
        {5, 0.05f, {0, 0, 10, 0}, false, true, true},  // the axis-parallel line test stays at 1e-4
        // 3 cm off the middle of a 3 m side is on none of them.
        {150, 3, {0, 0, 300, 0}, false, false, false},
        {152.1213f, 147.8787f, {0, 0, 300, 300}, false, false, false},
        // 0.05 cm off an oblique side is on all three; 0.2 cm off on none.
        {150.03535f, 149.96465f, {0, 0, 300, 300}, true, true, true},
        {150.14142f, 149.85858f, {0, 0, 300, 300}, false, false, false},
        {400, 400, {0, 0, 300, 300}, true, false, false},
        {300.005f, 300.005f, {0, 0, 300, 300}, true, true, false},
    };
    for (const auto& c : casi) {
        const Seg& s = c.s;
        EXPECT_EQ(PuntoSuRetta(s.x1, s.y1, s.x2, s.y2, c.px, c.py), c.retta) << c.px << "," << c.py;
        EXPECT_EQ(PuntoInternoSegmento(c.px, c.py, s.x1, s.y1, s.x2, s.y2), c.interno) << c.px << "," << c.py;
        EXPECT_EQ(PuntoSuSegmentoTol(c.px, c.py, s.x1, s.y1, s.x2, s.y2), c.tol) << c.px << "," << c.py;
    }
}

TEST(Geometria, BarreEDiametri) {
    EXPECT_EQ(AreaBarra(12), 1.1309733f);
    EXPECT_EQ(AreaBarra(0), 0.0f);
    struct {
        float A;
        int pioli, atteso;
    } casi[] = {
        {1.1309733f, 12, 12}, {1.2f, 12, 14}, {0.3f, 12, 12}, {0.3f, 6, 8},  {0, 12, 12},
        {0, 6, 8},            {-4, 6, 8},     {AreaBarra(20), 6, 20},          {AreaBarra(21), 6, 22},
        {AreaBarra(26) * 1.0001f, 6, 28},
    };
    for (const auto& c : casi) EXPECT_EQ(DiametroDaArea(c.A, c.pioli), c.atteso) << c.A << " " << c.pioli;
}

TEST(Intersezione, Codici) {
    enum Fn { Int, IntSeg };
    struct {
        Fn fn;
        Seg a, b;
        int codice;
        float xi, yi, xj, yj;
    } casi[] = {
        {Int, {0, 0, 10, 10}, {0, 10, 10, 0}, 2, 5, 5, -1, -1},
        {Int, {0, 0, 10, 0}, {0, 0, 0, 5}, 2, 0, 0, -1, -1},        // P1 at P3
        {Int, {0, 0, 10, 0}, {0, 5, 10, 0}, 2, 10, 0, -1, -1},      // P2 at P4
        {Int, {0, 0, 10, 0}, {0, -5, 0, 5}, 3, 0, 0, -1, -1},
        {Int, {0, 0, 10, 0}, {10, -5, 10, 5}, 4, 10, 0, -1, -1},
        {Int, {0, 0, 10, 0}, {5, 0, 5, 5}, 5, 5, 0, -1, -1},
        {Int, {0, 0, 10, 0}, {5, 3, 5, 0}, 6, 5, 0, -1, -1},
        {Int, {0, 0, 1, 0}, {5, -1, 5, 1}, 1, 5, 0, -1, -1},
        {Int, {0, 0, 10, 0}, {0, 1, 10, 1}, 0, 777, 777, -1, -1},    // Xi, Yi unchanged
        {Int, {0, 0, 10, 0}, {5, 0, 15, 0}, -1, 777, 777, -1, -1},
        {Int, {0, 0, 10, 0}, {10, 0, 20, 0}, -1, 777, 777, -1, -1},  // touching ranges
        {Int, {0, 0, 10, 0}, {20, 0, 30, 0}, -2, 0, 0, -1, -1},
        {Int, {0, 0, 0, 10}, {0, 20, 0, 30}, -2, 0, 0, -1, -1},      // vertical: y ranges
        {Int, {0, 0, 100, 0}, {101, 0.5f, 200, 1}, 7, 100.5f, 0.25f, -1, -1},
        {Int, {0, 0, 100, 0}, {105, 0.5f, 200, 1}, 7, 100, 0, 105, 0.5f},
        {Int, {0, 0, 100, 0}, {200, 1, 101, 0.5f}, 7, 100.5f, 0.25f, -1, -1},  // nearly a half turn
        {IntSeg, {0, 0, 10, 0}, {5, 0, 5, 5}, 8, 5, 0, -1, -1},
        {IntSeg, {0, 0, 10, 0}, {5, 5, 5, 0}, 8, 5, 0, -1, -1},
        {IntSeg, {0, 0, 10, 0}, {0, 0, 0, 5}, 8, 0, 0, -1, -1},      // P3 at P1: an end is on the segment
        {IntSeg, {0, 0, 10, 0}, {20, 0, 30, 0}, -1, 777, 777, -1, -1},
        {IntSeg, {0, 0, 10, 10}, {0, 10, 10, 0}, 2, 5, 5, -1, -1},
    };
    for (const auto& c : casi) {
        float xi = 777, yi = 777, xj = 5, yj = 5;
        int codice = 99;
        auto f = c.fn == Int ? Intersezione : IntersezioneSegmenti;
        f(c.a.x1, c.a.y1, c.a.x2, c.a.y2, c.b.x1, c.b.y1, c.b.x2, c.b.y2, xi, yi, codice, xj, yj);
        SCOPED_TRACE(testing::Message() << (c.fn == Int ? "Intersezione " : "IntersezioneSegmenti ") << c.b.x1
                                        << "," << c.b.y1 << " " << c.b.x2 << "," << c.b.y2);
        EXPECT_EQ(codice, c.codice);
        EXPECT_NEAR(xi, c.xi, 1e-4);
        EXPECT_NEAR(yi, c.yi, 1e-4);
        EXPECT_EQ(xj, c.xj);
        EXPECT_EQ(yj, c.yj);
    }
}

// Two lines meet at one point or not at all: parallel lines, one line and directions within
// half a degree give no point and leave the output as it was.
TEST(Intersezione, IncontroRette) {
    struct Caso {
        float x1, y1, x2, y2, x3, y3, x4, y4;
        bool incontro;
        float xi, yi;
    };
    const Caso casi[] = {
        {0, 0, 10, 0, 5, -3, 5, -1, true, 5, 0},       // the lines meet beyond the segments
        {0, 0, 10, 10, 0, 10, 10, 0, true, 5, 5},      // crossing segments
        {0, 0, 10, 0, 0, 5, 10, 5, false, -7, -7},     // parallel
        {0, 0, 10, 0, 20, 0, 30, 0, false, -7, -7},    // one line, apart
        {0, 0, 10, 0, 5, 0, 15, 0, false, -7, -7},     // one line, overlapping
        {0, 0, 100, 0, 0, 1, 100, 1.5f, false, -7, -7},  // 0.3 degrees apart: too far to stand for anything
    };
    for (const Caso& c : casi) {
        float x = -7, y = -7;
        EXPECT_EQ(IncontroRette(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, x, y), c.incontro) << c.x3 << " " << c.y3;
        EXPECT_NEAR(x, c.xi, 1e-4);
        EXPECT_NEAR(y, c.yi, 1e-4);
    }
    // The line across the bars: through (3, 4) along y, met with the bar line through (0, 10) along x.
    float x = 0, y = 0;
    EXPECT_TRUE(TraversoBarre(3, 4, 0, 1, 0, 10, 1, 0, x, y));
    EXPECT_NEAR(x, 3, 1e-4);
    EXPECT_NEAR(y, 10, 1e-4);
    EXPECT_FALSE(TraversoBarre(3, 4, 1, 0, 0, 10, 1, 0, x, y));
}
