#include "ui/FrmPolig.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "ui/CtrlVid.h"

namespace vilmor {

namespace {

constexpr int M = 8, Larghezza = 300;

// The toggles' pictures, 16 x 16: a dot grid, and a snap marker on a corner.
QIcon Figura(bool griglia) {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (griglia) {
        for (int x = 2; x < 16; x += 4)
            for (int y = 2; y < 16; y += 4) p.fillRect(x, y, 2, 2, QColor(64, 64, 64));
    } else {
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawLine(1, 14, 14, 14);
        p.drawLine(1, 14, 1, 1);
        p.setPen(QPen(QColor(255, 0, 255), 2));
        p.drawRect(QRect(-2, 10, 7, 7).translated(1, -1));
    }
    return QIcon(QPixmap::fromImage(img));
}

}  // namespace

FrmPolig::FrmPolig(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), logica_(std::make_unique<DialogoPolig>()) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QString::fromUtf8(DialogoPolig::Titolo));
    int y = M;
    auto* titolo = new QLabel(QStringLiteral("Coordinate dei vertici"), this);
    titolo->setGeometry(M, y, Larghezza - 2 * M, 18);
    y += 20;
    lista_ = new QListWidget(this);
    lista_->setGeometry(M, y, Larghezza - 2 * M, 170);
    QFont fisso(QStringLiteral("Monospace"));
    fisso.setStyleHint(QFont::TypeWriter);
    lista_->setFont(fisso);
    y += 176;
    etichette_[2] = new QLabel(this);
    QFont grassetto = etichette_[2]->font();
    grassetto.setBold(true);
    etichette_[2]->setFont(grassetto);
    etichette_[2]->setGeometry(M, y, 140, 20);
    y += 24;
    const char* nomi[2] = {"X =", "Y ="};
    for (int i = 0; i < 2; ++i) {
        etichette_[static_cast<size_t>(i)] = new QLabel(QString::fromUtf8(nomi[i]), this);
        etichette_[static_cast<size_t>(i)]->setGeometry(M, y + i * 28, 30, 24);
        testi_[static_cast<size_t>(i)] = new QLineEdit(this);
        testi_[static_cast<size_t>(i)]->setGeometry(M + 32, y + i * 28, 110, 24);
    }
    const char* interruttori[2] = {"Grid", "Osnap"};
    int x = M + 150;
    for (int i = 0; i < 2; ++i) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setText(QString::fromUtf8(interruttori[i]));
        b->setIcon(Figura(i == 0));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        // As wide as icon and text need.
        const int w = std::max(64, b->sizeHint().width());
        b->setGeometry(x, y, w, 24);
        x += w + 4;
        interruttori_[static_cast<size_t>(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i] { logica_->Check1_Click(i); });
    }
    y += 60;
    const char* testi[5] = {"Elimina vertice", "Inserisci vertice", "Assegna coordinate al vertice", "Assegna perimetro",
                            "Annulla"};
    const int larghezza = std::max(Larghezza, x - 4 + M);
    for (int i : {2, 0, 1, 3, 4}) {
        auto* b = new QPushButton(QString::fromUtf8(testi[i]), this);
        b->setGeometry(M, y, larghezza - 2 * M, 26);
        b->setAutoDefault(false);
        pulsanti_[static_cast<size_t>(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { logica_->Command1_Click(i); });
        y += 30;
    }
    setFixedSize(larghezza, y + M - 4);

    DialogoPolig& l = *logica_;
    l.MostraControlli = [this] { Mostra(); };
    l.LeggiControlli = [this] { Leggi(); };
    l.Chiudi = [this] {
        chiuso_ = true;
        close();
    };
    // The plan reads the boxes at every redraw: they are kept in step as they are typed in.
    for (size_t i = 0; i < 2; ++i)
        connect(testi_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { logica_->Controlli.Testi[i] = t.toStdString(); });
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (!aggiornando_) logica_->List1_Click(riga);
    });
    l.Apri();
}

FrmPolig::~FrmPolig() {
    if (!chiuso_) logica_->Scarica();
}

void FrmPolig::Annulla() { logica_->Command1_Click(4); }

void FrmPolig::closeEvent(QCloseEvent* e) {
    if (!chiuso_) {
        chiuso_ = true;
        logica_->Scarica();
    }
    QWidget::closeEvent(e);
}

void FrmPolig::Mostra() {
    if (aggiornando_) return;
    aggiornando_ = true;
    const ControlliPolig& c = logica_->Controlli;
    QStringList righe;
    for (const std::string& r : c.Righe) righe << QString::fromStdString(r);
    QStringList attuali;
    for (int k = 0; k < lista_->count(); ++k) attuali << lista_->item(k)->text();
    if (attuali != righe) {
        lista_->clear();
        lista_->addItems(righe);
    }
    if (c.RigaSelezionata >= 0 && c.RigaSelezionata < lista_->count()) lista_->setCurrentRow(c.RigaSelezionata);
    for (size_t i = 0; i < 2; ++i) {
        testi_[i]->setText(QString::fromStdString(c.Testi[i]));
        QPalette p = testi_[i]->palette();
        p.setColor(QPalette::Text, CtrlVid::Colore(c.Colori[i]));
        testi_[i]->setPalette(p);
    }
    etichette_[2]->setText(QString::fromStdString(c.Vertice));
    interruttori_[0]->setChecked(c.Griglia);
    interruttori_[1]->setChecked(c.Osnap);
    aggiornando_ = false;
}

void FrmPolig::Leggi() {
    ControlliPolig& c = logica_->Controlli;
    for (size_t i = 0; i < 2; ++i) c.Testi[i] = testi_[i]->text().toStdString();
    c.Griglia = interruttori_[0]->isChecked();
    c.Osnap = interruttori_[1]->isChecked();
}

}  // namespace vilmor
