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

// Reads a test case from `bron`: a UTF-8 byte-order mark is dropped, and a line ends at LF,
// CR LF or a lone CR. Three layouts are read:
// - nine lines of nine cells (1-9, '.', '0' or a space; characters after the ninth ignored);
// - the same with a '|' at the block edges of a row ("5.9|241|3.8"), lines of only '-', '+',
//   '|', '=' and spaces between the bands ("---+---+---"), and '#' comment lines;
// - one line of 81 cells, row by row, anything after them ignored ("puzzle,solution"),
//   as the only line besides blank and comment lines.
// Rows after the ninth may hold only spaces.
TestcaseInhoud leesTestcase(std::istream& bron);

// Reads the test case at `pad` once. A missing path, a folder, a device or, unless `pijpen`,
// a pipe (which could keep a window waiting) is refused without being read. What the system
// said of a path it would not open or read is kept in `fout` (EISDIR for a folder).
GeladenTestcase laadTestcase(const std::string& pad, bool pijpen = false);

// Opens `pad` for reading under the same rules, for a reader of its own (a batch): the file
// descriptor, or -1 with the refusal in `g`.
int openTestcase(const std::string& pad, bool pijpen, GeladenTestcase& g);

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
