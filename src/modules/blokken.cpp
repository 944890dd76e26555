#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleBlokken(Integer&, Integer&) {}
void SudokuForm::VulUitzLijn(const String&, const Boolean&, int, int, const Boolean&) {}

}  // namespace sudoku
