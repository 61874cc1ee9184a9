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

// The bar-layout pass runs after every edit: a 60 m x 40 m slab with 20 openings, diffuse
// spacings of 10 cm on both faces and 600 face zones.
namespace {

using namespace vilmor;

struct Dati {
    Modello M;
    Dati() {
        M = bench::SolettaGrande();

        std::mt19937 gen(5);
        std::uniform_real_distribution<float> ux(50, 5300), uy(50, 3300), ul(80, 650);
        for (int z = 0; z < 600; ++z) {
            EditZone e;
            float x = std::round(ux(gen)), y = std::round(uy(gen));
            float w = std::round(ul(gen)), h = std::round(ul(gen));
            e.ZonaCorrente.Tipo = z % 2;
            e.ZonaCorrente.Direzione = (z / 2) % 2;
            e.ZonaCorrente.Diametro = 14;
            e.ZonaCorrente.Passo = 20;
            e.ContornoZonaCorr = {{x, y + h}, {x + w, y + h}, {x + w, y}, {x, y}};
            e.UltVertZonaCorr = 3;
            e.MantieniRiferimento = 1;
            GeometriaZonaRett(M.Progetto, e);
            M.Zone.Zone.push_back(e.ZonaCorrente);
            M.Zone.VerticiZone[static_cast<size_t>(z)] = e.ContornoZonaCorr;
        }
        M.Zone.UltimaZona = 599;
    }
};

void CalcolaArmatureGrande(benchmark::State& s) {
    static Dati d;
    for (auto _ : s) benchmark::DoNotOptimize(CalcolaArmature(d.M));
    float zone = 0;
    for (const Zona& z : d.M.Zone.Zone) zone += z.LungTotale;
    s.counters["LungDiffSup1_m"] = d.M.Diffusa.LungDiffSup1 / 100;
    s.counters["LungZone_m"] = zone / 100;
}
BENCHMARK(CalcolaArmatureGrande)->Unit(benchmark::kMillisecond);

// A reinforcement file with 601 zones of 20 km a side at a spacing of 1 cm over a 12 m x 9 m
// slab: the layout must cost what the slab costs.
void CalcolaArmatureZoneAssurde(benchmark::State& s) {
    static Modello m = [] {
        SettaAcciaio(4);
        SettaCls(4);
        Imp = Impostazioni{};
        Modello r;
        r.Soletta.Contorno = {{0, 0}, {0, 900}, {1200, 900}, {1200, 0}, {0, 0}};
        r.Soletta.NumVertContorno = 4;
        r.Progetto.Spessore = 25;
        r.Progetto.Copriferro = 3;
        r.Progetto.AngoloDir2 = static_cast<float>(3.14159265358979 / 2);
        r.Progetto.AngoloDir2Gradi = 90;
        CalcolaDirezioni(r);
        CalcolaContornoArmatura(r);
        const float L = 1e6f;
        for (int z = 0; z < MaxZone; ++z) {
            EditZone e;
            e.ZonaCorrente.Tipo = z % 2;
            e.ZonaCorrente.Direzione = (z / 2) % 2;
            e.ZonaCorrente.Diametro = 12;
            e.ZonaCorrente.Passo = 1.0001f;
            e.ContornoZonaCorr = {{-L, L}, {L, L}, {L, -L}, {-L, -L}};
            e.UltVertZonaCorr = 3;
            e.MantieniRiferimento = 1;
            GeometriaZonaRett(r.Progetto, e);
            r.Zone.Zone.push_back(e.ZonaCorrente);
            r.Zone.VerticiZone[static_cast<size_t>(z)] = e.ContornoZonaCorr;
        }
        r.Zone.UltimaZona = MaxZone - 1;
        return r;
    }();
    for (auto _ : s) benchmark::DoNotOptimize(CalcolaArmature(m));
}
BENCHMARK(CalcolaArmatureZoneAssurde)->Unit(benchmark::kMillisecond);

}  // namespace
