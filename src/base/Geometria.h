// Plane geometry of the design kernel: distances, projections, parallels, orientation,
// point-on-segment tests, bar sizes and the intersection of two segments.
//
// Plan frame in centimetres, x right, y up. Inputs are taken by value, so an output may
// name the same variable as an input. Every function is pure and allocates nothing.
#pragma once

namespace vilmor {

float Distanza(float X1, float Y1, float X2, float Y2);
// The point at distance D from the first end towards the second (the first end for a
// zero-length segment).
void PuntoADistanza(float X1, float Y1, float X2, float Y2, float& Xr, float& Yr, float D);
// Foot of the perpendicular from (Px, Py) on the line of the segment; the first end when the
// segment is shorter than 0.0001 cm.
void ProiettaPunto(float X1, float Y1, float X2, float Y2, float Px, float Py, float& Xr, float& Yr);
// The segment moved by D to the left of its direction of travel (negative D: to the right).
void ParallelaSegmento(float X1, float Y1, float X2, float Y2, float& X1p, float& Y1p, float& X2p,
                       float& Y2p, float D);
// +1 counter-clockwise turn P0 -> P1 -> P2, -1 clockwise; collinear points: -1 when P1 and P2
// lie on opposite sides of P0, +1 when P2 lies beyond P1, 0 when P2 lies between P0 and P1.
int Orientamento(float X0, float Y0, float X1, float Y1, float X2, float Y2);
bool SegmentiIntersecano(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4);
// C on the line through A and B (line first, tested point last).
bool PuntoSuRetta(float XA, float YA, float XB, float YB, float XC, float YC);
// P within 0.1 cm of segment A-B, ends included (tested point first).
bool PuntoInternoSegmento(float XP, float YP, float XA, float YA, float XB, float YB);
// As above, but P within 0.01 cm of an end (in both coordinates) does not count.
bool PuntoSuSegmentoTol(float XP, float YP, float XA, float YA, float XB, float YB);

// Cross-section (cm²) of a round bar of diameter d mm.
float AreaBarra(int diametro);
// The even bar diameter (mm, at least 8 and at least DiamPioli) whose area covers A cm².
int DiametroDaArea(float A, int DiamPioli);

// Codes of Intersezione and IntersezioneSegmenti.
inline constexpr int IntParallele = 0;         // parallel, distinct lines
inline constexpr int IntSovrapposte = -1;      // one line, ranges overlap
inline constexpr int IntAllineateDisgiunte = -2;  // one line, ranges apart: Xi, Yi = P1
inline constexpr int IntEsterna = 1;           // the lines meet outside a segment
inline constexpr int IntIncrocio = 2;          // the segments cross, or share an end
inline constexpr int IntInP1 = 3, IntInP2 = 4, IntInP3 = 5, IntInP4 = 6;  // the point of the lines at that end
inline constexpr int IntQuasiParallele = 7;    // as 1, directions within half a degree
inline constexpr int IntEstremoSuSegmento = 8; // IntersezioneSegmenti: P3 or P4 on segment 1

// Meets segment P1-P2 with segment P3-P4. Xj, Yj are set to -1, -1 and replaced only by
// code 7 when the nearest ends are 2 cm or more apart; codes 0 and -1 leave Xi, Yi unchanged.
void Intersezione(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4, float& Xi,
                  float& Yi, int& codice, float& Xj, float& Yj);
// As Intersezione, but an end of segment 2 lying on segment 1 is recognised first (code 8), and
// both ends of segment 2 on the line of segment 1 give -1.
void IntersezioneSegmenti(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                          float& Xi, float& Yi, int& codice, float& Xj, float& Yj);

// Where the two lines through P1, P2 and through P3, P4, taken as infinite, meet. False, with
// Xi, Yi untouched, when they have no single meeting point: parallel, one line, or directions
// within half a degree (whose meeting point is too far to stand for anything).
bool IncontroRette(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4, float& Xi,
                   float& Yi);
// The line across the bars: the line through P along (Vx, Vy) met with the bar line through A
// along (Ux, Uy), as IncontroRette.
bool TraversoBarre(float Px, float Py, float Vx, float Vy, float Ax, float Ay, float Ux, float Uy, float& Xi,
                   float& Yi);

// The box of the points taken in so far; empty until the first. A point that is not finite is
// left out.
struct Ingombro {
    float XMin = 0, YMin = 0, XMax = 0, YMax = 0;
    bool Vuoto = true;
    void Aggiungi(float x, float y);
    // Takes in the square of half-side `r` around a point.
    void AggiungiIntorno(float x, float y, float r);
};

}  // namespace vilmor
