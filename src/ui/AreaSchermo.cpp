#include "ui/AreaSchermo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vilmor {

namespace {

constexpr int BarraTitolo = 36, PannelloDesktop = 32;

}  // namespace

QSize AreaFinestra(const QWidget& w) {
    const QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    if (!s) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QRect lavoro = s->availableGeometry();
    const int alto = std::min(lavoro.height(), s->geometry().height() - PannelloDesktop) - BarraTitolo;
    return {lavoro.width(), std::max(1, alto)};
}

}  // namespace vilmor
