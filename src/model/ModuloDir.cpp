#include "model/ModuloDir.h"

#include <filesystem>
#include <system_error>

namespace vilmor {

namespace fs = std::filesystem;

void ImpostaCartelle() {}

bool EsisteFile(const std::string& percorso) {
    std::error_code ec;
    return fs::is_regular_file(percorso, ec);
}

std::string CartellaDaPercorso(const std::string& percorso) {
    auto p = percorso.find_last_of("/\\");
    if (p != std::string::npos && p >= 1) return percorso.substr(0, p);
    if (p == 0) return "/";
    std::string d = CartellaDisegniAnalisi();
    if (!d.empty()) return d;
    std::error_code ec;
    return fs::current_path(ec).string();
}

std::string CartellaDisegniAnalisi() { return {}; }

std::string TrovaFileCompagno(const std::string& cartella, const std::string& nome) {
    std::error_code ec;
    fs::path esatto = fs::path(cartella) / nome;
    if (fs::is_regular_file(esatto, ec)) return esatto.string();
    auto minuscolo = [](std::string s) {
        for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::string cercato = minuscolo(nome);
    for (const auto& e : fs::directory_iterator(cartella, ec)) {
        if (e.is_regular_file(ec) && minuscolo(e.path().filename().string()) == cercato) return e.path().string();
    }
    return {};
}

}  // namespace vilmor
