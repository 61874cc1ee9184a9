#include <benchmark/benchmark.h>

#include "SolettaGrande.h"

#include <cmath>
#include <random>
#include <vector>

#include "design/BarreZone.h"
#include "design/ContorniArmatura.h"
#include "design/GeometriaZona.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "model/Poligoni.h"
#include "report/Computo.h"

// The quantities report lays the bars out again and then lists them: on the 60 m x 40 m slab
// with 20 openings and diffuse spacings of 10 cm of the bar-layout benchmark, with 600 zones of
// which 50 are stud zones and 20 curbs (the zone table holds 601). The report should cost at
// most twice the layout alone.
namespace {

using namespace vilmor;

struct Dati {
    Modello M;
    Dati() {
        M = bench::SolettaGrande();
        M.Progetto.NumeroSoletta = 1;
        MagliaDiffusa& d = M.Diffusa;
        d.DiamCavalletti = 12;
        d.PassoCavalletti1 = d.PassoCavalletti2 = 50;

        std::mt19937 gen(5);
        std::uniform_real_distribution<float> ux(50, 5300), uy(50, 3300), ul(80, 650);
        for (int z = 0; z < 600; ++z) {
            EditZone e;
            float x = std::round(ux(gen)), y = std::round(uy(gen));
            float w = std::round(ul(gen)), h = std::round(ul(gen));
            Zona& zc = e.ZonaCorrente;
            // Every twelfth zone carries studs, every thirtieth (from the fifth) is a curb.
            zc.Tipo = z % 12 == 0 ? 3 : z % 30 == 5 ? 2 : z % 2;
            zc.Direzione = (z / 2) % 2;
            zc.Diametro = zc.Tipo == 2 ? 8 : zc.Tipo == 3 ? 12 : 14;
            zc.Passo = 20;
            if (zc.Tipo == 2) {
                zc.Diametro2 = 14;
                zc.NumBracci = 2 + 2 * (z % 2);
                zc.Passo2 = 30;
                h = 30;
            } else if (zc.Tipo == 3) {
                zc.Passo2 = 20;
            }
            e.ContornoZonaCorr = {{x, y + h}, {x + w, y + h}, {x + w, y}, {x, y}};
            e.UltVertZonaCorr = 3;
            e.MantieniRiferimento = 1;
            GeometriaZonaRett(M.Progetto, e);
            M.Zone.Zone.push_back(zc);
            M.Zone.VerticiZone[static_cast<size_t>(z)] = e.ContornoZonaCorr;
        }
        M.Zone.UltimaZona = 599;
    }
};

Dati& Soletta() {
    static Dati d;
    return d;
}

void ComputoCalcolaArmature(benchmark::State& s) {
    Dati& d = Soletta();
    for (auto _ : s) benchmark::DoNotOptimize(CalcolaArmature(d.M));
}
BENCHMARK(ComputoCalcolaArmature)->Unit(benchmark::kMillisecond);

void ComputoCopuRTF(benchmark::State& s) {
    Dati& d = Soletta();
    StatoRelazione r;
    for (auto _ : s) {
        r = StatoRelazione{};
        CopuRTF(r, d.M);
        benchmark::DoNotOptimize(r.TestoRtf.data());
    }
    s.counters["PesoSoletta_kg"] = r.PesoSoletta;
    s.counters["Testo_kB"] = static_cast<double>(r.TestoRtf.size()) / 1024;
}
BENCHMARK(ComputoCopuRTF)->Unit(benchmark::kMillisecond);

}  // namespace
