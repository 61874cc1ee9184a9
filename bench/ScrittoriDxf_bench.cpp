// A DXF 2000 export of 100,000 LINE, 10,000 CIRCLE and 10,000 TEXT entities on 25 layers,
// handed to the entity writers through the DXF writer interface and assembled into a file in
// a temporary folder; beside it a bare baseline: the same records formatted with to_chars
// into one buffer and written with one fwrite. Goals: at least 100 MB/s, and at least a third
// of the baseline's bytes per second. ezdxf_confronto.py times ezdxf on the same entities.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include "Memoria.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "drawing/SinkDxf.h"
#include "dxf/FileDxf2000.h"
#include "model/Resource.h"
#include "model/definizioni.h"

using namespace vilmor;

namespace {

constexpr int Linee = 100000, Cerchi = 10000, Testi = 10000;

struct Cartella {
    std::string Percorso;
    Cartella() {
        std::string m = (std::filesystem::temp_directory_path() / "vilmor-bench-XXXXXX").string();
        Percorso = ::mkdtemp(m.data());
    }
    ~Cartella() { std::filesystem::remove_all(Percorso); }
};

float X(int i) { return 1500.25f + 0.5f * static_cast<float>(i % 5000); }
float Y(int i) { return -820.75f + 1.25f * static_cast<float>(i / 5000); }
std::string TestoDi(int i) { return "P" + std::to_string(i) + " " + SegnoDiametro + " 12/20"; }

void Entita(UscitaDxf& u) {
    for (int i = 0; i < Linee; ++i)
        u.LineaDxf(X(i), Y(i), X(i) + 37.5f, Y(i) - 12.125f, Strati.NomiLayer[i % NumLayer], i % 5);
    for (int i = 0; i < Cerchi; ++i) u.CerchioDxf(X(i), Y(i), 2.5f + (i % 7), Strati.NomiLayer[i % NumLayer], i % 5);
    for (int i = 0; i < Testi; ++i)
        u.TestoDxf(Strati.NomiLayer[i % NumLayer], TestoDi(i), X(i), Y(i), 20, (i % 2) * 90.0f, i % 3, 1 + i % 3);
}

void BM_EsportazioneDxf2000(benchmark::State& state) {
    ImpostaDefault();
    Cartella c;
    const std::string file = c.Percorso + "/tavola.dxf";
    bench::ContaPagine pagine(state);
    for (auto _ : state) {
        const bool ok = SalvaDxf2000(
            file, [] { Entita(*static_cast<SinkDxf*>(Piatt.SinkDxf)->Uscita); }, false);
        if (!ok) state.SkipWithError("esportazione fallita");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_EsportazioneDxf2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The entities alone, with no handle, no layer conversion and no file assembly.
void BM_BaseNudaDxf(benchmark::State& state) {
    ImpostaDefault();
    Cartella c;
    const std::string file = c.Percorso + "/nuda.dxf";
    std::string b;
    int handle = 0x20;
    auto riga = [&](const char* s) { b += s; };
    auto num = [&](float v) {
        char t[64];
        b.append(t, std::to_chars(t, t + sizeof t, v, std::chars_format::fixed).ptr);
        b += "\r\n";
    };
    auto hex = [&] {
        char t[16];
        b.append(t, std::to_chars(t, t + sizeof t, handle++, 16).ptr);
        b += "\r\n";
    };
    auto testo = [&](const std::string& s) {
        b += s;
        b += "\r\n";
    };
    for (auto _ : state) {
        b.clear();
        handle = 0x20;
        for (int i = 0; i < Linee; ++i) {
            riga("  0\r\nLINE\r\n  5\r\n");
            hex();
            riga("330\r\n19\r\n100\r\nAcDbEntity\r\n  8\r\n");
            testo(Strati.NomiLayer[i % NumLayer]);
            riga("100\r\nAcDbLine\r\n 10\r\n");
            num(X(i));
            riga(" 20\r\n");
            num(Y(i));
            riga(" 30\r\n0\r\n 11\r\n");
            num(X(i) + 37.5f);
            riga(" 21\r\n");
            num(Y(i) - 12.125f);
            riga(" 31\r\n0\r\n");
        }
        for (int i = 0; i < Cerchi; ++i) {
            riga("  0\r\nCIRCLE\r\n  5\r\n");
            hex();
            riga("330\r\n19\r\n100\r\nAcDbEntity\r\n  8\r\n");
            testo(Strati.NomiLayer[i % NumLayer]);
            riga("100\r\nAcDbCircle\r\n 10\r\n");
            num(X(i));
            riga(" 20\r\n");
            num(Y(i));
            riga(" 30\r\n0\r\n 40\r\n");
            num(2.5f + (i % 7));
        }
        for (int i = 0; i < Testi; ++i) {
            riga("  0\r\nTEXT\r\n  5\r\n");
            hex();
            riga("330\r\n19\r\n100\r\nAcDbEntity\r\n  8\r\n");
            testo(Strati.NomiLayer[i % NumLayer]);
            riga("100\r\nAcDbText\r\n 10\r\n");
            num(X(i));
            riga(" 20\r\n");
            num(Y(i));
            riga(" 30\r\n0.0\r\n 72\r\n     1\r\n 11\r\n");
            num(X(i));
            riga(" 21\r\n");
            num(Y(i));
            riga(" 31\r\n0.0\r\n 40\r\n20\r\n  1\r\n");
            testo(TestoDi(i));
            riga(" 50\r\n");
            num((i % 2) * 90.0f);
            riga("100\r\nAcDbText\r\n 73\r\n     2\r\n");
        }
        std::FILE* f = std::fopen(file.c_str(), "wb");
        if (!f || std::fwrite(b.data(), 1, b.size(), f) != b.size()) state.SkipWithError("scrittura fallita");
        if (f) std::fclose(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(b.size()));
}
BENCHMARK(BM_BaseNudaDxf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
