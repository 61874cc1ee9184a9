// The DXF output as a drawing sink: plan centimetres through the DXF transform, layers by
// name, text heights in drawing units; each entity goes to the writer of the file under way.
#pragma once

#include <string>

#include "base/Geometria.h"
#include "base/Primitive.h"

namespace vilmor {

// The entity writers of a DXF file (points and lengths in DXF units). Line types: 1 "DASHED",
// 2 "Continuous", 3 "DASHED2", any other the layer's. Text alignment: horizontal 0 left,
// 1 centre, 2 right; vertical 1 bottom, 2 middle, 3 top. Texts are UTF-8; the writer converts.
class UscitaDxf {
public:
    virtual ~UscitaDxf() = default;
    virtual void LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& layer, int stile) = 0;
    virtual void CerchioDxf(float X, float Y, float raggio, const std::string& layer, int stile) = 0;
    virtual void TestoDxf(const std::string& layer, const std::string& testo, float X, float Y, float altezza,
                          float angolo, int oriz, int vert) = 0;
    // A dimension of the DXF 2000 form; its points are plan centimetres, converted with
    // `FattoreCoordinate` and the slab's offset by the writer. An empty layer name is a layer
    // switched off: the dimension without its lines, or without its text.
    virtual void QuotaDxf(const std::string& layerQuota, const std::string& layerTesto, const EntitaQuota& q) = 0;
};

// The DXF output measured instead of written: what a reader draws of each entity, in DXF units,
// texts as wide as the drawings' font writes them, dimensions placed as the writer places them
// in the DXF 2000 form. Nothing that is not a number is taken.
class MisuraDxf : public UscitaDxf {
public:
    Ingombro Box;
    void LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& layer, int stile) override;
    void CerchioDxf(float X, float Y, float raggio, const std::string& layer, int stile) override;
    void TestoDxf(const std::string& layer, const std::string& testo, float X, float Y, float altezza,
                  float angolo, int oriz, int vert) override;
    void QuotaDxf(const std::string& layerQuota, const std::string& layerTesto, const EntitaQuota& q) override;

private:
    void Prendi(float X, float Y);
};

class SinkDxf : public SinkDisegno {
public:
    explicit SinkDxf(UscitaDxf* uscita = nullptr) : Uscita(uscita) {}
    UscitaDxf* Uscita;
    // Layers 0..24 whose switch is on in the pass (LayerVisibile) only: anything else writes
    // nothing. A dimension keeps the part whose layer is on.
    void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) override;
    void Cerchio(float X, float Y, float raggio, int layer, int stile) override;
    void Testo(float X, float Y, const std::string& testo, int tipo, int layer, int oriz, int vert,
               float angolo) override;
    void Quota(const EntitaQuota& q) override;
};

}  // namespace vilmor
