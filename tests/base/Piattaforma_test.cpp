#include "base/Piattaforma.h"

#include <gtest/gtest.h>

using namespace vilmor;

// With no message box installed nobody can answer: a question gets the answer that replaces
// and loses nothing, and the message still reaches stderr.
TEST(MostraMessaggio, SenzaFinestraRispostaSicura) {
    struct Caso {
        PulsantiMsg Pulsanti;
        RispostaMsg Attesa;
    };
    const Caso casi[] = {{PulsantiMsg::Ok, RispostaMsg::Ok},
                         {PulsantiMsg::OkAnnulla, RispostaMsg::Annulla},
                         {PulsantiMsg::SiNo, RispostaMsg::No},
                         {PulsantiMsg::SiNoPredefinitoNo, RispostaMsg::No},
                         {PulsantiMsg::SiNoAnnulla, RispostaMsg::Annulla}};
    const Piattaforma vecchia = Piatt;
    Piatt.Msg = nullptr;
    for (const auto& c : casi) {
        SCOPED_TRACE(static_cast<int>(c.Pulsanti));
        testing::internal::CaptureStderr();
        const RispostaMsg r = MostraMessaggio("Vuoi sostituirlo?", IconaMsg::Domanda, c.Pulsanti, "Salva");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Salva] Vuoi sostituirlo?\n");
        EXPECT_EQ(r, c.Attesa);
    }
    Piatt = vecchia;
}
