#include "ui/TestiInteri.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>

#include "ui/LegendaQt.h"

namespace vilmor::prova {
namespace {

std::string Nome(const QWidget* w) {
    std::string n = w->metaObject()->className();
    if (!w->objectName().isEmpty()) n += " " + w->objectName().toStdString();
    return n;
}

std::string Testo(const QString& t) { return "\"" + t.toStdString() + "\""; }

QString SenzaMnemonico(QString t) {
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return t;
}

// The widget's rectangle in the window, clipped by every widget that holds it: what of it shows.
// What a scroll area holds is clipped by what it holds, not by its viewport: it scrolls into view.
QRect Visibile(const QWidget* w, const QWidget* finestra) {
    QRect r = w->rect();
    for (const QWidget* p = w; p && p != finestra; p = p->parentWidget()) {
        const QWidget* padre = p->parentWidget();
        if (!padre) break;
        if (auto* a = qobject_cast<const QAbstractScrollArea*>(padre->parentWidget()); a && a->viewport() == padre)
            break;
        r.translate(p->pos());
        r &= padre->rect();
    }
    return r;
}

void Etichetta(const QLabel* l, std::vector<std::string>& r) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    const QRect c = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const QFontMetrics fm(l->font());
    QSize serve;
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) {
        QTextDocument d;
        d.setDefaultFont(l->font());
        d.setHtml(l->text());
        d.setDocumentMargin(0);
        if (l->wordWrap()) d.setTextWidth(c.width());
        serve = d.size().toSize();
    } else if (l->wordWrap()) {
        serve = QSize(0, l->heightForWidth(l->width()) - l->height() + c.height());
        // A single word longer than the line cannot wrap.
        for (const QString& parola : l->text().split(QRegularExpression(QStringLiteral("\\s+"))))
            serve.setWidth(std::max(serve.width(), fm.horizontalAdvance(parola)));
    } else {
        const QString t = l->buddy() ? SenzaMnemonico(l->text()) : l->text();
        const QStringList righe = t.split(QLatin1Char('\n'));
        int w = 0;
        for (const QString& riga : righe) w = std::max(w, fm.horizontalAdvance(riga));
        serve = QSize(w, fm.height() * static_cast<int>(righe.size()));
    }
    if (serve.width() > c.width() || serve.height() > c.height())
        r.push_back(Nome(l) + " " + Testo(l->text()) + ": serve " + std::to_string(serve.width()) + "x" +
                    std::to_string(serve.height()) + ", ha " + std::to_string(c.width()) + "x" +
                    std::to_string(c.height()));
}

void Pulsante(const QAbstractButton* b, std::vector<std::string>& r) {
    if (b->text().isEmpty()) return;
    // A tool button showing its icon alone shows no text.
    if (auto* t = qobject_cast<const QToolButton*>(b); t && t->toolButtonStyle() == Qt::ToolButtonIconOnly) return;
    const QStyle* s = b->style();
    const QFontMetrics fm(b->font());
    const int testo = fm.horizontalAdvance(SenzaMnemonico(b->text()));
    int serve = testo;
    if (!b->icon().isNull()) serve += b->iconSize().width() + 4;
    if (qobject_cast<const QRadioButton*>(b))
        serve += s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                 s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
    else if (qobject_cast<const QCheckBox*>(b))
        serve += s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                 s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    else
        serve += 2 * (s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) / 2 +
                      s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b));
    if (serve > b->width() || fm.height() > b->height())
        r.push_back(Nome(b) + " " + Testo(b->text()) + ": serve " + std::to_string(serve) + "x" +
                    std::to_string(fm.height()) + ", ha " + std::to_string(b->width()) + "x" +
                    std::to_string(b->height()));
}

void Gruppo(const QGroupBox* g, std::vector<std::string>& r) {
    if (g->title().isEmpty()) return;
    const int serve = QFontMetrics(g->font()).horizontalAdvance(SenzaMnemonico(g->title())) + 16;
    if (serve > g->width())
        r.push_back(Nome(g) + " " + Testo(g->title()) + ": serve " + std::to_string(serve) + ", ha " +
                    std::to_string(g->width()));
}

void Riga(const QLineEdit* e, std::vector<std::string>& r) {
    if (e->text().isEmpty()) return;
    const int serve = QFontMetrics(e->font()).horizontalAdvance(e->text()) + 8;
    if (serve > e->width())
        r.push_back(Nome(e) + " " + Testo(e->text()) + ": serve " + std::to_string(serve) + ", ha " +
                    std::to_string(e->width()));
}

// Every cell shown: the width its delegate asks for against the cell's, within the viewport.
void Celle(const QAbstractItemView* v, const QModelIndex& padre, std::vector<std::string>& r) {
    const QAbstractItemModel* m = v->model();
    if (!m) return;
    const auto* albero = qobject_cast<const QTreeView*>(v);
    const QRect vista = v->viewport()->rect();
    for (int i = 0; i < m->rowCount(padre); ++i) {
        if (albero && albero->isRowHidden(i, padre)) continue;
        const bool estesa = albero && albero->isFirstColumnSpanned(i, padre);
        for (int c = 0; c < m->columnCount(padre); ++c) {
            if (albero && albero->isColumnHidden(c)) continue;
            if (estesa && c > 0) break;
            const QModelIndex x = m->index(i, c, padre);
            const QString t = x.data(Qt::DisplayRole).toString();
            QRect cella = v->visualRect(x);
            if (cella.isEmpty()) continue;
            if (estesa) cella.setRight(albero->header()->sectionViewportPosition(m->columnCount(padre) - 1) +
                                       albero->header()->sectionSize(m->columnCount(padre) - 1) - 1);
            QStyleOptionViewItem o;
            o.initFrom(v);
            o.font = v->font();
            const QVariant f = x.data(Qt::FontRole);
            if (f.isValid()) o.font = f.value<QFont>();
            o.fontMetrics = QFontMetrics(o.font);
            o.rect = cella;
            const int serve = t.isEmpty() ? 0 : v->itemDelegateForIndex(x)->sizeHint(o, x).width();
            const int ha = std::min(cella.right(), vista.right()) - cella.left() + 1;
            if (!t.isEmpty() && serve > ha)
                r.push_back(Nome(v) + " " + Testo(t) + ": serve " + std::to_string(serve) + ", ha " +
                            std::to_string(ha));
        }
        const QModelIndex figlio = m->index(i, 0, padre);
        if (m->hasChildren(figlio) && (!albero || albero->isExpanded(figlio))) Celle(v, figlio, r);
    }
}

}  // namespace

std::vector<std::string> TestiTagliati(QWidget* finestra) {
    std::vector<std::string> r;
    QList<QWidget*> tutti = finestra->findChildren<QWidget*>();
    tutti.prepend(finestra);
    for (QWidget* w : tutti) {
        if (!w->isVisibleTo(finestra) && w != finestra) continue;
        const size_t prima = r.size();
        if (auto* l = qobject_cast<QLabel*>(w)) Etichetta(l, r);
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            // The buttons of the view's headers and scroll bars have no text.
            Pulsante(b, r);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) Gruppo(g, r);
        else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            // An item view's editor is its cell's business.
            if (!qobject_cast<QAbstractItemView*>(e->parentWidget() ? e->parentWidget()->parentWidget() : nullptr))
                Riga(e, r);
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            // The names of the user's folders and files are the user's: any may be longer than a
            // list.
            if (!qobject_cast<QHeaderView*>(v) && !qobject_cast<const QFileSystemModel*>(v->model()))
                Celle(v, QModelIndex(), r);
        } else if (auto* a = qobject_cast<QScrollArea*>(w); a && a->widget()) {
            // What the area holds beyond its viewport is reached by its scroll bars.
            const QSize contenuto = a->widget()->size(), vista = a->viewport()->size();
            if ((contenuto.height() > vista.height() && a->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) ||
                (contenuto.width() > vista.width() && a->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff))
                r.push_back(Nome(a) + ": non scorre fino a tutto il contenuto");
        } else if (auto* g = qobject_cast<LegendaQt*>(w)) {
            const QRectF a = g->AreaTesti();
            if (!a.isEmpty() && !QRectF(g->rect()).contains(a))
                r.push_back(Nome(g) + ": testi in " + std::to_string(a.right()) + "x" + std::to_string(a.bottom()) +
                            ", ha " + std::to_string(g->width()) + "x" + std::to_string(g->height()));
        }
        // A text widget cut off by the widgets that hold it.
        const bool testo = r.size() > prima || qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                           qobject_cast<QLineEdit*>(w) || qobject_cast<LegendaQt*>(w);
        if (testo && w != finestra && r.size() == prima) {
            const QRect vis = Visibile(w, finestra);
            if (vis.size() != w->size() && !(qobject_cast<QAbstractButton*>(w) && w->parentWidget() &&
                                              qobject_cast<QAbstractItemView*>(w->parentWidget()->parentWidget())))
                r.push_back(Nome(w) + " esce da chi lo contiene: " + std::to_string(vis.width()) + "x" +
                            std::to_string(vis.height()) + " di " + std::to_string(w->width()) + "x" +
                            std::to_string(w->height()));
        }
    }
    return r;
}

}  // namespace vilmor::prova
