#include "app/EsportaSoletteDxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <locale>
#include <map>
#include <set>

#include <malloc.h>

#include "../dxf/EsportazioneProva.h"
#include "../dxf/LettoriProva.h"
#include "base/FileTesto.h"
#include "drawing/QuotaturaAutomatica.h"
#include "dxf/FileDxf12.h"
#include "dxf/NomiLayerDxf.h"
#include "app/CaricaProgetto.h"
#include "app/CaricaSoletta.h"
#include "app/Undo.h"
#include "design/BarreZone.h"
#include "drawing/Ridisegna.h"
#include "model/Estensioni.h"
#include "model/FileImpostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/SolettaGenerata.h"
#include "support/UscitaDxfRegistrata.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct EsportaProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    void SetUp() override {
        ImpostaDefault();
        M = Modello{};
        Piatt.PauseAttive = false;
        for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"})
            fs::copy_file(Campione + "/" + f, dir / f, fs::copy_options::overwrite_existing);
        fs::copy_file(Campione + "/SOL1.QVR", dir / "SOL2.QVR", fs::copy_options::overwrite_existing);
        ScriviTutto(dir / "ROTTA.QVR", "non una soletta\r\n");
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> r;
        for (const auto& m : p.Msg.Visti) r.push_back(m.Testo);
        return r;
    }
};

int Conta(const std::string& s, const std::string& cosa) {
    int n = 0;
    for (size_t i = s.find(cosa); i != std::string::npos; i = s.find(cosa, i + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(EsportaProva, DueSoletteNeiDueFormatiPassanoILettori) {
    // 1:50 and 1:100 at 1 unit per cm, and 1:50 with 1 mm = 5 units.
    struct Caso {
        int Scala50;
        float UnitaPerCm;
    };
    std::vector<std::string> voci, file;
    for (const Caso c : {Caso{1, 1.0f}, Caso{0, 1.0f}, Caso{1, 0.5f}}) {
        Imp.ScalaDxf50 = c.Scala50;
        Imp.UnitaPerCm = c.UnitaPerCm;
        Imp.FattoreDxf = (c.Scala50 ? 2 : 1) * c.UnitaPerCm;
        for (int r12 : {0, 1}) {
            EsportaDxf.FormatoR12 = r12;
            const std::string f = dir / (std::string(r12 ? "r12-" : "d2000-") + std::to_string(voci.size()) + ".dxf");
            ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso(), f)) << r12;
            std::string v = VoceElenco(f, Strati, Imp.UnitaPerCm);
            if (r12) v.insert(v.size() - 1, ",\"r12\":true");
            voci.push_back(v);
            file.push_back(f);
        }
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(dir, voci, rapporto), 0) << rapporto;
    EXPECT_EQ(Strati.NomiLayer[24], Strati.NomiLayer[2] + "_SUP");

    // LibreCAD prints both on a sheet of at least A4 (595 x 842 points) with the drawing on it.
    if (fs::exists("/usr/bin/librecad") && fs::exists("/usr/bin/pdftoppm")) {
        for (const std::string& f : {file[0], file[1]}) {
            std::string errore;
            std::pair<double, double> pagina;
            const long scuri = PixelScuriLibreCad(dir, f, errore, &pagina);
            ASSERT_GE(scuri, 0) << errore;
            EXPECT_GT(scuri, 200) << f << ": the page is blank";
            EXPECT_GE(std::max(pagina.first, pagina.second), 841) << f;
            EXPECT_GE(std::min(pagina.first, pagina.second), 594) << f;
        }
    }
}

TEST_F(EsportaProva, R12SenzaHandleNeSezioniDel2000) {
    EsportaDxf.FormatoR12 = 1;
    ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "a.dxf"));
    const std::string byte = LeggiTutto(dir / "a.dxf");
    const auto voci = Voci(byte);
    for (const Voce& v : voci) {
        EXPECT_NE(v.Codice, "  5");
        EXPECT_NE(v.Codice, "100");
        EXPECT_NE(v.Codice, "330");
        EXPECT_NE(v.Codice, "370");
        EXPECT_NE(v.Valore, "DIMENSION");
    }
    EXPECT_TRUE(SezioneDi(voci, "CLASSES").empty());
    EXPECT_TRUE(SezioneDi(voci, "OBJECTS").empty());
    const auto header = SezioneDi(voci, "HEADER");
    int variabili = 0;
    std::vector<std::string> nomi;
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i].Codice != "  9") continue;
        ++variabili;
        nomi.push_back(header[i].Valore);
        if (header[i].Valore == "$HANDLING") {
            EXPECT_EQ(header[i + 1].Valore, "0");
        }
        // An A3 sheet.
        if (header[i].Valore == "$PLIMMAX") {
            EXPECT_EQ(header[i + 1].Valore, "420.0");
            EXPECT_EQ(header[i + 2].Valore, "297.0");
        }
    }
    EXPECT_EQ(variabili, NumVariabiliHeaderDxf12());
    EXPECT_EQ(variabili, 131);
    // The initial view after the limits.
    ASSERT_GE(nomi.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(nomi.begin(), nomi.begin() + 8),
              (std::vector<std::string>{"$ACADVER", "$INSBASE", "$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX",
                                        "$VIEWCTR", "$VIEWSIZE"}));
    EXPECT_EQ(Conta(byte, "  0\r\nLAYER\r\n"), 27);
    EXPECT_NE(byte.find("  0\r\nLAYER\r\n  2\r\n0\r\n 70\r\n 0 \r\n 62\r\n 7 \r\n  6\r\nContinuous\r\n  0\r\nLAYER\r\n  2\r\nDefpoints\r\n"),
              std::string::npos);
    EXPECT_NE(byte.find("  2\r\n" + Strati.NomiLayer[0] + "\r\n 70\r\n 0 \r\n 62\r\n " +
                        std::to_string(Strati.AciLayer[0]) + " \r\n  6\r\nDASHED2\r\n"),
              std::string::npos);
}

// The x of every LINE start of an R12 file's ENTITIES section, in order.
std::vector<double> XLinee(const std::string& byte) {
    std::vector<double> x;
    const auto voci = SezioneDi(Voci(byte), "ENTITIES");
    for (size_t i = 0; i < voci.size(); ++i)
        if (voci[i].Codice == "  0" && voci[i].Valore == "LINE")
            for (size_t j = i + 1; j < voci.size() && voci[j].Codice != "  0"; ++j)
                if (voci[j].Codice == " 10") x.push_back(std::stod(voci[j].Valore));
    return x;
}

TEST_F(EsportaProva, LaSecondaSolettaStaAccantoEUnaRottaSiSalta) {
    // A missing and a broken entry between two copies of one slab: each shows its load message,
    // draws nothing and does not move the next sheet.
    EsportaDxf.FormatoR12 = 1;
    ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "uno.dxf"));
    ASSERT_TRUE(p.Msg.Visti.empty());
    ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR", "MANCA.QVR", "ROTTA.QVR", "SOL2.QVR"}, dir.Percorso(),
                                  dir / "due.dxf"));
    EXPECT_EQ(p.Msg.Visti.size(), 2u);
    Modello m;
    ASSERT_EQ(CaricaSoletta(dir / "SOL1.QVR", 0, m, nullptr), 0);
    StatoVista v;
    SettaLimiti(m, v);
    const double passo = (v.LarghezzaTavola + 200.0) * Imp.FattoreDxf;
    const auto uno = XLinee(LeggiTutto(dir / "uno.dxf"));
    const auto due = XLinee(LeggiTutto(dir / "due.dxf"));
    ASSERT_FALSE(uno.empty());
    ASSERT_EQ(due.size(), 2 * uno.size());
    for (size_t i = 0; i < uno.size(); ++i) {
        EXPECT_NEAR(due[i], uno[i], 1e-3);
        EXPECT_NEAR(due[uno.size() + i], uno[i] + passo, 1e-2) << i;
    }
}

TEST_F(EsportaProva, NessunaSolettaCaricataNonScriveNulla) {
    for (int r12 : {0, 1}) {
        EsportaDxf.FormatoR12 = r12;
        p.Msg.Visti.clear();
        ScriviTutto(dir / "vecchio.dxf", "vecchio");
        EXPECT_FALSE(EsportaSoletteDxf({"MANCA.QVR", "ROTTA.QVR"}, dir.Percorso(), dir / "vecchio.dxf"));
        ASSERT_FALSE(p.Msg.Visti.empty());
        EXPECT_EQ(p.Msg.Visti.back().Testo,
                  "Nessuna delle solette elencate è stata caricata.\nGenerazione file DXF impossibile!");
        EXPECT_EQ(p.Msg.Visti.back().Titolo, "Attenzione!");
        EXPECT_EQ(LeggiTutto(dir / "vecchio.dxf"), "vecchio");
        int file = 0;
        for (const auto& e : fs::directory_iterator(dir.Percorso())) file += e.path().extension() == ".dxf";
        EXPECT_EQ(file, 1);
    }
    p.Msg.Visti.clear();
    EXPECT_FALSE(EsportaSoletteDxf({}, dir.Percorso(), dir / "vuoto.dxf"));
    EXPECT_EQ(Testi(), std::vector<std::string>{
                           "Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!"});
    EXPECT_FALSE(fs::exists(dir / "vuoto.dxf"));
}

TEST_F(EsportaProva, NomiDiLayerRifiutati) {
    struct Caso {
        int Layer;
        std::string Nome;
        int R12;
        std::string Messaggio;  // "" when accepted
    };
    const Caso casi[] = {
        {3, "", 0, "Nome di layer non valido: \"\".\nOperazione annullata!"},
        {3, "A/B", 0, "Nome di layer non valido: \"A/B\".\nOperazione annullata!"},
        {3, "Defpoints", 0, "Nome di layer non valido: \"Defpoints\".\nOperazione annullata!"},
        {3, " A", 0, "Nome di layer non valido: \" A\".\nOperazione annullata!"},
        {9, "quote", 0, "Nome di layer ripetuto: \"quote\".\nOperazione annullata!"},
        {3, "A B", 1, "Nome di layer non valido: \"A B\".\nOperazione annullata!"},
        {3, std::string(32, 'A'), 1, "Nome di layer non valido: \"" + std::string(32, 'A') + "\".\nOperazione annullata!"},
        {3, "A B", 0, ""},
        {3, "ARM-$_1", 1, ""},
    };
    for (const Caso& c : casi) {
        ImpostaDefault();
        Strati.NomiLayer[c.Layer] = c.Nome;
        if (c.Layer == 9) Strati.NomiLayer[8] = "QUOTE";
        EXPECT_EQ(ControllaNomiLayer(Strati, NumLayer, c.R12 != 0), c.Messaggio) << c.Nome;
        if (c.Messaggio.empty()) continue;
        EsportaDxf.FormatoR12 = c.R12;
        p.Msg.Visti.clear();
        EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "n.dxf"));
        EXPECT_EQ(Testi(), std::vector<std::string>{c.Messaggio});
        EXPECT_FALSE(fs::exists(dir / "n.dxf"));
    }
}

TEST_F(EsportaProva, ProgettoApertoIntattoEDueEsportazioniUguali) {
    // The sample slab open from another folder, with its extents and an unsaved edit.
    fs::create_directories(dir / "aperto");
    for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"})
        fs::copy_file(Campione + "/" + f, dir / (std::string("aperto/") + f));
    ASSERT_EQ(CaricaSoletta(dir / "aperto/SOL1.QVR", 0, M, nullptr), 0);
    SettaLimiti(M, Vista);
    M.Progetto.Spessore += 1;  // an unsaved edit
    const std::string modello = dump::StampaModello(M);
    const std::string percorso = M.Progetto.PercorsoSoletta, lavoro = M.Progetto.CartellaLavoro;
    Vista.PiantaCorrente = 2;
    EsportaDxf.OffsetDxfX = 7;
    const StatoVista vista = Vista;
    p.Finestra.Chiamate.clear();
    p.Video.Chiamate.clear();
    for (int r12 : {0, 1}) {
        EsportaDxf.FormatoR12 = r12;
        ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso(), dir / "1.dxf"));
        ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso(), dir / "2.dxf"));
        const std::string salvato = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
        std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
        const bool ok = EsportaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso(), dir / "it.dxf");
        std::locale::global(vecchio);
        std::setlocale(LC_ALL, salvato.c_str());
        ASSERT_TRUE(ok);
        const std::string primo = LeggiTutto(dir / "1.dxf");
        EXPECT_EQ(LeggiTutto(dir / "2.dxf"), primo) << r12;
        EXPECT_EQ(LeggiTutto(dir / "it.dxf"), primo) << r12;
    }
    EXPECT_EQ(dump::StampaModello(M), modello);
    EXPECT_TRUE(p.Finestra.Chiamate.empty());
    // The busy pointer for each export, given back each time; nothing drawn on the screen.
    std::vector<std::string> video;
    for (const auto& c : p.Video.Chiamate) video.push_back(c.Op + (c.Num.empty() ? "" : std::to_string(int(c.Num[0]))));
    std::vector<std::string> attese;
    for (int i = 0; i < 6; ++i) attese.insert(attese.end(), {"PuntatoreAttesa1", "PuntatoreAttesa0"});
    EXPECT_EQ(video, attese);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, percorso);
    EXPECT_EQ(M.Progetto.CartellaLavoro, lavoro);
    EXPECT_EQ(Vista.PiantaCorrente, 2);
    EXPECT_EQ(Vista.LarghezzaTavola, vista.LarghezzaTavola);
    EXPECT_EQ(Vista.EstensioneTavola, vista.EstensioneTavola);
    EXPECT_EQ(EsportaDxf.OffsetDxfX, 7.0f);
}

TEST_F(EsportaProva, ScritturaFallitaLasciaIlVecchioFile) {
    // A target that is a folder and a write the disk refuses, in both formats: the message
    // names the file, an older target stays byte for byte and no file of the export remains.
    const std::string d8 = "Impossibile scrivere il file:\n";
    for (int r12 : {0, 1}) {
        EsportaDxf.FormatoR12 = r12;
        fs::create_directories(dir / "cartella.dxf");
        p.Msg.Visti.clear();
        EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "cartella.dxf"));
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo.rfind(d8 + dir / "cartella.dxf", 0), 0u) << p.Msg.Visti[0].Testo;
        EXPECT_TRUE(fs::is_directory(dir / "cartella.dxf"));

        ScriviTutto(dir / "vecchio.dxf", "vecchio");
        Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
        p.Msg.Visti.clear();
        EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "vecchio.dxf"));
        Piatt.GuastoScritturaProva = nullptr;
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo.rfind(d8 + dir / "vecchio.dxf", 0), 0u);
        EXPECT_EQ(LeggiTutto(dir / "vecchio.dxf"), "vecchio");
        std::vector<std::string> presenti;
        for (const auto& e : fs::directory_iterator(dir.Percorso())) presenti.push_back(e.path().filename());
        std::sort(presenti.begin(), presenti.end());
        EXPECT_EQ(presenti, (std::vector<std::string>{"ARCHIMPA.AI0", "ROTTA.QVR", "SOL1.QVR", "SOL2.QVR",
                                                      "cartella.dxf", "vecchio.dxf"}));
    }
}

TEST_F(EsportaProva, CartellaDiSolaLetturaOFileOccupato) {
    ScriviTutto(dir / "vecchio.dxf", "vecchio");
    const std::pair<int, std::string> casi[] = {
        {EROFS, MessaggioErroreDxf(dir / "vecchio.dxf", EACCES)},
        {EBUSY, "Il file è attualmente aperto.\nOperazione annullata!\n" + (dir / "vecchio.dxf")},
    };
    for (int r12 : {0, 1})
        for (const auto& [errore, testo] : casi) {
            EsportaDxf.FormatoR12 = r12;
            const int e = errore;
            Piatt.ErroreCreazioneProva = [e](const std::string&) { return e; };
            p.Msg.Visti.clear();
            EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "vecchio.dxf"));
            Piatt.ErroreCreazioneProva = nullptr;
            EXPECT_EQ(Testi(), std::vector<std::string>{testo});
            EXPECT_EQ(LeggiTutto(dir / "vecchio.dxf"), "vecchio");
        }
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir.Percorso())) file += e.path().extension() != ".QVR";
    EXPECT_EQ(file, 2);  // the archive and the old drawing
}

TEST(MessaggioErroreDxf, PerErrno) {
    const std::string accesso =
        "Il programma sta cercando di operare su una cartella per la quale l'utente non dispone di "
        "autorizzazione.\nOperazione annullata!\nContattare l'amministratore di rete.\n/x/a.dxf";
    const std::string aperto = "Il file è attualmente aperto.\nOperazione annullata!\n/x/a.dxf";
    const std::pair<int, std::string> casi[] = {
        {ErroreSolaLettura, "Il file /x/a.dxf è di sola lettura: non è stato sostituito."},
        {EBUSY, aperto},   {ETXTBSY, aperto}, {EACCES, accesso},
        {EPERM, accesso},  {EROFS, accesso},
        {EIO, "Impossibile scrivere il file:\n/x/a.dxf\nIl file esistente non è stato modificato."},
        {0, "Impossibile scrivere il file:\n/x/a.dxf\nIl file esistente non è stato modificato."},
    };
    for (const auto& [errore, testo] : casi) EXPECT_EQ(MessaggioErroreDxf("/x/a.dxf", errore), testo) << errore;
}

TEST_F(EsportaProva, IlComandoChiedeIlFileESostituisceSoloDopoLaDomanda) {
    const std::string target = dir / "tavola.dxf";
    // Cancelled, then "*.DXF": nothing written, nothing remembered.
    p.Dialoghi.Scelte = {std::nullopt, std::string("*.DXF")};
    EXPECT_FALSE(NewSalvaDXF({"SOL1.QVR"}, dir.Percorso()));
    EXPECT_FALSE(NewSalvaDXF({"SOL1.QVR"}, dir.Percorso()));
    ASSERT_EQ(p.Dialoghi.Richieste.size(), 2u);
    EXPECT_EQ(p.Dialoghi.Richieste[0].Filtro, "File Disegno (*.DXF)|*.DXF");
    EXPECT_EQ(p.Dialoghi.Richieste[0].Estensione, "DXF");
    EXPECT_EQ(p.Dialoghi.Richieste[0].Cartella, dir.Percorso());
    EXPECT_EQ(p.Dialoghi.Richieste[0].NomeIniziale, "");
    EXPECT_EQ(EsportaDxf.PercorsoDxf, "");

    // A new file is written and proposed next time; an existing one only after "Yes".
    p.Dialoghi.Scelte = {target};
    EXPECT_TRUE(NewSalvaDXF({"SOL1.QVR"}, dir.Percorso()));
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(EsportaDxf.PercorsoDxf, target);
    const std::string scritto = LeggiTutto(target);
    ScriviTutto(target, "vecchio");
    p.Dialoghi.Scelte = {target};
    p.Msg.Risposte = {RispostaMsg::No};
    EXPECT_FALSE(NewSalvaDXF({"SOL1.QVR"}, dir.Percorso()));
    EXPECT_EQ(p.Dialoghi.Richieste.back().NomeIniziale, target);
    EXPECT_EQ(Testi(), std::vector<std::string>{"File già presente, vuoi sostituirlo?"});
    EXPECT_EQ(LeggiTutto(target), "vecchio");
    p.Dialoghi.Scelte = {target};
    p.Msg.Risposte = {RispostaMsg::Si};
    EXPECT_TRUE(NewSalvaDXF({"SOL1.QVR"}, dir.Percorso()));
    EXPECT_EQ(LeggiTutto(target), scritto);

    // An empty list is refused before the dialog.
    p.Msg.Visti.clear();
    const size_t richieste = p.Dialoghi.Richieste.size();
    EXPECT_FALSE(NewSalvaDXF({}, dir.Percorso()));
    EXPECT_EQ(p.Dialoghi.Richieste.size(), richieste);
    EXPECT_EQ(Testi(), std::vector<std::string>{
                           "Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!"});
}

TEST_F(EsportaProva, LeEntitaDelFileSonoQuelleDelPassaggio) {
    // The same pass into a recording writer: the R12 file holds its lines, circles and texts in
    // order, on the same layers, at the same points.
    EsportaDxf.FormatoR12 = 1;
    ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso(), dir / "e.dxf"));
    UscitaDxfRegistrata registro;
    SinkDxf sink(&registro);
    SinkDisegno* vecchio = Piatt.SinkDxf;
    Piatt.SinkDxf = &sink;
    EXPECT_EQ(DisegnaSoletteDxf({"SOL1.QVR", "SOL2.QVR"}, dir.Percorso()), 2);
    Piatt.SinkDxf = vecchio;

    struct Letta {
        std::string Tipo, Layer;
        double X = 0, Y = 0;
    };
    std::vector<Letta> file;
    for (const auto& rec : Record(SezioneDi(Voci(LeggiTutto(dir / "e.dxf")), "ENTITIES"))) {
        const std::string& t = rec[0].Valore;
        if (t == "INSERT") continue;
        Letta l{t == "LINE" ? "Linea" : t == "CIRCLE" ? "Cerchio" : t == "TEXT" ? "Testo" : t, {}};
        for (const Voce& v : rec) {
            if (v.Codice == "  8") l.Layer = v.Valore;
            if (v.Codice == " 10") l.X = std::stod(v.Valore);
            if (v.Codice == " 20") l.Y = std::stod(v.Valore);
        }
        file.push_back(l);
    }
    ASSERT_GT(file.size(), 100u);
    ASSERT_EQ(file.size(), registro.Entita.size());
    for (size_t i = 0; i < file.size(); ++i) {
        const auto& e = registro.Entita[i];
        EXPECT_EQ(file[i].Tipo, e.Tipo) << i;
        EXPECT_EQ(file[i].Layer, e.Layer) << i;
        EXPECT_NEAR(file[i].X, e.Num[0], 1e-3 * std::max(1.0, std::abs(e.Num[0]))) << i;
        EXPECT_NEAR(file[i].Y, e.Num[1], 1e-3 * std::max(1.0, std::abs(e.Num[1]))) << i;
    }
}

namespace {

// The quantities slab (zones of every kind, a round column, stored dimensions), a single-mesh
// copy of it (no upper requirement anywhere) and the sample slab (hatched columns) in one folder.
void SoletteConZone(const std::string& cartella) {
    const std::string computo = std::string(VILMOR_DATI_PROVA) + "/computo";
    fs::create_directories(cartella);
    for (const char* f : {"SOL8.QVR", "SOL8.DAT", "SOL8.QV0", "ARCHIMPA.AI0"})
        fs::copy_file(computo + "/" + f, cartella + "/" + f, fs::copy_options::overwrite_existing);
    fs::copy_file(Campione + "/SOL1.QVR", cartella + "/SOL1.QVR", fs::copy_options::overwrite_existing);
    std::string qvr = LeggiTutto(computo + "/SOL8.QVR");
    qvr.replace(qvr.find("SOL8.DAT"), 8, "UNIC.DAT");
    ScriviTutto(cartella + "/UNIC.QVR", qvr);
    std::string dat;
    for (std::string riga : Righe(LeggiTutto(computo + "/SOL8.DAT") + "\r\n")) {
        // Element rows: As1 and As2 (fields 8 and 9) to zero.
        if (riga.size() > 2 && riga.substr(riga.size() - 2) == " ;") {
            std::vector<std::string> campi;
            for (size_t i = 0, j; i <= riga.size(); i = j + 1) {
                j = riga.find(',', i);
                if (j == std::string::npos) j = riga.size();
                campi.push_back(riga.substr(i, j - i));
            }
            campi[7] = campi[8] = "0";
            riga.clear();
            for (size_t i = 0; i < campi.size(); ++i) riga += (i ? "," : "") + campi[i];
        }
        if (!riga.empty()) dat += riga + "\r\n";
    }
    ScriviTutto(cartella + "/UNIC.DAT", dat);
    fs::copy_file(computo + "/SOL8.QV0", cartella + "/UNIC.QV0", fs::copy_options::overwrite_existing);
}

// The file's entities against what the same pass sends a recording writer: lines, circles and
// texts in order on the same layers at the same points; a DIMENSION (2000) for each dimension.
void ComeIlPassaggio(const std::string& file, const std::vector<std::string>& nomi, const std::string& cartella) {
    UscitaDxfRegistrata registro;
    SinkDxf sink(&registro);
    SinkDisegno* vecchio = Piatt.SinkDxf;
    Piatt.SinkDxf = &sink;
    EXPECT_EQ(DisegnaSoletteDxf(nomi, cartella), static_cast<int>(nomi.size()));
    Piatt.SinkDxf = vecchio;

    const std::vector<prova::EntitaDxf>& attese = registro.Entita;
    size_t i = 0;
    int quote = 0;
    for (const auto& rec : Record(SezioneDi(Voci(LeggiTutto(file)), "ENTITIES"))) {
        const std::string& t = rec[0].Valore;
        if (t == "INSERT") continue;
        const std::string tipo = t == "LINE" ? "Linea" : t == "CIRCLE" ? "Cerchio" : t == "TEXT" ? "Testo" : t == "DIMENSION" ? "Quota" : t;
        ASSERT_LT(i, attese.size()) << "more entities in the file than in the pass";
        const prova::EntitaDxf& e = attese[i++];
        EXPECT_EQ(tipo, e.Tipo) << i;
        if (tipo == "Quota") {
            ++quote;
            continue;
        }
        double x = 0, y = 0;
        std::string layer;
        for (const Voce& v : rec) {
            if (v.Codice == "  8") layer = v.Valore;
            if (v.Codice == " 10") x = std::stod(v.Valore);
            if (v.Codice == " 20") y = std::stod(v.Valore);
        }
        EXPECT_EQ(layer, e.Layer) << i;
        EXPECT_NEAR(x, e.Num[0], 1e-3 * std::max(1.0, std::abs(e.Num[0]))) << i;
        EXPECT_NEAR(y, e.Num[1], 1e-3 * std::max(1.0, std::abs(e.Num[1]))) << i;
    }
    EXPECT_EQ(i, attese.size());
    const long registrate = std::count_if(attese.begin(), attese.end(), [](const prova::EntitaDxf& e) { return e.Tipo == "Quota"; });
    EXPECT_EQ(quote, registrate);
}

}  // namespace

static int TestiSulLayer(const std::vector<Voce>& entita, const std::string& layer) {
    int n = 0;
    for (const auto& rec : RecordDi(entita, "TEXT"))
        for (const Voce& v : rec)
            if (v.Codice == "  8" && v.Valore == layer) ++n;
    return n;
}

// Zones of every kind, a single-mesh slab, dimensions and hatched columns, in both formats, at
// 1:50, 1:100 and 1 mm = 5 units: the readers pass and the files hold what the pass drew.
TEST_F(EsportaProva, ZoneQuoteETratteggiNeiDueFormati) {
    const std::string z = dir / "zone";
    SoletteConZone(z);
    // The sample slab has no reinforcement file: its dimensions are the automatic ones.
    Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
    const std::vector<std::string> nomi{"SOL8.QVR", "UNIC.QVR", "SOL1.QVR"};
    Modello unica;
    ASSERT_EQ(CaricaSoletta(z + "/UNIC.QVR", 0, unica, nullptr), 0);
    ASSERT_NE(unica.Progetto.MagliaUnica, 0);
    ASSERT_GE(unica.Zone.UltimaZona, 6);
    std::set<int> tipi;
    for (const Zona& k : unica.Zone.Zone) tipi.insert(k.Tipo);
    ASSERT_EQ(tipi, (std::set<int>{0, 1, 2, 3}));

    struct Caso {
        int Scala50;
        float UnitaPerCm;
    };
    std::vector<std::string> voci;
    int quote2000 = -1, testi2000 = 0;
    for (const Caso c : {Caso{1, 1.0f}, Caso{0, 1.0f}, Caso{1, 0.5f}}) {
        Imp.ScalaDxf50 = c.Scala50;
        Imp.UnitaPerCm = c.UnitaPerCm;
        Imp.FattoreDxf = (c.Scala50 ? 2 : 1) * c.UnitaPerCm;
        const float F = Imp.FattoreDxf;
        for (int r12 : {0, 1}) {
            SCOPED_TRACE(std::to_string(r12) + " F " + std::to_string(F));
            EsportaDxf.FormatoR12 = r12;
            const std::string f = dir / ("z" + std::to_string(voci.size()) + ".dxf");
            ASSERT_TRUE(EsportaSoletteDxf(nomi, z, f));
            ASSERT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
            ComeIlPassaggio(f, nomi, z);
            std::string v = VoceElenco(f, Strati, Imp.UnitaPerCm);
            if (r12) v.insert(v.size() - 1, ",\"r12\":true");
            voci.push_back(v);

            const auto voceFile = Voci(LeggiTutto(f));
            const auto entita = SezioneDi(voceFile, "ENTITIES");
            // One INSERT per hatched column of the sample slab (three) on each of the five plans
            // of its sheet, each with a block of its own.
            int tratteggi = 0;
            for (const auto& rec : RecordDi(entita, "INSERT"))
                for (const Voce& v2 : rec)
                    if (v2.Codice == "  2" && v2.Valore.rfind("*X", 0) == 0) ++tratteggi;
            EXPECT_EQ(tratteggi, 15);
            int blocchi = 0;
            for (const auto& rec : RecordDi(SezioneDi(voceFile, "BLOCKS"), "BLOCK"))
                for (const Voce& v2 : rec)
                    if (v2.Codice == "  2" && v2.Valore.rfind("*X", 0) == 0) ++blocchi;
            EXPECT_EQ(blocchi, 15);
            const int dimensioni = static_cast<int>(RecordDi(entita, "DIMENSION").size());
            if (!r12) {
                testi2000 = TestiSulLayer(entita, Strati.NomiLayer[18]);
                EXPECT_GE(dimensioni, 19);
                if (quote2000 < 0) quote2000 = dimensioni;
                EXPECT_EQ(dimensioni, quote2000);
                continue;
            }
            // R12: each dimension as lines and two circles of radius 1.2 F on the dimension layer,
            // and its text on the dimension-text layer beside the texts both formats write there.
            EXPECT_EQ(dimensioni, 0);
            int cerchi = 0;
            for (const auto& rec : RecordDi(entita, "CIRCLE")) {
                std::string layer;
                double r = 0;
                for (const Voce& v2 : rec) {
                    if (v2.Codice == "  8") layer = v2.Valore;
                    if (v2.Codice == " 40") r = std::stod(v2.Valore);
                }
                if (layer == Strati.NomiLayer[8] && std::abs(r - 1.2 * F) < 1e-4) ++cerchi;
            }
            EXPECT_EQ(cerchi, 2 * quote2000);
            EXPECT_EQ(TestiSulLayer(entita, Strati.NomiLayer[18]), testi2000 + quote2000);
        }
    }
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(dir, voci, rapporto), 0) << rapporto;

    // Without a hatched column the R12 BLOCKS section is empty.
    EsportaDxf.FormatoR12 = 1;
    ASSERT_TRUE(EsportaSoletteDxf({"SOL8.QVR"}, z, dir / "senza.dxf"));
    const auto blocchi = SezioneDi(Voci(LeggiTutto(dir / "senza.dxf")), "BLOCKS");
    EXPECT_TRUE(Record(blocchi).empty()) << Record(blocchi).size();
}

// Layer names read from the settings file are checked as typed ones are.
TEST_F(EsportaProva, NomiDalFileImpostazioni) {
    CartellaTemp impostazioni;
    const Cartelle vecchie = Dir;
    Dir.CartellaImpostazioni = impostazioni.Percorso();
    Strati.NomiLayer[3] = "A/B";
    ASSERT_TRUE(SalvaIni());
    ImpostaDefault();
    ASSERT_TRUE(LeggiIni());
    ASSERT_EQ(Strati.NomiLayer[3], "A/B");
    EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "n.dxf"));
    EXPECT_EQ(Testi(), std::vector<std::string>{"Nome di layer non valido: \"A/B\".\nOperazione annullata!"});
    EXPECT_FALSE(fs::exists(dir / "n.dxf"));
    Dir = vecchie;
}

// The model in memory exported as it stands: an unsaved dimension is in the drawing, nothing is
// read from the files, the model and the view are as before; a model without slab is refused.
TEST_F(EsportaProva, IlModelloInMemoriaComeSta) {
    ASSERT_EQ(CaricaSoletta(dir / "SOL1.QVR", 0, M, nullptr), 0);
    Quota q;
    q.X1 = 0, q.Y1 = -200, q.X2 = 700, q.Y2 = -200;
    q.XP1 = 0, q.YP1 = 0, q.XP2 = 700, q.YP2 = 0;
    M.SezQuote.Quote.push_back(q);
    M.SezQuote.UltimaQuota = static_cast<int>(M.SezQuote.Quote.size()) - 1;
    Vista.PiantaCorrente = 2;
    Strati.VisLayerCorr = Strati.VisLayerVideo;  // as the last screen pass left them
    const std::string modello = dump::StampaModello(M);
    fs::remove(dir / "SOL1.QVR");  // nothing is read again
    ASSERT_TRUE(EsportaModelloDxf(M, dir / "m.dxf"));
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(dump::StampaModello(M), modello);
    EXPECT_EQ(Vista.PiantaCorrente, 2);
    EXPECT_EQ(Strati.VisLayerCorr, Strati.VisLayerVideo);
    // The dimension of every plan is drawn on each of the five plans of the sheet.
    const auto entita = SezioneDi(Voci(LeggiTutto(dir / "m.dxf")), "ENTITIES");
    int lunghe = 0;
    for (const auto& rec : RecordDi(entita, "DIMENSION"))
        lunghe += std::abs(std::stod(Valore(rec, " 14")) - std::stod(Valore(rec, " 13")) - 700 * Imp.FattoreDxf) < 1e-3;
    EXPECT_EQ(lunghe, 5);
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(dir, {VoceElenco(dir / "m.dxf", Strati, Imp.UnitaPerCm)}, rapporto), 0) << rapporto;

    Modello vuoto;
    EXPECT_FALSE(EsportaModelloDxf(vuoto, dir / "v.dxf"));
    EXPECT_EQ(Testi(), std::vector<std::string>{"Nessuna soletta caricata.\nGenerazione file DXF impossibile!"});
    EXPECT_FALSE(fs::exists(dir / "v.dxf"));
}

// The open slab listed for export with an unsaved zone: drawn from the model held, as the screen
// shows it, with no question; nothing is saved, and its file is not read again (it may even
// have gone). The other listed slab is read from its file.
TEST_F(EsportaProva, SolettaApertaDisegnataDalModelloTenuto) {
    Disegno.Ridisegna = [](int u) { Ridisegna(u); };
    ASSERT_EQ(CaricaProgetto(dir / "SOL1.QVR"), 0);
    ASSERT_TRUE(SalvaStatoUndo());
    Zona z;
    z.Tipo = 0, z.Diametro = 16, z.Passo = 15;
    z.Angoli = {Punto{420, 530}, Punto{780, 530}, Punto{780, 390}, Punto{420, 390}};
    z.XMin = 420, z.YMin = 390, z.XMax = 780, z.YMax = 530;
    z.XBarra1 = 420, z.YBarra1 = 390, z.XBarra2 = 780, z.YBarra2 = 390;
    z.XRif = z.XMarca = 600, z.YRif = z.YMarca = 460;
    z.UltVertice = 3;
    z.PoligonoCordolo = -1;
    M.Zone.Zone = {z};
    M.Zone.UltimaZona = 0;
    M.Zone.VerticiZone[0] = {z.Angoli.begin(), z.Angoli.end()};
    CalcolaArmature();
    ASSERT_TRUE(ProgettoModificato());
    const std::string modello = dump::StampaModello(M);
    fs::rename(dir / "SOL1.QVR", dir / "SOL1.bak");
    auto entita = [](const std::string& f) { return SezioneDi(Voci(LeggiTutto(f)), "ENTITIES").size(); };

    p.Dialoghi.Scelte = {dir / "solo2.dxf", dir / "entrambe.dxf"};
    ASSERT_TRUE(NewSalvaDXF({"SOL2.QVR"}, dir.Percorso()));
    ASSERT_TRUE(NewSalvaDXF({"SOL2.QVR", "SOL1.QVR"}, dir.Percorso()));
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    EXPECT_GT(entita(dir / "entrambe.dxf"), 2 * entita(dir / "solo2.dxf")) << "the unsaved zone is drawn";
    EXPECT_FALSE(fs::exists(dir / "SOL1.QV0"));
    EXPECT_TRUE(ProgettoModificato());
    EXPECT_EQ(dump::StampaModello(M), modello) << "the project in memory stays as it is";

    // The sheet of the model held is the one the model's own export writes, beside SOL2's.
    EsportaDxf.FormatoR12 = 1;
    ASSERT_TRUE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "elencata.dxf", &M));
    ASSERT_TRUE(EsportaModelloDxf(M, dir / "modello.dxf"));
    EXPECT_TRUE(LeggiTutto(dir / "elencata.dxf") == LeggiTutto(dir / "modello.dxf")) << "the model's own sheet";
    // Without the open project the listed file is looked for, and has gone.
    p.Msg.Visti.clear();
    EXPECT_FALSE(EsportaSoletteDxf({"SOL1.QVR"}, dir.Percorso(), dir / "senza.dxf"));
    ASSERT_FALSE(p.Msg.Visti.empty());
    EXPECT_NE(p.Msg.Visti[0].Testo.find("non trovato"), std::string::npos) << p.Msg.Visti[0].Testo;
    PulisciUndo();
}

namespace {

// The slab of tests/data/datiprogetto, whose results are in its design-data file and which has
// no reinforcement file, with its archive, in `cartella`.
void SolettaDatiProgetto(const std::string& cartella) {
    const std::string dati = std::string(VILMOR_DATI_PROVA) + "/datiprogetto";
    fs::create_directories(cartella);
    for (const char* f : {"SOLDP.QVR", "SOLDP.DAT", "ARCHIMPA.AI0"})
        fs::copy_file(dati + "/" + f, cartella + "/" + f, fs::copy_options::overwrite_existing);
}

// The area texts of a file's diffuse legends, in order.
std::vector<std::string> AreeLegende(const std::string& file) {
    std::vector<std::string> aree;
    for (const auto& rec : RecordDi(SezioneDi(Voci(LeggiTutto(file)), "ENTITIES"), "TEXT"))
        if (const std::string t = Valore(rec, "  1"); t.ends_with(" cmq/m")) aree.push_back(t);
    return aree;
}

}  // namespace

// A listed slab is loaded as a project opens, every derived figure computed: its legends give the
// areas of its mesh (Ø10/20, Ø10/25 upper, Ø12/25, Ø10/20 lower) and its sheet is the one the
// slab draws when it is the open project.
TEST_F(EsportaProva, SolettaElencataCaricataComeUnProgetto) {
    const std::string dp = dir / "dp";
    SolettaDatiProgetto(dp);
    ASSERT_FALSE(fs::exists(dp + "/SOLDP.QV0"));
    const std::vector<std::string> aree{"3.9 cmq/m", "3.1 cmq/m", "4.5 cmq/m", "3.9 cmq/m"};
    for (int r12 : {0, 1}) {
        EsportaDxf.FormatoR12 = r12;
        const std::string elencata = dir / ("elencata" + std::to_string(r12) + ".dxf");
        const std::string aperta = dir / ("aperta" + std::to_string(r12) + ".dxf");
        M = Modello{};
        ASSERT_TRUE(EsportaSoletteDxf({"SOLDP.QVR"}, dp, elencata));
        EXPECT_EQ(AreeLegende(elencata), aree);
        ASSERT_EQ(CaricaProgetto(dp + "/SOLDP.QVR"), 0);
        ASSERT_TRUE(EsportaModelloDxf(M, aperta));
        EXPECT_TRUE(LeggiTutto(elencata) == LeggiTutto(aperta)) << "the open project's sheet";
    }
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
}

namespace {

// Resident memory of the process, in KiB, from the kernel's status line `chiave`.
long MemoriaKb(const std::string& chiave) {
    const std::string s = LeggiTutto("/proc/self/status");
    const size_t i = s.find(chiave + ":");
    return i == std::string::npos ? -1 : std::atol(s.c_str() + i + chiave.size() + 1);
}

// The peak resident memory above what is resident now, from here on: free heap pages given back
// and the kernel's peak mark reset.
class PiccoMemoria {
public:
    PiccoMemoria() {
        malloc_trim(0);
        std::ofstream f("/proc/self/clear_refs");
        f << "5";
        f.close();
        valido_ = f.good();
        base_ = MemoriaKb("VmRSS");
    }
    bool Valido() const { return valido_ && base_ > 0; }
    long SopraKb() const { return MemoriaKb("VmHWM") - base_; }

private:
    bool valido_ = false;
    long base_ = 0;
};

}  // namespace

// The open project's slab, listed, is drawn from the model held: exporting it takes little
// memory beside it, where another slab as large is loaded whole.
TEST_F(EsportaProva, LaSolettaApertaElencataNonOccupaAltraMemoria) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own memory hides the model's";
#else
    const std::string soletta = SolettaInGriglia(40000, 200);
    ScriviTutto(dir / "GRANDE.QVR", soletta);
    ScriviTutto(dir / "ALTRA.QVR", soletta);
    ASSERT_EQ(CaricaProgetto(dir / "GRANDE.QVR"), 0);
    ASSERT_EQ(M.Analisi.NumNodi, 40000);
    // The first export makes what any export keeps (fonts, tables).
    ASSERT_TRUE(EsportaSoletteDxf({"GRANDE.QVR"}, dir.Percorso(), dir / "prima.dxf", &M));
    long aperta = 0, altra = 0;
    {
        PiccoMemoria picco;
        if (!picco.Valido()) GTEST_SKIP() << "the kernel's peak mark cannot be reset here";
        ASSERT_TRUE(EsportaSoletteDxf({"GRANDE.QVR"}, dir.Percorso(), dir / "aperta.dxf", &M));
        aperta = picco.SopraKb();
    }
    {
        PiccoMemoria picco;
        ASSERT_TRUE(EsportaSoletteDxf({"ALTRA.QVR"}, dir.Percorso(), dir / "altra.dxf", &M));
        altra = picco.SopraKb();
    }
    EXPECT_GT(altra, static_cast<long>(soletta.size() / 1024)) << "another slab is read and held whole";
    EXPECT_LT(aperta, altra / 8) << aperta << " KiB against " << altra << " KiB";
    EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    PulisciUndo();
#endif
}

TEST_F(EsportaProva, LeTavoleElencateNonSiToccanoAOgniScala) {
    // Each sheet of the list stands 200 cm clear of what the one before it draws, texts as wide
    // as the drawing's font writes them, at 1:50 and at 1:100 (where the texts grow and the
    // sheet reaches past its plan limits).
    struct Riquadri : UscitaDxf {
        std::vector<Ingombro> Box;
        void Misura(const std::function<void(MisuraDxf&)>& f) {
            MisuraDxf m;
            f(m);
            Box.push_back(m.Box);
        }
        void LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& l, int s) override {
            Misura([&](MisuraDxf& m) { m.LineaDxf(X1, Y1, X2, Y2, l, s); });
        }
        void CerchioDxf(float X, float Y, float r, const std::string& l, int s) override {
            Misura([&](MisuraDxf& m) { m.CerchioDxf(X, Y, r, l, s); });
        }
        void TestoDxf(const std::string& l, const std::string& t, float X, float Y, float h, float a, int o,
                      int v) override {
            Misura([&](MisuraDxf& m) { m.TestoDxf(l, t, X, Y, h, a, o, v); });
        }
        void QuotaDxf(const std::string& lq, const std::string& lt, const EntitaQuota& q) override {
            Misura([&](MisuraDxf& m) { m.QuotaDxf(lq, lt, q); });
        }
    };
    auto disegna = [&](const std::vector<std::string>& nomi) {
        Riquadri r;
        SinkDxf sink(&r);
        SinkDisegno* vecchio = Piatt.SinkDxf;
        Piatt.SinkDxf = &sink;
        EXPECT_EQ(DisegnaSoletteDxf(nomi, dir.Percorso()), static_cast<int>(nomi.size()));
        Piatt.SinkDxf = vecchio;
        return r.Box;
    };
    for (const std::string& soletta : {std::string("SOL1"), std::string("SOL8"), std::string("SOLDP")})
    for (int scala50 : {1, 0}) {
        SCOPED_TRACE(soletta + " scala 1:" + (scala50 ? "50" : "100"));
        if (soletta != "SOL1") {
            const std::string origine = std::string(VILMOR_DATI_PROVA) + (soletta == "SOL8" ? "/computo" : "/datiprogetto");
            for (const auto& f : fs::directory_iterator(origine))
                fs::copy_file(f.path(), dir / f.path().filename(), fs::copy_options::overwrite_existing);
            fs::copy_file(dir / (soletta + ".QVR"), dir / (soletta + "B.QVR"), fs::copy_options::overwrite_existing);
        }
        const std::string primo = soletta + ".QVR", secondo = soletta == "SOL1" ? "SOL2.QVR" : soletta + "B.QVR";
        Imp.ScalaDxf50 = scala50;
        Imp.FattoreDxf = scala50 ? 2 * Imp.UnitaPerCm : Imp.UnitaPerCm;
        const size_t n = disegna({primo}).size();
        const std::vector<Ingombro> due = disegna({primo, secondo});
        ASSERT_GT(n, 0u);
        ASSERT_GT(due.size(), n);
        float destraPrima = -1e30f, sinistraSeconda = 1e30f;
        for (size_t i = 0; i < due.size(); ++i) {
            if (due[i].Vuoto) continue;
            if (i < n) destraPrima = std::max(destraPrima, due[i].XMax);
            else sinistraSeconda = std::min(sinistraSeconda, due[i].XMin);
        }
        EXPECT_GE((sinistraSeconda - destraPrima) / Imp.FattoreDxf, 200.0f - 0.01f);
    }
}
