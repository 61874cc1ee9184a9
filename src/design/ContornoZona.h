// The outline of the zone being edited: its selection quadrilateral, grown by the anchorage
// length across the bars for a face zone, clipped to the working slab outline with the working
// outlines of the openings cut out.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Why ContornoZona gave (or did not give) an outline.
enum class EsitoContorno {
    Ottenuto,        // the outline is in ContornoZonaCorr
    NienteInComune,  // the zone and the slab share no area (a zone wholly inside an opening too)
    PiuParti,        // the shared area falls into separate pieces
    Degenere,        // the quadrilateral has no shape: coincident corners, parallel sides, no area
};

// Shown by the callers (Avviso: exclamation icon, OK, "Attenzione!") when the result is PiuParti.
inline constexpr char MsgZonaDivisa[] =
    "La zona selezionata risulta divisa in più parti separate dal contorno della soletta.\n"
    "Operazione annullata.";
void AvvisoZonaDivisa();

// Grows the quadrilateral V (four vertices, clockwise) by L where the bars cross its sides: the
// bars run along direction 1 of pr for Direzione 0, along direction 2 otherwise. A side more than
// 1 degree from the bars moves outwards by L; each corner becomes the meeting point of its two
// sides. Only X and Y change. False when two consecutive sides have no meeting point (that corner
// is then left at the end of the side before it).
bool EstendiSelAncoraggio(const DatiProgetto& pr, int Direzione, std::vector<Vertice>& V, float L);
// The same for the zone being edited, with the bar directions of the project in memory.
bool EstendiSelAncoraggio(std::vector<Vertice>& V, float L);

// Outline of e.ZonaCorrente on the working outlines of m. Result -1: ContornoZonaCorr holds the
// outline in 0 .. n (clockwise, first vertex not repeated, openings inside joined by slits) and
// (0, 0) in n + 1, UltVertZonaCorr = n. Result 0: nothing is written; esito tells why. The box
// of a face zone is renewed from its corners either way; the corners themselves never change.
int ContornoZona(const Modello& m, EditZone& e, EsitoContorno* esito = nullptr);
// The same on the project in memory and the zone being edited.
int ContornoZona(EsitoContorno* esito = nullptr);

// The area (cm2) of the polygon `regione` that lies outside the polygon `contorno` (both rings
// of plan points, either way round, a last point repeating the first or not); 0 for a ring
// of fewer than three points.
double AreaFuoriContorno(const std::vector<Punto>& regione, const std::vector<Punto>& contorno);

}  // namespace vilmor
