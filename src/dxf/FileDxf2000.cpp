#include "dxf/FileDxf2000.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <system_error>
#include <vector>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "drawing/SinkDxf.h"
#include "drawing/VociDisegno.h"
#include "dxf/ContestoDxf.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/SezioniDxf.h"
#include "dxf/TratteggioDxf.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {

// Writes go through a large buffer; reads start once the stream is sought back to 0.
class FlussoTemporaneo::Buffer : public std::streambuf {
public:
    explicit Buffer(const char* prefisso) : buf_(1 << 18) {
        std::error_code ec;
        const auto cartella = std::filesystem::temp_directory_path(ec);
        if (ec) return;
        std::string modello = (cartella / (std::string(prefisso) + "XXXXXX")).string();
        fd_ = ::mkostemp(modello.data(), O_CLOEXEC);
        if (fd_ < 0) return;
        nome_ = modello;
        ::unlink(nome_.c_str());
        setp(buf_.data(), buf_.data() + buf_.size());
    }
    ~Buffer() override {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Aperto() const { return fd_ >= 0; }
    const std::string& Nome() const { return nome_; }

protected:
    int_type overflow(int_type ch) override {
        if (lettura_ || !Svuota()) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (lettura_ || fd_ < 0) return 0;
        // Large blocks, as the section copies write them, go straight to the file.
        if (n >= static_cast<std::streamsize>(buf_.size() / 4))
            return Svuota() && Scrivi(s, static_cast<size_t>(n)) ? n : 0;
        if (n > epptr() - pptr() && !Svuota()) return 0;
        std::copy(s, s + n, pptr());
        pbump(static_cast<int>(n));
        return n;
    }
    std::streamsize xsgetn(char* s, std::streamsize n) override {
        const std::streamsize pronti = std::min<std::streamsize>(n, egptr() - gptr());
        if (pronti > 0) {
            std::copy(gptr(), gptr() + pronti, s);
            gbump(static_cast<int>(pronti));
        }
        if (pronti == n || !lettura_) return pronti;
        if (n - pronti < static_cast<std::streamsize>(buf_.size() / 4))
            return pronti + std::streambuf::xsgetn(s + pronti, n - pronti);
        // Large reads straight from the file.
        std::streamsize letti = pronti;
        while (letti < n) {
            const ssize_t k = ::read(fd_, s + letti, static_cast<size_t>(n - letti));
            if (k < 0 && errno == EINTR) continue;
            if (k < 0) throw std::system_error(errno, std::generic_category(), "lettura");
            if (k == 0) break;
            letti += k;
        }
        return letti;
    }
    int sync() override { return lettura_ || Svuota() ? 0 : -1; }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode m) override {
        if (off == 0 && dir == std::ios_base::beg) return seekpos(0, m);
        return pos_type(off_type(-1));
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode) override {
        if (pos != pos_type(0) || fd_ < 0) return pos_type(off_type(-1));
        if (!lettura_ && !Svuota()) return pos_type(off_type(-1));
        if (::lseek(fd_, 0, SEEK_SET) != 0) return pos_type(off_type(-1));
        lettura_ = true;
        setp(nullptr, nullptr);
        setg(buf_.data(), buf_.data(), buf_.data());
        return pos_type(0);
    }
    int_type underflow() override {
        if (!lettura_) return traits_type::eof();
        ssize_t n;
        do {
            n = ::read(fd_, buf_.data(), buf_.size());
        } while (n < 0 && errno == EINTR);
        // The stream turns the exception into its bad state: a short read is never taken
        // for the end of the file.
        if (n < 0) throw std::system_error(errno, std::generic_category(), "lettura");
        if (n == 0) return traits_type::eof();
        setg(buf_.data(), buf_.data(), buf_.data() + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    bool Svuota() {
        const size_t n = static_cast<size_t>(pptr() - pbase());
        const bool ok = Scrivi(pbase(), n);
        setp(buf_.data(), buf_.data() + buf_.size());
        return ok;
    }
    bool Scrivi(const char* p, size_t n) {
        if (fd_ < 0 || guasto_) return false;
        if (n > 0 && Piatt.GuastoScritturaProva && Piatt.GuastoScritturaProva(nome_)) guasto_ = true;
        while (!guasto_ && n > 0) {
            const ssize_t k = ::write(fd_, p, n);
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) {
                guasto_ = true;
                break;
            }
            p += k;
            n -= static_cast<size_t>(k);
        }
        return !guasto_;
    }
    int fd_ = -1;
    std::string nome_;
    std::vector<char> buf_;
    bool lettura_ = false;
    bool guasto_ = false;
};

FlussoTemporaneo::FlussoTemporaneo(const char* prefisso)
    : std::iostream(nullptr), buf_(std::make_unique<Buffer>(prefisso)) {
    rdbuf(buf_.get());
    if (!buf_->Aperto()) setstate(std::ios::badbit);
}

FlussoTemporaneo::~FlussoTemporaneo() = default;

bool FlussoTemporaneo::Aperto() const { return buf_->Aperto(); }

const std::string& FlussoTemporaneo::Nome() const { return buf_->Nome(); }

namespace {

// The DXF sink stands in for the output for the life of the object, however it ends.
class SinkInstallato {
public:
    explicit SinkInstallato(SinkDisegno* s) : vecchio_(Piatt.SinkDxf) { Piatt.SinkDxf = s; }
    ~SinkInstallato() { Piatt.SinkDxf = vecchio_; }
    SinkInstallato(const SinkInstallato&) = delete;
    SinkInstallato& operator=(const SinkInstallato&) = delete;

private:
    SinkDisegno* vecchio_;
};

// Columns are hatched in the pass even where no window installed the hatch (tools, tests);
// one installed already stays.
class TratteggioInstallato {
public:
    TratteggioInstallato() : proprio_(TratteggioDxf == nullptr) {
        if (proprio_) InstallaTratteggioDxf();
    }
    ~TratteggioInstallato() {
        if (proprio_) TratteggioDxf = nullptr;
    }
    TratteggioInstallato(const TratteggioInstallato&) = delete;
    TratteggioInstallato& operator=(const TratteggioInstallato&) = delete;

private:
    bool proprio_;
};

}  // namespace

bool SalvaDxf2000(const std::string& percorso, const std::function<void()>& disegna,
                  bool avvisa, int* errore) {
    auto scrivi = [&](std::ostream& destinazione) {
        FlussoTemporaneo entita("vilmor-entita-"), blocchi("vilmor-blocchi-"),
            corpo("vilmor-corpo-");
        if (!entita.Aperto() || !blocchi.Aperto() || !corpo.Aperto()) return false;
        ContestoDxf c;
        InizializzaDxf(c);
        c.Entita = &entita;
        c.Blocchi = &blocchi;
        c.StileQuoteScala = Imp.ScalaDxf50 != 0 ? "SC50" : "SC100";
        ScrittoreDxf scrittore(c);
        SinkDxf sink(&scrittore);
        {
            SinkInstallato installato(&sink);
            TratteggioInstallato tratteggio;
            disegna();
        }
        entita.flush();
        blocchi.flush();
        if (!entita || !blocchi) return false;
        return AssemblaDxf2000(c, NumLayer, Strati, Imp.UnitaPerCm, corpo, destinazione);
    };
    return ScriviFileAtomicoFlusso(percorso, scrivi, avvisa, errore);
}

}  // namespace vilmor
