// The bars of the diffuse mesh: for each face and bar direction one layer of parallel bars laid
// inside the working outline of the slab and stopped at the working outlines of the openings,
// either drawn (output 0 screen, 1 DXF) or measured with hooks and laps into the layer totals
// `LungDiff*` (cm) and `PesoDiff*` (kg) (output -1).
#pragma once

#include <string>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// One line naming the item and the reason, for the user.
std::string DescriviSaltato(const ElementoSaltato& s);
// A number in the reasons: the shortest text that reads back the same, with a point.
std::string TestoValore(float v);

// The working outlines of one layer in the frame of its bar direction, and what the layer
// measured: the pass's own scratch, never shared with another pass or another model.
struct LavoroStrato {
    std::vector<Punto> PoligonoLavoro;           // working outline of the slab
    std::vector<std::vector<Punto>> ForiLavoro;  // working outlines of the openings (opening, vertex)
    float LungTotFerri = 0;                      // developed length measured (cm)
};
// The working outlines of m turned into the frame of direction 0 (bar direction 1) or any
// other value (direction 2); nothing measured yet.
LavoroStrato PreparaLavoro(const Modello& m, int direzione);

// What a layer's layout met: an unusable spacing or outline (nothing laid out) and the runs that
// could not be divided into deliverable bars (measured as 0).
struct EsitoStrato {
    bool PassoValido = true;
    bool ContornoValido = true;  // false: the working outline's extents are not numbers
    int TrattiSaltati = 0;
};

// Both directions of the diffuse mesh of one face (0 upper, any other value lower). Output -1
// stores the four totals of that face; a drawing pass stores nothing. The offsets (cm) move
// every drawn coordinate. Layers that cannot be laid out are appended to *saltati.
void ComputaDiffusa(Modello& m, float offsetX, float offsetY, int lato, int uscita,
                    std::vector<ElementoSaltato>* saltati = nullptr);
void ComputaDiffusa(float offsetX, float offsetY, int lato, int uscita);

// One layer (direction 0: bar direction 1, otherwise direction 2) on the working outlines of
// `lavoro`, already in that direction's frame. Bars are drawn on layer 20 or 21; output -1 adds
// each bar run's developed length to `lavoro.LungTotFerri`.
EsitoStrato CalcolaBarreDirezione(const Modello& m, LavoroStrato& lavoro, float offsetX, float offsetY, int direzione,
                                  float passo, int diametro, int uscita);

}  // namespace vilmor
