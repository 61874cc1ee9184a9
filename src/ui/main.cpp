#include <QApplication>

#include "app/AvvioProgramma.h"
#include "ui/FrmMain.h"
#include "ui/TraduzioneQt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName("Vilmor");
    vilmor::InstallaTraduzioneQt(app);
    vilmor::FrmMain finestra(vilmor::RigaComando(argc, argv));
    finestra.Avvia();
    return app.exec();
}
