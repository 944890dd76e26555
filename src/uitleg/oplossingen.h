// How many solutions a board has, up to two: an exact solver beside the form. It works on
// its own copy of the board and never touches the form's fields.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

enum class Oplossingen { Geen, Uniek, Meerdere };

// The board as 81 characters, row by row: '1'..'9' a given, any other character an empty
// cell (a shorter text has empty cells after its end). A digit given twice in a row,
// column or block leaves no solution. When `oplossing` is not null and there is at least
// one solution, it receives the first one found (81 digits).
Oplossingen telOplossingen(std::string_view bord, std::string* oplossing = nullptr);

// The same, and how many branches the search took: a measure of the work that does not
// depend on the machine, for the tests and the fuzz target.
Oplossingen telOplossingen(std::string_view bord, std::string* oplossing, long& knopen);

}  // namespace sudoku
