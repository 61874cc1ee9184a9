// The fixed part of one section below the plan: its title, the dimension chains of its cut
// points, the concrete of every piece, the bars of the diffuse meshes along it (or the single
// central mesh), the shear chairs and the thickness dimension. Along-section coordinates X are
// drawn at Xs + X; heights are sheet coordinates with the slab's upper face at Y. Every element
// goes on its layer whatever the layer switches; offsets grow twice in the 1:100 style.
#pragma once

#include <vector>

#include "base/Punto.h"
#include "model/definizioni.h"

namespace vilmor {

// Section s of m with its cut points Punti(0 .. n) (TagliaSezione); n beyond the list is taken
// as its last index. Nothing is drawn without a point or for a section m does not hold.
void DisSezione(const Modello& m, int s, const std::vector<Punto>& Punti, int n, float Xs, float Y, int uscita);
void DisSezione(int s, const std::vector<Punto>& Punti, int n, float Xs, float Y, int uscita);

}  // namespace vilmor
