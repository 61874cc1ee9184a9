// Pixel checks of the offscreen plan picture: layer colours, a colour near a pixel, and the
// pixel of a plan point.
#pragma once

#include <QColor>
#include <QImage>
#include <cmath>

#include "model/Vista.h"
#include "model/definizioni.h"
#include "ui/CtrlVid.h"

namespace vilmor::prova {

inline QColor ColoreLayer(int layer) { return CtrlVid::Colore(Strati.ColoriLayer[static_cast<size_t>(layer)]); }

// The colour is found at the pixel or one of its eight neighbours.
inline bool Vicino(const QImage& img, int x, int y, const QColor& c) {
    for (int j = y - 1; j <= y + 1; ++j)
        for (int i = x - 1; i <= x + 1; ++i)
            if (img.valid(i, j) && img.pixelColor(i, j) == c) return true;
    return false;
}

// The pixel of a plan point through the current view.
inline int X(float x) { return static_cast<int>(std::lround(XSchermo(x))); }
inline int Y(float y) { return static_cast<int>(std::lround(YSchermo(y))); }

}  // namespace vilmor::prova
