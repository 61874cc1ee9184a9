// The quantities report of slab files loaded as the program loads them, each into a model of
// its own.
#include <gtest/gtest.h>

#include <string>

#include "app/CaricaSoletta.h"
#include "design/SoletteBarre.h"
#include "report/Computo.h"
#include "report/SolettaComputo.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Sol1 = std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR";
const std::string SolDp = std::string(VILMOR_DATI_PROVA) + "/datiprogetto/SOLDP.QVR";

struct ComputoCampioni : ::testing::Test {
    AmbienteBarre amb;
    PiattaformaProva p;
    Modello vecchio = M;
    ~ComputoCampioni() override { M = vecchio; }
};

}  // namespace

TEST_F(ComputoCampioni, Solaio1) {
    // The project in memory is another slab, and stays as it is.
    ASSERT_EQ(CaricaSoletta(SolDp, 0, M, nullptr), 0);
    const std::string prima = dump::StampaModello(M);

    Modello m;
    ASSERT_EQ(CaricaSoletta(Sol1, 0, m, nullptr), 0);
    StatoRelazione r;
    CopuRTF(r, m);
    EXPECT_EQ(dump::StampaModello(M), prima);

    // The diffuse totals are those of the program's own layout of the sample.
    ContieneInOrdine(r.TestoRtf, {
        "Soletta in c.a. n. 1\\par ",
        "\\intbl  sup.\\cell  1\\cell  " + D(10) + "\\cell  20.0\\cell  57152.0\\cell  352.4\\cell\\row ",
        "\\intbl  sup.\\cell  2\\cell  " + D(10) + "\\cell  25.0\\cell  45448.0\\cell  280.2\\cell\\row ",
        "\\intbl  inf.\\cell  1\\cell  " + D(12) + "\\cell  25.0\\cell  46872.0\\cell  416.1\\cell\\row ",
        "\\intbl  inf.\\cell  2\\cell  " + D(10) + "\\cell  20.0\\cell  56810.0\\cell  350.3\\cell\\row \\pard\\fs20 ",
        // 900 x 900 + 300 x 600 less the opening of 100 x 150; chairs 2 x 24 + 18 + 2 x 17.
        "\\par Distanziatori " + std::string(SegnoDiametro) +
            "12, L = 100.0 cm\\par 1/50 dir.1,  1/50 dir.2\\par Superficie soletta = 97.5 mq\\par Peso totale "
            "distanziatori = 346.2 kg\\par ",
        "\\par Peso totale dei ferri = 1745.2 kg\\par Volume calcestruzzo = 24.4 mc\\par Incidenza = 71.6 kg/mc\\par ",
    });
    EXPECT_EQ(r.TestoRtf.find("Armatura integrativa"), std::string::npos);
    EXPECT_FLOAT_EQ(r.VolumeTotale, 24.375f);
}

TEST_F(ComputoCampioni, PunzonamentoDelFileDatiProgetto) {
    Modello m;
    ASSERT_EQ(CaricaSoletta(SolDp, 0, m, nullptr), 0);
    ASSERT_EQ(m.Analisi.NumPunzonamenti, 4);
    StatoRelazione r;
    CopuRTF(r, m);
    // Columns 1 and 2 with radial studs of 1.13 and 0.79 cm2: 12 mm each, 15 cm long (25 - 2 x
    // 5). The node's record has no studs per rail, the last column no rails: no rows.
    const std::string t = r.TestoRtf;
    ContieneInOrdine(t, {"\\par Armatura a punzonamento:\\par ",
                         "\\intbl   P1\\cell  8\\cell  6\\cell  " + D(12) + "\\cell  6.4\\cell\\row ",
                         "\\intbl   P2\\cell  8\\cell  5\\cell  " + D(12) + "\\cell  5.3\\cell\\row \\pard\\fs20 ",
                         "\\par Distanziatori "});
    EXPECT_EQ(Occorrenze(t, "\\intbl   "), 2);
}
