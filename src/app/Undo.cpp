#include "app/Undo.h"

#include <filesystem>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "design/BarreZone.h"
#include "design/ContorniArmatura.h"
#include "design/Residui.h"
#include "model/Estensioni.h"
#include "model/FileArmature.h"
#include "model/ModuloDir.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

std::string Cartella() { return Undo.CartellaUndo.empty() ? M.Progetto.CartellaLavoro : Undo.CartellaUndo; }
std::string Percorso(int n) { return Cartella() + "/" + NomeFileUndo(n); }

void Elimina(int n) {
    std::string p = Percorso(n);
    if (EsisteFile(p)) {
        std::error_code ec;
        std::filesystem::remove(p, ec);
    }
}

// Snapshot n of the model as it is, or of `testo` (a state taken earlier) when given.
bool Scrivi(int n, const std::string* testo = nullptr) {
    if (Undo.UndoPrimo == Undo.UndoUltimo && Undo.UndoCorrente == Undo.UndoPrimo)
        Undo.CartellaUndo = M.Progetto.CartellaLavoro;
    bool ok = testo ? ScriviFileAtomico(Percorso(n), *testo, !Undo.ScritturaSegnalata)
                    : ScriviArmature(Percorso(n), M, !Undo.ScritturaSegnalata);
    if (!ok) Undo.ScritturaSegnalata = true;
    return ok;
}

// Loads snapshot n; false (after the message) when it is missing.
bool Carica(int n, const char* azione) {
    std::string p = Percorso(n);
    if (!EsisteFile(p)) {
        Avviso(std::string("Impossibile ") + azione + " l'operazione:\n" + p + "\nfile non trovato.");
        return false;
    }
    // A snapshot that cannot be read (it reports why) leaves the window where it is.
    if (LeggiArmature(p, 0, M) != EsitoArmature::Letto) return false;
    DetraiArmatureNodi(-1, M);
    CalcolaContornoArmatura(M);
    SettaLimiti();
    CalcolaArmature();
    return true;
}

void Ridisegna() {
    if (Disegno.Ridisegna) Disegno.Ridisegna(0);
}

// One step forward: the state before the change becomes snapshot `UndoCorrente`.
bool Avanza(const std::string* prima) {
    ++Undo.Versione;
    if (!Scrivi(Undo.UndoCorrente, prima)) {
        // The change goes on without a step to undo it: the project still counts as changed.
        Undo.ModificaSenzaStoria = true;
        return false;
    }
    int vecchioUltimo = Undo.UndoUltimo;
    // The redo states go: a saved one among them can no longer come back.
    if (Undo.UndoSalvato > Undo.UndoCorrente) Undo.UndoSalvato = -1;
    Undo.UndoCorrente += 1;
    for (int n = Undo.UndoCorrente; n <= vecchioUltimo; ++n) Elimina(n);
    Undo.UndoUltimo = Undo.UndoCorrente;
    if (Undo.UndoUltimo - Undo.UndoPrimo >= 21) {
        Elimina(Undo.UndoPrimo);
        Undo.UndoPrimo += 1;
    }
    return true;
}

}  // namespace

std::string NomeFileUndo(int numero, const std::string& prefisso) {
    return prefisso + std::to_string(numero) + ".TMP";
}

bool SalvaStatoFile(const std::string& nome) { return ScriviArmature(Cartella() + "/" + nome, M); }

bool CaricaStatoFile(const std::string& nome) {
    std::string p = Cartella() + "/" + nome;
    if (!EsisteFile(p)) return false;
    if (LeggiArmature(p, 0, M) != EsitoArmature::Letto) return false;
    DetraiArmatureNodi(-1, M);
    return true;
}


bool SalvaStatoUndo() { return Avanza(nullptr); }

FotoModello FotografaModello() { return FotoModello{TestoArmature(M), Undo.Versione, true}; }

bool RegistraModifica(FotoModello& prima) {
    if (!prima.Valida) return false;
    prima.Valida = false;
    // An undo, a load or a step of its own came in between: nothing of this one to record.
    if (prima.Versione != Undo.Versione) return false;
    if (TestoArmature(M) == prima.Testo) return false;
    return Avanza(&prima.Testo);
}

void AnnullaOperazione() {
    if (Undo.UndoCorrente <= Undo.UndoPrimo) return;
    // From the newest state, keep it first so that redo can come back to it.
    if (Undo.UndoCorrente == Undo.UndoUltimo && !Scrivi(Undo.UndoCorrente)) return;
    if (!Carica(Undo.UndoCorrente - 1, "annullare")) return;
    Undo.UndoCorrente -= 1;
    ++Undo.Versione;
    Ridisegna();
}

void RipristinaOperazione() {
    if (Undo.UndoCorrente >= Undo.UndoUltimo) return;
    if (!Carica(Undo.UndoCorrente + 1, "ripristinare")) return;
    Undo.UndoCorrente += 1;
    ++Undo.Versione;
    Ridisegna();
}

void PulisciUndo() {
    if (Undo.UndoUltimo - Undo.UndoPrimo >= 1)
        for (int n = Undo.UndoPrimo; n <= Undo.UndoUltimo; ++n) Elimina(n);
    Undo.UndoPrimo = Undo.UndoCorrente = Undo.UndoUltimo = 0;
    Undo.CartellaUndo.clear();
    Undo.ScritturaSegnalata = false;
    Undo.UndoSalvato = 0;
    Undo.ModificaSenzaStoria = false;
    ++Undo.Versione;
}

bool ProgettoModificato() { return Undo.ModificaSenzaStoria || Undo.UndoCorrente != Undo.UndoSalvato; }

void SegnaProgettoSalvato() {
    Undo.UndoSalvato = Undo.UndoCorrente;
    Undo.ModificaSenzaStoria = false;
}

}  // namespace vilmor
