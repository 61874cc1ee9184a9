// A colour map paints band by band: each colour's pieces together, after one change of colour.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "base/Piattaforma.h"
#include "drawing/DisMappeColori.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/MagliaProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// A 20 x 12 mesh of 10 cm squares whose nodes alternate between the ends of the scale, so that
// every triangle crosses every band; or, `liscio`, a field rising across the slab.
Modello Maglia(bool liscio) {
    Modello m;
    const int colonne = 20, righe = 12;
    for (int j = 0; j <= righe; ++j)
        for (int i = 0; i <= colonne; ++i) {
            Nodo n;
            n.X = 10.0f * i;
            n.Y = 10.0f * j;
            n.RichSup1 = liscio ? n.X / 20 : (i + j) % 2 == 0 ? 0.0f : 10.0f;
            m.Analisi.Nodi.push_back(n);
        }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
    ElementiInGriglia(m.Analisi, colonne, righe);
    return m;
}

}  // namespace

TEST(MappeColori, PitturaPerFasce) {
    for (bool liscio : {false, true}) {
        SCOPED_TRACE(liscio ? "campo liscio" : "campo alternato");
        GlobaliProva stato;
        PiattaformaProva p;
        ImpostaDefault();
        // Plan (x, y) cm at pixel (x, -y) times 1.5: the pieces' corners fall between pixels.
        Vista.Scala = 1.5f;
        Vista.FinestraVista = {0, 0, 0, 0};
        Vista.AltezzaVideo = 0;
        Vista.TipoMappa = 0;
        Mappa.ScalaMin = 0;
        Mappa.ScalaMax = 10;
        Modello m = Maglia(liscio);
        DisegnaMappaColori(m);

        // Each colour's pieces come one after another, after one change of the foreground to it.
        std::vector<int32_t> serie, primi;
        double area = 0;
        for (const ChiamataVideo& c : p.Video.Chiamate) {
            if (c.Op == "ColorePrimoPiano") primi.push_back(static_cast<int32_t>(c.Num[0]));
            if (c.Op != "PoligonoPieno") continue;
            const int32_t colore = static_cast<int32_t>(c.Num[0]);
            if (serie.empty() || serie.back() != colore) serie.push_back(colore);
            ASSERT_FALSE(primi.empty());
            EXPECT_EQ(primi.back(), colore) << "painted in the foreground's colour";
            // The signed area, in the way every piece turns.
            const size_t n = (c.Num.size() - 1) / 2;
            for (size_t k = 0; k < n; ++k) {
                const size_t j = (k + 1) % n;
                area += c.Num[1 + 2 * k] * c.Num[2 + 2 * j] - c.Num[1 + 2 * j] * c.Num[2 + 2 * k];
            }
        }
        EXPECT_EQ(std::set<int32_t>(serie.begin(), serie.end()).size(), serie.size()) << "one run per colour";
        EXPECT_GE(serie.size(), liscio ? 5u : 10u);
        EXPECT_LE(primi.size(), serie.size() + 1);
        // Every piece is painted: together they cover the slab, 300 x 180 pixels.
        EXPECT_EQ(std::fabs(area) / 2, 300.0 * 180.0);
    }
}
