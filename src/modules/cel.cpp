#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleCel(Integer&, Integer&) {}

}  // namespace sudoku
