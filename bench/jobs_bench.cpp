// The batch of `sudoku-blad-cli --trial --batch royle17.txt` on one thread and on two, as
// the command line runs it (file read line by line, answers written in input order, here
// to a sink). The counter `verhouding` is the time on two threads over the time on one; on
// a machine with two free cores it should be at most 0.6.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <ostream>
#include <streambuf>
#include <string>

#include "cli/batch.h"

namespace {

using namespace sudoku::cli;

// Takes whatever is written and keeps none of it.
class Afvoer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Seconds for the whole collection on `taken` threads; 0 when the file is missing.
double batchSeconden(const std::string& pad, int taken, BatchTelling& telling) {
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    Afvoer afvoer;
    std::ostream uit(&afvoer), fout(&afvoer);
    BatchInstelling instelling;
    instelling.opties.uitproberen = true;
    instelling.taken = taken;
    RegelLezer lezer(fd);
    const auto start = std::chrono::steady_clock::now();
    draaiBatch(lezer, uit, fout, instelling, telling);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(fd);
    return s;
}

void jobsVerhouding(benchmark::State& state) {
    const std::string pad = std::string(SUDOKU_PUZZELS) + "/royle17.txt";
    double een = 0, twee = 0;
    long puzzels = 0;
    for (auto _ : state) {
        BatchTelling t1, t2;
        een += batchSeconden(pad, 1, t1);
        const double s2 = batchSeconden(pad, 2, t2);
        twee += s2;
        if (een <= 0 || t1.puzzels() != t2.puzzels() || t1.opgelost != t2.opgelost) {
            state.SkipWithError("royle17.txt ontbreekt, of twee draden tellen anders dan een");
            return;
        }
        puzzels = t1.puzzels();
        state.SetIterationTime(s2);
    }
    state.counters["puzzels"] = static_cast<double>(puzzels);
    state.counters["s_jobs1"] = een / static_cast<double>(state.iterations());
    state.counters["s_jobs2"] = twee / static_cast<double>(state.iterations());
    state.counters["verhouding"] = een > 0 ? twee / een : 0;
}

BENCHMARK(jobsVerhouding)
    ->Name("batch/royle17/uitproberen/jobs2_tegen_jobs1")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
