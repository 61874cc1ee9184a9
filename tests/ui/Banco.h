// The bench of the main-window tests: a settings folder of their own, the process state put
// back afterwards, mouse and key input at plan points, modal dialogs driven from the event
// loop, and screenshots saved and compared.
//
// The tests run offscreen on one 1600 x 1000 screen at 96 dpi (tests/data/ui/schermo.json).
#pragma once

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"

class QAction;
class QWidget;

namespace vilmor::prova {

// XDG_CONFIG_HOME points at a fresh temporary folder while the object lives; the settings
// folder of the program is therefore `Cartella()`.
class ConfigProva {
public:
    ConfigProva();
    ~ConfigProva();
    // The program's settings folder ("<temp>/vilmor"), created.
    std::string Cartella() const { return radice_.Percorso() + "/vilmor"; }
    // Writes a line of the key store ("Vilmor\Settings\MainWidth=15000").
    void Chiave(const std::string& riga);

private:
    CartellaTemp radice_;
    std::optional<std::string> vecchio_;
    Cartelle vecchie_ = Dir;
};

// Every process-wide group a window run touches, put back at the end of the test.
class StatoProcesso {
public:
    StatoProcesso();
    ~StatoProcesso();

private:
    Modello m_;
    StatoVista vista_;
    Impostazioni imp_;
    StratiDisegno strati_;
    EditZone edit_;
    Materiali mat_;
    IdentificatoriComandi comandi_;
    ListaRecenti recenti_;
    StatoUndo undo_;
    ScalaMappe mappa_;
    Piattaforma piatt_;
    int errore_;
};

}  // namespace vilmor::prova

namespace vilmor {
class FrmMain;
}

namespace vilmor::prova {

// The main window in a process state and settings folder of its own, with recorded messages
// and file dialogs; closed and put back at the end of the test.
struct FinestraProva {
    StatoProcesso stato;
    ConfigProva config;
    EditQuote quotatura = Quotatura;
    StatoEditSez editSez = EditSez;
    MessaggiRegistrati msg;
    DialoghiRegistrati dialoghi;
    std::unique_ptr<FrmMain> f;
    FinestraProva();
    ~FinestraProva();
    // Builds and shows the window on the command line `riga` (a slab's path or nothing).
    void Avvia(const std::string& riga = {});
    // The File menu's entry of that caption, or null.
    QAction* Voce(const char* titolo) const;
    // A click on the toolbar button of command offset k.
    void Clic(int k) const;
    // Whether every control of command offset k (menu and toolbar alike) is enabled, checked.
    bool Abilitato(int k) const;
    bool Selezionato(int k) const;
};

// Copies the sample slab (slab file and archive) into the folder; returns the slab's path.
std::string CopiaCampione(const std::string& cartella, const std::string& nome = "SOL1.QVR");

// ---- Input at plan points (cm), through the plan picture's transform ----
// The picture pixel of a plan point, as a float.
QPointF PixelPiano(float x, float y);
void Premi(QWidget* w, float x, float y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
// A move with the buttons held (none for a plain hover).
void Muovi(QWidget* w, float x, float y, Qt::MouseButtons tenuti = {}, Qt::KeyboardModifiers m = {});
void Rilascia(QWidget* w, float x, float y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
// What a platform sends for a double click: press, release, double click, release.
void DoppioClic(QWidget* w, float x, float y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
// One wheel step is 120 (positive away from the user).
void Rotella(QWidget* w, float x, float y, int delta, Qt::KeyboardModifiers m = {});
void Tasto(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {});

// Runs `azione` on the modal window once it is up (from the event loop, while the caller's
// `exec` runs). A modal window that never comes fails the test.
void SuModale(std::function<void(QWidget*)> azione);

// Runs `azione` on the modal dialog of type D once it is the one up (from the event loop, while
// the caller's `exec` runs); `fatto` is set after it ran. A dialog that never comes, or that the
// action leaves open, fails the test, and the latter is closed so no test hangs.
template <class D> void QuandoAperto(std::function<void(D&)> azione, bool* fatto = nullptr) {
    auto tentativi = std::make_shared<int>(300);
    auto prova = std::make_shared<std::function<void()>>();
    *prova = [azione, tentativi, prova, fatto] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) {
            if (--*tentativi > 0) QTimer::singleShot(10, *prova);
            else ADD_FAILURE() << "il dialogo non si è aperto";
            return;
        }
        azione(*d);
        if (fatto) *fatto = true;
        if (d->isVisible()) {
            ADD_FAILURE() << "il dialogo è rimasto aperto";
            d->done(QDialog::Rejected);
        }
        *prova = nullptr;
    };
    QTimer::singleShot(0, *prova);
}

// Processes events until the condition holds or the time runs out.
bool AttendiFinche(const std::function<bool()>& condizione, int ms = 5000);

// ---- Screenshots ----
// Saves the image as "<name>.png" in the build folder of the tests; returns its path.
std::string SalvaPng(const QImage& img, const std::string& nome);
// The reference image "tests/data/ui/<name>.png" (null when missing).
QImage Riferimento(const std::string& nome);
// The share (0 .. 1) of pixels whose colour differs by more than `tolleranza` in a channel;
// 1 for images of different sizes.
double QuotaDiversi(const QImage& a, const QImage& b, int tolleranza = 0);

}  // namespace vilmor::prova
