#include "design/ArchivioZone.h"

#include <algorithm>
#include <utility>

#include "base/Piattaforma.h"
#include "design/GeometriaZona.h"
#include "design/PioliZona.h"
#include "model/AreaLavoro.h"

namespace vilmor {

namespace {

// Every row of the table exists, and the records are exactly 0 .. UltimaZona.
void Normalizza(ZoneArmatura& z) {
    const size_t righe = static_cast<size_t>(std::max(MaxZone, z.UltimaZona + 1));
    if (z.VerticiZone.size() < righe) z.VerticiZone.resize(righe);
    z.Zone.resize(static_cast<size_t>(std::max(z.UltimaZona + 1, 0)));
}

// The current outline as a table row: exactly vertices 0 .. UltVertZonaCorr, so the row holds
// every vertex the record names even when the outline buffer is short.
std::vector<Punto> RigaCorrente(const EditZone& e) {
    std::vector<Punto> riga(static_cast<size_t>(std::max(e.UltVertZonaCorr + 1, 0)));
    const size_t n = std::min(riga.size(), e.ContornoZonaCorr.size());
    std::copy_n(e.ContornoZonaCorr.begin(), n, riga.begin());
    return riga;
}

// The geometry of the zone being edited derived from its record.
void Deriva(Modello& m, EditZone& e) {
    if (e.ZonaCorrente.Tipo < 2) GeometriaZonaRett(m.Progetto, e);
    else GeometriaZona(e);
}

// The zone being edited, its geometry derived, with its outline written at row `indice` (which
// exists).
void Scrivi(Modello& m, EditZone& e, int indice) {
    ZoneArmatura& z = m.Zone;
    z.VerticiZone[indice] = RigaCorrente(e);
    // A stud zone is stored with its count of studs, not one left by a later layout.
    if (e.ZonaCorrente.Tipo == 3) {
        const auto& riga = z.VerticiZone[indice];
        e.ZonaCorrente.NumBracci =
            static_cast<int>(PioliInFrame(m.Progetto, e.ZonaCorrente, riga, e.UltVertZonaCorr + 1).size());
    }
    z.Zone[indice] = e.ZonaCorrente;
    e.MantieniRiferimento = 0;
}

}  // namespace

void AvvisoLimiteZone() { Avviso(MsgLimiteZone); }

bool SpazioZone(const ZoneArmatura& z, int nuove) { return z.UltimaZona + 1 + nuove <= MaxZone; }

bool MemorizzaZona(Modello& m, EditZone& e, bool avvisa) {
    ZoneArmatura& z = m.Zone;
    if (e.ZonaSelezionata < 0) return false;
    const bool nuova = e.ZonaSelezionata > z.UltimaZona;
    if (!SpazioZone(z, (nuova ? 1 : 0) + (e.EntrambiLati != 0 ? 1 : 0))) {
        AvvisoLimiteZone();
        return false;
    }

    const Zona prima = e.ZonaCorrente;
    Deriva(m, e);
    // What the reinforcement file would refuse at the next load is not stored.
    if (!ZonaNellArea(m.Soletta, e.ZonaCorrente, RigaCorrente(e))) {
        e.ZonaCorrente = prima;
        if (avvisa) Avviso(MsgZonaFuoriArea);
        return false;
    }

    Normalizza(z);
    // A new zone goes right after the last one: no empty records in between.
    const int indice = nuova ? z.UltimaZona + 1 : e.ZonaSelezionata;
    if (nuova) {
        z.UltimaZona = indice;
        z.Zone.resize(static_cast<size_t>(indice) + 1);
    }
    Scrivi(m, e, indice);
    OrdinaZone(z);
    return true;
}

bool RiponiZona(Modello& m, EditZone& e, int z) {
    if (z < 0 || z > m.Zone.UltimaZona) return false;
    Normalizza(m.Zone);
    Deriva(m, e);
    Scrivi(m, e, z);
    return true;
}

bool MemorizzaZona() { return MemorizzaZona(M, Edit); }

bool DuplicaZonaFaccia(ZoneArmatura& z, EditZone& e) {
    if (e.EntrambiLati == 0) return true;
    if (!SpazioZone(z, 1)) {
        AvvisoLimiteZone();
        return false;
    }
    Normalizza(z);
    z.UltimaZona += 1;
    Zona copia = e.ZonaCorrente;
    copia.Tipo = e.LatoMulti;
    z.Zone.push_back(copia);
    z.VerticiZone[z.UltimaZona] = RigaCorrente(e);
    e.EntrambiLati = 0;
    return true;
}

bool DuplicaZonaFaccia() { return DuplicaZonaFaccia(M.Zone, Edit); }

bool CancellaZona(ZoneArmatura& z, int n) {
    if (n < 0 || n > z.UltimaZona) return false;
    Normalizza(z);
    z.Zone.erase(z.Zone.begin() + n);
    for (int i = n; i < z.UltimaZona; ++i) z.VerticiZone[i] = std::move(z.VerticiZone[i + 1]);
    z.VerticiZone[z.UltimaZona].clear();
    z.UltimaZona -= 1;
    return true;
}

bool CancellaZona(int n) { return CancellaZona(M.Zone, n); }

int CercaCordolo(const ZoneArmatura& z, const Zona& corrente) {
    const int ultima = std::min(z.UltimaZona, static_cast<int>(z.Zone.size()) - 1);
    for (int i = 0; i <= ultima; ++i) {
        const Zona& c = z.Zone[i];
        if (c.Tipo == 2 && c.LatoCordolo == corrente.LatoCordolo && c.PoligonoCordolo == corrente.PoligonoCordolo)
            return i;
    }
    return -1;
}

int CercaCordolo() { return CercaCordolo(M.Zone, Edit.ZonaCorrente); }

int ClasseZona(const Zona& zona) {
    int base = zona.Tipo == 0 ? 0 : zona.Tipo == 1 ? 2 : 4;
    return base + (zona.Direzione == 0 ? 0 : 1);
}

int ClasseZona(const ZoneArmatura& z, int n) {
    if (n < 0 || n >= static_cast<int>(z.Zone.size())) return 0;
    return ClasseZona(z.Zone[n]);
}

int ClasseZona(int n) { return ClasseZona(M.Zone, n); }

void OrdinaZone(ZoneArmatura& z) {
    if (z.UltimaZona < 1) return;
    Normalizza(z);
    // The loop's own order decides among equal keys: the position numbers depend on it.
    for (int i = 0; i <= z.UltimaZona; ++i) {
        for (int j = i + 1; j <= z.UltimaZona; ++j) {
            if (ClasseZona(z.Zone[j]) < ClasseZona(z.Zone[i])) ScambiaZone(z, i, j);
        }
    }
}

void OrdinaZone() { OrdinaZone(M.Zone); }

void ScambiaZone(ZoneArmatura& z, int a, int b) {
    if (a < 0 || b < 0 || a > z.UltimaZona || b > z.UltimaZona || a == b) return;
    Normalizza(z);
    std::swap(z.Zone[a], z.Zone[b]);
    std::swap(z.VerticiZone[a], z.VerticiZone[b]);
}

void ScambiaZone(int a, int b) { ScambiaZone(M.Zone, a, b); }

}  // namespace vilmor
