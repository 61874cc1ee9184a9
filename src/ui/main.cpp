#include <QApplication>

#include "app/AvvioProgramma.h"
#include "ui/FrmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Vilmor");
    vilmor::FrmMain finestra(vilmor::RigaComando(argc, argv));
    finestra.Avvia();
    return app.exec();
}
