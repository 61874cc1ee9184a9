// The grid snap and the outline editor's drawing on a 100 x 60 m view: a 1 cm grid must cost
// no more than a 500 cm one. The plain scan of every grid point in view runs alongside for
// reference.
#include <benchmark/benchmark.h>

#include <cmath>

#include "VideoMuto.h"
#include "app/EditPerimetro.h"
#include "drawing/PoligonoEdit.h"
#include "model/Vista.h"

using namespace vilmor;

namespace {

struct Banco {
    bench::VideoMuto video;
    SuperficieVideo* vecchio = Piatt.Ctrl_Vid;
    StatoVista vista = Vista;
    Impostazioni imp = Imp;
    StatoEditSez edit = EditSez;
    explicit Banco(int passo) {
        Piatt.Ctrl_Vid = &video;
        Vista.FinestraVista = {0, 6000, 0, 10000};
        Vista.Scala = 0.16f;
        Vista.AltezzaVideo = 960;
        Imp.PassoGrigliaX = Imp.PassoGrigliaY = passo;
        EditSez = {};
        EditSez.GrigliaAttiva = 1;
        for (int k = 0; k < 40; ++k) {
            EditSez.OrdineVertici.push_back(RegistraVertice(250.0f * k, 3000 + 2000 * std::sin(k * 0.3f)));
        }
        EditSez.UbOrdineVertici = 39;
    }
    ~Banco() {
        Piatt.Ctrl_Vid = vecchio;
        Vista = vista;
        Imp = imp;
        EditSez = edit;
    }
};

void Aggancia(benchmark::State& s) {
    Banco b(static_cast<int>(s.range(0)));
    float x = 3.7f;
    for (auto _ : s) {
        AgganciaGriglia(x, 500.3f, 1);
        x = x > 1500 ? 3.7f : x + 13.1f;
        benchmark::DoNotOptimize(Vista.XAggancio);
    }
}
BENCHMARK(Aggancia)->Arg(1)->Arg(500);

// Every grid point in view tested, as a plain scan does.
void ScansioneCompleta(benchmark::State& s) {
    Banco b(1);
    for (auto _ : s) {
        const GrigliaVista g = GrigliaInVista();
        bool trovato = false;
        for (long long gx = g.X0; gx <= g.X1 && !trovato; gx += g.PassoX)
            for (long long gy = g.Y0; gy <= g.Y1; gy += g.PassoY)
                if (std::fabs(-50 - XSchermo(static_cast<float>(gx))) < 4 && std::fabs(500 - YSchermo(static_cast<float>(gy))) < 4) {
                    trovato = true;
                    break;
                }
        benchmark::DoNotOptimize(trovato);
    }
}
BENCHMARK(ScansioneCompleta)->Unit(benchmark::kMillisecond);

void DisegnoEdit(benchmark::State& s) {
    Banco b(static_cast<int>(s.range(0)));
    const Modello m;
    for (auto _ : s) DisegnaPoligEdit(m);
}
BENCHMARK(DisegnoEdit)->Arg(1)->Arg(500);

}  // namespace
