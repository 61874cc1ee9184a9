#include "model/FileRecenti.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "base/Testo1252.h"
#include "model/ModuloDir.h"
#include "model/Titolo.h"

namespace vilmor {
namespace {

std::string_view SenzaSpazi(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// Lines of the file, CR LF or LF.
std::vector<std::string_view> Righe(std::string_view byte) {
    std::vector<std::string_view> r;
    while (!byte.empty()) {
        size_t fine = byte.find('\n');
        std::string_view riga = byte.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        r.push_back(riga);
        if (fine == std::string_view::npos) break;
        byte.remove_prefix(fine + 1);
    }
    return r;
}

// The list as the file holds it, or no value when the file is malformed.
std::optional<ListaRecenti> Interpreta(std::string_view byte) {
    const std::vector<std::string_view> righe = Righe(byte);
    if (righe.empty()) return std::nullopt;
    const std::string_view conteggio = SenzaSpazi(righe[0]);
    int n = -1;
    auto [p, ec] = std::from_chars(conteggio.data(), conteggio.data() + conteggio.size(), n);
    if (ec != std::errc() || p != conteggio.data() + conteggio.size()) return std::nullopt;
    if (n < 0 || n > MaxRecenti || static_cast<size_t>(n) >= righe.size()) return std::nullopt;
    ListaRecenti l;
    for (int i = 0; i < n; ++i) {
        const std::string_view t = SenzaSpazi(righe[i + 1]);
        if (t.size() < 3 || t.front() != '"' || t.back() != '"') return std::nullopt;
        const std::string_view percorso = t.substr(1, t.size() - 2);
        if (percorso.find('"') != std::string_view::npos) return std::nullopt;
        l.ElencoRecenti[i] = DaWindows1252(percorso);
    }
    l.NumRecenti = n;
    return l;
}

// A path the list file can hold: one line, no double quote, every character in Windows-1252.
bool PercorsoScrivibile(const std::string& p) {
    if (p.find_first_of("\"\r\n") != std::string::npos) return false;
    return DaWindows1252(AWindows1252(p)) == p;
}

}  // namespace

std::string FileRecenti() { return Dir.CartellaImpostazioni + "/Vilmor.MEM"; }

void LeggiMEM() {
    const std::string percorso = FileRecenti();
    if (!EsisteFile(percorso)) return;
    std::optional<ListaRecenti> l;
    if (auto byte = LeggiFileIntero(percorso)) l = Interpreta(*byte);
    if (!l) {
        Avviso("Errore di caricamento del file: " + percorso);
        Recenti = ListaRecenti{};
        return;
    }
    Recenti = std::move(*l);
}

bool SalvaMEM() {
    const int n = std::min(Recenti.NumRecenti, MaxRecenti);
    if (n < 1) return true;
    std::string testo = std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i) testo += "\"" + Recenti.ElencoRecenti[i] + "\"\r\n";
    CreaCartellaImpostazioni();
    return ScriviFileAtomico(FileRecenti(), AWindows1252(testo));
}

void AggiornaRecenti(const std::string& percorso) {
    if (percorso.empty() || percorso == "Anonimo" || !PercorsoScrivibile(percorso)) return;
    ListaRecenti& l = Recenti;
    if (l.NumRecenti <= 0) {
        l = ListaRecenti{};
        l.NumRecenti = 1;
        l.ElencoRecenti[0] = percorso;
        return;
    }
    const std::string chiave = MaiuscoloUtf8(percorso);
    int k = -1;
    for (int i = 0; i < l.NumRecenti && i < MaxRecenti; ++i) {
        if (MaiuscoloUtf8(l.ElencoRecenti[i]) == chiave) {
            k = i;
            break;
        }
    }
    if (k == 0) return;
    if (k < 0) {
        if (l.NumRecenti < MaxRecenti) ++l.NumRecenti;
        k = MaxRecenti - 1;  // the oldest entry drops out
    }
    for (int i = k; i > 0; --i) l.ElencoRecenti[i] = l.ElencoRecenti[i - 1];
    l.ElencoRecenti[0] = percorso;
}

}  // namespace vilmor
