// The settings dialog "Impostazioni": the settings' panel, the layer table, the background,
// icon and tolerance options and the five buttons. Its logic is the engine's
// (app/DialogoImpostazioni.h).
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/DialogoImpostazioni.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vilmor {

class PannelloQt;

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    PannelloQt* PropertyGrid1() const { return griglia_; }
    QPushButton* Label8(int i) const { return campioni_.at(static_cast<size_t>(i)); }
    QCheckBox* Check4(int i) const { return attivi_.at(static_cast<size_t>(i)); }
    QCheckBox* Check1(int i) const { return osnap_.at(static_cast<size_t>(i)); }
    QLineEdit* Text2(int i) const { return nomi_.at(static_cast<size_t>(i)); }
    QRadioButton* Option2(int i) const { return icone_.at(static_cast<size_t>(i)); }
    QRadioButton* Option1(int i) const { return tolleranza_.at(static_cast<size_t>(i)); }
    QRadioButton* Option5(int i) const { return sfondo_.at(static_cast<size_t>(i)); }
    QLineEdit* Text1(int i) const { return testiTolleranza_.at(static_cast<size_t>(i)); }
    QPushButton* Command(int i) const { return pulsanti_.at(static_cast<size_t>(i - 1)); }  // 1 .. 5
    DialogoImpostazioni& Logica() { return *logica_; }

    // "&Annulla", Escape and the close box alike.
    void reject() override;

private:
    void Mostra();
    void Leggi();
    // The layer rows in one column, or in that many halves side by side.
    void DisponiLayer(int colonne);

    PannelloQt* griglia_ = nullptr;
    QGridLayout* tabella_ = nullptr;
    std::array<QLineEdit*, RigheLayer> nomi_{};
    std::array<QPushButton*, RigheLayer> campioni_{};
    std::array<QCheckBox*, RigheLayer> attivi_{};
    std::array<QCheckBox*, RigheOsnap> osnap_{};
    std::array<QRadioButton*, 2> icone_{}, tolleranza_{}, sfondo_{};
    QButtonGroup *gruppoIcone_ = nullptr, *gruppoTolleranza_ = nullptr, *gruppoSfondo_ = nullptr;
    std::array<QLineEdit*, 2> testiTolleranza_{};
    std::array<QPushButton*, 5> pulsanti_{};  // Ok, Annulla, Salva, Reset, Colori default
    std::unique_ptr<DialogoImpostazioni> logica_;
};

}  // namespace vilmor
