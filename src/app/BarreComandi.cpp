#include "app/BarreComandi.h"

#include "app/EseguiComandi.h"
#include "base/Piattaforma.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/Titolo.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

constexpr std::array<PulsanteBarra, NumPulsanti> TabPulsanti = {{
    {100, "&Apri", "open", "open1", false},
    {101, "&Salva", "save", "save1", false},
    {105, "Annulla", "undo", "undo1", true},
    {106, "Ripeti", "redo", "redo1", false},
    {107, "Zoom", "zoom", "zoom1", true},
    {108, "Vista precedente", "zprec", "zprec1", false},
    {109, "Vista totale", "zest", "zest1", false},
    {110, "Avvicina", "zpiu", "zpiu", false},
    {111, "Allontana", "zmeno", "zmeno1", false},
    {112, "Trascina", "pan", "pan1", false},
    {113, "Impostazioni", "opz", "opz1", true},
    {114, "Ottimizza armatura flessionale diffusa", "armaauto", "armauto1", true},
    {115, "Disponi armature integrative", "ArmInt", "newagg1", false},
    {116, "Mappa armatura da calcolo", "Mappa", "mappa1", false},
    {117, "Eccedenza area di armatura", "Ecced", "ecc1", false},
    {118, "Visualizza armatura diffusa", "diffusa", "diff1", false},
    {119, "Visualizza armatura integrativa", "aggiu", "agg1", false},
    {120, "Visualizza anteprima della tavola", "tavola", "tav1", false},
    {121, "Inserisci armatura integrativa", "NewAgg", "insagg1", true},
    {122, "Inserisci armatura aggiuntiva nelle zone dei pilastri", "armapil", "armpil1", false},
    {123, "Inserisci armatura aggiuntiva nelle zone dei pali", "armapali", "armpali1", false},
    {125, "Inserisci cordoli perimetrali", "cordoli", "cor1", false},
    {127, "Inserisci armatura a taglio", "spilli", "spil1", false},
    {128, "Copia armatura", "copy", "copy1", false},
    {129, "Copia armatura sul lato opposto", "copylato", "coplato1", false},
    {130, "Sposta armatura", "sposta", "spo1", false},
    {131, "Cancella armatura integrativa", "delarm", "delarm1", false},
    {132, "Informazioni armature nodi", "info", "info1", false},
    {133, "Modifica perimetro esterno", "perim", "perim1", true},
    {134, "Nuova sezione direzione 1", "sez1", "sez11", true},
    {135, "Nuova sezione direzione 2", "sez2", "sez22", false},
    {136, "Sposta sezione", "sposez", "sposez1", false},
    {137, "Cancella sezione", "delsez", "delsez1", false},
    {138, "Sposta riferimento posizione", "pos", "pos1", false},
    {139, "Quota orizzontale", "qor", "qor1", true},
    {140, "Quota verticale", "qvert", "qvert", false},
    {141, "Quota allineata", "qallin", "qallin1", false},
    {142, "Cancella quota", "qdel", "qdel1", false},
    {143, "Quotatura continua", "qcont", "qcont1", false},
    {144, "Sposta quota", "qspost", "qspo1", false},
    {145, "Visibilit\xC3\xA0 quota", "qvedi", "qvis1", false},
    {146, "Quotatura automatica", "qauto", "qauto1", false},
    {147, "Computo", "compu", "compu1", true},
}};

constexpr std::array<VoceFile, NumVociFile> TabMenuFile = {{
    {100, 0, "&Apri", false},
    {101, 0, "&Salva", false},
    {102, 0, "Importa armature aggiuntive", false},
    {113, 0, "&Impostazioni", true},
    {0, IdRecente0, "", true},
    {0, IdRecente0 + 1, "", false},
    {0, IdRecente0 + 2, "", false},
    {0, IdRecente0 + 3, "", false},
    {103, 0, "&Esci", true},
}};

constexpr std::array<VoceBarraMenu, 2> TabBarraMenu = {{
    {IdGeneraDxf, "&Genera file DXF"},
    {IdInformazioni, "&Informazioni su..."},
}};

// The images of the commands no toolbar button carries.
struct IconaExtra {
    int K;
    const char* Icona16;
    const char* Icona24;
};
constexpr IconaExtra TabExtra[] = {
    {102, "AggImp", "imparm1"},
    {103, "exit", "exit1"},
    {124, "rete", "rete1"},
    {126, "punzo", "punz1"},
};

constexpr std::array<int, 47> CalcolaOffsetIcone() {
    std::array<int, 47> r{};
    int n = 0;
    for (int k = 100; k <= 147; ++k)
        if (k != 104) r[n++] = k;
    return r;
}
constexpr std::array<int, 47> TabOffsetIcone = CalcolaOffsetIcone();

}  // namespace

const std::array<PulsanteBarra, NumPulsanti>& TabellaPulsanti() { return TabPulsanti; }
const std::array<VoceFile, NumVociFile>& TabellaMenuFile() { return TabMenuFile; }
const std::array<VoceBarraMenu, 2>& TabellaBarraMenu() { return TabBarraMenu; }
const std::array<int, 47>& OffsetIcone() { return TabOffsetIcone; }

int32_t IdDaOffset(int k) {
    for (const VoceComando& v : TabellaComandi())
        if (v.K == k) return Comandi.*(v.Id);
    return 0;
}

int32_t IdVoceFile(const VoceFile& v) { return v.K != 0 ? IdDaOffset(v.K) : v.IdFisso; }

const char* NomeIcona(int k, bool grande) {
    for (const PulsanteBarra& p : TabPulsanti)
        if (p.K == k) return grande ? p.Icona24 : p.Icona16;
    for (const IconaExtra& e : TabExtra)
        if (e.K == k) return grande ? e.Icona24 : e.Icona16;
    return nullptr;
}

VoceRecente VoceRecenteMenu(int k) {
    VoceRecente v;
    if (k < 0 || k >= MaxRecenti || k >= Recenti.NumRecenti) return v;
    v.Percorso = Recenti.ElencoRecenti[static_cast<size_t>(k)];
    v.Visibile = !v.Percorso.empty();
    if (v.Visibile) v.Titolo = NomeFile(v.Percorso);
    return v;
}

std::string SenzaMnemonico(const std::string& titolo) {
    std::string r;
    for (size_t i = 0; i < titolo.size(); ++i) {
        if (titolo[i] != '&') r += titolo[i];
        else if (i + 1 < titolo.size() && titolo[i + 1] == '&') r += titolo[++i];
    }
    return r;
}

void CommandBars_Execute(int32_t id) {
    if (SottoGruppoMenuFile(id)) return;
    // Every identifier past the file commands that is not a drawing command clears the one the
    // right button repeats.
    if (ComandiRipetibili(id)) return;
    ComandoDiretto(id);
}

}  // namespace vilmor
