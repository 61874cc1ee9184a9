// Qt's own texts in Italian: the file and colour dialogs; the program's questions in Italian with
// or without Qt's translation.
#include "ui/TraduzioneQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/Banco.h"
#include "ui/DialoghiQt.h"
#include "ui/MessaggiQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

std::string SenzaMnemonico(QString t) { return t.remove(QLatin1Char('&')).toStdString(); }

// The translation installed for one test, removed at its end.
struct Italiano {
    QTranslator* t = nullptr;
    Italiano() { t = InstallaTraduzioneQt(*qApp); }
    ~Italiano() {
        if (t) QCoreApplication::removeTranslator(t);
        delete t;
    }
};

}  // namespace

// Texts that only Qt's own translation gives: a program without it fails here.
TEST(TraduzioneQt, TestiDiQtInItaliano) {
    Italiano it;
    ASSERT_NE(it.t, nullptr) << "Qt's Italian translation (qtbase_it.qm) is not installed";

    // The open and save dialogs: their labels, "Apri"/"Salva" and the button box's "Annulla".
    for (bool salva : {false, true}) {
        SCOPED_TRACE(salva);
        RichiestaFile r;
        r.Titolo = salva ? "Salva" : "Apri";
        r.Filtro = "File dati (*.QVR)|*.QVR";
        auto d = CreaDialogoFile(r, salva, nullptr);
        d->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(SenzaMnemonico(d->labelText(QFileDialog::LookIn)), "Cerca in:");
        EXPECT_EQ(SenzaMnemonico(d->labelText(QFileDialog::FileName)), "Nome del file:");
        EXPECT_EQ(SenzaMnemonico(d->labelText(QFileDialog::FileType)), "File di tipo:");
        auto* scatola = d->findChild<QDialogButtonBox*>();
        ASSERT_NE(scatola, nullptr);
        ASSERT_NE(scatola->button(QDialogButtonBox::Cancel), nullptr);
        EXPECT_EQ(SenzaMnemonico(scatola->button(QDialogButtonBox::Cancel)->text()), "Annulla");
        QPushButton* accetta = scatola->button(salva ? QDialogButtonBox::Save : QDialogButtonBox::Open);
        ASSERT_NE(accetta, nullptr);
        EXPECT_EQ(SenzaMnemonico(accetta->text()), salva ? "Salva" : "Apri");
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
    EXPECT_EQ(titolo.toStdString(), "Seleziona colore");
}

// The program's questions speak Italian whether or not Qt's translation is installed: the
// message layer sets its buttons' texts itself, and the one chosen still answers.
TEST(TraduzioneQt, DomandeInItalianoSenzaTraduzione) {
    ASSERT_TRUE(QCoreApplication::translate("QPlatformTheme", "Cancel") == QStringLiteral("Cancel"))
        << "no translation installed";
    MessaggiQt msg(nullptr);
    std::vector<std::string> pulsanti;
    SuModale([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) pulsanti.push_back(SenzaMnemonico(b->text()));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(msg.Mostra("Vuoi salvare prima di uscire?", IconaMsg::Nessuna, PulsantiMsg::SiNoAnnulla,
                         "Uscita dal programma"),
              RispostaMsg::No);
    std::sort(pulsanti.begin(), pulsanti.end());
    EXPECT_EQ(pulsanti, (std::vector<std::string>{"Annulla", "No", "Sì"}));
}
