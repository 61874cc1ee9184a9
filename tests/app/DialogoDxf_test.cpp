// The DXF export dialog's logic on the recording platform: rows, reading into the settings,
// refusals, lists, the report and the buttons.
#include "app/DialogoDxf.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/CaricaSoletta.h"
#include "app/RelazioneComputo.h"
#include "base/Formati.h"
#include "base/Testo1252.h"
#include "dxf/ColoriACI.h"
#include "model/FileImpostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct DxfProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir, altra;
    DialogoDxf d;
    void SetUp() override {
        ImpostaDefault();
        M = Modello{};
        Piatt.PauseAttive = false;
        Dir.CartellaImpostazioni = dir / "impostazioni";
        fs::create_directories(Dir.CartellaImpostazioni);
        for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"})
            fs::copy_file(Campione + "/" + f, altra / f, fs::copy_options::overwrite_existing);
        fs::copy_file(Campione + "/SOL1.QVR", altra / "SOL2.QVR", fs::copy_options::overwrite_existing);
    }
    std::string UltimoMessaggio() const { return p.Msg.Visti.empty() ? "" : p.Msg.Visti.back().Testo; }
};

}  // namespace

TEST_F(DxfProva, RigheDalleImpostazioniEColoreDalSelettore) {
    d.Apri();
    for (size_t i = 0; i < RigheDxf; ++i) {
        EXPECT_EQ(d.Controlli.Nomi[i], Strati.NomiLayer[i]);
        EXPECT_EQ(d.Controlli.AciRighe[i], Strati.AciLayer[i]);
        EXPECT_EQ(d.Controlli.Disegna[i], Strati.VisLayerDxf[i]);
    }
    EXPECT_EQ(d.Controlli.TestoMm, "1");
    EXPECT_EQ(d.Controlli.TestoUnita, "10");
    EXPECT_TRUE(d.Controlli.Scala50);

    const int prima = Strati.AciLayer[5];
    int evidenziata = -2, dato = -1;
    d.SelettoreColore = [&] {
        evidenziata = d.Controlli.RigaEvidenziata;
        dato = EsportaDxf.ColoreACIScelto;
        EsportaDxf.ColoreACIScelto = 30;
    };
    d.Label5_Click(5);
    EXPECT_EQ(evidenziata, 5);
    EXPECT_EQ(dato, prima);
    EXPECT_EQ(d.Controlli.RigaEvidenziata, -1);
    EXPECT_EQ(d.Controlli.AciRighe[5], 30);
    EXPECT_EQ(RgbACI(d.Controlli.AciRighe[5]), 255 + 256 * 127);
    EXPECT_EQ(Strati.AciLayer[5], prima);
    ASSERT_TRUE(d.Leggi());
    EXPECT_EQ(Strati.AciLayer[5], 30);
}

TEST_F(DxfProva, LeggiNomiERapporti) {
    d.Apri();
    d.Controlli.Nomi[3] = "A B C";
    d.Controlli.Disegna[4] = 0;
    d.Controlli.TestoMm = "1";
    d.Controlli.TestoUnita = "5";
    ASSERT_TRUE(d.Leggi());
    EXPECT_EQ(Strati.NomiLayer[3], "A_B C");
    EXPECT_EQ(Strati.VisLayerDxf[4], 0);
    EXPECT_FLOAT_EQ(Imp.UnitaPerCm, 0.5f);
    EXPECT_FLOAT_EQ(Imp.FattoreDxf, 1.0f);
    d.Controlli.Scala50 = false;
    ASSERT_TRUE(d.Leggi());
    EXPECT_EQ(Imp.ScalaDxf50, 0);
    EXPECT_FLOAT_EQ(Imp.FattoreDxf, 0.5f);

    for (const char* cattivo : {"0", "-1", "abc", "1e99", "1e38", "0.0001", "10001"}) {
        d.Controlli.TestoMm = cattivo;
        d.Controlli.TestoUnita = cattivo;
        ASSERT_TRUE(d.Leggi());
        EXPECT_FLOAT_EQ(Imp.ScalaMm, 1.0f) << cattivo;
        EXPECT_FLOAT_EQ(Imp.ScalaUnita, 5.0f) << cattivo;
        EXPECT_EQ(d.Controlli.TestoMm, "1");
        EXPECT_EQ(d.Controlli.TestoUnita, "5");
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
    d.Controlli.TestoMm = "1,5";
    ASSERT_TRUE(d.Leggi());
    EXPECT_FLOAT_EQ(Imp.ScalaMm, 1.5f);
    d.Controlli.R12 = true;
    d.Controlli.Nomi[3] = "AB";
    ASSERT_TRUE(d.Leggi());
    EXPECT_EQ(EsportaDxf.FormatoR12, 1);
}

// A name the file may not carry: the message, no setting changed, no file written.
TEST_F(DxfProva, NomiRifiutati) {
    d.Apri();
    ASSERT_TRUE(d.CambiaCartella(altra.Percorso()));
    d.Controlli.Elenco = {"SOL1.QVR"};
    struct Caso {
        const char* nome;
        bool r12;
    };
    for (const Caso c : {Caso{"A/B", false}, Caso{"Defpoints", false}, Caso{"A B C", true}}) {
        const StratiDisegno strati = Strati;
        const Impostazioni imp = Imp;
        const int r12 = EsportaDxf.FormatoR12;
        d.Controlli.Nomi[7] = c.nome;
        d.Controlli.R12 = c.r12;
        d.Controlli.TestoUnita = "7";
        p.Msg.Visti.clear();
        d.GeneraDxf();
        d.SalvaImpostazioni();
        ASSERT_EQ(p.Msg.Visti.size(), 2u) << c.nome;
        EXPECT_NE(UltimoMessaggio().find("Nome di layer"), std::string::npos) << UltimoMessaggio();
        EXPECT_EQ(Strati.NomiLayer, strati.NomiLayer);
        EXPECT_EQ(Imp.ScalaUnita, imp.ScalaUnita);
        EXPECT_EQ(EsportaDxf.FormatoR12, r12);
        EXPECT_TRUE(p.Dialoghi.Richieste.empty());
        EXPECT_FALSE(fs::exists(FileImpostazioni()));
    }
}

TEST_F(DxfProva, ElenchiECartelle) {
    CartellaTemp c;
    for (const char* f : {"a.qvr", "B.QVR", "c.txt"}) ScriviTutto(c / f, "x");
    fs::create_directory(c / "sotto.qvr");
    d.Apri();
    ASSERT_TRUE(d.CambiaCartella(c.Percorso()));
    EXPECT_EQ(d.Controlli.FileCartella, (std::vector<std::string>{"a.qvr", "B.QVR"}));
    d.Aggiungi({1, 0});
    d.Aggiungi({0});
    EXPECT_EQ(d.Controlli.Elenco, (std::vector<std::string>{"a.qvr", "B.QVR"}));
    d.Rimuovi(0);
    EXPECT_EQ(d.Controlli.Elenco, (std::vector<std::string>{"B.QVR"}));
    d.Rimuovi(-1);
    d.Rimuovi(5);
    EXPECT_EQ(d.Controlli.Elenco.size(), 1u);
    d.AggiungiTutti();
    EXPECT_EQ(d.Controlli.Elenco, d.Controlli.FileCartella);
    d.RimuoviTutti();
    EXPECT_TRUE(d.Controlli.Elenco.empty());

    d.GeneraDxf();
    EXPECT_EQ(UltimoMessaggio(), "Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!");
    bool mostrato = false;
    d.MostraComputo = [&](const std::string&) { mostrato = true; };
    d.VisualizzaComputo();
    EXPECT_EQ(UltimoMessaggio(), "Non sono stati selezionati i file dati.\nGenerazione del computo impossibile!");
    EXPECT_EQ(p.Msg.Visti.back().Titolo, "Attenzione!");
    EXPECT_FALSE(mostrato);

    EXPECT_FALSE(d.CambiaCartella(c / "manca"));
    EXPECT_EQ(UltimoMessaggio(), "Errore di unità");
    EXPECT_EQ(p.Msg.Visti.back().Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(d.Controlli.Cartella, c.Percorso());
    EXPECT_EQ(d.Controlli.FileCartella.size(), 2u);
}

TEST_F(DxfProva, CartellaDiApertura) {
    EXPECT_EQ(CartellaAperturaDxf(), fs::current_path().string());
    M.Progetto.PercorsoSoletta = "Anonimo";
    EXPECT_EQ(CartellaAperturaDxf(), fs::current_path().string());
    M.Progetto.PercorsoSoletta = altra / "SOL1.QVR";
    EXPECT_EQ(CartellaAperturaDxf(), altra.Percorso());
    d.Apri();
    EXPECT_EQ(d.Controlli.Cartella, altra.Percorso());
    EXPECT_EQ(d.Controlli.FileCartella, (std::vector<std::string>{"SOL1.QVR", "SOL2.QVR"}));
}

// The report of the listed slabs of the dialog's folder, and the name its save proposes.
TEST_F(DxfProva, VisualizzaComputo) {
    d.Apri();
    ASSERT_TRUE(d.CambiaCartella(altra.Percorso()));
    d.AggiungiTutti();
    std::string cartella;
    d.MostraComputo = [&](const std::string& c) { cartella = c; };
    d.VisualizzaComputo();
    EXPECT_EQ(cartella, altra.Percorso());
    EXPECT_EQ(Elenco.ComputoMultiplo, -1);
    EXPECT_EQ(Elenco.ElencoFileDxf, (std::vector<std::string>{"SOL1.QVR", "SOL2.QVR"}));
    EXPECT_EQ(Elenco.PercorsoComputo, "");

    const std::string dxf = dir / "Tavole.v2.DXF";
    p.Dialoghi.Scelte.push_back(dxf);
    d.GeneraDxf();
    ASSERT_TRUE(fs::exists(dxf)) << UltimoMessaggio();
    d.VisualizzaComputo();
    EXPECT_EQ(Elenco.PercorsoComputo, dir / "Tavole.v2.rtf");
}

TEST_F(DxfProva, GuidaSalvaEDefault) {
    d.Apri();
    d.Guida();
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Guida stampa");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Informazione);
    EXPECT_EQ(std::count(p.Msg.Visti[0].Testo.begin(), p.Msg.Visti[0].Testo.end(), '\n'), 2);
    EXPECT_EQ(p.Msg.Visti[0].Testo.rfind("Rapporto di scala con cui si eseguirà la stampa dal programma CAD.\n", 0), 0u);

    d.Controlli.Nomi[0] = "MIO_LAYER";
    d.Controlli.AciRighe[0] = 42;
    d.Controlli.TestoUnita = "5";
    d.SalvaImpostazioni();
    ASSERT_TRUE(fs::exists(FileImpostazioni()));
    ImpostaDefault();
    ASSERT_TRUE(LeggiIni());
    EXPECT_EQ(Strati.NomiLayer[0], "MIO_LAYER");
    EXPECT_EQ(Strati.AciLayer[0], 42);
    EXPECT_FLOAT_EQ(Imp.ScalaUnita, 5.0f);

    M.Progetto.MagliaUnica = 1;
    d.ImpostazioniDefault();
    EXPECT_EQ(M.Progetto.MagliaUnica, 1);  // the project's, not a setting
    const StratiDisegno prima = Strati;
    ImpostaDefault();
    EXPECT_EQ(prima.NomiLayer, Strati.NomiLayer);
    EXPECT_EQ(d.Controlli.Nomi[0], Strati.NomiLayer[0]);
    EXPECT_EQ(d.Controlli.AciRighe[0], Strati.AciLayer[0]);
    EXPECT_EQ(d.Controlli.TestoUnita, "10");
}

// The report of the listed slabs with the open slab among them, edited: no question, the open
// slab reported from memory as it stands (its file is not read again, and may have gone), the
// other from its file; nothing is saved.
TEST_F(DxfProva, ComputoDellaSolettaApertaDallaMemoria) {
    ASSERT_EQ(CaricaSolettaProgetto(altra / "SOL1.QVR", 0, M, nullptr), 0);
    M.Diffusa.DiamDiffSup1 = 14;  // the sample's is 10
    Undo.UndoCorrente = Undo.UndoUltimo = 1;  // a step taken since the load
    fs::rename(altra / "SOL1.QVR", altra / "SOL1.bak");
    d.Apri();
    ASSERT_TRUE(d.CambiaCartella(altra.Percorso()));
    d.Controlli.Elenco = {"SOL1.QVR", "SOL2.QVR"};
    int mostrati = 0;
    d.MostraComputo = [&](const std::string&) { ++mostrati; };
    d.VisualizzaComputo();
    EXPECT_TRUE(p.Msg.Visti.empty()) << UltimoMessaggio();
    EXPECT_EQ(mostrati, 1);
    const std::string doc = DocumentoFinestraComputo(altra.Percorso());
    EXPECT_TRUE(p.Msg.Visti.empty()) << UltimoMessaggio();
    const std::string riga = "\\intbl  sup.\\cell  1\\cell  " + std::string(SegnoDiametro) + " ";
    EXPECT_NE(doc.find(riga + "14\\cell"), std::string::npos) << "the open slab as edited";
    EXPECT_NE(doc.find(riga + "10\\cell"), std::string::npos) << "the other slab as saved";
    EXPECT_NE(doc.find("Solette computate: " + Str(2) + "\\par "), std::string::npos);
    EXPECT_FALSE(fs::exists(altra / "SOL1.QV0"));
    Undo = StatoUndo{};
}
