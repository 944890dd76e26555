// The tip: the first step a solve of the board as it stands would make, found on a form and
// controls of its own, so that nothing of the form that asks is touched.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "uitleg/oplospad.h"

namespace sudoku {

struct TipUitkomst {
    Oplospad pad;                     // the whole solve, explanations included
    std::optional<std::size_t> stap;  // the first step's entry in pad.verloop(); none: no placement
};

// Solves `bord` (81 cells, '.' for an empty cell) with the options as given.
TipUitkomst zoekTip(std::string_view bord, bool uitproberen, bool modules);

}  // namespace sudoku
