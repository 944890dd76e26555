// A board as a value: the puzzle's givens and the board as it stands, each as 81 cells. The
// form itself cannot be copied; a restart of a pasted puzzle, the tip and an undo start from
// one of these.
#pragma once

#include <string>
#include <string_view>

#include "board/sudoku_form.h"
#include "board/testcase.h"

namespace sudoku {

// The 81 cells of a line, row by row, read as the test case a file of nine lines of nine would
// give; a missing cell is empty. Only 1-9, '.', '0' and a space are cells.
GeladenTestcase testcaseVanCellen(std::string_view cellen);

struct Bordstand {
    std::string gegeven;  // the givens, 81 cells row by row, '.' for an empty cell
    std::string bord;     // the board at the moment of the snapshot, the same way

    // The givens as a test case: what a restart loads again.
    GeladenTestcase alsTestcase() const { return testcaseVanCellen(gegeven); }
};

// A loaded or pasted test case before anything is placed: givens and board are its rows.
Bordstand standVan(const TestcaseInhoud& t);
// The form's board as it stands, with `gegeven` for its givens.
Bordstand standVan(const SudokuForm& form, std::string gegeven);

}  // namespace sudoku
