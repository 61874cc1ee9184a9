#include "app/SceltaVista.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/BarreComandi.h"
#include "base/Formati.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

class SceltaVistaProva : public ::testing::Test {
protected:
    GlobaliProva globali;
    PiattaformaProva p;
    void SetUp() override {
        SettaIdComandi(1);
        p.Video.L = 800;
        p.Video.H = 400;
        Vista.AltezzaVideo = 400;
        for (int i = 0; i < 6; ++i) {
            M.Analisi.MaxRichiesta[static_cast<size_t>(i)] = 10.0f + static_cast<float>(i);
            M.Analisi.MinRichiesta[static_cast<size_t>(i)] = 0.25f * static_cast<float>(i);
        }
        // One node whose excess differs in every layer: layer s has an excess of s + 1.
        M.Analisi.Nodi.assign(1, Nodo{});
        M.Analisi.NumNodi = 1;
        Nodo& n = M.Analisi.Nodi[0];
        n.ResSup1 = -1, n.ResInf1 = -2, n.ResSup2 = -3, n.ResInf2 = -4, n.ResTaglio = -5;
        Vista.EstensionePianta = {0, 0, 1000, 500};
        Vista.EstensioneTavola = {0, 0, 3000, 2000};
    }
    // Full redraws of the plan: each starts with persistent drawing switched on.
    int Ridisegni() const {
        int n = 0;
        for (const auto& c : p.Video.Chiamate)
            if (c.Op == "DisegnoPersistente" && !c.Num.empty() && c.Num[0] != 0) ++n;
        return n;
    }
};

}  // namespace

TEST_F(SceltaVistaProva, TabellaDelleViste) {
    constexpr int T = -1;  // kept as it was
    // `zona` and `attiva`: the face and direction the view implies for the zone commands, set
    // here and not by drawing the view.
    struct Riga {
        int vista, lato, dir, cv, pianta, mappa, zona, attiva;
        int voce;     // range from entry `voce` of the requirement, or
        int eccesso;  // from the excess of that layer
    };
    const std::vector<Riga> righe = {
        {0, 0, 1, 0, 0, T, T, T, T, T},      {0, 1, 1, 1, 1, T, T, T, T, T},      {0, 2, 0, 0, 0, T, T, T, T, T},
        {1, 0, 1, 14, 2, T, 0, T, T, T},     {1, 1, 0, 15, 3, T, 1, T, T, T},     {1, 2, 1, 16, 4, T, T, T, T, T},
        {2, 1, 1, 17, 5, T, T, T, T, T},     {3, 0, 0, 6, T, 5, 0, 0, T, T},      {3, 0, 1, 7, T, 7, 0, 1, T, T},
        {3, 1, 0, 8, T, 6, 1, 0, T, T},      {3, 1, 1, 9, T, 8, 1, 1, T, T},      {3, 2, 1, 12, T, 9, 2, 0, T, T},
        {4, 0, 0, 2, 9999, 0, 0, 0, 0, T},   {4, 0, 1, 3, 9999, 2, 0, 1, 1, T},   {4, 1, 0, 4, 9999, 1, 1, 0, 2, T},
        {4, 1, 1, 5, 9999, 3, 1, 1, 3, T},   {4, 2, 0, 10, 9999, 4, 2, 2, 5, T},  {5, 0, 0, 2, 9999, 10, 0, 0, T, 0},
        {5, 0, 1, 3, 9999, 12, 0, 1, T, 2},  {5, 1, 0, 4, 9999, 11, 1, 0, T, 1},  {5, 1, 1, 5, 9999, 13, 1, 1, T, 3},
        {5, 2, 1, 10, 9999, 14, 2, 2, T, 4},
    };
    ASSERT_EQ(righe.size(), 22u);
    for (const Riga& r : righe) {
        const std::string caso = std::to_string(r.vista) + "/" + std::to_string(r.lato) + "/" + std::to_string(r.dir);
        Vista.VistaScelta = r.vista, Vista.LatoScelto = r.lato, Vista.DirezioneScelta = r.dir;
        Vista.PiantaCorrente = 77, Vista.TipoMappa = 55, Vista.TipoZonaAttivo = 66, Vista.DirezioneAttiva = 66;
        Mappa.ScalaMin = -7, Mappa.ScalaMax = -8;
        const int prima = Ridisegni();
        AggiornaVisulalizzazione();
        EXPECT_EQ(Ridisegni(), prima + 1) << caso;
        EXPECT_EQ(Vista.CodiceVista, r.cv) << caso;
        EXPECT_EQ(Vista.PiantaCorrente, r.pianta == T ? 77 : r.pianta) << caso;
        EXPECT_EQ(Vista.TipoZonaAttivo, r.zona == T ? 66 : r.zona) << caso;
        EXPECT_EQ(Vista.DirezioneAttiva, r.attiva == T ? 66 : r.attiva) << caso;
        if (r.vista < 4) {
            EXPECT_EQ(Vista.TipoMappa, r.mappa == T ? 55 : r.mappa) << caso;
            EXPECT_EQ(Mappa.ScalaMin, -7) << caso;
        } else {
            EXPECT_EQ(Vista.TipoMappa, r.mappa) << caso;
            const float alto = r.voce != T ? 10.0f + static_cast<float>(r.voce) : static_cast<float>(r.eccesso + 1);
            const float basso = r.voce != T ? 0.25f * static_cast<float>(r.voce) : static_cast<float>(r.eccesso + 1);
            EXPECT_EQ(Mappa.ScalaMax, alto) << caso;
            EXPECT_EQ(Mappa.ScalaMin, basso) << caso;
            EXPECT_EQ(p.Finestra.Range[0], FormatNum(alto, 2)) << caso;
            EXPECT_EQ(p.Finestra.Range[1], FormatNum(basso, 2)) << caso;
        }
        const auto& atteso = r.vista == 2 ? Vista.EstensioneTavola : Vista.EstensionePianta;
        EXPECT_EQ(Vista.EstensioneCorrente, atteso) << caso;
    }
}

TEST_F(SceltaVistaProva, OpzioniLatoEDirezione) {
    Vista.VistaScelta = 4;
    Option1_Click(1);
    Option2_Click(0);
    EXPECT_EQ(Vista.CodiceVista, 4);
    EXPECT_EQ(Vista.TipoMappa, 1);
    EXPECT_EQ(Mappa.ScalaMax, 12.0f);
    EXPECT_EQ(p.Finestra.Lato, 1);
    EXPECT_EQ(p.Finestra.Direzione, 0);
    Option2_Click(1);
    Option1_Click(2);
    EXPECT_FALSE(p.Finestra.DirezioniAbilitate);
    EXPECT_EQ(Vista.DirezioneScelta, 1) << "the shear side keeps the direction";
    EXPECT_EQ(Vista.CodiceVista, 10);
    Option1_Click(0);
    EXPECT_TRUE(p.Finestra.DirezioniAbilitate);
    EXPECT_EQ(Vista.CodiceVista, 3);
    EXPECT_NE(p.Finestra.InfoRtf.find("Aree armatura"), std::string::npos) << "a view change shows the summary";
}

TEST_F(SceltaVistaProva, ComandiDelleVisteSoloConSoletta) {
    CommandBars_Execute(Comandi.IdMappaCalcolo);
    EXPECT_EQ(Vista.VistaScelta, 0) << "no slab: nothing";
    M.Soletta.NumVertContorno = 4;
    const int32_t ids[6] = {Comandi.IdVisDiffusa, Comandi.IdVisIntegrativa, Comandi.IdVisTavola,
                            Comandi.IdDisponiIntegrative, Comandi.IdMappaCalcolo, Comandi.IdEccedenza};
    const int cv[6] = {0, 14, 17, 6, 2, 2};
    for (int k = 0; k < 6; ++k) {
        CommandBars_Execute(ids[k]);
        EXPECT_EQ(Vista.VistaScelta, k);
        EXPECT_EQ(Vista.CodiceVista, cv[k]);
        for (int j = 0; j < 6; ++j) EXPECT_EQ(*CommandBars_Update(ids[j]).Selezionato, j == k);
        EXPECT_FALSE(CommandBars_Update(ids[k]).Abilitato.has_value());
    }
}

TEST_F(SceltaVistaProva, Default) {
    struct Caso {
        int tipo;
        float alto, basso;
    };
    for (const Caso& c : {Caso{0, 10, 0}, Caso{1, 12, 0.5f}, Caso{2, 11, 0.25f}, Caso{3, 13, 0.75f},
                          Caso{4, 15, 1.25f}, Caso{10, 1, 1}, Caso{13, 4, 4}, Caso{14, 5, 5}, Caso{7, 99, 98}}) {
        Vista.TipoMappa = c.tipo;
        Mappa.ScalaMax = 99, Mappa.ScalaMin = 98;
        const int prima = Ridisegni();
        Command1_Click(0);
        EXPECT_EQ(Mappa.ScalaMax, c.alto) << c.tipo;
        EXPECT_EQ(Mappa.ScalaMin, c.basso) << c.tipo;
        EXPECT_EQ(p.Finestra.Range[0], FormatNum(c.alto, 2));
        EXPECT_EQ(Ridisegni(), prima + 1);
    }
}

TEST_F(SceltaVistaProva, RangeEInvio) {
    struct Caso {
        bool invio;
        const char *max, *min;
        float alto, basso;         // the range afterwards
        const char *boxMax, *boxMin;  // the boxes afterwards
    };
    const Caso casi[] = {
        {false, "20", "-1", 20, 2, "20", "2.00"},
        {false, "3", "5", 10, 5, "10.00", "5"},
        {false, "abc", " x1", 10, 2, "10.00", "2.00"},
        {false, "13", "12,5", 13, 12.5f, "13", "12,5"},
        {false, "7", "7", 7, 7, "7", "7"},
        {true, "2", "5", 2, 5, "2", "5"},
        {true, "abc", "1", 10, 1, "10.00", "1"},
        {true, "-3", "", -3, 2, "-3", "2.00"},
    };
    for (const Caso& c : casi) {
        Vista.TipoMappa = 0;
        Mappa.ScalaMax = 10, Mappa.ScalaMin = 2;
        p.Finestra.Range = {c.max, c.min};
        const int prima = Ridisegni();
        if (c.invio) TastoInvio();
        else Command1_Click(1);
        const std::string caso = std::string(c.invio ? "Invio " : "Range ") + c.max + " / " + c.min;
        EXPECT_EQ(Mappa.ScalaMax, c.alto) << caso;
        EXPECT_EQ(Mappa.ScalaMin, c.basso) << caso;
        EXPECT_EQ(p.Finestra.Range[0], c.boxMax) << caso;
        EXPECT_EQ(p.Finestra.Range[1], c.boxMin) << caso;
        EXPECT_EQ(Ridisegni(), prima + 1) << caso;
    }
    // The arrangement maps take nothing from the boxes.
    Vista.TipoMappa = 6;
    Mappa.ScalaMax = 10;
    p.Finestra.Range = {"1", "0"};
    const int prima = Ridisegni();
    TastoInvio();
    EXPECT_EQ(Mappa.ScalaMax, 10);
    EXPECT_EQ(Ridisegni(), prima);
}

// Enabled state by view code, for a loaded two-mesh slab with the editor closed; the other
// states switch whole groups off.
TEST_F(SceltaVistaProva, Disponibilita) {
    const IdentificatoriComandi& c = Comandi;
    struct Gruppo {
        std::vector<int32_t> ids;
        const char* perCodice;  // CodiceVista 0 .. 17
        bool conEditor, conMagliaUnica;
    };
    const std::vector<Gruppo> gruppi = {
        {{c.IdCopia, c.IdSposta, c.IdCancellaArm, c.IdArmPilastri, c.IdArmPali}, "001111111111110000", false, true},
        {{c.IdCopiaLato}, "001111111111110000", false, false},
        {{c.IdInfoNodi}, "001111111101110000", false, true},
        {{c.IdRiferimento}, "000000000000001110", false, true},
        {{c.IdCordoli}, "000000111100110000", false, false},
        {{c.IdArmTaglio}, "000000000000110000", false, false},
        {{c.IdInsIntegrativa}, "000000111100000000", false, true},
        {{c.IdSezione1, c.IdSezione2, c.IdCancellaSez, c.IdSpostaSez}, "111111111111111110", false, true},
        {{c.IdPerimetro}, "111111111111111100", true, true},
        {{c.IdQuotaOrizz, c.IdQuotaVert, c.IdQuotaAllin, c.IdCancellaQuota, c.IdQuotaContinua, c.IdSpostaQuota,
          c.IdVisQuota, c.IdQuotaAuto},
         "110000111101111110", false, true},
    };
    // The plan each view code draws.
    const int pianta[18] = {0, 1, 9999, 9999, 9999, 9999, 0, 0, 0, 0, 9999, 0, 0, 0, 2, 3, 4, 5};
    for (int soletta = 0; soletta < 2; ++soletta)
        for (int editor = 0; editor < 2; ++editor)
            for (int unica = 0; unica < 2; ++unica)
                for (int cv = 0; cv < 18; ++cv) {
                    for (const Gruppo& g : gruppi)
                        for (int32_t id : g.ids) {
                            M.Soletta.NumVertContorno = soletta ? 6 : 0;
                            M.Progetto.MagliaUnica = unica ? -1 : 0;
                            Vista.CodiceVista = cv;
                            Vista.PiantaCorrente = pianta[cv];
                            Vista.EditPerimetro = editor;
                            const bool atteso = soletta && g.perCodice[cv] == '1' && (!editor || g.conEditor) &&
                                                (!unica || g.conMagliaUnica);
                            const StatoComando r = CommandBars_Update(id);
                            ASSERT_TRUE(r.Abilitato.has_value());
                            EXPECT_EQ(*r.Abilitato, atteso) << "id " << id << " cv " << cv << " slab " << soletta
                                                            << " editor " << editor << " single " << unica;
                        }
                }
    // Always enabled, never selected.
    for (int32_t id : {c.IdApri, c.IdSalva, c.IdZoom, c.IdImpostazioni, c.IdComputo, c.IdTrascina}) {
        const StatoComando r = CommandBars_Update(id);
        EXPECT_FALSE(r.Abilitato.has_value());
        EXPECT_FALSE(r.Selezionato.has_value());
    }
}

TEST_F(SceltaVistaProva, EffettiDellaDisponibilita) {
    const IdentificatoriComandi& c = Comandi;
    M.Soletta.NumVertContorno = 6;
    // Undo and redo follow the indices only.
    Undo.UndoPrimo = Undo.UndoCorrente = Undo.UndoUltimo = 3;
    EXPECT_FALSE(*CommandBars_Update(c.IdAnnulla).Abilitato);
    EXPECT_FALSE(*CommandBars_Update(c.IdRipeti).Abilitato);
    Undo.UndoUltimo = 4;
    EXPECT_TRUE(*CommandBars_Update(c.IdRipeti).Abilitato);
    Undo.UndoCorrente = 4;
    EXPECT_TRUE(*CommandBars_Update(c.IdAnnulla).Abilitato);
    EXPECT_FALSE(*CommandBars_Update(c.IdRipeti).Abilitato);

    // The information mode: selected while on, switched off where its command is gone.
    Vista.CodiceVista = 6;
    Vista.ModoInfo = -1;
    EXPECT_TRUE(*CommandBars_Update(c.IdInfoNodi).Selezionato);
    Vista.CodiceVista = 17;
    EXPECT_FALSE(*CommandBars_Update(c.IdInfoNodi).Selezionato);
    EXPECT_EQ(Vista.ModoInfo, 0);

    // The editor flag: cleared in the shear integrative view and the sheet, and without a slab.
    for (int cv : {16, 17}) {
        Vista.CodiceVista = cv;
        Vista.EditPerimetro = 1;
        CommandBars_Update(c.IdPerimetro);
        EXPECT_EQ(Vista.EditPerimetro, 0) << cv;
    }
    Vista.CodiceVista = 15;
    Vista.EditPerimetro = 1;
    CommandBars_Update(c.IdPerimetro);
    EXPECT_EQ(Vista.EditPerimetro, 1);
    M.Soletta.NumVertContorno = 0;
    CommandBars_Update(c.IdPerimetro);
    EXPECT_EQ(Vista.EditPerimetro, 0);
}
