// The large slab of the bar-layout benchmarks: 60 m x 40 m with 20 openings of 60 x 60 cm,
// directions at 90 degrees and diffuse spacings of 10 cm (diameter 12) on both faces.
#pragma once

#include "design/ContorniArmatura.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "model/Poligoni.h"
#include "model/definizioni.h"

namespace vilmor::bench {

inline Modello SolettaGrande() {
    SettaAcciaio(4);
    SettaCls(4);
    Imp = Impostazioni{};
    Modello m;
    GeometriaSoletta& g = m.Soletta;
    g.Contorno = {{0, 0}, {0, 4000}, {6000, 4000}, {6000, 0}, {0, 0}};
    g.NumVertContorno = 4;
    int f = 0;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j, ++f) {
            float x = 600 + 1000.0f * i, y = 400 + 900.0f * j;
            const float v[4][2] = {{x, y}, {x + 60, y}, {x + 60, y + 60}, {x, y + 60}};
            for (int k = 0; k < 4; ++k) AggiungiVerticePoli(g, f, k, v[k][0], v[k][1]);
            g.NumVertForo[f] = 4;
        }
    g.NumFori = f;
    m.Progetto.Spessore = 26;
    m.Progetto.Copriferro = 3;
    m.Progetto.AngoloDir2 = static_cast<float>(3.14159265358979 / 2);
    m.Progetto.AngoloDir2Gradi = 90;
    CalcolaDirezioni(m);
    CalcolaContornoArmatura(m);
    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = 12;
    d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 10;
    return m;
}

// n analysis nodes on a grid of 400 columns, dx by dy cm apart, each needing `richiesta` in the
// four face layers.
inline void NodiInGriglia(Modello& m, int n, float dx, float dy, float richiesta) {
    for (int i = 0; i < n; ++i) {
        Nodo q;
        q.Numero = i + 1;
        q.X = static_cast<float>(i % 400) * dx;
        q.Y = static_cast<float>(i / 400) * dy;
        q.RichSup1 = q.RichInf1 = q.RichSup2 = q.RichInf2 = richiesta;
        m.Analisi.Nodi.push_back(q);
    }
    m.Analisi.NumNodi = static_cast<int>(m.Analisi.Nodi.size());
}

}  // namespace vilmor::bench
