// BLOCKS, ENTITIES and OBJECTS sections and the end of a DXF 2000 file, and the assembly of
// the whole file from them.
#pragma once

#include <iosfwd>

#include "dxf/ContestoDxf.h"
#include "model/definizioni.h"

namespace vilmor {

// Layout blocks, fixed blocks, then every line of the block stream.
void BlocchiDxf(ContestoDxf& c);
// Every line of the entity stream inside the ENTITIES section.
void EntitaDxf(ContestoDxf& c);
// The dictionaries and objects a DXF 2000 reader expects, with both layouts.
void OggettiDxf(ContestoDxf& c);
void FineFileDxf(ContestoDxf& c);

// Writes the file once the drawing pass has filled the entity and block streams: the body
// (tables, blocks, entities, objects, end of file) goes to `corpo` first, so that the handle
// seed of the header counts every handle; then header and classes go to `destinazione`,
// followed by the body. Leaves the section stream on `destinazione`. False when a stream
// failed.
bool AssemblaDxf2000(ContestoDxf& c, int numLayer, const StratiDisegno& strati,
                     float unitaPerCm, std::iostream& corpo, std::ostream& destinazione);

}  // namespace vilmor
