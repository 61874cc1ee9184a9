#include "drawing/Zoom.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Piattaforma.h"
#include "drawing/MisuraVista.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

// FinestraVista and FinestraPrecedente: YMin, YMax, XMin, XMax.
enum { YMin = 0, YMax = 1, XMin = 2, XMax = 3 };

// The picture's width and height in pixels, when it has an area to fit a window to.
bool Dimensioni(float& w, float& h) {
    const SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v || v->Larghezza() <= 0 || v->Altezza() <= 0) return false;
    w = static_cast<float>(v->Larghezza());
    h = static_cast<float>(v->Altezza());
    return true;
}

bool PicturaConArea() {
    float w, h;
    return Dimensioni(w, h);
}

float ScalaFinestra(const std::array<float, 4>& f) { return CalcScala(f[XMin], f[YMin], f[XMax], f[YMax]); }

// Grows the window by the fraction k of its width and height on each side (k < 0 shrinks it).
void Allarga(std::array<float, 4>& f, float k) {
    const float d = (f[XMax] - f[XMin]) * k;
    f[XMin] = f[XMin] - d;
    f[XMax] = f[XMax] + d;
    const float e = (f[YMax] - f[YMin]) * k;
    f[YMin] = f[YMin] - e;
    f[YMax] = f[YMax] + e;
}

}  // namespace

void AvviaZoomFinestra() {
    Vista.ModoPrecedente = Vista.ModoComando;
    Vista.ModoComando = 2;
    Vista.RettTrascina = RettangoloTrascina{};
    Vista.RettFocus = RECT{};
}

void AvviaPan() {
    Vista.ModoPrecedente = Vista.ModoComando;
    Vista.ModoComando = 4;
}

float CalcScala(float X1, float Y1, float X2, float Y2) {
    const float dx = X2 - X1, dy = Y2 - Y1;
    if (dx == 0 || dy == 0) return 1.0f;
    float w = 0, h = 0;
    Dimensioni(w, h);
    const float sx = w / dx, sy = h / dy;
    return sy < sx ? sy : sx;
}

void ZoomRiduci() {
    if (!PicturaConArea()) return;
    Vista.FinestraPrecedente = Vista.FinestraVista;
    Allarga(Vista.FinestraVista, 0.05f);
    Vista.Scala = ScalaFinestra(Vista.FinestraVista);
}

void ZoomIngrandisci() {
    if (!PicturaConArea()) return;
    Vista.FinestraPrecedente = Vista.FinestraVista;
    std::array<float, 4>& f = Vista.FinestraVista;
    // A window this narrow is as far in as the zoom goes.
    if (!(f[XMax] - f[XMin] > 0.3f)) return;
    Allarga(f, -0.05f);
    Vista.Scala = ScalaFinestra(f);
}

void ZoomPrecedente() {
    if (!PicturaConArea()) return;
    std::swap(Vista.FinestraVista, Vista.FinestraPrecedente);
    Vista.Scala = ScalaFinestra(Vista.FinestraVista);
}

void ZoomTutto() {
    if (!PicturaConArea()) return;
    Vista.FinestraPrecedente = Vista.FinestraVista;
    ZoomEstensione();
}

void ZoomEstensione(Modello& m) {
    float w, h;
    if (!Dimensioni(w, h)) return;
    const Ingombro b = MisuraVista(m);
    const float bw = b.XMax - b.XMin, bh = b.YMax - b.YMin;
    if (b.Vuoto || !(bw > 0 || bh > 0)) {
        // Nothing drawn: the extents themselves.
        const std::array<float, 4>& e = Vista.EstensioneCorrente;  // XMin, YMin, XMax, YMax
        Vista.FinestraVista = {e[1], e[3], e[0], e[2]};
        Vista.Scala = CalcScala(e[0], e[1], e[2], e[3]);
        CentraVista();
        return;
    }
    // Everything drawn, with a free band of MargineEstensione pixels on every side (less on a
    // picture too small for it).
    const float margine = std::min(static_cast<float>(MargineEstensione), std::min(w, h) / 4);
    const float sx = bw > 0 ? (w - 2 * margine) / bw : 0, sy = bh > 0 ? (h - 2 * margine) / bh : 0;
    const float scala = sx > 0 && sy > 0 ? std::min(sx, sy) : std::max(sx, sy);
    const float alto = (Vista.AltezzaVideo > 0 ? static_cast<float>(Vista.AltezzaVideo) : h) / scala;
    const float largo = w / scala;
    const float cx = (b.XMin + b.XMax) / 2, cy = (b.YMin + b.YMax) / 2;
    std::array<float, 4>& f = Vista.FinestraVista;
    f[XMin] = cx - largo / 2;
    f[XMax] = f[XMin] + largo;
    f[YMin] = cy - alto / 2;
    f[YMax] = f[YMin] + alto;
    Vista.Scala = scala;
}

void ZoomEstensione() { ZoomEstensione(M); }

void CentraVista() {
    float w, h;
    if (!Dimensioni(w, h)) return;
    const float scala = Vista.Scala;
    if (scala == 0 || !std::isfinite(scala)) return;
    const std::array<float, 4>& e = Vista.EstensioneCorrente;
    const float ew = e[2] - e[0], eh = e[3] - e[1];
    if (std::fabs(eh) < 0.00001f) return;
    std::array<float, 4>& f = Vista.FinestraVista;
    if (ew / eh > w / h) {
        // Relatively wider than the picture: more height.
        const float alto = Vista.AltezzaVideo / scala;
        f[YMin] = (e[1] + e[3]) / 2 - alto / 2;
        f[YMax] = f[YMin] + alto;
    } else {
        const float largo = w / scala;
        f[XMin] = (e[0] + e[2]) / 2 - largo / 2;
        f[XMax] = f[XMin] + largo;
    }
}

bool PanVista(int dx, int dy) {
    const float scala = Vista.Scala;
    if (!(scala > 0)) return false;
    const float ox = -static_cast<float>(dx) / scala;
    const float oy = static_cast<float>(dy) / scala;
    std::array<float, 4>& f = Vista.FinestraVista;
    f[XMin] += ox;
    f[XMax] += ox;
    f[YMin] += oy;
    f[YMax] += oy;
    return true;
}

}  // namespace vilmor
