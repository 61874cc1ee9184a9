#include "dxf/ContestoDxf.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vilmor;

TEST(ContestoDxf, HandleInEsadecimaleMaiuscolo) {
    ContestoDxf c;
    InizializzaDxf(c);
    std::vector<std::string> dati;
    for (int i = 0; i < 4065; ++i) dati.push_back(NuovoHandle(c));
    struct {
        int chiamata;  // 1-based
        const char* atteso;
    } casi[] = {{1, "20"}, {2, "21"}, {3, "22"}, {127, "9E"}, {128, "9F"}, {129, "A0"},
                {225, "100"}, {4065, "1000"}};
    for (const auto& k : casi) EXPECT_EQ(dati[k.chiamata - 1], k.atteso) << k.chiamata;
}

TEST(ContestoDxf, UnaNuovaEsportazioneRicominciaDaCapo) {
    ContestoDxf c;
    std::stringstream e;
    c.Entita = &e;
    InizializzaDxf(c);
    EXPECT_EQ(NomeBloccoQuota(c), "*D0");
    EXPECT_EQ(NomeBloccoQuota(c), "*D1");
    EXPECT_EQ(NomeBloccoTratteggio(c), "*X0");
    for (int i = 0; i < 40; ++i) NuovoHandle(c);
    c.HandleBlocchiD = {"20", "21"};
    c.HandleBlocchiX = {"22"};

    InizializzaDxf(c);
    EXPECT_EQ(NuovoHandle(c), "20");
    EXPECT_EQ(NomeBloccoQuota(c), "*D0");
    EXPECT_EQ(NomeBloccoTratteggio(c), "*X0");
    EXPECT_TRUE(c.HandleBlocchiD.empty());
    EXPECT_TRUE(c.HandleBlocchiX.empty());
    EXPECT_EQ(c.HandleModelSpace, "19");
    EXPECT_EQ(c.HandleLayoutModel, "1A");
    EXPECT_EQ(c.Entita, &e) << "the streams are the caller's";
}

TEST(ContestoDxf, FormaDelleRighe) {
    struct {
        int codice;
        const char* atteso;
    } codici[] = {{0, "  0"}, {5, "  5"}, {10, " 10"}, {330, "330"}, {1001, "1001"}};
    for (const auto& k : codici) EXPECT_EQ(CodiceDxf(k.codice), k.atteso);

    std::ostringstream os;
    GruppoDxf(os, 8, "Citt\xC3\xA0 \xC3\x98" "12");
    GruppoIntDxf(os, 62, -3);
    GruppoRealeDxf(os, 40, 1.5f);
    CoppiaDxf(os, "2", "riga\r\nspezzata");
    EXPECT_EQ(os.str(),
              "  8\r\nCitt\xE0 \xD8" "12\r\n"
              " 62\r\n    -3\r\n"
              " 40\r\n1.50000000\r\n"
              "2\r\nriga  spezzata\r\n");
}

TEST(ContestoDxf, CopiaDiUnFlusso) {
    struct {
        const char* dentro;
        const char* fuori;
    } casi[] = {
        {"", ""},
        {"  0\r\nLINE\r\n", "  0\r\nLINE\r\n"},
        {"  0\nLINE\n 10\n1.5", "  0\r\nLINE\r\n 10\r\n1.5\r\n"},
        {"\r\n  8\r\n\xD8\r\n", "\r\n  8\r\n\xD8\r\n"},  // bytes already in the code page stay
    };
    for (const auto& k : casi) {
        std::stringstream da;
        da << k.dentro;
        std::ostringstream a;
        CopiaRigheDxf(&da, a);
        EXPECT_EQ(a.str(), k.fuori) << k.dentro;
    }
    std::ostringstream a;
    CopiaRigheDxf(nullptr, a);
    EXPECT_EQ(a.str(), "");

    // Lines across the blocks the copy reads: a CR LF split between two blocks, bare LFs and
    // a last line ending in a lone CR.
    std::string dentro = std::string(65535, 'x') + "\r\n", fuori = dentro;
    for (int i = 0; i < 30000; ++i) {
        const std::string riga(static_cast<size_t>(i % 9), 'a' + i % 26);
        dentro += riga + (i % 3 ? "\r\n" : "\n");
        fuori += riga + "\r\n";
    }
    dentro += "coda\r";
    fuori += "coda\r\n";
    std::stringstream da(dentro);
    std::ostringstream lunga;
    CopiaRigheDxf(&da, lunga);
    EXPECT_EQ(lunga.str(), fuori);
    EXPECT_FALSE(da.bad());

    // A stream that failed stays failed.
    std::stringstream guasto("  0\r\nLINE\r\n");
    guasto.setstate(std::ios::badbit);
    std::ostringstream b;
    CopiaRigheDxf(&guasto, b);
    EXPECT_TRUE(guasto.bad());
}
