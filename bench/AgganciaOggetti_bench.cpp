// One object-snap hover in a dimension mode on the large slab (300 zones, some at 5 cm, 200
// columns), against a plain loop over the same candidate points, precomputed, with the same
// 4-pixel test: within 3x.
#include <benchmark/benchmark.h>

#include <cmath>

#include "SolettaGrande.h"
#include "VideoMuto.h"
#include "app/AgganciaOggetti.h"
#include "model/Resource.h"
#include "model/Vista.h"

using namespace vilmor;

namespace {

struct Banco {
    bench::VideoMuto video;
    SuperficieVideo* vecchio = Piatt.Ctrl_Vid;
    StatoVista vista = Vista;
    StratiDisegno strati = Strati;
    Modello m = bench::SolettaGrande();
    Banco() {
        Piatt.Ctrl_Vid = &video;
        Strati.OsnapQuote.fill(1);
        Strati.VisLayerVideo.fill(1);
        Strati.VisLayerCorr.fill(1);
        Vista.FinestraVista = {0, 4000, 0, 6400};
        Vista.Scala = 0.25f;
        Vista.AltezzaVideo = 1000;
        Vista.CodiceVista = 6;
        GeometriaSoletta& g = m.Soletta;
        for (int i = 0; i < 200; ++i) {
            Pilastro p;
            p.NumVertici = 4;
            p.X = 150.0f + 300 * (i % 20), p.Y = 200.0f + 400 * (i / 20);
            p.VX = {p.X - 15, p.X + 15, p.X + 15, p.X - 15};
            p.VY = {p.Y - 15, p.Y - 15, p.Y + 15, p.Y + 15};
            g.Pilastri.push_back(p);
        }
        g.NumPilastri = 200;
        // 300 curbs and face zones; every tenth at 5 cm.
        ZoneArmatura& za = m.Zone;
        for (int i = 0; i < 300; ++i) {
            Zona z;
            z.Tipo = i % 3 == 0 ? 2 : 0;
            z.Passo = i % 10 == 0 ? 5.0f : 20.0f;
            z.UltVertice = 3;
            const float x = 100.0f + 190 * (i % 30), y = 100.0f + 390 * (i / 30);
            z.XMin1 = x, z.YMin1 = y, z.XMax1 = x + 150, z.YMax1 = y + 200;
            za.Zone.push_back(z);
            za.VerticiZone[static_cast<size_t>(i)] = {{x, y}, {x, y + 200}, {x + 150, y + 200}, {x + 150, y}};
        }
        za.UltimaZona = 299;
    }
    ~Banco() {
        Piatt.Ctrl_Vid = vecchio;
        Vista = vista;
        Strati = strati;
    }
};

// Over empty space: every candidate is looked at.
constexpr float X = 3.3f, Y = 2.2f;

void OsnapPassaggio(benchmark::State& s) {
    Banco b;
    for (auto _ : s) AgganciaOggetti(b.m, X, Y, 0, 0);
    s.counters["candidati"] = static_cast<double>(CandidatiAggancio(b.m, 0).size());
}
BENCHMARK(OsnapPassaggio)->Unit(benchmark::kMicrosecond);

void OsnapCicloNudo(benchmark::State& s) {
    Banco b;
    const auto c = CandidatiAggancio(b.m, 0);
    for (auto _ : s) {
        bool trovato = false;
        for (const auto& k : c)
            if (std::fabs(X - XSchermo(k.X)) < 4 && std::fabs(Y - YSchermo(k.Y)) < 4) {
                trovato = true;
                break;
            }
        benchmark::DoNotOptimize(trovato);
    }
}
BENCHMARK(OsnapCicloNudo)->Unit(benchmark::kMicrosecond);

}  // namespace
