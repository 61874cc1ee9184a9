#include "app/DialogoDxf.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/EsportaSoletteDxf.h"
#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "dxf/NomiLayerDxf.h"
#include "model/FileImpostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"

namespace vilmor {

namespace fs = std::filesystem;

namespace {

std::string Minuscolo(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Only the first blank becomes "_".
std::string NomeLayer(std::string s) {
    if (const size_t i = s.find(' '); i != std::string::npos) s[i] = '_';
    return s;
}

// A ratio box: a number within the settings file's range, else the box shows the setting
// again and it stays.
void LeggiRapporto(std::string& testo, float& valore) {
    const float v = ValNumero(testo);
    if (ScalaValida(v)) valore = v;
    else testo = ArrotondaTesto(valore, 2);
}

// The last export's file name with "rtf" for its extension; "" before any export.
std::string NomeComputo(const std::string& dxf) {
    if (dxf.empty()) return {};
    const size_t barra = dxf.find_last_of('/');
    const size_t punto = dxf.find_last_of('.');
    if (punto == std::string::npos || (barra != std::string::npos && punto < barra)) return dxf + ".rtf";
    return dxf.substr(0, punto + 1) + "rtf";
}

}  // namespace

std::string CartellaAperturaDxf() {
    const std::string& p = M.Progetto.PercorsoSoletta;
    if (!p.empty() && Minuscolo(p) != "anonimo") return CartellaDaPercorso(p);
    std::string c = CartellaDisegniAnalisi();
    if (c.empty()) {
        std::error_code ec;
        c = fs::current_path(ec).string();
    }
    return c;
}

void DialogoDxf::Apri() {
    if (!CambiaCartella(CartellaAperturaDxf())) {
        std::error_code ec;
        CambiaCartella(fs::current_path(ec).string());
    }
    AggiornaFormDXF();
    Controlli.R12 = EsportaDxf.FormatoR12 != 0;
    Mostra();
}

bool DialogoDxf::CambiaCartella(const std::string& cartella) {
    std::vector<std::string> file;
    std::error_code ec;
    fs::directory_iterator it(cartella, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code e2;
        if (!it->is_regular_file(e2)) continue;
        const std::string nome = it->path().filename().string();
        if (Minuscolo(it->path().extension().string()) == ".qvr") file.push_back(nome);
    }
    if (ec) {
        Avviso("Errore di unità");
        return false;
    }
    std::sort(file.begin(), file.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Minuscolo(a), lb = Minuscolo(b);
        return la != lb ? la < lb : a < b;
    });
    Controlli.Cartella = cartella;
    Controlli.FileCartella = std::move(file);
    return true;
}

void DialogoDxf::Aggiungi(const std::vector<int>& selezionati) {
    Riprendi();
    std::vector<int> ordine = selezionati;
    std::sort(ordine.begin(), ordine.end());
    for (int i : ordine) {
        if (i < 0 || static_cast<size_t>(i) >= Controlli.FileCartella.size()) continue;
        const std::string& nome = Controlli.FileCartella[static_cast<size_t>(i)];
        if (std::find(Controlli.Elenco.begin(), Controlli.Elenco.end(), nome) == Controlli.Elenco.end())
            Controlli.Elenco.push_back(nome);
    }
    Mostra();
}

void DialogoDxf::Rimuovi(int selezionato) {
    Riprendi();
    if (selezionato >= 0 && static_cast<size_t>(selezionato) < Controlli.Elenco.size())
        Controlli.Elenco.erase(Controlli.Elenco.begin() + selezionato);
    Mostra();
}

void DialogoDxf::AggiungiTutti() {
    Riprendi();
    Controlli.Elenco.clear();
    for (const std::string& f : Controlli.FileCartella)
        if (std::find(Controlli.Elenco.begin(), Controlli.Elenco.end(), f) == Controlli.Elenco.end())
            Controlli.Elenco.push_back(f);
    Mostra();
}

void DialogoDxf::RimuoviTutti() {
    Riprendi();
    Controlli.Elenco.clear();
    Mostra();
}

void DialogoDxf::Label5_Click(int riga) {
    if (riga < 0 || riga >= RigheDxf) return;
    Riprendi();
    const size_t r = static_cast<size_t>(riga);
    Controlli.RigaEvidenziata = riga;
    Mostra();
    EsportaDxf.ColoreACIScelto = Controlli.AciRighe[r];
    if (SelettoreColore) SelettoreColore();
    Controlli.AciRighe[r] = EsportaDxf.ColoreACIScelto;
    Controlli.RigaEvidenziata = -1;
    Mostra();
}

void DialogoDxf::AggiornaFormDXF() {
    for (size_t i = 0; i < RigheDxf; ++i) {
        Controlli.Nomi[i] = Strati.NomiLayer[i];
        Controlli.AciRighe[i] = Strati.AciLayer[i];
        Controlli.Disegna[i] = Strati.VisLayerDxf[i] != 0 ? 1 : 0;
    }
    Controlli.TestoMm = ArrotondaTesto(Imp.ScalaMm, 2);
    Controlli.TestoUnita = ArrotondaTesto(Imp.ScalaUnita, 2);
    Controlli.Scala50 = Imp.ScalaDxf50 != 0;
}

bool DialogoDxf::Leggi() {
    Riprendi();
    // The names are checked as the export will write them, before any setting changes.
    StratiDisegno prova = Strati;
    for (size_t i = 0; i < RigheDxf; ++i) prova.NomiLayer[i] = NomeLayer(Controlli.Nomi[i]);
    prova.NomiLayer[24] = prova.NomiLayer[2] + "_SUP";
    if (const std::string rifiuto = ControllaNomiLayer(prova, NumLayer, Controlli.R12); !rifiuto.empty()) {
        Avviso(rifiuto);
        return false;
    }
    for (size_t i = 0; i < RigheDxf; ++i) {
        Strati.NomiLayer[i] = prova.NomiLayer[i];
        Controlli.Nomi[i] = prova.NomiLayer[i];
        Strati.AciLayer[i] = Controlli.AciRighe[i];
        Strati.VisLayerDxf[i] = Controlli.Disegna[i] != 0 ? 1 : 0;
    }
    LeggiRapporto(Controlli.TestoMm, Imp.ScalaMm);
    LeggiRapporto(Controlli.TestoUnita, Imp.ScalaUnita);
    Imp.UnitaPerCm = Imp.ScalaUnita * 0.1f / Imp.ScalaMm;
    EsportaDxf.FormatoR12 = Controlli.R12 ? 1 : 0;
    Imp.ScalaDxf50 = Controlli.Scala50 ? 1 : 0;
    Imp.FattoreDxf = Controlli.Scala50 ? 2 * Imp.UnitaPerCm : Imp.UnitaPerCm;
    Mostra();
    return true;
}

bool DialogoDxf::GeneraDxf() {
    return Leggi() && NewSalvaDXF(Controlli.Elenco, Controlli.Cartella);
}

void DialogoDxf::SalvaImpostazioni() {
    if (!Leggi()) return;
    SalvaIni();
}

void DialogoDxf::ImpostazioniDefault() {
    // The settings only: the open slab keeps its mesh kind, bend and view choices.
    ImpostaDefaultImpostazioni();
    Imp.SfondoBianco = Impostazioni{}.SfondoBianco;
    ImpostaColori();
    AggiornaFormDXF();
    Mostra();
}

void DialogoDxf::VisualizzaComputo() {
    Riprendi();
    if (Controlli.Elenco.empty()) {
        Avviso("Non sono stati selezionati i file dati.\nGenerazione del computo impossibile!");
        return;
    }
    Elenco.NumFileDxf = static_cast<int>(Controlli.Elenco.size());
    Elenco.ElencoFileDxf = Controlli.Elenco;
    Elenco.PercorsoComputo = NomeComputo(EsportaDxf.PercorsoDxf);
    Elenco.ComputoMultiplo = -1;
    if (MostraComputo) MostraComputo(Controlli.Cartella);
}

void DialogoDxf::Guida() {
    MostraMessaggio("Rapporto di scala con cui si eseguirà la stampa dal programma CAD.\n"
                    "Utilizzando il rapporto 1 mm = 10 unità, nella finestra di stampa del CAD, si otterrà un "
                    "disegno stampato in scala 1:50, se ho scelto nella casella superiore (Scala del disegno) "
                    "l'opzione 1:50, altrimenti 1:100.\n"
                    "Es: 1 mm = 5 unità, con 'Scala del disegno' 1:50 -> otterrò che nel CAD un metro misurerà "
                    "100 unità.",
                    IconaMsg::Informazione, PulsantiMsg::Ok, "Guida stampa");
}

}  // namespace vilmor
