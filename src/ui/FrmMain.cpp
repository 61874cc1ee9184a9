#include "ui/FrmMain.h"

#include "app/CaricaProgetto.h"
#include "base/Testi.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "ui/FrmAggiuntiva.h"
#include "ui/FrmCordoli.h"
#include "model/definizioni.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"

#include <QButtonGroup>
#include <QDockWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Titolo.h"

namespace vilmor {

FrmMain::FrmMain(const std::string& percorsoRigaComando, QWidget* parent)
    : QMainWindow(parent), percorsoRigaComando_(percorsoRigaComando) {
    auto* centro = new QWidget(this);
    auto* disposizione = new QHBoxLayout(centro);
    disposizione->setContentsMargins(0, 0, 0, 0);
    ctrlVid_ = new CtrlVid(centro);
    disposizione->addWidget(ctrlVid_, 1);

    // Side choice and the single-mesh label, in a column beside the plan picture.
    auto* colonna = new QWidget(centro);
    auto* colonnaLayout = new QVBoxLayout(colonna);
    gruppoLati_ = new QButtonGroup(this);
    gruppoLati_->setExclusive(true);
    const char* titoli[3] = {"Lato +", "Lato -", "Taglio"};
    for (int i = 0; i < 3; ++i) {
        lati_[i] = new QRadioButton(QString::fromUtf8(titoli[i]), colonna);
        gruppoLati_->addButton(lati_[i], i);
        colonnaLayout->addWidget(lati_[i]);
    }
    magliaUnica_ = new QLabel(QStringLiteral("Armatura a maglia unica centrale"), colonna);
    magliaUnica_->setWordWrap(true);
    magliaUnica_->hide();
    colonnaLayout->addWidget(magliaUnica_);
    // The range box of the colour maps, shown by the redraw while a map is on the plan.
    frame1_ = new QGroupBox(colonna);
    frame1_->hide();
    colonnaLayout->addWidget(frame1_);
    colonnaLayout->addStretch(1);
    disposizione->addWidget(colonna, 0);

    setCentralWidget(centro);

    // The property panel in a fixed side area on the left.
    auto* dock = new QDockWidget(this);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));
    pannello_ = new PannelloQt(dock);
    dock->setWidget(pannello_);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resize(1000, 700);

    messaggi_ = std::make_unique<MessaggiQt>(this);
    Piatt.Msg = messaggi_.get();
    ctrlVid_->Installa();
    Piatt.Finestra = this;
    Piatt.PropertyGrid1 = pannello_;
    dialoghi_ = std::make_unique<DialoghiQt>(this);
    Piatt.Dialoghi = dialoghi_.get();
    Piatt.SinkVideo = &sinkVideo_;
    Disegno.Ridisegna = [](int uscita) { Ridisegna(uscita); };
    Disegno.ZoomEstensione = [] { ZoomEstensione(); };

    // Start-up: folders, side "Lato +", defaults and colours, command identifiers, caption.
    ImpostaCartelle();
    SelezionaLato(0);
    LeggiMEM();
    ImpostaDefault();
    if (EsisteFile(FileImpostazioni())) LeggiIni();
    ImpostaColori();
    SettaIdComandi(1 + Imp.IconeGrandi);
    AggiornaTitolo();
}

void FrmMain::ApriRigaComando() {
    // A slab that cannot be opened is reported by the load's file test, as the open command
    // reports it; the window then stays untitled and empty.
    if (!percorsoRigaComando_.empty()) CaricaProgetto(percorsoRigaComando_);
}

FrmMain::~FrmMain() {
    if (Piatt.Msg == messaggi_.get()) Piatt.Msg = nullptr;
    if (Piatt.Ctrl_Vid == ctrlVid_) Piatt.Ctrl_Vid = nullptr;
    if (Piatt.Finestra == this) Piatt.Finestra = nullptr;
    if (Piatt.PropertyGrid1 == pannello_) Piatt.PropertyGrid1 = nullptr;
    if (Piatt.Dialoghi == dialoghi_.get()) Piatt.Dialoghi = nullptr;
    if (Piatt.SinkVideo == &sinkVideo_) Piatt.SinkVideo = nullptr;
}

void FrmMain::ImpostaTitolo(const std::string& titolo) { setWindowTitle(QString::fromStdString(titolo)); }

void FrmMain::SelezionaLato(int indice) {
    if (indice >= 0 && indice < static_cast<int>(lati_.size())) lati_[indice]->setChecked(true);
}

void FrmMain::MostraLati(bool visibili) {
    for (auto* b : lati_) b->setVisible(visibili);
}

void FrmMain::MostraMagliaUnica(bool visibile) { magliaUnica_->setVisible(visibile); }

void FrmMain::MostraFrame1(bool visibile) { frame1_->setVisible(visibile); }

// Kept until the prompt line is laid out in the side column.
void FrmMain::ImpostaPrompt(const std::string& testo) { prompt_ = testo; }

void FrmMain::MostraFrmAggiuntiva() {
    FrmAggiuntiva dialogo(this);
    dialogo.exec();
}

void FrmMain::MostraFrmCordoli() {
    FrmCordoli dialogo(this);
    dialogo.exec();
}

std::string PercorsoDaRigaComando(const std::string& riga) {
    std::string p = Rifilato(riga);
    if (p.size() >= 2 && p.front() == '"' && p.back() == '"') p = p.substr(1, p.size() - 2);
    if (p.size() < 4) return {};
    std::string est = p.substr(p.size() - 4);
    for (auto& c : est) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return est == ".QVR" ? p : std::string{};
}

}  // namespace vilmor
