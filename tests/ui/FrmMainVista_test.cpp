// The main window opening the sample slab as a new user does: the plan shows all it draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "drawing/MisuraVista.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"
#include "ui/FrmMain.h"

using namespace vilmor;

namespace {

// A new user: an empty settings folder; the project and view state come back afterwards.
class NuovoUtente {
public:
    NuovoUtente() {
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) vecchio_ = v;
        ::setenv("XDG_CONFIG_HOME", cartella_.Percorso().c_str(), 1);
    }
    ~NuovoUtente() {
        if (vecchio_) ::setenv("XDG_CONFIG_HOME", vecchio_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        Dir = dir_;
        M = m_;
        Vista = vista_;
        Imp = imp_;
        Strati = strati_;
    }

private:
    prova::CartellaTemp cartella_;
    std::optional<std::string> vecchio_;
    Cartelle dir_ = Dir;
    Modello m_ = M;
    StatoVista vista_ = Vista;
    Impostazioni imp_ = Imp;
    StratiDisegno strati_ = Strati;
};

}  // namespace

TEST(FrmMainVista, IlCampioneSiApreSullaSuaEstensione) {
    NuovoUtente utente;
    FrmMain f(std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR");
    f.resize(1000, 700);
    f.show();
    QApplication::processEvents();
    f.ApriRigaComando();
    ASSERT_GT(M.Soletta.NumVertContorno, 0);

    const CtrlVid* v = f.PianoVideo();
    const double W = v->width(), H = v->height();
    ASSERT_GT(W, 0);
    ASSERT_GT(H, 0);
    EXPECT_FLOAT_EQ(Vista.AltezzaVideo, static_cast<float>(H));

    // The fit of everything drawn, computed here on its own: the scale that holds both sides
    // inside a band of 20 pixels, the drawing centred both ways.
    const Ingombro b = MisuraVista(M);
    ASSERT_FALSE(b.Vuoto);
    const double bw = b.XMax - b.XMin, bh = b.YMax - b.YMin;
    const double s = std::min((W - 40) / bw, (H - 40) / bh);
    const double xMin = (b.XMin + b.XMax) / 2 - W / s / 2, xMax = xMin + W / s;
    const double yMin = (b.YMin + b.YMax) / 2 - H / s / 2, yMax = yMin + H / s;
    const auto& fv = Vista.FinestraVista;
    const double tol = 1e-4 * std::max(bw, bh);
    EXPECT_NEAR(Vista.Scala, s, 1e-6 * s);
    EXPECT_NEAR(fv[0], yMin, tol);
    EXPECT_NEAR(fv[1], yMax, tol);
    EXPECT_NEAR(fv[2], xMin, tol);
    EXPECT_NEAR(fv[3], xMax, tol);
    // The drawing holds the slab and its title block above it.
    const auto& e = Vista.EstensionePianta;
    EXPECT_LE(b.XMin, e[0]);
    EXPECT_GE(b.YMax, e[3]);

    // The outline shows at every vertex's pixel.
    const QImage& img = v->Mostrata();
    const QColor bordo = CtrlVid::Colore(Strati.ColoriLayer[5]);
    for (int i = 0; i < M.Soletta.NumVertContorno; ++i) {
        const Punto& p = M.Soletta.Contorno[static_cast<size_t>(i)];
        const int px = static_cast<int>(std::lround((p.X - xMin) * s));
        const int py = static_cast<int>(std::lround((yMin - p.Y) * s + H));
        bool visto = false;
        for (int y = py - 1; y <= py + 1; ++y)
            for (int x = px - 1; x <= px + 1; ++x) visto = visto || (img.valid(x, y) && img.pixelColor(x, y) == bordo);
        EXPECT_TRUE(visto) << "vertice " << i << " a " << px << ", " << py;
    }
}
