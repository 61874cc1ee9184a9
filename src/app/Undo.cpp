#include "app/Undo.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

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

namespace fs = std::filesystem;

constexpr std::string_view PrefissoCartella = "vilmor-undo-";
// Held locked by the running program: a folder whose lock can be taken belongs to none.
constexpr char FileVivo[] = ".vivo";

// The folder of this process. A process made by fork makes its own; the folder goes when the
// process that made it ends normally, and a killed one's at the next start.
struct CartellaPrivata {
    std::string Percorso;
    pid_t Processo = 0;
    int Blocco = -1;
    ~CartellaPrivata() {
        if (Percorso.empty() || Processo != ::getpid()) return;
        std::error_code ec;
        fs::remove_all(Percorso, ec);
    }
};

CartellaPrivata& Privata() {
    static CartellaPrivata c;
    return c;
}

std::string Cartella() { return CartellaUndo(); }
std::string Percorso(int n) { return Cartella() + "/" + NomeFileUndo(n); }

// The program number in a folder's name "vilmor-undo-PID-XXXXXX"; 0 when it is none of them.
pid_t ProcessoDellaCartella(std::string_view nome) {
    if (!nome.starts_with(PrefissoCartella)) return 0;
    nome.remove_prefix(PrefissoCartella.size());
    const size_t trattino = nome.find('-');
    if (trattino == 0 || trattino == std::string_view::npos) return 0;
    pid_t p = 0;
    const auto [fine, ec] = std::from_chars(nome.data(), nome.data() + trattino, p);
    return ec == std::errc() && fine == nome.data() + trattino ? p : 0;
}

// True when the program that made the folder has ended: its lock is free (or, for a folder
// without one, no process bears its number).
bool Orfana(const std::string& cartella, pid_t p) {
    const int fd = ::open((cartella + "/" + FileVivo).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return ::kill(p, 0) != 0 && errno == ESRCH;
    const bool libero = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return libero;
}

void Elimina(int n) {
    std::string p = Percorso(n);
    if (EsisteFile(p)) {
        std::error_code ec;
        std::filesystem::remove(p, ec);
    }
}

// A snapshot goes to a temporary name and is renamed over its number, so it is never half
// written; it is not waited for on the disk, since it lives no longer than the process and its
// private folder. On failure the message names the snapshot (when `avvisa`).
bool ScriviIstantanea(const std::string& percorso, std::string_view byte, bool avvisa) {
    const std::string temporaneo = percorso + ".nuovo";
    int err = 0;
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        err = errno;
    } else {
        for (size_t scritti = 0; err == 0 && scritti < byte.size();) {
            const ssize_t k = ::write(fd, byte.data() + scritti, byte.size() - scritti);
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) err = k < 0 ? errno : EIO;
            else scritti += static_cast<size_t>(k);
        }
        if (::close(fd) != 0 && err == 0) err = errno;
    }
    if (err == 0 && Piatt.GuastoScritturaProva && Piatt.GuastoScritturaProva(percorso)) err = EIO;
    if (err == 0 && std::rename(temporaneo.c_str(), percorso.c_str()) != 0) err = errno;
    if (err == 0) return true;
    ::unlink(temporaneo.c_str());
    if (avvisa) Avviso(MessaggioScrittura(percorso, err));
    return false;
}

// Snapshot n of the model as it is, or of `testo` (a state taken earlier) when given.
bool Scrivi(int n, const std::string* testo = nullptr) {
    if (Cartella().empty()) {
        if (!Undo.ScritturaSegnalata)
            Avviso("Impossibile creare la cartella temporanea delle operazioni da annullare.");
        Undo.ScritturaSegnalata = true;
        return false;
    }
    bool ok = ScriviIstantanea(Percorso(n), testo ? *testo : TestoArmature(M), !Undo.ScritturaSegnalata);
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

// The picture of the change that writes the model over several events, while it goes on.
FotoModello* InCorso = nullptr;

// Before another step, an undo or a redo: what the change going on did so far becomes a step of
// its own, so that no change is left without one or merged into another. `ora` is the model
// when the other change began, when it is no longer the model as it is.
void ChiudiInCorso(const std::string* ora = nullptr) {
    FotoModello* f = std::exchange(InCorso, nullptr);
    if (!f || !f->Valida) return;
    f->Valida = false;
    if ((ora ? *ora : TestoArmature(M)) != f->Testo) Avanza(&f->Testo);
}

}  // namespace

std::string CartellaUndo() {
    CartellaPrivata& c = Privata();
    struct stat st {};
    if (c.Processo == ::getpid() && ::lstat(c.Percorso.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return c.Percorso;
    std::error_code ec;
    const fs::path temporanea = fs::temp_directory_path(ec);
    if (ec) return {};
    std::string modello =
        (temporanea / (std::string(PrefissoCartella) + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (!::mkdtemp(modello.data())) return {};
    // The lock of a folder gone, or of the parent's folder before a fork: closing it here does
    // not free it for its owner, and this process no longer keeps it held.
    if (c.Blocco >= 0) ::close(c.Blocco);
    c.Blocco = ::open((modello + "/" + FileVivo).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (c.Blocco >= 0) ::flock(c.Blocco, LOCK_EX | LOCK_NB);
    c.Percorso = modello;
    c.Processo = ::getpid();
    return c.Percorso;
}

void PulisciCartelleUndoOrfane() {
    std::error_code ec;
    const fs::path temporanea = fs::temp_directory_path(ec);
    if (ec) return;
    std::vector<std::string> orfane;
    for (fs::directory_iterator i(temporanea, ec), fine; !ec && i != fine; i.increment(ec)) {
        const std::string nome = i->path().filename().string();
        const pid_t p = ProcessoDellaCartella(nome);
        if (p <= 0 || p == ::getpid()) continue;
        // Only this user's own folders, and never through a link.
        const std::string cartella = i->path().string();
        struct stat st {};
        if (::lstat(cartella.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (Orfana(cartella, p)) orfane.push_back(cartella);
    }
    for (const std::string& cartella : orfane) {
        std::error_code e;
        fs::remove_all(cartella, e);
    }
}

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


bool SalvaStatoUndo() {
    ChiudiInCorso();
    return Avanza(nullptr);
}

FotoModello FotografaModello() { return FotoModello{TestoArmature(M), true}; }

bool RegistraModifica(FotoModello& prima) {
    if (InCorso == &prima) InCorso = nullptr;
    if (!prima.Valida) return false;
    prima.Valida = false;
    if (TestoArmature(M) == prima.Testo) return false;
    ChiudiInCorso(&prima.Testo);
    Avanza(&prima.Testo);
    return true;
}

void IniziaModifica(FotoModello& prima) {
    if (InCorso != &prima) ChiudiInCorso();
    prima = FotografaModello();
    InCorso = &prima;
}

void ProseguiModifica(FotoModello& prima) {
    if (!prima.Valida) IniziaModifica(prima);
}

void AnnullaOperazione() {
    ChiudiInCorso();
    if (Undo.UndoCorrente <= Undo.UndoPrimo) return;
    // From the newest state, keep it first so that redo can come back to it.
    if (Undo.UndoCorrente == Undo.UndoUltimo && !Scrivi(Undo.UndoCorrente)) return;
    if (!Carica(Undo.UndoCorrente - 1, "annullare")) return;
    Undo.UndoCorrente -= 1;
    ++Undo.Versione;
    Ridisegna();
}

void RipristinaOperazione() {
    ChiudiInCorso();
    if (Undo.UndoCorrente >= Undo.UndoUltimo) return;
    if (!Carica(Undo.UndoCorrente + 1, "ripristinare")) return;
    Undo.UndoCorrente += 1;
    ++Undo.Versione;
    Ridisegna();
}

void PulisciUndo() {
    // A new history: a change going on has nothing left to record in it.
    if (InCorso) InCorso->Valida = false;
    InCorso = nullptr;
    if (Undo.UndoUltimo - Undo.UndoPrimo >= 1)
        for (int n = Undo.UndoPrimo; n <= Undo.UndoUltimo; ++n) Elimina(n);
    Undo.UndoPrimo = Undo.UndoCorrente = Undo.UndoUltimo = 0;
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
