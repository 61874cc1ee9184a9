// State of one DXF 2000 export and the line form every DXF writer shares.
//
// A DXF item is a group-code line and a value line, each ended by CR LF. Code lines are
// right-aligned in 3 columns (4 for four-digit codes) unless a record writes its own text;
// computed integers are right-aligned in 6 columns, computed reals carry a point whatever the
// locale, handles are upper-case hexadecimal and texts are Windows-1252 on disk.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometria.h"

namespace vilmor {

// The limits and the initial view around the extents: the limits enclose them with a margin,
// the view is centred on them and tall enough to show them whole in a view of the given
// aspect ratio (width over height). An empty drawing gives the A3 sheet (0, 0)-(420, 297).
struct InquadraturaDxf {
    float LimMinX = 0, LimMinY = 0, LimMaxX = 420, LimMaxY = 297;
    float CentroX = 210, CentroY = 148.5f, Altezza = 297;
};
InquadraturaDxf Inquadratura(const Ingombro& e, float aspetto);

struct ContestoDxf {
    // Handle counter: the last handle given out; the first new one is "20".
    int32_t HandleBasso = 31;
    int32_t HandleAlto = 0;

    // Fixed handles of the objects every file carries.
    std::string HandlePlotStyle = "F";     // plot-style placeholder named by every layer
    std::string HandleStile = "11";        // text style "Standard"
    std::string HandleVport = "18";        // viewport "*Active"
    std::string HandleModelSpace = "19";   // block record "*Model_Space"
    std::string HandleLayoutModel = "1A";  // layout "Model"
    std::string HandlePaperSpace = "1B";   // block record "*Paper_Space"
    std::string HandleLayoutPaper = "1C";  // layout "Foglio 1"
    std::string HandleFreccia = "1D";      // block record "_FRECCIAMERANTO"
    std::string HandleNoFreccia = "1E";    // block record "_NOFRECCIA"
    std::string HandleNone = "1F";         // block record "_None"

    // Anonymous blocks named so far and the handles of their block records, in name order.
    int NumBlocchiD = 0;
    int NumBlocchiX = 0;
    std::vector<std::string> HandleBlocchiD;
    std::vector<std::string> HandleBlocchiX;

    // Where the writers print. The section writers print to `Sezione`; during the drawing pass
    // the entity writers print to `Entita` and the block writers to `Blocchi`, which the BLOCKS
    // and ENTITIES sections read back from their start. A null stream holds nothing.
    std::ostream* Sezione = nullptr;
    std::iostream* Entita = nullptr;
    std::iostream* Blocchi = nullptr;

    // The dimension style the header names, whose settings it carries for readers that draw
    // dimensions again: that of the general dimensions written, else of the bar lengths; with
    // no dimension written, `StileQuoteScala`, the general dimensions' style at the export's scale.
    std::string StileQuote;
    std::string StileQuoteScala = "SC50";

    // What the entities written so far cover in model space, their blocks' contents included, in
    // DXF units: the header, the limits and the initial view are made from it afterwards.
    Ingombro Estensione;
};

// Back to the state of a new export: handles from "20", block numbers from 0, no block
// handles. The streams stay as they are.
void InizializzaDxf(ContestoDxf& c);
// The next handle: upper-case hexadecimal without leading zeros.
std::string NuovoHandle(ContestoDxf& c);
// "*D" n and "*X" n, n counting from 0 within the export.
std::string NomeBloccoQuota(ContestoDxf& c);
std::string NomeBloccoTratteggio(ContestoDxf& c);

// ---- Line form ----

// A group code as its line: right-aligned in 3 columns, four-digit codes in 4.
std::string CodiceDxf(int codice);
// One line: the text in Windows-1252 (line breaks inside it become blanks), then CR LF.
void RigaDxf(std::ostream& os, std::string_view testo);
// One item with its code in the standard form; `CoppiaDxf` takes the code line as written.
void GruppoDxf(std::ostream& os, int codice, std::string_view valore);
void CoppiaDxf(std::ostream& os, std::string_view codice, std::string_view valore);
// A computed integer right-aligned in 6 columns; a computed real with 8 decimals.
void GruppoIntDxf(std::ostream& os, int codice, int valore);
void GruppoRealeDxf(std::ostream& os, int codice, float valore);
// Copies every line of `da`, read from its start, to `a` as lines of its own; a stream that
// holds nothing, or none at all, copies nothing. `da` is left bad when it failed while
// written or read, so the caller can tell a partial copy.
void CopiaRigheDxf(std::iostream* da, std::ostream& a);

}  // namespace vilmor
