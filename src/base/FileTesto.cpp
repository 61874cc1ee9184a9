#include "base/FileTesto.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "base/Testo1252.h"

namespace vilmor {

const char* TestoCausa(CausaLettura c) {
    switch (c) {
        case CausaLettura::FineFile: return "Fine del file inattesa";
        case CausaLettura::NumeroNonValido: return "Valore numerico non valido";
        case CausaLettura::ConteggioNonValido: return "Conteggio non valido";
        case CausaLettura::IndiceFuoriIntervallo: return "Indice fuori intervallo";
    }
    return "";
}

std::string MessaggioLettura(const std::string& percorso, const ErroreLettura& e) {
    return "File non leggibile:\n" + percorso + "\n" + TestoCausa(e.Causa) + " (riga " +
           std::to_string(e.Riga) + ").";
}

void SegnalaErroreLettura(const std::string& percorso, const ErroreLettura& e) {
    Avviso(MessaggioLettura(percorso, e));
}

std::optional<std::string> LeggiFileIntero(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream ss;
    ss << f.rdbuf();
    if (f.bad()) return std::nullopt;
    return std::move(ss).str();
}

namespace {
inline bool Spazio(char c) { return c == ' ' || c == '\t'; }
inline bool FineRigaCar(char c) { return c == '\r' || c == '\n'; }
}  // namespace

bool LettoreTesto::ConsumaFineRiga() {
    if (pos_ >= dati_.size() || !FineRigaCar(dati_[pos_])) return false;
    if (dati_[pos_++] == '\r' && pos_ < dati_.size() && dati_[pos_] == '\n') ++pos_;
    ++riga_;
    return true;
}

void LettoreTesto::SaltaSpaziERighe() {
    while (pos_ < dati_.size()) {
        if (Spazio(dati_[pos_])) ++pos_;
        else if (!ConsumaFineRiga()) break;
    }
}

void LettoreTesto::DopoValore() {
    while (pos_ < dati_.size() && Spazio(dati_[pos_])) ++pos_;
    if (pos_ < dati_.size() && dati_[pos_] == ',') ++pos_;
    else ConsumaFineRiga();
}

std::string_view LettoreTesto::Gettone() {
    SaltaSpaziERighe();
    if (pos_ >= dati_.size()) Errore(CausaLettura::FineFile);
    rigaValore_ = riga_;
    size_t inizio = pos_;
    while (pos_ < dati_.size()) {
        char c = dati_[pos_];
        if (Spazio(c) || c == ',' || FineRigaCar(c)) break;
        ++pos_;
    }
    return std::string_view(dati_).substr(inizio, pos_ - inizio);
}

double LettoreTesto::Numero() {
    std::string_view g = Gettone();
    const int rigaValore = rigaValore_;
    // Only plain decimal numbers: no "nan", "inf", hexadecimal or empty values.
    char buf[64];
    if (g.empty() || g.size() >= sizeof buf) throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore);
    size_t n = 0;
    for (char c : g) {
        if (c == 'D' || c == 'd') c = 'E';
        bool ok = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
        if (!ok) throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore);
        buf[n++] = c;
    }
    const char* inizio = buf;
    if (*inizio == '+') ++inizio;  // from_chars takes no plus sign
    double v = 0;
    auto [p, ec] = std::from_chars(inizio, buf + n, v, std::chars_format::general);
    if (ec != std::errc() || p != buf + n || !std::isfinite(v))
        throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore);
    DopoValore();
    return v;
}

int LettoreTesto::LeggiI() {
    double v = Numero();
    if (v != std::floor(v) || v < std::numeric_limits<int32_t>::min() ||
        v > std::numeric_limits<int32_t>::max())
        throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore_);
    return static_cast<int>(v);
}

float LettoreTesto::LeggiS() {
    double v = Numero();
    float f = static_cast<float>(v);
    if (!std::isfinite(f)) throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore_);
    return f;
}

double LettoreTesto::LeggiD() { return Numero(); }

std::string LettoreTesto::LeggiT() {
    SaltaSpaziERighe();
    if (pos_ >= dati_.size()) Errore(CausaLettura::FineFile);
    rigaValore_ = riga_;
    size_t inizio, fine;
    if (dati_[pos_] == '"') {
        ++pos_;
        inizio = pos_;
        while (pos_ < dati_.size() && dati_[pos_] != '"' && !FineRigaCar(dati_[pos_])) ++pos_;
        fine = pos_;
        if (pos_ < dati_.size() && dati_[pos_] == '"') ++pos_;
    } else {
        inizio = pos_;
        while (pos_ < dati_.size() && dati_[pos_] != ',' && !FineRigaCar(dati_[pos_])) ++pos_;
        fine = pos_;
        while (fine > inizio && Spazio(dati_[fine - 1])) --fine;
    }
    std::string t = DaWindows1252(std::string_view(dati_).substr(inizio, fine - inizio));
    DopoValore();
    return t;
}

std::string LettoreTesto::LeggiRiga() {
    if (pos_ >= dati_.size()) Errore(CausaLettura::FineFile);
    size_t inizio = pos_;
    while (pos_ < dati_.size() && !FineRigaCar(dati_[pos_])) ++pos_;
    std::string t = DaWindows1252(std::string_view(dati_).substr(inizio, pos_ - inizio));
    ConsumaFineRiga();
    return t;
}

void LettoreTesto::ControllaConteggio(int conteggio, int byteMinimi) const {
    size_t resto = dati_.size() - std::min(pos_, dati_.size());
    if (conteggio < 0 || static_cast<size_t>(conteggio) > resto / static_cast<size_t>(std::max(1, byteMinimi)))
        throw ErroreLettura(CausaLettura::ConteggioNonValido, rigaValore_);
}

int LettoreTesto::LeggiConteggio(int byteMinimi) {
    int c = LeggiI();
    ControllaConteggio(c, byteMinimi);
    return c;
}

void LettoreTesto::ControllaIndice(int indice, int n, bool consentiMenoUno) const {
    if (consentiMenoUno && indice == -1) return;
    if (indice < 0 || indice >= n) throw ErroreLettura(CausaLettura::IndiceFuoriIntervallo, rigaValore_);
}

bool LettoreTesto::SoloSpaziFinali() const {
    for (size_t i = pos_; i < dati_.size(); ++i)
        if (!Spazio(dati_[i]) && !FineRigaCar(dati_[i])) return false;
    return true;
}

// ---- Writer ----

void ScrittoreTesto::Zona() {
    if (!inRiga_) {
        inRiga_ = true;
        return;
    }
    size_t prossima = (riga_.size() / 14 + 1) * 14;
    riga_.append(prossima - riga_.size(), ' ');
}

void ScrittoreTesto::Intero(int v) {
    Zona();
    if (v >= 0) riga_ += ' ';
    riga_ += std::to_string(v);
    riga_ += ' ';
}

void ScrittoreTesto::Numero(float v, int decimali) {
    Zona();
    riga_ += FormatNum(v, decimali);
}

void ScrittoreTesto::Voce(const std::string& utf8) {
    Zona();
    riga_ += utf8;
}

void ScrittoreTesto::Testo(const std::string& utf8) {
    if (inRiga_) FineRiga();
    dati_ += AWindows1252(utf8);
    dati_ += "\r\n";
}

void ScrittoreTesto::FineRiga() {
    dati_ += AWindows1252(riga_);
    dati_ += "\r\n";
    riga_.clear();
    inRiga_ = false;
}

bool ScrittoreTesto::Salva(const std::string& percorso, bool avvisa) const {
    std::string tutto = dati_;
    if (inRiga_) tutto += AWindows1252(riga_) + "\r\n";
    return ScriviFileAtomico(percorso, tutto, avvisa);
}

bool ScriviFileAtomico(const std::string& percorso, std::string_view byte, bool avvisa) {
    std::string tmp = percorso + ".~" + std::to_string(::getpid()) + ".tmp";
    bool ok = false;
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ok = true;
        size_t scritti = 0;
        while (scritti < byte.size()) {
            ssize_t n = ::write(fd, byte.data() + scritti, byte.size() - scritti);
            if (n <= 0) {
                ok = false;
                break;
            }
            scritti += static_cast<size_t>(n);
        }
        if (ok && ::fsync(fd) != 0) ok = false;
        if (::close(fd) != 0) ok = false;
        if (ok && Piatt.GuastoScritturaProva && Piatt.GuastoScritturaProva(percorso)) ok = false;
        if (ok && std::rename(tmp.c_str(), percorso.c_str()) != 0) ok = false;
        if (!ok) std::remove(tmp.c_str());
    }
    if (!ok && avvisa)
        Avviso("Impossibile scrivere il file:\n" + percorso + "\nIl file esistente non \xC3\xA8 stato modificato.");
    return ok;
}

}  // namespace vilmor
