// One solve as the program does it: a loaded form, "Start" pressed once, and what
// the board and the status line show afterwards.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>

#include "board/sudoku_form.h"
#include "cli/spoor_controls.h"
#include "uitleg/oplossingen.h"
#include "uitleg/opname.h"

namespace sudoku::cli {

struct Opties {
    bool uitproberen = false;  // "uitproberen toestaan" ticked
    bool modules = false;      // "weergave modules" ticked
    bool spoor = false;        // report placements and status changes as they happen
    bool stappen = false;      // report each step with its reason as it happens
    bool uitleg = false;       // with stappen: each step's sentence and proof, the exclusions
    bool verslag = false;      // a report per puzzle: level, solutions, techniques
    bool bedieningen = false;  // every control after the load, after Start, after Herstart
};

struct Uitkomst {
    std::string bord;                         // 81 characters, row by row, "." for an empty cell
    std::string status;                       // the status line's text at the end
    Afloop afloop = Afloop::NogNietOpgelost;  // as the driver recorded it
    bool metVerslag = false;                  // the puzzle was solved with Opties::verslag
    OplosVerslag verslag;
};

// Ticks the chosen options, presses "Start" once when it is enabled, and reads the outcome.
// `opname` is the recording whose path the controls feed (with Opties::verslag or stappen);
// with Opties::verslag the report is filled in, the solutions counted on the board as loaded.
Uitkomst drukStart(SudokuForm& form, SpoorControls& ui, const Opties& opties,
                   OplosOpname* opname = nullptr);

// One puzzle of a batch in a fresh program state: new controls and a new form, the
// puzzle loaded as a nine-line test case, then "Start". `cellen` holds the 81 cells
// (checked with puzzelFout). Events (--trace), steps (--stappen) and the dumps
// (--bedieningen) go to `uit` when it is not null.
Uitkomst losPuzzelOp(std::string_view cellen, const Opties& opties, std::ostream* uit);

// Why a batch line is not a puzzle, or "" when its first 81 characters are cells.
// `lengte` is the length of the whole line; `regel` may hold only its beginning.
std::string puzzelFout(std::string_view regel, std::size_t lengte);

}  // namespace sudoku::cli
