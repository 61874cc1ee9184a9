// An outline change on a slab with a curb on every side, face zones and a stud zone: every zone
// laid out again as if drawn anew on the changed slab, one message naming what lies outside it
// now, and one undo step for the whole change.
#include "app/ZoneDopoPerimetro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/DialogoCordoli.h"
#include "app/DialogoPolig.h"
#include "app/ProgettoProva.h"
#include "design/ArchivioZone.h"
#include "design/BarreZone.h"
#include "design/ContornoZona.h"
#include "design/SelezioneZona.h"
#include "model/FileArmature.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A face or stud zone over the box x0..x1, y0..y1, made as the mouse and the dialog make it.
void NuovaZona(Modello& m, int tipo, int dir, float x0, float y0, float x1, float y1, int diam, float passo,
               float passo2 = 0) {
    EditZone e;
    Zona& z = e.ZonaCorrente;
    z.Tipo = tipo, z.Direzione = dir, z.Diametro = diam, z.Passo = passo, z.Passo2 = passo2;
    ImpostaSelezioneDir(m.Progetto, z, x0, y1, x1, y0);
    ASSERT_NE(ContornoZona(m, e), 0);
    e.ZonaSelezionata = m.Zone.UltimaZona + 1;
    e.MantieniRiferimento = -1;
    ASSERT_TRUE(MemorizzaZona(m, e));
}

// A curb along side `lato` of the slab outline, as its dialog stores it.
void NuovoCordolo(Modello& m, int lato) {
    EditZone e;
    Zona& z = e.ZonaCorrente;
    z.Tipo = 2, z.LatoCordolo = lato, z.PoligonoCordolo = -1;
    z.Diametro = 8, z.Diametro2 = 14, z.Passo = 20, z.Passo2 = 30, z.Copriferro = 6, z.NumBracci = 2;
    ASSERT_TRUE(CalcParalle(m, e));
    e.ZonaSelezionata = m.Zone.UltimaZona + 1;
    e.MantieniRiferimento = -1;
    ASSERT_TRUE(MemorizzaZona(m, e));
}

int Cerca(const Modello& m, int tipo, float x, float y) {
    for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
        const Zona& z = m.Zone.Zone[static_cast<size_t>(i)];
        if (z.Tipo == tipo && z.XMin <= x && x <= z.XMax && z.YMin <= y && y <= z.YMax) return i;
    }
    return -1;
}

bool StessoContorno(const std::vector<Punto>& a, int na, const std::vector<Punto>& b, int nb) {
    if (na != nb) return false;
    for (int k = 0; k < na; ++k)
        if (std::fabs(a[k].X - b[k].X) > 1e-3f || std::fabs(a[k].Y - b[k].Y) > 1e-3f) return false;
    return true;
}

}  // namespace

// The sample slab (an L: 0..1200 x 0..600 and 0..900 x 600..900) with a curb on each of its six
// sides, a face zone inside, one across x = 1000 and a stud zone beyond it; the right wing is then
// cut back from x = 1200 to x = 1000 in the outline editor.
TEST_F(EseguiProva, ModificaDelPerimetro) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    for (int lato = 0; lato < 6; ++lato) NuovoCordolo(M, lato);
    NuovaZona(M, 1, 0, 200, 200, 500, 500, 12, 20);
    NuovaZona(M, 0, 1, 950, 100, 1150, 300, 14, 15);
    NuovaZona(M, 3, 0, 1100, 400, 1180, 500, 12, 20, 20);
    CalcolaArmature(M);
    // As saved and opened again, so that the undo's file gives back every figure exactly.
    ASSERT_TRUE(ScriviArmature(NomeFileArmature(a), M));
    ASSERT_EQ(CaricaProgetto(a), 0);
    const std::string prima = dump::StampaModello(M);
    const int passi = Undo.UndoUltimo;

    DialogoPolig d;
    d.Chiudi = [] {};
    d.Apri();
    for (int v : {4, 5}) {
        d.List1_Click(v);
        d.Controlli.Testi = {"1000", v == 4 ? "600" : "0"};
        d.Command1_Click(2);
    }
    p.Msg.Visti.clear();
    d.Command1_Click(3);
    ASSERT_EQ(M.Soletta.Contorno[4].X, 1000);
    EXPECT_EQ(Undo.UndoUltimo, passi + 1) << "one undo step for the whole change";

    // The message names exactly what now lies outside, or lost its side.
    const int dentro = Cerca(M, 1, 300, 300), attraverso = Cerca(M, 0, 1050, 200), pioli = Cerca(M, 3, 1150, 450);
    int latoPerso = -1;
    for (int i = 0; i <= M.Zone.UltimaZona; ++i)
        if (M.Zone.Zone[i].Tipo == 2 && M.Zone.Zone[i].XMin > 1100) latoPerso = i;
    ASSERT_GE(dentro, 0);
    ASSERT_GE(attraverso, 0);
    ASSERT_GE(pioli, 0);
    ASSERT_GE(latoPerso, 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Dopo la modifica del perimetro controllare:\n"
                                    "- armature integrative fuori dal perimetro: pos. " + std::to_string(attraverso + 1) +
                                        "\n- cordoli il cui lato non \xC3\xA8 pi\xC3\xB9 sul perimetro: pos. " +
                                        std::to_string(latoPerso + 1) +
                                        "\n- armature a taglio fuori dal perimetro: pos. " + std::to_string(pioli + 1) +
                                        "\n- pilastri fuori dal perimetro: 4, 5");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");

    // Every zone still on the slab is what the same zone drawn anew on the changed slab is: its
    // outline, and its bars' length.
    int confrontate = 0;
    for (int i = 0; i <= M.Zone.UltimaZona; ++i) {
        if (i == latoPerso || i == pioli) continue;
        SCOPED_TRACE(i);
        const Zona& z = M.Zone.Zone[static_cast<size_t>(i)];
        Modello nuovo = M;
        nuovo.Zone = ZoneArmatura{};
        if (z.Tipo == 2) NuovoCordolo(nuovo, z.LatoCordolo);
        else NuovaZona(nuovo, z.Tipo, z.Direzione, z.XMin, z.YMin, z.XMax, z.YMax, z.Diametro, z.Passo, z.Passo2);
        CalcolaArmature(nuovo);
        ASSERT_EQ(nuovo.Zone.UltimaZona, 0);
        const Zona& n = nuovo.Zone.Zone[0];
        EXPECT_TRUE(StessoContorno(M.Zone.VerticiZone[i], z.UltVertice + 1, nuovo.Zone.VerticiZone[0], n.UltVertice + 1));
        EXPECT_FLOAT_EQ(z.LungTotale, n.LungTotale);
        ++confrontate;
    }
    EXPECT_EQ(confrontate, 7);  // five curbs and two face zones
    // The bottom curb's strip now ends at the new right side, the cover inside it.
    const int basso = Cerca(M, 2, 500, 10);
    ASSERT_GE(basso, 0);
    float xmax = 0;
    for (const Punto& q : M.Zone.VerticiZone[basso]) xmax = std::max(xmax, q.X);
    EXPECT_FLOAT_EQ(xmax, 994);

    // One undo gives back the project as it was.
    AnnullaOperazione();
    EXPECT_EQ(dump::StampaModello(M), prima);
}

// Without anything left outside, nothing is said; the message lists each kind on its line.
TEST(ControlliPerimetro, Messaggio) {
    EXPECT_EQ(MsgControlliPerimetro({}), "");
    ControlliPerimetro c;
    c.Cordoli = {2, 4};
    c.Pilastri = {7};
    EXPECT_EQ(MsgControlliPerimetro(c), "Dopo la modifica del perimetro controllare:\n"
                                        "- cordoli fuori dal perimetro: pos. 3, 5\n"
                                        "- pilastri fuori dal perimetro: 7");
}
