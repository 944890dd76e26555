// Reading and checking a test-case file before anything of it reaches the board.
#pragma once

#include <istream>
#include <string>

#include "board/testcase.h"

namespace sudoku {

// The status text for a test case that is not loaded, naming the file by `naam` (its bare
// file name); "" for Goed.
std::string testcaseMelding(const TestcaseInhoud& t,
                            const std::string& naam = "SudokuTestCase.txt");

// Reads a test case from `bron`: a UTF-8 byte-order mark is dropped, a carriage return
// before a line end is not part of the line. Three layouts are read:
// - nine lines of nine cells (1-9, '.', '0' or a space; characters after the ninth ignored);
// - the same with a '|' at the block edges of a row ("5.9|241|3.8"), lines of only '-', '+',
//   '|', '=' and spaces between the bands ("---+---+---"), and '#' comment lines;
// - one line of 81 cells, row by row, anything after them ignored ("puzzle,solution"),
//   as the only line besides blank and comment lines.
// Rows after the ninth may hold only spaces.
TestcaseInhoud leesTestcase(std::istream& bron);

// Reads the test case at `pad` once. A missing path, a folder, a device or, unless `pijpen`,
// a pipe (which could keep a window waiting) is refused without being read.
GeladenTestcase laadTestcase(const std::string& pad, bool pijpen = false);

// A puzzle pasted as text is read as a test case, and it needs at least this many givens:
// fewer never make a puzzle with one solution, and a stray number on the clipboard must
// not wipe the board.
inline constexpr int MIN_GEPLAKT_GEGEVEN = 17;

struct Plaktekst {
    TestcaseInhoud inhoud;
    std::string waarom;  // the status text when the text is no puzzle, else ""
};
Plaktekst leesPlaktekst(const std::string& tekst);

}  // namespace sudoku
