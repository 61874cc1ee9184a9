#include "app/ImportaArmature.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "app/CaricaSoletta.h"
#include "design/Residui.h"
#include "model/AreaLavoro.h"
#include "model/FileArmature.h"
#include "model/Resource.h"
#include "model/Statistiche.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

struct ZonaFile {
    Zona z;
    std::vector<Punto> v;
};

// Corners clockwise from the top-left of the box x0..x1, y0..y1.
ZonaFile Zona4(int tipo, float x0, float y0, float x1, float y1, float quota) {
    ZonaFile f;
    Zona& z = f.z;
    z.Tipo = tipo;
    z.Angoli = {Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}, Punto{x0, y0}};
    z.XMin = x0, z.YMin = y0, z.XMax = x1, z.YMax = y1;
    z.XBarra1 = x0 + 1.5f, z.YBarra1 = y0 + 2.25f, z.XBarra2 = x1 - 3.125f, z.YBarra2 = y1 - 4;
    z.XRif = x0 + 5, z.YRif = y0 + 6.5f, z.Passo = 15, z.XMarca = x0 + 7, z.YMarca = y0 + 8;
    z.XMin1 = x0 + 9, z.YMin1 = y0 + 10, z.XMax1 = x1 + 11, z.YMax1 = y1 + 12;
    z.XMin2 = x0 + 13, z.YMin2 = y0 + 14, z.XMax2 = x1 + 15, z.YMax2 = y1 + 16;
    z.Diametro = 16, z.Diametro2 = tipo == 2 ? 12 : 0, z.Direzione = tipo == 1 ? 1 : 0;
    z.NumBracci = tipo == 2 ? 4 : 0, z.Passo2 = tipo >= 2 ? 20.5f : 0;
    z.PoligonoCordolo = tipo == 2 ? 0 : -1, z.LatoCordolo = tipo == 2 ? 3 : 0;
    z.Angolo = tipo >= 2 ? 0.785398f : 0.25f, z.Copriferro = 3.5f;
    // The outline runs beyond the quadrilateral, as a grown and clipped one does.
    f.v = {{x0 - quota, y1 + quota}, {x1 + quota, y1 + quota}, {x1 + quota, y0 - quota}, {x0 - quota, y0 - quota}, {x0 - quota, y0 + 0.125f}};
    z.UltVertice = static_cast<int>(f.v.size()) - 1;
    return f;
}

// Two face zones over nodes of the sample slab (grid 100 x 75 cm), one face zone far outside
// it, a curb over nodes and a stud zone over the node at (600, 450).
std::vector<ZonaFile> CinqueZone() {
    return {Zona4(0, 150, 220, 350, 380, 40), Zona4(1, 750, 50, 1050, 150, 35.5f),
            Zona4(0, 2000, 1900, 2100, 2000, 10), Zona4(2, 0, 0, 1200, 30, 0),
            Zona4(3, 550, 420, 650, 480, 0)};
}

std::string Num(float v, int dec) {
    char b[64];
    std::snprintf(b, sizeof b, "%.*f", dec, static_cast<double>(v));
    return b;
}
std::string Int(int v) { return (v < 0 ? "" : " ") + std::to_string(v) + " "; }

// A reinforcement file of version v written field by field, independently of the writer.
std::string FileQV0(int v, const std::vector<ZonaFile>& zone, int piega = 1) {
    std::string t = Int(v) + "\r\n";
    auto riga = [&](std::initializer_list<std::string> voci) {
        for (const auto& s : voci) t += s + "   ";
        t += "\r\n";
    };
    if (v >= 4) t += "01/02/2003 04:05:06\r\n";
    riga({Int(77)});
    if (v >= 7) riga({Int(piega)});
    riga({Num(1520.5f, 3), Num(812.5f, 3)});
    riga({Int(8), Int(8), Int(8), Int(8)});
    riga({Num(40, 2), Num(40, 2), Num(40, 2), Num(40, 2)});
    riga({Int(8), Num(90, 2), Num(90, 2)});
    riga({Int(static_cast<int>(zone.size()) - 1)});
    for (const auto& f : zone) {
        const Zona& z = f.z;
        riga({Num(z.XMin, 3), Num(z.YMin, 3), Num(z.XMax, 3), Num(z.YMax, 3)});
        for (const auto& a : z.Angoli) riga({Num(a.X, 3), Num(a.Y, 3)});
        riga({Num(z.XBarra1, 3), Num(z.YBarra1, 3), Num(z.XBarra2, 3), Num(z.YBarra2, 3)});
        riga({Num(z.XRif, 3), Num(z.YRif, 3)});
        riga({Num(z.Passo, 3), Num(z.XMarca, 3), Num(z.YMarca, 3)});
        riga({Num(z.XMin1, 3), Num(z.YMin1, 3), Num(z.XMax1, 3), Num(z.YMax1, 3)});
        riga({Num(z.XMin2, 3), Num(z.YMin2, 3), Num(z.XMax2, 3), Num(z.YMax2, 3)});
        riga({Int(z.Diametro), Int(z.Diametro2), Int(z.Direzione)});
        riga({Int(z.Tipo), Int(z.NumBracci), Num(z.Passo2, 1), Int(z.UltVertice)});
        if (v >= 5) riga({Int(z.PoligonoCordolo), Int(z.LatoCordolo)});
        if (v >= 6) riga({Num(z.Angolo, 6), Num(z.Copriferro, 2)});
        for (const auto& p : f.v) riga({Num(p.X, 3), Num(p.Y, 3)});
    }
    riga({Int(0)});  // one section
    for (int i = 0; i < 3; ++i) riga({Num(1, 3), Num(2, 3), Num(3, 3), Num(4, 3)});
    riga({Int(0)});
    riga({Int(-1)});
    if (v >= 3) {
        riga({Int(3)});
        for (auto [x, y] : {std::pair{0, 0}, {0, 50}, {50, 0}, {0, 0}}) riga({Num(x, 1), Num(y, 1)});
    }
    return t;
}

// Every field the file stores.
std::vector<float> Campi(const Zona& z) {
    std::vector<float> c = {z.XMin, z.YMin, z.XMax, z.YMax};
    for (const auto& a : z.Angoli) c.push_back(a.X), c.push_back(a.Y);
    for (float x : {z.XBarra1, z.YBarra1, z.XBarra2, z.YBarra2, z.XRif, z.YRif, z.Passo, z.XMarca, z.YMarca,
                    z.XMin1, z.YMin1, z.XMax1, z.YMax1, z.XMin2, z.YMin2, z.XMax2, z.YMax2, z.Passo2, z.Angolo,
                    z.Copriferro})
        c.push_back(x);
    for (int i : {z.Diametro, z.Diametro2, z.Direzione, z.Tipo, z.NumBracci, z.UltVertice, z.PoligonoCordolo,
                  z.LatoCordolo})
        c.push_back(static_cast<float>(i));
    return c;
}

std::vector<float> Piatto(const std::vector<Punto>& v) {
    std::vector<float> r;
    for (const auto& p : v) r.push_back(p.X), r.push_back(p.Y);
    return r;
}

struct ImportaProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello m;
    EditZone e;
    void SetUp() override {
        ImpostaDefault();
        ASSERT_EQ(CaricaSoletta(Campione + "/SOL1.QVR", 0, m, nullptr), 0);
        CalcAreeDiffuse(m);
        DetraiArmatureNodi(-1, m);
        p.Msg.Visti.clear();
    }
    std::string Scrivi(const std::string& nome, const std::string& testo) {
        ScriviTutto(dir / nome, testo);
        return dir / nome;
    }
    int IndiceNodo(float x, float y) const {
        for (int i = 0; i < m.Analisi.NumNodi; ++i)
            if (m.Analisi.Nodi[i].X == x && m.Analisi.Nodi[i].Y == y) return i;
        return -1;
    }
};

}  // namespace

TEST_F(ImportaProva, CinqueZoneTreImportate) {
    // One zone of the slab's own comes first.
    const ZonaFile propria = Zona4(1, 0, 0, 100, 75, 0);
    m.Zone.UltimaZona = 0;
    m.Zone.Zone = {propria.z};
    m.Zone.VerticiZone[0] = propria.v;
    DetraiArmatureNodi(-1, m);
    const int nodo = IndiceNodo(200, 300);
    ASSERT_GE(nodo, 0);
    const float primaSup1 = m.Analisi.Nodi[nodo].ResSup1;

    const auto zone = CinqueZone();
    ASSERT_EQ(ImportaArmature(Scrivi("ALTRA.QV0", FileQV0(7, zone, 1)), m, e), 0);

    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Trovate  5 armature integrative.\n 3 importate.");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Informazione);
    EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::Ok);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Importazione armature");

    ASSERT_EQ(m.Zone.UltimaZona, 3);
    ASSERT_EQ(m.Zone.Zone.size(), 4u);
    EXPECT_EQ(Campi(m.Zone.Zone[0]), Campi(propria.z));
    const int attese[3] = {0, 1, 4};
    for (int i = 0; i < 3; ++i) {
        const ZonaFile& f = zone[attese[i]];
        EXPECT_EQ(Campi(m.Zone.Zone[1 + i]), Campi(f.z)) << i;
        EXPECT_EQ(Piatto(m.Zone.VerticiZone[1 + i]), Piatto(f.v)) << "outline as in the file, not translated";
    }
    EXPECT_EQ(m.Progetto.PiegaAncoraggio, 1);
    EXPECT_EQ(m.Diffusa.PassoDiffSup1, 20) << "the file's diffuse mesh is not taken";
    EXPECT_EQ(m.SezQuote.UltimaSezione, -1);
    EXPECT_EQ(m.Soletta.NumVertContorno, 6);

    // The residuals are those of every zone now in the table.
    Modello atteso = m;
    DetraiArmatureNodi(-1, atteso);
    EXPECT_EQ(dump::StampaModello(m), dump::StampaModello(atteso));
    EXPECT_LT(m.Analisi.Nodi[nodo].ResSup1, primaSup1);

    // The working zone holds the last zone of the file.
    EXPECT_EQ(Campi(e.ZonaCorrente), Campi(zone[4].z));
    EXPECT_EQ(Piatto(e.ContornoZonaCorr), Piatto(zone[4].v));
    EXPECT_EQ(e.UltVertZonaCorr, zone[4].z.UltVertice);
}

TEST_F(ImportaProva, RegoleDiVersione) {
    for (int v = 1; v <= 7; ++v) {
        SCOPED_TRACE(v);
        SetUp();
        m.Progetto.PiegaAncoraggio = 0;
        e.ZonaCorrente.Angolo = 1.5f;  // what the previous zone left must not leak in
        e.ZonaCorrente.Copriferro = 4;
        const auto zone = CinqueZone();
        ASSERT_EQ(ImportaArmature(Scrivi("V.QV0", FileQV0(v, zone, -1)), m, e), 0);
        // The file's -1 is on, as any value but 0, and kept as 1.
        EXPECT_EQ(m.Progetto.PiegaAncoraggio, v >= 7 ? 1 : 0);
        ASSERT_EQ(m.Zone.UltimaZona, 2);
        const int attese[3] = {0, 1, 4};
        for (int i = 0; i < 3; ++i) {
            Zona z = zone[attese[i]].z;
            if (v < 6) z.Angolo = 0, z.Copriferro = 0;
            if (v < 5) z.PoligonoCordolo = -1, z.LatoCordolo = 0;
            EXPECT_EQ(Campi(m.Zone.Zone[i]), Campi(z)) << i;
        }
        m = Modello{};
    }
}

TEST_F(ImportaProva, SenzaZoneEDueVolte) {
    ASSERT_EQ(ImportaArmature(Scrivi("VUOTO.QV0", FileQV0(7, {}, 0)), m, e), 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Trovate  0 armature integrative.\n 0 importate.");
    EXPECT_EQ(m.Zone.UltimaZona, -1);

    const std::string f = Scrivi("ALTRA.QV0", FileQV0(7, CinqueZone()));
    ASSERT_EQ(ImportaArmature(f, m, e), 0);
    ASSERT_EQ(ImportaArmature(f, m, e), 0);
    ASSERT_EQ(m.Zone.UltimaZona, 5);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Campi(m.Zone.Zone[i]), Campi(m.Zone.Zone[i + 3]));
}

// A zone over nodes whose label stands beyond where work may stand on this slab stays out, as
// its own reinforcement file would be refused; at the edge it comes in.
TEST_F(ImportaProva, ZoneOltreLAreaDiLavoroEscluse) {
    const AreaPianta area = AreaLavoro(m.Soletta);
    ZonaFile dentro = Zona4(0, 150, 220, 350, 380, 40);
    dentro.z.XMarca = area.XMax;
    ZonaFile fuori = Zona4(1, 750, 50, 1050, 150, 35.5f);
    fuori.z.XMarca = area.XMax + 1;
    ASSERT_EQ(ImportaArmature(Scrivi("AREA.QV0", FileQV0(7, {dentro, fuori})), m, e), 0);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Trovate  2 armature integrative.\n 1 importate.");
    ASSERT_EQ(m.Zone.UltimaZona, 0);
    EXPECT_EQ(Campi(m.Zone.Zone[0]), Campi(dentro.z));
}

TEST_F(ImportaProva, FileRifiutatiNonCambianoNulla) {
    const std::string buono = FileQV0(7, CinqueZone());
    const auto taglio = buono.find("2000.000");  // inside the third zone
    ASSERT_NE(taglio, std::string::npos);
    std::string v8 = buono;
    v8.replace(0, 3, " 8 ");
    std::string v0 = buono;
    v0.replace(0, 3, " 0 ");
    std::string lettera = buono;
    lettera.replace(taglio, 4, "2x00");

    const std::string versione = "\n\xC3\xA8 di una versione non supportata: nessuna armatura importata.";
    struct Caso {
        std::string Nome, Testo, Messaggio;
        int Esistenti;
    };
    const std::vector<Caso> casi = {
        {"V8.QV0", v8, "Il file\n" + (dir / "V8.QV0") + versione, 0},
        {"V0.QV0", v0, "Il file\n" + (dir / "V0.QV0") + versione, 0},
        {"CORTO.QV0", buono.substr(0, taglio), "File non leggibile:\n" + (dir / "CORTO.QV0"), 0},
        {"LETTERA.QV0", lettera, "File non leggibile:\n" + (dir / "LETTERA.QV0"), 0},
        {"PIENO.QV0", buono,
         "Importazione annullata: si supererebbe il numero massimo di 601 armature integrative.", 599},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Nome);
        p.Msg.Visti.clear();
        m.Zone.UltimaZona = c.Esistenti - 1;
        m.Zone.Zone.assign(static_cast<size_t>(c.Esistenti), Zona{});
        DetraiArmatureNodi(-1, m);
        e.ZonaCorrente.Diametro = 99;
        const std::string prima = dump::StampaModello(m);
        EXPECT_EQ(ImportaArmature(Scrivi(c.Nome, c.Testo), m, e), -1);
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo.substr(0, c.Messaggio.size()), c.Messaggio);
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(dump::StampaModello(m), prima);
        EXPECT_EQ(e.ZonaCorrente.Diametro, 99);
    }

    // Up to the limit exactly, the zones come in.
    p.Msg.Visti.clear();
    m.Zone.UltimaZona = 597;
    m.Zone.Zone.assign(598, Zona{});
    ASSERT_EQ(ImportaArmature(dir / "PIENO.QV0", m, e), 0);
    EXPECT_EQ(m.Zone.UltimaZona, MaxZone - 1);
    EXPECT_EQ(Piatto(m.Zone.VerticiZone[600]), Piatto(CinqueZone()[4].v));

    // A file that has gone: nothing happens.
    p.Msg.Visti.clear();
    const std::string prima = dump::StampaModello(m);
    EXPECT_EQ(ImportaArmature(dir / "MANCA.QV0", m, e), -1);
    EXPECT_TRUE(p.Msg.Visti.empty());
    EXPECT_EQ(dump::StampaModello(m), prima);
}
