// The property panel of the main window: categories as expanded rows, under them text items
// with a title, a value and the identifier the engine gave them. The values are editable only
// while an edit handler (`DopoModifica`) is installed: without one an edit would be lost.
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

#include "base/Piattaforma.h"

namespace vilmor {

class PannelloQt : public QTreeWidget, public PannelloProprieta {
    Q_OBJECT
public:
    explicit PannelloQt(QWidget* parent = nullptr);

    void Pulisci() override;
    int AggiungiCategoria(const std::string& titolo) override;
    void Espandi(int categoria) override;
    void AggiungiVoce(int categoria, const std::string& titolo, const std::string& valore,
                      int32_t id) override;
    void ImpostaValore(int32_t id, const std::string& valore) override;

    // The item of that identifier, or null.
    QTreeWidgetItem* Voce(int32_t id) const;
    // A finished edit of the value: hands it to `DopoModifica`, whose answer the item keeps.
    // The handler may rebuild the panel.
    void ModificaVoce(int32_t id, const std::string& testo);
    using QTreeWidget::edit;

    static constexpr int ColonnaTitolo = 0, ColonnaValore = 1;
    static constexpr int RuoloId = Qt::UserRole;

protected:
    // Every edit starts here: the item's editable flag follows the handler as it is now, which
    // may have been installed or removed since the item was added.
    bool edit(const QModelIndex& indice, EditTrigger azione, QEvent* evento) override;

private:
    void AggiornaModificabile(QTreeWidgetItem* voce) const;
    std::vector<QTreeWidgetItem*> categorie_;
};

}  // namespace vilmor
