#include "dxf/ContestoDxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
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

InquadraturaDxf Inquadratura(const Ingombro& e, float aspetto) {
    InquadraturaDxf q;
    if (e.Vuoto) return q;
    const double w = static_cast<double>(e.XMax) - e.XMin, h = static_cast<double>(e.YMax) - e.YMin;
    // A margin of 5 % of the larger side, never nothing: a single point still has limits.
    const double margine = std::max(0.05 * std::max(w, h), 1.0);
    q.LimMinX = static_cast<float>(e.XMin - margine);
    q.LimMinY = static_cast<float>(e.YMin - margine);
    q.LimMaxX = static_cast<float>(e.XMax + margine);
    q.LimMaxY = static_cast<float>(e.YMax + margine);
    q.CentroX = static_cast<float>((static_cast<double>(e.XMin) + e.XMax) / 2);
    q.CentroY = static_cast<float>((static_cast<double>(e.YMin) + e.YMax) / 2);
    const double a = aspetto > 0 && std::isfinite(aspetto) ? aspetto : 1.0;
    q.Altezza = static_cast<float>(std::max(h, w / a) + 2 * margine);
    return q;
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

namespace {
// High bit set in each byte of w equal to the byte repeated in c, no other bit.
uint64_t ByteUguali(uint64_t w, uint64_t c) {
    const uint64_t x = w ^ c, m = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((x & m) + m) | x | m);
}

// True when some LF of the block has no CR before it. Eight bytes at a time: the blocks this
// program writes pass whole, unscanned line by line.
bool LfSenzaCr(const char* p, size_t n, bool crPrima) {
    if (n == 0) return false;
    if (p[0] == '\n' && !crPrima) return true;
    size_t i = 1;
    uint64_t nudi = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w, prima;
        std::memcpy(&w, p + i, 8);
        std::memcpy(&prima, p + i - 1, 8);
        nudi |= ByteUguali(w, 0x0A0A0A0A0A0A0A0AULL) & ~ByteUguali(prima, 0x0D0D0D0D0D0D0D0DULL);
    }
    if (nudi) return true;
    for (; i < n; ++i)
        if (p[i] == '\n' && p[i - 1] != '\r') return true;
    return false;
}
}  // namespace

void CopiaRigheDxf(std::iostream* da, std::ostream& a) {
    if (!da) return;
    da->flush();
    // A stream that failed while written or read stays failed, so that a partial copy is
    // never taken for the whole.
    const bool guasto = da->bad();
    da->clear();
    da->seekg(0);
    bool letto = !da->fail();
    // Copied in blocks: lines that already end with CR LF pass unchanged, a bare LF gains its
    // CR, and a last line without its end gets one.
    char buf[1 << 16];
    bool crPrima = false, rigaAperta = false;
    while (letto) {
        da->read(buf, sizeof buf);
        const std::streamsize n = da->gcount();
        if (n <= 0) break;
        const char* const fine = buf + n;
        const char* inizio = buf;
        const char* p = LfSenzaCr(buf, static_cast<size_t>(n), crPrima) ? buf : fine;
        while (const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(fine - p)))) {
            const bool cr = lf > buf ? lf[-1] == '\r' : crPrima;
            if (!cr) {
                a.write(inizio, lf - inizio);
                a.write("\r\n", 2);
                inizio = lf + 1;
            }
            p = lf + 1;
        }
        a.write(inizio, fine - inizio);
        crPrima = fine[-1] == '\r';
        rigaAperta = fine[-1] != '\n';
    }
    letto = letto && !da->bad();
    if (rigaAperta) a.write(crPrima ? "\n" : "\r\n", crPrima ? 1 : 2);
    da->clear();
    if (guasto || !letto) da->setstate(std::ios::badbit);
}

}  // namespace vilmor
