// The exact solution count (uitleg/oplossingen): puzzles per second over all of royle17,
// each one proved unique (items_per_second), and the slowest of a set of hard boards:
// empty, nearly empty, and without a solution. It should stay above 50,000 puzzles per
// second on one core and under 50 ms for any board.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "uitleg/oplossingen.h"

namespace {

using sudoku::Oplossingen;
using sudoku::telOplossingen;

void royle17(benchmark::State& state) {
    static const std::vector<std::string> puzzels = [] {
        std::vector<std::string> v;
        std::ifstream f(std::string(SUDOKU_PUZZELS) + "/royle17.txt");
        for (std::string regel; std::getline(f, regel);) v.push_back(regel.substr(0, 81));
        return v;
    }();
    if (puzzels.empty()) {
        state.SkipWithError("royle17.txt ontbreekt");
        return;
    }
    long uniek = 0;
    for (auto _ : state)
        for (const auto& p : puzzels) uniek += telOplossingen(p) == Oplossingen::Uniek;
    const double totaal =
        static_cast<double>(state.iterations()) * static_cast<double>(puzzels.size());
    state.SetItemsProcessed(static_cast<int64_t>(totaal));
    state.counters["puzzels"] = static_cast<double>(puzzels.size());
    state.counters["uniek"] = uniek / totaal;  // share, should be 1
}
BENCHMARK(royle17)->Name("oplossingen/royle17")->Unit(benchmark::kMillisecond);

// Boards that took the most work, each during the making of the count or from a
// hill-climb over mutated puzzles against it.
struct Zwaar {
    const char* naam;
    const char* bord;
};
constexpr Zwaar ZWAAR[] = {
    {"leeg", ""},
    {"een gegeven", "5"},
    {"zes gegevens",
     "...4.......1..................8...4...3.......................2.................."},
    {"zeven gegevens",
     "..........6.....7...1....9.......7...............2.......1....6.................."},
    {"vijf gegevens",
     "............9...4.......5....2.4..........................3......................"},
    {"klim, meerdere",
     "......7..............7................1..........3...1......1..........4........."},
    {"geen, diep",
     ".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4........."},
    {"geen, klim 1",
     ".......................2.34.....412...1.......35.6.....2................34...5..."},
    {"geen, klim 2",
     "................12..3.45.........4....67......5...........835..1.7............3.."},
    {"geen, klim 3",
     "98.7..6..7..4..9....5......4..6..8...3.....2...8.1....3....7....9..463....43...9."},
    {"uniek, klim",
     "98.7..6..5..9..4......3..9.7.........9.5....4..5.679..4..6..8....8..2...........1"},
    {"uniek, forum",
     "98.7..6..5...8......6....7.4......3...8.5.9.......4....2.1....6..5.6.7.......3.21"},
    {"meerdere, fuzz",
     "98.7..6..5..9..4......3....6..........95....4..5.679..4..6..8....8..2...........1"},
    {"geen, klim 4",
     "98.7..6..751.6......6..9...43.........7.9.5.........3...8.5.9.......2........4.2."},
    {"geen, klim 5",
     "9..7..6..5..6..7.......3...6..2..9......8.........6.1.4....7.9..5.4...67....2.4.."},
    {"geen, duiven",
     ".......4...............5.....3..6......5.....5...841.....3......46....5....2....."},
};

// Per board the fastest of the iterations (the others lost time to whatever else ran),
// then the slowest board: max_ms, named in the label. max_ms_ruw is the slowest single
// run, load included; takken the branches of that board.
void zwaarsteBord(benchmark::State& state) {
    constexpr std::size_t n = std::size(ZWAAR);
    std::vector<double> snelste(n, 1e9);
    double ruw = 0;
    for (auto _ : state)
        for (std::size_t i = 0; i < n; ++i) {
            const auto begin = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(telOplossingen(ZWAAR[i].bord));
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                    .count();
            snelste[i] = std::min(snelste[i], ms);
            ruw = std::max(ruw, ms);
        }
    const std::size_t slechtste = static_cast<std::size_t>(
        std::max_element(snelste.begin(), snelste.end()) - snelste.begin());
    long takken = 0;
    telOplossingen(ZWAAR[slechtste].bord, nullptr, takken);
    state.counters["max_ms"] = snelste[slechtste];
    state.counters["max_ms_ruw"] = ruw;
    state.counters["takken"] = static_cast<double>(takken);
    state.SetLabel(ZWAAR[slechtste].naam);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
}
BENCHMARK(zwaarsteBord)->Name("oplossingen/zwaarste_bord")->Unit(benchmark::kMillisecond);

}  // namespace
