// The one rule by which every dialog of the main window reads a value typed into its property
// panel: a number, possibly with a decimal comma, within the item's inclusive limits. A value
// refused goes back to the item's current one, with a message that names the item and the
// values it takes.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "base/Piattaforma.h"

namespace vilmor {

inline constexpr float SenzaLimite = std::numeric_limits<float>::infinity();

// The text begins with a number: after blanks and a sign, a digit, or a point or comma followed
// by one. Anything else ("abc", "", "-", ".x") would read as 0 and is not a number at all.
bool IniziaConNumero(const std::string& testo);

// The value typed, when it is a number (as `ValNumero` reads it, finite) within minimo ..
// massimo, both included, and within the files' bound LimitePianta either way; no value
// otherwise.
std::optional<float> ValoreGriglia(const std::string& testo, float minimo, float massimo = SenzaLimite);

// A 16-bit Integer field: the value within the limits, rounded to a whole number (halves to
// even), refused when the rounded value does not fit -32768 .. 32767.
std::optional<int> InteroGriglia(const std::string& testo, float minimo, float massimo = SenzaLimite);

// Why `testo` typed into the item captioned `campo` was refused: the values the item takes
// ("\"Diam. massimo inf.\" accetta valori da 4 a 100.\nValore non accettato.").
std::string MsgFuoriIntervallo(const std::string& campo, const std::string& testo, float minimo,
                               float massimo = SenzaLimite);

// A value typed refused: the message (Avviso), counted in RifiutiVoci.
void RifiutaVoce(const std::string& messaggio);
// The values refused with a message so far: a dialog's "Ok" that first stores the edit still
// open stops when that edit was refused.
inline unsigned RifiutiVoci = 0;

// ValoreGriglia and InteroGriglia for item `id` of `griglia`: a refusal is told (RifiutaVoce)
// with MsgFuoriIntervallo and the item's caption.
std::optional<float> ValoreVoce(const PannelloProprieta& griglia, int32_t id, const std::string& testo, float minimo,
                                float massimo = SenzaLimite);
std::optional<int> InteroVoce(const PannelloProprieta& griglia, int32_t id, const std::string& testo, float minimo,
                              float massimo = SenzaLimite);

}  // namespace vilmor
