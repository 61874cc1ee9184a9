// The outline editor "Modifica perimetro": a small window kept above the main window and shown
// without taking the focus, so the plan keeps the mouse. Its logic is the engine's
// (app/DialogoPolig.h).
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "app/DialogoPolig.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace vilmor {

class FrmPolig : public QWidget {
    Q_OBJECT
public:
    explicit FrmPolig(QWidget* parent = nullptr);
    ~FrmPolig() override;

    DialogoPolig& Logica() { return *logica_; }
    QListWidget* List1() const { return lista_; }
    QLineEdit* Text1(int i) const { return testi_[static_cast<size_t>(i)]; }
    QLabel* Label2(int i) const { return etichette_[static_cast<size_t>(i)]; }
    QToolButton* Check1(int i) const { return interruttori_[static_cast<size_t>(i)]; }
    QPushButton* Command1(int i) const { return pulsanti_[static_cast<size_t>(i)]; }

    // As "Annulla": the edits are dropped and the window closes.
    void Annulla();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Mostra();
    void Leggi();

    std::unique_ptr<DialogoPolig> logica_;
    QListWidget* lista_ = nullptr;
    std::array<QLineEdit*, 2> testi_{};
    std::array<QLabel*, 3> etichette_{};
    std::array<QToolButton*, 2> interruttori_{};
    std::array<QPushButton*, 5> pulsanti_{};
    bool aggiornando_ = false;
    bool chiuso_ = false;
};

}  // namespace vilmor
