#include "ui/FrmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "app/Undo.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;

namespace {

// The window reads the settings folder at start-up: point it at an empty temporary one.
class ImpostazioniProva {
public:
    ImpostazioniProva() {
        if (const char* v = std::getenv("XDG_CONFIG_HOME")) vecchio_ = v;
        ::setenv("XDG_CONFIG_HOME", cartella_.Percorso().c_str(), 1);
    }
    const std::string& Cartella() const { return cartella_.Percorso(); }
    ~ImpostazioniProva() {
        if (vecchio_) ::setenv("XDG_CONFIG_HOME", vecchio_->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        Dir = vecchie_;
    }

private:
    prova::CartellaTemp cartella_;
    std::optional<std::string> vecchio_;
    Cartelle vecchie_ = Dir;
};

}  // namespace

TEST(FrmMainAvvio, TitoloLatiEPianoNero) {
    const std::string vecchio = M.Progetto.PercorsoSoletta;
    M.Progetto.PercorsoSoletta.clear();
    ImpostazioniProva imp;
    FrmMain f;
    EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ Anonimo ]");
    EXPECT_EQ(f.OpzioneLato(0)->text(), "Lato +");
    EXPECT_EQ(f.OpzioneLato(1)->text(), "Lato -");
    EXPECT_EQ(f.OpzioneLato(2)->text(), "Taglio");
    EXPECT_TRUE(f.OpzioneLato(0)->isChecked());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(f.OpzioneLato(i)->isHidden()) << i;
    EXPECT_EQ(f.EtichettaMagliaUnica()->text(), "Armatura a maglia unica centrale");
    EXPECT_TRUE(f.EtichettaMagliaUnica()->isHidden());
    const QImage& img = f.PianoVideo()->Immagine();
    EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), QColor(0, 0, 0));
    // Start-up has run: folders, defaults and the command identifiers.
    EXPECT_FALSE(Dir.CartellaProgramma.empty());
    EXPECT_EQ(Dir.CartellaImpostazioni, imp.Cartella() + "/vilmor");
    EXPECT_EQ(Mat.ClsCorrente.Nome, "C25/30");
    EXPECT_EQ(Comandi.IdApri, 1100);
    EXPECT_EQ(Piatt.Finestra, static_cast<FinestraPrincipale*>(&f));
    M.Progetto.PercorsoSoletta = vecchio;
}

TEST(FrmMainAvvio, AgganciDellaFinestra) {
    ImpostazioniProva imp;
    FrmMain f;
    FinestraPrincipale& h = f;
    h.SelezionaLato(1);
    EXPECT_TRUE(f.OpzioneLato(1)->isChecked());
    EXPECT_FALSE(f.OpzioneLato(0)->isChecked());
    h.MostraLati(false);
    h.MostraMagliaUnica(true);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.OpzioneLato(i)->isHidden());
    EXPECT_FALSE(f.EtichettaMagliaUnica()->isHidden());
    h.MostraLati(true);
    h.MostraMagliaUnica(false);
    EXPECT_FALSE(f.OpzioneLato(2)->isHidden());
    EXPECT_TRUE(f.EtichettaMagliaUnica()->isHidden());
    h.ImpostaTitolo("MERANTO Solette C.A. -  [ PIÙ.QVR ]");
    EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ PIÙ.QVR ]");

    // A white background from the colours reaches the plan picture.
    const int vecchio = Imp.SfondoBianco;
    Imp.SfondoBianco = 1;
    ImpostaColori();
    const QImage& img = f.PianoVideo()->Immagine();
    EXPECT_EQ(img.pixelColor(1, 1), QColor(255, 255, 255));
    EXPECT_EQ(f.PianoVideo()->PrimoPiano(), 0);
    Imp.SfondoBianco = vecchio;
    ImpostaColori();
}

TEST(FrmMainAvvio, LaFinestraChiusaSiStacca) {
    ImpostazioniProva imp;
    {
        FrmMain f;
        EXPECT_NE(Piatt.Finestra, nullptr);
    }
    EXPECT_EQ(Piatt.Finestra, nullptr);
    EXPECT_EQ(Piatt.Ctrl_Vid, nullptr);
}

namespace {

struct MessaggioChiuso {
    std::string Titolo, Testo;
    QMessageBox::Icon Icona;
};

// Answers every message box that comes up while it lives with Enter, as the user would,
// recording what it showed.
class ChiudiMessaggi {
public:
    std::vector<MessaggioChiuso> Visti;
    ChiudiMessaggi() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b || !b->isVisible()) return;
            Visti.push_back({b->windowTitle().toStdString(), b->text().toStdString(), b->icon()});
            QTest::keyClick(b, Qt::Key_Return);
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

// The project in memory, restored at the end of a test that opens slabs through the window.
class ProgettoSalvato {
public:
    ProgettoSalvato() { M = Modello{}; }
    ~ProgettoSalvato() {
        M = modello_;
        Vista = vista_;
        Recenti = recenti_;
        Undo = undo_;
    }

private:
    Modello modello_ = M;
    StatoVista vista_ = Vista;
    ListaRecenti recenti_ = Recenti;
    StatoUndo undo_ = Undo;
};

bool TuttaUnColore(const QImage& img) {
    QImage uniforme(img.size(), img.format());
    uniforme.fill(img.pixel(0, 0));
    return img == uniforme;
}

}  // namespace

// A slab named on the command line that cannot be opened is reported as the open command
// reports it; the window stays untitled and empty.
TEST(FrmMainRigaComando, SolettaCheNonSiApre) {
    ImpostazioniProva imp;
    prova::CartellaTemp dir;
    prova::ScriviTutto(dir / "file", "x");
    struct {
        std::string percorso, messaggio;
    } casi[] = {
        {dir / "MANCA.QVR", "File della soletta:\n" + (dir / "MANCA.QVR") + "\nnon trovato."},
        {dir / "file/SOL1.QVR", "Drive o percorso non trovato."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.percorso);
        ProgettoSalvato salvato;
        FrmMain f(c.percorso);
        f.show();
        ChiudiMessaggi m;
        f.ApriRigaComando();
        ASSERT_EQ(m.Visti.size(), 1u);
        EXPECT_EQ(m.Visti[0].Testo, c.messaggio);
        EXPECT_EQ(m.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(m.Visti[0].Icona, QMessageBox::Warning);
        EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ Anonimo ]");
        EXPECT_TRUE(M.Progetto.PercorsoSoletta.empty());
        EXPECT_EQ(M.Soletta.NumVertContorno, 0);
        EXPECT_EQ(f.Pannello()->topLevelItemCount(), 0);
        EXPECT_TRUE(TuttaUnColore(f.PianoVideo()->Mostrata()));
    }
}

TEST(FrmMainRigaComando, SolettaCheSiApre) {
    ImpostazioniProva imp;
    prova::CartellaTemp dir;
    const std::string campione = std::string(VILMOR_ESEMPI) + "/solaio1";
    for (const char* n : {"SOL1.QVR", "ARCHIMPA.AI0"})
        std::filesystem::copy_file(campione + "/" + n, dir / n);
    ProgettoSalvato salvato;
    FrmMain f(dir / "SOL1.QVR");
    f.show();
    ChiudiMessaggi m;
    f.ApriRigaComando();
    EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ SOL1.QVR ]");
    EXPECT_EQ(M.Progetto.PercorsoSoletta, dir / "SOL1.QVR");
    EXPECT_GT(M.Soletta.NumVertContorno, 0);
    EXPECT_GT(f.Pannello()->topLevelItemCount(), 0);
}
