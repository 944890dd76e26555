// The board as one line of 81 characters, and the check that no row, column or block
// holds a digit twice: what the command line prints, the window copies, and the tests,
// the fuzz targets and the driver's final check read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board/reden.h"
#include "board/waarden.h"

namespace sudoku {

// Row by row, the digit of every cell; `leeg` for an empty cell (" "), `anders` for any
// other text (only bad input leaves one, "" for instance).
std::string bordRegel(const Bord& veld, char leeg = '.', char anders = '.');

// A digit that stands twice in a unit of an 81-character board, and that unit; any
// character other than '1'..'9' is an empty cell. The first cell in reading order that
// repeats a digit decides, its row before its column before its block.
struct Dubbel {
    int cijfer;
    Eenheid eenheid;
};
std::optional<Dubbel> eersteDubbel(std::string_view bord);

// No digit twice in a row, column or block.
inline bool zonderDubbelen(std::string_view bord) { return !eersteDubbel(bord); }

}  // namespace sudoku
