#include "ui/DialoghiQt.h"

#include <QColorDialog>

#include "ui/CtrlVid.h"

#include <QFileDialog>

namespace vilmor {

namespace {

QStringList Parti(const QString& testo, QChar sep) {
    QStringList r;
    for (const QString& p : testo.split(sep)) {
        const QString t = p.trimmed();
        if (!t.isEmpty()) r << t;
    }
    return r;
}

}  // namespace

QStringList FiltriQt(const std::string& filtro) {
    const QStringList campi = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < campi.size(); i += 2) {
        QString descrizione = campi[i].trimmed();
        // The description may already show its patterns: Qt reads them from the last brackets.
        if (descrizione.endsWith(QLatin1Char(')'))) {
            const qsizetype aperta = descrizione.lastIndexOf(QLatin1Char('('));
            if (aperta >= 0) descrizione = descrizione.left(aperta).trimmed();
        }
        QStringList modelli;
        for (const QString& m : Parti(campi[i + 1], QLatin1Char(';'))) {
            for (const QString& v : {m, m.toUpper(), m.toLower()})
                if (!modelli.contains(v)) modelli << v;
        }
        if (modelli.isEmpty()) continue;
        const QString elenco = modelli.join(QLatin1Char(' '));
        filtri << (descrizione.isEmpty() ? elenco : descrizione + QStringLiteral(" (") + elenco + QLatin1Char(')'));
    }
    return filtri;
}

std::unique_ptr<QFileDialog> CreaDialogoFile(const RichiestaFile& r, bool salva, QWidget* padre) {
    auto d = std::make_unique<QFileDialog>(padre);
    d->setWindowTitle(QString::fromStdString(r.Titolo));
    if (salva) {
        d->setAcceptMode(QFileDialog::AcceptSave);
        d->setFileMode(QFileDialog::AnyFile);
        // The program asks its own question before replacing a file.
        d->setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        d->setAcceptMode(QFileDialog::AcceptOpen);
        d->setFileMode(QFileDialog::ExistingFile);
    }
    const QStringList filtri = FiltriQt(r.Filtro);
    if (!filtri.isEmpty()) d->setNameFilters(filtri);
    if (!r.Estensione.empty()) d->setDefaultSuffix(QString::fromStdString(r.Estensione));
    if (!r.Cartella.empty()) d->setDirectory(QString::fromStdString(r.Cartella));
    const QString nome = QString::fromStdString(r.NomeIniziale);
    if (!nome.isEmpty() && !nome.contains(QLatin1Char('*')) && !nome.contains(QLatin1Char('?'))) d->selectFile(nome);
    return d;
}

std::optional<std::string> DialoghiQt::Mostra(const RichiestaFile& r, bool salva) {
    auto d = CreaDialogoFile(r, salva, padre_);
    if (d->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList scelti = d->selectedFiles();
    if (scelti.isEmpty() || scelti.first().isEmpty()) return std::nullopt;
    return scelti.first().toStdString();
}

std::optional<int32_t> DialoghiQt::ScegliColore(int32_t iniziale) {
    const QColor c = QColorDialog::getColor(CtrlVid::Colore(iniziale), padre_);
    if (!c.isValid()) return std::nullopt;
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

}  // namespace vilmor
