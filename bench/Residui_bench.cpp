#include <benchmark/benchmark.h>

#include <random>

#include "SolettaGrande.h"
#include "design/Residui.h"

using namespace vilmor;

// 100,000 nodes on a grid and 500 zones of 1-4 m scattered over it.
static Modello ModelloGrande() {
    Modello m;
    bench::NodiInGriglia(m, 100000, 25, 25, 3);
    std::mt19937 g(7);
    std::uniform_real_distribution<float> pos(0, 9600), lato(100, 400);
    for (int k = 0; k < 500; ++k) {
        Zona z;
        float x0 = pos(g), y0 = pos(g) * 0.65f, w = lato(g), h = lato(g);
        z.Tipo = k % 4 == 3 ? 3 : k % 2;
        z.Diametro = 12, z.Passo = 20, z.Passo2 = 20;
        z.XMin = x0, z.YMin = y0, z.XMax = x0 + w, z.YMax = y0 + h;
        z.Angoli = {Punto{x0, y0 + h}, Punto{x0 + w, y0 + h}, Punto{x0 + w, y0}, Punto{x0, y0}};
        m.Zone.Zone.push_back(z);
    }
    m.Zone.UltimaZona = 499;
    return m;
}

static void Residui(benchmark::State& s) {
    Modello m = ModelloGrande();
    for (auto _ : s) DetraiArmatureNodi(-1, m);
}
BENCHMARK(Residui)->Unit(benchmark::kMillisecond);

// The same zone tests without the box prefilter: every node against every quadrilateral.
#include "design/PuntoInPoligono.h"
static void ResiduiSenzaPrefiltro(benchmark::State& s) {
    Modello m = ModelloGrande();
    for (auto _ : s) {
        int dentro = 0;
        for (int k = 0; k <= m.Zone.UltimaZona; ++k)
            for (const auto& n : m.Analisi.Nodi) dentro += NodoInZona(m, k, n.X, n.Y);
        benchmark::DoNotOptimize(dentro);
    }
}
BENCHMARK(ResiduiSenzaPrefiltro)->Unit(benchmark::kMillisecond);
