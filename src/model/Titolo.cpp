#include "model/Titolo.h"

#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

}  // namespace


std::string NomeFile(const std::string& percorso) {
    if (percorso.empty()) return "Anonimo";
    const auto p = percorso.find_last_of("/\\");
    return p == std::string::npos ? percorso : percorso.substr(p + 1);
}

std::string TestoTitolo(const std::string& percorso) {
    const std::string nome =
        (percorso.empty() || percorso == "Anonimo") ? std::string("Anonimo") : MaiuscoloUtf8(NomeFile(percorso));
    return "MERANTO Solette C.A. -  [ " + nome + " ]";
}

void AggiornaTitolo() {
    if (Piatt.Finestra) Piatt.Finestra->ImpostaTitolo(TestoTitolo(M.Progetto.PercorsoSoletta));
}

}  // namespace vilmor
