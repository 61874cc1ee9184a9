#include "model/FileArmature.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <locale>

#include "base/FileTesto.h"
#include "model/FileVerifica.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct SenzaPause {
    SenzaPause() { Piatt.PauseAttive = false; }
    ~SenzaPause() { Piatt.PauseAttive = true; }
};

Modello ModelloBase() {
    Modello m;
    m.Progetto.DataSoletta = "12/03/2004 10:15:30";
    m.Progetto.NumeroSoletta = 12;
    m.Progetto.OrigineX = 100;
    m.Progetto.OrigineY = 50;
    auto& f = m.Diffusa;
    f.DiamDiffSup1 = 12, f.DiamDiffInf1 = 12, f.DiamDiffSup2 = 10, f.DiamDiffInf2 = 10;
    f.PassoDiffSup1 = 20, f.PassoDiffInf1 = 20, f.PassoDiffSup2 = 25, f.PassoDiffInf2 = 25;
    f.DiamCavalletti = 12, f.PassoCavalletti1 = 50, f.PassoCavalletti2 = 50;
    m.Soletta.Contorno = {{0, 0}, {0, 300}, {500, 300}, {500, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    return m;
}

Zona ZonaProva(int tipo, int nv) {
    Zona z;
    z.Tipo = tipo;
    z.XMin = 10.5f, z.YMin = 20.25f, z.XMax = 110.125f, z.YMax = 80;
    z.Angoli = {Punto{10.5f, 80}, Punto{110.125f, 80}, Punto{110.125f, 20.25f}, Punto{10.5f, 20.25f}};
    z.XBarra1 = 1, z.YBarra1 = 2, z.XBarra2 = 3, z.YBarra2 = 4;
    z.XRif = 5, z.YRif = 6, z.Passo = 12.5f, z.XMarca = 60, z.YMarca = 50;
    z.XMin1 = 7, z.YMin1 = 8, z.XMax1 = 9, z.YMax1 = 10;
    z.XMin2 = 11, z.YMin2 = 12, z.XMax2 = 13, z.YMax2 = 14;
    z.Diametro = 16, z.Diametro2 = tipo == 2 ? 14 : 0, z.Direzione = 1;
    z.NumBracci = tipo == 2 ? 4 : 0, z.Passo2 = tipo >= 2 ? 30.25f : 0;
    z.UltVertice = nv - 1;
    z.PoligonoCordolo = tipo == 2 ? 0 : -1, z.LatoCordolo = tipo == 2 ? 2 : 0;
    z.Angolo = tipo >= 2 ? 0.7853982f : 0, z.Copriferro = tipo == 2 ? 3 : 0;
    return z;
}

}  // namespace

TEST(FileArmature, ModelloVuotoRigaPerRiga) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    ASSERT_TRUE(ScriviArmature(dir / "SOL12.QV0", m));
    EXPECT_EQ(LeggiTutto(dir / "SOL12.QV0"),
              " 7 \r\n"
              "12/03/2004 10:15:30\r\n"
              " 12 \r\n"
              " 0 \r\n"
              "100.000       50.000\r\n"
              " 12            12            10            10 \r\n"
              "20.00         20.00         25.00         25.00\r\n"
              " 12           50.00         50.00\r\n"
              "-1 \r\n"
              "-1 \r\n"
              "-1 \r\n"
              " 4 \r\n"
              "0.0           0.0\r\n"
              "0.0           300.0\r\n"
              "500.0         300.0\r\n"
              "500.0         0.0\r\n"
              "0.0           0.0\r\n");
}

TEST(FileArmature, RigheDiUnaZonaInferiore) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    Zona z = ZonaProva(1, 4);
    z.NumBracci = 0, z.Passo2 = 0, z.PoligonoCordolo = -1, z.LatoCordolo = 0, z.Angolo = 0, z.Copriferro = 0;
    m.Zone.Zone = {z};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    ASSERT_TRUE(ScriviArmature(dir / "a.QV0", m));
    std::string t = LeggiTutto(dir / "a.QV0");
    EXPECT_NE(t.find("\r\n 1             0            0.0            3 \r\n"
                     "-1             0 \r\n"
                     "0.000000      0.00\r\n"),
              std::string::npos);
}

TEST(FileArmature, ScritturaERiletturaStessiValori) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    for (int tipo = 0; tipo < 4; ++tipo) {
        m.Zone.Zone.push_back(ZonaProva(tipo, 4 + tipo));
        m.Zone.VerticiZone[tipo].clear();
        for (int j = 0; j < 4 + tipo; ++j) m.Zone.VerticiZone[tipo].push_back({j * 10.125f, j * 3.5f});
    }
    m.Zone.UltimaZona = 3;
    Sezione s;
    s.X1 = 1.5f, s.Y6 = -2.25f, s.Direzione = 1;
    m.SezQuote.Sezioni = {s};
    m.SezQuote.UltimaSezione = 0;
    Quota q;
    q.X1 = 1, q.Y1 = 2, q.X2 = 3, q.Y2 = 4, q.XP1 = 5, q.YP1 = 6, q.XP2 = 7, q.YP2 = 8;
    q.Pianta = 2;
    q.Testo = "a, b  c";
    m.SezQuote.Quote = {q};
    m.SezQuote.UltimaQuota = 0;
    ASSERT_TRUE(ScriviArmature(dir / "s.QV0", m));

    std::string italiano;
    {
        // The bytes do not depend on the locale.
        std::string salvato = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr);
        std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
        ScriviArmature(dir / "it.QV0", m);
        std::locale::global(vecchio);
        std::setlocale(LC_ALL, salvato.c_str());
    }
    EXPECT_EQ(LeggiTutto(dir / "it.QV0"), LeggiTutto(dir / "s.QV0"));

    Modello r = ModelloBase();
    r.Diffusa = {};
    ASSERT_EQ(LeggiArmature(dir / "s.QV0", 0, r), EsitoArmature::Letto);
    ASSERT_EQ(r.Zone.UltimaZona, 3);
    for (int i = 0; i < 4; ++i) {
        const Zona &a = m.Zone.Zone[i], &b = r.Zone.Zone[i];
        EXPECT_EQ(b.Tipo, a.Tipo);
        EXPECT_EQ(b.XMax, a.XMax);
        EXPECT_EQ(b.Angoli[1].X, a.Angoli[1].X);
        EXPECT_EQ(b.Passo, a.Passo);
        EXPECT_FLOAT_EQ(b.Passo2, a.Passo2 == 0 ? 0.0f : 30.3f);  // one decimal, halves away from zero
        EXPECT_EQ(b.Diametro2, a.Diametro2);
        EXPECT_EQ(b.NumBracci, a.NumBracci);
        EXPECT_EQ(b.PoligonoCordolo, a.PoligonoCordolo);
        EXPECT_EQ(b.LatoCordolo, a.LatoCordolo);
        EXPECT_FLOAT_EQ(b.Angolo, 0.785398f * (a.Angolo != 0));
        EXPECT_EQ(b.Copriferro, a.Copriferro);
        EXPECT_EQ(b.UltVertice, a.UltVertice);
        EXPECT_EQ(b.XMarca, a.XMarca);
        EXPECT_EQ(b.YMax2, a.YMax2);
        for (int j = 0; j <= a.UltVertice; ++j) {
            EXPECT_EQ(r.Zone.VerticiZone[i][j].X, m.Zone.VerticiZone[i][j].X);
            EXPECT_EQ(r.Zone.VerticiZone[i][j].Y, m.Zone.VerticiZone[i][j].Y);
        }
    }
    EXPECT_EQ(r.SezQuote.Sezioni[0].X1, 1.5f);
    EXPECT_EQ(r.SezQuote.Sezioni[0].Y6, -2.25f);
    EXPECT_EQ(r.SezQuote.Sezioni[0].Direzione, 1);
    EXPECT_EQ(r.SezQuote.Quote[0].Testo, "a, b  c");
    EXPECT_EQ(r.SezQuote.Quote[0].YP2, 8);
    EXPECT_EQ(r.SezQuote.Quote[0].Pianta, 2);
    EXPECT_EQ(r.Diffusa.PassoDiffSup2, 25);
    EXPECT_EQ(r.Diffusa.DiamCavalletti, 12);
    EXPECT_EQ(r.Soletta.NumVertContorno, 4);
    EXPECT_EQ(r.Soletta.Contorno.size(), 5u);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, VersioniVecchie) {
    PiattaformaProva p;
    CartellaTemp dir;
    // Version 1: no stamp, three-line dimensions, no outline section.
    ScriviTutto(dir / "v1.QV0",
                " 1 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n-1 \r\n-1 \r\n 0 \r\n"
                "1 2 3 4\r\n-1 \r\nquota\r\n");
    Modello m = ModelloBase();
    m.Progetto.PiegaAncoraggio = -1;
    ASSERT_EQ(LeggiArmature(dir / "v1.QV0", 1, m), EsitoArmature::Letto);
    EXPECT_EQ(m.Progetto.PiegaAncoraggio, -1);
    ASSERT_EQ(m.SezQuote.UltimaQuota, 0);
    EXPECT_EQ(m.SezQuote.Quote[0].XP1, 1);
    EXPECT_EQ(m.SezQuote.Quote[0].YP2, 4);
    EXPECT_EQ(m.SezQuote.Quote[0].Testo, "quota");
    EXPECT_EQ(m.Soletta.NumVertContorno, 4);
    EXPECT_EQ(m.Soletta.Contorno[2].X, 500);
    EXPECT_EQ(m.Diffusa.DiamDiffInf2, 8);

    // Version 3: no stamp and no question; curbs default to the slab outline.
    std::string v3 = " 3 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n 0 \r\n";
    v3 += "0 0 10 10\r\n0 10\r\n10 10\r\n10 0\r\n0 0\r\n0 0 0 0\r\n0 0\r\n20 5 5\r\n0 0 0 0\r\n0 0 0 0\r\n";
    v3 += " 12 0 0 \r\n 2 3 25.0 2 \r\n0 0\r\n0 10\r\n10 10\r\n-1 \r\n-1 \r\n 3 \r\n0 0\r\n0 9\r\n9 9\r\n0 0\r\n";
    ScriviTutto(dir / "v3.QV0", v3);
    Modello m3 = ModelloBase();
    ASSERT_EQ(LeggiArmature(dir / "v3.QV0", 1, m3), EsitoArmature::Letto);
    ASSERT_EQ(m3.Zone.UltimaZona, 0);
    EXPECT_EQ(m3.Zone.Zone[0].PoligonoCordolo, -1);
    EXPECT_EQ(m3.Zone.Zone[0].LatoCordolo, 0);
    EXPECT_EQ(m3.Zone.Zone[0].Angolo, 0);
    EXPECT_EQ(m3.Zone.VerticiZone[0].size(), 3u);
    EXPECT_EQ(m3.Soletta.NumVertContorno, 3);
    EXPECT_EQ(m3.Soletta.Contorno[3].Y, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, ConteggiEstremiEFileCompatti) {
    CartellaTemp dir;
    const std::string testa = " 1 \r\n 12 \r\n0 0\r\n 10 10 8 8 \r\n20 20 20 20\r\n 0 0 0\r\n";
    struct {
        std::string coda, attesa;
    } casi[] = {{"-1 \r\n 2147483647 \r\n", "Conteggio non valido (riga 8)."},
                {" 2147483647 \r\n", "Conteggio non valido (riga 7)."}};
    for (const auto& c : casi) {
        PiattaformaProva p;
        ScriviTutto(dir / "c.QV0", testa + c.coda);
        Modello m = ModelloBase();
        EXPECT_EQ(LeggiArmature(dir / "c.QV0", 0, m), EsitoArmature::Ignorato);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_NE(p.Msg.Visti[0].Testo.find(c.attesa), std::string::npos) << p.Msg.Visti[0].Testo;
    }
    // A version-1 zone holds 36 values before its outline: a compact file with one is good.
    PiattaformaProva p;
    std::string zona = " 0 \r\n";
    for (int i = 0; i < 35; ++i) zona += "0,";
    zona += "-1,-1,-1";  // UltVertice (no outline), then no sections and no dimensions: 78 bytes
    ScriviTutto(dir / "v1.QV0", testa + zona);
    Modello m = ModelloBase();
    EXPECT_EQ(LeggiArmature(dir / "v1.QV0", 0, m), EsitoArmature::Letto);
    EXPECT_EQ(m.Zone.UltimaZona, 0);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(ConfrontaData, Tabella) {
    struct {
        std::string stamp, data;
        bool atteso;
    } casi[] = {
        {"12.03.2004 10.15.30", "12/03/2004 11:15:59", true},
        {"12/03/2004 12:15:00", "12/03/2004 10:15:00", false},
        {"12/03/2004 10:16:00", "12/03/2004 10:15:00", false},
        {"13/03/2004 10:15:00", "12/03/2004 10:15:00", false},
        {"12/03/2004 09:15:10", "12/03/2004 10:15:00", true},
        {"", "12/03/2004 10:15:00", false},
        {"non una data", "12/03/2004 10:15:00", false},
    };
    for (auto c : casi) EXPECT_EQ(ConfrontaData(c.stamp, c.data), c.atteso) << c.stamp;
}

TEST(FileArmature, DomandaSullaSolettaCambiata) {
    CartellaTemp dir;
    Modello m = ModelloBase();
    m.Zone.Zone = {ZonaProva(0, 4)};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    m.Progetto.DataSoletta = "garbage";
    ASSERT_TRUE(ScriviArmature(dir / "s.QV0", m));
    for (auto [risposta, zone] : {std::pair{RispostaMsg::No, -1}, std::pair{RispostaMsg::Si, 0}}) {
        PiattaformaProva p;
        p.Msg.Risposte.push_back(risposta);
        Modello r = ModelloBase();
        LeggiArmature(dir / "s.QV0", 1, r);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo, "File " + (dir / "s.QV0") +
                                            "\nE' stata rilevata la presenza di una precedente armatura.\n"
                                            "L'armatura potrebbe non essere compatibile con l'attuale soletta.\n"
                                            "Vuoi conservarla?");
        EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::SiNo);
        EXPECT_EQ(r.Zone.UltimaZona, zone);
    }
    // Flag 0: no question.
    PiattaformaProva p;
    Modello r = ModelloBase();
    EXPECT_EQ(LeggiArmature(dir / "s.QV0", 0, r), EsitoArmature::Letto);
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST(FileArmature, FileNonLettiSegnalatiENonSovrascrittiSenzaChiedere) {
    SenzaPause np;
    CartellaTemp dir;
    std::string buono;
    {
        PiattaformaProva p;
        Modello m = ModelloBase();
        ScriviArmature(dir / "b.QV0", m);
        buono = LeggiTutto(dir / "b.QV0");
    }
    std::string altraSoletta = buono;
    altraSoletta.replace(altraSoletta.find(" 12 \r\n"), 6, " 13 \r\n");
    std::string troppeZone = buono.substr(0, buono.find("-1 \r\n")) + " 601 \r\n";
    struct {
        std::string byte, messaggio;
    } casi[] = {
        {" 8 \r\nqualsiasi\r\n", "\xC3\xA8 di una versione pi\xC3\xB9 recente e non \xC3\xA8 stato letto."},
        {altraSoletta, "appartiene alla soletta 13 e non \xC3\xA8 stato letto."},
        {buono.substr(0, buono.size() / 2), "Fine del file inattesa"},
        {troppeZone, "Conteggio non valido"},
    };
    for (const auto& c : casi) {
        std::string slab = dir / "Sol12.QVR";
        ScriviTutto(slab, "x");
        ScriviTutto(dir / "Sol12.QV0", c.byte);
        Modello m = ModelloBase();
        m.Progetto.CartellaLavoro = dir.Percorso();
        {
            PiattaformaProva p;
            CaricaArmature(slab, 1, m);
            ASSERT_EQ(p.Msg.Visti.size(), 1u) << c.messaggio;
            EXPECT_NE(p.Msg.Visti[0].Testo.find(c.messaggio), std::string::npos) << p.Msg.Visti[0].Testo;
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
            EXPECT_EQ(m.Zone.UltimaZona, -1);
        }
        {
            PiattaformaProva p;
            p.Msg.Risposte.push_back(RispostaMsg::No);
            EXPECT_FALSE(SalvaArmature(slab, m));
            EXPECT_EQ(p.Msg.Visti.size(), 1u);
            EXPECT_NE(p.Msg.Visti[0].Testo.find("non \xC3\xA8 stato letto all'apertura della soletta.\nVuoi sostituirlo?"),
                      std::string::npos);
            EXPECT_EQ(LeggiTutto(dir / "Sol12.QV0"), c.byte);
            EXPECT_FALSE(std::filesystem::exists(dir / "set0012.SET"));
        }
        {
            PiattaformaProva p;
            p.Msg.Risposte.push_back(RispostaMsg::Si);
            EXPECT_TRUE(SalvaArmature(slab, m));
            EXPECT_NE(LeggiTutto(dir / "Sol12.QV0"), c.byte);
            EXPECT_TRUE(std::filesystem::exists(dir / "set0012.SET"));
            std::filesystem::remove(dir / "set0012.SET");
        }
    }
}

TEST(FileArmature, NomeDelFile) {
    EXPECT_EQ(NomeFileArmature("/d/a.QVR.d/Sol12.QVR"), "/d/a.QVR.d/Sol12.QV0");
    EXPECT_EQ(NomeFileArmature("/d/Sol12.qvr"), "/d/Sol12.QV0");
    EXPECT_EQ(NomeFileArmature("/d/Sol12"), "/d/Sol12.QV0");
    CartellaTemp dir;
    ScriviTutto(dir / "SOL12.qv0", "x");
    EXPECT_EQ(TrovaFileArmature(dir / "Sol12.qvr"), dir / "SOL12.qv0");
    EXPECT_EQ(TrovaFileArmature(dir / "Altro.QVR"), dir / "Altro.QV0");
}

TEST(FileArmature, FileInAltreMaiuscoleLettoERiscritto) {
    SenzaPause np;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m = ModelloBase();
    m.Progetto.CartellaLavoro = dir.Percorso();
    m.Zone.Zone = {ZonaProva(0, 4)};
    m.Zone.UltimaZona = 0;
    m.Zone.VerticiZone[0] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    ASSERT_TRUE(ScriviArmature(dir / "SOL12.qv0", m));
    ScriviTutto(dir / "Sol12.qvr", "x");
    Modello r = ModelloBase();
    r.Progetto.CartellaLavoro = dir.Percorso();
    CaricaArmature(dir / "Sol12.qvr", 0, r);
    ASSERT_EQ(r.Zone.UltimaZona, 0);
    r.Zone.UltimaZona = -1;
    ASSERT_TRUE(SalvaArmature(dir / "Sol12.qvr", r));
    EXPECT_FALSE(std::filesystem::exists(dir / "Sol12.QV0"));
    Modello q = ModelloBase();
    ASSERT_EQ(LeggiArmature(dir / "SOL12.qv0", 0, q), EsitoArmature::Letto);
    EXPECT_EQ(q.Zone.UltimaZona, -1) << "saved back into the file found";
}

TEST(FileArmature, GuastoDiScritturaNonToccaIlVecchioFile) {
    SenzaPause np;
    PiattaformaProva p;
    CartellaTemp dir;
    std::string slab = dir / "S.QVR";
    ScriviTutto(slab, "x");
    ScriviTutto(dir / "S.QV0", "vecchio");
    Modello m = ModelloBase();
    m.Progetto.CartellaLavoro = dir.Percorso();
    Piatt.GuastoScritturaProva = [](const std::string& f) { return f.ends_with(".QV0"); };
    bool ok = SalvaArmature(slab, m);
    Piatt.GuastoScritturaProva = nullptr;
    EXPECT_FALSE(ok);
    EXPECT_EQ(LeggiTutto(dir / "S.QV0"), "vecchio");
    EXPECT_FALSE(std::filesystem::exists(dir / "set0012.SET"));
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo.rfind("Impossibile scrivere il file:", 0), 0u);
}

TEST(FileVerifica, NomeERighe) {
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m;
    m.Progetto.CartellaLavoro = dir.Percorso();
    EXPECT_EQ(NomeFileVerifica(7, m), dir / "set0007.SET");
    EXPECT_EQ(NomeFileVerifica(1234, m), dir / "set1234.SET");
    Nodo n;
    n.Numero = 5, n.X = 100.5f, n.Y = 33.25f;
    float a12 = 5.654867f, a10 = 3.141593f;
    n.ResInf1 = -a12, n.ResInf2 = -a10, n.ResSup1 = -a12, n.ResSup2 = -a10;
    m.Analisi.Nodi = {n};
    m.Analisi.NumNodi = 1;
    ASSERT_TRUE(SalvaSet(7, m));
    EXPECT_EQ(LeggiTutto(dir / "set0007.SET"),
              "VERSIONE 1\r\nMERANTO\r\n0             1            /<file solette ca>\r\nVERIFICA\r\n 1 \r\n"
              " 4            100.500000    33.250000     5.654867      3.141593      5.654867      3.141593      "
              "/<ret_armature>\r\n");
    m.Progetto.MagliaUnica = -1;
    ASSERT_TRUE(SalvaSet(7, m));
    EXPECT_NE(LeggiTutto(dir / "set0007.SET").find("3.141593      0.000         0.000         /<ret"), std::string::npos);
    for (int n : {10000, -1}) {
        PiattaformaProva q;
        EXPECT_FALSE(SalvaSet(n, m));
        ASSERT_EQ(q.Msg.Visti.size(), 1u);
        EXPECT_EQ(q.Msg.Visti[0].Testo, "Numero di soletta non valido: il file di verifica non \xC3\xA8 stato scritto.");
    }
}
