#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleUitproberen() {}
void SudokuForm::ZoekUitprobeerBlok(Integer&, Integer&) {}

}  // namespace sudoku
