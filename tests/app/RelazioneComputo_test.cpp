// The report window's document, for the project in memory or for a list of slab files, and its
// save as RTF.
#include "app/RelazioneComputo.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "app/CaricaProgetto.h"
#include "app/CaricaSoletta.h"
#include "app/Undo.h"
#include "design/SoletteBarre.h"
#include "drawing/DisegnoZone.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"
#include "report/SolettaComputo.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";
const std::string Dati = VILMOR_DATI_PROVA;

// The slab 8 of tests/data/computo (slab file, design data, reinforcement and archive) copied
// into `cartella`, its slab file named `nome` and its reinforcement file beside it.
void CopiaSoletta8(const std::string& cartella, const std::string& nome = "SOL8.QVR") {
    fs::create_directories(cartella);
    for (std::string f : {"SOL8.DAT", "ARCHIMPA.AI0"})
        fs::copy_file(Dati + "/computo/" + f, cartella + "/" + f, fs::copy_options::overwrite_existing);
    fs::copy_file(Dati + "/computo/SOL8.QVR", cartella + "/" + nome);
    fs::copy_file(Dati + "/computo/SOL8.QV0", cartella + "/" + nome.substr(0, nome.size() - 4) + ".QV0");
}

void CopiaSoletta1(const std::string& cartella, const std::string& nome = "SOL1.QVR") {
    fs::create_directories(cartella);
    fs::copy_file(Campione + "/ARCHIMPA.AI0", cartella + "/ARCHIMPA.AI0", fs::copy_options::overwrite_existing);
    fs::copy_file(Campione + "/SOL1.QVR", cartella + "/" + nome);
}

// The figures of "<testo> = <number> <unit>\par " in the order written.
std::vector<float> Cifre(const std::string& doc, const std::string& testo) {
    std::vector<float> v;
    const std::regex re(std::regex_replace(testo, std::regex(R"([.])"), R"(\.)") + R"( = ([0-9.]+) )");
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), re); it != std::sregex_iterator(); ++it)
        v.push_back(std::stof((*it)[1].str()));
    return v;
}

// Runs a check script of tests/report on a folder; its exit status (77: a reader is missing).
int Script(const std::string& nome, const std::string& cartella, const std::string& argomenti, std::string& uscita) {
    const std::string script = (fs::path(__FILE__).parent_path().parent_path() / "report" / nome).string();
    const std::string comando = "/usr/bin/python3 '" + script + "' '" + cartella + "' " + argomenti + " > '" +
                                cartella + "/uscita.txt' 2>&1";
    const int stato = std::system(comando.c_str());
    uscita = LeggiTutto(cartella + "/uscita.txt");
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

struct RelazioneComputo : ::testing::Test {
    AmbienteBarre amb;
    PiattaformaProva p;
    CartellaTemp dir;
    void SetUp() override { Piatt.PauseAttive = false; }
};

}  // namespace

TEST_F(RelazioneComputo, SolettaInMemoria) {
    CopiaSoletta8(dir / "A");
    ASSERT_EQ(CaricaSoletta(dir / "A/SOL8.QVR", 0, M, nullptr), 0);
    Modello copia = M;
    Elenco.ComputoMultiplo = 0;
    Elenco.ElencoFileDxf = {"SOL1.QVR"};  // not read for the project in memory
    Elenco.NumFileDxf = 1;
    ErroreOperazione = 7;
    const std::string doc = DocumentoFinestraComputo(dir / "B");
    EXPECT_EQ(ErroreOperazione, 7);

    // Head, A4 page and tab stops, the slab's report, then the tail with nothing in between.
    StatoRelazione r;
    IniziaRelazione(r);
    CopuRTF(r, copia);
    EXPECT_EQ(doc, r.TestoRtf + FineRTF());
    const std::string a4 = "\\paperw11906\\paperh16838\\margl1125\\margr1125\\margt1125\\margb1125 ";
    EXPECT_EQ(doc.rfind(InizioRTF() + a4 + TabCentro(2.0f) + TabDestra(5.0f) + TabDestra(7.5f) + TabDestra(10.5f) +
                            TabDestra(13.0f) + TabDestra(15.0f) + TabDestra(17.0f) +
                            TestoNero("Soletta in c.a. n. 8", 24, 0, 1),
                        0),
              0u);
    EXPECT_TRUE(doc.ends_with("kg/mc\\par \\par }"));
    EXPECT_EQ(doc.find("Riepilogo"), std::string::npos);
    EXPECT_TRUE(p.Msg.Visti.empty());
    // The bar layout laid out again stays in the model, as any layout leaves it.
    EXPECT_EQ(dump::StampaModello(M), dump::StampaModello(copia));
}

TEST_F(RelazioneComputo, TreSoletteUnaNonCaricata) {
    struct Caso {
        const char* nome;
        std::function<void(const std::string&)> prepara;  // the middle file, in the folder
        const char* messaggio;
    };
    const Caso casi[] = {
        {"mancante", [](const std::string&) {}, "File della soletta:\n"},
        {"rovinato", [](const std::string& f) { ScriviTutto(f, "4\r\n8\r\nnon un numero\r\n"); }, "MANCA.QVR"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string cartella = dir / c.nome;
        CopiaSoletta1(cartella);
        CopiaSoletta8(cartella);
        c.prepara(cartella + "/MANCA.QVR");
        p.Msg.Visti.clear();
        const std::string doc = DocumentoSoletteElencate(cartella, {"SOL1.QVR", "MANCA.QVR", "SOL8.QVR"});

        // The load's own message names the file that could not be reported.
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_NE(p.Msg.Visti[0].Testo.find(c.messaggio), std::string::npos) << p.Msg.Visti[0].Testo;
        EXPECT_NE(p.Msg.Visti[0].Testo.find("MANCA.QVR"), std::string::npos) << p.Msg.Visti[0].Testo;

        // Two reports, each closed by a paragraph mark, then the summary of those two.
        ContieneInOrdine(doc, {"Soletta in c.a. n. 1\\par ", "kg/mc\\par \\par ", "Soletta in c.a. n. 8\\par ",
                               "kg/mc\\par \\par ", TestoNero("Riepilogo:", 18, 0, 1) + TestoNero("\\par ", 18, 0, 0),
                               "Solette computate:  2\\par Peso totale dei ferri = "});
        EXPECT_EQ(Occorrenze(doc, "Soletta in c.a."), 2);
        const auto pesi = Cifre(doc, "Peso totale dei ferri");
        const auto volumi = Cifre(doc, "Volume calcestruzzo");
        const auto incidenze = Cifre(doc, "Incidenza");
        ASSERT_EQ(pesi.size(), 3u);
        ASSERT_EQ(volumi.size(), 3u);
        ASSERT_EQ(incidenze.size(), 3u);
        EXPECT_NEAR(pesi[2], pesi[0] + pesi[1], 0.1);
        EXPECT_NEAR(volumi[2], volumi[0] + volumi[1], 0.1);
        EXPECT_NEAR(incidenze[2], pesi[2] / volumi[2], 0.1);
        EXPECT_TRUE(doc.ends_with(" kg/mc\\par \\par }"));
    }
}

TEST_F(RelazioneComputo, UnaSolaSoletta) {
    CopiaSoletta8(dir / "A");
    Modello m;
    ASSERT_EQ(CaricaSoletta(dir / "A/SOL8.QVR", 0, m, nullptr), 0);
    StatoRelazione r;
    IniziaRelazione(r);
    CopuRTF(r, m);
    // Its report and a paragraph mark, no summary.
    EXPECT_EQ(DocumentoSoletteElencate(dir / "A", {"SOL8.QVR"}), r.TestoRtf + "\\par " + FineRTF());
}

TEST_F(RelazioneComputo, NessunaSolettaCaricata) {
    ScriviTutto(dir / "ROTTO.QVR", "5\r\n");  // a newer version
    const std::string doc = DocumentoSoletteElencate(dir.Percorso(), {"ROTTO.QVR", "NONCE.QVR"});
    EXPECT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_EQ(doc.find("Soletta in c.a."), std::string::npos);
    ContieneInOrdine(doc, {"Riepilogo:", "Solette computate:  0\\par ", "Peso totale dei ferri = 0.0 kg\\par ",
                           "Volume calcestruzzo = 0.0 mc\\par "});
    EXPECT_EQ(doc.find("Incidenza"), std::string::npos);
    EXPECT_TRUE(doc.ends_with(" 0.0 mc\\par \\par }"));
}

TEST_F(RelazioneComputo, NomiConPiuPunti) {
    // Whole names, loaded as they are, in a folder whose name holds a dot too.
    const std::string cartella = dir / "progetti.2024";
    CopiaSoletta1(cartella);
    CopiaSoletta8(cartella, "sol.v2.qvr");
    fs::copy_file(Campione + "/SOL1.QVR", cartella + "/sol.QVR");  // what a cut name would find
    const std::string doc = DocumentoSoletteElencate(cartella, {"SOL1.QVR", "sol.v2.qvr"});
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    ContieneInOrdine(doc, {"Soletta in c.a. n. 1\\par ", "Soletta in c.a. n. 8\\par ", "Solette computate:  2\\par "});
    // The reinforcement beside "sol.v2.qvr" was read: its zones are reported.
    EXPECT_NE(doc.find("Cordoli, staffe:"), std::string::npos);
}

TEST_F(RelazioneComputo, ElencoDellaFinestra) {
    const std::string cartella = dir / "B";
    CopiaSoletta1(cartella);
    CopiaSoletta8(cartella);
    Elenco.ComputoMultiplo = -1;
    Elenco.ElencoFileDxf = {"SOL8.QVR", "SOL1.QVR", "ALTRO.QVR"};
    Elenco.NumFileDxf = 2;  // the third name is not listed
    ErroreOperazione = 3;
    const std::string doc = DocumentoFinestraComputo(cartella);
    EXPECT_EQ(ErroreOperazione, 3);
    EXPECT_TRUE(p.Msg.Visti.empty());
    ContieneInOrdine(doc, {"Soletta in c.a. n. 8\\par ", "Soletta in c.a. n. 1\\par ", "Solette computate:  2\\par "});
}

// Reporting other slabs leaves the open project as it was: model, unsaved edit, path, folder,
// caption, status, the main window's side choice and undo.
TEST_F(RelazioneComputo, ProgettoIntatto) {
    Disegno.Ridisegna = nullptr;
    CopiaSoletta1(dir / "A");
    fs::copy_file(Dati + "/dump/SOL1.QV0", dir / "A/SOL1.QV0");
    p.Msg.Risposte.push_back(RispostaMsg::Si);  // keep the reinforcement of a changed slab
    ASSERT_EQ(CaricaProgetto(dir / "A/SOL1.QVR"), 0);
    ASSERT_GE(M.Zone.UltimaZona, 0);
    const float passo = M.Zone.Zone[0].Passo;
    ASSERT_TRUE(SalvaStatoUndo());
    M.Zone.Zone[0].Passo = passo + 5;  // the unsaved edit
    CalcolaArmature(M);

    const std::string prima = dump::StampaModello(M);
    const std::string titolo = p.Finestra.Titolo;
    ASSERT_FALSE(titolo.empty());
    p.Finestra.Chiamate.clear();
    p.Msg.Visti.clear();
    ErroreOperazione = 0;

    const std::string altre = dir / "B";
    CopiaSoletta8(altre);
    CopiaSoletta1(altre);
    for (std::string f : {"SOLDP.QVR", "SOLDP.DAT"}) fs::copy_file(Dati + "/datiprogetto/" + f, altre + "/" + f);
    const std::string doc = DocumentoSoletteElencate(altre, {"SOL8.QVR", "SOLDP.QVR", "SOL1.QVR"});
    EXPECT_EQ(Occorrenze(doc, "Soletta in c.a."), 3);
    EXPECT_NE(doc.find("Solette computate:  3"), std::string::npos);

    EXPECT_EQ(dump::StampaModello(M), prima);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "A/SOL1.QVR");
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "A");
    EXPECT_EQ(p.Finestra.Titolo, titolo);
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(p.Finestra.Chiamate.empty()) << p.Finestra.Chiamate[0];
    // The other slabs' single-mesh rule went to no window, nor did their loads draw.
    EXPECT_TRUE(UndoPossibile());
    AnnullaOperazione();
    EXPECT_EQ(M.Zone.Zone[0].Passo, passo);
}

TEST_F(RelazioneComputo, Salva) {
    CopiaSoletta8(dir / "A");
    ASSERT_EQ(CaricaSoletta(dir / "A/SOL8.QVR", 0, M, nullptr), 0);
    const std::string doc = DocumentoComputo(M);
    Elenco.PercorsoComputo.clear();

    // The first save proposes "ComputoSoletta.rtf" in the open slab's folder.
    const std::string file = dir / "A/computo.rtf";
    p.Dialoghi.Scelte.push_back(file);
    EXPECT_EQ(SalvaComputo(doc), 0);
    ASSERT_EQ(p.Dialoghi.Richieste.size(), 1u);
    const RichiestaFile& r = p.Dialoghi.Richieste[0];
    EXPECT_EQ(r.NomeIniziale, "ComputoSoletta.rtf");
    EXPECT_EQ(r.Cartella, dir / "A");
    EXPECT_EQ(r.Filtro, "File (*.rtf)|*.rtf");
    EXPECT_EQ(r.Estensione, "rtf");
    const std::string byte = LeggiTutto(file);
    EXPECT_EQ(byte, ByteRTF(doc));
    EXPECT_NE(byte.find("\\'d8 12"), std::string::npos);  // the diameter sign as its escape
    EXPECT_TRUE(p.Msg.Visti.empty());

    // The name chosen is not remembered; a name set by the export dialog is proposed in its folder.
    p.Dialoghi.Scelte.push_back(std::nullopt);
    EXPECT_EQ(SalvaComputo(doc), -1);
    EXPECT_EQ(p.Dialoghi.Richieste.back().NomeIniziale, "ComputoSoletta.rtf");
    Elenco.PercorsoComputo = dir / "dxf/TAVOLA.rtf";
    p.Dialoghi.Scelte.push_back(std::nullopt);
    EXPECT_EQ(SalvaComputo(doc), -1);
    EXPECT_EQ(p.Dialoghi.Richieste.back().NomeIniziale, "TAVOLA.rtf");
    EXPECT_EQ(p.Dialoghi.Richieste.back().Cartella, dir / "dxf");
    EXPECT_EQ(Elenco.PercorsoComputo, dir / "dxf/TAVOLA.rtf");
}

TEST_F(RelazioneComputo, SalvaAnnullaSostituisceOFallisce) {
    const std::string doc = InizioRTF() + TestoNero("Distanziatori \xC3\x98" "12", 20, 0, 0) + FineRTF();
    const std::string file = dir / "computo.rtf";
    const std::string vecchio = "vecchio computo";

    // Cancel: nothing written.
    p.Dialoghi.Scelte.push_back(std::nullopt);
    EXPECT_EQ(SalvaComputo(doc), -1);
    EXPECT_FALSE(fs::exists(file));

    // An existing file asks first; No keeps it, Yes replaces it.
    ScriviTutto(file, vecchio);
    p.Dialoghi.Scelte.push_back(file);
    p.Msg.Risposte.push_back(RispostaMsg::No);
    EXPECT_EQ(SalvaComputo(doc), -1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "File gi\xC3\xA0 presente, vuoi sostituirlo?");
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Salva");
    EXPECT_EQ(LeggiTutto(file), vecchio);

    // A write that fails: the message names the file, the old file stays byte for byte.
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    p.Dialoghi.Scelte.push_back(file);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    EXPECT_EQ(SalvaComputo(doc), -1);
    EXPECT_EQ(ErroreOperazione, -1);
    ASSERT_EQ(p.Msg.Visti.size(), 3u);
    EXPECT_NE(p.Msg.Visti[2].Testo.find(file), std::string::npos) << p.Msg.Visti[2].Testo;
    EXPECT_EQ(LeggiTutto(file), vecchio);
    Piatt.GuastoScritturaProva = nullptr;

    p.Dialoghi.Scelte.push_back(file);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    EXPECT_EQ(SalvaComputo(doc), 0);
    EXPECT_EQ(LeggiTutto(file), ByteRTF(doc));
}

TEST_F(RelazioneComputo, ComandoComputo) {
    Elenco.ComputoMultiplo = -1;
    M = Modello{};
    EXPECT_EQ(ComandoComputo(), -1);
    EXPECT_TRUE(p.Finestra.Chiamate.empty());
    EXPECT_EQ(Elenco.ComputoMultiplo, -1);

    M = SolettaSette();
    EXPECT_EQ(ComandoComputo(), 0);
    EXPECT_EQ(Elenco.ComputoMultiplo, 0);
    EXPECT_EQ(p.Finestra.Chiamate, std::vector<std::string>{"MostraComputo"});
}

// The saved report of slab 8, read by LibreOffice alone, holds every table and figure as
// computed again from its cells and the slab's data; its studs are those of the plan.
TEST_F(RelazioneComputo, LibreOfficeRicalcola) {
    if (!fs::exists("/usr/bin/python3")) GTEST_SKIP() << "manca /usr/bin/python3";
    CopiaSoletta8(dir / "A");
    ASSERT_EQ(CaricaSoletta(dir / "A/SOL8.QVR", 0, M, nullptr), 0);
    ASSERT_EQ(M.Analisi.NumPunzonamenti, 2);
    ASSERT_GT(M.Analisi.Punzonamenti[1].NumTratti, 0);  // the node's record near the edge
    ASSERT_EQ(M.Analisi.Punzonamenti[0].NumTratti, 0);
    Elenco.ComputoMultiplo = 0;
    const std::string doc = DocumentoFinestraComputo({});
    p.Dialoghi.Scelte.push_back(dir / "computo.rtf");
    ASSERT_EQ(SalvaComputo(doc), 0);

    Modello piano = M;
    CalcolaArmature(piano);
    ASSERT_EQ(piano.Zone.Zone[6].Tipo, 3);
    EXPECT_NE(doc.find("\\intbl  7\\cell  " + Str(piano.Zone.Zone[6].NumBracci) + "\\cell  "), std::string::npos);

    std::string uscita;
    const int stato = Script("verifica_computo.py", dir.Percorso(), "--ricalcolo", uscita);
    if (stato == 77) GTEST_SKIP() << uscita;
    EXPECT_EQ(stato, 0) << uscita;
}
