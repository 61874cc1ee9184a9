#include "model/ModuloDir.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "base/Testo1252.h"
#include "model/Titolo.h"
#include "model/definizioni.h"

namespace vilmor {

namespace fs = std::filesystem;

namespace {

// Folder texts never end with a separator, except the root itself.
std::string SenzaBarraFinale(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

// An environment value usable as a folder: set, not empty and absolute.
std::optional<std::string> CartellaAmbiente(const char* nome) {
    const char* v = std::getenv(nome);
    if (!v || v[0] != '/') return std::nullopt;
    return SenzaBarraFinale(v);
}

std::string Unisci(const std::string& cartella, const std::string& nome) {
    if (cartella.empty() || cartella.back() == '/') return cartella + nome;
    return cartella + "/" + nome;
}

std::string MinuscoloAscii(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

void ImpostaCartelle() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    std::string programma;
    if (!ec && exe.is_absolute()) programma = exe.parent_path().string();
    if (programma.empty()) programma = fs::current_path(ec).string();
    Dir.CartellaProgramma = SenzaBarraFinale(programma);

    if (auto x = CartellaAmbiente("XDG_CONFIG_HOME"))
        Dir.CartellaImpostazioni = Unisci(*x, "vilmor");
    else if (auto h = CartellaAmbiente("HOME"))
        Dir.CartellaImpostazioni = Unisci(*h, ".config/vilmor");
    else
        Dir.CartellaImpostazioni = Dir.CartellaProgramma;
}

bool CreaCartellaImpostazioni() {
    if (Dir.CartellaImpostazioni.empty()) return false;
    std::error_code ec;
    fs::create_directories(Dir.CartellaImpostazioni, ec);
    return fs::is_directory(Dir.CartellaImpostazioni, ec);
}

int SegnalaErroreFile(const std::string& percorso, std::error_code ec) {
    if (!ec || ec == std::errc::no_such_file_or_directory) return 0;
    if (ec == std::errc::not_a_directory || ec == std::errc::filename_too_long ||
        ec == std::errc::too_many_symbolic_link_levels) {
        Avviso("Drive o percorso non trovato.");
    } else if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted) {
        Avviso("Il programma sta cercando di operare su una cartella per la quale l'utente non dispone "
               "di autorizzazione.\n" +
               percorso + "\nOperazione annullata!\nContattare l'amministratore di rete.");
    }
    return -1;
}

bool EsisteFile(const std::string& percorso) {
    ErroreOperazione = 0;
    if (percorso.empty()) return false;
    std::error_code ec;
    const fs::file_status st = fs::status(percorso, ec);
    if (ec) {
        ErroreOperazione = SegnalaErroreFile(percorso, ec);
        return false;
    }
    return fs::is_regular_file(st);
}

std::string CartellaDaPercorso(const std::string& percorso) {
    const auto p = percorso.find_last_of("/\\");
    if (p != std::string::npos) {
        if (p == 0) return "/";
        return SenzaBarraFinale(percorso.substr(0, p));
    }
    std::string d = CartellaDisegniAnalisi();
    if (!d.empty()) return d;
    std::error_code ec;
    return fs::current_path(ec).string();
}

ValoreChiave LeggiChiave(const std::string& chiave, const std::string& nome) {
    ValoreChiave r;
    if (Dir.CartellaImpostazioni.empty()) return r;
    const auto byte = LeggiFileIntero(Unisci(Dir.CartellaImpostazioni, FileChiavi));
    if (!byte) return r;
    const std::string testo = DaWindows1252(*byte);
    const std::string chiaveCercata = MinuscoloAscii(chiave);
    const std::string nomeCercato = MinuscoloAscii(nome);
    size_t inizio = 0;
    while (inizio < testo.size()) {
        size_t fine = testo.find('\n', inizio);
        if (fine == std::string::npos) fine = testo.size();
        std::string riga = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        const auto uguale = riga.find('=');
        if (uguale == std::string::npos) continue;
        const std::string sinistra = riga.substr(0, uguale);
        const auto barra = sinistra.rfind('\\');
        if (barra == std::string::npos) continue;
        if (MinuscoloAscii(sinistra.substr(0, barra)) != chiaveCercata) continue;
        r.ChiavePresente = true;
        if (MinuscoloAscii(sinistra.substr(barra + 1)) == nomeCercato) r.Testo = riga.substr(uguale + 1);
    }
    return r;
}

std::string CartellaUtente() {
    if (auto h = CartellaAmbiente("HOME")) return *h;
    std::vector<char> buf(16384);
    passwd pw{};
    passwd* ris = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &ris) == 0 && ris && ris->pw_dir &&
        ris->pw_dir[0] == '/')
        return SenzaBarraFinale(ris->pw_dir);
    return "/";
}

std::string CartellaDisegniAnalisi() {
    const ValoreChiave v = LeggiChiave(ChiaveRecentiAnalisi, "File1");
    if (!v.ChiavePresente) return {};
    if (!v.Testo) return CartellaUtente();
    std::string progetto = *v.Testo;
    std::replace(progetto.begin(), progetto.end(), '\\', '/');
    const auto p = MaiuscoloAscii(progetto).rfind(".QKD");
    if (p == std::string::npos) return CartellaUtente();
    const std::string candidato = progetto.substr(0, p) + "_data/disegni";
    std::error_code ec;
    return fs::exists(candidato, ec) ? candidato : CartellaUtente();
}

std::string TrovaFileCompagno(const std::string& cartella, const std::string& nome) {
    std::error_code ec;
    const fs::path esatto = fs::path(cartella) / nome;
    if (fs::is_regular_file(esatto, ec)) return esatto.string();
    const std::string cercato = MaiuscoloUtf8(nome);
    std::string trovato;
    const fs::path elenco = cartella.empty() ? fs::path(".") : fs::path(cartella);
    for (fs::directory_iterator it(elenco, ec), fine; !ec && it != fine; it.increment(ec)) {
        std::error_code ecVoce;
        if (!it->is_regular_file(ecVoce)) continue;
        const std::string nomeVoce = it->path().filename().string();
        // With several matches the first in name order is taken, whatever the listing order.
        if (MaiuscoloUtf8(nomeVoce) == cercato) {
            const std::string candidato = (fs::path(cartella) / nomeVoce).string();
            if (trovato.empty() || candidato < trovato) trovato = candidato;
        }
    }
    return trovato;
}

}  // namespace vilmor
