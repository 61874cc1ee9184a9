// Reader of the RTF that the program's builders write, into a Qt text document: runs with
// font, size, colour, bold and underline, paragraphs with tab stops, bordered tables.
// Anything outside that set is skipped; damaged input shows what was read before the damage.
#pragma once

#include <string_view>

class QTextDocument;

namespace vilmor {

// Replaces the content of `doc` with the document of `byte` (Windows-1252 text). Paragraphs
// take the alignment of the document's default text option.
void LeggiRTF(std::string_view byte, QTextDocument& doc);

// Layout pixels of a length in twips at the document's resolution (15 twips a pixel at 96 dpi).
double PixelDaTwip(const QTextDocument& doc, double twip);

}  // namespace vilmor
