#include "ui/FrmCordoli.h"

#include <QPushButton>

#include "ui/PannelloQt.h"
#include "ui/VisoreRTF.h"

namespace vilmor {

namespace {

// Design layout, pixels: the panel above the information box, the two buttons below.
constexpr int Margine = 8, Larghezza = 380;
constexpr int AltezzaGriglia = 170, AltezzaInfo = 190;
constexpr int YPulsanti = Margine + AltezzaGriglia + Margine + AltezzaInfo + Margine;
constexpr int AltezzaPulsante = 25, LarghezzaPulsante = 188;

}  // namespace

FrmCordoli::FrmCordoli(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(DialogoCordoli::Titolo));
    setFixedSize(Margine + Larghezza + Margine, YPulsanti + AltezzaPulsante + Margine);
    griglia_ = new PannelloQt(this);
    griglia_->setGeometry(Margine, Margine, Larghezza, AltezzaGriglia);
    info_ = new VisoreRTF(this);
    info_->setGeometry(Margine, Margine + AltezzaGriglia + Margine, Larghezza, AltezzaInfo);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setGeometry(Margine, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    annulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    annulla_->setGeometry(Margine + LarghezzaPulsante + 4, YPulsanti, LarghezzaPulsante, AltezzaPulsante);
    annulla_->setAutoDefault(false);
    ok_->setAutoDefault(false);
    ok_->setDefault(true);

    logica_ = std::make_unique<DialogoCordoli>(*griglia_);
    logica_->MostraInfo = [this](const std::string& rtf) { info_->ImpostaTestoRTF(rtf); };
    logica_->Apri();
    AllargaPerPannello(*this, *griglia_);

    connect(ok_, &QPushButton::clicked, this, [this] {
        if (OkDelPannello(*griglia_, [this] { return logica_->Ok(); })) done(QDialog::Accepted);
    });
    connect(annulla_, &QPushButton::clicked, this, &FrmCordoli::reject);
}

FrmCordoli::~FrmCordoli() = default;

void FrmCordoli::reject() {
    logica_->Annulla();
    QDialog::reject();
}

}  // namespace vilmor
