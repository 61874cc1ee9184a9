// The colour maps of a generated slab of 100,000 nodes as the engineer sees them on a laptop's
// plan picture: at "Vista totale" the bands show over at least 80 % of the slab on every map;
// zoomed in on one element, every node has its marker.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/LegendaQt.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

constexpr int Colonne = 400, Righe = 250;  // nodes
constexpr float Passo = 10;                // cm
constexpr float Lungo = (Colonne - 1) * Passo, Largo = (Righe - 1) * Passo;

// A rectangular slab meshed in squares, with smooth fields on every layer: requirement 0 .. 10,
// balance -5 .. 5, so that half of the slab lacks steel and the bands run across it.
Modello Soletta() {
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, Largo}, {Lungo, Largo}, {Lungo, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, Lungo, Largo};
    for (int j = 0; j < Righe; ++j)
        for (int i = 0; i < Colonne; ++i) {
            Nodo n;
            n.Numero = j * Colonne + i + 1;
            n.X = static_cast<float>(i) * Passo;
            n.Y = static_cast<float>(j) * Passo;
            for (int s = 0; s < NumStrati; ++s) {
                const float a = 6.2831853f * static_cast<float>(s + 2) * n.X / Lungo + static_cast<float>(s);
                const float v = 5 + 5 * std::sin(a) * std::cos(3.1415927f * static_cast<float>(s + 1) * n.Y / Largo);
                if (s == 4) n.RichTaglio1 = v;
                else n.*TabellaStrati[static_cast<size_t>(s)].Richiesta = v;
                n.*TabellaStrati[static_cast<size_t>(s)].Residuo = v - 5;
            }
            m.Analisi.Nodi.push_back(n);
        }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
    for (int j = 0; j + 1 < Righe; ++j)
        for (int i = 0; i + 1 < Colonne; ++i) {
            Elemento e;
            const int a = j * Colonne + i;
            e.NodoIdx = {a, a + 1, a + Colonne + 1, a + Colonne};
            m.Analisi.Elementi.push_back(e);
        }
    m.Analisi.NumElementi = static_cast<int>(m.Analisi.Elementi.size());
    return m;
}

// The plan picture, recording the node markers as they are drawn.
class PianoSegnato : public CtrlVid {
public:
    std::vector<QRect> Segni;
    void Rettangolo(int x1, int y1, int x2, int y2, int32_t rgb) override {
        Segni.push_back(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
        CtrlVid::Rettangolo(x1, y1, x2, y2, rgb);
    }
    void RettangoloPienoRgb(int x1, int y1, int x2, int y2, int32_t rgb) override {
        Segni.push_back(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
        CtrlVid::RettangoloPienoRgb(x1, y1, x2, y2, rgb);
    }
};

// The plan picture of a 1366 x 768 window and its legend.
struct Piano {
    GlobaliProva stato;
    PianoSegnato vid;
    LegendaQt legenda;
    SinkVideo sink;
    Modello m = Soletta();
    Piano() {
        ImpostaDefault();
        ImpostaColori();
        vid.resize(1050, 680);
        vid.show();
        legenda.resize(300, 201);
        legenda.show();
        Piatt.Ctrl_Vid = &vid;
        Piatt.Picture2 = &legenda;
        Piatt.SinkVideo = &sink;
        Vista.TwipsPerPixel = 15;
        Vista.AltezzaVideo = static_cast<float>(vid.height());
        Vista.PiantaCorrente = 9999;
        Vista.CodiceVista = 2;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 10;
    }
    void Disegna(int tipo) {
        Vista.TipoMappa = tipo;
        vid.Segni.clear();
        Ridisegna(m, 0);
    }
};

constexpr int Mappe[] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

}  // namespace

TEST(MappeGrandi, VistaTotaleMostraLeFasce) {
    Piano p;
    ASSERT_EQ(p.m.Analisi.NumNodi, 100000);
    ZoomEstensione(p.m);
    std::set<QRgb> bande;
    for (int k = -1; k <= 10; ++k) bande.insert(CtrlVid::Colore(ColoreFascia(k)).rgb());
    // The slab's pixels, within its outline's lines.
    const QRect soletta(QPoint(X(0) + 2, Y(Largo) + 2), QPoint(X(Lungo) - 2, Y(0) - 2));
    ASSERT_GT(soletta.width(), 800);
    for (int tipo : Mappe) {
        SCOPED_TRACE(tipo);
        p.Disegna(tipo);
        const QImage img = p.vid.Immagine();
        std::vector<bool> segnato(static_cast<size_t>(img.width() * img.height()));
        for (const QRect& r : p.vid.Segni)
            for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
                for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x)
                    segnato[static_cast<size_t>(y * img.width() + x)] = true;
        long fascia = 0, tutti = 0;
        for (int y = soletta.top(); y <= soletta.bottom(); ++y)
            for (int x = soletta.left(); x <= soletta.right(); ++x) {
                ++tutti;
                fascia += !segnato[static_cast<size_t>(y * img.width() + x)] && bande.count(img.pixel(x, y)) > 0;
            }
        const double quota = static_cast<double>(fascia) / static_cast<double>(tutti);
        EXPECT_GE(quota, 0.8);
        if (tipo == 0 || tipo == 5) {
            SalvaPng(img, "mappa_100000_nodi_" + std::to_string(tipo));
            SalvaPng(p.legenda.Mostrata(), "legenda_100000_nodi_" + std::to_string(tipo));
        }
    }
}

TEST(MappeGrandi, IngranditaSuUnElementoOgniNodoSegnato) {
    Piano p;
    // One element in the middle of the slab filling the picture's height, with its neighbours.
    const float x0 = 200 * Passo, y0 = 120 * Passo;
    Vista.Scala = (static_cast<float>(p.vid.height()) - 40) / Passo;
    Vista.FinestraVista = {y0 - 20 / Vista.Scala, 0, x0 - 20 / Vista.Scala, 0};
    Vista.FinestraVista[1] = Vista.FinestraVista[0] + static_cast<float>(p.vid.height()) / Vista.Scala;
    Vista.FinestraVista[3] = Vista.FinestraVista[2] + static_cast<float>(p.vid.width()) / Vista.Scala;
    for (int tipo : Mappe) {
        SCOPED_TRACE(tipo);
        p.Disegna(tipo);
        const bool carenza = tipo >= 5 && tipo <= 9;
        int visti = 0;
        for (const Nodo& n : p.m.Analisi.Nodi) {
            const int x = static_cast<int>(std::nearbyint(XSchermo(n.X)));
            const int y = static_cast<int>(std::nearbyint(YSchermo(n.Y)));
            if (x < 0 || y < 0 || x >= p.vid.width() || y >= p.vid.height()) continue;
            ++visti;
            const QRect atteso = carenza ? QRect(x - 1, y - 1, 4, 4) : QRect(x, y, 2, 2);
            int segni = 0;
            for (const QRect& r : p.vid.Segni) segni += r == atteso;
            EXPECT_EQ(segni, 1) << "nodo " << n.Numero;
        }
        EXPECT_GE(visti, 4);
    }
}
