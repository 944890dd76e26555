#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleLijnen(Boolean&, Integer&, Integer&) {}
void SudokuForm::VulUitzBlok(const String&, const Boolean&, int, int) {}

}  // namespace sudoku
