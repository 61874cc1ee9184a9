#include "ui/DialoghiQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <optional>
#include <set>

#include "model/ModuloDir.h"
#include "support/Registrazioni.h"
#include "ui/FrmMain.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

RichiestaFile Richiesta(const std::string& cartella, const std::string& nome) {
    RichiestaFile r;
    r.Cartella = cartella;
    r.Titolo = "Apri";
    r.Filtro = "File dati (*.QVR)|*.QVR";
    r.NomeIniziale = nome;
    r.Estensione = "QVR";
    return r;
}

// The names the dialog lists in its folder, once the file-system model has read it.
std::set<std::string> Elencati(QFileDialog& d, const std::string& cartella) {
    auto* modello = d.findChild<QFileSystemModel*>();
    if (!modello) return {};
    const QModelIndex radice = modello->index(QString::fromStdString(cartella));
    // The model reads the folder in a thread of its own; the view would ask it for the rows.
    // Wait for the two expected names, then a little longer for a row that should not come.
    QElapsedTimer tempo;
    tempo.start();
    qint64 fine = 5000;
    while (tempo.elapsed() < fine) {
        if (modello->canFetchMore(radice)) modello->fetchMore(radice);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (modello->rowCount(radice) >= 2 && fine == 5000) fine = tempo.elapsed() + 200;
    }
    std::set<std::string> nomi;
    for (int i = 0; i < modello->rowCount(radice); ++i)
        nomi.insert(modello->fileName(modello->index(i, 0, radice)).toStdString());
    return nomi;
}

// Acts on the modal dialog as soon as it is up, and again while it stays open (a name typed
// while the dialog is still settling may be refused); gives up after two seconds.
void QuandoAperto(std::function<void(QFileDialog*)> azione, int tentativi = 200) {
    QTimer::singleShot(10, [azione, tentativi] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (d) azione(d);
        if (tentativi <= 0) {
            if (d) d->reject();
            return;
        }
        if (!d || d->isVisible()) QuandoAperto(azione, tentativi - 1);
    });
}

// Types the name in the dialog's name box and presses its accept button.
void Scegli(QFileDialog* d, const QString& nome) {
    auto* riga = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (riga) riga->setText(nome);
    static_cast<QDialog*>(d)->accept();  // as the dialog's own button does
}

}  // namespace

TEST(DialoghiQt, FiltriNeiDueCasi) {
    struct Caso {
        std::string Filtro;
        QStringList Atteso;
    };
    const std::vector<Caso> casi = {
        {"File dati (*.QVR)|*.QVR", {"File dati (*.QVR *.qvr)"}},
        {"File Dati (*.QVR)|*.QVR", {"File Dati (*.QVR *.qvr)"}},
        {"File dati (*.QV0)|*.QV0", {"File dati (*.QV0 *.qv0)"}},
        {"Disegni|*.dxf;*.DWG|Tutti (*.*)|*.*", {"Disegni (*.dxf *.DXF *.DWG *.dwg)", "Tutti (*.*)"}},
        {"", {}},
    };
    for (const auto& c : casi)
        EXPECT_EQ(FiltriQt(c.Filtro).join(QLatin1Char('|')).toStdString(), c.Atteso.join(QLatin1Char('|')).toStdString());
}

TEST(DialoghiQt, AperturaElencaIFileNeiDueCasi) {
    CartellaTemp dir;
    for (const char* n : {"a.QVR", "b.qvr", "c.txt"}) ScriviTutto(dir / n, "x");
    auto d = CreaDialogoFile(Richiesta(dir.Percorso(), "*.QVR"), false);
    d->setOption(QFileDialog::DontUseNativeDialog, true);
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Apri"));
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("QVR"));
    EXPECT_EQ(d->directory().absolutePath().toStdString(), dir.Percorso());
    EXPECT_EQ(d->nameFilters().join(QLatin1Char('|')).toStdString(), "File dati (*.QVR *.qvr)");
    EXPECT_EQ(Elencati(*d, dir.Percorso()), (std::set<std::string>{"a.QVR", "b.qvr"}));
}

TEST(DialoghiQt, SalvataggioSenzaDomandaPropria) {
    CartellaTemp dir;
    RichiestaFile r = Richiesta(dir.Percorso(), dir / "SOL1.QVR");
    r.Titolo = "Salva";
    auto d = CreaDialogoFile(r, true);
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(d->fileMode(), QFileDialog::AnyFile);
    EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("QVR"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Salva"));
    ASSERT_FALSE(d->selectedFiles().isEmpty());
    EXPECT_EQ(d->selectedFiles().first().toStdString(), dir / "SOL1.QVR");
}

TEST(DialoghiQt, SceltaOAnnullamento) {
    CartellaTemp dir;
    ScriviTutto(dir / "Sol12.qvr", "x");
    DialoghiQt dialoghi;
    QuandoAperto([](QFileDialog* d) { Scegli(d, QStringLiteral("Sol12.qvr")); });
    EXPECT_EQ(dialoghi.Apri(Richiesta(dir.Percorso(), "*.QVR")), std::optional<std::string>(dir / "Sol12.qvr"));

    QuandoAperto([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(dialoghi.Apri(Richiesta(dir.Percorso(), "*.QVR")), std::nullopt);

    // The save dialog returns a new name with the default extension added. (The proposed name
    // is not on disk, so no row of the folder's list can stay selected in its place.)
    QuandoAperto([](QFileDialog* d) { Scegli(d, QStringLiteral("Nuova")); });
    EXPECT_EQ(dialoghi.Salva(Richiesta(dir.Percorso(), dir / "Vecchia.QVR")),
              std::optional<std::string>(dir / "Nuova.QVR"));
}

TEST(DialoghiQt, LaFinestraPrincipaleLiInstalla) {
    CartellaTemp config;
    std::optional<std::string> vecchio;
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) vecchio = v;
    ::setenv("XDG_CONFIG_HOME", config.Percorso().c_str(), 1);
    const Cartelle vecchie = Dir;
    {
        FrmMain f;
        EXPECT_NE(dynamic_cast<DialoghiQt*>(Piatt.Dialoghi), nullptr);
    }
    EXPECT_EQ(Piatt.Dialoghi, nullptr);
    if (vecchio) ::setenv("XDG_CONFIG_HOME", vecchio->c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
    Dir = vecchie;
}
