#include "drawing/MappaPunzonamento.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "design/ColoreFascia.h"
#include "design/MappeColori.h"
#include "design/SolettaPunzonamento.h"
#include "drawing/DisMappeColori.h"
#include "model/Impostazioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    Banco() { FinestraIntera(); }
    std::vector<ChiamataVideo> Riempimenti() const {
        std::vector<ChiamataVideo> r;
        for (const auto& c : p.Video.Chiamate)
            if (c.Op == "CerchioPieno" || c.Op == "PoligonoBordato") r.push_back(c);
        return r;
    }
    std::vector<Entita> Testi() const {
        std::vector<Entita> r;
        for (const auto& e : p.SinkVideo.Entita_)
            if (e.Tipo == "Testo") r.push_back(e);
        return r;
    }
};

// The fill colour of a call of CerchioPieno (centre, radius, fill, outline) or PoligonoBordato
// (fill, outline, points).
int32_t Riempimento(const ChiamataVideo& c) {
    return static_cast<int32_t>(c.Op == "CerchioPieno" ? c.Num[3] : c.Num[0]);
}
int32_t Bordo(const ChiamataVideo& c) { return static_cast<int32_t>(c.Op == "CerchioPieno" ? c.Num[4] : c.Num[1]); }

}  // namespace

TEST(MappaPunzonamento, FasceDellArea) {
    struct Caso {
        float area, inferiore, superiore;
        int fascia;
        int32_t colore;
    };
    const Caso casi[] = {
        {20, 2, 20, 0, Rgb(0, 0, 200)},  {2, 2, 20, 9, Rgb(200, 0, 0)}, {11, 2, 20, 4, Rgb(0, 255, 0)},
        {25, 2, 20, -2, Rgb(0, 0, 0)},   {5, 5, 5, 9, Rgb(200, 0, 0)},  {7, 5, 5.00005f, 9, Rgb(200, 0, 0)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.area);
        EXPECT_EQ(FasciaPunzonamento(c.area, c.inferiore, c.superiore), c.fascia);
        Banco b;
        Modello m = SolettaPunz();
        AggiungiRecord(m, 500, 300, 2, c.area);
        Completa(m);
        DisegnaMappaPunzonamento(m, c.inferiore, c.superiore, "T", 0);
        auto f = b.Riempimenti();
        ASSERT_EQ(f.size(), 1u);
        EXPECT_EQ(f[0].Op, "PoligonoBordato");
        EXPECT_EQ(Riempimento(f[0]), c.colore);
        EXPECT_EQ(Bordo(f[0]), c.colore);
    }
}

TEST(MappaPunzonamento, RecordEPilastri) {
    for (int bianco : {0, 1}) {
        SCOPED_TRACE(bianco);
        Banco b;
        Imp.SfondoBianco = bianco;
        const int32_t neutro = bianco ? Rgb(235, 235, 235) : Rgb(75, 75, 75);
        const int32_t nonCalc = bianco ? Rgb(75, 75, 75) : Rgb(235, 235, 235);
        Modello m = SolettaPunz();
        AggiungiPilastro(m, 1, 200, 200, {20});                                  // state 1
        AggiungiPilastro(m, 2, 800, 200, {20});                                  // not computable
        AggiungiPilastro(m, 3, 200, 450, {180, 220, 200}, {430, 430, 470});     // three vertices
        AggiungiPilastro(m, 4, 800, 450, {});                                    // no vertex
        AggiungiRecord(m, 200, 200, 1, 5, 0);
        AggiungiRecord(m, 800, 200, -1, 0, 1);
        AggiungiRecord(m, 600, 500, -1, 0);  // no column: nothing
        AggiungiRecord(m, 500, 300, 2, 11);  // no column: perimeter and area
        Completa(m);
        DisegnaMappaPunzonamento(m, 2, 20, "Area armatura punzonamento [cmq]", 0);

        auto f = b.Riempimenti();
        ASSERT_EQ(f.size(), 6u);
        // The four columns in the neutral grey.
        EXPECT_EQ(f[0].Op, "CerchioPieno");
        EXPECT_EQ(f[0].Num, (std::vector<double>{200, 400, 20, double(neutro), double(ColorePalette(8))}));
        EXPECT_EQ(f[1].Op, "CerchioPieno");
        EXPECT_EQ(f[2].Op, "PoligonoBordato");
        EXPECT_EQ(f[2].Num, (std::vector<double>{double(neutro), double(neutro), 180, 170, 220, 170, 200, 130}));
        EXPECT_EQ(f[3].Op, "CerchioPieno");
        EXPECT_EQ(f[3].Num, (std::vector<double>{800, 150, 25, double(neutro), double(ColorePalette(8))}));
        // The not-computable column again, then the computed perimeter (20 vertices inside).
        EXPECT_EQ(f[4].Num, (std::vector<double>{800, 400, 20, double(nonCalc), double(ColorePalette(15))}));
        EXPECT_EQ(f[5].Op, "PoligonoBordato");
        EXPECT_EQ(Riempimento(f[5]), Rgb(0, 255, 0));
        EXPECT_EQ(f[5].Num.size(), 2u + 40u);

        auto t = b.Testi();
        ASSERT_EQ(t.size(), 6u);
        const std::vector<std::string> attesi = {"P1", "P2", "P3", "P4", "N.V.", "11.00 cmq"};
        for (size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].Testo, attesi[i]);
            EXPECT_EQ(t[i].Num[2], 1);  // kind
            EXPECT_EQ(t[i].Num[4], 0);
            EXPECT_EQ(t[i].Num[5], 1);
        }
        EXPECT_EQ(t[0].Num[0], 230);
        EXPECT_EQ(t[0].Num[1], 200);
        EXPECT_EQ(t[0].Num[3], 14);
        EXPECT_EQ(t[4].Num[0], 830);
        EXPECT_EQ(t[4].Num[1], 170);
        EXPECT_EQ(t[4].Num[3], 1);
        EXPECT_EQ(t[5].Num[0], 550);
        EXPECT_EQ(t[5].Num[1], 315);
        EXPECT_EQ(t[5].Num[3], 1);
        // The legend first, with the range.
        ASSERT_FALSE(b.p.Legenda.Di("Testo").empty());
        EXPECT_EQ(b.p.Legenda.Di("Testo")[0].Testo, "Area armatura punzonamento [cmq]");
    }
}

TEST(MappaPunzonamento, PilastroCalcolatoEPerimetroFuoriSoletta) {
    Banco b;
    Modello m = SolettaPunz();
    AggiungiPilastro(m, 7, 500, 300, {20});
    AggiungiRecord(m, 500, 300, 2, 11, 0);
    AggiungiRecord(m, 1400, 300, 2, 11);  // its perimeter lies wholly outside the slab
    Completa(m);
    DisegnaMappaPunzonamento(m, 2, 20, "T", 0);
    auto f = b.Riempimenti();
    ASSERT_EQ(f.size(), 2u);  // the column, its perimeter; nothing filled for the other
    auto t = b.Testi();
    ASSERT_EQ(t.size(), 4u);
    // d = 30 about the column's box of radius 20: the perimeter reaches 550, 350.
    EXPECT_EQ(t[1].Testo, "P7");
    EXPECT_EQ(t[1].Num[0], 555);
    EXPECT_EQ(t[1].Num[1], 350);
    EXPECT_EQ(t[1].Num[3], 14);
    // Without a vertex inside, the texts stand by the record's own position.
    EXPECT_EQ(t[3].Testo, "11.00 cmq");
    EXPECT_EQ(t[3].Num[0], 1405);
    EXPECT_EQ(t[3].Num[1], 270);
}

TEST(MappaPunzonamento, VoceDelleMappe) {
    // Map type 4 of the colour maps is the punching map.
    Banco b;
    Modello m = SolettaPunz();
    AggiungiRecord(m, 500, 300, 2, 11);
    Completa(m);
    Vista.TipoMappa = 4;
    Mappa.ScalaMin = 2;
    Mappa.ScalaMax = 20;
    DisegnaMappaColori(m);
    auto f = b.Riempimenti();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(Riempimento(f[0]), Rgb(0, 255, 0));
}
