#include <benchmark/benchmark.h>

#include <string>

#include "base/FileTesto.h"

// Reading the analysis block of a large slab: values one after another.
static void LetturaValori(benchmark::State& stato) {
    std::string byte;
    for (int i = 0; i < 20000; ++i)
        byte += std::to_string(i) + "," + std::to_string(i * 0.5) + "," + std::to_string(i * 0.25) + ",1.25,0.5\r\n";
    for (auto _ : stato) {
        vilmor::LettoreTesto l(byte);
        float somma = 0;
        for (int i = 0; i < 20000; ++i) {
            somma += static_cast<float>(l.LeggiI());
            for (int k = 0; k < 4; ++k) somma += l.LeggiS();
        }
        benchmark::DoNotOptimize(somma);
    }
    stato.SetBytesProcessed(static_cast<int64_t>(stato.iterations()) * static_cast<int64_t>(byte.size()));
}
BENCHMARK(LetturaValori);
