#include "ui/FrmAggiuntiva.h"

#include <QPushButton>
#include <cmath>

#include "ui/PannelloQt.h"
#include "ui/VisoreRTF.h"

namespace vilmor {

namespace {

// Design layout, pixels: the panel above the information box, the buttons in two rows below.
constexpr int Margine = 8, Larghezza = 380;
constexpr int AltezzaGriglia = 210, AltezzaInfo = 170;
constexpr int YPulsanti = Margine + AltezzaGriglia + Margine + AltezzaInfo + Margine;
constexpr int AltezzaPulsante = 25, LarghezzaPulsante = 188;

}  // namespace

FrmAggiuntiva::FrmAggiuntiva(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(Margine + Larghezza + Margine, YPulsanti + 2 * AltezzaPulsante + 4 + Margine);
    griglia_ = new PannelloQt(this);
    griglia_->setGeometry(Margine, Margine, Larghezza, AltezzaGriglia);
    info_ = new VisoreRTF(this);
    info_->setGeometry(Margine, Margine + AltezzaGriglia + Margine, Larghezza, AltezzaInfo);

    auto pulsante = [this](const char* testo, int riga, int colonna) {
        auto* b = new QPushButton(QString::fromUtf8(testo), this);
        b->setGeometry(Margine + colonna * (LarghezzaPulsante + 4), YPulsanti + riga * (AltezzaPulsante + 4),
                       LarghezzaPulsante, AltezzaPulsante);
        b->setAutoDefault(false);
        return b;
    };
    modificaPerimetro_ = pulsante("Modifica perimetro", 0, 0);
    ricalcola_ = pulsante("Ricalcola passo", 0, 1);
    ok_ = pulsante("Ok", 1, 0);
    annulla_ = pulsante("Annulla", 1, 1);
    ok_->setDefault(true);

    logica_ = std::make_unique<DialogoAggiuntiva>(*griglia_);
    logica_->MostraInfo = [this](const std::string& rtf) { info_->ImpostaTestoRTF(rtf); };
    logica_->Apri();
    setWindowTitle(QString::fromStdString(logica_->Titolo()));
    if (logica_->DisposizionePioli()) {
        // Studs have fewer values: a shorter panel, and the information box takes the room.
        const QRect g = griglia_->geometry(), i = info_->geometry();
        const int spazio = i.top() - g.bottom() - 1;
        const int nuova = static_cast<int>(std::lround(g.height() * 0.66));
        griglia_->setGeometry(g.left(), g.top(), g.width(), nuova);
        info_->setGeometry(i.left(), g.top() + nuova + spazio, i.width(), i.height() + g.height() - spazio - nuova);
    }
    AllargaPerPannello(*this, *griglia_);

    connect(modificaPerimetro_, &QPushButton::clicked, this, [this] {
        logica_->ModificaPerimetro();
        done(QDialog::Rejected);
    });
    connect(ricalcola_, &QPushButton::clicked, this, [this] { logica_->RicalcolaPasso(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (OkDelPannello(*griglia_, [this] { return logica_->Ok(); }, [this] { return logica_->VoceRifiutata; }))
            done(QDialog::Accepted);
    });
    connect(annulla_, &QPushButton::clicked, this, &FrmAggiuntiva::reject);
}

FrmAggiuntiva::~FrmAggiuntiva() = default;

void FrmAggiuntiva::reject() {
    logica_->Annulla();
    QDialog::reject();
}

}  // namespace vilmor
