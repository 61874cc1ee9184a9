// Small text helpers shared by the file readers, the paths and the caption.
#pragma once

#include <string>

namespace vilmor {

// The text without the blanks and tabs at either end.
std::string Rifilato(const std::string& s);
// Upper case of the ASCII letters only; every other byte is kept.
std::string MaiuscoloAscii(std::string s);
// Upper case of a UTF-8 text: ASCII, the accented Latin letters ("più" -> "PIÙ") and the
// rest of Latin Extended-A; any other character is kept.
std::string MaiuscoloUtf8(const std::string& testo);

}  // namespace vilmor
