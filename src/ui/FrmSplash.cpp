#include "ui/FrmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "ui/Icone.h"

namespace vilmor {

FrmSplash::FrmSplash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFixedSize(Larghezza, Altezza);
    picture_ = new QLabel(this);
    picture_->setGeometry(0, 0, Larghezza, Altezza);
    picture_->setPixmap(QPixmap::fromImage(ImmagineInformazioni(Larghezza, Altezza)));
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);

    label1_ = new QLabel(QStringLiteral("build 2024.04.0015"), this);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(9);
    label1_->setFont(arial);
    label1_->setStyleSheet(QStringLiteral("color: rgb(235, 235, 245);"));
    label1_->adjustSize();
    label1_->move(20, 17);
    label1_->installEventFilter(this);

    // Runs from the moment the window exists, as the box's own life.
    timer1_ = new QTimer(this);
    timer1_->setSingleShot(true);
    timer1_->setInterval(IntervalloMs);
    connect(timer1_, &QTimer::timeout, this, &QDialog::accept);
    timer1_->start();
}

void FrmSplash::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}

void FrmSplash::mousePressEvent(QMouseEvent* e) {
    e->accept();
    accept();
}

bool FrmSplash::eventFilter(QObject* o, QEvent* e) {
    if (o == label1_ && e->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

}  // namespace vilmor
