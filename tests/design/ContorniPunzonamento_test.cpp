#include "design/ContorniPunzonamento.h"

#include <gtest/gtest.h>

#include <vector>

#include "design/ContorniArmatura.h"

using namespace vilmor;

namespace {

std::vector<Punto> Contorno(const Punzonamento& r) {
    std::vector<Punto> v;
    for (int i = 0; i < r.NumVertici; ++i) v.push_back({r.VertX[static_cast<size_t>(i)], r.VertY[static_cast<size_t>(i)]});
    return v;
}

void AttesoRettangolo(const Punzonamento& r, float x0, float y0, float x1, float y1) {
    ASSERT_EQ(r.NumVertici, 4);
    std::vector<Punto> v = Contorno(r);
    // Clockwise from the upper right corner.
    float atteso[4][2] = {{x1, y1}, {x1, y0}, {x0, y0}, {x0, y1}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(v[i].X, atteso[i][0]) << i;
        EXPECT_FLOAT_EQ(v[i].Y, atteso[i][1]) << i;
    }
}

// A slab 25 thick with cover 3 (d = 8.5) and an archive whose type 1 is a library section of
// 30 (Dim0) by 50 (Dim1), type 2 a shape without section.
Modello ModelloProva() {
    Modello m;
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 3;
    ArchivioPilastri& a = m.Archivio;
    a.NumTipiPilastro = 2;
    a.TipoSezPilastro = {1, 0, 0};
    a.FormaPilastro = {0, 0, 0};
    a.DimPilastro = {{220, 0, 0, 0, 0, 0}, {30, 50, 0, 0, 0, 0}, {}};
    a.SezioniPilastro.resize(2);
    a.SezioniPilastro[0].Dim0 = 30;
    a.SezioniPilastro[0].Dim1 = 50;
    a.NumSezioniPilastro = 1;
    return m;
}

int AggiungiPilastro(Modello& m, const Pilastro& c) {
    m.Soletta.Pilastri.push_back(c);
    return m.Soletta.NumPilastri++;
}

void AggiungiRecord(Modello& m, int pilastro, int nodo = 0) {
    Punzonamento r;
    r.IndicePilastro = pilastro;
    r.IndiceNodo = nodo;
    m.Analisi.Punzonamenti.push_back(r);
    ++m.Analisi.NumPunzonamenti;
}

}  // namespace

TEST(CalcContorniPunz, DistanzaAlMezzoCentimetroInferiore) {
    struct Caso {
        float spessore, copriferro, d;
    } casi[] = {{25, 3, 8.5f}, {20, 2.5f, 7.0f}, {30, 4, 10.0f}, {18, 3, 6.0f}};
    for (const Caso& c : casi) {
        Modello m;
        m.Progetto.Spessore = c.spessore;
        m.Progetto.Copriferro = c.copriferro;
        EXPECT_EQ(DistanzaContorniPunz(m), c.d) << c.spessore << " " << c.copriferro;
    }
}

TEST(CalcContorniPunz, QuadratoDelNodo) {
    Modello m = ModelloProva();
    m.Analisi.Nodi.resize(3);
    m.Analisi.NumNodi = 3;
    m.Analisi.Nodi[2].X = 100;
    m.Analisi.Nodi[2].Y = 200;
    AggiungiRecord(m, -1, 2);
    AggiungiRecord(m, -1, 7);  // no such node: no outline, no crash
    CalcContorniPunz(m);
    AttesoRettangolo(m.Analisi.Punzonamenti[0], 71.5f, 171.5f, 128.5f, 228.5f);
    EXPECT_EQ(m.Analisi.Punzonamenti[1].NumVertici, 0);
}

TEST(CalcContorniPunz, SezioneDiArchivioGirataConLAngolo) {
    struct Caso {
        float angolo;
        bool scambia;
    } casi[] = {{0, false},  {45, false}, {135, false}, {180, false}, {225, false},
                {90, true},  {270, true}, {46, true},   {314, true},  {315, false}};
    for (const Caso& c : casi) {
        Modello m = ModelloProva();
        Pilastro p;
        p.NumVertici = 0;
        p.Tipo = 1;
        p.Angolo = c.angolo;
        AggiungiRecord(m, AggiungiPilastro(m, p));
        CalcContorniPunz(m);
        SCOPED_TRACE(c.angolo);
        if (c.scambia) AttesoRettangolo(m.Analisi.Punzonamenti[0], -23.5f, -33.5f, 23.5f, 33.5f);
        else AttesoRettangolo(m.Analisi.Punzonamenti[0], -33.5f, -23.5f, 33.5f, 23.5f);
    }
}

TEST(CalcContorniPunz, TipoSenzaSezioneDiLibreria) {
    // Type 2 is a shape without section, type 9 is not in the archive: the 30 x 30 box.
    for (int tipo : {2, 9, 0}) {
        Modello m = ModelloProva();
        Pilastro p;
        p.NumVertici = 0;
        p.Tipo = tipo;
        p.X = 100;
        p.Y = 50;
        AggiungiRecord(m, AggiungiPilastro(m, p));
        CalcContorniPunz(m);
        SCOPED_TRACE(tipo);
        AttesoRettangolo(m.Analisi.Punzonamenti[0], 76.5f, 26.5f, 123.5f, 73.5f);
    }
}

TEST(CalcContorniPunz, OttagonoDelPilastroTondo) {
    Modello m = ModelloProva();
    Pilastro p;
    p.NumVertici = 1;
    p.VX = {20, 0, 0, 0, 0};
    p.VY = std::vector<float>(5);
    AggiungiRecord(m, AggiungiPilastro(m, p));
    CalcContorniPunz(m);
    const Punzonamento& r = m.Analisi.Punzonamenti[0];
    ASSERT_EQ(r.NumVertici, 8);
    std::vector<Punto> v = Contorno(r);
    EXPECT_FLOAT_EQ(v[0].X, 0);
    EXPECT_FLOAT_EQ(v[0].Y, 28.5f);
    EXPECT_FLOAT_EQ(v[1].X, 20.1495f);  // 0.707 x 28.5
    EXPECT_FLOAT_EQ(v[1].Y, 20.1495f);
    EXPECT_FLOAT_EQ(v[2].X, 28.5f);
    EXPECT_FLOAT_EQ(v[4].Y, -28.5f);
    EXPECT_FLOAT_EQ(v[5].X, -20.1495f);
    EXPECT_FLOAT_EQ(v[5].Y, -20.1495f);
    EXPECT_FLOAT_EQ(v[6].X, -28.5f);
    EXPECT_FLOAT_EQ(v[7].Y, 20.1495f);
}

TEST(CalcContorniPunz, PoligonoAncheDiTreVertici) {
    for (int n : {3, 4, 6}) {
        Modello m = ModelloProva();
        Pilastro p;
        p.NumVertici = n;
        std::vector<Punto> anello;
        if (n == 3) anello = {{0, 0}, {0, 40}, {40, 0}};
        else if (n == 4) anello = {{0, 0}, {0, 40}, {30, 40}, {30, 0}};
        else anello = {{0, 0}, {0, 60}, {20, 60}, {20, 20}, {60, 20}, {60, 0}};
        for (const Punto& q : anello) p.VX.push_back(q.X), p.VY.push_back(q.Y);
        AggiungiRecord(m, AggiungiPilastro(m, p));
        CalcContorniPunz(m);
        SCOPED_TRACE(n);
        const Punzonamento& r = m.Analisi.Punzonamenti[0];
        ASSERT_EQ(r.NumVertici, n);
        std::vector<Punto> atteso = AnelloAllargato(anello, 8.5f);
        std::vector<Punto> v = Contorno(r);
        for (size_t i = 0; i < atteso.size(); ++i) {
            EXPECT_FLOAT_EQ(v[i].X, atteso[i].X);
            EXPECT_FLOAT_EQ(v[i].Y, atteso[i].Y);
        }
    }
}

TEST(CalcContorniPunz, NientePerNessunRecordOColonnaMancante) {
    Modello m = ModelloProva();
    CalcContorniPunz(m);
    EXPECT_EQ(m.Analisi.NumPunzonamenti, 0);
    AggiungiRecord(m, 3);  // a column that is not there
    CalcContorniPunz(m);
    EXPECT_EQ(m.Analisi.Punzonamenti[0].NumVertici, 0);
    EXPECT_EQ(m.Analisi.Punzonamenti[0].IndicePilastro, 3);
}
