// What a load made of a test case, as the form keeps it: its rows or why it was refused.
// Reading one is the loader's work (form/testcase_bestand.h).
#pragma once

#include <array>
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
};

// A test case as one look at its file found it: the contents, or the refusal with its
// reason, and the bare name the status line calls it by.
struct GeladenTestcase {
    TestcaseInhoud inhoud;
    std::string naam = "SudokuTestCase.txt";
    std::error_code fout;  // what the system said, when it refused to tell what the path is
};

}  // namespace sudoku
