// What a reader makes of the body of an RTF document written by the program's builders: the
// runs with their colour (index of the colour table) and weight, and the text as lines.
#pragma once

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace vilmor::prova {

struct TrattoRTF {
    std::string Testo;
    int Colore = 0;
    bool Grassetto = false;
};

// Groups inside the document (font and colour tables) are skipped; "\par" becomes a line end.
inline std::vector<TrattoRTF> TrattiRTF(const std::string& rtf) {
    std::vector<TrattoRTF> tratti;
    TrattoRTF corrente;
    auto aggiungi = [&](const std::string& t) {
        if (tratti.empty() || tratti.back().Colore != corrente.Colore || tratti.back().Grassetto != corrente.Grassetto)
            tratti.push_back({"", corrente.Colore, corrente.Grassetto});
        tratti.back().Testo += t;
    };
    int profondita = 0;
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{' || c == '}') {
            profondita += c == '{' ? 1 : -1;
            ++i;
            continue;
        }
        if (c == '\\') {
            size_t j = i + 1;
            std::string parola;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) parola += rtf[j++];
            std::string numero;
            while (j < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-')) numero += rtf[j++];
            if (j < rtf.size() && rtf[j] == ' ') ++j;
            i = j;
            if (profondita != 1) continue;
            if (parola == "plain") corrente = {};
            else if (parola == "cf") corrente.Colore = numero.empty() ? 0 : std::stoi(numero);
            else if (parola == "b") corrente.Grassetto = numero != "0";
            else if (parola == "par") aggiungi("\n");
            continue;
        }
        if (profondita == 1) aggiungi(std::string(1, c));
        ++i;
    }
    return tratti;
}

// The lines of the text; the document's closing paragraph mark leaves an empty last line.
inline std::vector<std::string> RigheRTF(const std::string& rtf) {
    std::string tutto;
    for (const TrattoRTF& t : TrattiRTF(rtf)) tutto += t.Testo;
    std::vector<std::string> righe(1);
    for (char c : tutto) {
        if (c == '\n') righe.emplace_back();
        else righe.back() += c;
    }
    return righe;
}

// The run whose text begins with `inizio`, if any.
inline std::optional<TrattoRTF> TrattoCon(const std::vector<TrattoRTF>& tratti, const std::string& inizio) {
    for (const TrattoRTF& t : tratti)
        if (t.Testo.rfind(inizio, 0) == 0) return t;
    return std::nullopt;
}

}  // namespace vilmor::prova
