// Editing that never loses or misstates the engineer's work: the question before unsaved
// changes are dropped, one undo step for every change, the zone dialog's balance on every path
// that opens it, refused rectangles, and the panels that follow the model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/BarreComandi.h"
#include "app/ComandiFile.h"
#include "app/DialogoAggiuntiva.h"
#include "app/DialogoCordoli.h"
#include "app/DialogoImpostazioni.h"
#include "app/DialogoPolig.h"
#include "app/DialogoProgettoDiffusa.h"
#include "app/DialogoPropQuote.h"
#include "app/DoppioClicZona.h"
#include "app/EseguiComandi.h"
#include "app/InfoArmature.h"
#include "app/MouseProva.h"
#include "app/MouseVideo.h"
#include "app/PannelloDiffusa.h"
#include "app/ProgettoProva.h"
#include "app/ZonePilastri.h"
#include "design/ArchivioZone.h"
#include "base/Formati.h"
#include "design/AccessoriNodi.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "drawing/Zoom.h"
#include "model/FileArmature.h"
#include "model/FileRecenti.h"
#include "model/Statistiche.h"
#include "model/Vista.h"
#include "model/Impostazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

std::string Stato() {
    dump::OpzioniStampa o;
    o.Elementi = false;
    return dump::StampaModello(M, o);
}

// Two dump lines alike but for numbers within 1e-5 (the reinforcement file, which the
// undo reads back, keeps six decimals: a curb's angle comes back as 1.570796).
bool Simili(const std::string& x, const std::string& y) {
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        char* fx = nullptr;
        char* fy = nullptr;
        const bool numero = std::isdigit(static_cast<unsigned char>(x[i])) || x[i] == '-';
        if (numero) {
            const double a = std::strtod(x.c_str() + i, &fx), b = std::strtod(y.c_str() + j, &fy);
            if (fx != x.c_str() + i && fy != y.c_str() + j) {
                if (std::fabs(a - b) > 1e-5 * std::max(1.0, std::fabs(a))) return false;
                i = static_cast<size_t>(fx - x.c_str()), j = static_cast<size_t>(fy - y.c_str());
                continue;
            }
        }
        if (x[i++] != y[j++]) return false;
    }
    return i == x.size() && j == y.size();
}

// The lines of two dumps that differ, "-" from the first and "+" from the second.
std::string Differenze(const std::string& a, const std::string& b) {
    auto righe = [](const std::string& t) {
        std::vector<std::string> r;
        size_t i = 0;
        for (size_t j; (j = t.find('\n', i)) != std::string::npos; i = j + 1) r.push_back(t.substr(i, j - i));
        return r;
    };
    const auto ra = righe(a), rb = righe(b);
    std::string d;
    for (size_t k = 0; k < std::max(ra.size(), rb.size()); ++k) {
        const std::string x = k < ra.size() ? ra[k] : "", y = k < rb.size() ? rb[k] : "";
        if (!Simili(x, y)) d += "-" + x + "\n+" + y + "\n";
    }
    return d;
}

void DoppioClic(float x, float y) {
    Vista.XClic = XSchermo(x), Vista.YClic = YSchermo(y);
    Picture1_DblClick();
}

// The sample slab with one upper-face zone over the column at (600, 450), whose nodes need steel
// in direction 1: the plan on a missing-steel map of that layer.
struct ModificheProva : EseguiProva {
    PannelloRegistrato griglia;
    void Prepara() {
        M = Modello{};
        PulisciUndo();
        ASSERT_EQ(CaricaProgetto(a), 0);
        AggiungiZona(M, 0, 420, 390, 780, 530);
        Zona& z = M.Zone.Zone[0];
        z.XMarca = 600, z.YMarca = 460;
        z.XRif = 430, z.YRif = 400;
        DetraiArmatureNodi(-1, M);
        CalcolaArmature();
        Vista.CodiceVista = 6, Vista.TipoZonaAttivo = 0, Vista.DirezioneAttiva = 0, Vista.TipoMappa = 5;
        // The layers shown as the program shows them, and the plan drawn once with them.
        ImpostaColori();
        Ridisegna(0);
        p.Msg.Visti.clear();
        p.Msg.Risposte.clear();
    }
};

// The multiple-insertion dialog answered with six bars of 12 at 10 cm, 240 cm long, in both
// directions.
class MultiProva : public DialogoAggMulti {
public:
    void Mostra() override {
        AggMulti.ApplicaDirMulti = {true, true};
        AggMulti.DiamMulti1 = AggMulti.DiamMulti2 = 12;
        AggMulti.NumFerriMulti1 = AggMulti.NumFerriMulti2 = 6;
        AggMulti.PassoMulti1 = AggMulti.PassoMulti2 = 10;
        AggMulti.LungMulti1 = AggMulti.LungMulti2 = 240;
        Edit.LatoMulti = 0;
        ErroreOperazione = 0;
    }
};

}  // namespace

// With unsaved changes "Apri" and a recent file ask first: Annulla keeps the project as it was,
// No opens without saving, Sì saves then opens. Without changes, or with the change undone,
// nothing is asked.
TEST_F(EseguiProva, AperturaConModificheNonSalvate) {
    enum class Modifica { Nessuna, Fatta, Annullata };
    struct Caso {
        const char* nome;
        bool recente;
        Modifica modifica;
        RispostaMsg risposta;
        bool salvato, aperto;
    };
    const Caso casi[] = {
        {"apri senza modifiche", false, Modifica::Nessuna, RispostaMsg::Annulla, false, true},
        {"apri con la modifica annullata", false, Modifica::Annullata, RispostaMsg::Annulla, false, true},
        {"apri, Annulla", false, Modifica::Fatta, RispostaMsg::Annulla, false, false},
        {"apri, No", false, Modifica::Fatta, RispostaMsg::No, false, true},
        {"apri, Si", false, Modifica::Fatta, RispostaMsg::Si, true, true},
        {"recente senza modifiche", true, Modifica::Nessuna, RispostaMsg::Annulla, false, true},
        {"recente, Annulla", true, Modifica::Fatta, RispostaMsg::Annulla, false, false},
        {"recente, No", true, Modifica::Fatta, RispostaMsg::No, false, true},
        {"recente, Si", true, Modifica::Fatta, RispostaMsg::Si, true, true},
    };
    const std::string domanda = "Salvare le modifiche a " + a + "?";
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        fs::remove(dir / "A/SOL1.QV0");
        ASSERT_NO_FATAL_FAILURE(ApriBPoiA());
        EXPECT_FALSE(ProgettoModificato());
        if (c.modifica != Modifica::Nessuna) PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
        if (c.modifica == Modifica::Annullata) CommandBars_Execute(Comandi.IdAnnulla);
        EXPECT_EQ(ProgettoModificato(), c.modifica == Modifica::Fatta);
        const std::string prima = Stato();
        p.Msg.Visti.clear();
        p.Msg.Risposte = {c.risposta};
        if (c.recente) {
            CommandBars_Execute(IdRecente0 + 1);
        } else {
            p.Dialoghi.Scelte.push_back(b);
            CommandBars_Execute(Comandi.IdApri);
        }
        const auto visti = std::count_if(p.Msg.Visti.begin(), p.Msg.Visti.end(),
                                         [&](const MessaggioVisto& v) { return v.Testo == domanda; });
        ASSERT_EQ(visti, c.modifica == Modifica::Fatta ? 1 : 0);
        if (visti) {
            const MessaggioVisto& v = p.Msg.Visti.front();
            EXPECT_EQ(v.Pulsanti, PulsantiMsg::SiNoAnnulla);
            EXPECT_EQ(v.Titolo, "Attenzione!");
            EXPECT_EQ(v.Icona, IconaMsg::Esclamazione);
        }
        EXPECT_EQ(fs::exists(dir / "A/SOL1.QV0"), c.salvato);
        EXPECT_EQ(M.Progetto.PercorsoSoletta, c.aperto ? b : a);
        if (c.aperto) {
            EXPECT_FALSE(ProgettoModificato());
        } else {
            EXPECT_EQ(Stato(), prima) << "Annulla keeps the project as it was";
            EXPECT_TRUE(ProgettoModificato());
        }
        if (c.salvato) {
            // What was saved is the edited mesh.
            Modello salvato = M;
            ASSERT_EQ(LeggiArmature(dir / "A/SOL1.QV0", 0, salvato), EsitoArmature::Letto);
            EXPECT_EQ(salvato.Diffusa.PassoDiffSup1, 21);
        }
        p.Msg.Risposte.clear();
    }
}

// "Sì" before an open: the work is safe once the reinforcement file is written, so a recent list
// that cannot be written says so and the open goes on; a reinforcement file that cannot be
// written keeps the project open and changed.
TEST_F(EseguiProva, SalvataggioPrimaDellApertura) {
    struct Caso {
        const char* nome;
        bool armature;  // the reinforcement file fails, else the recent list
    };
    const Caso casi[] = {{"lista dei recenti non scritta", false}, {"armature non scritte", true}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        fs::remove(dir / "A/SOL1.QV0");
        ASSERT_NO_FATAL_FAILURE(ApriBPoiA());
        PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
        const std::string guasto = c.armature ? dir / "A/SOL1.QV0" : FileRecenti();
        Piatt.GuastoScritturaProva = [guasto](const std::string& x) { return x == guasto; };
        p.Msg.Visti.clear();
        p.Msg.Risposte = {RispostaMsg::Si};
        p.Dialoghi.Scelte.push_back(b);
        CommandBars_Execute(Comandi.IdApri);
        Piatt.GuastoScritturaProva = nullptr;
        const bool detto = std::any_of(p.Msg.Visti.begin(), p.Msg.Visti.end(), [&](const MessaggioVisto& v) {
            return v.Testo.find(guasto) != std::string::npos;
        });
        EXPECT_TRUE(detto) << "the failed file is reported";
        EXPECT_EQ(fs::exists(dir / "A/SOL1.QV0"), !c.armature);
        EXPECT_EQ(M.Progetto.PercorsoSoletta, c.armature ? a : b);
        EXPECT_EQ(ProgettoModificato(), c.armature);
        p.Msg.Risposte.clear();
    }
}

// A save marks the project unchanged until the next step; a step undone back to the saved state
// counts as unchanged, a redo past it as changed again.
TEST_F(EseguiProva, ModificheDopoIlSalvataggio) {
    ASSERT_EQ(CaricaProgetto(a), 0);
    EXPECT_FALSE(ProgettoModificato());
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
    EXPECT_TRUE(ProgettoModificato());
    ASSERT_EQ(Salva(), 0);
    EXPECT_FALSE(ProgettoModificato());
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "22");
    EXPECT_TRUE(ProgettoModificato());
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_FALSE(ProgettoModificato()) << "back at the saved state";
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_TRUE(ProgettoModificato()) << "before the saved state";
    // A new step from there drops the saved state from the history: changed for good.
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
    EXPECT_TRUE(ProgettoModificato());
    // A panel edit that stores the value already there is no change.
    ASSERT_EQ(Salva(), 0);
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
    EXPECT_FALSE(ProgettoModificato());
}

// Every editing command of the plan, the dialogs and the panel: exactly one undo step; the undo
// gives back the model before it, the redo the model after it, and the panels show the model.
TEST_F(ModificheProva, UnPassoPerOgniModifica) {
    auto okAggiuntiva = [this] {
        p.Finestra.CopioneAggiuntiva = [this] {
            DialogoAggiuntiva d(griglia);
            d.Apri();
            d.Ok();
        };
    };
    auto cordolo = [this](const char* larghezza) {
        p.Finestra.CopioneCordoli = [this, larghezza] {
            DialogoCordoli d(griglia);
            d.Apri();
            griglia.Modifica(IdCordLarghezza, larghezza);
            d.Ok();
        };
        CommandBars_Execute(Comandi.IdCordoli);
        Premi(0, 450);
    };
    auto doppioClic = [](float x, float y) {
        Vista.XClic = XSchermo(x), Vista.YClic = YSchermo(y);
        Picture1_DblClick();
    };
    MultiProva multi;
    DialogoPolig polig;
    polig.Chiudi = [] {};

    struct Caso {
        const char* nome;
        std::function<void()> prepara, azione;
    };
    const std::function<void()> niente = [] {};
    const Caso casi[] = {
        {"nuova zona integrativa", okAggiuntiva,
         [] {
             CommandBars_Execute(Comandi.IdInsIntegrativa);
             Trascina(150, 200, 450, 500);
         }},
        {"nuova zona a taglio", okAggiuntiva,
         [] {
             CommandBars_Execute(Comandi.IdArmTaglio);
             Trascina(150, 200, 450, 500);
         }},
        {"zona su entrambi i lati",
         [this] {
             p.Finestra.CopioneAggiuntiva = [this] {
                 DialogoAggiuntiva d(griglia);
                 d.Apri();
                 d.ValoreCambiato(IdAggEntrambiLati, 1);
                 d.Ok();
             };
         },
         [] {
             CommandBars_Execute(Comandi.IdInsIntegrativa);
             Trascina(150, 200, 450, 500);
         }},
        {"nuovo cordolo", niente, [&] { cordolo("30"); }},
        {"cordolo modificato", [&] { cordolo("30"); },
         [&] {
             p.Msg.Risposte = {RispostaMsg::Si};
             cordolo("40");
         }},
        {"doppio clic", 
         [this] {
             p.Finestra.CopioneAggiuntiva = [this] {
                 DialogoAggiuntiva d(griglia);
                 d.Apri();
                 griglia.Modifica(IdAggDiametro, "20");
                 d.Ok();
             };
         },
         [&] { doppioClic(600, 460); }},
        {"maniglie",
         [this] {
             p.Finestra.CopioneAggiuntiva = [this] {
                 DialogoAggiuntiva d(griglia);
                 d.Apri();
                 d.ModificaPerimetro();
             };
         },
         [&] {
             doppioClic(600, 460);
             okAggiuntiva();
             const Punto a0 = Edit.ZonaCorrente.Angoli[0];
             Trascina(a0.X, a0.Y, a0.X - 100, a0.Y);
             Clic(600, 460, 2);
         }},
        {"copia", okAggiuntiva,
         [] {
             CommandBars_Execute(Comandi.IdCopia);
             Trascina(600, 460, 600, 160);
             Clic(600, 160, 2);
         }},
        {"sposta", okAggiuntiva,
         [] {
             CommandBars_Execute(Comandi.IdSposta);
             Trascina(600, 460, 600, 160);
             Clic(600, 160, 2);
         }},
        {"copia sul lato opposto", okAggiuntiva,
         [] {
             CommandBars_Execute(Comandi.IdCopiaLato);
             Premi(600, 460);
         }},
        {"cancella zona", niente,
         [this] {
             p.Msg.Risposte = {RispostaMsg::Si};
             CommandBars_Execute(Comandi.IdCancellaArm);
             Premi(600, 460);
         }},
        {"etichetta", [] { Vista.CodiceVista = 14; },
         [] {
             CommandBars_Execute(Comandi.IdRiferimento);
             Premi(430, 400);
             Muovi(500, 450);
             Muovi(520, 470);
             Rilascia(520, 470);
         }},
        {"zone sui pilastri", [&] { Piatt.FrmAggMulti = &multi; },
         [] {
             CommandBars_Execute(Comandi.IdArmPilastri);
             Clic(540, 380);
             Clic(660, 520);
         }},
        {"nuova sezione", niente,
         [] {
             CommandBars_Execute(Comandi.IdSezione1);
             Clic(500, 200);
         }},
        {"sposta sezione",
         [] {
             CommandBars_Execute(Comandi.IdSezione1);
             Clic(500, 200);
         },
         [] {
             CommandBars_Execute(Comandi.IdSpostaSez);
             Premi(500, 200);
             Rilascia(500, 300);
         }},
        {"cancella sezione",
         [] {
             CommandBars_Execute(Comandi.IdSezione1);
             Clic(500, 200);
         },
         [this] {
             p.Msg.Risposte = {RispostaMsg::Si};
             CommandBars_Execute(Comandi.IdCancellaSez);
             Premi(500, 200);
         }},
        {"quota", niente,
         [] {
             CommandBars_Execute(Comandi.IdQuotaOrizz);
             Premi(896, 596);
             Premi(1185, 451);
             Muovi(1000, 300, 0);
             Premi(1000, 300);
         }},
        {"quota in catena", [] { CommandBars_Execute(Comandi.IdQuotaContinua); },
         [] {
             Premi(600, -90);
             Premi(300, 300);
         }},
        {"cancella quota", niente,
         [] {
             CommandBars_Execute(Comandi.IdCancellaQuota);
             Premi(600, -90);
         }},
        {"sposta quota", niente,
         [] {
             CommandBars_Execute(Comandi.IdSpostaQuota);
             Premi(600, -90);
             Muovi(600, -150, 0);
             Premi(600, -150);
         }},
        {"visibilita quota",
         [this] {
             p.Finestra.CopionePropQuote = [] {
                 DialogoPropQuote d;
                 d.Apri();
                 d.Opzione = 0;
                 d.Ok();
             };
         },
         [] {
             CommandBars_Execute(Comandi.IdVisQuota);
             Premi(600, -90);
         }},
        {"quotatura automatica", [] { M.SezQuote = SezioniQuote{}; },
         [] { CommandBars_Execute(Comandi.IdQuotaAuto); }},
        {"perimetro", niente,
         [&] {
             polig.Apri();
             polig.List1_Click(2);
             polig.Controlli.Testi = {"900", "700"};
             polig.Command1_Click(2);
             polig.Command1_Click(3);
         }},
        {"progetta",
         [this] {
             M.Diffusa.DiamDiffSup1 = 40;
             CalcAreeDiffuse(M);
             DetraiArmatureNodi(-1, M);
             CalcolaArmature();
             p.Finestra.CopioneProg = [this] {
                 DialogoProgettoDiffusa d(griglia);
                 d.Progetta();
             };
         },
         [] { CommandBars_Execute(Comandi.IdOttimizzaDiffusa); }},
        {"pannello", niente, [] { PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21"); }},
        {"piega ancoraggio",
         [this] {
             p.Finestra.CopioneForm2 = [this] {
                 DialogoImpostazioni d(griglia);
                 d.Apri();
                 d.ValoreCambiato(IdImpPiega, 1);
                 d.Ok();
             };
         },
         [] { CommandBars_Execute(Comandi.IdImpostazioni); }},
        {"importa",
         [this] {
             Modello altro = M;
             altro.Zone = ZoneArmatura{};
             AggiungiZona(altro, 1, 750, 50, 1050, 150);
             ASSERT_TRUE(ScriviArmature(dir / "ALTRA.QV0", altro));
             p.Dialoghi.Scelte.push_back(dir / "ALTRA.QV0");
         },
         [] { CommandBars_Execute(Comandi.IdImportaArmature); }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        c.prepara();
        AggiornaPannelli();
        const std::string prima = Stato();
        const int u = Undo.UndoUltimo;
        ASSERT_EQ(Undo.UndoCorrente, u);

        c.azione();
        AggiornaPannelli();
        const std::string dopo = Stato();
        EXPECT_NE(dopo, prima) << "the command changed nothing";
        EXPECT_EQ(Undo.UndoUltimo, u + 1) << "one step for the change";
        EXPECT_EQ(Undo.UndoCorrente, u + 1);
        // The panels show the model as it is now.
        const MagliaDiffusa& d = M.Diffusa;
        for (const VoceVista& v : p.Pannello.Voci) {
            if (v.Id == IdDiamDiffSup1) {
                EXPECT_EQ(v.Valore, std::to_string(d.DiamDiffSup1));
            } else if (v.Id == IdPassoDiffSup1) {
                EXPECT_EQ(v.Valore, FormatNum(d.PassoDiffSup1, 1));
            }
        }
        EXPECT_EQ(p.Finestra.InfoRtf, TestoInfoArm(M));

        CommandBars_Execute(Comandi.IdAnnulla);
        EXPECT_EQ(Differenze(prima, Stato()), "") << "the undo gives back the model before the change";
        CommandBars_Execute(Comandi.IdRipeti);
        EXPECT_EQ(Differenze(dopo, Stato()), "") << "the redo gives back the model after it";
        Piatt.FrmAggMulti = nullptr;
        p.Finestra.CopioneAggiuntiva = nullptr;
        p.Finestra.CopioneCordoli = nullptr;
        p.Finestra.CopionePropQuote = nullptr;
        p.Finestra.CopioneProg = nullptr;
        p.Finestra.CopioneForm2 = nullptr;
        Vista.EditPerimetro = 0;
    }
}

// A command whose clicks or drag straddle another step (a panel edit) keeps a step of its own:
// the undo takes back the command alone, then the edit, and a drag is two steps, one on each
// side of the edit.
TEST_F(ModificheProva, PassoProprioAttraversoUnAltro) {
    struct Caso {
        const char* nome;
        std::function<void()> prepara, inizio, fine;
        int passi;
    };
    const std::function<void()> niente = [] {};
    const Caso casi[] = {
        {"quota", niente,
         [] {
             CommandBars_Execute(Comandi.IdQuotaOrizz);
             Premi(896, 596);
         },
         [] {
             Premi(1185, 451);
             Muovi(1000, 300, 0);
             Premi(1000, 300);
         },
         2},
        {"sposta quota", niente,
         [] {
             CommandBars_Execute(Comandi.IdSpostaQuota);
             Premi(600, -90);
         },
         [] {
             Muovi(600, -150, 0);
             Premi(600, -150);
         },
         2},
        {"nuova sezione", niente,
         [] {
             CommandBars_Execute(Comandi.IdSezione1);
             Premi(500, 200);
         },
         [] { Rilascia(500, 200); }, 2},
        {"sposta sezione",
         [] {
             CommandBars_Execute(Comandi.IdSezione1);
             Clic(500, 200);
         },
         [] {
             CommandBars_Execute(Comandi.IdSpostaSez);
             Premi(500, 200);
         },
         [] { Rilascia(500, 300); }, 2},
        {"etichetta", [] { Vista.CodiceVista = 14; },
         [] {
             CommandBars_Execute(Comandi.IdRiferimento);
             Premi(430, 400);
             Muovi(500, 450);
         },
         [] {
             Muovi(520, 470);
             Rilascia(520, 470);
         },
         3},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        c.prepara();
        const std::string prima = Stato();
        const int u = Undo.UndoUltimo;
        c.inizio();
        PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
        c.fine();
        EXPECT_EQ(Undo.UndoUltimo, u + c.passi);
        std::string ora = Stato();
        for (int k = 0; k < c.passi; ++k) {
            SCOPED_TRACE(k);
            CommandBars_Execute(Comandi.IdAnnulla);
            EXPECT_NE(Differenze(ora, Stato()), "") << "every step changes something";
            ora = Stato();
            // The command's own step is the last: the edit stays until the next undo.
            if (k == 0) {
                EXPECT_EQ(M.Diffusa.PassoDiffSup1, 21);
            }
        }
        EXPECT_EQ(Differenze(prima, Stato()), "");
    }
}

// An undo while a label is dragged takes back what the drag moved so far, not the step before
// it: the edit made before the drag stays, and the drag ends.
TEST_F(ModificheProva, AnnullaDuranteIlTrascinamento) {
    Prepara();
    Vista.CodiceVista = 14;
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "21");
    const std::string modificato = Stato();
    CommandBars_Execute(Comandi.IdRiferimento);
    Premi(430, 400);
    Muovi(500, 450);
    const std::string trascinato = Stato();
    ASSERT_NE(Differenze(modificato, trascinato), "");
    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(Differenze(modificato, Stato()), "");
    EXPECT_EQ(Vista.ModoComando, Modo::Idle);
    Muovi(520, 470);
    Rilascia(520, 470);
    EXPECT_EQ(Differenze(modificato, Stato()), "") << "the drag ended with the undo";
    CommandBars_Execute(Comandi.IdRipeti);
    EXPECT_EQ(Differenze(trascinato, Stato()), "");
}

// A zone dialog confirmed without an edit stores the zone as the program last stored it: no
// undo step, and the project stays unchanged.
TEST_F(ModificheProva, OkSenzaModificheNessunPasso) {
    auto aggiuntiva = [this] {
        p.Finestra.CopioneAggiuntiva = [this] {
            DialogoAggiuntiva d(griglia);
            d.Apri();
            d.Ok();
        };
        DoppioClic(600, 460);
    };
    auto cordolo = [this](const char* larghezza) {
        p.Finestra.CopioneCordoli = [this, larghezza] {
            DialogoCordoli d(griglia);
            d.Apri();
            if (larghezza) griglia.Modifica(IdCordLarghezza, larghezza);
            d.Ok();
        };
        p.Msg.Risposte = {RispostaMsg::Si};
        CommandBars_Execute(Comandi.IdCordoli);
        Premi(0, 450);
    };
    struct Caso {
        const char* nome;
        std::function<void()> prepara, azione;
    };
    const Caso casi[] = {
        {"zona", aggiuntiva, aggiuntiva},
        {"cordolo", [&] { cordolo("30"); }, [&] { cordolo(nullptr); }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        c.prepara();
        SegnaProgettoSalvato();
        const std::string prima = Stato();
        const int u = Undo.UndoUltimo;
        c.azione();
        EXPECT_EQ(Undo.UndoUltimo, u) << "no step without a change";
        EXPECT_FALSE(ProgettoModificato());
        EXPECT_EQ(Differenze(prima, Stato()), "");
        p.Finestra.CopioneAggiuntiva = nullptr;
        p.Finestra.CopioneCordoli = nullptr;
    }
}

// The bend flag of the settings dialog is the project's (it is saved with the reinforcement):
// "Ok" with another value is one undo step and leaves the project changed, "Annulla" puts the
// flag back, and a value that ends as it was takes no step.
TEST_F(ModificheProva, PiegaAncoraggioDalleImpostazioni) {
    using Azione = std::function<void(DialogoImpostazioni&)>;
    auto spunta = [](int v) -> Azione { return [v](DialogoImpostazioni& d) { d.ValoreCambiato(IdImpPiega, v); }; };
    struct Caso {
        const char* nome;
        int iniziale;
        Azione modifica;
        bool ok;
        int attesa;
    };
    const Caso casi[] = {
        {"spuntata, Ok", 0, spunta(1), true, 1},
        {"tolta, Ok", 1, spunta(0), true, 0},
        {"dal testo del pannello, Ok", 0, [](DialogoImpostazioni& d) { d.DopoModifica(IdImpPiega, "1"); }, true, 1},
        {"reset, Ok", 1, [](DialogoImpostazioni& d) { d.ResetImpostazioni(); }, true, 0},
        {"spuntata, Annulla", 0, spunta(1), false, 0},
        {"reset, Annulla", 1, [](DialogoImpostazioni& d) { d.ResetImpostazioni(); }, false, 1},
        {"spuntata e tolta, Ok", 0,
         [&](DialogoImpostazioni& d) {
             spunta(1)(d);
             spunta(0)(d);
         },
         true, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        M.Progetto.MagliaUnica = -1;
        M.Progetto.PiegaAncoraggio = c.iniziale;
        ASSERT_FALSE(ProgettoModificato());
        const int u = Undo.UndoUltimo;
        p.Finestra.CopioneForm2 = [&] {
            DialogoImpostazioni d(griglia);
            d.Apri();
            c.modifica(d);
            if (c.ok) d.Ok();
            else d.Annulla();
        };
        CommandBars_Execute(Comandi.IdImpostazioni);
        EXPECT_EQ(M.Progetto.PiegaAncoraggio, c.attesa);
        const bool cambiata = c.attesa != c.iniziale;
        EXPECT_EQ(Undo.UndoUltimo, u + (cambiata ? 1 : 0));
        EXPECT_EQ(ProgettoModificato(), cambiata);
        if (cambiata) {
            CommandBars_Execute(Comandi.IdAnnulla);
            EXPECT_EQ(M.Progetto.PiegaAncoraggio, c.iniziale);
            EXPECT_FALSE(ProgettoModificato());
        }
        p.Finestra.CopioneForm2 = nullptr;
    }
}

// The zone dialog shows the demand of its selection with the zone under edit taken out,
// whichever path opened it: its double click, its grips, a move, and a copy (which adds a
// zone and so weighs the one it copies). The figures are those of a new zone drawn at the same
// place on the slab without the zone edited.
TEST_F(ModificheProva, BilancioDelDialogoSuOgniPercorso) {
    struct Figure {
        float Max = -1, Media = -1;
        Zona Selezione;
    };
    Figure viste;
    p.Finestra.CopioneAggiuntiva = [&] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        viste = {Edit.RichiestaMaxSel, Edit.RichiestaMediaSel, Edit.ZonaCorrente};
        d.Annulla();
    };
    // The figures of the nodes inside the selection's box, with zone `senza` left out.
    auto attese = [](const Zona& sel, int senza) {
        Modello m = M;
        DetraiArmatureNodi(senza, m);
        float massimo = 0, somma = 0;
        int n = 0;
        for (int i = 0; i < m.Analisi.NumNodi; ++i) {
            const Nodo& q = m.Analisi.Nodi[static_cast<size_t>(i)];
            if (q.X < sel.XMin || q.X > sel.XMax || q.Y < sel.YMin || q.Y > sel.YMax) continue;
            const float r = BilancioNodo(m, 0, i);
            massimo = std::max(massimo, r);
            somma += r;
            ++n;
        }
        return std::make_pair(massimo, n ? somma / static_cast<float>(n) : 0.f);
    };
    auto doppioClic = [](float x, float y) {
        Vista.XClic = XSchermo(x), Vista.YClic = YSchermo(y);
        Picture1_DblClick();
    };

    struct Caso {
        const char* nome;
        std::function<void()> apri;
        bool copia;
    };
    const Caso casi[] = {
        {"doppio clic", [&] { doppioClic(600, 460); }, false},
        {"maniglie",
         [&] {
             auto vero = p.Finestra.CopioneAggiuntiva;
             p.Finestra.CopioneAggiuntiva = [&] {
                 DialogoAggiuntiva d(griglia);
                 d.Apri();
                 d.ModificaPerimetro();
             };
             doppioClic(600, 460);
             p.Finestra.CopioneAggiuntiva = vero;
             const Punto a0 = Edit.ZonaCorrente.Angoli[0];
             Trascina(a0.X, a0.Y, a0.X + 70, a0.Y);
             Clic(600, 460, 2);
         },
         false},
        {"sposta",
         [] {
             CommandBars_Execute(Comandi.IdSposta);
             Trascina(600, 460, 650, 460);
             Clic(650, 460, 2);
         },
         false},
        {"copia",
         [] {
             // To the column at (600, 20), where nothing covers the peak.
             CommandBars_Execute(Comandi.IdCopia);
             Trascina(600, 460, 600, 75);
             Clic(600, 75, 2);
         },
         true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        const auto pieno = attese(M.Zone.Zone[0], -1);
        ASSERT_LE(pieno.first, 0) << "the zone covers its nodes";
        viste = {};
        c.apri();
        ASSERT_GE(viste.Max, 0) << "the dialog opened";
        const auto atteso = attese(viste.Selezione, c.copia ? -1 : 0);
        ASSERT_GT(atteso.first, 1) << "a peak under the zone";
        EXPECT_NEAR(viste.Max, atteso.first, 1e-4);
        EXPECT_NEAR(viste.Media, atteso.second, 1e-4);

        // The same figures as a new zone drawn over that selection on the slab without the
        // zone edited (with it, for a copy).
        const Figure aperte = viste;
        if (!c.copia) {
            ASSERT_TRUE(CancellaZona(0));
            DetraiArmatureNodi(-1, M);
        }
        viste = {};
        CommandBars_Execute(Comandi.IdInsIntegrativa);
        const Zona& s = aperte.Selezione;
        Trascina(s.XMin, s.YMin, s.XMax, s.YMax);
        EXPECT_NEAR(viste.Max, aperte.Max, 1e-4);
        EXPECT_NEAR(viste.Media, aperte.Media, 1e-4);
    }
}

// After a refused rectangle (too small, or with no node inside) the command waits for a new first
// corner: the next drag draws its own rectangle, not one from the refused corner.
TEST_F(ModificheProva, RettangoloRifiutato) {
    struct Caso {
        const char* nome;
        Punto da, a;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"troppo piccolo", {150, 200}, {165, 400}, "Rettangolo troppo piccolo, input non valido."},
        {"senza nodi", {110, 10}, {190, 60}, "La selezione deve contenere almeno un nodo"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Prepara();
        Zona aperta;
        p.Finestra.CopioneAggiuntiva = [&] {
            aperta = Edit.ZonaCorrente;
            ErroreOperazione = -1;
            Vista.ModoComando = 0;
        };
        CommandBars_Execute(Comandi.IdInsIntegrativa);
        Trascina(c.da.X, c.da.Y, c.a.X, c.a.Y);
        ASSERT_FALSE(p.Msg.Visti.empty());
        EXPECT_EQ(p.Msg.Visti.back().Testo, c.messaggio);
        EXPECT_EQ(Vista.ModoComando, Modo::NuovaIntegrativa);
        EXPECT_EQ(p.Finestra.AperteAggiuntiva, 0);
        // The next drag, far from the refused one.
        Trascina(450, 200, 750, 500);
        ASSERT_EQ(p.Finestra.AperteAggiuntiva, 1);
        EXPECT_NEAR(aperta.XMin, 450, 1);
        EXPECT_NEAR(aperta.XMax, 750, 1);
        EXPECT_NEAR(aperta.YMin, 200, 1);
        EXPECT_NEAR(aperta.YMax, 500, 1);
        EXPECT_EQ(M.Zone.UltimaZona, 0) << "nothing stored";
        p.Finestra.AperteAggiuntiva = 0;
    }
}

// On a mesh holding a spacing of 1000 cm typed in the panel, "Progetta" stores a mesh within
// the criteria: every layer's diameter and spacing between their limits.
TEST_F(ModificheProva, ProgettoEntroICriteri) {
    Prepara();
    PropertyGrid1_AfterEdit(IdPassoDiffSup1, "1000");
    PropertyGrid1_AfterEdit(IdDiamDiffInf1, "40");
    ASSERT_EQ(M.Diffusa.PassoDiffSup1, 1000);
    p.Finestra.CopioneProg = [this] {
        DialogoProgettoDiffusa d(griglia);
        d.Progetta();
    };
    CommandBars_Execute(Comandi.IdOttimizzaDiffusa);
    const Impostazioni& i = Imp;
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const bool sup = s == 0 || s == 2;
        const float d = LeggiDiamDiff(M, s), passo = LeggiPassoDiff(M, s);
        EXPECT_GE(d, sup ? i.DiamMinSup : i.DiamMinInf);
        EXPECT_LE(d, sup ? i.DiamMaxSup : i.DiamMaxInf);
        EXPECT_GE(passo, sup ? i.PassoMinSup : i.PassoMinInf);
        EXPECT_LE(passo, sup ? i.PassoMaxSup : i.PassoMaxInf);
    }
}

// A project built by the program's own commands, each storing what it computes (a zone whose
// "Ricalcola passo" proposes half a centimetre for a demand of 90 cm2/m, a stud zone, a curb,
// zones on the columns, a section, dimensions and a chain, an outline edit, a mesh design, a
// label moved), saves, opens again and dumps as it was.
TEST_F(ModificheProva, ProgettoDeiComandiSalvatoERiaperto) {
    // Every node of the slab demands 90 cm2/m on the upper face in direction 1.
    {
        std::string testo = LeggiTutto(a);
        std::vector<std::string> righe;
        for (size_t i = 0, j; (j = testo.find('\n', i)) != std::string::npos; i = j + 1)
            righe.push_back(testo.substr(i, j + 1 - i));
        ASSERT_EQ(righe[19], "157\r\n");
        for (size_t n = 0; n < 157; ++n) {
            std::string& r = righe[21 + 5 * n];
            r = "90" + r.substr(r.find(','));
        }
        testo.clear();
        for (const std::string& r : righe) testo += r;
        ScriviTutto(a, testo);
    }
    Prepara();
    DialogoPolig polig;
    polig.Chiudi = [] {};
    MultiProva multi;
    Piatt.FrmAggMulti = &multi;

    p.Finestra.CopioneAggiuntiva = [this] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        griglia.Modifica(IdAggDiametro, "8");
        d.RicalcolaPasso();
        d.Ok();
    };
    CommandBars_Execute(Comandi.IdInsIntegrativa);
    Trascina(150, 200, 450, 500);
    ASSERT_EQ(M.Zone.UltimaZona, 1);
    float passo = 0;
    for (const Zona& z : M.Zone.Zone)
        if (z.Diametro == 8) passo = z.Passo;
    ASSERT_EQ(passo, 0.5f);
    p.Finestra.CopioneAggiuntiva = [this] {
        DialogoAggiuntiva d(griglia);
        d.Apri();
        d.Ok();
    };
    CommandBars_Execute(Comandi.IdArmTaglio);
    Trascina(100, 550, 400, 850);
    p.Finestra.CopioneCordoli = [this] {
        DialogoCordoli d(griglia);
        d.Apri();
        d.ValoreCambiato(IdCordBracci, 2);
        griglia.Modifica(IdCordLarghezza, "40");
        d.Ok();
    };
    CommandBars_Execute(Comandi.IdCordoli);
    Premi(0, 450);
    CommandBars_Execute(Comandi.IdArmPilastri);
    Clic(540, 380);
    Clic(660, 520);
    CommandBars_Execute(Comandi.IdSezione1);
    Clic(500, 200);
    CommandBars_Execute(Comandi.IdQuotaOrizz);
    Premi(896, 596);
    Premi(1185, 451);
    Muovi(1000, 300, 0);
    Premi(1000, 300);
    CommandBars_Execute(Comandi.IdQuotaContinua);
    Premi(600, -90);
    Premi(300, 300);
    polig.Apri();
    polig.List1_Click(2);
    polig.Controlli.Testi = {"900", "700"};
    polig.Command1_Click(2);
    polig.Command1_Click(3);
    p.Finestra.CopioneProg = [this] {
        DialogoProgettoDiffusa d(griglia);
        d.Progetta();
    };
    CommandBars_Execute(Comandi.IdOttimizzaDiffusa);
    Vista.CodiceVista = 14;
    CommandBars_Execute(Comandi.IdRiferimento);
    Premi(430, 400);
    Muovi(520, 470);
    Rilascia(520, 470);
    Piatt.FrmAggMulti = nullptr;
    // The zone of the bench, the two drawn, the curb and one on each direction of the column.
    ASSERT_EQ(M.Zone.UltimaZona, 5);
    int tipi[4] = {};
    for (const Zona& z : M.Zone.Zone) ++tipi[z.Tipo];
    EXPECT_EQ(tipi[2], 1);
    EXPECT_EQ(tipi[3], 1);
    ASSERT_EQ(M.SezQuote.UltimaSezione, 0);

    const std::string prima = Stato();
    p.Msg.Visti.clear();
    ASSERT_TRUE(SalvaArmature(a, M));
    ASSERT_EQ(CaricaProgetto(a), 0);
    for (const auto& v : p.Msg.Visti) EXPECT_EQ(v.Testo.find("non leggibile"), std::string::npos) << v.Testo;
    EXPECT_EQ(Differenze(prima, Stato()), "");
}
