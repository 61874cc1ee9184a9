// Number text, angle conversions and point rotations shared by files, panels and drawings.
// No routine depends on the locale: the decimal separator is always a point.
#pragma once

#include <string>

namespace vilmor {

// n decimals (none for n <= 0); the float's exact value rounds half away from zero.
std::string FormatNum(float valore, int n);
// As FormatNum, but without decimals when the fraction above the floor is below 1 / (10 n).
std::string FormatNumVar(float valore, int n);
// Right-aligned in 6 characters.
std::string FormatIntDxf(int valore);
// Rounded to n decimals, halves to even; plain form: "-.25", no trailing zeros, 7 digits.
std::string ArrotondaTesto(float valore, int n);
// A number as the panels and the report list it: a blank where a plus sign would stand, then
// the plain form above without rounding (7 significant digits): " 12", " .5", "-2.25".
std::string Str(float valore);
std::string Str(int valore);

float GradiRadianti(float angolo);
float RadiantiGradi(float angolo);
float AngoloSegmento(float X1, float Y1, float X2, float Y2);
float AngoloGradi(float X1, float Y1, float X2, float Y2);
void AngoloSenCos(float X1, float Y1, float X2, float Y2, float& gradi, float& seno, float& coseno);
float Angolo180(float a);
float Angolo90(float a);
// The point in axes turned by a (turns it by -a); RuotaPuntoInv undoes it.
void RuotaPunto(float X, float Y, float& Xr, float& Yr, float a);
void RuotaPuntoInv(float X, float Y, float& Xr, float& Yr, float a);

}  // namespace vilmor
