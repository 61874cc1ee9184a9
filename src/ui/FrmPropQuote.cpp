#include "ui/FrmPropQuote.h"

#include <QPushButton>
#include <QRadioButton>

namespace vilmor {

FrmPropQuote::FrmPropQuote(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(DialogoPropQuote::Titolo));
    logica_.Apri();
    opzioni_[0] = new QRadioButton(QString::fromStdString(logica_.Didascalia), this);
    opzioni_[0]->setGeometry(12, 12, 300, 24);
    opzioni_[1] = new QRadioButton(QString::fromUtf8(DialogoPropQuote::Tutte), this);
    opzioni_[1]->setGeometry(12, 40, 300, 24);
    opzioni_[static_cast<size_t>(logica_.Opzione)]->setChecked(true);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setGeometry(12, 76, 140, 28);
    annulla_ = new QPushButton(QStringLiteral("&Annulla"), this);
    annulla_->setGeometry(172, 76, 140, 28);
    setFixedSize(324, 116);
    connect(ok_, &QPushButton::clicked, this, [this] {
        logica_.Opzione = opzioni_[1]->isChecked() ? 1 : 0;
        logica_.Ok();
        accept();
    });
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vilmor
