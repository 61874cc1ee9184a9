// Text widths of the drawings' font: the table is the font's, texts add their characters'
// advance widths at the height of their capitals, and the box turns with the text.
#include "base/LarghezzeFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(LarghezzeFont, TestiInUnitaDelFont) {
    // At a height of 1409 (the capitals' height in font units) a width is in font units.
    const struct Caso {
        const char* nome;
        std::string testo;
        double larghezza;
    } casi[] = {
        {"empty", "", 0},
        {"figures", "0123456789", 10 * 1139},
        {"narrow and wide", "iM", 455 + 1706},
        {"diameter sign", "\xC3\x98", 1593},
        {"ellipsis, a byte of the code page", "\xE2\x80\xA6", 2048},
        {"a character the file writes as ?", "\xE2\x86\x92", 1139},
        {"a control character, written as a blank", "\t", 569},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        EXPECT_DOUBLE_EQ(LarghezzaTesto(k.testo, 1409), k.larghezza);
    }
    EXPECT_DOUBLE_EQ(LarghezzaTesto("P1", 10), (1366 + 1139) * 10 / 1409.0);
}

TEST(LarghezzeFont, RiquadroAllineatoERuotato) {
    const float w = static_cast<float>(LarghezzaTesto("P1", 10));
    const struct Caso {
        const char* nome;
        float angolo;
        int oriz, vert;
        float xMin, yMin, xMax, yMax;  // of the corners
    } casi[] = {
        {"left, baseline", 0, 0, 0, 100, 197.5f, 100 + w, 210},
        {"centre, bottom", 0, 1, 1, 100 - w / 2, 200, 100 + w / 2, 212.5f},
        {"right, middle", 0, 2, 2, 100 - w, 194, 100, 206},
        {"left, top", 0, 0, 3, 100, 187.5f, 100 + w, 200},
        {"turned a right angle, left, bottom", 90, 0, 1, 87.5f, 200, 100, 200 + w},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const auto r = RiquadroTesto(100, 200, "P1", 10, k.angolo, k.oriz, k.vert);
        float xMin = r[0].X, yMin = r[0].Y, xMax = r[0].X, yMax = r[0].Y;
        for (const Punto& p : r) {
            xMin = std::min(xMin, p.X), yMin = std::min(yMin, p.Y);
            xMax = std::max(xMax, p.X), yMax = std::max(yMax, p.Y);
        }
        EXPECT_NEAR(xMin, k.xMin, 1e-3);
        EXPECT_NEAR(yMin, k.yMin, 1e-3);
        EXPECT_NEAR(xMax, k.xMax, 1e-3);
        EXPECT_NEAR(yMax, k.yMax, 1e-3);
    }
}

// The table compiled in is what the script makes from the font installed.
TEST(LarghezzeFont, LaTabellaEQuellaDelFont) {
    const std::string font = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
    if (!std::filesystem::exists(font)) GTEST_SKIP() << "Liberation Sans non installato";
    const std::string radice = std::string(VILMOR_DATI_PROVA) + "/../..";
    CartellaTemp t;
    const std::string comando = "/usr/bin/python3 '" + radice + "/tools/larghezze_font.py' '" + font + "' >'" +
                                (t / "tabella.cpp") + "'";
    ASSERT_EQ(std::system(comando.c_str()), 0);
    EXPECT_EQ(LeggiTutto(t / "tabella.cpp"), LeggiTutto(radice + "/src/base/TabellaFont.cpp"));
}
