// The plan picture of the benchmarks: it draws nothing, so a pass costs only the engine's work.
#pragma once

#include "base/Piattaforma.h"

namespace vilmor::bench {

class VideoMuto : public SuperficieVideo {
public:
    void Pulisci() override {}
    void PuntatoreAttesa(bool) override {}
    void ColoreTesto(int32_t) override {}
    void ColoreSfondo(int32_t) override {}
    void ColorePrimoPiano(int32_t) override {}
    int32_t PrimoPiano() const override { return 0; }
    void DisegnoPersistente(bool) override {}
    int Larghezza() const override { return 1600; }
    int Altezza() const override { return 1000; }
    void LineaPalette(int, int, int, int, int) override {}
    void RettangoloPieno(int, int, int, int, int) override {}
    void Linea(float, float, float, float, int32_t, bool) override {}
    void Cerchio(float, float, float, int32_t, bool) override {}
    void PoligonoPieno(const std::vector<Punto>&, int32_t) override {}
    void SpessorePenna(int) override {}
    void Rettangolo(int, int, int, int, int32_t) override {}
    void RettangoloPienoRgb(int, int, int, int, int32_t) override {}
    void CerchioPieno(float, float, float, int32_t, int32_t) override {}
    void PoligonoBordato(const std::vector<Punto>&, int32_t, int32_t) override {}
    void TestoRuotato(int, int, int, int, int, const std::string&) override {}
    void RettangoloFocus(int, int, int, int) override {}
};

}  // namespace vilmor::bench
