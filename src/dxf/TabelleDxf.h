// TABLES section of a DXF 2000 file: viewport, linetypes, the program's layers, text style,
// registered applications, the six dimension styles and the block records.
#pragma once

#include <string>
#include <vector>

#include "dxf/ContestoDxf.h"
#include "model/definizioni.h"

namespace vilmor {

// The whole section to the section stream, after the drawing pass (the block records list the
// anonymous blocks it made). `numLayer` program layers of `strati` are written (the export
// passes all 25); `unitaPerCm` is the drawing units per centimetre at 1:100 that sizes the
// dimension styles.
void TabelleDxf(ContestoDxf& c, int numLayer, const StratiDisegno& strati, float unitaPerCm);

// Its parts.
void VportDxf(ContestoDxf& c);
void LayerDxf(ContestoDxf& c, const std::string& nome, int aci, const std::string& tipoLinea);
void AppIdDxf(ContestoDxf& c);
void DimStyleDxf(ContestoDxf& c, float unitaPerCm);
// One dimension style: text placement (77), length factor before the unit scaling, text
// colour (178), decimals (271), suppression of the two dimension lines (281, 282) and the
// block record of the arrow.
void RecordDimStyle(ContestoDxf& c, const std::string& nome, const std::string& handle,
                    int posizioneTesto, float fattoreLunghezza, int coloreTesto, int decimali,
                    int sopprimi1, int sopprimi2, const std::string& freccia, float unitaPerCm);
void BlockRecordDxf(ContestoDxf& c);

// What a dimension style sets, each value under its group code in the DIMSTYLE record and the
// name of the header variable that holds it for the drawing's current style: the text as the
// record writes it. Its text style and arrow blocks, handles in the record, are not among them.
struct VariabileQuotaDxf {
    int Codice;
    const char* Nome;
    std::string Valore;
};
// Those of the style `nome` ("SC50" .. "Ferri100") at `unitaPerCm`; none for another name.
std::vector<VariabileQuotaDxf> VariabiliStileQuota(const std::string& nome, float unitaPerCm);
// The arrow block the style's dimensions use: "_FRECCIAMERANTO", or "_None" for bar lengths.
std::string FrecciaStileQuota(const std::string& nome);

}  // namespace vilmor
