#include "ui/PannelloQt.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <cmath>
#include <functional>
#include <utility>

#include "app/ValoriGriglia.h"

namespace vilmor {
namespace {

// Edits the value column only. The edited text does not go into the cell: the panel hands it
// to the engine once the editor has closed, since the engine may rebuild the whole panel. A
// list is chosen from a drop-down list; the choice shows at once and reaches the engine the
// same way.
class DelegatoValore : public QStyledItemDelegate {
public:
    explicit DelegatoValore(PannelloQt* pannello) : QStyledItemDelegate(pannello), pannello_(pannello) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& indice) const override {
        if (indice.column() != PannelloQt::ColonnaValore || !(indice.flags() & Qt::ItemIsEditable)) return nullptr;
        switch (Genere(indice)) {
            case PannelloQt::Testo: {
                auto* e = new QLineEdit(parent);
                e->setFrame(false);
                return e;
            }
            case PannelloQt::Lista: {
                auto* c = new QComboBox(parent);
                const QStringList titoli = indice.data(PannelloQt::RuoloTitoliScelte).toStringList();
                const QVariantList dati = indice.data(PannelloQt::RuoloDatiScelte).toList();
                for (int i = 0; i < titoli.size() && i < dati.size(); ++i) c->addItem(titoli[i], dati[i]);
                // A choice ends the edit, as in a property grid.
                auto* delegato = const_cast<DelegatoValore*>(this);
                connect(c, &QComboBox::activated, delegato, [delegato, c] {
                    emit delegato->commitData(c);
                    emit delegato->closeEditor(c);
                });
                return c;
            }
            default: return nullptr;
        }
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        if (auto* e = qobject_cast<QLineEdit*>(editor)) e->setText(indice.data(Qt::DisplayRole).toString());
        if (auto* c = qobject_cast<QComboBox*>(editor)) c->setCurrentIndex(c->findData(indice.data(PannelloQt::RuoloDato)));
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& indice) const override {
        const int32_t id = indice.siblingAtColumn(PannelloQt::ColonnaTitolo).data(PannelloQt::RuoloId).toInt();
        QPointer<PannelloQt> p(pannello_);
        if (auto* e = qobject_cast<QLineEdit*>(editor)) {
            // An editor closed by a rebuild of the panel hands on nothing: it opens again.
            if (!pannello_->InRicostruzione()) pannello_->InSospeso(id, e->text().toStdString());
        } else if (auto* c = qobject_cast<QComboBox*>(editor)) {
            if (c->currentIndex() < 0) return;
            const int dato = c->currentData().toInt();
            if (indice.data(PannelloQt::RuoloDato).toInt() == dato) return;
            if (QTreeWidgetItem* v = pannello_->Voce(id)) {
                v->setData(PannelloQt::ColonnaValore, PannelloQt::RuoloDato, dato);
                v->setText(PannelloQt::ColonnaValore, c->currentText());
            }
            pannello_->CambiaValore(id, dato);
        }
    }

private:
    static int Genere(const QModelIndex& indice) {
        return indice.siblingAtColumn(PannelloQt::ColonnaTitolo).data(PannelloQt::RuoloGenere).toInt();
    }
    PannelloQt* pannello_;
};

// An item, not a category: it carries the engine's identifier.
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
    // Clicks are the panel's own (mouseReleaseEvent): the view's click triggers would wait for
    // a double click, or refuse while the previous editor closes.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

void PannelloQt::mousePressEvent(QMouseEvent* evento) {
    QTreeWidgetItem* v = itemAt(evento->position().toPoint());
    premuta_ = evento->button() == Qt::LeftButton && EVoce(v) ? v->data(ColonnaTitolo, RuoloId) : QVariant();
    QTreeWidget::mousePressEvent(evento);
}

void PannelloQt::mouseDoubleClickEvent(QMouseEvent* evento) {
    // The second press of a double click opens the value at once (a release may not follow
    // it); a check box was ticked by the first click and stays so.
    premuta_ = QVariant();
    QTreeWidget::mouseDoubleClickEvent(evento);
    QTreeWidgetItem* v = itemAt(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton && GenereDi(v) != Casella) ClicSuVoce(v);
}

void PannelloQt::mouseReleaseEvent(QMouseEvent* evento) {
    QTreeWidget::mouseReleaseEvent(evento);
    const QVariant premuta = std::exchange(premuta_, QVariant());
    if (evento->button() != Qt::LeftButton || !premuta.isValid()) return;
    QTreeWidgetItem* v = itemAt(evento->position().toPoint());
    if (EVoce(v) && v->data(ColonnaTitolo, RuoloId) == premuta) ClicSuVoce(v);
}

void PannelloQt::ClicSuVoce(QTreeWidgetItem* v) {
    if (!EVoce(v)) return;
    // A click anywhere on an item's row ticks its check box or edits its value, as in a
    // property grid.
    if (GenereDi(v) == Casella) {
        Spunta(v);
        return;
    }
    // After the press closed another editor its value is stored, which may rebuild the panel:
    // the item is looked up again once that has run.
    ApriEditore(v->data(ColonnaTitolo, RuoloId).toInt());
}

void PannelloQt::ApriEditore(int32_t id, std::optional<QString> testo) {
    QPointer<PannelloQt> p(this);
    QMetaObject::invokeMethod(
        this,
        [p, id, testo] {
            if (!p || p->state() == EditingState) return;
            QTreeWidgetItem* voce = p->Voce(id);
            if (!voce) return;
            p->AggiornaModificabile(voce);
            if (!(voce->flags() & Qt::ItemIsEditable)) return;
            p->setCurrentItem(voce, ColonnaValore);
            p->editItem(voce, ColonnaValore);
            if (auto* e = qobject_cast<QLineEdit*>(p->indexWidget(p->indexFromItem(voce, ColonnaValore))); e && testo)
                e->setText(*testo);
        },
        Qt::QueuedConnection);
}

PannelloQt::Genere PannelloQt::GenereDi(const QTreeWidgetItem* voce) {
    return static_cast<Genere>(voce ? voce->data(ColonnaTitolo, RuoloGenere).toInt() : 0);
}

void PannelloQt::Pulisci() {
    // Rebuilt while the user edits a value (the model moved on after the edit before): the
    // same item's editor opens again on the new items, with what the user has typed so far.
    if (state() == EditingState)
        if (QTreeWidgetItem* v = currentItem(); EVoce(v) && GenereDi(v) == Testo) {
            std::optional<QString> testo;
            if (auto* e = qobject_cast<QLineEdit*>(indexWidget(indexFromItem(v, ColonnaValore)))) testo = e->text();
            ApriEditore(v->data(ColonnaTitolo, RuoloId).toInt(), testo);
        }
    categorie_.clear();
    ricostruzione_ = true;
    clear();
    ricostruzione_ = false;
    updateGeometry();
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
    updateGeometry();
}

QTreeWidgetItem* PannelloQt::NuovaVoce(int categoria, const std::string& titolo, int32_t id, Genere genere) {
    if (categoria < 0 || categoria >= static_cast<int>(categorie_.size())) return nullptr;
    auto* v = new QTreeWidgetItem(categorie_[categoria]);
    v->setText(ColonnaTitolo, QString::fromStdString(titolo));
    v->setData(ColonnaTitolo, RuoloId, QVariant::fromValue<int>(id));
    v->setData(ColonnaTitolo, RuoloGenere, static_cast<int>(genere));
    return v;
}

void PannelloQt::AggiungiVoce(int categoria, const std::string& titolo, const std::string& valore, int32_t id) {
    QTreeWidgetItem* v = NuovaVoce(categoria, titolo, id, Testo);
    if (!v) return;
    v->setText(ColonnaValore, QString::fromStdString(valore));
    AggiornaModificabile(v);
}

void PannelloQt::AggiungiCasella(int categoria, const std::string& titolo, bool spuntata, int32_t id) {
    QTreeWidgetItem* v = NuovaVoce(categoria, titolo, id, Casella);
    if (!v) return;
    // The box is drawn from the state; the panel itself ticks it, once per click or Space.
    v->setData(ColonnaValore, Qt::CheckStateRole, spuntata ? Qt::Checked : Qt::Unchecked);
    AggiornaModificabile(v);
}

void PannelloQt::AggiungiLista(int categoria, const std::string& titolo, const std::vector<Scelta>& scelte,
                               int valore, int32_t id) {
    QTreeWidgetItem* v = NuovaVoce(categoria, titolo, id, Lista);
    if (!v) return;
    QStringList titoli;
    QVariantList dati;
    QString mostrato = QString::number(valore);
    for (const Scelta& s : scelte) {
        titoli << QString::fromStdString(s.Titolo);
        dati << s.Dato;
        if (s.Dato == valore) mostrato = QString::fromStdString(s.Titolo);
    }
    v->setData(ColonnaValore, RuoloTitoliScelte, titoli);
    v->setData(ColonnaValore, RuoloDatiScelte, dati);
    v->setData(ColonnaValore, RuoloDato, valore);
    v->setText(ColonnaValore, mostrato);
    AggiornaModificabile(v);
}

void PannelloQt::PosizioneDivisore(double quota) {
    divisore_ = quota > 0 && quota < 1 ? quota : 0;
    ApplicaDivisore();
}

void PannelloQt::ApplicaDivisore() {
    if (divisore_ <= 0) {
        header()->setSectionResizeMode(ColonnaTitolo, QHeaderView::ResizeToContents);
        return;
    }
    header()->setSectionResizeMode(ColonnaTitolo, QHeaderView::Interactive);
    setColumnWidth(ColonnaTitolo, static_cast<int>(divisore_ * viewport()->width()));
}

int PannelloQt::LarghezzaNecessaria() const {
    QStyleOptionViewItem o;
    initViewItemOption(&o);
    const int rientro = indentation();
    int titoli = 0, valori = 0, estese = 0;
    // Every row shown, at its depth: a category spans both columns, an item has its caption in
    // the first column and its value in the second.
    std::function<void(const QModelIndex&, int)> righe = [&](const QModelIndex& padre, int livello) {
        for (int i = 0; i < model()->rowCount(padre); ++i) {
            if (isRowHidden(i, padre)) continue;
            const QModelIndex titolo = model()->index(i, ColonnaTitolo, padre);
            const int x = (livello + (rootIsDecorated() ? 1 : 0)) * rientro;
            auto largo = [&](const QModelIndex& x0) {
                QStyleOptionViewItem oi = o;
                if (const QVariant f = x0.data(Qt::FontRole); f.isValid()) {
                    oi.font = f.value<QFont>();
                    oi.fontMetrics = QFontMetrics(oi.font);
                }
                return itemDelegateForIndex(x0)->sizeHint(oi, x0).width();
            };
            if (isFirstColumnSpanned(i, padre)) {
                estese = std::max(estese, x + largo(titolo));
            } else {
                titoli = std::max(titoli, x + largo(titolo));
                valori = std::max(valori, largo(model()->index(i, ColonnaValore, padre)));
            }
            if (isExpanded(titolo)) righe(titolo, livello + 1);
        }
    };
    righe(QModelIndex(), 0);
    int vista = std::max(estese, titoli + valori);
    if (divisore_ > 0) {
        vista = std::max(estese, static_cast<int>(std::ceil(std::max(titoli / divisore_, valori / (1 - divisore_)))));
    }
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return vista + barra + 2 * frameWidth();
}

int PannelloQt::AltezzaVoci() const {
    int h = 0;
    for (QModelIndex x = model()->index(0, 0); x.isValid(); x = indexBelow(x)) h += rowHeight(x);
    return h > 0 ? h + 2 * frameWidth() : 0;
}

QSize PannelloQt::minimumSizeHint() const {
    return QTreeWidget::minimumSizeHint().expandedTo(QSize(LarghezzaNecessaria(), 0));
}

void PannelloQt::rowsInserted(const QModelIndex& padre, int inizio, int fine) {
    QTreeWidget::rowsInserted(padre, inizio, fine);
    updateGeometry();
}

void PannelloQt::dataChanged(const QModelIndex& da, const QModelIndex& a, const QList<int>& ruoli) {
    QTreeWidget::dataChanged(da, a, ruoli);
    updateGeometry();
}

void PannelloQt::resizeEvent(QResizeEvent* evento) {
    QTreeWidget::resizeEvent(evento);
    if (divisore_ > 0) ApplicaDivisore();
}

void PannelloQt::AggiornaModificabile(QTreeWidgetItem* voce) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (GenereDi(voce)) {
        case Testo:
            if (DopoModifica) f |= Qt::ItemIsEditable;
            break;
        case Lista:
            if (ValoreCambiato) f |= Qt::ItemIsEditable;
            break;
        case Casella: break;  // ticked by the panel, never through an editor
    }
    if (voce->flags() != f) voce->setFlags(f);
}

bool PannelloQt::edit(const QModelIndex& indice, EditTrigger azione, QEvent* evento) {
    if (QTreeWidgetItem* v = itemFromIndex(indice); EVoce(v)) AggiornaModificabile(v);
    return QTreeWidget::edit(indice, azione, evento);
}

void PannelloQt::keyPressEvent(QKeyEvent* evento) {
    QTreeWidgetItem* v = currentItem();
    if (evento->key() == Qt::Key_Space && EVoce(v) && GenereDi(v) == Casella && state() != EditingState) {
        Spunta(v);
        evento->accept();
        return;
    }
    QTreeWidget::keyPressEvent(evento);
}

void PannelloQt::Spunta(QTreeWidgetItem* voce) {
    if (!ValoreCambiato) return;
    const bool spuntata = voce->data(ColonnaValore, Qt::CheckStateRole).toInt() == Qt::Checked;
    voce->setData(ColonnaValore, Qt::CheckStateRole, spuntata ? Qt::Unchecked : Qt::Checked);
    CambiaValore(voce->data(ColonnaTitolo, RuoloId).toInt(), spuntata ? 0 : 1);
}

QTreeWidgetItem* PannelloQt::Voce(int32_t id) const {
    for (QTreeWidgetItem* c : categorie_)
        for (int i = 0; i < c->childCount(); ++i)
            if (c->child(i)->data(ColonnaTitolo, RuoloId).toInt() == id) return c->child(i);
    return nullptr;
}

std::string PannelloQt::TitoloVoce(int32_t id) const {
    const QTreeWidgetItem* v = Voce(id);
    return v ? v->text(ColonnaTitolo).toStdString() : std::string();
}

void PannelloQt::SelezionaVoce(int32_t id) {
    // Selected, with the keyboard on it: a key starts its editor. No editor is opened here, so
    // that "Annulla" next hands on no edit to refuse again.
    QTreeWidgetItem* v = Voce(id);
    if (!v) return;
    AggiornaModificabile(v);
    setFocus(Qt::OtherFocusReason);
    setCurrentItem(v, ColonnaValore);
    scrollToItem(v);
}

void PannelloQt::ImpostaValore(int32_t id, const std::string& valore) {
    if (QTreeWidgetItem* v = Voce(id); v && GenereDi(v) == Testo)
        v->setText(ColonnaValore, QString::fromStdString(valore));
}

void PannelloQt::InSospeso(int32_t id, const std::string& testo) {
    // Handed on once the view's own event handling has returned, or at once when a dialog's
    // button asks for it first.
    sospeso_ = Sospeso{id, testo};
    QPointer<PannelloQt> p(this);
    QMetaObject::invokeMethod(this, [p] { if (p) p->ApplicaSospeso(); }, Qt::QueuedConnection);
}

bool PannelloQt::ApplicaInSospeso() {
    // An editor still open (a button reached by a key) gives its text first.
    if (state() == EditingState)
        for (QLineEdit* e : findChildren<QLineEdit*>())
            if (e->isVisible()) {
                commitData(e);
                closeEditor(e, QAbstractItemDelegate::NoHint);
                break;
            }
    return ApplicaSospeso();
}

bool PannelloQt::ApplicaSospeso() {
    if (!sospeso_) return false;
    const Sospeso s = *sospeso_;
    sospeso_.reset();
    ModificaVoce(s.Id, s.Testo);
    return true;
}

void PannelloQt::ModificaVoce(int32_t id, const std::string& testo) {
    // The handler may clear and refill the panel: the item is looked up again afterwards.
    // A handler removed while the editor was open: the cell keeps what the model holds.
    if (!DopoModifica) return;
    const std::string risposta = DopoModifica(id, testo);
    ImpostaValore(id, risposta);
}

void PannelloQt::CambiaValore(int32_t id, int valore) {
    // Called from inside the view's own event handling, which still holds the item: the
    // handler, free to rebuild the panel, runs once that has returned.
    QPointer<PannelloQt> p(this);
    QMetaObject::invokeMethod(
        this, [p, id, valore] { if (p && p->ValoreCambiato) p->ValoreCambiato(id, valore); }, Qt::QueuedConnection);
}

void AllargaPerPannello(QWidget& dialogo, PannelloQt& griglia) {
    const int x0 = griglia.x(), w0 = griglia.width();
    const int extra = griglia.LarghezzaNecessaria() - w0;
    if (extra <= 0 || w0 <= 0) return;
    const double f = static_cast<double>(w0 + extra) / w0;
    auto x = [&](int v) { return x0 + static_cast<int>(std::lround((v - x0) * f)); };
    for (QWidget* c : dialogo.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isWindow()) continue;
        const QRect r = c->geometry();
        const int a = x(r.left()), b = x(r.right() + 1);
        c->setGeometry(a, r.top(), b - a, r.height());
    }
    dialogo.setFixedSize(dialogo.width() + extra, dialogo.height());
}

bool OkDelPannello(PannelloQt& griglia, const std::function<bool()>& ok,
                   const std::function<int32_t()>& voceRifiutata) {
    const unsigned rifiuti = RifiutiVoci;
    griglia.ApplicaInSospeso();
    if (RifiutiVoci != rifiuti) return false;
    if (ok()) return true;
    if (voceRifiutata) {
        if (const int32_t voce = voceRifiutata(); voce >= 0) griglia.SelezionaVoce(voce);
    }
    return false;
}

}  // namespace vilmor
