#include "ui/FrmMain.h"

#include <QWheelEvent>

#include "app/MouseVideo.h"

#include "app/AvvioProgramma.h"
#include "app/BarreComandi.h"
#include "app/CaricaProgetto.h"
#include "app/EseguiComandi.h"
#include "app/PannelloDiffusa.h"
#include "app/SceltaVista.h"
#include "base/Testi.h"
#include "design/MappeColori.h"
#include "drawing/DisMappeColori.h"
#include "drawing/LegendeMappa.h"
#include "drawing/LegendaDiffusa.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "dxf/TratteggioDxf.h"
#include "ui/FrmAggMulti.h"
#include "ui/FrmAggiuntiva.h"
#include "ui/FrmCordoli.h"
#include "ui/Form2.h"
#include "ui/FrmProg.h"
#include "model/definizioni.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <cmath>

#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/Titolo.h"
#include "model/definizioni.h"
#include "ui/FrmSplash.h"
#include "ui/Icone.h"
#include "ui/Form5.h"
#include "ui/FrmPolig.h"
#include "ui/FrmPropQuote.h"
#include "ui/FrmRelazione.h"

namespace vilmor {

namespace {

// Sees every input event of the application and lets it pass.
class FiltroInput : public QObject {
public:
    FiltroInput(QObject* padre, std::function<void()> dopo) : QObject(padre), dopo_(std::move(dopo)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const QEvent::Type t = e->type();
        if (t == QEvent::MouseButtonRelease || t == QEvent::KeyRelease || t == QEvent::Wheel) dopo_();
        return false;
    }

private:
    std::function<void()> dopo_;
};

}  // namespace

FrmMain::FrmMain(const std::string& rigaComando, QWidget* parent, ServiziFinestra servizi)
    : QMainWindow(parent), Esegui(CommandBars_Execute) {
    // Twips per pixel of this screen: the window's sizes below are given in twips.
    QScreen* schermo = screen();
    Vista.TwipsPerPixel = TwipsPerPixelDaDpi(schermo ? schermo->logicalDotsPerInch() : 96.0);

    client_ = new QWidget(this);
    ctrlVid_ = new CtrlVid(client_);
    CreaColonna(client_);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    Hook();

    messaggi_ = std::make_unique<MessaggiQt>(this);
    msg_ = servizi.Msg ? servizi.Msg : messaggi_.get();
    Piatt.Msg = msg_;
    ctrlVid_->Installa();
    Piatt.Finestra = this;
    Piatt.PropertyGrid1 = pannello_;
    Piatt.Picture2 = picture2_;
    dialoghi_ = std::make_unique<DialoghiQt>(this);
    dialoghiUsati_ = servizi.Dialoghi ? servizi.Dialoghi : dialoghi_.get();
    Piatt.Dialoghi = dialoghiUsati_;
    Piatt.SinkVideo = &sinkVideo_;
    aggMulti_ = std::make_unique<FinestraAggMulti>(this);
    Piatt.FrmAggMulti = aggMulti_.get();
    Disegno.Ridisegna = [](int uscita) { Ridisegna(uscita); };
    Disegno.ZoomEstensione = [] { ZoomEstensione(); };
    Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
    InstallaTratteggioDxf();

    // Start-up: the command line's slab, folders, the window's place, the side and direction,
    // the recent list, defaults, colours, settings and identifiers, background, command bars.
    percorsoRigaComando_ = PercorsoSolettaDaRiga(rigaComando);
    ImpostaCartelle();
    RettangoloFinestra r;
    if (schermo) {
        const QRect a = schermo->availableGeometry();
        const int t = Vista.TwipsPerPixel;
        r = RettangoloIniziale(a.x() * t, a.y() * t, a.width() * t, a.height() * t);
    }
    // The regional decimal separator of the panel's figures, read once.
    const QString separatore = QLocale::system().decimalPoint();
    Vista.SeparatoreDecimale = separatore.size() == 1 && separatore[0].unicode() < 128
                                   ? static_cast<char>(separatore[0].unicode())
                                   : '.';
    SelezionaLato(0);
    direzioni_[0]->setChecked(true);
    PreparaAvvio();
    MisuraColonna();
    ctrlVid_->ColoreSfondo(ColoreSfondoVideo());
    ctrlVid_->Invio = [this] { Colonna(TastoInvio); };
    // After any handled input the controls follow the state, once, from the event loop.
    qApp->installEventFilter(new FiltroInput(this, [this] {
        if (aggiornamentoInCoda_) return;
        aggiornamentoInCoda_ = true;
        QTimer::singleShot(0, this, [this] {
            aggiornamentoInCoda_ = false;
            AggiornaComandi();
        });
    }));
    LeggiRettangoloFinestra(r);
    CreaBarreComandi();

    // The rectangle is the frame's: the client area is what the frame leaves.
    winId();
    const QMargins bordo = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(Px(r.Left) + bordo.left(), Px(r.Top) + bordo.top(),
                std::max(1, Px(r.Width) - bordo.left() - bordo.right()),
                std::max(1, Px(r.Height) - bordo.top() - bordo.bottom()));
    AggiornaTitolo();
}

FrmMain::~FrmMain() {
    Unhook();
    if (Piatt.Msg == msg_) Piatt.Msg = nullptr;
    if (Piatt.Ctrl_Vid == ctrlVid_) Piatt.Ctrl_Vid = nullptr;
    if (Piatt.Finestra == this) Piatt.Finestra = nullptr;
    if (Piatt.PropertyGrid1 == pannello_) Piatt.PropertyGrid1 = nullptr;
    if (Piatt.Dialoghi == dialoghiUsati_) Piatt.Dialoghi = nullptr;
    if (Piatt.SinkVideo == &sinkVideo_) Piatt.SinkVideo = nullptr;
    if (Piatt.FrmAggMulti == aggMulti_.get()) Piatt.FrmAggMulti = nullptr;
    if (Piatt.Picture2 == picture2_) Piatt.Picture2 = nullptr;
}

int FrmMain::Px(int twips) const {
    return static_cast<int>(std::lround(static_cast<double>(twips) / std::max(1, Vista.TwipsPerPixel)));
}

// ---- The column ----

void FrmMain::CreaColonna(QWidget* client) {
    // Options: the side choice (or the single-mesh label in its place) over the direction.
    frame2_ = new QFrame(client);
    auto* opzioni = new QVBoxLayout(frame2_);
    opzioni->setContentsMargins(2, 2, 2, 2);
    opzioni->setSpacing(2);
    frame3_ = new QFrame(frame2_);
    frame3_->setFrameShape(QFrame::StyledPanel);
    auto* latiLayout = new QHBoxLayout(frame3_);
    latiLayout->setContentsMargins(4, 0, 4, 0);
    gruppoLati_ = new QButtonGroup(this);
    gruppoLati_->setExclusive(true);
    const char* titoliLati[3] = {"Lato +", "Lato -", "Taglio"};
    for (int i = 0; i < 3; ++i) {
        lati_[i] = new QRadioButton(QString::fromUtf8(titoliLati[i]), frame3_);
        gruppoLati_->addButton(lati_[i], i);
        latiLayout->addWidget(lati_[i]);
    }
    magliaUnica_ = new QLabel(QStringLiteral("Armatura a maglia unica centrale"), frame3_);
    magliaUnica_->hide();
    latiLayout->addWidget(magliaUnica_);
    opzioni->addWidget(frame3_, 1);
    frame4_ = new QFrame(frame2_);
    frame4_->setFrameShape(QFrame::StyledPanel);
    auto* direzioniLayout = new QHBoxLayout(frame4_);
    direzioniLayout->setContentsMargins(4, 0, 4, 0);
    gruppoDirezioni_ = new QButtonGroup(this);
    gruppoDirezioni_->setExclusive(true);
    const char* titoliDirezioni[2] = {"Direzione 1", "Direzione 2"};
    for (int i = 0; i < 2; ++i) {
        direzioni_[i] = new QRadioButton(QString::fromUtf8(titoliDirezioni[i]), frame4_);
        gruppoDirezioni_->addButton(direzioni_[i], i);
        direzioniLayout->addWidget(direzioni_[i]);
    }
    connect(gruppoLati_, &QButtonGroup::idClicked, this, [this](int i) { Colonna([i] { Option1_Click(i); }); });
    connect(gruppoDirezioni_, &QButtonGroup::idClicked, this,
            [this](int i) { Colonna([i] { Option2_Click(i); }); });
    opzioni->addWidget(frame4_, 1);

    // Legend; the range box of the colour maps lies in it, shown by the redraw.
    picture2_ = new LegendaQt(client);
    picture2_->setAutoFillBackground(true);
    CreaFrame1();

    // Information panel.
    richTextBox1_ = new VisoreRTF(client);

    pannello_ = new PannelloQt(client);
    // The diffuse mesh is edited in place: the handler makes the value cells editable.
    pannello_->DopoModifica = [this](int32_t id, const std::string& testo) {
        std::string r = PropertyGrid1_AfterEdit(id, testo);
        QTimer::singleShot(0, this, [this] { AggiornaComandi(); });
        return r;
    };

    label1_ = new QLabel(client);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setFrameShape(QFrame::StyledPanel);

}

void FrmMain::MisuraColonna() {
    // Every legend of the panel, drawn into a measure: the colour maps' with wide figures, the
    // plan views' of both faces. The view and map state and the drawing surfaces come back.
    MisuraLegendaQt misura(picture2_->font());
    {
        const StatoVista vista = Vista;
        const ScalaMappe mappa = Mappa;
        PannelloLegenda* legenda = Piatt.Picture2;
        SuperficieVideo* video = Piatt.Ctrl_Vid;
        Piatt.Picture2 = &misura;
        Piatt.Ctrl_Vid = nullptr;
        Modello campione;
        Mappa.ScalaMin = -8888.88f;
        Mappa.ScalaMax = 8888.88f;
        for (int tipo = 0; tipo <= 14; ++tipo) {
            Vista.TipoMappa = tipo;
            DisegnaMappaColori(campione);
        }
        LegendaNodiDiradati();  // over a missing-steel map of crowded nodes
        for (int codice : {0, 1}) {
            Vista.CodiceVista = codice;
            DisLegenda(campione);
        }
        Piatt.Picture2 = legenda;
        Piatt.Ctrl_Vid = video;
        Vista = vista;
        Mappa = mappa;
    }
    const QRectF area = misura.Area | QRectF(frame1_->geometry());
    constexpr int margine = 4;
    larghezzaLegenda_ = static_cast<int>(std::ceil(area.right())) + margine;
    altezzaLegenda_ = static_cast<int>(std::ceil(area.bottom())) + margine;

    // The diffuse-mesh panel of a slab with two meshes: the most rows and the longest captions.
    const int magliaUnica = M.Progetto.MagliaUnica;
    M.Progetto.MagliaUnica = 0;
    PanelDiff();
    M.Progetto.MagliaUnica = magliaUnica;
    larghezzaPannello_ = pannello_->LarghezzaNecessaria();
    pannello_->Pulisci();
}

int FrmMain::LarghezzaColonnaTesti() const {
    // The side options, also the single-mesh label that takes their place.
    const QMargins m3 = frame3_->contentsMargins(), m2 = frame2_->contentsMargins();
    const int etichetta = magliaUnica_->sizeHint().width() + m3.left() + m3.right() + 8 + m2.left() + m2.right() +
                          2 * frame3_->frameWidth();
    return std::max({Px(LarghezzaColonna), frame2_->sizeHint().width(), etichetta, larghezzaLegenda_,
                     larghezzaPannello_, pannello_->LarghezzaNecessaria()});
}

void FrmMain::CreaFrame1() {
    frame1_ = new QGroupBox(picture2_);
    QLabel* etichette[2] = {new QLabel(QStringLiteral("Max."), frame1_), new QLabel(QStringLiteral("Min."), frame1_)};
    for (int i = 0; i < 2; ++i) text1_[i] = new QLineEdit(QStringLiteral("0"), frame1_);
    const char* pulsanti[2] = {"Default", "Range"};
    for (int i = 0; i < 2; ++i) command1_[i] = new QPushButton(QString::fromUtf8(pulsanti[i]), frame1_);
    // Boxes and buttons of 735 x 315 twips, or as large as their texts need.
    int w = Px(735), h = Px(315);
    for (QWidget* x : {static_cast<QWidget*>(etichette[0]), static_cast<QWidget*>(etichette[1]),
                       static_cast<QWidget*>(command1_[0]), static_cast<QWidget*>(command1_[1])}) {
        w = std::max(w, x->sizeHint().width());
        h = std::max(h, x->sizeHint().height());
    }
    const int x0 = 6, x1 = x0 + w + 2;
    const int y0 = 4, passo = h + 3;
    frame1_->setGeometry(Px(1920), Px(360), std::max(Px(1695), x1 + w + x0), std::max(Px(1155), y0 + 3 * passo + 4));
    for (int i = 0; i < 2; ++i) {
        etichette[i]->setGeometry(x0, y0 + 2 * i * passo, w, h);
        text1_[i]->setGeometry(x1, y0 + 2 * i * passo, w, h);
    }
    for (int i = 0; i < 2; ++i) {
        command1_[i]->setGeometry(i == 0 ? x0 : x1, y0 + passo, w, h);
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Colonna([i] { Command1_Click(i); }); });
        // Enter in a box applies the range; it is not a window-wide shortcut, so the panel's
        // editor and the dialogs keep their own Enter.
        connect(text1_[i], &QLineEdit::returnPressed, this, [this] { Colonna(TastoInvio); });
    }
    frame1_->hide();
}

void FrmMain::CommandBars_Resize() {
    // The column as wide as its widest text; the legend as tall as its texts; the property
    // panel as tall as its rows where the information panel can give way.
    const int larghezza = LarghezzaColonnaTesti();
    const int hF = std::max(Px(AltezzaFrame2), frame2_->sizeHint().height());
    const int hP = std::max(Px(AltezzaPicture2), altezzaLegenda_);
    // The property panel keeps at least its least height: below it the window grows no smaller.
    client_->setMinimumSize(larghezza + ctrlVid_->minimumWidth(),
                            hF + hP + Px(AltezzaRichText) + Px(AltezzaMinPannello) + Px(AltezzaLabel1));
    const QRect c = client_->rect();
    const DisposizioneColonna d =
        DisponiColonna(c.left(), c.top(), c.left() + c.width(), c.top() + c.height(), larghezza, hF, hP,
                       Px(AltezzaRichText), Px(AltezzaLabel1), Px(AltezzaMinPannello), pannello_->AltezzaVoci(),
                       Px(AltezzaMinInfo));
    auto metti = [](QWidget* w, const Riquadro& q) { w->setGeometry(q.Left, q.Top, q.Width, q.Height); };
    metti(frame2_, d.Frame2);
    metti(picture2_, d.Picture2);
    metti(richTextBox1_, d.RichTextBox1);
    metti(pannello_, d.PropertyGrid1);
    metti(label1_, d.Label1);
    // The plan keeps its drawing: nothing is redrawn here.
    metti(ctrlVid_, d.Piano);
}

void FrmMain::Hook() {
    if (agganciato_) return;
    installEventFilter(this);
    agganciato_ = true;
}

void FrmMain::Unhook() {
    if (!agganciato_) return;
    removeEventFilter(this);
    agganciato_ = false;
}

void FrmMain::Colonna(const std::function<void()>& f) {
    f();
    AggiornaComandi();
}

bool FrmMain::eventFilter(QObject* oggetto, QEvent* evento) {
    // A resize, or a panel of the column whose contents changed (the property panel rebuilt).
    if (oggetto == client_ && (evento->type() == QEvent::Resize || evento->type() == QEvent::LayoutRequest))
        CommandBars_Resize();
    // Wheel events reach the window only from parts that do not scroll themselves; they go on.
    if (oggetto == this && agganciato_ && evento->type() == QEvent::Wheel) {
        RuotaAccumulata(ruota_, static_cast<QWheelEvent*>(evento)->angleDelta().y());
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

// ---- Command bars ----

void FrmMain::CreaBarreComandi() {
    const int lato = Imp.IconeGrandi ? 24 : 16;
    auto nuova = [this](QWidget* padre, const QString& titolo, int32_t id) {
        auto* a = new QAction(titolo, padre);
        a->setData(id);
        connect(a, &QAction::triggered, this, [this, id] { Comando(id); });
        return a;
    };

    QMenuBar* barra = menuBar();
    menuFile_ = barra->addMenu(QStringLiteral("&File"));
    for (const VoceFile& v : TabellaMenuFile()) {
        if (v.InizioGruppo) menuFile_->addSeparator();
        const int32_t id = IdVoceFile(v);
        QAction* a = nuova(menuFile_, QString::fromUtf8(v.Titolo), id);
        if (v.K != 0) a->setIcon(IconaDaTag(id));
        else recenti_[static_cast<size_t>(id - IdRecente0)] = a;
        menuFile_->addAction(a);
    }
    connect(menuFile_, &QMenu::aboutToShow, this, &FrmMain::AggiornaComandi);
    for (const VoceBarraMenu& v : TabellaBarraMenu()) barra->addAction(nuova(barra, QString::fromUtf8(v.Titolo), v.Id));

    standard_ = addToolBar(QStringLiteral("Standard"));
    standard_->setObjectName(QStringLiteral("Standard"));
    standard_->setMovable(false);
    standard_->setIconSize(QSize(lato, lato));
    for (const PulsanteBarra& b : TabellaPulsanti()) {
        if (b.InizioGruppo || gruppi_.empty()) {
            if (!gruppi_.empty()) standard_->addSeparator();
            gruppi_.emplace_back();
        }
        const int32_t id = IdDaOffset(b.K);
        QAction* a = nuova(standard_, QString::fromUtf8(b.Titolo), id);
        a->setToolTip(QString::fromStdString(SenzaMnemonico(b.Titolo)));
        a->setIcon(IconaDaTag(id));
        standard_->addAction(a);
        gruppi_.back().Azioni.push_back(a);
    }
    // What each group of buttons, a separator and the bar's own margins take in one row.
    const int spazio = standard_->layout()->spacing();
    int occupati = 0, elementi = 0;
    for (QAction* a : standard_->actions()) {
        const int w = standard_->widgetForAction(a)->sizeHint().width();
        if (a->isSeparator()) separatore_ = w;
        occupati += w;
        ++elementi;
    }
    for (GruppoBarra& g : gruppi_) {
        g.Larghezza = -spazio;
        for (QAction* a : g.Azioni) g.Larghezza += standard_->widgetForAction(a)->sizeHint().width() + spazio;
    }
    margineBarra_ = standard_->sizeHint().width() - occupati - spazio * (elementi - 1);
    separatore_ += 2 * spazio;
    DisponiBarra();
    AggiornaComandi();
}

void FrmMain::DisponiBarra() {
    if (gruppi_.empty()) return;
    // The groups fill the rows in their order; a group that does not fit starts the next row.
    std::vector<int> righe;
    int riga = 0, usato = 0;
    for (const GruppoBarra& g : gruppi_) {
        const int serve = usato == 0 ? margineBarra_ + g.Larghezza : usato + separatore_ + g.Larghezza;
        if (usato > 0 && serve > width()) {
            ++riga;
            usato = margineBarra_ + g.Larghezza;
        } else {
            usato = serve;
        }
        righe.push_back(riga);
    }
    if (righe == righeGruppi_) return;
    righeGruppi_ = righe;
    while (static_cast<int>(altreRighe_.size()) < riga) {
        addToolBarBreak();
        QToolBar* t = addToolBar(standard_->windowTitle());
        t->setObjectName(standard_->objectName() + QString::number(altreRighe_.size() + 2));
        t->setMovable(false);
        t->setIconSize(standard_->iconSize());
        // Only the first row stands for the bar in the window's menus.
        t->toggleViewAction()->setVisible(false);
        altreRighe_.push_back(t);
    }
    auto barra = [this](int r) { return r == 0 ? standard_ : altreRighe_[static_cast<size_t>(r - 1)].data(); };
    for (int r = 0; r <= static_cast<int>(altreRighe_.size()); ++r) {
        QToolBar* t = barra(r);
        for (QAction* a : t->actions()) {
            t->removeAction(a);
            if (a->isSeparator()) a->deleteLater();
        }
    }
    for (size_t g = 0; g < gruppi_.size(); ++g) {
        QToolBar* t = barra(righe[g]);
        if (g > 0 && righe[g] == righe[g - 1]) t->addSeparator();
        t->addActions(gruppi_[g].Azioni);
    }
    for (size_t r = 0; r < altreRighe_.size(); ++r) altreRighe_[r]->setVisible(static_cast<int>(r) < riga);
}

void FrmMain::resizeEvent(QResizeEvent* evento) {
    QMainWindow::resizeEvent(evento);
    DisponiBarra();
}

QList<QAction*> FrmMain::Azioni(int32_t id) const {
    QList<QAction*> r;
    auto raccogli = [&](const QList<QAction*>& azioni) {
        for (QAction* a : azioni)
            if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) r.append(a);
    };
    raccogli(menuFile_->actions());
    raccogli(menuBar()->actions());
    raccogli(standard_->actions());
    for (QToolBar* t : altreRighe_) raccogli(t->actions());
    return r;
}

void FrmMain::Comando(int32_t id) {
    if (Esegui) Esegui(id);
    AggiornaComandi();
}

void FrmMain::AggiornaComandi() {
    // The panels first: whatever the event changed in the model shows at once.
    AggiornaPannelli();
    auto applica = [](const QList<QAction*>& azioni) {
        for (QAction* a : azioni) {
            if (a->isSeparator() || a->menu()) continue;
            const StatoComando r = CommandBars_Update(a->data().toInt());
            if (r.Abilitato) a->setEnabled(*r.Abilitato);
            if (r.Selezionato) {
                a->setCheckable(true);
                a->setChecked(*r.Selezionato);
            }
        }
    };
    if (menuFile_) {
        applica(menuFile_->actions());
        applica(menuBar()->actions());
    }
    if (standard_) applica(standard_->actions());
    for (QToolBar* t : altreRighe_) applica(t->actions());
    for (int k = 0; k < static_cast<int>(recenti_.size()); ++k) {
        QAction* a = recenti_[static_cast<size_t>(k)];
        if (!a) continue;
        const VoceRecente v = VoceRecenteMenu(k);
        a->setText(QString::fromStdString(v.Titolo));
        a->setStatusTip(QString::fromStdString(v.Percorso));
        a->setVisible(v.Visibile);
    }
}

// ---- Start and end of a run ----

void FrmMain::Avvia() {
    show();
    QTimer::singleShot(0, this, [this] { ApriRigaComando(); });
}

void FrmMain::ApriRigaComando() {
    ApriProgettoIniziale(percorsoRigaComando_);
    AggiornaComandi();
}

void FrmMain::closeEvent(QCloseEvent* e) {
    if (!ChiusuraProgramma()) {
        e->ignore();
        return;
    }
    // The outline editor ends with the program, as by its "Annulla"; kept when the exit is not.
    ChiudiFrmPolig();
    e->accept();
}

void FrmMain::Chiudi() { close(); }

void FrmMain::MostraInformazioni() {
    FrmSplash splash(this);
    splash.exec();
}

// ---- Hooks ----

void FrmMain::ImpostaTitolo(const std::string& titolo) { setWindowTitle(QString::fromStdString(titolo)); }

void FrmMain::SelezionaLato(int indice) {
    if (indice >= 0 && indice < static_cast<int>(lati_.size())) lati_[indice]->setChecked(true);
}

void FrmMain::MostraLati(bool visibili) {
    for (auto* b : lati_) b->setVisible(visibili);
}

void FrmMain::MostraMagliaUnica(bool visibile) { magliaUnica_->setVisible(visibile); }

void FrmMain::SelezionaDirezione(int indice) {
    if (indice >= 0 && indice < static_cast<int>(direzioni_.size())) direzioni_[indice]->setChecked(true);
}

void FrmMain::MostraInfoRtf(const std::string& rtf) { richTextBox1_->ImpostaTestoRTF(rtf); }

void FrmMain::MostraFrame1(bool visibile) { frame1_->setVisible(visibile); }

void FrmMain::AbilitaDirezioni(bool abilitate) {
    for (auto* b : direzioni_) b->setEnabled(abilitate);
}

std::string FrmMain::TestoRange(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(text1_.size())) return {};
    return text1_[static_cast<size_t>(indice)]->text().toStdString();
}

void FrmMain::ImpostaTestoRange(int indice, const std::string& testo) {
    if (indice < 0 || indice >= static_cast<int>(text1_.size())) return;
    text1_[static_cast<size_t>(indice)]->setText(QString::fromStdString(testo));
}

void FrmMain::ImpostaPrompt(const std::string& testo) { label1_->setText(QString::fromStdString(testo)); }

std::string FrmMain::Prompt() const { return label1_->text().toStdString(); }

void FrmMain::MostraComputo() {
    FrmRelazione f({}, this);
    f.exec();
}

void FrmMain::MostraFrmAggiuntiva() {
    FrmAggiuntiva dialogo(this);
    dialogo.exec();
}

void FrmMain::MostraForm2() {
    Form2 dialogo(this);
    dialogo.exec();
}

void FrmMain::MostraEsportazioneDxf() {
    Form5 f(this);
    f.exec();
}

void FrmMain::MostraFrmPolig() {
    if (!frmPolig_) {
        frmPolig_ = new FrmPolig(this);
        frmPolig_->setAttribute(Qt::WA_DeleteOnClose);
        // Beside the plan, over the side column below its options: it hides none of the outline
        // it edits. Whole on the screen.
        frmPolig_->winId();
        const QSize telaio = frmPolig_->frameGeometry().size();
        const QPoint colonna = picture2_->mapToGlobal(QPoint(0, 0));
        const int destra = picture2_->mapToGlobal(QPoint(picture2_->width(), 0)).x();
        QPoint angolo(std::min(colonna.x(), destra - telaio.width()), colonna.y());
        if (const QScreen* s = screen()) {
            const QRect a = s->availableGeometry();
            angolo.setY(std::max(a.top(), std::min(angolo.y(), a.bottom() + 1 - telaio.height())));
        }
        frmPolig_->move(angolo);
    }
    frmPolig_->show();
    frmPolig_->raise();
    AggiornaComandi();
}

FrmPolig* FrmMain::EditorPerimetro() const { return frmPolig_.data(); }

void FrmMain::ChiudiFrmPolig() {
    if (frmPolig_) frmPolig_->Annulla();
}

void FrmMain::MostraFrmPropQuote() {
    FrmPropQuote dialogo(this);
    dialogo.exec();
}

void FrmMain::MostraFrmProg() {
    FrmProg dialogo(this);
    dialogo.exec();
}

void FrmMain::MostraFrmCordoli() {
    FrmCordoli dialogo(this);
    dialogo.exec();
}

}  // namespace vilmor
