// Text files of the project: the value reader every file reader uses, and the writer of the
// print-zone line form. Files are Windows-1252 on disk; texts are UTF-8 in memory.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <exception>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vilmor {

enum class CausaLettura {
    FineFile,
    NumeroNonValido,
    ConteggioNonValido,
    IndiceFuoriIntervallo,
    ValoreFuoriIntervallo,  // a number the program cannot work with (a thickness of 0, a diameter of 1 km)
    MemoriaInsufficiente,   // the file's records do not fit in memory
};

// Thrown at the first fault; the file readers turn it into the program's refusal.
struct ErroreLettura : std::exception {
    CausaLettura Causa;
    int Riga;  // 1-based line where the fault was met
    ErroreLettura(CausaLettura c, int r) : Causa(c), Riga(r) {}
    const char* what() const noexcept override { return "errore di lettura"; }
};

const char* TestoCausa(CausaLettura c);
// "File non leggibile:" LF path LF cause " (riga " n ")."
std::string MessaggioLettura(const std::string& percorso, const ErroreLettura& e);
// Shows that message with the exclamation icon and the title "Attenzione!".
void SegnalaErroreLettura(const std::string& percorso, const ErroreLettura& e);

// Whole file as bytes; no value when it cannot be opened.
std::optional<std::string> LeggiFileIntero(const std::string& percorso);
// The same, but a file that cannot be opened is reported ("Impossibile aprire il file:" and
// the path `nome`, which defaults to the path read).
std::optional<std::string> ApriFileIntero(const std::string& percorso, const std::string& nome = {});

// Reads values one after another. An item read skips blanks and line ends, takes one value,
// then skips blanks and consumes one comma or one line end that follows; a line read takes
// the rest of the current line and its line end.
//
// The reader works on the caller's bytes, never a copy: they must outlive it. A temporary
// string is refused at compile time for that reason.
class LettoreTesto {
public:
    explicit LettoreTesto(std::string_view byte) : dati_(byte) {}
    explicit LettoreTesto(const std::string& byte) : dati_(byte) {}
    explicit LettoreTesto(const char* byte) : dati_(byte) {}
    LettoreTesto(std::string&&) = delete;

    int LeggiI();        // integer (16- or 32-bit in the file, `int` here)
    int32_t LeggiL() { return LeggiI(); }
    float LeggiS();      // 4-byte real
    double LeggiD();     // 8-byte real
    std::string LeggiT();     // text item
    std::string LeggiRiga();  // line read
    // A count about to size an array: refused when negative or larger than the rest of the
    // file could hold, at `byteMinimi` bytes for each element.
    int LeggiConteggio(int byteMinimi = 2);
    // Checks that an index read from the file lies in 0 .. n-1 (or -1 when `consentiMenoUno`).
    void ControllaIndice(int indice, int n, bool consentiMenoUno = false) const;
    void ControllaConteggio(int conteggio, int byteMinimi = 2) const;
    // An integer in minimo .. massimo; any other is refused at its line.
    int LeggiIntervallo(int minimo, int massimo);
    // Refuses the last value read, at its line, unless `valido`.
    void ControllaValore(bool valido) const;

    bool FineFile() const { return pos_ >= dati_.size(); }
    // True when nothing but blanks and line ends remains.
    bool SoloSpaziFinali() const;
    int Riga() const { return riga_; }
    // What is left to read.
    std::string_view Resto() const { return dati_.substr(std::min(pos_, dati_.size())); }
    // Line of the last value read: where the count and index checks report their fault.
    int RigaValore() const { return rigaValore_; }
    [[noreturn]] void Errore(CausaLettura c) const { throw ErroreLettura(c, riga_); }

private:
    void DopoValore();
    void SaltaSpaziERighe();
    bool ConsumaFineRiga();  // one CR LF, LF or CR; false when none stands here
    double Numero();

    std::string_view dati_;
    size_t pos_ = 0;
    int riga_ = 1;
    int rigaValore_ = 1;
};

// Builds the lines of a file in the print-zone form: each item after the first starts at the
// next 14-character zone strictly beyond the line's length; integers with a leading blank
// when not negative and a trailing blank; reals by FormatNum; texts alone on their line.
class ScrittoreTesto {
public:
    void Intero(int v);
    void Numero(float v, int decimali);
    void Testo(const std::string& utf8);  // a whole line
    void Voce(const std::string& utf8);   // a text item in the next print zone
    void FineRiga();
    const std::string& Byte() const { return dati_; }
    // The bytes with the line in progress closed: what Salva writes.
    std::string ByteFinali() const;
    // Writes atomically; on failure shows the message naming the file and returns false.
    bool Salva(const std::string& percorso, bool avvisa = true) const;

private:
    void Zona();
    std::string dati_;
    std::string riga_;
    bool inRiga_ = false;
};

// A file replaced in two steps: the new bytes go to a temporary file beside the target, and
// only Conferma renames it over the target; dropped or discarded before that, the temporary
// file is removed and the target stays byte for byte. The temporary file takes the target's
// permission bits, its owner and its group, as far as the process may give them (root keeps
// both; another user keeps a group of theirs); a new file gets `modoNuovo` less the umask. A
// target that is a symbolic link is written through: the bytes replace the link's final
// target and the link stays a link. A target the user may not write is never replaced: Apri
// fails with ErroreSolaLettura. The temporary file is "NAME.~PID-N.tmp" beside the
// target, locked (flock) from Apri until it is renamed or removed; Apri first removes those of
// the target's name whose lock is free and whose process no longer runs here (a writer killed
// in the middle). Several files can be written first and then confirmed together.
class FileInSostituzione {
public:
    FileInSostituzione() = default;
    FileInSostituzione(const FileInSostituzione&) = delete;
    FileInSostituzione& operator=(const FileInSostituzione&) = delete;
    ~FileInSostituzione() { Scarta(); }

    // Creates the temporary file; false when it cannot (see Errore).
    bool Apri(const std::string& percorso, unsigned modoNuovo = 0666);
    // Appends bytes to the temporary file.
    bool Scrivi(std::string_view byte);
    // Times of last access and change the file gets once written (a copy keeps its source's).
    void MantieniTempi(const struct timespec& accesso, const struct timespec& modifica);
    // Flushes the bytes to disk and closes the temporary file: the file is written.
    bool Chiudi();
    // Chiudi when still open, then renames the temporary file over the target and syncs the
    // folder so the rename survives a crash.
    bool Conferma();
    // Removes the temporary file; the target is left as it was.
    void Scarta();

    const std::string& Percorso() const { return percorso_; }
    int Errore() const { return errore_; }  // errno of the first failure

private:
    bool Guasto(int err);
    void Sblocca();
    std::string percorso_;  // as the caller named it
    std::string finale_;    // the file the bytes replace: the link's target for a link
    std::string tmp_;
    int fd_ = -1;
    int blocco_ = -1;  // holds the temporary file's lock
    int errore_ = 0;
    bool tempi_ = false;
    struct timespec accesso_ {}, modifica_ {};
};

// FileInSostituzione::Errore when the target is a file the user may not write (read-only): it
// is never replaced. Not an errno.
inline constexpr int ErroreSolaLettura = -1;
// "Il file <percorso> è di sola lettura: non è stato sostituito."
std::string MessaggioSolaLettura(const std::string& percorso);
// The message of a failed replacement of `percorso` whose FileInSostituzione::Errore is
// `errore`: the read-only one, else "Impossibile scrivere il file:" and the path.
std::string MessaggioScrittura(const std::string& percorso, int errore);

// The first step of ScriviFileAtomico: the bytes written to their temporary file. On failure
// shows MessaggioScrittura (when `avvisa`) and returns false.
bool PreparaFileAtomico(FileInSostituzione& f, const std::string& percorso, std::string_view byte,
                        bool avvisa = true);
// The second step: the rename over the target, with the same message on failure.
bool ConfermaFileAtomico(FileInSostituzione& f, bool avvisa = true);

// Writes to a temporary name beside the target and renames it over the target, so a failed
// write never destroys the old file. Shows MessaggioScrittura on failure.
bool ScriviFileAtomico(const std::string& percorso, std::string_view byte, bool avvisa = true);

// The same for a file too large to build in memory: `scrivi` prints it to the stream it is
// given and returns false when it could not produce it. Any failure shows the message and
// returns false; the target stays as it was. An exception from `scrivi` passes through and
// leaves the target and no temporary file behind.
// `errore`, when given, receives the errno of a failed file operation, 0 when none failed.
bool ScriviFileAtomicoFlusso(const std::string& percorso,
                             const std::function<bool(std::ostream&)>& scrivi, bool avvisa = true,
                             int* errore = nullptr);

}  // namespace vilmor
