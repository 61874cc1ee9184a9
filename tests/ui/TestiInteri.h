// Whether every text a window shows is there whole: not elided, not wider or taller than the
// widget that shows it, not reaching past the widgets that hold it.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace vilmor::prova {

// One line per text that does not show whole, naming the widget and the text; empty when all
// do. Labels, buttons, radio buttons and check boxes, group box titles, line edits, the cells
// of item views (trees and lists), the texts of the legend panel; hidden widgets are skipped.
std::vector<std::string> TestiTagliati(QWidget* finestra);

}  // namespace vilmor::prova
