// The dimension visibility dialog, modal: two options and two buttons. Its logic is the
// engine's (app/DialogoPropQuote.h); the close box and Escape act as "&Annulla".
#pragma once

#include <QDialog>
#include <array>

#include "app/DialogoPropQuote.h"

class QPushButton;
class QRadioButton;

namespace vilmor {

class FrmPropQuote : public QDialog {
    Q_OBJECT
public:
    explicit FrmPropQuote(QWidget* parent = nullptr);

    QRadioButton* Option1(int i) const { return opzioni_[static_cast<size_t>(i)]; }
    // 1 "Ok", 0 "&Annulla".
    QPushButton* Command1(int i) const { return i == 1 ? ok_ : annulla_; }

private:
    DialogoPropQuote logica_;
    std::array<QRadioButton*, 2> opzioni_{};
    QPushButton *ok_ = nullptr, *annulla_ = nullptr;
};

}  // namespace vilmor
