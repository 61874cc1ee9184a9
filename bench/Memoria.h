// The allocator's regime in the benchmarks. By default memory freed by one iteration stays with
// the process and serves the next, as in a program that has been running a while, so that two
// runs of one binary time the same work whatever the allocator happened to keep; a benchmark of
// what a program just started does asks for fresh memory while it runs.
#pragma once

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

namespace vilmor::bench {

// Every block from the heap, and the heap never given back.
inline void MemoriaRiusata() {
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
}

// While it lives, every large block is mapped afresh and every free one given back: each
// iteration touches new pages, as a process just started does.
class MemoriaFresca {
public:
    MemoriaFresca() {
        mallopt(M_MMAP_MAX, 65536);
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024);
        malloc_trim(0);
    }
    ~MemoriaFresca() { MemoriaRiusata(); }
    MemoriaFresca(const MemoriaFresca&) = delete;
    MemoriaFresca& operator=(const MemoriaFresca&) = delete;
};

// Minor page faults of the process so far.
inline long PagineToccate() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_minflt;
}

// Reports the pages first touched per iteration from its making to its end: about none in the
// steady state.
class ContaPagine {
public:
    explicit ContaPagine(benchmark::State& stato) : stato_(stato), inizio_(PagineToccate()) {}
    ~ContaPagine() {
        const double n = static_cast<double>(stato_.iterations());
        stato_.counters["pagine_per_iterazione"] = n > 0 ? static_cast<double>(PagineToccate() - inizio_) / n : 0;
    }
    ContaPagine(const ContaPagine&) = delete;
    ContaPagine& operator=(const ContaPagine&) = delete;

private:
    benchmark::State& stato_;
    long inizio_;
};

}  // namespace vilmor::bench
