#include "support/Registrazioni.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/Undo.h"

namespace vilmor::prova {

RispostaMsg MessaggiRegistrati::MostraConPredefinito(const std::string& testo, IconaMsg icona,
                                                     PulsantiMsg pulsanti, const std::string& titolo,
                                                     RispostaMsg predefinita) {
    const RispostaMsg r = Mostra(testo, icona, pulsanti, titolo);
    Visti.back().Predefinita = predefinita;
    return r;
}

RispostaMsg MessaggiRegistrati::Mostra(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                                       const std::string& titolo) {
    Visti.push_back({testo, icona, pulsanti, titolo, std::nullopt});
    if (pulsanti == PulsantiMsg::Ok) return RispostaMsg::Ok;
    if (Risposte.empty()) {
        ADD_FAILURE() << "domanda senza risposta prevista: " << testo;
        return pulsanti == PulsantiMsg::OkAnnulla ? RispostaMsg::Annulla : RispostaMsg::No;
    }
    RispostaMsg r = Risposte.front();
    Risposte.pop_front();
    return r;
}

PiattaformaProva::PiattaformaProva() : vecchia_(Piatt) {
    Piatt.Msg = &Msg;
    Piatt.Ctrl_Vid = &Video;
    Piatt.PropertyGrid1 = &Pannello;
    Piatt.Dialoghi = &Dialoghi;
    Piatt.Finestra = &Finestra;
    Piatt.Picture2 = &Legenda;
    Piatt.SinkVideo = &SinkVideo;
    Piatt.SinkDxf = &SinkDxf;
    Piatt.FrmPolig = &Polig;
}

PiattaformaProva::~PiattaformaProva() { Piatt = vecchia_; }

CartellaTemp::CartellaTemp() {
    std::string modello = (std::filesystem::temp_directory_path() / "vilmor-XXXXXX").string();
    char* p = ::mkdtemp(modello.data());
    if (!p) throw std::runtime_error("mkdtemp");
    p_ = p;
}

CartellaTemp::~CartellaTemp() {
    std::error_code ec;
    std::filesystem::remove_all(p_, ec);
}

std::string LeggiTutto(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

void ScriviTutto(const std::string& percorso, const std::string& byte) {
    std::ofstream f(percorso, std::ios::binary);
    f << byte;
}

void SvuotaCartellaUndo() {
    const std::string cartella = CartellaUndo();
    if (cartella.empty()) return;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(cartella, ec))
        if (e.path().extension() == ".TMP") std::filesystem::remove(e.path(), ec);
}

}  // namespace vilmor::prova
