// One accepted edit of the diffuse mesh in the main panel, and the update after a confirmed zone,
// on a slab of 100,000 nodes with 300 zones, painted on the plan picture at the size it has in
// the main window at its start on a 1600 x 1000 screen; beside each stage they run timed alone
// (each must cost little more than the sum of its stages) and beside one sort of the nodes'
// values. Goal: the edit, undo snapshot and pixels included, within one frame (16 ms) and no
// more than 3 times the sort.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Memoria.h"
#include "SolettaGrande.h"
#include "app/MouseVideo.h"
#include "app/PannelloDiffusa.h"
#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Resource.h"
#include "model/Statistiche.h"
#include "ui/CtrlVid.h"

using namespace vilmor;

namespace {

// The plan picture of the main window at its start on the 1600 x 1000 screen of the tests.
constexpr int LarghezzaPiano = 1277, AltezzaPiano = 933;

// The warning of a base-mesh change must not stop the edit.
class MessaggiMuti : public Messaggi {
public:
    RispostaMsg Mostra(const std::string&, IconaMsg, PulsantiMsg, const std::string&) override {
        return RispostaMsg::Ok;
    }
};

Modello Soletta300Zone() {
    Modello m = bench::SolettaGrande();
    bench::NodiInGriglia(m, 100000, 15, 16, 6);
    std::mt19937 g(5);
    std::uniform_real_distribution<float> richiesta(2, 12);
    for (Nodo& n : m.Analisi.Nodi) n.RichSup1 = richiesta(g), n.RichSup2 = richiesta(g), n.RichInf1 = richiesta(g), n.RichInf2 = richiesta(g);
    std::uniform_real_distribution<float> x(100, 5500), y(100, 3500), lato(100, 400);
    for (int k = 0; k < 300; ++k) {
        Zona z;
        const float x0 = x(g), y0 = y(g), w = lato(g), h = lato(g);
        z.Tipo = k % 2, z.Direzione = (k / 2) % 2;
        z.Diametro = 12, z.Passo = 20;
        z.XMin = x0, z.YMin = y0, z.XMax = x0 + w, z.YMax = y0 + h;
        z.Angoli = {Punto{x0, y0 + h}, Punto{x0 + w, y0 + h}, Punto{x0 + w, y0}, Punto{x0, y0}};
        m.Zone.Zone.push_back(z);
        m.Zone.VerticiZone[static_cast<size_t>(k)] = {z.Angoli.begin(), z.Angoli.end()};
    }
    m.Zone.UltimaZona = 299;
    return m;
}

// The slab in the plan of the upper diffuse mesh, where a load leaves it, drawn once on the plan
// picture. Made once and never
// destroyed: its picture must not outlive the application.
struct Banco {
    CtrlVid video;
    SinkVideo sink;
    MessaggiMuti muti;
    Banco() {
        ImpostaDefault();
        ImpostaColori();
        video.resize(LarghezzaPiano, AltezzaPiano);
        video.show();
        video.Installa();
        Piatt.SinkVideo = &sink;
        Piatt.Msg = &muti;
        M = Soletta300Zone();
        SettaLimiti();
        Vista.VistaScelta = 0;
        Vista.CodiceVista = 0;
        Vista.PiantaCorrente = 0;
        Vista.EstensioneCorrente = Vista.EstensionePianta;
        CalcAreeDiffuse(M);
        DetraiArmatureNodi(-1, M);
        ZoomEstensione();
        CalcolaArmature();
        Ridisegna(0);
        video.Immagine();
    }
};
Banco& B() {
    static Banco* b = new Banco;
    return *b;
}

}  // namespace

// A new spacing typed, and the old one again: each edit is stored, recorded as an undo step and
// brought up to date, pixels included.
static void ModificaPannello300Zone(benchmark::State& s) {
    Banco& b = B();
    bool altro = false;
    bench::ContaPagine pagine(s);
    for (auto _ : s) {
        altro = !altro;
        PropertyGrid1_AfterEdit(IdPassoDiffSup1, altro ? "11" : "10");
        benchmark::DoNotOptimize(b.video.Immagine().constBits());
    }
}
BENCHMARK(ModificaPannello300Zone)->Unit(benchmark::kMillisecond);

// The floor: one sort of the 100,000 nodes' requirements of one layer.
static void BM_OrdinaNodi100000(benchmark::State& s) {
    B();
    std::vector<float> r(M.Analisi.Nodi.size());
    for (auto _ : s) {
        for (size_t i = 0; i < r.size(); ++i) r[i] = M.Analisi.Nodi[i].RichSup1;
        std::sort(r.begin(), r.end());
        benchmark::DoNotOptimize(r.data());
    }
}
BENCHMARK(BM_OrdinaNodi100000)->Unit(benchmark::kMillisecond);

// What follows every confirmed zone: residuals, bars, plan.
static void DopoZona(benchmark::State& s) {
    Banco& b = B();
    for (auto _ : s) {
        AggiornaDopoZona();
        benchmark::DoNotOptimize(b.video.Immagine().constBits());
    }
}
BENCHMARK(DopoZona)->Unit(benchmark::kMillisecond);

static void StadioAree(benchmark::State& s) {
    B();
    for (auto _ : s) CalcAreeDiffuse(M);
}
BENCHMARK(StadioAree)->Unit(benchmark::kMillisecond);

static void StadioResidui(benchmark::State& s) {
    B();
    for (auto _ : s) DetraiArmatureNodi(-1, M);
}
BENCHMARK(StadioResidui)->Unit(benchmark::kMillisecond);

static void StadioVista(benchmark::State& s) {
    B();
    for (auto _ : s) ZoomEstensione();
}
BENCHMARK(StadioVista)->Unit(benchmark::kMillisecond);

static void StadioBarre(benchmark::State& s) {
    B();
    for (auto _ : s) CalcolaArmature();
}
BENCHMARK(StadioBarre)->Unit(benchmark::kMillisecond);

// The undo step of a stored value: the model's state before, compared with the state after and
// written as a snapshot.
static void StadioAnnullamento(benchmark::State& s) {
    B();
    bool altro = false;
    for (auto _ : s) {
        FotoModello prima = FotografaModello();
        altro = !altro;
        M.Diffusa.PassoDiffSup1 = altro ? 11 : 10;
        RegistraModifica(prima);
    }
}
BENCHMARK(StadioAnnullamento)->Unit(benchmark::kMillisecond);

static void StadioPianta(benchmark::State& s) {
    Banco& b = B();
    for (auto _ : s) {
        Ridisegna(0);
        benchmark::DoNotOptimize(b.video.Immagine().constBits());
    }
}
BENCHMARK(StadioPianta)->Unit(benchmark::kMillisecond);
