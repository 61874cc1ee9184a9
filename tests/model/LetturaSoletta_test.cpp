#include "model/LetturaSoletta.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "model/LetturaArchivio.h"
#include "model/Poligoni.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Dati = std::string(VILMOR_DATI_PROVA) + "/soletta/";
const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR";

// The destination of a refused read: a slab already open, which must stay as it was.
Modello ModelloAperto() {
    PiattaformaProva p;
    Modello m;
    EXPECT_TRUE(LeggiSoletta(Campione, m));
    m.Progetto.CartellaLavoro = "/lavoro";
    m.Zone.UltimaZona = 3;
    return m;
}

std::vector<std::string> Righe(const std::string& byte) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < byte.size()) {
        size_t f = byte.find("\r\n", i);
        if (f == std::string::npos) f = byte.size();
        r.push_back(byte.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

std::string Unisci(const std::vector<std::string>& righe) {
    std::string s;
    for (const auto& r : righe) s += r + "\r\n";
    return s;
}

// 0-based index of the n-th line (from 0) equal to `testo`.
size_t TrovaRiga(const std::vector<std::string>& righe, const std::string& testo, int n = 0) {
    for (size_t i = 0; i < righe.size(); ++i)
        if (righe[i] == testo && n-- == 0) return i;
    ADD_FAILURE() << "riga non trovata: " << testo;
    return 0;
}

}  // namespace

TEST(LetturaSoletta, VersioniRifiutate) {
    const std::string nuova =
        std::string("Versione del file non compatibile.\nAggiornare il modulo: ") + SitoProduttore;
    const std::string vecchia =
        "File non compatibile con l'attuale versione\nAggiornare il modulo Meranto Disegno impalcati";
    struct {
        std::string file;
        bool controlloRifiuta;  // the version check alone refuses it
        std::string messaggio;
    } casi[] = {
        {"V5.QVR", true, nuova},
        {"V2.QVR", false, vecchia},
    };
    Modello m = ModelloAperto();
    const std::string prima = dump::StampaModello(m);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file);
        PiattaformaProva p;
        EXPECT_EQ(ControllaVersioneSoletta(Dati + c.file, m), !c.controlloRifiuta);
        EXPECT_EQ(ErroreOperazione, c.controlloRifiuta ? 1 : 0);
        EXPECT_FALSE(LeggiSoletta(Dati + c.file, m));
        EXPECT_EQ(ErroreOperazione, 1);
        ASSERT_EQ(p.Msg.Visti.size(), c.controlloRifiuta ? 2u : 1u);
        for (const auto& v : p.Msg.Visti) {
            EXPECT_EQ(v.Testo, c.messaggio);
            EXPECT_EQ(v.Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(v.Titolo, "Attenzione!");
        }
        EXPECT_EQ(dump::StampaModello(m), prima);
        EXPECT_EQ(m.Progetto.CartellaLavoro, "/lavoro");
        EXPECT_EQ(m.Zone.UltimaZona, 3);
    }
}

TEST(LetturaSoletta, Campione) {
    PiattaformaProva p;
    Modello m;
    TestataSoletta t;
    ASSERT_TRUE(ControllaVersioneSoletta(Campione, m));
    ASSERT_TRUE(LeggiSoletta(Campione, m, &t));
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(ErroreOperazione, 0);
    EXPECT_EQ(t.Versione, 4);
    EXPECT_EQ(t.FlagRisultati, 1);
    const GeometriaSoletta& g = m.Soletta;
    EXPECT_EQ(g.NumVertContorno, 6);
    const std::vector<std::pair<float, float>> contorno = {{0, 0},     {0, 900},    {900, 900}, {900, 600},
                                                           {1200, 600}, {1200, 0}, {0, 0}};
    ASSERT_EQ(g.Contorno.size(), contorno.size());
    for (size_t i = 0; i < contorno.size(); ++i) {
        EXPECT_EQ(g.Contorno[i].X, contorno[i].first) << i;
        EXPECT_EQ(g.Contorno[i].Y, contorno[i].second) << i;
    }
    EXPECT_EQ(g.NumFori, 1);
    EXPECT_EQ(g.NumVertForo[0], 4);
    EXPECT_EQ(m.Analisi.NumNodi, 157);
    EXPECT_EQ(m.Analisi.NumElementi, 131);
    const Nodo& n0 = m.Analisi.Nodi[0];
    EXPECT_FLOAT_EQ(n0.RichSup1, 2.6f);
    EXPECT_FLOAT_EQ(n0.RichSup2, 0.65f);
    EXPECT_EQ(n0.RichInf1, 0);
    EXPECT_EQ(n0.RichInf2, 0);
    ASSERT_EQ(g.NumPilastri, 7);
    const int tipi[] = {0, 0, 1, 4, 4, 6, 1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(g.Pilastri[static_cast<size_t>(i)].NumVertici, tipi[i]) << i;
    EXPECT_EQ(m.Progetto.Spessore, 25);
    EXPECT_EQ(m.Progetto.Copriferro, 3);
    EXPECT_EQ(g.NumSetti, 1);
    EXPECT_EQ(g.NumTravi, 1);
    EXPECT_EQ(g.NumPali, 1);
    EXPECT_EQ(m.Progetto.PercorsoSoletta, Campione);
    EXPECT_EQ(m.Progetto.PercorsoDatiProgetto, std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.DAT");
    // Areas and statistics follow the inline block.
    EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup1, 3.926991f);
    EXPECT_FLOAT_EQ(m.Analisi.MaxRichiesta[0], 11.5f);
}

TEST(LetturaSoletta, Geometria) {
    PiattaformaProva p;
    Modello m;
    TestataSoletta t;
    ASSERT_TRUE(LeggiSoletta(Dati + "GEOMETRIA_V4.QVR", m, &t));
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(t.FlagRisultati, 0);
    EXPECT_EQ(m.Progetto.NumeroSoletta, 7);
    const GeometriaSoletta& g = m.Soletta;

    // Read counter-clockwise, stored clockwise and closed; the origin taken off.
    ASSERT_EQ(g.NumVertContorno, 4);
    const float atteso[][2] = {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}};
    ASSERT_EQ(g.Contorno.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(g.Contorno[i].X, atteso[i][0]) << i;
        EXPECT_EQ(g.Contorno[i].Y, atteso[i][1]) << i;
    }

    // Openings keep the file's order; the empty one starts where the next one does.
    ASSERT_EQ(g.NumFori, 3);
    EXPECT_EQ(g.NumVertForo, (std::vector<int>{4, 0, 3}));
    EXPECT_EQ(g.InizioForo, (std::vector<int>{0, 4, 4}));
    EXPECT_EQ(g.XFori.size(), 7u);
    EXPECT_EQ(PoliX(g, 0, 1), 20);
    EXPECT_EQ(PoliY(g, 0, 2), 20);
    EXPECT_EQ(PoliX(g, 2, 0), 50);
    EXPECT_EQ(PoliY(g, 2, 2), 60);

    ASSERT_EQ(g.NumPilastri, 6);
    const Pilastro& c0 = g.Pilastri[0];
    EXPECT_EQ(c0.X, 250);
    EXPECT_EQ(c0.Y, 400);
    EXPECT_EQ(c0.Tipo, 2);
    EXPECT_EQ(c0.Angolo, 30);
    EXPECT_TRUE(c0.VX.empty());
    EXPECT_TRUE(c0.VY.empty());
    EXPECT_EQ(c0.XMin, 235);
    EXPECT_EQ(c0.XMax, 265);
    EXPECT_EQ(c0.YMin, 385);
    EXPECT_EQ(c0.YMax, 415);
    for (int i : {1, 2}) {
        const Pilastro& c = g.Pilastri[static_cast<size_t>(i)];
        EXPECT_EQ(c.VX.size(), 5u);
        EXPECT_EQ(c.VY.size(), 5u);
        EXPECT_EQ(c.XMin, c.X);
        EXPECT_EQ(c.XMax, c.X);
        EXPECT_EQ(c.YMin, c.Y);
        EXPECT_EQ(c.YMax, c.Y);
    }
    EXPECT_EQ(g.Pilastri[1].VX[0], 20.25f);  // a radius is kept as read
    EXPECT_EQ(g.Pilastri[2].VX[0], 12.5f);
    const Pilastro& c6 = g.Pilastri[3];
    EXPECT_EQ(c6.NumVertici, 6);
    EXPECT_EQ(c6.VX.size(), 7u);
    EXPECT_EQ(c6.VX[5], 20);
    EXPECT_EQ(c6.VY[5], 10);
    EXPECT_EQ(c6.XMin, 20);
    EXPECT_EQ(c6.XMax, 40);
    EXPECT_EQ(c6.YMin, 10);
    EXPECT_EQ(c6.YMax, 40);
    EXPECT_EQ(g.Pilastri[4].VX.size(), 5u);
    EXPECT_EQ(g.Pilastri[4].VX[3], 70);
    const Pilastro& c3 = g.Pilastri[5];  // three vertices: a polygon like the others
    EXPECT_EQ(c3.NumVertici, 3);
    EXPECT_EQ(c3.VX.size(), 5u);
    EXPECT_EQ(c3.VY[2], 85);
    EXPECT_EQ(c3.YMin, 85);
    EXPECT_EQ(c3.YMax, 95);

    // Walls: 0.1 cm, halves to the even digit; any marker from 0 up, and -2 ends the list.
    ASSERT_EQ(g.NumSetti, 2);
    const Segmento& s = g.Setti[0];
    EXPECT_EQ(s.Codice, 5);
    EXPECT_EQ(s.X1, 123.3f);
    EXPECT_EQ(s.Y1, 0.0f);
    EXPECT_EQ(s.X2, 0.2f);
    EXPECT_EQ(s.Y2, 0.8f);
    EXPECT_EQ(g.Setti[1].Y2, 100);
    ASSERT_EQ(g.NumTravi, 1);
    EXPECT_EQ(g.Travi[0].X1, 100);
    ASSERT_EQ(g.NumPali, 1);
    EXPECT_EQ(g.Pali[0].X, 30);
    EXPECT_EQ(g.Pali[0].Y, 70);
    EXPECT_EQ(g.Pali[0].Raggio, 30.2f);
    EXPECT_EQ(m.Progetto.Spessore, 25.5f);
    EXPECT_EQ(m.Progetto.PercorsoDatiProgetto, Dati + "DATI/SOL.DAT");

    // No results: the analysis part stays empty.
    EXPECT_EQ(m.Analisi.NumNodi, 0);
    EXPECT_TRUE(m.Analisi.Nodi.empty());
    EXPECT_EQ(m.Progetto.Copriferro, 0);
    EXPECT_EQ(m.Diffusa.AreaDiffSup1, 0);
}

TEST(LetturaSoletta, CoordinatePianta) {
    struct {
        float valore, origine, atteso;
    } casi[] = {
        {223.26f, 100, 123.3f}, {50.04f, 50, 0.0f}, {100.25f, 100, 0.2f},
        {100.75f, 100, 0.8f},   {0.35f, 0, 0.3f},   {-0.25f, 0, -0.2f},
    };
    for (const auto& c : casi) EXPECT_EQ(CoordinataPianta(c.valore, c.origine), c.atteso) << c.valore;
}

TEST(LetturaSoletta, Versione3SenzaPali) {
    PiattaformaProva p;
    Modello m = ModelloAperto();
    ASSERT_EQ(m.Soletta.NumPali, 1);
    TestataSoletta t;
    ASSERT_TRUE(LeggiSoletta(Dati + "GEOMETRIA_V3.QVR", m, &t));
    EXPECT_EQ(t.Versione, 3);
    EXPECT_EQ(t.FlagRisultati, -1);
    EXPECT_EQ(m.Soletta.NumPali, 0);
    EXPECT_EQ(m.Soletta.NumSetti, 1);
    EXPECT_EQ(m.Soletta.NumVertContorno, 3);
    EXPECT_EQ(m.Progetto.Spessore, 30);
    EXPECT_EQ(m.Progetto.PercorsoDatiProgetto, Dati + "ALTRO.DAT");
    // A slab without results never keeps the previous slab's.
    EXPECT_EQ(m.Analisi.NumNodi, 0);
    EXPECT_EQ(m.Analisi.NumElementi, 0);
    EXPECT_EQ(m.Diffusa.PassoDiffSup1, 0);
    EXPECT_EQ(m.Diffusa.AreaDiffSup1, 0);
    // The working folder is not the file's to change.
    EXPECT_EQ(m.Progetto.CartellaLavoro, "/lavoro");
}

TEST(LetturaSoletta, RisultatiInLinea) {
    PiattaformaProva p;
    Modello m;
    ASSERT_TRUE(LeggiSoletta(Dati + "INLINE.QVR", m));
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(m.Progetto.Copriferro, 2.5f);
    EXPECT_EQ(m.Diffusa.PassoDiffSup1, 20);
    EXPECT_EQ(m.Diffusa.DiamDiffSup1, 12);
    EXPECT_EQ(m.Diffusa.DiamDiffSup2, 16);
    EXPECT_EQ(m.Diffusa.DiamDiffInf1, 10);
    EXPECT_EQ(m.Diffusa.PassoDiffInf2, 20);
    EXPECT_EQ(m.Zone.DiamIntegrativa, 14);
    EXPECT_FLOAT_EQ(m.Progetto.AngoloDir1Gradi, 20.00001f);
    EXPECT_EQ(m.Progetto.AngoloDir1Gradi, RiduciAngolo180(200));
    EXPECT_EQ(m.Progetto.AngoloDir1, GradiRadianti(m.Progetto.AngoloDir1Gradi));
    EXPECT_EQ(m.Progetto.AngoloDir2Gradi, 90);

    const ModelloAnalisi& a = m.Analisi;
    ASSERT_EQ(a.NumNodi, 3);
    ASSERT_EQ(a.Nodi.size(), 4u);  // one spare zero entry
    EXPECT_EQ(a.Nodi[0].Numero, 11);
    EXPECT_EQ(a.Nodi[0].X, 120.5f);  // inline nodes keep the file's frame
    EXPECT_EQ(a.Nodi[0].Y, 33.25f);
    EXPECT_EQ(a.Nodi[1].RichInf2, 1.25f);
    EXPECT_EQ(a.Nodi[3].Numero, 0);

    ASSERT_EQ(a.NumElementi, 1);
    const Elemento& e = a.Elementi[0];
    EXPECT_EQ(e.Numero, 5);
    EXPECT_EQ(e.Triangolo, 1);
    EXPECT_EQ(e.NodoIdx, (std::array<int, 4>{0, 1, 2, 0}));
    EXPECT_EQ(e.NodoNum[3], 11);
    EXPECT_EQ(e.RichTaglio2[3], -0.5f);
    EXPECT_EQ(e.RichInf1[2], 3);

    // Areas and statistics come right after the block.
    EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup1, 5.654867f);
    EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup2, 13.40413f);
    EXPECT_EQ(a.MaxRichiesta[4], 1.5f);
    EXPECT_EQ(a.MinRichiesta[4], 1.0f);
    EXPECT_EQ(a.MaxRichiesta[0], 4);

    // The value after the origin is the first unused integer; an outline count of 0.
    EXPECT_EQ(m.Soletta.NumVertContorno, 0);
    ASSERT_EQ(m.Soletta.Contorno.size(), 1u);
    EXPECT_EQ(m.Soletta.Contorno[0].X, 0);
    EXPECT_EQ(m.Soletta.NumFori, 0);
    EXPECT_EQ(m.Soletta.NumPilastri, 0);
}

TEST(LetturaSoletta, NessunNodo) {
    PiattaformaProva p;
    CartellaTemp cartella;
    auto righe = Righe(LeggiTutto(Dati + "INLINE.QVR"));
    // Keep the header and the design values, then no node and no element.
    size_t conteggio = TrovaRiga(righe, "3", 1);
    std::vector<std::string> v(righe.begin(), righe.begin() + static_cast<long>(conteggio));
    v.insert(v.end(), {"0", "0", "0", "-1", "-1", "-1", "-1", "-1", "20", "X.DAT"});
    ScriviTutto(cartella / "ZERO.QVR", Unisci(v));
    Modello m;
    ASSERT_TRUE(LeggiSoletta(cartella / "ZERO.QVR", m));
    EXPECT_EQ(m.Analisi.NumNodi, 0);
    ASSERT_EQ(m.Analisi.Nodi.size(), 1u);
    EXPECT_EQ(m.Analisi.Nodi[0].RichSup1, 0);
    EXPECT_EQ(m.Analisi.NumElementi, 0);
    EXPECT_EQ(m.Analisi.MaxRichiesta, (std::array<float, 6>{}));
    EXPECT_FLOAT_EQ(m.Diffusa.AreaDiffSup1, 5.654867f);
}

TEST(LetturaSoletta, FileMalformati) {
    const auto base = Righe(LeggiTutto(Dati + "INLINE.QVR"));
    const size_t nodi = TrovaRiga(base, "3", 1);        // node count
    const size_t elementi = TrovaRiga(base, "5,1") - 1;  // element count
    const size_t angolo = TrovaRiga(base, "13,2");       // third corner: node number, index

    struct Caso {
        const char* nome;
        std::vector<std::string> righe;
        const char* causa;
        size_t riga;  // 1-based
    };
    std::vector<Caso> casi;
    {
        // The file ends inside the last node record.
        auto v = std::vector<std::string>(base.begin(), base.begin() + static_cast<long>(nodi) + 13);
        casi.push_back({"fine nel nodo", v, "Fine del file inattesa", v.size() + 1});
    }
    {
        auto v = base;
        v[elementi + 3] = "0.5,x";
        casi.push_back({"lettera nell'elemento", v, "Valore numerico non valido", elementi + 4});
    }
    {
        auto v = base;
        v[angolo] = "13,3";  // NodoIdx = NumNodi
        casi.push_back({"indice del nodo", v, "Indice fuori intervallo", angolo + 1});
    }
    {
        auto v = base;
        v[angolo] = "13,-1";
        casi.push_back({"indice negativo", v, "Indice fuori intervallo", angolo + 1});
    }
    {
        auto v = base;
        v[nodi] = "-1";
        casi.push_back({"nodi negativi", v, "Conteggio non valido", nodi + 1});
    }
    {
        // Cut inside the first node: three records cannot fit in what is left.
        auto v = std::vector<std::string>(base.begin(), base.begin() + static_cast<long>(nodi) + 3);
        casi.push_back({"nodi oltre la fine", v, "Conteggio non valido", nodi + 1});
    }
    {
        auto v = base;
        v[elementi] = "2000000000";  // in a file of a few hundred bytes
        casi.push_back({"elementi assurdi", v, "Conteggio non valido", elementi + 1});
    }
    {
        auto v = Righe(LeggiTutto(Dati + "GEOMETRIA_V4.QVR"));
        size_t k = TrovaRiga(v, "6");
        v[k] = "100000000";  // a polygon column of absurd size
        casi.push_back({"pilastro assurdo", v, "Conteggio non valido", k + 1});
    }

    // Values the program cannot work with, each at its own line.
    auto cambiata = [&](const char* nome, std::vector<std::string> v, size_t i, const std::string& testo,
                        const char* causa = "Valore fuori intervallo") {
        v[i] = testo;
        casi.push_back({nome, v, causa, i + 1});
    };
    const size_t spessore = base.size() - 2;
    cambiata("spessore nullo", base, spessore, "0");
    cambiata("spessore minimo intero", base, spessore, "-2147483648");
    cambiata("spessore assurdo", base, spessore, "1000.5");
    cambiata("diametro diffuso assurdo", base, TrovaRiga(base, "12"), "2147483647");
    cambiata("diametro integrativo negativo", base, TrovaRiga(base, "14"), "-1");
    // Requirements and residuals within 100000 either way (a spacing below 1 cm is no fault: it
    // stands for 20 cm).
    cambiata("richiesta assurda", base, TrovaRiga(base, "2,1,0.5,0.25"), "1e38,1,0.5,0.25");
    cambiata("residuo assurdo", base, TrovaRiga(base, "0,0,0,0"), "0,0,-100001,0");
    cambiata("passo diffuso assurdo", base, TrovaRiga(base, "20"), "1e20");
    cambiata("numero di nodo senza predecessore", base, TrovaRiga(base, "11,120.5,33.25"),
             "-2147483648,120.5,33.25");
    const auto geometria = Righe(LeggiTutto(Dati + "GEOMETRIA_V4.QVR"));
    cambiata("tipo di pilastro senza predecessore", geometria, TrovaRiga(geometria, "2,30"), "-2147483648,30");
    // Plan points within 100 km of the origin, lengths within 0 .. 100 km.
    cambiata("pilastro lontano", geometria, TrovaRiga(geometria, "350,450"), "3.4e38,450");
    cambiata("vertice del contorno oltre 100 km", geometria, TrovaRiga(geometria, "200,150"), "10000101,150");
    cambiata("setto lontano", geometria, TrovaRiga(geometria, "223.26"), "1e8");
    cambiata("raggio del pilastro negativo", geometria, TrovaRiga(geometria, "20.25"), "-20.25");
    cambiata("raggio del palo assurdo", geometria, TrovaRiga(geometria, "130,120,30.25"), "130,120,1e38");
    cambiata("nodo lontano", base, TrovaRiga(base, "11,120.5,33.25"), "11,-1e38,33.25");
    {
        // The origin far below, a vertex far above: their difference is no 4-byte number.
        auto v = geometria;
        v[TrovaRiga(v, "100,50")] = "-3e38,50";
        cambiata("coordinata oltre l'origine", v, TrovaRiga(v, "100,50"), "3e38,50");
    }
    {
        auto v = geometria;
        const size_t k = TrovaRiga(v, "4", 1);  // outline count
        v.erase(v.begin() + static_cast<long>(k) + 3, v.begin() + static_cast<long>(k) + 5);
        cambiata("contorno di due vertici", v, k, "2", "Conteggio non valido");
    }

    Modello m = ModelloAperto();
    const std::string prima = dump::StampaModello(m);
    CartellaTemp cartella;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        PiattaformaProva p;
        const std::string file = cartella / "ROTTO.QVR";
        ScriviTutto(file, Unisci(c.righe));
        EXPECT_FALSE(LeggiSoletta(file, m));
        EXPECT_EQ(ErroreOperazione, 1);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        const auto& v = p.Msg.Visti[0];
        EXPECT_EQ(v.Testo, "File non leggibile:\n" + file + "\n" + c.causa + " (riga " + std::to_string(c.riga) + ").");
        EXPECT_EQ(v.Titolo, "Attenzione!");
        EXPECT_EQ(v.Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(dump::StampaModello(m), prima);
    }
}

TEST(LetturaSoletta, FileAssente) {
    PiattaformaProva p;
    Modello m = ModelloAperto();
    const std::string prima = dump::StampaModello(m);
    EXPECT_FALSE(ControllaVersioneSoletta(Dati + "NON_ESISTE.QVR", m));
    EXPECT_EQ(ErroreOperazione, 1);
    EXPECT_FALSE(LeggiSoletta(Dati + "NON_ESISTE.QVR", m));
    EXPECT_EQ(ErroreOperazione, 1);
    ASSERT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Impossibile aprire il file:\n" + Dati + "NON_ESISTE.QVR");
    EXPECT_EQ(dump::StampaModello(m), prima);
}

// The load reads the archive into the destination between the version check and the full read.
TEST(LetturaSoletta, ArchivioConservato) {
    PiattaformaProva p;
    Modello m;
    ASSERT_TRUE(ControllaVersioneSoletta(Campione, m));
    m.Archivio.NumTipiPilastro = 2;
    m.Archivio.TipoSezPilastro = {1, 1, 0};
    m.Archivio.VociArchivio = {{1, "HEB 200"}};
    ASSERT_TRUE(LeggiSoletta(Campione, m));
    EXPECT_EQ(m.Archivio.NumTipiPilastro, 2);
    EXPECT_EQ(m.Archivio.TipoSezPilastro, (std::vector<int>{1, 1, 0}));
    ASSERT_EQ(m.Archivio.VociArchivio.size(), 1u);
    EXPECT_EQ(m.Archivio.VociArchivio[0].Testo, "HEB 200");
}
