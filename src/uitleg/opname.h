// One solve recorded, as both front ends report it: the window's report and the command
// line's --verslag, --stappen and --uitleg.
#pragma once

#include <array>
#include <string>

#include "board/reden.h"
#include "uitleg/oplospad.h"
#include "uitleg/oplossingen.h"

namespace sudoku {

// What a report says of one solve.
struct OplosVerslag {
    std::string puzzel;  // the board as the solve began, 81 characters, '.' empty
    Oplossingen oplossingen = Oplossingen::Geen;  // counted on that board, when asked for
    Niveau niveau = Niveau::Onopgelost;
    int stappen = 0;  // placements, the undone ones included
    int gokken = 0;
    std::array<int, AANTAL_TECHNIEKEN> perTechniek{};
    int gegeven = 0;        // digits given in `puzzel`
    std::string oplossing;  // with Oplossingen::Uniek its solution, 81 digits, else ""
};

// The recording of one solve: begin() on the board as loaded, the controls hand what they
// hear to `pad`, and eind() once "Start" has returned fills in the report.
struct OplosOpname {
    Oplospad pad;
    OplosVerslag verslag;

    // `tellen`: also count the solutions of `bord` (the solve itself reads none of this).
    void begin(const std::string& bord, bool tellen);
    void eind(bool opgelost);
};

}  // namespace sudoku
