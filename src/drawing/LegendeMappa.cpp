#include "drawing/LegendeMappa.h"

#include <cmath>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "design/ColoreFascia.h"
#include "model/Impostazioni.h"

namespace vilmor {
namespace {

// Lengths of the legends are pixels of the screen turned into twips; positions written in
// twips stay as they are.
float Px(float n) { return n * static_cast<float>(Vista.TwipsPerPixel); }

void Apri(PannelloLegenda& p) {
    p.DisegnoPersistente(true);
    p.Pulisci();
    p.StileRiempimento(0);
}

// Ten boxes from band 9 at the top to band 0 at the bottom, each with the value at its top
// edge, and b at the bottom edge of the last. The values never follow the regional settings.
void ScalaColori(PannelloLegenda& p, float a, float b) {
    const float passo = (b - a) / 10;
    float y = 0;
    for (int i = 0; i < 10; ++i) {
        y = Px(15.0f * static_cast<float>(i)) + 360;
        p.RettangoloPieno(Px(10), y, Px(65), y + Px(15), ColoreFascia(9 - i));
        p.Testo(Px(70), y - Px(6), FormatNum(a + static_cast<float>(i) * passo, 2));
    }
    p.Testo(Px(70), y + Px(8), FormatNum(b, 2));
}

}  // namespace

void ScostaSegmento(float X1, float Y1, float X2, float Y2, float& OX1, float& OY1, float& OX2, float& OY2, float D,
                    int Lato) {
    const double dx = static_cast<double>(X2) - X1, dy = static_cast<double>(Y2) - Y1;
    const double L = std::sqrt(dx * dx + dy * dy);
    if (L < 1e-6) return;
    const double ux = D * dx / L, uy = D * dy / L;
    if (Lato != 0) {
        OX1 = static_cast<float>(X1 - uy);
        OY1 = static_cast<float>(Y1 + ux);
        OX2 = static_cast<float>(X2 - uy);
        OY2 = static_cast<float>(Y2 + ux);
    } else {
        OX1 = static_cast<float>(X1 + uy);
        OY1 = static_cast<float>(Y1 - ux);
        OX2 = static_cast<float>(X2 + uy);
        OY2 = static_cast<float>(Y2 - ux);
    }
}

void LegendaMappa(const Modello& m, float superiore, float inferiore, const std::string& titolo, int direzione,
                  int lato) {
    PannelloLegenda* p = Piatt.Picture2;
    if (!p) return;
    Apri(*p);
    p->ColoreTesto(0);
    p->Testo(Px(7), Px(2), titolo);

    if (std::fabs(superiore) <= 0.0001f && std::fabs(inferiore) <= 0.0001f) {
        // Nothing missing anywhere: one band-0 box and the verdict instead of the scale.
        p->RettangoloPieno(Px(10), Px(30), Px(65), Px(45), ColoreFascia(0));
        p->Testo(Px(8), Px(52), "L'armatura soddisfa");
        p->Testo(Px(8), Px(67), "la richiesta di progetto.");
    } else {
        ScalaColori(*p, superiore, inferiore);
        if (Vista.TipoMappa >= 5 && Vista.TipoMappa <= 9) {
            p->StileRiempimento(1);
            const int32_t colori[3] = {ColorePalette(12), ColorePalette(7), Rgb(88, 88, 88)};
            const char* testi[3] = {"Nodo N.V.", "Nodo entro tolleranza", "Nodo OK"};
            for (int i = 0; i < 3; ++i) {
                const float y = Px(42.0f + 20.0f * static_cast<float>(i));
                p->RettangoloPieno(Px(122) - 24, y - 24, Px(122) + 24, y + 24, colori[i]);
                p->Testo(Px(130), Px(35.0f + 20.0f * static_cast<float>(i)), testi[i]);
            }
        }
    }

    if (lato == 0 || lato == 1) {
        if (direzione == 0 || direzione == 1) {
            const DatiProgetto& d = m.Progetto;
            const float c = static_cast<float>(direzione == 0 ? d.CosDir1 : d.CosDir2);
            const float s = static_cast<float>(direzione == 0 ? d.SinDir1 : d.SinDir2);
            const int32_t colore = ColorePalette(direzione == 0 ? 12 : 2);
            // The bar direction as it lies on the plan: the panel's y runs downward.
            const float x1 = Px(160) + 330 * c, y1 = Px(165) - 330 * s;
            const float x2 = Px(160) - 330 * c, y2 = Px(165) + 330 * s;
            p->Linea(x1, y1, x2, y2, colore);
            for (float distanza : {110.0f, 220.0f})
                for (int verso : {-1, 0}) {
                    float ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0;
                    ScostaSegmento(x1, y1, x2, y2, ox1, oy1, ox2, oy2, distanza, verso);
                    p->Linea(ox1, oy1, ox2, oy2, colore);
                }
            p->SpessoreLinea(1);
            p->Testo(Px(120), Px(105), direzione == 0 ? "Direzione 1" : "Direzione 2");
        }
        if (m.Progetto.MagliaUnica == 0)
            p->Testo(Px(120), Px(120), lato == 0 ? "Lato superiore" : "Lato inferiore");
    }
    p->DisegnoPersistente(false);
}

void LegendaNodiDiradati() {
    PannelloLegenda* p = Piatt.Picture2;
    if (!p) return;
    p->DisegnoPersistente(true);
    p->ColoreTesto(0);
    p->Testo(Px(120), Px(90), "Nodi: solo quelli carenti");
    p->DisegnoPersistente(false);
}

void LegendaPunz(float inferiore, float superiore, const std::string& titolo) {
    PannelloLegenda* p = Piatt.Picture2;
    if (!p) return;
    Apri(*p);
    p->Testo(Px(7), Px(2), titolo);
    if (std::fabs(static_cast<double>(superiore) + 9999999.0) > 1) ScalaColori(*p, inferiore, superiore);

    const bool nero = Imp.SfondoBianco == 0;
    const int32_t magenta = ColorePalette(13);
    // A column whose punching reinforcement is not required.
    p->RettangoloPieno(Px(140), Px(28), Px(195), Px(43), nero ? Rgb(95, 95, 95) : Rgb(225, 225, 225));
    p->Testo(Px(140), Px(46), "Armatura");
    p->Testo(Px(140), Px(64), "non richiesta");
    p->StileRiempimento(1);
    p->Rettangolo(Px(140), Px(28), Px(195), Px(43), magenta);
    p->StileRiempimento(0);
    // A column whose punching reinforcement cannot be computed.
    const float y = Px(45) + 870;
    p->RettangoloPieno(Px(140), y, Px(195), y + Px(15), nero ? Rgb(250, 250, 250) : Rgb(75, 75, 75));
    p->Testo(Px(140), y + Px(18), "Armatura");
    p->Testo(Px(140), y + Px(36), "non calcolabile");
    p->Testo(Px(140), y + Px(54), "N.V. (6.52)");
    p->StileRiempimento(1);
    p->Rettangolo(Px(140), y, Px(195), y + Px(15), magenta);
    p->DisegnoPersistente(false);
}

}  // namespace vilmor
