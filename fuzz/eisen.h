// What every fuzz target demands of the core, whatever the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/bordregel.h"
#include "board/sudoku_form.h"
#include "form/headless_controls.h"

namespace sudoku::fuzz {

[[noreturn]] inline void faal(const char* wat, const std::string& extra = "") {
    std::fprintf(stderr, "eis geschonden: %s %s\n", wat, extra.c_str());
    std::abort();
}

inline void eis(bool ok, const char* wat, const std::string& extra = "") {
    if (!ok) faal(wat, extra);
}

// The board, "?" for a cell that is neither " " nor a digit.
inline std::string bordVan(const SudokuForm& f) { return bordRegel(f.veld, '.', '?'); }

// Every cell " " or a digit, and the counts agree with the board.
inline void eisNetBord(const SudokuForm& f) {
    const std::string b = bordVan(f);
    eis(b.find('?') == std::string::npos, "cel buiten \" \" en 1..9", b);
    for (int d = 1; d <= 9; ++d) {
        int n = 0;
        for (char c : b) n += (c == '0' + d);
        eis(f.aantal(d) == n, "aantal klopt niet met het bord", b);
    }
}

inline void eisGeenIndexFout() { eis(indexBuitenBereik.load() == 0, "index buiten een tabel"); }

}  // namespace sudoku::fuzz
