// The room a window of the program may take on its screen.
#pragma once

#include <QSize>

class QWidget;

namespace vilmor {

// The largest client area a window may take on the screen of `w`: the screen's work area less
// room for the window's title bar and for a desktop panel that the platform may not report
// (1366 x 700 on a 1366 x 768 laptop screen).
QSize AreaFinestra(const QWidget& w);

}  // namespace vilmor
