// Reading and checking a test-case file before anything of it reaches the board.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <system_error>

namespace sudoku {

struct TestcaseInhoud {
    enum class Uitkomst {
        Goed,
        FoutTeken,     // a character that is no cell (see foutRegel, foutPositie)
        TeveelRegels,  // a row after the ninth holds more than spaces
        Onleesbaar,    // reading failed part-way
        // What start-up finds before there is anything to read:
        NietGevonden,       // no test case at either look-up: manual entry
        Ontbreekt,          // the file named on the command line does not exist
        GeenGewoonBestand,  // a folder, a pipe or a device: never read
        NietTeOpenen,       // there, but opening it failed
    };

    Uitkomst uitkomst = Uitkomst::Goed;
    int foutRegel = 0;    // line and position of the first bad character, counted in the
    int foutPositie = 0;  // file itself (comment and separator lines and '|' included)
    int regels = 0;       // rows 1..9 that the file gives
    // Rows 1..regels, each cut or padded to nine characters, with "." and "0" turned
    // into " ".
    std::array<std::string, 10> rijen{};

    // The status text for a test case that is not loaded, naming the file by `naam` (its
    // bare file name); "" for Goed.
    std::string melding(const std::string& naam = "SudokuTestCase.txt") const;
};

// Reads a test case from `bron`: a UTF-8 byte-order mark is dropped, a carriage return
// before a line end is not part of the line. Three layouts are read:
// - nine lines of nine cells (1-9, '.', '0' or a space; characters after the ninth ignored);
// - the same with a '|' at the block edges of a row ("5.9|241|3.8"), lines of only '-', '+',
//   '|', '=' and spaces between the bands ("---+---+---"), and '#' comment lines;
// - one line of 81 cells, row by row, anything after them ignored ("puzzle,solution"),
//   as the only line besides blank and comment lines.
// Rows after the ninth may hold only spaces.
TestcaseInhoud leesTestcase(std::istream& bron);

// A test case as one look at its file found it: the contents, or the refusal with its
// reason, and the bare name the status line calls it by.
struct GeladenTestcase {
    TestcaseInhoud inhoud;
    std::string naam = "SudokuTestCase.txt";
    std::error_code fout;  // what the system said, when it refused to tell what the path is
};

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
