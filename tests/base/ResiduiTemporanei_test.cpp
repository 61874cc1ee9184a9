// What a writer killed in the middle leaves beside its target, "NAME.~PID-N.tmp", goes at the
// next write of NAME when its process no longer runs; a running writer's stays.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
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
