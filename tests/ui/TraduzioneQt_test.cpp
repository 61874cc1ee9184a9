// Qt's own texts in Italian: the standard buttons of a question, the file and colour dialogs.
#include "ui/TraduzioneQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "ui/Banco.h"
#include "ui/DialoghiQt.h"
#include "ui/MessaggiQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

QString SenzaMnemonico(QString t) { return t.remove(QLatin1Char('&')); }

// The translation installed for one test, removed at its end.
struct Italiano {
    QTranslator* t = nullptr;
    Italiano() { t = InstallaTraduzioneQt(*qApp); }
    ~Italiano() {
        if (t) QCoreApplication::removeTranslator(t);
        delete t;
    }
};

bool TraduzionePresente() {
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm"));
}

}  // namespace

TEST(TraduzioneQt, PulsantiEDialoghiInItaliano) {
    if (!TraduzionePresente()) GTEST_SKIP() << "qtbase_it.qm is missing: tools/setup.sh installs it";
    Italiano it;
    ASSERT_NE(it.t, nullptr);

    // A Yes/No question: "Sì" and "No"; the one chosen still answers.
    MessaggiQt msg(nullptr);
    QStringList pulsanti;
    SuModale([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) pulsanti << SenzaMnemonico(b->text());
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(msg.Mostra("Vuoi salvare prima di uscire?", IconaMsg::Nessuna, PulsantiMsg::SiNo, "Uscita dal programma"),
              RispostaMsg::No);
    pulsanti.sort();
    EXPECT_EQ(pulsanti, (QStringList{QStringLiteral("No"), QString::fromUtf8("Sì")}));

    // The open and save dialogs: "Apri"/"Salva" and "Annulla".
    for (bool salva : {false, true}) {
        RichiestaFile r;
        r.Titolo = salva ? "Salva" : "Apri";
        r.Filtro = "File dati (*.QVR)|*.QVR";
        auto d = CreaDialogoFile(r, salva, nullptr);
        d->show();
        QCoreApplication::processEvents();
        auto* scatola = d->findChild<QDialogButtonBox*>();
        ASSERT_NE(scatola, nullptr);
        ASSERT_NE(scatola->button(QDialogButtonBox::Cancel), nullptr);
        EXPECT_EQ(SenzaMnemonico(scatola->button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Annulla"));
        QPushButton* accetta = scatola->button(salva ? QDialogButtonBox::Save : QDialogButtonBox::Open);
        ASSERT_NE(accetta, nullptr);
        EXPECT_EQ(SenzaMnemonico(accetta->text()), salva ? QStringLiteral("Salva") : QStringLiteral("Apri"));
        d->reject();
    }

    // The colour dialog's own title.
    QString titolo;
    SuModale([&](QWidget* w) {
        titolo = w->windowTitle();
        static_cast<QDialog*>(w)->reject();
    });
    DialoghiQt dialoghi(nullptr);
    EXPECT_FALSE(dialoghi.ScegliColore(0).has_value());
    EXPECT_EQ(titolo, QStringLiteral("Seleziona colore"));
}

TEST(TraduzioneQt, SenzaTraduzioneInglese) {
    // Without the translation installed Qt keeps its own English: the program runs as well.
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(SenzaMnemonico(box.button(QMessageBox::Yes)->text()), QStringLiteral("Yes"));
}
