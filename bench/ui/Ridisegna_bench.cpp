// The redraw of a plan with 100,000 diffuse bar lines on the Qt plan picture, beside a plain
// QPainter drawing the same lines into an image of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "base/Piattaforma.h"
#include "design/ContorniArmatura.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "ui/CtrlVid.h"

using namespace vilmor;

namespace {

// 10000 x 5000 cm, bars 0.15 cm apart both ways on the upper face: about 100,000 lines.
Modello Soletta() {
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, 5000}, {10000, 5000}, {10000, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, 10000, 5000};
    m.Progetto.Spessore = 30;
    m.Progetto.Copriferro = 3;
    m.Diffusa.DiamDiffSup1 = m.Diffusa.DiamDiffSup2 = 10;
    m.Diffusa.PassoDiffSup1 = m.Diffusa.PassoDiffSup2 = 0.15f;
    CalcolaContornoArmatura(m);
    return m;
}

struct Ambiente {
    CtrlVid vid;
    SinkVideo sink;
    Modello m = Soletta();
    Ambiente() {
        ImpostaDefault();
        vid.resize(1600, 1000);
        vid.show();
        Piatt.Ctrl_Vid = &vid;
        Piatt.SinkVideo = &sink;
        ImpostaColori();
        Vista.PiantaCorrente = 0;
        Vista.FinestraVista = {-100, 5100, -100, 10100};
        Vista.Scala = 0.15f;
        Vista.AltezzaVideo = 1000;
    }
};

// Made on first use and never destroyed: its picture must not outlive the application.
Ambiente& Amb() {
    static Ambiente* a = new Ambiente;
    return *a;
}

void BM_Ridisegna100000Ferri(benchmark::State& state) {
    Ambiente& a = Amb();
    for (auto _ : state) {
        Ridisegna(a.m, 0);
        benchmark::DoNotOptimize(a.vid.Immagine().constBits());
    }
}
BENCHMARK(BM_Ridisegna100000Ferri)->Unit(benchmark::kMillisecond);

void BM_QPainterStesseLinee(benchmark::State& state) {
    Amb();  // the view the lines are placed in, as for the redraw
    // The lines the redraw draws, in pixels.
    std::vector<QLineF> linee;
    for (float y = 0; y < 5000; y += 0.15f) linee.emplace_back(XSchermo(0), YSchermo(y), XSchermo(10000), YSchermo(y));
    for (float x = 0; x < 10000; x += 0.15f) linee.emplace_back(XSchermo(x), YSchermo(0), XSchermo(x), YSchermo(5000));
    state.counters["linee"] = static_cast<double>(linee.size());
    QImage img(1600, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        img.fill(Qt::black);
        QPainter p(&img);
        p.setPen(QColor(0, 255, 0));
        for (const auto& l : linee) p.drawLine(l);
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_QPainterStesseLinee)->Unit(benchmark::kMillisecond);

}  // namespace
