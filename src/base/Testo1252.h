// Text encoding at the file boundary: UTF-8 inside the program, Windows-1252 on disk.
#pragma once

#include <string>
#include <string_view>

namespace vilmor {

// The diameter sign of bar labels: shown as "Ø", written to files as byte D8.
inline constexpr const char* SegnoDiametro = "\xC3\x98";

std::string DaWindows1252(std::string_view byte);
// A character without a Windows-1252 form is written "?".
std::string AWindows1252(std::string_view utf8);

}  // namespace vilmor
