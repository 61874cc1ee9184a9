// The texts of the information panel: the summary of the reinforcement laid out and the
// balance of one analysis node. Each call rebuilds the whole document from the model.
#pragma once

#include <string>

#include "model/definizioni.h"

namespace vilmor {

// x rounded to two decimals with the given decimal separator ("1,50").
std::string F2(float x, char separatore);

// The summary document of `m`; empty when it has no analysis nodes.
std::string TestoInfoArm(const Modello& m);

// The balance document of node n of `m` for the map type, face and direction on display.
std::string TestoInfoNodo(const Modello& m, int n, int tipoMappa, int tipoZonaAttivo, int direzioneAttiva,
                          char separatore);

// The two documents of the open project put into the panel.
void InfoArm();
void InfoNodo(int n);

}  // namespace vilmor
