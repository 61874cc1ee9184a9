#include "app/ComandiQuote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/CaricaProgetto.h"
#include "app/Undo.h"
#include "drawing/QuotaturaAutomatica.h"
#include "model/FileArmature.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

// The sample slab, without reinforcement file, in a temporary folder; the automatic
// dimensioning installed as the program installs it.
struct QuoteProva : ::testing::Test {
    GlobaliProva stato;
    EditQuote quotatura = Quotatura;
    ServiziDisegno servizi = Disegno;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello vecchio;
    std::string xdg;
    void SetUp() override {
        vecchio = M;
        M = Modello{};
        const char* x = std::getenv("XDG_CONFIG_HOME");
        xdg = x ? x : "";
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        ImpostaCartelle();
        ImpostaDefault();
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        Disegno = ServiziDisegno{};
        Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
        fs::create_directories(dir / "A");
        fs::copy_file(Campione + "/SOL1.QVR", dir / "A/SOL1.QVR");
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "A/ARCHIMPA.AI0");
    }
    void TearDown() override {
        PulisciUndo();
        M = vecchio;
        Disegno = servizi;
        Quotatura = quotatura;
        Piatt.PauseAttive = true;
        if (xdg.empty()) ::unsetenv("XDG_CONFIG_HOME");
        else ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
        ImpostaCartelle();
    }
    int Ridisegni() const { return static_cast<int>(p.Video.Di("Pulisci").size()); }
    // A dimension placed by hand, in plan 2.
    static void QuotaAMano() {
        SezioniQuote& sq = M.SezQuote;
        ++sq.UltimaQuota;
        sq.Quote.resize(static_cast<size_t>(sq.UltimaQuota) + 1);
        sq.Quote.back() = Quota{1, 2, 3, 4, "a mano", 2, 5, 6, 7, 8};
    }
};

// The dimensions on the line y = L (orizz) or x = L.
std::vector<Quota> SullaLinea(const SezioniQuote& sq, bool orizz, float L) {
    std::vector<Quota> r;
    for (int i = 0; i <= sq.UltimaQuota; ++i) {
        const Quota& q = sq.Quote[static_cast<size_t>(i)];
        if (orizz ? (q.Y1 == L && q.Y2 == L) : (q.X1 == L && q.X2 == L)) r.push_back(q);
    }
    return r;
}

}  // namespace

TEST_F(QuoteProva, CaricamentoSenzaFileArmatureQuota) {
    ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
    const SezioniQuote& sq = M.SezQuote;
    ASSERT_EQ(sq.UltimaQuota, 18);
    for (int i = 0; i <= sq.UltimaQuota; ++i) EXPECT_EQ(sq.Quote[static_cast<size_t>(i)].Pianta, -1) << i;
    // Columns are dimensioned on every side, so the outline chains lie 90 cm out; each runs
    // unbroken across the outline's width or height.
    const auto& lim = M.Soletta.LimitiContorno;
    struct Lato {
        bool orizz;
        float L, da, a;
    } lati[] = {{true, lim[3] + 90, lim[0], lim[2]},
                {true, lim[1] - 90, lim[0], lim[2]},
                {false, lim[0] - 90, lim[1], lim[3]},
                {false, lim[2] + 90, lim[1], lim[3]}};
    for (const auto& l : lati) {
        SCOPED_TRACE(l.L);
        const std::vector<Quota> catena = SullaLinea(sq, l.orizz, l.L);
        ASSERT_FALSE(catena.empty());
        float fine = l.da;
        for (const Quota& q : catena) {
            EXPECT_EQ(l.orizz ? q.X1 : q.Y1, fine);
            fine = l.orizz ? q.X2 : q.Y2;
        }
        EXPECT_EQ(fine, l.a);
    }

    // A load that fails leaves the open project's dimensions as they were.
    QuotaAMano();
    const std::string prima = dump::StampaModello(M);
    fs::create_directories(dir / "B");
    fs::copy_file(std::string(VILMOR_DATI_PROVA) + "/soletta/V5.QVR", dir / "B/V5.QVR");
    fs::copy_file(Campione + "/SOL1.QVR", dir / "B/SOL1.QVR");  // no archive beside it
    for (std::string b : {dir / "B/V5.QVR", dir / "B/SOL1.QVR"}) {
        EXPECT_NE(CaricaProgetto(b), 0);
        EXPECT_EQ(dump::StampaModello(M), prima);
    }
}

TEST_F(QuoteProva, ComandoSenzaQuoteNonChiede) {
    ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
    const std::string automatiche = dump::StampaModello(M);
    M.SezQuote.UltimaQuota = -1;
    M.SezQuote.Quote.clear();
    p.Video.Chiamate.clear();
    const int undo = Undo.UndoCorrente;
    EXPECT_TRUE(ComandoQuotaturaAutomatica());
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(dump::StampaModello(M), automatiche);
    EXPECT_EQ(Undo.UndoCorrente, undo + 1);
    EXPECT_EQ(Ridisegni(), 1);
}

TEST_F(QuoteProva, ComandoConQuoteChiede) {
    for (bool si : {false, true}) {
        SCOPED_TRACE(si);
        ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
        const std::string automatiche = dump::StampaModello(M);
        QuotaAMano();
        const std::string prima = dump::StampaModello(M);
        p.Video.Chiamate.clear();
        p.Msg.Visti.clear();
        p.Msg.Risposte = {si ? RispostaMsg::Si : RispostaMsg::No};
        const int undo = Undo.UndoCorrente;

        EXPECT_EQ(ComandoQuotaturaAutomatica(), si);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        const MessaggioVisto& v = p.Msg.Visti[0];
        EXPECT_EQ(v.Testo, "La quotatura automatica annullerà le quote esistenti.\nProcedere?");
        EXPECT_EQ(v.Icona, IconaMsg::Nessuna);
        EXPECT_EQ(v.Pulsanti, PulsantiMsg::SiNo);
        EXPECT_EQ(v.Predefinita, RispostaMsg::No) << "Enter must keep the dimensions";
        EXPECT_EQ(v.Titolo, "Attenzione!");
        EXPECT_EQ(Undo.UndoCorrente, undo + (si ? 1 : 0)) << "a step only when the dimensions are replaced";
        EXPECT_EQ(dump::StampaModello(M), si ? automatiche : prima);
        EXPECT_EQ(Ridisegni(), si ? 1 : 0);
        if (si) {
            // Undo gives back the dimension placed by hand.
            AnnullaOperazione();
            EXPECT_EQ(M.SezQuote.UltimaQuota, 19);
            EXPECT_EQ(M.SezQuote.Quote[19].Testo, "a mano");
        }
    }
}
