// The zone table: storing the zone being edited, its copy on the other face, deletion, the
// search for a side's curb, and the sort by face and direction that fixes the position numbers
// ("Pos." n = index + 1) of the drawings, the dialogs and the report.
//
// Row z of `VerticiZone` is the outline of zone z (vertices 0 .. `UltVertice`); a record and
// its outline always move together. The table holds at most `MaxZone` zones: a store or a copy
// that would pass that is refused with `MsgLimiteZone` before anything changes.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The refusal of a zone beyond the table's limit (stored, copied, imported or read).
inline constexpr char MsgLimiteZone[] =
    "Raggiunto il numero massimo di 601 posizioni di armatura.\nOperazione annullata.";
// Shows MsgLimiteZone (exclamation, OK, "Attenzione!").
void AvvisoLimiteZone();
// The refusal of a zone that reaches beyond where work may stand on the slab.
inline constexpr char MsgZonaFuoriArea[] =
    "La posizione si estende troppo oltre la soletta.\nOperazione annullata.";
// True when the table can take `nuove` more zones.
bool SpazioZone(const ZoneArmatura& z, int nuove);

// Derives the geometry of `ZonaCorrente` (face zones in the bar frames of m.Progetto), stores
// it with its outline at `ZonaSelezionata` (beyond `UltimaZona`: appended as the new last zone),
// re-sorts the table and resets `MantieniRiferimento`. `ZonaCorrente` and `ContornoZonaCorr`
// then hold the zone just stored. False, with the limit message and nothing changed, when the
// table cannot take the new zone plus the copy that `EntrambiLati` asks for; false with nothing
// changed for a negative `ZonaSelezionata`; false, with MsgZonaFuoriArea (when `avvisa`) and
// nothing changed, for a zone a reinforcement file could not hold on this slab (a point beyond
// AreaLavoro, a curb wider than LarghezzaMassimaCordolo). A caller that gets false must not go
// on to DuplicaZonaFaccia.
bool MemorizzaZona(Modello& m, EditZone& e, bool avvisa = true);
bool MemorizzaZona();

// Derives the geometry of `ZonaCorrente` as MemorizzaZona does and stores it with its outline over
// zone z, in place: the table keeps its order. False, with nothing changed, for z outside
// 0 .. UltimaZona.
bool RiponiZona(Modello& m, EditZone& e, int z);

// With `EntrambiLati` set: appends a copy of `ZonaCorrente` with its outline on face
// `LatoMulti`, unsorted (it stays last until the next store), and clears `EntrambiLati`.
// Nothing to do without the flag (true). False, with the limit message and nothing changed,
// when the table is full.
bool DuplicaZonaFaccia(ZoneArmatura& z, EditZone& e);
bool DuplicaZonaFaccia();

// Removes zone n; the zones after it move down one place, in their order. False, with nothing
// changed, for n outside 0 .. UltimaZona.
bool CancellaZona(ZoneArmatura& z, int n);
bool CancellaZona(int n);

// The lowest index of a curb on the same side of the same outline as `corrente`, or -1.
int CercaCordolo(const ZoneArmatura& z, const Zona& corrente);
int CercaCordolo();

// Sort key: 0/1 upper face direction 1/2, 2/3 lower face, 4/5 curbs and studs.
int ClasseZona(const Zona& zona);
int ClasseZona(const ZoneArmatura& z, int n);
int ClasseZona(int n);
// Exchange sort by key. Equal keys are never exchanged with each other, but an exchange may
// carry a zone past others of its key: keys 1, 1, 0 (A, B, C) end as C, B, A.
void OrdinaZone(ZoneArmatura& z);
void OrdinaZone();
// Exchanges zones a and b with their outlines (nothing for an index outside the table).
void ScambiaZone(ZoneArmatura& z, int a, int b);
void ScambiaZone(int a, int b);

}  // namespace vilmor
