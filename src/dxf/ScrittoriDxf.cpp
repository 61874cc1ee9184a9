#include "dxf/ScrittoriDxf.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <istream>
#include <ostream>

#include "base/Formati.h"
#include "base/LarghezzeFont.h"
#include "base/Testo1252.h"
#include "dxf/QuoteDxf.h"

namespace vilmor {
namespace {

// False for a value that is not finite. Such a record is dropped; in a debug build it stops
// the program naming the record, since a drawer should never produce one.
bool Finiti(const char* record, std::initializer_list<float> valori) {
    for (float v : valori) {
        if (!std::isfinite(v)) {
#ifndef NDEBUG
            std::fprintf(stderr, "DXF %s: valore non finito\n", record);
            std::abort();
#endif
            return false;
        }
    }
    return true;
}

// Printable ASCII passes as it is; anything else is cleaned and converted.
bool SoloAscii(std::string_view s) {
    for (unsigned char ch : s)
        if (ch < 0x20 || ch > 0x7E) return false;
    return true;
}

// One record assembled in memory and handed to its stream in one write: the entity writers
// run once per drawn entity, so they avoid a stream call per line.
class Record {
public:
    Record() { b_.clear(); }
    // Text that already carries its line ends.
    Record& operator<<(std::string_view righe) {
        b_.append(righe);
        return *this;
    }
    // One value line of text, converted to Windows-1252.
    void Testo(std::string_view utf8) {
        if (SoloAscii(utf8)) b_.append(utf8);
        else b_.append(AWindows1252(TestoValoreDxf(utf8)));
        b_.append("\r\n");
    }
    // A name as the tables write it, so that the record finds its layer.
    void Nome(std::string_view utf8) {
        if (SoloAscii(utf8)) {
            b_.append(utf8);
        } else {
            std::string s = AWindows1252(utf8);
            for (char& ch : s)
                if (ch == '\r' || ch == '\n') ch = ' ';
            b_.append(s);
        }
        b_.append("\r\n");
    }
    void Numero(float v) {
        char buf[64];
        b_.append(buf, NumeroLiberoDxf(buf, v));
        b_.append("\r\n");
    }
    void Intero6(int v) {
        char buf[24];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        const auto n = static_cast<size_t>(r.ptr - buf);
        if (n < 6) b_.append(6 - n, ' ');
        b_.append(buf, n);
        b_.append("\r\n");
    }
    // The head common to the entities: type, then handle, owner and entity marker in the
    // 2000 form, then the layer.
    void Testa(ContestoDxf& c, std::string_view tipo, const std::string& layer, bool r12) {
        b_.append("  0\r\n");
        b_.append(tipo);
        b_.append("\r\n");
        if (!r12) {
            b_.append("  5\r\n");
            b_.append(NuovoHandle(c));
            b_.append("\r\n330\r\n");
            b_.append(c.HandleModelSpace);
            b_.append("\r\n100\r\nAcDbEntity\r\n");
        }
        b_.append("  8\r\n");
        Nome(layer);
    }
    void TipoLinea(int stile) {
        switch (stile) {
            case 1: b_.append("  6\r\nDASHED\r\n"); break;
            case 2: b_.append("  6\r\nContinuous\r\n"); break;
            case 3: b_.append("  6\r\nDASHED2\r\n"); break;
            default: break;
        }
    }
    void Scrivi(std::ostream& os) { os.write(b_.data(), static_cast<std::streamsize>(b_.size())); }

private:
    static inline thread_local std::string b_;
};

const char* TipoLinea(int stile) {
    switch (stile) {
        case 1: return "DASHED";
        case 2: return "Continuous";
        case 3: return "DASHED2";
        default: return nullptr;
    }
}

// Five blanks and the number, as the MTEXT codes 71 and 72 stand.
std::string CinqueSpazi(int n) { return "     " + std::to_string(n); }

}  // namespace

void EstendiTestoDxf(ContestoDxf& c, float x, float y, std::string_view testo, float altezza,
                     float angolo, int oriz, int vert) {
    for (const Punto& p : RiquadroTesto(x, y, testo, altezza, angolo, oriz, vert)) c.Estensione.Aggiungi(p.X, p.Y);
}

char* NumeroLiberoDxf(char* buf, float valore) {
    if (valore == 0) {
        *buf = '0';
        return buf + 1;
    }
    return std::to_chars(buf, buf + 64, valore, std::chars_format::fixed).ptr;
}

std::string NumeroLiberoDxf(float valore) {
    char buf[64];
    return std::string(buf, NumeroLiberoDxf(buf, valore));
}

std::string TestoValoreDxf(std::string_view u) {
    std::string s;
    s.reserve(u.size());
    for (size_t i = 0; i < u.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(u[i]);
        if (ch < 0x20 || ch == 0x7F) {
            s.push_back(' ');
        } else if (ch == 0xC2 && i + 1 < u.size() && static_cast<unsigned char>(u[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(u[i + 1]) <= 0x9F) {
            // A C1 control character: no reader takes its byte as text.
            s.push_back(' ');
            ++i;
        } else {
            s.push_back(static_cast<char>(ch));
        }
    }
    return s;
}

void LineaDxf(ContestoDxf& c, float x1, float y1, float x2, float y2, const std::string& layer,
              int stile, bool r12) {
    if (!c.Entita || !Finiti("LINE", {x1, y1, x2, y2})) return;
    c.Estensione.Aggiungi(x1, y1);
    c.Estensione.Aggiungi(x2, y2);
    Record r;
    r.Testa(c, "LINE", layer, r12);
    if (!r12) r << "100\r\nAcDbLine\r\n";
    r.TipoLinea(stile);
    r << " 10\r\n";
    r.Numero(x1);
    r << " 20\r\n";
    r.Numero(y1);
    r << " 30\r\n0\r\n 11\r\n";
    r.Numero(x2);
    r << " 21\r\n";
    r.Numero(y2);
    r << " 31\r\n0\r\n";
    r.Scrivi(*c.Entita);
}

void CerchioDxf(ContestoDxf& c, float x, float y, float raggio, const std::string& layer,
                int stile, bool r12) {
    if (!c.Entita || !Finiti("CIRCLE", {x, y, raggio})) return;
    c.Estensione.AggiungiIntorno(x, y, raggio);
    Record r;
    r.Testa(c, "CIRCLE", layer, r12);
    if (!r12) r << "100\r\nAcDbCircle\r\n";
    r.TipoLinea(stile);
    r << " 10\r\n";
    r.Numero(x);
    r << " 20\r\n";
    r.Numero(y);
    r << " 30\r\n0\r\n 40\r\n";
    r.Numero(raggio);
    r.Scrivi(*c.Entita);
}

void TestoDxf(ContestoDxf& c, const std::string& layer, const std::string& testo, float x,
              float y, float altezza, float angolo, int oriz, int vert, bool r12) {
    if (!c.Entita || !Finiti("TEXT", {x, y, altezza, angolo})) return;
    c.Estensione.Aggiungi(x, y);
    EstendiTestoDxf(c, x, y, testo, altezza, angolo, oriz, vert);
    Record r;
    r.Testa(c, "TEXT", layer, r12);
    if (!r12) r << "100\r\nAcDbText\r\n";
    r << " 10\r\n";
    r.Numero(x);
    r << " 20\r\n";
    r.Numero(y);
    r << " 30\r\n0.0\r\n 72\r\n";
    r.Intero6(oriz);
    r << " 11\r\n";
    r.Numero(x);
    r << " 21\r\n";
    r.Numero(y);
    r << " 31\r\n0.0\r\n 40\r\n";
    r.Numero(altezza);
    r << "  1\r\n";
    r.Testo(testo);
    r << " 50\r\n";
    r.Numero(angolo);
    if (!r12) r << "100\r\nAcDbText\r\n";
    r << " 73\r\n";
    r.Intero6(vert);
    r.Scrivi(*c.Entita);
}

namespace {

// Type, handle, owner and entity marker of a block-content record.
std::ostream& TestaBlocco(ContestoDxf& c, const char* tipo, const std::string& owner) {
    std::ostream& os = *c.Blocchi;
    GruppoDxf(os, 0, tipo);
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, owner);
    GruppoDxf(os, 100, "AcDbEntity");
    return os;
}

}  // namespace

void BloccoDxf(ContestoDxf& c, int flag, const std::string& nome, const std::string& layer,
               const std::string& owner) {
    if (!c.Blocchi) return;
    std::ostream& os = TestaBlocco(c, "BLOCK", owner);
    GruppoDxf(os, 8, layer);
    GruppoDxf(os, 100, "AcDbBlockBegin");
    GruppoDxf(os, 2, nome);
    GruppoIntDxf(os, 70, flag);
    GruppoDxf(os, 10, "0.0");
    GruppoDxf(os, 20, "0.0");
    GruppoDxf(os, 30, "0.0");
    GruppoDxf(os, 3, nome);
    GruppoDxf(os, 1, "");
}

void FineBloccoDxf(ContestoDxf& c, const std::string& owner) {
    if (!c.Blocchi) return;
    std::ostream& os = TestaBlocco(c, "ENDBLK", owner);
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 100, "AcDbBlockEnd");
}

void LineaBloccoDxf(ContestoDxf& c, float x1, float y1, float x2, float y2, int stile,
                    int perBlocco, const std::string& layer, const std::string& owner) {
    if (!c.Blocchi || !Finiti("LINE", {x1, y1, x2, y2})) return;
    std::ostream& os = TestaBlocco(c, "LINE", owner);
    GruppoDxf(os, 8, layer);
    if (perBlocco != 0) {
        GruppoDxf(os, 62, "     0");
        GruppoDxf(os, 370, "    -2");
    }
    GruppoDxf(os, 100, "AcDbLine");
    if (const char* tipo = TipoLinea(stile)) GruppoDxf(os, 6, tipo);
    GruppoRealeDxf(os, 10, x1);
    GruppoRealeDxf(os, 20, y1);
    GruppoDxf(os, 30, "0.0");
    GruppoRealeDxf(os, 11, x2);
    GruppoRealeDxf(os, 21, y2);
    GruppoDxf(os, 31, "0.0");
}

void PuntoDxf(ContestoDxf& c, const Punto& p, const std::string& owner) {
    if (!c.Blocchi || !Finiti("POINT", {p.X, p.Y})) return;
    std::ostream& os = TestaBlocco(c, "POINT", owner);
    GruppoDxf(os, 8, "DEFPOINTS");
    GruppoDxf(os, 62, "    0");
    GruppoDxf(os, 100, "AcDbPoint");
    GruppoRealeDxf(os, 10, p.X);
    GruppoRealeDxf(os, 20, p.Y);
    GruppoDxf(os, 30, "0.0");
}

namespace {

// An MTEXT record after its head.
void CorpoMTesto(std::ostream& os, float x, float y, const std::string& testo, float angolo, float altezza,
                 int direzione, int attacco, const std::string& layer) {
    GruppoDxf(os, 8, layer);
    GruppoDxf(os, 62, "     0");
    GruppoDxf(os, 100, "AcDbMText");
    GruppoRealeDxf(os, 10, x);
    GruppoRealeDxf(os, 20, y);
    GruppoDxf(os, 30, "0.0");
    GruppoRealeDxf(os, 40, altezza);
    GruppoDxf(os, 41, "0.0");
    GruppoRealeDxf(os, 50, angolo);
    GruppoDxf(os, 71, CinqueSpazi(attacco));
    GruppoDxf(os, 72, CinqueSpazi(direzione));
    GruppoDxf(os, 1, TestoValoreDxf(testo));
    GruppoDxf(os, 73, "     1");
    GruppoDxf(os, 44, "1.0");
    GruppoDxf(os, 1001, "ACAD");
    GruppoDxf(os, 1000, "MTEXTBEGIN");
    GruppoDxf(os, 1070, "    73");
    GruppoDxf(os, 1070, "     1");
    GruppoDxf(os, 1070, "    44");
    GruppoDxf(os, 1040, "1.0");
    GruppoDxf(os, 1070, "    74");
    GruppoDxf(os, 1070, "     0");
    GruppoDxf(os, 1000, "MTEXTEND");
}

}  // namespace

void MTestoDxf(ContestoDxf& c, float x, float y, const std::string& testo, float angolo,
               float altezza, int direzione, int attacco, const std::string& layer,
               const std::string& owner) {
    if (!c.Blocchi || !Finiti("MTEXT", {x, y, angolo, altezza})) return;
    CorpoMTesto(TestaBlocco(c, "MTEXT", owner), x, y, testo, angolo, altezza, direzione, attacco, layer);
}

void MTestoEntitaDxf(ContestoDxf& c, float x, float y, const std::string& testo, float angolo,
                     float altezza, int direzione, int attacco, const std::string& layer) {
    if (!c.Entita || !Finiti("MTEXT", {x, y, angolo, altezza})) return;
    std::ostream& os = *c.Entita;
    GruppoDxf(os, 0, "MTEXT");
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, c.HandleModelSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    CorpoMTesto(os, x, y, testo, angolo, altezza, direzione, attacco, layer);
}

void BloccoDxf12(ContestoDxf& c, const std::string& nome) {
    if (!c.Blocchi) return;
    std::ostream& os = *c.Blocchi;
    GruppoDxf(os, 0, "BLOCK");
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 2, nome);
    GruppoDxf(os, 70, "     1");
    GruppoDxf(os, 10, "0.0");
    GruppoDxf(os, 20, "0.0");
    GruppoDxf(os, 30, "0.0");
    GruppoDxf(os, 3, nome);
}

void FineBloccoDxf12(ContestoDxf& c) {
    if (c.Blocchi) GruppoDxf(*c.Blocchi, 0, "ENDBLK");
}

void LineaDxf12(ContestoDxf& c, float x1, float y1, float x2, float y2, int stile, int perBlocco,
                const std::string& layer) {
    if (!c.Blocchi || !Finiti("LINE", {x1, y1, x2, y2})) return;
    std::ostream& os = *c.Blocchi;
    GruppoDxf(os, 0, "LINE");
    GruppoDxf(os, 8, layer);
    if (perBlocco != 0) GruppoDxf(os, 62, "     0");
    if (const char* tipo = TipoLinea(stile)) GruppoDxf(os, 6, tipo);
    GruppoRealeDxf(os, 10, x1);
    GruppoRealeDxf(os, 20, y1);
    GruppoDxf(os, 30, "0.0");
    GruppoRealeDxf(os, 11, x2);
    GruppoRealeDxf(os, 21, y2);
    GruppoDxf(os, 31, "0.0");
}

void ScrittoreDxf::LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& layer,
                            int stile) {
    vilmor::LineaDxf(c_, X1, Y1, X2, Y2, layer, stile, r12_);
}

void ScrittoreDxf::CerchioDxf(float X, float Y, float raggio, const std::string& layer,
                              int stile) {
    vilmor::CerchioDxf(c_, X, Y, raggio, layer, stile, r12_);
}

void ScrittoreDxf::TestoDxf(const std::string& layer, const std::string& testo, float X, float Y,
                            float altezza, float angolo, int oriz, int vert) {
    vilmor::TestoDxf(c_, layer, testo, X, Y, altezza, angolo, oriz, vert, r12_);
}

void ScrittoreDxf::QuotaDxf(const std::string& layerQuota, const std::string& layerTesto,
                            const EntitaQuota& q) {
    if (!r12_) vilmor::QuotaDxf(c_, layerQuota, layerTesto, q);
}

}  // namespace vilmor
