// The sheet of the large slab (60 m x 40 m, 20 openings, diffuse bars 10 cm apart on both faces)
// exported to DXF 2000 at 1:50 and at 1:100: its panels are placed from a measuring pass of
// their own before they are drawn, which must not cost more than the drawing itself.
#include <benchmark/benchmark.h>

#include "SolettaGrande.h"

#include <filesystem>
#include <string>

#include "drawing/Ridisegna.h"
#include "dxf/FileDxf2000.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"

namespace {

using namespace vilmor;

void TavolaDxfGrande(benchmark::State& s) {
    Modello m = bench::SolettaGrande();
    ImpostaDefault();
    SettaLimiti(m, Vista);
    Vista.PiantaCorrente = 5;
    Imp.ScalaDxf50 = static_cast<int>(s.range(0));
    Imp.FattoreDxf = Imp.ScalaDxf50 ? 2.0f : 1.0f;
    const std::string file = (std::filesystem::temp_directory_path() / "vilmor-bench-tavola.dxf").string();
    for (auto _ : s)
        if (!SalvaDxf2000(file, [&] { Ridisegna(m, 1); }, false)) s.SkipWithError("esportazione fallita");
    s.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    std::filesystem::remove(file);
}
BENCHMARK(TavolaDxfGrande)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
