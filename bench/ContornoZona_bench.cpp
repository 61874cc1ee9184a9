#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "design/ContornoZona.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"

// The column command outlines hundreds of zones at once: a 500-vertex working outline with 20
// openings, zones of both kinds spread over it, each clipped and joined to the openings inside.
namespace {

using namespace vilmor;

struct Dati {
    Modello M;
    std::vector<EditZone> Zone;
    Dati() {
        SettaAcciaio(4);
        SettaCls(4);
        Imp = Impostazioni{};
        CalcolaDirezioni(M);
        M.Progetto.AngoloDir2Gradi = 90;

        // A wavy ring around (1500, 1000), clockwise with y up, closed by a copy of element 0.
        const int nv = 500;
        std::vector<Punto>& c = M.Contorni.ContornoArmatura;
        for (int i = 0; i < nv; ++i) {
            double a = -6.283185307179586 * i / nv;
            double r = 1.0 + 0.08 * std::sin(7 * a) + 0.04 * std::cos(23 * a);
            c.push_back({static_cast<float>(1500 + 1400 * r * std::cos(a)), static_cast<float>(1000 + 900 * r * std::sin(a))});
        }
        c.push_back(c.front());
        M.Contorni.UltVertContornoArm = nv;

        // 20 square openings, 60 cm wide, on a 5 x 4 grid.
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 4; ++j) {
                float x = 500 + 500.0f * i, y = 300 + 450.0f * j;
                M.Contorni.ContornoForiArm.push_back({{x, y}, {x, y + 60}, {x + 60, y + 60}, {x + 60, y}, {x, y}});
                M.Soletta.NumVertForo.push_back(4);
            }
        M.Soletta.NumFori = 20;

        std::mt19937 gen(11);
        std::uniform_real_distribution<float> ux(200, 2800), uy(150, 1850), ul(80, 600);
        for (int k = 0; k < 64; ++k) {
            EditZone e;
            float x = std::round(ux(gen)), y = std::round(uy(gen));
            float w = std::round(ul(gen)), h = std::round(ul(gen));
            e.ZonaCorrente.Angoli = {Punto{x, y + h}, {x + w, y + h}, {x + w, y}, {x, y}};
            e.ZonaCorrente.Tipo = k % 2 == 0 ? 0 : 3;
            e.ZonaCorrente.Direzione = k % 4 == 0 ? 0 : 1;
            e.ZonaCorrente.Diametro = 12;
            Zone.push_back(e);
        }
    }
};
Dati& D() {
    static Dati d;
    return d;
}

void ContornoZonaGrande(benchmark::State& s) {
    Dati& d = D();
    size_t k = 0;
    for (auto _ : s) {
        EditZone& e = d.Zone[k++ % d.Zone.size()];
        benchmark::DoNotOptimize(ContornoZona(d.M, e));
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations()));
}
BENCHMARK(ContornoZonaGrande)->Unit(benchmark::kMicrosecond);

}  // namespace
