#include "model/ServerSezioni.h"

#include "base/Piattaforma.h"

namespace vilmor {

namespace {

// A section the server could not give: unnamed, 1 cm by 1 cm, so that the drawings and the
// punching outlines never take another profile's size for it.
void AzzeraSezioneCorrente() {
    SezioneCorrente = SezionePilastro{};
    SezioneCorrente.Dim0 = 1;
    SezioneCorrente.Dim1 = 1;
}

void ImpostaSezioneCorrente(const std::string& nome, const DimensioniServer& dim, const ProprietaServer& prop) {
    SezioneCorrente = SezionePilastro{};
    SezioneCorrente.Nome = nome;
    SezioneCorrente.Dim0 = static_cast<float>(dim[0] / 10.0);
    SezioneCorrente.Dim1 = static_cast<float>(dim[1] / 10.0);
    SezioneCorrente.Dim2 = static_cast<float>(dim[2] / 10.0);
    SezioneCorrente.Dim3 = static_cast<float>(dim[3] / 10.0);
    SezioneCorrente.Dim4 = static_cast<float>(dim[4]);
    SezioneCorrente.EccBaricentro1 = static_cast<float>(dim[1] / 20.0 - prop[32] / 10.0);
    SezioneCorrente.EccBaricentro2 = static_cast<float>(dim[0] / 20.0 - prop[33] / 10.0);
}

}  // namespace

ServerSezioni& ServerAttivo() { return Piatt.Sezioni ? *Piatt.Sezioni : ServerLocale(); }

bool NuovoIdSezione(int32_t forma, int32_t numero, int32_t& id1, int32_t& id2) {
    int32_t f = forma, n = numero, i1 = 0, i2 = 0;
    try {
        if (!ServerAttivo().NewID(f, n, i1, i2)) return false;
    } catch (...) {
        return false;
    }
    id1 = i1;
    id2 = i2;
    return true;
}

bool LeggiDatiSezione(int32_t id1, int32_t id2) {
    DimensioniServer dim{};
    ProprietaServer prop{};
    std::string nome;
    int32_t extra = 0, errore = 0;
    try {
        if (!ServerAttivo().DatiSezione(id1, id2, dim, nome, extra, prop, errore)) return false;
    } catch (...) {
        return false;
    }
    if (errore == 0)
        ImpostaSezioneCorrente(nome, dim, prop);
    else
        AzzeraSezioneCorrente();
    return true;
}

bool LeggiDatiComposte(int32_t forma, int32_t id2) {
    DimensioniServer dim{};
    ProprietaServer prop{};
    dim[9] = 10;
    std::string nome;
    int32_t errore = 0;
    try {
        if (!ServerAttivo().DatiComposte(forma, id2, dim, nome, prop, errore)) return false;
    } catch (...) {
        return false;
    }
    if (errore == 0)
        ImpostaSezioneCorrente(nome, dim, prop);
    else
        AzzeraSezioneCorrente();
    return true;
}

int AggiungiSezionePilastro(ArchivioPilastri& a, int tipo, int forma, int numero) {
    int32_t id1 = 0, id2 = 0;
    if (!NuovoIdSezione(forma, numero, id1, id2)) return -1;
    bool ok = tipo == 1 ? LeggiDatiSezione(id1, id2) : LeggiDatiComposte(forma, id2);
    if (!ok) return -1;
    int k = a.NumSezioniPilastro;
    if (k >= static_cast<int>(a.SezioniPilastro.size())) a.SezioniPilastro.resize(k + 1);
    a.SezioniPilastro[k] = SezioneCorrente;
    a.NumSezioniPilastro = k + 1;
    return k;
}

}  // namespace vilmor
