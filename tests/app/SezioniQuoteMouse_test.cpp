// Sections and dimensions placed, moved and deleted with the mouse on the sample slab, through
// the plan's mouse entries and the command dispatch.
#include "app/SezioniQuoteMouse.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/BarreComandi.h"
#include "app/CaricaProgetto.h"
#include "app/DialogoPropQuote.h"
#include "app/MouseVideo.h"
#include "app/Undo.h"
#include "drawing/Quote.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct SqProva : ::testing::Test {
    GlobaliProva g;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    void SetUp() override {
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        SettaIdComandi(1);
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        Disegno = ServiziDisegno{};
        Disegno.Ridisegna = [](int u) { Ridisegna(u); };
        Disegno.ZoomEstensione = [] { ZoomEstensione(); };
        fs::copy_file(Campione + "/SOL1.QVR", dir / "SOL1.QVR");
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
        ASSERT_EQ(CaricaProgetto(dir / "SOL1.QVR"), 0);
        // The layers shown as the program shows them, and the plan drawn once with them.
        ImpostaColori();
        Ridisegna(0);
    }
    void TearDown() override { PulisciUndo(); }
    static void Premi(float x, float y, int b = 1) { Picture1_MouseDown(b, XSchermo(x), YSchermo(y)); }
    static void Muovi(float x, float y, int b = 0) { Picture1_MouseMove(b, XSchermo(x), YSchermo(y)); }
    static void Rilascia(float x, float y) { Picture1_MouseUp(1, XSchermo(x), YSchermo(y)); }
    static void Clic(float x, float y) {
        Premi(x, y);
        Rilascia(x, y);
    }
    const SezioniQuote& Sq() const { return M.SezQuote; }
};

}  // namespace

TEST_F(SqProva, SezioniNuoveSpostateECancellate) {
    const int u0 = Undo.UndoUltimo;
    CommandBars_Execute(Comandi.IdSezione2);
    ASSERT_EQ(Vista.ModoComando, 403);
    Premi(300, 300);
    EXPECT_EQ(Vista.ModoComando, 401);
    EXPECT_EQ(Undo.UndoUltimo, u0) << "nothing placed yet: no step";
    Muovi(310, 300, 1);
    Rilascia(320, 300);
    EXPECT_EQ(Undo.UndoUltimo, u0 + 1) << "one step for the placed section";
    EXPECT_EQ(Vista.ModoComando, 0);
    ASSERT_EQ(Sq().UltimaSezione, 0);
    EXPECT_EQ(Sq().Sezioni[0].Direzione, 1);
    // A direction-1 section placed after it is sorted first.
    CommandBars_Execute(Comandi.IdSezione1);
    Clic(500, 200);
    ASSERT_EQ(Sq().UltimaSezione, 1);
    EXPECT_EQ(Sq().Sezioni[0].Direzione, 0);
    EXPECT_NEAR(Sq().Sezioni[0].Y1, 200, 0.5);
    EXPECT_NEAR(Sq().Sezioni[1].X1, 320, 0.5);
    // A line that misses the slab: the message, nothing committed.
    CommandBars_Execute(Comandi.IdSezione1);
    Clic(500, 3000);
    EXPECT_EQ(p.Msg.Visti.back().Testo, "la sezione non interseca la soletta.\nOperazione annullata.");
    EXPECT_EQ(Sq().UltimaSezione, 1);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(Undo.UndoUltimo, u0 + 2) << "a section that missed is no step";

    // Move section 2 (index 1): picked within 6 px of its line, cut again through the release.
    CommandBars_Execute(Comandi.IdSpostaSez);
    Premi(1000, 700);
    EXPECT_EQ(Vista.ModoComando, 410) << "a miss waits";
    const int u1 = Undo.UndoUltimo;
    Picture1_MouseDown(1, XSchermo(320) + 4, YSchermo(500));
    ASSERT_EQ(Vista.ModoComando, 411);
    EXPECT_EQ(Undo.UndoUltimo, u1);
    Muovi(100, 500, 1);
    Rilascia(100, 500);
    EXPECT_EQ(Undo.UndoUltimo, u1 + 1);
    EXPECT_NEAR(Sq().Sezioni[1].X1, 100, 0.5) << "index kept, not sorted again";
    EXPECT_EQ(Sq().Sezioni[0].Direzione, 0);

    // Delete: No keeps it, Yes removes it after a snapshot.
    CommandBars_Execute(Comandi.IdCancellaSez);
    p.Msg.Risposte.push_back(RispostaMsg::No);
    Premi(100, 500);
    EXPECT_EQ(p.Msg.Visti.back().Testo, "Vuoi cancellare la sez. n. 2 ?");
    EXPECT_EQ(p.Msg.Visti.back().Icona, IconaMsg::Domanda);
    EXPECT_EQ(Sq().UltimaSezione, 1);
    EXPECT_EQ(Vista.ModoComando, 0);
    CommandBars_Execute(Comandi.IdCancellaSez);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    const int u2 = Undo.UndoUltimo;
    Premi(500, 200);
    EXPECT_EQ(Sq().UltimaSezione, 0);
    EXPECT_EQ(Sq().Sezioni[0].Direzione, 1);
    EXPECT_EQ(Undo.UndoUltimo, u2 + 1);
    // Undo brings it back.
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.SezQuote.UltimaSezione, 1);
}

TEST_F(SqProva, QuoteOrizzontaliVerticaliEAllineate) {
    ASSERT_EQ(Sq().UltimaQuota, -1);
    struct Caso {
        int32_t Id;
        float Terzo[2];
        float Linea[4];  // expected line ends
    };
    // The centres of two polygon columns, (895, 595) and (1185, 450).
    const Caso casi[] = {{Comandi.IdQuotaOrizz, {1000, 300}, {895, 300, 1185, 300}},
                         {Comandi.IdQuotaVert, {700, 500}, {700, 595, 700, 450}},
                         {Comandi.IdQuotaAllin, {1000, 700}, {}}};
    int n = 0;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Id);
        CommandBars_Execute(c.Id);
        const int modo = Vista.ModoComando;
        Premi(50, 850);  // nothing to snap to
        EXPECT_EQ(Vista.ModoComando, modo);
        const int u = Undo.UndoUltimo;
        Premi(896, 596);
        EXPECT_EQ(Vista.ModoComando, modo + 1);
        EXPECT_EQ(Undo.UndoUltimo, u) << "no step before the dimension exists";
        Premi(1185, 451);
        EXPECT_EQ(Vista.ModoComando, modo + 2);
        p.Video.Chiamate.clear();
        Muovi(c.Terzo[0], c.Terzo[1]);
        const auto linee = p.Video.Di("Linea");
        ASSERT_GE(linee.size(), 3u);
        EXPECT_EQ(linee[0].Num[4], ColorePalette(11));
        EXPECT_EQ(linee[0].Num[5], 1) << "dotted";
        Premi(c.Terzo[0], c.Terzo[1]);
        EXPECT_EQ(Vista.ModoComando, 0);
        EXPECT_EQ(Undo.UndoUltimo, u + 1) << "one step for the dimension";
        ASSERT_EQ(Sq().UltimaQuota, n);
        const Quota& q = Sq().Quote[static_cast<size_t>(n)];
        EXPECT_EQ(q.Pianta, Vista.PiantaCorrente);
        // The measured points are the centres themselves, whatever the pixel of the press.
        EXPECT_NEAR(q.XP1, 895, 0.01);
        EXPECT_NEAR(q.YP1, 595, 0.01);
        EXPECT_NEAR(q.XP2, 1185, 0.01);
        EXPECT_NEAR(q.YP2, 450, 0.01);
        if (c.Id != Comandi.IdQuotaAllin) {
            EXPECT_NEAR(q.X1, c.Linea[0], 0.5);
            EXPECT_NEAR(q.Y1, c.Linea[1], 0.5);
            EXPECT_NEAR(q.X2, c.Linea[2], 0.5);
            EXPECT_NEAR(q.Y2, c.Linea[3], 0.5);
        }
        ++n;
    }
}

TEST_F(SqProva, CatenaCancellaSpostaEVisibilita) {
    SezioniQuote& sq = M.SezQuote;
    sq.Quote = {};
    sq.UltimaQuota = -1;
    Quotatura.XQuota1 = 0, Quotatura.YQuota1 = 50, Quotatura.XQuota2 = 300, Quotatura.YQuota2 = 50;
    AggiungiQuota(M, 0, 0, 300, 0, -1);
    sq.Quote[0].XP1 = 0, sq.Quote[0].YP1 = 50;
    ASSERT_EQ(sq.UltimaQuota, 0);

    Quotatura.QuotaSelezionata = 0;
    Quotatura.XQuota1 = 0, Quotatura.YQuota1 = 50;
    AggiungiQuotaCatena(450, 80);
    ASSERT_EQ(sq.UltimaQuota, 1);
    const Quota& a = sq.Quote[1];
    EXPECT_EQ(std::make_tuple(a.X1, a.Y1, a.X2, a.Y2), std::make_tuple(300.0f, 0.0f, 450.0f, 0.0f));
    EXPECT_EQ(std::make_tuple(a.XP1, a.YP1, a.XP2, a.YP2), std::make_tuple(0.0f, 50.0f, 450.0f, 80.0f));
    AggiungiQuotaCatena(600, 40);
    ASSERT_EQ(sq.UltimaQuota, 2);
    EXPECT_EQ(std::make_tuple(sq.Quote[2].X1, sq.Quote[2].X2), std::make_tuple(450.0f, 600.0f));
    // A new chain on the first beside its first end.
    Quotatura.QuotaSelezionata = 0;
    AggiungiQuotaCatena(-100, 30);
    ASSERT_EQ(sq.UltimaQuota, 3);
    EXPECT_EQ(std::make_tuple(sq.Quote[3].X1, sq.Quote[3].X2), std::make_tuple(0.0f, -100.0f));
    // On a dimension that is not the last, a foot on its end adds nothing and the chain stays.
    Quotatura.QuotaSelezionata = 1;
    AggiungiQuotaCatena(450, 200);
    EXPECT_EQ(sq.UltimaQuota, 3);
    EXPECT_EQ(Quotatura.QuotaSelezionata, 1);
    AggiungiQuotaCatena(500, 10);
    ASSERT_EQ(sq.UltimaQuota, 4);
    EXPECT_EQ(std::make_tuple(sq.Quote[4].X1, sq.Quote[4].X2), std::make_tuple(450.0f, 500.0f));

    // Delete the second: no question, one snapshot, the later ones move down; a miss ends.
    CommandBars_Execute(Comandi.IdCancellaQuota);
    const size_t domande = p.Msg.Visti.size();
    const int u = Undo.UndoUltimo;
    Premi(375, 0);
    EXPECT_EQ(p.Msg.Visti.size(), domande);
    EXPECT_EQ(Undo.UndoUltimo, u + 1);
    ASSERT_EQ(sq.UltimaQuota, 3);
    EXPECT_EQ(sq.Quote[1].X1, 450);
    EXPECT_EQ(Vista.ModoComando, 0);
    CommandBars_Execute(Comandi.IdCancellaQuota);
    Premi(800, 800);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_EQ(sq.UltimaQuota, 3);

    // Move the first through a point 40 cm below: its line moves, its measured points stay.
    CommandBars_Execute(Comandi.IdSpostaQuota);
    Premi(150, 0);
    ASSERT_EQ(Vista.ModoComando, 7001);
    Muovi(150, -40);
    Premi(150, -40);
    EXPECT_EQ(Vista.ModoComando, 0);
    EXPECT_NEAR(sq.Quote[0].Y1, -40, 0.5);
    EXPECT_NEAR(sq.Quote[0].Y2, -40, 0.5);
    EXPECT_EQ(sq.Quote[0].YP1, 50);

    // Visibility: every plan opens on "Tutte le piante"; Ok keeping -1 changes nothing and takes
    // no snapshot.
    int opzione = -1;
    p.Finestra.CopionePropQuote = [&] {
        DialogoPropQuote d;
        d.Apri();
        opzione = d.Opzione;
        d.Ok();
    };
    CommandBars_Execute(Comandi.IdVisQuota);
    const int u2 = Undo.UndoUltimo;
    Premi(150, -40);
    EXPECT_EQ(p.Finestra.ApertePropQuote, 1);
    EXPECT_EQ(opzione, 1);
    EXPECT_EQ(sq.Quote[0].Pianta, -1);
    EXPECT_EQ(Undo.UndoUltimo, u2);
    EXPECT_EQ(Vista.ModoComando, 7005) << "for the next dimension";
    Premi(800, 800);
    EXPECT_EQ(Vista.ModoComando, 0);
}

TEST(DialogoPropQuote, DidascalieEOpzioni) {
    GlobaliProva g;
    PiattaformaProva p;
    M = Modello{};
    M.SezQuote.Quote.resize(1);
    M.SezQuote.UltimaQuota = 0;
    Quotatura.QuotaSelezionata = 0;
    struct Caso {
        int pianta, unica;
        const char* testo;
    };
    const Caso casi[] = {{0, 0, "Pianta armatura diffusa lato sup."},       {1, 0, "Pianta armatura diffusa lato inf."},
                         {1, 1, "Pianta armatura diffusa"},                 {2, 0, "Pianta armatura integrativa lato sup."},
                         {3, 0, "Pianta armatura integrativa lato inf."},   {3, 1, "Pianta armatura integrativa"},
                         {4, 0, ""}};
    for (const Caso& c : casi) {
        Vista.PiantaCorrente = c.pianta;
        M.Progetto.MagliaUnica = c.unica;
        DialogoPropQuote d;
        d.Apri();
        EXPECT_EQ(d.Didascalia, c.testo) << c.pianta;
    }
    // A dimension of plan 3 seen in plan 2: its own plan's option; Ok moves it to plan 2.
    M.SezQuote.Quote[0].Pianta = 3;
    Vista.PiantaCorrente = 2;
    DialogoPropQuote d;
    d.Apri();
    EXPECT_EQ(d.Opzione, 0);
    d.Ok();
    EXPECT_EQ(M.SezQuote.Quote[0].Pianta, 2);
}
