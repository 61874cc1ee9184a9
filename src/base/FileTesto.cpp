#include "base/FileTesto.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <new>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <vector>

#include "base/Formati.h"
#include "base/PagineGrandi.h"
#include "base/Piattaforma.h"
#include "base/Testo1252.h"

namespace vilmor {

const char* TestoCausa(CausaLettura c) {
    switch (c) {
        case CausaLettura::FineFile: return "Fine del file inattesa";
        case CausaLettura::NumeroNonValido: return "Valore numerico non valido";
        case CausaLettura::ConteggioNonValido: return "Conteggio non valido";
        case CausaLettura::IndiceFuoriIntervallo: return "Indice fuori intervallo";
        case CausaLettura::ValoreFuoriIntervallo: return "Valore fuori intervallo";
        case CausaLettura::MemoriaInsufficiente: return "Memoria insufficiente";
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
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct Chiudi {
        int fd;
        ~Chiudi() { ::close(fd); }
    } chiudi{fd};
    // A file too large for memory cannot be read: never an abort, never a part of it.
    try {
        // The bytes go straight into one buffer of the file's size, written once; a file whose
        // size is not known beforehand (or that grows meanwhile) goes on in blocks.
        struct stat st {};
        size_t attesi = 0;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) attesi = static_cast<size_t>(st.st_size);
        std::string byte;
        byte.reserve(attesi);
        PagineGrandi(byte.data(), byte.capacity());
        byte.resize(attesi);
        auto leggi = [fd](char* dove, size_t quanti) {
            ssize_t r;
            do r = ::read(fd, dove, quanti);
            while (r < 0 && errno == EINTR);
            return r;
        };
        size_t letti = 0;
        while (letti < attesi) {
            const ssize_t r = leggi(byte.data() + letti, attesi - letti);
            if (r < 0) return std::nullopt;
            if (r == 0) break;
            letti += static_cast<size_t>(r);
        }
        byte.resize(letti);
        char blocco[1 << 16];
        for (;;) {
            const ssize_t r = leggi(blocco, sizeof blocco);
            if (r < 0) return std::nullopt;
            if (r == 0) break;
            byte.append(blocco, static_cast<size_t>(r));
        }
        return byte;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

std::optional<std::string> ApriFileIntero(const std::string& percorso, const std::string& nome) {
    auto byte = LeggiFileIntero(percorso);
    if (!byte) Avviso("Impossibile aprire il file:\n" + (nome.empty() ? percorso : nome));
    return byte;
}

namespace {
inline bool Spazio(char c) { return c == ' ' || c == '\t'; }
inline bool FineRigaCar(char c) { return c == '\r' || c == '\n'; }

// The characters that end a number token: blanks, commas and line ends.
constexpr auto FineGettone = [] {
    std::array<bool, 256> t{};
    for (unsigned char c : {' ', '\t', ',', '\r', '\n'}) t[c] = true;
    return t;
}();

// A token longer than this is no number of the program's files.
constexpr size_t MaxCifre = 63;

constexpr std::array<double, 16> PotenzeDieci = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The careful reading of a token that the quick one refused: the exponent may be written with
// a D, as in Fortran output; anything but digits, signs, points and exponent letters is refused.
double NumeroLento(std::string_view g, int riga) {
    char buf[MaxCifre + 1];
    size_t n = 0;
    for (char c : g) {
        if (c == 'D' || c == 'd') c = 'E';
        bool ok = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
        if (!ok) throw ErroreLettura(CausaLettura::NumeroNonValido, riga);
        buf[n++] = c;
    }
    const char* inizio = buf;
    if (*inizio == '+') ++inizio;  // from_chars takes no plus sign
    double v = 0;
    auto [p, ec] = std::from_chars(inizio, buf + n, v, std::chars_format::general);
    if (ec != std::errc() || p != buf + n || !std::isfinite(v))
        throw ErroreLettura(CausaLettura::NumeroNonValido, riga);
    return v;
}
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

double LettoreTesto::Numero() {
    SaltaSpaziERighe();
    const char* d = dati_.data();
    const size_t n = dati_.size();
    if (pos_ >= n) Errore(CausaLettura::FineFile);
    rigaValore_ = riga_;
    const size_t inizio = pos_;
    // Most values are plain decimals (a sign, up to 15 digits, a point): their digits make a
    // whole number below 2^53 and the point a power of ten up to 10^15, both exact doubles, so
    // one division gives the nearest double, as from_chars does, in the same pass that finds
    // the token's end.
    size_t i = inizio;
    const bool negativo = d[i] == '-';
    if (negativo || d[i] == '+') ++i;
    uint64_t intero = 0;
    int cifre = 0, decimali = 0;
    bool punto = false;
    for (; i < n; ++i) {
        const unsigned c = static_cast<unsigned char>(d[i]) - '0';
        if (c < 10) {
            intero = intero * 10 + c;
            ++cifre;
            decimali += punto;
        } else if (d[i] == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    if ((i == n || FineGettone[static_cast<unsigned char>(d[i])]) && cifre > 0 && cifre <= 15) {
        pos_ = i;
        double v = static_cast<double>(intero);
        if (decimali > 0) v /= PotenzeDieci[static_cast<size_t>(decimali)];
        DopoValore();
        return negativo ? -v : v;
    }
    // Any other token: from_chars where it lies, or the careful reading.
    while (i < n && !FineGettone[static_cast<unsigned char>(d[i])]) ++i;
    pos_ = i;
    const std::string_view g = dati_.substr(inizio, i - inizio);
    // Only plain decimal numbers: no "nan", "inf", hexadecimal or empty values.
    if (g.empty() || g.size() > MaxCifre) throw ErroreLettura(CausaLettura::NumeroNonValido, rigaValore_);
    const char* primo = g.data();
    const char* fine = primo + g.size();
    if (*primo == '+') ++primo;  // from_chars takes no plus sign
    double v = 0;
    auto [p, ec] = std::from_chars(primo, fine, v, std::chars_format::general);
    if (ec != std::errc() || p != fine || !std::isfinite(v)) v = NumeroLento(g, rigaValore_);
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
    std::string t = DaWindows1252(dati_.substr(inizio, fine - inizio));
    DopoValore();
    return t;
}

std::string LettoreTesto::LeggiRiga() {
    if (pos_ >= dati_.size()) Errore(CausaLettura::FineFile);
    size_t inizio = pos_;
    while (pos_ < dati_.size() && !FineRigaCar(dati_[pos_])) ++pos_;
    std::string t = DaWindows1252(dati_.substr(inizio, pos_ - inizio));
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

int LettoreTesto::LeggiIntervallo(int minimo, int massimo) {
    int v = LeggiI();
    ControllaValore(v >= minimo && v <= massimo);
    return v;
}

void LettoreTesto::ControllaValore(bool valido) const {
    if (!valido) throw ErroreLettura(CausaLettura::ValoreFuoriIntervallo, rigaValore_);
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

std::string ScrittoreTesto::ByteFinali() const {
    std::string tutto = dati_;
    if (inRiga_) tutto += AWindows1252(riga_) + "\r\n";
    return tutto;
}

bool ScrittoreTesto::Salva(const std::string& percorso, bool avvisa) const {
    return ScriviFileAtomico(percorso, ByteFinali(), avvisa);
}

// ---- Replacing a file ----

namespace {

std::string Cartella(const std::string& percorso) {
    const auto sep = percorso.find_last_of('/');
    if (sep == std::string::npos) return ".";
    return sep == 0 ? "/" : percorso.substr(0, sep);
}

// The file a path finally names: a symbolic link followed to its target, link after link
// (a relative target is read from the link's folder). The target need not exist.
bool DestinazioneFinale(const std::string& percorso, std::string& finale) {
    finale = percorso;
    for (int salti = 0; salti < 40; ++salti) {
        struct stat st {};
        if (::lstat(finale.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string dest(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(finale.c_str(), dest.data(), dest.size());
        if (n < 0) return false;
        if (n == 0 || static_cast<size_t>(n) >= dest.size()) {  // changed while being read
            errno = EIO;
            return false;
        }
        dest.resize(static_cast<size_t>(n));
        finale = dest[0] == '/' ? dest : Cartella(finale) + "/" + dest;
    }
    errno = ELOOP;
    return false;
}

std::atomic<unsigned> ContatoreTemporanei{0};

// The temporary name of a replacement of `finale` by this process: "NAME.~PID-N.tmp".
std::string NomeTemporaneo(const std::string& finale, unsigned n) {
    return finale + ".~" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp";
}

// The process whose temporary file of `nome` (a file name, no folder) `voce` is; 0 when it is
// none.
pid_t ProcessoDelResiduo(std::string_view voce, std::string_view nome) {
    const std::string_view inizio = ".~", coda = ".tmp";
    if (!voce.starts_with(nome) || !voce.substr(nome.size()).starts_with(inizio) || !voce.ends_with(coda) ||
        voce.size() <= nome.size() + inizio.size() + coda.size())
        return 0;
    // "PID-N": two runs of digits.
    const std::string_view resto = voce.substr(nome.size() + inizio.size(),
                                               voce.size() - nome.size() - inizio.size() - coda.size());
    const size_t trattino = resto.find('-');
    auto cifre = [](std::string_view t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (trattino == std::string_view::npos || !cifre(resto.substr(0, trattino)) || !cifre(resto.substr(trattino + 1)))
        return 0;
    pid_t p = 0;
    const auto [ultimo, ec] = std::from_chars(resto.data(), resto.data() + trattino, p);
    return ec == std::errc() && ultimo == resto.data() + trattino ? p : 0;
}

// The writer's lock on its temporary file is a flock: it belongs to the open file description,
// so it holds against every other opening, in another process or in this one, and a writer on
// another machine or in another process namespace holds it where its process number means
// nothing here. (A POSIX record lock belongs to the process: a second opening in the same
// process would take it, and closing any descriptor of the file would drop it.)
bool StessoInode(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when `fd`, just created as `nome`, is locked by this writer and still bears that name.
// False when a clean-up got to it first: it takes the file away, and another name is needed.
// Where the file system keeps no locks the file is written unlocked (and no clean-up removes it).
bool BloccaTemporaneo(int fd, const std::string& nome) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return false;
    struct stat a {}, b {};
    return ::fstat(fd, &a) == 0 && ::lstat(nome.c_str(), &b) == 0 && StessoInode(a, b);
}

// Removes what a killed writer of `finale` left beside it: temporary files whose lock is free
// and whose process no longer runs here. A live writer holds its lock until its file is renamed
// or removed, wherever it runs; the process number alone still spares a writer of this machine
// that has yet to take its lock, and those of this process.
void RimuoviResidui(const std::string& finale) {
    const std::string cartella = Cartella(finale);
    const size_t sep = finale.find_last_of('/');
    const std::string nome = sep == std::string::npos ? finale : finale.substr(sep + 1);
    DIR* d = ::opendir(cartella.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const pid_t p = ProcessoDelResiduo(e->d_name, nome);
        if (p <= 0 || p == ::getpid() || ::kill(p, 0) == 0 || errno != ESRCH) continue;
        const std::string residuo = cartella + "/" + e->d_name;
        const int fd = ::open(residuo.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat aperto {}, ora {};
        // Held until the file is gone, so no writer takes it meanwhile; removed only while the
        // name is still the file locked.
        if (::fstat(fd, &aperto) == 0 && S_ISREG(aperto.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(residuo.c_str(), &ora) == 0 && StessoInode(aperto, ora))
            ::unlink(residuo.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

void SincronizzaCartella(const std::string& cartella) {
    // Best effort: some file systems refuse to sync a folder, and the new file is in place.
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool FileInSostituzione::Guasto(int err) {
    if (errore_ == 0) errore_ = err != 0 ? err : EIO;
    Scarta();
    return false;
}

bool FileInSostituzione::Apri(const std::string& percorso, unsigned modoNuovo) {
    Scarta();
    percorso_ = percorso;
    errore_ = 0;
    tempi_ = false;
    if (!DestinazioneFinale(percorso, finale_)) return Guasto(errno);
    if (Piatt.ErroreCreazioneProva)
        if (const int err = Piatt.ErroreCreazioneProva(percorso); err != 0) return Guasto(err);
    struct stat st {};
    const bool esiste = ::stat(finale_.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    // The rename would go over a file the user may not write: what the user set on it stands.
    // A file nobody may write is read-only for root too, who passes every access check.
    const auto negato = [this] {
        return ::faccessat(AT_FDCWD, finale_.c_str(), W_OK, AT_EACCESS) != 0 && (errno == EACCES || errno == EPERM);
    };
    if (esiste && ((st.st_mode & 0222) == 0 || negato())) return Guasto(ErroreSolaLettura);
    RimuoviResidui(finale_);
    // The name holds the process and a count of this process's calls; O_EXCL never takes
    // over a file that happens to bear it.
    int err = EIO;
    for (int tentativo = 0; tentativo < 100 && fd_ < 0; ++tentativo) {
        tmp_ = NomeTemporaneo(finale_, ++ContatoreTemporanei);
        const int fd = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, esiste ? 0600 : (modoNuovo & 07777));
        if (fd < 0) {
            err = errno;
            if (err != EEXIST) break;
            continue;
        }
        if (BloccaTemporaneo(fd, tmp_)) fd_ = fd;
        else ::close(fd);
    }
    if (fd_ < 0) {
        tmp_.clear();
        return Guasto(err);
    }
    // The lock stays with a second descriptor until the file is renamed or removed, after the
    // one written is closed.
    blocco_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (blocco_ < 0) return Guasto(errno);
    if (esiste) {
        // Owner and group first: changing them may clear the set-id bits the mode then restores.
        // Only root may give the file to its owner; anyone may keep a group of theirs.
        if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) && ::fchown(fd_, st.st_uid, st.st_gid) != 0 &&
            st.st_gid != ::getegid() && ::fchown(fd_, static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Not a member of that group: the file keeps the process's group.
        }
        if (::fchmod(fd_, st.st_mode & 07777) != 0) return Guasto(errno);
    }
    return true;
}

bool FileInSostituzione::Scrivi(std::string_view byte) {
    if (fd_ < 0) return Guasto(errore_);
    size_t scritti = 0;
    while (scritti < byte.size()) {
        const ssize_t n = ::write(fd_, byte.data() + scritti, byte.size() - scritti);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Guasto(n < 0 ? errno : EIO);
        scritti += static_cast<size_t>(n);
    }
    return true;
}

void FileInSostituzione::MantieniTempi(const struct timespec& accesso, const struct timespec& modifica) {
    accesso_ = accesso;
    modifica_ = modifica;
    tempi_ = true;
}

bool FileInSostituzione::Chiudi() {
    if (fd_ < 0) return tmp_.empty() ? Guasto(errore_) : true;
    if (tempi_) {
        const struct timespec t[2] = {accesso_, modifica_};
        ::futimens(fd_, t);
    }
    int err = ::fsync(fd_) != 0 ? errno : 0;
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    if (err == 0 && Piatt.GuastoScritturaProva && Piatt.GuastoScritturaProva(percorso_)) err = EIO;
    if (err != 0) return Guasto(err);
    return true;
}

bool FileInSostituzione::Conferma() {
    if (!Chiudi()) return false;
    if (std::rename(tmp_.c_str(), finale_.c_str()) != 0) return Guasto(errno);
    tmp_.clear();
    Sblocca();
    SincronizzaCartella(Cartella(finale_));
    return true;
}

void FileInSostituzione::Scarta() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tmp_.empty()) ::unlink(tmp_.c_str());
    tmp_.clear();
    Sblocca();
}

void FileInSostituzione::Sblocca() {
    if (blocco_ >= 0) ::close(blocco_);
    blocco_ = -1;
}

std::string MessaggioSolaLettura(const std::string& percorso) {
    return "Il file " + percorso + " \xC3\xA8 di sola lettura: non \xC3\xA8 stato sostituito.";
}

std::string MessaggioScrittura(const std::string& percorso, int errore) {
    if (errore == ErroreSolaLettura) return MessaggioSolaLettura(percorso);
    return "Impossibile scrivere il file:\n" + percorso + "\nIl file esistente non \xC3\xA8 stato modificato.";
}

namespace {
bool AvvisoScrittura(const FileInSostituzione& f, const std::string& percorso, bool avvisa) {
    if (avvisa) Avviso(MessaggioScrittura(percorso, f.Errore()));
    return false;
}
}  // namespace

bool PreparaFileAtomico(FileInSostituzione& f, const std::string& percorso, std::string_view byte, bool avvisa) {
    if (!f.Apri(percorso) || !f.Scrivi(byte) || !f.Chiudi()) return AvvisoScrittura(f, percorso, avvisa);
    return true;
}

bool ConfermaFileAtomico(FileInSostituzione& f, bool avvisa) {
    if (!f.Conferma()) return AvvisoScrittura(f, f.Percorso(), avvisa);
    return true;
}

bool ScriviFileAtomico(const std::string& percorso, std::string_view byte, bool avvisa) {
    FileInSostituzione f;
    return PreparaFileAtomico(f, percorso, byte, avvisa) && ConfermaFileAtomico(f, avvisa);
}

namespace {
// A write-only stream buffer over the temporary file of a replacement.
class BufferSostituzione : public std::streambuf {
public:
    explicit BufferSostituzione(FileInSostituzione& f) : f_(f), buf_(1 << 18) { Riparti(); }

protected:
    int_type overflow(int_type ch) override {
        if (!Svuota()) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        // Large blocks go straight to the file, after what is buffered.
        if (n >= static_cast<std::streamsize>(buf_.size() / 4))
            return Svuota() && f_.Scrivi({s, static_cast<size_t>(n)}) ? n : 0;
        if (n > epptr() - pptr() && !Svuota()) return 0;
        std::copy(s, s + n, pptr());
        pbump(static_cast<int>(n));
        return n;
    }
    int sync() override { return Svuota() ? 0 : -1; }

private:
    void Riparti() { setp(buf_.data(), buf_.data() + buf_.size()); }
    bool Svuota() {
        const bool ok = f_.Scrivi({pbase(), static_cast<size_t>(pptr() - pbase())});
        Riparti();
        return ok;
    }
    FileInSostituzione& f_;
    std::vector<char> buf_;
};
}  // namespace

bool ScriviFileAtomicoFlusso(const std::string& percorso,
                             const std::function<bool(std::ostream&)>& scrivi, bool avvisa,
                             int* errore) {
    FileInSostituzione f;
    auto esito = [&](bool ok) {
        if (errore) *errore = ok ? 0 : f.Errore();
        return ok;
    };
    if (!f.Apri(percorso)) return esito(AvvisoScrittura(f, percorso, avvisa));
    BufferSostituzione buf(f);
    std::ostream os(&buf);
    const bool scritto = scrivi(os);
    os.flush();
    if (!scritto || !os || !f.Chiudi()) {
        f.Scarta();
        return esito(AvvisoScrittura(f, percorso, avvisa));
    }
    return esito(ConfermaFileAtomico(f, avvisa));
}

}  // namespace vilmor
