#include "app/RelazioneComputo.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "app/CaricaSoletta.h"
#include "app/ComandiFile.h"
#include "base/Piattaforma.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"

namespace vilmor {

namespace {

// Puts ErroreOperazione back as it was when the report began.
class StatoConservato {
public:
    StatoConservato() : stato_(ErroreOperazione) {}
    StatoConservato(const StatoConservato&) = delete;
    StatoConservato& operator=(const StatoConservato&) = delete;
    ~StatoConservato() { ErroreOperazione = stato_; }

private:
    int stato_;
};

std::string Percorso(const std::string& cartella, const std::string& nome) {
    if (cartella.empty()) return nome;
    return cartella.back() == '/' ? cartella + nome : cartella + "/" + nome;
}

int Fallito() {
    ErroreOperazione = -1;
    return -1;
}

}  // namespace

std::string DocumentoSoletteElencate(const std::string& cartella, const std::vector<std::string>& elenco,
                                     Modello* aperto) {
    StatoConservato stato;
    StatoRelazione r;
    IniziaRelazione(r);
    int riportate = 0;
    for (const std::string& nome : elenco) {
        // Each other slab in a model of its own: the project in memory stays as it is.
        std::unique_ptr<Modello> caricato;
        Modello* m = SolettaElencata(Percorso(cartella, nome), aperto, caricato);
        if (!m) continue;
        CopuRTF(r, *m);
        r.TestoRtf += "\\par ";
        ++riportate;
    }
    if (elenco.size() >= 2) RiepilogoRelazione(r, riportate);
    return r.TestoRtf + FineRTF();
}

std::string DocumentoFinestraComputo(const std::string& cartella) {
    StatoConservato stato;
    if (Elenco.ComputoMultiplo == 0) return DocumentoComputo(M);
    const size_t n = static_cast<size_t>(std::clamp(Elenco.NumFileDxf, 0, static_cast<int>(Elenco.ElencoFileDxf.size())));
    const std::vector<std::string> elenco(Elenco.ElencoFileDxf.begin(), Elenco.ElencoFileDxf.begin() + static_cast<long>(n));
    return DocumentoSoletteElencate(cartella, elenco, &M);
}

int SalvaComputo(std::string_view documento) {
    ErroreOperazione = 0;
    std::string& proposto = Elenco.PercorsoComputo;
    if (proposto.empty()) proposto = "ComputoSoletta.rtf";
    RichiestaFile r;
    r.Titolo = "Salva computo";
    r.Filtro = "File (*.rtf)|*.rtf";
    r.Estensione = "rtf";
    const size_t barra = proposto.find_last_of('/');
    if (barra != std::string::npos) {
        r.Cartella = barra == 0 ? "/" : proposto.substr(0, barra);
        r.NomeIniziale = proposto.substr(barra + 1);
    } else {
        r.Cartella = M.Progetto.CartellaLavoro;
        r.NomeIniziale = proposto;
    }
    if (!Piatt.Dialoghi) return Fallito();
    const std::optional<std::string> scelta = Piatt.Dialoghi->Salva(r);
    if (!scelta || scelta->empty()) return Fallito();
    const std::string& file = *scelta;

    // The dialog asks nothing itself before replacing a file.
    const bool esiste = EsisteFile(file);
    if (ErroreOperazione != 0) return Fallito();  // the file test has reported it
    if (esiste && !SostituireFile()) return Fallito();
    if (!SalvaRTF(file, documento)) return Fallito();
    return 0;
}

int ComandoComputo() {
    if (M.Soletta.NumVertContorno <= 0) return -1;
    Elenco.ComputoMultiplo = 0;
    if (Piatt.Finestra) Piatt.Finestra->MostraComputo();
    return 0;
}

}  // namespace vilmor
