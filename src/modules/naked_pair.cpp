#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleNakedPair() {}
void SudokuForm::PosNaarRijKol(int, int&, int&) {}
void SudokuForm::ZetUitzPaarLijn(const String&, const Boolean&, int, int, int) {}

}  // namespace sudoku
