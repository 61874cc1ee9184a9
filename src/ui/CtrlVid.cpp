#include "ui/CtrlVid.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QWheelEvent>

#include "app/DoppioClicZona.h"
#include "app/MouseVideo.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/TriangoloPixel.h"
#include "drawing/Zoom.h"
#include "model/definizioni.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

// a = da moved by (sx, sy) pixels, the uncovered band in fondo; both of one size, 32-bit pixels.
void Trasla(const QImage& da, QImage& a, long long sx, long long sy, QRgb fondo) {
    const int w = a.width(), h = a.height();
    // Columns [x0, x1) of a receive the picture.
    const long long x0 = std::clamp<long long>(sx, 0, w), x1 = std::clamp<long long>(w + sx, 0, w);
    for (int y = 0; y < h; ++y) {
        QRgb* r = reinterpret_cast<QRgb*>(a.scanLine(y));
        const long long ys = y - sy;
        if (ys < 0 || ys >= h || x0 >= x1) {
            std::fill(r, r + w, fondo);
            continue;
        }
        const QRgb* s = reinterpret_cast<const QRgb*>(da.constScanLine(static_cast<int>(ys)));
        std::fill(r, r + x0, fondo);
        std::memcpy(r + x0, s + (x0 - sx), static_cast<size_t>(x1 - x0) * sizeof(QRgb));
        std::fill(r + x1, r + w, fondo);
    }
}

}  // namespace

CtrlVid::CtrlVid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    immagine_ = QImage(QSize(std::max(1, width()), std::max(1, height())), QImage::Format_RGB32);
    immagine_.fill(Colore(sfondo_));
    attesaPan_.setSingleShot(true);
    attesaPan_.setInterval(PausaPan);
    connect(&attesaPan_, &QTimer::timeout, this, [this] { RidisegnoPan(); });
    setMouseTracking(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::ClickFocus);
}

void CtrlVid::Installa() {
    Piatt.Ctrl_Vid = this;
    // Drags pan the drawing already made and redraw when they pause or end.
    ImpostaPan(
        [](int dx, int dy) {
            if (auto* c = dynamic_cast<CtrlVid*>(Piatt.Ctrl_Vid)) {
                c->PanMossa(dx, dy);
            } else if (PanVista(dx, dy) && Disegno.Ridisegna) {
                Disegno.Ridisegna(0);
            }
        },
        [] {
            if (auto* c = dynamic_cast<CtrlVid*>(Piatt.Ctrl_Vid)) {
                c->PanFine();
            } else if (Disegno.Ridisegna) {
                Disegno.Ridisegna(0);
            }
        });
    Vista.AltezzaVideo = static_cast<float>(height());
}

QColor CtrlVid::Colore(int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

void CtrlVid::Pulisci() {
    // With persistent drawing off only the transient drawing goes.
    if (persistente_) {
        FinePittore();
        FineSpostamento();
        immagine_.fill(Colore(sfondo_));
    }
    volatile_ = QImage();
    update();
}

QPainter* CtrlVid::Pittore() {
    if (!pittore_) {
        pittore_ = std::make_unique<QPainter>(&immagine_);
        pittore_->setRenderHint(QPainter::Antialiasing, false);
    }
    return pittore_.get();
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
    if (persistente_) FineSpostamento();
    if (persistente_ && volatile_.isNull()) {
        f(*Pittore());
    } else {
        FinePittore();
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
            su(volatile_);
        }
    }
    // One repaint asked is enough until it comes: a pass draws hundreds of thousands of shapes.
    if (!ridisegnoChiesto_) {
        ridisegnoChiesto_ = true;
        update();
    }
}

template <class F> void CtrlVid::DisegnaPixel(F&& f) {
    if (persistente_) FineSpostamento();
    // The painter writes into the same image: it ends first.
    FinePittore();
    if (!persistente_) {
        if (volatile_.isNull()) volatile_ = immagine_;
        f(volatile_);
    } else {
        f(immagine_);
        if (!volatile_.isNull()) f(volatile_);
    }
    if (!ridisegnoChiesto_) {
        ridisegnoChiesto_ = true;
        update();
    }
}

bool CtrlVid::DipingiFasce(const TriangoloFasce& t, const std::array<int32_t, 12>& colori) {
    if (immagine_.format() != QImage::Format_RGB32) return false;
    std::array<uint32_t, 12> rgb;
    for (size_t k = 0; k < rgb.size(); ++k) {
        const auto c = static_cast<uint32_t>(colori[k]);
        rgb[k] = 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
    }
    DisegnaPixel([&](QImage& img) {
        auto* bits = reinterpret_cast<uint32_t*>(img.bits());
        DipingiTriangoloFasce(t, rgb, bits, img.bytesPerLine() / 4, img.width(), img.height());
    });
    return true;
}

void CtrlVid::LineaPalette(int x1, int y1, int x2, int y2, int colore) {
    Disegna([&](QPainter& p) {
        p.setPen(QPen(Colore(ColorePalette(colore)), spessore_));
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
        QPen pen(Colore(rgb), spessore_);
        pen.setStyle(punteggiata ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    });
}

void CtrlVid::Cerchio(float x, float y, float raggio, int32_t rgb, bool punteggiata) {
    Disegna([&](QPainter& p) {
        QPen pen(Colore(rgb), spessore_);
        pen.setStyle(punteggiata ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y), raggio, raggio);
    });
}

void CtrlVid::PoligonoPieno(const std::vector<Punto>& pixel, int32_t rgb) {
    Disegna([&](QPainter& p) {
        // A colour map fills hundreds of thousands of small polygons in a few colours: no pen,
        // a brush kept per colour, and no allocation for a small polygon. Every other drawing
        // sets the pen and brush it needs.
        if (p.pen().style() != Qt::NoPen) p.setPen(Qt::NoPen);
        const QBrush& b = Pennello(rgb);
        if (!(p.brush() == b)) p.setBrush(b);
        constexpr size_t Pochi = 16;
        if (pixel.size() <= Pochi) {
            QPointF punti[Pochi];
            for (size_t i = 0; i < pixel.size(); ++i) punti[i] = QPointF(pixel[i].X, pixel[i].Y);
            p.drawPolygon(punti, static_cast<int>(pixel.size()), Qt::WindingFill);
        } else {
            QPolygonF poli;
            poli.reserve(static_cast<qsizetype>(pixel.size()));
            for (const auto& q : pixel) poli << QPointF(q.X, q.Y);
            p.drawPolygon(poli, Qt::WindingFill);
        }
    });
}

void CtrlVid::PoligoniPieni(const std::vector<Punto>& pixel, const std::vector<int>& vertici, int32_t rgb) {
    if (vertici.empty()) return;
    Disegna([&](QPainter& p) {
        // One brush for the whole batch: the change of brush, not the fill, is what a colour
        // map's small pieces cost one by one.
        if (p.pen().style() != Qt::NoPen) p.setPen(Qt::NoPen);
        const QBrush& b = Pennello(rgb);
        if (!(p.brush() == b)) p.setBrush(b);
        constexpr size_t Pochi = 16;
        QPointF punti[Pochi];
        QPolygonF poli;
        size_t i = 0;
        for (int v : vertici) {
            const size_t n = static_cast<size_t>(std::max(v, 0));
            if (n <= Pochi) {
                for (size_t k = 0; k < n; ++k) punti[k] = QPointF(pixel[i + k].X, pixel[i + k].Y);
                p.drawPolygon(punti, static_cast<int>(n), Qt::WindingFill);
            } else {
                poli.clear();
                for (size_t k = 0; k < n; ++k) poli << QPointF(pixel[i + k].X, pixel[i + k].Y);
                p.drawPolygon(poli, Qt::WindingFill);
            }
            i += n;
        }
    });
}

const QBrush& CtrlVid::Pennello(int32_t rgb) {
    for (const auto& [c, b] : pennelli_)
        if (c == rgb && b.style() == Qt::SolidPattern) return b;
    auto& voce = pennelli_[prossimoPennello_];
    prossimoPennello_ = (prossimoPennello_ + 1) % pennelli_.size();
    voce = {rgb, QBrush(Colore(rgb))};
    return voce.second;
}

namespace {
// The plan's font of that pixel height, stretched so that its average character is as wide as asked.
QFont FontPiano(int altezza, int larghezza) {
    QFont f("Arial");
    f.setPixelSize(std::max(1, altezza));
    const qreal media = QFontMetricsF(f).averageCharWidth();
    if (larghezza > 0 && media > 0)
        f.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * larghezza / media)), 1, 4000));
    return f;
}
}  // namespace

float CtrlVid::LarghezzaTesto(int altezza, int larghezza, const std::string& testo) const {
    return static_cast<float>(QFontMetricsF(FontPiano(altezza, larghezza)).horizontalAdvance(QString::fromStdString(testo)));
}

void CtrlVid::TestoRuotato(int x, int y, int altezza, int larghezza, int angolo, const std::string& testo) {
    Disegna([&](QPainter& p) {
        const QFont f = FontPiano(altezza, larghezza);
        p.save();
        p.setFont(f);
        p.setPen(Colore(primo_));
        p.translate(x, y);
        p.rotate(-angolo);
        // The given point is the top-left corner of the text cell.
        p.drawText(QPointF(0, QFontMetricsF(f).ascent()), QString::fromStdString(testo));
        p.restore();
    });
}

namespace {
QRect Tra(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}
}  // namespace

void CtrlVid::Rettangolo(int x1, int y1, int x2, int y2, int32_t rgb) {
    Disegna([&](QPainter& p) {
        const QRect r = Tra(x1, y1, x2, y2);
        // An outline two pixels across covers the whole box: the map marks every node so.
        if (spessore_ == 1 && (r.width() <= 2 || r.height() <= 2)) {
            p.fillRect(r, Colore(rgb));
            return;
        }
        p.setPen(QPen(Colore(rgb), spessore_));
        p.setBrush(Qt::NoBrush);
        // The outline passes through both corners.
        p.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
    });
}

void CtrlVid::RettangoloPienoRgb(int x1, int y1, int x2, int y2, int32_t rgb) {
    Disegna([&](QPainter& p) { p.fillRect(Tra(x1, y1, x2, y2), Colore(rgb)); });
}

void CtrlVid::CerchioPieno(float x, float y, float raggio, int32_t riempimento, int32_t bordo) {
    Disegna([&](QPainter& p) {
        p.setPen(QPen(Colore(bordo), spessore_));
        p.setBrush(Colore(riempimento));
        p.drawEllipse(QPointF(x, y), raggio, raggio);
        p.setBrush(Qt::NoBrush);
    });
}

void CtrlVid::PoligonoBordato(const std::vector<Punto>& pixel, int32_t riempimento, int32_t bordo) {
    Disegna([&](QPainter& p) {
        QPolygonF poli;
        for (const auto& q : pixel) poli << QPointF(q.X, q.Y);
        p.setPen(QPen(Colore(bordo), spessore_));
        p.setBrush(Colore(riempimento));
        p.drawPolygon(poli, Qt::WindingFill);
        p.setBrush(Qt::NoBrush);
    });
}

void CtrlVid::paintEvent(QPaintEvent*) {
    ridisegnoChiesto_ = false;
    FinePittore();
    QPainter p(this);
    p.drawImage(0, 0, Mostrata());
}

void CtrlVid::resizeEvent(QResizeEvent*) {
    FinePittore();
    QImage nuova(QSize(std::max(1, width()), std::max(1, height())), QImage::Format_RGB32);
    nuova.fill(Colore(sfondo_));
    {
        QPainter p(&nuova);
        p.drawImage(0, 0, immagine_);
    }
    immagine_ = nuova;
    volatile_ = QImage();
    FineSpostamento();
    riserva_ = QImage();
    // The transform counts plan y from the picture's bottom edge.
    if (Piatt.Ctrl_Vid == this) Vista.AltezzaVideo = static_cast<float>(height());
}

void CtrlVid::FineSpostamento() {
    if (!spostata_) return;
    spostata_ = false;
    riserva_.swap(base_);
    base_ = QImage();
}

void CtrlVid::MostraSpostata(int dx, int dy) {
    FinePittore();
    if (!spostata_) {
        base_.swap(immagine_);
        immagine_.swap(riserva_);
        if (immagine_.size() != base_.size() || immagine_.format() != base_.format())
            immagine_ = QImage(base_.size(), base_.format());
        spostata_ = true;
        spostX_ = spostY_ = 0;
    }
    spostX_ += dx;
    spostY_ += dy;
    Trasla(base_, immagine_, spostX_, spostY_, Colore(sfondo_).rgb());
    volatile_ = QImage();
    update();
}

void CtrlVid::RettangoloFocus(int x1, int y1, int x2, int y2) {
    FinePittore();
    if (volatile_.isNull()) volatile_ = immagine_;
    {
        QPainter p(&volatile_);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(Qt::white, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                       .adjusted(0, 0, -1, -1));
    }
    update();
}

namespace {

int Tasto(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

int Tenuti(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) + (b & Qt::RightButton ? 2 : 0) + (b & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

void CtrlVid::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && Invio) {
        Invio();
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void CtrlVid::mousePressEvent(QMouseEvent* e) {
    const int b = Tasto(e->button());
    if (b == 0) return;
    const QPointF p = e->position();
    Picture1_MouseDown(b, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CtrlVid::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    Picture1_MouseMove(Tenuti(e->buttons()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CtrlVid::mouseReleaseEvent(QMouseEvent* e) {
    const int b = Tasto(e->button());
    if (b == 0) return;
    const QPointF p = e->position();
    Picture1_MouseUp(b, static_cast<float>(p.x()), static_cast<float>(p.y()));
}

// The second press of a double click is not a press: `XClic` keeps the first, where the
// double click picks.
void CtrlVid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Picture1_DblClick();
}

void CtrlVid::wheelEvent(QWheelEvent* e) {
    RuotaAccumulata(ruota_, e->angleDelta().y());
    e->accept();
}

void CtrlVid::PanMossa(int dx, int dy) {
    if (!PanVista(dx, dy)) return;
    MostraSpostata(dx, dy);
    attesaPan_.start();
}

void CtrlVid::PanFine() {
    attesaPan_.stop();
    RidisegnoPan();
}

void CtrlVid::RidisegnoPan() {
    if (Disegno.Ridisegna) Disegno.Ridisegna(0);
}

}  // namespace vilmor
