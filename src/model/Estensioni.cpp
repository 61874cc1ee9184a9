#include "model/Estensioni.h"

#include "base/NumeriAngoli.h"

#include <algorithm>
#include <cmath>

namespace vilmor {

void SettaLimiti(const Modello& m, StatoVista& v) {
    const GeometriaSoletta& g = m.Soletta;
    std::array<float, 4> box{};  // XMin, YMin, XMax, YMax
    if (g.Contorno.size() > 2) {
        box = {g.Contorno[0].X, g.Contorno[0].Y, g.Contorno[0].X, g.Contorno[0].Y};
        int ultimo = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()) - 1);
        for (int i = 1; i <= ultimo; ++i) {
            const Punto& p = g.Contorno[static_cast<size_t>(i)];
            if (p.X < box[0]) box[0] = p.X;
            if (p.Y < box[1]) box[1] = p.Y;
            if (p.X > box[2]) box[2] = p.X;
            if (p.Y > box[3]) box[3] = p.Y;
        }
    }
    // Room for the title block on the left and below.
    box[0] -= 480;
    box[1] -= 90;
    box[2] += 80;
    box[3] += 70;
    v.LimitiPianta = box;
    v.LarghezzaPianta = box[2] - box[0];
    v.AltezzaPianta = box[3] - box[1];

    // Two plans side by side, then a strip for the sections.
    double striscia = (m.SezQuote.UltimaSezione > -1 && v.LarghezzaPianta <= v.AltezzaPianta)
                          ? 2.2 * v.AltezzaPianta
                          : 1.5 * v.LarghezzaPianta;
    v.LarghezzaTavola = static_cast<float>(2.0 * v.LarghezzaPianta + 200 + striscia + 50);

    v.EstensionePianta = box;
    v.EstensioneCorrente = box;
    // The sheet: its columns run right from the first plan; two meshes add a second row below.
    float yMin = box[1];
    if (m.Progetto.MagliaUnica == 0) yMin -= v.AltezzaPianta + 150;
    v.EstensioneTavola = {box[0], yMin, box[0] + v.LarghezzaTavola, box[3]};
}

void CalcolaDirezioni(Modello& m) {
    DatiProgetto& p = m.Progetto;
    const double dueP = 6.28318530717959;
    const double a = p.AngoloDir1, b = p.AngoloDir2;
    p.CosDir1 = ScattaCosSeno(std::cos(a));
    p.SinDir1 = ScattaCosSeno(std::sin(a));
    p.CosDir2 = ScattaCosSeno(std::cos(a + b));
    p.SinDir2 = ScattaCosSeno(std::sin(a + b));
    p.CosInvDir1 = ScattaCosSeno(std::cos(dueP - a));
    p.SinInvDir1 = ScattaCosSeno(std::sin(dueP - a));
    p.CosInvDir2 = ScattaCosSeno(std::cos(dueP - a - b));
    p.SinInvDir2 = ScattaCosSeno(std::sin(dueP - a - b));
}

}  // namespace vilmor
