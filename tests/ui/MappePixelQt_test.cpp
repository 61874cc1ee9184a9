// A colour map banded pixel by pixel by the plan picture shows what its pieces filled as
// polygons show: the same colour everywhere but along the lines between two bands and at the
// ends of the range, where the rounding of the pieces to pixels may move a line by a pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cmath>

#include "base/TriangoloPixel.h"
#include "design/ColoreFascia.h"
#include "drawing/DisMappeColori.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "ui/CtrlVid.h"
#include "support/MagliaProva.h"
#include "ui/PixelProva.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The picture that leaves every triangle to be cut into pieces.
class SoloPoligoni : public CtrlVid {
public:
    bool DipingiFasce(const TriangoloFasce&, const std::array<int32_t, 12>&) override { return false; }
};

// The picture that bands them itself, counted.
class Contata : public CtrlVid {
public:
    int Triangoli = 0;
    bool DipingiFasce(const TriangoloFasce& t, const std::array<int32_t, 12>& colori) override {
        ++Triangoli;
        return CtrlVid::DipingiFasce(t, colori);
    }
};

enum class Campo { Liscio, Alternato };

// 12 x 8 elements of 30 cm, a little skewed, at 1.7 pixels a centimetre.
Modello Maglia(Campo campo) {
    Modello m;
    const int colonne = 12, righe = 8;
    for (int j = 0; j <= righe; ++j)
        for (int i = 0; i <= colonne; ++i) {
            Nodo n;
            n.X = 30.0f * i + 4.3f * std::sin(1.3f * j + 0.7f * i);
            n.Y = 30.0f * j + 3.1f * std::cos(0.9f * i - 0.4f * j);
            const float v = campo == Campo::Alternato ? ((i + j) % 2 ? 10.0f : 0.0f)
                                                      : 5 + 5 * std::sin(n.X / 60) * std::cos(n.Y / 50);
            n.RichSup1 = v;
            n.ResSup1 = v - 5;
            m.Analisi.Nodi.push_back(n);
        }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
    ElementiInGriglia(m.Analisi, colonne, righe);
    return m;
}

QImage Dipinta(CtrlVid& vid, Modello& m) {
    Piatt.Ctrl_Vid = &vid;
    vid.resize(660, 440);
    vid.show();
    vid.Pulisci();
    DisegnaMappaColori(m);
    return vid.Immagine().copy();
}

}  // namespace

TEST(MappePixelQt, ComeIPoligoniTranneLungoLeLineeTraLeFasce) {
    struct Caso {
        const char* nome;
        Campo campo;
        int tipo;
        float minimo, massimo;
    };
    const Caso casi[] = {
        {"richiesta liscia", Campo::Liscio, 0, 0, 10},
        {"richiesta liscia, campo stretto", Campo::Liscio, 0, 2, 7},
        {"carenza liscia", Campo::Liscio, 5, 0, 10},
        {"richiesta alternata", Campo::Alternato, 0, 0, 10},
        {"eccedenza alternata", Campo::Alternato, 10, 1, 4},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        SchermoProva s(660, 440);
        Vista.FinestraVista = {-10, 0, -10, 0};
        Vista.Scala = 1.7f;
        Vista.AltezzaVideo = 440;
        Vista.TipoMappa = c.tipo;
        Mappa.ScalaMin = c.minimo;
        Mappa.ScalaMax = c.massimo;
        Modello m = Maglia(c.campo);
        Contata contata;
        const QImage pixel = Dipinta(contata, m);
        SoloPoligoni poligoni;
        const QImage attesa = Dipinta(poligoni, m);
        Piatt.Ctrl_Vid = &s.vid;
        EXPECT_GT(contata.Triangoli, 4 * 12 * 8 / 2);

        // Whether the polygons show another colour within r pixels of (x, y).
        auto linea = [&attesa](int x, int y, int r) {
            for (int j = y - r; j <= y + r; ++j)
                for (int i = x - r; i <= x + r; ++i)
                    if (attesa.valid(i, j) && attesa.pixel(i, j) != attesa.pixel(x, y)) return true;
            return false;
        };
        int diversi = 0, lontani = 0, lontanissimi = 0, lungoLinee = 0, dipinti = 0;
        const QRgb fondo = attesa.pixel(0, 0);
        for (int y = 0; y < attesa.height(); ++y)
            for (int x = 0; x < attesa.width(); ++x) {
                const QRgb a = attesa.pixel(x, y);
                dipinti += a != fondo;
                lungoLinee += linea(x, y, 1);
                if (pixel.pixel(x, y) == a) continue;
                ++diversi;
                lontani += !linea(x, y, 1);
                lontanissimi += !linea(x, y, 2);
            }
        // The lines may move by a pixel, seldom by two, never more.
        EXPECT_EQ(lontanissimi, 0);
        EXPECT_LE(lontani, diversi / 1000);
        EXPECT_LE(diversi, lungoLinee / 5);
        EXPECT_GT(dipinti, 30000);
    }
}

// A triangle banded by the picture goes where any drawing goes: into the lasting picture, and
// into what is shown while a transient drawing is up; with the lasting drawing off, only into
// what is shown, until the next clearing.
TEST(MappePixelQt, TriangoloDoveVaOgniDisegno) {
    std::array<double, 21> livelli{};
    for (size_t k = 0; k < 11; ++k) livelli[k] = 100.0 * static_cast<double>(k);
    std::array<int32_t, 12> colori{};
    for (size_t k = 0; k < colori.size(); ++k) colori[k] = ColoreFascia(static_cast<int>(k) - 1);
    TriangoloFasce t;
    t.X = {20, 180, 20};
    t.Y = {10, 10, 90};
    t.Valori = {450, 450, 450};
    t.Livelli = livelli.data();
    const QColor fascia = CtrlVid::Colore(ColoreFascia(4));
    const QColor giallo = CtrlVid::Colore(ColorePalette(14));

    struct Caso {
        const char* nome;
        bool transitorio;  // a transient line is up first
        bool persistente;
        bool nellImmagine, mostrato;
    };
    const Caso casi[] = {
        {"duraturo", false, true, true, true},
        {"duraturo sopra un transitorio", true, true, true, true},
        {"transitorio", false, false, false, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CtrlVid v;
        v.resize(200, 100);
        v.show();
        v.ColoreSfondo(0);
        if (c.transitorio) {
            v.DisegnoPersistente(false);
            v.Linea(10, 95, 190, 95, ColorePalette(14), false);
        }
        v.DisegnoPersistente(c.persistente);
        v.ColorePrimoPiano(Rgb(1, 2, 3));
        ASSERT_TRUE(v.DipingiFasce(t, colori));
        EXPECT_EQ(v.PrimoPiano(), Rgb(1, 2, 3));
        EXPECT_EQ(v.Immagine().pixelColor(50, 30) == fascia, c.nellImmagine);
        EXPECT_EQ(v.Mostrata().pixelColor(50, 30) == fascia, c.mostrato);
        EXPECT_EQ(v.Mostrata().pixelColor(100, 95) == giallo, c.transitorio);
        // The transient drawing goes, the lasting one stays.
        v.DisegnoPersistente(false);
        v.Pulisci();
        EXPECT_EQ(v.Mostrata().pixelColor(50, 30) == fascia, c.nellImmagine);
    }
}
