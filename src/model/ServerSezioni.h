// The section server of the steel profiles and its client: a library column type names a
// profile by shape code and section number; the server gives its dimensions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/definizioni.h"

namespace vilmor {

using DimensioniServer = std::array<double, 10>;  // mm; the server fills 0 .. 4
using ProprietaServer = std::array<double, 34>;   // the server fills 32 and 33 (mm)

// Every argument is passed by reference as the server expects. A method returns false when
// the call could not be made at all (server missing or broken); the outcome of a data call
// that was made is its error code, 0 on success.
class ServerSezioni {
public:
    virtual ~ServerSezioni() = default;
    virtual bool NewID(int32_t& forma, int32_t& numero, int32_t& id1, int32_t& id2) = 0;
    virtual bool DatiSezione(int32_t& id1, int32_t& id2, DimensioniServer& dim, std::string& nome,
                             int32_t& extra, ProprietaServer& prop, int32_t& errore) = 0;
    virtual bool DatiComposte(int32_t& forma, int32_t& id2, DimensioniServer& dim, std::string& nome,
                              ProprietaServer& prop, int32_t& errore) = 0;
};

// The table of standard European profiles shipped with the program (ProfiliAcciaio.cpp).
ServerSezioni& ServerLocale();
// The one installed in Piatt.Sezioni, else the local table.
ServerSezioni& ServerAttivo();

// Each returns false when the server could not be reached or the call failed; the data calls
// fill `SezioneCorrente`.
bool NuovoIdSezione(int32_t forma, int32_t numero, int32_t& id1, int32_t& id2);
bool LeggiDatiSezione(int32_t id1, int32_t id2);
bool LeggiDatiComposte(int32_t forma, int32_t id2);

// Fetches a library section (kind 1 simple, other kinds composite) and appends it to
// SezioniPilastro, whatever the server answered; returns the record's index, or -1 (nothing
// appended) when the server could not be reached.
int AggiungiSezionePilastro(ArchivioPilastri& a, int tipo, int forma, int numero);

}  // namespace vilmor
