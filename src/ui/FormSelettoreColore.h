// The colour picker "Selettore colore": the 255 ACI colours as small squares, the red frame of
// the chosen one, the blue frame under the pointer, the chosen index and its red, green and blue
// parts. Reads and sets `EsportaDxf.ColoreACIScelto`; its state is app/SelettoreColore.h.
#pragma once

#include <QDialog>
#include <array>

#include "app/SelettoreColore.h"

class QLabel;
class QPushButton;

namespace vilmor {

class AreaColori;
class AnteprimaColore;

class Form_Selettore_Colore : public QDialog {
    Q_OBJECT
public:
    explicit Form_Selettore_Colore(QWidget* parent = nullptr);

    QWidget* Picture1() const;
    QWidget* Pict_Sel(int i) const;
    QLabel* Indice_Colore() const { return indiceColore_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2(int i) const { return label2_[static_cast<size_t>(i)]; }
    QPushButton* Command1(int i) const { return i == 0 ? ok_ : annulla_; }
    const StatoSelettore& Stato() const { return stato_; }

    // The close box and Escape leave the caller's index as it was.
    void reject() override;

private:
    friend class AreaColori;
    void Aggiorna();

    StatoSelettore stato_;
    AreaColori* area_ = nullptr;
    std::array<AnteprimaColore*, 2> anteprima_{};
    QLabel *indiceColore_ = nullptr, *label1_ = nullptr;
    std::array<QLabel*, 3> label2_{};
    QPushButton *ok_ = nullptr, *annulla_ = nullptr;
};

}  // namespace vilmor
