// The message box: a question whose caller names the safe answer takes it on Enter.
#include "ui/MessaggiQt.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ui/Banco.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(MessaggiQt, InvioSceglieIlPulsantePredefinito) {
    struct Caso {
        PulsantiMsg Pulsanti;
        RispostaMsg Predefinita;
        QMessageBox::StandardButton Pulsante;
    };
    const Caso casi[] = {
        {PulsantiMsg::SiNo, RispostaMsg::No, QMessageBox::No},
        {PulsantiMsg::SiNo, RispostaMsg::Si, QMessageBox::Yes},
        {PulsantiMsg::SiNoAnnulla, RispostaMsg::Annulla, QMessageBox::Cancel},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.Predefinita));
        MessaggiQt msg(nullptr);
        bool predefinito = false;
        SuModale([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            predefinito = box->defaultButton() == box->button(c.Pulsante);
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(msg.MostraConPredefinito("Sostituirlo?", IconaMsg::Esclamazione, c.Pulsanti, "Attenzione!",
                                           c.Predefinita),
                  c.Predefinita);
        EXPECT_TRUE(predefinito);
    }
}
