// The batch mode: one puzzle per line, solved one after another, results streamed.
#pragma once

#include <array>
#include <csignal>
#include <cstddef>
#include <ostream>
#include <string>

#include "cli/oplossen.h"

namespace sudoku::cli {

// Reads lines from a file descriptor in bounded memory: of each line it keeps only the
// beginning (enough for the 81 cells and a little more) and counts the rest. A line ends at
// LF, CR LF or a lone CR; a UTF-8 byte-order mark before the first line is not part of it.
class RegelLezer {
public:
    static constexpr std::size_t BEWAARD = 96;

    // `stop`, when given, is a signal handler's note: once it is set, a read that the
    // signal interrupted ends the input, and a line it cut short is not returned.
    explicit RegelLezer(int fd, const volatile std::sig_atomic_t* stop = nullptr)
        : fd_(fd), stop_(stop) {}

    // False at the end of the input, after a read error (see fout()) or once stopped.
    bool volgende();
    // Reads ahead when nothing is buffered; false when that read failed.
    bool kijk();

    const std::string& begin() const { return begin_; }  // at most BEWAARD characters
    std::size_t lengte() const { return lengte_; }       // the whole line, without CR/LF
    bool alleenWit() const { return alleenWit_; }        // empty or only spaces and tabs
    long nummer() const { return nummer_; }              // 1-based, every line counts
    int fout() const { return fout_; }                   // errno of a failed read, else 0

private:
    bool vul();

    int fd_;
    const volatile std::sig_atomic_t* stop_;
    char buf_[1 << 16];
    std::size_t bij_ = 0, eind_ = 0;
    bool klaar_ = false;
    bool onderbroken_ = false;
    bool naCr_ = false;  // the last line ended at a CR: a LF right after it belongs to it
    std::string begin_;
    std::size_t lengte_ = 0;
    bool alleenWit_ = true;
    long nummer_ = 0;
    int fout_ = 0;
};

struct BatchTelling {
    long opgelost = 0;
    long naGok = 0;
    long nietGeldig = 0;
    long nietOpgelost = 0;
    long afgewezen = 0;
    long puzzels() const { return opgelost + naGok + nietGeldig + nietOpgelost; }
    // With the report: the puzzles per level and per count of solutions.
    bool metVerslag = false;
    std::array<long, 5> perNiveau{};       // indexed by Niveau
    std::array<long, 3> perOplossingen{};  // indexed by Oplossingen
};

struct BatchInstelling {
    Opties opties;
    bool csv = false;  // one CSV row per line instead of the result lines (implies the report)
    bool voortgang = false;        // a progress line on `fout` once the batch is long
    bool directDoorgeven = false;  // flush `uit` after every puzzle (a terminal reads along)
    int taken = 1;                 // threads that solve; the output does not depend on it
    // Set by a signal handler: no line is started after it is set, the one being answered
    // is finished (with several threads: every line already handed out).
    const volatile std::sig_atomic_t* stop = nullptr;
};

// Runs the batch; result lines to `uit`, progress to `fout`. Returns false when reading
// failed part-way (the lines before it have been handled). With more than one thread the
// lines are still answered in input order, each puzzle in its own fresh form; at most a
// bounded window of puzzles is in flight.
bool draaiBatch(RegelLezer& lezer, std::ostream& uit, std::ostream& fout,
                const BatchInstelling& instelling, BatchTelling& telling);

// The closing summary, one line, with the time taken in seconds.
std::string samenvatting(const BatchTelling& t, double seconden);

// The CSV header line, and one field quoted where it must be (a comma, a quote, a line
// break, or a space at an end that a spreadsheet would drop).
std::string csvKop();
std::string csvVeld(const std::string& veld);

}  // namespace sudoku::cli
