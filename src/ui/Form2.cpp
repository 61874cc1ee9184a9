#include "ui/Form2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/AreaSchermo.h"
#include "ui/CtrlVid.h"
#include "ui/PannelloQt.h"

namespace vilmor {

namespace {

// Selects button `indice` of the group, or none for -1.
void Seleziona(QButtonGroup* g, int indice) {
    g->setExclusive(false);
    for (QAbstractButton* b : g->buttons()) b->setChecked(g->id(b) == indice);
    g->setExclusive(true);
}

QGroupBox* Opzioni(QWidget* padre, const char* titolo, const char* a, const char* b,
                   std::array<QRadioButton*, 2>& bottoni, QButtonGroup*& gruppo, QLayout*& layout) {
    auto* f = new QGroupBox(QString::fromUtf8(titolo), padre);
    auto* l = new QGridLayout(f);
    gruppo = new QButtonGroup(f);
    const char* titoli[2] = {a, b};
    for (int i = 0; i < 2; ++i) {
        bottoni[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(titoli[i]), f);
        gruppo->addButton(bottoni[static_cast<size_t>(i)], i);
        l->addWidget(bottoni[static_cast<size_t>(i)], i, 0);
    }
    layout = l;
    return f;
}

}  // namespace

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(DialogoImpostazioni::Titolo));
    auto* principale = new QHBoxLayout(this);
    griglia_ = new PannelloQt(this);
    griglia_->setMinimumSize(330, 520);
    principale->addWidget(griglia_);

    auto* destra = new QVBoxLayout();
    principale->addLayout(destra);

    // The layer table: name, swatch, screen visibility, dimension snap (rows 0 .. 8).
    auto* layer = new QGroupBox(QStringLiteral("Layer"), this);
    tabella_ = new QGridLayout(layer);
    tabella_->setVerticalSpacing(1);
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        nomi_[k] = new QLineEdit(layer);
        nomi_[k]->setReadOnly(true);
        nomi_[k]->setFixedWidth(150);
        campioni_[k] = new QPushButton(layer);
        campioni_[k]->setFixedSize(40, 16);
        campioni_[k]->setFlat(true);
        campioni_[k]->setAutoFillBackground(true);
        campioni_[k]->setAutoDefault(false);
        connect(campioni_[k], &QPushButton::clicked, this, [this, i] { logica_->Label8_Click(i); });
        attivi_[k] = new QCheckBox(layer);
        if (i < RigheOsnap) osnap_[k] = new QCheckBox(layer);
    }
    DisponiLayer(1);
    destra->addWidget(layer);

    auto* opzioni = new QHBoxLayout();
    QLayout* l = nullptr;
    opzioni->addWidget(Opzioni(this, "Barra dei pulsanti", "Icone 16x16", "Icone 24x24", icone_, gruppoIcone_, l));
    QGroupBox* tolleranza = Opzioni(this, "Tolleranza aree di armatura", "In percentuale", "Fissa (cmq/m)",
                                    tolleranza_, gruppoTolleranza_, l);
    for (int i = 0; i < 2; ++i) {
        testiTolleranza_[static_cast<size_t>(i)] = new QLineEdit(tolleranza);
        static_cast<QGridLayout*>(l)->addWidget(testiTolleranza_[static_cast<size_t>(i)], i, 1);
    }
    opzioni->addWidget(tolleranza);
    QGroupBox* sfondo = Opzioni(this, "Colore sfondo", "Nero", "Bianco", sfondo_, gruppoSfondo_, l);
    auto* coloriDefault = new QPushButton(QStringLiteral("Colori default"), sfondo);
    coloriDefault->setAutoDefault(false);
    static_cast<QGridLayout*>(l)->addWidget(coloriDefault, 2, 0);
    opzioni->addWidget(sfondo);
    destra->addLayout(opzioni);

    auto* pulsanti = new QHBoxLayout();
    const char* titoli[4] = {"&Ok", "&Annulla", "Salva impostazioni", "Reset impostazioni"};
    for (int i = 0; i < 4; ++i) {
        pulsanti_[static_cast<size_t>(i)] = new QPushButton(QString::fromUtf8(titoli[i]), this);
        pulsanti_[static_cast<size_t>(i)]->setAutoDefault(false);
        pulsanti->addWidget(pulsanti_[static_cast<size_t>(i)]);
    }
    pulsanti_[4] = coloriDefault;
    pulsanti_[0]->setDefault(true);
    destra->addLayout(pulsanti);

    logica_ = std::make_unique<DialogoImpostazioni>(*griglia_);
    logica_->MostraControlli = [this] { Mostra(); };
    logica_->LeggiControlli = [this] { Leggi(); };
    logica_->Apri();

    connect(gruppoIcone_, &QButtonGroup::idClicked, this, [this](int i) {
        logica_->Controlli.Icone = i;
        logica_->Option2_Click();
    });
    connect(pulsanti_[0], &QPushButton::clicked, this, [this] {
        logica_->Ok();
        done(QDialog::Accepted);
    });
    connect(pulsanti_[1], &QPushButton::clicked, this, &Form2::reject);
    connect(pulsanti_[2], &QPushButton::clicked, this, [this] { logica_->SalvaImpostazioni(); });
    connect(pulsanti_[3], &QPushButton::clicked, this, [this] { logica_->ResetImpostazioni(); });
    connect(pulsanti_[4], &QPushButton::clicked, this, [this] { logica_->ColoriDefault(); });

    // Where the table in one column would not fit the screen, its rows go in two halves side by
    // side; the dialog opens as large as its contents ask.
    const QSize area = AreaFinestra(*this);
    if (sizeHint().height() > area.height()) {
        DisponiLayer(2);
        tabella_->activate();
        layout()->activate();
    }
    resize(sizeHint().boundedTo(area).expandedTo(minimumSizeHint()));
}

void Form2::DisponiLayer(int colonne) {
    QGridLayout* t = tabella_;
    QWidget* layer = t->parentWidget();
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        for (QWidget* w : {static_cast<QWidget*>(nomi_[k]), static_cast<QWidget*>(campioni_[k]),
                           static_cast<QWidget*>(attivi_[k])})
            t->removeWidget(w);
        if (i < RigheOsnap) t->removeWidget(osnap_[k]);
    }
    // Four columns a half and one between the halves; the snap switches all lie in the first.
    const int righe = (RigheLayer + colonne - 1) / colonne;
    const char* teste[4] = {"Nome", "Colore", "Attivo", "Osnap quote"};
    for (int c = 0; c < colonne; ++c) {
        const int x0 = 5 * c;
        for (int j = 0; j < 4; ++j) {
            if ((j == 3 && c * righe >= RigheOsnap) || t->itemAtPosition(0, x0 + j)) continue;
            t->addWidget(new QLabel(QString::fromUtf8(teste[j]), layer), 0, x0 + j);
        }
        if (c > 0) t->setColumnMinimumWidth(x0 - 1, 16);
    }
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        const int r = i % righe + 1, x0 = 5 * (i / righe);
        t->addWidget(nomi_[k], r, x0);
        t->addWidget(campioni_[k], r, x0 + 1);
        t->addWidget(attivi_[k], r, x0 + 2);
        if (i < RigheOsnap) t->addWidget(osnap_[k], r, x0 + 3);
    }
}

Form2::~Form2() = default;

void Form2::Mostra() {
    const ControlliImpostazioni& c = logica_->Controlli;
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        nomi_[k]->setText(QString::fromStdString(c.Nomi[k]));
        QPalette p = campioni_[k]->palette();
        p.setColor(QPalette::Button, CtrlVid::Colore(c.Colori[k]));
        p.setColor(QPalette::Window, CtrlVid::Colore(c.Colori[k]));
        campioni_[k]->setPalette(p);
        campioni_[k]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                        .arg(CtrlVid::Colore(c.Colori[k]).name()));
        attivi_[k]->setChecked(c.Visibili[k] != 0);
        if (i < RigheOsnap) osnap_[k]->setChecked(c.Osnap[k] != 0);
    }
    Seleziona(gruppoSfondo_, c.Sfondo);
    Seleziona(gruppoTolleranza_, c.Tolleranza);
    Seleziona(gruppoIcone_, c.Icone);
    testiTolleranza_[0]->setText(QString::fromStdString(c.TestoPerc));
    testiTolleranza_[1]->setText(QString::fromStdString(c.TestoFissa));
}

void Form2::Leggi() {
    ControlliImpostazioni& c = logica_->Controlli;
    for (int i = 0; i < RigheLayer; ++i) {
        const size_t k = static_cast<size_t>(i);
        c.Visibili[k] = attivi_[k]->isChecked() ? 1 : 0;
        if (i < RigheOsnap) c.Osnap[k] = osnap_[k]->isChecked() ? 1 : 0;
    }
    c.Sfondo = gruppoSfondo_->checkedId();
    c.Tolleranza = gruppoTolleranza_->checkedId();
    c.Icone = gruppoIcone_->checkedId();
    c.TestoPerc = testiTolleranza_[0]->text().toStdString();
    c.TestoFissa = testiTolleranza_[1]->text().toStdString();
}

void Form2::reject() {
    logica_->Annulla();
    QDialog::reject();
}

}  // namespace vilmor
