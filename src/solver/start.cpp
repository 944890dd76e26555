#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::StartCommand_Click() {}

}  // namespace sudoku
