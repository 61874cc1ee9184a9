#include <QApplication>
#include <QTimer>

#include "ui/FrmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Vilmor");
    std::string riga;
    for (int i = 1; i < argc; ++i) {
        if (!riga.empty()) riga += ' ';
        riga += argv[i];
    }
    vilmor::FrmMain finestra(vilmor::PercorsoDaRigaComando(riga));
    finestra.show();
    QTimer::singleShot(0, &finestra, [&finestra] { finestra.ApriRigaComando(); });
    return app.exec();
}
