#include "ui/FrmMain.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <cstdlib>
#include <optional>

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
