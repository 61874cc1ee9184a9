#include "design/AccessoriNodi.h"

#include <cassert>

namespace vilmor {

namespace {
bool Faccia(int strato) { return strato >= 0 && strato <= 3; }

const Nodo& NodoDi(const Modello& m, int nodo) {
    assert(nodo >= 0 && nodo < m.Analisi.NumNodi);
    return m.Analisi.Nodi[static_cast<size_t>(nodo)];
}
}  // namespace

float RichiestaNodo(const Modello& m, int strato, int nodo) {
    if (strato < 0 || strato >= NumStrati) return 0;
    const Nodo& n = NodoDi(m, nodo);
    if (strato == 4) return n.RichTaglio1 + n.RichTaglio2;
    return n.*TabellaStrati[static_cast<size_t>(strato)].Richiesta;
}

float BilancioNodo(const Modello& m, int strato, int nodo) {
    if (strato < 0 || strato >= NumStrati) return 0;
    return NodoDi(m, nodo).*TabellaStrati[static_cast<size_t>(strato)].Residuo;
}

float LeggiDiamDiff(const Modello& m, int strato) {
    if (!Faccia(strato)) return 0;
    return static_cast<float>(m.Diffusa.*TabellaStrati[static_cast<size_t>(strato)].Diametro);
}

void SettaDiamDiff(Modello& m, int strato, int diametro) {
    if (Faccia(strato)) m.Diffusa.*TabellaStrati[static_cast<size_t>(strato)].Diametro = diametro;
}

float LeggiPassoDiff(const Modello& m, int strato) {
    if (!Faccia(strato)) return 0;
    return m.Diffusa.*TabellaStrati[static_cast<size_t>(strato)].Passo;
}

void SettaPassoDiff(Modello& m, int strato, float passo) {
    if (Faccia(strato)) m.Diffusa.*TabellaStrati[static_cast<size_t>(strato)].Passo = passo;
}

std::optional<float> LeggiPassoDiffVar(const Modello& m, int strato) {
    if (!Faccia(strato)) return std::nullopt;
    return LeggiPassoDiff(m, strato);
}

}  // namespace vilmor
