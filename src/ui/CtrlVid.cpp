#include "ui/CtrlVid.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace vilmor {

CtrlVid::CtrlVid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    immagine_ = QImage(QSize(std::max(1, width()), std::max(1, height())), QImage::Format_RGB32);
    immagine_.fill(Colore(sfondo_));
}

QColor CtrlVid::Colore(int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

void CtrlVid::Pulisci() {
    immagine_.fill(Colore(sfondo_));
    volatile_ = QImage();
    update();
}

void CtrlVid::PuntatoreAttesa(bool attesa) {
    if (attesa) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

void CtrlVid::ColoreSfondo(int32_t rgb) {
    sfondo_ = rgb;
    Pulisci();
}

template <class F> void CtrlVid::Disegna(F&& f) {
    auto su = [&](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        f(p);
    };
    if (!persistente_) {
        if (volatile_.isNull()) volatile_ = immagine_;
        su(volatile_);
    } else {
        su(immagine_);
        // What is shown holds the volatile drawing too: the lasting one must reach it as well.
        if (!volatile_.isNull()) su(volatile_);
    }
    update();
}

void CtrlVid::LineaPalette(int x1, int y1, int x2, int y2, int colore) {
    Disegna([&](QPainter& p) {
        p.setPen(Colore(ColorePalette(colore)));
        p.drawLine(x1, y1, x2, y2);
    });
}

void CtrlVid::RettangoloPieno(int x1, int y1, int x2, int y2, int colore) {
    Disegna([&](QPainter& p) {
        p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
                   Colore(ColorePalette(colore)));
    });
}

void CtrlVid::Linea(float x1, float y1, float x2, float y2, int32_t rgb, bool punteggiata) {
    Disegna([&](QPainter& p) {
        QPen pen(Colore(rgb));
        pen.setStyle(punteggiata ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    });
}

void CtrlVid::Cerchio(float x, float y, float raggio, int32_t rgb, bool punteggiata) {
    Disegna([&](QPainter& p) {
        QPen pen(Colore(rgb));
        pen.setStyle(punteggiata ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y), raggio, raggio);
    });
}

void CtrlVid::PoligonoPieno(const std::vector<Punto>& pixel, int32_t rgb) {
    Disegna([&](QPainter& p) {
        QPolygonF poli;
        for (const auto& q : pixel) poli << QPointF(q.X, q.Y);
        p.setPen(Colore(rgb));
        p.setBrush(Colore(rgb));
        p.drawPolygon(poli, Qt::WindingFill);
    });
}

void CtrlVid::TestoRuotato(int x, int y, int altezza, int larghezza, int angolo, const std::string& testo) {
    Disegna([&](QPainter& p) {
        QFont f("Arial");
        f.setPixelSize(std::max(1, altezza));
        p.setFont(f);
        p.setPen(Colore(primo_));
        p.translate(x, y);
        p.rotate(-angolo);
        // The given point is the top-left corner of the text cell.
        p.drawText(QPointF(0, QFontMetricsF(f).ascent()), QString::fromStdString(testo));
    });
}

void CtrlVid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Mostrata());
}

void CtrlVid::resizeEvent(QResizeEvent*) {
    QImage nuova(QSize(std::max(1, width()), std::max(1, height())), QImage::Format_RGB32);
    nuova.fill(Colore(sfondo_));
    QPainter p(&nuova);
    p.drawImage(0, 0, immagine_);
    immagine_ = nuova;
    volatile_ = QImage();
}

}  // namespace vilmor
