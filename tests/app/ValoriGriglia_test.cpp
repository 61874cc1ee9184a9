#include "app/ValoriGriglia.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace vilmor;

TEST(ValoriGriglia, IniziaConNumero) {
    const std::pair<const char*, bool> casi[] = {
        {"6", true},   {"  12", true}, {"-3", true},  {"+ 4", true}, {".5", true},   {",5", true},
        {"-,5", true}, {"12abc", true}, {"\t7", true}, {"", false},  {"   ", false}, {"abc", false},
        {"-", false},  {".", false},   {",x", false}, {"x1", false}, {"--1", false}, {"e5", false},
    };
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(IniziaConNumero(testo), atteso) << '"' << testo << '"';
}

// Limits are inclusive; a decimal comma is read; text that is no number, or a number a float
// cannot hold, is refused even where any number would do.
TEST(ValoriGriglia, ValoriEntroILimiti) {
    struct Caso {
        const char* testo;
        float minimo, massimo;
        std::optional<float> atteso;
    } casi[] = {
        {"4", 4, 200, 4.0f},        {"200", 4, 200, 200.0f},       {"3.9", 4, 200, std::nullopt},
        {"200.5", 4, 200, std::nullopt}, {"12,5", 4, 200, 12.5f}, {" 22.5 cm", 4, 200, 22.5f},
        {"abc", -SenzaLimite, SenzaLimite, std::nullopt},         {"", -SenzaLimite, SenzaLimite, std::nullopt},
        {"-1250.5", -SenzaLimite, SenzaLimite, -1250.5f},          {"0", -SenzaLimite, SenzaLimite, 0.0f},
        {"1e40", -SenzaLimite, SenzaLimite, std::nullopt},         {"0e40", -SenzaLimite, SenzaLimite, 0.0f},
        {"1e6", 10, SenzaLimite, 1e6f},
        // Never beyond what the files take back: 100 km either way.
        {"10000000", -SenzaLimite, SenzaLimite, 1e7f}, {"-10000000", -SenzaLimite, SenzaLimite, -1e7f},
        {"10000001", -SenzaLimite, SenzaLimite, std::nullopt}, {"-1e30", -SenzaLimite, SenzaLimite, std::nullopt},
    };
    for (const Caso& c : casi) EXPECT_EQ(ValoreGriglia(c.testo, c.minimo, c.massimo), c.atteso) << c.testo;
}

// A 16-bit Integer field: the limits test the value typed, then it is rounded halves to even and
// must fit 16 bits.
TEST(ValoriGriglia, InteriSedici) {
    const std::pair<const char*, std::optional<int>> casi[] = {
        {"6", 6},       {"5.9", std::nullopt}, {"12,5", 12}, {"13.5", 14},          {"6.4", 6},
        {"32767", 32767}, {"32767.4", 32767},  {"32767.5", std::nullopt}, {"40000", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(InteroGriglia(testo, 6), atteso) << testo;
    EXPECT_EQ(InteroGriglia("-32768", -SenzaLimite), -32768);
    EXPECT_EQ(InteroGriglia("-32769", -SenzaLimite), std::nullopt);
}
