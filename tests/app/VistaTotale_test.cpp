// "Vista totale" on real slabs: after the view is chosen and fitted, everything the screen
// draws of it lies inside the picture, 20 pixels from its edges, and fills it along one side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "app/CaricaProgetto.h"
#include "app/PosaSezioni.h"
#include "app/SceltaVista.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "drawing/Zoom.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

// What the picture received since its last clearing, as a box in pixels.
struct Area {
    double x0 = 1e30, y0 = 1e30, x1 = -1e30, y1 = -1e30;
    int n = 0;
    void Punto(double x, double y) {
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        ++n;
    }
};

// Lines, circles and texts (the whole cell of each text, turned by its angle) drawn on the
// picture by the screen's own sink, each cell as wide as the picture measures the text.
Area Disegnato(const VideoRegistrato& v, std::vector<std::string>* testi = nullptr) {
    size_t inizio = 0;
    for (size_t i = 0; i < v.Chiamate.size(); ++i)
        if (v.Chiamate[i].Op == "Pulisci") inizio = i;
    Area a;
    for (size_t i = inizio; i < v.Chiamate.size(); ++i) {
        const ChiamataVideo& c = v.Chiamate[i];
        const auto& n = c.Num;
        if (c.Op == "Linea") {
            a.Punto(n[0], n[1]);
            a.Punto(n[2], n[3]);
        } else if (c.Op == "Cerchio") {
            a.Punto(n[0] - n[2], n[1] - n[2]);
            a.Punto(n[0] + n[2], n[1] + n[2]);
        } else if (c.Op == "TestoRuotato") {
            const double w = v.LarghezzaTesto(static_cast<int>(n[2]), static_cast<int>(n[3]), c.Testo);
            const double h = 1.2 * n[2];
            const double t = n[4] * M_PI / 180, co = std::cos(t), si = std::sin(t);
            for (double u : {0.0, w})
                for (double s : {0.0, h}) a.Punto(n[0] + u * co + s * si, n[1] - u * si + s * co);
            if (testi) testi->push_back(c.Testo);
        }
    }
    return a;
}

class VistaTotaleProva : public ::testing::Test {
protected:
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    SinkVideo sink;
    void SetUp() override {
        SettaIdComandi(1);
        // The layers shown as the program shows them.
        ImpostaColori();
        p.Video.L = 1000;
        p.Video.H = 640;
        Vista.AltezzaVideo = 640;
        Piatt.SinkVideo = &sink;
        Disegno.Ridisegna = [](int uscita) { Ridisegna(uscita); };
        Disegno.ZoomEstensione = [] { ZoomEstensione(); };
        fs::copy_file(Campione + "/SOL1.QVR", dir / "SOL1.QVR");
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / "ARCHIMPA.AI0");
        ASSERT_EQ(CaricaProgetto(dir / "SOL1.QVR"), 0);
        LatoEDirezione();
    }
    // Every view, side and direction: what is drawn lies in the picture with its band of 20
    // pixels, and touches that band on at least one side.
    void OgniVista(const std::string& slab) {
        struct Caso {
            int vista, lato, dir;
        };
        for (const Caso c : {Caso{0, 0, 0}, Caso{0, 1, 0}, Caso{1, 0, 0}, Caso{1, 1, 1}, Caso{1, 2, 0}, Caso{2, 0, 0},
                             Caso{4, 0, 0}, Caso{5, 1, 1}}) {
            SCOPED_TRACE(slab + " vista " + std::to_string(c.vista) + " lato " + std::to_string(c.lato));
            Vista.VistaScelta = c.vista, Vista.LatoScelto = c.lato, Vista.DirezioneScelta = c.dir;
            AggiornaVisulalizzazione();
            const Area a = Disegnato(p.Video);
            ASSERT_GT(a.n, 0);
            const double L = p.Video.L, H = p.Video.H;
            EXPECT_GE(a.x0, 19) << a.x0;
            EXPECT_GE(a.y0, 19) << a.y0;
            EXPECT_LE(a.x1, L - 19) << a.x1;
            EXPECT_LE(a.y1, H - 19) << a.y1;
            const bool pienaLarghezza = a.x0 < 22 && a.x1 > L - 22, pienaAltezza = a.y0 < 22 && a.y1 > H - 22;
            EXPECT_TRUE(pienaLarghezza || pienaAltezza) << a.x0 << "," << a.y0 << " " << a.x1 << "," << a.y1;
        }
    }
};

}  // namespace

TEST_F(VistaTotaleProva, IlCampioneTuttoInVista) {
    // The slab's title block is drawn whole, inside the picture.
    Vista.VistaScelta = 0, Vista.LatoScelto = 0, Vista.DirezioneScelta = 0;
    AggiornaVisulalizzazione();
    std::vector<std::string> testi;
    const Area a = Disegnato(p.Video, &testi);
    EXPECT_NE(std::find(testi.begin(), testi.end(), "Soletta  1"), testi.end());
    EXPECT_NE(std::find(testi.begin(), testi.end(), "Armatura diffusa lato superiore"), testi.end());
    EXPECT_GE(a.y0, 19);
    OgniVista("campione");
}

TEST_F(VistaTotaleProva, SezioniEQuotaLarga) {
    // Two sections and a dimension chain 600 cm right of the slab on every plan.
    ZoomEstensione();
    const auto& lim = M.Soletta.LimitiContorno;  // XMin, YMin, XMax, YMax
    const float cx = (lim[0] + lim[2]) / 2, cy = (lim[1] + lim[3]) / 2;
    for (int d : {0, 1}) {
        Vista.DirezioneSezione = d;
        Vista.IndiceSezione = d;
        AssegnaSez(M, XSchermo(cx + 10), YSchermo(cy - 10));
        ASSERT_EQ(ErroreOperazione, 0);
    }
    M.SezQuote.UltimaSezione = 1;
    Quota q;
    q.X1 = q.X2 = lim[2] + 600;
    q.Y1 = lim[1], q.Y2 = lim[3];
    q.XP1 = q.XP2 = lim[2];
    q.YP1 = lim[1], q.YP2 = lim[3];
    q.Pianta = -1;
    M.SezQuote.Quote.push_back(q);
    M.SezQuote.UltimaQuota = static_cast<int>(M.SezQuote.Quote.size()) - 1;
    SettaLimiti();
    const float larghezzaTavola = Vista.LarghezzaTavola;
    const auto limiti = Vista.LimitiPianta;
    OgniVista("sezioni e quota");
    // Only the screen's window moved: the sheet and the extents stay as they were.
    EXPECT_EQ(Vista.LarghezzaTavola, larghezzaTavola);
    EXPECT_EQ(Vista.LimitiPianta, limiti);
}
