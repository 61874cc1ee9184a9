// The property panel of the main window and of the dialogs: categories as expanded rows, under
// them text, check box and list items with a title, a value and the identifier the engine gave
// them. A text value is editable only while an edit handler (`DopoModifica`) is installed, a
// check box or a list only while a value handler (`ValoreCambiato`) is: without one the change
// would be lost.
#pragma once

#include <QTreeWidget>
#include <functional>
#include <optional>
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
    void AggiungiCasella(int categoria, const std::string& titolo, bool spuntata, int32_t id) override;
    void AggiungiLista(int categoria, const std::string& titolo, const std::vector<Scelta>& scelte, int valore,
                       int32_t id) override;
    void PosizioneDivisore(double quota) override;
    std::string TitoloVoce(int32_t id) const override;
    void SelezionaVoce(int32_t id) override;

    // The item of that identifier, or null.
    QTreeWidgetItem* Voce(int32_t id) const;
    // The width that shows every caption and value whole (with the splitter where it is set,
    // room for the vertical scroll bar and the frame), and the height of all the rows.
    int LarghezzaNecessaria() const;
    int AltezzaVoci() const;
    // At least the width that shows every text whole: a dialog's layout grows to it.
    QSize minimumSizeHint() const override;
    // A finished edit of the value: hands it to `DopoModifica`, whose answer the item keeps.
    // The handler may rebuild the panel.
    void ModificaVoce(int32_t id, const std::string& testo);
    // The edit just finished, waiting to be handed on: queued as the editor closes.
    void InSospeso(int32_t id, const std::string& testo);
    // The edit still open or waiting handed on now, before a dialog's button acts on the values;
    // true when there was one.
    bool ApplicaInSospeso();
    // While the panel is being cleared: an editor it closes hands on nothing.
    bool InRicostruzione() const { return ricostruzione_; }
    // A tick of a check box or a choice of a list, handed to `ValoreCambiato` (queued).
    void CambiaValore(int32_t id, int valore);
    using QTreeWidget::edit;

    static constexpr int ColonnaTitolo = 0, ColonnaValore = 1;
    static constexpr int RuoloId = Qt::UserRole;
    // On the title column: the kind of item; on the value column of a list: its choices and the
    // data value shown.
    static constexpr int RuoloGenere = Qt::UserRole + 1;
    static constexpr int RuoloTitoliScelte = Qt::UserRole + 2, RuoloDatiScelte = Qt::UserRole + 3;
    static constexpr int RuoloDato = Qt::UserRole + 4;
    enum Genere { Testo = 0, Casella = 1, Lista = 2 };
    static Genere GenereDi(const QTreeWidgetItem* voce);

protected:
    // Every edit starts here: the item's editable flag follows the handler as it is now, which
    // may have been installed or removed since the item was added.
    bool edit(const QModelIndex& indice, EditTrigger azione, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void rowsInserted(const QModelIndex& padre, int inizio, int fine) override;
    void dataChanged(const QModelIndex& da, const QModelIndex& a, const QList<int>& ruoli = QList<int>()) override;

private:
    QTreeWidgetItem* NuovaVoce(int categoria, const std::string& titolo, int32_t id, Genere genere);
    void AggiornaModificabile(QTreeWidgetItem* voce) const;
    // A click on an item's row: its check box ticked, or its value's editor opened.
    void ClicSuVoce(QTreeWidgetItem* voce);
    // The editor of the item of that id, opened once the events under way have run (with
    // `testo` in it when given).
    void ApriEditore(int32_t id, std::optional<QString> testo = std::nullopt);
    // The edit waiting, handed on.
    bool ApplicaSospeso();
    // Ticks or clears a check box as the user does.
    void Spunta(QTreeWidgetItem* voce);
    void ApplicaDivisore();
    std::vector<QTreeWidgetItem*> categorie_;
    double divisore_ = 0;  // 0: the caption column fits its contents
    QVariant premuta_;     // the identifier of the item under the left button's press
    struct Sospeso {
        int32_t Id;
        std::string Testo;
    };
    std::optional<Sospeso> sospeso_;
    bool ricostruzione_ = false;
};

// A dialog laid out by hand around its panel grows by what the panel needs to show every text
// whole (nothing when it has that already): the widgets across the panel's width move and widen
// in proportion, the dialog's fixed width grows by as much.
void AllargaPerPannello(QWidget& dialogo, PannelloQt& griglia);

// The Ok of a dialog around its panel: the value still being typed counts, and refused it stays
// to be corrected; then `ok` stores. Refused there, every value stays as typed and the item
// `voceRifiutata()` names (when one can mend it) is selected. True when stored.
bool OkDelPannello(PannelloQt& griglia, const std::function<bool()>& ok,
                   const std::function<int32_t()>& voceRifiutata = {});

}  // namespace vilmor
