#include "base/NumeriAngoli.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "base/Formati.h"

using namespace vilmor;

TEST(Direzioni, CasiLimite) {
    EXPECT_EQ(DirezioneGradi(0, 0, 10, 0.00005f), 0);
    EXPECT_EQ(DirezioneGradi(0, 0, 1000, -0.0002f), 360);
    EXPECT_EQ(DirezioneGradi(0, 0, -5, 0), 180);
    EXPECT_EQ(DirezioneGradi(0, 0, 0, -5), 270);
    EXPECT_EQ(DirezioneGradi(0, 0, 0, 0), 90);
    EXPECT_FLOAT_EQ(DirezioneGradi(0, 0, 1, 1), 45);

    EXPECT_NEAR(AngoloRadianti(0, 0, -1, -1), 3.92699, 1e-5);
    EXPECT_NEAR(AngoloRadianti(0, 0, 1, -1), 5.49779, 1e-5);
    EXPECT_NEAR(AngoloRadianti(0, 0, 0, 0), 1.5707963267949, 1e-12);

    EXPECT_FLOAT_EQ(InclinazioneSegmento(0, 0, 0.000001f, -5), 4.712389f);
    EXPECT_FLOAT_EQ(InclinazioneSegmento(0, 0, -5, 0.000001f), 3.1415927f);
    EXPECT_FLOAT_EQ(InclinazioneSegmento(0, 0, -3, 4), 2.2142975f);
    EXPECT_EQ(InclinazioneSegmento(0, 0, 0, 0), 0);
}

TEST(RiduciAngolo180, Casi) {
    EXPECT_FLOAT_EQ(RiduciAngolo180(-30), 150);
    EXPECT_FLOAT_EQ(RiduciAngolo180(90), 90);
    EXPECT_FLOAT_EQ(RiduciAngolo180(180), 0);
    EXPECT_FLOAT_EQ(RiduciAngolo180(200), 20.00001f);
    EXPECT_NE(RiduciAngolo180(200), 20.0f);
    EXPECT_EQ(RiduciAngolo180(359.99999), 180);
}

TEST(MezzoCentimetro, Tabella) {
    struct {
        float (*f)(float);
        float x, atteso;
    } casi[] = {
        {ArrotondaSuMezzo, 2.0f, 2.0f},  {ArrotondaSuMezzo, 2.01f, 2.5f},  {ArrotondaSuMezzo, 2.5f, 2.5f},
        {ArrotondaSuMezzo, 2.51f, 3.0f}, {ArrotondaSuMezzo, -2.3f, -2.0f}, {ArrotondaGiuMezzo, 2.49f, 2.0f},
        {ArrotondaGiuMezzo, 2.5f, 2.0f}, {ArrotondaGiuMezzo, 2.51f, 2.5f}, {ArrotondaGiuMezzo, 3.0f, 3.0f},
        {ArrotondaMezzo, 2.25f, 2.0f},   {ArrotondaMezzo, 2.26f, 2.5f},    {ArrotondaMezzo, 2.74f, 2.5f},
        {ArrotondaMezzo, 2.75f, 3.0f},
    };
    for (const auto& c : casi) EXPECT_EQ(c.f(c.x), c.atteso) << c.x;
}

TEST(TestoNumeri, VirgolaValNumeroFormatoNumero) {
    EXPECT_EQ(VirgolaPunto("2,5"), "2.5");
    EXPECT_EQ(VirgolaPunto("1,2,3"), "1.2,3");
    EXPECT_EQ(VirgolaPunto("abc"), "abc");
    EXPECT_EQ(ValNumero("2,5"), 2.5f);
    EXPECT_EQ(ValNumero(" 12 cm"), 12.0f);
    EXPECT_EQ(ValNumero("cm 12"), 0.0f);
    EXPECT_EQ(ValNumero("-1.5E2"), -150.0f);
    EXPECT_EQ(ValNumero("1e999"), 0.0f);
    EXPECT_EQ(ValNumero(""), 0.0f);
    EXPECT_EQ(FormatoNumero(2.0004f), "2");
    EXPECT_EQ(FormatoNumero(2.3f), "2.3");
    EXPECT_EQ(FormatoNumero(2.96f), "3.0");
    EXPECT_EQ(FormatoNumero(-2.0004f), "-2.0");
}

// Numbers must read and write alike whatever the user's regional settings.
TEST(TestoNumeri, LocaleItaliano) {
    const char* vecchio = std::setlocale(LC_ALL, nullptr);
    std::string salvato = vecchio ? vecchio : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchioCpp = std::locale::global(std::locale("it_IT.UTF-8"));
    EXPECT_EQ(ValNumero("2,5"), 2.5f);
    EXPECT_EQ(ValNumero("2.5"), 2.5f);
    EXPECT_EQ(FormatNum(3.14159f, 2), "3.14");
    EXPECT_EQ(FormatNum(1234.5f, 1), "1234.5");
    EXPECT_EQ(ArrotondaTesto(-0.25f, 2), "-.25");
    EXPECT_EQ(FormatoNumero(2.3f), "2.3");
    std::locale::global(vecchioCpp);
    std::setlocale(LC_ALL, salvato.c_str());
}
