#include "ui/FrmAggMulti.h"

#include <QPushButton>

#include "ui/PannelloQt.h"

namespace vilmor {

namespace {

constexpr int Margine = 8, Larghezza = 330, AltezzaGriglia = 300;
constexpr int YPulsanti = Margine + AltezzaGriglia + Margine;
constexpr int AltezzaPulsante = 25, LarghezzaPulsante = 161;

}  // namespace

FrmAggMulti::FrmAggMulti(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(PannelloAggMulti::Titolo));
    setFixedSize(Margine + Larghezza + Margine, YPulsanti + AltezzaPulsante + Margine);
    griglia_ = new PannelloQt(this);
    griglia_->setGeometry(Margine, Margine, Larghezza, AltezzaGriglia);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setGeometry(Margine, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setGeometry(Margine + LarghezzaPulsante + 8, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    // Enter belongs to the panel's editor.
    ok_->setAutoDefault(false);
    annulla_->setAutoDefault(false);

    logica_ = std::make_unique<PannelloAggMulti>(*griglia_);
    logica_->Apri();
    AllargaPerPannello(*this, *griglia_);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (OkDelPannello(*griglia_, [this] { return logica_->Ok(); }, [this] { return logica_->VoceRifiutata; }))
            done(QDialog::Accepted);
    });
    connect(annulla_, &QPushButton::clicked, this, &FrmAggMulti::reject);
}

FrmAggMulti::~FrmAggMulti() = default;

void FrmAggMulti::reject() {
    logica_->Annulla();
    QDialog::reject();
}

void FinestraAggMulti::Mostra() {
    FrmAggMulti d(padre_);
    d.exec();
}

}  // namespace vilmor
