#include "ui/PannelloQt.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

namespace vilmor {
namespace {

// Edits the value column only. The edited text does not go into the cell: the panel hands it
// to the engine once the editor has closed, since the engine may rebuild the whole panel.
class DelegatoValore : public QStyledItemDelegate {
public:
    explicit DelegatoValore(PannelloQt* pannello) : QStyledItemDelegate(pannello), pannello_(pannello) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& indice) const override {
        if (indice.column() != PannelloQt::ColonnaValore || !(indice.flags() & Qt::ItemIsEditable)) return nullptr;
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        return e;
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        if (auto* e = qobject_cast<QLineEdit*>(editor)) e->setText(indice.data(Qt::DisplayRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& indice) const override {
        auto* e = qobject_cast<QLineEdit*>(editor);
        if (!e) return;
        const int32_t id = indice.siblingAtColumn(PannelloQt::ColonnaTitolo).data(PannelloQt::RuoloId).toInt();
        const std::string testo = e->text().toStdString();
        QPointer<PannelloQt> p(pannello_);
        QMetaObject::invokeMethod(
            pannello_, [p, id, testo] { if (p) p->ModificaVoce(id, testo); }, Qt::QueuedConnection);
    }

private:
    PannelloQt* pannello_;
};

// A text item, not a category: it carries the engine's identifier.
bool EVoce(const QTreeWidgetItem* v) {
    return v && v->data(PannelloQt::ColonnaTitolo, PannelloQt::RuoloId).isValid();
}

}  // namespace

PannelloQt::PannelloQt(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderHidden(true);
    header()->setSectionResizeMode(ColonnaTitolo, QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new DelegatoValore(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // A click anywhere on an item's row edits its value, as in a property grid.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* v, int colonna) {
        if (EVoce(v) && DopoModifica) editItem(v, ColonnaValore);
    });
}

void PannelloQt::Pulisci() {
    categorie_.clear();
    clear();
}

int PannelloQt::AggiungiCategoria(const std::string& titolo) {
    auto* c = new QTreeWidgetItem(this);
    c->setText(ColonnaTitolo, QString::fromStdString(titolo));
    c->setFlags(Qt::ItemIsEnabled);
    QFont f = c->font(ColonnaTitolo);
    f.setBold(true);
    c->setFont(ColonnaTitolo, f);
    c->setFirstColumnSpanned(true);
    categorie_.push_back(c);
    return static_cast<int>(categorie_.size()) - 1;
}

void PannelloQt::Espandi(int categoria) {
    if (categoria >= 0 && categoria < static_cast<int>(categorie_.size())) categorie_[categoria]->setExpanded(true);
}

void PannelloQt::AggiungiVoce(int categoria, const std::string& titolo, const std::string& valore, int32_t id) {
    if (categoria < 0 || categoria >= static_cast<int>(categorie_.size())) return;
    auto* v = new QTreeWidgetItem(categorie_[categoria]);
    v->setText(ColonnaTitolo, QString::fromStdString(titolo));
    v->setText(ColonnaValore, QString::fromStdString(valore));
    v->setData(ColonnaTitolo, RuoloId, QVariant::fromValue<int>(id));
    AggiornaModificabile(v);
}

void PannelloQt::AggiornaModificabile(QTreeWidgetItem* voce) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (DopoModifica) f |= Qt::ItemIsEditable;
    if (voce->flags() != f) voce->setFlags(f);
}

bool PannelloQt::edit(const QModelIndex& indice, EditTrigger azione, QEvent* evento) {
    if (QTreeWidgetItem* v = itemFromIndex(indice); EVoce(v)) AggiornaModificabile(v);
    return QTreeWidget::edit(indice, azione, evento);
}

QTreeWidgetItem* PannelloQt::Voce(int32_t id) const {
    for (QTreeWidgetItem* c : categorie_)
        for (int i = 0; i < c->childCount(); ++i)
            if (c->child(i)->data(ColonnaTitolo, RuoloId).toInt() == id) return c->child(i);
    return nullptr;
}

void PannelloQt::ImpostaValore(int32_t id, const std::string& valore) {
    if (QTreeWidgetItem* v = Voce(id)) v->setText(ColonnaValore, QString::fromStdString(valore));
}

void PannelloQt::ModificaVoce(int32_t id, const std::string& testo) {
    // The handler may clear and refill the panel: the item is looked up again afterwards.
    // A handler removed while the editor was open: the cell keeps what the model holds.
    if (!DopoModifica) return;
    const std::string risposta = DopoModifica(id, testo);
    ImpostaValore(id, risposta);
}

}  // namespace vilmor
