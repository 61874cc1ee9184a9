// One accepted edit of the diffuse mesh in the main panel, and the update after a confirmed zone,
// on a large slab, beside each stage they run timed alone: each must cost little more than the
// sum of its stages.
#include <benchmark/benchmark.h>

#include <random>

#include "SolettaGrande.h"
#include "VideoMuto.h"
#include "app/MouseVideo.h"
#include "app/PannelloDiffusa.h"
#include "design/BarreZone.h"
#include "design/Residui.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/Statistiche.h"

using namespace vilmor;

namespace {

// The large slab with 100,000 nodes over it and 300 integrative zones, in the arrangement view.
struct Banco {
    bench::VideoMuto video;
    Banco() {
        Modello m = bench::SolettaGrande();
        bench::NodiInGriglia(m, 100000, 15, 16, 6);
        std::mt19937 g(5);
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
        M = std::move(m);
        SettaLimiti();
        Piatt.Ctrl_Vid = &video;
        Vista.AltezzaVideo = 1000;
        Vista.CodiceVista = 6;
        Vista.VistaScelta = 3;
        Vista.EstensioneCorrente = Vista.EstensionePianta;
        CalcAreeDiffuse(M);
        DetraiArmatureNodi(-1, M);
        ZoomEstensione();
        CalcolaArmature();
    }
    ~Banco() { Piatt.Ctrl_Vid = nullptr; }
};

}  // namespace

// The current value typed again: no warning, the whole update runs.
static void ModificaPannello(benchmark::State& s) {
    Banco b;
    for (auto _ : s) PropertyGrid1_AfterEdit(IdPassoDiffSup1, "10");
}
BENCHMARK(ModificaPannello)->Unit(benchmark::kMillisecond);

// What follows every confirmed zone: residuals, bars, plan.
static void DopoZona(benchmark::State& s) {
    Banco b;
    for (auto _ : s) AggiornaDopoZona();
}
BENCHMARK(DopoZona)->Unit(benchmark::kMillisecond);

static void StadioAree(benchmark::State& s) {
    Banco b;
    for (auto _ : s) CalcAreeDiffuse(M);
}
BENCHMARK(StadioAree)->Unit(benchmark::kMillisecond);

static void StadioResidui(benchmark::State& s) {
    Banco b;
    for (auto _ : s) DetraiArmatureNodi(-1, M);
}
BENCHMARK(StadioResidui)->Unit(benchmark::kMillisecond);

static void StadioVista(benchmark::State& s) {
    Banco b;
    for (auto _ : s) ZoomEstensione();
}
BENCHMARK(StadioVista)->Unit(benchmark::kMillisecond);

static void StadioBarre(benchmark::State& s) {
    Banco b;
    for (auto _ : s) CalcolaArmature();
}
BENCHMARK(StadioBarre)->Unit(benchmark::kMillisecond);

static void StadioPianta(benchmark::State& s) {
    Banco b;
    for (auto _ : s) Ridisegna(0);
}
BENCHMARK(StadioPianta)->Unit(benchmark::kMillisecond);
