// Directions of segments, half-centimetre rounding and the reading of typed numbers.
#pragma once

#include <string>

namespace vilmor {

double AngoloRadianti(float X1, float Y1, float X2, float Y2);      // [0, 2π)
float InclinazioneSegmento(float X1, float Y1, float X2, float Y2); // [0, 2π)
float DirezioneGradi(float X1, float Y1, float X2, float Y2);
// Takes the angle in 8 bytes: the quotient is rounded to 4 bytes only after the division.
float RiduciAngolo180(double A);

float ArrotondaSuMezzo(float x);
float ArrotondaGiuMezzo(float x);
float ArrotondaMezzo(float x);

std::string VirgolaPunto(const std::string& s);
// A typed or read number that may use a decimal comma; 0 when the text starts with no number.
float ValNumero(const std::string& s);
// Label text of a bar length: one decimal, or none when the fraction is below 0.001.
std::string FormatoNumero(float x);

// Rounds to n decimals, halves to the even last digit.
double ArrotondaPari(double v, int n);

// A cosine or sine within 1e-5 of 0 or 1 taken as exactly that, so that bars along the axes stay
// exactly along them.
double ScattaCosSeno(double v);

}  // namespace vilmor
