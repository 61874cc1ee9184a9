// The dialog "Inserimento multiplo armature aggiuntive" of the zones around columns and piles.
// Its logic is the engine's (app/PannelloAggMulti.h).
#pragma once

#include <QDialog>
#include <memory>

#include "app/PannelloAggMulti.h"
#include "app/ZonePilastri.h"

class QPushButton;

namespace vilmor {

class PannelloQt;

class FrmAggMulti : public QDialog {
    Q_OBJECT
public:
    explicit FrmAggMulti(QWidget* parent = nullptr);
    ~FrmAggMulti() override;

    PannelloQt* PropertyGrid1() const { return griglia_; }
    QPushButton* Command1(int indice) const { return indice == 1 ? ok_ : annulla_; }

    // "Annulla", Escape and the close box alike.
    void reject() override;

private:
    PannelloQt* griglia_ = nullptr;
    QPushButton *ok_ = nullptr, *annulla_ = nullptr;
    std::unique_ptr<PannelloAggMulti> logica_;
};

// What the engine shows for the zones around columns and piles: the dialog, modal.
class FinestraAggMulti : public DialogoAggMulti {
public:
    explicit FinestraAggMulti(QWidget* padre) : padre_(padre) {}
    void Mostra() override;

private:
    QWidget* padre_;
};

}  // namespace vilmor
