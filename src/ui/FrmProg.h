// The diffuse-mesh design dialog "Progetto amatura diffusa": the criteria's panel, the note,
// "Progetta" and "Annulla". Its logic is the engine's (app/DialogoProgettoDiffusa.h).
#pragma once

#include <QDialog>
#include <memory>

#include "app/DialogoProgettoDiffusa.h"

class QLabel;
class QPushButton;

namespace vilmor {

class PannelloQt;

class FrmProg : public QDialog {
    Q_OBJECT
public:
    // Opens at once: the warning, then the panel.
    explicit FrmProg(QWidget* parent = nullptr);
    ~FrmProg() override;

    PannelloQt* PropertyGrid1() const { return griglia_; }
    QPushButton* Command1(int indice) const { return indice == 0 ? progetta_ : annulla_; }
    QLabel* Label1() const { return nota_; }

    // "Annulla", Escape and the close box alike.
    void reject() override;

private:
    PannelloQt* griglia_ = nullptr;
    QLabel* nota_ = nullptr;
    QPushButton *progetta_ = nullptr, *annulla_ = nullptr;
    std::unique_ptr<DialogoProgettoDiffusa> logica_;
};

}  // namespace vilmor
