// A pan move on the plan picture against a full redraw of the same view and against one plain
// copy of an image of the picture's size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "base/Primitive.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "ui/CtrlVid.h"

using namespace vilmor;

namespace {

constexpr int L = 1600, H = 1000;

// A slab whose outline winds in n short edges over 100 x 60 m, row after row: as many lines
// as a colour map of n elements has, of about an element's size on the picture.
Modello PiantaFitta(int n) {
    Modello m;
    const int colonne = 400, righe = std::max(1, n / colonne);
    const float dx = 10000.0f / colonne, dy = 6000.0f / righe;
    std::vector<Punto>& c = m.Soletta.Contorno;
    c.clear();
    for (int r = 0; r < righe && static_cast<int>(c.size()) < n; ++r)
        for (int k = 0; k < colonne && static_cast<int>(c.size()) < n; ++k) {
            const int j = r % 2 == 0 ? k : colonne - 1 - k;
            c.push_back({j * dx, r * dy + (j % 2) * dy * 0.8f});
        }
    m.Soletta.NumVertContorno = static_cast<int>(c.size());
    c.push_back(c.front());
    m.Soletta.LimitiContorno = {0, 0, 10000, 6000};
    return m;
}

// The picture installed at 1600 x 1000 with the slab of n edges fitted and drawn once.
struct Scena {
    CtrlVid v;
    SinkVideo sink;
    explicit Scena(int n) {
        v.resize(L, H);
        v.show();
        QApplication::processEvents();
        v.Installa();
        Piatt.SinkVideo = &sink;
        ImpostaDefault();
        ImpostaColori();
        M = PiantaFitta(n);
        Vista.EstensioneCorrente = {0, 0, 10000, 6000};
        ZoomEstensione();
        Ridisegna(0);
        v.Immagine();
    }
    ~Scena() {
        Piatt.Ctrl_Vid = nullptr;
        Piatt.SinkVideo = nullptr;
    }
};

void PanMossa(benchmark::State& s) {
    Scena sc(static_cast<int>(s.range(0)));
    int verso = 1;
    for (auto _ : s) {
        sc.v.PanMossa(8 * verso, -4 * verso);
        verso = -verso;
        benchmark::DoNotOptimize(sc.v.Mostrata().constBits());
    }
}
BENCHMARK(PanMossa)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void RidisegnoCompleto(benchmark::State& s) {
    Scena sc(static_cast<int>(s.range(0)));
    for (auto _ : s) {
        Ridisegna(0);
        benchmark::DoNotOptimize(sc.v.Immagine().constBits());
    }
}
BENCHMARK(RidisegnoCompleto)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void DrawImage(benchmark::State& s) {
    QImage sorgente(L, H, QImage::Format_RGB32), meta(L, H, QImage::Format_RGB32);
    sorgente.fill(Qt::darkGreen);
    meta.fill(Qt::black);
    QPainter p(&meta);
    for (auto _ : s) {
        p.drawImage(0, 0, sorgente);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawImage)->Unit(benchmark::kMicrosecond);

}  // namespace
