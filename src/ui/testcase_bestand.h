// Reading and checking SudokuTestCase.txt before anything of it reaches the board.
#pragma once

#include <array>
#include <istream>
#include <string>

namespace sudoku {

struct TestcaseInhoud {
    enum class Uitkomst { Goed, FoutTeken, TeveelRegels, Onleesbaar };

    Uitkomst uitkomst = Uitkomst::Goed;
    int foutRegel = 0;  // line and position of the first bad character
    int foutPositie = 0;
    int regels = 0;  // lines 1..9 that the file gives
    // Lines 1..regels, each cut or padded to nine characters, with "." and "0" turned
    // into " ".
    std::array<std::string, 10> rijen{};

    // The status text for a rejected file.
    std::string melding() const;
};

// Reads a test case from `bron`: a UTF-8 byte-order mark is dropped, a carriage return
// before a line end is not part of the line, lines 10 and beyond may hold only spaces.
TestcaseInhoud leesTestcase(std::istream& bron);

}  // namespace sudoku
