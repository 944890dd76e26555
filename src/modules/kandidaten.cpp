#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::BepaalCelKandidaten(Integer&, Integer&) {}

}  // namespace sudoku
