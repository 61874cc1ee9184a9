#include <gtest/gtest.h>

#include <utility>

#include "report/Computo.h"
#include "report/Mod_RTF.h"
#include "report/SolettaComputo.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A slab 30 cm thick with a 3 cm cover, direction-1 diffuse bars of 12 mm on both faces, and
// the curbs given.
Modello SolettaCordoli(const std::vector<std::pair<Zona, float>>& cordoli) {
    Modello m;
    m.Progetto.Spessore = 30;
    m.Progetto.Copriferro = 3;
    m.Diffusa.DiamDiffSup1 = m.Diffusa.DiamDiffInf1 = 12;
    for (const auto& [zona, lunghezza] : cordoli) AggiungiZonaComputo(m, zona, StrisciaCordolo(lunghezza));
    return m;
}

}  // namespace

TEST(ComputoCordoli, StaffeECorrenti) {
    struct Caso {
        const char* nome;
        int bracci;
        float passo, lunghezza;
        float spessore;
        int numFerri;
        float lungFerri;
        int staffe;
        float lungStaffa;  // H = Int(30 - 6 - 2.4) = 21, hooks 2 x 8 = 16
    };
    const Caso casi[] = {
        {"2 bracci", 2, 20, 500, 30, 4, 500, 25, 60 + 42 + 16},
        {"4 bracci: due staffe strette per posizione", 4, 20, 500, 30, 8, 500, 50, 2 * 19 + 42 + 16},
        {"3 bracci come 4", 3, 20, 500, 30, 8, 500, 50, 96},
        {"meno di 2 bracci come 2", 0, 20, 500, 30, 4, 500, 25, 118},
        {"passo 30: resto scartato", 2, 30, 500, 30, 4, 500, 16, 118},
        {"passo 30, 4 bracci", 4, 30, 500, 30, 8, 500, 32, 96},
        // As the plan draws it: a curb shorter than its spacing still has one stirrup.
        {"più corto del passo", 2, 20, 15, 30, 4, 15, 1, 118},
        {"più corto del passo, 4 bracci", 4, 20, 15, 30, 8, 15, 2, 96},
        {"passo nullo", 2, 0, 500, 30, 4, 500, 0, 118},
        {"passo negativo", 4, -20, 500, 30, 8, 500, 0, 96},
        // 5 - 6 - 2.4 < 0: the height counts as 0.
        {"soletta più sottile di copriferri e barre", 2, 20, 500, 5, 4, 500, 25, 60 + 16},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Modello m = SolettaCordoli({{ZonaCordolo(c.bracci, 14, 8, c.passo, 30), c.lunghezza}});
        m.Progetto.Spessore = c.spessore;
        const auto correnti = RigheCorrenti(m);
        const auto staffe = RigheStaffe(m);
        ASSERT_EQ(correnti.size(), 1u);
        ASSERT_EQ(staffe.size(), 1u);
        EXPECT_EQ(correnti[0].NumFerri, c.numFerri);
        EXPECT_FLOAT_EQ(correnti[0].Lunghezza, c.lungFerri);
        EXPECT_FLOAT_EQ(correnti[0].LungTotale, c.numFerri * c.lungFerri);
        EXPECT_FLOAT_EQ(correnti[0].Peso, PesoProva(14, c.numFerri * c.lungFerri));
        EXPECT_EQ(staffe[0].Numero, c.staffe);
        EXPECT_FLOAT_EQ(staffe[0].Lunghezza, c.lungStaffa);
        EXPECT_FLOAT_EQ(staffe[0].LungTotale, c.staffe * c.lungStaffa);
        EXPECT_FLOAT_EQ(staffe[0].Peso, PesoProva(8, c.staffe * c.lungStaffa));
    }
}

TEST(ComputoCordoli, Testo) {
    // Curb 0 of 500 cm with 2 legs; zone 1 is no curb; curb 2 of 300 cm with 4 legs.
    Modello m = SolettaCordoli({{ZonaCordolo(2, 14, 8, 20, 30), 500}, {ZonaFerri(0, 0, 12, 20, 100), 100},
                                {ZonaCordolo(4, 16, 10, 25, 40), 300}});
    StatoRelazione r;
    r.TestoRtf = "x";
    r.PesoSoletta = 1;
    ComputaCordoli(r, m);
    const std::string d = std::string(SegnoDiametro) + " ";
    std::string righe = "\\fs18 " + InizioRiga();
    for (int b : {1050, 2100, 3400, 4700, 6000, 7300}) righe += BordoCella(b);
    const float peso3 = PesoProva(16, 8 * 300.0f);
    // 300 / 25 = 12 positions, 24 stirrups of 2 x Int(26.4) + 2 x 21 + 20 = 114
    const float pesoSt3 = PesoProva(10, 24 * 114.0f);
    const std::string atteso =
        "x\\par Cordoli, ferri correnti:\\par " + righe +
        "\\intbl\\nowidctlpar  Pos.\\cell  Num.\\cell  Diam.(mm)\\cell  Lungh.(cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row " +
        "\\intbl  1\\cell  2+2\\cell  " + d + "14\\cell  500.0\\cell  2000.0\\cell  24.2\\cell\\row " +
        "\\intbl  3\\cell  4+4\\cell  " + d + "16\\cell  300.0\\cell  2400.0\\cell  " + FormatNum(peso3, 1) + "\\cell\\row " +
        "\\pard\\fs20 " + "\\par Cordoli, staffe:\\par " + righe +
        "\\intbl\\nowidctlpar  Pos.\\cell  Num.\\cell  Diam.(mm)\\cell  Lungh.St (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row " +
        "\\intbl  1\\cell  25\\cell  St. " + d + "8\\cell  118.0\\cell  2950.0\\cell  " +
        FormatNum(PesoProva(8, 2950), 1) + "\\cell\\row " + "\\intbl  3\\cell  24\\cell  St. " + d +
        "10\\cell  114.0\\cell  2736.0\\cell  " + FormatNum(pesoSt3, 1) + "\\cell\\row " + "\\pard\\fs20 ";
    EXPECT_EQ(r.TestoRtf, atteso);
    EXPECT_NEAR(r.PesoSoletta, 1 + PesoProva(14, 2000) + peso3 + PesoProva(8, 2950) + pesoSt3, 1e-3);
}

// A damaged outline of fewer than four corners has no length, so no bars and no stirrups.
TEST(ComputoCordoli, ContornoDanneggiato) {
    Modello m = SolettaCordoli({{ZonaCordolo(2, 14, 8, 20, 30), 500}});
    m.Zone.VerticiZone[0].resize(3);
    m.Zone.Zone[0].UltVertice = 2;
    const auto correnti = RigheCorrenti(m);
    const auto staffe = RigheStaffe(m);
    ASSERT_EQ(correnti.size(), 1u);
    EXPECT_EQ(correnti[0].Lunghezza, 0);
    EXPECT_EQ(correnti[0].Peso, 0);
    EXPECT_EQ(staffe[0].Numero, 0);
    EXPECT_EQ(staffe[0].Peso, 0);
}
