#pragma once

#include <QWidget>

#include "base/Piattaforma.h"

namespace vilmor {

class MessaggiQt : public Messaggi {
public:
    explicit MessaggiQt(QWidget* padre = nullptr) : padre_(padre) {}
    RispostaMsg Mostra(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                       const std::string& titolo) override;
    RispostaMsg MostraConPredefinito(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                                     const std::string& titolo, RispostaMsg predefinita) override;

private:
    RispostaMsg Esegui(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti, const std::string& titolo,
                       const RispostaMsg* predefinita);
    QWidget* padre_;
};

}  // namespace vilmor
