// One hover of the information mode and of the zone-deleting mode over a large model, each
// beside a plain loop with the same pixel test: the highlights must cost little more than
// the scan itself.
#include <benchmark/benchmark.h>

#include <random>

#include "SolettaGrande.h"
#include "VideoMuto.h"
#include "app/Evidenzia.h"
#include "base/Piattaforma.h"
#include "model/Vista.h"
#include "model/definizioni.h"

using namespace vilmor;

namespace {


// 100,000 nodes 25 cm apart and 300 zones with their marks, shown whole on a 1600 x 1000 picture.
struct Banco {
    bench::VideoMuto video;
    Banco() {
        Modello m;
        bench::NodiInGriglia(m, 100000, 25, 25, 0);
        std::mt19937 g(11);
        std::uniform_real_distribution<float> x(0, 9900), y(0, 6200);
        for (int k = 0; k < 300; ++k) {
            Zona z;
            z.Tipo = 0;
            z.XMarca = x(g), z.YMarca = y(g);
            m.Zone.Zone.push_back(z);
        }
        m.Zone.UltimaZona = 299;
        M = std::move(m);
        Piatt.Ctrl_Vid = &video;
        Vista.AltezzaVideo = 1000;
        Vista.FinestraVista = {0, 6250, 0, 10000};
        Vista.Scala = 0.16f;
        Vista.CodiceVista = 6;
        Vista.TipoZonaAttivo = 0;
        Vista.DirezioneAttiva = 0;
    }
    ~Banco() { Piatt.Ctrl_Vid = nullptr; }
};

// A cursor where nothing lies: every candidate is tested.
constexpr float Px = 1599.5f, Py = 0.5f;

}  // namespace

static void HoverNodo(benchmark::State& s) {
    Banco b;
    for (auto _ : s) {
        Vista.ElementoEvidenziato = -1;
        EvidenziaNodo(Px, Py);
    }
}
BENCHMARK(HoverNodo)->Unit(benchmark::kMicrosecond);

static void CicloNodi(benchmark::State& s) {
    Banco b;
    for (auto _ : s) {
        int trovato = -1;
        const auto& nodi = M.Analisi.Nodi;
        for (size_t k = 0; k < nodi.size(); ++k) {
            const float sx = XSchermo(nodi[k].X), sy = YSchermo(nodi[k].Y);
            if (sx - 6 < Px && Px < sx + 6 && sy - 6 < Py && Py < sy + 6) {
                trovato = static_cast<int>(k);
                break;
            }
        }
        benchmark::DoNotOptimize(trovato);
    }
}
BENCHMARK(CicloNodi)->Unit(benchmark::kMicrosecond);

static void HoverCerchio(benchmark::State& s) {
    Banco b;
    for (auto _ : s) {
        Vista.ElementoEvidenziato = -1;
        EvidenziaCerchio(Px, Py);
    }
}
BENCHMARK(HoverCerchio)->Unit(benchmark::kMicrosecond);

static void CicloMarche(benchmark::State& s) {
    Banco b;
    for (auto _ : s) {
        int trovato = -1;
        const auto& zone = M.Zone.Zone;
        for (size_t k = 0; k < zone.size(); ++k) {
            const float sx = XSchermo(zone[k].XMarca), sy = YSchermo(zone[k].YMarca);
            if (sx - 10 < Px && Px < sx + 10 && sy - 10 < Py && Py < sy + 10) {
                trovato = static_cast<int>(k);
                break;
            }
        }
        benchmark::DoNotOptimize(trovato);
    }
}
BENCHMARK(CicloMarche)->Unit(benchmark::kMicrosecond);
