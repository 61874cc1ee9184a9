#include "ui/FrmMain.h"

#include <QHBoxLayout>

namespace vilmor {

FrmMain::FrmMain(const std::string& percorsoRigaComando, QWidget* parent)
    : QMainWindow(parent), percorsoRigaComando_(percorsoRigaComando) {
    auto* centro = new QWidget(this);
    auto* disposizione = new QHBoxLayout(centro);
    disposizione->setContentsMargins(0, 0, 0, 0);
    ctrlVid_ = new CtrlVid(centro);
    disposizione->addWidget(ctrlVid_, 1);
    setCentralWidget(centro);
    resize(1000, 700);

    messaggi_ = std::make_unique<MessaggiQt>(this);
    Piatt.Msg = messaggi_.get();
    Piatt.Ctrl_Vid = ctrlVid_;
}

FrmMain::~FrmMain() {
    if (Piatt.Msg == messaggi_.get()) Piatt.Msg = nullptr;
    if (Piatt.Ctrl_Vid == ctrlVid_) Piatt.Ctrl_Vid = nullptr;
}

std::string PercorsoDaRigaComando(const std::string& riga) {
    std::string p = riga;
    auto primo = p.find_first_not_of(" \t");
    if (primo == std::string::npos) return {};
    p = p.substr(primo);
    auto ultimo = p.find_last_not_of(" \t");
    p = p.substr(0, ultimo + 1);
    if (p.size() >= 2 && p.front() == '"' && p.back() == '"') p = p.substr(1, p.size() - 2);
    if (p.size() < 4) return {};
    std::string est = p.substr(p.size() - 4);
    for (auto& c : est) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return est == ".QVR" ? p : std::string{};
}

}  // namespace vilmor
