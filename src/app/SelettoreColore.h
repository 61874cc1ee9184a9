// The state of the colour picker "Selettore colore": the 255 cells of the ACI colours laid out
// in pixels of its colour area, the selected cell and the cell under the pointer. The window
// paints the area from this state; `EsportaDxf.ColoreACIScelto` carries the index in and out.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vilmor {

inline constexpr int NumCelleACI = 255;

// Inclusive pixel box of a cell in the colour area, with the index and colour it shows.
struct CellaSelettore {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Indice = 0, Colore = 0;
};

// Built once: two blocks of five rows of 24, then the nine standard colours and the six greys.
const std::array<CellaSelettore, NumCelleACI>& CelleSelettore();

// The first cell containing (x, y), edges included; -1 between cells.
int CellaSotto(int x, int y);

// The frame around a cell (2 pixels wide, red when selected, blue under the pointer):
// (Left - 2, Top - 2) to (Right + 3, Bottom + 3).
struct Cornice {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};
Cornice CorniceCella(int cella);

class StatoSelettore {
public:
    // Opens on `EsportaDxf.ColoreACIScelto` (0 becomes 7).
    void Apri();
    // Pointer over the area: the index under it is shown and the cell framed in blue unless it
    // is the selected one. False when no cell is hit (nothing changes).
    bool Muovi(int x, int y);
    // Any button released over the area: the cell hit becomes the selected one.
    bool Rilascia(int x, int y);
    void Ok();
    void Annulla();

    int32_t Corrente() const { return corrente_; }
    int32_t Iniziale() const { return iniziale_; }
    int Selezionata() const { return selezionata_; }
    int Evidenziata() const { return evidenziata_; }  // -1: no blue frame
    const std::string& IndiceColore() const { return indiceColore_; }
    std::string Label1() const;
    std::array<std::string, 3> Label2() const;

private:
    int32_t corrente_ = 7, iniziale_ = 7;
    int selezionata_ = -1, evidenziata_ = -1;
    std::string indiceColore_ = "Indice colore:";
};

}  // namespace vilmor
