// Writers of single DXF records: the LINE, CIRCLE and TEXT entities of a drawing pass (to the
// entity stream) and the contents of block definitions (to the block stream). Each takes its
// handle from the counter when it writes its "  5" line; nothing of a record is held back.
#pragma once

#include <string>
#include <string_view>

#include "base/Punto.h"
#include "drawing/SinkDxf.h"
#include "dxf/ContestoDxf.h"

namespace vilmor {

// The shortest text that reads back as the same single-precision value: fixed notation, a
// point, a zero before it, no exponent; "0" for zero of either sign. `buf` holds at least
// 64 characters; returns the end of the text.
char* NumeroLiberoDxf(char* buf, float valore);
std::string NumeroLiberoDxf(float valore);

// A text value as it may stand on its line: control characters become blanks, so the code
// and value lines keep their pairing. Texts of TEXT and MTEXT go through it; layer and block
// names are written as the tables write them, so that each record finds its layer.
std::string TestoValoreDxf(std::string_view utf8);

// Takes the box a text covers into the file's extents, as wide as the font the file names
// writes it (RiquadroTesto). Alignment as a TEXT writes it: horizontal 0 left, 1 centre,
// 2 right; vertical 0 baseline, 1 bottom, 2 middle, 3 top. The angle in degrees.
void EstendiTestoDxf(ContestoDxf& c, float x, float y, std::string_view testo, float altezza,
                     float angolo, int oriz, int vert);

// Entity records, to the entity stream, in the DXF 2000 form or, with `r12`, without handle,
// owner and subclass markers. Points and lengths in DXF units. Line types by style code:
// 1 "DASHED", 2 "Continuous", 3 "DASHED2", any other writes none (the layer's holds).
// An entity with a coordinate, radius, height or angle that is not finite is not written.
// Each entity written is taken into the file's extents.
void LineaDxf(ContestoDxf& c, float x1, float y1, float x2, float y2, const std::string& layer,
              int stile, bool r12 = false);
void CerchioDxf(ContestoDxf& c, float x, float y, float raggio, const std::string& layer,
                int stile, bool r12 = false);
// Insertion and alignment point are the same; " 72" and " 73" take the codes as given.
void TestoDxf(ContestoDxf& c, const std::string& layer, const std::string& testo, float x,
              float y, float altezza, float angolo, int oriz, int vert, bool r12 = false);

// Block contents, to the block stream; `owner` is the handle of the block's block record.
void BloccoDxf(ContestoDxf& c, int flag, const std::string& nome, const std::string& layer,
               const std::string& owner);
void FineBloccoDxf(ContestoDxf& c, const std::string& owner);
// With `perBlocco` non-zero the line takes colour and lineweight BYBLOCK.
void LineaBloccoDxf(ContestoDxf& c, float x1, float y1, float x2, float y2, int stile,
                    int perBlocco, const std::string& layer, const std::string& owner);
// On layer "DEFPOINTS".
void PuntoDxf(ContestoDxf& c, const Punto& p, const std::string& owner);
void MTestoDxf(ContestoDxf& c, float x, float y, const std::string& testo, float angolo,
               float altezza, int direzione, int attacco, const std::string& layer,
               const std::string& owner);
// The same text as an entity of the model space, to the entity stream.
void MTestoEntitaDxf(ContestoDxf& c, float x, float y, const std::string& testo, float angolo,
                     float altezza, int direzione, int attacco, const std::string& layer);

// Block contents of an R12 file, to the block stream: no handles, owners or subclass markers.
// The BLOCK is anonymous (flags 1) with its base point at the origin, on layer "0". With
// `perBlocco` non-zero the line takes colour BYBLOCK; R12 has no lineweight.
void BloccoDxf12(ContestoDxf& c, const std::string& nome);
void FineBloccoDxf12(ContestoDxf& c);
void LineaDxf12(ContestoDxf& c, float x1, float y1, float x2, float y2, int stile, int perBlocco,
                const std::string& layer);

// The entity writers behind the DXF drawing sink.
class ScrittoreDxf : public UscitaDxf {
public:
    explicit ScrittoreDxf(ContestoDxf& c, bool r12 = false) : c_(c), r12_(r12) {}
    void LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& layer,
                  int stile) override;
    void CerchioDxf(float X, float Y, float raggio, const std::string& layer, int stile) override;
    void TestoDxf(const std::string& layer, const std::string& testo, float X, float Y,
                  float altezza, float angolo, int oriz, int vert) override;
    // A dimension entity with its block in the 2000 form; the R12 form has none, and its
    // dimensions reach the writer as lines and texts.
    void QuotaDxf(const std::string& layerQuota, const std::string& layerTesto,
                  const EntitaQuota& q) override;
    ContestoDxf& Contesto() { return c_; }
    bool R12() const { return r12_; }

private:
    ContestoDxf& c_;
    bool r12_;
};

}  // namespace vilmor
