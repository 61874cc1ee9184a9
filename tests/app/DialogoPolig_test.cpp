// The outline editor's logic on the recording platform: opening, the list, deleting,
// inserting and moving vertices, applying the outline with its checks, and cancelling.
#include "app/DialogoPolig.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/CaricaProgetto.h"
#include "app/EditPerimetro.h"
#include "app/Undo.h"
#include "model/Estensioni.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct PoligProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    CartellaTemp dir;
    DialogoPolig d;
    int chiusure = 0;
    void SetUp() override {
        Piatt.PauseAttive = false;
        std::filesystem::copy_file(Campione + "/SOL1.QVR", dir / "SOL1.QVR");
        std::filesystem::copy_file(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
        ASSERT_EQ(CaricaProgetto(dir / "SOL1.QVR"), 0);
        d.Chiudi = [this] { ++chiusure; };
    }
    void TearDown() override { PulisciUndo(); }
    // A rectangle 0 … 100 × 0 … 50 as the outline under edit.
    void Rettangolo() {
        M.Soletta.Contorno = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
        M.Soletta.NumVertContorno = 4;
    }
};

}  // namespace

TEST_F(PoligProva, AperturaEdElenco) {
    Vista.ModoComando = 42;
    d.Apri();
    EXPECT_EQ(Vista.EditPerimetro, 1);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(Piatt.FrmPolig, &d);
    ASSERT_EQ(d.Controlli.Righe.size(), 6u);
    EXPECT_EQ(d.Controlli.Righe[0], "  1 - X = 0.0    Y = 0.0");
    EXPECT_EQ(d.Controlli.Righe[1], "  2 - X = 0.0    Y = 900.0");
    EXPECT_EQ(d.Controlli.RigaSelezionata, 0);
    EXPECT_EQ(d.Controlli.Vertice, "Vertice  1:");
    EXPECT_EQ(d.Controlli.Testi, (std::array<std::string, 2>{"0.0", "0.0"}));
    EXPECT_EQ(d.Controlli.Colori[0], Rgb(0, 0, 0));

    // Ten vertices: lines 9 and 10 end their numbers in one column.
    for (int k = 0; k < 4; ++k) {
        p.Msg.Risposte.push_back(RispostaMsg::Si);
        d.Command1_Click(1);
    }
    EXPECT_EQ(d.Controlli.Righe[8].substr(0, 3), "  9");
    EXPECT_EQ(d.Controlli.Righe[9].substr(0, 3), " 10");
    d.Scarica();
    EXPECT_EQ(Vista.EditPerimetro, 0);
    EXPECT_EQ(Piatt.FrmPolig, nullptr);
}

TEST_F(PoligProva, EliminaEInserisci) {
    Rettangolo();
    d.Apri();
    d.List1_Click(1);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    d.Command1_Click(1);
    ASSERT_EQ(p.Msg.Visti.back().Testo, "Vuoi inserire un nuovo vertice dopo il vertice 2?");
    EXPECT_EQ(p.Msg.Visti.back().Icona, IconaMsg::Nessuna);
    EXPECT_EQ(EditSez.VerticeSelez, 2);
    EXPECT_EQ(d.Controlli.Righe[2], "  3 - X = 100.0    Y = 25.0");
    // After the last: the middle of the closing side as the new last.
    d.List1_Click(4);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    d.Command1_Click(1);
    EXPECT_EQ(EditSez.VerticeSelez, 5);
    EXPECT_EQ(d.Controlli.Righe[5], "  6 - X = 0.0    Y = 25.0");

    // Delete vertex 2: asked, removed, the selection on vertex 1; No still moves it back.
    d.List1_Click(1);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    d.Command1_Click(0);
    EXPECT_EQ(p.Msg.Visti.back().Testo, "Vuoi eliminare il vertice 2?");
    EXPECT_EQ(p.Msg.Visti.back().Titolo, "Attenzione!");
    ASSERT_EQ(d.Controlli.Righe.size(), 5u);
    EXPECT_EQ(d.Controlli.Righe[1], "  2 - X = 100.0    Y = 25.0");
    EXPECT_EQ(EditSez.VerticeSelez, 0);
    d.List1_Click(3);
    p.Msg.Risposte.push_back(RispostaMsg::No);
    d.Command1_Click(0);
    EXPECT_EQ(d.Controlli.Righe.size(), 5u);
    EXPECT_EQ(EditSez.VerticeSelez, 2);
    // With three vertices nothing is asked.
    for (int k = 0; k < 2; ++k) {
        p.Msg.Risposte.push_back(RispostaMsg::Si);
        d.Command1_Click(0);
    }
    const size_t domande = p.Msg.Visti.size();
    d.Command1_Click(0);
    EXPECT_EQ(p.Msg.Visti.size(), domande);
    EXPECT_EQ(d.Controlli.Righe.size(), 3u);
}

TEST_F(PoligProva, AssegnaCoordinateEClicSulPiano) {
    Rettangolo();
    d.Apri();
    d.List1_Click(2);
    d.Controlli.Testi = {"120", "60,5"};
    d.Command1_Click(2);
    EXPECT_EQ(d.Controlli.Righe[2], "  3 - X = 120.0    Y = 60.5");
    d.Controlli.Testi = {"abc", "70"};
    d.Command1_Click(2);
    EXPECT_EQ(d.Controlli.Righe[2], "  3 - X = 120.0    Y = 60.5") << "not moved";
    EXPECT_EQ(d.Controlli.Testi[0], "120.0") << "the box restored";
    EXPECT_EQ(d.Controlli.Testi[1], "70");

    // The plan's click reaches the boxes through the editor interface.
    Vista.Scala = 1, Vista.FinestraVista = {0, 600, 0, 800}, Vista.AltezzaVideo = 600;
    ClickPoligEdit(1, XSchermo(40), YSchermo(30));
    EXPECT_EQ(d.Controlli.Testi, (std::array<std::string, 2>{"40.0", "30.0"}));
    EXPECT_EQ(d.Controlli.Colori[0], Rgb(255, 0, 0));
    ClickPoligEdit(1, XSchermo(100), YSchermo(0));
    EXPECT_EQ(d.Controlli.RigaSelezionata, 1);
    EXPECT_EQ(d.Controlli.Colori[0], Rgb(0, 0, 0));
}

TEST_F(PoligProva, AssegnaPerimetro) {
    d.Apri();
    const int ultimo = Undo.UndoUltimo;
    // Move vertex 3 (900, 900) to (900, 700): the slab shrinks, a section follows it.
    Vista.DirezioneSezione = 1, Vista.IndiceSezione = 0;
    M.SezQuote.Sezioni = {{800, -25, 800, 925, 0, 0, 0, 0, 0, 0, 0, 0, 1}};
    M.SezQuote.UltimaSezione = 0;
    d.List1_Click(2);
    d.Controlli.Testi = {"900", "700"};
    d.Command1_Click(2);
    d.Command1_Click(3);
    EXPECT_EQ(Undo.UndoUltimo, ultimo + 1);
    EXPECT_EQ(chiusure, 1);
    EXPECT_EQ(Vista.EditPerimetro, 0);
    ASSERT_EQ(M.Soletta.NumVertContorno, 6);
    EXPECT_EQ(M.Soletta.Contorno[2].Y, 700);
    EXPECT_EQ(M.Soletta.Contorno[6].X, M.Soletta.Contorno[0].X);
    // The top side now runs from (0, 900) to (900, 700): at x 800 it is at 722.2.
    EXPECT_NEAR(M.SezQuote.Sezioni[0].Y2, 722.22f + 25, 0.01);
    StatoVista v = Vista;
    SettaLimiti(M, v);
    EXPECT_EQ(v.LimitiPianta, Vista.LimitiPianta) << "the extents follow";

    // Undo brings the old outline back.
    AnnullaOperazione();
    EXPECT_EQ(M.Soletta.Contorno[2].Y, 900);
}

TEST_F(PoligProva, PerimetriRifiutatiEOrientamento) {
    struct Caso {
        std::vector<Punto> anello;
        std::string messaggio;
    };
    const std::string incrocio = "Perimetro non valido: alcuni lati si intersecano.\nIl perimetro non è stato modificato.";
    const std::string pochi = "Perimetro non valido: servono almeno tre vertici non allineati.\nIl perimetro non è stato modificato.";
    const Caso casi[] = {
        {{{0, 0}, {100, 100}, {100, 0}, {0, 100}}, incrocio},                  // bow tie
        {{{0, 0}, {50, 0}, {100, 0}}, pochi},                                   // collinear
        {{{0, 0}, {0, 0}, {100, 0}, {100, 0}}, pochi},                          // two points
        {{{0, 0}, {0, 100}, {100, 100}, {100, 0}, {50, 100}}, incrocio},        // a vertex on a side
        {{{0, 0}, {0, 100}, {0, 50}, {100, 0}}, incrocio},                      // folding back
        {{{0, 0}, {0, 100}, {100, 100}, {100, 100}, {100, 0}}, ""},            // coincident kept
    };
    for (const Caso& c : casi) {
        std::vector<Punto> a = c.anello;
        EXPECT_EQ(ControllaPerimetro(a), c.messaggio) << c.anello.size();
    }
    // Counter-clockwise: stored clockwise, vertex 0 kept.
    std::vector<Punto> a{{0, 0}, {100, 0}, {100, 50}, {0, 50}};
    EXPECT_EQ(ControllaPerimetro(a), "");
    EXPECT_EQ(a[1].X, 0);
    EXPECT_EQ(a[1].Y, 50);
    EXPECT_EQ(a[3].X, 100);

    // A refused outline: the message, the editor open with its edits, nothing changes.
    Rettangolo();
    const std::string modello = dump::StampaModello(M);
    const int ultimo = Undo.UndoUltimo;
    d.Apri();
    d.List1_Click(1);
    d.Controlli.Testi = {"0", "50"};
    d.Command1_Click(2);
    d.Controlli.Testi = {"100", "0"};
    d.List1_Click(2);
    d.Controlli.Testi = {"100", "0"};
    d.Command1_Click(2);
    d.Command1_Click(3);
    EXPECT_EQ(p.Msg.Visti.back().Testo, incrocio);
    EXPECT_EQ(Vista.EditPerimetro, 1);
    EXPECT_EQ(chiusure, 0);
    EXPECT_EQ(dump::StampaModello(M), modello);
    EXPECT_EQ(Undo.UndoUltimo, ultimo);
    // "Annulla": closed, the outline untouched.
    d.Command1_Click(4);
    EXPECT_EQ(chiusure, 1);
    EXPECT_EQ(Vista.EditPerimetro, 0);
    EXPECT_EQ(dump::StampaModello(M), modello);
}

// With no outline to edit, the vertex buttons do nothing and "Assegna perimetro" refuses.
TEST_F(PoligProva, SenzaContorno) {
    M.Soletta.NumVertContorno = 0;
    d.Apri();
    EXPECT_TRUE(d.Controlli.Righe.empty());
    for (int i : {0, 1, 2}) d.Command1_Click(i);
    EXPECT_TRUE(p.Msg.Visti.empty());
    d.Command1_Click(3);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(Vista.EditPerimetro, 1);
    d.Command1_Click(4);
    EXPECT_EQ(Vista.EditPerimetro, 0);
}
