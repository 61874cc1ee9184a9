// Bar runs of the sections: a run of reinforcement between two points of a section divided into
// bars no longer than the longest bar that can be delivered, consecutive bars lapped, each bar
// made of its straight piece and its end hooks with their lengths rounded as the drawing writes
// them. The section drawing draws these bars (DisFerriSez); measuring only adds their lengths
// up, and the plan's diffuse-bar totals rest on it.
//
// Frame of the section drawing: x along the section, y the sheet height, centimetres; diameters
// in millimetres.
#pragma once

#include <string>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// What a run depends on besides its own arguments.
struct ParametriFerriSez {
    int MagliaUnica = 0;
    int PiegaAncoraggio = 0;
    float Spessore = 0;
    float Copriferro = 0;
    int DiamDiffSup1 = 0;
    int DiamDiffInf1 = 0;
    float LungMaxFerri = 600;
    int AncoraggioMin = 20;
    int AncoraggioMax = 104;
    int Scala50Corrente = 1;  // 0: the 1:100 sheet, staggered bars twice as far apart
};

// The parameters of model m with the current settings (`Imp`), in the scale style of the drawing
// pass under way (`Vista.Scala50Corrente`).
ParametriFerriSez ParametriFerriSezione(const Modello& m);

enum class GenereSegmento { Barra, Gancio };

// One straight segment of a bar with its length as written on the drawing: the distance of its
// ends rounded to whole centimetres, halves to even. Sopra: the length is written above (1) or
// below (0) the segment.
struct SegmentoFerro {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Lunghezza = 0;
    int Sopra = 0;
    GenereSegmento Genere = GenereSegmento::Barra;
};

// Unica: the whole run in one bar; Intera: a bar of full length with more to follow;
// Accorciata: a bar ended 40 cm early so that the last one is not too short; Ultima: the last.
enum class FormaBarra { Unica, Intera, Accorciata, Ultima };

struct BarraSezione {
    FormaBarra Forma = FormaBarra::Unica;
    float XS = 0, XE = 0;  // ends of the straight piece
    float Y = 0;           // its height (consecutive bars are staggered)
    float YEtichetta = 0;  // height of its label, centred on (XS + XE) / 2
    int Lunghezza = 0;     // sum of the rounded lengths of its segments
    std::vector<SegmentoFerro> Segmenti;  // in drawing order
};

struct FerriSezione {
    std::vector<BarraSezione> Barre;
    int Totale = 0;  // sum of the bars' lengths
    // The run needs dividing but the lap is too long for the longest bar: no bar, total 0.
    bool Saltato = false;
    std::string Motivo;
};

// Lap length S (cm) of bars of diameter d: twice the anchorage, kept between the bounds of the
// settings in p.
float SovrapposizioneFerri(const ParametriFerriSez& p, int Diametro);

// The run from X1 to X2 at height Y, divided into bars. Pos: position number (0 none; a zone
// bar's hook is no longer than its anchorage); Tipo 0 upper face (hooks downwards), any other
// value lower face; GancioIniz, GancioFine non-zero ask for a hook at the start and at the end.
// A span below 0.9 cm (or not a number) gives no bar.
FerriSezione DividiFerriSez(const ParametriFerriSez& p, int Pos, int Tipo, float Y, float X1, float X2, int Diametro,
                            int GancioIniz, int GancioFine);

// The developed length of the same run (Totale) without keeping its bars; *saltato tells whether
// the run could not be divided.
int MisuraFerriSez(const ParametriFerriSez& p, int Pos, int Tipo, float X1, float X2, int Diametro, int GancioIniz,
                   int GancioFine, bool* saltato = nullptr);

}  // namespace vilmor
