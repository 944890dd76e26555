// Helpers shared by the tests: a form on headless controls, boards from text,
// the public puzzle collections, temporary folders.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "board/sudoku_form.h"
#include "ui/headless_controls.h"

namespace sudoku::test {

// A form with headless controls whose test-case paths point nowhere, so no file on
// this machine sneaks into a test.
struct Opstelling {
    HeadlessControls ui;
    SudokuForm form{ui};
    Opstelling();
};

// Puts an 81-character board (row by row, "1".."9", "." / "0" / " " empty) into `veld`
// and counts it into `aantal`, the way a load does, without the controls.
void zetBord(SudokuForm& form, const std::string& bord);

// The board as 81 characters, "." for an empty cell.
std::string bordTekst(const SudokuForm& form);

// Every row, column and block holds no digit twice (empty cells allowed).
bool zonderDubbelen(const std::string& bord);

struct Puzzel {
    std::string opgave;
    std::string oplossing;
};
// A collection of ../shared/puzzles by name ("top95"); empty when absent.
std::vector<Puzzel> leesCollectie(const std::string& naam);
std::string puzzelMap();

// A fresh folder under the system's temporary folder, removed again on destruction.
class TijdelijkeMap {
public:
    TijdelijkeMap();
    ~TijdelijkeMap();
    const std::filesystem::path& pad() const { return pad_; }
    std::filesystem::path schrijf(const std::string& naam, const std::string& inhoud) const;

private:
    std::filesystem::path pad_;
};

}  // namespace sudoku::test
