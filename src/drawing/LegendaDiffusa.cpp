#include "drawing/LegendaDiffusa.h"

#include <string>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "base/Testo1252.h"
#include "drawing/LegendeMappa.h"

namespace vilmor {
namespace {

float Px(float n) { return n * static_cast<float>(Vista.TwipsPerPixel); }

// Five strokes 660 twips long and 110 apart about the centre, along the direction as seen on
// the plan (the panel's y runs downward).
void Simbolo(PannelloLegenda& p, float cx, float cy, double c, double s, int32_t colore) {
    const float dx = static_cast<float>(330 * c), dy = static_cast<float>(330 * s);
    const float x1 = cx + dx, y1 = cy - dy, x2 = cx - dx, y2 = cy + dy;
    p.Linea(x1, y1, x2, y2, colore);
    for (float d : {110.0f, 220.0f}) {
        for (int lato : {1, 0}) {
            float ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0;
            ScostaSegmento(x1, y1, x2, y2, ox1, oy1, ox2, oy2, d, lato);
            p.Linea(ox1, oy1, ox2, oy2, colore);
        }
    }
}

std::string Barre(int diametro, float passo) {
    return std::string("1") + SegnoDiametro + Str(diametro) + "/" + Str(passo);
}

}  // namespace

void DisLegenda(const Modello& m) {
    PannelloLegenda* p = Piatt.Picture2;
    if (!p) return;
    p->DisegnoPersistente(true);
    p->Pulisci();
    p->SpessoreLinea(2);

    const DatiProgetto& d = m.Progetto;
    p->Testo(Px(45), Px(12), "Orientamento delle armature:");
    Simbolo(*p, Px(75), Px(80), d.CosDir1, d.SinDir1, ColorePalette(12));
    p->Testo(Px(45), Px(30), "Direzione 1");
    Simbolo(*p, Px(175), Px(80), d.CosDir2, d.SinDir2, ColorePalette(2));
    p->Testo(Px(150), Px(30), "Direzione 2");

    const MagliaDiffusa& g = m.Diffusa;
    const bool superiore = Vista.CodiceVista == 0;
    const char* titolo = superiore              ? "Armatura diffusa lato sup:"
                         : d.MagliaUnica == 0   ? "Armatura diffusa lato inf:"
                                                : "Armatura diffusa:";
    p->Testo(Px(45), Px(120), titolo);
    p->Testo(Px(50), Px(140), superiore ? Barre(g.DiamDiffSup1, g.PassoDiffSup1) : Barre(g.DiamDiffInf1, g.PassoDiffInf1));
    p->Testo(Px(150), Px(140), superiore ? Barre(g.DiamDiffSup2, g.PassoDiffSup2) : Barre(g.DiamDiffInf2, g.PassoDiffInf2));
    p->Testo(Px(50), Px(160), FormatNum(superiore ? g.AreaDiffSup1 : g.AreaDiffInf1, 1) + " cmq/m");
    p->Testo(Px(150), Px(160), FormatNum(superiore ? g.AreaDiffSup2 : g.AreaDiffInf2, 1) + " cmq/m");

    p->SpessoreLinea(1);
    p->DisegnoPersistente(false);
}

}  // namespace vilmor
