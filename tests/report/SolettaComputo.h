// A slab for the report tests with the bar layout's results set by hand: slab 7, 25 cm thick
// with a 3 cm cover, an outline of 1000 x 600 with an opening of 200 x 100, both meshes, chairs
// of 12 mm at 50/50, two upper zones, one lower zone and a curb.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Testo1252.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/Poligoni.h"
#include "model/definizioni.h"

namespace vilmor::prova {

inline std::vector<Punto> Rettangolo(float x0, float y0, float larghezza, float altezza) {
    return {{x0, y0 + altezza}, {x0 + larghezza, y0 + altezza}, {x0 + larghezza, y0}, {x0, y0}};
}

// Appends a zone with its outline as stored (nothing derived). Returns its index.
inline int AggiungiZonaComputo(Modello& m, Zona zona, const std::vector<Punto>& contorno) {
    const int z = ++m.Zone.UltimaZona;
    zona.UltVertice = static_cast<int>(contorno.size()) - 1;
    m.Zone.Zone.resize(static_cast<size_t>(z) + 1);
    m.Zone.Zone[static_cast<size_t>(z)] = zona;
    m.Zone.VerticiZone[static_cast<size_t>(z)] = contorno;
    return z;
}

inline Zona ZonaFerri(int tipo, int direzione, int diametro, float passo, float lungTotale) {
    Zona z;
    z.Tipo = tipo;
    z.Direzione = direzione;
    z.Diametro = diametro;
    z.Passo = passo;
    z.LungTotale = lungTotale;
    return z;
}

inline Zona ZonaCordolo(int bracci, int diamCorrenti, int diamStaffe, float passo, float larghezza) {
    Zona z;
    z.Tipo = 2;
    z.NumBracci = bracci;
    z.Diametro2 = diamCorrenti;
    z.Diametro = diamStaffe;
    z.Passo = passo;
    z.Passo2 = larghezza;
    return z;
}

// A curb strip of the given length along x, corners 0 and 3 on the side.
inline std::vector<Punto> StrisciaCordolo(float lunghezza, float larghezza = 30) {
    return {{0, 0}, {0, larghezza}, {lunghezza, larghezza}, {lunghezza, 0}};
}

inline float PesoProva(int d, float L) { return static_cast<float>(static_cast<double>(AreaBarra(d)) * 0.00785 * L); }

inline Modello SolettaSette() {
    Modello m;
    m.Progetto.NumeroSoletta = 7;
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 3;
    m.Progetto.AngoloDir2 = static_cast<float>(3.14159265358979 / 2);
    m.Progetto.AngoloDir2Gradi = 90;
    CalcolaDirezioni(m);
    GeometriaSoletta& g = m.Soletta;
    g.Contorno = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}, {0, 0}};
    g.NumVertContorno = 4;
    const auto foro = Rettangolo(400, 250, 200, 100);
    for (int k = 0; k < 4; ++k) AggiungiVerticePoli(g, 0, k, foro[k].X, foro[k].Y);
    g.NumVertForo[0] = 4;
    g.NumFori = 1;

    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = 12, d.DiamDiffSup2 = 12, d.DiamDiffInf1 = 14, d.DiamDiffInf2 = 12;
    d.PassoDiffSup1 = d.PassoDiffSup2 = d.PassoDiffInf1 = d.PassoDiffInf2 = 20;
    d.LungDiffSup1 = 31500, d.LungDiffSup2 = 30300, d.LungDiffInf1 = 31500, d.LungDiffInf2 = 30300;
    d.PesoDiffSup1 = PesoProva(12, 31500), d.PesoDiffSup2 = PesoProva(12, 30300);
    d.PesoDiffInf1 = PesoProva(14, 31500), d.PesoDiffInf2 = PesoProva(12, 30300);
    d.DiamCavalletti = 12;
    d.PassoCavalletti1 = d.PassoCavalletti2 = 50;

    AggiungiZonaComputo(m, ZonaFerri(1, 1, 14, 22.5f, 3600), Rettangolo(100, 100, 200, 100));
    AggiungiZonaComputo(m, ZonaFerri(0, 0, 16, 20, 4800), Rettangolo(600, 400, 200, 100));
    AggiungiZonaComputo(m, ZonaCordolo(2, 14, 8, 20, 30), StrisciaCordolo(500));
    AggiungiZonaComputo(m, ZonaFerri(0, 1, 12, 25, 2000), Rettangolo(700, 100, 100, 100));
    return m;
}

// Each piece found in the text after the one before it.
inline void ContieneInOrdine(const std::string& testo, const std::vector<std::string>& pezzi) {
    size_t da = 0;
    for (const std::string& p : pezzi) {
        const size_t i = testo.find(p, da);
        ASSERT_NE(i, std::string::npos) << "manca, o fuori ordine: " << p << "\nnel testo:\n" << testo;
        da = i + p.size();
    }
}

inline int Occorrenze(const std::string& testo, const std::string& pezzo) {
    int n = 0;
    for (size_t i = testo.find(pezzo); i != std::string::npos; i = testo.find(pezzo, i + 1)) ++n;
    return n;
}

// "Ø" as the report writes it.
inline std::string D(int d) { return std::string(SegnoDiametro) + " " + std::to_string(d); }

}  // namespace vilmor::prova
