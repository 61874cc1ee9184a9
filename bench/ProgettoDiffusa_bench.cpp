#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ProgettoDiffusa.h"
#include "design/Residui.h"
#include "model/Impostazioni.h"
#include "model/Statistiche.h"

using namespace vilmor;

namespace {

// The failure messages of the longest case must not reach the terminal.
class MessaggiMuti : public Messaggi {
public:
    RispostaMsg Mostra(const std::string&, IconaMsg, PulsantiMsg, const std::string&) override {
        return RispostaMsg::Ok;
    }
};

// 100,000 nodes needing more than the densest default pair gives in every layer.
Modello ModelloGrande() {
    Modello m;
    std::mt19937 g(11);
    std::uniform_real_distribution<float> r(200, 1000);
    m.Analisi.Nodi.resize(100000);
    for (Nodo& q : m.Analisi.Nodi) q.RichSup1 = r(g), q.RichSup2 = r(g), q.RichInf1 = r(g), q.RichInf2 = r(g);
    m.Analisi.NumNodi = 100000;
    return m;
}

// Every layer at the largest default spacing: diameter mode then tries every pair of the limits.
void MagliaIniziale(Modello& m) {
    for (int s = 0; s < 4; ++s) {
        SettaDiamDiff(m, s, 10);
        SettaPassoDiff(m, s, 50);
    }
}

}  // namespace

// The longest case of the design: every layer fails after every pair of the default limits.
static void ProgettaDiffusaCasoPeggiore(benchmark::State& st) {
    MessaggiMuti muti;
    Messaggi* vecchio = Piatt.Msg;
    Piatt.Msg = &muti;
    Modello m = ModelloGrande();
    MagliaIniziale(m);
    CalcAreeDiffuse(m);
    DetraiArmatureNodi(-1, m);
    const Impostazioni imp;
    for (auto _ : st) {
        MagliaIniziale(m);
        benchmark::DoNotOptimize(ProgettaDiffusa(m, imp));
    }
    Piatt.Msg = vecchio;
}
BENCHMARK(ProgettaDiffusaCasoPeggiore)->Unit(benchmark::kMillisecond);

// The yardstick: one sort of one layer's requirements.
static void OrdinaRichiesteStrato(benchmark::State& st) {
    const Modello m = ModelloGrande();
    std::vector<float> r(m.Analisi.Nodi.size());
    for (auto _ : st) {
        for (size_t i = 0; i < r.size(); ++i) r[i] = m.Analisi.Nodi[i].RichSup1;
        std::sort(r.begin(), r.end());
        benchmark::DoNotOptimize(r.data());
    }
}
BENCHMARK(OrdinaRichiesteStrato)->Unit(benchmark::kMillisecond);
