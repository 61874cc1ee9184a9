#include "base/Testi.h"

namespace vilmor {
namespace {

char32_t Maiuscola(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à .. þ, not ÷
    if (c == 0xFF) return 0x178;                                 // ÿ
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: pairs upper/lower, even/odd except in 0x139..0x148 and 0x179..0x17E.
        const bool dispariMinuscola = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;  // no simple pair
        if (dispariMinuscola) return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    return c;
}

void Appendi(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string Rifilato(const std::string& s) {
    size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos) return {};
    size_t j = s.find_last_not_of(" \t");
    return s.substr(i, j - i + 1);
}

std::string MaiuscoloAscii(std::string s) {
    for (auto& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string MaiuscoloUtf8(const std::string& testo) {
    std::string r;
    r.reserve(testo.size());
    size_t i = 0;
    while (i < testo.size()) {
        const auto b = static_cast<unsigned char>(testo[i]);
        if (b < 0x80) {
            r.push_back(static_cast<char>(Maiuscola(b)));
            ++i;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < testo.size() &&
                   (static_cast<unsigned char>(testo[i + 1]) & 0xC0) == 0x80) {
            // Only two-byte characters have an upper case here; the others pass unchanged.
            char32_t c = (char32_t(b & 0x1F) << 6) | (static_cast<unsigned char>(testo[i + 1]) & 0x3F);
            Appendi(r, Maiuscola(c));
            i += 2;
        } else {
            r.push_back(testo[i]);
            ++i;
        }
    }
    return r;
}

}  // namespace vilmor
