#include "app/AvvioProgramma.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "app/BarreComandi.h"
#include "app/ComandiFile.h"
#include "app/Undo.h"
#include "base/FileTesto.h"
#include "base/Testi.h"
#include "model/FileArmature.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Titolo.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

// A run of the program's start and end on temporary folders: the settings folder under
// `dir/config`, every process-wide group put back afterwards.
struct AvvioProva : ::testing::Test {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = M;
    StatoVista vista = Vista;
    Impostazioni imp = Imp;
    StratiDisegno strati = Strati;
    IdentificatoriComandi comandi = Comandi;
    ListaRecenti recenti = Recenti;
    StatoUndo undo = Undo;
    Cartelle cartelle = Dir;
    std::string xdg;

    void SetUp() override {
        const char* x = std::getenv("XDG_CONFIG_HOME");
        xdg = x ? x : "";
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        ImpostaCartelle();
        fs::create_directories(Dir.CartellaImpostazioni);
        M = Modello{};
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
    }
    void TearDown() override {
        Piatt.GuastoScritturaProva = nullptr;
        M = m;
        Vista = vista;
        Imp = imp;
        Strati = strati;
        Comandi = comandi;
        Recenti = recenti;
        Undo = undo;
        Dir = cartelle;
        if (xdg.empty()) ::unsetenv("XDG_CONFIG_HOME");
        else ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    }
    std::string Slab(const std::string& cartella, const std::string& nome) {
        fs::create_directories(dir / cartella);
        fs::copy_file(Campione + "/SOL1.QVR", dir / (cartella + "/" + nome), fs::copy_options::overwrite_existing);
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / (cartella + "/ARCHIMPA.AI0"),
                      fs::copy_options::overwrite_existing);
        return dir / (cartella + "/" + nome);
    }
    void Chiave(const std::string& riga) {
        ScriviTutto(Dir.CartellaImpostazioni + "/" + FileChiavi,
                    LeggiTutto(Dir.CartellaImpostazioni + "/" + FileChiavi) + riga + "\r\n");
    }
    // Files of a folder by name.
    std::map<std::string, std::string> Contenuto(const std::string& cartella) {
        std::map<std::string, std::string> r;
        for (const auto& e : fs::directory_iterator(cartella))
            if (e.is_regular_file()) r[e.path().filename().string()] = LeggiTutto(e.path().string());
        return r;
    }
};

}  // namespace

TEST(FiltraApici, UnaCoppiaDiApici) {
    struct Caso {
        std::string Testo, Atteso;
    };
    for (const Caso& c : {Caso{"\"a\"", "a"}, Caso{"a\"", "a"}, Caso{"a\"b\"", "a\"b\""}, Caso{"\"\"", ""},
                          Caso{"\"a", "a"}, Caso{"", ""}, Caso{"\"/d/Sol 1.QVR\"", "/d/Sol 1.QVR"}}) {
        std::string t = c.Testo;
        EXPECT_EQ(FiltraApici(t), c.Atteso) << c.Testo;
        EXPECT_EQ(t, c.Atteso) << "the argument itself changes: " << c.Testo;
    }
}

TEST(FiltraApici, PercorsoDellaRigaDiComando) {
    struct Caso {
        std::string Riga, Atteso;
    };
    for (const Caso& c : {Caso{"\"/d/A.QVR\"", "/d/A.QVR"}, Caso{"/d/a.qvr", "/d/a.qvr"},
                          Caso{"/d/A.QVR.BAK", "/d/A.QVR"}, Caso{"/d/Sol.Qvr.old.2", "/d/Sol.Qvr"},
                          Caso{"/d/A.TXT", ""}, Caso{"", ""}, Caso{"/d/Sol 1.QVR", "/d/Sol 1.QVR"},
                          Caso{"/d/x.qvr/A.TXT", ""}, Caso{"/d/x.qvr/B.QVR", "/d/x.qvr/B.QVR"}}) {
        EXPECT_EQ(PercorsoSolettaDaRiga(c.Riga), c.Atteso) << c.Riga;
    }
    // A relative path names the file of the folder the program started in.
    const std::string qui = fs::current_path().string();
    for (const Caso& c : {Caso{"A.QVR", qui + "/A.QVR"}, Caso{"\"./x/A.qvr.bak\"", qui + "/x/A.qvr"},
                          Caso{"../A.QVR", fs::current_path().parent_path().string() + "/A.QVR"}}) {
        EXPECT_EQ(PercorsoSolettaDaRiga(c.Riga), c.Atteso) << c.Riga;
    }
    const char* argv[] = {"vilmor", "/d/Sol", "1.QVR"};
    EXPECT_EQ(RigaComando(3, argv), "/d/Sol 1.QVR");
    EXPECT_EQ(RigaComando(1, argv), "");
}

TEST(Finestra, TwipsERettangoloIniziale) {
    EXPECT_EQ(TwipsPerPixelDaDpi(96), 15);
    EXPECT_EQ(TwipsPerPixelDaDpi(120), 12);
    EXPECT_EQ(TwipsPerPixelDaDpi(144), 10);
    EXPECT_EQ(TwipsPerPixelDaDpi(100), 14);
    EXPECT_EQ(TwipsPerPixelDaDpi(0), 15);
    const RettangoloFinestra r = RettangoloIniziale(0, 0, 24000, 15000);
    EXPECT_EQ(r.Left, 100);
    EXPECT_EQ(r.Top, 100);
    EXPECT_EQ(r.Width, 23800);
    EXPECT_EQ(r.Height, 14800);
    const RettangoloFinestra s = RettangoloIniziale(1500, 300, 6000, 3000);
    EXPECT_EQ(s.Left, 1600);
    EXPECT_EQ(s.Top, 400);
}

TEST_F(AvvioProva, RettangoloDalleChiavi) {
    const RettangoloFinestra base{100, 100, 23800, 14800};
    RettangoloFinestra r = base;
    LeggiRettangoloFinestra(r);  // no key store at all
    EXPECT_EQ(r.Width, base.Width);

    Chiave("Vilmor\\Settings\\MainWidth=15000");
    Chiave("Vilmor\\Settings\\MainHeight=abc");
    Chiave("vilmor\\settings\\mainleft= 1500 ");
    Chiave("Vilmor\\Settings\\MainTop=");
    Chiave("Altro\\Settings\\MainTop=3000");
    r = base;
    LeggiRettangoloFinestra(r);
    EXPECT_EQ(r.Width, 15000);
    EXPECT_EQ(r.Height, base.Height) << "not a number: kept";
    EXPECT_EQ(r.Left, 1500);
    EXPECT_EQ(r.Top, base.Top) << "empty, or another key's";
    EXPECT_FALSE(fs::exists(Dir.CartellaImpostazioni + "/Vilmor.ini")) << "nothing is written";
}

TEST(Finestra, ColonnaADestra) {
    // 253 x 73 / 201 / 261 / 53 pixels: the panel takes what is left, at least 27.
    DisposizioneColonna d = DisponiColonna(0, 0, 1280, 700, 253, 73, 201, 261, 53, 27);
    EXPECT_EQ(d.Frame2.Left, 1027);
    EXPECT_EQ(d.Frame2.Top, 0);
    EXPECT_EQ(d.Picture2.Top, 73);
    EXPECT_EQ(d.RichTextBox1.Top, 274);
    EXPECT_EQ(d.PropertyGrid1.Top, 535);
    EXPECT_EQ(d.PropertyGrid1.Height, 112);
    EXPECT_EQ(d.Label1.Top, 647);
    EXPECT_EQ(d.Label1.Top + d.Label1.Height, 700);
    for (const Riquadro& q : {d.Frame2, d.Picture2, d.RichTextBox1, d.PropertyGrid1, d.Label1}) {
        EXPECT_EQ(q.Left, 1027);
        EXPECT_EQ(q.Width, 253);
    }
    EXPECT_EQ(d.Piano.Left, 0);
    EXPECT_EQ(d.Piano.Width, 1027);
    EXPECT_EQ(d.Piano.Height, 700);

    d = DisponiColonna(0, 30, 600, 500, 253, 73, 201, 261, 53, 27);
    EXPECT_EQ(d.Frame2.Top, 30);
    EXPECT_EQ(d.PropertyGrid1.Height, 27) << "never below its least height";
    EXPECT_EQ(d.Label1.Top, 30 + 73 + 201 + 261 + 27);

    // Rows of 180 pixels: the information panel gives what it has beyond its 60; below that
    // the panel scrolls, at least 27 high.
    struct Caso {
        int B, righe, info, pannello;
    };
    for (const Caso& c : {Caso{700, 180, 193, 180}, Caso{700, 100, 261, 112}, Caso{600, 180, 93, 180},
                          Caso{500, 180, 60, 113}, Caso{400, 180, 60, 27}}) {
        d = DisponiColonna(0, 0, 1280, c.B, 253, 73, 201, 261, 53, 27, c.righe, 60);
        SCOPED_TRACE(c.B);
        EXPECT_EQ(d.RichTextBox1.Height, c.info);
        EXPECT_EQ(d.PropertyGrid1.Top, 73 + 201 + c.info);
        EXPECT_EQ(d.PropertyGrid1.Height, std::max(27, c.pannello));
        EXPECT_EQ(d.Label1.Top, d.PropertyGrid1.Top + d.PropertyGrid1.Height);
    }
}

TEST_F(AvvioProva, ImpostazioniDopoIColori) {
    // A settings file with another colour for layer 5, a snap switched off and large icons.
    ImpostaDefault();
    ImpostaColori();
    Strati.ColoriLayer[5] = Rgb(1, 2, 3);
    Strati.OsnapQuote[3] = 0;
    Imp.IconeGrandi = 1;
    ASSERT_TRUE(SalvaIni());
    Strati = StratiDisegno{};
    Imp = Impostazioni{};
    M.Soletta.Contorno.clear();

    PreparaAvvio();
    EXPECT_EQ(Strati.ColoriLayer[5], Rgb(1, 2, 3));
    EXPECT_EQ(Strati.OsnapQuote[3], 0);
    EXPECT_EQ(Strati.OsnapQuote[2], 1);
    EXPECT_EQ(Comandi.IdApri, 2100);
    EXPECT_EQ(Comandi.IdComputo, 2147);
    EXPECT_EQ(M.Soletta.Contorno.size(), 2u);

    // Without the file: the defaults, small icons.
    fs::remove(FileImpostazioni());
    PreparaAvvio();
    EXPECT_NE(Strati.ColoriLayer[5], Rgb(1, 2, 3));
    EXPECT_EQ(Strati.OsnapQuote[3], 1);
    EXPECT_EQ(Comandi.IdApri, 1100);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(AvvioProva, ProgettoDellaRigaDiComando) {
    Slab("S", "A.QVR");
    Slab("S", "b.qvr");
    Slab("S", "C.QVR.BAK");
    Slab("S", "C.QVR");
    Slab("S", "D.QVR.BAK");
    ScriviTutto(dir / "S/E.TXT", "testo");
    struct Caso {
        std::string Riga;
        std::string Aperto;  // "" untitled
        bool Messaggio;
    };
    const std::string s = dir / "S";
    for (const Caso& c : {Caso{"\"" + s + "/A.QVR\"", s + "/A.QVR", false}, Caso{s + "/b.qvr", s + "/b.qvr", false},
                          Caso{s + "/C.QVR.BAK", s + "/C.QVR", false}, Caso{s + "/E.TXT", "", false},
                          Caso{"", "", false}, Caso{s + "/F.QVR", "", true}, Caso{s + "/D.QVR.BAK", "", true}}) {
        SCOPED_TRACE(c.Riga);
        M = Modello{};
        p.Msg.Visti.clear();
        p.Finestra.Titolo.clear();
        ApriProgettoIniziale(PercorsoSolettaDaRiga(c.Riga));
        EXPECT_EQ(M.Progetto.PercorsoSoletta, c.Aperto);
        if (c.Aperto.empty()) {
            EXPECT_EQ(M.Soletta.NumVertContorno, 0);
            EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ Anonimo ]");
        } else {
            EXPECT_EQ(M.Progetto.CartellaLavoro, s);
            EXPECT_GT(M.Soletta.NumVertContorno, 2);
            EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ " + MaiuscoloUtf8(NomeFile(c.Aperto)) + " ]");
        }
        if (c.Messaggio) {
            ASSERT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_NE(p.Msg.Visti[0].Testo.find("non trovato"), std::string::npos) << p.Msg.Visti[0].Testo;
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        } else {
            EXPECT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
        }
    }
}

TEST_F(AvvioProva, RigaRelativaNellElencoRecenti) {
    // Started as "vilmor ../L/SOL1.QVR" from another folder.
    const std::string sol = Slab("L", "SOL1.QVR");
    fs::create_directories(dir / "altra");
    const fs::path prima = fs::current_path();
    fs::current_path(dir / "altra");
    const std::string percorso = PercorsoSolettaDaRiga("../L/SOL1.QVR");
    fs::current_path(prima);
    EXPECT_EQ(percorso, sol);
    ASSERT_EQ(ApriProgettoIniziale(percorso), 0);
    EXPECT_EQ(M.Progetto.CartellaLavoro, dir / "L");
    p.Msg.Risposte = {RispostaMsg::No};
    EXPECT_TRUE(ChiusuraProgramma());
    EXPECT_EQ(LeggiTutto(FileRecenti()), "1\r\n\"" + sol + "\"\r\n");
}

TEST_F(AvvioProva, Uscita) {
    const std::string sol = Slab("L", "SOL1.QVR");
    const std::string lavoro = dir / "L";
    const std::string mem = FileRecenti();
    // Loads the slab, takes two undo snapshots and leaves an old list file.
    auto prepara = [&] {
        M = Modello{};
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
        SvuotaCartellaUndo();
        for (const char* f : {"SOL1.QV0", "set0001.SET"}) fs::remove(dir / ("L/" + std::string(f)));
        ScriviTutto(mem, "1\r\n\"/vecchio/X.QVR\"\r\n");
        ASSERT_EQ(ApriProgettoIniziale(sol), 0);
        ASSERT_TRUE(SalvaStatoUndo());
        ASSERT_TRUE(SalvaStatoUndo());
        ASSERT_TRUE(fs::exists(CartellaUndo() + "/UNSOL1.TMP"));
        p.Msg.Visti.clear();
    };
    auto snapshot = [&] {
        int n = 0;
        for (const auto& e : fs::directory_iterator(CartellaUndo())) n += e.path().extension() == ".TMP";
        return n;
    };
    auto domanda = [&](const MessaggioVisto& v) {
        EXPECT_EQ(v.Testo, "Vuoi salvare prima di uscire?");
        EXPECT_EQ(v.Pulsanti, PulsantiMsg::SiNoAnnulla);
        EXPECT_EQ(v.Icona, IconaMsg::Nessuna);
        EXPECT_EQ(v.Titolo, "Uscita dal programma");
    };

    // Annulla (also Escape and the question's close box): the program goes on as it was.
    prepara();
    {
        const auto prima = Contenuto(lavoro);
        const std::string memPrima = LeggiTutto(mem);
        p.Msg.Risposte = {RispostaMsg::Annulla};
        EXPECT_FALSE(ChiusuraProgramma());
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        domanda(p.Msg.Visti[0]);
        EXPECT_EQ(Contenuto(lavoro), prima) << "nothing saved, the snapshots kept";
        EXPECT_EQ(LeggiTutto(mem), memPrima);
        EXPECT_EQ(Undo.UndoUltimo, 2);
        PulisciUndo();
    }

    // No: the list written, the snapshots gone, nothing saved.
    prepara();
    p.Msg.Risposte = {RispostaMsg::No};
    EXPECT_TRUE(ChiusuraProgramma());
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    domanda(p.Msg.Visti[0]);
    EXPECT_EQ(LeggiTutto(mem), "1\r\n\"" + sol + "\"\r\n");
    EXPECT_EQ(snapshot(), 0);
    EXPECT_EQ(Undo.UndoUltimo, 0);
    EXPECT_FALSE(fs::exists(lavoro + "/SOL1.QV0"));

    // Yes: the reinforcement and verification files, then the same.
    prepara();
    p.Msg.Risposte = {RispostaMsg::Si};
    EXPECT_TRUE(ChiusuraProgramma());
    EXPECT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_TRUE(fs::exists(lavoro + "/SOL1.QV0"));
    bool set = false;
    for (const auto& e : fs::directory_iterator(lavoro)) set |= e.path().extension() == ".SET";
    EXPECT_TRUE(set);
    EXPECT_EQ(LeggiTutto(mem), "1\r\n\"" + sol + "\"\r\n");
    EXPECT_EQ(snapshot(), 0);

    // Yes with a write that fails: its message, and nothing else of the exit runs.
    prepara();
    const auto prima = Contenuto(lavoro);
    const std::string memPrima = LeggiTutto(mem);
    Piatt.GuastoScritturaProva = [](const std::string& f) { return f.ends_with(".QV0"); };
    p.Msg.Risposte = {RispostaMsg::Si};
    EXPECT_FALSE(ChiusuraProgramma());
    Piatt.GuastoScritturaProva = nullptr;
    ASSERT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_NE(p.Msg.Visti[1].Testo.find("SOL1.QV0"), std::string::npos) << p.Msg.Visti[1].Testo;
    EXPECT_EQ(Contenuto(lavoro), prima) << "nothing written";
    EXPECT_EQ(snapshot(), 2) << "snapshots kept";
    EXPECT_EQ(LeggiTutto(mem), memPrima);
    EXPECT_EQ(Undo.UndoUltimo, 2);
    PulisciUndo();

    // Yes on the untitled project: the refusal, and the exit goes on.
    M = Modello{};
    Recenti = ListaRecenti{};
    p.Msg.Visti.clear();
    p.Msg.Risposte = {RispostaMsg::Si};
    EXPECT_TRUE(ChiusuraProgramma());
    ASSERT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_EQ(p.Msg.Visti[1].Testo, MsgNessunaSoletta);
    EXPECT_EQ(p.Msg.Visti[1].Titolo, "Attenzione!");
    EXPECT_TRUE(p.Dialoghi.Richieste.empty()) << "no save dialog for nothing to save";
}

TEST_F(AvvioProva, ComandiDellaBarra) {
    SettaIdComandi(1);
    CommandBars_Execute(Comandi.IdEsci);
    EXPECT_EQ(p.Finestra.Chiusure, 1);
    CommandBars_Execute(IdInformazioni);
    EXPECT_EQ(p.Finestra.Informazioni, 1);
    // The others wait for their dispatch; an empty recent entry does nothing.
    for (int32_t id : {Comandi.IdApri, Comandi.IdZoom, Comandi.IdComputo, IdGeneraDxf, IdRecente0, 0})
        CommandBars_Execute(id);
    EXPECT_EQ(p.Finestra.Chiusure, 1);
    EXPECT_EQ(p.Finestra.Informazioni, 1);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(M.Soletta.NumVertContorno, 0);

    // A recent entry opens its file, as the list holds it at the click.
    const std::string a = Slab("R", "A.QVR"), b = Slab("R", "B.QVR");
    Recenti.NumRecenti = 2;
    Recenti.ElencoRecenti = {a, b, "", ""};
    const fs::path cwd = fs::current_path();
    CommandBars_Execute(IdRecente0 + 1);
    fs::current_path(cwd);
    EXPECT_EQ(M.Progetto.PercorsoSoletta, b);
    EXPECT_EQ(Recenti.ElencoRecenti[0], b);
    EXPECT_EQ(p.Finestra.Lato, 0);
}

TEST(BarreComandi, Tabelle) {
    // The buttons follow the order of the commands.
    const auto& t = TabellaPulsanti();
    for (size_t i = 1; i < t.size(); ++i) EXPECT_LT(t[i - 1].K, t[i].K);
    // 47 images per size, all names different within a size.
    for (bool grande : {false, true}) {
        std::set<std::string> nomi;
        for (int k : OffsetIcone()) {
            ASSERT_NE(NomeIcona(k, grande), nullptr) << k;
            nomi.insert(NomeIcona(k, grande));
        }
        EXPECT_EQ(nomi.size(), 47u);
    }
    EXPECT_EQ(NomeIcona(104, false), nullptr);
    EXPECT_STREQ(NomeIcona(110, true), "zpiu");
    EXPECT_STREQ(NomeIcona(126, true), "punz1");
    EXPECT_EQ(SenzaMnemonico("&Apri"), "Apri");
    EXPECT_EQ(SenzaMnemonico("A && B"), "A & B");
    SettaIdComandi(2);
    EXPECT_EQ(IdVoceFile(TabellaMenuFile()[8]), 2103);
    EXPECT_EQ(IdVoceFile(TabellaMenuFile()[5]), 503);
    SettaIdComandi(1);
}
