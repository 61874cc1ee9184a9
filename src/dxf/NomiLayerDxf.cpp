#include "dxf/NomiLayerDxf.h"

#include <string_view>

namespace vilmor {

namespace {

std::string Minuscolo(std::string_view s) {
    std::string r(s);
    for (char& ch : r)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return r;
}

bool Valido(const std::string& n, bool r12) {
    if (n.empty() || n.size() > 255) return false;
    if (n.front() == ' ' || n.back() == ' ') return false;
    for (unsigned char ch : n) {
        if (ch < 32 || ch == 127) return false;
        if (std::string_view("<>/\\\":;?*|=,`").find(static_cast<char>(ch)) != std::string_view::npos)
            return false;
    }
    const std::string m = Minuscolo(n);
    if (m == "0" || m == "defpoints") return false;
    if (r12) {
        if (n.size() > 31) return false;
        for (char ch : n) {
            const bool ok = (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '$' ||
                            ch == '-' || ch == '_';
            if (!ok) return false;
        }
    }
    return true;
}

}  // namespace

std::string ControllaNomiLayer(const StratiDisegno& strati, int numLayer, bool r12) {
    for (int i = 0; i < numLayer; ++i) {
        const std::string& n = strati.NomiLayer[i];
        if (!Valido(n, r12))
            return "Nome di layer non valido: \"" + n + "\".\nOperazione annullata!";
        for (int j = 0; j < i; ++j)
            if (Minuscolo(strati.NomiLayer[j]) == Minuscolo(n))
                return "Nome di layer ripetuto: \"" + n + "\".\nOperazione annullata!";
    }
    return {};
}

}  // namespace vilmor
