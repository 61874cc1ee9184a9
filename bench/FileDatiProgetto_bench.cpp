// Reading a design-data file of a square mesh of n quadrilaterals (four corner lines each,
// inner nodes shared by four elements, a few punching lines), from its bytes in memory; and the
// node merge alone on the same positions, at 25,000 to 200,000 elements. Goal: 100,000 elements
// (400,000 lines) in about a second; twice the input at most about 2.3 times the time (see the
// complexity printed).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "Memoria.h"
#include "base/Piattaforma.h"
#include "model/FileDatiProgetto.h"
#include "model/FusioneNodi.h"

using namespace vilmor;

namespace {

std::string Numero(double v) {
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

int Lato(int elementi) { return static_cast<int>(std::ceil(std::sqrt(static_cast<double>(elementi)))); }

const std::string& File(int elementi) {
    static std::map<int, std::string> cache;
    auto it = cache.find(elementi);
    if (it != cache.end()) return it->second;
    std::string s;
    s.reserve(static_cast<size_t>(elementi) * 4 * 80 + 1024);
    s += "DATIPROG 3\r\n1, Combinazioni\r\n0, -\r\n0, -\r\n3, Copriferro\r\n20, -\r\n10, -\r\n20, -\r\n10, -\r\n";
    s += "14, -\r\n0, -\r\n0, -\r\n90, -\r\n10,10,14,12,10,0\r\n20,25,25,20\r\nIntestazione\r\n-----\r\n";
    const int lato = Lato(elementi);
    const double passo = 37.5;
    for (int e = 0; e < elementi; ++e) {
        int i = e % lato, j = e / lato;
        const int di[4] = {0, 1, 1, 0}, dj[4] = {0, 0, 1, 1};
        for (int k = 0; k < 4; ++k) {
            int ni = i + di[k], nj = j + dj[k];
            int nodo = nj * (lato + 1) + ni + 1;
            s += std::to_string(e + 1) + "," + std::to_string(nodo) + "," + Numero(1520.5 + ni * passo) + "," +
                 Numero(812.5 + nj * passo) + ",0,";
            s += Numero(1.25 + (nodo % 31) * 0.01) + ",0.4," + Numero(2.6 + (e % 97) * 0.01) + ",0.65,";
            s += Numero((nodo % 7) * 0.05) + ",0,";
            // A column every 997 nodes.
            if (nodo % 997 == 0) s += "1.5," + Numero(8 + (nodo % 5)) + ",1.13,6,8,0,2";
            else s += "0,0,0,0,0,0,0";
            s += " ;\r\n";
        }
    }
    return cache.emplace(elementi, std::move(s)).first->second;
}

// No message boxes in a benchmark.
class Silenzio : public Messaggi {
public:
    RispostaMsg Mostra(const std::string&, IconaMsg, PulsantiMsg, const std::string&) override { return RispostaMsg::Ok; }
};

void BM_LeggiDatiProgetto(benchmark::State& stato) {
    Silenzio s;
    Messaggi* prima = Piatt.Msg;
    Piatt.Msg = &s;
    const int elementi = static_cast<int>(stato.range(0));
    const std::string& byte = File(elementi);
    bench::ContaPagine pagine(stato);
    for (auto _ : stato) {
        Modello m;
        m.Progetto.OrigineX = 1520.5f;
        m.Progetto.OrigineY = 812.5f;
        m.Progetto.Spessore = 25;
        bool ok = LeggiDatiProgettoDaByte(byte, "bench.dat", m);
        if (!ok) stato.SkipWithError("file rifiutato");
        benchmark::DoNotOptimize(m.Analisi.NumNodi);
    }
    Piatt.Msg = prima;
    stato.SetItemsProcessed(stato.iterations() * elementi * 4);
    stato.SetBytesProcessed(stato.iterations() * static_cast<int64_t>(byte.size()));
    stato.SetComplexityN(elementi);
}
BENCHMARK(BM_LeggiDatiProgetto)->Arg(25000)->Arg(50000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_AggiungiNodo(benchmark::State& stato) {
    const int elementi = static_cast<int>(stato.range(0));
    const int lato = Lato(elementi);
    std::vector<std::pair<float, float>> pos;
    pos.reserve(static_cast<size_t>(elementi) * 4);
    const int di[4] = {0, 1, 1, 0}, dj[4] = {0, 0, 1, 1};
    for (int e = 0; e < elementi; ++e)
        for (int k = 0; k < 4; ++k)
            pos.push_back({static_cast<float>((e % lato + di[k]) * 37.5), static_cast<float>((e / lato + dj[k]) * 37.5)});
    bench::ContaPagine pagine(stato);
    for (auto _ : stato) {
        ModelloAnalisi a;
        int indice = 0;
        for (const auto& [x, y] : pos) AggiungiNodo(a, x, y, 1, 1, 2, 3, 4, 0.5f, 0.5f, indice);
        benchmark::DoNotOptimize(a.NumNodi);
    }
    stato.SetItemsProcessed(stato.iterations() * static_cast<int64_t>(pos.size()));
    stato.SetComplexityN(elementi);
}
BENCHMARK(BM_AggiungiNodo)->Arg(25000)->Arg(50000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
