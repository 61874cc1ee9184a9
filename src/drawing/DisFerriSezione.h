// The bar details below a section: a run of bars along the section drawn as the bar layout
// divides it (hooks, laps, each segment with its rounded length, each bar with its label), and
// the stirrup of a curb with its lengths. Frame of the section drawing: x along the section
// already placed on the sheet, y the sheet height, centimetres; diameters in millimetres.
// Output 0 the plan picture, 1 DXF, -1 measure only.
#pragma once

#include "model/definizioni.h"

namespace vilmor {

// The run from X1 to X2 at height Y (DividiFerriSez): segments on layer 10 with their lengths on
// layer 19; each bar's label "1Ød/p L=n" (layer 19, centred, bottom) at its middle, " (Pos)"
// added when Pos > 0. A run that cannot be divided, or spans less than 0.9 cm, draws nothing.
// With output -1 nothing is drawn and the result is the developed length of all its bars (cm),
// what the totals count; any other output returns 0.
int DisFerriSez(const Modello& m, int Pos, int Tipo, float Y, float X1, float X2, int Diametro, float Passo,
                int GancioIniz, int GancioFine, int uscita);
int DisFerriSez(int Pos, int Tipo, float Y, float X1, float X2, int Diametro, float Passo, int GancioIniz,
                int GancioFine, int uscita);

// The stirrup of a curb whose piece along the section runs from XA to XB, its top at Y, centred
// on the piece and Larghezza wide (two legs), or two links two thirds as wide and 16 cm apart in
// height (any other NumBracci). Lines on layer 10, segment lengths on layer 1, labels on layer 19
// at the right of the last link: "St.Ød/p" and "L= n  (Pos)" with n the developed length.
void DisStaffeSez(const Modello& m, int Pos, float Y, float XA, float XB, int Diametro, float Passo,
                  float Larghezza, int NumBracci, int uscita);
void DisStaffeSez(int Pos, float Y, float XA, float XB, int Diametro, float Passo, float Larghezza, int NumBracci,
                  int uscita);

}  // namespace vilmor
