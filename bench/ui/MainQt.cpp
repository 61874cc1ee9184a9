// The main of every Qt benchmark program: an application, offscreen unless a platform is asked
// for. A benchmark keeps its widgets alive to the end (never destroyed after the application).
// Memory freed is reused across iterations (Memoria.h).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "Memoria.h"

int main(int argc, char** argv) {
    vilmor::bench::MemoriaRiusata();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
