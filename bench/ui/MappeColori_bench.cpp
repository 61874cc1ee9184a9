// The colour maps of a 100,000-element mesh on the Qt plan picture, beside a plain QPainter
// filling the same triangles once each in one colour into an image of the same size: on a
// smooth field, on one ten times finer and on one whose neighbouring nodes alternate between
// the ends of the scale. Goal: a map, on any of them, takes no more than 1.5 times the plain
// fill.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

#include "Memoria.h"
#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "drawing/DisMappeColori.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "ui/CtrlVid.h"

// Every allocation of the process is counted, so a map can report how many it makes.
namespace {
std::atomic<long long> allocazioni{0};
}
void* operator new(std::size_t n) {
    allocazioni.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace vilmor;

namespace {

constexpr int Colonne = 400, Righe = 250;
constexpr float Passo = 10;  // cm: a 4000 x 2500 cm slab

enum class Campo { Liscio, Fine, Alternato };

// A field across the slab: requirement 0 .. 10, balance -5 .. 5. Smooth, the ten bands run
// across it several times; fine, ten times as often; alternate, from one node to the next
// between the ends of the scale, so that every triangle crosses every band.
Modello Maglia(Campo campo) {
    Modello m;
    const float L = Colonne * Passo, H = Righe * Passo;
    for (int j = 0; j <= Righe; ++j)
        for (int i = 0; i <= Colonne; ++i) {
            Nodo n;
            n.X = i * Passo;
            n.Y = j * Passo;
            const float f = campo == Campo::Fine ? 10.0f : 1.0f;
            const float v = campo == Campo::Alternato
                                ? ((i + j) % 2 == 0 ? 0.0f : 10.0f)
                                : 5 + 5 * std::sin(f * 3.0f * 6.2831853f * n.X / L) * std::cos(f * 2.0f * 3.1415927f * n.Y / H);
            n.RichSup1 = v;
            n.ResSup1 = v - 5;
            m.Analisi.Nodi.push_back(n);
        }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
    for (int j = 0; j < Righe; ++j)
        for (int i = 0; i < Colonne; ++i) {
            Elemento e;
            const int a = j * (Colonne + 1) + i;
            e.NodoIdx = {a, a + 1, a + Colonne + 2, a + Colonne + 1};
            m.Analisi.Elementi.push_back(e);
        }
    m.Analisi.NumElementi = static_cast<int>(m.Analisi.Elementi.size());
    return m;
}

struct Ambiente {
    CtrlVid vid;
    Modello m = Maglia(Campo::Liscio);
    Modello fine = Maglia(Campo::Fine);
    Modello alternato = Maglia(Campo::Alternato);
    Ambiente() {
        ImpostaDefault();
        vid.resize(1600, 1000);
        vid.show();
        Piatt.Ctrl_Vid = &vid;
        Vista.FinestraVista = {-50, 2550, -50, 4050};
        Vista.Scala = 0.38f;
        Vista.AltezzaVideo = 1000;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 10;
    }
};

// Never destroyed: its widgets must not outlive the application.
Ambiente& Amb() {
    static Ambiente* a = new Ambiente;
    return *a;
}

void Mappa(benchmark::State& state, int tipo, Campo campo = Campo::Liscio) {
    Ambiente& a = Amb();
    Modello& m = campo == Campo::Liscio ? a.m : campo == Campo::Fine ? a.fine : a.alternato;
    Vista.TipoMappa = tipo;
    long long prima = 0, dopo = 0;
    bench::ContaPagine pagine(state);
    for (auto _ : state) {
        a.vid.Pulisci();
        prima = allocazioni.load();
        DisegnaMappaColori(m);
        dopo = allocazioni.load();
        benchmark::DoNotOptimize(a.vid.Immagine().constBits());
    }
    state.counters["elementi"] = m.Analisi.NumElementi;
    state.counters["allocazioni_per_triangolo"] = static_cast<double>(dopo - prima) / (4.0 * m.Analisi.NumElementi);
}

void BM_MappaRichiesta(benchmark::State& state) { Mappa(state, 0); }
BENCHMARK(BM_MappaRichiesta)->Unit(benchmark::kMillisecond);

void BM_MappaRichiestaFine(benchmark::State& state) { Mappa(state, 0, Campo::Fine); }
BENCHMARK(BM_MappaRichiestaFine)->Unit(benchmark::kMillisecond);

void BM_MappaRichiestaAlternata(benchmark::State& state) { Mappa(state, 0, Campo::Alternato); }
BENCHMARK(BM_MappaRichiestaAlternata)->Unit(benchmark::kMillisecond);

void BM_MappaCarenza(benchmark::State& state) { Mappa(state, 5); }
BENCHMARK(BM_MappaCarenza)->Unit(benchmark::kMillisecond);

// The same triangles, four per element about its centre, each filled once in one colour.
void BM_QPainterStessiTriangoli(benchmark::State& state) {
    Ambiente& a = Amb();
    std::vector<QPointF> punti;
    const auto& nodi = a.m.Analisi.Nodi;
    for (const Elemento& e : a.m.Analisi.Elementi) {
        QPointF c[4];
        for (size_t k = 0; k < 4; ++k) {
            const Nodo& n = nodi[static_cast<size_t>(e.NodoIdx[k])];
            c[k] = QPointF(std::nearbyint(XSchermo(n.X)), std::nearbyint(YSchermo(n.Y)));
        }
        const QPointF centro((c[0] + c[2]) / 2);
        for (size_t k = 0; k < 4; ++k) punti.insert(punti.end(), {c[k], c[(k + 1) % 4], centro});
    }
    QImage img(1600, 1000, QImage::Format_RGB32);
    long long prima = 0, dopo = 0;
    for (auto _ : state) {
        img.fill(Qt::black);
        QPainter p(&img);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 160, 255));
        prima = allocazioni.load();
        for (size_t i = 0; i < punti.size(); i += 3) p.drawConvexPolygon(&punti[i], 3);
        dopo = allocazioni.load();
        p.end();
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["triangoli"] = static_cast<double>(punti.size() / 3);
    state.counters["allocazioni_per_triangolo"] = static_cast<double>(dopo - prima) / static_cast<double>(punti.size() / 3);
}
BENCHMARK(BM_QPainterStessiTriangoli)->Unit(benchmark::kMillisecond);

}  // namespace
