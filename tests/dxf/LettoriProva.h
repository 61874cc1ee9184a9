// Running the real readers on written DXF files: the checker script through Debian's Python
// (ezdxf) and LibreCAD's conversion to PDF.
#pragma once

#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
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

}  // namespace vilmor::prova
