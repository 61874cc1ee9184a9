#include "app/InfoArmature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/DialogoCordoli.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

bool Ha(const std::string& s, const std::string& parte) { return s.find(parte) != std::string::npos; }

Modello DueMaglie() {
    Modello m;
    m.Analisi.Nodi.assign(3, Nodo{});
    m.Analisi.NumNodi = 3;
    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = 12, d.PassoDiffSup1 = 20, d.AreaDiffSup1 = 5.65f;
    d.DiamDiffSup2 = 10, d.PassoDiffSup2 = 25, d.AreaDiffSup2 = 3.14f;
    d.DiamDiffInf1 = 14, d.PassoDiffInf1 = 20, d.AreaDiffInf1 = 7.70f;
    d.DiamDiffInf2 = 8, d.PassoDiffInf2 = 12.5f, d.AreaDiffInf2 = 4.02f;
    m.Progetto.AngoloDir1 = 0;
    m.Progetto.AngoloDir2 = static_cast<float>(M_PI / 2);
    return m;
}

Zona& Aggiungi(Modello& m, int tipo) {
    m.Zone.Zone.push_back(Zona{});
    m.Zone.UltimaZona = static_cast<int>(m.Zone.Zone.size()) - 1;
    Zona& z = m.Zone.Zone.back();
    z.Tipo = tipo;
    z.Diametro = 12, z.Passo = 20;
    return z;
}

// A curb along direction 1: Ø14 bars, Ø8/20 stirrups, 30 cm wide, 6 cm cover.
Zona& Cordolo(Modello& m, int bracci) {
    Zona& z = Aggiungi(m, 2);
    z.NumBracci = bracci;
    z.Diametro2 = 14, z.Diametro = 8, z.Passo = 20, z.Passo2 = 30, z.Copriferro = 6;
    z.Angolo = 0;
    return z;
}

}  // namespace

TEST(InfoArm, NessunNodoPannelloVuoto) {
    Modello m = DueMaglie();
    m.Analisi.NumNodi = 0;
    EXPECT_EQ(TestoInfoArm(m), "");
}

TEST(InfoArm, SoloMagliaDiffusa) {
    const std::string s = TestoInfoArm(DueMaglie());
    EXPECT_TRUE(Ha(s, "\\b  Aree armatura (cmq/m):\\par  Armatura diffusa:"));
    EXPECT_TRUE(Ha(s, " Lato sup dir 1:\\tab 1\xC3\x98 12/ 20  (Af=5.7)\\par "));
    EXPECT_TRUE(Ha(s, " Lato sup dir 2:\\tab 1\xC3\x98 10/ 25  (Af=3.1)\\par "));
    EXPECT_TRUE(Ha(s, " Lato inf dir 1:\\tab 1\xC3\x98 14/ 20  (Af=7.7)\\par "));
    EXPECT_TRUE(Ha(s, " Lato inf dir 2:\\tab 1\xC3\x98 8/ 12.5  (Af=4.0)\\par "));
    EXPECT_FALSE(Ha(s, "integrativa"));
    EXPECT_FALSE(Ha(s, "Cordoli"));
}

TEST(InfoArm, GruppiDiZone) {
    Modello m = DueMaglie();
    Zona& z0 = Aggiungi(m, 0);
    z0.Diametro = 16, z0.Passo = 15, z0.Direzione = 0;
    Aggiungi(m, 0);
    std::string s = TestoInfoArm(m);
    EXPECT_TRUE(Ha(s, " Pos. 1 dir  1:\\tab 1\xC3\x98 16/15  (Af=13.4)\\par "));
    EXPECT_TRUE(Ha(s, "Armatura integrativa lato inferiore:\\plain\\f3\\fs18\\cf0\\b0 \\par  non presente\\par "));
    EXPECT_TRUE(Ha(s, "Cordoli:\\plain\\f3\\fs18\\cf0\\b0 \\par  non presenti\\par "));
    EXPECT_TRUE(Ha(s, "(pioli):\\plain\\f3\\fs18\\cf0\\b0 \\par  non presente\\par "));

    Zona& pioli = Aggiungi(m, 3);
    pioli.Diametro = 12, pioli.Passo = 20, pioli.Passo2 = 25;
    Zona& p4 = Aggiungi(m, 3);  // index 3: "Pos. 4"
    p4.Diametro = 12, p4.Passo = 20, p4.Passo2 = 25;
    s = TestoInfoArm(m);
    EXPECT_TRUE(Ha(s, " Pos. 4:\\tab 1 \xC3\x98 12/20x25  (Af=22.6)\\par "));
}

TEST(InfoArm, Cordoli) {
    struct Caso {
        int bracci;
        const char* riga;
    };
    for (const Caso& c : {Caso{4, " Cordolo 2:\\tab 4+4 \xC3\x98 14, 2St. \xC3\x98 8/ 20\\par "},
                          Caso{2, " Cordolo 2:\\tab 2+2 \xC3\x98 14, St. \xC3\x98 8/ 20\\par "}}) {
        Modello m = DueMaglie();
        Aggiungi(m, 0);
        Cordolo(m, c.bracci);
        const std::string s = TestoInfoArm(m);
        EXPECT_TRUE(Ha(s, c.riga)) << c.bracci;
        if (c.bracci == 4) {
            // Bars spaced at 2 x 6 / 4 + 30 cm, stirrups over 30 + 6 cm: the curb dialog's figures.
            EXPECT_TRUE(Ha(s, "\\tab\\tab (A sup/inf dir.1=4.66)\\par "));
            EXPECT_TRUE(Ha(s, "\\tab\\tab (A.St=27.93)\\par "));
            EXPECT_FALSE(Ha(s, "dir.2=")) << "a curb along direction 1 has no direction 2 line";
        }
    }
}

// The panel and the curb's own dialog give one curb the same figures: stirrups Ø8/20 with 2
// legs, 30 cm wide, cover 6 give 13.96 cm2/m2; the Ø14 bars 4.28 cm2/m along direction 1.
TEST(InfoArm, CordoloComeNelSuoDialogo) {
    GlobaliProva globali;
    PiattaformaProva p;
    M = DueMaglie();
    Cordolo(M, 2);
    const std::string pannello = TestoInfoArm(M);
    EXPECT_TRUE(Ha(pannello, "\\tab\\tab (A.St=13.96)\\par ")) << pannello;
    EXPECT_TRUE(Ha(pannello, "\\tab\\tab (A sup/inf dir.1=4.28)\\par ")) << pannello;

    PannelloRegistrato griglia;
    Edit.ZonaCorrente = M.Zone.Zone[0];
    Edit.ZonaSelezionata = 0;
    DialogoCordoli d(griglia);
    d.infoST();
    EXPECT_TRUE(Ha(d.TestoInfo(), " Area staffe = 13.96 cmq/mq")) << d.TestoInfo();
    EXPECT_TRUE(Ha(d.TestoInfo(), " Area = 4.28 cmq/m (sup. e inf. dir. 1)")) << d.TestoInfo();
}

TEST(InfoArm, MagliaUnica) {
    Modello m = DueMaglie();
    m.Progetto.MagliaUnica = -1;
    Aggiungi(m, 1).Direzione = 1;
    Aggiungi(m, 0);
    Cordolo(m, 4);
    const std::string s = TestoInfoArm(m);
    EXPECT_TRUE(Ha(s, " Dir 1:\\tab 1\xC3\x98 14/ 20  (Af=7.7)\\par "));
    EXPECT_TRUE(Ha(s, " Dir 2:\\tab 1\xC3\x98 8/ 12.5  (Af=4.0)\\par "));
    EXPECT_FALSE(Ha(s, "Lato sup"));
    EXPECT_TRUE(Ha(s, "\\par  Armatura integrativa:"));
    EXPECT_TRUE(Ha(s, " Pos. 1 dir  2:"));
    EXPECT_FALSE(Ha(s, " Pos. 2 dir")) << "only the lower-face zones";
    EXPECT_FALSE(Ha(s, "Cordol"));
    EXPECT_FALSE(Ha(s, "pioli"));
}

// Values a reinforcement file may bring: no division by them reaches the text.
TEST(InfoArm, ValoriNulliNonDannoInfONaN) {
    Modello m = DueMaglie();
    Aggiungi(m, 0).Passo = 0;
    Cordolo(m, 1);
    Zona& c0 = Cordolo(m, 4);
    c0.Passo = 0, c0.Passo2 = 0, c0.Copriferro = 0;
    Zona& p = Aggiungi(m, 3);
    p.Passo = 0, p.Passo2 = 0;
    const std::string s = TestoInfoArm(m);
    EXPECT_FALSE(Ha(s, "inf)") || Ha(s, "nan") || Ha(s, "=inf") || Ha(s, "=-inf")) << s;
    EXPECT_TRUE(Ha(s, " Cordolo 2:\\tab 2+2 ")) << "one leg is shown as two";
    EXPECT_TRUE(Ha(s, " Pos. 1 dir  1:\\tab 1\xC3\x98 12/0\\par "));
}

TEST(InfoNodo, BilancioDelNodo) {
    Modello m = DueMaglie();
    Nodo& n = m.Analisi.Nodi[2];
    n.Numero = 17, n.X = 125.25f, n.Y = 40;
    n.RichInf2 = 12.5f, n.ResInf2 = 0.0089f;
    n.RichSup1 = 4, n.ResSup1 = 1;
    std::string s = TestoInfoNodo(m, 2, 1, 1, 1, ',');
    EXPECT_TRUE(Ha(s, "\\cf0\\b  Area ferri nel nodo:  17\\plain\\f3\\fs18\\cf0\\b0 \\par  (x=125.3, y=40.0)\\par \\par "));
    EXPECT_TRUE(Ha(s, "\\cf3\\b0  Direzione 1 lato sup:\\par  - progetto:4,00 cmq/m\\par  - presenti: 3,00 cmq/m\\par "));
    EXPECT_TRUE(Ha(s, "\\cf1\\b0  - mancanti: 1,00 cmq/m")) << "missing steel of an inactive block: red, not bold";
    EXPECT_TRUE(Ha(s, "\\cf3\\b0  Direzione 2 lato sup:"));
    EXPECT_TRUE(Ha(s, "\\cf3\\b0  Direzione 1 lato inf :"));
    EXPECT_TRUE(Ha(s, "\\cf2\\b  Direzione 2 lato inf :\\par  - progetto:12,50 cmq/m\\par "));
    EXPECT_TRUE(Ha(s, " - in eccesso: -0,01 cmq/m\\plain\\f3\\fs18\\cf3\\b0 \\par "));

    n.ResInf2 = 0.009f;
    s = TestoInfoNodo(m, 2, 14, 1, 1, '.');
    EXPECT_TRUE(Ha(s, "\\cf1\\b  - mancanti: 0.01 cmq/m")) << "the active block's missing steel is bold";
    EXPECT_TRUE(Ha(s, "Area ferri nel nodo")) << "the excess-shear map keeps the flexural text";
}

TEST(InfoNodo, MagliaUnicaSoloDueBlocchi) {
    Modello m = DueMaglie();
    m.Progetto.MagliaUnica = -1;
    const std::string s = TestoInfoNodo(m, 0, 1, 1, 0, ',');
    EXPECT_FALSE(Ha(s, "lato sup"));
    EXPECT_TRUE(Ha(s, "\\par \\par \\plain\\f3\\fs18\\cf2\\b  Direzione 1 :\\par "));
    EXPECT_TRUE(Ha(s, "\\cf3\\b0  Direzione 2 :\\par "));
}

TEST(InfoNodo, Taglio) {
    for (int tipo : {4, 9}) {
        Modello m = DueMaglie();
        Nodo& n = m.Analisi.Nodi[1];
        n.Numero = 8, n.RichTaglio1 = 2, n.RichTaglio2 = 1, n.ResTaglio = 0.0009f;
        const std::string s = TestoInfoNodo(m, 1, tipo, 0, 0, ',');
        EXPECT_TRUE(Ha(s, " Armatura a taglio nel nodo:  8\\plain\\f3\\fs18\\cf0\\b0 \\par \\par  - progetto:3,00 cmq/mq"));
        EXPECT_FALSE(Ha(s, "(x="));
        EXPECT_TRUE(Ha(s, "\\cf1\\b0  - mancanti: 0,00 cmq/mq")) << tipo;
        m.Analisi.Nodi[1].ResTaglio = 0.0008f;
        EXPECT_TRUE(Ha(TestoInfoNodo(m, 1, tipo, 0, 0, ','), " - in eccesso: 0,00 cmq/mq"));
    }
}

TEST(InfoNodo, VaNelPannello) {
    GlobaliProva g;
    PiattaformaProva p;
    M = DueMaglie();
    Vista.SeparatoreDecimale = ',';
    Vista.TipoMappa = 0;
    M.Analisi.Nodi[0].RichSup1 = 1.5f;
    InfoNodo(0);
    EXPECT_TRUE(Ha(p.Finestra.InfoRtf, "progetto:1,50 cmq/m"));
    p.Finestra.InfoRtf = "x";
    InfoNodo(7);  // no such node
    EXPECT_EQ(p.Finestra.InfoRtf, "x");
    InfoArm();
    EXPECT_TRUE(Ha(p.Finestra.InfoRtf, "Aree armatura"));
}
