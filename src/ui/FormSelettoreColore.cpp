#include "ui/FormSelettoreColore.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "dxf/ColoriACI.h"

namespace vilmor {

namespace {

QColor Colore(int32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

// A frame 2 pixels wide whose outer edge runs through both corners (inclusive).
void DisegnaCornice(QPainter& p, const Cornice& c, const QColor& colore) {
    const int w = c.X2 - c.X1 + 1, h = c.Y2 - c.Y1 + 1;
    p.fillRect(c.X1, c.Y1, w, 2, colore);
    p.fillRect(c.X1, c.Y2 - 1, w, 2, colore);
    p.fillRect(c.X1, c.Y1, 2, h, colore);
    p.fillRect(c.X2 - 1, c.Y1, 2, h, colore);
}

constexpr int LarghezzaArea = 610, AltezzaArea = 302, LatoAnteprima = 78;

}  // namespace

// The colour area `Picture1`: painted from the picker's state; tracks the pointer for the hover
// frame and selects on the release of any button.
class AreaColori : public QWidget {
public:
    explicit AreaColori(Form_Selettore_Colore* f) : QWidget(f), f_(f) {
        setMouseTracking(true);
        setAutoFillBackground(true);
        setFixedSize(LarghezzaArea, AltezzaArea);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (const CellaSelettore& k : CelleSelettore())
            p.fillRect(k.Left, k.Top, k.Right - k.Left + 1, k.Bottom - k.Top + 1, Colore(k.Colore));
        const StatoSelettore& s = f_->stato_;
        if (s.Evidenziata() >= 0) DisegnaCornice(p, CorniceCella(s.Evidenziata()), QColor(0, 0, 255));
        if (s.Selezionata() >= 0) DisegnaCornice(p, CorniceCella(s.Selezionata()), QColor(255, 0, 0));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (f_->stato_.Muovi(e->position().toPoint().x(), e->position().toPoint().y())) f_->Aggiorna();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (f_->stato_.Rilascia(e->position().toPoint().x(), e->position().toPoint().y())) f_->Aggiorna();
    }

private:
    Form_Selettore_Colore* f_;
};

// A preview square `Pict_Sel`: the colour over (1, 1) to (76, 76).
class AnteprimaColore : public QWidget {
public:
    explicit AnteprimaColore(QWidget* padre) : QWidget(padre) { setFixedSize(LatoAnteprima, LatoAnteprima); }
    void Imposta(int32_t rgb) {
        colore_ = rgb;
        update();
    }
    int32_t Valore() const { return colore_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(1, 1, 76, 76, Colore(colore_));
    }

private:
    int32_t colore_ = 0;
};

Form_Selettore_Colore::Form_Selettore_Colore(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QStringLiteral("Selettore colore"));
    auto* frame = new QGroupBox(QStringLiteral(" CAD Color Index: "), this);
    frame->setGeometry(8, 8, LarghezzaArea + 16, AltezzaArea + 30);
    area_ = new AreaColori(this);
    area_->setParent(frame);
    area_->move(8, 22);

    const int y = 8 + AltezzaArea + 30 + 10;
    for (int i = 0; i < 2; ++i) {
        anteprima_[static_cast<size_t>(i)] = new AnteprimaColore(this);
        anteprima_[static_cast<size_t>(i)]->move(8 + i * (LatoAnteprima + 10), y);
    }
    const int xl = 8 + 2 * (LatoAnteprima + 10) + 10;
    indiceColore_ = new QLabel(QStringLiteral("Indice colore:"), this);
    indiceColore_->setGeometry(xl, y, 180, 20);
    label1_ = new QLabel(this);
    label1_->setGeometry(xl, y + 22, 180, 20);
    for (int i = 0; i < 3; ++i) {
        label2_[static_cast<size_t>(i)] = new QLabel(this);
        label2_[static_cast<size_t>(i)]->setGeometry(xl + 190, y + 22 * i, 120, 20);
    }
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setGeometry(8 + LarghezzaArea + 16 - 100, y, 100, 27);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setGeometry(8 + LarghezzaArea + 16 - 100, y + 34, 100, 27);
    setFixedSize(8 + LarghezzaArea + 16 + 8, y + LatoAnteprima + 10);

    connect(ok_, &QPushButton::clicked, this, [this] {
        stato_.Ok();
        done(QDialog::Accepted);
    });
    connect(annulla_, &QPushButton::clicked, this, [this] {
        stato_.Annulla();
        done(QDialog::Rejected);
    });

    stato_.Apri();
    anteprima_[1]->Imposta(RgbACI(stato_.Iniziale()));
    Aggiorna();
}

QWidget* Form_Selettore_Colore::Picture1() const { return area_; }
QWidget* Form_Selettore_Colore::Pict_Sel(int i) const { return anteprima_[static_cast<size_t>(i)]; }

void Form_Selettore_Colore::reject() { QDialog::reject(); }

void Form_Selettore_Colore::Aggiorna() {
    indiceColore_->setText(QString::fromStdString(stato_.IndiceColore()));
    label1_->setText(QString::fromStdString(stato_.Label1()));
    const auto parti = stato_.Label2();
    for (size_t i = 0; i < 3; ++i) label2_[i]->setText(QString::fromStdString(parti[i]));
    anteprima_[0]->Imposta(RgbACI(stato_.Corrente()));
    area_->update();
}

}  // namespace vilmor
