#include "board/sudoku_form.h"

namespace sudoku {

void SudokuForm::ModuleNakedTriple() {}
void SudokuForm::ZelfdeRij(const String&, const String&, const String&, const String&, Boolean&) {}
void SudokuForm::ZelfdeKolom(const String&, const String&, const String&, const String&, Boolean&) {}
void SudokuForm::ZelfdeBlok(const String&, const String&, const String&, const String&, Boolean&) {}
void SudokuForm::ZetUitzTripleRij(const String&, const String&, const String&, const String&) {}
void SudokuForm::ZetUitzTripleKolom(const String&, const String&, const String&, const String&) {}
void SudokuForm::ZetUitzTripleBlok(const String&, const String&, const String&, const String&) {}

}  // namespace sudoku
