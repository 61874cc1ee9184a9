// Column-type tables of the archive "ARCHIMPA.AI0" beside the slab file.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vilmor {

struct SezionePilastro;  // definizioni.h, which includes this header first

// One coded text of the archive.
struct VoceArchivio {
    int Codice = 0;
    std::string Testo;
};

// One footing; values not present for its kind stay 0.
struct PlintoArchivio {
    float Tipo = 0;
    std::array<float, 12> Valori{};  // values 1 .. 11; element 0 unused
    int Indice = 0;
};

// Every table is sized for indexes 0 .. its count: one entry more than the archive lists,
// the last one zero.
struct ArchivioPilastri {
    int NumTipiPilastro = 0;
    // 0 six dimensions, 1 simple library section, 2 composite library section,
    // negative: no shape code and no values, other: shape code only.
    std::vector<int> TipoSezPilastro;
    std::vector<int> FormaPilastro;
    // Kind 0: the six dimensions. Kinds 1 and 2: value 0 the section number, value 1 the
    // spacing of coupled profiles in mm (kind 2), value 2 the record in SezioniPilastro.
    std::vector<std::array<float, 6>> DimPilastro;
    std::vector<SezionePilastro> SezioniPilastro;
    int NumSezioniPilastro = 0;

    int NumVociArchivio = 0;
    std::vector<VoceArchivio> VociArchivio;
    int NumPlintiArchivio = 0;
    std::vector<PlintoArchivio> PlintiArchivio;
    int NumCinquineArchivio = 0;
    std::vector<std::array<float, 5>> CinquineArchivio;
    int NumQuaterneArchivio = 0;
    std::vector<std::array<float, 4>> QuaterneArchivio;
};

// The record of SezioniPilastro that a library type (kind 1 or 2) refers to, or -1 when the
// type is not a library type or its index lies outside the table. Value 2 is a float holding
// an integer: an exact half goes to the even neighbour.
int IndiceSezionePilastro(const ArchivioPilastri& a, int t);

}  // namespace vilmor
