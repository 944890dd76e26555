// The help page behind F1 ("Uitleg"): the buttons, the options and the ladder of techniques.
#pragma once

namespace sudoku {

// The page as simple HTML, for a read-only text browser.
const char* uitlegPagina();

}  // namespace sudoku
