// Small slabs for the bar-layout tests: outline, openings, working outlines, bar frames, diffuse
// mesh and face zones, with the default materials and settings.
#pragma once

#include <cmath>
#include <vector>

#include "design/ContorniArmatura.h"
#include "design/GeometriaZona.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "model/Poligoni.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"

namespace vilmor::prova {

using Anello = std::vector<Punto>;

inline const Anello Rettangolo400x300 = {{0, 0}, {0, 300}, {400, 300}, {400, 0}};
inline const Anello SolettaL = {{0, 0}, {0, 500}, {500, 500}, {500, 250}, {1000, 250}, {1000, 0}};

// B450C, C25/30 and the default settings for the test's life; every process-wide group comes
// back afterwards.
struct AmbienteBarre {
    GlobaliProva globali;
    AmbienteBarre() {
        Imp = Impostazioni{};
        SettaAcciaio(4);
        SettaCls(4);
        Edit.DescrizioneCompleta = 0;
    }
};

// A slab with the given outline and openings (thickness 26, cover 3), bars at 0 and 90 degrees,
// its working outlines, and a diffuse mesh of diameter `diam` at spacing `passo` everywhere.
inline Modello SolettaProva(const Anello& contorno, const std::vector<Anello>& fori = {}, int diam = 10,
                            float passo = 20, float angolo1 = 0) {
    Modello m;
    GeometriaSoletta& g = m.Soletta;
    g.Contorno = contorno;
    g.Contorno.push_back(contorno.front());
    g.NumVertContorno = static_cast<int>(contorno.size());
    g.NumFori = static_cast<int>(fori.size());
    for (int f = 0; f < g.NumFori; ++f) {
        for (int k = 0; k < static_cast<int>(fori[f].size()); ++k) AggiungiVerticePoli(g, f, k, fori[f][k].X, fori[f][k].Y);
        g.NumVertForo[f] = static_cast<int>(fori[f].size());
    }
    m.Progetto.Spessore = 26;
    m.Progetto.Copriferro = 3;
    m.Progetto.AngoloDir1Gradi = angolo1;
    m.Progetto.AngoloDir1 = static_cast<float>(angolo1 * 3.14159265358979 / 180);
    m.Progetto.AngoloDir2Gradi = 90;
    m.Progetto.AngoloDir2 = static_cast<float>(3.14159265358979 / 2);
    CalcolaDirezioni(m);
    CalcolaContornoArmatura(m);
    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = d.DiamDiffSup2 = d.DiamDiffInf1 = d.DiamDiffInf2 = diam;
    d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = passo;
    return m;
}

// Appends a face zone with the given outline (clockwise), derived as the zone store derives it
// (boxes in the bar frames, representative bar), unsorted. Returns its index.
inline int AggiungiZona(Modello& m, const Anello& contorno, int tipo, int direzione, int diametro, float passo) {
    EditZone e;
    e.ZonaCorrente.Tipo = tipo;
    e.ZonaCorrente.Direzione = direzione;
    e.ZonaCorrente.Diametro = diametro;
    e.ZonaCorrente.Passo = passo;
    e.ContornoZonaCorr = contorno;
    e.UltVertZonaCorr = static_cast<int>(contorno.size()) - 1;
    e.MantieniRiferimento = 1;
    GeometriaZonaRett(m.Progetto, e);
    int z = ++m.Zone.UltimaZona;
    m.Zone.Zone.resize(static_cast<size_t>(z) + 1);
    m.Zone.Zone[static_cast<size_t>(z)] = e.ZonaCorrente;
    m.Zone.VerticiZone[static_cast<size_t>(z)] = contorno;
    return z;
}

}  // namespace vilmor::prova
