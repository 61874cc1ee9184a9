#include "ui/MessaggiQt.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTest>

#include "ui/Banco.h"

using namespace vilmor;
using namespace vilmor::prova;

// Enter answers with the default button: a question whose Yes discards work has No there.
TEST(MessaggiQt, InvioPrendeIlPulsantePredefinito) {
    struct Caso {
        PulsantiMsg Pulsanti;
        RispostaMsg Attesa;
    };
    const Caso casi[] = {{PulsantiMsg::SiNoPredefinitoNo, RispostaMsg::No}, {PulsantiMsg::SiNo, RispostaMsg::Si}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.Pulsanti));
        MessaggiQt msg(nullptr);
        SuModale([](QWidget* w) {
            ASSERT_NE(qobject_cast<QMessageBox*>(w), nullptr);
            QTest::keyClick(w, Qt::Key_Return);
        });
        EXPECT_EQ(msg.Mostra("Procedere?", IconaMsg::Nessuna, c.Pulsanti, "Attenzione!"), c.Attesa);
    }
}
