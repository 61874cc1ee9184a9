// The colour maps and their legend on the real pictures, offscreen: what a user sees.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <array>
#include <cmath>
#include <set>

#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "drawing/DisMappeColori.h"
#include "drawing/LegendeMappa.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/MagliaProva.h"
#include "support/UscitaDxfRegistrata.h"
#include "ui/CtrlVid.h"
#include "ui/FrmMain.h"
#include "ui/LegendaQt.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

QColor Colore(int32_t rgb) { return CtrlVid::Colore(rgb); }

// Plan (x, y) cm at pixel (x, 400 - y).
struct Schermo : SchermoProva {
    Schermo() : SchermoProva(400, 400) {}
};

}  // namespace

TEST(MappeQt, FasceSulPiano) {
    Schermo s;
    // One 400 x 400 element whose corners carry 0 at x 0 and 10 at x 400, in the slab's outline.
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, 400}, {400, 400}, {400, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, 400, 400};
    const float nodi[4][3] = {{0, 0, 0}, {400, 0, 10}, {400, 400, 10}, {0, 400, 0}};
    for (const auto& n : nodi) {
        Nodo x;
        x.X = n[0];
        x.Y = n[1];
        x.RichSup1 = n[2];
        m.Analisi.Nodi.push_back(x);
    }
    m.Analisi.NumNodi = 4;
    Elemento e;
    e.NodoIdx = {0, 1, 2, 3};
    m.Analisi.Elementi = {e};
    m.Analisi.NumElementi = 1;
    Vista.PiantaCorrente = 9999;
    Vista.CodiceVista = 2;
    Vista.TipoMappa = 0;
    Mappa.ScalaMin = 0;
    Mappa.ScalaMax = 10;
    Ridisegna(m, 0);

    const QImage img = s.vid.Immagine();
    for (int k = 0; k < 10; ++k) EXPECT_EQ(img.pixelColor(20 + 40 * k, 100), Colore(ColoreFascia(k))) << k;
    // No gap and no mesh line inside the element: every pixel has a band's colour.
    std::set<QRgb> bande;
    for (int k = -1; k <= 10; ++k) bande.insert(Colore(ColoreFascia(k)).rgb());
    int fuori = 0;
    for (int y = 2; y < 398; ++y)
        for (int x = 2; x < 398; ++x) fuori += bande.count(img.pixel(x, y)) == 0;
    EXPECT_EQ(fuori, 0);

    // The legend of the map beside it.
    const QImage leg = s.legenda.Mostrata();
    EXPECT_EQ(leg.pixelColor(37, 31), Colore(ColoreFascia(9)));
}

// An irregular mesh at a scale of no whole pixels: the bands meet without a gap between the
// pieces, the triangles or the elements, also where a narrowed range cuts the triangles.
TEST(MappeQt, MagliaIrregolareSenzaFessure) {
    for (int tipo : {5, 0}) {
        SCOPED_TRACE(tipo);
        Schermo s;
        Vista.FinestraVista = {-10, 0, -10, 0};
        Vista.Scala = 1.37f;
        Vista.AltezzaVideo = 300;
        Modello m;
        const int colonne = 6, righe = 4;
        for (int j = 0; j <= righe; ++j)
            for (int i = 0; i <= colonne; ++i) {
                Nodo n;
                n.X = 50.0f * i;
                const bool bordo = j == 0 || j == righe;
                n.Y = 50.0f * j + (bordo ? 0 : ((i * 7 + j * 3) % 5 - 2) * 6.1f);
                n.RichSup1 = n.ResSup1 = n.X / 30;
                m.Analisi.Nodi.push_back(n);
            }
        m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
        ElementiInGriglia(m.Analisi, colonne, righe);
        Vista.TipoMappa = tipo;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 6;  // the requirement map shows x up to 180 cm only
        s.vid.Pulisci();
        DisegnaMappaColori(m);

        const QImage img = s.vid.Immagine();
        std::set<QRgb> bande;
        for (int k = -1; k <= 10; ++k) bande.insert(Colore(ColoreFascia(k)).rgb());
        const float xMax = tipo == 0 ? 130 : 300;
        int fuori = 0, provati = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const float px = XDaSchermo(x), py = YDaSchermo(y);
                if (px < 2 || px > xMax - 2 || py < 2 || py > 198) continue;
                // Away from the node markers.
                bool marcatore = false;
                for (const Nodo& n : m.Analisi.Nodi)
                    marcatore = marcatore || (std::fabs(XSchermo(n.X) - x) < 4 && std::fabs(YSchermo(n.Y) - y) < 4);
                if (marcatore) continue;
                ++provati;
                fuori += bande.count(img.pixel(x, y)) == 0;
            }
        EXPECT_GT(provati, 10000);
        EXPECT_EQ(fuori, 0);
    }
}

// A quadrilateral whose four triangles about its centre lie in one band is filled at once: it
// must paint just the pixels the four triangles paint, at scales with no whole pixels, square,
// leaning, thin, and so small that its pixels fold.
TEST(MappeQt, QuadrilateroInUnaFascia) {
    const std::array<std::array<float, 8>, 7> forme = {{
        {0, 0, 100, 0, 100, 100, 0, 100},
        {13, 7, 161, 31, 142, 118, -3, 96},
        {50, 0, 100, 50, 50, 100, 0, 50},
        {0, 0, 150, 4, 152, 20, 2, 14},
        {0, 0, 60, -10, 100, 0, 60, 50},
        {0, 0, 3, 1, 4, 4, 1, 3},
        {14.464f, 15.185f, 12.420f, 18.346f, 11.881f, 16.777f, 14.671f, 14.075f},  // folds at scale 1
    }};
    for (float scala : {1.0f, 1.37f, 2.71f, 0.33f}) {
        for (size_t f = 0; f < forme.size(); ++f) {
            SCOPED_TRACE(testing::Message() << "scala " << scala << " forma " << f);
            Schermo s;
            Vista.FinestraVista = {-20, 0, -20, 0};
            Vista.Scala = scala;
            Vista.AltezzaVideo = 400;
            Modello m;
            for (size_t k = 0; k < 4; ++k) {
                Nodo n;
                n.X = forme[f][2 * k];
                n.Y = forme[f][2 * k + 1];
                n.RichSup1 = 4.5f;
                m.Analisi.Nodi.push_back(n);
            }
            m.Analisi.NumNodi = 4;
            Elemento e;
            e.NodoIdx = {0, 1, 2, 3};
            m.Analisi.Elementi = {e};
            m.Analisi.NumElementi = 1;
            Vista.TipoMappa = 0;
            Mappa.ScalaMin = 0;
            Mappa.ScalaMax = 10;
            s.vid.Pulisci();
            const QImage sfondo = s.vid.Immagine().copy();
            DisegnaMappaColori(m);
            const QImage mappa = s.vid.Immagine();

            // The four triangles about the crossing of the diagonals, one by one.
            const auto& n = m.Analisi.Nodi;
            float xc = 0, yc = 0, xj = 0, yj = 0;
            int codice = 0;
            Intersezione(n[0].X, n[0].Y, n[2].X, n[2].Y, n[1].X, n[1].Y, n[3].X, n[3].Y, xc, yc, codice, xj, yj);
            auto pixel = [](float x, float y) {
                return QPointF(std::nearbyint(XSchermo(x)), std::nearbyint(YSchermo(y)));
            };
            QImage attesa = sfondo;
            {
                QPainter p(&attesa);
                p.setPen(Qt::NoPen);
                p.setBrush(Colore(ColoreFascia(4)));
                for (size_t k = 0; k < 4; ++k) {
                    const Nodo& a = n[k];
                    const Nodo& b = n[(k + 1) % 4];
                    const QPointF t[3] = {pixel(a.X, a.Y), pixel(b.X, b.Y), pixel(xc, yc)};
                    p.drawPolygon(t, 3, Qt::WindingFill);
                }
            }
            int diversi = 0, dipinti = 0;
            for (int y = 0; y < mappa.height(); ++y)
                for (int x = 0; x < mappa.width(); ++x) {
                    // The node markers, dots of 2 x 2 pixels, go over the map.
                    bool marcatore = false;
                    for (const Nodo& q : n) {
                        const QPointF c = pixel(q.X, q.Y);
                        marcatore = marcatore || (x - c.x() >= 0 && x - c.x() <= 1 && y - c.y() >= 0 && y - c.y() <= 1);
                    }
                    if (marcatore) continue;
                    diversi += mappa.pixel(x, y) != attesa.pixel(x, y);
                    dipinti += attesa.pixel(x, y) != sfondo.pixel(x, y);
                }
            EXPECT_EQ(diversi, 0);
            if (f + 2 < forme.size()) {
                EXPECT_GT(dipinti, 0);
            }
        }
    }
}

TEST(MappeQt, PannelloDellaLegenda) {
    Schermo s;
    Modello m;
    Vista.TipoMappa = 5;
    LegendaMappa(m, 10, 0, "Carenza di armatura [cmq/m]", 0, 0);
    // Each box's middle pixel, from the top, and the node markers.
    auto controlla = [](const QImage& img) {
        for (int i = 0; i < 10; ++i) EXPECT_EQ(img.pixelColor(37, 31 + 15 * i), Colore(ColoreFascia(9 - i))) << i;
        EXPECT_EQ(img.pixelColor(122, 42), QColor(255, 0, 0));
        EXPECT_EQ(img.pixelColor(122, 62), QColor(192, 192, 192));
        EXPECT_EQ(img.pixelColor(122, 82), QColor(88, 88, 88));
        // Some text was written in black beside the scale.
        int neri = 0;
        for (int y = 15; y < 190; ++y)
            for (int x = 70; x < 110; ++x) neri += img.pixelColor(x, y) == QColor(0, 0, 0);
        EXPECT_GT(neri, 20);
    };
    controlla(s.legenda.Mostrata());
    // A repaint shows the legend whole.
    controlla(s.legenda.grab().toImage());

    // A transient drawing with the lasting picture off goes at the next clearing.
    s.legenda.DisegnoPersistente(false);
    s.legenda.RettangoloPieno(0, 0, 3000, 3000, Rgb(0, 255, 0));
    EXPECT_EQ(s.legenda.grab().toImage().pixelColor(37, 31), QColor(0, 255, 0));
    s.legenda.Pulisci();
    controlla(s.legenda.grab().toImage());
}

TEST(MappeQt, PannelloNellaFinestra) {
    GlobaliProva stato;
    const Cartelle cartelle = Dir;
    {
        FrmMain f;
        f.show();
        ASSERT_NE(f.Picture2(), nullptr);
        EXPECT_EQ(Piatt.Picture2, static_cast<PannelloLegenda*>(f.Picture2()));
        // In the side column, below the frame of the side options.
        EXPECT_EQ(f.Picture2()->parentWidget(), f.Frame2()->parentWidget());
        EXPECT_GT(f.Picture2()->geometry().top(), f.Frame2()->geometry().bottom());
        EXPECT_TRUE(f.Picture2()->isVisible());
    }
    EXPECT_EQ(Piatt.Picture2, nullptr);
    Dir = cartelle;
}
