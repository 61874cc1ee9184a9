#include "app/EsportaSoletteDxf.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <memory>
#include <optional>

#include "app/CaricaSoletta.h"
#include "app/ComandiFile.h"
#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "drawing/Ridisegna.h"
#include "dxf/FileDxf12.h"
#include "dxf/FileDxf2000.h"
#include "dxf/NomiLayerDxf.h"
#include "model/Estensioni.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

// Thrown out of the pass when no slab loaded: the target is left as it was.
struct NessunaSoletta {};

// The shared view, the DXF offset and the screen's layer switches come back however the pass
// ends.
class StatoRipristinato {
public:
    StatoRipristinato()
        : vista_(Vista), offset_(EsportaDxf.OffsetDxfX), offsetY_(EsportaDxf.OffsetDxfY),
          visibili_(Strati.VisLayerCorr) {}
    ~StatoRipristinato() {
        Vista = vista_;
        EsportaDxf.OffsetDxfX = offset_;
        EsportaDxf.OffsetDxfY = offsetY_;
        Strati.VisLayerCorr = visibili_;
    }
    StatoRipristinato(const StatoRipristinato&) = delete;
    StatoRipristinato& operator=(const StatoRipristinato&) = delete;

private:
    StatoVista vista_;
    float offset_, offsetY_;
    std::array<int, NumLayer> visibili_;
};

// The busy pointer for the life of the export.
class PuntatoreOccupato {
public:
    PuntatoreOccupato() {
        if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->PuntatoreAttesa(true);
    }
    ~PuntatoreOccupato() {
        if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->PuntatoreAttesa(false);
    }
    PuntatoreOccupato(const PuntatoreOccupato&) = delete;
    PuntatoreOccupato& operator=(const PuntatoreOccupato&) = delete;
};

}  // namespace

namespace {

// The sheet of one slab at the current offset, in a view state of the export's own made from
// `base`; the next sheet goes to its right. A sheet that would reach within 200 cm of what the
// sheets before it drew (`destra`, their right edge) moves right until it is that far.
void DisegnaTavola(Modello& m, const StatoVista& base, std::optional<float>& destra) {
    StatoVista v = base;
    SettaLimiti(m, v);
    v.PiantaCorrente = 5;
    Vista = v;
    const Ingombro b = MisuraDisegnoDxf(m);
    if (destra && !b.Vuoto) EsportaDxf.OffsetDxfX = std::max(EsportaDxf.OffsetDxfX, *destra + 200 - b.XMin);
    Ridisegna(m, 1);
    const float o = EsportaDxf.OffsetDxfX;
    if (!b.Vuoto) destra = destra ? std::max(*destra, o + b.XMax) : o + b.XMax;
    EsportaDxf.OffsetDxfX += v.LarghezzaTavola + 200;
}

}  // namespace

int DisegnaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella, Modello* aperto) {
    StatoRipristinato ripristino;
    const StatoVista base = Vista;
    EsportaDxf.OffsetDxfX = 0;
    EsportaDxf.OffsetDxfY = 0;
    int disegnate = 0;
    std::optional<float> destra;
    for (const std::string& nome : nomi) {
        // One slab in memory at a time beside the open project.
        std::unique_ptr<Modello> caricato;
        Modello* m = SolettaElencata(cartella + "/" + nome, aperto, caricato);
        if (!m) continue;
        DisegnaTavola(*m, base, destra);
        ++disegnate;
    }
    return disegnate;
}

int DisegnaModelloDxf(Modello& m) {
    if (m.Soletta.NumVertContorno <= 0) return 0;
    StatoRipristinato ripristino;
    const StatoVista base = Vista;
    EsportaDxf.OffsetDxfX = 0;
    EsportaDxf.OffsetDxfY = 0;
    std::optional<float> destra;
    DisegnaTavola(m, base, destra);
    return 1;
}

namespace {

// Layer 24 and the layer names, before anything is asked.
bool PreparaLayer() {
    Strati.NomiLayer[24] = Strati.NomiLayer[2] + "_SUP";
    Strati.AciLayer[24] = Strati.AciLayer[2];
    Strati.VisLayerDxf[24] = Strati.VisLayerDxf[2];
    const bool r12 = EsportaDxf.FormatoR12 != 0;
    if (const std::string rifiuto = ControllaNomiLayer(Strati, NumLayer, r12); !rifiuto.empty()) {
        Avviso(rifiuto);
        return false;
    }
    return true;
}

// The layers and the list.
bool Prepara(const std::vector<std::string>& nomi) {
    if (!PreparaLayer()) return false;
    if (nomi.empty()) {
        Avviso("Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!");
        return false;
    }
    Elenco.NumFileDxf = static_cast<int>(nomi.size());
    Elenco.ElencoFileDxf = nomi;
    return true;
}

// The file written from a drawing pass that returns how many sheets it drew.
bool Scrivi(const std::function<int()>& pass, const std::string& percorso) {
    const bool r12 = EsportaDxf.FormatoR12 != 0;
    PuntatoreOccupato occupato;
    auto disegna = [&] {
        if (pass() == 0) throw NessunaSoletta{};
    };
    int errore = 0;
    bool scritto = false;
    try {
        scritto = r12 ? SalvaDxf12(percorso, disegna, false, &errore)
                      : SalvaDxf2000(percorso, disegna, false, &errore);
    } catch (const NessunaSoletta&) {
        Avviso("Nessuna delle solette elencate è stata caricata.\nGenerazione file DXF impossibile!");
        return false;
    }
    if (!scritto) Avviso(MessaggioErroreDxf(percorso, errore));
    return scritto;
}

bool Scrivi(const std::vector<std::string>& nomi, const std::string& cartella, const std::string& percorso,
            Modello* aperto) {
    return Scrivi([&] { return DisegnaSoletteDxf(nomi, cartella, aperto); }, percorso);
}

}  // namespace

bool EsportaSoletteDxf(const std::vector<std::string>& nomi, const std::string& cartella,
                       const std::string& percorso, Modello* aperto) {
    return Prepara(nomi) && Scrivi(nomi, cartella, percorso, aperto);
}

bool EsportaModelloDxf(Modello& m, const std::string& percorso) {
    if (!PreparaLayer()) return false;
    if (m.Soletta.NumVertContorno <= 0) {
        Avviso("Nessuna soletta caricata.\nGenerazione file DXF impossibile!");
        return false;
    }
    return Scrivi([&] { return DisegnaModelloDxf(m); }, percorso);
}

bool NewSalvaDXF(const std::vector<std::string>& nomi, const std::string& cartella) {
    if (!Prepara(nomi) || !Piatt.Dialoghi) return false;
    RichiestaFile r;
    r.Cartella = cartella;
    r.Filtro = "File Disegno (*.DXF)|*.DXF";
    r.Estensione = "DXF";
    r.NomeIniziale = EsportaDxf.PercorsoDxf;
    const std::optional<std::string> scelta = Piatt.Dialoghi->Salva(r);
    if (!scelta || scelta->empty() || *scelta == "*.DXF") return false;
    // The dialog asks nothing itself before replacing a file.
    if (EsisteFile(*scelta) && !SostituireFile()) return false;
    EsportaDxf.PercorsoDxf = *scelta;
    return Scrivi(nomi, cartella, *scelta, &M);
}

std::string MessaggioErroreDxf(const std::string& percorso, int errore) {
    switch (errore) {
        case ErroreSolaLettura:
            return MessaggioSolaLettura(percorso);
        // Both name the target last, as every failed write does.
        case EBUSY:
        case ETXTBSY:
            return "Il file è attualmente aperto.\nOperazione annullata!\n" + percorso;
        case EACCES:
        case EPERM:
        case EROFS:
            return "Il programma sta cercando di operare su una cartella per la quale l'utente non "
                   "dispone di autorizzazione.\nOperazione annullata!\nContattare l'amministratore di rete.\n" +
                   percorso;
        default:
            return "Impossibile scrivere il file:\n" + percorso + "\nIl file esistente non è stato modificato.";
    }
}

}  // namespace vilmor
