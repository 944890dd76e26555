// sudoku-blad-cli: the core without a window.
#include <iostream>

#include "board/sudoku_form.h"
#include "ui/headless_controls.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "gebruik: sudoku-blad-cli BESTAND\n";
        return 2;
    }
    sudoku::HeadlessControls ui;
    sudoku::SudokuForm form(ui);
    form.testcaseArgument = argv[1];
    form.Form_Load();
    if (!form.FileAanwezig) {
        std::cerr << "sudoku-blad-cli: " << ui.opmerk() << "\n";
        return 2;
    }
    if (ui.knopEnabled(sudoku::Knop::Start)) form.StartCommand_Click();
    for (int r = 1; r <= 9; ++r) {
        for (int k = 1; k <= 9; ++k) {
            const std::string& c = form.veld(r, k);
            std::cout << (c == " " || c.empty() ? '.' : c[0]);
        }
        std::cout << '\n';
    }
    std::cout << "result \"" << ui.opmerk() << "\"\n";
    return form.KOMPLEET ? 0 : 1;
}
