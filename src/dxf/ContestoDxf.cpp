#include "dxf/ContestoDxf.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "base/Formati.h"
#include "base/Testo1252.h"

namespace vilmor {

void InizializzaDxf(ContestoDxf& c) {
    ContestoDxf nuovo;
    nuovo.Sezione = c.Sezione;
    nuovo.Entita = c.Entita;
    nuovo.Blocchi = c.Blocchi;
    c = std::move(nuovo);
}

std::string NuovoHandle(ContestoDxf& c) {
    ++c.HandleBasso;
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<uint32_t>(c.HandleBasso), 16);
    std::string s(buf, r.ptr);
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
    return s;
}

std::string NomeBloccoQuota(ContestoDxf& c) { return "*D" + std::to_string(c.NumBlocchiD++); }

std::string NomeBloccoTratteggio(ContestoDxf& c) {
    return "*X" + std::to_string(c.NumBlocchiX++);
}

std::string CodiceDxf(int codice) {
    std::string s = std::to_string(codice);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

void RigaDxf(std::ostream& os, std::string_view testo) {
    std::string s = AWindows1252(testo);
    // A line break inside a value would shift every later code and value by one line.
    for (char& ch : s)
        if (ch == '\r' || ch == '\n') ch = ' ';
    s += "\r\n";
    os.write(s.data(), static_cast<std::streamsize>(s.size()));
}

void GruppoDxf(std::ostream& os, int codice, std::string_view valore) {
    RigaDxf(os, CodiceDxf(codice));
    RigaDxf(os, valore);
}

void CoppiaDxf(std::ostream& os, std::string_view codice, std::string_view valore) {
    RigaDxf(os, codice);
    RigaDxf(os, valore);
}

void GruppoIntDxf(std::ostream& os, int codice, int valore) {
    GruppoDxf(os, codice, FormatIntDxf(valore));
}

void GruppoRealeDxf(std::ostream& os, int codice, float valore) {
    GruppoDxf(os, codice, FormatNum(valore, 8));
}

void CopiaRigheDxf(std::iostream* da, std::ostream& a) {
    if (!da) return;
    da->flush();
    da->clear();
    da->seekg(0);
    std::string riga;
    while (std::getline(*da, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        riga += "\r\n";
        a.write(riga.data(), static_cast<std::streamsize>(riga.size()));
    }
    da->clear();
}

}  // namespace vilmor
