// The analysis model held while a slab is open: nodes with their requirements and residuals,
// mesh elements and punching records, and the statistics that set the ranges of the maps.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/GrigliaPunti.h"
#include "base/IndiceGriglia.h"
#include "base/Punto.h"

namespace vilmor {

struct Nodo {
    int32_t Numero = 0;
    float X = 0, Y = 0;
    float RichSup1 = 0, RichSup2 = 0, RichInf1 = 0, RichInf2 = 0;
    float RichTaglio1 = 0, RichTaglio2 = 0;
    float ResSup1 = 0, ResSup2 = 0, ResInf1 = 0, ResInf2 = 0;
    float ResTaglio = 0;
};

struct Elemento {
    int32_t Numero = 0;
    int Triangolo = 0;  // 1 = three nodes, corner 3 repeats corner 0
    std::array<int32_t, 4> NodoNum{};
    std::array<int, 4> NodoIdx{};
    std::array<float, 4> RichSup1{}, RichSup2{}, RichInf1{}, RichInf2{};
    std::array<float, 4> RichTaglio1{}, RichTaglio2{};
};

struct Punzonamento {
    float CoeffPerimetro = 0;
    float AreaTotPioli = 0;
    float AreaPiolo = 0;
    int PioliListello = 0;
    int NumListelli = 0;
    int TipoPunz = 0;
    float X = 0, Y = 0;
    int IndicePilastro = -1;
    int IndiceNodo = 0;
    int NumTratti = 0;
    // Stretches 0 .. NumTratti - 1 of the control perimeter; at least three entries, the
    // unused ones (0, 0), and as many as a perimeter has.
    std::vector<Punto> TrattoIniz = std::vector<Punto>(3);
    std::vector<Punto> TrattoFine = std::vector<Punto>(3);
    int StatoPunz = 0;
    int NumVertici = 0;
    std::vector<float> VertX, VertY;  // outline, grown as needed
};

struct ModelloAnalisi {
    std::vector<Nodo> Nodi;
    int NumNodi = 0;
    std::vector<Elemento> Elementi;
    int NumElementi = 0;
    std::vector<Punzonamento> Punzonamenti;
    int NumPunzonamenti = 0;
    std::array<float, 4> MediaRichiesta{};
    std::array<float, 6> MaxRichiesta{};
    std::array<float, 6> MinRichiesta{};
    // Position look-ups of the import merge over Nodi and Punzonamenti (FusioneNodi.h).
    IndiceGriglia IndiceNodi;
    IndiceGriglia IndicePunz;
    // The nodes by position for the zone sums of the residuals (Residui.h): built over the
    // nodes of a load at its first use, and again whenever the nodes' positions change.
    GrigliaPunti GrigliaNodi;
};

}  // namespace vilmor
