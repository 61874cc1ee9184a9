// Test tool: loads a slab as the program does, without drawing, and prints the model as
// "name = value" lines. Not a feature of the program.
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <vector>
#include <optional>
#include <string>
#include <utility>

#include "StampaModello.h"
#include "app/CaricaProgetto.h"
#include "app/ComandoProgettoDiffusa.h"
#include "app/ComandiFile.h"
#include "app/DialogoDxf.h"
#include "app/EsportaSoletteDxf.h"
#include "app/RelazioneComputo.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "drawing/QuotaturaAutomatica.h"
#include "model/FileArmature.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/definizioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"

namespace {

const char* Aiuto =
    "uso: vilmor_dump [opzioni] FILE.QVR\n"
    "\n"
    "Carica la soletta come fa il programma all'apertura di un progetto (impostazioni\n"
    "predefinite, poi il file delle impostazioni se c'e'; archivio, file dati di progetto,\n"
    "file delle armature, residui dei nodi) e stampa il modello, una riga \"nome = valore\"\n"
    "per voce, con i nomi del codice:\n"
    "  PercorsoSoletta, NumeroSoletta, OrigineX, OrigineY, Spessore, Copriferro,\n"
    "  PercorsoDatiProgetto, MagliaUnica, PiegaAncoraggio, CartellaLavoro, LimitiContorno\n"
    "  NumVertContorno, Contorno(i) = X, Y (anello chiuso, in senso orario)\n"
    "  NumFori, NumVertForo(f), InizioForo(f), PoliX, PoliY(f, k) = X, Y\n"
    "  NumPilastri, Pilastri(i).NumVertici/.Numero/.Tratteggio/.X, Y/.Tipo/.Angolo/.VX/.VY/\n"
    "    .XMin, YMin, XMax, YMax\n"
    "  NumSetti, Setti(i).Codice/.X1, Y1, X2, Y2; NumTravi, Travi(i) come i setti\n"
    "  NumPali, Pali(i).X, Y, Raggio\n"
    "  DiamDiff*, PassoDiff*, DiamCavalletti, PassoCavalletti1/2, AreaDiff*, AreaCavalletti,\n"
    "  DiamIntegrativa, AngoloDir1Gradi, AngoloDir1, AngoloDir2Gradi, AngoloDir2\n"
    "  LungDiffSup1 ... LungDiffInf2 (cm), PesoDiffSup1 ... PesoDiffInf2 (kg): totali della\n"
    "    maglia diffusa calcolati dopo il caricamento come fa il programma\n"
    "  NumNodi, Nodi(i).Numero/.X, Y/.RichSup1, RichSup2, RichInf1, RichInf2/\n"
    "    .RichTaglio1, RichTaglio2/.ResSup1, ResSup2, ResInf1, ResInf2/.ResTaglio\n"
    "  NumElementi, Elementi(i).Numero/.Triangolo/.NodoNum/.NodoIdx/.RichSup1 ... (4 angoli)\n"
    "  NumPunzonamenti, Punzonamenti(i).X, Y/... /.NumVertici/.Vert(k)\n"
    "  UltimaZona, Zone(i).Tipo, .../.Angoli(k)/.XMarca, YMarca/.XBarra1 ... /.XRif, YRif/\n"
    "    .XMin1 ... /.XMin2 ... /.Angolo, Copriferro/.LatoCordolo, PoligonoCordolo/.LungTotale/\n"
    "    .UltVertice, VerticiZone(i, k): ogni campo della zona\n"
    "  contorni di lavoro: UltVertContornoArm, ContornoArmatura(i), NumForiArm,\n"
    "    ContornoForiArm(f, k), LimitiArmDir1, LimitiArmDir2, UltVertPerimetroEst,\n"
    "    PerimetroEsterno(i)\n"
    "  UltimaSezione, Sezioni(i)...; UltimaQuota, Quote(i).X1, Y1, X2, Y2 (linea di quota)/\n"
    "    .XP1, YP1, XP2, YP2 (punti quotati)/.Pianta/.Testo; una soletta senza file delle\n"
    "    armature riceve la quotatura automatica come nel programma\n"
    "  MediaRichiesta, MaxRichiesta, MinRichiesta\n"
    "  ElementiSaltati, ElementiSaltati(i) = \"voce: motivo\": strati e zone che il calcolo\n"
    "    delle armature non ha potuto computare (contano 0 nei totali)\n"
    "I numeri sono scritti col punto decimale, nella forma piu' corta che li rilegge uguali.\n"
    "\n"
    "opzioni:\n"
    "  --answer yes|no   risposta alla prossima domanda del programma (ripetibile, in ordine);\n"
    "                    una domanda senza risposta prevista riceve No ed e' segnalata su stderr\n"
    "  --progetta        dopo il caricamento progetta la maglia diffusa come il pulsante \"Progetta\"\n"
    "                    (stesse impostazioni: predefinite, poi il file delle impostazioni), poi\n"
    "                    ricalcola i totali delle armature come il programma; il modello stampato\n"
    "                    e' quello progettato, un messaggio su stderr per ogni strato non coperto\n"
    "  --save            dopo il caricamento (e il progetto) salva come il comando Salva (.QV0, .SET\n"
    "                    e l'elenco dei file recenti)\n"
    "  --computo FILE    costruisce il computo della soletta come lo strumento la tiene (dopo\n"
    "                    --progetta, con la maglia progettata) come la finestra \"Computo\" (le\n"
    "                    armature ridisposte, poi le tabelle, i pesi, il volume e l'incidenza) e lo\n"
    "                    salva in FILE (RTF, Windows-1252) come \"Salva computo\", con FILE per nome\n"
    "                    scelto: un file che esiste e' sostituito solo con --answer yes\n"
    "  --relazione FILE  lo stesso documento, scritto in FILE senza domanda\n"
    "  --dxf FILE        esporta in FILE la tavola della soletta come lo strumento la tiene (dopo\n"
    "                    --progetta, con la maglia progettata), senza rileggerla dai file, come\n"
    "                    l'esportazione DXF delle solette elencate disegna il progetto aperto (DXF\n"
    "                    2000, scala 1:50): --dxf e --computo descrivono lo stesso modello\n"
    "  --elenco FILE.QVR con --dxf: una soletta dell'elenco da esportare (ripetibile, in ordine; tutte\n"
    "                    nella stessa cartella). Le solette elencate sono esportate in FILE come fa il\n"
    "                    pulsante \"Genera File DXF\" della finestra \"Disegno DXF\" (i valori della\n"
    "                    finestra letti nelle impostazioni, poi la stessa routine): la soletta sul\n"
    "                    comando e' il progetto aperto, disegnato dal modello tenuto se e' elencata;\n"
    "                    le altre sono caricate come all'apertura di un progetto, i loro messaggi su\n"
    "                    stderr. Un FILE che esiste e' sostituito solo con --answer yes\n"
    "  --r12             l'esportazione di --dxf (anche con --elenco) nel formato DXF R12\n"
    "  --scala100        l'esportazione di --dxf (anche con --elenco) alla scala 1:100\n"
    "  --senza-nodi      non stampa i nodi uno per uno\n"
    "  --senza-elementi  non stampa gli elementi uno per uno\n"
    "  --help            questo aiuto\n"
    "\n"
    "I messaggi del programma vanno su stderr come \"[titolo] testo\".\n"
    "Stato di uscita: lo stato del caricamento (0 caricato, 1 file rifiutato, 255 archivio\n"
    "rifiutato), 3 salvataggio non riuscito, 4 computo non scritto, 5 DXF non scritto,\n"
    "2 uso errato.\n";

// Message boxes become lines on stderr; questions take the scripted answers in order.
class MessaggiStderr : public vilmor::Messaggi {
public:
    std::deque<vilmor::RispostaMsg> Risposte;
    vilmor::RispostaMsg Mostra(const std::string& testo, vilmor::IconaMsg, vilmor::PulsantiMsg pulsanti,
                               const std::string& titolo) override {
        std::fprintf(stderr, "[%s] %s\n", titolo.c_str(), testo.c_str());
        if (pulsanti == vilmor::PulsantiMsg::Ok) return vilmor::RispostaMsg::Ok;
        if (Risposte.empty()) {
            std::fprintf(stderr, "(domanda senza risposta prevista: No)\n");
            return vilmor::RispostaMsg::No;
        }
        auto r = Risposte.front();
        Risposte.pop_front();
        return r;
    }
};

// The save dialog answered with the name given on the command line.
class DialogoScelto : public vilmor::DialoghiFile {
public:
    explicit DialogoScelto(std::string nome) : nome_(std::move(nome)) {}
    std::optional<std::string> Apri(const vilmor::RichiestaFile&) override { return std::nullopt; }
    std::optional<std::string> Salva(const vilmor::RichiestaFile&) override { return nome_; }

private:
    std::string nome_;
};

}  // namespace

int main(int argc, char** argv) {
    std::string file;
    bool salva = false;
    bool progetta = false;
    std::string relazione;
    std::string computo;
    std::string dxf;
    bool r12 = false;
    bool scala100 = false;
    std::vector<std::string> elenco;
    vilmor::dump::OpzioniStampa opzioni;
    MessaggiStderr msg;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Aiuto, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--senza-nodi") == 0) {
            opzioni.Nodi = false;
        } else if (std::strcmp(argv[i], "--senza-elementi") == 0) {
            opzioni.Elementi = false;
        } else if (std::strcmp(argv[i], "--progetta") == 0) {
            progetta = true;
        } else if (std::strcmp(argv[i], "--save") == 0) {
            salva = true;
        } else if (std::strcmp(argv[i], "--relazione") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            relazione = argv[++i];
        } else if (std::strcmp(argv[i], "--dxf") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            dxf = argv[++i];
        } else if (std::strcmp(argv[i], "--elenco") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            elenco.push_back(std::filesystem::absolute(argv[++i]).lexically_normal().string());
        } else if (std::strcmp(argv[i], "--r12") == 0) {
            r12 = true;
        } else if (std::strcmp(argv[i], "--scala100") == 0) {
            scala100 = true;
        } else if (std::strcmp(argv[i], "--computo") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            computo = argv[++i];
        } else if (std::strcmp(argv[i], "--answer") == 0 && i + 1 < argc &&
                   (std::strcmp(argv[i + 1], "yes") == 0 || std::strcmp(argv[i + 1], "no") == 0)) {
            msg.Risposte.push_back(std::strcmp(argv[++i], "yes") == 0 ? vilmor::RispostaMsg::Si : vilmor::RispostaMsg::No);
        } else if (argv[i][0] == '-' || !file.empty()) {
            std::fputs(Aiuto, stderr);
            return 2;
        } else {
            file = argv[i];
        }
    }
    // The window lists the files of one folder.
    std::string cartellaElenco;
    std::vector<std::string> nomiElenco;
    bool unaCartella = true;
    for (const std::string& e : elenco) {
        const std::filesystem::path p(e);
        if (nomiElenco.empty()) cartellaElenco = p.parent_path().string();
        unaCartella = unaCartella && p.parent_path().string() == cartellaElenco;
        nomiElenco.push_back(p.filename().string());
    }
    if (file.empty() || !unaCartella || (!elenco.empty() && dxf.empty())) {
        std::fputs(Aiuto, stderr);
        return 2;
    }

    vilmor::Piatt.Msg = &msg;
    // A slab without reinforcement file arrives dimensioned, as in the program.
    vilmor::Disegno.QuotaturaAutomatica = vilmor::QuotaturaAutomatica;
    vilmor::Piatt.PauseAttive = false;
    vilmor::ImpostaCartelle();
    vilmor::LeggiMEM();  // a save writes the recent-files list back: start from the user's own
    vilmor::ImpostaDefault();
    if (vilmor::EsisteFile(vilmor::FileImpostazioni())) vilmor::LeggiIni();
    // The program's own open sequence: load, derived data, recent list, bar layout.
    int stato = vilmor::CaricaProgetto(std::filesystem::absolute(file).string());
    if (stato != 0) return stato & 0xFF;
    // The design dialog's button; when the dialog closes the bar layout is renewed.
    if (progetta && vilmor::ProgettaDiffusa()) vilmor::CalcolaArmature();
    opzioni.Saltati = true;
    std::fputs(vilmor::dump::StampaModello(vilmor::M, opzioni).c_str(), stdout);
    if (salva && vilmor::Salva() != 0) return 3;
    if (!relazione.empty() && !vilmor::SalvaRTF(relazione, vilmor::DocumentoComputo(vilmor::M))) return 4;
    if (!computo.empty()) {
        // The report window's document and its save, with the file named here for the dialog's choice.
        vilmor::Elenco.ComputoMultiplo = 0;
        const std::string documento = vilmor::DocumentoFinestraComputo({});
        DialogoScelto dialogo(computo);
        vilmor::Piatt.Dialoghi = &dialogo;
        const int esito = vilmor::SalvaComputo(documento);
        vilmor::Piatt.Dialoghi = nullptr;
        if (esito != 0) return 4;
    }
    if (!dxf.empty() && !elenco.empty()) {
        // The window's button: the window's boxes read into the settings, then the export
        // command, whose save dialog answers with the file named here.
        vilmor::DialogoDxf finestra;
        finestra.Apri();
        if (!finestra.CambiaCartella(cartellaElenco)) return 5;
        finestra.Controlli.Elenco = nomiElenco;
        finestra.Controlli.R12 = r12;
        finestra.Controlli.Scala50 = !scala100;
        DialogoScelto dialogo(std::filesystem::absolute(dxf).string());
        vilmor::Piatt.Dialoghi = &dialogo;
        const bool scritto = finestra.GeneraDxf();
        vilmor::Piatt.Dialoghi = nullptr;
        if (!scritto) return 5;
    } else if (!dxf.empty()) {
        // The model held here, as the report above saw it: the slab is not read again.
        vilmor::EsportaDxf.FormatoR12 = r12 ? 1 : 0;
        vilmor::Imp.ScalaDxf50 = scala100 ? 0 : 1;
        vilmor::Imp.FattoreDxf = (scala100 ? 1 : 2) * vilmor::Imp.UnitaPerCm;
        if (!vilmor::EsportaModelloDxf(vilmor::M, std::filesystem::absolute(dxf).string())) return 5;
    }
    return 0;
}
