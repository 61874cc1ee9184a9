// Running the real readers on written DXF files: the checker script through Debian's Python
// (ezdxf) and LibreCAD's conversion to PDF.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/definizioni.h"
#include "support/Registrazioni.h"

namespace vilmor::prova {

inline const std::string ScriptDxf = std::string(VILMOR_DATI_PROVA) + "/../dxf/verifica_dxf.py";

inline std::string Json(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            r += buf;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

// The shortest text of the value: JSON reads it back to the same number.
inline std::string JsonNumero(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// Exit status of a shell command; its output goes to `uscita`.
inline int Esegui(const std::string& comando, const std::string& uscita) {
    int s = std::system((comando + " >'" + uscita + "' 2>&1").c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

// One entry of the checker's list: a file written with the layers of `s` at `k` units per
// cm; `disegno`, when given, is the JSON object of the screen record it must match.
inline std::string VoceElenco(const std::string& file, const StratiDisegno& s, float k,
                              const std::string& disegno = {}) {
    std::string v = "{\"file\":" + Json(file) + ",\"k\":" + JsonNumero(k) + ",\"layer\":[";
    for (int i = 0; i < NumLayer; ++i)
        v += (i ? ",[" : "[") + Json(s.NomiLayer[i]) + "," + std::to_string(s.AciLayer[i]) + "]";
    v += "]";
    if (!disegno.empty()) v += ",\"disegno\":" + disegno;
    return v + "}";
}

// Runs the checker once on every entry; its report goes to `rapporto`. Zero when it found
// nothing wrong.
inline int VerificaDxf(const CartellaTemp& t, const std::vector<std::string>& voci,
                       std::string& rapporto) {
    std::string elenco = "[";
    for (size_t i = 0; i < voci.size(); ++i) elenco += (i ? "," : "") + voci[i];
    ScriviTutto(t / "elenco.json", elenco + "]");
    const int esito = Esegui("/usr/bin/python3 '" + ScriptDxf + "' '" + (t / "elenco.json") + "'",
                             t / "verifica.txt");
    rapporto = LeggiTutto(t / "verifica.txt");
    return esito;
}

// LibreCAD converts `dxf` to PDF in a folder of its own under `t`, and the first page is
// rendered in grey: the count of its dark pixels, or -1 with the reason in `errore`. With
// `pagina`, the page's width and height in points (0 when pdfinfo cannot tell).
inline long PixelScuriLibreCad(const CartellaTemp& t, const std::string& dxf, std::string& errore,
                               std::pair<double, double>* pagina = nullptr) {
    const std::string nome = std::filesystem::path(dxf).stem().string();
    const std::string cartella = t / ("librecad-" + nome);
    std::filesystem::create_directories(cartella);
    const std::string casa = "HOME='" + cartella + "' XDG_CONFIG_HOME='" + cartella + "' ";
    const std::string converti = "cd '" + cartella + "' && " + casa +
                                 "QT_QPA_PLATFORM=offscreen timeout 60 librecad dxf2pdf -a -t '" + cartella + "' '" +
                                 dxf + "'";
    const std::string pdf = cartella + "/" + nome + ".pdf";
    if (Esegui(converti, cartella + "/librecad.txt") != 0 || !LeggiTutto(pdf).starts_with("%PDF")) {
        errore = "LibreCAD: " + LeggiTutto(cartella + "/librecad.txt");
        return -1;
    }
    if (pagina) {
        *pagina = {0, 0};
        Esegui("pdfinfo '" + pdf + "'", cartella + "/pdfinfo.txt");
        const std::string info = LeggiTutto(cartella + "/pdfinfo.txt");
        if (const size_t i = info.find("Page size:"); i != std::string::npos)
            std::sscanf(info.c_str() + i, "Page size: %lf x %lf", &pagina->first, &pagina->second);
    }
    if (Esegui("pdftoppm -gray -scale-to 800 -f 1 -l 1 '" + pdf + "' '" + cartella + "/pagina'",
               cartella + "/pdftoppm.txt") != 0) {
        errore = "pdftoppm: " + LeggiTutto(cartella + "/pdftoppm.txt");
        return -1;
    }
    std::string pgm;
    for (const auto& e : std::filesystem::directory_iterator(cartella))
        if (e.path().extension() == ".pgm") pgm = LeggiTutto(e.path().string());
    if (!pgm.starts_with("P5")) {
        errore = "nessuna pagina in grigio";
        return -1;
    }
    // The header is four blank-separated fields; the pixels follow.
    size_t pos = 0;
    for (int campo = 0; campo < 4; ++campo) {
        pos = pgm.find_first_not_of(" \t\r\n", pos);
        pos = pgm.find_first_of(" \t\r\n", pos);
    }
    return std::count_if(pgm.begin() + static_cast<long>(pos) + 1, pgm.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 200; });
}

}  // namespace vilmor::prova
