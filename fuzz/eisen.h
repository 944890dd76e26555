// What every fuzz target demands of the core, whatever the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/sudoku_form.h"
#include "ui/headless_controls.h"
#include "ui/teksten.h"

namespace sudoku::fuzz {

[[noreturn]] inline void faal(const char* wat, const std::string& extra = "") {
    std::fprintf(stderr, "eis geschonden: %s %s\n", wat, extra.c_str());
    std::abort();
}

inline void eis(bool ok, const char* wat, const std::string& extra = "") {
    if (!ok) faal(wat, extra);
}

inline std::string bordVan(const SudokuForm& f) {
    std::string s;
    for (int r = 1; r <= 9; ++r)
        for (int k = 1; k <= 9; ++k) {
            const std::string& c = f.veld(r, k);
            s += (c.size() == 1 && c[0] >= '1' && c[0] <= '9') ? c[0] : (c == " " ? '.' : '?');
        }
    return s;
}

// No digit twice in a row, column or block.
inline bool geldig(const std::string& b) {
    for (int e = 0; e < 27; ++e) {
        bool gezien[10] = {};
        for (int j = 0; j < 9; ++j) {
            int r = e < 9 ? e : e < 18 ? j : ((e - 18) / 3) * 3 + j / 3;
            int k = e < 9 ? j : e < 18 ? e - 9 : ((e - 18) % 3) * 3 + j % 3;
            char c = b[r * 9 + k];
            if (c < '1' || c > '9') continue;
            if (gezien[c - '0']) return false;
            gezien[c - '0'] = true;
        }
    }
    return true;
}

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
