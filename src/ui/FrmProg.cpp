#include "ui/FrmProg.h"

#include <QLabel>
#include <QPushButton>

#include "ui/PannelloQt.h"

namespace vilmor {

namespace {

// Layout, pixels: the panel, the note under it, the two buttons at the bottom.
constexpr int Margine = 8, Larghezza = 340;
constexpr int AltezzaGriglia = 290, AltezzaNota = 56;
constexpr int YNota = Margine + AltezzaGriglia + Margine;
constexpr int YPulsanti = YNota + AltezzaNota + Margine;
constexpr int AltezzaPulsante = 25, LarghezzaPulsante = 166;

}  // namespace

FrmProg::FrmProg(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(DialogoProgettoDiffusa::Titolo));
    setFixedSize(Margine + Larghezza + Margine, YPulsanti + AltezzaPulsante + Margine);
    griglia_ = new PannelloQt(this);
    griglia_->setGeometry(Margine, Margine, Larghezza, AltezzaGriglia);
    nota_ = new QLabel(QString::fromUtf8(DialogoProgettoDiffusa::Nota), this);
    nota_->setWordWrap(true);
    nota_->setGeometry(Margine, YNota, Larghezza, AltezzaNota);
    progetta_ = new QPushButton(QStringLiteral("Progetta"), this);
    progetta_->setGeometry(Margine, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setGeometry(Margine + LarghezzaPulsante + 8, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    // Enter belongs to the panel's editor, never to a button.
    progetta_->setAutoDefault(false);
    annulla_->setAutoDefault(false);

    logica_ = std::make_unique<DialogoProgettoDiffusa>(*griglia_);
    logica_->Apri();
    progetta_->setEnabled(logica_->ProgettaAbilitato());
    AllargaPerPannello(*this, *griglia_);

    connect(progetta_, &QPushButton::clicked, this, [this] {
        logica_->Progetta();
        done(QDialog::Accepted);
    });
    connect(annulla_, &QPushButton::clicked, this, &FrmProg::reject);
}

FrmProg::~FrmProg() = default;

void FrmProg::reject() {
    logica_->Annulla();
    QDialog::reject();
}

}  // namespace vilmor
