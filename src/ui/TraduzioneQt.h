// Qt's own texts (standard buttons, file and colour dialogs) in Italian, as the rest of the window.
#pragma once

class QCoreApplication;
class QTranslator;

namespace vilmor {

// Installs Qt's Italian translation ("qtbase_it" of Qt's translations folder) on the application.
// Returns the translator installed, owned by the application, or null when the translation is
// missing: then Qt speaks English and the program runs as well.
QTranslator* InstallaTraduzioneQt(QCoreApplication& app);

}  // namespace vilmor
