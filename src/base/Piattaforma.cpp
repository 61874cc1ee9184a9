#include "base/Piattaforma.h"

#include <cstdio>

namespace vilmor {

namespace {
RispostaMsg SenzaFinestra(const std::string& testo, PulsantiMsg pulsanti, const std::string& titolo) {
    std::fprintf(stderr, "[%s] %s\n", titolo.c_str(), testo.c_str());
    // Nobody to ask: the answer that replaces and loses nothing.
    switch (pulsanti) {
        case PulsantiMsg::SiNo: return RispostaMsg::No;
        case PulsantiMsg::OkAnnulla:
        case PulsantiMsg::SiNoAnnulla: return RispostaMsg::Annulla;
        case PulsantiMsg::Ok: break;
    }
    return RispostaMsg::Ok;
}
}  // namespace

RispostaMsg MostraMessaggio(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                            const std::string& titolo) {
    if (Piatt.Msg) return Piatt.Msg->Mostra(testo, icona, pulsanti, titolo);
    return SenzaFinestra(testo, pulsanti, titolo);
}

RispostaMsg MostraMessaggio(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                            const std::string& titolo, RispostaMsg predefinita) {
    if (Piatt.Msg) return Piatt.Msg->MostraConPredefinito(testo, icona, pulsanti, titolo, predefinita);
    return SenzaFinestra(testo, pulsanti, titolo);
}

RispostaMsg Avviso(const std::string& testo) {
    return MostraMessaggio(testo, IconaMsg::Esclamazione, PulsantiMsg::Ok, "Attenzione!");
}

void PulisciTransitorio() {
    if (SuperficieVideo* v = Piatt.Ctrl_Vid) {
        v->DisegnoPersistente(false);
        v->Pulisci();
    }
}

int32_t ColorePalette(int n) {
    static const int tab[16][3] = {{0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
                                   {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
                                   {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
                                   {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255}};
    if (n < 0 || n > 15) n = 0;
    return Rgb(tab[n][0], tab[n][1], tab[n][2]);
}

}  // namespace vilmor
