// After the slab outline has changed: every zone laid out again against the new slab by the pass
// that follows a zone edit, and what the engineer must then look at.
#pragma once

#include <string>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// What the new outline leaves to be checked: zone indices (position numbers less one) and
// column numbers, in table order.
struct ControlliPerimetro {
    std::vector<int> Integrative;  // face zones that now lie, wholly or partly, outside it
    std::vector<int> Cordoli;      // curbs that now lie outside it
    std::vector<int> LatiPersi;    // curbs whose side is no longer a side of it
    std::vector<int> Pioli;        // stud zones that now lie outside it
    std::vector<int> Pilastri;     // columns (their `Numero`) whose centre is now outside it
    bool Vuoto() const {
        return Integrative.empty() && Cordoli.empty() && LatiPersi.empty() && Pioli.empty() && Pilastri.empty();
    }
};

// With the new outline already in m (`Contorno`, the working outlines) and the one before in
// `vecchio` (its vertices, the first repeated at the end or not): each face and stud zone gets
// its outline again from its selection, each curb its strip along its side (found again on the
// new outline when that side still lies on it), every derived value with them, in place; the
// residuals and the bar layout follow. A zone that no longer has an outline keeps the one it
// had. "Outside" counts only what lies outside the new outline beyond what already lay outside
// the old one.
ControlliPerimetro RidisponiZone(Modello& m, const std::vector<Punto>& vecchio);

// "Dopo la modifica del perimetro controllare:" and a line for each kind of thing to check;
// "" when there is none.
std::string MsgControlliPerimetro(const ControlliPerimetro& c);

}  // namespace vilmor
