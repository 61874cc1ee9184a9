// The DXF export dialog "Disegno DXF": folder tree, slab files, export list, the 24 layer rows,
// R12, drawing scale and print ratio, and its buttons. Its logic is the engine's
// (app/DialogoDxf.h).
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/DialogoDxf.h"

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace vilmor {

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
    ~Form5() override;

    DialogoDxf& Logica() { return *logica_; }
    QLabel* label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QTreeView* Dir1() const { return cartelle_; }
    QListWidget* File1() const { return file_; }
    QListWidget* List1() const { return elenco_; }
    QLineEdit* Text1(int i) const { return nomi_[static_cast<size_t>(i)]; }
    QPushButton* Label5(int i) const { return campioni_[static_cast<size_t>(i)]; }
    QCheckBox* Check2(int i) const { return disegna_[static_cast<size_t>(i)]; }
    QCheckBox* Check1() const { return r12_; }
    QRadioButton* Option2(int i) const { return i == 1 ? scala50_ : scala100_; }
    QLineEdit* Text2(int i) const { return i == 0 ? mm_ : unita_; }
    // 1 "Genera File &DXF", 2 "&Esci", 3 "Aggiungi  >>", 4 "Rimuovi <<", 5 "Aggiungi tutti >>",
    // 6 "Rimuovi tutti <<", 7 "Salva impostazioni", 8 "Impostazioni di default",
    // 9 "Visualizza computo", 10 "?".
    QPushButton* Command(int n) const;

    // A folder chosen in the tree (also what a click there does).
    void ScegliCartella(const QString& cartella);

private:
    void Mostra();
    void Leggi();
    std::vector<int> Selezionati() const;

    std::unique_ptr<DialogoDxf> logica_;
    QLabel *label3_ = nullptr, *label4_ = nullptr;
    QTreeView* cartelle_ = nullptr;
    QFileSystemModel* modello_ = nullptr;
    QListWidget *file_ = nullptr, *elenco_ = nullptr;
    std::array<QLineEdit*, RigheDxf> nomi_{};
    std::array<QPushButton*, RigheDxf> campioni_{};
    std::array<QCheckBox*, RigheDxf> disegna_{};
    QCheckBox* r12_ = nullptr;
    QRadioButton *scala50_ = nullptr, *scala100_ = nullptr;
    QLineEdit *mm_ = nullptr, *unita_ = nullptr;
    std::array<QPushButton*, 11> comandi_{};
    // The chosen folder is kept in view while the tree loads, until the user moves the tree;
    // the tree opened by the program is not the user's doing.
    bool seguiCorrente_ = true;
    bool mostrando_ = false;
};

}  // namespace vilmor
