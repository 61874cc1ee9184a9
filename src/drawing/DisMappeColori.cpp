#include "drawing/DisMappeColori.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "design/MappeColori.h"
#include "design/TagliaFasce.h"
#include "drawing/LegendeMappa.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

// Satisfied, within the tolerance or not verified, from the node's balance and requirement.
int32_t ColoreNodo(float b, float r) {
    if (b < 0.009f) return Rgb(88, 88, 88);
    const bool tollerato = Imp.ModoTolleranza == 0
                               ? Imp.TolleranzaPerc > 0 && b - Imp.TolleranzaPerc * r / 100 <= 0
                               : Imp.TolleranzaFissa > 0 && b - Imp.TolleranzaFissa <= 0;
    return tollerato ? ColorePalette(7) : ColorePalette(12);
}

// The pieces of a map on the plan picture, in pixels rounded half to even.
class Pittura : public UscitaFasce {
public:
    Pittura() : video_(Piatt.Ctrl_Vid) { PuntiPoligono.reserve(MaxVerticiFascia); }

    void Pezzi(const PezziFascia& p) override {
        for (size_t k = 0; k < static_cast<size_t>(p.Num); ++k) {
            PuntiPoligono.clear();
            for (size_t v = 0; v < static_cast<size_t>(p.NumVertici[k]); ++v) Pixel(p.X[k + 20 * v], p.Y[k + 20 * v]);
            Riempi(ColoreFascia(p.Fascia[k] - 1));
        }
    }

    void Intero(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) override {
        PuntiPoligono.clear();
        for (const VerticeMappa* v : {&a, &b, &c}) Pixel(v->X, v->Y);
        Riempi(ColoreFascia(0));
    }

private:
    void Pixel(double x, double y) {
        PuntiPoligono.push_back({std::nearbyint(XSchermo(static_cast<float>(x))),
                                 std::nearbyint(YSchermo(static_cast<float>(y)))});
    }

    // The piece in its band's colour, which the foreground follows. The pieces of neighbouring
    // triangles share their vertices, so they tile the mesh and no mesh line shows.
    void Riempi(int32_t c) {
        if (!video_) return;
        if (c != colore_) {
            video_->ColorePrimoPiano(c);
            colore_ = c;
        }
        video_->PoligonoPieno(PuntiPoligono, c);
    }

    SuperficieVideo* video_;
    std::vector<Punto> PuntiPoligono;  // picture vertices of the polygon being filled
    int32_t colore_ = -1;              // the picture's foreground, once set
};

// Every node's marker: on the missing-steel maps its state's colour, a black dot elsewhere.
void Marcatori(const Modello& m, const FasceMappa& f, GenereMappa genere, int strato) {
    SuperficieVideo* video = Piatt.Ctrl_Vid;
    if (!video) return;
    for (int i = 0; i < f.Nodi(); ++i) {
        const Nodo& n = m.Analisi.Nodi[static_cast<size_t>(i)];
        const int x = static_cast<int>(std::nearbyint(XSchermo(n.X)));
        const int y = static_cast<int>(std::nearbyint(YSchermo(n.Y)));
        if (genere == GenereMappa::Carenza)
            video->RettangoloPienoRgb(x - 1, y - 1, x + 2, y + 2, ColoreNodo(f.Grezzo(i), RichiestaNodo(m, strato, i)));
        else
            video->Rettangolo(x, y, x + 1, y + 1, 0);
    }
}

}  // namespace

void DisegnaMappaColori(Modello& m) {
    const VoceMappa* voce = VoceMappaDi(Vista.TipoMappa);
    if (!voce) return;
    Vista.DirezioneAttiva = voce->Direzione;
    Vista.TipoZonaAttivo = voce->Lato;
    const GenereMappa genere = GenereMappaDi(Vista.TipoMappa);
    if (genere == GenereMappa::Punzonamento) {
        if (DisegnaMappaPunz) DisegnaMappaPunz(m, Mappa.ScalaMin, Mappa.ScalaMax, voce->Titolo, 0);
        return;
    }

    FasceMappa f(m, genere, voce->Strato);
    float L = Mappa.ScalaMin, U = Mappa.ScalaMax;
    if (genere == GenereMappa::Carenza) f.LimitiCarenza(L, U);
    f.Campo(L, U);

    Pittura p;
    if (std::fabs(L) <= 0.009f && std::fabs(U) <= 0.009f) {
        // Nothing to tell apart: the whole mesh in the colour of band 0.
        LegendaMappa(m, U, L, voce->Titolo, voce->Direzione, voce->Lato);
        f.Maglia(true, Mappa.LivelliMappa, p);
    } else {
        CalcolaLivelli(L, U, Mappa.LivelliMappa);
        LegendaMappa(m, U, L, voce->Titolo, voce->Direzione, voce->Lato);
        // A range that falls has no bands to paint; legend and markers still show.
        if (!(U < L)) f.Maglia(false, Mappa.LivelliMappa, p);
    }
    Marcatori(m, f, genere, voce->Strato);
}

}  // namespace vilmor
