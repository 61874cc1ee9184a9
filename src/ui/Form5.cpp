#include "ui/Form5.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

#include "dxf/ColoriACI.h"
#include "ui/AreaSchermo.h"
#include "ui/CtrlVid.h"
#include "ui/FormSelettoreColore.h"
#include "ui/FrmRelazione.h"

namespace vilmor {

namespace {

constexpr int M = 8, Alto = 440, LargLista = 250, LargPulsanti = 130, LargDestra = 224;
// The captions over the file lists, and the lists below them.
constexpr int AltDidascalia = 20, YListe = M + AltDidascalia;
constexpr int XPulsanti = M + LargLista + M, XElenco = XPulsanti + LargPulsanti + M;
constexpr int XDestra = XElenco + LargLista + M, Larghezza = XDestra + LargDestra + M;
constexpr int YLayer = M + Alto + M, AltRiga = 24, AltLayer = 12 * AltRiga + 40;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* Pulsante(QWidget* padre, const char* testo, int x, int y, int w) {
    auto* b = new QPushButton(QString::fromUtf8(testo), padre);
    b->setGeometry(x, y, w, 28);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Form5::Form5(QWidget* parent) : QDialog(parent), logica_(std::make_unique<DialogoDxf>()) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(DialogoDxf::Titolo));

    label3_ = new QLabel(QStringLiteral("File dati disponibili"), this);
    label3_->setGeometry(M, M, LargLista, AltDidascalia);
    label4_ = new QLabel(QStringLiteral("File dati per generazione DXF"), this);
    label4_->setGeometry(XElenco, M, LargLista, AltDidascalia);

    modello_ = new QFileSystemModel(this);
    modello_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    modello_->setRootPath(QStringLiteral("/"));
    cartelle_ = new QTreeView(this);
    cartelle_->setModel(modello_);
    for (int c = 1; c < modello_->columnCount(); ++c) cartelle_->hideColumn(c);
    cartelle_->header()->hide();
    cartelle_->setGeometry(M, YListe, LargLista, 200);
    connect(cartelle_, &QTreeView::clicked, this,
            [this](const QModelIndex& i) { ScegliCartella(modello_->filePath(i)); });
    // The folders load and sort in the background: the chosen one is brought into view again
    // as the folders above it fill in and move, until the user scrolls or opens the tree.
    const auto inVista = [this] {
        if (!seguiCorrente_) return;
        QTimer::singleShot(0, this, [this] {
            if (seguiCorrente_ && cartelle_->currentIndex().isValid())
                cartelle_->scrollTo(cartelle_->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
    };
    connect(modello_, &QFileSystemModel::directoryLoaded, this, inVista);
    connect(modello_, &QAbstractItemModel::layoutChanged, this, inVista);
    connect(modello_, &QAbstractItemModel::rowsInserted, this, inVista);
    const auto lascia = [this] { seguiCorrente_ = false; };
    connect(cartelle_->verticalScrollBar(), &QScrollBar::actionTriggered, this, lascia);
    connect(cartelle_, &QTreeView::expanded, this, [this, lascia] {
        if (!mostrando_) lascia();
    });
    connect(cartelle_, &QTreeView::collapsed, this, lascia);

    file_ = new QListWidget(this);
    file_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    file_->setGeometry(M, YListe + 208, LargLista, M + Alto - YListe - 208);
    elenco_ = new QListWidget(this);
    elenco_->setGeometry(XElenco, YListe, LargLista, M + Alto - YListe);

    comandi_[3] = Pulsante(this, "Aggiungi  >>", XPulsanti, 60, LargPulsanti);
    comandi_[4] = Pulsante(this, "Rimuovi <<", XPulsanti, 96, LargPulsanti);
    comandi_[5] = Pulsante(this, "Aggiungi tutti >>", XPulsanti, 132, LargPulsanti);
    comandi_[6] = Pulsante(this, "Rimuovi tutti <<", XPulsanti, 168, LargPulsanti);

    auto* f1 = new QGroupBox(this);
    f1->setGeometry(XDestra, M, LargDestra, 40);
    r12_ = new QCheckBox(QStringLiteral("DXF vers. R12"), f1);
    r12_->move(10, 10);
    auto* f4 = new QGroupBox(QStringLiteral("Scala del disegno"), this);
    f4->setGeometry(XDestra, 56, LargDestra, 56);
    scala50_ = new QRadioButton(QStringLiteral("1:50"), f4);
    scala50_->move(10, 24);
    scala100_ = new QRadioButton(QStringLiteral("1:100"), f4);
    scala100_->move(100, 24);
    auto* f5 = new QGroupBox(QStringLiteral("Scala di stampa programma CAD"), this);
    f5->setGeometry(XDestra, 120, LargDestra, 60);
    mm_ = new QLineEdit(f5);
    mm_->setGeometry(8, 24, 40, 24);
    (new QLabel(QStringLiteral("mm ="), f5))->setGeometry(52, 24, 40, 24);
    unita_ = new QLineEdit(f5);
    unita_->setGeometry(92, 24, 40, 24);
    (new QLabel(QStringLiteral("unità"), f5))->setGeometry(136, 24, 36, 24);
    comandi_[10] = Pulsante(f5, "?", 176, 22, 26);

    comandi_[8] = Pulsante(this, "Impostazioni di default", XDestra, 200, LargDestra);
    comandi_[7] = Pulsante(this, "Salva impostazioni", XDestra, 236, LargDestra);
    comandi_[9] = Pulsante(this, "Visualizza computo", XDestra, 272, LargDestra);
    comandi_[1] = Pulsante(this, "Genera File &DXF", XDestra, 344, LargDestra);
    comandi_[2] = Pulsante(this, "&Esci", XDestra, M + Alto - 28, LargDestra);

    // The layer rows in two columns under their heads; where the screen is too low for all
    // twelve, the rows scroll below the heads.
    const int eccesso = std::max(0, YLayer + AltLayer + M - AreaFinestra(*this).height());
    const int nascoste = std::min((eccesso + AltRiga - 1) / AltRiga, 9);
    setFixedSize(Larghezza, YLayer + AltLayer + M - nascoste * AltRiga);
    auto* f10 = new QGroupBox(QStringLiteral("Layer"), this);
    f10->setGeometry(M, YLayer, Larghezza - 2 * M, height() - YLayer - M);
    const int largColonna = (Larghezza - 2 * M) / 2;
    for (int col = 0; col < 2; ++col) {
        const int x0 = 10 + col * largColonna;
        (new QLabel(QStringLiteral("Nome"), f10))->setGeometry(x0, 18, 100, 16);
        (new QLabel(QStringLiteral("Colore"), f10))->setGeometry(x0 + 258, 18, 60, 16);
        (new QLabel(QStringLiteral("Disegna"), f10))->setGeometry(x0 + 326, 18, 60, 16);
    }
    auto* scorre = new QScrollArea(f10);
    scorre->setFrameShape(QFrame::NoFrame);
    scorre->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Inside the group's frame; the rows where they stood in the group.
    constexpr int bordo = 2;
    scorre->setGeometry(bordo, 36, f10->width() - 2 * bordo, f10->height() - 36 - 4);
    auto* righe = new QWidget();
    righe->setFixedSize(scorre->width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent), 12 * AltRiga);
    for (int i = 0; i < RigheDxf; ++i) {
        const size_t k = static_cast<size_t>(i);
        const int x0 = 10 - bordo + (i / 12) * largColonna, y = (i % 12) * AltRiga;
        nomi_[k] = new QLineEdit(righe);
        nomi_[k]->setGeometry(x0, y, 250, AltRiga - 2);
        campioni_[k] = new QPushButton(righe);
        campioni_[k]->setGeometry(x0 + 258, y, 60, AltRiga - 2);
        campioni_[k]->setAutoDefault(false);
        disegna_[k] = new QCheckBox(righe);
        disegna_[k]->move(x0 + 340, y + 2);
        connect(campioni_[k], &QPushButton::clicked, this, [this, i] { logica_->Label5_Click(i); });
    }
    scorre->setWidget(righe);
    scorre->viewport()->setAutoFillBackground(false);
    righe->setAutoFillBackground(false);

    DialogoDxf& l = *logica_;
    l.MostraControlli = [this] { Mostra(); };
    l.LeggiControlli = [this] { Leggi(); };
    l.SelettoreColore = [this] {
        Form_Selettore_Colore s(this);
        s.exec();
    };
    l.MostraComputo = [this](const std::string& cartella) {
        FrmRelazione r(cartella, this);
        r.exec();
    };
    connect(file_, &QListWidget::itemDoubleClicked, this, [this] { logica_->Aggiungi(Selezionati()); });
    connect(comandi_[3], &QPushButton::clicked, this, [this] { logica_->Aggiungi(Selezionati()); });
    connect(comandi_[4], &QPushButton::clicked, this, [this] {
        const QList<QListWidgetItem*> s = elenco_->selectedItems();
        logica_->Rimuovi(s.isEmpty() ? -1 : elenco_->row(s.front()));
    });
    connect(comandi_[5], &QPushButton::clicked, this, [this] { logica_->AggiungiTutti(); });
    connect(comandi_[6], &QPushButton::clicked, this, [this] { logica_->RimuoviTutti(); });
    connect(comandi_[1], &QPushButton::clicked, this, [this] { logica_->GeneraDxf(); });
    connect(comandi_[7], &QPushButton::clicked, this, [this] { logica_->SalvaImpostazioni(); });
    connect(comandi_[8], &QPushButton::clicked, this, [this] { logica_->ImpostazioniDefault(); });
    connect(comandi_[9], &QPushButton::clicked, this, [this] { logica_->VisualizzaComputo(); });
    connect(comandi_[10], &QPushButton::clicked, this, [this] { logica_->Guida(); });
    connect(comandi_[2], &QPushButton::clicked, this, &QDialog::accept);

    l.Apri();
}

Form5::~Form5() = default;

QPushButton* Form5::Command(int n) const {
    return n >= 1 && n <= 10 ? comandi_[static_cast<size_t>(n)] : nullptr;
}

void Form5::ScegliCartella(const QString& cartella) {
    logica_->CambiaCartella(cartella.toStdString());
    Mostra();
}

std::vector<int> Form5::Selezionati() const {
    std::vector<int> s;
    for (QListWidgetItem* v : file_->selectedItems()) s.push_back(file_->row(v));
    return s;
}

void Form5::Mostra() {
    const ControlliDxf& c = logica_->Controlli;
    const QModelIndex i = modello_->index(Q(c.Cartella));
    if (i.isValid() && cartelle_->currentIndex() != i) {
        // The tree open down to the data folder, which is selected and open on its folders.
        mostrando_ = true;
        for (QModelIndex su = i.parent(); su.isValid(); su = su.parent()) cartelle_->expand(su);
        cartelle_->expand(i);
        mostrando_ = false;
        cartelle_->setCurrentIndex(i);
        seguiCorrente_ = true;
        cartelle_->scrollTo(i, QAbstractItemView::PositionAtCenter);
    }
    auto riempi = [](QListWidget* w, const std::vector<std::string>& voci) {
        QStringList attuali;
        for (int k = 0; k < w->count(); ++k) attuali << w->item(k)->text();
        QStringList nuove;
        for (const std::string& v : voci) nuove << Q(v);
        if (attuali == nuove) return;  // keeps the user's selection
        w->clear();
        w->addItems(nuove);
    };
    riempi(file_, c.FileCartella);
    riempi(elenco_, c.Elenco);
    for (size_t k = 0; k < RigheDxf; ++k) {
        nomi_[k]->setText(Q(c.Nomi[k]));
        const bool evidenziata = c.RigaEvidenziata == static_cast<int>(k);
        nomi_[k]->setStyleSheet(evidenziata ? QStringLiteral("background-color: rgb(0, 0, 128); color: white;")
                                            : QStringLiteral("background-color: white; color: black;"));
        const QColor colore = CtrlVid::Colore(RgbACI(c.AciRighe[k]));
        campioni_[k]->setText(QString::number(c.AciRighe[k]));
        // The number stays readable on every swatch.
        const int luce = (299 * colore.red() + 587 * colore.green() + 114 * colore.blue()) / 1000;
        const QColor testo = luce > 128 ? Qt::black : Qt::white;
        campioni_[k]->setStyleSheet(QStringLiteral("background-color: %1; color: %2; border: 1px solid gray;")
                                        .arg(colore.name(), QColor(testo).name()));
        disegna_[k]->setChecked(c.Disegna[k] != 0);
    }
    r12_->setChecked(c.R12);
    (c.Scala50 ? scala50_ : scala100_)->setChecked(true);
    mm_->setText(Q(c.TestoMm));
    unita_->setText(Q(c.TestoUnita));
}

void Form5::Leggi() {
    ControlliDxf& c = logica_->Controlli;
    for (size_t k = 0; k < RigheDxf; ++k) {
        c.Nomi[k] = nomi_[k]->text().toStdString();
        c.Disegna[k] = disegna_[k]->isChecked() ? 1 : 0;
    }
    c.R12 = r12_->isChecked();
    c.Scala50 = !scala100_->isChecked();
    c.TestoMm = mm_->text().toStdString();
    c.TestoUnita = unita_->text().toStdString();
}

}  // namespace vilmor
