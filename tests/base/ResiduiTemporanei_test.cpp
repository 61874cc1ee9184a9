// What a writer killed in the middle leaves beside its target, "NAME.~PID-N.tmp", goes at the
// next write of NAME when its process no longer runs and its lock is free; a running writer's
// stays, also one whose process number means nothing here (another machine, another process
// namespace): it holds the lock.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <set>

#include "base/FileTesto.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

// A process that has ended and been reaped: its number names no process.
pid_t ProcessoFinito() {
    const pid_t p = ::fork();
    if (p == 0) ::_exit(0);
    int stato = 0;
    ::waitpid(p, &stato, 0);
    return p;
}

// A process that runs until the guard goes.
struct ProcessoVivo {
    pid_t Pid = ::fork();
    ProcessoVivo() {
        if (Pid == 0) {
            ::pause();
            ::_exit(0);
        }
    }
    ~ProcessoVivo() {
        ::kill(Pid, SIGKILL);
        int stato = 0;
        ::waitpid(Pid, &stato, 0);
    }
};

// A process that opens `file`, locks it and keeps the lock until the guard goes.
struct BloccoInAltroProcesso {
    pid_t Pid = -1;
    explicit BloccoInAltroProcesso(const std::string& file) {
        int tubo[2];
        if (::pipe(tubo) != 0) return;
        Pid = ::fork();
        if (Pid == 0) {
            const int fd = ::open(file.c_str(), O_RDONLY);
            const char pronto = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'b' : 'x';
            if (::write(tubo[1], &pronto, 1) != 1) ::_exit(1);
            ::pause();
            ::_exit(0);
        }
        ::close(tubo[1]);
        char c = 0;
        if (Pid < 0 || ::read(tubo[0], &c, 1) != 1 || c != 'b') Fine();
        ::close(tubo[0]);
    }
    void Fine() {
        if (Pid <= 0) return;
        ::kill(Pid, SIGKILL);
        int stato = 0;
        ::waitpid(Pid, &stato, 0);
        Pid = -1;
    }
    ~BloccoInAltroProcesso() { Fine(); }
};

// True when `file` is locked by some other opening of it.
bool Bloccato(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool libero = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return !libero;
}

std::set<std::string> Nomi(const std::string& cartella) {
    std::set<std::string> r;
    for (const auto& e : fs::directory_iterator(cartella)) r.insert(e.path().filename().string());
    return r;
}

}  // namespace

TEST(ResiduiTemporanei, QuelliDiProcessiFinitiVannoAllaProssimaScrittura) {
    const std::string morto = std::to_string(ProcessoFinito());
    ProcessoVivo vivo;
    ASSERT_GT(vivo.Pid, 0);
    const std::string v = std::to_string(vivo.Pid);
    const std::string io = std::to_string(::getpid());
    for (const bool flusso : {false, true}) {
        SCOPED_TRACE(flusso);
        CartellaTemp dir;
        const std::set<std::string> restano = {
            "SOL.QV0.~" + v + "-1.tmp",            // a writer still running
            "SOL.QV0.~" + io + "-9999.tmp",        // this process's own
            "ALTRO.QV0.~" + morto + "-1.tmp",      // another target's
            "SOL.QV0.~" + morto + "-1.tmp.bak",    // not the pattern
            "SOL.QV0.~x" + morto + "-1.tmp",       // not a number
            "SOL.QV0.~" + morto + ".tmp",          // no count
            "XSOL.QV0.~" + morto + "-1.tmp",       // a longer name
        };
        for (const std::string& n : restano) ScriviTutto(dir / n, "resto");
        fs::create_directory(dir / ("SOL.QV0.~" + morto + "-3.tmp"));  // a folder of the pattern
        const std::string vanno[] = {"SOL.QV0.~" + morto + "-1.tmp", "SOL.QV0.~" + morto + "-17.tmp"};
        for (const std::string& n : vanno) ScriviTutto(dir / n, "troncato");
        if (flusso)
            ASSERT_TRUE(ScriviFileAtomicoFlusso(dir / "SOL.QV0", [](std::ostream& os) { return bool(os << "nuovo"); }));
        else
            ASSERT_TRUE(ScriviFileAtomico(dir / "SOL.QV0", "nuovo"));
        std::set<std::string> attesi = restano;
        attesi.insert("SOL.QV0");
        attesi.insert("SOL.QV0.~" + morto + "-3.tmp");
        EXPECT_EQ(Nomi(dir.Percorso()), attesi);
        EXPECT_EQ(LeggiTutto(dir / "SOL.QV0"), "nuovo");
    }
}

// A writer whose process number does not run here (the number of an ended process stands for
// it) holds the lock of its temporary file: from another process, or from another opening in
// the same process. Only a temporary file whose lock is free goes.
TEST(ResiduiTemporanei, QuelliBloccatiDaUnoScrittoreRestano) {
    const std::string morto = std::to_string(ProcessoFinito());
    enum class Blocco { Libero, AltraApertura, AltroProcesso };
    for (const Blocco b : {Blocco::Libero, Blocco::AltraApertura, Blocco::AltroProcesso}) {
        SCOPED_TRACE(static_cast<int>(b));
        CartellaTemp dir;
        const std::string tmp = dir / ("SOL.QV0.~" + morto + "-1.tmp");
        ScriviTutto(tmp, "in scrittura");
        int fd = -1;
        std::optional<BloccoInAltroProcesso> altro;
        if (b == Blocco::AltraApertura) {
            fd = ::open(tmp.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
        } else if (b == Blocco::AltroProcesso) {
            altro.emplace(tmp);
            ASSERT_GT(altro->Pid, 0);
        }
        ASSERT_TRUE(ScriviFileAtomico(dir / "SOL.QV0", "nuovo"));
        EXPECT_EQ(fs::exists(tmp), b != Blocco::Libero);
        EXPECT_EQ(LeggiTutto(dir / "SOL.QV0"), "nuovo");
        if (fd >= 0) ::close(fd);
    }
}

// The writer's own temporary file is locked from its creation until it is renamed over the
// target or removed, also between the writing and the rename of several files saved together.
TEST(ResiduiTemporanei, LoScrittoreBloccaIlSuoFileFinoAllaSostituzione) {
    for (const bool conferma : {true, false}) {
        SCOPED_TRACE(conferma);
        CartellaTemp dir;
        const std::string file = dir / "SOL.QV0";
        ScriviTutto(file, "prima");
        FileInSostituzione f;
        ASSERT_TRUE(f.Apri(file));
        std::string tmp;
        for (const std::string& n : Nomi(dir.Percorso()))
            if (n != "SOL.QV0") tmp = dir / n;
        ASSERT_FALSE(tmp.empty());
        EXPECT_TRUE(Bloccato(tmp)) << "opened";
        ASSERT_TRUE(f.Scrivi("dopo"));
        ASSERT_TRUE(f.Chiudi());
        EXPECT_TRUE(Bloccato(tmp)) << "written, not yet renamed";
        if (conferma) ASSERT_TRUE(f.Conferma());
        else f.Scarta();
        EXPECT_FALSE(fs::exists(tmp));
        EXPECT_FALSE(Bloccato(file)) << "the lock goes with the temporary name";
        EXPECT_EQ(LeggiTutto(file), conferma ? "dopo" : "prima");
    }
}
