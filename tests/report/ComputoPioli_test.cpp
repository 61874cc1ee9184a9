#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drawing/DisegnoZone.h"
#include "model/Impostazioni.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"
#include "report/SolettaComputo.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string IntestPioli =
    "\\par Armatura a taglio:\\par \\fs18 " + InizioRiga() + BordoCella(1050) + BordoCella(2100) + BordoCella(3400) +
    BordoCella(4700) + BordoCella(6000) +
    "\\intbl\\nowidctlpar  Pos.\\cell  Num.pioli\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  Peso (kg)\\cell\\row ";
const std::string IntestPunz =
    "\\par Armatura a punzonamento:\\par \\fs18 " + InizioRiga() + BordoCella(1050) + BordoCella(2100) +
    BordoCella(3400) + BordoCella(4700) + BordoCella(6000) +
    "\\intbl\\nowidctlpar  Pilastro\\cell  Num.listelli\\cell  Pioli x listello\\cell  Diam.(mm)\\cell  Peso (kg)\\cell\\row ";

Zona ZonaPioli(float passo, float passo2, int direzione = 0) {
    Zona z;
    z.Tipo = 3;
    z.Diametro = 12;
    z.Direzione = direzione;
    z.Passo = passo;
    z.Passo2 = passo2;
    return z;
}

const std::vector<Punto> ZonaL = {{400, 400}, {497, 400}, {497, 247}, {700, 247}, {700, 100}, {400, 100}};

struct Impostazioni_ {
    Impostazioni vecchie = Imp;
    Impostazioni_() { Imp = Impostazioni{}; }
    ~Impostazioni_() { Imp = vecchie; }
};

}  // namespace

// The schedule counts the studs the plan draws, on the plan's grid.
TEST(ComputoPioli, ContaComeLaPianta) {
    Impostazioni_ imp;
    struct Caso {
        const char* nome;
        std::vector<Punto> contorno;
        Zona zona;
        int pioli;
        const char* riga;  // "" = not checked
    };
    const Caso casi[] = {
        {"200 x 100 a 20/25", Rettangolo(100, 100, 200, 100), ZonaPioli(20, 25), 55,
         "\\intbl  5\\cell   55\\cell  \xC3\x98 12\\cell  20 x 25\\cell  9.3\\cell\\row "},
        {"200 x 100 a 20/30", Rettangolo(100, 100, 200, 100), ZonaPioli(20, 30), 44,
         "\\intbl  5\\cell   44\\cell  \xC3\x98 12\\cell  20 x 30\\cell  7.4\\cell\\row "},
        {"110 x 110 a 12.5/12.5", Rettangolo(100, 100, 110, 110), ZonaPioli(12.5f, 12.5f), 81,
         "\\intbl  5\\cell   81\\cell  \xC3\x98 12\\cell  12.5 x 12.5\\cell  13.7\\cell\\row "},
        {"a L", ZonaL, ZonaPioli(20, 20), 168, ""},
        {"a L in direzione 2", ZonaL, ZonaPioli(20, 20, 1), 168, ""},
        {"passo nullo", Rettangolo(100, 100, 200, 100), ZonaPioli(0, 25), 0,
         "\\intbl  5\\cell   0\\cell  \xC3\x98 12\\cell  0 x 25\\cell  0.0\\cell\\row "},
        {"passo trasversale nullo", Rettangolo(100, 100, 200, 100), ZonaPioli(20, 0), 0, ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = SolettaSette();
        const int z = AggiungiZonaComputo(m, c.zona, c.contorno);
        ASSERT_EQ(z, 4);
        const auto righe = RighePioli(m);
        ASSERT_EQ(righe.size(), 1u);
        EXPECT_EQ(righe[0].Zona, 4);
        EXPECT_EQ(righe[0].Pioli, c.pioli);
        // Each stud is as long as the slab less both covers.
        EXPECT_FLOAT_EQ(righe[0].Peso, PesoProva(12, 19.0f * c.pioli));
        // The count the layout pass stores with the zone.
        Modello disegno = m;
        CalcolaArmature(disegno);
        EXPECT_EQ(disegno.Zone.Zone[4].NumBracci, c.pioli);

        StatoRelazione r;
        r.PesoSoletta = 10;
        const std::string t = ComputaPioli(r, m);
        EXPECT_FLOAT_EQ(r.PesoSoletta, 10 + righe[0].Peso);
        EXPECT_TRUE(t.starts_with(IntestPioli));
        EXPECT_TRUE(t.ends_with("\\cell\\row \\pard\\fs20 "));
        if (*c.riga) {
            EXPECT_NE(t.find(c.riga), std::string::npos) << t;
        }
    }
}

TEST(ComputoPioli, NelComputoDellaSoletta) {
    Impostazioni_ imp;
    Modello m = SolettaSette();
    AggiungiZonaComputo(m, ZonaPioli(20, 25), Rettangolo(100, 100, 200, 100));
    Zona altra = ZonaPioli(20, 25);
    altra.Tipo = 4;  // any kind above 3 shows the schedule but gets no row
    AggiungiZonaComputo(m, altra, Rettangolo(100, 100, 200, 100));
    StatoRelazione r;
    ScriviComputo(r, m);
    ContieneInOrdine(r.TestoRtf, {"Cordoli, staffe:", IntestPioli + "\\intbl  5\\cell   55\\cell ",
                                  "\\cell\\row \\pard\\fs20 \\par Distanziatori "});
    EXPECT_EQ(r.TestoRtf.find("\\intbl  6\\cell "), std::string::npos);
    // 1572.0 and the studs' 9.3
    EXPECT_NE(r.TestoRtf.find("Peso totale dei ferri = 1581.3 kg"), std::string::npos);
}

TEST(ComputoPunz, Righe) {
    Impostazioni_ imp;
    struct Caso {
        const char* nome;
        std::function<void(Modello&, Punzonamento&)> prepara;
        std::vector<std::string> righe;
    };
    // A record of column index 0 (number 3) over node index 1 (number 57) at (500, 300).
    const Caso casi[] = {
        {"pilastro senza tratti", [](Modello&, Punzonamento&) {},
         {"\\intbl   P3\\cell  8\\cell  3\\cell  \xC3\x98 12\\cell  4.0\\cell\\row "}},
        {"nodo", [](Modello&, Punzonamento& p) { p.IndicePilastro = -1; },
         {"\\intbl   N57\\cell  8\\cell  3\\cell  \xC3\x98 12\\cell  4.0\\cell\\row "}},
        {"diametro minimo delle impostazioni", [](Modello&, Punzonamento&) { Imp.DiamPioli = 14; },
         {"\\intbl   P3\\cell  8\\cell  3\\cell  \xC3\x98 14\\cell  5.5\\cell\\row "}},
        {"un quarto di giro in senso orario, 8 listelli",
         [&](Modello&, Punzonamento& p) {
             p.NumTratti = 1;
             p.TrattoIniz[0] = {500, 400};  // straight up
             p.TrattoFine[0] = {600, 300};  // to the right
         },
         // 10.5 cm2 on 2 rails of 3 studs: 1.75 each, 16 mm.
         {"\\intbl   P3\\cell  2\\cell  3\\cell  \xC3\x98 16\\cell  " + FormatNum(PesoProva(16, 2 * 3 * 19), 1) +
          "\\cell\\row "}},
        {"un quarto di giro, 4 listelli: nessuna riga",
         [&](Modello&, Punzonamento& p) {
             p.NumListelli = 4;
             p.NumTratti = 1;
             p.TrattoIniz[0] = {600, 300};  // to the right
             p.TrattoFine[0] = {500, 200};  // straight down
         },
         {}},
        {"tre quarti di giro e un tratto con inizio e fine uguali (giro intero)",
         [&](Modello&, Punzonamento& p) {
             p.NumTratti = 2;
             p.TrattoIniz[0] = {500, 400};
             p.TrattoFine[0] = {400, 300};
             p.TrattoIniz[1] = {600, 300};
             p.TrattoFine[1] = {700, 300};
         },
         {"\\intbl   P3\\cell  6\\cell  3\\cell  \xC3\x98 12\\cell  ", "\\intbl   P3\\cell  8\\cell  3\\cell  \xC3\x98 12\\cell  "}},
        {"tratti senza pioli per listello", [&](Modello&, Punzonamento& p) {
             p.NumTratti = 1;
             p.PioliListello = 0;
         },
         {}},
        {"senza listelli", [](Modello&, Punzonamento& p) { p.NumListelli = 0; }, {}},
        {"non radiale", [](Modello&, Punzonamento& p) { p.TipoPunz = 1; }, {}},
        {"pilastro fuori dal modello", [](Modello&, Punzonamento& p) { p.IndicePilastro = 5; }, {}},
        {"nodo fuori dal modello", [](Modello&, Punzonamento& p) {
             p.IndicePilastro = -1;
             p.IndiceNodo = 2;
         },
         {}},
        {"tratti di un nodo fuori dal modello", [](Modello&, Punzonamento& p) {
             p.IndiceNodo = -3;
             p.NumTratti = 1;
         },
         {}},
        {"più tratti dichiarati che registrati", [&](Modello&, Punzonamento& p) {
             p.NumTratti = 9;
             p.TrattoIniz[0] = {500, 400};
             p.TrattoFine[0] = {500, 200};
         },
         // Half a turn, then the two stored stretches left at (0, 0): a full turn each.
         {"\\intbl   P3\\cell  4\\cell  3\\cell  \xC3\x98 12\\cell  ", "\\intbl   P3\\cell  8\\cell  ",
          "\\intbl   P3\\cell  8\\cell  "}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Imp = Impostazioni{};
        Modello m = SolettaSette();
        m.Soletta.Pilastri.resize(1);
        m.Soletta.Pilastri[0].Numero = 3;
        m.Soletta.NumPilastri = 1;
        m.Analisi.Nodi.resize(2);
        m.Analisi.Nodi[1].Numero = 57;
        m.Analisi.Nodi[1].X = 500;
        m.Analisi.Nodi[1].Y = 300;
        m.Analisi.NumNodi = 2;
        Punzonamento p;
        p.StatoPunz = 2;
        p.IndicePilastro = 0;
        p.IndiceNodo = 1;
        p.NumListelli = 8;
        p.PioliListello = 3;
        p.AreaPiolo = 1.13f;
        p.AreaTotPioli = 10.5f;
        c.prepara(m, p);
        m.Analisi.Punzonamenti = {p};
        m.Analisi.NumPunzonamenti = 1;

        StatoRelazione r;
        const std::string t = ComputaPunz(r, m);
        EXPECT_TRUE(t.starts_with(IntestPunz));
        EXPECT_TRUE(t.ends_with("\\pard\\fs20 "));
        EXPECT_EQ(Occorrenze(t, "\\intbl  "), static_cast<int>(c.righe.size())) << t;
        ContieneInOrdine(t, c.righe);
        float peso = 0;
        for (const RigaPunz& riga : RighePunz(m)) peso += riga.Peso;
        EXPECT_FLOAT_EQ(r.PesoSoletta, peso);
        EXPECT_EQ(c.righe.empty(), peso == 0);
    }
}

// The punching schedule stands on its own: with records and no zones, and with records that
// give no row.
TEST(ComputoPunz, NelComputoDellaSoletta) {
    Impostazioni_ imp;
    for (int tipo : {0, 2}) {
        SCOPED_TRACE(tipo);
        Modello m = SolettaSette();
        m.Zone.UltimaZona = -1;
        m.Zone.Zone.clear();
        m.Soletta.Pilastri.resize(1);
        m.Soletta.Pilastri[0].Numero = 3;
        m.Soletta.NumPilastri = 1;
        Punzonamento p;
        p.TipoPunz = tipo;
        p.StatoPunz = 2;
        p.IndicePilastro = 0;
        p.NumListelli = 8;
        p.PioliListello = 3;
        p.AreaPiolo = 1.13f;
        m.Analisi.Punzonamenti = {p, p};
        m.Analisi.NumPunzonamenti = 2;
        StatoRelazione r;
        ScriviComputo(r, m);
        ContieneInOrdine(r.TestoRtf, {"Armatura diffusa:", IntestPunz});
        EXPECT_EQ(r.TestoRtf.find("Armatura integrativa"), std::string::npos);
        EXPECT_EQ(Occorrenze(r.TestoRtf, "\\intbl   P3\\cell "), tipo == 0 ? 2 : 0);
    }
}

// Only the records the punching view draws are charged: states 0 and 1 need no studs, a negative
// state could not be computed. A slab with none of state 2 or more gives the heading alone.
TEST(ComputoPunz, SoloGliStatiDisegnati) {
    Impostazioni_ imp;
    Modello m = SolettaSette();
    m.Soletta.Pilastri.resize(5);
    for (int i = 0; i < 5; ++i) m.Soletta.Pilastri[static_cast<size_t>(i)].Numero = 10 + i;
    m.Soletta.NumPilastri = 5;
    const int stati[] = {-1, 0, 1, 2, 3};
    for (int i = 0; i < 5; ++i) {
        Punzonamento p;
        p.StatoPunz = stati[i];
        p.IndicePilastro = i;
        p.NumListelli = 8 + i;
        p.PioliListello = 3;
        p.AreaPiolo = 1.13f;
        m.Analisi.Punzonamenti.push_back(p);
    }
    m.Analisi.NumPunzonamenti = 5;

    const auto righe = RighePunz(m);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].Numero, 13);
    EXPECT_EQ(righe[1].Numero, 14);
    StatoRelazione r;
    const std::string t = ComputaPunz(r, m);
    EXPECT_EQ(Occorrenze(t, "\\intbl  "), 2) << t;
    ContieneInOrdine(t, {"\\intbl   P13\\cell  11\\cell ", "\\intbl   P14\\cell  12\\cell "});
    EXPECT_FLOAT_EQ(r.PesoSoletta, righe[0].Peso + righe[1].Peso);

    // The whole report: the total weight differs from the report without the drawn records by
    // exactly their weights.
    StatoRelazione tutto;
    ScriviComputo(tutto, m);
    Modello senza = m;
    senza.Analisi.Punzonamenti[3].StatoPunz = 1;
    senza.Analisi.Punzonamenti[4].StatoPunz = 0;
    StatoRelazione meno;
    ScriviComputo(meno, senza);
    EXPECT_NEAR(tutto.PesoSoletta - meno.PesoSoletta, righe[0].Peso + righe[1].Peso, 1e-3);
    EXPECT_NE(meno.TestoRtf.find(IntestPunz + "\\pard\\fs20 "), std::string::npos);
}
