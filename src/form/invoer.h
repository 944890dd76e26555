// What "Bevestig" makes of the text of one cell box, for everyone who reads the boxes.
#pragma once

#include <string>

namespace sudoku {

// The digit '1'..'9' (spaces around it do not matter), '.' for an empty cell (a blank box,
// "0" or "."), or '\0' for a text "Bevestig" refuses.
char vakTeken(const std::string& tekst);

}  // namespace sudoku
