// A node's requirement and residual, and a diffuse layer's diameter and spacing, by the layer
// index `Strato`: 0 upper face direction 1, 1 lower face direction 1, 2 upper face direction 2,
// 3 lower face direction 2, 4 shear. The records store the faces as Sup1, Sup2, Inf1, Inf2,
// which is not the Strato order: callers go through these accessors and never through the
// fields by position.
#pragma once

#include <array>
#include <optional>

#include "model/definizioni.h"

namespace vilmor {

inline constexpr int NumStrati = 5;  // 0 .. 3 the faces, 4 shear

// The one place where Strato meets the fields. Shear (4) has no single requirement field
// (it is RichTaglio1 + RichTaglio2) and no diameter or spacing: those pointers are null.
struct VoceStrato {
    float Nodo::*Richiesta;
    float Nodo::*Residuo;
    int MagliaDiffusa::*Diametro;
    float MagliaDiffusa::*Passo;
    float MagliaDiffusa::*Area;
};
inline constexpr std::array<VoceStrato, NumStrati> TabellaStrati{{
    {&Nodo::RichSup1, &Nodo::ResSup1, &MagliaDiffusa::DiamDiffSup1, &MagliaDiffusa::PassoDiffSup1, &MagliaDiffusa::AreaDiffSup1},
    {&Nodo::RichInf1, &Nodo::ResInf1, &MagliaDiffusa::DiamDiffInf1, &MagliaDiffusa::PassoDiffInf1, &MagliaDiffusa::AreaDiffInf1},
    {&Nodo::RichSup2, &Nodo::ResSup2, &MagliaDiffusa::DiamDiffSup2, &MagliaDiffusa::PassoDiffSup2, &MagliaDiffusa::AreaDiffSup2},
    {&Nodo::RichInf2, &Nodo::ResInf2, &MagliaDiffusa::DiamDiffInf2, &MagliaDiffusa::PassoDiffInf2, &MagliaDiffusa::AreaDiffInf2},
    {nullptr, &Nodo::ResTaglio, nullptr, nullptr, &MagliaDiffusa::AreaCavalletti},
}};

// Node accessors: the node index must lie in 0 .. NumNodi - 1. Any Strato outside 0 .. 4 gives 0.
// The shear requirement is the sum of the two terms rounded to 4 bytes.
float RichiestaNodo(const Modello& m, int strato, int nodo);
// The stored residual, required minus provided steel (positive where steel is missing).
float BilancioNodo(const Modello& m, int strato, int nodo);
inline float RichiestaNodo(int strato, int nodo) { return RichiestaNodo(M, strato, nodo); }
inline float BilancioNodo(int strato, int nodo) { return BilancioNodo(M, strato, nodo); }

// Diffuse layer accessors, Strato 0 .. 3; any other index reads 0 and writes nothing.
float LeggiDiamDiff(const Modello& m, int strato);
void SettaDiamDiff(Modello& m, int strato, int diametro);
float LeggiPassoDiff(const Modello& m, int strato);
void SettaPassoDiff(Modello& m, int strato, float passo);
// The spacing, or no value outside 0 .. 3 (value_or(0) gives the number a caller expects).
std::optional<float> LeggiPassoDiffVar(const Modello& m, int strato);
inline float LeggiDiamDiff(int strato) { return LeggiDiamDiff(M, strato); }
inline void SettaDiamDiff(int strato, int diametro) { SettaDiamDiff(M, strato, diametro); }
inline float LeggiPassoDiff(int strato) { return LeggiPassoDiff(M, strato); }
inline void SettaPassoDiff(int strato, float passo) { SettaPassoDiff(M, strato, passo); }
inline std::optional<float> LeggiPassoDiffVar(int strato) { return LeggiPassoDiffVar(M, strato); }

}  // namespace vilmor
