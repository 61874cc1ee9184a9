// The pixels of a triangle filled straight into the picture are the pixels the screen library's
// aliased fill paints for it: on random small triangles of every turn, flat ones, ones across
// the picture's border and long thin ones whose sides pass through pixel centres.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <array>
#include <random>

#include "base/TriangoloPixel.h"

using namespace vilmor;

TEST(TriangoloPixelQt, GliStessiPixelDellaLibreria) {
    struct Caso {
        const char* nome;
        int lato;          // picture lato x lato
        int da, a;         // corners' coordinates
        int quanti;
        bool allineati;    // the third corner on the line of the first two
    };
    const Caso casi[] = {
        {"piccoli", 24, -3, 14, 3000, false},
        {"piccoli piatti", 24, -3, 14, 300, true},
        {"attraverso il bordo", 64, -40, 100, 1000, false},
        {"grandi", 200, -600, 800, 200, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::mt19937 g(17);
        std::uniform_int_distribution<int> d(c.da, c.a);
        long long diversi = 0, dipinti = 0;
        for (int i = 0; i < c.quanti; ++i) {
            std::array<int, 3> x{d(g), d(g), d(g)}, y{d(g), d(g), d(g)};
            if (c.allineati) {
                const int k = i % 3 - 1;
                x[2] = x[0] + k * (x[1] - x[0]);
                y[2] = y[0] + k * (y[1] - y[0]);
            }
            QImage qt(c.lato, c.lato, QImage::Format_RGB32);
            qt.fill(Qt::black);
            {
                QPainter p(&qt);
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                const QPointF t[3] = {QPointF(x[0], y[0]), QPointF(x[1], y[1]), QPointF(x[2], y[2])};
                p.drawPolygon(t, 3, Qt::WindingFill);
            }
            QImage nostro(c.lato, c.lato, QImage::Format_RGB32);
            nostro.fill(Qt::black);
            RigheTriangolo(x, y, c.lato, c.lato, [&](int r, int x0, int x1) {
                ASSERT_TRUE(r >= 0 && r < c.lato && x0 >= 0 && x0 <= x1 && x1 < c.lato);
                for (int k = x0; k <= x1; ++k) {
                    // Each pixel once.
                    EXPECT_NE(nostro.pixel(k, r), QColor(Qt::white).rgb());
                    nostro.setPixel(k, r, QColor(Qt::white).rgb());
                }
            });
            int qui = 0;
            for (int r = 0; r < c.lato; ++r)
                for (int k = 0; k < c.lato; ++k) {
                    qui += qt.pixel(k, r) != nostro.pixel(k, r);
                    dipinti += qt.pixel(k, r) != QColor(Qt::black).rgb();
                }
            if (qui > 0 && diversi == 0)
                ADD_FAILURE() << "(" << x[0] << ", " << y[0] << ") (" << x[1] << ", " << y[1] << ") (" << x[2] << ", "
                              << y[2] << "): " << qui << " pixels";
            diversi += qui;
        }
        EXPECT_EQ(diversi, 0);
        if (!c.allineati) {
            EXPECT_GT(dipinti, 10 * c.quanti);
        }
    }
}

// Triangles sharing their sides, fanned about a point, cover every pixel of the polygon around
// them once.
TEST(TriangoloPixelQt, VentaglioSenzaFessureNeSovrapposizioni) {
    const std::array<std::array<int, 2>, 7> giro = {{{3, 2}, {40, 5}, {57, 31}, {44, 58}, {17, 49}, {1, 30}, {9, 13}}};
    const std::array<int, 2> centro{27, 29};
    QImage volte(64, 64, QImage::Format_RGB32);
    volte.fill(0);
    for (size_t k = 0; k < giro.size(); ++k) {
        const auto& a = giro[k];
        const auto& b = giro[(k + 1) % giro.size()];
        // Turned either way: the rule is the side's, not the turn's.
        const std::array<int, 3> x = k % 2 ? std::array<int, 3>{a[0], b[0], centro[0]} : std::array<int, 3>{b[0], a[0], centro[0]};
        const std::array<int, 3> y = k % 2 ? std::array<int, 3>{a[1], b[1], centro[1]} : std::array<int, 3>{b[1], a[1], centro[1]};
        RigheTriangolo(x, y, 64, 64, [&](int r, int x0, int x1) {
            for (int i = x0; i <= x1; ++i) volte.setPixel(i, r, volte.pixel(i, r) + 1);
        });
    }
    QImage tutto(64, 64, QImage::Format_RGB32);
    tutto.fill(0);
    {
        QPainter p(&tutto);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 1));
        QPointF punti[giro.size()];
        for (size_t k = 0; k < giro.size(); ++k) punti[k] = QPointF(giro[k][0], giro[k][1]);
        p.drawPolygon(punti, static_cast<int>(giro.size()), Qt::WindingFill);
    }
    int diversi = 0;
    for (int r = 0; r < 64; ++r)
        for (int i = 0; i < 64; ++i) diversi += (volte.pixel(i, r) & 0xFFFFFF) != (tutto.pixel(i, r) & 0xFFFFFF);
    EXPECT_EQ(diversi, 0);
}
