#include "app/ComandiFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/CaricaProgetto.h"
#include "app/ImportaArmature.h"
#include "app/Undo.h"
#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "model/FileArmature.h"
#include "model/FileRecenti.h"
#include "model/ModuloDir.h"
#include "model/Titolo.h"
#include "model/definizioni.h"

namespace vilmor {

namespace fs = std::filesystem;

namespace {

int Fallito() {
    ErroreOperazione = -1;
    return -1;
}

bool SenzaSoletta() {
    const std::string& p = M.Progetto.PercorsoSoletta;
    return p.empty() || MaiuscoloUtf8(p) == "ANONIMO";
}

// The dialog's answer, or no value when it was cancelled (or there is no dialog at all).
std::optional<std::string> Scelta(const RichiestaFile& r, bool salva) {
    if (!Piatt.Dialoghi) return std::nullopt;
    auto s = salva ? Piatt.Dialoghi->Salva(r) : Piatt.Dialoghi->Apri(r);
    if (!s || s->empty() || (*s == r.NomeIniziale && r.NomeIniziale.find('*') != std::string::npos))
        return std::nullopt;
    return s;
}

// Both names reach one file on disk (a link, another spelling of the same path).
bool StessoFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool ErroreAccesso(int err) { return err == EACCES || err == EPERM; }

// The reinforcement of the open slab, then the recent list.
int SalvaSolettaAperta(int pausa) {
    if (!SalvaArmatureAperte()) return Fallito();
    Pausa(pausa);
    if (!SalvaMEM()) return Fallito();
    ErroreOperazione = 0;
    return 0;
}

}  // namespace

bool SalvaArmatureAperte() {
    if (!SalvaArmature(M.Progetto.PercorsoSoletta, M)) return false;
    SegnaProgettoSalvato();
    return true;
}

bool ConfermaSostituzioneProgetto() {
    if (SenzaSoletta() || !ProgettoModificato()) return true;
    const RispostaMsg r = MostraMessaggio("Salvare le modifiche a " + M.Progetto.PercorsoSoletta + "?",
                                          IconaMsg::Esclamazione, PulsantiMsg::SiNoAnnulla, "Attenzione!");
    if (r == RispostaMsg::No) return true;
    if (r != RispostaMsg::Si) return false;
    // The work is safe once the reinforcement file is written; a recent list that could not be
    // written has said so and does not hold the open back.
    Salva();
    return !ProgettoModificato();
}

bool SostituireFile() {
    return MostraMessaggio("File gi\xC3\xA0 presente, vuoi sostituirlo?", IconaMsg::Nessuna, PulsantiMsg::SiNo,
                           "Salva") == RispostaMsg::Si;
}

bool CopiaFileSicura(const std::string& origine, const std::string& destinazione) {
    auto rifiuto = [&](const std::string& percorso, int err) {
        if (err == ErroreSolaLettura) Avviso(MessaggioSolaLettura(percorso));
        else if (ErroreAccesso(err)) SegnalaErroreFile(percorso, std::make_error_code(static_cast<std::errc>(err)));
        else Avviso("Impossibile copiare il file:\n" + origine + "\nin\n" + destinazione);
        return false;
    };
    const int in = ::open(origine.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return rifiuto(origine, errno);
    struct stat st {};
    const int esitoStat = ::fstat(in, &st);
    if (esitoStat != 0 || !S_ISREG(st.st_mode)) {
        const int err = esitoStat != 0 ? errno : 0;  // a folder or a device is no slab file
        ::close(in);
        return rifiuto(origine, err);
    }
    // A new copy takes the source's permission bits less the umask; a file it replaces keeps its own.
    FileInSostituzione out;
    if (!out.Apri(destinazione, st.st_mode & 0777)) {
        ::close(in);
        return rifiuto(destinazione, out.Errore());
    }
    int err = 0;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            err = errno ? errno : EIO;
            break;
        }
        if (n == 0) break;
        if (!out.Scrivi(std::string_view(buf, static_cast<size_t>(n)))) {
            err = out.Errore();
            break;
        }
    }
    ::close(in);
    // The copy keeps the slab file's time of last change, as a copy of the same analysis.
    out.MantieniTempi(st.st_atim, st.st_mtim);
    if (!err && !out.Conferma()) err = out.Errore();
    if (err) {
        out.Scarta();
        return rifiuto(destinazione, err);
    }
    return true;
}

int ApriFile(const std::string& e) {
    ErroreOperazione = 0;
    RichiestaFile r;
    r.Cartella = M.Progetto.CartellaLavoro;
    r.Titolo = "Apri";
    r.Filtro = "File dati (*." + e + ")|*." + e;
    r.NomeIniziale = "*." + e;
    r.Estensione = e;
    const auto scelta = Scelta(r, false);
    if (!scelta) return Fallito();
    if (!ConfermaSostituzioneProgetto()) return Fallito();
    return CaricaProgetto(*scelta);
}

int ApriRecente(int k) {
    ErroreOperazione = 0;
    ListaRecenti& l = Recenti;
    if (k < 0 || k >= l.NumRecenti || k >= MaxRecenti) return Fallito();
    const std::string percorso = l.ElencoRecenti[k];
    if (!EsisteFile(percorso)) {
        MostraMessaggio(percorso + " non trovato!", IconaMsg::Esclamazione, PulsantiMsg::Ok, "Errore caricamento");
        // The others keep their order.
        for (int i = k; i + 1 < l.NumRecenti && i + 1 < MaxRecenti; ++i) l.ElencoRecenti[i] = l.ElencoRecenti[i + 1];
        l.ElencoRecenti[l.NumRecenti - 1].clear();
        l.NumRecenti -= 1;
        return Fallito();
    }
    if (!ConfermaSostituzioneProgetto()) return Fallito();
    const int stato = CaricaProgetto(percorso);
    if (stato != 0) return stato;
    std::error_code ec;
    fs::current_path(M.Progetto.CartellaLavoro, ec);
    return 0;
}

int SalvaConNome(const std::string& titolo) {
    ErroreOperazione = 0;
    if (SenzaSoletta()) {
        Avviso(MsgNessunaSoletta);
        return Fallito();
    }
    const std::string aperta = M.Progetto.PercorsoSoletta;
    RichiestaFile r;
    r.Cartella = M.Progetto.CartellaLavoro;
    r.Titolo = titolo;
    r.Filtro = "File Dati (*.QVR)|*.QVR";
    r.NomeIniziale = aperta;
    r.Estensione = "QVR";
    const auto scelta = Scelta(r, true);
    if (!scelta) return Fallito();
    const std::string& nuovo = *scelta;

    // The open slab file chosen again: it stays, only the reinforcement is saved.
    if (StessoFile(nuovo, aperta)) return SalvaSolettaAperta(300);

    const bool esiste = EsisteFile(nuovo);
    if (ErroreOperazione != 0) return Fallito();  // the file test has reported it
    if (esiste && !SostituireFile()) return Fallito();
    if (!CopiaFileSicura(aperta, nuovo)) return Fallito();

    M.Progetto.PercorsoSoletta = nuovo;
    AggiornaTitolo();
    return SalvaSolettaAperta(300);
}

int Salva() {
    ErroreOperazione = 0;
    if (SenzaSoletta()) return SalvaConNome("Salva");
    return SalvaSolettaAperta(200);
}

int ComandoImporta() {
    ErroreOperazione = 0;
    RichiestaFile r;
    r.Cartella = M.Progetto.CartellaLavoro;
    r.Titolo = "Importa armature";
    r.Filtro = "File dati (*.QV0)|*.QV0";
    r.NomeIniziale = "*.QV0";
    r.Estensione = "QV0";
    const auto scelta = Scelta(r, false);
    if (!scelta) return Fallito();
    const int stato = ImportaArmature(*scelta);
    if (stato != 0) return Fallito();
    return 0;
}

}  // namespace vilmor
