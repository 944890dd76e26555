#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleNakedTriple3Pairs() {}

}  // namespace sudoku
