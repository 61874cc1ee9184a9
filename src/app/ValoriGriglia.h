// The one rule by which every dialog of the main window reads a value typed into its property
// panel: a number, possibly with a decimal comma, within the item's inclusive limits. A value
// refused goes back to the item's current one without a message.
#pragma once

#include <limits>
#include <optional>
#include <string>

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

}  // namespace vilmor
