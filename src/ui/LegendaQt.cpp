#include "ui/LegendaQt.h"

#include <QPainter>
#include <cmath>

#include "model/definizioni.h"
#include "ui/CtrlVid.h"

namespace vilmor {
namespace {

const QColor Sfondo(255, 255, 255);

// Twips of the panel to its pixels.
qreal Pixel(float twips) {
    const int t = Vista.TwipsPerPixel > 0 ? Vista.TwipsPerPixel : 15;
    return static_cast<qreal>(twips) / t;
}

int PixelIntero(float twips) { return static_cast<int>(std::lround(Pixel(twips))); }

QRect Tra(float x1, float y1, float x2, float y2) {
    return QRect(QPoint(PixelIntero(x1), PixelIntero(y1)), QPoint(PixelIntero(x2), PixelIntero(y2))).normalized();
}

}  // namespace

LegendaQt::LegendaQt(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // A legend drawn before the first layout is kept whole.
    immagine_ = QImage(size().expandedTo(QSize(260, 201)), QImage::Format_RGB32);
    immagine_.fill(Sfondo);
}

template <class F> void LegendaQt::Disegna(F&& f) {
    auto su = [&](QImage& img) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setFont(font());
        f(p);
    };
    if (persistente_) {
        // Lasting drawing shows at once; a transient one over it goes.
        volatile_ = QImage();
        testiVolatili_ = QRectF();
        su(immagine_);
    } else {
        if (volatile_.isNull()) volatile_ = immagine_;
        su(volatile_);
    }
    update();
}

void LegendaQt::Pulisci() {
    if (persistente_) {
        immagine_.fill(Sfondo);
        testi_ = QRectF();
    }
    volatile_ = QImage();
    testiVolatili_ = QRectF();
    update();
}

void LegendaQt::Testo(float x, float y, const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    const QFontMetricsF fm(font());
    const QRectF cella(Pixel(x), Pixel(y), fm.horizontalAdvance(t), fm.height());
    if (persistente_) testi_ |= cella;
    else testiVolatili_ |= cella;
    Disegna([&](QPainter& p) {
        p.setPen(CtrlVid::Colore(testo_));
        // The point is the top-left corner of the text.
        p.drawText(QPointF(cella.left(), cella.top() + fm.ascent()), t);
    });
}

void LegendaQt::Linea(float x1, float y1, float x2, float y2, int32_t rgb) {
    Disegna([&](QPainter& p) {
        p.setPen(QPen(CtrlVid::Colore(rgb), spessore_));
        p.drawLine(QPointF(Pixel(x1), Pixel(y1)), QPointF(Pixel(x2), Pixel(y2)));
    });
}

void LegendaQt::Rettangolo(float x1, float y1, float x2, float y2, int32_t rgb) {
    Disegna([&](QPainter& p) {
        const QRect r = Tra(x1, y1, x2, y2);
        p.setPen(QPen(CtrlVid::Colore(rgb), spessore_));
        p.setBrush(Qt::NoBrush);
        // The outline passes through both corners.
        p.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
    });
}

void LegendaQt::RettangoloPieno(float x1, float y1, float x2, float y2, int32_t rgb) {
    Disegna([&](QPainter& p) { p.fillRect(Tra(x1, y1, x2, y2), CtrlVid::Colore(rgb)); });
}

void LegendaQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Sfondo);
    p.drawImage(0, 0, Mostrata());
}

void LegendaQt::resizeEvent(QResizeEvent*) {
    QImage nuova(size().expandedTo(immagine_.size()), QImage::Format_RGB32);
    nuova.fill(Sfondo);
    QPainter p(&nuova);
    p.drawImage(0, 0, immagine_);
    p.end();
    immagine_ = nuova;
    volatile_ = QImage();
    testiVolatili_ = QRectF();
}

void MisuraLegendaQt::Testo(float x, float y, const std::string& testo) {
    const QFontMetricsF fm(font_);
    Area |= QRectF(Pixel(x), Pixel(y), fm.horizontalAdvance(QString::fromStdString(testo)), fm.height());
}

void MisuraLegendaQt::Linea(float x1, float y1, float x2, float y2, int32_t) {
    Area |= QRectF(QPointF(Pixel(x1), Pixel(y1)), QPointF(Pixel(x2), Pixel(y2))).normalized().adjusted(0, 0, 1, 1);
}

void MisuraLegendaQt::Rettangolo(float x1, float y1, float x2, float y2, int32_t) {
    Area |= QRectF(Tra(x1, y1, x2, y2));
}

void MisuraLegendaQt::RettangoloPieno(float x1, float y1, float x2, float y2, int32_t) {
    Area |= QRectF(Tra(x1, y1, x2, y2));
}

}  // namespace vilmor
