#include "app/ZonePilastri.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "app/Undo.h"
#include "base/Geometria.h"
#include "design/Ancoraggio.h"
#include "design/ArchivioZone.h"
#include "design/BarreZone.h"
#include "design/SoletteBarre.h"
#include "model/ModuloDir.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const Anello Soletta1000x500 = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}};

// The dialog: scripted values, or a cancel.
class DialogoProva : public DialogoAggMulti {
public:
    int Chiamate = 0;
    bool Annulla = false;
    DatiAggMulti Valori;
    int Lato = 0;
    void Mostra() override {
        ++Chiamate;
        if (Annulla) {
            ErroreOperazione = -1;
            return;
        }
        AggMulti = Valori;
        Edit.LatoMulti = Lato;
        ErroreOperazione = 0;
    }
};

// Both directions, 6 bars of 12 at 10 cm, 240 cm long, upper face.
DatiAggMulti ValoriBase() {
    DatiAggMulti v;
    v.ApplicaDirMulti = {true, true};
    v.DiamMulti1 = v.DiamMulti2 = 12;
    v.NumFerriMulti1 = v.NumFerriMulti2 = 6;
    v.PassoMulti1 = v.PassoMulti2 = 10;
    v.LungMulti1 = v.LungMulti2 = 240;
    return v;
}

// Same ring up to the starting vertex.
::testing::AssertionResult StessoAnello(const std::vector<Punto>& riga, int ult, const Anello& atteso) {
    const int n = ult + 1;
    if (n != static_cast<int>(atteso.size()))
        return ::testing::AssertionFailure() << n << " vertici invece di " << atteso.size();
    for (int s = 0; s < n; ++s) {
        bool ok = true;
        for (int k = 0; k < n && ok; ++k) {
            const Punto& p = riga[(s + k) % n];
            ok = std::fabs(p.X - atteso[k].X) < 1e-3 && std::fabs(p.Y - atteso[k].Y) < 1e-3;
        }
        if (ok) return ::testing::AssertionSuccess();
    }
    auto m = ::testing::AssertionFailure() << "anello:";
    for (int k = 0; k < n; ++k) m << " (" << riga[k].X << "," << riga[k].Y << ")";
    return m;
}

class ZonePilastri : public ::testing::Test {
protected:
    AmbienteBarre amb;
    PiattaformaProva pp;
    CartellaTemp cartella;
    DialogoProva dlg;

    ZonePilastri() {
        M = SolettaProva(Soletta1000x500);
        M.Progetto.CartellaLavoro = cartella.Percorso();
        // A node under the first column and one far from every zone.
        for (Punto p : {Punto{500, 250}, Punto{100, 100}}) {
            Nodo q;
            q.X = p.X, q.Y = p.Y;
            q.RichSup1 = q.RichSup2 = 20;
            q.ResSup1 = q.ResSup2 = 999;
            M.Analisi.Nodi.push_back(q);
        }
        M.Analisi.NumNodi = 2;
        Undo = StatoUndo{};
        SvuotaCartellaUndo();
        // 1000 x 500 cm shown at 0.5 px/cm in a picture 250 px high.
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = 0.5f;
        Vista.AltezzaVideo = 250;
        Edit.EntrambiLati = 0;
        dlg.Valori = ValoriBase();
        Piatt.FrmAggMulti = &dlg;
    }
    static void Colonne(const std::vector<Punto>& pos) {
        M.Soletta.Pilastri.clear();
        for (const Punto& p : pos) {
            Pilastro c;
            c.X = p.X, c.Y = p.Y;
            M.Soletta.Pilastri.push_back(c);
        }
        M.Soletta.NumPilastri = static_cast<int>(pos.size());
    }
    static void Pali(const std::vector<Punto>& pos) {
        M.Soletta.Pali.clear();
        for (const Punto& p : pos) M.Soletta.Pali.push_back({p.X, p.Y, 30});
        M.Soletta.NumPali = static_cast<int>(pos.size());
    }
    std::vector<ChiamataVideo> Marche() const {
        std::vector<ChiamataVideo> r;
        for (const auto& c : pp.Video.Chiamate)
            if (c.Op == "RettangoloPieno") r.push_back(c);
        return r;
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> r;
        for (const auto& v : pp.Msg.Visti) {
            EXPECT_EQ(v.Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(v.Pulsanti, PulsantiMsg::Ok);
            EXPECT_EQ(v.Titolo, "Attenzione!");
            r.push_back(v.Testo);
        }
        return r;
    }
    static bool Snapshot() { return EsisteFile(CartellaUndo() + "/" + NomeFileUndo(0)); }
};

TEST_F(ZonePilastri, DueDirezioniIntornoAiPilastri) {
    Colonne({{500, 250}, {530, 300}, {800, 250}});
    InserisciZonePilastri(0, 0, 1000, 500, 0);

    EXPECT_TRUE(Testi().empty());
    EXPECT_EQ(dlg.Chiamate, 1);
    // The second column lies within 80 cm of the first both ways: two marks, yellow, 10 px wide.
    auto marche = Marche();
    ASSERT_EQ(marche.size(), 2u);
    EXPECT_EQ(marche[0].Num, (std::vector<double>{245, 120, 255, 130, 14}));
    EXPECT_EQ(marche[1].Num, (std::vector<double>{395, 120, 405, 130, 14}));
    // Drawn to stay until the picture is next cleared.
    std::string ordine;
    for (const auto& c : pp.Video.Chiamate) ordine += c.Op + (c.Num.empty() ? "" : std::to_string(int(c.Num[0]))) + ";";
    EXPECT_EQ(ordine, "DisegnoPersistente1;RettangoloPieno245;RettangoloPieno395;DisegnoPersistente0;");

    const ZoneArmatura& za = M.Zone;
    ASSERT_EQ(za.UltimaZona, 3);
    // Column 1 dir 1, column 3 dir 1, column 1 dir 2, column 3 dir 2.
    const float centro[] = {500, 800, 500, 800};
    const int direzione[] = {0, 0, 1, 1};
    for (int z = 0; z <= 3; ++z) {
        SCOPED_TRACE(z);
        const Zona& q = za.Zone[z];
        EXPECT_EQ(q.Direzione, direzione[z]);
        EXPECT_EQ(q.Tipo, 0);
        EXPECT_EQ(q.Diametro, 12);
        EXPECT_EQ(q.Passo, 10);
        EXPECT_NEAR(q.XMarca, centro[z], 1e-3);
        EXPECT_NEAR(q.YMarca, 250, 1e-3);
        EXPECT_EQ(q.Diametro2, 0);
        EXPECT_EQ(q.NumBracci, 0);
    }
    EXPECT_TRUE(StessoAnello(za.VerticiZone[0], za.Zone[0].UltVertice, {{380, 275}, {620, 275}, {620, 225}, {380, 225}}));
    EXPECT_TRUE(StessoAnello(za.VerticiZone[2], za.Zone[2].UltVertice, {{475, 370}, {525, 370}, {525, 130}, {475, 130}}));

    CalcolaArmature();
    for (int z = 0; z <= 3; ++z) EXPECT_FLOAT_EQ(za.Zone[z].LungTotale, 1440) << z;

    // One snapshot, of the model before the change.
    EXPECT_EQ(Undo.UndoCorrente, 1);
    EXPECT_TRUE(Snapshot());
    EXPECT_EQ(Edit.MantieniRiferimento, 0);

    // Residuals renewed with the new zones: 12 mm at 10 cm gives 11.31 cm2/m each way.
    const float a = AreaBarra(12) * 100 / 10;
    EXPECT_FLOAT_EQ(M.Analisi.Nodi[0].ResSup1, 20 - a);
    EXPECT_FLOAT_EQ(M.Analisi.Nodi[0].ResSup2, 20 - a);
    EXPECT_FLOAT_EQ(M.Analisi.Nodi[1].ResSup1, 20);
    EXPECT_FLOAT_EQ(M.Analisi.Nodi[1].ResInf1, 0);
}

TEST_F(ZonePilastri, OrdineDelleZone) {
    Colonne({{200, 250}, {500, 250}, {800, 250}});
    dlg.Lato = 1;
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    ASSERT_EQ(M.Zone.UltimaZona, 5);
    // Made column by column, direction 1 then 2; the store's sort leaves this order.
    const float centro[] = {200, 500, 800, 500, 200, 800};
    const int direzione[] = {0, 0, 0, 1, 1, 1};
    for (int z = 0; z <= 5; ++z) {
        EXPECT_NEAR(M.Zone.Zone[z].XMarca, centro[z], 1e-3) << z;
        EXPECT_EQ(M.Zone.Zone[z].Direzione, direzione[z]) << z;
        EXPECT_EQ(M.Zone.Zone[z].Tipo, 1) << z;
    }
    // The view's own face stays: the zones carry theirs.
    EXPECT_EQ(Vista.TipoZonaAttivo, 0);
    EXPECT_EQ(Vista.DirezioneAttiva, 0);
}

TEST_F(ZonePilastri, RaccoltaNellaFinestra) {
    struct Caso {
        const char* nome;
        std::vector<Punto> colonne;
        int marche;
        Punto primo;
    };
    const Caso casi[] = {
        {"sul bordo della finestra", {{100, 250}, {500, 250}}, 1, {500, 250}},
        {"sul bordo superiore", {{500, 400}, {800, 250}}, 1, {800, 250}},
        {"50 e 60 cm", {{500, 250}, {550, 190}}, 1, {500, 250}},
        {"50 e 90 cm", {{500, 250}, {550, 160}}, 2, {500, 250}},
        {"90 e 50 cm", {{500, 250}, {410, 300}}, 2, {500, 250}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        M.Zone = ZoneArmatura{};
        pp.Video.Chiamate.clear();
        Colonne(c.colonne);
        InserisciZonePilastri(100, 100, 900, 400, 0);
        auto marche = Marche();
        ASSERT_EQ(static_cast<int>(marche.size()), c.marche);
        EXPECT_EQ(marche[0].Num[0], c.primo.X * 0.5 - 5);
        EXPECT_EQ(M.Zone.UltimaZona + 1, 2 * c.marche);
    }
    EXPECT_TRUE(Testi().empty());
}

TEST_F(ZonePilastri, PaliConIlComandoPali) {
    Pali({{300, 200}});
    Colonne({{700, 300}});
    InserisciZonePilastri(0, 0, 600, 500, 1);
    ASSERT_EQ(M.Zone.UltimaZona, 1);
    EXPECT_NEAR(M.Zone.Zone[0].XMarca, 300, 1e-3);
    EXPECT_NEAR(M.Zone.Zone[0].YMarca, 200, 1e-3);
}

TEST_F(ZonePilastri, NessunElementoNellaFinestra) {
    struct Caso {
        int kind;
        std::vector<Punto> colonne, pali;
        const char* messaggio;
    };
    const Caso casi[] = {
        {0, {}, {}, "Non sono stati individuati pilastri nella zona selezionata"},
        {0, {}, {{500, 250}}, "Non sono stati individuati pilastri nella zona selezionata"},
        {1, {{500, 250}}, {}, "Non sono stati individuati pali nella zona selezionata"},
        {0, {{950, 250}}, {}, "Non sono stati individuati pilastri nella zona selezionata"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        pp.Msg.Visti.clear();
        pp.Video.Chiamate.clear();
        Colonne(c.colonne);
        Pali(c.pali);
        const std::string prima = dump::StampaModello(M);
        InserisciZonePilastri(100, 100, 900, 400, c.kind);
        EXPECT_EQ(Testi(), std::vector<std::string>{c.messaggio});
        EXPECT_EQ(dump::StampaModello(M), prima);
        EXPECT_TRUE(pp.Video.Chiamate.empty());
    }
    EXPECT_EQ(dlg.Chiamate, 0);
    EXPECT_EQ(Undo.UndoCorrente, 0);
    EXPECT_FALSE(Snapshot());
}

TEST_F(ZonePilastri, DialogoAnnullato) {
    Colonne({{500, 250}});
    const std::string prima = dump::StampaModello(M);
    dlg.Annulla = true;
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    EXPECT_EQ(dlg.Chiamate, 1);
    EXPECT_EQ(Marche().size(), 1u);
    EXPECT_TRUE(Testi().empty());
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(Undo.UndoCorrente, 0);
    EXPECT_FALSE(Snapshot());

    // Without a dialog there are no bar data: the same.
    Piatt.FrmAggMulti = nullptr;
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    EXPECT_EQ(ErroreOperazione, -1);
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_FALSE(Snapshot());
}

TEST_F(ZonePilastri, PilastroFuoriDallaSoletta) {
    Colonne({{1200, 250}, {500, 250}, {800, 250}});
    InserisciZonePilastri(0, 0, 1500, 500, 0);
    // The others get their zones; the one outside gets none and is counted once.
    ASSERT_EQ(M.Zone.UltimaZona, 3);
    for (int z = 0; z <= 3; ++z) EXPECT_LT(M.Zone.Zone[z].XMarca, 1000) << z;
    EXPECT_EQ(Testi(), std::vector<std::string>{"Pilastri senza armatura aggiuntiva: 1.\n"
                                                "La zona cade fuori dalla soletta o risulta divisa in più parti."});
    EXPECT_EQ(Undo.UndoCorrente, 1);

    // All outside: no zone, no snapshot, the count of piles.
    pp.Msg.Visti.clear();
    M.Zone = ZoneArmatura{};
    Undo = StatoUndo{};
    std::remove((CartellaUndo() + "/" + NomeFileUndo(0)).c_str());
    Pali({{1200, 250}, {1400, 250}});
    InserisciZonePilastri(0, 0, 1500, 500, 1);
    EXPECT_EQ(M.Zone.UltimaZona, -1);
    EXPECT_EQ(Testi(), std::vector<std::string>{"Pali senza armatura aggiuntiva: 2.\n"
                                                "La zona cade fuori dalla soletta o risulta divisa in più parti."});
    EXPECT_EQ(Undo.UndoCorrente, 0);
    EXPECT_FALSE(Snapshot());
}

TEST_F(ZonePilastri, LunghezzaNonOltreDueAncoraggi) {
    ASSERT_EQ(CalcAncoraggio(24), 125);
    struct Caso {
        bool dir1, dir2;
        int diam1, diam2;
        const char* messaggio;
    };
    const Caso casi[] = {
        {true, true, 24, 12,
         "La lunghezza dei ferri in direzione 1 (240 cm) deve superare il doppio dell'ancoraggio (250 cm).\n"
         "Operazione annullata."},
        {true, true, 12, 24,
         "La lunghezza dei ferri in direzione 2 (240 cm) deve superare il doppio dell'ancoraggio (250 cm).\n"
         "Operazione annullata."},
        {false, true, 12, 24,
         "La lunghezza dei ferri in direzione 2 (240 cm) deve superare il doppio dell'ancoraggio (250 cm).\n"
         "Operazione annullata."},
    };
    Colonne({{500, 250}});
    const std::string prima = dump::StampaModello(M);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.messaggio);
        pp.Msg.Visti.clear();
        dlg.Valori.ApplicaDirMulti = {c.dir1, c.dir2};
        dlg.Valori.DiamMulti1 = c.diam1;
        dlg.Valori.DiamMulti2 = c.diam2;
        InserisciZonePilastri(0, 0, 1000, 500, 0);
        EXPECT_EQ(Testi(), std::vector<std::string>{c.messaggio});
        EXPECT_EQ(dump::StampaModello(M), prima);
        EXPECT_FALSE(Snapshot());
    }
    // An unticked direction is not checked: direction 1 alone with 12 mm makes its zone.
    pp.Msg.Visti.clear();
    dlg.Valori.ApplicaDirMulti = {true, false};
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    EXPECT_TRUE(Testi().empty());
    EXPECT_EQ(M.Zone.UltimaZona, 0);
}

TEST_F(ZonePilastri, DatiDeiFerriNonValidi) {
    Colonne({{500, 250}});
    const std::string prima = dump::StampaModello(M);
    struct {
        float passo;
        int ferri, diametro;
    } casi[] = {{-10, 6, 12}, {0, 6, 12}, {std::nanf(""), 6, 12}, {10, 1, 12}, {10, -5, 12}, {10, 6, 0}};
    for (const auto& c : casi) {
        pp.Msg.Visti.clear();
        dlg.Valori = ValoriBase();
        dlg.Valori.PassoMulti2 = c.passo;
        dlg.Valori.NumFerriMulti2 = c.ferri;
        dlg.Valori.DiamMulti2 = c.diametro;
        InserisciZonePilastri(0, 0, 1000, 500, 0);
        EXPECT_EQ(Testi(), std::vector<std::string>{MsgDatiMulti(2)}) << c.passo << " " << c.ferri;
        EXPECT_EQ(dump::StampaModello(M), prima);
        EXPECT_FALSE(Snapshot());
    }
}

TEST_F(ZonePilastri, LimiteDelleZone) {
    // Stored zones to fill the table up to n, then a window asking for 4 more.
    auto riempi = [](int n) {
        M.Zone = ZoneArmatura{};
        AggiungiZona(M, {{10, 60}, {60, 60}, {60, 10}, {10, 10}}, 1, 0, 10, 20);
        for (int z = 1; z < n; ++z) {
            M.Zone.Zone.push_back(M.Zone.Zone[0]);
            M.Zone.VerticiZone[z] = M.Zone.VerticiZone[0];
        }
        M.Zone.UltimaZona = n - 1;
    };
    Colonne({{500, 250}, {800, 250}});

    riempi(598);
    const std::string prima = dump::StampaModello(M);
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    EXPECT_EQ(Testi(), std::vector<std::string>{MsgLimiteZone});
    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_FALSE(Snapshot());

    pp.Msg.Visti.clear();
    riempi(597);
    InserisciZonePilastri(0, 0, 1000, 500, 0);
    EXPECT_TRUE(Testi().empty());
    EXPECT_EQ(M.Zone.UltimaZona, 600);
    EXPECT_EQ(Undo.UndoCorrente, 1);
}

}  // namespace
