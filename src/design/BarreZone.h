// The bars of the face zones (kind 0 upper face, kind 1 lower face) and the bar-layout pass
// `CalcolaArmature`, which renews every total of the diffuse mesh and of the zones after each
// change of the model.
//
// A bar longer than `LungMaxFerri` is made of n + 1 pieces lapped by the anchorage length A,
// n the least number with L + n A <= (n + 1) `LungMaxFerri`, so that no piece is longer than
// the longest bar that can be delivered.
#pragma once

#include <string>
#include <vector>

#include "design/BarreDiffuse.h"
#include "model/definizioni.h"

namespace vilmor {

// Laps of a bar of length L with pieces of at most lungMax and laps of A: 0 when L <= lungMax;
// -1 when it cannot be divided (lungMax <= A, or not a number, or beyond any sensible count).
int NumeroSovrapposizioni(float L, float lungMax, int A);
// Length text of a bar: its length, or the full pieces and the last one rounded up to 5 cm, as
// "600+600+90". A bar that cannot be divided is written whole.
std::string TestoLunghezzaBarra(float L, float lungMax, int A);

// What the layout of one zone gave.
struct EsitoZona {
    int NumBarre = 0;
    float LungTotale = 0;  // pieces and laps, cm; 0 when Saltata
    float LungMin = 1.0e8f, LungMax = 0;
    std::string Etichetta1, Etichetta2;  // the two labels of the zone's representative bar
    bool Saltata = false;
    std::string Motivo;
};

// Lays out zone z of m (any kind, in its bar direction). Output 0 or above draws its bars (layer 0
// for direction 1, 1 for direction 2) and a tick on layer 9 where each line with bars meets the
// representative bar, shifted by the offsets; -1 draws nothing. Writes nothing in m.
EsitoZona FerriZona(const Modello& m, int z, float offsetX, float offsetY, int uscita, int descrizioneCompleta);

// Every zone of kind `lato` (0 or 1; any other value selects none), in index order. Output -1
// stores each zone's `LungTotale` and appends the zones that cannot be laid out to *saltati;
// a drawing pass draws and hands each zone's labels to `DisFerroInt`.
void CalcolaFerriZone(Modello& m, float offsetX, float offsetY, int lato, int uscita,
                      std::vector<ElementoSaltato>* saltati = nullptr);
void CalcolaFerriZone(float offsetX, float offsetY, int lato, int uscita);

// With an outline (`NumVertContorno` > 0): the totals of both faces of the diffuse mesh, then of
// the upper-face and lower-face zones; without one no total changes. Every stud zone's count of
// studs (`NumBracci`) is renewed too. The items left out (they
// count 0 in the totals), in the order met (diffuse layers of the upper face, of the lower
// face, then the zones), go to m's `ElementiSaltati`, which is returned. Shows nothing.
const std::vector<ElementoSaltato>& CalcolaArmature(Modello& m);
// The same on the project in memory.
void CalcolaArmature();

// The annotation of zone `zona` of m: its representative bar (lengthened to the foot of the
// leader when the reference point lies beyond an end), the leader, the numbered circle and,
// when the first label is not empty, the labels beside the circle. Layers 9 and 18.
void DisFerroInt(const Modello& m, float offsetX, float offsetY, int zona, const std::string& etichetta1,
                 const std::string& etichetta2, int uscita);

}  // namespace vilmor
