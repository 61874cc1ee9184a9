// Steel grades and concrete classes: the tables and the current records `Mat.AcciaioCorrente`,
// `Mat.ClsCorrente` (strengths and moduli in kg/cm2, densities in kg/m3).
#pragma once

namespace vilmor {

inline constexpr int NumAcciai = 5;
inline constexpr int NumCls = 11;

// Fills the current steel from grade `Indice` (0 .. 4) and the values common to every grade;
// another index changes only the common values.
void SettaAcciaio(int Indice);
// Fills the current concrete from class `Indice` (0 .. 10) and derives the strengths and
// moduli; another index keeps the class values and derives again.
void SettaCls(int Indice);
// Name lists in table order; they leave the last grade or class current.
void ElencoAcciai();
void ElencoCls();

}  // namespace vilmor
