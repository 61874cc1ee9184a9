// The program reads back what it writes: every value any of its paths can store, at the ends of
// its range, comes back equal through the reinforcement file and through an undo step; what the
// commands place farthest from the slab is read back, and what lies farther is refused where it
// is placed.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/BarreComandi.h"
#include "app/DialogoAggiuntiva.h"
#include "app/DialogoCordoli.h"
#include "app/DialogoPolig.h"
#include "app/EseguiComandi.h"
#include "app/MouseProva.h"
#include "app/MouseVideo.h"
#include "app/PannelloDiffusa.h"
#include "app/ProgettoProva.h"
#include "design/ArchivioZone.h"
#include "design/PassoFerri.h"
#include "design/PioliZona.h"
#include "model/AreaLavoro.h"
#include "model/FileArmature.h"
#include "model/Vista.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The sample slab (1200 x 900: work within -1400 .. 2600 by -1400 .. 2300, the edited outline
// within -1200 .. 2400 by -1200 .. 2100) with its automatic dimensions, a face zone, a curb, a
// stud zone and a section.
struct LetturaPropria : EseguiProva {
    PannelloRegistrato griglia;
    void SetUp() override {
        EseguiProva::SetUp();
        ASSERT_EQ(CaricaProgetto(a), 0);
        AggiungiZona(M, 0, 420, 390, 780, 530);
        AggiungiZona(M, 1, 100, 100, 300, 300);
        AggiungiZona(M, 1, 500, 100, 700, 300);
        Zona& cordolo = M.Zone.Zone[1];
        cordolo.Tipo = 2, cordolo.NumBracci = 4, cordolo.Passo2 = 30, cordolo.Diametro2 = 14;
        cordolo.PoligonoCordolo = -1, cordolo.LatoCordolo = 0, cordolo.Copriferro = 6;
        M.Zone.Zone[2].Tipo = 3;
        // The curb laid along its side and the studs counted, as the program stores them.
        EditZone e;
        e.ZonaCorrente = cordolo;
        e.ZonaSelezionata = 1;
        ASSERT_TRUE(CalcParalle(M, e));
        ASSERT_TRUE(RiponiZona(M, e, 1));
        Sezione s;
        s.X1 = -25, s.Y1 = 450, s.X2 = 1225, s.Y2 = 450;
        M.SezQuote.Sezioni = {s};
        M.SezQuote.UltimaSezione = 0;
        ASSERT_GE(M.SezQuote.UltimaQuota, 0);
        // The layers shown as the program shows them: the snaps take only what is drawn.
        ImpostaColori();
        Ridisegna(0);
        const AreaPianta lavoro = AreaLavoro(M.Soletta), contorno = AreaContorno(M.Soletta);
        ASSERT_EQ(lavoro.XMin, -1400);
        ASSERT_EQ(lavoro.YMax, 2300);
        ASSERT_EQ(contorno.XMax, 2400);
        ASSERT_EQ(contorno.YMin, -1200);
        p.Msg.Visti.clear();
    }
    // The model as saved and as an undo step reads it back, less the slab's time stamp.
    std::string Armature() const { return TestoArmature(M); }
};

}  // namespace

// Each value is stored in the open project as the path named stores it, then written and read
// back into the project, and taken as an undo step and undone to: the reinforcement file is the
// same every time, and nothing is said.
TEST_F(LetturaPropria, OgniCampoAgliEstremi) {
    const AreaPianta L = AreaLavoro(M.Soletta), C = AreaContorno(M.Soletta);
    struct Caso {
        const char* Cosa;
        std::function<void(Modello&)> Imposta;
    };
    auto zona = [](int i) -> Zona& { return M.Zone.Zone[static_cast<size_t>(i)]; };
    auto angoloZona = [&](float x, float y) {
        return [&, x, y](Modello& m) {
            Zona& z = m.Zone.Zone[0];
            z.XMin = z.XMax = z.XBarra1 = z.XBarra2 = z.XRif = z.XMarca = z.XMin1 = z.XMax1 = z.XMin2 = z.XMax2 = x;
            z.YMin = z.YMax = z.YBarra1 = z.YBarra2 = z.YRif = z.YMarca = z.YMin1 = z.YMax1 = z.YMin2 = z.YMax2 = y;
            for (Punto& a : z.Angoli) a = {x, y};
            for (Punto& v : m.Zone.VerticiZone[0]) v = {x, y};
        };
    };
    const Caso casi[] = {
        // The diffuse mesh: none without results, 1 cm the least the design tries, 100 km the
        // most its panel takes; diameters up to 100 mm; chairs of any step the settings give.
        {"diffuse none", [](Modello& m) { m.Diffusa.PassoDiffSup1 = 0, m.Diffusa.DiamDiffSup1 = 0; }},
        {"diffuse least", [](Modello& m) { m.Diffusa.PassoDiffInf2 = 1, m.Diffusa.DiamDiffInf2 = 1; }},
        {"diffuse greatest", [](Modello& m) { m.Diffusa.PassoDiffSup2 = 1e7f, m.Diffusa.DiamDiffSup2 = 100; }},
        {"chairs none", [](Modello& m) { m.Diffusa.PassoCavalletti1 = 0, m.Diffusa.DiamCavalletti = 0; }},
        {"chairs greatest", [](Modello& m) { m.Diffusa.PassoCavalletti2 = 1e7f, m.Diffusa.DiamCavalletti = 100; }},
        {"bend", [](Modello& m) { m.Progetto.PiegaAncoraggio = 1; }},
        // What the slab file gives: any 32-bit slab number and any origin.
        {"slab number least", [](Modello& m) { m.Progetto.NumeroSoletta = INT_MIN; }},
        {"slab number greatest", [](Modello& m) { m.Progetto.NumeroSoletta = INT_MAX; }},
        {"origin", [](Modello& m) { m.Progetto.OrigineX = -3.4e38f, m.Progetto.OrigineY = 3.4e38f; }},
        {"no time stamp", [](Modello& m) { m.Progetto.DataSoletta.clear(); }},
        // A zone's spacing: 0 and half a centimetre as "Ricalcola passo" proposes them for very
        // large demands, the dialog's 4 and 200, the settings' 100 km with no demand.
        {"spacing 0", [&](Modello&) { zona(0).Passo = PassoFerri(16, 1e5f); }},
        {"spacing 0.5", [&](Modello&) { zona(0).Passo = PassoFerri(8, 100); }},
        {"spacing of the dialog", [&](Modello&) { zona(0).Passo = 4, zona(2).Passo = 200, zona(2).Passo2 = 4; }},
        {"spacing of the settings", [&](Modello&) { zona(0).Passo = 1e7f, zona(2).Passo2 = 1e7f; }},
        {"diameters", [&](Modello&) { zona(0).Diametro = 0, zona(1).Diametro = 100, zona(1).Diametro2 = 100; }},
        {"direction", [&](Modello&) { zona(0).Direzione = 1, M.SezQuote.Sezioni[0].Direzione = 1; }},
        // A curb: two legs, the widest strip, its cover, the last side of an outline of 32-bit
        // size, its angle either way.
        {"curb least", [&](Modello&) { zona(1).NumBracci = 2, zona(1).Passo2 = 10, zona(1).Copriferro = 2; }},
        {"curb widest",
         [&](Modello& m) {
             zona(1).Passo2 = LarghezzaMassimaCordolo(m.Soletta), zona(1).Copriferro = SpessoreMassimo;
         }},
        {"curb side", [&](Modello&) { zona(1).PoligonoCordolo = INT_MAX, zona(1).LatoCordolo = INT_MAX; }},
        {"curb angle", [&](Modello&) { zona(1).Angolo = -3.1415927f, zona(2).Angolo = 6.2831855f; }},
        // A stud zone's count at its densest: a stud every centimetre.
        {"studs", [&](Modello&) { zona(2).Passo = 1, zona(2).Passo2 = 1; }},
        // Every point of a zone at each corner of the area of work.
        {"zone at the lower left", angoloZona(L.XMin, L.YMin)},
        {"zone at the upper right", angoloZona(L.XMax, L.YMax)},
        {"section at the corners",
         [&](Modello& m) {
             Sezione& s = m.SezQuote.Sezioni[0];
             s.X1 = s.X3 = s.X5 = L.XMin, s.Y1 = s.Y3 = s.Y5 = L.YMin;
             s.X2 = s.X4 = s.X6 = L.XMax, s.Y2 = s.Y4 = s.Y6 = L.YMax;
         }},
        {"dimension at the corners",
         [&](Modello& m) {
             Quota& q = m.SezQuote.Quote[0];
             q.X1 = q.XP1 = L.XMin, q.Y1 = q.YP1 = L.YMax;
             q.X2 = q.XP2 = L.XMax, q.Y2 = q.YP2 = L.YMin;
             q.Pianta = 9999, q.Testo = "L = 1250 \xC3\x98" "12, a  b";
         }},
        {"dimension of every plan", [](Modello& m) { m.SezQuote.Quote[0].Pianta = -1, m.SezQuote.Quote[0].Testo = ""; }},
        {"outline at the corners",
         [&](Modello& m) {
             m.Soletta.Contorno = {{C.XMin, C.YMin}, {C.XMin, C.YMax}, {C.XMax, C.YMax}, {C.XMax, C.YMin}, {C.XMin, C.YMin}};
             m.Soletta.NumVertContorno = 4;
         }},
    };
    const Modello base = M;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Cosa);
        M = base;
        PulisciUndo();
        c.Imposta(M);
        ContaPioliZone(M);  // every change to a zone counts its studs again
        p.Msg.Visti.clear();
        ASSERT_TRUE(ScriviArmature(TrovaFileArmature(a), M));
        const std::string atteso = Armature();

        // Saved, then read into the project with the file's slab number.
        M.Zone = ZoneArmatura{};
        M.SezQuote = SezioniQuote{};
        M.Diffusa = MagliaDiffusa{};
        M.Progetto.PiegaAncoraggio = 0;
        M.Soletta.Contorno = base.Soletta.Contorno;
        EXPECT_EQ(LeggiArmature(TrovaFileArmature(a), 0, M), EsitoArmature::Letto);
        EXPECT_EQ(Armature(), atteso);

        // Taken as the state before a change, and undone to.
        ASSERT_TRUE(SalvaStatoUndo());
        M.SezQuote.UltimaSezione = -1;
        AnnullaOperazione();
        EXPECT_EQ(Undo.UndoCorrente, 0);
        EXPECT_EQ(Armature(), atteso);
        EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    }
}

// A label dragged off the plan stops at the edge of the area of work, and is read back there.
TEST_F(LetturaPropria, EtichettaTrascinataFinoAlBordo) {
    Vista.CodiceVista = 14;
    Zona& z = M.Zone.Zone[0];
    z.XRif = 430, z.YRif = 400;
    CommandBars_Execute(Comandi.IdRiferimento);
    Premi(430, 400);
    Muovi(1e6f, -1e6f);
    Rilascia(1e6f, -1e6f);
    EXPECT_EQ(M.Zone.Zone[0].XRif, 2600);
    EXPECT_EQ(M.Zone.Zone[0].YRif, -1400);
    ASSERT_TRUE(SalvaArmature(a, M));
    const std::string salvato = TestoArmature(M);
    ASSERT_EQ(CaricaProgetto(a), 0);
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    EXPECT_EQ(TestoArmature(M), salvato);
}

// A dimension line placed beyond the area of work is refused with a message and changes
// nothing; one within it is read back.
TEST_F(LetturaPropria, QuotaOltreLAreaRifiutata) {
    auto quota = [](float y) {
        CommandBars_Execute(Comandi.IdQuotaOrizz);
        Premi(896, 596);
        Premi(1185, 451);
        Muovi(1000, y, 0);
        Premi(1000, y);
    };
    const int quote = M.SezQuote.UltimaQuota;
    const int passo = Undo.UndoUltimo;
    quota(2301);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "La quota \xC3\xA8 troppo lontana dalla soletta.\nOperazione annullata.");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(M.SezQuote.UltimaQuota, quote);
    EXPECT_EQ(Undo.UndoUltimo, passo);

    p.Msg.Visti.clear();
    quota(2299);
    EXPECT_TRUE(p.Msg.Visti.empty());
    ASSERT_EQ(M.SezQuote.UltimaQuota, quote + 1);
    ASSERT_TRUE(SalvaArmature(a, M));
    const std::string salvato = TestoArmature(M);
    ASSERT_EQ(CaricaProgetto(a), 0);
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    EXPECT_EQ(TestoArmature(M), salvato);
}

// The outline takes a vertex at the edge of its area and refuses one beyond; a section across
// the new apex ends and ticks beyond that edge, as the program draws it, and is read back.
TEST_F(LetturaPropria, PerimetroESezioneAlBordo) {
    DialogoPolig polig;
    polig.Chiudi = [] {};
    auto vertice = [&](const char* y) {
        polig.Apri();
        polig.List1_Click(1);
        polig.Controlli.Testi = {"0", y};
        polig.Command1_Click(2);
        polig.Command1_Click(3);
    };
    const std::vector<Punto> contorno = M.Soletta.Contorno;
    vertice("2100.1");
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo,
              "Perimetro non valido: un vertice \xC3\xA8 troppo lontano dalla soletta.\nIl perimetro non \xC3\xA8 stato "
              "modificato.");
    EXPECT_EQ(M.Soletta.Contorno.size(), contorno.size());
    EXPECT_EQ(M.Soletta.Contorno[1].Y, contorno[1].Y);
    polig.Command1_Click(4);

    p.Msg.Visti.clear();
    vertice("2100");
    // Taken; the curb along the left side now runs into the slanted top corner, and is named.
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Dopo la modifica del perimetro controllare:\n- cordoli fuori dal perimetro: pos. 2");
    p.Msg.Visti.clear();
    ASSERT_EQ(M.Soletta.Contorno[1].Y, 2100);
    CommandBars_Execute(Comandi.IdSezione1);
    Clic(400, 2099);
    ASSERT_EQ(M.SezQuote.UltimaSezione, 1);
    float alto = -1e30f;
    for (const Sezione& s : M.SezQuote.Sezioni) alto = std::max({alto, s.Y3, s.Y4, s.Y5, s.Y6});
    EXPECT_GT(alto, 2100) << "the ticks stand beyond the outline's area";

    ASSERT_TRUE(SalvaArmature(a, M));
    const std::string salvato = TestoArmature(M);
    ASSERT_EQ(CaricaProgetto(a), 0);
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    EXPECT_EQ(TestoArmature(M), salvato);
}

// A zone whose length typed in its dialog reaches beyond the area of work is refused when it
// would be stored: a message, no zone, no undo step. A curb wider than the widest is not taken.
TEST_F(LetturaPropria, ZonaOltreLAreaRifiutata) {
    p.Finestra.CopioneAggiuntiva = [this] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        griglia.Modifica(IdAggLunghezza, "100000");
        d.Ok();
    };
    const int zone = M.Zone.UltimaZona;
    const int passo = Undo.UndoUltimo;
    CommandBars_Execute(Comandi.IdInsIntegrativa);
    Premi(150, 200);
    Muovi(450, 500);
    Rilascia(450, 500);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "La posizione si estende troppo oltre la soletta.\nOperazione annullata.");
    EXPECT_EQ(M.Zone.UltimaZona, zone);
    EXPECT_EQ(Undo.UndoUltimo, passo);

    Edit.ZonaCorrente = M.Zone.Zone[1];
    DialogoCordoli d(griglia);
    d.Apri();
    EXPECT_EQ(griglia.Modifica(IdCordLarghezza, "3600.1"), "30");
    EXPECT_EQ(griglia.Modifica(IdCordLarghezza, "3600"), "3600");
}

// A stud zone drawn where nothing is demanded takes twice the diffuse spacings: over the widest
// mesh the panel takes, still a spacing the file takes back.
TEST_F(LetturaPropria, PioliSenzaRichiestaSullaMagliaPiuLarga) {
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "10000000");
    PropertyGrid1_AfterEdit(IdPassoDiffSup2, "10000000");
    p.Finestra.CopioneAggiuntiva = [this] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        d.Ok();
    };
    const int zone = M.Zone.UltimaZona;
    CommandBars_Execute(Comandi.IdArmTaglio);
    Premi(150, 200);
    Muovi(450, 500);
    Rilascia(450, 500);
    ASSERT_EQ(M.Zone.UltimaZona, zone + 1);
    float passo = 0;
    for (const Zona& z : M.Zone.Zone)
        if (z.Tipo == 3) passo = std::max({passo, z.Passo, z.Passo2});
    EXPECT_EQ(passo, LimitePianta);
    ASSERT_TRUE(SalvaArmature(a, M));
    const std::string salvato = TestoArmature(M);
    p.Msg.Visti.clear();
    ASSERT_EQ(CaricaProgetto(a), 0);
    // So wide a mesh covers too few nodes, and the load says so; it says nothing else.
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_NE(p.Msg.Visti[0].Testo.find("Si consiglia la riprogettazione"), std::string::npos);
    EXPECT_EQ(TestoArmature(M), salvato);
}

// A slab smaller than the offset of its automatic dimension chains: the chains stand beyond the
// slab's extent grown by its side, within the room the drawing has, and are read back.
TEST_F(EseguiProva, QuotaturaAutomaticaDiUnaSolettaPiccola) {
    const std::string piccola = dir / "P/PICCOLA.QVR";
    fs::create_directories(dir / "P");
    fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "P/ARCHIMPA.AI0");
    ScriviTutto(piccola, "4\r\n7\r\n-1\r\n0,0\r\n4\r\n0,0\r\n0,50\r\n50,50\r\n50,0\r\n-1\r\n"
                         "1\r\n1,0\r\n10,10\r\n5\r\n1\r\n2,0\r\n40,40\r\n5\r\n-1\r\n-1\r\n-1\r\n-1\r\n20\r\n\"\"\r\n");
    ASSERT_EQ(CaricaProgetto(piccola), 0);
    ASSERT_GE(M.SezQuote.UltimaQuota, 0);
    float alto = -1e30f;
    for (const Quota& q : M.SezQuote.Quote) alto = std::max(alto, q.Y1);
    EXPECT_GT(alto, AreaContorno(M.Soletta).YMax);
    ASSERT_TRUE(SalvaArmature(piccola, M));
    const std::string salvato = TestoArmature(M);
    p.Msg.Visti.clear();
    ASSERT_EQ(CaricaProgetto(piccola), 0);
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    EXPECT_EQ(TestoArmature(M), salvato);
}
