#include "model/FileDatiProgetto.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "base/Formati.h"
#include "model/LetturaSoletta.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Dati = std::string(VILMOR_DATI_PROVA) + "/datiprogetto/";

// One corner line: values 1 to 18 of the file.
struct Angolo {
    int Elemento = 1, Nodo = 1;
    double X = 0, Y = 0;
    double Inf1 = 0, Inf2 = 0, Sup1 = 0, Sup2 = 0, Taglio1 = 0, Taglio2 = 0;
    double Coeff = 0, AreaTot = 0, AreaPiolo = 0;
    int Pioli = 0, Listelli = 0, Tipo = 0, Stato = 0;
};

enum class Scarto { StessaRiga, RigaPropria };

std::string N(double v) { return dump::Num(v); }

std::string Testata(int versione, const std::string& diametri = "12,12,14,10,10,0",
                    const std::string& passi = "20,20,25,0.5") {
    std::string s = "DATIPROG " + std::to_string(versione) + "\r\n";
    for (const char* r : {"1, Combinazioni", "0, Non usato", "0, Non usato", "3, Copriferro", "15, Passo sup. 1",
                          "8, Diametro sup. 1", "15, Passo sup. 2", "8, Diametro sup. 2", "14, Integrativa 1",
                          "0, Integrativa 2", "0, Angolo dir. 1", "90, Angolo dir. 2"})
        s += std::string(r) + "\r\n";
    s += diametri + "\r\n" + passi + "\r\n";
    s += "Elem Nodo X Y Z Ai1 Ai2 As1 As2 T1 T2\r\n";
    s += "----\r\n";
    return s;
}

std::string Riga(const Angolo& a, int versione) {
    std::string s = std::to_string(a.Elemento) + "," + std::to_string(a.Nodo) + "," + N(a.X) + "," + N(a.Y) + ",0";
    for (double v : {a.Inf1, a.Inf2, a.Sup1, a.Sup2, a.Taglio1, a.Taglio2, a.Coeff, a.AreaTot, a.AreaPiolo})
        s += "," + N(v);
    s += "," + std::to_string(a.Pioli);
    if (versione >= 2) s += "," + std::to_string(a.Listelli) + "," + std::to_string(a.Tipo);
    if (versione >= 3) s += "," + std::to_string(a.Stato);
    return s;
}

std::string File(int versione, const std::vector<Angolo>& angoli, Scarto stile = Scarto::StessaRiga,
                 const std::string& testata = "") {
    std::string s = testata.empty() ? Testata(versione) : testata;
    for (const Angolo& a : angoli) {
        s += Riga(a, versione);
        s += stile == Scarto::StessaRiga ? "  fine angolo\r\n" : "\r\n----------\r\n";
    }
    return s;
}

// A four-corner element: (100.04, 50), (600, 50), (600, 350), (100, 50).
std::vector<Angolo> Esempio() {
    std::vector<Angolo> v(4);
    v[0].Nodo = 1, v[0].X = 100.04, v[0].Y = 50;
    v[0].Inf1 = 1, v[0].Inf2 = 2, v[0].Sup1 = 3, v[0].Sup2 = 4, v[0].Taglio1 = 0.5, v[0].Taglio2 = 0.5;
    v[1].Nodo = 2, v[1].X = 600, v[1].Y = 50;
    v[2].Nodo = 3, v[2].X = 600, v[2].Y = 350;
    v[2].Coeff = 1.5, v[2].AreaTot = 12, v[2].AreaPiolo = 1.13, v[2].Pioli = 6, v[2].Listelli = 8, v[2].Stato = 2;
    v[3].Nodo = 1, v[3].X = 100, v[3].Y = 50;
    v[3].Inf1 = 2, v[3].Inf2 = 1, v[3].Sup1 = 5, v[3].Sup2 = 1, v[3].Taglio1 = 1, v[3].Taglio2 = 2;
    return v;
}

Modello ModelloBase() {
    Modello m;
    m.Progetto.OrigineX = 100;
    m.Progetto.OrigineY = 50;
    m.Progetto.Spessore = 25;
    m.Progetto.PercorsoDatiProgetto = "/dati/SOL.DAT";
    return m;
}

// The model as text, punching records included.
std::string Testo(const Modello& m) {
    std::string s = dump::StampaModello(m);
    const ModelloAnalisi& a = m.Analisi;
    for (int j = 0; j < a.NumPunzonamenti; ++j) {
        const Punzonamento& r = a.Punzonamenti[static_cast<size_t>(j)];
        s += "P" + std::to_string(j) + " = " + N(r.X) + " " + N(r.Y) + " " + N(r.CoeffPerimetro) + " " +
             N(r.AreaTotPioli) + " " + N(r.AreaPiolo) + " " + std::to_string(r.PioliListello) + " " +
             std::to_string(r.NumListelli) + " " + std::to_string(r.TipoPunz) + " " + std::to_string(r.StatoPunz) +
             " " + std::to_string(r.IndicePilastro) + " " + std::to_string(r.IndiceNodo) + " " +
             std::to_string(r.NumTratti) + "\n";
    }
    return s;
}

bool Leggi(const std::string& byte, Modello& m) { return LeggiDatiProgettoDaByte(byte, m.Progetto.PercorsoDatiProgetto, m); }

}  // namespace

TEST(LeggiDatiProgetto, EsempioVersione3) {
    PiattaformaProva p;
    Modello m = ModelloBase();
    ErroreOperazione = 5;
    ASSERT_TRUE(Leggi(File(3, Esempio()), m));
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());

    const ModelloAnalisi& a = m.Analisi;
    ASSERT_EQ(a.NumNodi, 3);
    ASSERT_EQ(a.NumElementi, 1);
    const Elemento& e = a.Elementi[0];
    EXPECT_EQ(e.Triangolo, 1);
    EXPECT_EQ(e.NodoIdx[0], 0);
    EXPECT_EQ(e.NodoIdx[3], 0);
    EXPECT_EQ(e.NodoNum[2], 3);
    EXPECT_EQ(e.RichSup1[0], 3.0f);  // the corner keeps its own values
    EXPECT_EQ(e.RichInf1[3], 2.0f);
    const Nodo& n = a.Nodi[0];
    EXPECT_EQ(n.RichInf1, 2.0f);
    EXPECT_EQ(n.RichInf2, 2.0f);
    EXPECT_EQ(n.RichSup1, 5.0f);
    EXPECT_EQ(n.RichSup2, 4.0f);
    EXPECT_EQ(n.RichTaglio1, 1.0f);
    EXPECT_EQ(n.RichTaglio2, 2.0f);
    EXPECT_EQ(n.X, 0.0f);  // 100.04 merged at 100.0, less the origin
    EXPECT_EQ(n.Y, 0.0f);
    EXPECT_EQ(a.Nodi[2].X, 500.0f);

    ASSERT_EQ(a.NumPunzonamenti, 1);
    const Punzonamento& r = a.Punzonamenti[0];
    EXPECT_EQ(r.X, 500.0f);
    EXPECT_EQ(r.Y, 300.0f);
    EXPECT_EQ(r.StatoPunz, 2);
    EXPECT_EQ(r.CoeffPerimetro, 1.5f);
    EXPECT_EQ(r.AreaTotPioli, 12.0f);
    EXPECT_EQ(r.AreaPiolo, 1.13f);
    EXPECT_EQ(r.PioliListello, 6);
    EXPECT_EQ(r.NumListelli, 8);
    EXPECT_EQ(r.TipoPunz, 0);
    EXPECT_EQ(r.IndiceNodo, 2);
    EXPECT_EQ(r.IndicePilastro, -1);
    EXPECT_EQ(a.MinRichiesta[5], 12.0f);
    EXPECT_EQ(a.MaxRichiesta[5], 12.0f);

    EXPECT_EQ(m.Progetto.Copriferro, 3.0f);
    EXPECT_EQ(m.Diffusa.DiamDiffSup1, 12);
    EXPECT_EQ(m.Diffusa.DiamDiffInf1, 10);
    EXPECT_EQ(m.Diffusa.PassoDiffSup1, 20.0f);  // line 15 wins over line 6
    EXPECT_EQ(m.Diffusa.PassoDiffInf1, 25.0f);
    EXPECT_EQ(m.Diffusa.PassoDiffInf2, 20.0f);  // 0.5 is no spacing
    EXPECT_EQ(m.Zone.DiamIntegrativa, 14);
    EXPECT_EQ(m.Progetto.AngoloDir1Gradi, 0.0f);
    EXPECT_EQ(m.Progetto.AngoloDir2Gradi, 90.0f);
    EXPECT_EQ(m.Progetto.AngoloDir2, GradiRadianti(90.0f));
}

TEST(LeggiDatiProgetto, VersioniEStiliDanLoStessoModello) {
    PiattaformaProva p;
    std::vector<Angolo> angoli = Esempio();
    for (Angolo& a : angoli) a.Listelli = 0, a.Tipo = 0, a.Stato = 0;  // what versions 1 and 2 lack
    std::vector<Angolo> secondo = Esempio();
    for (Angolo& a : secondo) a.Elemento = 2, a.X += 1000, a.Listelli = 0, a.Stato = 0;
    angoli.insert(angoli.end(), secondo.begin(), secondo.end());

    Modello rif = ModelloBase();
    ASSERT_TRUE(Leggi(File(3, angoli), rif));
    ASSERT_EQ(rif.Analisi.NumElementi, 2);
    ASSERT_EQ(rif.Analisi.NumPunzonamenti, 2);
    const std::string atteso = Testo(rif);
    for (int versione : {1, 2, 3}) {
        for (Scarto stile : {Scarto::StessaRiga, Scarto::RigaPropria}) {
            for (const char* coda : {"", "\r\n\r\n  \r\n", "\n \t"}) {
                Modello m = ModelloBase();
                std::string f = File(versione, angoli, stile) + coda;
                SCOPED_TRACE(std::to_string(versione) + " " + std::to_string(static_cast<int>(stile)) + " [" +
                             coda + "]");
                ASSERT_TRUE(Leggi(f, m));
                EXPECT_EQ(Testo(m), atteso);
            }
        }
    }
    // The discard line of the last corner may be missing at the end of the file, and line
    // ends may be plain LF.
    std::string f = File(3, angoli, Scarto::RigaPropria);
    f.erase(f.size() - std::string("----------\r\n").size());
    Modello m = ModelloBase();
    ASSERT_TRUE(Leggi(f, m));
    EXPECT_EQ(Testo(m), atteso);
    std::string lf = File(3, angoli);
    for (size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.erase(i, 1);
    Modello m2 = ModelloBase();
    ASSERT_TRUE(Leggi(lf, m2));
    EXPECT_EQ(Testo(m2), atteso);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(LeggiDatiProgetto, FileRifiutatiLascianoIlModello) {
    PiattaformaProva p;
    Modello aperto = ModelloBase();
    ASSERT_TRUE(Leggi(File(3, Esempio()), aperto));
    aperto.Zone.DiamIntegrativa = 99;
    const std::string prima = Testo(aperto);

    std::string troncato = File(3, Esempio());
    troncato.erase(troncato.rfind("1,1,100,50"));  // ends after three corners
    std::string abc = File(3, Esempio());
    abc.replace(abc.find("600,350"), 3, "abc");
    std::string diametroSup = File(3, Esempio());
    diametroSup.replace(diametroSup.find("8, Diametro sup. 1"), 1, "101");
    std::vector<Angolo> nodoMinimo = Esempio();
    nodoMinimo[1].Nodo = -2147483647 - 1;  // written less one in the verification file
    struct Caso {
        std::string File;
        std::string Messaggio;
    } casi[] = {
        {"DATIPROG 4\r\n" + File(3, Esempio()).substr(12), "Versione del file non compatibile.\nAggiornare il modulo: "},
        {"DATIPROG 12\r\n", "Versione del file non compatibile."},
        {troncato, "File non leggibile:\n/dati/SOL.DAT\nFine del file inattesa (riga 21)."},
        {abc, "File non leggibile:\n/dati/SOL.DAT\nValore numerico non valido (riga 20)."},
        {"DATI3\r\n" + File(3, Esempio()).substr(12), "File non leggibile:\n/dati/SOL.DAT\nValore numerico non valido (riga 1)."},
        {"DATIPROG x3\r\n", "Valore numerico non valido (riga 1)."},
        {"DATIPROG 0\r\n", "Valore numerico non valido (riga 1)."},
        {"", "Fine del file inattesa (riga 1)."},
        {Testata(3).substr(0, 57), "Fine del file inattesa (riga 5)."},
        {Testata(3, "12,12,14,10"), "Fine del file inattesa (riga 14)."},
        {Testata(3, "12,12,14,10,10,0", "20,20,x,1"), "Valore numerico non valido (riga 15)."},
        {diametroSup, "Valore fuori intervallo (riga 7)."},
        {Testata(3, "12,2147483647,14,10,10,0"), "Valore fuori intervallo (riga 14)."},
        {Testata(3, "12,12,-1,10,10,0"), "Valore fuori intervallo (riga 14)."},
        {Testata(3, "12,12,14,10,10,101"), "Valore fuori intervallo (riga 14)."},
        {File(3, nodoMinimo), "Valore fuori intervallo (riga 19)."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Messaggio);
        p.Msg.Visti.clear();
        Modello m = aperto;
        ErroreOperazione = 0;
        EXPECT_FALSE(Leggi(c.File, m));
        EXPECT_EQ(ErroreOperazione, 1);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_NE(p.Msg.Visti[0].Testo.find(c.Messaggio), std::string::npos) << p.Msg.Visti[0].Testo;
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(Testo(m), prima);
    }

    // A corner that lies, less the slab's origin, beyond 100 km: every corner of an origin far
    // away, one far away, one just beyond the limit; one just within it is taken.
    struct {
        float origine;
        double x, y;
        int riga;  // 0: read
    } lontani[] = {{-3e38f, 3e38, 350, 18}, {0, 1e38, 350, 20}, {100, 600, -1.00001e7, 20}, {100, 10000100, 350, 0}};
    for (const auto& c : lontani) {
        p.Msg.Visti.clear();
        Modello m = ModelloBase();
        m.Progetto.OrigineX = c.origine;
        const std::string vuoto = Testo(m);
        std::vector<Angolo> v = Esempio();
        v[2].X = c.x, v[2].Y = c.y;
        EXPECT_EQ(Leggi(File(3, v), m), c.riga == 0) << c.x << " " << c.y;
        if (c.riga == 0) continue;
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File non leggibile:\n/dati/SOL.DAT\nValore fuori intervallo (riga " +
                                            std::to_string(c.riga) + ").");
        EXPECT_EQ(Testo(m), vuoto);
    }
    ErroreOperazione = 0;
}

TEST(LeggiDatiProgetto, PosizioniNelPianoEAggancioAlPilastro) {
    PiattaformaProva p;
    Modello m = ModelloBase();
    m.Progetto.OrigineX = 0.03f;
    m.Progetto.OrigineY = 0;
    for (float x : {300.0f, 600.0f}) {  // two archive-typed columns, boxes +-15
        Pilastro c;
        c.X = x, c.Y = 200;
        c.XMin = x - 15, c.XMax = x + 15, c.YMin = 185, c.YMax = 215;
        m.Soletta.Pilastri.push_back(c);
    }
    m.Soletta.NumPilastri = 2;
    std::vector<Angolo> v(8);
    // 0.9 cm left of the first box (after the origin), exactly 1 cm left of the second.
    double xs[8] = {284.13, 400, 400, 284.13, 584.03, 700, 700, 584.03};
    for (size_t i = 0; i < 8; ++i) {
        v[i].Elemento = 1 + static_cast<int>(i / 4);
        v[i].Nodo = static_cast<int>(i) + 1;
        v[i].X = xs[i];
        v[i].Y = i % 4 == 2 ? 300 : 200;
    }
    v[0].Pioli = 4, v[0].AreaTot = 3, v[0].Coeff = 1.5;
    v[4].Stato = -1, v[4].AreaTot = 7;
    ASSERT_TRUE(Leggi(File(3, v), m));
    const ModelloAnalisi& a = m.Analisi;
    ASSERT_EQ(a.NumPunzonamenti, 2);
    EXPECT_EQ(a.Punzonamenti[0].IndicePilastro, 0);
    EXPECT_EQ(a.Punzonamenti[1].IndicePilastro, -1);
    EXPECT_EQ(a.Punzonamenti[0].X, 284.1f);  // 284.1 - 0.03, to 0.1 cm
    EXPECT_EQ(a.Punzonamenti[1].X, 584.0f);
    EXPECT_FLOAT_EQ(a.Nodi[0].X, 284.07f);  // nodes are not rounded after the shift
    EXPECT_EQ(a.MinRichiesta[5], 3.0f);
    EXPECT_EQ(a.MaxRichiesta[5], 7.0f);
}

TEST(LeggiDatiProgetto, DiametroIntegrativo) {
    PiattaformaProva p;
    struct Caso {
        std::string diametri;
        int atteso;
    } casi[] = {{"12,12,0,10,10,0", 12}, {"12,12,14,10,10,0", 14}, {"12,12,0,10,10,16", 16}, {"12,12,10,10,10,8", 10}};
    for (const Caso& c : casi) {
        Modello m = ModelloBase();
        ASSERT_TRUE(Leggi(File(3, Esempio(), Scarto::StessaRiga, Testata(3, c.diametri)), m)) << c.diametri;
        EXPECT_EQ(m.Zone.DiamIntegrativa, c.atteso) << c.diametri;
    }
}

TEST(LeggiDatiProgetto, AvvisoPerLaDisposizioneNonRadiale) {
    PiattaformaProva p;
    std::vector<Angolo> v = Esempio();
    v[1].Tipo = 1;  // an arrangement with no studs still counts
    Modello m = ModelloBase();
    ASSERT_TRUE(Leggi(File(3, v), m));
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Attualmente l'armatura a punzonamento viene disegnata solo se di tipo radiale.");
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(m.Analisi.NumPunzonamenti, 1);
}

TEST(LeggiDatiProgetto, IndipendenteDalleImpostazioniLocali) {
    PiattaformaProva p;
    const char* vecchio = std::setlocale(LC_ALL, nullptr);
    std::string salvato = vecchio ? vecchio : "C";
    bool italiano = std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
    Modello m = ModelloBase();
    bool ok = Leggi(File(3, Esempio()), m);
    std::setlocale(LC_ALL, salvato.c_str());
    if (!italiano) GTEST_SKIP() << "locale it_IT.UTF-8 non disponibile";
    ASSERT_TRUE(ok);
    EXPECT_EQ(m.Analisi.Punzonamenti[0].AreaPiolo, 1.13f);
    EXPECT_EQ(m.Diffusa.PassoDiffInf1, 25.0f);
}

TEST(LeggiDatiProgetto, NomeDelFileSenzaBadareAlleMaiuscole) {
    PiattaformaProva p;
    CartellaTemp t;
    ScriviTutto(t / "Sol.dat", File(3, Esempio()));
    Modello m = ModelloBase();
    m.Progetto.PercorsoDatiProgetto = t / "SOL.DAT";
    EXPECT_EQ(TrovaDatiProgetto(m.Progetto.PercorsoDatiProgetto), t / "Sol.dat");
    ASSERT_TRUE(LeggiDatiProgetto(m));
    EXPECT_EQ(m.Analisi.NumNodi, 3);

    Modello n = ModelloBase();
    n.Progetto.PercorsoDatiProgetto = t / "ALTRO.DAT";
    EXPECT_EQ(TrovaDatiProgetto(n.Progetto.PercorsoDatiProgetto), "");
    EXPECT_FALSE(LeggiDatiProgetto(n));
    EXPECT_EQ(ErroreOperazione, 1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Impossibile aprire il file:\n" + t / "ALTRO.DAT");
    ErroreOperazione = 0;
}
