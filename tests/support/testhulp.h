// Helpers shared by the tests: a form on headless controls, boards from text,
// the exception table as a set, the public puzzle collections, temporary folders.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "board/bordregel.h"
#include "board/sudoku_form.h"
#include "form/headless_controls.h"

namespace sudoku::test {

// A complete, valid grid, row by row.
inline const std::string OPGELOST_BORD =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

// A form with headless controls whose test-case paths point nowhere, so no file on
// this machine sneaks into a test.
struct Opstelling {
    HeadlessControls ui;
    SudokuForm form{ui};
    Opstelling() {
        form.testcasePad1 = form.testcasePad2 = "/nonexistent-sudoku-blad/SudokuTestCase.txt";
    }
};

// Puts an 81-character board (row by row, "1".."9", "." / "0" / " " empty) into `veld`
// and counts it into `aantal`, the way a load does, without the controls.
void zetBord(SudokuForm& form, const std::string& bord);

// An empty board but for the given cells (row, column, digit).
std::string metCellen(std::initializer_list<std::tuple<int, int, char>> cellen);

// Every entry of `uitz_tabel` other than " " as (digit, row, column); an entry that
// holds anything but its own digit's string shows with the digit negated.
using Uitz = std::set<std::tuple<int, int, int>>;
Uitz uitzSet(const SudokuForm& form);

struct Puzzel {
    std::string opgave, oplossing;
};
// A collection of the puzzle folder by name ("top95"); empty, and a failure, when absent.
std::vector<Puzzel> leesCollectie(const std::string& naam);

// A fresh folder under the system's temporary folder, removed again on destruction.
class TijdelijkeMap {
public:
    TijdelijkeMap();
    ~TijdelijkeMap() { std::filesystem::remove_all(pad_, fout_); }
    const std::filesystem::path& pad() const { return pad_; }
    std::filesystem::path schrijf(const std::string& naam, const std::string& inhoud) const;

private:
    std::filesystem::path pad_;
    std::error_code fout_;
};

}  // namespace sudoku::test
