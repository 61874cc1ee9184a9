// The main window: command bars, the plan picture, the side choice, the property panel and the
// information panel.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "base/Piattaforma.h"
#include "drawing/SinkVideo.h"
#include "ui/CtrlVid.h"
#include "ui/DialoghiQt.h"
#include "ui/MessaggiQt.h"
#include "ui/PannelloQt.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace vilmor {

class FrmMain : public QMainWindow, public FinestraPrincipale {
    Q_OBJECT
public:
    explicit FrmMain(const std::string& percorsoRigaComando = {}, QWidget* parent = nullptr);
    ~FrmMain() override;

    CtrlVid* PianoVideo() const { return ctrlVid_; }
    const std::string& PercorsoRigaComando() const { return percorsoRigaComando_; }
    // Opens the slab named on the command line, once the window is shown; one that cannot be
    // opened is reported with the load's message.
    void ApriRigaComando();

    // Side choice: 0 "Lato +", 1 "Lato -", 2 "Taglio"; the single-mesh label.
    QRadioButton* OpzioneLato(int indice) const { return lati_.at(indice); }
    QLabel* EtichettaMagliaUnica() const { return magliaUnica_; }
    // The property panel `PropertyGrid1`, docked beside the plan picture.
    PannelloQt* Pannello() const { return pannello_; }

    // Main-window hooks of the engine.
    void ImpostaTitolo(const std::string& titolo) override;
    void SelezionaLato(int indice) override;
    void MostraLati(bool visibili) override;
    void MostraMagliaUnica(bool visibile) override;
    void MostraFrame1(bool visibile) override;
    QGroupBox* Frame1() const { return frame1_; }
    void ImpostaPrompt(const std::string& testo) override;
    const std::string& Prompt() const { return prompt_; }
    void MostraFrmAggiuntiva() override;
    void MostraFrmCordoli() override;

private:
    CtrlVid* ctrlVid_ = nullptr;
    std::array<QRadioButton*, 3> lati_{};
    QButtonGroup* gruppoLati_ = nullptr;
    QLabel* magliaUnica_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    SinkVideo sinkVideo_;
    PannelloQt* pannello_ = nullptr;
    std::unique_ptr<MessaggiQt> messaggi_;
    std::unique_ptr<DialoghiQt> dialoghi_;
    std::string percorsoRigaComando_;
    std::string prompt_;
};

// At most one path, optionally quoted; a name without ".QVR" is not opened.
std::string PercorsoDaRigaComando(const std::string& riga);

}  // namespace vilmor
