#include "ui/Banco.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolBar>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/BarreComandi.h"
#include "model/Vista.h"
#include "ui/FrmMain.h"

namespace vilmor::prova {

namespace fs = std::filesystem;

ConfigProva::ConfigProva() {
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) vecchio_ = v;
    ::setenv("XDG_CONFIG_HOME", radice_.Percorso().c_str(), 1);
    fs::create_directories(Cartella());
}

ConfigProva::~ConfigProva() {
    if (vecchio_) ::setenv("XDG_CONFIG_HOME", vecchio_->c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
    Dir = vecchie_;
}

void ConfigProva::Chiave(const std::string& riga) {
    std::ofstream f(Cartella() + "/" + FileChiavi, std::ios::binary | std::ios::app);
    f << riga << "\r\n";
}

StatoProcesso::StatoProcesso()
    : m_(M), vista_(Vista), imp_(Imp), strati_(Strati), edit_(Edit), mat_(Mat), comandi_(Comandi),
      recenti_(Recenti), undo_(Undo), mappa_(Mappa), piatt_(Piatt), errore_(ErroreOperazione) {}

StatoProcesso::~StatoProcesso() {
    M = m_;
    Vista = vista_;
    Imp = imp_;
    Strati = strati_;
    Edit = edit_;
    Mat = mat_;
    Comandi = comandi_;
    Recenti = recenti_;
    Undo = undo_;
    Mappa = mappa_;
    Piatt = piatt_;
    ErroreOperazione = errore_;
}

std::string CopiaCampione(const std::string& cartella, const std::string& nome) {
    const std::string campione = std::string(VILMOR_ESEMPI) + "/solaio1";
    fs::copy_file(campione + "/ARCHIMPA.AI0", cartella + "/ARCHIMPA.AI0", fs::copy_options::overwrite_existing);
    fs::copy_file(campione + "/SOL1.QVR", cartella + "/" + nome, fs::copy_options::overwrite_existing);
    return cartella + "/" + nome;
}

QPointF PixelPiano(float x, float y) { return QPointF(XSchermo(x), YSchermo(y)); }

namespace {

void Mouse(QWidget* w, QEvent::Type tipo, float x, float y, Qt::MouseButton b, Qt::MouseButtons tenuti,
           Qt::KeyboardModifiers m) {
    const QPointF locale = PixelPiano(x, y);
    QMouseEvent e(tipo, locale, w->mapToGlobal(locale), b, tenuti, m);
    QApplication::sendEvent(w, &e);
}

}  // namespace

void Premi(QWidget* w, float x, float y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    Mouse(w, QEvent::MouseButtonPress, x, y, b, b, m);
}

void Muovi(QWidget* w, float x, float y, Qt::MouseButtons tenuti, Qt::KeyboardModifiers m) {
    Mouse(w, QEvent::MouseMove, x, y, Qt::NoButton, tenuti, m);
}

void Rilascia(QWidget* w, float x, float y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    Mouse(w, QEvent::MouseButtonRelease, x, y, b, Qt::NoButton, m);
}

void DoppioClic(QWidget* w, float x, float y, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    Premi(w, x, y, b, m);
    Rilascia(w, x, y, b, m);
    QTest::mouseDClick(w, b, m, PixelPiano(x, y).toPoint());
    Rilascia(w, x, y, b, m);
}

void Rotella(QWidget* w, float x, float y, int delta, Qt::KeyboardModifiers m) {
    const QPointF locale = PixelPiano(x, y);
    QWheelEvent e(locale, w->mapToGlobal(locale), QPoint(), QPoint(0, delta), Qt::NoButton, m, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(w, &e);
}

void Tasto(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(w, k, m); }

namespace {

void ProvaModale(const std::function<void(QWidget*)>& azione, int tentativi) {
    if (QWidget* w = QApplication::activeModalWidget()) {
        azione(w);
        return;
    }
    if (tentativi <= 0) {
        ADD_FAILURE() << "nessuna finestra modale";
        return;
    }
    QTimer::singleShot(10, [azione, tentativi] { ProvaModale(azione, tentativi - 1); });
}

}  // namespace

void SuModale(std::function<void(QWidget*)> azione) {
    QTimer::singleShot(0, [azione] { ProvaModale(azione, 300); });
}

bool AttendiFinche(const std::function<bool()>& condizione, int ms) {
    QElapsedTimer t;
    t.start();
    while (!condizione()) {
        if (t.elapsed() > ms) return false;
        QTest::qWait(5);
    }
    return true;
}

std::string SalvaPng(const QImage& img, const std::string& nome) {
    const std::string cartella = VILMOR_SCHERMATE;
    fs::create_directories(cartella);
    const std::string percorso = cartella + "/" + nome + ".png";
    img.save(QString::fromStdString(percorso), "PNG");
    return percorso;
}

QImage Riferimento(const std::string& nome) {
    return QImage(QString::fromStdString(std::string(VILMOR_DATI_UI) + "/" + nome + ".png"));
}

double QuotaDiversi(const QImage& a, const QImage& b, int tolleranza) {
    if (a.size() != b.size() || a.isNull()) return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    long diversi = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c) {
            const int d = std::max({std::abs(qRed(p[c]) - qRed(q[c])), std::abs(qGreen(p[c]) - qGreen(q[c])),
                                    std::abs(qBlue(p[c]) - qBlue(q[c])), std::abs(qAlpha(p[c]) - qAlpha(q[c]))});
            if (d > tolleranza) ++diversi;
        }
    }
    return static_cast<double>(diversi) / (static_cast<double>(x.width()) * x.height());
}

FinestraProva::FinestraProva() = default;

FinestraProva::~FinestraProva() {
    f.reset();
    PulisciUndo();
    Quotatura = quotatura;
    EditSez = editSez;
}

void FinestraProva::Avvia(const std::string& riga) {
    f = std::make_unique<FrmMain>(riga, nullptr, ServiziFinestra{&msg, &dialoghi});
    f->Avvia();
    QCoreApplication::processEvents();
    QTest::qWait(10);
}

QAction* FinestraProva::Voce(const char* titolo) const {
    for (QAction* a : f->MenuFile()->actions())
        if (a->text() == QString::fromUtf8(titolo)) return a;
    return nullptr;
}

void FinestraProva::Clic(int k) const {
    const QList<QAction*> azioni = f->Azioni(IdDaOffset(k));
    QAction* a = azioni.value(azioni.size() - 1);
    ASSERT_NE(a, nullptr);
    // In whichever row of the toolbar the window's width put it.
    QWidget* w = nullptr;
    for (QToolBar* t : f->findChildren<QToolBar*>())
        if (!w) w = t->widgetForAction(a);
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton);
}

bool FinestraProva::Abilitato(int k) const {
    bool tutti = true;
    for (QAction* a : f->Azioni(IdDaOffset(k))) tutti = tutti && a->isEnabled();
    return tutti;
}

bool FinestraProva::Selezionato(int k) const {
    bool tutti = true;
    for (QAction* a : f->Azioni(IdDaOffset(k))) tutti = tutti && a->isChecked();
    return tutti;
}

}  // namespace vilmor::prova
