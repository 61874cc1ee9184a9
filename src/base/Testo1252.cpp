#include "base/Testo1252.h"

#include <cstdint>

namespace vilmor {
namespace {

// Bytes 80..9F; the five unassigned ones map to the C1 code point of the same number so
// that any text round-trips byte for byte.
constexpr char32_t Tabella80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendiUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (c >> 18)));
        s.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

int ByteDa(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (Tabella80[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

std::string DaWindows1252(std::string_view byte) {
    std::string s;
    s.reserve(byte.size());
    for (unsigned char b : byte) {
        if (b < 0x80)
            s.push_back(static_cast<char>(b));
        else if (b < 0xA0)
            AppendiUtf8(s, Tabella80[b - 0x80]);
        else
            AppendiUtf8(s, b);
    }
    return s;
}

std::string AWindows1252(std::string_view u) {
    std::string s;
    s.reserve(u.size());
    size_t i = 0;
    while (i < u.size()) {
        unsigned char b = static_cast<unsigned char>(u[i]);
        char32_t c;
        size_t n;
        if (b < 0x80) {
            c = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            n = 4;
        } else {
            s.push_back('?');
            ++i;
            continue;
        }
        if (i + n > u.size()) {
            s.push_back('?');
            break;
        }
        bool valido = true;
        for (size_t k = 1; k < n; ++k) {
            unsigned char t = static_cast<unsigned char>(u[i + k]);
            if ((t & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            c = (c << 6) | (t & 0x3F);
        }
        if (!valido) {
            s.push_back('?');
            ++i;
            continue;
        }
        int out = ByteDa(c);
        s.push_back(out < 0 ? '?' : static_cast<char>(out));
        i += n;
    }
    return s;
}

}  // namespace vilmor
