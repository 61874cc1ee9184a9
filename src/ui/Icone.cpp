#include "ui/Icone.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "app/BarreComandi.h"

namespace vilmor {
namespace {

// Every icon is drawn on a 24 x 24 grid and scaled to its size.
const QColor Inchiostro(40, 40, 48);
const QColor Rosso(208, 32, 32);
const QColor Verde(24, 150, 60);
const QColor Blu(32, 92, 192);
const QColor Giallo(236, 190, 40);
const QColor Grigio(128, 128, 136);
const QColor Carta(252, 252, 246);
const QColor Ciano(0, 160, 190);
const QColor Magenta(170, 40, 160);

QPen Penna(const QColor& c, double w = 1.5) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void Linea(QPainter& p, double x1, double y1, double x2, double y2, const QColor& c, double w = 1.5) {
    p.setPen(Penna(c, w));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Riquadro(QPainter& p, double x, double y, double w, double h, const QColor& bordo, const QBrush& pieno,
              double spessore = 1.2) {
    p.setPen(Penna(bordo, spessore));
    p.setBrush(pieno);
    p.drawRect(QRectF(x, y, w, h));
    p.setBrush(Qt::NoBrush);
}

// A line with a filled head at its end.
void Freccia(QPainter& p, double x1, double y1, double x2, double y2, const QColor& c, double w = 1.8) {
    Linea(p, x1, y1, x2, y2, c, w);
    const double a = std::atan2(y2 - y1, x2 - x1), l = 4.5, ap = 0.45;
    QPolygonF testa;
    testa << QPointF(x2, y2) << QPointF(x2 - l * std::cos(a - ap), y2 - l * std::sin(a - ap))
          << QPointF(x2 - l * std::cos(a + ap), y2 - l * std::sin(a + ap));
    p.setPen(Penna(c, 1));
    p.setBrush(c);
    p.drawPolygon(testa);
    p.setBrush(Qt::NoBrush);
}

void CroceRossa(QPainter& p, double x, double y, double s) {
    Linea(p, x, y, x + s, y + s, Rosso, 2.6);
    Linea(p, x + s, y, x, y + s, Rosso, 2.6);
}

void PiuVerde(QPainter& p, double cx, double cy, double r) {
    p.setPen(Penna(Verde.darker(130), 1));
    p.setBrush(Verde);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setBrush(Qt::NoBrush);
    Linea(p, cx - r * 0.55, cy, cx + r * 0.55, cy, Qt::white, 1.8);
    Linea(p, cx, cy - r * 0.55, cx, cy + r * 0.55, Qt::white, 1.8);
}

// Bars of one direction across a box.
void Ferri(QPainter& p, double x, double y, double w, double h, int n, bool orizzontali, const QColor& c,
           double spessore = 1.3) {
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n;
        if (orizzontali) Linea(p, x, y + t * h, x + w, y + t * h, c, spessore);
        else Linea(p, x + t * w, y, x + t * w, y + h, c, spessore);
    }
}

// A zone of integrative bars: its outline and its bars.
void Zona(QPainter& p, double x, double y, double w, double h, const QColor& c, int n = 3) {
    Riquadro(p, x, y, w, h, c, QColor(c.red(), c.green(), c.blue(), 40), 1.2);
    Ferri(p, x + 1.5, y, w - 3, h, n, true, c, 1.2);
}

void Lente(QPainter& p) {
    Linea(p, 14.5, 14.5, 21.5, 21.5, Inchiostro, 3.4);
    p.setPen(Penna(Inchiostro, 1.8));
    p.setBrush(QColor(210, 232, 255));
    p.drawEllipse(QPointF(9.5, 9.5), 7, 7);
    p.setBrush(Qt::NoBrush);
}

void ContornoSoletta(QPainter& p, const QColor& c = Grigio) {
    QPolygonF s;
    s << QPointF(2, 4) << QPointF(22, 4) << QPointF(22, 20) << QPointF(10, 20) << QPointF(10, 14) << QPointF(2, 14);
    p.setPen(Penna(c, 1.4));
    p.setBrush(QColor(230, 230, 230));
    p.drawPolygon(s);
    p.setBrush(Qt::NoBrush);
}

// A dimension between two points with its extension lines drawn back by `d` across it.
void Quota(QPainter& p, double x1, double y1, double x2, double y2, double d) {
    const double lx = x2 - x1, ly = y2 - y1, l = std::hypot(lx, ly);
    const double nx = -ly / l * d, ny = lx / l * d;
    Linea(p, x1, y1, x1 + nx, y1 + ny, Grigio, 1.2);
    Linea(p, x2, y2, x2 + nx, y2 + ny, Grigio, 1.2);
    Linea(p, x1, y1, x2, y2, Ciano, 1.5);
    const double tx = lx / l * 2, ty = ly / l * 2;
    Linea(p, x1 - tx + ty, y1 - ty - tx, x1 + tx - ty, y1 + ty + tx, Inchiostro, 1.6);
    Linea(p, x2 - tx + ty, y2 - ty - tx, x2 + tx - ty, y2 + ty + tx, Inchiostro, 1.6);
}

// The figure of the dimension commands: a horizontal dimension with its text.
void QuotaBase(QPainter& p, double y = 9) {
    Quota(p, 3, y, 21, y, 8);
    Riquadro(p, 9, y - 5, 6, 3, Verde, Verde, 0.6);
}

// A section line: dash-dot, its view arrows at both ends.
void LineaSezione(QPainter& p, double x1, double y1, double x2, double y2, const QColor& c = Blu) {
    QPen pen = Penna(c, 1.6);
    pen.setStyle(Qt::DashDotLine);
    p.setPen(pen);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    const bool orizzontale = std::abs(y2 - y1) < std::abs(x2 - x1);
    if (orizzontale) {
        Freccia(p, x1 + 1, y1, x1 + 1, y1 + 6, c, 1.6);
        Freccia(p, x2 - 1, y2, x2 - 1, y2 + 6, c, 1.6);
    } else {
        Freccia(p, x1, y1 + 1, x1 + 6, y1 + 1, c, 1.6);
        Freccia(p, x2, y2 - 1, x2 + 6, y2 - 1, c, 1.6);
    }
}

// Figures drawn as strokes, so that they do not depend on the fonts installed.
void Cifra1(QPainter& p, double x, double y, const QColor& c) {
    Linea(p, x + 1, y + 2, x + 3, y, c, 1.6);
    Linea(p, x + 3, y, x + 3, y + 8, c, 1.6);
}

void Cifra2(QPainter& p, double x, double y, const QColor& c) {
    QPainterPath t;
    t.moveTo(x, y + 2);
    t.cubicTo(x + 0.5, y - 0.5, x + 5, y - 0.5, x + 5, y + 2.2);
    t.cubicTo(x + 5, y + 4, x + 1, y + 6, x, y + 8);
    t.lineTo(x + 5.2, y + 8);
    p.setPen(Penna(c, 1.6));
    p.drawPath(t);
}

void LetteraA(QPainter& p, double x, double y, const QColor& c) {
    Linea(p, x, y + 9, x + 3.5, y, c, 1.8);
    Linea(p, x + 3.5, y, x + 7, y + 9, c, 1.8);
    Linea(p, x + 1.5, y + 5.5, x + 5.5, y + 5.5, c, 1.6);
}

void Ingranaggio(QPainter& p, double cx, double cy, double r, const QColor& c) {
    QPainterPath g;
    const int denti = 8;
    for (int i = 0; i < denti * 2; ++i) {
        const double a0 = i * M_PI / denti, a1 = (i + 1) * M_PI / denti;
        const double rr = (i % 2 == 0) ? r : r * 0.72;
        const QPointF p0(cx + rr * std::cos(a0), cy + rr * std::sin(a0));
        const QPointF p1(cx + rr * std::cos(a1), cy + rr * std::sin(a1));
        if (i == 0) g.moveTo(p0);
        else g.lineTo(p0);
        g.lineTo(p1);
    }
    g.closeSubpath();
    g.addEllipse(QPointF(cx, cy), r * 0.3, r * 0.3);
    g.setFillRule(Qt::OddEvenFill);
    p.setPen(Penna(c.darker(150), 1));
    p.setBrush(c);
    p.drawPath(g);
    p.setBrush(Qt::NoBrush);
}

void Foglio(QPainter& p, double x, double y, double w, double h) {
    QPolygonF f;
    f << QPointF(x, y) << QPointF(x + w - 5, y) << QPointF(x + w, y + 5) << QPointF(x + w, y + h) << QPointF(x, y + h);
    p.setPen(Penna(Inchiostro, 1.2));
    p.setBrush(Carta);
    p.drawPolygon(f);
    p.setBrush(Qt::NoBrush);
    Linea(p, x + w - 5, y, x + w - 5, y + 5, Inchiostro, 1);
    Linea(p, x + w - 5, y + 5, x + w, y + 5, Inchiostro, 1);
}

void FrecciaCurva(QPainter& p, bool avanti) {
    QPainterPath a;
    if (!avanti) {
        a.moveTo(20, 18);
        a.cubicTo(21, 8, 10, 5, 5, 11);
    } else {
        a.moveTo(4, 18);
        a.cubicTo(3, 8, 14, 5, 19, 11);
    }
    p.setPen(Penna(Blu, 2.4));
    p.drawPath(a);
    QPolygonF testa;
    if (!avanti) testa << QPointF(2, 13.5) << QPointF(4, 6) << QPointF(9.5, 11);
    else testa << QPointF(22, 13.5) << QPointF(20, 6) << QPointF(14.5, 11);
    p.setPen(Penna(Blu, 1));
    p.setBrush(Blu);
    p.drawPolygon(testa);
    p.setBrush(Qt::NoBrush);
}

void Disegna(QPainter& p, int k) {
    switch (k) {
        case 100: {  // open: a folder opening
            QPolygonF dietro;
            dietro << QPointF(2, 5) << QPointF(9, 5) << QPointF(11, 7) << QPointF(20, 7) << QPointF(20, 19)
                   << QPointF(2, 19);
            p.setPen(Penna(QColor(150, 110, 20), 1.2));
            p.setBrush(QColor(220, 170, 50));
            p.drawPolygon(dietro);
            QPolygonF davanti;
            davanti << QPointF(5, 11) << QPointF(23, 11) << QPointF(20, 19) << QPointF(2, 19);
            p.setBrush(Giallo.lighter(115));
            p.drawPolygon(davanti);
            p.setBrush(Qt::NoBrush);
            break;
        }
        case 101:  // save: a diskette
            p.setPen(Penna(Blu.darker(160), 1.2));
            p.setBrush(Blu);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            Riquadro(p, 7, 3, 10, 6, Inchiostro, QColor(210, 210, 215), 1);
            Riquadro(p, 13, 4, 2, 4, Inchiostro, Inchiostro, 0.5);
            Riquadro(p, 6, 12, 12, 9, Inchiostro, Carta, 1);
            Linea(p, 8, 15, 16, 15, Grigio, 1);
            Linea(p, 8, 18, 16, 18, Grigio, 1);
            break;
        case 102:  // import of additional bars: a file of zones and an arrow into the slab
            Foglio(p, 9, 2, 13, 18);
            Zona(p, 11.5, 9, 8, 7, Rosso, 2);
            Freccia(p, 1, 12, 10, 12, Verde, 2.2);
            break;
        case 103:  // exit: a door and an arrow out
            Riquadro(p, 3, 2, 11, 20, QColor(110, 70, 30), QColor(170, 110, 60));
            p.setPen(Penna(Inchiostro, 1));
            p.setBrush(Giallo);
            p.drawEllipse(QPointF(11, 12), 1.2, 1.2);
            p.setBrush(Qt::NoBrush);
            Freccia(p, 12, 12, 23, 12, Rosso, 2.4);
            break;
        case 105: FrecciaCurva(p, false); break;  // undo
        case 106: FrecciaCurva(p, true); break;   // redo
        case 107: {  // zoom window: a dashed window in the lens
            Lente(p);
            QPen t = Penna(Rosso, 1.2);
            t.setStyle(Qt::DashLine);
            p.setPen(t);
            p.drawRect(QRectF(6, 6.5, 7, 6));
            break;
        }
        case 108:  // previous view: an arrow back in the lens
            Lente(p);
            Freccia(p, 13.5, 9.5, 5, 9.5, Blu, 1.8);
            break;
        case 109:  // whole view: the four corners of the extents in the lens
            Lente(p);
            for (int sx : {-1, 1})
                for (int sy : {-1, 1}) {
                    const double cx = 9.5 + sx * 4, cy = 9.5 + sy * 4;
                    Linea(p, cx, cy, cx - sx * 2.5, cy, Verde, 1.5);
                    Linea(p, cx, cy, cx, cy - sy * 2.5, Verde, 1.5);
                }
            break;
        case 110:  // zoom in
            Lente(p);
            Linea(p, 5.5, 9.5, 13.5, 9.5, Inchiostro, 2);
            Linea(p, 9.5, 5.5, 9.5, 13.5, Inchiostro, 2);
            break;
        case 111:  // zoom out
            Lente(p);
            Linea(p, 5.5, 9.5, 13.5, 9.5, Inchiostro, 2);
            break;
        case 112:  // pan: four ways
            Freccia(p, 12, 12, 12, 1.5, Inchiostro, 1.8);
            Freccia(p, 12, 12, 12, 22.5, Inchiostro, 1.8);
            Freccia(p, 12, 12, 1.5, 12, Inchiostro, 1.8);
            Freccia(p, 12, 12, 22.5, 12, Inchiostro, 1.8);
            break;
        case 113: Ingranaggio(p, 12, 12, 10, Grigio); break;  // settings
        case 114:  // automatic design of the diffuse mesh
            Ferri(p, 2, 2, 20, 20, 5, true, Rosso, 1.3);
            Ferri(p, 2, 2, 20, 20, 5, false, Verde, 1.3);
            Riquadro(p, 11, 11, 12, 12, Inchiostro, Carta, 1);
            LetteraA(p, 13.5, 12.5, Blu);
            break;
        case 115:  // integrative zones laid out over the slab
            ContornoSoletta(p);
            Zona(p, 4, 6, 7, 6, Rosso, 2);
            Zona(p, 13, 6, 7, 5, Rosso, 2);
            Zona(p, 13, 14, 7, 5, Verde, 2);
            break;
        case 116:  // colour map of the required steel
        case 117: {  // its excess
            const QColor scala[4] = {QColor(30, 60, 220), QColor(30, 190, 80), QColor(240, 210, 30), QColor(220, 40, 30)};
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    const int c = k == 116 ? std::min(3, (i + j) / 2) : std::min(3, 3 - (i + j) / 2);
                    p.fillRect(QRectF(2 + i * 5, 2 + j * 5, 5, 5), scala[c]);
                }
            p.setPen(Penna(Inchiostro, 1));
            p.drawRect(QRectF(2, 2, 20, 20));
            if (k == 117) {
                Riquadro(p, 12, 12, 11, 11, Inchiostro, Carta, 1);
                Linea(p, 14.5, 17.5, 20.5, 17.5, Inchiostro, 2);
                Linea(p, 17.5, 14.5, 17.5, 20.5, Inchiostro, 2);
            }
            break;
        }
        case 118:  // the diffuse mesh shown
            ContornoSoletta(p);
            Ferri(p, 2, 4, 20, 10, 3, true, Rosso, 1.3);
            Ferri(p, 10, 14, 12, 6, 1, true, Rosso, 1.3);
            break;
        case 119:  // the integrative bars shown
            ContornoSoletta(p);
            Zona(p, 12, 6, 8, 8, Rosso, 3);
            break;
        case 120:  // the sheet preview
            Riquadro(p, 1, 3, 22, 18, Inchiostro, Carta, 1.2);
            Riquadro(p, 3, 5, 18, 14, Grigio, Qt::NoBrush, 0.8);
            Riquadro(p, 14, 15, 7, 4, Inchiostro, QColor(220, 220, 220), 0.8);
            Riquadro(p, 5, 7, 7, 6, Rosso, Qt::NoBrush, 1);
            Linea(p, 5, 16, 12, 16, Blu, 1.4);
            break;
        case 121:  // a new integrative zone
            Zona(p, 2, 4, 16, 12, Rosso, 4);
            PiuVerde(p, 17.5, 17.5, 5.5);
            break;
        case 122:  // additional bars around the columns
            Ferri(p, 2, 3, 20, 18, 4, true, Rosso, 1.3);
            Riquadro(p, 8, 8, 8, 8, Magenta.darker(130), Magenta, 1);
            break;
        case 123:  // around the piles
            Ferri(p, 2, 3, 20, 18, 4, false, Verde, 1.3);
            p.setPen(Penna(Magenta.darker(130), 1));
            p.setBrush(Magenta);
            p.drawEllipse(QPointF(12, 12), 5, 5);
            p.setBrush(Qt::NoBrush);
            break;
        case 124:  // welded mesh
            p.fillRect(QRectF(2, 2, 20, 20), QColor(235, 235, 235));
            for (int i = 0; i < 6; ++i) {
                Linea(p, 2 + i * 4, 2, 2 + i * 4, 22, Grigio.darker(140), 1);
                Linea(p, 2, 2 + i * 4, 22, 2 + i * 4, Grigio.darker(140), 1);
            }
            for (int i = 0; i < 6; ++i)
                for (int j = 0; j < 6; ++j) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(Inchiostro);
                    p.drawEllipse(QPointF(2 + i * 4, 2 + j * 4), 0.9, 0.9);
                }
            p.setBrush(Qt::NoBrush);
            break;
        case 125:  // perimeter curbs: a strip with stirrups along the edge
            ContornoSoletta(p);
            p.fillRect(QRectF(2, 4, 20, 4), Giallo);
            for (int i = 0; i < 6; ++i) Linea(p, 3.5 + i * 3.4, 4, 3.5 + i * 3.4, 8, Rosso, 1.1);
            Riquadro(p, 2, 4, 20, 4, Inchiostro, Qt::NoBrush, 1);
            break;
        case 126: {  // punching: the control perimeter round a column
            Riquadro(p, 9, 9, 6, 6, Magenta.darker(130), Magenta, 1);
            QPen t = Penna(Ciano, 1.5);
            t.setStyle(Qt::DashLine);
            p.setPen(t);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 6, 6);
            break;
        }
        case 127:  // shear studs: rows of pins on a rail
            for (int r = 0; r < 2; ++r) {
                const double y = 10 + r * 10;
                Linea(p, 2, y, 22, y, Grigio.darker(130), 2);
                for (int i = 0; i < 4; ++i) {
                    const double x = 4.5 + i * 5;
                    Linea(p, x, y, x, y - 6, Giallo.darker(130), 1.8);
                    Linea(p, x - 1.6, y - 6.5, x + 1.6, y - 6.5, Inchiostro, 1.8);
                }
            }
            break;
        case 128:  // copy
            Zona(p, 2, 2, 12, 10, Grigio, 3);
            Zona(p, 10, 12, 12, 10, Rosso, 3);
            break;
        case 129: {  // copy to the other face
            Zona(p, 3, 2, 18, 7, Rosso, 2);
            QPen t = Penna(Inchiostro, 1);
            t.setStyle(Qt::DashLine);
            p.setPen(t);
            p.drawLine(QPointF(1, 12), QPointF(23, 12));
            Zona(p, 3, 15, 18, 7, Verde, 2);
            Freccia(p, 12, 8.5, 12, 16, Blu, 1.6);
            break;
        }
        case 130: {  // move
            QPen t = Penna(Grigio, 1);
            t.setStyle(Qt::DashLine);
            p.setPen(t);
            p.drawRect(QRectF(2, 2, 10, 9));
            Zona(p, 12, 13, 10, 9, Rosso, 3);
            Freccia(p, 6, 7, 15, 16, Blu, 1.8);
            break;
        }
        case 131:  // delete an integrative zone
            Zona(p, 2, 4, 16, 14, Rosso, 4);
            CroceRossa(p, 12, 12, 10);
            break;
        case 132:  // node information
            p.setPen(Penna(Blu.darker(140), 1));
            p.setBrush(Blu);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            p.setBrush(Qt::NoBrush);
            Linea(p, 12, 10.5, 12, 18, Qt::white, 2.6);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(12, 6.5), 1.6, 1.6);
            p.setBrush(Qt::NoBrush);
            break;
        case 133: {  // outline editing: the outline and its vertex grips
            QPolygonF s;
            s << QPointF(3, 5) << QPointF(15, 3) << QPointF(21, 11) << QPointF(17, 21) << QPointF(4, 18);
            p.setPen(Penna(Grigio.darker(130), 1.6));
            p.drawPolygon(s);
            for (const QPointF& v : s) Riquadro(p, v.x() - 1.8, v.y() - 1.8, 3.6, 3.6, Blu.darker(140), Blu, 0.8);
            break;
        }
        case 134:  // new section, direction 1
            LineaSezione(p, 2, 8, 22, 8);
            Cifra1(p, 9, 13, Inchiostro);
            break;
        case 135:  // new section, direction 2
            LineaSezione(p, 8, 22, 8, 2);
            Cifra2(p, 15, 13, Inchiostro);
            break;
        case 136:  // move a section
            LineaSezione(p, 2, 6, 22, 6);
            Freccia(p, 12, 12, 12, 23, Verde, 1.8);
            break;
        case 137:  // delete a section
            LineaSezione(p, 2, 6, 22, 6);
            CroceRossa(p, 12, 12, 10);
            break;
        case 138: {  // move the position reference
            p.setPen(Penna(Rosso, 1.5));
            p.drawEllipse(QPointF(15, 15), 5, 5);
            Linea(p, 15, 8, 15, 22, Rosso, 1.2);
            Linea(p, 8, 15, 22, 15, Rosso, 1.2);
            Freccia(p, 2, 2, 10, 10, Blu, 1.8);
            break;
        }
        case 139: QuotaBase(p, 16); break;  // horizontal dimension
        case 140:                           // vertical dimension
            Quota(p, 16, 21, 16, 3, 8);
            Riquadro(p, 18, 9, 3, 6, Verde, Verde, 0.6);
            break;
        case 141:  // aligned dimension
            Quota(p, 4, 20, 20, 8, 7);
            break;
        case 142:  // delete a dimension
            QuotaBase(p);
            CroceRossa(p, 12, 12, 10);
            break;
        case 143:  // chained dimensions
            Quota(p, 2, 14, 9, 14, 7);
            Quota(p, 9, 14, 15, 14, 7);
            Quota(p, 15, 14, 22, 14, 7);
            break;
        case 144:  // move a dimension
            QuotaBase(p);
            Freccia(p, 12, 12, 12, 23, Verde, 1.8);
            break;
        case 145: {  // dimension visibility: an eye
            QuotaBase(p);
            QPainterPath occhio;
            occhio.moveTo(4, 18);
            occhio.quadTo(12, 11, 20, 18);
            occhio.quadTo(12, 25, 4, 18);
            p.setPen(Penna(Inchiostro, 1.3));
            p.setBrush(Carta);
            p.drawPath(occhio);
            p.setBrush(Blu);
            p.drawEllipse(QPointF(12, 18), 2.4, 2.4);
            p.setBrush(Qt::NoBrush);
            break;
        }
        case 146:  // automatic dimensions
            QuotaBase(p);
            LetteraA(p, 8.5, 13.5, Blu);
            break;
        case 147:  // quantities: a calculator
            p.setPen(Penna(Inchiostro, 1.2));
            p.setBrush(QColor(90, 90, 100));
            p.drawRoundedRect(QRectF(4, 1.5, 16, 21), 2, 2);
            p.setBrush(Qt::NoBrush);
            Riquadro(p, 6.5, 4, 11, 4.5, Inchiostro, QColor(190, 230, 190), 0.8);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    Riquadro(p, 6.5 + c * 4, 11 + r * 3.6, 3, 2.6, Inchiostro, c == 2 && r == 2 ? Giallo : Carta, 0.5);
            break;
        default: break;
    }
}

}  // namespace

QImage ImmagineIcona(int k, int lato) {
    if (!NomeIcona(k, false) || lato <= 0) return {};
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(lato / 24.0, lato / 24.0);
    Disegna(p, k);
    return img;
}

QImage ImmagineIconaNome(const QString& nome, bool grande) {
    for (int k : OffsetIcone())
        if (nome == QLatin1String(NomeIcona(k, grande))) return ImmagineIcona(k, grande ? 24 : 16);
    return {};
}

QIcon IconaDaTag(int32_t tag) {
    const int n = tag / 1000, k = tag % 1000;
    if ((n != 1 && n != 2) || !NomeIcona(k, n == 2)) return {};
    return QIcon(QPixmap::fromImage(ImmagineIcona(k, n == 2 ? 24 : 16)));
}

QImage ImmagineInformazioni(int larghezza, int altezza) {
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sfondo(0, 0, 0, altezza);
    sfondo.setColorAt(0, QColor(18, 34, 70));
    sfondo.setColorAt(1, QColor(48, 86, 140));
    p.fillRect(img.rect(), sfondo);

    // A slab on its columns with the two bar directions, on the right.
    const QRectF piano(larghezza * 0.52, altezza * 0.22, larghezza * 0.42, altezza * 0.6);
    QPolygonF soletta;
    soletta << piano.topLeft() << piano.topRight() << QPointF(piano.right(), piano.center().y())
            << QPointF(piano.center().x(), piano.center().y()) << QPointF(piano.center().x(), piano.bottom())
            << piano.bottomLeft();
    p.setPen(QPen(QColor(200, 200, 210), 2));
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawPolygon(soletta);
    p.setClipRegion(QRegion(soletta.toPolygon()));
    p.setPen(QPen(QColor(230, 60, 50), 1.5));
    for (double y = piano.top() + 8; y < piano.bottom(); y += 12)
        p.drawLine(QPointF(piano.left(), y), QPointF(piano.right(), y));
    p.setPen(QPen(QColor(60, 200, 90), 1.5));
    for (double x = piano.left() + 8; x < piano.right(); x += 12)
        p.drawLine(QPointF(x, piano.top()), QPointF(x, piano.bottom()));
    p.setClipping(false);
    p.setPen(QPen(QColor(250, 220, 60), 1));
    p.setBrush(QColor(170, 40, 160));
    for (const QPointF& c : {QPointF(piano.left() + 18, piano.top() + 18), QPointF(piano.right() - 18, piano.top() + 18),
                             QPointF(piano.left() + 18, piano.bottom() - 18),
                             QPointF(piano.center().x() - 18, piano.center().y() + 10)})
        p.drawRect(QRectF(c.x() - 6, c.y() - 6, 12, 12));

    p.setPen(QColor(240, 240, 250));
    QFont titolo(QStringLiteral("Arial"));
    titolo.setPixelSize(44);
    titolo.setBold(true);
    p.setFont(titolo);
    p.drawText(QRectF(20, altezza * 0.36, larghezza * 0.5, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vilmor"));
    QFont sotto(QStringLiteral("Arial"));
    sotto.setPixelSize(15);
    p.setFont(sotto);
    p.drawText(QRectF(22, altezza * 0.36 + 58, larghezza * 0.5, 44), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Armature delle solette in calcestruzzo armato"));
    return img;
}

}  // namespace vilmor
