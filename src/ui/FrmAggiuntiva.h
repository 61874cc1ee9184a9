// The integrative zone dialog: the zone's panel, the information box and four buttons. Its
// logic is the engine's (app/DialogoAggiuntiva.h); the window shows it and forwards the buttons.
#pragma once

#include <QDialog>
#include <memory>

#include "app/DialogoAggiuntiva.h"

class QPushButton;

namespace vilmor {

class PannelloQt;
class VisoreRTF;

class FrmAggiuntiva : public QDialog {
    Q_OBJECT
public:
    // Opens on `Edit.ZonaCorrente` at once: caption, panel and information are set.
    explicit FrmAggiuntiva(QWidget* parent = nullptr);
    ~FrmAggiuntiva() override;

    PannelloQt* PropertyGrid1() const { return griglia_; }
    VisoreRTF* RichTextBox1() const { return info_; }
    QPushButton* Command1() const { return modificaPerimetro_; }  // "Modifica perimetro"
    QPushButton* Command2() const { return ok_; }                 // "Ok"
    QPushButton* Command3() const { return annulla_; }            // "Annulla"
    QPushButton* Command4() const { return ricalcola_; }          // "Ricalcola passo"
    DialogoAggiuntiva& Logica() { return *logica_; }

    // "Annulla", Escape and the close box alike.
    void reject() override;

private:
    PannelloQt* griglia_ = nullptr;
    VisoreRTF* info_ = nullptr;
    QPushButton *modificaPerimetro_ = nullptr, *ok_ = nullptr, *annulla_ = nullptr, *ricalcola_ = nullptr;
    std::unique_ptr<DialogoAggiuntiva> logica_;
};

}  // namespace vilmor
