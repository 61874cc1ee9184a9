// A drawing pass written into a DXF R12 file: header, the three tables, the blocks the pass
// made, its entities. R12 carries no handle at all, so readers never see two records share one.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "dxf/ContestoDxf.h"
#include "model/definizioni.h"

namespace vilmor {

// Number of variables of the R12 header.
int NumVariabiliHeaderDxf12();
// The HEADER section to the section stream: fixed values but for the extents of the entities
// written, the limits and the initial view around them.
void HeaderDxf12(ContestoDxf& c);
// One LAYER record; flag and colour in the print form of an integer.
void LayerDxf12(ContestoDxf& c, const std::string& nome, int aci, const std::string& tipoLinea);
// LTYPE, LAYER ("0", "Defpoints", then `numLayer` program layers of `strati`) and STYLE.
void TabelleDxf12(ContestoDxf& c, int numLayer, const StratiDisegno& strati);
// The blocks the pass wrote to the block stream, and nothing else.
void BlocchiDxf12(ContestoDxf& c);

// Header, tables, blocks, entities and end of file to `destinazione`. False when a stream
// failed.
bool AssemblaDxf12(ContestoDxf& c, int numLayer, const StratiDisegno& strati,
                   std::ostream& destinazione);

// As `SalvaDxf2000`, in the R12 form: the entity writers run without handles and dimensions
// reach them as lines, circles and texts.
// `errore` as in ScriviFileAtomicoFlusso.
bool SalvaDxf12(const std::string& percorso, const std::function<void()>& disegna,
                bool avvisa = true, int* errore = nullptr);

}  // namespace vilmor
