// The curb dialog "Cordolo perimetrale": the curb's panel, the information box, "Ok" and
// "Annulla". Its logic is the engine's (app/DialogoCordoli.h).
#pragma once

#include <QDialog>
#include <memory>

#include "app/DialogoCordoli.h"

class QPushButton;

namespace vilmor {

class PannelloQt;
class VisoreRTF;

class FrmCordoli : public QDialog {
    Q_OBJECT
public:
    // Opens on `Edit.ZonaCorrente` at once: panel, strip and information are set.
    explicit FrmCordoli(QWidget* parent = nullptr);
    ~FrmCordoli() override;

    PannelloQt* PropertyGrid1() const { return griglia_; }
    VisoreRTF* RichTextBox1() const { return info_; }
    QPushButton* Command2() const { return ok_; }       // "Ok"
    QPushButton* Command3() const { return annulla_; }  // "Annulla"
    DialogoCordoli& Logica() { return *logica_; }

    // "Annulla", Escape and the close box alike.
    void reject() override;

private:
    PannelloQt* griglia_ = nullptr;
    VisoreRTF* info_ = nullptr;
    QPushButton *ok_ = nullptr, *annulla_ = nullptr;
    std::unique_ptr<DialogoCordoli> logica_;
};

}  // namespace vilmor
