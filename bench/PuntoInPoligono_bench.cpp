#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "design/PuntoInPoligono.h"

// The outline tests of many points and the node residuals' zone tests, by the routines the
// program calls: a 200-vertex slab outline and a zone quadrilateral over a fixed point set, each
// prepared once as its callers do, beside a plain even-odd loop on the same data. Goal: no more
// than 1.5 times the plain loop.
namespace {

using namespace vilmor;

struct Dati {
    std::vector<Vertice> Poligono;
    std::vector<Punto> Punti;
    Modello M;
    Dati() {
        std::mt19937 gen(7);
        std::uniform_real_distribution<double> u(0, 1);
        for (int i = 0; i < 200; ++i) {
            double a = 6.283185307 * i / 200, r = 300 + 200 * u(gen);
            Poligono.push_back({static_cast<float>(600 + r * std::cos(a)), static_cast<float>(500 + r * std::sin(a)), 0});
        }
        // The same polygon as the slab's outline, closed as the reader leaves it.
        for (const Vertice& v : Poligono) M.Soletta.Contorno.push_back({v.X, v.Y});
        M.Soletta.Contorno.push_back(M.Soletta.Contorno.front());
        M.Soletta.NumVertContorno = static_cast<int>(Poligono.size());
        for (int i = 0; i < 4096; ++i)
            Punti.push_back({static_cast<float>(50 + 1100 * u(gen)), static_cast<float>(-50 + 1100 * u(gen))});
        Zona z;
        z.Angoli = {Punto{100, 100}, Punto{250, 900}, Punto{1000, 800}, Punto{900, 50}};
        z.XMin = 100, z.YMin = 50, z.XMax = 1000, z.YMax = 900;
        M.Zone.Zone = {z};
        M.Zone.UltimaZona = 0;
    }
};
const Dati& D() {
    static Dati d;
    return d;
}

template <class V> bool PariDispari(const V& p, size_t n, float px, float py) {
    bool dentro = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float xi = p[i].X, yi = p[i].Y, xj = p[j].X, yj = p[j].Y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) dentro = !dentro;
    }
    return dentro;
}

void PoligonoVertici(benchmark::State& s) {
    const Dati& d = D();
    for (auto _ : s) {
        int n = 0;
        // The outline taken once, as the punching perimeters' tests of many points do.
        const ContornoPronto contorno = ContornoPronto::Contorno(d.M, -1);
        for (const Punto& p : d.Punti) n += contorno.Contiene(p.X, p.Y);
        benchmark::DoNotOptimize(n);
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations() * d.Punti.size()));
}
BENCHMARK(PoligonoVertici);

// The test of one point alone, which takes the outline's box each time.
void PoligonoVerticiPuntoPerPunto(benchmark::State& s) {
    const Dati& d = D();
    for (auto _ : s) {
        int n = 0;
        for (const Punto& p : d.Punti) n += PuntoInContorno(d.M, p.X, p.Y, -1);
        benchmark::DoNotOptimize(n);
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations() * d.Punti.size()));
}
BENCHMARK(PoligonoVerticiPuntoPerPunto);

void PoligonoPariDispari(benchmark::State& s) {
    const Dati& d = D();
    for (auto _ : s) {
        int n = 0;
        for (const Punto& p : d.Punti) n += PariDispari(d.Poligono, d.Poligono.size(), p.X, p.Y);
        benchmark::DoNotOptimize(n);
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations() * d.Punti.size()));
}
BENCHMARK(PoligonoPariDispari);

void ZonaNodi(benchmark::State& s) {
    const Dati& d = D();
    for (auto _ : s) {
        int n = 0;
        // What depends on the zone alone once for the zone, as the node residuals do.
        QuadrilateroPronto zona(d.M.Zone.Zone[0]);
        for (const Punto& p : d.Punti) n += zona.Contiene(p.X, p.Y);
        benchmark::DoNotOptimize(n);
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations() * d.Punti.size()));
}
BENCHMARK(ZonaNodi);

void ZonaPariDispari(benchmark::State& s) {
    const Dati& d = D();
    const auto& a = d.M.Zone.Zone[0].Angoli;
    for (auto _ : s) {
        int n = 0;
        for (const Punto& p : d.Punti) n += PariDispari(a, 4, p.X, p.Y);
        benchmark::DoNotOptimize(n);
    }
    s.SetItemsProcessed(static_cast<int64_t>(s.iterations() * d.Punti.size()));
}
BENCHMARK(ZonaPariDispari);

}  // namespace
