// A DXF 2000 export made in memory, and a small reader of its items for the tests.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dxf/ContestoDxf.h"
#include "dxf/SezioniDxf.h"
#include "model/Resource.h"

namespace vilmor::prova {

// The program's default layers.
inline StratiDisegno StratiDefault() {
    ImpostaDefault();
    return Strati;
}

// An export whose drawing pass took `handlePassata` handles and wrote the given streams.
inline std::string Esporta(const StratiDisegno& s, float k, int handlePassata = 0,
                           const std::string& entita = {}, const std::string& blocchi = {},
                           ContestoDxf* fine = nullptr) {
    ContestoDxf c;
    InizializzaDxf(c);
    for (int i = 0; i < handlePassata; ++i) NuovoHandle(c);
    std::stringstream e(entita), b(blocchi), corpo, file;
    c.Entita = &e;
    c.Blocchi = &b;
    AssemblaDxf2000(c, NumLayer, s, k, corpo, file);
    if (fine) *fine = c;
    return file.str();
}

// One DXF item: the code line as written and its value line.
struct Voce {
    std::string Codice;
    std::string Valore;
    bool operator==(const Voce&) const = default;
};

inline std::vector<std::string> Righe(const std::string& byte) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < byte.size()) {
        size_t f = byte.find("\r\n", i);
        if (f == std::string::npos) f = byte.size();
        r.push_back(byte.substr(i, f - i));
        i = f + 2;
    }
    return r;
}

inline std::vector<Voce> Voci(const std::string& byte) {
    auto r = Righe(byte);
    std::vector<Voce> v;
    for (size_t i = 0; i + 1 < r.size(); i += 2) v.push_back({r[i], r[i + 1]});
    return v;
}

inline int CodiceDi(const Voce& v) { return std::stoi(v.Codice); }

// The items of one section, its head and "ENDSEC" left out.
inline std::vector<Voce> SezioneDi(const std::vector<Voce>& voci, const std::string& nome) {
    std::vector<Voce> r;
    for (size_t i = 0; i + 1 < voci.size(); ++i) {
        if (voci[i].Valore == "SECTION" && voci[i + 1].Valore == nome) {
            for (size_t j = i + 2; j < voci.size() && voci[j].Valore != "ENDSEC"; ++j)
                r.push_back(voci[j]);
            break;
        }
    }
    return r;
}

// Records: each starts at a code-0 item and runs to the next one.
inline std::vector<std::vector<Voce>> Record(const std::vector<Voce>& voci) {
    std::vector<std::vector<Voce>> r;
    for (const Voce& v : voci) {
        if (CodiceDi(v) == 0) r.emplace_back();
        if (!r.empty()) r.back().push_back(v);
    }
    return r;
}

// Records of one type; with `nome`, only those whose code-2 item carries it.
inline std::vector<std::vector<Voce>> RecordDi(const std::vector<Voce>& voci,
                                               const std::string& tipo,
                                               const std::string& nome = {}) {
    std::vector<std::vector<Voce>> r;
    for (auto& rec : Record(voci)) {
        if (rec[0].Valore != tipo) continue;
        bool ok = nome.empty();
        for (const Voce& v : rec)
            if (CodiceDi(v) == 2 && v.Valore == nome) ok = true;
        if (ok) r.push_back(rec);
    }
    return r;
}

// The value of the first item whose code line is exactly `codice`; "?" when none.
inline std::string Valore(const std::vector<Voce>& rec, const std::string& codice) {
    for (const Voce& v : rec)
        if (v.Codice == codice) return v.Valore;
    return "?";
}

inline std::string Handle(const std::vector<Voce>& rec) {
    for (const Voce& v : rec)
        if (CodiceDi(v) == 5 || CodiceDi(v) == 105) return v.Valore;
    return "?";
}

// Handles from `primo` to `ultimo` in hexadecimal, as the counter gives them.
inline std::vector<std::string> Serie(int primo, int ultimo) {
    std::vector<std::string> r;
    for (int h = primo; h <= ultimo; ++h) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", h);
        r.push_back(buf);
    }
    return r;
}

}  // namespace vilmor::prova
