// One solve as the program does it: a loaded form, "Start" pressed once, and what
// the board and the status line show afterwards.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "board/sudoku_form.h"
#include "cli/spoor_controls.h"

namespace sudoku::cli {

struct Opties {
    bool uitproberen = false;  // "uitproberen toestaan" ticked
    bool modules = false;      // "weergave modules" ticked
    bool spoor = false;        // report placements and status changes as they happen
};

struct Uitkomst {
    std::string bord;    // 81 characters, row by row, "." for an empty cell
    std::string status;  // the status line's text at the end
    Afloop afloop = Afloop::NogNietOpgelost;  // as the driver recorded it
};

// Ticks the chosen options, presses "Start" once when it is enabled, and reads the outcome.
Uitkomst drukStart(SudokuForm& form, SpoorControls& ui, const Opties& opties);

// One puzzle of a batch in a fresh program state: new controls and a new form, the
// puzzle loaded as a nine-line test case, then "Start". `cellen` holds the 81 cells
// (checked with puzzelFout). Events go to `spoor` when it is not null.
Uitkomst losPuzzelOp(std::string_view cellen, const Opties& opties, std::ostream* spoor);

// Why a batch line is not a puzzle, or "" when its first 81 characters are cells.
// `lengte` is the length of the whole line; `regel` may hold only its beginning.
std::string puzzelFout(std::string_view regel, std::size_t lengte);

}  // namespace sudoku::cli
