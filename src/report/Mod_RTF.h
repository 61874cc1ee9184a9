// Builders of the program's formatted texts: the quantities report and the information
// panels are RTF put together from these pieces and plain text. Texts are UTF-8 here; a
// finished document becomes Windows-1252 bytes only when shown or saved.
#pragma once

#include <string>
#include <string_view>

namespace vilmor {

// A run: resets the character format, selects font 3 (Arial, declared by the head), size in
// half-points, colour, bold on or off and underline on or nothing, then carries `testo` as it
// is (nothing is escaped).
std::string TestoNero(std::string_view testo, int dimensione, int sottolineato, int grassetto);
std::string TestoRosso(std::string_view testo, int dimensione, int sottolineato, int grassetto);
std::string TestoBlu(std::string_view testo, int dimensione, int sottolineato, int grassetto);
std::string TestoGrigio(std::string_view testo, int dimensione, int sottolineato, int grassetto);

// Document head (opens the document group) and tail (last paragraph mark, closes it).
std::string InizioRTF();
std::string FineRTF();

// Tab stops at a position in cm, 568 twips a centimetre, rounded to whole twips.
std::string TabDestra(float posizione);
std::string TabCentro(float posizione);

// Row definition of a table, then one cell definition per column with its right edge in twips.
std::string InizioRiga();
std::string BordoCella(int bordoDestro);

// The bytes of a finished document as shown and saved: Windows-1252, every byte beyond ASCII
// written as its escape ("Ø", byte D8, is "\\'d8").
std::string ByteRTF(std::string_view documento);
// Writes those bytes atomically; on failure shows the message naming the file.
bool SalvaRTF(const std::string& percorso, std::string_view documento);

}  // namespace vilmor
