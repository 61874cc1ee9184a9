// The main window: command bars, the plan picture, the property panel and the information panel.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "ui/CtrlVid.h"
#include "ui/MessaggiQt.h"

namespace vilmor {

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(const std::string& percorsoRigaComando = {}, QWidget* parent = nullptr);
    ~FrmMain() override;

    CtrlVid* PianoVideo() const { return ctrlVid_; }
    const std::string& PercorsoRigaComando() const { return percorsoRigaComando_; }

private:
    CtrlVid* ctrlVid_ = nullptr;
    std::unique_ptr<MessaggiQt> messaggi_;
    std::string percorsoRigaComando_;
};

// At most one path, optionally quoted; a name without ".QVR" is not opened.
std::string PercorsoDaRigaComando(const std::string& riga);

}  // namespace vilmor
