// Every computation of the bar layout and of the section measuring that is handed a model works
// on that model alone: run on a second slab while the open project holds another one, it leaves
// the open project and the zone being edited as they were and gives the second slab's own
// results, the same it gives when that slab is the open project.
#include <gtest/gtest.h>

#include <filesystem>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/CaricaSoletta.h"
#include "design/BarreDiffuse.h"
#include "design/BarreZone.h"
#include "design/FerriSezione.h"
#include "design/SoletteBarre.h"
#include "drawing/DisFerriSezione.h"
#include "drawing/DisegnoZone.h"
#include "support/Registrazioni.h"
#include "tools/StampaModello.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";
const std::string Dati = VILMOR_DATI_PROVA;

int AggiungiGrezza(Modello& m, const Zona& zona, const Anello& contorno) {
    int z = ++m.Zone.UltimaZona;
    m.Zone.Zone.resize(static_cast<size_t>(z) + 1);
    m.Zone.Zone[z] = zona;
    m.Zone.Zone[z].UltVertice = static_cast<int>(contorno.size()) - 1;
    m.Zone.VerticiZone[z] = contorno;
    return z;
}

std::string Dump(const Modello& m) {
    dump::OpzioniStampa o;
    o.Saltati = true;
    return dump::StampaModello(m, o);
}

// What the zone being edited holds; none of the computations may touch it.
std::string ImprontaEdit() {
    std::string s;
    for (const auto* v : {&Edit.PoligonoLavoro, &Edit.ContornoZonaCorr, &Edit.PerimetroRidotto})
        for (const Punto& p : *v) s += dump::Num(p.X) + "," + dump::Num(p.Y) + ";";
    return s + dump::Num(Edit.ZonaCorrente.Passo) + "/" + dump::Num(Edit.ZonaSelezionata);
}

// The totals the layout stores in the model.
std::string Totali(const Modello& m) {
    const MagliaDiffusa& d = m.Diffusa;
    std::string r = dump::Lista(std::array<float, 8>{d.LungDiffSup1, d.LungDiffSup2, d.LungDiffInf1, d.LungDiffInf2,
                                                     d.PesoDiffSup1, d.PesoDiffSup2, d.PesoDiffInf1, d.PesoDiffInf2});
    for (int z = 0; z <= m.Zone.UltimaZona; ++z)
        r += "; " + dump::Num(m.Zone.Zone[z].LungTotale) + " " + dump::Num(m.Zone.Zone[z].NumBracci);
    return r + "; " + std::to_string(m.ElementiSaltati.size());
}

std::string Disegnato(const SinkRegistrato& s) {
    std::string r;
    for (const auto& e : s.Entita_) {
        r += e.Tipo + e.Testo;
        for (double v : e.Num) r += " " + dump::Num(v);
        r += ";";
    }
    return r;
}

// The curb's representative bar: which model it was handed.
const Modello* ModelloFerroInt = nullptr;
void RegistraFerroInt(const Modello& m, float, float, int, const std::string&, const std::string&, int) {
    ModelloFerroInt = &m;
}

struct ModelloProprio : ::testing::Test {
    AmbienteBarre amb;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello altro;

    void SetUp() override {
        Piatt.PauseAttive = false;
        // The open project: the sample slab with its reinforcement file and bar layout.
        fs::create_directories(dir / "A");
        for (std::string f : {"SOL1.QVR", "ARCHIMPA.AI0"}) fs::copy_file(Campione + "/" + f, dir / ("A/" + f));
        fs::copy_file(Dati + "/dump/SOL1.QV0", dir / "A/SOL1.QV0");
        p.Msg.Risposte.push_back(RispostaMsg::Si);  // keep the reinforcement of a changed slab
        ASSERT_EQ(CaricaSolettaProgetto(dir / "A/SOL1.QVR"), 0);
        ASSERT_GE(M.Zone.UltimaZona, 0);
        CalcolaArmature();

        // Another slab in its own model: another outline, thickness, cover and mesh, and zones
        // of every kind.
        fs::create_directories(dir / "B");
        for (std::string f : {"SOLDP.QVR", "SOLDP.DAT", "ARCHIMPA.AI0"})
            fs::copy_file(Dati + "/datiprogetto/" + f, dir / ("B/" + f));
        ASSERT_EQ(CaricaSoletta(dir / "B/SOLDP.QVR", 0, altro, nullptr), 0);
        altro.Progetto.Spessore = M.Progetto.Spessore + 12;
        altro.Progetto.Copriferro = M.Progetto.Copriferro + 2;
        MagliaDiffusa& d = altro.Diffusa;
        d.DiamDiffSup1 = 14, d.DiamDiffSup2 = 16, d.DiamDiffInf1 = 18, d.DiamDiffInf2 = 20;
        d.PassoDiffSup1 = 15, d.PassoDiffSup2 = 17, d.PassoDiffInf1 = 22, d.PassoDiffInf2 = 30;
        AggiungiZona(altro, {{100, 450}, {700, 450}, {700, 300}, {100, 300}}, 0, 0, 16, 12);
        AggiungiZona(altro, {{200, 500}, {300, 500}, {300, 100}, {200, 100}}, 0, 1, 14, 10);
        AggiungiZona(altro, {{50, 250}, {950, 250}, {950, 150}, {50, 150}}, 1, 0, 20, 25);
        AggiungiZona(altro, {{600, 550}, {800, 550}, {800, 50}, {600, 50}}, 1, 1, 12, 15);
        Zona cordolo;
        cordolo.Tipo = 2;
        cordolo.Passo = 20;
        cordolo.NumBracci = 4;
        cordolo.XBarra1 = 10, cordolo.YBarra1 = 0, cordolo.XBarra2 = 10, cordolo.YBarra2 = 30;
        AggiungiGrezza(altro, cordolo, {{0, 30}, {0, 0}, {500, 0}, {500, 30}});
        Zona pioli;
        pioli.Tipo = 3;
        pioli.Diametro = 12;
        pioli.Passo = 20;
        pioli.Passo2 = 25;
        pioli.XRif = 450, pioli.YRif = 350;
        AggiungiGrezza(altro, pioli, {{400, 400}, {520, 400}, {520, 300}, {400, 300}});
        p.Msg.Visti.clear();

        Edit.PoligonoLavoro = {{1, 2}, {3, 4}};
        Edit.ContornoZonaCorr = {{5, 6}};
        Edit.ZonaCorrente.Passo = 7;
        Edit.ZonaSelezionata = 8;
        Disegno.FerroIntCordolo = RegistraFerroInt;
    }
};

}  // namespace

TEST_F(ModelloProprio, OgniCalcoloLavoraSulSuoModello) {
    struct Caso {
        const char* nome;
        // Runs on the model and tells what it computed, drew or measured.
        std::function<std::string(Modello&)> calcola;
    };
    const Caso casi[] = {
        {"CalcolaArmature",
         [](Modello& m) {
             CalcolaArmature(m);
             return Totali(m);
         }},
        {"ComputaDiffusa, misura",
         [](Modello& m) {
             std::vector<ElementoSaltato> s;
             for (int lato : {0, 1}) ComputaDiffusa(m, 0, 0, lato, -1, &s);
             return Totali(m) + " " + std::to_string(s.size());
         }},
        {"ComputaDiffusa, disegno",
         [this](Modello& m) {
             p.SinkVideo.Entita_.clear();
             for (int lato : {0, 1}) ComputaDiffusa(m, 10, 20, lato, 0);
             return Disegnato(p.SinkVideo);
         }},
        {"CalcolaBarreDirezione",
         [](Modello& m) {
             std::string r;
             for (int dir : {0, 1}) {
                 LavoroStrato l = PreparaLavoro(m, dir);
                 EsitoStrato e = CalcolaBarreDirezione(m, l, 0, 0, dir, 20, 12, -1);
                 r += dump::Num(l.LungTotFerri) + "/" + std::to_string(e.TrattiSaltati) + ";";
             }
             return r;
         }},
        {"CalcolaFerriZone, misura",
         [](Modello& m) {
             std::vector<ElementoSaltato> s;
             for (int lato : {0, 1}) CalcolaFerriZone(m, 0, 0, lato, -1, &s);
             return Totali(m) + " " + std::to_string(s.size());
         }},
        {"CalcolaFerriZone, disegno",
         [this](Modello& m) {
             p.SinkDxf.Entita_.clear();
             for (int lato : {0, 1}) CalcolaFerriZone(m, 0, 0, lato, 1);
             return Disegnato(p.SinkDxf);
         }},
        {"FerriZona",
         [](Modello& m) {
             std::string r;
             for (int z = 0; z <= m.Zone.UltimaZona; ++z) {
                 EsitoZona e = FerriZona(m, z, 0, 0, -1, 1);
                 r += std::to_string(e.NumBarre) + " " + dump::Num(e.LungTotale) + " " + e.Etichetta1 + " " +
                      e.Etichetta2 + ";";
             }
             return r;
         }},
        {"DisFerriSez",
         [](Modello& m) {
             std::string r;
             for (int ganci : {0, 1})
                 for (float lung : {300.0f, 1500.0f})
                     r += std::to_string(DisFerriSez(m, 0, 0, 0, 0, lung, 12, 20, ganci, ganci, -1)) + ";";
             return r;
         }},
        {"ParametriFerriSezione",
         [](Modello& m) { return std::to_string(MisuraFerriSez(ParametriFerriSezione(m), 1, 1, 0, 800, 16, 1, 1)); }},
        {"DisegnaPioli",
         [](Modello& m) {
             DisegnaPioli(m, 0, 0, -1);
             return Totali(m);
         }},
        {"DisegnaCordoli",
         [this](Modello& m) {
             p.SinkVideo.Entita_.clear();
             ModelloFerroInt = nullptr;
             DisegnaCordoli(m, 0, 0, 0);
             return Disegnato(p.SinkVideo) + (ModelloFerroInt == &m ? "proprio" : "altro");
         }},
        {"DisegnaFerriZona",
         [this](Modello& m) {
             p.Video.Chiamate.clear();
             for (int z = 0; z <= m.Zone.UltimaZona; ++z) DisegnaFerriZona(m, z, m.Zone.Zone[z].Direzione, m.Zone.Zone[z].Tipo);
             return std::to_string(p.Video.Chiamate.size());
         }},
    };

    const std::string progetto = Dump(M);
    const std::string edit = ImprontaEdit();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        // What the second slab gives when it is itself the open project.
        const Modello aperto = M;
        M = altro;
        const std::string proprio = c.calcola(M);
        const std::string modelloProprio = Dump(M);
        M = aperto;
        // What the open project gives: the case must tell the two slabs apart.
        Modello copia = M;
        const std::string delProgetto = c.calcola(copia);
        ASSERT_EQ(Dump(M), progetto);

        Modello m = altro;
        const std::string r = c.calcola(m);
        EXPECT_EQ(r, proprio);
        EXPECT_EQ(Dump(m), modelloProprio);
        EXPECT_NE(r, delProgetto) << "the case does not tell the two slabs apart";
        EXPECT_EQ(Dump(M), progetto) << "the open project is left as it was";
        EXPECT_EQ(ImprontaEdit(), edit) << "the zone being edited is left as it was";
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
}
