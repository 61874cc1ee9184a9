// The three blocks every DXF 2000 file defines: the dimension tick "_FRECCIAMERANTO",
// "_NOFRECCIA" and the empty "_None". Written straight into the BLOCKS section, every entity
// in colour BYBLOCK.
#pragma once

#include <string>

#include "dxf/ContestoDxf.h"

namespace vilmor {

// The three blocks on layer `layer`, to the section stream.
void BlocchiFissiDxf(ContestoDxf& c, const std::string& layer);

// Their records; `owner` is the handle of the block's block record.
void BloccoFissoDxf(ContestoDxf& c, const std::string& nome, const std::string& layer,
                    const std::string& owner);
void LineaFissaDxf(ContestoDxf& c, float x1, float y1, float x2, float y2,
                   const std::string& layer, const std::string& owner);
void CerchioFissoDxf(ContestoDxf& c, float x, float y, float raggio, const std::string& layer,
                     const std::string& owner);
void FineBloccoFissoDxf(ContestoDxf& c, const std::string& layer, const std::string& owner);
// "_None": its BLOCK always on layer "0", its ENDBLK on `layer`.
void BloccoNoneDxf(ContestoDxf& c, const std::string& layer, const std::string& owner);

}  // namespace vilmor
