// Puzzles per second (items_per_second) over every collection in the puzzle folder, each
// puzzle solved the way `sudoku-blad-cli --batch` solves it: fresh controls and form,
// loaded as a test case, "Start" pressed once. One iteration is the whole collection.
//
// Extra option, before the benchmark library's own: --puzzels_max=N takes only the first
// N puzzles of each collection (handy for a quick look at the large ones).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/oplossen.h"

namespace {

using namespace sudoku::cli;
namespace fs = std::filesystem;

struct Collectie {
    std::string naam;
    std::vector<std::string> puzzels;  // 81 cells each
};

std::vector<Collectie> leesCollecties(const fs::path& map, std::size_t max) {
    std::vector<Collectie> uit;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(map, ec)) {
        const std::string naam = e.path().filename().string();
        if (e.path().extension() != ".txt" || naam.find('.') != naam.rfind('.')) continue;
        Collectie c{e.path().stem().string(), {}};
        std::ifstream f(e.path());
        std::string regel;
        while (std::getline(f, regel) && c.puzzels.size() < max) {
            if (!regel.empty() && regel.back() == '\r') regel.pop_back();
            if (regel.empty() || regel[0] == '#' || !puzzelFout(regel, regel.size()).empty())
                continue;
            c.puzzels.push_back(regel.substr(0, 81));
        }
        if (!c.puzzels.empty()) uit.push_back(std::move(c));
    }
    // Small collections first, so a run shows the quick figures early.
    std::sort(uit.begin(), uit.end(), [](const Collectie& a, const Collectie& b) {
        return a.puzzels.size() != b.puzzels.size() ? a.puzzels.size() < b.puzzels.size()
                                                    : a.naam < b.naam;
    });
    return uit;
}

void losCollectieOp(benchmark::State& state, const Collectie* c, bool uitproberen) {
    Opties opties;
    opties.uitproberen = uitproberen;
    long opgelost = 0, naGok = 0;
    for (auto _ : state) {
        for (const auto& p : c->puzzels) {
            const Uitkomst u = losPuzzelOp(p, opties, nullptr);
            opgelost += u.afloop == sudoku::Afloop::Opgelost;
            naGok += u.afloop == sudoku::Afloop::OpgelostNaGok;
            benchmark::DoNotOptimize(u.bord.data());
        }
    }
    const double totaal = static_cast<double>(state.iterations()) * c->puzzels.size();
    state.SetItemsProcessed(static_cast<int64_t>(totaal));
    state.counters["puzzels"] = static_cast<double>(c->puzzels.size());
    state.counters["opgelost"] = totaal > 0 ? opgelost / totaal : 0;  // share, 0..1
    state.counters["na_gok"] = totaal > 0 ? naGok / totaal : 0;
}

// Fresh state and the load alone, without "Start": the fixed cost per puzzle.
void alleenLaden(benchmark::State& state, const Collectie* c) {
    Opties opties;
    std::size_t i = 0;
    for (auto _ : state) {
        sudoku::cli::SpoorControls ui;
        sudoku::SudokuForm form(ui);
        const std::string& p = c->puzzels[i++ % c->puzzels.size()];
        std::string tekst;
        for (int r = 0; r < 9; ++r) tekst += p.substr(r * 9, 9) + "\n";
        std::istringstream bron(tekst);
        form.Form_LoadUit(bron);
        benchmark::DoNotOptimize(form.aantal(1));
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t max = static_cast<std::size_t>(-1);
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--puzzels_max=", 0) == 0)
            max = std::strtoul(a.c_str() + 14, nullptr, 10);
        else
            rest.push_back(argv[i]);
    }
    int n = static_cast<int>(rest.size());
    benchmark::Initialize(&n, rest.data());
    if (benchmark::ReportUnrecognizedArguments(n, rest.data())) return 1;

    static const std::vector<Collectie> collecties = leesCollecties(SUDOKU_PUZZELS, max);
    if (collecties.empty()) {
        std::cerr << "geen puzzels gevonden in " << SUDOKU_PUZZELS << "\n";
        return 1;
    }
    for (const auto& c : collecties) {
        benchmark::RegisterBenchmark(("oplossen/" + c.naam + "/zonder_gok").c_str(), losCollectieOp,
                                     &c, false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("oplossen/" + c.naam + "/uitproberen").c_str(),
                                     losCollectieOp, &c, true)
            ->Unit(benchmark::kMillisecond);
    }
    const Collectie* makkelijk = &collecties.front();
    for (const auto& c : collecties)
        if (c.naam == "easy50") makkelijk = &c;
    benchmark::RegisterBenchmark(("laden/" + makkelijk->naam).c_str(), alleenLaden, makkelijk);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
