// Pixel checks of the offscreen plan picture: layer colours, a colour near a pixel, and the
// pixel of a plan point.
#pragma once

#include <QColor>
#include <QImage>
#include <cmath>

#include "model/Vista.h"
#include "model/definizioni.h"
#include "base/Piattaforma.h"
#include "drawing/SinkVideo.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "ui/CtrlVid.h"
#include "ui/LegendaQt.h"

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

// The real plan picture (w x h pixels) and legend panel installed with the screen sink, the
// default colours, and plan (x, y) cm at pixel (x, h - y); everything process-wide comes back
// at the end.
struct SchermoProva {
    GlobaliProva stato;
    CtrlVid vid;
    LegendaQt legenda;
    SinkVideo sink;
    SchermoProva(int w, int h) {
        ImpostaDefault();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        ImpostaColori();
        vid.resize(w, h);
        vid.show();
        legenda.resize(260, 201);
        legenda.show();
        Piatt.Ctrl_Vid = &vid;
        Piatt.Picture2 = &legenda;
        Piatt.SinkVideo = &sink;
        Vista.TwipsPerPixel = 15;
        Vista.FinestraVista = {0, static_cast<float>(h), 0, static_cast<float>(w)};
        Vista.Scala = 1;
        Vista.AltezzaVideo = static_cast<float>(h);
    }
};

}  // namespace vilmor::prova
