#include "report/Mod_RTF.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/FileTesto.h"
#include "base/Testo1252.h"

namespace vilmor {
namespace {

void AppendiIntero(std::string& s, long long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, r.ptr);
}

std::string Testo(std::string_view colore, std::string_view testo, int dimensione, int sottolineato,
                  int grassetto) {
    std::string s = "\\plain\\f3\\fs";
    AppendiIntero(s, dimensione);
    s += colore;
    s += grassetto != 0 ? "\\b" : "\\b0";
    s += sottolineato != 0 ? "\\ul " : " ";
    s += testo;
    return s;
}

// A fractional product would put a decimal point into a control word, which no reader accepts.
std::string Tab(std::string_view tipo, float posizione) {
    const float prodotto = posizione * 568.0f;
    long long twip = 0;
    if (std::isfinite(prodotto)) {
        const double limite = std::numeric_limits<int>::max();
        twip = static_cast<long long>(std::nearbyint(std::fmax(-limite, std::fmin(limite, double(prodotto)))));
    }
    std::string s(tipo);
    s += "\\tx";
    AppendiIntero(s, twip);
    return s;
}

}  // namespace

std::string TestoNero(std::string_view t, int d, int s, int g) { return Testo("\\cf0", t, d, s, g); }
std::string TestoRosso(std::string_view t, int d, int s, int g) { return Testo("\\cf1", t, d, s, g); }
std::string TestoBlu(std::string_view t, int d, int s, int g) { return Testo("\\cf2", t, d, s, g); }
std::string TestoGrigio(std::string_view t, int d, int s, int g) { return Testo("\\cf3", t, d, s, g); }

std::string InizioRTF() {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}"
           "{\\f3\\fswiss\\fcharset0 Arial;}}"
           "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
           "\\red126\\green126\\blue126;\\red255\\green192\\blue0;}";
}

std::string FineRTF() { return "\\par }"; }

std::string TabDestra(float posizione) { return Tab("\\tqr", posizione); }
std::string TabCentro(float posizione) { return Tab("\\tqc", posizione); }

std::string InizioRiga() {
    return "\\trowd\\trgaph10\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 "
           "\\trbrdrb\\brdrs\\brdrw10 \\trbrdrr\\brdrs\\brdrw10 ";
}

std::string BordoCella(int bordoDestro) {
    std::string s =
        "\\clbrdrl\\brdrw5\\brdrs\\clbrdrt\\brdrw5\\brdrs\\clbrdrr\\brdrw5\\brdrs\\clbrdrb\\brdrw5\\brdrs \\cellx";
    AppendiIntero(s, bordoDestro);
    return s;
}

std::string ByteRTF(std::string_view documento) {
    // Every byte beyond ASCII as an escape: readers that take only escapes (unrtf) and those
    // that take raw bytes read the same text.
    static constexpr char Cifre[] = "0123456789abcdef";
    const std::string b = AWindows1252(documento);
    std::string s;
    s.reserve(b.size() + b.size() / 16);
    for (const char c : b) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            s.push_back(c);
            continue;
        }
        s += "\\'";
        s.push_back(Cifre[u >> 4]);
        s.push_back(Cifre[u & 15]);
    }
    return s;
}

bool SalvaRTF(const std::string& percorso, std::string_view documento) {
    return ScriviFileAtomico(percorso, ByteRTF(documento));
}

}  // namespace vilmor
