// The spacing proposed for a zone from the steel it must provide: bars from a requirement per
// metre of width, shear studs on a square grid from a requirement per square metre.
#pragma once

namespace vilmor {

// Bar spacing (cm) for bars of diameter d mm providing `richiesta` cm²/m: the largest convenient
// spacing that still provides it, rounded down to 0.5 cm below 10 cm, to 1 cm up to 15 cm and
// to 5 cm up to 100 cm. `PassMax` when there is no demand or no bar (d <= 0); never below
// 0.5 cm.
float PassoFerri(int d, float richiesta, float PassMax);
// The same with the integrative-bar maximum of the settings.
float PassoFerri(int d, float richiesta);

// Stud spacing (cm) in both directions of a square grid of studs of diameter d mm providing
// `richiesta` cm²/m²: whole centimetres, strictly below the exact spacing, between 1 and
// `PassMax`. `PassMax` when there is no demand or no stud to provide it (d <= 0).
float PassoPioli(int d, float richiesta, float PassMax);
// The same with the largest stud spacing of the settings.
float PassoPioli(int d, float richiesta);

}  // namespace vilmor
