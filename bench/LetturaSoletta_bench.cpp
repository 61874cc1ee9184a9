// Reading a large slab file (200,000 nodes and 200,000 elements) from its bytes in memory,
// where they lie, against a bare scan of the same bytes (split at blanks, commas and line ends,
// every token through from_chars); and the load of the same file from disk into fresh memory,
// as a program just started opens it. Goals: the reader runs at no less than 0.6 of the bare
// scan's speed, and the load from the file at no less than half the reader's; compare the
// rates of one run.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Memoria.h"
#include "model/LetturaSoletta.h"
#include "support/SolettaGenerata.h"

namespace {

constexpr int NumNodiProva = 200000;

// A slab of version 4 with inline results on a square grid, then a small outline.
const std::string& FileGrande() {
    static const std::string byte = vilmor::prova::SolettaInGriglia(NumNodiProva, 448);  // 448 x 448 > 200,000
    return byte;
}

void LetturaSolettaGrande(benchmark::State& stato) {
    const std::string& byte = FileGrande();
    vilmor::bench::ContaPagine pagine(stato);
    for (auto _ : stato) {
        vilmor::Modello m;
        bool ok = vilmor::LeggiSolettaDaByte(byte, "/tmp/GRANDE.QVR", m);
        if (!ok || m.Analisi.NumNodi != NumNodiProva) stato.SkipWithError("lettura fallita");
        benchmark::DoNotOptimize(m.Analisi.Nodi.data());
    }
    stato.SetBytesProcessed(static_cast<int64_t>(stato.iterations()) * static_cast<int64_t>(byte.size()));
}
BENCHMARK(LetturaSolettaGrande)->Unit(benchmark::kMillisecond);

// The load's reading of the slab file as the program does it, from the file on disk (in the
// system's cache after the first pass) into fresh memory at every pass, as in a program just
// started: the counter gives the pages first touched per 4 KiB of the file.
void LetturaSolettaGrandeDaFile(benchmark::State& stato) {
    const std::string& byte = FileGrande();
    std::string cartella = (std::filesystem::temp_directory_path() / "vilmor-bench-XXXXXX").string();
    if (!::mkdtemp(cartella.data())) {
        stato.SkipWithError("cartella temporanea");
        return;
    }
    const std::string file = cartella + "/GRANDE.QVR";
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(byte.data(), 1, byte.size(), f);
        std::fclose(f);
    }
    long pagine = 0;
    {
        vilmor::bench::MemoriaFresca fresca;
        for (auto _ : stato) {
            const long prima = vilmor::bench::PagineToccate();
            {
                vilmor::Modello m;
                bool ok = vilmor::LeggiSoletta(file, m);
                if (!ok || m.Analisi.NumNodi != NumNodiProva) stato.SkipWithError("lettura fallita");
                benchmark::DoNotOptimize(m.Analisi.Nodi.data());
            }
            pagine += vilmor::bench::PagineToccate() - prima;
        }
    }
    std::filesystem::remove_all(cartella);
    stato.SetBytesProcessed(static_cast<int64_t>(stato.iterations()) * static_cast<int64_t>(byte.size()));
    stato.counters["pagine_per_4KiB"] =
        static_cast<double>(pagine) / static_cast<double>(stato.iterations()) / (static_cast<double>(byte.size()) / 4096);
}
BENCHMARK(LetturaSolettaGrandeDaFile)->Unit(benchmark::kMillisecond);

// The reference: the least any reader must do with these bytes.
void ScansioneNuda(benchmark::State& stato) {
    const std::string& byte = FileGrande();
    for (auto _ : stato) {
        double somma = 0;
        const char* p = byte.data();
        const char* fine = p + byte.size();
        while (p < fine) {
            while (p < fine && (*p == ' ' || *p == ',' || *p == '\r' || *p == '\n')) ++p;
            const char* inizio = p;
            while (p < fine && *p != ' ' && *p != ',' && *p != '\r' && *p != '\n') ++p;
            double v = 0;
            if (p > inizio) std::from_chars(inizio, p, v);
            somma += v;
        }
        benchmark::DoNotOptimize(somma);
    }
    stato.SetBytesProcessed(static_cast<int64_t>(stato.iterations()) * static_cast<int64_t>(byte.size()));
}
BENCHMARK(ScansioneNuda)->Unit(benchmark::kMillisecond);

}  // namespace
