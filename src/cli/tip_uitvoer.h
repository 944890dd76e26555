// --tip: the tip for a test case in three steps, the same as the window's Tip gives them:
//   tip 1: Verborgen enkeling in rij: kijk naar rij 3.
//   tip 2: Verborgen enkeling in rij: in rij 3 kan de 7 maar op één plek: r3k5.
//   tip 3: (the first step's waarom, as --uitleg prints it)
// or, when there is no step to give, one line "tip: TEXT".
#pragma once

#include <ostream>
#include <string_view>

#include "cli/oplossen.h"

namespace sudoku::cli {

// Writes the tip for `bord` (81 cells, '.' for an empty cell) with the options' trial and
// module boxes; returns the exit status: 0 with a step, 1 without one.
int schrijfTip(std::ostream& uit, std::string_view bord, const Opties& opties);

}  // namespace sudoku::cli
