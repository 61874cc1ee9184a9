#include "ui/MessaggiQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace vilmor {

RispostaMsg MessaggiQt::Mostra(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                               const std::string& titolo) {
    return Esegui(testo, icona, pulsanti, titolo, nullptr);
}

RispostaMsg MessaggiQt::MostraConPredefinito(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                                             const std::string& titolo, RispostaMsg predefinita) {
    return Esegui(testo, icona, pulsanti, titolo, &predefinita);
}

RispostaMsg MessaggiQt::Esegui(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                               const std::string& titolo, const RispostaMsg* predefinita) {
    QMessageBox box(padre_);
    box.setWindowTitle(QString::fromStdString(titolo));
    box.setText(QString::fromStdString(testo));
    switch (icona) {
        case IconaMsg::Critica: box.setIcon(QMessageBox::Critical); break;
        case IconaMsg::Domanda: box.setIcon(QMessageBox::Question); break;
        case IconaMsg::Esclamazione: box.setIcon(QMessageBox::Warning); break;
        case IconaMsg::Informazione: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    switch (pulsanti) {
        case PulsantiMsg::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case PulsantiMsg::OkAnnulla: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case PulsantiMsg::SiNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case PulsantiMsg::SiNoAnnulla:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    // The program speaks Italian whether or not Qt's own translation is installed.
    const std::pair<QMessageBox::StandardButton, const char*> testi[] = {
        {QMessageBox::Yes, "S\xC3\xAC"}, {QMessageBox::No, "No"}, {QMessageBox::Cancel, "Annulla"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [pulsante, testo] : testi)
        if (QAbstractButton* b = box.button(pulsante)) b->setText(QString::fromUtf8(testo));
    if (predefinita) {
        QMessageBox::StandardButton pulsante = QMessageBox::Ok;
        switch (*predefinita) {
            case RispostaMsg::Si: pulsante = QMessageBox::Yes; break;
            case RispostaMsg::No: pulsante = QMessageBox::No; break;
            case RispostaMsg::Annulla: pulsante = QMessageBox::Cancel; break;
            case RispostaMsg::Ok: break;
        }
        if (box.button(pulsante)) box.setDefaultButton(pulsante);
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return RispostaMsg::Si;
        case QMessageBox::No: return RispostaMsg::No;
        case QMessageBox::Cancel: return RispostaMsg::Annulla;
        default: return RispostaMsg::Ok;
    }
}

}  // namespace vilmor
