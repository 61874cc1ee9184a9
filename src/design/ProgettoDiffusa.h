// Design of the diffuse base mesh: for each face and direction the first diameter and spacing,
// within the face's limits, whose steel covers the requirement of the asked share of the
// analysis nodes.
#pragma once

#include <functional>
#include <string>

#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {

// One pair the search tried, with the nodes it covered: counted up to the target when the pair
// reaches it, all of them when it does not. A spacing of 0 or less covers no node.
struct CoppiaProvata {
    int Strato = 0;
    int Diametro = 0;
    float Passo = 0;
    int Coperti = 0;
};
using RegistroCoppie = std::function<void(const CoppiaProvata&)>;

// "Arm. sup. dir. 1", "Arm. inf. dir. 1", "Arm. sup. dir. 2", "Arm. inf. dir. 2" for 0 .. 3.
std::string NomeStratoDiffusa(int strato);

// The search ends and never stores a spacing of 0 only with positive minimum spacings and steps.
bool CriteriProgettoValidi(const Impostazioni& imp);

// The first pair of criteria whose minimum exceeds its maximum, named by the captions of the
// design dialog ("\"Diam. minimo sup.\" non può superare \"Diam. massimo sup.\"."); "" when
// every pair is in order. Every layer is designed, so both faces count.
std::string CriteriRovesciati(const Impostazioni& imp);
std::string CoppiaCriteri(const std::string& minimo, const std::string& massimo);

// Designs layer `strato` (0 .. 3) of m: stores the pair found, or on failure the densest pair the
// face allows (largest diameter, smallest spacing) after the message naming the layer. Every
// pair tried and stored lies within the face's limits, whatever the layer held before: its
// diameter or spacing is taken into them where a run starts from it, and a step that passes a
// limit is not tried. Returns
// true when the share is reached (or none is asked). Reads the residuals stored in m; expects
// nodes and valid criteria, and changes nothing without nodes. A search beyond 2^24 pairs, which
// only limits or a stored spacing far outside any bar can ask for, ends as a failure.
bool OttimizzaStrato(Modello& m, const Impostazioni& imp, int strato, const RegistroCoppie& registro = {});

// The four layers in the order 0, 1, 2, 3, each on the residuals from before the run, then the
// diffuse areas and every node's residuals with all zones. Refused with a message, nothing
// changed, on a slab without nodes or with criteria that cannot end the search; returns whether
// the design ran. The panel is the caller's (app/ComandoProgettoDiffusa.h).
bool ProgettaDiffusa(Modello& m, const Impostazioni& imp, const RegistroCoppie& registro = {});

}  // namespace vilmor
