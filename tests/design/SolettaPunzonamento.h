// Small slabs with punching records for the punching map and view: 1000 x 600 cm at the
// origin, thickness 25, cover 5, shown whole on a 1000 x 600 pixel picture.
#pragma once

#include <algorithm>
#include <vector>

#include "design/ContorniArmatura.h"
#include "design/ContorniPunzonamento.h"
#include "design/PerimetriPunzonamento.h"
#include "model/definizioni.h"

namespace vilmor::prova {

inline Modello SolettaPunz() {
    Modello m;
    m.Progetto.Spessore = 25;
    m.Progetto.Copriferro = 5;
    m.Soletta.Contorno = {{0, 0}, {0, 600}, {1000, 600}, {1000, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    CalcolaPerimetroEsterno(m);
    return m;
}

inline void FinestraIntera() {
    Vista.FinestraVista = {0, 600, 0, 1000};
    Vista.Scala = 1;
    Vista.AltezzaVideo = 600;
}

// A round column (one vertex: its radius) or a polygon column; returns its index.
inline int AggiungiPilastro(Modello& m, int numero, float x, float y, std::vector<float> vx,
                            std::vector<float> vy = {}) {
    Pilastro c;
    c.Numero = numero;
    c.X = x, c.Y = y;
    c.NumVertici = static_cast<int>(vx.size());
    if (c.NumVertici == 1) {
        c.XMin = x - vx[0], c.XMax = x + vx[0], c.YMin = y - vx[0], c.YMax = y + vx[0];
    } else if (!vx.empty()) {
        c.XMin = c.XMax = vx[0], c.YMin = c.YMax = vy[0];
        for (size_t i = 0; i < vx.size(); ++i) {
            c.XMin = std::min(c.XMin, vx[i]), c.XMax = std::max(c.XMax, vx[i]);
            c.YMin = std::min(c.YMin, vy[i]), c.YMax = std::max(c.YMax, vy[i]);
        }
    }
    c.VX = std::move(vx);
    c.VY = std::move(vy);
    m.Soletta.Pilastri.push_back(c);
    return m.Soletta.NumPilastri++;
}

// A radial record at its own node; the column is -1 for none.
inline Punzonamento& AggiungiRecord(Modello& m, float x, float y, int stato, float area, int pilastro = -1) {
    Nodo n;
    n.X = x, n.Y = y;
    m.Analisi.Nodi.push_back(n);
    Punzonamento r;
    r.X = x, r.Y = y;
    r.IndiceNodo = m.Analisi.NumNodi++;
    r.IndicePilastro = pilastro;
    r.StatoPunz = stato;
    r.AreaTotPioli = area;
    r.CoeffPerimetro = 1.5f;
    r.NumListelli = 8;
    r.PioliListello = 4;
    m.Analisi.Punzonamenti.push_back(r);
    return m.Analisi.Punzonamenti[static_cast<size_t>(m.Analisi.NumPunzonamenti++)];
}

// The outlines and stretches a load gives the records.
inline void Completa(Modello& m) {
    CalcContorniPunz(m);
    VerificaPerimetriPunzonamento(m);
}

}  // namespace vilmor::prova
